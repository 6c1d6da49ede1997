// Reinforcing steel without a window: what each grade proposes on each basis, the law's
// corners and branches, the points a chart draws, the refusals and the registry.

#include <QtTest>
#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "steel/Steel.h"
#include "steel/SteelCurve.h"
#include "steel/SteelRegistry.h"

Q_DECLARE_METATYPE(StrengthBasis)
Q_DECLARE_METATYPE(SteelField)

namespace {

bool Close(double actual, double expected, double relative = 1e-12)
{
    return std::fabs(actual - expected) <= relative * std::fabs(expected);
}

CSteel Make(const SteelValues& v)
{
    return CSteel(v.name, v.Es, v.fy, v.fst, v.euy, v.eu, v.basis, v.cv);
}

CSteel Hrb400() { return Make(SteelGradeValues(*FindSteelGrade("HRB400"), StrengthBasis::Characteristic)); }

SteelValues Valid()
{
    return SteelValues{std::string(1, 'S'), 200000, 400, 540, 0.025, 0.075};
}

}  // namespace

class TestSteel : public QObject {
    Q_OBJECT

private slots:
    void gradeValues_data()
    {
        QTest::addColumn<QString>("grade");
        QTest::addColumn<StrengthBasis>("basis");
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("Es");
        QTest::addColumn<double>("fy");
        QTest::addColumn<double>("fst");
        QTest::addColumn<double>("eu");
        const auto C = StrengthBasis::Characteristic;
        const auto M = StrengthBasis::Mean;  // δs = 0.08
        const auto D = StrengthBasis::Design;
        // Mean: f,k / (1 − 1.645 × 0.08); design ultimate: fst,k × fy / fy,k.
        QTest::newRow("HPB300 c") << "HPB300" << C << "HPB300" << 2.1e5 << 300.0 << 420.0 << 0.10;
        QTest::newRow("HPB300 m") << "HPB300" << M << "HPB300m" << 2.1e5 << 345.4629203132197
                                  << 483.64808843850756 << 0.10;
        QTest::newRow("HPB300 d") << "HPB300" << D << "HPB300d" << 2.1e5 << 270.0 << 378.0 << 0.10;
        QTest::newRow("HRB335 c") << "HRB335" << C << "HRB335" << 2e5 << 335.0 << 455.0 << 0.075;
        QTest::newRow("HRB335 m") << "HRB335" << M << "HRB335m" << 2e5 << 385.76692768309533
                                  << 523.9520958083832 << 0.075;
        QTest::newRow("HRB335 d") << "HRB335" << D << "HRB335d" << 2e5 << 300.0
                                  << 407.46268656716416 << 0.075;
        QTest::newRow("HRB400 c") << "HRB400" << C << "HRB400" << 2e5 << 400.0 << 540.0 << 0.075;
        QTest::newRow("HRB400 m") << "HRB400" << M << "HRB400m" << 2e5 << 460.6172270842929
                                  << 621.8332565637954 << 0.075;
        QTest::newRow("HRB400 d") << "HRB400" << D << "HRB400d" << 2e5 << 360.0 << 486.0 << 0.075;
        QTest::newRow("HRBF400 d") << "HRBF400" << D << "HRBF400d" << 2e5 << 360.0 << 486.0 << 0.075;
        QTest::newRow("RRB400 c") << "RRB400" << C << "RRB400" << 2e5 << 400.0 << 540.0 << 0.05;
        QTest::newRow("RRB400 m") << "RRB400" << M << "RRB400m" << 2e5 << 460.6172270842929
                                  << 621.8332565637954 << 0.05;
        QTest::newRow("RRB400 d") << "RRB400" << D << "RRB400d" << 2e5 << 360.0 << 486.0 << 0.05;
        QTest::newRow("HRB500 c") << "HRB500" << C << "HRB500" << 2e5 << 500.0 << 630.0 << 0.075;
        QTest::newRow("HRB500 m") << "HRB500" << M << "HRB500m" << 2e5 << 575.7715338553661
                                  << 725.4721326577613 << 0.075;
        QTest::newRow("HRB500 d") << "HRB500" << D << "HRB500d" << 2e5 << 435.0 << 548.1 << 0.075;
        QTest::newRow("HRBF500 c") << "HRBF500" << C << "HRBF500" << 2e5 << 500.0 << 630.0 << 0.075;
    }

    void gradeValues()
    {
        QFETCH(QString, grade);
        QFETCH(StrengthBasis, basis);
        QFETCH(QString, name);
        QFETCH(double, Es);
        QFETCH(double, fy);
        QFETCH(double, fst);
        QFETCH(double, eu);
        const SteelGrade* row = FindSteelGrade(grade.toStdString());
        QVERIFY(row);
        const SteelValues v = SteelGradeValues(*row, basis, 0.08);
        QCOMPARE(QString::fromStdString(v.name), name);
        QCOMPARE(v.Es, Es);
        QVERIFY2(Close(v.fy, fy), qPrintable(QString::number(v.fy, 'g', 17)));
        QVERIFY2(Close(v.fst, fst), qPrintable(QString::number(v.fst, 'g', 17)));
        QCOMPARE(v.eu, eu);
        QCOMPARE(v.euy, kProposedEuy);
        QCOMPARE(v.basis, basis);
        QCOMPARE(v.cv, basis == StrengthBasis::Mean ? 0.08 : 0.0);
        QVERIFY(!CheckSteel(v));
    }

    void gradeLookup()
    {
        QCOMPARE(SteelGrades().size(), std::size_t(7));
        QVERIFY(!FindSteelGrade("hrb400"));
        QVERIFY(!FindSteelGrade("HRB400 "));
        QVERIFY(!FindSteelGrade(""));
        // The window's grade box and --steel take any letter case, but nothing more.
        QCOMPARE(FindSteelGradeAnyCase("hrb400"), FindSteelGrade("HRB400"));
        QCOMPARE(FindSteelGradeAnyCase("Hrbf500"), FindSteelGrade("HRBF500"));
        QVERIFY(!FindSteelGradeAnyCase("hrb400 "));
        QVERIFY(!FindSteelGradeAnyCase("hrb40"));
        QVERIFY(!FindSteelGradeAnyCase(""));
    }

    // HRB400: εy = 0.002, plateau to 0.025, hardening k = 140 / 0.05 = 2800 N/mm² to 0.075.
    void lawOnEachBranch_data()
    {
        QTest::addColumn<double>("strain");
        QTest::addColumn<double>("stress");
        QTest::newRow("origin") << 0.0 << 0.0;
        QTest::newRow("elastic") << 0.001 << 200.0;
        QTest::newRow("yield corner") << 0.002 << 400.0;
        QTest::newRow("plateau") << 0.01 << 400.0;
        QTest::newRow("hardening start") << 0.025 << 400.0;
        QTest::newRow("hardening") << 0.05 << 470.0;
        QTest::newRow("ultimate") << 0.075 << 540.0;
        QTest::newRow("failed") << 0.0751 << 0.0;
    }

    void lawOnEachBranch()
    {
        QFETCH(double, strain);
        QFETCH(double, stress);
        const CSteel steel = Hrb400();
        QVERIFY2(std::fabs(steel.Stress(strain) - stress) < 1e-9,
                 qPrintable(QString::number(steel.Stress(strain), 'g', 17)));
        QVERIFY(std::fabs(steel.Stress(-strain) + stress) < 1e-9);
    }

    void cornerPoints()
    {
        const auto corners = SteelCornerPoints(Hrb400());
        QCOMPARE(corners.size(), std::size_t(4));
        const double expected[][2] = {{0, 0}, {0.002, 400}, {0.025, 400}, {0.075, 540}};
        for (std::size_t i = 0; i < 4; ++i) {
            QCOMPARE(corners[i].strain, expected[i][0]);
            QCOMPARE(corners[i].stress, expected[i][1]);
        }
    }

    // The drawn points pass through every corner with its exact stress, strictly increase,
    // lie on the law, and end with the drop after failure; a huge εu does not multiply them.
    void curvePoints_data()
    {
        QTest::addColumn<double>("fy");
        QTest::addColumn<double>("euy");
        QTest::addColumn<double>("eu");
        QTest::addColumn<int>("atMost");
        QTest::newRow("HRB400") << 400.0 << 0.025 << 0.075 << 760;
        // fy / Es off the step grid, rounding Es·εy below fy.
        QTest::newRow("odd yield") << 460.6172270842929 << 0.025 << 0.075 << 760;
        QTest::newRow("no plateau") << 400.0 << 0.002 << 0.01 << 110;
        QTest::newRow("huge eu") << 400.0 << 0.025 << 1e6 << 2010;
    }

    void curvePoints()
    {
        QFETCH(double, fy);
        QFETCH(double, euy);
        QFETCH(double, eu);
        QFETCH(int, atMost);
        const CSteel steel("S", 2e5, fy, 540, euy, eu);
        const auto points = SteelCurvePoints(steel);
        QVERIFY(int(points.size()) <= atMost);
        QCOMPARE(points.front().strain, 0.0);
        for (std::size_t i = 1; i < points.size(); ++i)
            QVERIFY2(points[i].strain > points[i - 1].strain, qPrintable(QString::number(i)));
        for (const auto& corner : SteelCornerPoints(steel)) {
            const auto at = std::find_if(points.begin(), points.end(),
                                         [&](const SteelPoint& p) { return p.strain == corner.strain; });
            QVERIFY(at != points.end());
            QCOMPARE(at->stress, corner.stress);
        }
        for (std::size_t i = 0; i + 1 < points.size(); ++i)
            QVERIFY(std::fabs(points[i].stress - steel.Stress(points[i].strain)) <= 1e-9 * 540);
        QCOMPARE(points[points.size() - 2].strain, eu);
        QVERIFY(points.back().strain > eu);
        QCOMPARE(points.back().stress, 0.0);
        QCOMPARE(steel.Stress(points.back().strain), 0.0);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<double>("value");
        QTest::addColumn<SteelField>("field");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("Es zero") << "Es" << 0.0 << SteelField::Es;
        QTest::newRow("Es negative") << "Es" << -2e5 << SteelField::Es;
        QTest::newRow("fy nan") << "fy" << nan << SteelField::fy;
        QTest::newRow("fst infinite") << "fst" << inf << SteelField::fst;
        QTest::newRow("fst below fy") << "fst" << 399.0 << SteelField::fst;
        QTest::newRow("euy zero") << "euy" << 0.0 << SteelField::euy;
        QTest::newRow("euy below ey") << "euy" << 0.0019 << SteelField::euy;
        QTest::newRow("eu equal euy") << "eu" << 0.025 << SteelField::eu;
        QTest::newRow("eu below euy") << "eu" << 0.02 << SteelField::eu;
        QTest::newRow("name empty") << "name" << 0.0 << SteelField::Name;
        QTest::newRow("name 20 bytes") << "name" << 20.0 << SteelField::Name;
    }

    void refusals()
    {
        QFETCH(QString, what);
        QFETCH(double, value);
        QFETCH(SteelField, field);
        SteelValues v = Valid();
        if (what == "name") v.name = std::string(std::size_t(value), 'x');
        if (what == "Es") v.Es = value;
        if (what == "fy") v.fy = value;
        if (what == "fst") v.fst = value;
        if (what == "euy") v.euy = value;
        if (what == "eu") v.eu = value;
        const auto refusal = CheckSteel(v);
        QVERIFY(refusal);
        QCOMPARE(refusal->field, field);
        QVERIFY(!refusal->message.empty());
    }

    // The edges the law still draws: fst = fy (no hardening), εuy = εy (no plateau),
    // a 19-byte name.
    void edgesAccepted()
    {
        SteelValues v = Valid();
        v.fst = v.fy;
        v.euy = v.fy / v.Es;
        v.name = std::string(19, 'x');
        QVERIFY(!CheckSteel(v));
        const CSteel steel = Make(v);
        QCOMPARE(steel.Stress(0.05), 400.0);
    }

    void registry()
    {
        SteelRegistry steels;
        steels.Add(std::make_unique<CSteel>(Hrb400()));
        steels.Add(std::make_unique<CSteel>("hrb400", 2e5, 400, 540, 0.025, 0.075), false);
        try {
            steels.Add(std::make_unique<CSteel>(Hrb400()));
            QFAIL("a taken name was registered");
        } catch (const std::invalid_argument& e) {
            QCOMPARE(QString(e.what()), QString("Steel with name: \"HRB400\" already exists!"));
        }
        QCOMPARE(steels.size(), std::size_t(2));
        QCOMPARE(steels.IndexOf("hrb400"), std::ptrdiff_t(1));
        QCOMPARE(steels.ShownSteels().size(), std::size_t(1));
        QCOMPARE(steels.ShownSteels().front()->SteelName, std::string("HRB400"));
        const auto before = steels.Revision();
        steels.SetShown("hrb400", true);
        QVERIFY(steels.Revision() != before);
        QVERIFY(steels.Remove("HRB400"));
        QCOMPARE(steels.at(0).SteelName, std::string("hrb400"));
    }
};

QTEST_APPLESS_MAIN(TestSteel)
#include "tst_steel.moc"
