#pragma once

#include "TemplateDialog.h"

// A page of the wizard. Moving on ends this page and runs the next one from
// inside the handler that moves, so the runs nest: when the last page ends,
// every page below it returns in turn without being shown again.
class WizardPage : public TemplateDialog {
    Q_OBJECT

  public:
    WizardPage(int templateId, int forwardButtonId);

  protected:
    // Ends this page, then runs next until it (and all it runs) has ended.
    void RunNextPage(QDialog& next);
    template <typename Page> void RunNewPage() {
        Page next;
        RunNextPage(next);
    }
};
