#pragma once

#include "ModePageIds.h"
#include "WizardPage.h"

class QRadioButton;

// Automatic or custom look. The choice lives only in the two radio buttons,
// which the page keeps exclusive itself, and is read once, by Next.
class CModePage : public WizardPage, public ModePageIds {
    Q_OBJECT

  public:
    CModePage();

    void OnNext();

  private:
    void OnInitDialog();
    // The id of the first checked radio button from first to last, or 0.
    int GetCheckedRadioButton(int first, int last) const;

    QRadioButton* m_btnCustom;
    QRadioButton* m_btnAutomatic;
};
