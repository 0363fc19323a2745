#pragma once

class QWidget;

// The application: runs the first image list page; the whole wizard happens
// inside that run, and the program ends when it returns.
class CWizardApp {
  public:
    // Always false: there is no event loop of the application's own to enter.
    bool InitInstance();

    QWidget* m_pMainWnd = nullptr;
};
