#pragma once

#include "CSavePage.h"
#include "WizardPage.h"

class QLineEdit;

// The last page of the custom look: twelve colours, typed or picked, and eight
// border widths, which Next turns into the style block of the save page it owns.
class CBorderPage : public WizardPage {
    Q_OBJECT

  public:
    enum { IDD = 134 };
    enum ControlId {
        IDC_NEXT = 1065,
        IDC_BACK = 1014,
        IDC_CANCEL = 1080,
        IDC_SAMPLE_COLORS = 1054
    };

    CBorderPage();

  private:
    void OnInitDialog();
    void OnPickColor(QLineEdit& colorBox);
    void OnSampleColorNames();
    void OnNext();
    // The text of a colour box or the selected text of a size list.
    QString ControlText(int id) const;

    CSavePage m_savePage;
};
