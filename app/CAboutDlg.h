#pragma once

#include "TemplateDialog.h"

// The About box: OK, Enter, Escape and the close box all close it.
class CAboutDlg : public TemplateDialog {
    Q_OBJECT

  public:
    CAboutDlg() : TemplateDialog(IDD_ABOUTBOX) {}

    enum { IDD_ABOUTBOX = 100 };
};
