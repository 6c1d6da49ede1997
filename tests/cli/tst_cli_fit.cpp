// tarvolin-cli fit: a measured curve in, the fitted values out as a table or JSON, a library
// with the fitted concrete; exit status 1 for a refused file, 2 for a wrong command line, and
// nothing written either way.

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "formats/LibraryFile.h"
#include "model/GradeFields.h"
#include "support/CliRun.h"
#include "support/Files.h"
#include "support/MeasuredCurves.h"

namespace {

using testfiles::Entries;
using testfiles::Write;

QStringList Keys(const QJsonObject& object)
{
    QStringList keys = object.keys();
    keys.sort();
    return keys;
}

}  // namespace

class TestCliFit : public QObject {
    Q_OBJECT

private slots:
    void init();
    void exitStatusAndMessage_data();
    void exitStatusAndMessage();
    void jsonKeys();
    void library();
    void table();

private:
    QString Path(const char* name) const { return dir->filePath(QLatin1String(name)); }
    std::unique_ptr<QTemporaryDir> dir;
    CConcrete truth = measured::GradeConcrete(35);
};

void TestCliFit::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    // Compression as a testing machine writes it: negative, in percent, with a heading.
    const measured::Points c = measured::LawPoints(truth, true, 300, 4.0);
    std::string compression = "Test C35-2\nStrain (%);Stress (MPa)\n";
    for (std::size_t i = 0; i < c.strain.size(); ++i)
        compression += measured::Exact(-c.strain[i] * 100) + ';' + measured::Exact(-c.stress[i]) + '\n';
    QVERIFY(Write(Path("C35-2.csv"), QByteArray::fromStdString(compression)));
    QVERIFY(Write(Path("tension.csv"),
                  QByteArray::fromStdString(measured::Text(measured::LawPoints(truth, false, 200, 4.0)))));
    QVERIFY(Write(Path("broken.csv"), QByteArray::fromStdString(compression + "0.5;NaN\n")));
    measured::Points micro = c;
    for (double& strain : micro.strain)
        strain *= 1e6;
    QVERIFY(Write(Path("micro.csv"), QByteArray::fromStdString(measured::Text(micro))));
}

void TestCliFit::exitStatusAndMessage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    const auto row = [](const char* name, QStringList arguments, int exitCode, const char* message) {
        QTest::newRow(name) << arguments << exitCode << QString::fromUtf8(message);
    };
    row("no data", {"fit", "-o", "@D@/out.json"}, 2, "DATA is missing");
    row("two data files", {"fit", "@D@/C35-2.csv", "@D@/tension.csv", "-o", "@D@/out.json"}, 2,
        "One DATA file only (\"@D@/tension.csv\" too)");
    row("wrong columns", {"fit", "@D@/C35-2.csv", "--columns", "strain", "-o", "@D@/out.json"}, 2,
        "--columns must be strain,stress, stress,strain or two different column numbers");
    row("wrong strain unit", {"fit", "@D@/C35-2.csv", "--strain-unit", "inch", "-o", "@D@/out.json"}, 2,
        "--strain-unit must be m/m, %, permille or microstrain (not \"inch\")");
    row("wrong stress unit", {"fit", "@D@/C35-2.csv", "--stress-unit", "psi", "-o", "@D@/out.json"}, 2,
        "--stress-unit must be MPa, kPa or Pa (not \"psi\")");
    row("held fc not a number", {"fit", "@D@/C35-2.csv", "--fix-fc", "abc", "-o", "@D@/out.json"}, 2,
        "--fix-fc: \"abc\" is not a valid floating number!");
    row("held modulus not positive", {"fit", "@D@/C35-2.csv", "--fix-modulus", "-3", "-o", "@D@/out.json"}, 2,
        "--fix-modulus must be greater than zero");
    row("modulus held twice", {"fit", "@D@/C35-2.csv", "--fix-modulus", "30000", "--modulus-from-grade", "30", "-o", "@D@/out.json"}, 2,
        "--fix-modulus and --modulus-from-grade both hold Ec: give one of them.");
    row("grade of the modulus not positive", {"fit", "@D@/C35-2.csv", "--modulus-from-grade", "0", "-o", "@D@/out.json"}, 2,
        "--modulus-from-grade must be greater than zero (not \"0\")");
    row("held ft without tension", {"fit", "@D@/C35-2.csv", "--fix-ft", "2", "-o", "@D@/out.json"}, 2,
        "--fix-ft holds the fitted ft,r: it needs --tension-data.");
    row("name too long", {"fit", "@D@/C35-2.csv", "--name", "a name of twenty bytes", "-o", "@D@/out.json"}, 2,
        "--name: Concrete Name must be less than 20 letters.");
    row("unknown option", {"fit", "@D@/C35-2.csv", "--grade", "30"}, 2, "Unknown option \"--grade\"");
    row("missing file", {"fit", "@D@/missing.csv", "-o", "@D@/out.json"}, 1,
        "@N@/missing.csv: cannot be opened (No such file or directory)");
    row("refused data", {"fit", "@D@/broken.csv", "-o", "@D@/out.json"}, 1,
        "@N@/broken.csv, line 303: column 2 (stress) holds \"NaN\", which is not a number (NaN)");
    row("refused tension data", {"fit", "@D@/C35-2.csv", "--tension-data", "@D@/broken.csv", "-o", "@D@/out.json"}, 1,
        "@N@/broken.csv, line 303: column 2 (stress) holds \"NaN\"");
    row("name the window refuses", {"fit", "@D@/C35-2.csv", "--name", " x", "-o", "@D@/out.json"}, 2,
        "--name: Concrete Name must not begin or end with a");
    // Microstrains read as m/m make a concrete Create Concrete refuses: nothing is written, and
    // the note on the unit comes first.
    row("a concrete the window refuses", {"fit", "@D@/micro.csv", "-o", "@D@/out.json"}, 1,
        "note: @N@/micro.csv: The peak lies at a strain of 1.537E+03, read in m/m as no heading "
        "or option gave a unit. If the strains are in %, ‰ or µε, choose that unit.\ntarvolin-cli: "
        "@N@/micro.csv: the fitted concrete \"micro\", field ecmax: ");
}

void TestCliFit::exitStatusAndMessage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    for (QString& argument : arguments)
        argument.replace(QStringLiteral("@D@"), dir->path());
    // @N@ where the message names the file as Windows writes paths.
    message.replace(QStringLiteral("@N@/"), QDir::toNativeSeparators(dir->path() + u'/'));
    message.replace(QStringLiteral("@D@"), dir->path());
    const QStringList before = Entries(dir->path());
    const CliResult result = RunCli(arguments);
    QTEST(result.exitCode, "exitCode");
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
    QVERIFY(result.out.isEmpty());
    QCOMPARE(Entries(dir->path()), before);  // nothing written
}

void TestCliFit::jsonKeys()
{
    // The library's keys for the fitted r-values, only for the branches fitted.
    const CliResult compression = RunCli({"fit", Path("C35-2.csv"), "--json"});
    QCOMPARE(compression.exitCode, 0);
    const QJsonObject c = QJsonDocument::fromJson(compression.out).object();
    QCOMPARE(Keys(c), QStringList({"Ec", "ac", "eck", "fck", "name", "points", "r2", "rms"}));
    QCOMPARE(c["name"].toString(), QStringLiteral("C35-2"));
    QVERIFY(std::abs(c["eck"].toDouble() / truth.eck - 1) < 1e-6);
    QVERIFY(std::abs(c["Ec"].toDouble() / truth.Ec - 1) < 1e-6);
    QCOMPARE(Keys(c["points"].toObject()), QStringList({"compression"}));
    QCOMPARE(c["points"]["compression"]["used"].toInt(), 300);
    QCOMPARE(c["points"]["compression"]["leftOut"].toInt(), 0);
    QVERIFY(c["r2"]["compression"].toDouble() > 0.999999);

    const CliResult both = RunCli({"fit", Path("C35-2.csv"), "--tension-data", Path("tension.csv"),
                                   "--json", "--name", "Mix A"});
    QCOMPARE(both.exitCode, 0);
    const QJsonObject b = QJsonDocument::fromJson(both.out).object();
    QCOMPARE(Keys(b), QStringList({"Ec", "ac", "at", "eck", "etk", "fck", "ftk", "name", "points",
                                   "r2", "rms"}));
    QCOMPARE(b["name"].toString(), QStringLiteral("Mix A"));
    QVERIFY(std::abs(b["at"].toDouble() / truth.at - 1) < 1e-6);
    QCOMPARE(Keys(b["rms"].toObject()), QStringList({"compression", "tension"}));

    // Ec held at the code's value of a grade other than the specimen's: the fit follows it.
    const CliResult graded =
        RunCli({"fit", Path("C35-2.csv"), "--modulus-from-grade", "30", "--json"});
    QCOMPARE(graded.exitCode, 0);
    const QJsonObject g = QJsonDocument::fromJson(graded.out).object();
    QCOMPARE(g["Ec"].toDouble(), GradeValuesFor(30).Ec);
    QVERIFY(std::abs(g["eck"].toDouble() / truth.eck - 1) > 1e-4);
}

void TestCliFit::library()
{
    // Without tension data the library's tension is the code's for the nearest grade, and the
    // command says so; the file opens with the library reader.
    const QString out = Path("fitted.json");
    const CliResult result = RunCli({"fit", Path("C35-2.csv"), "-o", out});
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(result.err.contains(QStringLiteral("no tension data")) &&
                 result.err.contains(QStringLiteral("C35")),
             qPrintable(result.err));
    const ConcreteRegistry registry = ReadLibrary(out);
    QCOMPARE(registry.size(), std::size_t(1));
    const CConcrete& c = registry.at(0);
    QCOMPARE(c.ConcreteName, std::string("C35-2"));
    QVERIFY(std::abs(c.fck / truth.fck - 1) < 1e-6);
    QVERIFY(std::abs(c.ac / truth.ac - 1) < 1e-6);
    const GradeValues code = GradeValuesFor(35);
    QCOMPARE(c.ftk, code.ftk);
    QCOMPARE(c.etk, code.etk);
    QCOMPARE(c.at, code.at);

    // With tension data, the fitted tension; to standard output, the values go to stderr.
    const CliResult piped = RunCli({"fit", Path("C35-2.csv"), "--tension-data", Path("tension.csv"),
                                    "-o", "-"});
    QCOMPARE(piped.exitCode, 0);
    QVERIFY(!piped.err.contains(QStringLiteral("no tension data")));
    const ConcreteRegistry fromPipe = ParseLibrary(piped.out, QStringLiteral("-"));
    QVERIFY(std::abs(fromPipe.at(0).etk / truth.etk - 1) < 1e-6);
}

void TestCliFit::table()
{
    // The table under a decimal comma: the window's labels, fitted beside the code's values.
    const CliResult result = RunCli({"fit", Path("C35-2.csv"), "--fix-modulus", "31500"}, "de_DE.UTF-8");
    QCOMPARE(result.exitCode, 0);
    const QString text = QString::fromUtf8(result.out);
    QVERIFY2(text.contains(QStringLiteral("strain in column 1, % (from the heading); stress in column 2, "
                                          "MPa (from the heading); data from line 3; written negative")),
             qPrintable(text));
    const QChar comma = SeparatorUnder("de_DE.UTF-8");
    const DefinitionTexts code = GradeDefinitionTexts(35, comma.toLatin1());
    QVERIFY(text.contains(QRegularExpression(
        QStringLiteral("Modulus of elasticity Ec \\(N/mm2\\) +31500 \\(held\\) +%1\n").arg(QString::fromStdString(code.Ec)))));
    QVERIFY(text.contains(QRegularExpression(
        QStringLiteral("Axial Compression strength fc,k \\(N/mm2\\) +\\d+%2\\d\\d +%1\n").arg(QString::fromStdString(code.fck), QString(comma)))));
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("Points used +300\n"))));
}

QTEST_MAIN(TestCliFit)
#include "tst_cli_fit.moc"
