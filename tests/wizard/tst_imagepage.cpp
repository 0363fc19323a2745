#include "CAboutDlg.h"
#include "CImagePage.h"
#include "CModePage.h"
#include "FileResult.h"
#include "ImageLimit.h"
#include "MessageRecorder.h"
#include "ModalDriver.h"
#include "ScratchDirectory.h"
#include "Strings.h"
#include "WindowMenu.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>
#include <cerrno>
#include <cstring>
#include <sys/file.h>

class ImagePageTest : public QObject {
    Q_OBJECT

  private:
    struct Page {
        CImagePage page;
        QTreeWidget* list = page.ControlAs<QTreeWidget>(CImagePage::IDC_LIST);
        QLineEdit* path = page.ControlAs<QLineEdit>(CImagePage::IDC_IMAGE);

        void Press(int id) { page.ControlAs<QPushButton>(id)->click(); }
        void Add(const QString& image) {
            path->setText(image);
            Press(CImagePage::IDC_ADD);
        }
        QStringList Column(int column) const {
            QStringList texts;
            for (int row = 0; row < list->topLevelItemCount(); ++row)
                texts.append(list->topLevelItem(row)->text(column));
            return texts;
        }
        QList<int> SelectedRows() const {
            QList<int> rows;
            for (int row = 0; row < list->topLevelItemCount(); ++row) {
                if (list->topLevelItem(row)->isSelected())
                    rows.append(row);
            }
            return rows;
        }
    };

    // Whether the About box opened while run() ran; it is closed again.
    static bool OpensAboutBox(const std::function<void()>& run) {
        bool opened = false;
        QTimer::singleShot(0, [&] {
            if (auto* about = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget())) {
                opened = true;
                about->reject();
            }
        });
        run();
        QCoreApplication::processEvents();
        return opened;
    }

  private slots:
    void opensEmptyWithAboutCommand() {
        Page page;
        QCOMPARE(page.list->topLevelItemCount(), 0);
        QCOMPARE(page.list->headerItem()->text(CImagePage::ColumnOrder), QStringLiteral("Order"));
        QCOMPARE(page.list->headerItem()->text(CImagePage::ColumnImage), QStringLiteral("Image"));
        QCOMPARE(page.list->selectionMode(), QAbstractItemView::ExtendedSelection);
        QVERIFY(page.path->text().isEmpty());
        const QList<QAction*> actions = page.page.SystemMenu().actions();
        QCOMPARE(actions.size(), 3);
        QVERIFY(actions.at(1)->isSeparator());
        QCOMPARE(actions.at(2)->text(), QStringLiteral("&About Kinetara..."));
    }

    void addChecksTheText_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("images");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << "" << QStringList() << LoadString(IDS_NEED_IMAGE);
        QTest::newRow("one space") << " " << QStringList{" "} << QString();
        QTest::newRow("quotes and backslash")
            << R"(a 'b' "c"\d%s.gif)" << QStringList{R"(a 'b' "c"\d%s.gif)"} << QString();
        QTest::newRow("line feed") << "a.gif\nb.gif" << QStringList() << "line break";
        QTest::newRow("carriage return") << "a.gif\rb.gif" << QStringList() << "line break";
    }
    void addChecksTheText() {
        QFETCH(QString, typed);
        QFETCH(QStringList, images);
        QFETCH(QString, message);
        MessageRecorder messages;
        Page page;
        page.Add(typed);
        QCOMPARE(page.Column(CImagePage::ColumnImage), images);
        QCOMPARE(page.path->text(), typed);
        if (message.isEmpty())
            QVERIFY(messages.Messages().isEmpty());
        else
            QVERIFY(messages.Messages().value(0).contains(message));
    }

    void orderTextsAreNeverRenumbered() {
        Page page;
        for (const char* image : {"a.gif", "b.gif", "c.gif"})
            page.Add(QString::fromLatin1(image));
        page.list->topLevelItem(1)->setSelected(true);
        page.Press(CImagePage::IDC_REMOVE);
        page.Add(QStringLiteral("d.gif"));
        page.Add(QStringLiteral("d.gif"));
        QCOMPARE(page.Column(CImagePage::ColumnOrder), (QStringList{"0", "2", "2", "3"}));
        QCOMPARE(page.Column(CImagePage::ColumnImage),
                 (QStringList{"a.gif", "c.gif", "d.gif", "d.gif"}));
    }

    void moveAndRemoveUseTheFirstSelectedRow_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QStringList>("images");
        QTest::addColumn<QStringList>("orders");
        const QStringList untouched{"a", "b", "c", "d", "e"};
        const QStringList orders{"0", "1", "2", "3", "4"};
        QTest::newRow("up") << int(CImagePage::IDC_UP) << QList<int>{2}
                            << QStringList{"a", "c", "b", "d", "e"} << orders;
        QTest::newRow("up on top")
            << int(CImagePage::IDC_UP) << QList<int>{0} << untouched << orders;
        QTest::newRow("down on two") << int(CImagePage::IDC_DOWN) << QList<int>{1, 3}
                                     << QStringList{"a", "c", "b", "d", "e"} << orders;
        QTest::newRow("down on bottom")
            << int(CImagePage::IDC_DOWN) << QList<int>{4} << untouched << orders;
        QTest::newRow("remove two")
            << int(CImagePage::IDC_REMOVE) << QList<int>{1, 3} << QStringList{"a", "c", "d", "e"}
            << QStringList{"0", "2", "3", "4"};
        for (const int button : {CImagePage::IDC_UP, CImagePage::IDC_DOWN, CImagePage::IDC_REMOVE})
            QTest::addRow("none selected, button %d", button)
                << button << QList<int>{} << untouched << orders;
    }
    void moveAndRemoveUseTheFirstSelectedRow() {
        QFETCH(int, button);
        QFETCH(QList<int>, selected);
        QFETCH(QStringList, images);
        QFETCH(QStringList, orders);
        Page page;
        for (const char* image : {"a", "b", "c", "d", "e"})
            page.Add(QString::fromLatin1(image));
        for (const int row : selected)
            page.list->topLevelItem(row)->setSelected(true);
        page.Press(button);
        QCOMPARE(page.Column(CImagePage::ColumnImage), images);
        QCOMPARE(page.Column(CImagePage::ColumnOrder), orders);
        if (button != CImagePage::IDC_REMOVE)
            QCOMPARE(page.SelectedRows(), selected);
    }

    void upTwiceSwapsBackAndFocusesTheList() {
        Page page;
        page.page.show();
        QVERIFY(QTest::qWaitForWindowActive(&page.page));
        for (const char* image : {"a", "b", "c"})
            page.Add(QString::fromLatin1(image));
        page.list->topLevelItem(2)->setSelected(true);
        page.path->setFocus();
        page.Press(CImagePage::IDC_UP);
        QCOMPARE(page.Column(CImagePage::ColumnImage), (QStringList{"a", "c", "b"}));
        QVERIFY(page.list->hasFocus());
        page.Press(CImagePage::IDC_UP);
        QCOMPARE(page.Column(CImagePage::ColumnImage), (QStringList{"a", "b", "c"}));
    }

    void nextNeedsTwoImages() {
        ScratchDirectory scratch;
        MessageRecorder messages;
        Page page;
        page.Press(CImagePage::IDC_NEXT);
        page.Add(QStringLiteral("one.gif"));
        page.Press(CImagePage::IDC_NEXT);
        QCOMPARE(messages.Messages(), QStringList(2, LoadString(IDS_NEED_TWO)));
        QVERIFY(!scratch.Exists("listitems"));
        QCOMPARE(page.page.result(), 0);
    }

    void nextWritesTheListAndRunsTheModePage() {
        ScratchDirectory scratch;
        Page page;
        page.page.show();
        page.Add(QStringLiteral("myimage.gif"));
        page.Add(QStringLiteral("../../myimage.gif"));
        QByteArray listWhenModePageRan;
        ModalDriver::OnNext<CModePage>([&](CModePage* mode) {
            listWhenModePageRan = scratch.Read("listitems");
            mode->reject();
        });
        page.Press(CImagePage::IDC_NEXT);
        QCOMPARE(ModalDriver::TakeFailures(), QStringList());
        QCOMPARE(listWhenModePageRan, QByteArray("myimage.gif\r\n../../myimage.gif\r\n"));
        QVERIFY(page.page.isHidden());
        QCOMPARE(page.page.result(), int(QDialog::Accepted));
    }

    void nextReportsAListThatCannotBeWritten() {
        ScratchDirectory scratch;
        QVERIFY(QDir(scratch.Path()).mkdir("listitems"));
        MessageRecorder messages;
        Page page;
        page.page.show();
        page.Add(QStringLiteral("a.gif"));
        page.Add(QStringLiteral("b.gif"));
        QTimer::singleShot(0, &ModalDriver::CloseAllModals); // closes a page that must not open
        page.Press(CImagePage::IDC_NEXT);
        QCOMPARE(messages.Messages().size(), 1);
        QVERIFY(messages.Messages().at(0).contains(scratch.FilePath("listitems")));
        QVERIFY(messages.Messages().at(0).contains(QString::fromLocal8Bit(std::strerror(EISDIR))));
        QVERIFY(page.page.isVisible());
        QCOMPARE(page.page.result(), 0);
        QCOMPARE(page.list->topLevelItemCount(), 2);
    }

    void nextRefusesAListInUseByAnotherWindow() {
        ScratchDirectory scratch;
        scratch.Write("listitems", "theirs.gif\r\n");
        // The lock another Kinetara window holds on the list it wrote.
        QFile theirs(scratch.FilePath("listitems"));
        QVERIFY(theirs.open(QIODevice::ReadOnly));
        QCOMPARE(::flock(theirs.handle(), LOCK_EX | LOCK_NB), 0);
        MessageRecorder messages;
        Page page;
        page.page.show();
        page.Add(QStringLiteral("a.gif"));
        page.Add(QStringLiteral("b.gif"));
        QTimer::singleShot(0, &ModalDriver::CloseAllModals); // closes a page that must not open
        page.Press(CImagePage::IDC_NEXT);
        QCoreApplication::processEvents();
        QCOMPARE(messages.Messages().size(), 1);
        QVERIFY(messages.Messages().at(0).contains(scratch.FilePath("listitems")));
        QVERIFY(messages.Messages().at(0).contains(
            FileResult::Failure({}, FileError::InUseByAnotherWindow).reason));
        QVERIFY(page.page.isVisible());
        QCOMPARE(scratch.Read("listitems"), QByteArray("theirs.gif\r\n"));
    }

    void nextRefusesMoreImagesThanABrowserRuns_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("goesOn");
        QTest::newRow("at the limit") << kMaxImages << true;
        QTest::newRow("one more") << kMaxImages + 1 << false;
    }
    void nextRefusesMoreImagesThanABrowserRuns() {
        QFETCH(int, count);
        QFETCH(bool, goesOn);
        ScratchDirectory scratch;
        MessageRecorder messages;
        Page page;
        page.page.show();
        QList<QTreeWidgetItem*> rows;
        for (int row = 0; row < count; ++row)
            rows.append(new QTreeWidgetItem({QString::number(row), QStringLiteral("a.gif")}));
        page.list->addTopLevelItems(rows);
        if (goesOn)
            ModalDriver::OnNext<CModePage>([](CModePage* mode) { mode->reject(); });
        page.Press(CImagePage::IDC_NEXT);
        QCOMPARE(ModalDriver::TakeFailures(), QStringList());
        QCOMPARE(scratch.Exists("listitems"), goesOn);
        QCOMPARE(page.page.isVisible(), !goesOn);
        QCOMPARE(messages.Messages().size(), goesOn ? 0 : 1);
        if (!goesOn) {
            QVERIFY2(messages.Messages().at(0).contains(QString::number(kMaxImages)),
                     qPrintable(messages.Messages().at(0)));
        }
    }

    // Where a row is drawn highlighted: its Order cell and its Image cell.
    static std::pair<bool, bool> HighlightedCells(const Page& page, int row) {
        const QImage shown = page.list->viewport()->grab().toImage();
        const QColor highlight = page.list->palette().color(QPalette::Active, QPalette::Highlight);
        const QTreeWidgetItem* item = page.list->topLevelItem(row);
        const auto highlighted = [&](int column) {
            const QRect cell = page.list->visualItemRect(item);
            // The cell's right end, clear of its text.
            const int x = page.list->header()->sectionViewportPosition(column) +
                          page.list->header()->sectionSize(column) - 3;
            return shown.pixelColor(x, cell.center().y()) == highlight;
        };
        return {highlighted(CImagePage::ColumnOrder), highlighted(CImagePage::ColumnImage)};
    }

    void selectionShowsInTheFirstColumnWhileTheListHasTheFocus() {
        Page page;
        page.page.show();
        QVERIFY(QTest::qWaitForWindowActive(&page.page));
        page.Add(QStringLiteral("a.gif"));
        page.Add(QStringLiteral("b.gif"));
        page.list->topLevelItem(1)->setSelected(true);
        page.list->setFocus();
        QVERIFY(page.list->hasFocus());
        QCOMPARE(HighlightedCells(page, 1), std::make_pair(true, false));
        QCOMPARE(HighlightedCells(page, 0), std::make_pair(false, false));
        page.path->setFocus();
        QCOMPARE(HighlightedCells(page, 1), std::make_pair(false, false));
    }

    void addTakesATextLongerThanAnEditBoxDefaultLimit() {
        Page page;
        const QString longText(100'000, u'x');
        page.Add(longText);
        QCOMPARE(page.Column(CImagePage::ColumnImage), QStringList{longText});
    }

    void enterPressesNextWhereverTheFocusIs_data() {
        QTest::addColumn<int>("focused");
        QTest::newRow("path box") << int(CImagePage::IDC_IMAGE);
        QTest::newRow("Add button") << int(CImagePage::IDC_ADD);
        QTest::newRow("list") << int(CImagePage::IDC_LIST);
    }
    void enterPressesNextWhereverTheFocusIs() {
        QFETCH(int, focused);
        MessageRecorder messages;
        Page page;
        page.page.show();
        QVERIFY(QTest::qWaitForWindowActive(&page.page));
        page.path->setText(QStringLiteral("typed.gif"));
        page.page.Control(focused)->setFocus();
        QTest::keyClick(page.page.Control(focused), Qt::Key_Return);
        QTest::keyClick(page.page.Control(focused), Qt::Key_Enter);
        QCOMPARE(messages.Messages(), QStringList(2, LoadString(IDS_NEED_TWO)));
        QCOMPARE(page.list->topLevelItemCount(), 0);
        QVERIFY(page.page.isVisible());
    }

    void aboutCommandIgnoresTheLowFourBits_data() {
        QTest::addColumn<unsigned>("command");
        QTest::addColumn<bool>("opens");
        QTest::newRow("16") << 16u << true;
        QTest::newRow("17") << 17u << true;
        QTest::newRow("31") << 31u << true;
        QTest::newRow("32") << 32u << false;
        QTest::newRow("15") << 15u << false;
    }
    void aboutCommandIgnoresTheLowFourBits() {
        QFETCH(unsigned, command);
        QFETCH(bool, opens);
        Page page;
        QCOMPARE(OpensAboutBox([&] { page.page.OnSysCommand(command); }), opens);
    }

    void windowMenuOpensTheAboutBoxOverAnUnchangedPage() {
        Page page;
        page.Add(QStringLiteral("kept.gif"));
        page.path->setText(QStringLiteral("typed"));
        QAction* about = page.page.SystemMenu().actions().constLast();
        QVERIFY(OpensAboutBox([&] { about->trigger(); }));
        QCOMPARE(page.Column(CImagePage::ColumnImage), QStringList{"kept.gif"});
        QCOMPARE(page.path->text(), QStringLiteral("typed"));
    }

    void aboutBoxClosesOnEnter() {
        CAboutDlg about;
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QTest::keyClick(&about, Qt::Key_Return);
        QCOMPARE(about.result(), int(QDialog::Accepted));
        QVERIFY(about.isHidden());
    }
};

QTEST_MAIN(ImagePageTest)
#include "tst_imagepage.moc"
