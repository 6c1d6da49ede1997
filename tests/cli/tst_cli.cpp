// tarvolin-cli run as a program: its outputs against the window's own for the same concretes,
// its exit statuses and its messages.

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
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "app/Unit1.h"
#include "library/CheckList.h"
#include "model/NumberText.h"
#include "support/FakePlatform.h"

namespace {

struct Result {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

Result RunCli(const QStringList& arguments, const QByteArray& locale = "C.UTF-8")
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(locale));
    // The program must need no display of its own.
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TARVOLIN_CLI_PATH), arguments);
    Result result;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

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

}  // namespace

class TestCli : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void exitStatusAndMessage_data();
    void exitStatusAndMessage();
    void helpAndVersion();
    void csvSameAsSaveData_data();
    void csvSameAsSaveData();
    void textOutputsToStandardOutput();
    void picturesSameAsSavePicture_data();
    void picturesSameAsSavePicture();

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
    row("separator", {"csv", "--grade", "30", "--separator", ";", "-o", "@D@/out.csv"}, 2,
        {"--separator must be . or ,"});
    row("format", {"pictures", "--grade", "30", "--format", "gif", "-o", "@D@/out"}, 2,
        {"--format must be bmp, png, svg or pdf"});
    row("pictures to stdout", {"pictures", "--grade", "30", "-o", "-"}, 2, {"-o - is for text"});
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
    QCOMPARE(RunCli({"library", "--grade", "30", "-o", d + "/lib30.json"}).exitCode, 0);
    const QStringList before = QDir(d).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

    for (QString& argument : arguments)
        argument.replace(QLatin1String("@D@"), d);
    const Result result = RunCli(arguments);
    QCOMPARE(result.exitCode, exitCode);
    for (const QString& part : messageParts)
        QVERIFY2(result.err.contains(part), qPrintable(result.err));
    QVERIFY(result.out.isEmpty());
    QCOMPARE(QDir(d).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
}

void TestCli::helpAndVersion()
{
    Result result = RunCli({"--version"});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QByteArray("tarvolin-cli " TARVOLIN_VERSION "\n"));

    result = RunCli({"--help"});
    QCOMPARE(result.exitCode, 0);
    for (const char* command : {"parameters", "library", "csv", "pictures", "abaqus", "opensees"})
        QVERIFY(result.out.contains(QByteArray("  ") + command + ' '));

    for (const char* command : {"parameters", "library", "csv", "pictures"}) {
        result = RunCli({command, "--help"});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.out.startsWith(QByteArray("Usage: tarvolin-cli ") + command));
        QVERIFY(result.err.isEmpty());
    }

    result = RunCli({"parameters", "--grade", "30"});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.out.contains("Concrete Name                               Con_30\n"));
    QVERIFY(result.out.contains("Shape parameter for Tension  at             1.261\n"));
    result = RunCli({"parameters", "--grade", "22,5"}, "de_DE.UTF-8");
    QVERIFY(result.out.contains("Con_22,5\n"));
    QVERIFY(result.out.contains("15,0\n"));

    result = RunCli({"parameters", "--grade", "30", "--json"});
    QCOMPARE(result.exitCode, 0);
    const QJsonObject json = QJsonDocument::fromJson(result.out).object();
    QCOMPARE(json.value("name").toString(), QStringLiteral("Con_30"));
    QCOMPARE(json.value("fck").toDouble(), 0.88 * 0.76 * 30);
}

void TestCli::csvSameAsSaveData_data()
{
    QTest::addColumn<char>("separator");
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QStringList>("separatorOption");
    QTest::newRow("point, from the locale") << '.' << QByteArray("C.UTF-8") << QStringList{};
    QTest::newRow("comma, from the locale") << ',' << QByteArray("de_DE.UTF-8") << QStringList{};
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
    const Result result = RunCli(QStringList{"csv", "--grade", "30", "--grade", "22.5", "--grade",
                                             "80", "-o", cliCsv} + separatorOption, locale);
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.err.isEmpty());
    QCOMPARE(Read(cliCsv), Read(windowCsv));
}

void TestCli::textOutputsToStandardOutput()
{
    const QString csv = dir->filePath("out.csv");
    QCOMPARE(RunCli({"csv", "--grade", "40", "-o", csv}).exitCode, 0);
    Result result = RunCli({"csv", "--grade", "40", "-o", "-"});
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
    const Result result = RunCli(QStringList{"pictures"} + sources + QStringList{"-o", out});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.err.isEmpty());
    for (const char* name : {"/Compression.bmp", "/Tension.bmp"}) {
        const QByteArray expected = Read(folder + name);
        QVERIFY(expected.size() > 1000);
        QVERIFY2(Read(out + name) == expected, name);
    }
}

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
