// Repeated-load paths: the points against the code's formulas written out here as the code
// prints them (C.2.5 with its own eps_z, C.1.3 with its own p), the choices where the code is
// silent, the sampling promise (every history value, nothing farther apart than the step), and
// the refusals of histories and steps.

#include <QTest>
#include <cmath>
#include <limits>
#include <vector>

#include "cyclic/CyclicPath.h"
#include "model/CodeParameters.h"
#include "model/Concrete.h"
#include "steel/Steel.h"

Q_DECLARE_METATYPE(std::vector<double>)

namespace {

CConcrete Grade(double fcu)
{
    const double fck = CalcFck(fcu);
    const double ftk = CalcFtk(fcu);
    std::string name = "C";
    name += std::to_string(int(fcu));
    return CConcrete(name, CalcEc(fcu), fck, ftk, CalcAc(fck),
                     CalcAt(ftk), CalcEck(fck), CalcEtk(ftk), 0.016, 0.0007);
}

const CSteel kHrb400("HRB400", 2e5, 400, 540, 0.025, 0.075);

bool Near(double a, double b, double relative = 1e-10, double absolute = 1e-9)
{
    return std::fabs(a - b) <= std::max(absolute, relative * std::max(std::fabs(a), std::fabs(b)));
}

// C.2.5 as the code writes it, compression positive.
struct Line {
    double ez;
    double Er;
};
Line CodeLine(const CConcrete& c, double eun)
{
    const double ec = c.eck;
    const double sun = c.CompressionStress(eun);
    const double eca = std::max(ec / (ec + eun), 0.09 * eun / ec) * std::sqrt(ec * eun);
    const double ez = eun - (eun + eca) * sun / (sun + c.Ec * eca);
    return {ez, sun / (eun - ez)};
}

// C.1.3 as the code writes it; signed strains and stresses work as they stand.
double CodeReload(const CSteel& s, double ea, double eb, double sb, double e)
{
    const double k = (s.fst - s.fy) / (s.eu - s.euy);
    const double bracket = s.Es * (eb - ea) - sb;
    const double p = (s.Es - k) * (eb - ea) / bracket;
    return s.Es * (e - ea) - std::pow((e - ea) / (eb - ea), p) * bracket;
}

// Where each history value sits in the path: the first point after the previous one with
// exactly its strain (the points between two values lie strictly between them).
std::vector<std::size_t> HistoryIndices(const std::vector<CyclicPoint>& path,
                                        const std::vector<double>& history)
{
    std::vector<std::size_t> at;
    std::size_t i = 0;
    for (std::size_t k = 0; k < history.size(); ++k) {
        if (k > 0 && history[k] == history[k - 1]) {
            at.push_back(at.back());
            continue;
        }
        while (i < path.size() && path[i].strain != history[k])
            ++i;
        at.push_back(i);
        if (i < path.size())
            ++i;
    }
    return at;
}

// The promise of every path: it starts at the first value, passes every value exactly and in
// order, runs straight between them, and no two neighbours are farther apart than the step.
void CheckSampling(const std::vector<CyclicPoint>& path, const std::vector<double>& history,
                   double step)
{
    QVERIFY(!path.empty());
    QCOMPARE(path.front().strain, history.front());
    const std::vector<std::size_t> at = HistoryIndices(path, history);
    for (std::size_t k = 0; k < at.size(); ++k)
        QVERIFY2(at[k] < path.size(), qPrintable(QStringLiteral("history value %1 missing").arg(k)));
    QCOMPARE(at.back(), path.size() - 1);
    for (std::size_t k = 1; k < history.size(); ++k) {
        if (history[k] == history[k - 1])
            continue;
        const double dir = history[k] > history[k - 1] ? 1 : -1;
        for (std::size_t i = at[k - 1] + 1; i <= at[k]; ++i) {
            const double gap = (path[i].strain - path[i - 1].strain) * dir;
            // A bar that fails drops to zero at the next double: the one step that is no gap.
            QVERIFY2(gap > 0 || (gap == 0 && path[i].stress == 0),
                     qPrintable(QStringLiteral("not straight at point %1").arg(i)));
            QVERIFY2(gap <= step * (1 + 1e-12), qPrintable(QStringLiteral("gap at point %1").arg(i)));
        }
    }
    // No negative zero: a file would print it "-0.0".
    for (const CyclicPoint& p : path)
        QVERIFY(std::isfinite(p.stress) && !(p.stress == 0 && std::signbit(p.stress)));
}

}  // namespace

class TestCyclic : public QObject {
    Q_OBJECT

private slots:
    void concreteCompression_data();
    void concreteCompression();
    void concreteKnownValues();
    void concreteTension();
    void steelAtHistoryValues_data();
    void steelAtHistoryValues();
    void steelReloadCurve();
    void steelElasticExcursionChangesNothing();
    void steelSymmetric();
    void unloadingDamageEveryGrade();
    void pointLimit();
    void histories_data();
    void histories();
    void steps_data();
    void steps();
};

void TestCyclic::concreteCompression_data()
{
    QTest::addColumn<double>("grade");
    QTest::addColumn<std::vector<double>>("history");
    QTest::addColumn<double>("step");
    QTest::newRow("issue's example") << 30.0
                                     << std::vector<double>{0, -0.002, -0.001, -0.004, -0.0025, -0.008}
                                     << 1e-5;
    QTest::newRow("partial unloading, reloading past the old point")
        << 30.0 << std::vector<double>{0, -0.0012, -0.0008, -0.0015, -0.0006, -0.0035, -0.002, -0.0034, -0.006}
        << 2e-5;
    QTest::newRow("starts loaded, stops on the way") << 50.0
                                                     << std::vector<double>{-0.001, -0.002, -0.003, -0.0016, -0.0017, -0.0017, -0.0042}
                                                     << 1e-4;
    QTest::newRow("far down the descending branch") << 80.0
                                                    << std::vector<double>{0, -0.01, -0.0095, -0.02, -0.0198}
                                                    << 5e-5;
    QTest::newRow("coarse step") << 20.0 << std::vector<double>{0, -0.003, -0.0016, -0.005} << 0.01;
}

// Compression only (no history value unloads past eps_z): on the envelope beyond the farthest
// point so far, on the code's line from that point down to eps_z.
void TestCyclic::concreteCompression()
{
    QFETCH(double, grade);
    QFETCH(std::vector<double>, history);
    QFETCH(double, step);
    const CConcrete c = Grade(grade);
    const std::vector<CyclicPoint> path = ConcreteCyclicPath(c, history, step);
    CheckSampling(path, history, step);
    const std::vector<std::size_t> at = HistoryIndices(path, history);
    double eun = -history[0];
    std::size_t run = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        while (run + 1 < at.size() && i > at[run]) {
            eun = std::max(eun, -history[run]);
            ++run;
        }
        const double e = -path[i].strain;
        const double expected = [&] {
            if (e >= eun)
                return c.CompressionStress(e);
            const Line line = CodeLine(c, eun);
            if (!(e >= line.ez))
                QTest::qFail("the row unloads into tension", __FILE__, __LINE__);
            return line.Er * (e - line.ez);
        }();
        QVERIFY2(Near(-path[i].stress, expected, 1e-9, 1e-9),
                 qPrintable(QStringLiteral("point %1 at %2: %3, not %4")
                                .arg(i).arg(path[i].strain).arg(path[i].stress).arg(-expected)));
    }
}

// C.2.5 worked by hand for C30 (Ec 29791, fc,k 20.064, eps_c 1470.4e-6): the strain left at zero
// stress and the slope of the line, as the path shows them.
void TestCyclic::concreteKnownValues()
{
    const CConcrete c = Grade(30);
    const struct {
        double eun, ez, Er;
    } cases[] = {{0.002, 0.000735250288463373, 14807.6742696247},
                 {0.004, 0.00231190370775092, 6552.70678328661},
                 {0.008, 0.00705610023704612, 5727.40958939411}};
    for (const auto& k : cases) {
        const ConcreteUnloading u = ConcreteUnloadingAt(c, k.eun);
        QVERIFY(Near(u.ez, k.ez, 1e-12));
        QVERIFY(Near(u.Er, k.Er, 1e-12));
        QVERIFY(Near(u.damage, 1 - k.Er / c.Ec, 1e-12));
        // Unloaded to zero stress, the path stands at -eps_z with 0 exactly: a point of its own.
        const std::vector<double> history{0, -k.eun, -0.9 * k.ez, -k.eun};
        const std::vector<CyclicPoint> path = ConcreteCyclicPath(c, history, 1e-4);
        bool found = false;
        for (const CyclicPoint& p : path)
            found = found || (p.strain == -u.ez && p.stress == 0);
        QVERIFY(found);
    }
}

// Our choice beyond C.2.6: the crack opens at the shifted origin -eps_z; up to the widest opening
// so far tension follows the secant to that origin, beyond it the tension envelope; a closed
// crack leaves the compression line as it was.
void TestCyclic::concreteTension()
{
    const CConcrete c = Grade(30);
    const Line line = CodeLine(c, 0.004);
    // The path's own eps_z, to find its point; the formula's agrees to rounding.
    const double origin = -ConcreteUnloadingAt(c, 0.004).ez;
    QVERIFY(Near(origin, -line.ez, 1e-12));
    const std::vector<double> history{0, -0.004, 0.0003, origin + 0.0002, -0.003, 0.0005, -0.0045};
    const double step = 2e-6;
    const std::vector<CyclicPoint> path = ConcreteCyclicPath(c, history, step);
    CheckSampling(path, history, step);
    const std::vector<std::size_t> at = HistoryIndices(path, history);

    const double t1 = 0.0003 - origin;
    QVERIFY(Near(path[at[2]].stress, 0.153860066428906, 1e-9));  // the envelope at t1
    QVERIFY(Near(path[at[2]].stress, c.TensionStress(t1), 1e-12));
    // Back toward the origin: the secant (1 - dt) Ec to it, with dt at the widest opening.
    const double secant = c.TensionStress(t1) / t1;
    for (std::size_t i = at[2] + 1; i <= at[3]; ++i)
        QVERIFY(Near(path[i].stress, secant * (path[i].strain - origin), 1e-9, 1e-12));
    // Through the origin with 0 and on down the code's compression line, unchanged by the crack.
    bool zero = false;
    for (std::size_t i = at[3] + 1; i <= at[4]; ++i) {
        const double x = path[i].strain;
        zero = zero || (x == origin && path[i].stress == 0);
        const double expected = x >= origin ? secant * (x - origin) : line.Er * (x - origin);
        QVERIFY2(Near(path[i].stress, expected, 1e-9, 1e-12), qPrintable(QString::number(i)));
    }
    QVERIFY(zero);
    QVERIFY(Near(path[at[4]].stress, -line.Er * (0.003 - line.ez), 1e-12));
    // Up past the widest opening: the envelope again; the peak of the tension envelope is a point.
    QVERIFY(Near(path[at[5]].stress, c.TensionStress(0.0005 - origin), 1e-12));
    // Down past the farthest compression: the envelope.
    QVERIFY(Near(path[at[6]].stress, -c.CompressionStress(0.0045), 1e-12));

    // A concrete never compressed cracks at zero; its tension peak is a point of the path.
    const std::vector<double> pull{0, 0.0002, 0.00005, 0.0004};
    const std::vector<CyclicPoint> pulled = ConcreteCyclicPath(c, pull, 1e-5);
    CheckSampling(pulled, pull, 1e-5);
    bool peak = false;
    for (const CyclicPoint& p : pulled)
        peak = peak || (p.strain == c.etk && p.stress == c.TensionStress(c.etk));
    QVERIFY(peak);
    const std::vector<std::size_t> pulledAt = HistoryIndices(pulled, pull);
    QVERIFY(Near(pulled[pulledAt[2]].stress, c.TensionStress(0.0002) / 0.0002 * 0.00005, 1e-12));
}

void TestCyclic::steelAtHistoryValues_data()
{
    // HRB400: Es 200000, fy 400, fst 540, eps_uy 0.025, eps_u 0.075. The stresses were worked out
    // from C.1.2 and C.1.3 apart from this program.
    QTest::addColumn<std::vector<double>>("history");
    QTest::addColumn<std::vector<double>>("stresses");
    QTest::newRow("growing reversals both ways, stops on the reloading curves")
        << std::vector<double>{0, 0.003, -0.001, -0.003, 0.002, 0.006, -0.002, -0.006, 0.006, 0.012, -0.006, -0.012, 0.02, 0.03, -0.02, -0.03}
        << std::vector<double>{0, 400, -339.722941411044, -400, 373.180283786599, 400, -391.673807576989, -400, 400, 400, -400, -400, 400, 414, -400, -414};
    QTest::newRow("one reversal that never yields in compression")
        << std::vector<double>{0, 0.01, -0.001} << std::vector<double>{0, 400, -394.846156846924};
    QTest::newRow("reversal before zero: back up the elastic line, on along the envelope")
        << std::vector<double>{0, 0.01, 0.009, 0.012} << std::vector<double>{0, 400, 200, 400};
    QTest::newRow("reversal on the reloading curve: unload along Es, reload toward the other target")
        << std::vector<double>{0, 0.01, -0.001, 0.005, -0.003}
        << std::vector<double>{0, 400, -394.846156846924, 299.817263930309, -400};
    QTest::newRow("elastic excursion from the reloading curve")
        << std::vector<double>{0, 0.01, 0.0, 0.0005, -0.001}
        << std::vector<double>{0, 400, -384.71428898032, -284.71428898032, -394.846156846924};
    QTest::newRow("never yields") << std::vector<double>{0, 0.001, -0.0015, 0.0005}
                                  << std::vector<double>{0, 200, -300, 100};
    QTest::newRow("starts in compression") << std::vector<double>{-0.003, 0.002, -0.004}
                                           << std::vector<double>{-400, 400, -400};
    QTest::newRow("fails beyond eps_u, carries nothing after")
        << std::vector<double>{0, 0.02, -0.08, 0.01} << std::vector<double>{0, 400, 0, 0};
}

void TestCyclic::steelAtHistoryValues()
{
    QFETCH(std::vector<double>, history);
    QFETCH(std::vector<double>, stresses);
    const double step = 1e-4;
    const std::vector<CyclicPoint> path = SteelCyclicPath(kHrb400, history, step);
    CheckSampling(path, history, step);
    const std::vector<std::size_t> at = HistoryIndices(path, history);
    for (std::size_t k = 0; k < history.size(); ++k)
        QVERIFY2(Near(path[at[k]].stress, stresses[k], 1e-12, 1e-9),
                 qPrintable(QStringLiteral("value %1: %2, not %3")
                                .arg(k).arg(path[at[k]].stress, 0, 'g', 15).arg(stresses[k], 0, 'g', 15)));
}

// Every point of one reversal: down Es to eps_a, then C.1.3 toward the yield point in
// compression (never yielded that way), then the plateau; the corners are points of their own.
void TestCyclic::steelReloadCurve()
{
    const std::vector<double> history{0, 0.01, -0.004};
    const double step = 5e-5;
    const std::vector<CyclicPoint> path = SteelCyclicPath(kHrb400, history, step);
    CheckSampling(path, history, step);
    const double ea = 0.01 - 400 / 2e5;
    const double ey = 0.002;
    int corners = 0;
    for (const CyclicPoint& p : path) {
        const double e = p.strain;
        double expected;
        if (p.strain >= 0 && &p <= &path[std::size_t(0.01 / step)])
            expected = kHrb400.Stress(e);  // loading
        else if (e >= ea)
            expected = 400 + 2e5 * (e - 0.01);
        else if (e >= -ey)
            expected = CodeReload(kHrb400, ea, -ey, -400, e);
        else
            expected = -400;
        QVERIFY2(Near(p.stress, expected, 1e-9, 1e-9), qPrintable(QString::number(e)));
        corners += (e == ea && p.stress == 0) + (e == -ey && p.stress == -400) +
                   (e == 0.002 && p.stress == 400);
    }
    QCOMPARE(corners, 3);
}

// An elastic excursion that stays above zero stress changes nothing that follows.
void TestCyclic::steelElasticExcursionChangesNothing()
{
    const std::vector<double> direct{0, 0.012, -0.003, 0.004, -0.007};
    const std::vector<double> excursions{0, 0.012, 0.0115, 0.012, -0.003, -0.0028, -0.003,
                                         0.004, 0.0035, 0.004, -0.007};
    const std::vector<CyclicPoint> a = SteelCyclicPath(kHrb400, direct, 1e-4);
    const std::vector<CyclicPoint> b = SteelCyclicPath(kHrb400, excursions, 1e-4);
    const std::vector<std::size_t> atA = HistoryIndices(a, direct);
    const std::vector<std::size_t> atB = HistoryIndices(b, excursions);
    for (const auto& [k, j] : {std::pair{1, 1}, std::pair{2, 4}, std::pair{3, 7}, std::pair{4, 10}})
        QVERIFY2(Near(a[atA[std::size_t(k)]].stress, b[atB[std::size_t(j)]].stress, 1e-12),
                 qPrintable(QString::number(k)));
}

// The law is the same both ways: a mirrored history gives the mirrored path.
void TestCyclic::steelSymmetric()
{
    const std::vector<double> history{0.001, 0.02, -0.004, 0.006, -0.03, 0.0, 0.08};
    std::vector<double> mirrored;
    for (double e : history)
        mirrored.push_back(-e);
    const std::vector<CyclicPoint> a = SteelCyclicPath(kHrb400, history, 3e-4);
    const std::vector<CyclicPoint> b = SteelCyclicPath(kHrb400, mirrored, 3e-4);
    QCOMPARE(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        QCOMPARE(b[i].strain, -a[i].strain);
        QCOMPARE(b[i].stress + 0.0, -a[i].stress + 0.0);
    }
}

// 1 - Er/Ec = eta_d dc, and the plastic strain grows with the unloading point, for every grade.
void TestCyclic::unloadingDamageEveryGrade()
{
    for (int fcu = 15; fcu <= 80; fcu += 5) {
        const CConcrete c = Grade(fcu);
        double last = 0;
        for (double eun = 1e-5; eun <= 0.03; eun += 1e-5) {
            const ConcreteUnloading u = ConcreteUnloadingAt(c, eun);
            const Line line = CodeLine(c, eun);
            QVERIFY(Near(u.ez, line.ez, 1e-9, 1e-15));
            QVERIFY(Near(u.Er, line.Er, 1e-9));
            const double eta = eun / (eun + u.eca);
            QVERIFY(Near(u.damage, eta * c.CompressionDamage(eun / c.eck), 1e-12));
            QVERIFY2(u.ez >= last && u.ez < eun, qPrintable(QStringLiteral("C%1 at %2").arg(fcu).arg(eun)));
            last = u.ez;
        }
        // Far beyond any material the line still has a meaning: no stress left, no NaN.
        const ConcreteUnloading far = ConcreteUnloadingAt(c, 0.9);
        QVERIFY(std::isfinite(far.ez) && std::isfinite(far.Er));
    }
}

void TestCyclic::pointLimit()
{
    const CConcrete c = Grade(30);
    const std::vector<double> history{0, -0.004, 0.001};
    // 400 + 500 points at 1e-5, and the kinks.
    QVERIFY_THROWS_EXCEPTION(CyclicTooManyPoints, ConcreteCyclicPath(c, history, 1e-5, 800));
    QVERIFY_THROWS_EXCEPTION(CyclicTooManyPoints, SteelCyclicPath(kHrb400, history, 1e-5, 900));
    QVERIFY(SteelCyclicPath(kHrb400, history, 1e-5, 910).size() <= 910);
    // A step far too fine is refused before anything is made.
    const std::vector<double> long_{0, -1, 1, -1};
    QVERIFY_THROWS_EXCEPTION(CyclicTooManyPoints, ConcreteCyclicPath(c, long_, 1e-12));
    QCOMPARE(CyclicPointEstimate(long_, 1e-12), 1 + 5e12);
}

void TestCyclic::histories_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::vector<double>>("values");  // empty: refused
    QTest::addColumn<QString>("reason");
    QTest::newRow("issue's list") << "0, -0.002, -0.001, -0.004, -0.0025, -0.008"
                                  << std::vector<double>{0, -0.002, -0.001, -0.004, -0.0025, -0.008} << "";
    QTest::newRow("exponents, plus, blanks") << " +1e-3 ,\t-2.5E-3 " << std::vector<double>{0.001, -0.0025} << "";
    QTest::newRow("empty") << "" << std::vector<double>{} << "empty";
    QTest::newRow("blanks") << "   " << std::vector<double>{} << "empty";
    QTest::newRow("single") << "-0.002" << std::vector<double>{} << "one strain";
    QTest::newRow("empty value") << "0,,-0.002" << std::vector<double>{} << "value 2 is empty";
    QTest::newRow("trailing comma") << "0,-0.002," << std::vector<double>{} << "value 3 is empty";
    QTest::newRow("not a number") << "0,abc" << std::vector<double>{} << "\"abc\", is not a number";
    QTest::newRow("nan") << "0,nan" << std::vector<double>{} << "\"nan\", is not a number";
    QTest::newRow("infinity") << "0,inf" << std::vector<double>{} << "\"inf\", is not a number";
    QTest::newRow("overflow") << "0,-1e400" << std::vector<double>{} << "\"-1e400\", is not a number";
    QTest::newRow("semicolons") << "0;-0.002" << std::vector<double>{} << "is not a number";
    QTest::newRow("decimal comma splits") << "0,-0,002" << std::vector<double>{} << "value 3, 2, lies beyond";
    QTest::newRow("microstrain") << "0,-2000" << std::vector<double>{} << "lies beyond -1 to 1";
}

void TestCyclic::histories()
{
    QFETCH(QString, text);
    QFETCH(std::vector<double>, values);
    QFETCH(QString, reason);
    std::vector<double> history{42};
    const std::string problem = ParseCyclicHistory(text.toStdString(), history);
    QCOMPARE(history, values);
    if (values.empty())
        QVERIFY2(QString::fromStdString(problem).contains(reason), problem.c_str());
    else
        QVERIFY2(problem.empty(), problem.c_str());
    // Values given as numbers meet the same checks, not-a-number and infinity among them.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QVERIFY(CheckCyclicHistory(std::vector<double>{0, nan}).find("not a finite number") != std::string::npos);
    QVERIFY(CheckCyclicHistory(std::vector<double>{-inf, 0}).find("value 1") != std::string::npos);
    QVERIFY(!CheckCyclicHistory(std::vector<double>{}).empty());
    QVERIFY(CheckCyclicHistory(std::vector<double>{-1, 1}).empty());
}

void TestCyclic::steps_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("step");  // 0: refused
    QTest::newRow("default's size") << "0.00001" << 1e-5;
    QTest::newRow("exponent") << " 2e-4 " << 2e-4;
    QTest::newRow("zero") << "0" << 0.0;
    QTest::newRow("negative") << "-1e-5" << 0.0;
    QTest::newRow("text") << "fine" << 0.0;
    QTest::newRow("nan") << "nan" << 0.0;
    QTest::newRow("infinity") << "1e999" << 0.0;
    QTest::newRow("decimal comma") << "0,0001" << 0.0;
}

void TestCyclic::steps()
{
    QFETCH(QString, text);
    QFETCH(double, step);
    double read = 7;
    const std::string problem = ParseCyclicStep(text.toStdString(), read);
    if (step > 0) {
        QVERIFY2(problem.empty(), problem.c_str());
        QCOMPARE(read, step);
    } else {
        QVERIFY(problem.find("is not a number greater than 0") != std::string::npos);
        QCOMPARE(read, 7.0);
    }
    QVERIFY(!ValidCyclicStep(0) && !ValidCyclicStep(-1) &&
            !ValidCyclicStep(std::numeric_limits<double>::infinity()) &&
            !ValidCyclicStep(std::numeric_limits<double>::quiet_NaN()));
}

QTEST_APPLESS_MAIN(TestCyclic)
#include "tst_cyclic.moc"
