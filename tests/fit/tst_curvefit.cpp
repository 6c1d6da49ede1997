// The code's law fitted to points generated from it: every value found again, exactly without
// noise and within 2 % with ±1 % noise on the stresses; held values stay held.

#include <QtTest>
#include <cmath>
#include <optional>
#include <string>

#include "fit/CurveFit.h"
#include "fit/FittedConcrete.h"
#include "fit/MeasuredCurve.h"
#include "model/CodeParameters.h"
#include "model/GradeFields.h"
#include "support/MeasuredCurves.h"

namespace {

double Relative(double value, double truth)
{
    return std::abs(value / truth - 1);
}

fit::MeasuredCurve Curve(const measured::Points& p)
{
    return fit::ReadMeasuredCurve(measured::Text(p, "strain,stress\n"), "generated.csv");
}

}  // namespace

class TestCurveFit : public QObject {
    Q_OBJECT

private slots:
    void lawMatchesConcrete();
    void noiseFree_data();
    void noiseFree();
    void heldValues_data();
    void heldValues();
    void noisy_data();
    void noisy();
    void refusedHeldValues();
    void fittedConcrete();
};

void TestCurveFit::lawMatchesConcrete()
{
    // The fit's own form of the law (what it differentiates) is the concrete's damage law.
    for (const double grade : {15.0, 30.0, 80.0}) {
        const CConcrete c = measured::GradeConcrete(grade);
        for (const double x : {0.0, 0.1, 0.5, 0.99, 1.0, 1.01, 2.0, 7.5}) {
            const double compression = fit::CompressionLaw(c.fck, c.eck, c.ac, c.Ec, x * c.eck);
            const double tension = fit::TensionLaw(c.ftk, c.etk, c.at, x * c.etk);
            QVERIFY(std::abs(compression - c.CompressionStress(x * c.eck)) <= 1e-12 * c.fck);
            QVERIFY(std::abs(tension - c.TensionStress(x * c.etk)) <= 1e-12 * c.ftk);
        }
    }
    QVERIFY(std::isnan(fit::CompressionLaw(20, 0.001, 1, 20000, 0.001)));
}

void TestCurveFit::noiseFree_data()
{
    QTest::addColumn<double>("grade");
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("reach");  // the last strain in peak strains

    for (const double grade : {20.0, 30.0, 50.0, 80.0})
        QTest::addRow("C%g, 200 points to 4 peak strains", grade) << grade << 200 << 4.0;
    // Few points, none of them at the peak; and a long descending branch.
    QTest::newRow("C40, 11 points to 2.1") << 40.0 << 11 << 2.1;
    QTest::newRow("C25, 3000 points to 10") << 25.0 << 3000 << 10.0;
}

void TestCurveFit::noiseFree()
{
    QFETCH(double, grade);
    QFETCH(int, count);
    QFETCH(double, reach);
    const CConcrete c = measured::GradeConcrete(grade);

    const fit::CompressionFit compression =
        fit::FitCompression(Curve(measured::LawPoints(c, true, count, reach)));
    for (const auto& [value, truth] : {std::pair{compression.Ec, c.Ec}, {compression.fc, c.fck},
                                       {compression.ec, c.eck}, {compression.ac, c.ac}})
        QVERIFY2(Relative(value, truth) < 1e-6,
                 qPrintable(QStringLiteral("%1 against %2").arg(value, 0, 'g', 17).arg(truth, 0, 'g', 17)));
    QVERIFY(compression.quality.converged);
    QVERIFY(compression.quality.r2 > 1 - 1e-12);
    QCOMPARE(compression.quality.used, std::size_t(count));

    const fit::TensionFit tension = fit::FitTension(Curve(measured::LawPoints(c, false, count, reach)));
    for (const auto& [value, truth] : {std::pair{tension.ft, c.ftk}, {tension.et, c.etk}, {tension.at, c.at}})
        QVERIFY2(Relative(value, truth) < 1e-6,
                 qPrintable(QStringLiteral("%1 against %2").arg(value, 0, 'g', 17).arg(truth, 0, 'g', 17)));
}

void TestCurveFit::heldValues_data()
{
    QTest::addColumn<bool>("holdStrength");
    QTest::addColumn<bool>("holdModulus");
    QTest::newRow("fc,r held") << true << false;
    QTest::newRow("Ec held") << false << true;
    QTest::newRow("both held") << true << true;
}

void TestCurveFit::heldValues()
{
    // Held at the truth, the others are found exactly; held elsewhere, they stay where held.
    QFETCH(bool, holdStrength);
    QFETCH(bool, holdModulus);
    const CConcrete c = measured::GradeConcrete(35);
    const fit::MeasuredCurve curve = Curve(measured::LawPoints(c, true, 150, 3.0));
    fit::CompressionFitOptions options;
    if (holdStrength)
        options.strength = c.fck;
    if (holdModulus)
        options.modulus = c.Ec;
    const fit::CompressionFit exact = fit::FitCompression(curve, options);
    QVERIFY(Relative(exact.ec, c.eck) < 1e-6);
    QVERIFY(Relative(exact.ac, c.ac) < 1e-6);
    QVERIFY(Relative(exact.Ec, c.Ec) < 1e-6);
    QCOMPARE(exact.strengthFixed, holdStrength);
    QCOMPARE(exact.modulusFixed, holdModulus);

    if (holdStrength)
        options.strength = 1.05 * c.fck;
    if (holdModulus)
        options.modulus = 0.9 * c.Ec;
    const fit::CompressionFit held = fit::FitCompression(curve, options);
    if (holdStrength)
        QCOMPARE(held.fc, 1.05 * c.fck);
    if (holdModulus)
        QCOMPARE(held.Ec, 0.9 * c.Ec);
    // The law's initial slope is Ec: Ec·εc above fc,r keeps it a curve.
    QVERIFY(held.Ec * held.ec > held.fc);
    QVERIFY(held.quality.rms > exact.quality.rms);

    const fit::TensionFit tension = fit::FitTension(Curve(measured::LawPoints(c, false, 150, 3.0)),
                                                    holdStrength ? std::optional<double>(c.ftk) : std::nullopt);
    QVERIFY(Relative(tension.et, c.etk) < 1e-6);
    QVERIFY(Relative(tension.at, c.at) < 1e-6);
}

void TestCurveFit::noisy_data()
{
    QTest::addColumn<double>("grade");
    QTest::addColumn<int>("count");
    QTest::addColumn<unsigned>("seed");
    QTest::newRow("C30, 400 points") << 30.0 << 400 << 7u;
    QTest::newRow("C60, 400 points") << 60.0 << 400 << 11u;
    QTest::newRow("C20, 1000 points") << 20.0 << 1000 << 3u;
}

void TestCurveFit::noisy()
{
    // ±1 % on every stress, a fixed seed: the peak strains and shape parameters within 2 %.
    QFETCH(double, grade);
    QFETCH(int, count);
    QFETCH(unsigned, seed);
    const CConcrete c = measured::GradeConcrete(grade);
    const fit::CompressionFit compression =
        fit::FitCompression(Curve(measured::LawPoints(c, true, count, 4.0, 0.01, seed)));
    QVERIFY2(Relative(compression.ec, c.eck) < 0.02, qPrintable(QString::number(compression.ec)));
    QVERIFY2(Relative(compression.ac, c.ac) < 0.02, qPrintable(QString::number(compression.ac)));
    QVERIFY(Relative(compression.fc, c.fck) < 0.01);
    QVERIFY(compression.quality.rms > 0.001 * c.fck && compression.quality.rms < 0.01 * c.fck);

    const fit::TensionFit tension =
        fit::FitTension(Curve(measured::LawPoints(c, false, count, 4.0, 0.01, seed + 1)));
    QVERIFY2(Relative(tension.et, c.etk) < 0.02, qPrintable(QString::number(tension.et)));
    QVERIFY2(Relative(tension.at, c.at) < 0.02, qPrintable(QString::number(tension.at)));
}

void TestCurveFit::refusedHeldValues()
{
    const fit::MeasuredCurve curve =
        Curve(measured::LawPoints(measured::GradeConcrete(30), true, 50, 3.0));
    for (const double bad : {0.0, -20.0, std::nan(""), HUGE_VAL}) {
        QVERIFY_THROWS_EXCEPTION(fit::FitError, fit::FitCompression(curve, {bad, std::nullopt}));
        QVERIFY_THROWS_EXCEPTION(fit::FitError, fit::FitCompression(curve, {std::nullopt, bad}));
        QVERIFY_THROWS_EXCEPTION(fit::FitError, fit::FitTension(curve, bad));
    }
}

void TestCurveFit::fittedConcrete()
{
    // The nearest grade by fc,k, ties to the lower one; without a tension fit, the code's
    // tension for that grade; end strains that cover the test.
    QCOMPARE(fit::NearestGrade(CalcFck(30)), 30.0);
    QCOMPARE(fit::NearestGrade((CalcFck(30) + CalcFck(35)) / 2), 30.0);
    QCOMPARE(fit::NearestGrade(1), 15.0);
    QCOMPARE(fit::NearestGrade(200), 80.0);

    fit::CompressionFit compression;
    compression.Ec = 31000;
    compression.fc = 26.5;
    compression.ec = 0.0016;
    compression.ac = 1.2;
    const fit::FittedConcrete fromCode = fit::MakeFittedConcrete("T", compression, 0.02, std::nullopt);
    QCOMPARE(fromCode.grade, 40.0);
    QVERIFY(fromCode.tensionFromCode);
    const GradeValues code = GradeValuesFor(40);
    QCOMPARE(fromCode.definition.ftk, code.ftk);
    QCOMPARE(fromCode.definition.etk, code.etk);
    QCOMPARE(fromCode.definition.at, code.at);
    QCOMPARE(fromCode.definition.fck, 26.5);
    QCOMPARE(fromCode.definition.ecmax, 0.02);
    QCOMPARE(fromCode.definition.etmax, 0.0007);

    fit::TensionFit tension;
    tension.ft = 2.5;
    tension.et = 0.0001;
    tension.at = 2;
    const fit::FittedConcrete fitted = fit::MakeFittedConcrete("T", compression, 0.004, tension, 0.0002);
    QVERIFY(!fitted.tensionFromCode);
    QCOMPARE(fitted.definition.ftk, 2.5);
    QCOMPARE(fitted.definition.ecmax, 0.016);
    QCOMPARE(fitted.definition.etmax, 0.0007);

    // Names from file names: cut below the limit at a character, never empty.
    QCOMPARE(fit::ConcreteNameFromFile("  C30 test  "), std::string("C30 test"));
    QCOMPARE(fit::ConcreteNameFromFile(""), std::string("Test"));
    QCOMPARE(fit::ConcreteNameFromFile("混凝土抗压试验数据记录"), std::string("混凝土抗压试"));
}

QTEST_APPLESS_MAIN(TestCurveFit)
#include "tst_curvefit.moc"
