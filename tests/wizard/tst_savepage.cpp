#include "CSavePage.h"
#include "FileResult.h"
#include "MessageRecorder.h"
#include "Messages.h"
#include "ModalDriver.h"
#include "PageTexts.h"
#include "ScratchDirectory.h"
#include "ShellRecorder.h"
#include "SlideshowPage.h"
#include "Strings.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <cerrno>
#include <cstring>

class SavePageTest : public QObject {
    Q_OBJECT

  private:
    static const QByteArray kListItems;

    static void Finish(CSavePage& page, const QString& path) {
        page.ControlAs<QLineEdit>(CSavePage::IDC_PATH)->setText(path);
        page.ControlAs<QPushButton>(CSavePage::IDC_FINISH)->click();
    }
    static QByteArray AutomaticPage() {
        return BuildSlideshowPage({"myimage.gif", "../../myimage.gif"}, "2000",
                                  LoadPageText(IDS_HTML_STYLE_DEFAULT));
    }

  private slots:
    void emptyPathAsksForOne() {
        ScratchDirectory scratch;
        scratch.Write("listitems", kListItems);
        MessageRecorder messages;
        ShellRecorder shell;
        CSavePage page;
        page.show();
        Finish(page, QString());
        QCOMPARE(messages.Messages(), QStringList{LoadString(IDS_NEED_PATH)});
        QVERIFY(page.isVisible());
        QCOMPARE(scratch.Read("listitems"), kListItems);
        QVERIFY(shell.Opened().isEmpty());
    }

    void finishWritesOpensAndEnds_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("relative") << "slides.htm";
        QTest::newRow("blanks, no extension") << "my slides";
        QTest::newRow("only blanks") << "  ";
    }
    void finishWritesOpensAndEnds() {
        QFETCH(QString, typed);
        ScratchDirectory scratch;
        scratch.Write("listitems", kListItems);
        scratch.Write("speed", "500");
        ShellRecorder shell;
        CSavePage page;
        page.m_bCustom = 0;
        page.show();
        Finish(page, typed);
        QCOMPARE(scratch.Read(typed), AutomaticPage());
        QVERIFY(!scratch.Exists("listitems"));
        QCOMPARE(scratch.Read("speed"), QByteArray("500")); // not the automatic look's business
        QCOMPARE(shell.Opened(), QList<QUrl>{QUrl::fromLocalFile(scratch.FilePath(typed))});
        QCOMPARE(page.result(), int(QDialog::Accepted));
    }

    // Headless Qt has no desktop to hand a file to, as a desktop without a browser.
    void aPageNoProgramOpensIsReportedAndTheWizardEnds() {
        ScratchDirectory scratch;
        scratch.Write("listitems", kListItems);
        MessageRecorder messages;
        CSavePage page;
        page.show();
        Finish(page, QStringLiteral("slides.htm"));
        QCOMPARE(scratch.Read("slides.htm"), AutomaticPage());
        QCOMPARE(
            messages.Messages(),
            QStringList{MessageText(Message::PageNotOpened).arg(scratch.FilePath("slides.htm"))});
        QCOMPARE(page.result(), int(QDialog::Accepted));
    }

    void customLookUsesTheStyleAndSpeed() {
        ScratchDirectory scratch;
        scratch.Write("listitems", kListItems);
        scratch.Write("speed", "500");
        ShellRecorder shell;
        CSavePage page;
        page.m_bCustom = 1;
        page.m_strStyle = "<HTML><HEAD><STYLE>custom</STYLE>\n";
        Finish(page, QStringLiteral("custom.htm"));
        const QByteArray written = scratch.Read("custom.htm");
        QCOMPARE(written,
                 BuildSlideshowPage({"myimage.gif", "../../myimage.gif"}, "500", page.m_strStyle));
        QVERIFY(!scratch.Exists("speed"));
        QVERIFY(!scratch.Exists("listitems"));
    }

    void failureKeepsThePageAndTheList_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("withList");
        QTest::addColumn<QString>("failedFile");
        QTest::addColumn<QString>("reason");
        const auto system = [](int error) { return QString::fromLocal8Bit(std::strerror(error)); };
        const auto own = [](FileError error) { return FileResult::Failure({}, error).reason; };
        QTest::newRow("folder missing")
            << "missing/out.htm" << true << "missing/out.htm" << system(ENOENT);
        QTest::newRow("path names a folder") << "folder" << true << "folder" << system(EISDIR);
        QTest::newRow("no image list") << "out.htm" << false << "listitems" << system(ENOENT);
        QTest::newRow("the image list itself")
            << "listitems" << true << "listitems" << own(FileError::SameFileAsScratchFile);
        QTest::newRow("the image list by another name")
            << "./listitems" << true << "listitems" << own(FileError::SameFileAsScratchFile);
    }
    void failureKeepsThePageAndTheList() {
        QFETCH(QString, typed);
        QFETCH(bool, withList);
        QFETCH(QString, failedFile);
        QFETCH(QString, reason);
        ScratchDirectory scratch;
        QVERIFY(QDir(scratch.Path()).mkdir("folder"));
        if (withList)
            scratch.Write("listitems", kListItems);
        MessageRecorder messages;
        ShellRecorder shell;
        CSavePage page;
        page.show();
        Finish(page, typed);

        QCOMPARE(messages.Messages().size(), 1);
        QVERIFY2(messages.Messages().at(0).contains(scratch.FilePath(failedFile)),
                 qPrintable(messages.Messages().at(0)));
        QVERIFY(messages.Messages().at(0).contains(reason));
        QVERIFY(page.isVisible());
        QCOMPARE(page.ControlAs<QLineEdit>(CSavePage::IDC_PATH)->text(), typed);
        QVERIFY(shell.Opened().isEmpty());
        if (!withList)
            return;
        QCOMPARE(scratch.Read("listitems"), kListItems);

        Finish(page, QStringLiteral("second try.htm"));
        QCOMPARE(scratch.Read("second try.htm"), AutomaticPage());
        QCOMPARE(shell.Opened().size(), 1);
        QCOMPARE(page.result(), int(QDialog::Accepted));
    }

    void browseFillsThePathOnlyWhenConfirmed() {
        ScratchDirectory scratch;
        CSavePage page;
        page.show();
        auto* path = page.ControlAs<QLineEdit>(CSavePage::IDC_PATH);
        path->setText(QStringLiteral("typed before"));

        ModalDriver::OnNext<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); }, &page);
        page.ControlAs<QPushButton>(CSavePage::IDC_BROWSE)->click();
        QCOMPARE(path->text(), QStringLiteral("typed before"));

        QStringList filters;
        QString suffix;
        ModalDriver::OnNext<QFileDialog>(
            [&](QFileDialog* dialog) {
                filters = dialog->nameFilters();
                suffix = dialog->defaultSuffix();
                dialog->selectFile(scratch.FilePath("show"));
                static_cast<QDialog*>(dialog)->accept();
            },
            &page);
        page.ControlAs<QPushButton>(CSavePage::IDC_BROWSE)->click();
        QCOMPARE(ModalDriver::TakeFailures(), QStringList());
        // The dialog drops the blank that starts the second entry.
        QCOMPARE(filters, (QStringList{"HTML Files (*.htm)", "HTML files (*.html)"}));
        QCOMPARE(suffix, QStringLiteral("htm"));
        QCOMPARE(path->text(), scratch.FilePath("show.htm"));
    }

    void enterPressesFinish_data() {
        QTest::addColumn<int>("focused");
        QTest::newRow("path box") << int(CSavePage::IDC_PATH);
        QTest::newRow("Back button") << int(CSavePage::IDC_BACK);
        QTest::newRow("Cancel button") << int(CSavePage::IDC_CANCEL);
    }
    void enterPressesFinish() {
        QFETCH(int, focused);
        MessageRecorder messages;
        CSavePage page;
        page.show();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        page.Control(focused)->setFocus();
        QTest::keyClick(page.Control(focused), Qt::Key_Return);
        QCOMPARE(messages.Messages(), QStringList{LoadString(IDS_NEED_PATH)});
        QVERIFY(page.isVisible());
    }
};

const QByteArray SavePageTest::kListItems = "myimage.gif\r\n../../myimage.gif\r\n";

QTEST_MAIN(SavePageTest)
#include "tst_savepage.moc"
