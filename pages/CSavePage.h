#pragma once

#include "WizardPage.h"

#include <QByteArray>

class QLineEdit;

// The last page: the output path, and Finish, which writes the slideshow page
// and opens it. Its creator says which look to build before running it.
class CSavePage : public WizardPage {
    Q_OBJECT

  public:
    enum { IDD = 133 };
    enum ControlId {
        IDC_PATH = 1003,
        IDC_BROWSE = 1005,
        IDC_FINISH = 1029,
        IDC_BACK = 1014,
        IDC_CANCEL = 1054
    };

    CSavePage();

    int m_bCustom = 0;     // not 0: the custom look from m_strStyle and the "speed" file
    QByteArray m_strStyle; // the custom style block

    void OnFinish();
    void OnBrowse();

  private:
    QLineEdit* m_editPath;
};
