#pragma once

#include "WizardPage.h"

class QRadioButton;

// Automatic or custom look. The choice lives only in the two radio buttons,
// which the page keeps exclusive itself, and is read once, by Next.
class CModePage : public WizardPage {
    Q_OBJECT

  public:
    enum { IDD = 132 };
    enum ControlId {
        IDC_AUTOMATIC = 1025,
        IDC_CUSTOM = 1028,
        IDC_NEXT = 1001,
        IDC_BACK = 1014,
        IDC_CANCEL = 1054
    };

    CModePage();

    void OnNext();

  private:
    void OnInitDialog();
    // The id of the first checked radio button from first to last, or 0.
    int GetCheckedRadioButton(int first, int last) const;

    QRadioButton* m_btnCustom;
    QRadioButton* m_btnAutomatic;
};
