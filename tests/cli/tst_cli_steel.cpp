// tarvolin-cli with reinforcing steel: --steel sources and steels from library files, the steel
// parameters, the steel CSV, libraries with steels, and the solver files with steels after the
// concretes; its exit statuses and messages.

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include "formats/LibraryFile.h"
#include "formats/SteelCsv.h"
#include "steel/Steel.h"
#include "support/CliRun.h"
#include "support/Files.h"

namespace {

using testfiles::Entries;
using testfiles::Read;
using testfiles::Write;

// A library of one concrete (shown) and three steels: HRB400 shown, a mean-basis steel shown,
// HPB300 hidden.
const char* const kLibrary = R"({"format": "tarvolin-library", "version": 2,
  "concretes": [{"name": "C30", "Ec": 30000, "fck": 20.1, "ftk": 2.01, "eck": 0.001471,
                 "etk": 9.5e-05, "ac": 0.75, "at": 1.26, "ecmax": 0.016, "etmax": 0.0007,
                 "shown": true}],
  "steels": [{"name": "HRB400", "Es": 200000, "fy": 400, "fst": 540, "euy": 0.025, "eu": 0.075,
              "shown": true},
             {"name": "B m", "Es": 200000, "fy": 460.6, "fst": 621.8, "euy": 0.025,
              "eu": 0.075, "shown": true, "basis": "mean", "cv": 0.08},
             {"name": "HPB300", "Es": 210000, "fy": 300, "fst": 420, "euy": 0.025, "eu": 0.1,
              "shown": false}]})";

}  // namespace

class TestCliSteel : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        const QString d = dir->path();
        QVERIFY(Write(d + "/lib.json", kLibrary));
        QVERIFY(Write(d + "/badsteel.json", QByteArray(kLibrary).replace("\"fst\": 540",
                                                                         "\"fst\": 300")));
        QVERIFY(Write(d + "/hidden.json", QByteArray(kLibrary)
                                              .replace("\"shown\": true", "\"shown\": false")));
        // A hardening branch far steeper than Es: no plastic table can follow it.
        QVERIFY(Write(d + "/steep.json", QByteArray(kLibrary).replace("\"eu\": 0.075,\n", "\"eu\": 0.02501,\n")));
    }

    void exitStatusAndMessage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("messageParts");
        const auto row = [](const char* name, QStringList arguments, int exitCode,
                            QStringList parts) {
            QTest::newRow(name) << arguments << exitCode << parts;
        };
        row("unknown steel grade", {"library", "--steel", "HRB600", "-o", "@D@/out.json"}, 2,
            {"--steel: \"HRB600\" is not a steel grade", "HRBF500"});
        row("steel and grade", {"parameters", "--steel", "HRB400", "--grade", "30"}, 2,
            {"give one of them"});
        row("steel mean without cv", {"library", "--steel", "HRB400", "--basis", "mean", "-o",
                                      "@D@/out.json"}, 2, {"--cv X is missing"});
        // A wrong grade is found before any library is read.
        row("steel grade before a missing library", {"library", "@D@/missing.json", "--steel",
                                                     "HRB4000", "-o", "@D@/out.json"}, 2,
            {"\"HRB4000\" is not a steel grade"});
        row("no sources", {"steel-csv", "-o", "@D@/out.csv"}, 2, {"--steel GRADE"});
        row("steel csv without steels", {"steel-csv", "--grade", "30", "-o", "@D@/out.csv"}, 1,
            {"No steels"});
        row("duplicate steels", {"library", "@D@/lib.json", "--steel", "hrb400", "-o",
                                 "@D@/out.json"}, 1,
            {"Steel names must be unique", "\"HRB400\"", "lib.json", "--steel hrb400"});
        row("library with a bad steel", {"steel-csv", "@D@/badsteel.json", "-o", "@D@/out.csv"},
            1, {"badsteel.json", "Steel 1 \"HRB400\"", "field \"fst\""});
        row("steel plastic", {"abaqus", "--steel", "HRB400", "--steel-plastic", "engineering",
                              "-o", "@D@/out.inp"}, 2, {"--steel-plastic: \"engineering\""});
        row("steel poisson", {"abaqus", "--steel", "HRB400", "--steel-poisson", "0.5", "-o",
                              "@D@/out.inp"}, 2, {"--steel-poisson: \"0.5\""});
        row("steel material", {"opensees", "--steel", "HRB400", "--steel-material", "steel01",
                               "-o", "@D@/out.tcl"}, 2, {"--steel-material: \"steel01\""});
        row("steel refused by abaqus", {"abaqus", "@D@/steep.json", "-o", "@D@/out.inp"}, 1,
            {"Steel \"HRB400\" cannot be written", "plastic strain would fall", "Nothing was written."});
        // The concrete takes the last tag: none is left for the steel.
        row("steel tags run out", {"opensees", "--grade", "30", "--steel", "HRB400",
                                   "--first-tag", "2147483647", "-o", "@D@/out.tcl"}, 1,
            {"Cannot write the steels: the steels' tags from 2147483648 on", "Nothing was written."});
        row("nothing shown", {"opensees", "@D@/hidden.json", "-o", "@D@/out.tcl"}, 1,
            {"No concrete is shown (nor any steel)"});
    }

    void exitStatusAndMessage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QStringList, messageParts);
        const QString d = dir->path();
        const QStringList before = Entries(d);
        for (QString& argument : arguments)
            argument.replace(QLatin1String("@D@"), d);
        const CliResult result = RunCli(arguments);
        QCOMPARE(result.exitCode, exitCode);
        for (const QString& part : messageParts)
            QVERIFY2(result.err.contains(part), qPrintable(result.err));
        QVERIFY(result.out.isEmpty());
        QCOMPARE(Entries(d), before);
    }

    void parameters()
    {
        CliResult result = RunCli({"parameters", "--steel", "hrb335"}, "de_DE.UTF-8");
        QCOMPARE(result.exitCode, 0);
        const QStringList lines = QString::fromUtf8(result.out).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 8);
        QCOMPARE(lines[0].simplified(), QStringLiteral("Strength basis characteristic (fy,k, fst,k)"));
        QCOMPARE(lines[1].simplified(), QStringLiteral("Steel Name HRB335"));
        QVERIFY(lines[3].endsWith(QStringLiteral(" 335")));
        const QChar comma = SeparatorUnder("de_DE.UTF-8");
        QVERIFY2(lines[5].endsWith(QStringLiteral(" 1") + comma + QStringLiteral("675E-03")), qPrintable(lines[5]));
        QVERIFY(lines[6].endsWith(QStringLiteral(" 0") + comma + QStringLiteral("025")));

        result = RunCli({"parameters", "--steel", "HRB500", "--json"});
        QCOMPARE(result.exitCode, 0);
        const QJsonObject json = QJsonDocument::fromJson(result.out).object();
        QCOMPARE(json.keys(), (QStringList{"Es", "basis", "eu", "euy", "fst", "fy", "name"}));
        QCOMPARE(json["name"].toString(), QStringLiteral("HRB500"));
        QCOMPARE(json["fy"].toDouble(), 500.0);
        QCOMPARE(json["fst"].toDouble(), 630.0);
        QCOMPARE(json["euy"].toDouble(), kProposedEuy);
        QCOMPARE(json["basis"].toString(), QStringLiteral("characteristic"));

        // The design ultimate strength takes the yield strength's partial factor.
        result = RunCli({"parameters", "--steel", "HRB400", "--basis", "design", "--json"});
        QCOMPARE(result.exitCode, 0);
        const QJsonObject design = QJsonDocument::fromJson(result.out).object();
        QCOMPARE(design["name"].toString(), QStringLiteral("HRB400d"));
        QCOMPARE(design["fy"].toDouble(), 360.0);
        QCOMPARE(design["fst"].toDouble(), 486.0);
        QCOMPARE(design["basis"].toString(), QStringLiteral("design"));
        result = RunCli({"parameters", "--steel", "HRB400", "--basis", "mean", "--cv", "0.08"});
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.out.contains("mean (fym, fstm), \xce\xb4s = 0.08\n"), result.out.constData());
        QVERIFY(result.out.contains(" 460.617\n"));
        QVERIFY(result.out.contains(" 621.833\n"));
    }

    // A library written from a library and --steel keeps every steel in order with its flag
    // and basis, and the steel CSV lists them all, hidden ones too.
    void libraryAndSteelCsv()
    {
        const QString d = dir->path();
        QCOMPARE(RunCli({"library", d + "/lib.json", "--steel", "RRB400", "-o", d + "/two.json"})
                     .exitCode,
                 0);
        const MaterialLibrary read = ReadMaterialLibrary(d + "/two.json");
        QCOMPARE(read.concretes.size(), std::size_t(1));
        QCOMPARE(read.steels.size(), std::size_t(4));
        QCOMPARE(read.steels.at(1).basis, StrengthBasis::Mean);
        QCOMPARE(read.steels.at(1).cv, 0.08);
        QVERIFY(!read.steels.Shown(2));
        const CSteel& rrb = read.steels.at(3);
        QCOMPARE(rrb.SteelName, std::string("RRB400"));
        QCOMPARE(rrb.eu, 0.05);
        QVERIFY(read.steels.Shown(3));

        const CliResult csv = RunCli({"steel-csv", d + "/two.json", "-o", "-", "--separator", ","});
        QCOMPARE(csv.exitCode, 0);
        QCOMPARE(csv.out, QByteArray::fromStdString(BuildSteelCsv(read.steels, ',')));

        // A mean steel of --steel is the one the steel window makes: its values as the fields
        // show them, its basis and δs kept.
        QCOMPARE(RunCli({"library", "--steel", "HRB400", "--basis", "mean", "--cv", "0.08", "-o",
                         d + "/mean.json"})
                     .exitCode,
                 0);
        const MaterialLibrary mean = ReadMaterialLibrary(d + "/mean.json");
        QCOMPARE(mean.steels.at(0).SteelName, std::string("HRB400m"));
        QCOMPARE(mean.steels.at(0).fy, 460.617);
        QCOMPARE(mean.steels.at(0).fst, 621.833);
        QCOMPARE(mean.steels.at(0).basis, StrengthBasis::Mean);
        QCOMPARE(mean.steels.at(0).cv, 0.08);

        // Concretes alone still make a version-1 library.
        const CliResult v1 = RunCli({"library", "--grade", "30", "-o", "-"});
        QVERIFY(v1.out.contains("\"version\": 1"));
        QVERIFY(!v1.out.contains("steels"));
    }

    // The shown steels follow the shown concretes, hidden ones are left out; in OpenSees the
    // tags go on from the concretes'.
    void solverFiles()
    {
        const QString d = dir->path();
        CliResult result = RunCli({"abaqus", d + "/lib.json", "-o", "-"});
        QCOMPARE(result.exitCode, 0);
        const QString inp = QString::fromUtf8(result.out);
        const qsizetype concrete = inp.indexOf("*Material, name=C30\n");
        const qsizetype steel = inp.indexOf("*Material, name=HRB400\n");
        QVERIFY(concrete >= 0 && steel > concrete);
        QVERIFY(inp.contains("*Material, name=B_m\n"));
        QVERIFY(!inp.contains("HPB300"));
        QVERIFY(inp.indexOf("*Plastic\n400.8, 0.0\n") > steel);
        QVERIFY2(result.err.contains("steel \"B m\" is written as material \"B_m\""),
                 qPrintable(result.err));

        result = RunCli({"opensees", d + "/lib.json", "--first-tag", "7", "-o", "-"});
        QCOMPARE(result.exitCode, 0);
        const QString tcl = QString::fromUtf8(result.out);
        QVERIFY(tcl.contains("uniaxialMaterial ConcreteD 7 "));
        QVERIFY(tcl.contains("uniaxialMaterial Hysteretic 8 400.0 0.002 400.0 0.025 540.0 0.075 "));
        QVERIFY(tcl.contains("uniaxialMaterial Hysteretic 9 460.6 "));
        QVERIFY(!tcl.contains(" 10 "));

        // Steels alone: the file starts with its own header.
        result = RunCli({"opensees", "--steel", "HRB400", "--steel-material", "steel02",
                         "--format", "py", "-o", "-"});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.out.startsWith("# -*- coding: utf-8 -*-\n"));
        QVERIFY(result.out.contains("import openseespy.opensees as ops\n"));
        QVERIFY(result.out.contains("ops.uniaxialMaterial('Steel02', 1, 400.0, "));
        result = RunCli({"abaqus", "--steel", "HRB400", "--units", "m", "-o", "-"});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.out.startsWith("** Reinforcing steel written by Tarvolin " TARVOLIN_VERSION
                                      "\n** Units: N, m, Pa"));
        QVERIFY(result.out.contains("*Density\n7850.0\n"));
    }

private:
    std::unique_ptr<QTemporaryDir> dir;
};

QTEST_GUILESS_MAIN(TestCliSteel)
#include "tst_cli_steel.moc"
