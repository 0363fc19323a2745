#include "CBorderPage.h"

#include "CColorDlg.h"
#include "CSpeedPage.h"
#include "ColorNamesPage.h"
#include "CustomStyle.h"
#include "Format.h"
#include "Messages.h"
#include "PageTexts.h"
#include "Platform.h"
#include "Strings.h"
#include "WholeFile.h"

#include <QComboBox>
#include <QFileInfo>
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
    {CBorderPage::IDC_PICK_FONT_COLOR, CBorderPage::IDC_FONT_COLOR, "Font color:", ""},
    {CBorderPage::IDC_PICK_SELECT_BACKGROUND, CBorderPage::IDC_SELECT_BACKGROUND,
     "Select box background-color:", ""},
    {CBorderPage::IDC_PICK_TABLE_BACKGROUND, CBorderPage::IDC_TABLE_BACKGROUND,
     "background-color:", "TABLE setting:"},
    {CBorderPage::IDC_PICK_TABLE_LEFT_COLOR, CBorderPage::IDC_TABLE_LEFT_COLOR,
     "border-left:", "TABLE setting:"},
    {CBorderPage::IDC_PICK_TABLE_TOP_COLOR, CBorderPage::IDC_TABLE_TOP_COLOR,
     "border-top:", "TABLE setting:"},
    {CBorderPage::IDC_PICK_TABLE_RIGHT_COLOR, CBorderPage::IDC_TABLE_RIGHT_COLOR,
     "border-right:", "TABLE setting:"},
    {CBorderPage::IDC_PICK_TABLE_BOTTOM_COLOR, CBorderPage::IDC_TABLE_BOTTOM_COLOR,
     "border-bottom:", "TABLE setting:"},
    {CBorderPage::IDC_PICK_TD_BACKGROUND, CBorderPage::IDC_TD_BACKGROUND,
     "background-color:", "TD setting:"},
    {CBorderPage::IDC_PICK_TD_LEFT_COLOR, CBorderPage::IDC_TD_LEFT_COLOR,
     "border-left:", "TD setting:"},
    {CBorderPage::IDC_PICK_TD_TOP_COLOR, CBorderPage::IDC_TD_TOP_COLOR,
     "border-top:", "TD setting:"},
    {CBorderPage::IDC_PICK_TD_RIGHT_COLOR, CBorderPage::IDC_TD_RIGHT_COLOR,
     "border-right:", "TD setting:"},
    {CBorderPage::IDC_PICK_TD_BOTTOM_COLOR, CBorderPage::IDC_TD_BOTTOM_COLOR,
     "border-bottom:", "TD setting:"},
};

const int kSizeListIds[] = {CBorderPage::IDC_TABLE_LEFT_SIZE,  CBorderPage::IDC_TABLE_TOP_SIZE,
                            CBorderPage::IDC_TABLE_RIGHT_SIZE, CBorderPage::IDC_TABLE_BOTTOM_SIZE,
                            CBorderPage::IDC_TD_LEFT_SIZE,     CBorderPage::IDC_TD_TOP_SIZE,
                            CBorderPage::IDC_TD_RIGHT_SIZE,    CBorderPage::IDC_TD_BOTTOM_SIZE};

const char* const kBorderSizes[] = {"0.1cm", "0.2cm", "0.3cm", "0.4cm", "0.5cm",
                                    "0.6cm", "0.7cm", "0.8cm", "0.9cm", "1cm"};

// The control that fills each placeholder of the custom style block, in
// placeholder order: table background, then each border's size and colour
// (left, right, bottom, top); the cell likewise; then the two settings above.
const int kStyleArgumentIds[] = {
    CBorderPage::IDC_TABLE_BACKGROUND,   CBorderPage::IDC_TABLE_LEFT_SIZE,
    CBorderPage::IDC_TABLE_LEFT_COLOR,   CBorderPage::IDC_TABLE_RIGHT_SIZE,
    CBorderPage::IDC_TABLE_RIGHT_COLOR,  CBorderPage::IDC_TABLE_BOTTOM_SIZE,
    CBorderPage::IDC_TABLE_BOTTOM_COLOR, CBorderPage::IDC_TABLE_TOP_SIZE,
    CBorderPage::IDC_TABLE_TOP_COLOR, // TABLE.tb1
    CBorderPage::IDC_TD_BACKGROUND,      CBorderPage::IDC_TD_LEFT_SIZE,
    CBorderPage::IDC_TD_LEFT_COLOR,      CBorderPage::IDC_TD_RIGHT_SIZE,
    CBorderPage::IDC_TD_RIGHT_COLOR,     CBorderPage::IDC_TD_BOTTOM_SIZE,
    CBorderPage::IDC_TD_BOTTOM_COLOR,    CBorderPage::IDC_TD_TOP_SIZE,
    CBorderPage::IDC_TD_TOP_COLOR,                                           // TD.td1
    CBorderPage::IDC_FONT_COLOR,         CBorderPage::IDC_SELECT_BACKGROUND, // .b1, SELECT
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
        Platform::ShowFileFailure(this, MessageText(Message::ColorNamesNotWritten), written);
        return;
    }
    if (!Platform::OpenInShell(path))
        Platform::ShowMessage(
            this,
            MessageText(Message::ColorNamesNotOpened).arg(QFileInfo(path).absoluteFilePath()));
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
                                  MessageText(Message::ColorBreaksStyle).arg(SettingName(setting)));
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
