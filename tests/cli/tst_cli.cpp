// tarvolin-cli run as a program: its outputs against the window's own for the same concretes,
// its exit statuses and its messages.

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "concretewindow/Unit1.h"
#include "dialogs/PictureOptions.h"
#include "formats/AbaqusCdp.h"
#include "formats/OpenSeesWriter.h"
#include "model/NumberText.h"
#include "pictures/ChartPicture.h"
#include "platform/CheckList.h"
#include "chart/Chart.h"
#include "support/BigLibrary.h"
#include "support/CliRun.h"
#include "support/FakePlatform.h"
#include "support/Files.h"

namespace {

using testfiles::Read;
using testfiles::Write;

// A window under the given decimal separator, as it starts under a locale that has it.
std::unique_ptr<TForm1> MakeWindow(char separator)
{
    auto form = std::make_unique<TForm1>();
    form->SetDecimalSeparator(separator);
    form->edt9->setText(QString::fromStdString(FormatFloat("0.000", 0.016, separator)));
    form->resize(form->size());
    form->show();
    return form;
}

// Picks the grade in the grade box and presses Create Concrete.
void CreateFromGrade(TForm1& form, const QString& grade)
{
    form.cbb1->setEditText(QString());
    form.cbb1->setEditText(grade);
    QTest::mouseClick(form.btn1, Qt::LeftButton);
}

// What pdfinfo (poppler-utils) says of a PDF file; empty when it is not installed.
QString PdfInfo(const QString& path)
{
    const QString program = FindTool(QStringLiteral("pdfinfo"));
    if (program.isEmpty())
        return {};
    QProcess process;
    process.start(program, {path});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class TestCli : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void exitStatusAndMessage_data();
    void exitStatusAndMessage();
    void helpAndVersion();
    void basisOfGrades_data();
    void basisOfGrades();
    void lawRangeNoteOnStandardError_data();
    void lawRangeNoteOnStandardError();
    void csvSameAsSaveData_data();
    void csvSameAsSaveData();
    void textOutputsToStandardOutput();
    void picturesSameAsSavePicture_data();
    void picturesSameAsSavePicture();
    void picturesOfALongListAsTheWindow();
    void picturesSizedAsSavePicturesAs_data();
    void picturesSizedAsSavePicturesAs();
    void textCommandsStandAlone();
    void solverFilesSameAsWriters_data();
    void solverFilesSameAsWriters();

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<FakePlatform> platform;
};

void TestCli::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    platform = std::make_unique<FakePlatform>();
}

void TestCli::cleanup()
{
    platform.reset();
    dir.reset();
}

void TestCli::exitStatusAndMessage_data()
{
    // @D@ stands for the test's folder; the command must leave no @D@/out.* behind on failure.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("messageParts");

    const auto row = [](const char* name, QStringList arguments, int exitCode,
                        QStringList parts) {
        QTest::newRow(name) << arguments << exitCode << parts;
    };
    row("no command", {}, 2, {"No command given.", "Usage: tarvolin-cli COMMAND"});
    row("unknown command", {"bogus"}, 2, {"Unknown command \"bogus\".", "Usage:"});
    row("unknown option", {"csv", "--grade", "30", "-o", "@D@/out.csv", "--fast"}, 2,
        {"Unknown option \"--fast\".", "Usage: tarvolin-cli csv"});
    row("missing -o", {"csv", "--grade", "30"}, 2, {"-o is missing", "Usage: tarvolin-cli csv"});
    row("-o without value", {"csv", "--grade", "30", "-o"}, 2, {"-o needs a value."});
    row("no sources", {"library", "-o", "@D@/out.json"}, 2, {"No concretes"});
    row("grade not a number", {"csv", "--grade", "x", "-o", "@D@/out.csv"}, 2,
        {"\"x\" is not a valid floating number!"});
    row("grade negative", {"csv", "--grade", "-5", "-o", "@D@/out.csv"}, 2,
        {"\"-5\" fcu,k must be positive!"});
    row("grade zero", {"parameters", "--grade", "0"}, 2, {"\"0\" fcu,k must be positive!"});
    // Values beyond the largest double would be printed as INF and refused as a field's.
    row("grade overflows", {"csv", "--grade", "1e308", "-o", "@D@/out.csv"}, 2,
        {"--grade: \"1e308\" fcu,k is too large!"});
    row("grade overflows on the mean basis", {"parameters", "--grade", "3e280", "--basis", "mean",
                                              "--cv", "0.5"}, 2,
        {"--grade: \"3e280\" fcu,k is too large!"});
    row("separator", {"csv", "--grade", "30", "--separator", ";", "-o", "@D@/out.csv"}, 2,
        {"--separator must be . or ,"});
    row("format", {"pictures", "--grade", "30", "--format", "gif", "-o", "@D@/out"}, 2,
        {"--format must be bmp, png, svg or pdf"});
    // The basis of --grade: a wrong one or a bad δc names the option, before anything is read.
    row("basis unknown", {"csv", "--grade", "30", "--basis", "average", "-o", "@D@/out.csv"}, 2,
        {"--basis must be characteristic, mean or design (not \"average\").",
         "Usage: tarvolin-cli csv"});
    row("mean without cv", {"library", "--grade", "30", "--basis", "mean", "-o", "@D@/out.json"},
        2, {"--cv X is missing"});
    row("cv without mean", {"parameters", "--grade", "30", "--cv", "0.1"}, 2,
        {"--cv is for --basis mean only."});
    row("cv with design", {"csv", "--grade", "30", "--basis", "design", "--cv", "0.1", "-o",
                           "@D@/out.csv"}, 2, {"--cv is for --basis mean only."});
    row("cv zero", {"csv", "--grade", "30", "--basis", "mean", "--cv", "0", "-o", "@D@/out.csv"},
        2, {"--cv must be greater than 0 and less than 0.6 (not \"0\")."});
    row("cv negative", {"parameters", "--grade", "30", "--basis", "mean", "--cv=-0.1"}, 2,
        {"--cv must be greater than 0"});
    row("cv 0.6", {"abaqus", "--grade", "30", "--basis", "mean", "--cv", "0.6", "-o",
                   "@D@/out.inp"}, 2, {"(not \"0.6\")"});
    row("cv text", {"opensees", "--grade", "30", "--basis", "mean", "--cv", "abc", "-o",
                    "@D@/out.tcl"}, 2, {"--cv: \"abc\" is not a valid floating number!"});
    row("basis before a missing library", {"csv", "@D@/missing.json", "--basis", "x", "-o",
                                           "@D@/out.csv"}, 2, {"--basis must be"});
    row("pictures to stdout", {"pictures", "--grade", "30", "-o", "-"}, 2, {"-o - is for text"});
    // Picture sizes as the window's options dialog takes them; nothing is drawn or written.
    row("width not a number", {"pictures", "--grade", "30", "--width", "wide", "-o", "@D@/out"},
        2, {"--width must be a whole number of pixels from 16 to 10000 (not \"wide\").",
            "Usage: tarvolin-cli pictures"});
    row("width with a fraction", {"pictures", "--grade", "30", "--width", "800.5", "-o",
                                  "@D@/out"}, 2, {"--width must be", "\"800.5\""});
    row("height below 16", {"pictures", "--grade", "30", "--height", "15", "-o", "@D@/out"}, 2,
        {"--height must be", "\"15\""});
    row("height negative", {"pictures", "--grade", "30", "--height=-200", "-o", "@D@/out"}, 2,
        {"--height must be", "\"-200\""});
    row("width above 10000", {"pictures", "--grade", "30", "--width", "10001", "-o", "@D@/out"},
        2, {"--width must be", "\"10001\""});
    row("scale 4", {"pictures", "--grade", "30", "--format", "png", "--scale", "4", "-o",
                    "@D@/out"}, 2, {"--scale must be 1, 2 or 3 (not \"4\")."});
    row("scale of a BMP", {"pictures", "--grade", "30", "--scale", "2", "-o", "@D@/out"}, 2,
        {"--scale is for PNG pictures only"});
    row("scale of an SVG", {"pictures", "--grade", "30", "--format", "svg", "--scale", "1", "-o",
                            "@D@/out"}, 2, {"--scale is for PNG pictures only"});
    row("too large once scaled", {"pictures", "--grade", "30", "--format", "png", "--width",
                                  "4000", "--scale", "3", "-o", "@D@/out"}, 2,
        {"--width 4000 at --scale 3 makes 12000 pixels"});
    row("size before a missing library", {"pictures", "@D@/missing.json", "--width", "0", "-o",
                                           "@D@/out"}, 2, {"--width must be"});
    row("-o twice", {"csv", "--grade", "30", "-o", "@D@/out.csv", "-o", "@D@/out2.csv"}, 2,
        {"-o is given twice."});
    // Grade 5 fills a negative shape parameter, which Create Concrete refuses.
    row("grade the window refuses", {"csv", "--grade", "5", "-o", "@D@/out.csv"}, 1,
        {"--grade 5", "\"Con_5\"", "field ac", "Shape parameter must be postive."});
    row("missing library", {"csv", "@D@/missing.json", "-o", "@D@/out.csv"}, 1,
        {"missing.json"});
    row("bad library", {"library", "@D@/bad.json", "-o", "@D@/out.json"}, 1, {"bad.json"});
    row("library with a bad concrete", {"csv", "--grade", "30", "@D@/refused.json", "-o",
                                        "@D@/out.csv"}, 1, {"refused.json", "C40", "fck"});
    row("duplicate names", {"csv", "--grade", "30", "@D@/lib30.json", "--grade", "25", "-o",
                            "@D@/out.csv"}, 1,
        {"\"Con_30\"", "--grade 30", "lib30.json", "unique"});
    row("folder is a file", {"csv", "--grade", "30", "-o", "@D@/file/out.csv"}, 1,
        {"out.csv"});
    row("pictures into a file", {"pictures", "--grade", "30", "-o", "@D@/file"}, 1,
        {"file", "not a folder"});
    row("pictures below a file", {"pictures", "--grade", "30", "-o", "@D@/file/out"}, 1,
        {"out"});
    row("output is a folder", {"csv", "--grade", "30", "-o", "@D@"}, 1, {"Cannot"});
    // Bad option values are a wrong command line, found before any source is read.
    row("abaqus units", {"abaqus", "--grade", "30", "--units", "km", "-o", "@D@/out.inp"}, 2,
        {"--units: \"km\"", "Usage: tarvolin-cli abaqus"});
    row("abaqus poisson at 0.5", {"abaqus", "--grade", "30", "--poisson", "0.5", "-o",
                                  "@D@/out.inp"}, 2, {"--poisson: \"0.5\""});
    row("abaqus poisson with a comma", {"abaqus", "--grade", "30", "--poisson", "0,2", "-o",
                                        "@D@/out.inp"}, 2, {"--poisson: \"0,2\""});
    row("abaqus rows", {"abaqus", "--grade", "30", "--rows", "2", "-o", "@D@/out.inp"}, 2,
        {"--rows: \"2\""});
    row("abaqus damage", {"abaqus", "--grade", "30", "--damage", "full", "-o", "@D@/out.inp"}, 2,
        {"--damage: \"full\""});
    row("abaqus unloading for tension", {"abaqus", "--grade", "30", "--tension-damage",
                                         "unloading", "-o", "@D@/out.inp"}, 2,
        {"--tension-damage: unloading is the code's rule for compression"});
    row("abaqus output type", {"abaqus", "--grade", "30", "--output", "cae", "-o",
                               "@D@/out.inp"}, 2, {"--output: \"cae\""});
    row("abaqus displacement without a crack band",
        {"abaqus", "--grade", "30", "--tension", "displacement", "-o", "@D@/out.inp"}, 2,
        {"--tension displacement", "--crack-band", "Usage: tarvolin-cli abaqus"});
    row("abaqus crack band 0", {"abaqus", "--grade", "30", "--tension", "displacement",
                                "--crack-band", "0", "-o", "@D@/out.inp"}, 2,
        {"--crack-band: \"0\""});
    row("abaqus bc", {"abaqus", "--grade", "30", "--bc", "1.5", "-o", "@D@/out.inp"}, 2,
        {"--bc: \"1.5\""});
    row("abaqus e0", {"abaqus", "--grade", "30", "--e0", "initial", "-o", "@D@/out.inp"}, 2,
        {"--e0: \"initial\""});
    row("opensees eta-p", {"opensees", "--grade", "30", "--eta-p", "-1", "-o", "@D@/out.tcl"}, 2,
        {"--eta-p: \"-1\""});
    row("abaqus option before a missing library", {"abaqus", "@D@/missing.json", "--k", "0.5",
                                                   "-o", "@D@/out.inp"}, 2, {"--k: \"0.5\""});
    row("opensees first tag", {"opensees", "--grade", "30", "--first-tag", "0", "-o",
                               "@D@/out.tcl"}, 2, {"--first-tag: \"0\"", "Usage: tarvolin-cli opensees"});
    row("opensees format", {"opensees", "--grade", "30", "--format", "inp", "-o", "@D@/out.tcl"},
        2, {"--format: \"inp\""});
    row("opensees takes no --output", {"opensees", "--grade", "30", "--output-type", "py", "-o",
                                       "@D@/out.tcl"}, 2, {"Unknown option"});
    // A curve that ends before its peak has no branch to write.
    row("abaqus refused concrete", {"abaqus", "--grade", "30", "@D@/short.json", "-o",
                                    "@D@/out.inp"}, 1,
        {"\"Short\" cannot be written", "Nothing was written."});
    row("opensees tags run out", {"opensees", "--grade", "30", "--grade", "50", "--first-tag",
                                  "2147483647", "-o", "@D@/out.tcl"}, 1,
        {"2147483647", "Nothing was written."});
    row("abaqus nothing shown", {"abaqus", "@D@/hidden.json", "-o", "@D@/out.inp"}, 1,
        {"No concrete is shown"});
}

void TestCli::exitStatusAndMessage()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, messageParts);

    const QString d = dir->path();
    QVERIFY(Write(d + "/bad.json", "{\"format\": \"tarvolin-library\", \"version\": 1, \"concretes\": 5}"));
    QVERIFY(Write(d + "/file", "a regular file"));
    QVERIFY(Write(d + "/refused.json",
                  R"({"format": "tarvolin-library", "version": 1, "concretes": [
                     {"name": "C40", "Ec": 32600, "fck": -26.8, "ftk": 2.39, "eck": 0.0016,
                      "etk": 0.000104, "ac": 1.167, "at": 1.782, "ecmax": 0.016,
                      "etmax": 0.0007, "shown": true}]})"));
    QVERIFY(Write(d + "/short.json",
                  R"({"format": "tarvolin-library", "version": 1, "concretes": [
                     {"name": "Short", "Ec": 30000, "fck": 20.1, "ftk": 2.01, "eck": 0.001471,
                      "etk": 0.000095, "ac": 0.75, "at": 1.26, "ecmax": 0.001,
                      "etmax": 0.0007, "shown": true}]})"));
    QVERIFY(Write(d + "/hidden.json",
                  R"({"format": "tarvolin-library", "version": 1, "concretes": [
                     {"name": "Hidden", "Ec": 30000, "fck": 20.1, "ftk": 2.01, "eck": 0.001471,
                      "etk": 0.000095, "ac": 0.75, "at": 1.26, "ecmax": 0.016,
                      "etmax": 0.0007, "shown": false}]})"));
    const CliResult library = RunCli({"library", "--grade", "30", "-o", d + "/lib30.json"});
    QVERIFY2(library.exitCode == 0, qPrintable(library.err));
    const QStringList before = QDir(d).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

    for (QString& argument : arguments)
        argument.replace(QLatin1String("@D@"), d);
    const CliResult result = RunCli(arguments);
    QVERIFY2(result.exitCode == exitCode,
             qPrintable(QStringLiteral("exit code %1, expected %2; %3")
                            .arg(result.exitCode)
                            .arg(exitCode)
                            .arg(result.err)));
    for (const QString& part : messageParts)
        QVERIFY2(result.err.contains(part), qPrintable(result.err));
    QVERIFY(result.out.isEmpty());
    QCOMPARE(QDir(d).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
}

void TestCli::helpAndVersion()
{
    CliResult result = RunCli({"--version"});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QByteArray("tarvolin-cli " TARVOLIN_VERSION "\n"));

    result = RunCli({"--help"});
    QCOMPARE(result.exitCode, 0);
    for (const char* command : {"parameters", "library", "csv", "pictures", "abaqus", "opensees"})
        QVERIFY(result.out.contains(QByteArray("  ") + command + ' '));

    for (const char* command : {"parameters", "library", "csv", "pictures", "abaqus", "opensees"}) {
        result = RunCli({command, "--help"});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.out.startsWith(QByteArray("Usage: tarvolin-cli ") + command));
        QVERIFY(result.err.isEmpty());
    }

    result = RunCli({"parameters", "--grade", "30"});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.out.contains("Concrete Name                               Con_30\n"));
    QVERIFY(result.out.contains("Shape parameter for Tension  at             1.261\n"));
    const QChar comma = SeparatorUnder("de_DE.UTF-8");
    result = RunCli({"parameters", "--grade", QStringLiteral("22") + comma + QStringLiteral("5")}, "de_DE.UTF-8");
    QVERIFY(result.out.contains((QStringLiteral("Con_22") + comma + QStringLiteral("5\n")).toUtf8()));
    QVERIFY(result.out.contains((QStringLiteral("15") + comma + QStringLiteral("0\n")).toUtf8()));

    result = RunCli({"parameters", "--grade", "30", "--json"});
    QCOMPARE(result.exitCode, 0);
    const QJsonObject json = QJsonDocument::fromJson(result.out).object();
    QCOMPARE(json.value("name").toString(), QStringLiteral("Con_30"));
    QCOMPARE(json.value("fck").toDouble(), 0.88 * 0.76 * 30);
}

void TestCli::basisOfGrades_data()
{
    QTest::addColumn<QStringList>("basisOptions");
    QTest::addColumn<QString>("basisLine");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fck");  // after the label of the basis's fc
    QTest::addColumn<QString>("key");  // "basis" in JSON and library files; "" when absent
    QTest::addColumn<double>("cv");    // 0: no "cv"
    QTest::newRow("characteristic") << QStringList{} << "characteristic (fc,k, ft,k)" << "Con_30"
                                    << "Axial Compression strength fc,k (N/mm2)     20.1" << ""
                                    << 0.0;
    QTest::newRow("characteristic, said") << QStringList{"--basis", "characteristic"}
                                          << "characteristic (fc,k, ft,k)" << "Con_30"
                                          << "Axial Compression strength fc,k (N/mm2)     20.1"
                                          << "" << 0.0;
    QTest::newRow("mean") << QStringList{"--basis", "mean", "--cv", "0.1"}
                          << "mean (fcm, ftm), \u03B4c = 0.1" << "Con_30m"
                          << "Mean Comp. strength fc,m (N/mm2)            24.0" << "mean" << 0.1;
    QTest::newRow("mean, comma") << QStringList{"--basis=mean", "--cv=0,15"}
                                 << "mean (fcm, ftm), \u03B4c = 0.15" << "Con_30m"
                                 << "Mean Comp. strength fc,m (N/mm2)            26.6" << "mean"
                                 << 0.15;
    QTest::newRow("design") << QStringList{"--basis", "design"} << "design (fc, ft)" << "Con_30d"
                            << "Design Compression strength fc (N/mm2)      14.3" << "design"
                            << 0.0;
}

// parameters says the basis; library writes it into the file, as the window does.
void TestCli::basisOfGrades()
{
    QFETCH(QStringList, basisOptions);
    QFETCH(QString, basisLine);
    QFETCH(QString, name);
    QFETCH(QString, fck);
    QFETCH(QString, key);
    QFETCH(double, cv);

    CliResult result = RunCli(QStringList{"parameters", "--grade", "30"} + basisOptions);
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(result.err.isEmpty(), qPrintable(result.err));
    const QList<QByteArray> lines = result.out.split('\n');
    QCOMPARE(lines.value(0), QStringLiteral("Strength basis").leftJustified(44).toUtf8() +
                                 basisLine.toUtf8());
    QVERIFY(result.out.contains(QByteArray("Concrete Name").leftJustified(44) + name.toUtf8()));
    QVERIFY2(result.out.contains(fck.toUtf8() + '\n'), result.out.constData());

    result = RunCli(QStringList{"parameters", "--grade", "30", "--json"} + basisOptions);
    QCOMPARE(result.exitCode, 0);
    const QJsonObject json = QJsonDocument::fromJson(result.out).object();
    QCOMPARE(json.value("basis").toString(), key.isEmpty() ? QStringLiteral("characteristic") : key);
    QCOMPARE(json.value("name").toString(), name);
    QCOMPARE(json.contains("cv"), cv > 0);
    if (cv > 0)
        QCOMPARE(json.value("cv").toDouble(), cv);

    const QString library = dir->filePath("basis.json");
    result = RunCli(QStringList{"library", "--grade", "30", "-o", library} + basisOptions);
    QCOMPARE(result.exitCode, 0);
    const QJsonObject concrete = QJsonDocument::fromJson(Read(library))
                                     .object()
                                     .value("concretes")
                                     .toArray()
                                     .at(0)
                                     .toObject();
    QCOMPARE(concrete.value("name").toString(), name);
    QCOMPARE(concrete.contains("basis"), !key.isEmpty());
    QCOMPARE(concrete.value("basis").toString(), key);
    QCOMPARE(concrete.contains("cv"), cv > 0);
    if (cv > 0)
        QCOMPARE(concrete.value("cv").toDouble(), cv);
}

void TestCli::lawRangeNoteOnStandardError_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("noted");  // grades noted on stderr, in order
    QTest::newRow("inside") << QStringList{"parameters", "--grade", "30"} << QStringList{};
    QTest::newRow("ends") << QStringList{"csv", "--grade", "20", "--grade", "80", "-o", "-"}
                          << QStringList{};
    QTest::newRow("below") << QStringList{"parameters", "--grade", "15", "--json"}
                           << QStringList{"15"};
    QTest::newRow("between and beyond")
        << QStringList{"csv", "--grade", "19.5", "--grade", "30", "--grade", "85", "-o", "-"}
        << QStringList{"19.5", "85"};
    QTest::newRow("design") << QStringList{"library", "--grade", "85", "--basis", "design", "-o",
                                           "-"}
                            << QStringList{"85"};
}

// Any positive grade is taken, as in the window; outside C20-C80 a note says so on stderr and
// the exit status stays 0.
void TestCli::lawRangeNoteOnStandardError()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, noted);
    const CliResult result = RunCli(arguments);
    QCOMPARE(result.exitCode, 0);
    QVERIFY(!result.out.isEmpty());
    QString expected;
    for (const QString& grade : noted)
        expected += QStringLiteral("tarvolin-cli: note: grade %1 lies outside C20-C80, the grades "
                                   "the law of GB 50010-2010 Appendix C is stated for.\n")
                        .arg(grade);
    QCOMPARE(result.err, expected);
}

void TestCli::csvSameAsSaveData_data()
{
    QTest::addColumn<char>("separator");
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QStringList>("separatorOption");
    QTest::newRow("point, from the locale") << '.' << QByteArray("C.UTF-8") << QStringList{};
    QTest::newRow("comma, from the locale")
        << SeparatorUnder("de_DE.UTF-8").toLatin1() << QByteArray("de_DE.UTF-8") << QStringList{};
    QTest::newRow("comma, chosen") << ',' << QByteArray("C.UTF-8")
                                   << QStringList{"--separator", ","};
    QTest::newRow("point, chosen") << '.' << QByteArray("de_DE.UTF-8")
                                   << QStringList{"--separator", "."};
}

void TestCli::csvSameAsSaveData()
{
    QFETCH(char, separator);
    QFETCH(QByteArray, locale);
    QFETCH(QStringList, separatorOption);

    const QString windowCsv = dir->filePath("window.csv");
    {
        auto form = MakeWindow(separator);
        for (const char* grade : {"30", "22.5", "80"})
            CreateFromGrade(*form, QString::fromLatin1(grade).replace('.', QChar::fromLatin1(separator)));
        QCOMPARE(form->concretes.size(), std::size_t(3));
        platform->saveAnswers = {windowCsv};
        form->btn5Click();
    }

    const QString cliCsv = dir->filePath("cli.csv");
    const CliResult result = RunCli(
        QStringList{"csv", "--grade", "30", "--grade", "22.5", "--grade", "80", "-o", cliCsv} +
            separatorOption,
        locale);
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.err.isEmpty());
    QCOMPARE(Read(cliCsv), Read(windowCsv));
}

void TestCli::textOutputsToStandardOutput()
{
    const QString csv = dir->filePath("out.csv");
    QCOMPARE(RunCli({"csv", "--grade", "40", "-o", csv}).exitCode, 0);
    CliResult result = RunCli({"csv", "--grade", "40", "-o", "-"});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, Read(csv));

    const QString library = dir->filePath("lib.json");
    QCOMPARE(RunCli({"library", "--grade", "40", "--grade", "45", "-o", library}).exitCode, 0);
    result = RunCli({"library", library, "-o", "-"});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, Read(library));
    // The library's concretes are the grades' own: the same CSV bytes from either source.
    result = RunCli({"csv", library, "-o", "-"});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, RunCli({"csv", "--grade", "40", "--grade", "45", "-o", "-"}).out);

    // A name Abaqus does not take is changed, which is worth a note but no failure.
    result = RunCli({"abaqus", "--grade", "22.5", "-o", "-"});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.out.contains("*Material, name=Con_22_5\n"));
    QVERIFY2(result.err.contains("note: concrete \"Con_22.5\" is written as material \"Con_22_5\""),
             qPrintable(result.err));
}

void TestCli::picturesSameAsSavePicture_data()
{
    QTest::addColumn<bool>("hideSecond");
    QTest::newRow("all shown") << false;
    QTest::newRow("second hidden") << true;
}

void TestCli::picturesSameAsSavePicture()
{
    QFETCH(bool, hideSecond);

    const QString folder = dir->filePath("window");
    QVERIFY(QDir().mkpath(folder));
    {
        auto form = MakeWindow('.');
        for (const char* grade : {"30", "50", "70"})
            CreateFromGrade(*form, QString::fromLatin1(grade));
        QCOMPARE(form->concretes.size(), std::size_t(3));
        if (hideSecond)
            form->lst1->item(1)->setCheckState(Qt::Unchecked);  // as a click on its box
        platform->directoryAnswers = {folder};
        form->btn4Click();
    }

    QStringList sources{"--grade", "30", "--grade", "50", "--grade", "70"};
    if (hideSecond) {
        // The shown flag travels in a library file.
        const QString library = dir->filePath("lib.json");
        QCOMPARE(RunCli(QStringList{"library"} + sources + QStringList{"-o", library}).exitCode, 0);
        QJsonObject json = QJsonDocument::fromJson(Read(library)).object();
        QJsonArray concretes = json.value("concretes").toArray();
        QJsonObject second = concretes.at(1).toObject();
        second.insert("shown", false);
        concretes.replace(1, second);
        json.insert("concretes", concretes);
        QVERIFY(Write(library, QJsonDocument(json).toJson()));
        sources = QStringList{library};
    }

    const QString out = dir->filePath("cli/new");  // made by the command
    const CliResult result = RunCli(QStringList{"pictures"} + sources + QStringList{"-o", out});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.err.isEmpty());
    for (const char* name : {"/Compression.bmp", "/Tension.bmp"}) {
        const QByteArray expected = Read(folder + name);
        QVERIFY(expected.size() > 1000);
        QVERIFY2(Read(out + name) == expected, name);
    }
}

// A list of hundreds: the window's legend lists the first rows and counts the rest, and the
// command line's pictures of the same library are the very pictures Save Picture writes.
void TestCli::picturesOfALongListAsTheWindow()
{
    const QString library = dir->filePath("long.json");
    WriteBigLibrary(library, 300);
    const QString folder = dir->filePath("window");
    QVERIFY(QDir().mkpath(folder));
    {
        auto form = MakeWindow('.');
        platform->openAnswers = {library};
        form->OpenLibrary1->trigger();
        QCOMPARE(form->lst1->Count(), 300);
        for (TChart* chart : {form->cht1, form->cht2}) {
            const QStringList texts = chart->LegendTexts();
            QCOMPARE(texts.size(), TChart::LegendRows);
            QCOMPARE(texts.first(), QStringLiteral("C0"));
            QCOMPARE(texts.last(), QStringLiteral("… and 281 more"));
        }
        platform->directoryAnswers = {folder};
        form->btn4Click();
    }
    const QString out = dir->filePath("cli");
    const CliResult result = RunCli({"pictures", library, "-o", out});
    QCOMPARE(result.exitCode, 0);
    for (const char* name : {"/Compression.bmp", "/Tension.bmp"}) {
        const QByteArray expected = Read(folder + name);
        QVERIFY(expected.size() > 1000);
        QVERIFY2(Read(out + name) == expected, name);
    }
}

void TestCli::picturesSizedAsSavePicturesAs_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("width");   // 0: the chart's own
    QTest::addColumn<int>("height");  // 0: the chart's own
    QTest::addColumn<int>("scale");

    QTest::newRow("png 2x") << QStringList{"--format", "png", "--scale", "2"} << "png" << 0 << 0
                            << 2;
    QTest::newRow("png 800 x 400 at 3x")
        << QStringList{"--format", "png", "--width", "800", "--height=400", "--scale", "3"}
        << "png" << 800 << 400 << 3;
    QTest::newRow("png 1x, 1200 wide") << QStringList{"--format", "png", "--scale", "1",
                                                       "--width", "1200"}
                                        << "png" << 1200 << 0 << 1;
    QTest::newRow("bmp 300 high") << QStringList{"--height", "300"} << "bmp" << 0 << 300 << 1;
    QTest::newRow("svg 16 x 16") << QStringList{"--format=svg", "--width", "16", "--height", "16"}
                                 << "svg" << 16 << 16 << 1;
    QTest::newRow("pdf 1000 x 600") << QStringList{"--format", "pdf", "--width", "1000",
                                                   "--height", "600"}
                                    << "pdf" << 1000 << 600 << 1;
}

// The command line's sizes and scale make the pictures that the window's Save Pictures As makes
// with the same choices, titled with the chart's name.
void TestCli::picturesSizedAsSavePicturesAs()
{
    QFETCH(QStringList, options);
    QFETCH(QString, format);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, scale);

    const std::optional<PictureFormat> pictureFormat = PictureFormatFromPath("x." + format);
    QVERIFY(pictureFormat);
    if (*pictureFormat == PictureFormat::Svg && !CanWriteSvg()) {
        const QString out = dir->filePath("cli");
        const CliResult result = RunCli(QStringList{"pictures", "--grade", "30", "-o", out} + options);
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains("cannot write SVG pictures"), qPrintable(result.err));
        QVERIFY(!QFileInfo::exists(out));
        return;
    }
    const QList<QSize> sizes{QSize(width ? width : 585, height ? height : 223),
                             QSize(width ? width : 585, height ? height : 203)};
    const QString folder = dir->filePath("window");
    QVERIFY(QDir().mkpath(folder));
    {
        auto form = MakeWindow('.');
        for (const char* grade : {"30", "50"})
            CreateFromGrade(*form, QString::fromLatin1(grade));
        QCOMPARE(form->concretes.size(), std::size_t(2));
        platform->directoryAnswers = {folder};
        InstallPictureOptionsHook([&](QWidget*, PictureChoice& choice) {
            choice.format = *pictureFormat;
            choice.sizes = sizes;
            choice.scale = scale;
            return true;
        });
        form->SavePicturesAs1->trigger();
        InstallPictureOptionsHook({});
        QCOMPARE(platform->Texts().last(), QString("Images saved successfully!."));
    }

    const QString out = dir->filePath("cli");
    const CliResult result = RunCli(QStringList{"pictures", "--grade", "30", "--grade", "50", "-o",
                                             out} + options);
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(result.err.isEmpty(), qPrintable(result.err));
    QCOMPARE(QDir(out).entryList(QDir::Files),
             QStringList({"Compression." + format, "Tension." + format}));

    const QStringList titles{"Compression", "Tension"};
    for (int i = 0; i < 2; ++i) {
        const QString name = titles[i] + "." + format;
        const QByteArray picture = Read(out + "/" + name);
        if (format == "pdf") {
            // A PDF carries the time it was made: its title, creator and page are compared.
            const QString info = PdfInfo(out + "/" + name);
            if (info.isEmpty())
                QSKIP("pdfinfo (poppler-utils) is not installed");
            QVERIFY2(info.contains(QRegularExpression("Title:\\s+" + titles[i] + "\n")),
                     qPrintable(info));
            QVERIFY2(info.contains(QRegularExpression("Creator:\\s+Tarvolin\n")),
                     qPrintable(info));
            QVERIFY2(info.contains(QStringLiteral("Page size:       %1 x %2 pts")
                                       .arg(sizes[i].width() * 0.75)
                                       .arg(sizes[i].height() * 0.75)),
                     qPrintable(info));
            QCOMPARE(PdfInfo(folder + "/" + name).section("Page size", 1),
                     info.section("Page size", 1));
            continue;
        }
        QVERIFY2(picture == Read(folder + "/" + name), qPrintable(name));
        if (format == "svg") {
            QVERIFY2(picture.contains("<title>" + titles[i].toUtf8() + "</title>"),
                     picture.left(400).constData());
            continue;
        }
        const QImage image = QImage::fromData(picture);
        QCOMPARE(image.size(), sizes[i] * scale);
        QCOMPARE(qRound(image.dotsPerMeterX() * 0.0254), 96 * scale);
    }
}

// tarvolin-cli runs its text commands on its own and draws with tarvolin-cli-draw: copied
// where the drawing program is not, it still writes CSV files, and says what is missing when
// asked for pictures.
void TestCli::textCommandsStandAlone()
{
#ifdef Q_OS_WIN
    QSKIP("tarvolin-cli.exe draws its pictures itself: there is no drawing program to be missing");
#endif
    const QString alone = dir->filePath("bin/tarvolin-cli");
    QVERIFY(QDir().mkpath(dir->filePath("bin")));
    QVERIFY(QFile::copy(QStringLiteral(TARVOLIN_CLI_PATH), alone));
    QVERIFY(QFile::setPermissions(alone, QFile::permissions(TARVOLIN_CLI_PATH)));

    CliResult result = RunCli({"csv", "--grade", "30", "-o", dir->filePath("out.csv")}, "C.UTF-8",
                           alone);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(Read(dir->filePath("out.csv")),
             RunCli({"csv", "--grade", "30", "-o", "-"}).out);

    result = RunCli({"pictures", "--grade", "30", "-o", dir->filePath("pictures")}, "C.UTF-8",
                    alone);
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.err.contains("Cannot start") && result.err.contains("tarvolin-cli-draw"),
             qPrintable(result.err));
    QVERIFY(!QFileInfo::exists(dir->filePath("pictures")));
}

void TestCli::solverFilesSameAsWriters_data()
{
    // The options go to the command line and, pair by pair, to the writer's own setter; the
    // expected part shows that the value reached the file, not only that both sides agree.
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("output");  // file name in the test's folder, or -
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("expectedPart");
    QTest::addColumn<QString>("warning");  // a part of standard error, or empty for none

    QTest::newRow("abaqus inp") << "abaqus" << "out.inp" << QStringList{}
                                << QByteArray("*Concrete Damaged Plasticity") << QString();
    QTest::newRow("abaqus py by suffix") << "abaqus" << "out.PY" << QStringList{}
                                         << QByteArray("mdb.models[u'Model-1']") << QString();
    QTest::newRow("abaqus --output beats the suffix")
        << "abaqus" << "out.inp" << QStringList{"--output", "py", "--model", "Beam 2"}
        << QByteArray("mdb.models[u'Beam 2']") << QString();
    QTest::newRow("abaqus to stdout is inp") << "abaqus" << "-" << QStringList{}
                                             << QByteArray("*Material, name=Con_30") << QString();
    QTest::newRow("abaqus other suffix is inp") << "abaqus" << "out.txt" << QStringList{}
                                                << QByteArray("*Material, name=Con_30") << QString();
    QTest::newRow("abaqus units m") << "abaqus" << "out.inp" << QStringList{"--units", "m"}
                                    << QByteArray("*Elastic\n2.9791e+10, 0.2\n") << QString();
    QTest::newRow("abaqus plasticity options")
        << "abaqus" << "out.inp"
        << QStringList{"--poisson", "0.15", "--dilation", "36", "--eccentricity", "0.2",
                       "--fb0-fc0", "1.2", "--k", "0.7", "--viscosity", "0", "--elastic-limit",
                       "0.3", "--damage", "none", "--rows", "5"}
        << QByteArray("36.0, 0.2, 1.2, 0.7, 0.0") << QString();
    QTest::newRow("abaqus code damage, inline values")
        << "abaqus" << "out.inp" << QStringList{"--damage=code", "--rows=100"}
        << QByteArray("*Concrete Compression Damage")
        << "warning: the code damage rule leaves Abaqus no plastic strain";
    QTest::newRow("abaqus birtel-mark, secant, displacement")
        << "abaqus" << "out.py"
        << QStringList{"--damage", "birtel-mark", "--bc", "0.6", "--bt", "0.2", "--e0", "secant",
                       "--tension", "displacement", "--crack-band", "50", "--elastic-limit",
                       "0.35"}
        << QByteArray("cdp.ConcreteTensionDamage(table=(\n    (0.0, 0.0),") << QString();
    QTest::newRow("abaqus default unloading, birtel-mark tension")
        << "abaqus" << "out.inp" << QStringList{"--tension-damage", "birtel-mark", "--bt", "0.2"}
        << QByteArray("*Concrete Compression Damage\n0.0, 0.0\n") << QString();
    QTest::newRow("abaqus bc without birtel-mark")
        << "abaqus" << "out.inp" << QStringList{"--bc", "0.5", "--damage", "unloading"}
        << QByteArray("*Concrete Tension Damage\n") << "--bc is used only with --damage birtel-mark";
    QTest::newRow("abaqus crack band without displacement")
        << "abaqus" << "out.inp" << QStringList{"--crack-band", "50", "--bt", "0.2"}
        << QByteArray("*Concrete Tension Stiffening\n2.01, 0.0\n") << "--crack-band is used only";
    QTest::newRow("opensees tcl") << "opensees" << "out.tcl" << QStringList{}
                                  << QByteArray("uniaxialMaterial ConcreteD 1 ") << QString();
    QTest::newRow("opensees py by suffix") << "opensees" << "out.py" << QStringList{}
                                           << QByteArray("ops.uniaxialMaterial('ConcreteD', 1,") << QString();
    QTest::newRow("opensees first tag") << "opensees" << "-" << QStringList{"--first-tag", "7"}
                                        << QByteArray("uniaxialMaterial ConcreteD 8 ") << QString();
    QTest::newRow("opensees --format beats the suffix")
        << "opensees" << "out.tcl" << QStringList{"--format", "py"}
        << QByteArray("ops.uniaxialMaterial('ConcreteD', 1,") << QString();
    QTest::newRow("opensees plastic-strain parameters")
        << "opensees" << "out.tcl" << QStringList{"--eps-sp", "0.3", "--eta-p", "1.2"}
        << QByteArray(" 0.3 1.2\n") << QString();
}

void TestCli::solverFilesSameAsWriters()
{
    QFETCH(QString, command);
    QFETCH(QString, output);
    QFETCH(QStringList, options);
    QFETCH(QByteArray, expectedPart);
    QFETCH(QString, warning);

    // The window's own concretes, as its export dialog starts with them checked.
    auto form = MakeWindow('.');
    for (const char* grade : {"30", "50"})
        CreateFromGrade(*form, QString::fromLatin1(grade));
    const std::vector<const CConcrete*> shown = form->concretes.ShownConcretes();
    QCOMPARE(shown.size(), std::size_t(2));

    const bool toFile = output != QLatin1String("-");
    const QString path = toFile ? dir->filePath(output) : output;
    std::string expected;
    std::string error;
    QStringList pairs;  // name, value, name, value, ...
    for (const QString& option : options) {
        const qsizetype equals = option.indexOf('=');
        if (equals >= 0)
            pairs << option.left(equals) << option.mid(equals + 1);
        else
            pairs << option;
    }
    if (command == QLatin1String("abaqus")) {
        AbaqusOptions abaqus;
        if (toFile)
            AbaqusOutputForPath(path.toStdString(), abaqus.output);
        for (qsizetype i = 0; i + 1 < pairs.size(); i += 2)
            QVERIFY2(SetAbaqusOption(abaqus, pairs[i].toStdString(), pairs[i + 1].toStdString(),
                                     error), error.c_str());
        expected = BuildAbaqusExport(shown, abaqus).text;
    } else {
        OpenSeesOptions opensees;
        if (toFile)
            OpenSeesFormatForPath(path.toStdString(), opensees.format);
        for (qsizetype i = 0; i + 1 < pairs.size(); i += 2)
            QVERIFY2(SetOpenSeesOption(opensees, pairs[i].toStdString(),
                                       pairs[i + 1].toStdString(), error), error.c_str());
        expected = BuildOpenSeesExport(shown, opensees).text;
    }
    QVERIFY(!expected.empty());

    const CliResult result =
        RunCli(QStringList{command, "--grade", "30", "--grade", "50", "-o", path} + options);
    QCOMPARE(result.exitCode, 0);
    if (warning.isEmpty())
        QVERIFY2(result.err.isEmpty(), qPrintable(result.err));
    else
        QVERIFY2(result.err.contains(warning), qPrintable(result.err));
    const QByteArray written = toFile ? Read(path) : result.out;
    if (toFile)
        QVERIFY(result.out.isEmpty());
    QCOMPARE(written, QByteArray::fromStdString(expected));
    QVERIFY2(written.contains(expectedPart), written.left(2000).constData());
}

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
