#include "CBorderPage.h"
#include "CColorDlg.h"
#include "CSavePage.h"
#include "CSpeedPage.h"
#include "ColorNamesPage.h"
#include "MessageRecorder.h"
#include "ModalDriver.h"
#include "PageTexts.h"
#include "ScratchDirectory.h"
#include "ShellRecorder.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

const int kColorBoxIds[] = {1003, 1067, 1055, 1056, 1058, 1059, 1060, 1057, 1061, 1062, 1063, 1064};
const int kSizeListIds[] = {1035, 1038, 1040, 1042, 1045, 1048, 1050, 1052};

// The control that feeds each placeholder of IDS_HTML_STYLE_CUSTOM, first to last.
const int kPlaceholderSources[20] = {
    1055,       // TABLE.tb1 background-color
    1035, 1056, // border-left size, colour
    1040, 1059, // border-right
    1042, 1060, // border-bottom
    1038, 1058, // border-top
    1057,       // TD.td1 background-color
    1045, 1061, // border-left
    1050, 1063, // border-right
    1052, 1064, // border-bottom
    1048, 1062, // border-top
    1003,       // .b1 color
    1067,       // SELECT background-color
};

// The texts that stand where IDS_HTML_STYLE_CUSTOM has its placeholders; empty
// when the block does not have that text around them.
QByteArrayList PlaceholderValues(const QByteArray& block) {
    const QByteArray format = LoadPageText(IDS_HTML_STYLE_CUSTOM);
    QByteArrayList frame;
    qsizetype from = 0;
    for (qsizetype at; (at = format.indexOf("%s", from)) >= 0; from = at + 2)
        frame.append(format.mid(from, at - from));
    frame.append(format.mid(from));
    if (frame.size() != 21 || !block.startsWith(frame.constFirst()) ||
        !block.endsWith(frame.constLast()))
        return {};
    QByteArrayList values;
    qsizetype cursor = frame.constFirst().size();
    for (qsizetype piece = 1; piece < frame.size(); ++piece) {
        const qsizetype next = piece + 1 < frame.size() ? block.indexOf(frame.at(piece), cursor)
                                                        : block.size() - frame.constLast().size();
        if (next < cursor)
            return {};
        values.append(block.mid(cursor, next - cursor));
        cursor = next + frame.at(piece).size();
    }
    return values;
}

} // namespace

class BorderPageTest : public QObject {
    Q_OBJECT

  private:
    struct Page {
        CBorderPage page;

        QLineEdit* Box(int id) const { return page.ControlAs<QLineEdit>(id); }
        QComboBox* SizeList(int id) const { return page.ControlAs<QComboBox>(id); }
        void Press(int id) { page.ControlAs<QPushButton>(id)->click(); }
        void FillColors(const QString& text) {
            for (const int id : kColorBoxIds)
                Box(id)->setText(text);
        }
        QStringList Colors() const {
            QStringList colors;
            for (const int id : kColorBoxIds)
                colors.append(Box(id)->text());
            return colors;
        }
        // Presses Next and hands back the save page's look if it ran.
        std::optional<std::pair<int, QByteArray>> PressNext() {
            std::optional<std::pair<int, QByteArray>> look;
            ModalDriver::OnNext<CSavePage>([&](CSavePage* save) {
                look.emplace(save->m_bCustom, save->m_strStyle);
                save->reject();
            });
            Press(CBorderPage::IDC_NEXT);
            return look;
        }
        // Presses a button that must leave the page as it is.
        void PressExpectingToStay(int id) {
            QTimer::singleShot(0, &ModalDriver::CloseAllModals); // closes a page that must not open
            Press(id);
            QCoreApplication::processEvents();
            QCOMPARE(page.result(), 0);
        }
    };

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { m_scratch.emplace(); }
    void cleanup() {
        m_scratch.reset();
        QCOMPARE(ModalDriver::TakeFailures(), QStringList());
    }

    void opensWithEmptyBoxesAndTheThinnestBorders() {
        Page page;
        page.page.show();
        QVERIFY(QTest::qWaitForWindowActive(&page.page));
        QCOMPARE(page.Colors(), QStringList(12, QString()));
        const QStringList sizes{"0.1cm", "0.2cm", "0.3cm", "0.4cm", "0.5cm",
                                "0.6cm", "0.7cm", "0.8cm", "0.9cm", "1cm"};
        for (const int id : kSizeListIds) {
            QComboBox* list = page.SizeList(id);
            QStringList offered;
            for (int row = 0; row < list->count(); ++row)
                offered.append(list->itemText(row));
            QCOMPARE(offered, sizes);
            QCOMPARE(list->currentText(), QStringLiteral("0.1cm"));
            QVERIFY(!list->isEditable());
        }
        QCOMPARE(QApplication::focusWidget(), page.page.Control(1003));
        QVERIFY(!page.page.ControlAs<QLabel>(1032)->pixmap().isNull());
    }

    void nextNeedsEveryColorBox_data() {
        QTest::addColumn<int>("emptyBox");
        QTest::newRow("all empty") << 0;
        for (const int id : kColorBoxIds)
            QTest::addRow("%d empty", id) << id;
    }
    void nextNeedsEveryColorBox() {
        QFETCH(int, emptyBox);
        MessageRecorder messages;
        Page page;
        page.page.show();
        page.FillColors(emptyBox ? QStringLiteral("red") : QString());
        if (emptyBox)
            page.Box(emptyBox)->clear();
        const QStringList before = page.Colors();
        page.PressExpectingToStay(CBorderPage::IDC_NEXT);
        QCOMPARE(messages.Messages(),
                 QStringList{"Please make sure that all text boxes are filled."});
        QCOMPARE(page.Colors(), before);
        QVERIFY(page.page.isVisible());
    }

    void nextFillsEachPlaceholderFromItsControl() {
        Page page;
        page.page.show();
        for (const int id : kColorBoxIds)
            page.Box(id)->setText(QStringLiteral("color%1").arg(id));
        page.Box(1003)->setText(QStringLiteral("grün"));
        for (int list = 0; list < 8; ++list)
            page.SizeList(kSizeListIds[list])->setCurrentIndex(list + 1);
        const auto look = page.PressNext();
        QVERIFY(look);
        QCOMPARE(look->first, 1);
        const QByteArrayList values = PlaceholderValues(look->second);
        QCOMPARE(values.size(), 20);
        for (int position = 0; position < 20; ++position) {
            const int source = kPlaceholderSources[position];
            QWidget* control = page.page.Control(source);
            const QString expected = qobject_cast<QLineEdit*>(control)
                                         ? page.Box(source)->text()
                                         : page.SizeList(source)->currentText();
            QVERIFY2(values.at(position) == expected.toUtf8(),
                     qPrintable(QStringLiteral("position %1 holds %2, not the text of %3")
                                    .arg(position + 1)
                                    .arg(QString::fromUtf8(values.at(position)))
                                    .arg(source)));
        }
        QCOMPARE(page.page.result(), int(QDialog::Accepted));
    }

    void colorTextsAreTakenAsTyped_data() {
        QTest::addColumn<QString>("color");
        QTest::newRow("hex") << "#FF0000";
        QTest::newRow("rgb") << "rgb(255, 0, 0)";
        QTest::newRow("no colour at all") << "notacolor";
        QTest::newRow("blanks") << "   ";
        QTest::newRow("percent signs") << "%s%i%";
        QTest::newRow("nested brackets") << "rgb(calc(100 + 155), 0, 0)";
    }
    void colorTextsAreTakenAsTyped() {
        QFETCH(QString, color);
        MessageRecorder messages;
        Page page;
        page.page.show();
        page.FillColors(color);
        const auto look = page.PressNext();
        QVERIFY(look);
        QVERIFY(messages.Messages().isEmpty());
        const QByteArrayList values = PlaceholderValues(look->second);
        QCOMPARE(values.size(), 20);
        for (const int position : {0, 2, 4, 6, 8, 9, 11, 13, 15, 17, 18, 19})
            QCOMPARE(values.at(position), color.toUtf8());
    }

    void nextRefusesAColorThatBreaksTheStyle_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("color");
        QTest::addColumn<QString>("setting");
        QTest::newRow(";") << 1003 << "red;"
                           << "Font color:";
        QTest::newRow("{") << 1067 << "{red"
                           << "Select box background-color:";
        QTest::newRow("}") << 1055 << "re}d"
                           << "background-color: (TABLE setting:)";
        QTest::newRow("<") << 1056 << "<b"
                           << "border-left: (TABLE setting:)";
        QTest::newRow(">") << 1058 << "red>"
                           << "border-top: (TABLE setting:)";
        QTest::newRow("'") << 1059 << "'red'"
                           << "border-right: (TABLE setting:)";
        QTest::newRow("\"") << 1060 << "\"red\""
                            << "border-bottom: (TABLE setting:)";
        QTest::newRow("\\") << 1057 << "red\\9"
                            << "background-color: (TD setting:)";
        QTest::newRow("LF") << 1061 << "red\nblue"
                            << "border-left: (TD setting:)";
        QTest::newRow("CR") << 1062 << "red\r"
                            << "border-top: (TD setting:)";
        QTest::newRow("end of style") << 1063 << "red</STYLE>"
                                      << "border-right: (TD setting:)";
        QTest::newRow("a rule of its own") << 1064 << "red}body{x:y"
                                           << "border-bottom: (TD setting:)";
        // Each of these swallows the rules after it.
        QTest::newRow("comment") << 1003 << "red/*"
                                 << "Font color:";
        QTest::newRow("unclosed (") << 1055 << "rgb(255, 0, 0"
                                    << "background-color: (TABLE setting:)";
        QTest::newRow("unclosed [") << 1057 << "[red"
                                    << "background-color: (TD setting:)";
        QTest::newRow(") before (") << 1064 << ")red("
                                    << "border-bottom: (TD setting:)";
        QTest::newRow("crossed pairs") << 1067 << "([)]"
                                       << "Select box background-color:";
    }
    void nextRefusesAColorThatBreaksTheStyle() {
        QFETCH(int, box);
        QFETCH(QString, color);
        QFETCH(QString, setting);
        MessageRecorder messages;
        Page page;
        page.page.show();
        QVERIFY(QTest::qWaitForWindowActive(&page.page));
        page.FillColors(QStringLiteral("red"));
        page.Box(box)->setText(color);
        page.PressExpectingToStay(CBorderPage::IDC_NEXT);
        QCOMPARE(messages.Messages().size(), 1);
        QVERIFY2(messages.Messages().constFirst().contains(setting),
                 qPrintable(messages.Messages().constFirst()));
        QCOMPARE(QApplication::focusWidget(), page.Box(box));
        QCOMPARE(page.Box(box)->text(), color);
    }

    void eachDotsButtonFillsItsOwnBox_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("box");
        const std::pair<int, int> pairs[] = {
            {1069, 1003}, {1068, 1067}, {1078, 1055}, {1070, 1056}, {1071, 1058}, {1072, 1059},
            {1073, 1060}, {1079, 1057}, {1074, 1061}, {1075, 1062}, {1076, 1063}, {1077, 1064}};
        for (const auto& [button, box] : pairs)
            QTest::addRow("%d fills %d", button, box) << button << box;
    }
    void eachDotsButtonFillsItsOwnBox() {
        QFETCH(int, button);
        QFETCH(int, box);
        Page page;
        page.page.show();
        page.FillColors(QStringLiteral("old"));
        bool pickerRan = false;
        ModalDriver::OnNext<CColorDlg>([&](CColorDlg* picker) {
            pickerRan = true;
            auto* colors = picker->ControlAs<QListWidget>(CColorDlg::IDC_COLORS);
            colors->findItems(QStringLiteral("navy"), Qt::MatchExactly).value(0)->setSelected(true);
            picker->ControlAs<QPushButton>(CColorDlg::IDC_OK)->click();
        });
        page.Press(button);
        QVERIFY(pickerRan);
        QStringList expected(12, QStringLiteral("old"));
        expected[std::find(std::begin(kColorBoxIds), std::end(kColorBoxIds), box) -
                 std::begin(kColorBoxIds)] = QStringLiteral("navy");
        QCOMPARE(page.Colors(), expected);
        QCOMPARE(page.page.result(), 0);
    }

    void aPickerClosedWithoutANameKeepsTheBox_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("Escape") << 0;
        QTest::newRow("close box") << 1;
        QTest::newRow("OK with no row selected") << 2;
    }
    void aPickerClosedWithoutANameKeepsTheBox() {
        QFETCH(int, way);
        Page page;
        page.page.show();
        page.Box(1061)->setText(QStringLiteral("teal"));
        ModalDriver::OnNext<CColorDlg>([way](CColorDlg* picker) {
            auto* colors = picker->ControlAs<QListWidget>(CColorDlg::IDC_COLORS);
            if (way != 2)
                colors->item(95)->setSelected(true);
            if (way == 0)
                QTest::keyClick(colors, Qt::Key_Escape);
            else if (way == 1)
                picker->close();
            else
                picker->ControlAs<QPushButton>(CColorDlg::IDC_OK)->click();
        });
        page.Press(1074);
        QCOMPARE(page.Box(1061)->text(), QStringLiteral("teal"));
    }

    void sampleColorNamesOpensAPageOfAllNames() {
        ShellRecorder shell;
        Page page;
        page.Press(CBorderPage::IDC_SAMPLE_COLORS);
        QCOMPARE(shell.Opened().size(), 1);
        QFile opened(shell.Opened().constFirst().toLocalFile());
        QVERIFY(opened.open(QIODevice::ReadOnly));
        const QByteArray html = opened.readAll();
        QCOMPARE(html.count("<tr>"), 140);
        for (const char* name : {"aliceblue", "darkseagreen", "lightgrey", "yellowgreen"}) {
            QVERIFY(html.contains(QByteArray("background-color:") + name + "\">"));
            QVERIFY(html.contains(QByteArray("<td>") + name + "</td>"));
        }
        QCOMPARE(page.Colors(), QStringList(12, QString()));
        opened.remove();
    }

    void aColorNamesPageThatCannotBeWrittenIsReported() {
        const QString path = ColorNamesPagePath();
        QFile::remove(path);
        QVERIFY(QDir().mkpath(path));
        ShellRecorder shell;
        MessageRecorder messages;
        Page page;
        page.Press(CBorderPage::IDC_SAMPLE_COLORS);
        QDir(path).removeRecursively();
        QCOMPARE(messages.Messages().size(), 1);
        QVERIFY(messages.Messages().constFirst().contains(path));
        QVERIFY(shell.Opened().isEmpty());
    }

    void backRunsAFreshSpeedPage() {
        Page page;
        page.page.show();
        page.FillColors(QStringLiteral("red"));
        QString speedShown;
        ModalDriver::OnNext<CSpeedPage>([&](CSpeedPage* speed) {
            speedShown = speed->ControlAs<QComboBox>(CSpeedPage::IDC_SPEED)->currentText();
            speed->reject();
        });
        page.Press(CBorderPage::IDC_BACK);
        QCOMPARE(speedShown, QStringLiteral("Moderate"));
        QCOMPARE(page.page.result(), int(QDialog::Accepted));
    }

    void cancelEscapeAndCloseEndThePage_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("Cancel") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("close box") << 2;
    }
    void cancelEscapeAndCloseEndThePage() {
        QFETCH(int, way);
        Page page;
        page.page.show();
        if (way == 0)
            page.Press(CBorderPage::IDC_CANCEL);
        else if (way == 1)
            QTest::keyClick(page.Box(1003), Qt::Key_Escape);
        else
            page.page.close();
        QCOMPARE(page.page.result(), int(QDialog::Rejected));
        QVERIFY(page.page.isHidden());
    }

    void enterActsAsNext_data() {
        QTest::addColumn<int>("focus");
        QTest::newRow("in a colour box") << 1061;
        QTest::newRow("in a size list") << 1035;
        QTest::newRow("on a dots button") << 1078;
        QTest::newRow("on Sample color names") << int(CBorderPage::IDC_SAMPLE_COLORS);
        QTest::newRow("on Back") << int(CBorderPage::IDC_BACK);
    }
    void enterActsAsNext() {
        QFETCH(int, focus);
        ShellRecorder shell;
        Page page;
        page.page.show();
        page.FillColors(QStringLiteral("red"));
        bool saveRan = false;
        ModalDriver::OnNext<CSavePage>([&](CSavePage* save) {
            saveRan = save->m_bCustom == 1;
            save->reject();
        });
        QTest::keyClick(page.page.Control(focus), Qt::Key_Return);
        QVERIFY(saveRan);
        QVERIFY(shell.Opened().isEmpty());
        QCOMPARE(page.page.result(), int(QDialog::Accepted));
    }

  private:
    std::optional<ScratchDirectory> m_scratch; // scratch files stay out of the way
};

QTEST_MAIN(BorderPageTest)
#include "tst_borderpage.moc"
