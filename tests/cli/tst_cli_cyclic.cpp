// tarvolin-cli cyclic: the file is the writer's for the shown materials of the sources, in their
// order; a bad history or step is a wrong command line that names its option and writes
// nothing; names are quoted as the CSV file of Save Data quotes them.

#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "cyclic/CyclicPath.h"
#include "formats/CyclicCsv.h"
#include "formats/LibraryFile.h"
#include "support/CliRun.h"
#include "support/Files.h"

namespace {

using testfiles::Entries;
using testfiles::Read;
using testfiles::Write;

// Two concretes (one hidden) and two steels (one hidden), names a CSV file must quote. (The
// quotes are JSON escapes: moc misreads an escaped quote inside a raw string.)
const char* const kLibrary = R"({"format": "tarvolin-library", "version": 2,
  "concretes": [{"name": "C30, \u0022wet\u0022", "Ec": 30000, "fck": 20.1, "ftk": 2.01, "eck": 0.001471,
                 "etk": 9.5e-05, "ac": 0.75, "at": 1.26, "ecmax": 0.016, "etmax": 0.0007,
                 "shown": true},
                {"name": "Hidden", "Ec": 30000, "fck": 20.1, "ftk": 2.01, "eck": 0.001471,
                 "etk": 9.5e-05, "ac": 0.75, "at": 1.26, "ecmax": 0.016, "etmax": 0.0007,
                 "shown": false}],
  "steels": [{"name": "Bar\nB", "Es": 200000, "fy": 400, "fst": 540, "euy": 0.025, "eu": 0.075,
              "shown": true},
             {"name": "HPB300", "Es": 210000, "fy": 300, "fst": 420, "euy": 0.025, "eu": 0.1,
              "shown": false}]})";

const char* const kHistory = "0,-0.002,-0.001,-0.004,0.0005,-0.0025,0.012,-0.008";

}  // namespace

class TestCliCyclic : public QObject {
    Q_OBJECT

private slots:
    void init();
    void badCommandLines_data();
    void badCommandLines();
    void fileOfTheWriter_data();
    void fileOfTheWriter();
    void namesQuotedAsSaveData();
    void nothingShown();
    void help();

private:
    std::unique_ptr<QTemporaryDir> dir;
};

void TestCliCyclic::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    QVERIFY(Write(dir->filePath("lib.json"), kLibrary));
}

void TestCliCyclic::badCommandLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("messageParts");
    const auto row = [](const char* name, QStringList arguments, QStringList parts) {
        QTest::newRow(name) << arguments << parts;
    };
    const QStringList sources{"--grade", "30", "--steel", "HRB400", "-o", "@D@/out.csv"};
    row("no history", sources, {"--history LIST is missing", "Usage: tarvolin-cli cyclic"});
    row("empty list", sources + QStringList{"--history", ""}, {"--history needs a value."});
    row("blank list", sources + QStringList{"--history", "  "}, {"--history: the list of strains is empty."});
    row("single value", sources + QStringList{"--history", "-0.002"}, {"--history: one strain is no history"});
    row("not a number", sources + QStringList{"--history", "0,-0.002,x"},
        {"--history: value 3, \"x\", is not a number"});
    row("NaN", sources + QStringList{"--history=0,NaN"}, {"--history: value 2, \"NaN\""});
    row("infinity", sources + QStringList{"--history", "0,-inf"}, {"--history: value 2, \"-inf\""});
    row("beyond a double", sources + QStringList{"--history", "0,1e999"}, {"--history: value 2, \"1e999\""});
    row("empty value", sources + QStringList{"--history", "0,,-0.002"}, {"--history: value 2 is empty."});
    row("microstrain", sources + QStringList{"--history", "0,-2000"}, {"--history: value 2, -2000, lies beyond"});
    row("step zero", sources + QStringList{"--history", kHistory, "--step", "0"},
        {"--step: \"0\" is not a number greater than 0."});
    row("step negative", sources + QStringList{"--history", kHistory, "--step=-1e-5"},
        {"--step: \"-1e-5\" is not a number greater than 0."});
    row("step not a number", sources + QStringList{"--history", kHistory, "--step", "fine"},
        {"--step: \"fine\""});
    row("step nan", sources + QStringList{"--history", kHistory, "--step", "nan"}, {"--step: \"nan\""});
    // 4,000,001 points a material are allowed; three materials make 12,000,003.
    row("more than ten million points, all materials together",
        QStringList{"--grade", "30", "--grade", "40", "--steel", "HRB400", "-o", "@D@/out.csv",
                    "--history", "0,-0.004", "--step", "1e-9"},
        {"--step: the paths would have more than 10000000 points", "Usage: tarvolin-cli cyclic"});
    row("history checked before a missing library",
        QStringList{"@D@/missing.json", "-o", "@D@/out.csv", "--history", "0"}, {"--history: one strain"});
}

void TestCliCyclic::badCommandLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, messageParts);
    const QString d = dir->path();
    const QStringList before = Entries(d);
    for (QString& argument : arguments)
        argument.replace(QLatin1String("@D@"), d);
    const CliResult result = RunCli(QStringList{"cyclic"} + arguments);
    QCOMPARE(result.exitCode, 2);
    for (const QString& part : messageParts)
        QVERIFY2(result.err.contains(part), qPrintable(result.err));
    QVERIFY(result.out.isEmpty());
    QCOMPARE(Entries(d), before);
}

void TestCliCyclic::fileOfTheWriter_data()
{
    QTest::addColumn<QStringList>("more");
    QTest::addColumn<double>("step");
    QTest::addColumn<QString>("output");  // in the test's folder, or -
    QTest::newRow("default step") << QStringList{} << kDefaultCyclicStep << "out.csv";
    QTest::newRow("coarse step, standard output") << QStringList{"--step", "0.0005"} << 0.0005 << "-";
    QTest::newRow("blanks in the list, inline step")
        << QStringList{"--step=2e-4"} << 2e-4 << "blanks.csv";
}

// Concretes first, then steels, each in source order (the library's, then --grade's), only the
// shown ones: byte for byte what the writer makes of them.
void TestCliCyclic::fileOfTheWriter()
{
    QFETCH(QStringList, more);
    QFETCH(double, step);
    QFETCH(QString, output);
    const QString grade = dir->filePath("grade.json");
    QCOMPARE(RunCli({"library", "--grade", "40", "--steel", "HRB500", "-o", grade}).exitCode, 0);
    const MaterialLibrary lib = ReadMaterialLibrary(dir->filePath("lib.json"));
    const MaterialLibrary fromGrades = ReadMaterialLibrary(grade);
    std::vector<const CConcrete*> concretes = lib.concretes.ShownConcretes();
    concretes.push_back(&fromGrades.concretes.at(0));
    std::vector<const CSteel*> steels = lib.steels.ShownSteels();
    steels.push_back(&fromGrades.steels.at(0));
    std::vector<double> history;
    QVERIFY(ParseCyclicHistory(kHistory, history).empty());
    const QByteArray expected =
        QByteArray::fromStdString(BuildCyclicCsv(concretes, steels, history, step));

    const QString list = output == QLatin1String("blanks.csv")
                             ? QString::fromLatin1(kHistory).replace(',', QStringLiteral(" , "))
                             : QString::fromLatin1(kHistory);
    const QString path = output == QLatin1String("-") ? output : dir->filePath(output);
    const CliResult result = RunCli(QStringList{"cyclic", dir->filePath("lib.json"), "--grade", "40",
                                                "--steel", "HRB500", "--history", list, "-o", path} +
                                    more);
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(result.err.isEmpty(), qPrintable(result.err));
    const QByteArray written = output == QLatin1String("-") ? result.out : Read(path);
    QCOMPARE(written.size(), expected.size());
    QVERIFY(written == expected);
    QVERIFY(written.startsWith("material,strain,stress\r\n\"C30, \"\"wet\"\"\",0.0,0.0\r\n"));
    QVERIFY(written.contains("\r\nCon_40,-0.008,"));
    QVERIFY(written.endsWith("\r\nHRB500,-0.008,-500.0\r\n"));
    QVERIFY(!written.contains("Hidden") && !written.contains("HPB300"));
}

void TestCliCyclic::namesQuotedAsSaveData()
{
    const CliResult csv = RunCli({"csv", dir->filePath("lib.json"), "-o", "-", "--separator", "."});
    QCOMPARE(csv.exitCode, 0);
    const CliResult cyclic =
        RunCli({"cyclic", dir->filePath("lib.json"), "--history", "0,-0.001", "-o", "-"});
    QCOMPARE(cyclic.exitCode, 0);
    for (const QByteArray& field : {QByteArray("\"C30, \"\"wet\"\"\",")})
        QVERIFY(csv.out.contains("\r\n" + field) && cyclic.out.contains("\r\n" + field));
    QVERIFY(cyclic.out.contains("\r\n\"Bar\nB\",-0.001,-200.0\r\n"));
}

void TestCliCyclic::nothingShown()
{
    QByteArray hidden(kLibrary);
    hidden.replace("\"shown\": true", "\"shown\": false");
    QVERIFY(Write(dir->filePath("hidden.json"), hidden));
    const QStringList before = Entries(dir->path());
    const CliResult result = RunCli({"cyclic", dir->filePath("hidden.json"), "--history", "0,-0.001",
                                     "-o", dir->filePath("out.csv")});
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.err.contains("No concrete or steel is shown: nothing to write."), qPrintable(result.err));
    QCOMPARE(Entries(dir->path()), before);
}

void TestCliCyclic::help()
{
    CliResult result = RunCli({"--help"});
    QVERIFY(result.out.contains("  cyclic [SOURCES] --history LIST -o FILE.csv [--step S]\n"));
    result = RunCli({"cyclic", "--help"});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.out.startsWith("Usage: tarvolin-cli cyclic"));
    QVERIFY(result.out.contains("(default 0.00001)"));
    QVERIFY(result.out.contains("--step S               the largest strain between two points, S > 0 (0.00001)"));
    QCOMPARE(kDefaultCyclicStep, 0.00001);
}

QTEST_MAIN(TestCliCyclic)
#include "tst_cli_cyclic.moc"
