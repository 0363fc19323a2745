#include "CBorderPage.h"
#include "CColorDlg.h"
#include "CSavePage.h"
#include "CSpeedPage.h"
#include "ColorNamesPage.h"
#include "CustomStyle.h"
#include "MessageRecorder.h"
#include "Messages.h"
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

const int kColorBoxIds[] = {CBorderPage::IDC_FONT_COLOR,         CBorderPage::IDC_SELECT_BACKGROUND,
                            CBorderPage::IDC_TABLE_BACKGROUND,   CBorderPage::IDC_TABLE_LEFT_COLOR,
                            CBorderPage::IDC_TABLE_TOP_COLOR,    CBorderPage::IDC_TABLE_RIGHT_COLOR,
                            CBorderPage::IDC_TABLE_BOTTOM_COLOR, CBorderPage::IDC_TD_BACKGROUND,
                            CBorderPage::IDC_TD_LEFT_COLOR,      CBorderPage::IDC_TD_TOP_COLOR,
                            CBorderPage::IDC_TD_RIGHT_COLOR,     CBorderPage::IDC_TD_BOTTOM_COLOR};
const int kSizeListIds[] = {CBorderPage::IDC_TABLE_LEFT_SIZE,  CBorderPage::IDC_TABLE_TOP_SIZE,
                            CBorderPage::IDC_TABLE_RIGHT_SIZE, CBorderPage::IDC_TABLE_BOTTOM_SIZE,
                            CBorderPage::IDC_TD_LEFT_SIZE,     CBorderPage::IDC_TD_TOP_SIZE,
                            CBorderPage::IDC_TD_RIGHT_SIZE,    CBorderPage::IDC_TD_BOTTOM_SIZE};

// The setting each control of the page gives.
const struct {
    int id;
    StyleSetting setting;
} kControlSettings[] = {
    {CBorderPage::IDC_TABLE_BACKGROUND, StyleSetting::TableBackground},
    {CBorderPage::IDC_TABLE_LEFT_SIZE, StyleSetting::TableBorderLeftSize},
    {CBorderPage::IDC_TABLE_LEFT_COLOR, StyleSetting::TableBorderLeftColor},
    {CBorderPage::IDC_TABLE_RIGHT_SIZE, StyleSetting::TableBorderRightSize},
    {CBorderPage::IDC_TABLE_RIGHT_COLOR, StyleSetting::TableBorderRightColor},
    {CBorderPage::IDC_TABLE_BOTTOM_SIZE, StyleSetting::TableBorderBottomSize},
    {CBorderPage::IDC_TABLE_BOTTOM_COLOR, StyleSetting::TableBorderBottomColor},
    {CBorderPage::IDC_TABLE_TOP_SIZE, StyleSetting::TableBorderTopSize},
    {CBorderPage::IDC_TABLE_TOP_COLOR, StyleSetting::TableBorderTopColor},
    {CBorderPage::IDC_TD_BACKGROUND, StyleSetting::TdBackground},
    {CBorderPage::IDC_TD_LEFT_SIZE, StyleSetting::TdBorderLeftSize},
    {CBorderPage::IDC_TD_LEFT_COLOR, StyleSetting::TdBorderLeftColor},
    {CBorderPage::IDC_TD_RIGHT_SIZE, StyleSetting::TdBorderRightSize},
    {CBorderPage::IDC_TD_RIGHT_COLOR, StyleSetting::TdBorderRightColor},
    {CBorderPage::IDC_TD_BOTTOM_SIZE, StyleSetting::TdBorderBottomSize},
    {CBorderPage::IDC_TD_BOTTOM_COLOR, StyleSetting::TdBorderBottomColor},
    {CBorderPage::IDC_TD_TOP_SIZE, StyleSetting::TdBorderTopSize},
    {CBorderPage::IDC_TD_TOP_COLOR, StyleSetting::TdBorderTopColor},
    {CBorderPage::IDC_FONT_COLOR, StyleSetting::FontColor},
    {CBorderPage::IDC_SELECT_BACKGROUND, StyleSetting::SelectBackground},
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
        QCOMPARE(QApplication::focusWidget(), page.page.Control(CBorderPage::IDC_FONT_COLOR));
        QVERIFY(!page.page.ControlAs<QLabel>(CBorderPage::IDC_DIAGRAM)->pixmap().isNull());
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
        page.Box(CBorderPage::IDC_FONT_COLOR)->setText(QStringLiteral("grün"));
        for (int list = 0; list < 8; ++list)
            page.SizeList(kSizeListIds[list])->setCurrentIndex(list + 1);
        const auto look = page.PressNext();
        QVERIFY(look);
        QCOMPARE(look->first, 1);
        StyleSettings expected;
        for (const auto& control : kControlSettings) {
            const QWidget* widget = page.page.Control(control.id);
            expected[control.setting] =
                (qobject_cast<const QLineEdit*>(widget) ? page.Box(control.id)->text()
                                                        : page.SizeList(control.id)->currentText())
                    .toUtf8();
        }
        QCOMPARE(look->second, BuildCustomStyle(expected));
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
        QTest::newRow(";") << int(CBorderPage::IDC_FONT_COLOR) << "red;"
                           << "Font color:";
        QTest::newRow("{") << int(CBorderPage::IDC_SELECT_BACKGROUND) << "{red"
                           << "Select box background-color:";
        QTest::newRow("}") << int(CBorderPage::IDC_TABLE_BACKGROUND) << "re}d"
                           << "background-color: (TABLE setting:)";
        QTest::newRow("<") << int(CBorderPage::IDC_TABLE_LEFT_COLOR) << "<b"
                           << "border-left: (TABLE setting:)";
        QTest::newRow(">") << int(CBorderPage::IDC_TABLE_TOP_COLOR) << "red>"
                           << "border-top: (TABLE setting:)";
        QTest::newRow("'") << int(CBorderPage::IDC_TABLE_RIGHT_COLOR) << "'red'"
                           << "border-right: (TABLE setting:)";
        QTest::newRow("\"") << int(CBorderPage::IDC_TABLE_BOTTOM_COLOR) << "\"red\""
                            << "border-bottom: (TABLE setting:)";
        QTest::newRow("\\") << int(CBorderPage::IDC_TD_BACKGROUND) << "red\\9"
                            << "background-color: (TD setting:)";
        QTest::newRow("LF") << int(CBorderPage::IDC_TD_LEFT_COLOR) << "red\nblue"
                            << "border-left: (TD setting:)";
        QTest::newRow("CR") << int(CBorderPage::IDC_TD_TOP_COLOR) << "red\r"
                            << "border-top: (TD setting:)";
        QTest::newRow("end of style") << int(CBorderPage::IDC_TD_RIGHT_COLOR) << "red</STYLE>"
                                      << "border-right: (TD setting:)";
        QTest::newRow("a rule of its own")
            << int(CBorderPage::IDC_TD_BOTTOM_COLOR) << "red}body{x:y"
            << "border-bottom: (TD setting:)";
        // Each of these swallows the rules after it.
        QTest::newRow("comment") << int(CBorderPage::IDC_FONT_COLOR) << "red/*"
                                 << "Font color:";
        QTest::newRow("unclosed (") << int(CBorderPage::IDC_TABLE_BACKGROUND) << "rgb(255, 0, 0"
                                    << "background-color: (TABLE setting:)";
        QTest::newRow("unclosed [") << int(CBorderPage::IDC_TD_BACKGROUND) << "[red"
                                    << "background-color: (TD setting:)";
        QTest::newRow(") before (") << int(CBorderPage::IDC_TD_BOTTOM_COLOR) << ")red("
                                    << "border-bottom: (TD setting:)";
        QTest::newRow("crossed pairs") << int(CBorderPage::IDC_SELECT_BACKGROUND) << "([)]"
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
            {CBorderPage::IDC_PICK_FONT_COLOR, CBorderPage::IDC_FONT_COLOR},
            {CBorderPage::IDC_PICK_SELECT_BACKGROUND, CBorderPage::IDC_SELECT_BACKGROUND},
            {CBorderPage::IDC_PICK_TABLE_BACKGROUND, CBorderPage::IDC_TABLE_BACKGROUND},
            {CBorderPage::IDC_PICK_TABLE_LEFT_COLOR, CBorderPage::IDC_TABLE_LEFT_COLOR},
            {CBorderPage::IDC_PICK_TABLE_TOP_COLOR, CBorderPage::IDC_TABLE_TOP_COLOR},
            {CBorderPage::IDC_PICK_TABLE_RIGHT_COLOR, CBorderPage::IDC_TABLE_RIGHT_COLOR},
            {CBorderPage::IDC_PICK_TABLE_BOTTOM_COLOR, CBorderPage::IDC_TABLE_BOTTOM_COLOR},
            {CBorderPage::IDC_PICK_TD_BACKGROUND, CBorderPage::IDC_TD_BACKGROUND},
            {CBorderPage::IDC_PICK_TD_LEFT_COLOR, CBorderPage::IDC_TD_LEFT_COLOR},
            {CBorderPage::IDC_PICK_TD_TOP_COLOR, CBorderPage::IDC_TD_TOP_COLOR},
            {CBorderPage::IDC_PICK_TD_RIGHT_COLOR, CBorderPage::IDC_TD_RIGHT_COLOR},
            {CBorderPage::IDC_PICK_TD_BOTTOM_COLOR, CBorderPage::IDC_TD_BOTTOM_COLOR}};
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
        page.Box(CBorderPage::IDC_TD_LEFT_COLOR)->setText(QStringLiteral("teal"));
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
        page.Press(CBorderPage::IDC_PICK_TD_LEFT_COLOR);
        QCOMPARE(page.Box(CBorderPage::IDC_TD_LEFT_COLOR)->text(), QStringLiteral("teal"));
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

    // Headless Qt has no desktop to hand a file to, as a desktop without a browser.
    void aColorNamesPageNoProgramOpensIsReported() {
        MessageRecorder messages;
        Page page;
        page.page.show();
        page.Press(CBorderPage::IDC_SAMPLE_COLORS);
        QCOMPARE(messages.Messages(),
                 QStringList{MessageText(Message::ColorNamesNotOpened).arg(ColorNamesPagePath())});
        QVERIFY(page.page.isVisible());
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
            QTest::keyClick(page.Box(CBorderPage::IDC_FONT_COLOR), Qt::Key_Escape);
        else
            page.page.close();
        QCOMPARE(page.page.result(), int(QDialog::Rejected));
        QVERIFY(page.page.isHidden());
    }

    void enterActsAsNext_data() {
        QTest::addColumn<int>("focus");
        QTest::newRow("in a colour box") << int(CBorderPage::IDC_TD_LEFT_COLOR);
        QTest::newRow("in a size list") << int(CBorderPage::IDC_TABLE_LEFT_SIZE);
        QTest::newRow("on a dots button") << int(CBorderPage::IDC_PICK_TABLE_BACKGROUND);
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
