#include "CImagePage.h"
#include "CModePage.h"
#include "CSavePage.h"
#include "CSpeedPage.h"
#include "CWizardApp.h"
#include "MessageRecorder.h"
#include "ModalDriver.h"
#include "ScratchDirectory.h"
#include "ShellRecorder.h"
#include "WindowMenu.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

// Counts pages that are shown, so a test can tell that no earlier page of the
// chain appears again while the chain unwinds.
class ShowCounter : public QObject {
  public:
    ShowCounter() { qApp->installEventFilter(this); }
    int shown = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && qobject_cast<WizardPage*>(watched))
            ++shown;
        return false;
    }
};

void Press(QWidget* page, int id) {
    static_cast<TemplateDialog*>(page)->ControlAs<QAbstractButton>(id)->click();
}

} // namespace

class PageFlowTest : public QObject {
    Q_OBJECT

  private slots:
    void modePageKeepsItsRadioButtonsExclusive() {
        CModePage page;
        auto* automatic = page.ControlAs<QRadioButton>(CModePage::IDC_AUTOMATIC);
        auto* custom = page.ControlAs<QRadioButton>(CModePage::IDC_CUSTOM);
        QVERIFY(automatic->isChecked());
        QVERIFY(!custom->isChecked());
        custom->click();
        custom->click();
        QVERIFY(custom->isChecked());
        QVERIFY(!automatic->isChecked());
        automatic->click();
        QVERIFY(automatic->isChecked());
        QVERIFY(!custom->isChecked());
    }

    void aClickAnywhereInARadioButtonsRectangleChecksIt() {
        CModePage page;
        page.show();
        auto* custom = page.ControlAs<QRadioButton>(CModePage::IDC_CUSTOM);
        QTest::mouseClick(custom, Qt::LeftButton, {},
                          QPoint(custom->width() - 2, custom->height() / 2));
        QVERIFY(custom->isChecked());
        QVERIFY(!page.ControlAs<QRadioButton>(CModePage::IDC_AUTOMATIC)->isChecked());
    }

    void plainLettersActAsAccessLettersOnButtonsOnly() {
        ScratchDirectory scratch;
        CModePage page;
        page.show();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        auto* next = page.ControlAs<QPushButton>(CModePage::IDC_NEXT);
        next->setFocus();
        QTest::keyClick(next, Qt::Key_U);
        QVERIFY(page.ControlAs<QRadioButton>(CModePage::IDC_CUSTOM)->isChecked());
        QCOMPARE(QApplication::focusWidget(), page.Control(CModePage::IDC_CUSTOM));

        bool imagePageRan = false;
        ModalDriver::OnNext<CImagePage>([&](CImagePage* image) {
            imagePageRan = true;
            // In the edit box a letter is typed, not taken as Add's access letter.
            auto* edit = image->ControlAs<QLineEdit>(CImagePage::IDC_IMAGE);
            edit->setFocus();
            QTest::keyClicks(edit, QStringLiteral("ab"));
            QCOMPARE(edit->text(), QStringLiteral("ab"));
            image->reject();
        });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_B);
        QCOMPARE(ModalDriver::TakeFailures(), QStringList());
        QVERIFY(imagePageRan);
    }

    void modePageNextChoosesThePath_data() {
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<bool>("custom");
        QTest::addColumn<QString>("nextPage");
        QTest::newRow("automatic") << true << false << "CSavePage";
        QTest::newRow("custom") << false << true << "CSpeedPage";
        QTest::newRow("neither") << false << false << "CSavePage";
    }
    void modePageNextChoosesThePath() {
        QFETCH(bool, automatic);
        QFETCH(bool, custom);
        QFETCH(QString, nextPage);
        CModePage page;
        page.ControlAs<QRadioButton>(CModePage::IDC_AUTOMATIC)->setChecked(automatic);
        page.ControlAs<QRadioButton>(CModePage::IDC_CUSTOM)->setChecked(custom);
        QString ran;
        ModalDriver::OnNextModal([&](QWidget* next) {
            ran = QString::fromLatin1(next->metaObject()->className());
            if (auto* save = qobject_cast<CSavePage*>(next)) {
                QCOMPARE(save->m_bCustom, 0);
                QVERIFY(save->m_strStyle.isEmpty());
            }
            static_cast<QDialog*>(next)->reject();
        });
        Press(&page, CModePage::IDC_NEXT);
        QCOMPARE(ModalDriver::TakeFailures(), QStringList());
        QCOMPARE(ran, nextPage);
        QVERIFY(page.isHidden());
    }

    void backMakesAFreshEarlierPage() {
        // Save page -> Back -> a new mode page with Automatic checked -> Back ->
        // a new, empty image list page.
        CSavePage save;
        bool modeWasFresh = false;
        int imageRows = -1;
        ModalDriver::OnNext<CModePage>([&](CModePage* mode) {
            modeWasFresh = mode->ControlAs<QRadioButton>(CModePage::IDC_AUTOMATIC)->isChecked();
            ModalDriver::OnNext<CImagePage>(
                [&](CImagePage* image) {
                    imageRows =
                        image->ControlAs<QTreeWidget>(CImagePage::IDC_LIST)->topLevelItemCount();
                    QCOMPARE(image->SystemMenu().actions().size(), 3);
                    image->reject();
                },
                mode);
            Press(mode, CModePage::IDC_BACK);
        });
        Press(&save, CSavePage::IDC_BACK);
        QCOMPARE(ModalDriver::TakeFailures(), QStringList());
        QVERIFY(modeWasFresh);
        QCOMPARE(imageRows, 0);
    }

    void speedPageBackLeadsToAFreshModePage() {
        CSpeedPage speed;
        bool automaticChecked = false;
        ModalDriver::OnNext<CModePage>([&](CModePage* mode) {
            automaticChecked = mode->ControlAs<QRadioButton>(CModePage::IDC_AUTOMATIC)->isChecked();
            mode->reject();
        });
        Press(&speed, CSpeedPage::IDC_BACK);
        QCOMPARE(ModalDriver::TakeFailures(), QStringList());
        QVERIFY(automaticChecked);
    }

    void endingAnyPageEndsTheWholeWizard_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel button") << "cancel";
        QTest::newRow("Escape") << "escape";
        QTest::newRow("close box") << "close";
    }
    void endingAnyPageEndsTheWholeWizard() {
        // Image list, Next, mode, Next, save, Back, mode, Next, save: then end it there.
        QFETCH(QString, how);
        ScratchDirectory scratch;
        ShellRecorder shell;
        ShowCounter counter;
        int shownWhenEnded = -1;
        const auto endSavePage = [&](CSavePage* save) {
            shownWhenEnded = counter.shown;
            if (how == "cancel")
                Press(save, CSavePage::IDC_CANCEL);
            else if (how == "escape")
                QTest::keyClick(save, Qt::Key_Escape);
            else
                save->close();
        };
        const auto secondMode = [&](CModePage* mode) {
            ModalDriver::OnNext<CSavePage>(endSavePage, mode);
            Press(mode, CModePage::IDC_NEXT);
        };
        const auto firstSave = [&](CSavePage* save) {
            ModalDriver::OnNext<CModePage>(secondMode, save);
            Press(save, CSavePage::IDC_BACK);
        };
        const auto firstMode = [&](CModePage* mode) {
            ModalDriver::OnNext<CSavePage>(firstSave, mode);
            Press(mode, CModePage::IDC_NEXT);
        };
        ModalDriver::OnNext<CImagePage>([&](CImagePage* image) {
            auto* path = image->ControlAs<QLineEdit>(CImagePage::IDC_IMAGE);
            for (const char* name : {"a.gif", "b.gif"}) {
                path->setText(QString::fromLatin1(name));
                Press(image, CImagePage::IDC_ADD);
            }
            ModalDriver::OnNext<CModePage>(firstMode, image);
            Press(image, CImagePage::IDC_NEXT);
        });

        CWizardApp app;
        QVERIFY(!app.InitInstance());
        QCOMPARE(ModalDriver::TakeFailures(), QStringList());
        QCOMPARE(shownWhenEnded, 5);
        QCOMPARE(counter.shown, shownWhenEnded);
        QVERIFY(app.m_pMainWnd == nullptr);
        QVERIFY(shell.Opened().isEmpty());
        QVERIFY(scratch.Exists("listitems")); // kept for nobody, but never half-deleted
        QVERIFY(QApplication::topLevelWidgets().size() < 10);
    }

    void firstPageIsTheMainWindow() {
        CWizardApp app;
        bool mainWindowWasThePage = false;
        ModalDriver::OnNext<CImagePage>([&](CImagePage* image) {
            mainWindowWasThePage = app.m_pMainWnd == image;
            QVERIFY(!image->windowIcon().isNull());
            image->reject();
        });
        QVERIFY(!app.InitInstance());
        QVERIFY(mainWindowWasThePage);
        QVERIFY(app.m_pMainWnd == nullptr);
    }

    void enterOnTheModePagePressesNext_data() {
        QTest::addColumn<int>("focused");
        QTest::newRow("Next") << int(CModePage::IDC_NEXT);
        QTest::newRow("Back") << int(CModePage::IDC_BACK);
        QTest::newRow("Cancel") << int(CModePage::IDC_CANCEL);
    }
    void enterOnTheModePagePressesNext() {
        QFETCH(int, focused);
        CModePage page;
        page.show();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        page.Control(focused)->setFocus();
        bool reachedSavePage = false;
        ModalDriver::OnNext<CSavePage>([&](CSavePage* save) {
            reachedSavePage = true;
            save->reject();
        });
        QTest::keyClick(page.Control(focused), Qt::Key_Return);
        QCOMPARE(ModalDriver::TakeFailures(), QStringList());
        QVERIFY(reachedSavePage);
    }
};

QTEST_MAIN(PageFlowTest)
#include "tst_pageflow.moc"
