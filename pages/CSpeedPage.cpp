#include "CSpeedPage.h"

#include "CBorderPage.h"
#include "CModePage.h"
#include "Messages.h"
#include "Platform.h"
#include "ScratchFiles.h"
#include "Strings.h"

#include <QComboBox>
#include <iterator>

const CSpeedPage::Speed CSpeedPage::kSpeeds[5] = {
    {"Very slow", "4000"}, {"Slow", "3000"},     {"Moderate", "2000"},
    {"Fast", "1000"},      {"Very fast", "500"},
};

namespace {

constexpr int kModerate = 2;

// Selects the first entry after `after`, wrapping round, whose text starts with
// prefix regardless of case, as a list's own prefix search does.
void SelectByPrefix(QComboBox& combo, int after, const QString& prefix) {
    const int count = combo.count();
    for (int step = 1; step <= count; ++step) {
        const int index = (after + step) % count;
        if (combo.itemText(index).startsWith(prefix, Qt::CaseInsensitive)) {
            combo.setCurrentIndex(index);
            return;
        }
    }
}

} // namespace

CSpeedPage::CSpeedPage()
    : WizardPage(IDD, IDC_NEXT), m_comboSpeed(ControlAs<QComboBox>(IDC_SPEED)) {
    OnClicked(IDC_NEXT, [this] { OnNext(); });
    OnClicked(IDC_BACK, [this] { RunNewPage<CModePage>(); });
    OnClicked(IDC_CANCEL, [this] { reject(); });
    OnInitDialog();
}

void CSpeedPage::OnInitDialog() {
    for (int position = 0; position < int(std::size(kSpeeds)); ++position)
        m_comboSpeed->insertItem(position, QString::fromLatin1(kSpeeds[position].label));
    SelectByPrefix(*m_comboSpeed, kModerate, QString::fromLatin1(kSpeeds[kModerate].label));
}

void CSpeedPage::OnNext() {
    const int position = m_comboSpeed->currentIndex();
    if (position < 0) {
        Platform::ShowMessage(this, IDS_CHOOSE_SPEED);
        return;
    }
    if (const FileResult written = WriteSpeed(kSpeeds[position].delay); !written) {
        Platform::ShowFileFailure(this, MessageText(Message::SpeedNotSaved), written);
        return;
    }
    RunNewPage<CBorderPage>();
}
