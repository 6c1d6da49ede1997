// tarvolin-cli under a Chinese locale: every message and help text it prints is Chinese, every
// text of the command line's code has a finished translation, and its pictures are the window's
// own, byte for byte. This test runs under LANGUAGE=zh_CN and LC_ALL=zh_CN.UTF-8
// (tests/CMakeLists.txt), so that the window it compares with speaks Chinese too.

#include <QDir>
#include <QComboBox>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <memory>

#include "concretewindow/Unit1.h"
#include "dialogs/PictureOptions.h"
#include "pictures/ChartPicture.h"
#include "platform/Translation.h"
#include "steelwindow/SteelForm.h"
#include "support/CjkFonts.h"
#include "support/CliRun.h"
#include "support/FakePlatform.h"
#include "support/Files.h"
#include "support/MeasuredCurves.h"

namespace {

using testfiles::Read;
using testfiles::Write;

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
    QByteArray outBytes;
};

// The command line with the language chosen as a user chooses it, and no display.
Run RunIn(bool chinese, const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG", "DISPLAY",
                             "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("LC_ALL"),
                       chinese ? QStringLiteral("zh_CN.UTF-8") : QStringLiteral("C.UTF-8"));
    if (chinese)
        environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("zh_CN"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TARVOLIN_CLI_PATH), arguments);
    Run run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.outBytes = process.readAllStandardOutput();
    run.out = QString::fromUtf8(run.outBytes);
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

bool HasHan(const QString& text)
{
    for (const QChar c : text)
        if (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF)
            return true;
    return false;
}

// Words that stand in Chinese text as they are: names of programs and formats, the values
// options take and the keys files use, which a user types or reads in English.
const QSet<QString>& KeptWords()
{
    static const QSet<QString> words = [] {
        QSet<QString> set;
        for (const char* word :
             {// programs, formats and solvers' words
              "Tarvolin", "Abaqus", "CAE", "OpenSees", "OpenSeesPy", "Python", "Tcl", "ConcreteD",
              "Hysteretic", "Elastic", "Plastic", "Excel", "JSON", "CSV", "PNG", "BMP", "SVG",
              "PDF", "GB", "CDP", "RMS", "MiB", "Model", "uniaxialMaterial", "stderr", "stdout",
              // the commands' syntax
              "options",
              // units
              "MPa", "kPa", "Pa", "mm", "permille", "microstrain",
              // values of options
              "characteristic", "mean", "design", "unloading", "energy", "code", "none", "true",
              "nominal", "hysteretic", "strain", "stress", "displacement", "secant", "ec", "inp",
              "py", "tcl", "bmp", "png", "svg", "pdf", "csv", "json", "pictures", "library",
              "parameters", "abaqus", "opensees", "cyclic", "fit",
              // symbols and keys of the library file
              "Ec", "Es", "fc", "ft", "fy", "fst", "fcu", "fck", "ftk", "eck", "etk", "ecmax",
              "etmax", "ac", "at", "eu", "euy", "ey", "cv", "name", "basis", "shown", "rms", "r",
              "points", "epssp", "etap", "eps", "dt", "fcm", "ftm", "fym", "fstm", "delta"})
            set.insert(QString::fromLatin1(word));
        return set;
    }();
    return words;
}

// The lines of the text that still hold English words: a word of two or more ASCII letters,
// one of them small, that is neither an option, a file, a quoted text the user gave, nor one
// of the kept words.
QStringList EnglishLines(const QString& text, const QString& folder)
{
    static const QRegularExpression quoted(QStringLiteral("\"[^\"]*\""));
    static const QRegularExpression option(QStringLiteral("(?<![\\w-])--?[A-Za-z][A-Za-z0-9-]*"));
    static const QRegularExpression separators(
        QStringLiteral("[\\s\\x{3000}-\\x{303F}\\x{FF00}-\\x{FFEF}\\x{2018}-\\x{201F}]+"));
    static const QRegularExpression englishWord(QStringLiteral("^[A-Za-z]*[a-z][A-Za-z]*$"));
    QStringList english;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        QString rest = line;
        rest.replace(folder, QStringLiteral(" "));
        rest.replace(quoted, QStringLiteral(" "));
        rest.replace(option, QStringLiteral(" "));
        for (QString word : rest.split(separators, Qt::SkipEmptyParts)) {
            // Punctuation around a word is not part of it; inside it (fc,r, m/m, Con_30, 1e308)
            // it makes a symbol, not a word.
            static const QRegularExpression around(
                QStringLiteral("^[\\(\\[\\{<*'`.,;:!?]+|[\\)\\]\\}>'`.,;:!?]+$"));
            word.remove(around);
            if (word.size() >= 2 && englishWord.match(word).hasMatch() &&
                !KeptWords().contains(word)) {
                english << line;
                break;
            }
        }
    }
    return english;
}

// The C++ text of a string literal's body: the escapes the sources use.
QString Unescape(const QString& body)
{
    QString text;
    for (qsizetype i = 0; i < body.size(); ++i) {
        if (body[i] != QLatin1Char('\\') || i + 1 == body.size()) {
            text += body[i];
            continue;
        }
        const QChar next = body[++i];
        if (next == QLatin1Char('n'))
            text += QLatin1Char('\n');
        else if (next == QLatin1Char('t'))
            text += QLatin1Char('\t');
        else if (next == QLatin1Char('u')) {
            text += QChar(body.mid(i + 1, 4).toUShort(nullptr, 16));
            i += 4;
        } else
            text += next;
    }
    return text;
}

}  // namespace

class TestCliChinese : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyMessageInChinese_data();
    void everyMessageInChinese();
    void everyTextHasItsTranslation();
    void noMessageBypassesTranslation();
    void picturesSameAsTheWindows_data();
    void picturesSameAsTheWindows();
    void saveDataSameAsTheCommandLine();

private:
    QTemporaryDir dir;
};

void TestCliChinese::initTestCase()
{
    REQUIRE_CJK_FONT_SET_UP();
    InstallTranslations();
    QVERIFY(ChineseChosen());
    QVERIFY(dir.isValid());
    const QString d = dir.path();

    const auto library = [&](const char* name, const QByteArray& concretes,
                             const QByteArray& steels = {}) {
        QByteArray json = "{\"format\": \"tarvolin-library\", \"version\": " +
                          QByteArray(steels.isEmpty() ? "1" : "2") + ", \"concretes\": [" +
                          concretes + "]";
        if (!steels.isEmpty())
            json += ", \"steels\": [" + steels + "]";
        QVERIFY(Write(d + "/" + name, json + "}"));
    };
    const QByteArray c30 = R"({"name": "C30", "Ec": 29791, "fck": 20.1, "ftk": 2.01,
        "eck": 0.00147, "etk": 0.000095, "ac": 0.748, "at": 1.261, "ecmax": 0.016,
        "etmax": 0.0007, "shown": true})";
    library("c30.json", c30);
    library("twice.json", c30 + ", " + c30);
    library("refused.json", QByteArray(c30).replace("\"Ec\": 29791", "\"Ec\": -5"));
    library("missingfield.json", QByteArray(c30).replace("\"fck\": 20.1,", ""));
    library("short.json", QByteArray(c30).replace("\"ecmax\": 0.016", "\"ecmax\": 0.001"));
    library("hidden.json", QByteArray(c30).replace("\"shown\": true", "\"shown\": false"));
    library("badbasis.json", QByteArray(c30).replace("\"shown\": true",
                                                      "\"shown\": true, \"basis\": \"low\""));
    const QByteArray hrb400 = R"({"name": "S400", "Es": 200000, "fy": 400, "fst": 540,
        "euy": 0.025, "eu": 0.075, "shown": true})";
    library("steels.json", c30, hrb400 + ", " + hrb400);
    library("badsteel.json", c30, QByteArray(hrb400).replace("\"fst\": 540", "\"fst\": 300"));
    QVERIFY(Write(d + "/newer.json",
                  R"({"format": "tarvolin-library", "version": 7, "concretes": []})"));
    QVERIFY(Write(d + "/truncated.json", R"({"format": "tarvolin-library", "version": 1, "con)"));
    QVERIFY(Write(d + "/other.json", R"({"format": "something else"})"));
    QVERIFY(Write(d + "/concretes5.json",
                  R"({"format": "tarvolin-library", "version": 1, "concretes": 5})"));
    QVERIFY(Write(d + "/large.json", QByteArray(17 * 1024 * 1024, ' ')));
    QVERIFY(Write(d + "/file", "a regular file"));
    QVERIFY(QDir(d).mkdir("folder"));

    const CConcrete truth = measured::GradeConcrete(35);
    QVERIFY(Write(d + "/C35.csv", QByteArray::fromStdString(measured::Text(
                                      measured::LawPoints(truth, true, 300, 4.0)))));
    QVERIFY(Write(d + "/tension.csv", QByteArray::fromStdString(measured::Text(
                                          measured::LawPoints(truth, false, 200, 4.0)))));
    QVERIFY(Write(d + "/broken.csv", "strain,stress\n0.001,abc\n"));
}

void TestCliChinese::everyMessageInChinese_data()
{
    // @D@ stands for the test's folder.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");

    const auto row = [](const char* name, QStringList arguments, int exitCode) {
        QTest::newRow(name) << arguments << exitCode;
    };
    // Help: the list of commands and every command's own.
    row("help", {"--help"}, 0);
    for (const char* command : {"parameters", "library", "csv", "steel-csv", "pictures", "abaqus",
                                "opensees", "cyclic", "fit"})
        QTest::addRow("%s --help", command) << QStringList{command, "--help"} << 0;

    // The tables commands print.
    row("parameters", {"parameters", "--grade", "30"}, 0);
    row("parameters, mean", {"parameters", "--grade", "30", "--basis", "mean", "--cv", "0.1"}, 0);
    row("parameters, design", {"parameters", "--grade", "30", "--basis", "design"}, 0);
    row("parameters of a steel", {"parameters", "--steel", "HRB400", "--basis", "mean", "--cv",
                                  "0.05"}, 0);
    row("parameters of a steel, design", {"parameters", "--steel", "HRB400", "--basis",
                                          "design"}, 0);
    row("fit", {"fit", "@D@/C35.csv", "--tension-data", "@D@/tension.csv"}, 0);

    // A wrong command line.
    row("no command", {}, 2);
    row("unknown command", {"bogus"}, 2);
    row("unknown option", {"csv", "--grade", "30", "-o", "@D@/o.csv", "--fast"}, 2);
    row("value missing", {"csv", "--grade", "30", "-o"}, 2);
    row("empty value", {"csv", "--grade", "30", "-o", ""}, 2);
    row("given twice", {"csv", "--grade", "30", "-o", "@D@/o.csv", "-o", "@D@/p.csv"}, 2);
    row("flag with a value", {"parameters", "--grade", "30", "--json=yes"}, 2);
    row("unexpected argument", {"parameters", "x"}, 2);
    row("-o missing", {"csv", "--grade", "30"}, 2);
    row("no sources", {"library", "-o", "@D@/o.json"}, 2);
    row("grade not a number", {"csv", "--grade", "abc", "-o", "@D@/o.csv"}, 2);
    row("grade not positive", {"csv", "--grade", "0", "-o", "@D@/o.csv"}, 2);
    row("grade too large", {"csv", "--grade", "1e308", "-o", "@D@/o.csv"}, 2);
    row("grade too large on the mean basis", {"parameters", "--grade", "3e280", "--basis",
                                              "mean", "--cv", "0.5"}, 2);
    row("not a steel grade", {"steel-csv", "--steel", "HRB999", "-o", "@D@/o.csv"}, 2);
    row("unknown basis", {"csv", "--grade", "30", "--basis", "low", "-o", "@D@/o.csv"}, 2);
    row("cv without mean", {"csv", "--grade", "30", "--cv", "0.1", "-o", "@D@/o.csv"}, 2);
    row("cv missing", {"csv", "--grade", "30", "--basis", "mean", "-o", "@D@/o.csv"}, 2);
    row("cv not a number", {"csv", "--grade", "30", "--basis", "mean", "--cv", "x", "-o",
                            "@D@/o.csv"}, 2);
    row("cv out of range", {"csv", "--grade", "30", "--basis", "mean", "--cv", "0.7", "-o",
                            "@D@/o.csv"}, 2);
    row("separator", {"csv", "--grade", "30", "--separator", ";", "-o", "@D@/o.csv"}, 2);
    row("grade and steel", {"parameters", "--grade", "30", "--steel", "HRB400"}, 2);
    row("neither grade nor steel", {"parameters"}, 2);
    row("picture format", {"pictures", "--grade", "30", "--format", "gif", "-o", "@D@/p"}, 2);
    row("picture width", {"pictures", "--grade", "30", "--width", "abc", "-o", "@D@/p"}, 2);
    row("picture scale", {"pictures", "--grade", "30", "--scale", "5", "-o", "@D@/p"}, 2);
    row("scale of a bmp", {"pictures", "--grade", "30", "--scale", "2", "-o", "@D@/p"}, 2);
    row("scaled too large", {"pictures", "--grade", "30", "--format", "png", "--width", "9000",
                             "--scale", "2", "-o", "@D@/p"}, 2);
    row("pictures to standard output", {"pictures", "--grade", "30", "-o", "-"}, 2);
    row("abaqus number", {"abaqus", "--grade", "30", "--poisson", "0.7", "-o", "@D@/o.inp"}, 2);
    row("abaqus damage", {"abaqus", "--grade", "30", "--damage", "x", "-o", "@D@/o.inp"}, 2);
    row("abaqus tension damage", {"abaqus", "--grade", "30", "--tension-damage", "unloading",
                                  "-o", "@D@/o.inp"}, 2);
    row("abaqus tension", {"abaqus", "--grade", "30", "--tension", "x", "-o", "@D@/o.inp"}, 2);
    row("abaqus crack band missing", {"abaqus", "--grade", "30", "--tension", "displacement",
                                      "-o", "@D@/o.inp"}, 2);
    row("abaqus rows", {"abaqus", "--grade", "30", "--rows", "2", "-o", "@D@/o.inp"}, 2);
    row("abaqus units", {"abaqus", "--grade", "30", "--units", "km", "-o", "@D@/o.inp"}, 2);
    row("abaqus e0", {"abaqus", "--grade", "30", "--e0", "x", "-o", "@D@/o.inp"}, 2);
    row("abaqus output", {"abaqus", "--grade", "30", "--output", "x", "-o", "@D@/o.inp"}, 2);
    row("abaqus model", {"abaqus", "--grade", "30", "--model", QString(81, 'm'), "-o", "@D@/o.py"},
        2);
    row("abaqus steel plastic", {"abaqus", "--steel", "HRB400", "--steel-plastic", "x", "-o",
                                 "@D@/o.inp"}, 2);
    row("abaqus steel poisson", {"abaqus", "--steel", "HRB400", "--steel-poisson", "0.7", "-o",
                                 "@D@/o.inp"}, 2);
    row("opensees first tag", {"opensees", "--grade", "30", "--first-tag", "0", "-o",
                               "@D@/o.tcl"}, 2);
    row("opensees eps-sp", {"opensees", "--grade", "30", "--eps-sp", "-1", "-o", "@D@/o.tcl"}, 2);
    row("opensees format", {"opensees", "--grade", "30", "--format", "x", "-o", "@D@/o.tcl"}, 2);
    row("opensees steel material", {"opensees", "--steel", "HRB400", "--steel-material", "x",
                                    "-o", "@D@/o.tcl"}, 2);
    row("cyclic history missing", {"cyclic", "--grade", "30", "-o", "@D@/o.csv"}, 2);
    row("cyclic history", {"cyclic", "--grade", "30", "--history", "0,x", "-o", "@D@/o.csv"}, 2);
    row("cyclic history too short", {"cyclic", "--grade", "30", "--history", "0", "-o",
                                     "@D@/o.csv"}, 2);
    row("cyclic history beyond 1", {"cyclic", "--grade", "30", "--history", "0,-2", "-o",
                                    "@D@/o.csv"}, 2);
    row("cyclic step", {"cyclic", "--grade", "30", "--history", "0,-0.002", "--step", "0", "-o",
                        "@D@/o.csv"}, 2);
    row("cyclic too many points", {"cyclic", "--grade", "30", "--history", "0,-0.9,0.9,-0.9",
                                   "--step", "1e-9", "-o", "@D@/o.csv"}, 2);
    row("fit without data", {"fit"}, 2);
    row("fit two files", {"fit", "@D@/C35.csv", "@D@/tension.csv"}, 2);
    row("fit columns", {"fit", "@D@/C35.csv", "--columns", "x"}, 2);
    row("fit units", {"fit", "@D@/C35.csv", "--strain-unit", "inch"}, 2);
    row("fit held ft", {"fit", "@D@/C35.csv", "--fix-ft", "2"}, 2);
    row("fit held fc", {"fit", "@D@/C35.csv", "--fix-fc", "-1"}, 2);

    // Sources and files that fail.
    row("library missing", {"csv", "@D@/missing.json", "-o", "@D@/o.csv"}, 1);
    row("library truncated", {"csv", "@D@/truncated.json", "-o", "@D@/o.csv"}, 1);
    row("library of a newer version", {"csv", "@D@/newer.json", "-o", "@D@/o.csv"}, 1);
    row("library too large", {"csv", "@D@/large.json", "-o", "@D@/o.csv"}, 1);
    row("not a library", {"csv", "@D@/other.json", "-o", "@D@/o.csv"}, 1);
    row("library is a folder", {"csv", "@D@/folder", "-o", "@D@/o.csv"}, 1);
    row("concretes not a list", {"csv", "@D@/concretes5.json", "-o", "@D@/o.csv"}, 1);
    row("field refused", {"csv", "@D@/refused.json", "-o", "@D@/o.csv"}, 1);
    row("field missing", {"csv", "@D@/missingfield.json", "-o", "@D@/o.csv"}, 1);
    row("basis unknown in the file", {"csv", "@D@/badbasis.json", "-o", "@D@/o.csv"}, 1);
    row("duplicate concretes in a file", {"csv", "@D@/twice.json", "-o", "@D@/o.csv"}, 1);
    row("duplicate concretes across sources", {"csv", "@D@/c30.json", "@D@/c30.json", "-o",
                                               "@D@/o.csv"}, 1);
    row("duplicate steels in a file", {"steel-csv", "@D@/steels.json", "-o", "@D@/o.csv"}, 1);
    row("duplicate steel grades", {"steel-csv", "--steel", "HRB400", "--steel", "hrb400", "-o",
                                   "@D@/o.csv"}, 1);
    row("steel refused in the file", {"steel-csv", "@D@/badsteel.json", "-o", "@D@/o.csv"}, 1);
    row("grade the window refuses", {"csv", "--grade", "0.5", "-o", "@D@/o.csv"}, 1);
    row("output into a folder", {"csv", "--grade", "30", "-o", "@D@/folder"}, 1);
    row("output under a file", {"csv", "--grade", "30", "-o", "@D@/file/o.csv"}, 1);
    row("output folder missing", {"csv", "--grade", "30", "-o", "@D@/none/o.csv"}, 1);
    row("no concretes for csv", {"csv", "--steel", "HRB400", "-o", "@D@/o.csv"}, 1);
    row("no steels for steel-csv", {"steel-csv", "--grade", "30", "-o", "@D@/o.csv"}, 1);
    row("nothing shown", {"abaqus", "@D@/hidden.json", "-o", "@D@/o.inp"}, 1);
    row("nothing shown, with steels", {"opensees", "@D@/hidden.json", "--steel", "HRB400", "-o",
                                       "@D@/o.tcl"}, 0);
    row("nothing shown for cyclic", {"cyclic", "@D@/hidden.json", "--history", "0,-0.002", "-o",
                                     "@D@/o.csv"}, 1);
    row("abaqus refuses a concrete", {"abaqus", "@D@/short.json", "-o", "@D@/o.inp"}, 1);
    row("opensees tags run out", {"opensees", "--grade", "30", "--grade", "50", "--first-tag",
                                  "2147483647", "-o", "@D@/o.tcl"}, 1);
    row("opensees steel tags run out", {"opensees", "--grade", "30", "--steel", "HRB400",
                                        "--first-tag", "2147483647", "-o", "@D@/o.tcl"}, 1);
    row("pictures into a file", {"pictures", "--grade", "30", "-o", "@D@/file"}, 1);
    row("fit missing file", {"fit", "@D@/missing.csv"}, 1);
    row("fit refused file", {"fit", "@D@/broken.csv"}, 1);

    // Notes and warnings beside a written file.
    row("grade outside the law", {"csv", "--grade", "90", "-o", "@D@/o.csv"}, 0);
    row("abaqus renamed and code damage", {"abaqus", "--grade", "22.5", "--steel", "HRB400",
                                           "--damage", "code", "-o", "-"}, 0);
    row("abaqus unused options", {"abaqus", "--grade", "30", "--crack-band", "50", "--bc", "0.5",
                                  "--bt", "0.5", "-o", "@D@/o.inp"}, 0);
    row("abaqus unused bc", {"abaqus", "--grade", "30", "--bc", "0.5", "-o", "@D@/o.inp"}, 0);
    row("abaqus unused bt", {"abaqus", "--grade", "30", "--bt", "0.5", "-o", "@D@/o.inp"}, 0);
}

// Under a Chinese locale no line the command line prints is left in English; under C the same
// command answers in English, so each row reaches a message of its own.
void TestCliChinese::everyMessageInChinese()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    for (QString& argument : arguments)
        argument.replace(QLatin1String("@D@"), dir.path());

    const Run chinese = RunIn(true, arguments);
    QCOMPARE(chinese.exitCode, exitCode);
    const Run english = RunIn(false, arguments);
    QCOMPARE(english.exitCode, exitCode);

    // Solver files and CSV files written to standard output are data, not messages.
    const bool outIsData = arguments.endsWith(QStringLiteral("-"));
    const QString shown = chinese.err + (outIsData ? QString() : chinese.out);
    QVERIFY2(!shown.trimmed().isEmpty() || exitCode == 0, "nothing said");
    if (!shown.trimmed().isEmpty()) {
        QVERIFY2(HasHan(shown), qPrintable(shown));
        const QStringList english_ = EnglishLines(shown, dir.path());
        QVERIFY2(english_.isEmpty(), qPrintable(english_.join(QLatin1Char('\n'))));
        const QString englishShown = english.err + (outIsData ? QString() : english.out);
        QVERIFY2(!HasHan(englishShown), qPrintable(englishShown));
    }
    if (outIsData)
        QCOMPARE(chinese.outBytes, english.outBytes);
}

// Every text of the command line's code and of the core it runs on is in the translation file
// with a finished Chinese translation: a text added without one fails here even when no row of
// the walk above reaches it.
void TestCliChinese::everyTextHasItsTranslation()
{
    QFile ts(QStringLiteral(TARVOLIN_SOURCE_DIR "/translations/tarvolin_zh_CN.ts"));
    QVERIFY(ts.open(QIODevice::ReadOnly));
    QHash<QString, QString> translations;  // "context\x1Fsource" → translation
    QSet<QString> unfinished;
    QXmlStreamReader xml(&ts);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            const bool finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            const QString text = xml.readElementText();
            translations.insert(context + QChar(0x1F) + source, text);
            if (!finished || text.isEmpty())
                unfinished.insert(context + QStringLiteral(": ") + source);
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY2(unfinished.isEmpty(), qPrintable(unfinished.values().join(QLatin1Char('\n'))));

    // translate("Context", "text" "text") and QT_TRANSLATE_NOOP("Context", "text") in the sources
    // the command line is built from.
    static const QRegularExpression call(QStringLiteral(
        "(?:translate|QT_TRANSLATE_NOOP)\\(\\s*\"(\\w+)\",\\s*((?:\"(?:[^\"\\\\]|\\\\.)*\"\\s*)+)[,)]"));
    static const QRegularExpression literal(QStringLiteral("\"((?:[^\"\\\\]|\\\\.)*)\""));
    QStringList missing;
    int found = 0;
    for (const char* folder : {"cli", "formats", "model", "steel", "cyclic", "fit"}) {
        QDirIterator files(QStringLiteral(TARVOLIN_SOURCE_DIR "/src/") + QLatin1String(folder),
                           {QStringLiteral("*.cpp"), QStringLiteral("*.h")});
        while (files.hasNext()) {
            const QString path = files.next();
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString code = QString::fromUtf8(file.readAll());
            for (auto match = call.globalMatch(code); match.hasNext();) {
                const QRegularExpressionMatch m = match.next();
                QString text;
                for (auto part = literal.globalMatch(m.captured(2)); part.hasNext();)
                    text += Unescape(part.next().captured(1));
                ++found;
                if (!translations.contains(m.captured(1) + QChar(0x1F) + text))
                    missing << QStringLiteral("%1: %2: %3")
                                   .arg(QFileInfo(path).fileName(), m.captured(1), text);
            }
        }
    }
    QVERIFY2(found > 300, "the texts of the sources were not found");
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
}

// The command line's refusals are built from translated texts: a message written in English
// straight into CliUsageError or CliFailure would reach a Chinese user untranslated.
void TestCliChinese::noMessageBypassesTranslation()
{
    static const QRegularExpression bare(
        QStringLiteral("(?:CliUsageError|CliFailure)\\(\\s*(?:\"|QStringLiteral|QString\\()"));
    QStringList found;
    QDirIterator files(QStringLiteral(TARVOLIN_SOURCE_DIR "/src/cli"), {QStringLiteral("*.cpp")});
    while (files.hasNext()) {
        QFile file(files.next());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString code = QString::fromUtf8(file.readAll());
        for (auto match = bare.globalMatch(code); match.hasNext();) {
            const qsizetype at = match.next().capturedStart();
            found << QStringLiteral("%1:%2").arg(file.fileName()).arg(code.left(at).count('\n') + 1);
        }
    }
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
}

void TestCliChinese::picturesSameAsTheWindows_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("scale");
    QTest::newRow("bmp") << "bmp" << 1;
    QTest::newRow("png 2x") << "png" << 2;
    QTest::newRow("svg") << "svg" << 1;
    QTest::newRow("pdf") << "pdf" << 1;
}

// The window's Save Pictures As and tarvolin-cli pictures make the same files in Chinese: the
// axes titled 应力 f [N/mm2] and 应变[m/m] in both.
void TestCliChinese::picturesSameAsTheWindows()
{
    QFETCH(QString, format);
    QFETCH(int, scale);

    FakePlatform platform;
    QTemporaryDir out;
    const QString window = out.filePath("window");
    QVERIFY(QDir().mkpath(window));
    {
        TForm1 form;
        form.SetDecimalSeparator('.');
        form.show();
        for (const char* grade : {"30", "50"}) {
            form.cbb1->setEditText(QString::fromLatin1(grade));
            QTest::mouseClick(form.btn1, Qt::LeftButton);
        }
        form.ReinforcingSteel1->trigger();
        TSteelForm* steel = form.findChild<TSteelForm*>();
        QVERIFY(steel);
        steel->cbb1->setCurrentIndex(steel->cbb1->findText(QStringLiteral("HRB400")));
        QTest::mouseClick(steel->btn1, Qt::LeftButton);
        QCOMPARE(form.steels.size(), std::size_t(1));
        QVERIFY2(platform.messages.isEmpty(), qPrintable(platform.Texts().join('\n')));

        platform.directoryAnswers = {window};
        InstallPictureOptionsHook([&](QWidget*, PictureChoice& choice) {
            choice.format = *PictureFormatFromPath("x." + format);
            choice.scale = scale;
            return true;
        });
        form.SavePicturesAs1->trigger();
        InstallPictureOptionsHook({});
        QCOMPARE(platform.Texts().size(), 1);  // saved
    }

    const QString cli = out.filePath("cli");
    QStringList arguments{"pictures", "--grade", "30", "--grade", "50", "--steel", "HRB400",
                          "--format", format, "-o", cli};
    if (scale != 1)
        arguments << "--scale" << QString::number(scale);
    const Run run = RunIn(true, arguments);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));

    for (const QString& name :
         {QStringLiteral("Compression"), QStringLiteral("Tension"), QStringLiteral("Steel")}) {
        const QString file = name + QLatin1Char('.') + format;
        const QByteArray picture = Read(cli + "/" + file);
        QVERIFY2(picture.size() > 500, qPrintable(file));
        if (format != QLatin1String("pdf")) {
            QVERIFY2(picture == Read(window + "/" + file), qPrintable(file));
            continue;
        }
        // A PDF carries the time it was made, and Qt embeds its fonts in an order of its own
        // each run: the size and the text are compared.
        QCOMPARE(picture.size(), Read(window + "/" + file).size());
        const QString pdftotext = FindTool(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            continue;
        const auto textOf = [&](const QString& path) {
            QProcess text;
            text.start(pdftotext, {QStringLiteral("-layout"), path, QStringLiteral("-")});
            text.waitForFinished(30000);
            return QString::fromUtf8(text.readAllStandardOutput());
        };
        const QString words = textOf(cli + "/" + file);
        QVERIFY2(words.contains(QStringLiteral("f [N/mm2]")) && HasHan(words), qPrintable(words));
        // Searchable: 应力 as the ideographs, never with the radical ⼒ some fonts share 力 with.
        QVERIFY2(words.contains(QStringLiteral("应力")) && words.contains(QStringLiteral("应变")),
                 qPrintable(words));
        QCOMPARE(words, textOf(window + "/" + file));
    }
}

// Both windows' Save Data write the bytes of tarvolin-cli csv and steel-csv for the same
// materials; with Chinese names the files begin with the byte-order mark Excel on a Chinese
// Windows needs to read them as UTF-8.
void TestCliChinese::saveDataSameAsTheCommandLine()
{
    FakePlatform platform;
    QTemporaryDir out;
    const QString library = out.filePath("lib.json");
    const QString concreteCsv = out.filePath("Concrete_Data.csv");
    const QString steelCsv = out.filePath("Steel_Data.csv");
    {
        TForm1 form;
        form.SetDecimalSeparator('.');
        form.show();
        for (const QString& name : {QStringLiteral("梁C30"), QStringLiteral("C40")}) {
            form.cbb1->setEditText(name.right(2));
            form.edt1->setText(name);
            QTest::mouseClick(form.btn1, Qt::LeftButton);
        }
        form.ReinforcingSteel1->trigger();
        TSteelForm* steel = form.findChild<TSteelForm*>();
        QVERIFY(steel);
        for (const QString& name : {QStringLiteral("纵筋"), QStringLiteral("HRB500")}) {
            steel->cbb1->setCurrentIndex(steel->cbb1->findText(name == "HRB500" ? name : "HRB400"));
            steel->edt1->setText(name);
            QTest::mouseClick(steel->btn1, Qt::LeftButton);
        }
        QCOMPARE(form.concretes.size(), std::size_t(2));
        QCOMPARE(form.steels.size(), std::size_t(2));
        platform.saveAnswers = {library, concreteCsv, steelCsv};
        form.SaveLibraryAs1->trigger();
        QTest::mouseClick(form.btn5, Qt::LeftButton);
        QTest::mouseClick(steel->btn4, Qt::LeftButton);
        QVERIFY2(platform.messages.isEmpty(), qPrintable(platform.Texts().join('\n')));
    }

    const Run csv = RunIn(true, {"csv", library, "--separator", ".", "-o", "-"});
    QCOMPARE(csv.exitCode, 0);
    QCOMPARE(csv.outBytes, Read(concreteCsv));
    QVERIFY(csv.outBytes.startsWith("\xEF\xBB\xBF" "ConcreteName,"));
    const Run steelRun = RunIn(true, {"steel-csv", library, "--separator", ".", "-o", "-"});
    QCOMPARE(steelRun.exitCode, 0);
    QCOMPARE(steelRun.outBytes, Read(steelCsv));
    QVERIFY(steelRun.outBytes.startsWith("\xEF\xBB\xBFSteelName,"));
    const Run cyclic = RunIn(true, {"cyclic", library, "--history", "0,-0.002", "-o", "-"});
    QCOMPARE(cyclic.exitCode, 0);
    QVERIFY(cyclic.outBytes.startsWith("\xEF\xBB\xBFmaterial,strain,stress\r\n"));
}

QTEST_MAIN(TestCliChinese)
#include "tst_cli_chinese.moc"
