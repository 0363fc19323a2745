#pragma once

#include "BorderPageIds.h"
#include "CSavePage.h"
#include "WizardPage.h"

class QLineEdit;

// The last page of the custom look: twelve colours, typed or picked, and eight
// border widths, which Next turns into the style block of the save page it owns.
class CBorderPage : public WizardPage, public BorderPageIds {
    Q_OBJECT

  public:
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
