// OpenSees ConcreteD commands: the values and signs of each command, numbers that read back
// exactly, tags in list order, and names that cannot break out of their comment, checked by
// running the files in Tcl and Python against stand-ins of OpenSees.

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>
#include <charconv>
#include <climits>
#include <cmath>

#include "SolverSupport.h"
#include "export/OpenSeesWriter.h"

using namespace solvertest;
using Format = OpenSeesOptions::Format;

namespace {

double Read(const QString& token)
{
    const std::string text = token.toStdString();
    double value = std::nan("");
    const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
    if (r.ec != std::errc() || r.ptr != text.data() + text.size())
        return std::nan("");
    return value;
}

// The values ConcreteD must receive, in order.
std::vector<double> Expected(const CConcrete& c)
{
    return {-c.fck, -c.eck, c.ftk, c.etk, c.Ec, c.ac, c.at};
}

// Names that try to leave their comment: a line break, a Tcl line continuation, a Python
// string and bracket command substitution.
std::vector<std::unique_ptr<CConcrete>> AwkwardNames()
{
    std::vector<std::unique_ptr<CConcrete>> list;
    list.push_back(C30());
    list.push_back(C30("two\nuniaxialMaterial Elastic 99 1.0"));
    list.push_back(C30("ends in a backslash \\"));
    list.push_back(C30("carriage\rreturn [exit 3] '''\"\"\" {"));
    list.push_back(C30("B\xe9ton \xff latin-1"));
    list.push_back(C30("Bauteil \xc3\xa4 \xe2\x80\xa8 separator"));
    return list;
}

std::vector<const CConcrete*> Pointers(const std::vector<std::unique_ptr<CConcrete>>& owned)
{
    std::vector<const CConcrete*> list;
    for (const auto& c : owned)
        list.push_back(c.get());
    return list;
}

}  // namespace

class TestOpenSees : public QObject {
    Q_OBJECT

private slots:
    void workedExample();
    void gradesReadBack();
    void tcl();
    void openSeesPy();
    void tags();
    void refused();
    void options_data();
    void options();
};

void TestOpenSees::workedExample()
{
    const auto c = C30();
    QCOMPARE(ConcreteDCommand(*c, 1, Format::Tcl),
             std::string("uniaxialMaterial ConcreteD 1 -20.1 -0.001471 2.01 9.5e-05 30000.0 0.75 "
                         "1.26"));
    QCOMPARE(ConcreteDCommand(*c, 3, Format::Py),
             std::string("ops.uniaxialMaterial('ConcreteD', 3, -20.1, -0.001471, 2.01, 9.5e-05, "
                         "30000.0, 0.75, 1.26)"));
    const CConcrete* list[] = {c.get()};
    const OpenSeesExport out = BuildOpenSeesExport(list, OpenSeesOptions{});
    QVERIFY(out.Ok());
    QVERIFY(out.text.find("\n# C30 (N, mm, MPa)\nuniaxialMaterial ConcreteD 1 ") !=
            std::string::npos);
}

// Values computed by the code's formulas have long expansions: each prints in its shortest
// form and reads back as the very same double.
void TestOpenSees::gradesReadBack()
{
    for (int fcu = 15; fcu <= 80; fcu += 5) {
        const auto c = Grade(fcu);
        const QStringList tokens =
            QString::fromStdString(ConcreteDCommand(*c, fcu, Format::Tcl)).split(' ');
        QCOMPARE(tokens.size(), 10);
        QCOMPARE(tokens[0], QStringLiteral("uniaxialMaterial"));
        QCOMPARE(tokens[1], QStringLiteral("ConcreteD"));
        QCOMPARE(tokens[2].toInt(), fcu);
        const std::vector<double> expected = Expected(*c);
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(Read(tokens[3 + i]), expected[std::size_t(i)]);
            // Shortest: one digit fewer would no longer read back exactly.
            const std::string text = tokens[3 + i].toStdString();
            char shorter[64];
            const auto r = std::to_chars(shorter, shorter + 64, expected[std::size_t(i)]);
            QVERIFY(text.size() <= std::size_t(r.ptr - shorter) + 2);  // at most a ".0" more
        }
    }
}

// Run in Tcl with uniaxialMaterial standing in for OpenSees's: one call per concrete, every
// name kept in its comment.
void TestOpenSees::tcl()
{
    const auto owned = AwkwardNames();
    const auto list = Pointers(owned);
    OpenSeesOptions options;
    const OpenSeesExport out = BuildOpenSeesExport(list, options);
    QVERIFY(out.Ok());
    const Run run = RunProgram(QStringLiteral("tclsh"), {},
                               "proc uniaxialMaterial {args} { puts $args }\n"
                               "proc unknown {args} { puts stderr \"stray: $args\"; exit 2 }\n" +
                                   QByteArray::fromStdString(out.text));
    if (!run.started)
        QSKIP("tclsh is missing: the Tcl file cannot be run (scripts/setup installs tcl)");
    QVERIFY2(run.exitCode == 0, run.err.constData());
    const QStringList lines = QString::fromUtf8(run.out).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), int(list.size()));
    for (std::size_t i = 0; i < list.size(); ++i) {
        const QStringList tokens = lines[int(i)].split(' ');
        QCOMPARE(tokens.size(), 9);
        QCOMPARE(tokens[0], QStringLiteral("ConcreteD"));
        QCOMPARE(tokens[1].toInt(), int(i) + 1);
        const std::vector<double> expected = Expected(*list[i]);
        for (int k = 0; k < 7; ++k)
            QCOMPARE(Read(tokens[2 + k]), expected[std::size_t(k)]);
    }
}

void TestOpenSees::openSeesPy()
{
    const auto owned = AwkwardNames();
    const auto list = Pointers(owned);
    OpenSeesOptions options;
    options.format = Format::Py;
    options.firstTag = 10;
    const OpenSeesExport out = BuildOpenSeesExport(list, options);
    QVERIFY(out.Ok());
    QVERIFY(out.text.find("import openseespy.opensees as ops\n") != std::string::npos);

    const Run parsed = RunProgram(kPython, {"-c", "import ast,sys; ast.parse(sys.stdin.read())"},
                                  QByteArray::fromStdString(out.text));
    if (!parsed.started)
        QSKIP("/usr/bin/python3 is missing: the OpenSeesPy script cannot be parsed (scripts/setup "
              "installs it)");
    QVERIFY2(parsed.exitCode == 0, parsed.err.constData());

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("openseespy"));
    QFile init(dir.filePath("openseespy/__init__.py"));
    QVERIFY(init.open(QIODevice::WriteOnly));
    init.close();
    QFile stub(dir.filePath("openseespy/opensees.py"));
    QVERIFY(stub.open(QIODevice::WriteOnly));
    stub.write("calls = []\ndef uniaxialMaterial(*args):\n    calls.append(list(args))\n");
    stub.close();
    const Run run = RunProgram(kPython,
                               {"-c", "import sys, json; sys.path.insert(0, '.'); "
                                      "exec(compile(sys.stdin.buffer.read(), 'script', 'exec'), "
                                      "{}); import openseespy.opensees as o; "
                                      "print(json.dumps(o.calls))"},
                               QByteArray::fromStdString(out.text), dir.path());
    QVERIFY2(run.exitCode == 0, run.err.constData());
    const QJsonArray calls = QJsonDocument::fromJson(run.out).array();
    QCOMPARE(calls.size(), qsizetype(list.size()));
    for (std::size_t i = 0; i < list.size(); ++i) {
        const QJsonArray call = calls[qsizetype(i)].toArray();
        QCOMPARE(call.size(), 9);
        QCOMPARE(call[0].toString(), QStringLiteral("ConcreteD"));
        QCOMPARE(call[1].toInt(), 10 + int(i));
        const std::vector<double> expected = Expected(*list[i]);
        for (int k = 0; k < 7; ++k)
            QCOMPARE(call[2 + k].toDouble(), expected[std::size_t(k)]);
    }
}

void TestOpenSees::tags()
{
    const auto a = C30("a"), b = C30("b");
    const CConcrete* list[] = {a.get(), b.get()};
    OpenSeesOptions options;
    options.firstTag = INT_MAX - 1;
    const OpenSeesExport last = BuildOpenSeesExport(list, options);
    QVERIFY(last.Ok());
    QVERIFY(last.text.find("ConcreteD " + std::to_string(INT_MAX) + " ") != std::string::npos);
    options.firstTag = INT_MAX;  // the second tag would not fit OpenSees's int
    const OpenSeesExport over = BuildOpenSeesExport(list, options);
    QVERIFY(!over.Ok());
    QVERIFY(over.text.empty());
}

void TestOpenSees::refused()
{
    const auto good = C30();
    const CConcrete negative("neg", 30000, 20.1, 2.01, -0.75, 1.26, 1471e-6, 95e-6, 0.016, 7e-4);
    const CConcrete infinite("inf", HUGE_VAL, 20.1, 2.01, 0.75, 1.26, 1471e-6, 95e-6, 0.016,
                             7e-4);
    const CConcrete* list[] = {good.get(), &negative, &infinite};
    const OpenSeesExport out = BuildOpenSeesExport(list, OpenSeesOptions{});
    QVERIFY(!out.Ok());
    QVERIFY(out.text.empty());
    QCOMPARE(out.refused.size(), std::size_t(2));
    QCOMPARE(out.refused[0].name, std::string("neg"));
    QCOMPARE(out.refused[1].name, std::string("inf"));
    QVERIFY(!BuildOpenSeesExport({}, OpenSeesOptions{}).Ok());
}

void TestOpenSees::options_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<long long>("tag");
    QTest::addColumn<int>("format");
    QTest::newRow("first tag") << "--first-tag" << "7" << true << 7LL << int(Format::Tcl);
    QTest::newRow("first tag largest") << "first-tag" << "2147483647" << true << 2147483647LL
                                       << int(Format::Tcl);
    QTest::newRow("first tag 0") << "--first-tag" << "0" << false << 1LL << int(Format::Tcl);
    QTest::newRow("first tag past int") << "--first-tag" << "2147483648" << false << 1LL
                                        << int(Format::Tcl);
    QTest::newRow("first tag text") << "--first-tag" << "1x" << false << 1LL << int(Format::Tcl);
    QTest::newRow("format py") << "--format" << "PY" << true << 1LL << int(Format::Py);
    QTest::newRow("format bad") << "--format" << "json" << false << 1LL << int(Format::Tcl);
    QTest::newRow("unknown") << "--units" << "mm" << false << 1LL << int(Format::Tcl);
}

void TestOpenSees::options()
{
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(bool, ok);
    QFETCH(long long, tag);
    QFETCH(int, format);
    OpenSeesOptions options;
    std::string error;
    QCOMPARE(SetOpenSeesOption(options, name.toStdString(), value.toStdString(), error), ok);
    QCOMPARE(error.empty(), ok);
    QCOMPARE(options.firstTag, tag);
    QCOMPARE(int(options.format), format);

    Format f = Format::Tcl;
    QVERIFY(OpenSeesFormatForPath("model.PY", f));
    QCOMPARE(f, Format::Py);
    QVERIFY(OpenSeesFormatForPath("dir.py/model.tcl", f));
    QCOMPARE(f, Format::Tcl);
    QVERIFY(!OpenSeesFormatForPath("model.txt", f));
}

QTEST_APPLESS_MAIN(TestOpenSees)
#include "tst_opensees.moc"
