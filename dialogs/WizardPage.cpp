#include "WizardPage.h"

WizardPage::WizardPage(int templateId, int forwardButtonId) : TemplateDialog(templateId) {
    SetEnterButton(forwardButtonId);
}

void WizardPage::RunNextPage(QDialog& next) {
    accept();
    next.exec();
}
