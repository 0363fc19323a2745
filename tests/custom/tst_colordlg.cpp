#include "CColorDlg.h"
#include "NamedColors.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

class ColorDlgTest : public QObject {
    Q_OBJECT

  private:
    struct Picker {
        CColorDlg dialog;
        QListWidget* colors = dialog.ControlAs<QListWidget>(CColorDlg::IDC_COLORS);
        QLabel* prompt = dialog.ControlAs<QLabel>(CColorDlg::IDC_PROMPT);

        Picker() { dialog.show(); }
        void Select(int row) { colors->setCurrentRow(row); }
        // The swatch corner lies left of and above the prompt, clear of its text.
        QColor SwatchCorner() { return dialog.grab().toImage().pixelColor(1, 1); }
    };

  private slots:
    void listsTheNamesInAlphabeticalOrderWithNoneSelected() {
        Picker picker;
        QCOMPARE(picker.colors->count(), 140);
        QStringList names;
        for (int row = 0; row < picker.colors->count(); ++row)
            names.append(picker.colors->item(row)->text());
        QCOMPARE(names.constFirst(), QStringLiteral("aliceblue"));
        QCOMPARE(names.constLast(), QStringLiteral("yellowgreen"));
        QStringList sorted = names;
        sorted.sort();
        QCOMPARE(names, sorted);
        QCOMPARE(names.removeDuplicates(), 0);
        QVERIFY(!names.contains("lightgray") && !names.contains("grey"));
        QVERIFY(picker.colors->selectedItems().isEmpty());
    }

    // Qt knows the CSS keywords too; every row but darkseagreen must agree.
    void valuesAreTheKeywordColorsInRedLowLayout() {
        for (int row = 0; row < kNamedColorCount; ++row) {
            const QString name = QString::fromLatin1(g_colorNames[row]);
            const QColor keyword = name == "darkseagreen" ? QColor(0x8F, 0xBC, 0x8B) : QColor(name);
            QVERIFY2(keyword.isValid(), qPrintable(name));
            const ColorRef expected = keyword.red() | keyword.green() << 8 | keyword.blue() << 16;
            QVERIFY2(g_colorValues[row] == expected, qPrintable(name));
        }
    }

    void tellingRows_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("name");
        QTest::addColumn<uint>("value");
        QTest::newRow("aliceblue") << 0 << "aliceblue" << 0x00FFF8F0u;
        QTest::newRow("aqua") << 2 << "aqua" << 0x00FFFF00u;
        QTest::newRow("black") << 7 << "black" << 0x00000000u;
        QTest::newRow("blue") << 9 << "blue" << 0x00FF0000u;
        QTest::newRow("cyan") << 20 << "cyan" << 0x00FFFF00u;
        QTest::newRow("darkseagreen") << 33 << "darkseagreen" << 0x008BBC8Fu;
        QTest::newRow("fuchsia") << 45 << "fuchsia" << 0x00FF00FFu;
        QTest::newRow("lightgrey") << 68 << "lightgrey" << 0x00D3D3D3u;
        QTest::newRow("magenta") << 79 << "magenta" << 0x00FF00FFu;
        QTest::newRow("red") << 113 << "red" << 0x000000FFu;
        QTest::newRow("white") << 136 << "white" << 0x00FFFFFFu;
        QTest::newRow("yellowgreen") << 139 << "yellowgreen" << 0x0032CD9Au;
    }
    void tellingRows() {
        QFETCH(int, row);
        QFETCH(QString, name);
        QFETCH(uint, value);
        QCOMPARE(QString::fromLatin1(g_colorNames[row]), name);
        QCOMPARE(g_colorValues[row], value);
    }

    void selectingPaintsASwatchOfThePromptsSize_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QColor>("swatch");
        QTest::newRow("blue") << 9 << QColor(0, 0, 255);
        QTest::newRow("red") << 113 << QColor(255, 0, 0);
        QTest::newRow("aqua") << 2 << QColor(0, 255, 255);
        QTest::newRow("cyan") << 20 << QColor(0, 255, 255);
        QTest::newRow("fuchsia") << 45 << QColor(255, 0, 255);
        QTest::newRow("magenta") << 79 << QColor(255, 0, 255);
        QTest::newRow("darkseagreen") << 33 << QColor(0x8F, 0xBC, 0x8B);
        QTest::newRow("navy") << 95 << QColor(0, 0, 0x80);
        QTest::newRow("yellow") << 138 << QColor(255, 255, 0);
    }
    void selectingPaintsASwatchOfThePromptsSize() {
        QFETCH(int, row);
        QFETCH(QColor, swatch);
        Picker picker;
        const QColor background = picker.SwatchCorner();
        QVERIFY(background != swatch);
        picker.Select(row);
        const QImage painted = picker.dialog.grab().toImage();
        const QSize size = picker.prompt->size();
        QCOMPARE(painted.pixelColor(1, 1), swatch);
        QCOMPARE(painted.pixelColor(1, size.height() - 1), swatch);
        QCOMPARE(painted.pixelColor(1, size.height() + 1), background);
        QCOMPARE(painted.pixelColor(size.width() + 1, 1), background);
        const QColor text = picker.prompt->palette().color(QPalette::WindowText);
        QVERIFY2(qAbs(qGray(text.rgb()) - qGray(swatch.rgb())) >= 100, "the prompt is unreadable");
    }

    void theSwatchFollowsKeyboardSelection() {
        Picker picker;
        picker.Select(0);
        QTest::keyClick(picker.colors, Qt::Key_Down);
        QCOMPARE(picker.colors->selectedItems().value(0)->text(), QStringLiteral("antiquewhite"));
        QCOMPARE(picker.SwatchCorner(), QColor(0xFA, 0xEB, 0xD7));
    }

    void ctrlClickOnTheSelectedRowClearsTheSwatch() {
        Picker picker;
        const QColor background = picker.SwatchCorner();
        const QColor promptText = picker.prompt->palette().color(QPalette::WindowText);
        picker.Select(95); // navy: the prompt turns white
        QVERIFY(picker.SwatchCorner() != background);
        const QRect row = picker.colors->visualItemRect(picker.colors->item(95));
        QTest::mouseClick(picker.colors->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          row.center());
        QVERIFY(picker.colors->selectedItems().isEmpty());
        QCOMPARE(picker.SwatchCorner(), background);
        QCOMPARE(picker.prompt->palette().color(QPalette::WindowText), promptText);
    }

    void okTakesTheSelectedName_data() {
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("OK button") << false;
        QTest::newRow("Enter in the list") << true;
    }
    void okTakesTheSelectedName() {
        QFETCH(bool, byEnter);
        Picker picker;
        picker.Select(95);
        if (byEnter)
            QTest::keyClick(picker.colors, Qt::Key_Return);
        else
            picker.dialog.ControlAs<QPushButton>(CColorDlg::IDC_OK)->click();
        QCOMPARE(picker.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(picker.dialog.m_strColor, QStringLiteral("navy"));
        QVERIFY(picker.dialog.isHidden());
    }

    void endingWithoutAChosenNameGivesNone_data() {
        QTest::addColumn<int>("selectedRow");
        QTest::addColumn<int>("key");
        QTest::newRow("OK with no row selected") << -1 << int(Qt::Key_Return);
        QTest::newRow("Escape after a selection") << 95 << int(Qt::Key_Escape);
        QTest::newRow("close box after a selection") << 95 << 0;
    }
    void endingWithoutAChosenNameGivesNone() {
        QFETCH(int, selectedRow);
        QFETCH(int, key);
        Picker picker;
        if (selectedRow >= 0)
            picker.Select(selectedRow);
        if (key)
            QTest::keyClick(picker.colors, Qt::Key(key));
        else
            picker.dialog.close();
        QCOMPARE(picker.dialog.result(), int(QDialog::Rejected));
        QVERIFY(picker.dialog.m_strColor.isEmpty());
        QVERIFY(picker.dialog.isHidden());
    }

    void doubleClickOnlySelects() {
        Picker picker;
        const QRect row = picker.colors->visualItemRect(picker.colors->item(3));
        QTest::mouseDClick(picker.colors->viewport(), Qt::LeftButton, {}, row.center());
        QVERIFY(picker.dialog.isVisible());
        QCOMPARE(picker.colors->selectedItems().value(0)->text(), QStringLiteral("aquamarine"));
    }
};

QTEST_MAIN(ColorDlgTest)
#include "tst_colordlg.moc"
