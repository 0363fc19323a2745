#include "CModePage.h"

#include "CImagePage.h"
#include "CSavePage.h"
#include "CSpeedPage.h"

#include <QRadioButton>

CModePage::CModePage()
    : WizardPage(IDD, IDC_NEXT), m_btnCustom(ControlAs<QRadioButton>(IDC_CUSTOM)),
      m_btnAutomatic(ControlAs<QRadioButton>(IDC_AUTOMATIC)) {
    OnClicked(IDC_AUTOMATIC, [this] { m_btnCustom->setChecked(false); });
    OnClicked(IDC_CUSTOM, [this] { m_btnAutomatic->setChecked(false); });
    OnClicked(IDC_NEXT, [this] { OnNext(); });
    OnClicked(IDC_BACK, [this] { RunNewPage<CImagePage>(); });
    OnClicked(IDC_CANCEL, [this] { reject(); });
    OnInitDialog();
}

void CModePage::OnInitDialog() {
    m_btnAutomatic->setChecked(true);
}

int CModePage::GetCheckedRadioButton(int first, int last) const {
    for (int id = first; id <= last; ++id) {
        if (const auto* radio = ControlAs<QRadioButton>(id); radio && radio->isChecked())
            return id;
    }
    return 0;
}

void CModePage::OnNext() {
    if (GetCheckedRadioButton(IDC_AUTOMATIC, IDC_CUSTOM) == IDC_CUSTOM) {
        RunNewPage<CSpeedPage>();
        return;
    }
    CSavePage savePage;
    savePage.m_bCustom = 0;
    RunNextPage(savePage);
}
