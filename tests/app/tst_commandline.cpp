// The window program's command line: a library to open at start-up, --version and --help
// without any window, and a wrong command line refused with status 2.

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "app/CommandLine.h"
#include "concretewindow/Unit1.h"
#include "formats/LibraryFile.h"
#include "platform/CheckList.h"
#include "support/FakePlatform.h"

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void programAnswersWithoutDisplay_data();
    void programAnswersWithoutDisplay();
    void wrongCommandLineEndsWithStatus2();
    void startOpensTheLibrary();
    void startWithRefusedLibraryShowsWhy();
};

void TestCommandLine::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("start");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");       // start of standard output
    QTest::addColumn<QString>("errorOutput");  // start of standard error
    QTest::addColumn<QString>("library");

    const QString usage = QStringLiteral("Usage: tarvolin [options] [library]\n");
    const QString version = QStringLiteral("tarvolin " TARVOLIN_VERSION "\n");
    const QString none;
    QTest::newRow("nothing") << QStringList{"tarvolin"} << true << 0 << none << none << none;
    QTest::newRow("library") << QStringList{"tarvolin", "my lib.json"} << true << 0 << none
                             << none << QStringLiteral("my lib.json");
    QTest::newRow("--version") << QStringList{"tarvolin", "--version"} << false << 0 << version
                               << none << none;
    QTest::newRow("-v") << QStringList{"tarvolin", "-v"} << false << 0 << version << none << none;
    QTest::newRow("--help") << QStringList{"tarvolin", "--help", "x.json"} << false << 0 << usage
                            << none << none;
    QTest::newRow("-h") << QStringList{"tarvolin", "-h"} << false << 0 << usage << none << none;
    QTest::newRow("unknown option")
        << QStringList{"tarvolin", "--grade", "30"} << false << 2 << none
        << QStringLiteral("tarvolin: Unknown option 'grade'.\n") + usage << none;
    QTest::newRow("two libraries") << QStringList{"tarvolin", "a.json", "b.json"} << false << 2
                                   << none << QStringLiteral("tarvolin: Only one library")
                                   << none;
}

void TestCommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, start);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, errorOutput);
    QFETCH(QString, library);
    const StartRequest request = ParseCommandLine(arguments);
    QCOMPARE(request.start, start);
    QCOMPARE(request.exitCode, exitCode);
    QVERIFY2(request.output.startsWith(output) && output.isEmpty() == request.output.isEmpty(),
             qPrintable(request.output));
    QVERIFY2(request.errorOutput.startsWith(errorOutput) &&
                 errorOutput.isEmpty() == request.errorOutput.isEmpty(),
             qPrintable(request.errorOutput));
    QCOMPARE(request.libraryPath, library);
}

void TestCommandLine::programAnswersWithoutDisplay_data()
{
    QTest::addColumn<bool>("noPlatform");  // no platform chosen at all, or xcb without a server
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<QByteArray>("errorOutput");
    const QByteArray version("tarvolin " TARVOLIN_VERSION "\n");
    const QByteArray usage = UsageText().toUtf8();
    for (bool noPlatform : {false, true}) {
        const char* where = noPlatform ? "no platform" : "xcb, no server";
        const auto row = [&](const char* name, QStringList arguments, int exitCode,
                             const QByteArray& output, const QByteArray& errorOutput) {
            QTest::addRow("%s, %s", where, name)
                << noPlatform << arguments << exitCode << output << errorOutput;
        };
        row("--version", {"--version"}, 0, version, {});
        row("--help", {"--help"}, 0, usage, {});
        row("--bogus", {"--bogus"}, 2, {}, "tarvolin: Unknown option 'bogus'.\n" + usage);
        row("two libraries", {"a.json", "b.json"}, 2, {},
            "tarvolin: Only one library can be opened at start-up.\n" + usage);
        // Qt's own options are set aside, in either spelling, with or without '='.
        row("-platform xcb --bogus", {"-platform", "xcb", "--bogus"}, 2, {},
            "tarvolin: Unknown option 'bogus'.\n" + usage);
        row("-style=fusion -reverse --version", {"-style=fusion", "-reverse", "--version"}, 0,
            version, {});
        row("--platform offscreen -h", {"--platform", "offscreen", "-h"}, 0, usage, {});
    }
}

// A platform that cannot start proves that no window, not even the application object, was
// needed for the answer.
void TestCommandLine::programAnswersWithoutDisplay()
{
    QFETCH(bool, noPlatform);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, output);
    QFETCH(QByteArray, errorOutput);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (noPlatform) {
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        environment.remove(QStringLiteral("DISPLAY"));
    } else {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":9999"));
    }
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TARVOLIN_BINARY), arguments);
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.readAllStandardOutput(), output);
    QCOMPARE(program.readAllStandardError(), errorOutput);
    QCOMPARE(program.exitCode(), exitCode);
}

void TestCommandLine::wrongCommandLineEndsWithStatus2()
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TARVOLIN_BINARY), {QStringLiteral("--bogus")});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 2);
    QCOMPARE(program.readAllStandardOutput(), QByteArray());
    const QByteArray error = program.readAllStandardError();
    QVERIFY2(error.contains("Unknown option 'bogus'") && error.contains("Usage: tarvolin"),
             error.constData());

    // Qt's own options are Qt's: with them the program gets as far as its answer.
    program.start(QStringLiteral(TARVOLIN_BINARY),
                  {QStringLiteral("-platform"), QStringLiteral("offscreen"),
                   QStringLiteral("--version")});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(program.readAllStandardOutput(), QByteArray("tarvolin " TARVOLIN_VERSION "\n"));
}

void TestCommandLine::startOpensTheLibrary()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("start.json"));
    ConcreteRegistry two;
    for (const char* name : {"A", "B"})
        two.Add(std::make_unique<CConcrete>(name, 30000, 20.1, 2.01, 0.748, 1.26, 0.00147,
                                            9.5e-05, 0.016, 0.0007),
                name[0] == 'A');
    WriteLibrary(path, two);

    FakePlatform platform;
    TForm1 form;
    StartWindow(form, ParseCommandLine({QStringLiteral("tarvolin"), path}));
    QVERIFY(form.isVisible());
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(form.lst1->Count(), 2);
    QVERIFY(form.lst1->ItemChecked(0));
    QVERIFY(!form.lst1->ItemChecked(1));
    QCOMPARE(form.LibraryPath(), path);
}

void TestCommandLine::startWithRefusedLibraryShowsWhy()
{
    FakePlatform platform;
    TForm1 form;
    StartWindow(form, ParseCommandLine({QStringLiteral("tarvolin"),
                                        QStringLiteral("/nonexistent/lib.json")}));
    QVERIFY(form.isVisible());
    QCOMPARE(platform.messages.size(), 1);
    QVERIFY2(platform.messages[0].text.startsWith(
                 QStringLiteral("Cannot open library \"/nonexistent/lib.json\".")),
             qPrintable(platform.messages[0].text));
    QCOMPARE(platform.messages[0].parent.data(), &form);
    QCOMPARE(form.lst1->Count(), 0);
    QVERIFY(form.LibraryPath().isEmpty());
}

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
