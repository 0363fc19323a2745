#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Sets the name, version and domain the desktop knows the program by.
void SetApplicationIdentity();

// What the command line asks for, decided before any window can open.
struct CommandLineAnswer {
    bool runWizard = true;
    int exitStatus = 0; // when the wizard is not run
    QString output;     // for standard output
    QString error;      // one line for standard error
};

// The wizard takes no arguments: --help and --version answer and end, and
// anything else is a usage error (status 2).
CommandLineAnswer ReadCommandLine(const QStringList& arguments);

// Why no window can be opened in this environment, or empty when one can.
QString MissingDisplayReason(const QProcessEnvironment& environment);
