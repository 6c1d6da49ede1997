#include <QtTest>
#include <cmath>

#include "model/Concrete.h"

namespace {

// The worked definition: Ec 30000, fck 20, eck 0.0015, ac 1, ftk 2, etk 0.0001, at 1.
CConcrete Worked(double ac = 1.0, double at = 1.0, double ecmax = 0.016, double etmax = 0.0007)
{
    return CConcrete("C", 30000, 20, 2.0, ac, at, 0.0015, 0.0001, ecmax, etmax);
}

bool Near(double actual, double expected, double relative)
{
    return std::abs(actual - expected) <= relative * std::max(1.0, std::abs(expected));
}

}  // namespace

class TestConcrete : public QObject {
    Q_OBJECT

private slots:
    void constructorStoresAndDerives()
    {
        const CConcrete c("Con_20", 25413, 13.4, 1.54, 0.297, 0.74, 0.001329059, 0.000082068,
                          0.016, 0.0007);
        QCOMPARE(c.ConcreteName, std::string("Con_20"));
        QCOMPARE(c.Ec, 25413.0);
        QCOMPARE(c.fck, 13.4);
        QCOMPARE(c.ftk, 1.54);
        QCOMPARE(c.ac, 0.297);
        QCOMPARE(c.at, 0.74);
        QCOMPARE(c.eck, 0.001329059);
        QCOMPARE(c.etk, 0.000082068);
        QCOMPARE(c.GetEcmax(), 0.016);
        QCOMPARE(c.GetEtmax(), 0.0007);
        QCOMPARE(c.rhoc, 13.4 / (25413 * 0.001329059));
        QCOMPARE(c.nc, (25413 * 0.001329059) / (25413 * 0.001329059 - 13.4));
        QCOMPARE(c.rhot, 1.54 / (25413 * 0.000082068));
    }

    void workedExample_data()
    {
        QTest::addColumn<bool>("compression");
        QTest::addColumn<double>("strain");
        QTest::addColumn<double>("damage");
        QTest::addColumn<double>("stress");
        QTest::newRow("c 0") << true << 0.0 << 0.0 << 0.0;
        QTest::newRow("c x=0.5") << true << 0.00075 << 0.264148 << 16.5567;
        QTest::newRow("c x=1") << true << 0.0015 << 0.555556 << 20.0;
        QTest::newRow("c x=2") << true << 0.003 << 0.851852 << 13.3333;
        QTest::newRow("c x=3") << true << 0.0045 << 0.936508 << 8.5714;
        QTest::newRow("t 0") << false << 0.0 << 0.2 << 0.0;
        QTest::newRow("t x=0.5") << false << 0.00005 << 0.204167 << 1.19375;
        QTest::newRow("t x=1") << false << 0.0001 << 0.333333 << 2.0;
        QTest::newRow("t x=2") << false << 0.0002 << 0.777778 << 1.33333;
        QTest::newRow("t x=3") << false << 0.0003 << 0.893316 << 0.960152;
    }

    void workedExample()
    {
        QFETCH(bool, compression);
        QFETCH(double, strain);
        QFETCH(double, damage);
        QFETCH(double, stress);
        const CConcrete c = Worked();
        QVERIFY(Near(c.rhoc, 0.444444, 1e-6));
        QVERIFY(Near(c.nc, 1.8, 1e-12));
        QVERIFY(Near(c.rhot, 0.666667, 1e-6));
        const double d = compression ? c.CompressionDamage(strain / c.eck)
                                     : c.TensionDamage(strain / c.etk);
        const double s = compression ? c.CompressionStress(strain) : c.TensionStress(strain);
        // Compression damage at zero strain is 1 - rhoc*nc/(nc-1), zero up to rounding.
        QVERIFY2(Near(d, damage, 1e-6), qPrintable(QString::number(d, 'g', 17)));
        QVERIFY2(Near(s, stress, 1e-5), qPrintable(QString::number(s, 'g', 17)));
    }

    // The peak strain itself is on the ascending branch, the next double on the descending one;
    // both give the peak strength.
    void branchesMeetAtPeak()
    {
        const CConcrete c = Worked(3.0, 3.0);
        const double above = std::nextafter(c.eck, 1.0);
        QVERIFY(above / c.eck > 1.0);
        QVERIFY(Near(c.CompressionStress(c.eck), 20.0, 1e-12));
        QVERIFY(Near(c.CompressionStress(above), 20.0, 1e-9));
        const double aboveT = std::nextafter(c.etk, 1.0);
        QVERIFY(Near(c.TensionStress(c.etk), 2.0, 1e-12));
        QVERIFY(Near(c.TensionStress(aboveT), 2.0, 1e-9));
        // The ascending formulas, not the descending ones, apply at x = 1 exactly.
        QCOMPARE(c.CompressionDamage(1.0), 1 - (c.rhoc * c.nc) / (std::pow(1.0, c.nc) + (c.nc - 1)));
        QCOMPARE(c.TensionDamage(1.0), 1 - c.rhot * (1.2 - 0.2 * std::pow(1.0, 5.0)));
    }

    void tensionDamageAtZeroIsNotZero()
    {
        const CConcrete c = Worked();
        QCOMPARE(c.TensionDamage(0.0), 1 - 1.2 * c.rhot);
        QCOMPARE(c.TensionStress(0.0), 0.0);
    }

    // ac and at shape only the descending branches; the end strains change no stress.
    void parametersChangeOnlyTheirBranch()
    {
        const CConcrete base = Worked(1.0, 1.0);
        const CConcrete steep = Worked(2.5, 4.0, 0.5, 0.01);
        for (double x : {0.0, 0.1, 0.5, 0.9, 1.0}) {
            QCOMPARE(steep.CompressionStress(x * base.eck), base.CompressionStress(x * base.eck));
            QCOMPARE(steep.TensionStress(x * base.etk), base.TensionStress(x * base.etk));
        }
        for (double x : {1.5, 2.0, 4.0}) {
            QVERIFY(steep.CompressionStress(x * base.eck) < base.CompressionStress(x * base.eck));
            QVERIFY(steep.TensionStress(x * base.etk) < base.TensionStress(x * base.etk));
        }
        const CConcrete longer = Worked(1.0, 1.0, 0.05, 0.002);
        for (double e : {0.0, 0.001, 0.003, 0.01})
            QCOMPARE(longer.CompressionStress(e), base.CompressionStress(e));
    }

    void descendingBranchFalls()
    {
        const CConcrete c = Worked();
        double previous = c.CompressionStress(c.eck);
        for (double e = c.eck * 1.1; e < 0.02; e += 0.0005) {
            const double s = c.CompressionStress(e);
            QVERIFY(s < previous);
            previous = s;
        }
    }
};

QTEST_APPLESS_MAIN(TestConcrete)
#include "tst_concrete.moc"
