#include <QtTest>

#include "model/CodeParameters.h"
#include "model/NumberText.h"

namespace {

QString Print(const char* pattern, double value)
{
    return QString::fromStdString(FormatFloat(pattern, value, '.'));
}

}  // namespace

class TestCodeParameters : public QObject {
    Q_OBJECT

private slots:
    // The values as grade selection prints them; strains in 1e-6. The strains and shape
    // parameters come from the unrounded strengths.
    void grades_data()
    {
        QTest::addColumn<double>("grade");
        QTest::addColumn<QStringList>("printed");  // Ec fck ftk eck ac etk at
        const struct {
            double grade;
            const char* values[7];
        } rows[] = {
            {15, {"22157", "10.0", "1.270", "1244.781", "0.054", "73.955", "0.503"}},
            {20, {"25413", "13.4", "1.540", "1329.059", "0.297", "82.068", "0.740"}},
            {25, {"27871", "16.7", "1.780", "1403.310", "0.528", "88.744", "0.989"}},
            {30, {"29791", "20.1", "2.010", "1470.437", "0.748", "94.763", "1.261"}},
            {35, {"31334", "23.4", "2.200", "1532.167", "0.961", "99.500", "1.510"}},
            {40, {"32600", "26.8", "2.390", "1589.624", "1.167", "104.051", "1.782"}},
            {45, {"33657", "29.6", "2.510", "1635.891", "1.339", "106.841", "1.966"}},
            {50, {"34554", "32.4", "2.640", "1678.334", "1.500", "109.794", "2.175"}},
            {55, {"35324", "35.5", "2.740", "1724.103", "1.679", "112.021", "2.342"}},
            {60, {"35993", "38.5", "2.850", "1767.330", "1.853", "114.427", "2.534"}},
            {65, {"36579", "41.5", "2.930", "1808.252", "2.021", "116.151", "2.678"}},
            {70, {"37096", "44.5", "2.990", "1847.063", "2.183", "117.429", "2.789"}},
            {75, {"37556", "47.4", "3.050", "1883.916", "2.340", "118.696", "2.902"}},
            {80, {"37969", "50.2", "3.110", "1918.937", "2.492", "119.951", "3.018"}},
            {22.5, {"26722", "15.0", "1.660", "1367.218", "0.414", "85.462", "0.860"}},
        };
        for (const auto& row : rows) {
            QStringList printed;
            for (const char* value : row.values)
                printed << value;
            QTest::newRow(qPrintable(QString::number(row.grade))) << row.grade << printed;
        }
    }

    void grades()
    {
        QFETCH(double, grade);
        QFETCH(QStringList, printed);
        const double fck = CalcFck(grade);
        const double ftk = CalcFtk(grade);
        const QStringList actual = {Print("0", CalcEc(grade)),       Print("0.0", fck),
                                    Print("0.000", ftk),             Print("0.000", CalcEck(fck) * 1e6),
                                    Print("0.000", CalcAc(fck)),     Print("0.000", CalcEtk(ftk) * 1e6),
                                    Print("0.000", CalcAt(ftk))};
        QCOMPARE(actual, printed);
    }

    // Outside the table the tensile strength follows the formula, which does not join it.
    void outsideTheTable_data()
    {
        QTest::addColumn<double>("grade");
        QTest::addColumn<QString>("ec");
        QTest::addColumn<QString>("fck");
        QTest::addColumn<QString>("ftk");
        QTest::addColumn<QString>("ac");
        QTest::newRow("12.5") << 12.5 << "" << "" << "1.122" << "-0.074";
        QTest::newRow("5") << 5.0 << "10941" << "3.3" << "0.678" << "-0.500";
        QTest::newRow("85") << 85.0 << "38340" << "53.4" << "3.092" << "";
    }

    void outsideTheTable()
    {
        QFETCH(double, grade);
        QFETCH(QString, ec);
        QFETCH(QString, fck);
        QFETCH(QString, ftk);
        QFETCH(QString, ac);
        if (!ec.isEmpty())
            QCOMPARE(Print("0", CalcEc(grade)), ec);
        if (!fck.isEmpty())
            QCOMPARE(Print("0.0", CalcFck(grade)), fck);
        QCOMPARE(Print("0.000", CalcFtk(grade)), ftk);
        if (!ac.isEmpty())
            QCOMPARE(Print("0.000", CalcAc(CalcFck(grade))), ac);
    }

    void boundaries()
    {
        // alpha2(40) = 1 and alpha1(50) = 0.76 take the lower constants.
        QCOMPARE(CalcFck(40), 0.88 * 0.76 * 1.0 * 40);
        QCOMPARE(CalcFck(50), 0.88 * 0.76 * (1.0 + 10 * (0.87 - 1.0) / 40) * 50);
        QCOMPARE(CalcFck(80), 0.88 * 0.82 * 0.87 * 80);
        QCOMPARE(CalcFck(90), 0.88 * 0.82 * 0.87 * 90);
        QCOMPARE(CalcFtk(15), 1.27);
        QCOMPARE(CalcFtk(80), 3.11);
        QCOMPARE(CalcFtk(75), 3.05);
        // The ranges do not join: just outside the table the formula is lower.
        QVERIFY(qAbs(CalcFtk(std::nextafter(15.0, 0.0)) - 1.240) < 0.001);
        QVERIFY(qAbs(CalcFtk(std::nextafter(80.0, 100.0)) - 2.990) < 0.001);
        QVERIFY(CalcFtk(85) < CalcFtk(80));
        // Interpolation inside an interval.
        QVERIFY(qAbs(CalcFtk(17.5) - (1.27 + 1.54) / 2) < 1e-12);
        QVERIFY(qAbs(CalcFtk(77.5) - (3.05 + 3.11) / 2) < 1e-12);
    }

    void acTurnsNegativeForWeakConcrete()
    {
        QVERIFY(CalcAc(9.2) < 0);
        QVERIFY(CalcAc(9.4) > 0);
    }
};

QTEST_APPLESS_MAIN(TestCodeParameters)
#include "tst_codeparameters.moc"
