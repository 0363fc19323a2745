#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

constexpr int kUsageError = 2;

QString ProgramName() {
    return QCoreApplication::applicationName();
}

} // namespace

void SetApplicationIdentity() {
    // The name is also the caption of every message box: the executable's name.
    QCoreApplication::setApplicationName(QStringLiteral("kinetara"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KINETARA_VERSION));
    QCoreApplication::setOrganizationDomain(QStringLiteral("kinetara.io"));
}

CommandLineAnswer ReadCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A wizard that turns a list of image addresses into one self-contained "
                       "HTML slideshow page."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();

    CommandLineAnswer answer;
    if (!parser.parse(arguments)) {
        answer.error = QStringLiteral("%1: %2").arg(ProgramName(), parser.errorText());
    } else if (!parser.positionalArguments().isEmpty()) {
        answer.error = QStringLiteral("%1: unexpected argument '%2'")
                           .arg(ProgramName(), parser.positionalArguments().constFirst());
    } else if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        answer.runWizard = false;
        // The parser names the program after argv[0], or not at all before
        // the application object exists: name it the same way always.
        const QString text = parser.helpText();
        answer.output = QStringLiteral("Usage: %1 [options]").arg(ProgramName()) +
                        text.mid(text.indexOf(u'\n'));
        return answer;
    } else if (parser.isSet(version)) {
        answer.runWizard = false;
        answer.output =
            QStringLiteral("%1 %2\n").arg(ProgramName(), QCoreApplication::applicationVersion());
        return answer;
    } else {
        return answer;
    }
    answer.runWizard = false;
    answer.exitStatus = kUsageError;
    answer.error += QStringLiteral(" (see %1 --help)").arg(ProgramName());
    return answer;
}

QString MissingDisplayReason(const QProcessEnvironment& environment) {
    // A platform chosen by hand (offscreen, vnc, ...) knows what it needs.
    if (!environment.value(QStringLiteral("QT_QPA_PLATFORM")).isEmpty())
        return {};
    if (!environment.value(QStringLiteral("DISPLAY")).isEmpty() ||
        !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty())
        return {};
    return QStringLiteral("%1: cannot open a window: no display found (DISPLAY and "
                          "WAYLAND_DISPLAY are unset)")
        .arg(ProgramName());
}
