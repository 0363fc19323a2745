#pragma once

#include "AboutBoxIds.h"
#include "TemplateDialog.h"

// The About box: OK, Enter, Escape and the close box all close it.
class CAboutDlg : public TemplateDialog, public AboutBoxIds {
    Q_OBJECT

  public:
    CAboutDlg() : TemplateDialog(IDD_ABOUTBOX) {}
};
