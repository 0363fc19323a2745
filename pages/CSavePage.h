#pragma once

#include "SavePageIds.h"
#include "WizardPage.h"

#include <QByteArray>

class QLineEdit;

// The last page: the output path, and Finish, which writes the slideshow page
// and opens it. Its creator says which look to build before running it.
class CSavePage : public WizardPage, public SavePageIds {
    Q_OBJECT

  public:
    CSavePage();

    int m_bCustom = 0;     // not 0: the custom look from m_strStyle and the "speed" file
    QByteArray m_strStyle; // the custom style block

    void OnFinish();
    void OnBrowse();

  private:
    QLineEdit* m_editPath;
};
