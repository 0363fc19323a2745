#include "CommandLine.h"

#include <QtTest>

class CommandLineTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { SetApplicationIdentity(); }

    void answersBeforeAnyWindow_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("runWizard");
        QTest::addColumn<int>("exitStatus");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("error");
        QTest::newRow("none") << QStringList{"kinetara"} << true << 0 << ""
                              << "";
        QTest::newRow("version") << QStringList{"kinetara", "--version"} << false << 0
                                 << "kinetara 1.0\n"
                                 << "";
        QTest::newRow("help") << QStringList{"kinetara", "--help"} << false << 0
                              << "Usage: kinetara [options]"
                              << "";
        QTest::newRow("help with Qt's options")
            << QStringList{"kinetara", "--help-all"} << false << 0 << "Usage: kinetara [options]"
            << "";
        QTest::newRow("unknown option")
            << QStringList{"kinetara", "--bogus"} << false << 2 << ""
            << "kinetara: Unknown option 'bogus'. (see kinetara --help)";
        QTest::newRow("a file")
            << QStringList{"kinetara", "slides.htm"} << false << 2 << ""
            << "kinetara: unexpected argument 'slides.htm' (see kinetara --help)";
    }
    void answersBeforeAnyWindow() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, runWizard);
        QFETCH(int, exitStatus);
        QFETCH(QString, output);
        QFETCH(QString, error);
        const CommandLineAnswer answer = ReadCommandLine(arguments);
        QCOMPARE(answer.runWizard, runWizard);
        QCOMPARE(answer.exitStatus, exitStatus);
        QCOMPARE(answer.output.isEmpty(), output.isEmpty());
        QVERIFY2(output.isEmpty() || answer.output.startsWith(output), qPrintable(answer.output));
        QCOMPARE(answer.error, error);
        QVERIFY(!answer.error.contains(u'\n'));
    }

    void noDisplayIsNamed_data() {
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<bool>("missing");
        QTest::newRow("nothing set") << QStringList{} << true;
        QTest::newRow("X11") << QStringList{"DISPLAY=:0"} << false;
        QTest::newRow("Wayland") << QStringList{"WAYLAND_DISPLAY=wayland-0"} << false;
        QTest::newRow("platform chosen") << QStringList{"QT_QPA_PLATFORM=offscreen"} << false;
        QTest::newRow("empty DISPLAY") << QStringList{"DISPLAY="} << true;
    }
    void noDisplayIsNamed() {
        QFETCH(QStringList, variables);
        QFETCH(bool, missing);
        QProcessEnvironment environment;
        for (const QString& variable : variables)
            environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        const QString reason = MissingDisplayReason(environment);
        QCOMPARE(!reason.isEmpty(), missing);
        if (missing)
            QVERIFY(
                reason.startsWith(QStringLiteral("kinetara: cannot open a window: no display")));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
