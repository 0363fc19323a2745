#include "CBorderPage.h"
#include "CModePage.h"
#include "CSpeedPage.h"
#include "MessageRecorder.h"
#include "ModalDriver.h"
#include "ScratchDirectory.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

class SpeedPageTest : public QObject {
    Q_OBJECT

  private:
    struct Page {
        CSpeedPage page;
        QComboBox* speeds = page.ControlAs<QComboBox>(CSpeedPage::IDC_SPEED);

        void Press(int id) { page.ControlAs<QPushButton>(id)->click(); }
    };

    static QStringList Labels(const QComboBox& combo) {
        QStringList labels;
        for (int row = 0; row < combo.count(); ++row)
            labels.append(combo.itemText(row));
        return labels;
    }

  private slots:
    void cleanup() { QCOMPARE(ModalDriver::TakeFailures(), QStringList()); }

    void opensWithFiveSpeedsAndModerateSelected() {
        Page page;
        QCOMPARE(Labels(*page.speeds),
                 (QStringList{"Very slow", "Slow", "Moderate", "Fast", "Very fast"}));
        QCOMPARE(page.speeds->currentIndex(), 2);
        QVERIFY(!page.speeds->isEditable());
    }

    void nextWritesTheDelayThenRunsTheBorderPage_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QByteArray>("earlierFile");
        QTest::addColumn<QByteArray>("delay");
        const QByteArray longer = "4000\r\n9999";
        QTest::newRow("very slow") << 0 << QByteArray() << QByteArray("4000");
        QTest::newRow("slow") << 1 << longer << QByteArray("3000");
        QTest::newRow("moderate") << 2 << QByteArray() << QByteArray("2000");
        QTest::newRow("fast") << 3 << longer << QByteArray("1000");
        QTest::newRow("very fast over a longer file") << 4 << longer << QByteArray("500");
    }
    void nextWritesTheDelayThenRunsTheBorderPage() {
        QFETCH(int, position);
        QFETCH(QByteArray, earlierFile);
        QFETCH(QByteArray, delay);
        ScratchDirectory scratch;
        if (!earlierFile.isEmpty())
            scratch.Write("speed", earlierFile);
        Page page;
        page.page.show();
        page.speeds->setCurrentIndex(position);
        QByteArray fileWhenBorderPageRan;
        ModalDriver::OnNext<CBorderPage>([&](CBorderPage* border) {
            fileWhenBorderPageRan = scratch.Read("speed");
            border->reject();
        });
        page.Press(CSpeedPage::IDC_NEXT);
        QCOMPARE(ModalDriver::TakeFailures(), QStringList());
        QCOMPARE(fileWhenBorderPageRan, delay);
        QCOMPARE(page.page.result(), int(QDialog::Accepted));
        QVERIFY(page.page.isHidden());
    }

    void aFailedWriteIsReportedAndThePageStays() {
        ScratchDirectory scratch;
        QVERIFY(QDir(scratch.Path()).mkdir("speed"));
        MessageRecorder messages;
        Page page;
        page.page.show();
        QTimer::singleShot(0, &ModalDriver::CloseAllModals); // closes a page that must not open
        page.Press(CSpeedPage::IDC_NEXT);
        QCoreApplication::processEvents();
        QCOMPARE(messages.Messages().size(), 1);
        QVERIFY(messages.Messages().constFirst().contains(scratch.FilePath("speed")));
        QCOMPARE(page.page.result(), 0);
        QVERIFY(page.page.isVisible());
        QCOMPARE(page.speeds->currentIndex(), 2);
    }

    void nextWithoutASpeedAsksForOne() {
        ScratchDirectory scratch;
        MessageRecorder messages;
        Page page;
        page.speeds->setCurrentIndex(-1);
        page.Press(CSpeedPage::IDC_NEXT);
        QCOMPARE(messages.Messages(), QStringList{"Please choose the speed. "});
        QVERIFY(!scratch.Exists("speed"));
        QCOMPARE(page.page.result(), 0);
    }

    void backRunsAFreshModePage() {
        ScratchDirectory scratch;
        Page page;
        page.page.show();
        bool automaticChecked = false;
        ModalDriver::OnNext<CModePage>([&](CModePage* mode) {
            automaticChecked = mode->ControlAs<QRadioButton>(CModePage::IDC_AUTOMATIC)->isChecked();
            mode->reject();
        });
        page.Press(CSpeedPage::IDC_BACK);
        QCOMPARE(ModalDriver::TakeFailures(), QStringList());
        QVERIFY(automaticChecked);
        QVERIFY(!scratch.Exists("speed"));
        QCOMPARE(page.page.result(), int(QDialog::Accepted));
    }

    void cancelEndsThePage() {
        Page page;
        page.page.show();
        page.Press(CSpeedPage::IDC_CANCEL);
        QCOMPARE(page.page.result(), int(QDialog::Rejected));
        QVERIFY(page.page.isHidden());
    }

    void enterActsAsNext_data() {
        QTest::addColumn<int>("focus");
        QTest::newRow("in the list") << int(CSpeedPage::IDC_SPEED);
        QTest::newRow("on Back") << int(CSpeedPage::IDC_BACK);
        QTest::newRow("on Cancel") << int(CSpeedPage::IDC_CANCEL);
    }
    void enterActsAsNext() {
        QFETCH(int, focus);
        ScratchDirectory scratch;
        Page page;
        page.page.show();
        page.speeds->setCurrentIndex(3);
        bool borderPageRan = false;
        ModalDriver::OnNext<CBorderPage>([&](CBorderPage* border) {
            borderPageRan = true;
            border->reject();
        });
        QTest::keyClick(page.page.Control(focus), Qt::Key_Return);
        QCOMPARE(ModalDriver::TakeFailures(), QStringList());
        QVERIFY(borderPageRan);
        QCOMPARE(scratch.Read("speed"), QByteArray("1000"));
        QCOMPARE(page.page.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(SpeedPageTest)
#include "tst_speedpage.moc"
