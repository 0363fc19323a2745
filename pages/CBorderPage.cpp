#include "CBorderPage.h"

#include "CColorDlg.h"
#include "CSpeedPage.h"
#include "ColorNamesPage.h"
#include "CustomStyle.h"
#include "Messages.h"
#include "Platform.h"
#include "Strings.h"
#include "WholeFile.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>

namespace {

using Id = BorderPageIds;
using S = StyleSetting;

// A colour box, the "..." button that fills it from the picker, the words on
// the page that name its setting, and the setting it gives. In page order.
struct ColorSetting {
    int buttonId;
    int editId;
    const char* label;
    const char* group; // empty for the two settings above the groups
    StyleSetting setting;
};

const ColorSetting kColorSettings[] = {
    {Id::IDC_PICK_FONT_COLOR, Id::IDC_FONT_COLOR, "Font color:", "", S::FontColor},
    {Id::IDC_PICK_SELECT_BACKGROUND, Id::IDC_SELECT_BACKGROUND, "Select box background-color:", "",
     S::SelectBackground},
    {Id::IDC_PICK_TABLE_BACKGROUND, Id::IDC_TABLE_BACKGROUND,
     "background-color:", "TABLE setting:", S::TableBackground},
    {Id::IDC_PICK_TABLE_LEFT_COLOR, Id::IDC_TABLE_LEFT_COLOR,
     "border-left:", "TABLE setting:", S::TableBorderLeftColor},
    {Id::IDC_PICK_TABLE_TOP_COLOR, Id::IDC_TABLE_TOP_COLOR,
     "border-top:", "TABLE setting:", S::TableBorderTopColor},
    {Id::IDC_PICK_TABLE_RIGHT_COLOR, Id::IDC_TABLE_RIGHT_COLOR,
     "border-right:", "TABLE setting:", S::TableBorderRightColor},
    {Id::IDC_PICK_TABLE_BOTTOM_COLOR, Id::IDC_TABLE_BOTTOM_COLOR,
     "border-bottom:", "TABLE setting:", S::TableBorderBottomColor},
    {Id::IDC_PICK_TD_BACKGROUND, Id::IDC_TD_BACKGROUND,
     "background-color:", "TD setting:", S::TdBackground},
    {Id::IDC_PICK_TD_LEFT_COLOR, Id::IDC_TD_LEFT_COLOR,
     "border-left:", "TD setting:", S::TdBorderLeftColor},
    {Id::IDC_PICK_TD_TOP_COLOR, Id::IDC_TD_TOP_COLOR,
     "border-top:", "TD setting:", S::TdBorderTopColor},
    {Id::IDC_PICK_TD_RIGHT_COLOR, Id::IDC_TD_RIGHT_COLOR,
     "border-right:", "TD setting:", S::TdBorderRightColor},
    {Id::IDC_PICK_TD_BOTTOM_COLOR, Id::IDC_TD_BOTTOM_COLOR,
     "border-bottom:", "TD setting:", S::TdBorderBottomColor},
};

// Each border's size list and the setting it gives.
struct SizeSetting {
    int listId;
    StyleSetting setting;
};

const SizeSetting kSizeSettings[] = {
    {Id::IDC_TABLE_LEFT_SIZE, S::TableBorderLeftSize},
    {Id::IDC_TABLE_TOP_SIZE, S::TableBorderTopSize},
    {Id::IDC_TABLE_RIGHT_SIZE, S::TableBorderRightSize},
    {Id::IDC_TABLE_BOTTOM_SIZE, S::TableBorderBottomSize},
    {Id::IDC_TD_LEFT_SIZE, S::TdBorderLeftSize},
    {Id::IDC_TD_TOP_SIZE, S::TdBorderTopSize},
    {Id::IDC_TD_RIGHT_SIZE, S::TdBorderRightSize},
    {Id::IDC_TD_BOTTOM_SIZE, S::TdBorderBottomSize},
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
    for (const SizeSetting& size : kSizeSettings) {
        auto* sizeList = ControlAs<QComboBox>(size.listId);
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

    StyleSettings settings;
    for (const ColorSetting& color : kColorSettings)
        settings[color.setting] = ControlText(color.editId).toUtf8();
    for (const SizeSetting& size : kSizeSettings)
        settings[size.setting] = ControlText(size.listId).toUtf8();
    m_savePage.m_strStyle = BuildCustomStyle(settings);
    m_savePage.m_bCustom = 1;
    RunNextPage(m_savePage);
}
