#include "CWizardApp.h"

#include <QApplication>

namespace {
CWizardApp theApp;
}

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    theApp.InitInstance();
    return 0;
}
