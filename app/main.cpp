#include "CWizardApp.h"
#include "CommandLine.h"
#include "Images.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <cstdio>

namespace {
CWizardApp theApp;

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}
} // namespace

int main(int argc, char* argv[]) {
    SetApplicationIdentity();
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));

    const CommandLineAnswer answer = ReadCommandLine(arguments);
    if (!answer.runWizard) {
        Print(stdout, answer.output);
        if (!answer.error.isEmpty())
            Print(stderr, answer.error + u'\n');
        return answer.exitStatus;
    }
    // Qt would abort with advice to reinstall; say what is really missing.
    if (const QString reason = MissingDisplayReason(QProcessEnvironment::systemEnvironment());
        !reason.isEmpty()) {
        Print(stderr, reason + u'\n');
        return 1;
    }

    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("kinetara"));
    QApplication::setWindowIcon(QIcon(ImageResourcePath(IDI_MAINFRAME)));
    theApp.InitInstance();
    return 0;
}
