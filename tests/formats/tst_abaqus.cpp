// Abaqus concrete damaged plasticity tables: every row a point of the concrete's own curve,
// Abaqus's rules on the numbers as written, names Abaqus accepts, both unit systems, and the
// input file and CAE script read back by readers of this test's own.

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <charconv>
#include <clocale>
#include <cmath>
#include <map>
#include <set>

#include "cyclic/CyclicPath.h"
#include "formats/AbaqusCdp.h"
#include "model/Sampling.h"
#include "support/SolverSupport.h"

using namespace solvertest;
using Damage = AbaqusOptions::Damage;
using Units = AbaqusOptions::Units;

namespace {

struct Keyword {
    std::string name;     // as written after '*', parameters included
    std::vector<std::vector<double>> rows;
};

struct InpMaterial {
    std::string name;
    std::vector<Keyword> keywords;
    const Keyword* Find(std::string_view keyword) const
    {
        for (const Keyword& k : keywords)
            if (k.name == keyword)
                return &k;
        return nullptr;
    }
};

std::string Trim(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return std::string(text);
}

// A reader for the few keywords written here: "**" comments, "*Material, name=X" starting a
// material, other keywords collecting the comma-separated numbers of the lines below them.
// Any number that does not read back completely fails the test.
std::vector<InpMaterial> ReadInp(const std::string& text)
{
    std::vector<InpMaterial> materials;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        if (line.rfind("**", 0) == 0)
            continue;
        if (line.rfind("*Material, name=", 0) == 0) {
            materials.push_back({line.substr(16), {}});
        } else if (line.rfind('*', 0) == 0) {
            if (materials.empty())
                return QTest::qFail("keyword before *Material", __FILE__, __LINE__), materials;
            materials.back().keywords.push_back({line.substr(1), {}});
        } else {
            if (materials.empty() || materials.back().keywords.empty())
                return QTest::qFail("data line outside a keyword", __FILE__, __LINE__), materials;
            std::vector<double> row;
            std::size_t from = 0;
            while (from <= line.size()) {
                std::size_t comma = line.find(',', from);
                if (comma == std::string::npos)
                    comma = line.size();
                const std::string field = Trim(std::string_view(line).substr(from, comma - from));
                double value = 0;
                const auto r = std::from_chars(field.data(), field.data() + field.size(), value);
                if (field.empty() || r.ec != std::errc() || r.ptr != field.data() + field.size())
                    return QTest::qFail(("unreadable number: " + line).c_str(), __FILE__,
                                        __LINE__),
                           materials;
                row.push_back(value);
                from = comma + 1;
            }
            materials.back().keywords.back().rows.push_back(row);
        }
    }
    return materials;
}

// Abaqus's rules on a stress table and its damage table, as read from the file.
void CheckRules(const Keyword& stress, const Keyword* damage, double E, const char* what)
{
    QVERIFY2(!stress.rows.empty(), what);
    if (damage)
        QCOMPARE(damage->rows.size(), stress.rows.size());
    double lastStrain = -1, lastDamage = 0, lastPlastic = 0;
    for (std::size_t i = 0; i < stress.rows.size(); ++i) {
        const auto& row = stress.rows[i];
        QCOMPARE(row.size(), std::size_t(2));
        const double sigma = row[0], strain = row[1];
        const double d = damage ? damage->rows[i][0] : 0.0;
        if (damage)
            QCOMPARE(damage->rows[i][1], strain);
        if (i == 0) {
            QCOMPARE(strain, 0.0);
            QCOMPARE(d, 0.0);
        }
        const QByteArray where = QByteArray(what) + " row " + QByteArray::number(int(i));
        QVERIFY2(sigma > 0, where);
        QVERIFY2(strain > lastStrain, where + ": inelastic strain not increasing");
        QVERIFY2(d >= 0 && d < 1, where + ": damage outside [0, 1)");
        QVERIFY2(d >= lastDamage, where + ": damage decreases");
        const double plastic = strain - d / (1 - d) * sigma / E;
        QVERIFY2(plastic >= 0, where + ": negative plastic strain");
        QVERIFY2(plastic >= lastPlastic, where + ": plastic strain decreases");
        lastStrain = strain;
        lastDamage = d;
        lastPlastic = plastic;
    }
}

bool Near(double a, double b, double relative = 6e-9)
{
    return std::fabs(a - b) <= relative * std::max(std::fabs(a), std::fabs(b));
}

// Every row stands for one point of the curve the charts draw (or the law's peak, or the point of
// the elastic limit): its stress is the law's stress there, its strain the point's strain less
// the elastic part under E0 (times the crack band for displacements).
void CheckCurvePoints(const CdpTable& table, const CConcrete& c, bool compression, double scale,
                      double E0, double elasticLimit, int maxRows, double length = 1)
{
    const double peakStrain = compression ? c.eck : c.etk;
    const double end = compression ? c.ecmax : c.etmax;
    std::vector<double> strains;
    SampleCurve(end, compression ? kCompressionStep : kTensionStep,
                [&](double e) { strains.push_back(e); });
    const std::set<double> points(strains.begin(), strains.end());
    const auto stress = [&](double e) {
        return compression ? c.CompressionStress(e) : c.TensionStress(e);
    };

    QVERIFY(int(table.rows.size()) <= maxRows);
    QVERIFY(table.rows.size() >= 1);
    bool peakSeen = false;
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const CdpRow& r = table.rows[i];
        const QByteArray where = QByteArray(compression ? "compression" : "tension") + " row " +
                                 QByteArray::number(int(i));
        QVERIFY2(i == 0 || points.count(r.curveStrain) || r.curveStrain == peakStrain, where);
        QVERIFY2(Near(r.stress, stress(r.curveStrain) * scale), where);
        if (i > 0)
            QVERIFY2(Near(r.inelastic,
                          (r.curveStrain - stress(r.curveStrain) / E0) * length),
                     where);
        if (i > 0)
            QVERIFY(r.curveStrain > table.rows[i - 1].curveStrain);
        QVERIFY2(Near(r.effective, r.stress / (1 - r.damage)), where);
        peakSeen = peakSeen || r.curveStrain == peakStrain;
    }
    QVERIFY2(peakSeen, "the peak is no row");
    QCOMPARE(table.rows.back().curveStrain, end);
    const double first = table.rows.front().curveStrain;
    if (compression) {
        // The point of the ascending branch at the elastic limit, then every sample beyond it
        // that the rows had room for.
        const double limit = elasticLimit * c.fck;
        QVERIFY(first <= peakStrain);
        QCOMPARE(solvertext::Rounded(table.rows.front().stress, 9),
                 solvertext::Rounded(limit * scale, 9));
        QVERIFY(Near(stress(first), limit, 1e-13));
        if (table.rows.size() > 1 && maxRows >= 100000)
            QCOMPARE(table.rows[1].curveStrain,
                     *std::upper_bound(strains.begin(), strains.end(), first));
    } else {
        QCOMPARE(first, c.etk);
        QVERIFY(Near(table.rows.front().stress, c.ftk * scale));
    }
}

// The unloading rule's compression table (C.2.5): the first row 0; then d = 1 - E_r/E0 with
// E_r = (1 - g) Ec and g the largest eta_d dc the curve has reached, never below 0; where g is
// that row's own value Abaqus's plastic strain is the code's eps_z, where it is held (beyond
// about 2.9 eps_c) a little less; where the secant E0 would need d < 0, the inelastic strain.
void CheckUnloadingRule(const CdpTable& table, const CConcrete& c, double E0, int fcu)
{
    const auto expected = [&](double g) {
        return E0 == c.Ec ? g : std::max(0.0, 1 - (1 - g) * c.Ec / E0);
    };
    QCOMPARE(table.rows.front().damage, 0.0);
    QCOMPARE(table.rows.front().plastic, 0.0);
    double rowsMax = 0;   // the largest g at the rows so far
    double reached = 0;   // the largest g anywhere so far, on a fine grid
    double grid = table.rows.front().curveStrain;
    int held = 0;
    for (std::size_t i = 1; i < table.rows.size(); ++i) {
        const CdpRow& r = table.rows[i];
        const QByteArray where = "C" + QByteArray::number(fcu) + " at " +
                                 QByteArray::number(r.curveStrain);
        const ConcreteUnloading u = ConcreteUnloadingAt(c, r.curveStrain);
        for (; grid < r.curveStrain; grid += 1e-6)
            reached = std::max(reached, ConcreteUnloadingAt(c, grid).damage);
        reached = std::max(reached, u.damage);
        rowsMax = std::max(rowsMax, u.damage);
        QVERIFY2(r.damage >= expected(rowsMax) - 2e-9, where);
        QVERIFY2(r.damage <= expected(reached) + 2e-9, where);
        if (std::fabs(r.damage - expected(u.damage)) <= 2e-9) {
            if (r.damage > 0)
                QVERIFY2(Near(r.plastic, u.ez, 1e-7), where + ": not eps_z");
            else
                QVERIFY2(r.plastic == r.inelastic, where);
        } else {
            ++held;
            QVERIFY2(r.curveStrain > 2.5 * c.eck, where + ": held before the 0.09 term");
            QVERIFY2(r.plastic < u.ez, where);
        }
    }
    QVERIFY(held > 0);  // every grade's curve runs to 0.016, past 2.9 eps_c
}

AbaqusExport Export(const CConcrete& c, const AbaqusOptions& options)
{
    const CConcrete* list[] = {&c};
    return BuildAbaqusExport(list, options);
}

// A stand-in for Abaqus/CAE's scripting modules, for Python 2.7 and 3 alike: it records each
// material's tables and refuses what Abaqus refuses or what would read differently under the
// two Pythons (a name that is not a unicode text, a table value that is not a float, a second
// material of one name, an unknown method or argument).
const char* const kAbaqusConstants = R"(
class SymbolicConstant(object):
    def __init__(self, name):
        self.name = name
STRAIN = SymbolicConstant('STRAIN')
DISPLACEMENT = SymbolicConstant('DISPLACEMENT')
)";

const char* const kAbaqusStandIn = R"(
import abaqusConstants
TEXT = type(u'')

def text(value):
    if not isinstance(value, TEXT):
        raise TypeError('not a unicode text: %r' % (value,))
    return value

def table(rows):
    result = []
    for row in rows:
        for value in row:
            if not isinstance(value, float):
                raise TypeError('not a float: %r' % (value,))
        result.append(list(row))
    return result

class Repository(dict):
    pass

class Cdp(object):
    def __init__(self, record):
        self.record = record
    def put(self, keyword, rows, type=None):
        entry = {'table': table(rows)}
        if type is not None:
            if not isinstance(type, abaqusConstants.SymbolicConstant):
                raise TypeError('type is no symbolic constant: %r' % (type,))
            entry['type'] = type.name
        self.record[keyword] = entry
    def ConcreteCompressionHardening(self, table):
        self.put('Concrete Compression Hardening', table)
    def ConcreteTensionStiffening(self, table, type=None):
        self.put('Concrete Tension Stiffening', table, type)
    def ConcreteCompressionDamage(self, table):
        self.put('Concrete Compression Damage', table)
    def ConcreteTensionDamage(self, table, type=None):
        self.put('Concrete Tension Damage', table, type)

class Material(object):
    def __init__(self, name):
        self.record = {}
        self.concreteDamagedPlasticity = None
    def Density(self, table):
        self.record['Density'] = {'table': globals()['table'](table)}
    def Elastic(self, table):
        self.record['Elastic'] = {'table': globals()['table'](table)}
    def ConcreteDamagedPlasticity(self, table):
        self.record['Concrete Damaged Plasticity'] = {'table': globals()['table'](table)}
        self.concreteDamagedPlasticity = Cdp(self.record)

class Model(object):
    def __init__(self, name):
        self.materials = Repository()
    def Material(self, name):
        if text(name) in self.materials:
            raise ValueError('a material of this name exists: %r' % (name,))
        self.materials[name] = Material(name)
        return self.materials[name]

class Mdb(object):
    def __init__(self):
        self.models = Repository()
        self.Model(name=u'Model-1')
    def Model(self, name):
        if text(name) in self.models:
            raise ValueError('a model of this name exists: %r' % (name,))
        self.models[name] = Model(name)
        return self.models[name]

mdb = None
def reset():
    global mdb
    mdb = Mdb()

def state():
    return dict((m, dict((n, mat.record) for n, mat in model.materials.items()))
                for m, model in mdb.models.items())
)";

// Runs each script twice in a fresh stand-in, as a user who runs it again would, and prints
// the models' materials after each script as JSON.
const char* const kDriver = R"(
import sys, json
sys.path.insert(0, '.')
import abaqus
states = []
for path in sys.argv[1:]:
    abaqus.reset()
    code = compile(open(path, 'rb').read(), path, 'exec')
    for run in range(2):
        exec(code, {})
    states.append(abaqus.state())
sys.stdout.write(json.dumps(states))
)";

struct ScriptCase {
    std::vector<std::unique_ptr<CConcrete>> concretes;
    AbaqusOptions options;
};

std::vector<ScriptCase> ScriptCases()
{
    std::vector<ScriptCase> cases(3);
    cases[0].concretes.push_back(C30());
    cases[0].concretes.push_back(C30("it's a \\ \"name\"\nwith a line break"));
    cases[0].options.model = "Beam 'B1' \\ C";
    // Texts outside ASCII: a model in Chinese, a material name that loses its Chinese.
    cases[1].concretes.push_back(C30("\xe6\xb7\xb7\xe5\x87\x9d\xe5\x9c\x9f" "C30"));
    cases[1].options.model = "\xe6\xa2\x81 \xce\xa9 \xc3\xa9";
    cases[1].options.damage = Damage::BirtelMark;
    cases[1].options.tension = AbaqusOptions::Tension::Displacement;
    cases[1].options.crackBand = 100;
    // A character beyond the basic plane, Pa, no damage.
    cases[2].concretes.push_back(Grade(50));
    cases[2].options.model = "Frame \xf0\x9f\x8f\x97";
    cases[2].options.units = Units::NMPa;
    cases[2].options.damage = Damage::None;
    return cases;
}

// The scripts run under `interpreter` and the stand-in hold the very materials, names and
// tables of the input file written with the same options.
void CheckScripts(const QString& interpreter)
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const auto write = [&](const QString& name, const QByteArray& text) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(text), text.size());
    };
    write("abaqusConstants.py", kAbaqusConstants);
    write("abaqus.py", kAbaqusStandIn);
    write("driver.py", kDriver);

    std::vector<ScriptCase> cases = ScriptCases();
    QStringList arguments{"driver.py"};
    std::vector<std::vector<InpMaterial>> expected;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        std::vector<const CConcrete*> list;
        for (const auto& c : cases[i].concretes)
            list.push_back(c.get());
        AbaqusOptions options = cases[i].options;
        options.output = AbaqusOptions::Output::Py;
        const AbaqusExport py = BuildAbaqusExport(list, options);
        QVERIFY2(py.Ok(), RefusalText(py.refused).c_str());
        // Plain ASCII: nothing depends on how a Python decodes the file.
        QVERIFY(std::all_of(py.text.begin(), py.text.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
        const QString name = QStringLiteral("script%1.py").arg(i);
        write(name, QByteArray::fromStdString(py.text));
        arguments << name;
        options.output = AbaqusOptions::Output::Inp;
        expected.push_back(ReadInp(BuildAbaqusExport(list, options).text));
    }

    const Run run = RunProgram(interpreter, arguments, {}, dir.path());
    if (!run.started)
        QSKIP(qPrintable(interpreter + QStringLiteral(" is missing: the CAE scripts cannot be "
                                                      "run (scripts/setup installs it)")));
    QVERIFY2(run.exitCode == 0, run.err.constData());
    const QJsonArray states = QJsonDocument::fromJson(run.out).array();
    QCOMPARE(states.size(), qsizetype(cases.size()));

    for (std::size_t i = 0; i < cases.size(); ++i) {
        const QJsonObject models = states[qsizetype(i)].toObject();
        const QString model = QString::fromStdString(cases[i].options.model);
        QVERIFY2(models.contains(model), qPrintable(model));
        const QJsonObject materials = models[model].toObject();
        QCOMPARE(materials.size(), qsizetype(expected[i].size()));
        for (const InpMaterial& m : expected[i]) {
            const QString materialName = QString::fromStdString(m.name);
            QVERIFY2(materials.contains(materialName), qPrintable(materialName));
            const QJsonObject keywords = materials[materialName].toObject();
            QCOMPARE(keywords.size(), qsizetype(m.keywords.size()));
            for (const Keyword& k : m.keywords) {
                // "Concrete Tension Damage, TYPE=DISPLACEMENT": the name, then the type.
                const std::size_t comma = k.name.find(", TYPE=");
                const QString keyword = QString::fromStdString(k.name.substr(0, comma));
                QVERIFY2(keywords.contains(keyword), qPrintable(keyword));
                const QJsonObject entry = keywords[keyword].toObject();
                QCOMPARE(entry.value("type").toString(),
                         comma == std::string::npos
                             ? QString()
                             : QString::fromStdString(k.name.substr(comma + 7)));
                const QJsonArray table = entry["table"].toArray();
                QCOMPARE(std::size_t(table.size()), k.rows.size());
                for (std::size_t r = 0; r < k.rows.size(); ++r) {
                    const QJsonArray values = table[qsizetype(r)].toArray();
                    QCOMPARE(std::size_t(values.size()), k.rows[r].size());
                    for (std::size_t j = 0; j < k.rows[r].size(); ++j)
                        QCOMPARE(values[qsizetype(j)].toDouble(), k.rows[r][j]);
                }
            }
        }
    }
}

}  // namespace

class TestAbaqus : public QObject {
    Q_OBJECT

private slots:
    void workedExample_data();
    void workedExample();
    void tables_data();
    void tables();
    void deviation();
    void refused_data();
    void refused();
    void names_data();
    void names();
    void unitSystems();
    void decimalCommaLocale();
    void elasticLimit_data();
    void elasticLimit();
    void derivedByAbaqus_data();
    void derivedByAbaqus();
    void damagePerCurve();
    void displacement();
    void caeScriptPython3();
    void caeScriptJython();
    void options_data();
    void options();
};

void TestAbaqus::workedExample_data()
{
    QTest::addColumn<QStringList>("more");
    QTest::addColumn<QStringList>("parts");
    QTest::newRow("defaults")
        << QStringList{}
        << QStringList{"*Elastic\n30000.0, 0.2\n",
                       "*Concrete Compression Hardening\n8.04, 0.0\n10.8168328, 3.94389051e-05\n"
                       "14.6303533, 0.000112321557\n",
                       "\n20.1, 0.000801\n",
                       "*Concrete Tension Stiffening\n2.01, 0.0\n2.00891194, 2.90362687e-05\n",
                       "*Concrete Compression Damage\n0.0, 0.0\n0.0393177904, 3.94389051e-05\n"
                       "0.0886313065, 0.000112321557\n",
                       "*Concrete Tension Damage\n0.0, 0.0\n0.164812077, 2.90362687e-05\n"};
    // The default before the code's unloading rule, for compression; tension keeps it.
    QTest::newRow("energy") << QStringList{"--damage", "energy"}
                            << QStringList{"*Concrete Compression Damage\n0.0, 0.0\n"
                                           "0.0505776823, 3.94389051e-05\n0.098447226, 0.000112321557\n",
                                           "*Concrete Tension Damage\n0.0, 0.0\n0.164812077, 2.90362687e-05\n"};
    // Under the secant E0 the code's line is stiffer than E0 at first: d = 0 there.
    QTest::newRow("secant E0, unloading")
        << QStringList{"--e0", "secant"}
        << QStringList{"*Concrete Compression Damage\n0.0, 0.0\n0.0, 1.84684938e-05\n"
                       "0.0356256536, 8.39579385e-05\n"};
    QTest::newRow("secant E0") << QStringList{"--e0", "secant"}
                               << QStringList{"*Elastic\n28351.0868, 0.2\n",
                                              "8.04, 0.0\n10.8168328, 1.84684938e-05\n"};
    QTest::newRow("birtel-mark") << QStringList{"--damage", "birtel-mark"}
                                 << QStringList{"0.0, 0.0\n0.0317720229, 3.94389051e-05\n"};
    QTest::newRow("displacement")
        << QStringList{"--tension", "displacement", "--crack-band", "100"}
        << QStringList{"*Concrete Tension Stiffening, TYPE=DISPLACEMENT\n2.01, 0.0\n"
                       "2.00891194, 0.00290362687\n"};
}

// The user guide's C30, with the lines it quotes.
void TestAbaqus::workedExample()
{
    QFETCH(QStringList, more);
    QFETCH(QStringList, parts);
    AbaqusOptions options;
    std::string error;
    for (qsizetype i = 0; i + 1 < more.size(); i += 2)
        QVERIFY(SetAbaqusOption(options, more[i].toStdString(), more[i + 1].toStdString(), error));
    const std::string text = Export(*C30(), options).text;
    for (const QString& part : parts)
        QVERIFY2(text.find(part.toStdString()) != std::string::npos, qPrintable(part));
}

void TestAbaqus::tables_data()
{
    QTest::addColumn<double>("Ec");
    QTest::addColumn<double>("fck");
    QTest::addColumn<double>("ftk");
    QTest::addColumn<double>("ac");
    QTest::addColumn<double>("at");
    QTest::addColumn<double>("eck");
    QTest::addColumn<double>("etk");
    QTest::addColumn<double>("ecmax");
    QTest::addColumn<double>("etmax");
    QTest::addColumn<int>("damage");
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("more");  // further options, name and value

    const auto row = [](const char* tag, const CConcrete& c, Damage damage,
                        Units units = Units::NMmMPa, int rows = 40, QStringList more = {}) {
        QTest::newRow(tag) << c.Ec << c.fck << c.ftk << c.ac << c.at << c.eck << c.etk
                           << c.ecmax << c.etmax << int(damage) << int(units) << rows << more;
    };
    for (int fcu = 15; fcu <= 80; fcu += 5) {
        const auto c = Grade(fcu);
        row(qPrintable(QStringLiteral("C%1 unloading").arg(fcu)), *c, Damage::Unloading);
        row(qPrintable(QStringLiteral("C%1 secant E0, unloading").arg(fcu)), *c, Damage::Unloading,
            Units::NMmMPa, 40, {"--e0", "secant"});
        row(qPrintable(QStringLiteral("C%1 energy").arg(fcu)), *c, Damage::Energy);
        row(qPrintable(QStringLiteral("C%1 code").arg(fcu)), *c, Damage::Code);
        row(qPrintable(QStringLiteral("C%1 birtel-mark").arg(fcu)), *c, Damage::BirtelMark);
        row(qPrintable(QStringLiteral("C%1 secant E0, birtel-mark").arg(fcu)), *c,
            Damage::BirtelMark, Units::NMmMPa, 40, {"--e0", "secant"});
        row(qPrintable(QStringLiteral("C%1 secant E0, energy").arg(fcu)), *c, Damage::Energy,
            Units::NMmMPa, 40, {"--e0", "secant"});
    }
    row("C30 secant E0, code", *Grade(30), Damage::Code, Units::NMmMPa, 40, {"--e0", "secant"});
    row("C30 secant E0 at limit 0.6", *Grade(30), Damage::Energy, Units::NMmMPa, 40,
        {"--e0", "secant", "--elastic-limit", "0.6"});
    row("C30 elastic limit 1: the peak first", *Grade(30), Damage::Energy, Units::NMmMPa, 40,
        {"--elastic-limit", "1"});
    row("C30 birtel-mark shares", *Grade(30), Damage::BirtelMark, Units::NMmMPa, 40,
        {"--bc", "0.4", "--bt", "1"});
    row("C30 displacement mm", *Grade(30), Damage::BirtelMark, Units::NMmMPa, 40,
        {"--tension", "displacement", "--crack-band", "100"});
    row("C50 displacement m, every point", *Grade(50), Damage::Energy, Units::NMPa, 100000,
        {"--tension", "displacement", "--crack-band", "1.5"});
    row("C30 displacement, no damage", *Grade(30), Damage::None, Units::NMPa, 40,
        {"--tension", "displacement", "--crack-band", "0.05"});
    row("C30 m energy", *Grade(30), Damage::Energy, Units::NMPa);
    row("C80 m code", *Grade(80), Damage::Code, Units::NMPa);
    row("C30 none", *Grade(30), Damage::None);
    row("C30 m unloading, every point", *Grade(30), Damage::Unloading, Units::NMPa, 100000);
    row("huge end strains unloading", *Grade(30, 1.0, 0.05), Damage::Unloading);
    row("C30 unloading, birtel-mark tension", *Grade(30), Damage::Unloading, Units::NMmMPa, 40,
        {"--tension-damage", "birtel-mark"});
    row("C30 three rows", *Grade(30), Damage::Energy, Units::NMmMPa, 3);
    row("C30 every point", *Grade(30), Damage::Code, Units::NMmMPa, 100000);
    row("huge end strains energy", *Grade(30, 1.0, 0.05), Damage::Energy);
    row("huge end strains code", *Grade(30, 1.0, 0.05), Damage::Code);
    // 0.005 is reached by accumulation as 0.004999999999999999 and then once more exactly.
    row("near-duplicate end point", *Grade(40, 0.005, 0.0003), Damage::Code, Units::NMmMPa,
        100000);
    const auto c50 = Grade(50);
    row("ends at the peaks", CConcrete("p", c50->Ec, c50->fck, c50->ftk, c50->ac, c50->at,
                                       c50->eck, c50->etk, c50->eck, c50->etk),
        Damage::Energy);
    row("just past the tension peak", *Grade(25, 0.016, CalcEtk(CalcFtk(25)) + 1e-9),
        Damage::Code);
    row("steep descending branches", CConcrete("s", 30000, 20.1, 2.01, 25, 60, 1471e-6, 95e-6,
                                               0.03, 0.002),
        Damage::Energy);
    row("steep descending branches code", CConcrete("s", 30000, 20.1, 2.01, 25, 60, 1471e-6,
                                                    95e-6, 0.03, 0.002),
        Damage::Code);
    row("steep descending branches unloading", CConcrete("s", 30000, 20.1, 2.01, 25, 60, 1471e-6,
                                                         95e-6, 0.03, 0.002),
        Damage::Unloading);
    row("short curves", *Grade(60, 0.0025, 0.00015), Damage::Energy);
}

void TestAbaqus::tables()
{
    QFETCH(double, Ec);
    QFETCH(double, fck);
    QFETCH(double, ftk);
    QFETCH(double, ac);
    QFETCH(double, at);
    QFETCH(double, eck);
    QFETCH(double, etk);
    QFETCH(double, ecmax);
    QFETCH(double, etmax);
    QFETCH(int, damage);
    QFETCH(int, units);
    QFETCH(int, rows);
    QFETCH(QStringList, more);
    const CConcrete c("Con", Ec, fck, ftk, ac, at, eck, etk, ecmax, etmax);
    AbaqusOptions options;
    options.damage = Damage(damage);
    options.units = Units(units);
    options.maxRows = rows;
    std::string error;
    for (qsizetype i = 0; i + 1 < more.size(); i += 2)
        QVERIFY2(SetAbaqusOption(options, more[i].toStdString(), more[i + 1].toStdString(), error),
                 error.c_str());
    const double scale = options.units == Units::NMPa ? 1e6 : 1;
    const bool displacement = options.tension == AbaqusOptions::Tension::Displacement;

    const AbaqusExport result = Export(c, options);
    QVERIFY2(result.Ok(), RefusalText(result.refused).c_str());
    const CdpMaterial& m = result.materials.at(0);
    const double E0 = m.E / scale;
    if (options.e0 == AbaqusOptions::Modulus::Ec) {
        QCOMPARE(m.E, solvertext::Parse(solvertext::Rounded(Ec * scale, 9)));
    } else {
        // The secant: the elastic line meets the first hardening row, without a step.
        const CdpRow& first = m.compression.rows.front();
        QVERIFY(Near(E0 * first.curveStrain * scale, first.stress, 1e-8));
        QVERIFY(E0 < Ec);
    }
    CheckCurvePoints(m.compression, c, true, scale, E0, options.elasticLimit, rows);
    CheckCurvePoints(m.tension, c, false, scale, E0, options.elasticLimit, rows,
                     displacement ? options.crackBand : 1);

    const std::vector<InpMaterial> read = ReadInp(result.text);
    QCOMPARE(read.size(), std::size_t(1));
    const InpMaterial& mat = read[0];
    QCOMPARE(mat.name, std::string("Con"));
    std::vector<std::string> names;
    for (const Keyword& k : mat.keywords)
        names.push_back(k.name);
    const std::string type = displacement ? ", TYPE=DISPLACEMENT" : "";
    std::vector<std::string> expected = {"Density", "Elastic", "Concrete Damaged Plasticity",
                                         "Concrete Compression Hardening",
                                         "Concrete Tension Stiffening" + type};
    if (CompressionDamageRule(options) != Damage::None)
        expected.push_back("Concrete Compression Damage");
    if (TensionDamageRule(options) != Damage::None)
        expected.push_back("Concrete Tension Damage" + type);
    QCOMPARE(names, expected);
    const double E = mat.Find("Elastic")->rows.at(0).at(0);
    QCOMPARE(E, m.E);
    CheckRules(*mat.Find("Concrete Compression Hardening"),
               mat.Find("Concrete Compression Damage"), E, "compression");
    CheckRules(*mat.Find("Concrete Tension Stiffening" + type),
               mat.Find("Concrete Tension Damage" + type), E, "tension");
    // The file holds the very rows that were checked.
    const auto& hardening = mat.Find("Concrete Compression Hardening")->rows;
    QCOMPARE(hardening.size(), m.compression.rows.size());
    for (std::size_t i = 0; i < hardening.size(); ++i) {
        QCOMPARE(hardening[i][0], m.compression.rows[i].stress);
        QCOMPARE(hardening[i][1], m.compression.rows[i].inelastic);
    }
    if (rows >= 100000)
        QCOMPARE(m.compression.deviation, 0.0);
}

// The reported deviation is the farthest any curve point lies from the table, and more rows
// never make it worse.
void TestAbaqus::deviation()
{
    const auto c = Grade(30);
    AbaqusOptions all;
    all.maxRows = 100000;
    const CdpMaterial full = Export(*c, all).materials.at(0);
    QCOMPARE(full.compression.rows.size(), full.compression.curvePoints);
    QVERIFY(full.compression.rows.size() > 40);

    double previous = HUGE_VAL;
    for (int rows : {3, 5, 10, 20, 40, 60}) {
        AbaqusOptions options;
        options.maxRows = rows;
        const CdpMaterial m = Export(*c, options).materials.at(0);
        for (const auto& [table, fullTable, peak] :
             {std::tuple{&m.compression, &full.compression, c->fck},
              std::tuple{&m.tension, &full.tension, c->ftk}}) {
            QCOMPARE(int(table->rows.size()), rows);
            double worst = 0;
            std::size_t k = 0;
            for (const CdpRow& p : fullTable->rows) {
                while (k + 1 < table->rows.size() && table->rows[k + 1].inelastic < p.inelastic)
                    ++k;
                const CdpRow& a = table->rows[k];
                const CdpRow& b = table->rows[std::min(k + 1, table->rows.size() - 1)];
                const double t = b.inelastic == a.inelastic
                                     ? 0
                                     : (p.inelastic - a.inelastic) / (b.inelastic - a.inelastic);
                worst = std::max(worst, std::fabs(p.stress - (a.stress + t * (b.stress - a.stress))));
            }
            QVERIFY2(std::fabs(worst / peak * 100 - table->deviation) < 1e-5,
                     qPrintable(QStringLiteral("%1 rows: %2 against %3")
                                    .arg(rows)
                                    .arg(worst / peak * 100)
                                    .arg(table->deviation)));
        }
        QVERIFY(m.compression.deviation <= previous);
        previous = m.compression.deviation;
    }
    QVERIFY(previous < 1.0);  // 60 rows follow C30 within 1 % of fc,k
}

void TestAbaqus::refused_data()
{
    QTest::addColumn<double>("Ec");
    QTest::addColumn<double>("eck");
    QTest::addColumn<double>("ecmax");
    QTest::addColumn<double>("etmax");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QStringList>("more");  // options, name and value
    QTest::newRow("compression ends before its peak")
        << 30000.0 << 0.0015 << 0.001 << 700e-6 << "compression curve ends at ecmax"
        << QStringList();
    QTest::newRow("tension ends before its peak") << 30000.0 << 0.0015 << 0.016 << 50e-6
                                                  << "tension curve ends at etmax" << QStringList();
    // Ec eck below fck: the ascending branch has a negative exponent and no sensible stress.
    QTest::newRow("modulus too small for the peak") << 10000.0 << 0.0015 << 0.016 << 700e-6
                                                    << "compression" << QStringList();
    QTest::newRow("not a number") << 30000.0 << std::nan("") << 0.016 << 700e-6
                                  << "not all positive, finite" << QStringList();
    // The secant to the peak is far below the tension curve's own stiffness: the first
    // cracking strains would be negative.
    QTest::newRow("E0 secant to the peak") << 30000.0 << 0.001471 << 0.016 << 700e-6
                                           << "E0, the secant to the elastic limit, is too small"
                                           << QStringList{"--e0", "secant", "--elastic-limit", "1"};
}

void TestAbaqus::refused()
{
    QFETCH(double, Ec);
    QFETCH(double, eck);
    QFETCH(double, ecmax);
    QFETCH(double, etmax);
    QFETCH(QString, reason);
    QFETCH(QStringList, more);
    AbaqusOptions options;
    std::string error;
    for (qsizetype i = 0; i + 1 < more.size(); i += 2)
        QVERIFY(SetAbaqusOption(options, more[i].toStdString(), more[i + 1].toStdString(), error));
    const auto good = Grade(80);  // stiff enough in tension for every option here
    const CConcrete bad("Bad one", Ec, 20.1, 2.01, 0.75, 1.26, eck, 95e-6, ecmax, etmax);
    const CConcrete* list[] = {good.get(), &bad};
    const AbaqusExport result = BuildAbaqusExport(list, options);
    QVERIFY(!result.Ok());
    QVERIFY(result.text.empty());
    QCOMPARE(result.refused.size(), std::size_t(1));
    QCOMPARE(result.refused[0].name, std::string("Bad one"));
    QVERIFY2(QString::fromStdString(result.refused[0].reason).contains(reason),
             result.refused[0].reason.c_str());
    QVERIFY(QString::fromStdString(RefusalText(result.refused))
                .startsWith(QStringLiteral("Concrete \"Bad one\" cannot be written: ")));
}

void TestAbaqus::names_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("expected");
    const QString x80(80, 'x');
    QTest::newRow("valid") << QStringList{"C30", "Con_20", "a-b_1"}
                           << QStringList{"C30", "Con_20", "a-b_1"};
    QTest::newRow("signs and keyword stars") << QStringList{"a-b+c#1", "*Material", "x;y"}
                                             << QStringList{"a-b_c_1", "M__Material", "x_y"};
    QTest::newRow("blank comma quote period")
        << QStringList{"C 30", "a,b", "it's", "say\"x\"", "C30.5", "k=1"}
        << QStringList{"C_30", "a_b", "it_s", "say_x_", "C30_5", "k_1"};
    QTest::newRow("not starting with a letter") << QStringList{"30MPa", "_x", ""}
                                                << QStringList{"M_30MPa", "M__x", "M_"};
    QTest::newRow("too long") << QStringList{QString(81, 'x'), x80}
                              << QStringList{x80.left(78) + "_2", x80};
    QTest::newRow("clash with a valid name") << QStringList{"C 30", "C_30"}
                                             << QStringList{"C_30_2", "C_30"};
    QTest::newRow("case-insensitive clash") << QStringList{"c30", "C30", "C30 "}
                                            << QStringList{"c30", "C30_2", "C30_"};
    QTest::newRow("non-ASCII and line breaks")
        << QStringList{"Béton", "a\nb", "\t", "混凝土C30"}
        << QStringList{"B_ton", "a_b", "M__", "M____C30"};
}

void TestAbaqus::names()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, expected);
    std::vector<std::string> input;
    for (const QString& n : names)
        input.push_back(n.toStdString());
    const std::vector<std::string> mapped = AbaqusMaterialNames(input);
    QStringList got;
    std::set<std::string> upper;
    for (const std::string& m : mapped) {
        got << QString::fromStdString(m);
        QVERIFY2(IsValidAbaqusName(m), m.c_str());
        upper.insert(QString::fromStdString(m).toUpper().toStdString());
    }
    QCOMPARE(got, expected);
    QCOMPARE(upper.size(), mapped.size());

    // The export writes the mapped names and reports each change.
    std::vector<std::unique_ptr<CConcrete>> owned;
    std::vector<const CConcrete*> list;
    for (const std::string& n : input) {
        owned.push_back(C30(n));
        list.push_back(owned.back().get());
    }
    const AbaqusExport result = BuildAbaqusExport(list, AbaqusOptions{});
    QVERIFY(result.Ok());
    const std::vector<InpMaterial> read = ReadInp(result.text);
    QCOMPARE(read.size(), mapped.size());
    std::size_t renamed = 0;
    for (std::size_t i = 0; i < mapped.size(); ++i) {
        QCOMPARE(read[i].name, mapped[i]);
        if (mapped[i] != input[i]) {
            QCOMPARE(result.renamed.at(renamed).original, input[i]);
            QCOMPARE(result.renamed.at(renamed).mapped, mapped[i]);
            ++renamed;
        }
    }
    QCOMPARE(result.renamed.size(), renamed);
}

void TestAbaqus::unitSystems()
{
    const auto c = C30();
    AbaqusOptions mm;
    AbaqusOptions m;
    m.units = Units::NMPa;
    const auto a = ReadInp(Export(*c, mm).text).at(0);
    const auto b = ReadInp(Export(*c, m).text).at(0);
    QCOMPARE(a.Find("Density")->rows.at(0).at(0), 2.4e-9);
    QCOMPARE(b.Find("Density")->rows.at(0).at(0), 2400.0);
    QCOMPARE(a.Find("Elastic")->rows.at(0), (std::vector<double>{30000, 0.2}));
    QCOMPARE(b.Find("Elastic")->rows.at(0), (std::vector<double>{3e10, 0.2}));
    QCOMPARE(a.Find("Concrete Damaged Plasticity")->rows.at(0),
             (std::vector<double>{30, 0.1, 1.16, 0.6667, 0.0005}));
    for (const char* k : {"Concrete Compression Hardening", "Concrete Tension Stiffening",
                          "Concrete Compression Damage", "Concrete Tension Damage"}) {
        const auto& ra = a.Find(k)->rows;
        const auto& rb = b.Find(k)->rows;
        QCOMPARE(ra.size(), rb.size());
        const bool stress = std::string(k).find("Damage") == std::string::npos;
        for (std::size_t i = 0; i < ra.size(); ++i) {
            QVERIFY(Near(rb[i][0], ra[i][0] * (stress ? 1e6 : 1)));
            QCOMPARE(rb[i][1], ra[i][1]);  // strains are m/m in both
        }
    }
    QVERIFY(Export(*c, m).text.find("** Units: N, m, Pa") != std::string::npos);
}

// Solver input is not regional text: a decimal-comma locale changes nothing.
void TestAbaqus::decimalCommaLocale()
{
    const auto c = C30();
    const std::string before = Export(*c, AbaqusOptions{}).text;
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    const char* german = std::setlocale(LC_ALL, "de_DE.UTF-8");
    if (!german)
        german = std::setlocale(LC_ALL, "de_DE");
    if (!german)
        QSKIP("no decimal-comma locale is installed on this machine (de_DE.UTF-8)");
    const std::string during = Export(*c, AbaqusOptions{}).text;
    std::setlocale(LC_ALL, saved.c_str());
    QCOMPARE(during, before);
}

void TestAbaqus::elasticLimit_data()
{
    QTest::addColumn<int>("grade");
    QTest::addColumn<int>("e0");
    for (int fcu = 15; fcu <= 80; fcu += 5)
        for (auto e0 : {AbaqusOptions::Modulus::Ec, AbaqusOptions::Modulus::Secant})
            QTest::newRow(qPrintable(QStringLiteral("C%1 %2").arg(fcu).arg(
                              e0 == AbaqusOptions::Modulus::Ec ? "Ec" : "secant")))
                << fcu << int(e0);
}

// The first hardening row is the point of the curve at the limit asked for, whatever lies
// between the chart's samples: 0.3, 0.4 and 0.5 give three different rows.
void TestAbaqus::elasticLimit()
{
    QFETCH(int, grade);
    QFETCH(int, e0);
    const auto c = Grade(grade);
    std::set<std::string> firstRows;
    for (double limit : {0.3, 0.4, 0.5}) {
        AbaqusOptions options;
        options.elasticLimit = limit;
        options.e0 = AbaqusOptions::Modulus(e0);
        const AbaqusExport result = Export(*c, options);
        QVERIFY2(result.Ok(), RefusalText(result.refused).c_str());
        const std::vector<InpMaterial> read = ReadInp(result.text);
        const auto& first = read.at(0).Find("Concrete Compression Hardening")->rows.at(0);
        QCOMPARE(first.at(0), solvertext::Parse(solvertext::Rounded(limit * c->fck, 9)));
        QCOMPARE(first.at(1), 0.0);
        const CdpRow& row = result.materials.at(0).compression.rows.at(0);
        QVERIFY(Near(c->CompressionStress(row.curveStrain), limit * c->fck, 1e-14));
        QVERIFY(row.curveStrain < c->eck);
        firstRows.insert(solvertext::Rounded(first.at(0), 9));
    }
    QCOMPARE(firstRows.size(), std::size_t(3));
}

void TestAbaqus::derivedByAbaqus_data()
{
    QTest::addColumn<int>("damage");
    QTest::addColumn<bool>("secant");
    QTest::newRow("unloading") << int(Damage::Unloading) << false;
    QTest::newRow("unloading, secant E0") << int(Damage::Unloading) << true;
    QTest::newRow("energy") << int(Damage::Energy) << false;
    QTest::newRow("code") << int(Damage::Code) << false;
    QTest::newRow("birtel-mark") << int(Damage::BirtelMark) << false;
}

// What Abaqus derives from each rule's tables, over all grades: the code rule leaves no plastic
// strain and an effective stress of hundreds of N/mm2 (the warning's reason); birtel-mark leaves
// exactly the share b of the inelastic strain; energy leaves eps d; unloading leaves the code's
// eps_z where its damage is not held (and energy's in tension).
void TestAbaqus::derivedByAbaqus()
{
    QFETCH(int, damage);
    QFETCH(bool, secant);
    for (int fcu = 15; fcu <= 80; fcu += 5) {
        const auto c = Grade(fcu);
        AbaqusOptions options;
        options.damage = Damage(damage);
        if (secant)
            options.e0 = AbaqusOptions::Modulus::Secant;
        const AbaqusExport result = Export(*c, options);
        QVERIFY2(result.Ok(), RefusalText(result.refused).c_str());
        const CdpMaterial& m = result.materials.at(0);
        double mostEffective = 0;
        for (const auto& [table, b] : {std::pair{&m.compression, options.bc},
                                       std::pair{&m.tension, options.bt}}) {
            const Damage rule = table == &m.compression ? CompressionDamageRule(options)
                                                        : TensionDamageRule(options);
            if (rule == Damage::Unloading)
                CheckUnloadingRule(*table, *c, m.E, fcu);
            for (const CdpRow& r : table->rows) {
                const QByteArray where = QByteArray::number(fcu) + " at " +
                                         QByteArray::number(r.curveStrain);
                if (rule == Damage::Unloading)
                    continue;
                if (rule == Damage::Code)
                    QVERIFY2(std::fabs(r.plastic) <= 1e-8, where);
                else if (rule == Damage::BirtelMark)
                    QVERIFY2(std::fabs(r.plastic - b * r.inelastic) <= 1e-7 * r.inelastic + 1e-12,
                             where);
                else if (&r != &table->rows.front())
                    QVERIFY2(std::fabs(r.plastic - r.curveStrain * r.damage) <=
                                 1e-7 * r.curveStrain,
                             where);
            }
            mostEffective = std::max(mostEffective, table->rows.back().effective);
        }
        // The code rule's effective stress is E0 eps itself; the others keep well below it.
        const double secantless = m.E * c->ecmax;
        if (options.damage == Damage::Code)
            QVERIFY2(Near(mostEffective, secantless, 1e-6), QByteArray::number(mostEffective));
        else
            QVERIFY2(mostEffective < 0.5 * secantless, QByteArray::number(mostEffective));
        if (fcu == 30 && options.damage == Damage::Code)  // E0 eps at the end strain: 29791 x 0.016
            QCOMPARE(std::round(mostEffective), 477.0);
    }
}

// Each curve its own rule: under the default, tension keeps energy exactly as --damage energy
// writes it; --tension-damage picks another; a tension damage alone writes no compression damage.
void TestAbaqus::damagePerCurve()
{
    const auto c = Grade(30);
    AbaqusOptions defaults, energy, mixed, tensionOnly;
    energy.damage = Damage::Energy;
    std::string error;
    QVERIFY(SetAbaqusOption(mixed, "--tension-damage", "birtel-mark", error));
    QVERIFY(SetAbaqusOption(tensionOnly, "--damage", "none", error));
    QVERIFY(SetAbaqusOption(tensionOnly, "tension-damage", "energy", error));
    QCOMPARE(TensionDamageRule(defaults), Damage::Energy);
    QCOMPARE(CompressionDamageRule(defaults), Damage::Unloading);

    const CdpMaterial d = Export(*c, defaults).materials.at(0);
    const CdpMaterial e = Export(*c, energy).materials.at(0);
    const CdpMaterial m = Export(*c, mixed).materials.at(0);
    QCOMPARE(d.tension.rows.size(), e.tension.rows.size());
    for (std::size_t i = 0; i < d.tension.rows.size(); ++i) {
        QCOMPARE(d.tension.rows[i].damage, e.tension.rows[i].damage);
        QVERIFY(std::fabs(m.tension.rows[i].plastic - 0.1 * m.tension.rows[i].inelastic) <=
                1e-7 * m.tension.rows[i].inelastic + 1e-12);
    }
    QVERIFY(d.compression.rows[1].damage < e.compression.rows[1].damage);
    for (std::size_t i = 0; i < d.compression.rows.size(); ++i)
        QCOMPARE(m.compression.rows[i].damage, d.compression.rows[i].damage);

    for (const auto output : {AbaqusOptions::Output::Inp, AbaqusOptions::Output::Py}) {
        tensionOnly.output = output;
        const AbaqusExport t = Export(*c, tensionOnly);
        QVERIFY(t.Ok());
        QVERIFY(t.text.find("CompressionDamage") == std::string::npos &&
                t.text.find("Compression Damage") == std::string::npos);
        QVERIFY(t.text.find(output == AbaqusOptions::Output::Inp ? "*Concrete Tension Damage\n"
                                                                 : "cdp.ConcreteTensionDamage(") !=
                std::string::npos);
    }
}

// Tension against displacement: the strain table scaled by the crack band, the same stresses
// and damage; refused without a band, and where Abaqus's unit-length convention would derive a
// negative plastic displacement.
void TestAbaqus::displacement()
{
    const auto c = Grade(30);
    AbaqusOptions strain;
    strain.damage = Damage::BirtelMark;
    AbaqusOptions band = strain;
    band.tension = AbaqusOptions::Tension::Displacement;
    band.crackBand = 100;
    const CdpMaterial a = Export(*c, strain).materials.at(0);
    const AbaqusExport bExport = Export(*c, band);
    QVERIFY2(bExport.Ok(), RefusalText(bExport.refused).c_str());
    const CdpMaterial& b = bExport.materials.at(0);
    QCOMPARE(b.tension.rows.size(), a.tension.rows.size());
    for (std::size_t i = 0; i < a.tension.rows.size(); ++i) {
        QCOMPARE(b.tension.rows[i].stress, a.tension.rows[i].stress);
        QCOMPARE(b.tension.rows[i].damage, a.tension.rows[i].damage);
        QVERIFY(Near(b.tension.rows[i].inelastic, 100 * a.tension.rows[i].inelastic, 1e-8));
    }
    QCOMPARE(b.compression.rows.size(), a.compression.rows.size());
    QCOMPARE(b.compression.rows.back().inelastic, a.compression.rows.back().inelastic);
    QVERIFY(bExport.text.find("*Concrete Tension Stiffening, TYPE=DISPLACEMENT\n2.01, 0.0\n") !=
            std::string::npos);

    AbaqusOptions noBand = band;
    noBand.crackBand = 0;
    const AbaqusExport refused = Export(*c, noBand);
    QVERIFY(!refused.Ok());
    QVERIFY(refused.text.empty());
    QCOMPARE(refused.refused.at(0).name, std::string());
    QVERIFY(refused.refused.at(0).reason.find("crack-band") != std::string::npos);

    AbaqusOptions metres = band;
    metres.units = Units::NMPa;
    metres.crackBand = 0.1;
    const AbaqusExport shortBand = Export(*c, metres);
    QVERIFY(!shortBand.Ok());
    QVERIFY2(shortBand.refused.at(0).reason.find("unit length") != std::string::npos,
             shortBand.refused.at(0).reason.c_str());
}

void TestAbaqus::caeScriptPython3()
{
    CheckScripts(kPython);
}

// Debian's jython is a Python 2.7, as in Abaqus/CAE before 2024. It starts slowly: every case
// goes into its one run.
void TestAbaqus::caeScriptJython()
{
    CheckScripts(QStringLiteral("jython"));
}

void TestAbaqus::options_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("ok");
    QTest::newRow("units m") << "--units" << "m" << true;
    QTest::newRow("units cm") << "--units" << "cm" << false;
    QTest::newRow("poisson") << "--poisson" << "0.15" << true;
    QTest::newRow("poisson 0.5") << "--poisson" << "0.5" << false;
    QTest::newRow("poisson with comma") << "--poisson" << "0,2" << false;
    QTest::newRow("dilation without dashes") << "dilation" << "36" << true;
    QTest::newRow("dilation 90") << "--dilation" << "90" << false;
    QTest::newRow("eccentricity 0") << "--eccentricity" << "0" << false;
    QTest::newRow("fb0-fc0") << "--fb0-fc0" << "1.12" << true;
    QTest::newRow("fb0-fc0 1") << "--fb0-fc0" << "1" << false;
    QTest::newRow("k 1") << "--k" << "1" << true;
    QTest::newRow("k 0.5") << "--k" << "0.5" << false;
    QTest::newRow("viscosity 0") << "--viscosity" << "0" << true;
    QTest::newRow("viscosity negative") << "--viscosity" << "-1e-4" << false;
    QTest::newRow("viscosity nan") << "--viscosity" << "nan" << false;
    QTest::newRow("elastic limit 1") << "--elastic-limit" << "1" << true;
    QTest::newRow("elastic limit 0") << "--elastic-limit" << "0" << false;
    QTest::newRow("damage Code") << "--damage" << "Code" << true;
    QTest::newRow("damage plastic") << "--damage" << "plastic" << false;
    QTest::newRow("damage birtel-mark") << "--damage" << "Birtel-Mark" << true;
    QTest::newRow("damage unloading") << "--damage" << "unloading" << true;
    QTest::newRow("tension damage birtel-mark") << "--tension-damage" << "birtel-mark" << true;
    QTest::newRow("tension damage unloading") << "--tension-damage" << "unloading" << false;
    QTest::newRow("tension damage plastic") << "--tension-damage" << "plastic" << false;
    QTest::newRow("bc") << "--bc" << "0.5" << true;
    QTest::newRow("bc 0") << "--bc" << "0" << false;
    QTest::newRow("bt 1") << "--bt" << "1" << true;
    QTest::newRow("bt above 1") << "--bt" << "1.01" << false;
    QTest::newRow("e0 secant") << "--e0" << "secant" << true;
    QTest::newRow("e0 tangent") << "--e0" << "tangent" << false;
    QTest::newRow("tension crack") << "--tension" << "crack" << false;
    QTest::newRow("crack band") << "--crack-band" << "120" << true;
    QTest::newRow("crack band 0") << "--crack-band" << "0" << false;
    QTest::newRow("crack band inf") << "--crack-band" << "inf" << false;
    QTest::newRow("rows 3") << "--rows" << "3" << true;
    QTest::newRow("rows 2") << "--rows" << "2" << false;
    QTest::newRow("rows 4.5") << "--rows" << "4.5" << false;
    QTest::newRow("model") << "--model" << "Frame A" << true;
    QTest::newRow("model empty") << "--model" << "" << false;
    QTest::newRow("model line break") << "--model" << "a\nb" << false;
    QTest::newRow("output py") << "--output" << "py" << true;
    QTest::newRow("unknown") << "--density" << "2400" << false;
}

void TestAbaqus::options()
{
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(bool, ok);
    AbaqusOptions options;
    std::string error;
    QCOMPARE(SetAbaqusOption(options, name.toStdString(), value.toStdString(), error), ok);
    if (!ok) {
        QVERIFY(!error.empty());
        const AbaqusOptions defaults;
        const auto fields = [](const AbaqusOptions& o) {
            return std::tuple{o.units,   o.poisson,   o.dilation, o.eccentricity, o.fb0fc0,
                              o.k,       o.viscosity, o.e0,       o.elasticLimit, o.damage,
                              o.bc,      o.bt,        o.tension,  o.crackBand,    o.maxRows,
                              o.output,  o.model,     o.tensionDamage};
        };
        QVERIFY(fields(options) == fields(defaults));
        return;
    }
    // Every accepted value reaches the file.
    AbaqusOptions::Output output;
    QVERIFY(AbaqusOutputForPath("/tmp/a.b/Model.INP", output));
    QCOMPARE(output, AbaqusOptions::Output::Inp);
    QVERIFY(AbaqusOutputForPath("x.py", output));
    QCOMPARE(output, AbaqusOptions::Output::Py);
    QVERIFY(!AbaqusOutputForPath("/tmp/a.inp/Model", output));
    const AbaqusExport result = Export(*C30(), options);
    QVERIFY(result.Ok());
    if (name.endsWith("poisson"))
        QVERIFY(result.text.find("30000.0, 0.15\n") != std::string::npos);
    if (name.endsWith("dilation"))
        QVERIFY(result.text.find("\n36.0, 0.1, 1.16, 0.6667, 0.0005\n") != std::string::npos);
    if (name.endsWith("model"))
        QVERIFY(options.model == "Frame A");
}

QTEST_APPLESS_MAIN(TestAbaqus)
#include "tst_abaqus.moc"
