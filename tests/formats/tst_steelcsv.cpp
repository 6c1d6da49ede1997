// The steel data file: its parameter table and the corner points, under both separators,
// with the names and numbers quoted as the concrete file quotes them.

#include <QTest>
#include <memory>
#include <string>

#include "formats/SteelCsv.h"
#include "steel/SteelRegistry.h"

namespace {

// HRB400 on the characteristic basis, a mean-basis steel with a comma in its name (δs 0.08)
// and a hidden design-basis steel: the file lists every steel, shown or not.
SteelRegistry Steels()
{
    SteelRegistry steels;
    steels.Add(std::make_unique<CSteel>("HRB400", 2e5, 400, 540, 0.025, 0.075));
    steels.Add(std::make_unique<CSteel>("Bar \"B\", 12", 2e5, 460.6172270842929,
                                        621.8332565637954, 0.025, 0.075, StrengthBasis::Mean,
                                        0.08));
    steels.Add(std::make_unique<CSteel>("HPB300d", 2.1e5, 270, 378, 0.025, 0.1,
                                        StrengthBasis::Design),
               false);
    return steels;
}

}  // namespace

class TestSteelCsv : public QObject {
    Q_OBJECT

private slots:
    void wholeFile_data()
    {
        QTest::addColumn<char>("separator");
        QTest::addColumn<QString>("expected");
        QTest::newRow("point") << '.'
                               << "SteelName,Es[N/mm2],fy[N/mm2],fst[N/mm2],ey[mm/mm],euy[mm/mm],"
                                  "eu[mm/mm],Basis,cv\r\n"
                                  "HRB400,200000.00,400.00,540.00,2.000E-03,2.500E-02,7.500E-02,"
                                  "characteristic,\r\n"
                                  "\"Bar \"\"B\"\", 12\",200000.00,460.62,621.83,2.303E-03,"
                                  "2.500E-02,7.500E-02,mean,0.080\r\n"
                                  "HPB300d,210000.00,270.00,378.00,1.286E-03,2.500E-02,1.000E-01,"
                                  "design,\r\n"
                                  "\r\n"
                                  "Corner Points\r\n"
                                  "SteelName,Point,Strain[mm/mm],Stress[N/mm2]\r\n"
                                  "HRB400,Origin,0.000E+00,0.000\r\n"
                                  "HRB400,Yield,2.000E-03,400.000\r\n"
                                  "HRB400,Hardening Start,2.500E-02,400.000\r\n"
                                  "HRB400,Ultimate,7.500E-02,540.000\r\n"
                                  "\"Bar \"\"B\"\", 12\",Origin,0.000E+00,0.000\r\n"
                                  "\"Bar \"\"B\"\", 12\",Yield,2.303E-03,460.617\r\n"
                                  "\"Bar \"\"B\"\", 12\",Hardening Start,2.500E-02,460.617\r\n"
                                  "\"Bar \"\"B\"\", 12\",Ultimate,7.500E-02,621.833\r\n"
                                  "HPB300d,Origin,0.000E+00,0.000\r\n"
                                  "HPB300d,Yield,1.286E-03,270.000\r\n"
                                  "HPB300d,Hardening Start,2.500E-02,270.000\r\n"
                                  "HPB300d,Ultimate,1.000E-01,378.000\r\n";
        QTest::newRow("comma") << ','
                               << "SteelName,Es[N/mm2],fy[N/mm2],fst[N/mm2],ey[mm/mm],euy[mm/mm],"
                                  "eu[mm/mm],Basis,cv\r\n"
                                  "HRB400,\"200000,00\",\"400,00\",\"540,00\",\"2,000E-03\","
                                  "\"2,500E-02\",\"7,500E-02\",characteristic,\r\n"
                                  "\"Bar \"\"B\"\", 12\",\"200000,00\",\"460,62\",\"621,83\","
                                  "\"2,303E-03\",\"2,500E-02\",\"7,500E-02\",mean,\"0,080\"\r\n"
                                  "HPB300d,\"210000,00\",\"270,00\",\"378,00\",\"1,286E-03\","
                                  "\"2,500E-02\",\"1,000E-01\",design,\r\n"
                                  "\r\n"
                                  "Corner Points\r\n"
                                  "SteelName,Point,Strain[mm/mm],Stress[N/mm2]\r\n"
                                  "HRB400,Origin,\"0,000E+00\",\"0,000\"\r\n"
                                  "HRB400,Yield,\"2,000E-03\",\"400,000\"\r\n"
                                  "HRB400,Hardening Start,\"2,500E-02\",\"400,000\"\r\n"
                                  "HRB400,Ultimate,\"7,500E-02\",\"540,000\"\r\n"
                                  "\"Bar \"\"B\"\", 12\",Origin,\"0,000E+00\",\"0,000\"\r\n"
                                  "\"Bar \"\"B\"\", 12\",Yield,\"2,303E-03\",\"460,617\"\r\n"
                                  "\"Bar \"\"B\"\", 12\",Hardening Start,\"2,500E-02\",\"460,617\"\r\n"
                                  "\"Bar \"\"B\"\", 12\",Ultimate,\"7,500E-02\",\"621,833\"\r\n"
                                  "HPB300d,Origin,\"0,000E+00\",\"0,000\"\r\n"
                                  "HPB300d,Yield,\"1,286E-03\",\"270,000\"\r\n"
                                  "HPB300d,Hardening Start,\"2,500E-02\",\"270,000\"\r\n"
                                  "HPB300d,Ultimate,\"1,000E-01\",\"378,000\"\r\n";
    }

    void wholeFile()
    {
        QFETCH(char, separator);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(BuildSteelCsv(Steels(), separator)), expected);
    }

    void noSteelsGiveTheHeadingsOnly()
    {
        QCOMPARE(BuildSteelCsv(SteelRegistry(), '.'),
                 std::string("SteelName,Es[N/mm2],fy[N/mm2],fst[N/mm2],ey[mm/mm],euy[mm/mm],"
                             "eu[mm/mm],Basis,cv\r\n\r\nCorner Points\r\n"
                             "SteelName,Point,Strain[mm/mm],Stress[N/mm2]\r\n"));
    }
};

QTEST_APPLESS_MAIN(TestSteelCsv)
#include "tst_steelcsv.moc"
