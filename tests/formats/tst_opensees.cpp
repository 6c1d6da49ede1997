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

#include "formats/OpenSeesWriter.h"
#include "support/SolverSupport.h"

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
    void concreteDTension();
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
    OpenSeesOptions options;
    QCOMPARE(ConcreteDCommand(*c, 1, options),
             std::string("uniaxialMaterial ConcreteD 1 -20.1 -0.001471 2.01 9.5e-05 30000.0 0.75 "
                         "1.26"));
    options.format = Format::Py;
    QCOMPARE(ConcreteDCommand(*c, 3, options),
             std::string("ops.uniaxialMaterial('ConcreteD', 3, -20.1, -0.001471, 2.01, 9.5e-05, "
                         "30000.0, 0.75, 1.26)"));
    // The plastic-strain parameters, both, as soon as one differs from ConcreteD's default.
    options.etaP = 1.2;
    QCOMPARE(ConcreteDCommand(*c, 3, options),
             std::string("ops.uniaxialMaterial('ConcreteD', 3, -20.1, -0.001471, 2.01, 9.5e-05, "
                         "30000.0, 0.75, 1.26, 0.25, 1.2)"));
    const CConcrete* list[] = {c.get()};
    const OpenSeesExport out = BuildOpenSeesExport(list, OpenSeesOptions{});
    QVERIFY(out.Ok());
    QVERIFY(out.text.find("\n# C30 (N, mm, MPa)\nuniaxialMaterial ConcreteD 1 ") !=
            std::string::npos);
}

// Solver numbers carry at most 15 significant digits: the binary noise of a value typed as
// 1403.31 (x 10^-6) stays out of the file, and every value reads back within half a unit of
// its 15th digit.
void TestOpenSees::gradesReadBack()
{
    const CConcrete typed("C25", 28000, 16.7, 1.78, 0.6, 0.9, 1403.31e-6, 89.2e-6, 0.016, 7e-4);
    QCOMPARE(QString::fromStdString(ConcreteDCommand(typed, 1, OpenSeesOptions{})).split(' ')[4],
             QStringLiteral("-0.00140331"));
    for (int fcu = 15; fcu <= 80; fcu += 5) {
        const auto c = Grade(fcu);
        const QStringList tokens =
            QString::fromStdString(ConcreteDCommand(*c, fcu, OpenSeesOptions{})).split(' ');
        QCOMPARE(tokens.size(), 10);
        QCOMPARE(tokens[0], QStringLiteral("uniaxialMaterial"));
        QCOMPARE(tokens[1], QStringLiteral("ConcreteD"));
        QCOMPARE(tokens[2].toInt(), fcu);
        const std::vector<double> expected = Expected(*c);
        for (int i = 0; i < 7; ++i) {
            const double value = expected[std::size_t(i)];
            QVERIFY(std::fabs(Read(tokens[3 + i]) - value) <= 5e-15 * std::fabs(value));
            QString mantissa = tokens[3 + i].section('e', 0, 0).remove('-').remove('.');
            while (mantissa.startsWith('0'))
                mantissa.remove(0, 1);
            QVERIFY2(mantissa.size() <= 15, qPrintable(tokens[3 + i]));
            QVERIFY2(tokens[3 + i].endsWith(".0") || !mantissa.endsWith('0'),
                     qPrintable(tokens[3 + i]));
        }
    }
}

// ConcreteD's tension branch against the code's: equal at the peak, apart on either side by
// the few per cent of ft measured on the grades.
void TestOpenSees::concreteDTension()
{
    for (int fcu = 15; fcu <= 80; fcu += 5) {
        const auto c = Grade(fcu);
        QVERIFY(std::fabs(ConcreteDTensionStress(*c, c->etk) - c->ftk) <= 1e-12 * c->ftk);
        QCOMPARE(ConcreteDTensionStress(*c, 0), 0.0);
        const TensionComparison t = CompareConcreteDTension(*c);
        const QByteArray what = QByteArray::number(fcu) + ": " + QByteArray::number(t.beforePeak) +
                                " before, " + QByteArray::number(t.afterPeak) + " after";
        QVERIFY2(t.beforePeak > 3.5 && t.beforePeak < 10.5, what);
        QVERIFY2(t.afterPeak > 4.5 && t.afterPeak < 13.5, what);
        QCOMPARE(t.largest, std::max(t.beforePeak, t.afterPeak));
        QVERIFY(t.strain > 0 && t.strain <= c->etmax);
        QVERIFY(std::fabs(std::fabs(ConcreteDTensionStress(*c, t.strain) -
                                    c->TensionStress(t.strain)) /
                              c->ftk * 100 -
                          t.largest) < 1e-9);
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
        QSKIP(qPrintable(kPython + QStringLiteral(" is missing: the OpenSeesPy script cannot be "
                                                  "parsed (scripts/setup installs it)")));
    QVERIFY2(parsed.exitCode == 0, parsed.err.constData());

    QTemporaryDir dir;
    QVERIFY(WriteOpenSeesPyStub(
        dir.path(), "calls = []\ndef uniaxialMaterial(*args):\n    calls.append(list(args))\n"));
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
    QTest::newRow("eps-sp") << "--eps-sp" << "0.3" << true << 1LL << int(Format::Tcl);
    QTest::newRow("eta-p") << "eta-p" << "1.2" << true << 1LL << int(Format::Tcl);
    QTest::newRow("eps-sp 0") << "--eps-sp" << "0" << false << 1LL << int(Format::Tcl);
    QTest::newRow("eta-p text") << "--eta-p" << "high" << false << 1LL << int(Format::Tcl);
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
    // Accepted plastic-strain parameters reach the command as its 8th and 9th values.
    OpenSeesOptions tcl = options;
    tcl.format = Format::Tcl;
    const QStringList tokens = QString::fromStdString(ConcreteDCommand(*C30(), 1, tcl)).split(' ');
    const bool plastic = ok && (name.endsWith(QLatin1String("eps-sp")) ||
                                name.endsWith(QLatin1String("eta-p")));
    QCOMPARE(tokens.size(), plastic ? 12 : 10);
    if (plastic)
        QCOMPARE(tokens[name.contains(QLatin1String("eps")) ? 10 : 11], value);

    Format f = Format::Tcl;
    QVERIFY(OpenSeesFormatForPath("model.PY", f));
    QCOMPARE(f, Format::Py);
    QVERIFY(OpenSeesFormatForPath("dir.py/model.tcl", f));
    QCOMPARE(f, Format::Tcl);
    QVERIFY(!OpenSeesFormatForPath("model.txt", f));
}

QTEST_APPLESS_MAIN(TestOpenSees)
#include "tst_opensees.moc"
