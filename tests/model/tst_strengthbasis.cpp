// Grade fill on the three strength bases: the design values of Table 4.1.4, mean values from
// δc, the parameters that follow the basis strength, and the names that tell the bases apart.

#include <QtTest>
#include <cmath>
#include <limits>

#include "model/CodeParameters.h"
#include "model/GradeFields.h"
#include "model/StrengthBasis.h"

namespace {

// The definition fields as grade selection prints them: Ec, fc,r, ft,r, εc,r (10⁻⁶), αc,
// εt,r (10⁻⁶), αt.
QStringList Printed(const DefinitionTexts& t)
{
    QStringList printed;
    for (const std::string* text : {&t.Ec, &t.fck, &t.ftk, &t.eck, &t.ac, &t.etk, &t.at})
        printed << QString::fromStdString(*text);
    return printed;
}

}  // namespace

Q_DECLARE_METATYPE(StrengthBasis)

class TestStrengthBasis : public QObject {
    Q_OBJECT

private slots:
    // Table 4.1.4-1 and 4.1.4-2 of GB 50010-2010, as the fields print fc and ft.
    void designTable_data()
    {
        QTest::addColumn<double>("grade");
        QTest::addColumn<QString>("fc");
        QTest::addColumn<QString>("ft");
        const struct {
            int grade;
            const char* fc;
            const char* ft;
        } rows[] = {
            {15, "7.2", "0.910"},  {20, "9.6", "1.100"},  {25, "11.9", "1.270"},
            {30, "14.3", "1.430"}, {35, "16.7", "1.570"}, {40, "19.1", "1.710"},
            {45, "21.1", "1.800"}, {50, "23.1", "1.890"}, {55, "25.3", "1.960"},
            {60, "27.5", "2.040"}, {65, "29.7", "2.090"}, {70, "31.8", "2.140"},
            {75, "33.8", "2.180"}, {80, "35.9", "2.220"},
        };
        for (const auto& row : rows)
            QTest::newRow(qPrintable(QStringLiteral("C%1").arg(row.grade)))
                << double(row.grade) << row.fc << row.ft;
    }

    void designTable()
    {
        QFETCH(double, grade);
        QFETCH(QString, fc);
        QFETCH(QString, ft);
        const DefinitionTexts t = GradeDefinitionTexts(grade, '.', StrengthBasis::Design);
        QCOMPARE(QString::fromStdString(t.fck), fc);
        QCOMPARE(QString::fromStdString(t.ftk), ft);
    }

    // Every printed field on each basis. The strain and shape fields come from the unrounded
    // basis strength by the same formulas as on the characteristic basis; Ec never changes.
    void basisFill_data()
    {
        QTest::addColumn<double>("grade");
        QTest::addColumn<StrengthBasis>("basis");
        QTest::addColumn<double>("cv");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("printed");
        const auto row = [](const char* tag, double grade, StrengthBasis basis, double cv,
                            const char* name, QStringList printed) {
            QTest::newRow(tag) << grade << basis << cv << QString::fromLatin1(name) << printed;
        };
        using B = StrengthBasis;
        row("C30 characteristic", 30, B::Characteristic, 0, "Con_30",
            {"29791", "20.1", "2.010", "1470.437", "0.748", "94.763", "1.261"});
        // δc is not read on the other bases.
        row("C30 characteristic, stray cv", 30, B::Characteristic, 0.1, "Con_30",
            {"29791", "20.1", "2.010", "1470.437", "0.748", "94.763", "1.261"});
        row("C30 mean 0.10", 30, B::Mean, 0.10, "Con_30m",
            {"29791", "24.0", "2.406", "1542.877", "0.999", "104.421", "1.806"});
        row("C20 mean 0.15", 20, B::Mean, 0.15, "Con_20m",
            {"25413", "17.8", "2.044", "1424.806", "0.597", "95.637", "1.304"});
        row("C50 mean 0.05", 50, B::Mean, 0.05, "Con_50m",
            {"34554", "35.3", "2.877", "1721.233", "1.668", "115.003", "2.582"});
        row("C22.5 mean 0.12", 22.5, B::Mean, 0.12, "Con_22.5m",
            {"26722", "18.7", "2.068", "1444.763", "0.662", "96.237", "1.335"});
        row("C80 mean 0.20", 80, B::Mean, 0.20, "Con_80m",
            {"37969", "74.8", "4.635", "2188.059", "3.742", "148.790", "6.702"});
        row("C30 design", 30, B::Design, 0, "Con_30d",
            {"29791", "14.3", "1.430", "1351.138", "0.364", "78.849", "0.638"});
        row("C45 design", 45, B::Design, 0, "Con_45d",
            {"33657", "21.1", "1.800", "1490.972", "0.818", "89.281", "1.011"});
        // Between grades ft is interpolated in the design table, the last interval closed.
        row("C32.5 design", 32.5, B::Design, 0, "Con_32.5d",
            {"30603", "15.5", "1.500", "1377.726", "0.447", "80.910", "0.702"});
        row("C77.5 design", 77.5, B::Design, 0, "Con_77.5d",
            {"37768", "34.9", "2.200", "1715.579", "1.646", "99.500", "1.510"});
        // Outside C15-C80 ft is ft,k / 1.4.
        row("C10 design", 10, B::Design, 0, "Con_10d",
            {"17637", "4.8", "0.709", "1075.935", "-0.369", "53.973", "0.157"});
        row("C85 design", 85, B::Design, 0, "Con_85d",
            {"38340", "38.1", "2.208", "1761.896", "1.831", "99.705", "1.522"});
    }

    void basisFill()
    {
        QFETCH(double, grade);
        QFETCH(StrengthBasis, basis);
        QFETCH(double, cv);
        QFETCH(QString, name);
        QFETCH(QStringList, printed);
        const DefinitionTexts t = GradeDefinitionTexts(grade, '.', basis, cv);
        QCOMPARE(QString::fromStdString(t.name), name);
        QCOMPARE(Printed(t), printed);
        QCOMPARE(QString::fromStdString(t.ecmax), QStringLiteral("0.016"));
        QCOMPARE(QString::fromStdString(t.etmax), QStringLiteral("700"));
    }

    // The definition made from the texts carries the basis, and δc on a mean basis only.
    void definitionCarriesBasis_data()
    {
        QTest::addColumn<StrengthBasis>("basis");
        QTest::addColumn<double>("cv");
        QTest::addColumn<double>("carried");
        QTest::newRow("characteristic") << StrengthBasis::Characteristic << 0.1 << 0.0;
        QTest::newRow("mean") << StrengthBasis::Mean << 0.1 << 0.1;
        QTest::newRow("design") << StrengthBasis::Design << 0.1 << 0.0;
    }

    void definitionCarriesBasis()
    {
        QFETCH(StrengthBasis, basis);
        QFETCH(double, cv);
        QFETCH(double, carried);
        const GradeDefinitionResult made = GradeDefinition(30, ',', basis, cv);
        QVERIFY(!made.refusal);
        QCOMPARE(made.definition.basis, basis);
        QCOMPARE(made.definition.cv, carried);
        QCOMPARE(made.definition.name, made.texts.name);
        // Read back from the printed text, as the window stores it.
        QCOMPARE(made.definition.fck, std::stod(GradeDefinitionTexts(30, '.', basis, cv).fck));
    }

    void keys_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("basis");  // -1: refused
        QTest::newRow("characteristic") << "characteristic" << int(StrengthBasis::Characteristic);
        QTest::newRow("mean") << "mean" << int(StrengthBasis::Mean);
        QTest::newRow("design") << "design" << int(StrengthBasis::Design);
        QTest::newRow("capital") << "Mean" << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("prefix") << "char" << -1;
        QTest::newRow("blank after") << "design " << -1;
    }

    void keys()
    {
        QFETCH(QString, key);
        QFETCH(int, basis);
        const std::string text = key.toStdString();
        const std::optional<StrengthBasis> read = BasisFromKey(text);
        QCOMPARE(read ? int(*read) : -1, basis);
        if (read)
            QCOMPARE(QString::fromLatin1(BasisKey(*read)), key);
    }

    void coefficientOfVariation_data()
    {
        QTest::addColumn<double>("cv");
        QTest::addColumn<bool>("valid");
        QTest::newRow("zero") << 0.0 << false;
        QTest::newRow("negative") << -0.1 << false;
        QTest::newRow("tiny") << 1e-9 << true;
        QTest::newRow("usual") << 0.15 << true;
        QTest::newRow("just below 0.6") << std::nextafter(0.6, 0.0) << true;
        QTest::newRow("0.6") << 0.6 << false;
        QTest::newRow("above") << 0.7 << false;
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << false;
        QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << false;
    }

    void coefficientOfVariation()
    {
        QFETCH(double, cv);
        QFETCH(bool, valid);
        QCOMPARE(ValidCoefficientOfVariation(cv), valid);
        if (valid)
            QVERIFY(std::isfinite(MeanFactor(cv)) && MeanFactor(cv) > 1);
    }

    void lawRange_data()
    {
        QTest::addColumn<double>("grade");
        QTest::addColumn<bool>("inside");
        QTest::newRow("15") << 15.0 << false;
        QTest::newRow("just below 20") << std::nextafter(20.0, 0.0) << false;
        QTest::newRow("20") << 20.0 << true;
        QTest::newRow("80") << 80.0 << true;
        QTest::newRow("just above 80") << std::nextafter(80.0, 100.0) << false;
    }

    void lawRange()
    {
        QFETCH(double, grade);
        QFETCH(bool, inside);
        QCOMPARE(InLawGradeRange(grade), inside);
    }
};

QTEST_APPLESS_MAIN(TestStrengthBasis)
#include "tst_strengthbasis.moc"
