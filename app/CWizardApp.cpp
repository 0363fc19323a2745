#include "CWizardApp.h"

#include "CImagePage.h"

bool CWizardApp::InitInstance() {
    CImagePage page;
    m_pMainWnd = &page;
    page.exec();
    m_pMainWnd = nullptr;
    return false;
}
