#include "CBorderPage.h"

#include "CColorDlg.h"
#include "CSpeedPage.h"
#include "ColorNamesPage.h"
#include "CustomStyle.h"
#include "Format.h"
#include "PageTexts.h"
#include "Platform.h"
#include "Strings.h"
#include "WholeFile.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

// A colour box, the "..." button that fills it from the picker, and the words
// on the page that name its setting. In page order.
struct ColorSetting {
    int buttonId;
    int editId;
    const char* label;
    const char* group; // empty for the two settings above the groups
};

const ColorSetting kColorSettings[] = {
    {1069, 1003, "Font color:", ""},
    {1068, 1067, "Select box background-color:", ""},
    {1078, 1055, "background-color:", "TABLE setting:"},
    {1070, 1056, "border-left:", "TABLE setting:"},
    {1071, 1058, "border-top:", "TABLE setting:"},
    {1072, 1059, "border-right:", "TABLE setting:"},
    {1073, 1060, "border-bottom:", "TABLE setting:"},
    {1079, 1057, "background-color:", "TD setting:"},
    {1074, 1061, "border-left:", "TD setting:"},
    {1075, 1062, "border-top:", "TD setting:"},
    {1076, 1063, "border-right:", "TD setting:"},
    {1077, 1064, "border-bottom:", "TD setting:"},
};

const int kSizeListIds[] = {1035, 1038, 1040, 1042, 1045, 1048, 1050, 1052};

const char* const kBorderSizes[] = {"0.1cm", "0.2cm", "0.3cm", "0.4cm", "0.5cm",
                                    "0.6cm", "0.7cm", "0.8cm", "0.9cm", "1cm"};

// The control that fills each placeholder of the custom style block, in
// placeholder order: table background, then each border's size and colour
// (left, right, bottom, top); the cell likewise; then the two settings above.
const int kStyleArgumentIds[] = {
    1055, 1035, 1056, 1040, 1059, 1042, 1060, 1038, 1058, // TABLE.tb1
    1057, 1045, 1061, 1050, 1063, 1052, 1064, 1048, 1062, // TD.td1
    1003, 1067,                                           // .b1, SELECT
};

QString SettingName(const ColorSetting& setting) {
    const QString label = QString::fromLatin1(setting.label);
    if (*setting.group == '\0')
        return label;
    return QStringLiteral("%1 (%2)").arg(label, QString::fromLatin1(setting.group));
}

} // namespace

CBorderPage::CBorderPage() : WizardPage(IDD, IDC_NEXT) {
    for (const ColorSetting& setting : kColorSettings) {
        QLineEdit* colorBox = ControlAs<QLineEdit>(setting.editId);
        OnClicked(setting.buttonId, [this, colorBox] { OnPickColor(*colorBox); });
    }
    OnClicked(IDC_BACK, [this] { RunNewPage<CSpeedPage>(); });
    OnClicked(IDC_SAMPLE_COLORS, [this] { OnSampleColorNames(); });
    OnClicked(IDC_NEXT, [this] { OnNext(); });
    OnClicked(IDC_CANCEL, [this] { reject(); });
    OnInitDialog();
}

void CBorderPage::OnInitDialog() {
    for (const int id : kSizeListIds) {
        auto* sizeList = ControlAs<QComboBox>(id);
        for (const char* size : kBorderSizes)
            sizeList->addItem(QString::fromLatin1(size));
        sizeList->setCurrentIndex(0);
    }
}

// Only a chosen name replaces the box's text; closing the picker keeps it.
void CBorderPage::OnPickColor(QLineEdit& colorBox) {
    CColorDlg picker(this);
    if (picker.exec() == QDialog::Accepted)
        colorBox.setText(picker.m_strColor);
}

void CBorderPage::OnSampleColorNames() {
    const QString path = ColorNamesPagePath();
    if (const FileResult written = WriteWholeFile(path, ColorNamesPageHtml()); !written) {
        Platform::ShowFileFailure(this, tr("The page of color names could not be written."),
                                  written);
        return;
    }
    Platform::OpenInShell(path);
}

QString CBorderPage::ControlText(int id) const {
    if (const auto* colorBox = ControlAs<QLineEdit>(id))
        return colorBox->text();
    if (const auto* sizeList = ControlAs<QComboBox>(id))
        return sizeList->currentText();
    return {};
}

void CBorderPage::OnNext() {
    for (const ColorSetting& setting : kColorSettings) {
        if (ControlText(setting.editId).isEmpty()) {
            Platform::ShowMessage(this, IDS_FILL_ALL);
            return;
        }
    }
    for (const ColorSetting& setting : kColorSettings) {
        if (ColorBreaksOutOfStyle(ControlText(setting.editId).toUtf8())) {
            Platform::ShowMessage(this,
                                  tr("The color for \"%1\" cannot hold any of ; { } < > ' \" \\ "
                                     "or a line break, nor /* or an unbalanced bracket.")
                                      .arg(SettingName(setting)));
            Control(setting.editId)->setFocus();
            return;
        }
    }

    QList<FormatArg> arguments;
    for (const int id : kStyleArgumentIds)
        arguments.append(ControlText(id).toUtf8());
    m_savePage.m_strStyle = FormatText(LoadPageText(IDS_HTML_STYLE_CUSTOM), arguments);
    m_savePage.m_bCustom = 1;
    RunNextPage(m_savePage);
}
