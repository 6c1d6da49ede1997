// Reinforcing steel for the solvers: the Abaqus *Plastic table (true or nominal values, its
// rules and names) and the OpenSees Hysteretic and Steel02 commands, alone and after concretes.

#include <QDir>
#include <QJsonObject>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>
#include <climits>
#include <cmath>
#include <sstream>

#include "formats/AbaqusCdp.h"
#include "formats/OpenSeesWriter.h"
#include "formats/SteelAbaqus.h"
#include "formats/SteelOpenSees.h"
#include "steel/Steel.h"
#include "support/SolverSupport.h"

using namespace solvertest;

Q_DECLARE_METATYPE(SteelAbaqusOptions::Plastic)
Q_DECLARE_METATYPE(SteelOpenSeesOptions::Material)
Q_DECLARE_METATYPE(OpenSeesOptions::Format)

namespace {

CSteel Hrb400(std::string name = "HRB400")
{
    return CSteel(std::move(name), 2e5, 400, 540, 0.025, 0.075);
}

// Every *Plastic table of an input file: material name and rows (stress, plastic strain).
struct PlasticTable {
    std::string name;
    std::vector<std::pair<double, double>> rows;
};

std::vector<PlasticTable> ReadPlastic(const std::string& inp)
{
    std::vector<PlasticTable> tables;
    std::istringstream in(inp);
    std::string line, material;
    bool inPlastic = false;
    while (std::getline(in, line)) {
        if (line.rfind("*Material, name=", 0) == 0) material = line.substr(16);
        if (line.rfind("*", 0) == 0) {
            inPlastic = line == "*Plastic";
            if (inPlastic) tables.push_back({material, {}});
            continue;
        }
        if (inPlastic) {
            const auto comma = line.find(", ");
            tables.back().rows.push_back(
                {std::stod(line.substr(0, comma)), std::stod(line.substr(comma + 2))});
        }
    }
    return tables;
}

// The largest gap of a table (straight between its rows) to the true curve of a steel,
// relative to the curve's stress, found by walking the strain from yield to εu in fine steps.
double TrueCurveGap(const CSteel& s, const std::vector<std::pair<double, double>>& rows)
{
    double worst = 0;
    const int steps = 20000;
    for (int i = 0; i <= steps; ++i) {
        const double e = s.GetEy() + (s.eu - s.GetEy()) * i / steps;
        const double sigma = i == steps ? s.fst : std::max(s.fy, s.Stress(e));
        const double st = sigma * (1 + e);
        const double p = std::log(1 + e) - st / s.Es;
        double table = rows.front().first;
        for (std::size_t j = 1; j < rows.size(); ++j)
            if (p > rows[j - 1].second)
                table = p >= rows[j].second
                            ? rows[j].first
                            : rows[j - 1].first + (rows[j].first - rows[j - 1].first) *
                                                      (p - rows[j - 1].second) /
                                                      (rows[j].second - rows[j - 1].second);
        worst = std::max(worst, std::fabs(table - st) / st);
    }
    return worst;
}

std::string SteelInp(std::span<const CSteel* const> steels, const SteelAbaqusOptions& options,
                     std::vector<SolverRefusal>* refused = nullptr)
{
    const SteelAbaqusExport out = BuildSteelAbaqusExport(steels, options);
    if (refused) *refused = out.refused;
    return WriteSteelAbaqus(out.materials, options);
}

}  // namespace

class TestSteelSolvers : public QObject {
    Q_OBJECT

private slots:
    // HRB400, true values: the first row is yield at zero plastic strain, the corners are rows
    // converted by σt = σ(1 + ε), εpl = ln(1 + ε) − σt / Es, and the table follows the true
    // curve within 0.1 %; the nominal table is the three corners as they are.
    void plasticTable_data()
    {
        QTest::addColumn<SteelAbaqusOptions::Plastic>("plastic");
        QTest::addColumn<double>("scale");  // of the stresses: N, m, Pa
        QTest::addColumn<double>("yield");
        QTest::addColumn<double>("plateauEnd");  // εpl at εuy
        QTest::addColumn<double>("ultimateStress");
        QTest::addColumn<double>("ultimatePlastic");
        using P = SteelAbaqusOptions::Plastic;
        QTest::newRow("true mm") << P::True << 1.0 << 400.8 << 0.0226426126 << 580.5 << 0.0694181616;
        QTest::newRow("true m") << P::True << 1e6 << 400.8e6 << 0.0226426126 << 580.5e6
                                << 0.0694181616;
        QTest::newRow("nominal mm") << P::Nominal << 1.0 << 400.0 << 0.023 << 540.0 << 0.0723;
    }

    void plasticTable()
    {
        QFETCH(SteelAbaqusOptions::Plastic, plastic);
        QFETCH(double, scale);
        QFETCH(double, yield);
        QFETCH(double, plateauEnd);
        QFETCH(double, ultimateStress);
        QFETCH(double, ultimatePlastic);
        SteelAbaqusOptions options;
        options.plastic = plastic;
        if (scale != 1.0) options.units = AbaqusOptions::Units::NMPa;
        const CSteel steel = Hrb400();
        const CSteel* list[] = {&steel};
        const std::string inp = SteelInp(list, options);

        const std::string head = std::string("*Material, name=HRB400\n*Density\n") +
                                 (scale == 1.0 ? "7.85e-09" : "7850.0") + "\n*Elastic\n" +
                                 (scale == 1.0 ? "200000.0" : "2e+11") + ", 0.3\n*Plastic\n";
        QVERIFY2(inp.find(head) != std::string::npos, inp.c_str());
        const auto tables = ReadPlastic(inp);
        QCOMPARE(tables.size(), std::size_t(1));
        const auto& rows = tables[0].rows;
        QCOMPARE(rows.front(), std::make_pair(yield, 0.0));
        QCOMPARE(rows.back(), std::make_pair(ultimateStress, ultimatePlastic));
        QVERIFY(std::find(rows.begin(), rows.end(), std::make_pair(410.0 * scale, plateauEnd)) !=
                    rows.end() ||
                std::find(rows.begin(), rows.end(), std::make_pair(400.0 * scale, plateauEnd)) !=
                    rows.end());
        for (std::size_t i = 1; i < rows.size(); ++i) {
            QVERIFY(rows[i].second > rows[i - 1].second);
            QVERIFY(rows[i].first >= rows[i - 1].first);
        }
        if (plastic == SteelAbaqusOptions::Plastic::Nominal) {
            QCOMPARE(rows.size(), std::size_t(3));
        } else {
            std::vector<std::pair<double, double>> unscaled = rows;
            for (auto& r : unscaled) r.first /= scale;
            const double gap = TrueCurveGap(steel, unscaled);
            QVERIFY2(gap <= 0.001, qPrintable(QString::number(gap)));
        }
    }

    // A long hardening branch needs rows between the corners to stay within 0.1 %; every row
    // lies on the true curve and the whole table within the tolerance.
    void longHardeningGetsMoreRows()
    {
        const CSteel steel("Long", 2e5, 300, 900, 0.01, 0.4);
        const CSteel* list[] = {&steel};
        const SteelAbaqusExport out = BuildSteelAbaqusExport(list, SteelAbaqusOptions{});
        QVERIFY(out.Ok());
        const auto& rows = out.materials[0].rows;
        QVERIFY(rows.size() > 4);
        for (std::size_t i = 1; i < rows.size(); ++i) {
            const double e = rows[i].strain;
            const double st = (i + 1 == rows.size() ? 900.0 : steel.Stress(e)) * (1 + e);
            QVERIFY(std::fabs(rows[i].stress - st) <= 1e-8 * st);
            QVERIFY(std::fabs(rows[i].plastic - (std::log1p(e) - st / 2e5)) <= 1e-9);
        }
        std::vector<std::pair<double, double>> table;
        for (const auto& r : rows) table.push_back({r.stress, r.plastic});
        const double gap = TrueCurveGap(steel, table);
        QVERIFY2(gap <= 0.001, qPrintable(QString::number(gap)));
        QVERIFY(out.materials[0].deviation <= 0.1);
        QVERIFY(std::fabs(out.materials[0].deviation - 100 * gap) < 0.01);
    }

    // Refused by name when the table cannot meet Abaqus's rules; the others are not written.
    void refusals_data()
    {
        QTest::addColumn<SteelAbaqusOptions::Plastic>("plastic");
        QTest::addColumn<double>("euy");
        QTest::addColumn<double>("eu");
        QTest::addColumn<QString>("reason");
        using P = SteelAbaqusOptions::Plastic;
        // k = 140 / 1e-5 = 1.4e7 N/mm², far steeper than Es: the plastic strain falls, after
        // the plateau below its end, without one below zero.
        QTest::newRow("steep after plateau") << P::True << 0.025 << 0.02501
                                             << "plastic strain would fall as the strain grows (at strain 0.025";
        QTest::newRow("steep, no plateau") << P::True << 0.002 << 0.00201 << "never rises above zero";
        QTest::newRow("steep nominal") << P::Nominal << 0.002 << 0.00201 << "never rises above zero";
    }

    void refusals()
    {
        QFETCH(SteelAbaqusOptions::Plastic, plastic);
        QFETCH(double, euy);
        QFETCH(double, eu);
        QFETCH(QString, reason);
        const CSteel good = Hrb400();
        const CSteel steep("Steep", 2e5, 400, 540, euy, eu);
        const CSteel* list[] = {&good, &steep};
        SteelAbaqusOptions options;
        options.plastic = plastic;
        const SteelAbaqusExport out = BuildSteelAbaqusExport(list, options);
        QVERIFY(!out.Ok());
        QCOMPARE(out.refused.size(), std::size_t(1));
        QCOMPARE(out.refused[0].name, std::string("Steep"));
        QVERIFY2(QString::fromStdString(out.refused[0].reason).contains(reason),
                 out.refused[0].reason.c_str());
        const std::string text = SteelRefusalText(out.refused);
        QVERIFY2(text.find("Steel \"Steep\" cannot be written: ") == 0, text.c_str());
    }

    // No plateau (εuy = εy) and no hardening (fst = fy) still give sound tables.
    void edgesOfTheLaw()
    {
        const CSteel noPlateau("P", 2e5, 400, 540, 0.002, 0.075);
        const CSteel flat("F", 2e5, 400, 400, 0.025, 0.075);
        const CSteel* list[] = {&noPlateau, &flat};
        const SteelAbaqusExport out = BuildSteelAbaqusExport(list, SteelAbaqusOptions{});
        QVERIFY(out.Ok());
        QCOMPARE(out.materials.size(), std::size_t(2));
        for (const auto& m : out.materials) {
            QCOMPARE(m.rows.front().plastic, 0.0);
            QVERIFY(m.deviation <= 0.1);
        }
        // A flat nominal curve still rises in true stress: 400 (1 + ε).
        QCOMPARE(out.materials[1].rows.back().stress, 430.0);
    }

    // Steel names follow Abaqus's rules and never clash with a concrete's, case aside.
    void names()
    {
        const CSteel a = Hrb400("c30"), b = Hrb400("HRB 400"), c = Hrb400("HRB400");
        const CSteel* list[] = {&a, &b, &c};
        const std::string taken[] = {"C30"};
        const SteelAbaqusExport out = BuildSteelAbaqusExport(list, SteelAbaqusOptions{}, taken);
        QVERIFY(out.Ok());
        QCOMPARE(out.materials[0].name, std::string("c30_2"));
        QCOMPARE(out.materials[1].name, std::string("HRB_400"));
        QCOMPARE(out.materials[2].name, std::string("HRB400"));
        QCOMPARE(out.renamed.size(), std::size_t(2));
        QCOMPARE(out.renamed[0].original, std::string("c30"));
    }

    // The first lines of an Abaqus file say what it holds and which material was which: 梁C30
    // and 柱C30 both lose their Chinese, and only the comment tells M__C30 from M__C30_2.
    void abaqusFileSaysWhatItIs_data()
    {
        QTest::addColumn<bool>("py");
        QTest::addColumn<SteelAbaqusOptions::Plastic>("plastic");
        QTest::newRow("input file, true table") << false << SteelAbaqusOptions::Plastic::True;
        QTest::newRow("CAE script, nominal table") << true << SteelAbaqusOptions::Plastic::Nominal;
    }

    void abaqusFileSaysWhatItIs()
    {
        QFETCH(bool, py);
        QFETCH(SteelAbaqusOptions::Plastic, plastic);
        const auto beam = C30("\xe6\xa2\x81" "C30"), column = C30("\xe6\x9f\xb1" "C30");
        column->basis = StrengthBasis::Mean;
        column->cv = 0.1;
        const CConcrete* concretes[] = {beam.get(), column.get()};
        const CSteel steel("HRB400d", 2e5, 360, 489, 0.025, 0.075, StrengthBasis::Design);
        const CSteel* steels[] = {&steel};
        AbaqusOptions options;
        options.output = py ? AbaqusOptions::Output::Py : AbaqusOptions::Output::Inp;
        options.damage = AbaqusOptions::Damage::BirtelMark;
        options.tension = AbaqusOptions::Tension::Displacement;
        options.crackBand = 100;
        SteelAbaqusOptions steelOptions;
        steelOptions.plastic = plastic;
        const AbaqusFile file = BuildAbaqusFile(concretes, options, steels, steelOptions);
        QVERIFY(!file.text.empty());

        const QString mark = py ? "# " : "** ";
        QStringList expected;
        if (py)
            expected << "# -*- coding: utf-8 -*-";
        expected << "Concrete damaged plasticity and reinforcing steel written by Tarvolin " +
                        QStringLiteral(TARVOLIN_VERSION) + (py ? ", for Abaqus/CAE" : "")
                 << "Units: N, mm, MPa; strains in m/m"
                 << "E0: Ec"
                 << "Elastic limit: 0.4 fc (compression hardening starts there)"
                 << "Damage: compression birtel-mark (b = 0.7), tension birtel-mark (b = 0.1)"
                 << "Tension against cracking displacement (mm), crack band h = 100.0"
                 << "Concretes (material: strength basis, E0; the name it was given where that "
                    "had to change):"
                 << "  M__C30: characteristic, E0 = 30000.0; was u'\\u6881C30'"
                 << "  M__C30_2: mean (delta = 0.1), E0 = 30000.0; was u'\\u67f1C30'";
        if (plastic == SteelAbaqusOptions::Plastic::True)
            expected << "Steel *Plastic: true stress against logarithmic plastic strain, right for "
                        "a large-strain"
                     << "  analysis (NLGEOM=YES); about 12 % off in a small-strain one, where the "
                        "nominal table is the choice";
        else
            expected << "Steel *Plastic: nominal stress against nominal plastic strain, the choice "
                        "for a small-strain"
                     << "  analysis; with NLGEOM=YES the true table is right";
        expected << "Steels (material: strength basis; the name it was given where that had to "
                    "change):"
                 << "  HRB400d: design";
        for (qsizetype i = py ? 1 : 0; i < expected.size(); ++i)
            expected[i].prepend(mark);
        const QStringList lines = QString::fromStdString(file.text).split('\n');
        QCOMPARE(lines.mid(0, expected.size()), expected);
        // Plain ASCII, so that no reader's idea of the encoding matters.
        QVERIFY(std::all_of(file.text.begin(), file.text.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
    }

    // Concretes then steels in one CAE script, and steels alone: each runs twice against a
    // stand-in of Abaqus/CAE (the second run replaces the materials of the first) and creates
    // the steel with the input file's table, in Python 3 and in the Python 2.7 of Abaqus/CAE
    // before 2024 (Debian's jython, slow to start).
    void caeScripts_data()
    {
        QTest::addColumn<QString>("interpreter");
        QTest::newRow("python3") << kPython;
        QTest::newRow("python 2.7") << QStringLiteral("jython");
    }

    void caeScripts()
    {
        QFETCH(QString, interpreter);
        const auto c30 = C30();
        const CConcrete* concretes[] = {c30.get()};
        AbaqusOptions concreteOptions;
        concreteOptions.output = AbaqusOptions::Output::Py;
        concreteOptions.model = "Beam \xe6\xa2\x81";
        const AbaqusExport concrete = BuildAbaqusExport(concretes, concreteOptions);
        QVERIFY(concrete.Ok());
        const CSteel steel = Hrb400("it's \"B\"");
        const CSteel* steels[] = {&steel};
        SteelAbaqusOptions options;
        TakeAbaqusOptions(options, concreteOptions);
        const SteelAbaqusExport built = BuildSteelAbaqusExport(steels, options);
        QVERIFY(built.Ok());
        const std::string scripts[] = {
            WriteAbaqusFile(concrete.materials, concreteOptions, built.materials, options),
            WriteSteelAbaqus(built.materials, options)};
        options.output = AbaqusOptions::Output::Inp;
        const auto inp = ReadPlastic(WriteSteelAbaqus(built.materials, options));

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QFile stub(dir.filePath("abaqus.py"));
        QVERIFY(stub.open(QIODevice::WriteOnly));
        stub.write(R"(class Material(object):
    def __init__(self):
        self.record = {}
    def __getattr__(self, name):
        if name[0].islower():
            return Material()
        def call(table):
            for row in table:
                for value in row:
                    assert isinstance(value, float), value
            self.record[name] = [list(row) for row in table]
        return call
class Model(object):
    def __init__(self):
        self.materials = {}
    def Material(self, name):
        assert name not in self.materials, name
        self.materials[name] = Material()
        return self.materials[name]
class Mdb(object):
    def __init__(self):
        self.models = {}
    def Model(self, name):
        self.models[name] = Model()
mdb = Mdb()
)");
        stub.close();
        for (const std::string& script : scripts) {
            const Run run = RunProgram(
                interpreter,
                {"-c", "import sys, json; sys.path.insert(0, '.'); import abaqus; "
                       "code = compile(sys.stdin.read(), 'script', 'exec'); "
                       "exec(code, {}); exec(code, {}); "
                       "print(json.dumps(dict((m, dict((n, x.record) for n, x in "
                       "model.materials.items())) for m, model in abaqus.mdb.models.items())))"},
                QByteArray::fromStdString(script), dir.path());
            if (!run.started)
                QSKIP(qPrintable(interpreter + " is missing (scripts/setup installs it)"));
            QVERIFY2(run.exitCode == 0, run.err.constData());
            const QJsonObject models = QJsonDocument::fromJson(run.out).object();
            const QJsonObject materials = models[QStringLiteral("Beam \u6881")].toObject();
            const QJsonObject record = materials[QStringLiteral("it_s__B_")].toObject();
            QCOMPARE(record["Elastic"].toArray()[0].toArray()[1].toDouble(), 0.3);
            QCOMPARE(record["Density"].toArray()[0].toArray()[0].toDouble(), 7.85e-9);
            const QJsonArray table = record["Plastic"].toArray();
            QCOMPARE(std::size_t(table.size()), inp[0].rows.size());
            for (qsizetype i = 0; i < table.size(); ++i) {
                QCOMPARE(table[i].toArray()[0].toDouble(), inp[0].rows[std::size_t(i)].first);
                QCOMPARE(table[i].toArray()[1].toDouble(), inp[0].rows[std::size_t(i)].second);
            }
        }
    }

    void openSeesCommands_data()
    {
        QTest::addColumn<SteelOpenSeesOptions::Material>("material");
        QTest::addColumn<OpenSeesOptions::Format>("format");
        QTest::addColumn<double>("euy");
        QTest::addColumn<QString>("command");
        using M = SteelOpenSeesOptions::Material;
        using F = OpenSeesOptions::Format;
        QTest::newRow("hysteretic tcl")
            << M::Hysteretic << F::Tcl << 0.025
            << "uniaxialMaterial Hysteretic 7 400.0 0.002 400.0 0.025 540.0 0.075 -400.0 -0.002 "
               "-400.0 -0.025 -540.0 -0.075 1.0 1.0 0.0 0.0 0.0";
        QTest::newRow("hysteretic py")
            << M::Hysteretic << F::Py << 0.025
            << "ops.uniaxialMaterial('Hysteretic', 7, 400.0, 0.002, 400.0, 0.025, 540.0, 0.075, "
               "-400.0, -0.002, -400.0, -0.025, -540.0, -0.075, 1.0, 1.0, 0.0, 0.0, 0.0)";
        // Without a plateau two envelope points each way: a zero-length segment would divide
        // by zero in OpenSees.
        QTest::newRow("hysteretic, no plateau")
            << M::Hysteretic << F::Tcl << 0.002
            << "uniaxialMaterial Hysteretic 7 400.0 0.002 540.0 0.075 -400.0 -0.002 -540.0 -0.075 "
               "1.0 1.0 0.0 0.0 0.0";
        // b = (540 − 400) / (0.075 − 0.002) / 200000
        QTest::newRow("steel02 tcl") << M::Steel02 << F::Tcl << 0.025
                                     << "uniaxialMaterial Steel02 7 400.0 200000.0 "
                                        "0.00958904109589041 18.0 0.925 0.15";
        QTest::newRow("steel02 py") << M::Steel02 << F::Py << 0.025
                                    << "ops.uniaxialMaterial('Steel02', 7, 400.0, 200000.0, "
                                       "0.00958904109589041, 18.0, 0.925, 0.15)";
    }

    void openSeesCommands()
    {
        QFETCH(SteelOpenSeesOptions::Material, material);
        QFETCH(OpenSeesOptions::Format, format);
        QFETCH(double, euy);
        QFETCH(QString, command);
        const CSteel steel("S", 2e5, 400, 540, euy, 0.075);
        QCOMPARE(QString::fromStdString(SteelOpenSeesCommand(steel, 7, material, format)), command);
    }

    // After two concretes from tag 10 the steels take 12 and 13, and the OpenSeesPy file runs.
    // After two concretes from tag 10 the steels take 12 and 13, and the file runs as Tcl and
    // as OpenSeesPy, names that would bend a comment (a line break, a trailing backslash, a
    // brace) included.
    void openSeesAfterConcretes_data()
    {
        QTest::addColumn<OpenSeesOptions::Format>("format");
        QTest::newRow("tcl") << OpenSeesOptions::Format::Tcl;
        QTest::newRow("py") << OpenSeesOptions::Format::Py;
    }

    void openSeesAfterConcretes()
    {
        QFETCH(OpenSeesOptions::Format, format);
        const auto a = C30("a"), b = C30("b");
        const CConcrete* concretes[] = {a.get(), b.get()};
        OpenSeesOptions options;
        options.format = format;
        options.firstTag = 10;
        // Names that would end a comment line early or carry it on (a Tcl continuation), in the
        // first lines' list of materials and before each command alike.
        const CSteel s1 = Hrb400("HRB400\nline {"), s2 = Hrb400("HPB300 \\");
        const CSteel* steels[] = {&s1, &s2};
        SteelOpenSeesOptions steelOptions;
        steelOptions.material = SteelOpenSeesOptions::Material::Steel02;
        const OpenSeesFile built = BuildOpenSeesFile(concretes, options, steels, steelOptions);
        QVERIFY(built.concretes.Ok() && built.steels.Ok());
        QVERIFY2(built.text.find("\n#   10 a: characteristic\n#   11 b: characteristic\n"
                                 "#   12 HRB400?line {: characteristic\n"
                                 "#   13 HPB300 \\: characteristic\n") != std::string::npos,
                 built.text.c_str());
        const QByteArray file = QByteArray::fromStdString(built.text);

        // Each call one line, its words separated by tabs.
        QTemporaryDir dir;
        Run run;
        if (format == OpenSeesOptions::Format::Tcl) {
            run = RunProgram(QStringLiteral("tclsh"), {},
                             "proc uniaxialMaterial {args} { puts [join $args \"\\t\"] }\n" + file);
        } else {
            QVERIFY(WriteOpenSeesPyStub(
                dir.path(),
                "def uniaxialMaterial(*args):\n    print('\\t'.join(str(a) for a in args))\n"));
            run = RunProgram(kPython,
                             {"-c", "import sys; sys.path.insert(0, '.'); "
                                    "exec(compile(sys.stdin.buffer.read(), 'script', 'exec'), {})"},
                             file, dir.path());
        }
        if (!run.started) QSKIP("the interpreter is missing (scripts/setup installs it)");
        QVERIFY2(run.exitCode == 0, run.err.constData());
        const QStringList lines = QString::fromUtf8(run.out).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        const QStringList third = lines[2].split('\t'), fourth = lines[3].split('\t');
        QCOMPARE(third.mid(0, 3), (QStringList{"Steel02", "12", "400.0"}));
        QCOMPARE(fourth.mid(0, 2), (QStringList{"Steel02", "13"}));
        QCOMPARE(fourth.size(), 8);
    }

    void openSeesTagsAndOptions()
    {
        const CSteel a = Hrb400("a"), b = Hrb400("b");
        const CSteel* list[] = {&a, &b};
        SteelOpenSeesOptions options;
        options.firstTag = INT_MAX - 1;
        QVERIFY(BuildSteelOpenSeesExport(list, options, true).Ok());
        options.firstTag = INT_MAX;
        QVERIFY(!BuildSteelOpenSeesExport(list, options, true).Ok());

        std::string error;
        QVERIFY(SetSteelOpenSeesOption(options, "--steel-material", "steel02", error));
        QCOMPARE(options.material, SteelOpenSeesOptions::Material::Steel02);
        QVERIFY(!SetSteelOpenSeesOption(options, "steel-material", "Steel01", error));
        QVERIFY(QString::fromStdString(error).contains("\"Steel01\""));
        QCOMPARE(options.material, SteelOpenSeesOptions::Material::Steel02);

        SteelAbaqusOptions abaqus;
        QVERIFY(SetSteelAbaqusOption(abaqus, "steel-plastic", "nominal", error));
        QCOMPARE(abaqus.plastic, SteelAbaqusOptions::Plastic::Nominal);
        QVERIFY(!SetSteelAbaqusOption(abaqus, "steel-poisson", "0.5", error));
        QVERIFY(!SetSteelAbaqusOption(abaqus, "steel-poisson", "0.3x", error));
        QVERIFY(SetSteelAbaqusOption(abaqus, "steel-poisson", "0.25", error));
        QCOMPARE(abaqus.poisson, 0.25);
    }
};

QTEST_MAIN(TestSteelSolvers)
#include "tst_steelsolvers.moc"
