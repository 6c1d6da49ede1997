// The CSV text of the concrete data file, built straight from CConcrete objects.

#include <QRegularExpression>
#include <QTest>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "formats/CsvExport.h"
#include "formats/CyclicCsv.h"
#include "formats/SteelCsv.h"
#include "model/Concrete.h"
#include "steel/Steel.h"
#include "support/WorkedExample.h"

namespace {

using Registry = std::vector<std::unique_ptr<CConcrete>>;

// Fields marked "(10-6)" in the window hold strains in units of 10^-6.
constexpr double kMicro = 1e-6;

std::unique_ptr<CConcrete> Make(const std::string& name, double ecmax = 0.016,
                                double etmax = 700 * kMicro)
{
    return std::make_unique<CConcrete>(name, 25500, 13.4, 1.54, 0.74, 0.82, 1370 * kMicro,
                                       85 * kMicro, ecmax, etmax);
}

double Number(const char* text)
{
    return QByteArray(text).toDouble();
}

std::unique_ptr<CConcrete> Make(const worked::Definition& d)
{
    return std::make_unique<CConcrete>(d.name, Number(d.Ec), Number(d.fck), Number(d.ftk),
                                       Number(d.ac), Number(d.at), Number(d.eck) * kMicro,
                                       Number(d.etk) * kMicro, Number(d.ecmax),
                                       Number(d.etmax) * kMicro);
}

// C30 and C50 of the worked example.
Registry WorkedExample()
{
    Registry concretes;
    concretes.push_back(Make(worked::kC30));
    concretes.push_back(Make(worked::kC50));
    return concretes;
}

// Splits at CR LF; every line, the last one included, must end with it, and no lone CR or LF
// may stand anywhere else.
QStringList Lines(const std::string& text)
{
    QStringList lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            QTest::qFail("text does not end with CR LF", __FILE__, __LINE__);
            return {};
        }
        lines.append(QString::fromUtf8(text.data() + start, qsizetype(end - start)));
        start = end + 2;
    }
    return lines;
}

// A plain RFC 4180 reader: comma-separated fields, CR LF between records, fields in double
// quotes may hold commas, quotes (doubled) and line breaks.
std::vector<std::vector<std::string>> ReadCsv(const std::string& text)
{
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> record;
    std::string field;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '"' && field.empty()) {
            for (++i; i < text.size(); ++i) {
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        field += '"';
                        ++i;
                    } else {
                        ++i;
                        break;
                    }
                } else {
                    field += text[i];
                }
            }
            continue;
        }
        if (text[i] == ',') {
            record.push_back(field);
            field.clear();
            ++i;
        } else if (text.compare(i, 2, "\r\n") == 0) {
            record.push_back(field);
            field.clear();
            records.push_back(record);
            record.clear();
            i += 2;
        } else {
            field += text[i++];
        }
    }
    return records;
}

}  // namespace

class TestCsvExport : public QObject {
    Q_OBJECT

private slots:
    void workedExample();
    void blockEnds_data();
    void blockEnds();
    void decimalComma();
    void awkwardNames_data();
    void awkwardNames();
    void plainNamesStayAsRegistered();
    void hugeEndStrainIsRefused();
    void byteOrderMarkForNamesBeyondAscii_data();
    void byteOrderMarkForNamesBeyondAscii();
};

void TestCsvExport::workedExample()
{
    const Registry concretes = WorkedExample();
    const std::string text = BuildConcreteCsv(concretes, '.');
    QVERIFY(text.rfind("\xEF\xBB\xBF", 0) == std::string::npos);  // no byte-order mark

    const QStringList lines = Lines(text);
    QCOMPARE(lines.size(), worked::kLineCount);

    const auto excerpts = worked::Excerpts();
    for (const auto& [first, expected] : excerpts)
        for (int k = 0; k < expected.size(); ++k)
            QCOMPARE(lines.value(first + k), expected[k]);

    // C50's tension cells stop at the row whose accumulated strain lies just above 0.0006.
    QVERIFY(lines[389].startsWith("5.980E-04,") && !lines[389].endsWith(",,"));
    QVERIFY(lines[390].startsWith("6.000E-04,") && lines[390].endsWith(",,"));
    QVERIFY(lines[439].startsWith("6.980E-04,") && lines[439].endsWith(",,"));

    // Every row of both blocks has the strain, one cell per concrete and the empty last field.
    for (int i = 6; i < 86; ++i)
        QCOMPARE(lines[i].count(','), 3);
    for (int i = 90; i < 440; ++i)
        QCOMPARE(lines[i].count(','), 3);
}

void TestCsvExport::blockEnds_data()
{
    QTest::addColumn<double>("ecmax");
    QTest::addColumn<double>("etmax");
    QTest::addColumn<int>("compressionRows");
    QTest::addColumn<QString>("lastCompressionRow");  // a regular expression
    QTest::addColumn<int>("tensionRows");
    QTest::addColumn<QString>("lastTensionRow");

    // The 81st and 351st accumulated strains lie just above the end strains: no row there.
    QTest::newRow("default end strains")
        << 0.016 << 700 * kMicro << 80 << R"(1\.580E-02,\d+\.\d{3},)" << 350
        << R"(6\.980E-04,\d\.\d{3},)";
    // The 51st accumulated strain is exactly 0.01: a row, with an empty cell.
    QTest::newRow("end strain met exactly")
        << 0.01 << 700 * kMicro << 51 << R"(1\.000E-02,,)" << 350 << R"(6\.980E-04,\d\.\d{3},)";
    // The 26th accumulated strain is 0.004999999999999999, just below the end strain: it prints
    // as the end strain and still carries a stress.
    QTest::newRow("end strain just missed")
        << 0.005 << 700 * kMicro << 26 << R"(5\.000E-03,\d+\.\d{3},)" << 350
        << R"(6\.980E-04,\d\.\d{3},)";
    QTest::newRow("end strains below one step")
        << 0.0001 << 1 * kMicro << 1 << R"(0\.000E\+00,0\.000,)" << 1 << R"(0\.000E\+00,0\.000,)";
}

void TestCsvExport::blockEnds()
{
    QFETCH(double, ecmax);
    QFETCH(double, etmax);
    QFETCH(int, compressionRows);
    QFETCH(QString, lastCompressionRow);
    QFETCH(int, tensionRows);
    QFETCH(QString, lastTensionRow);

    Registry concretes;
    concretes.push_back(Make("Con_20", ecmax, etmax));
    const QStringList lines = Lines(BuildConcreteCsv(concretes, '.'));

    const int compressionHeading = lines.indexOf("Compression Curve");
    const int tensionHeading = lines.indexOf("Tension Curve");
    QCOMPARE(compressionHeading, 3);
    QCOMPARE(lines[compressionHeading + 1], QString("Strain,Con_20,"));
    QCOMPARE(lines[tensionHeading + 1], QString("Strain,Con_20,"));
    // Rows, then two empty lines before the next block and at the end of the file.
    QCOMPARE(tensionHeading - (compressionHeading + 2) - 2, compressionRows);
    QCOMPARE(lines.size() - (tensionHeading + 2) - 2, tensionRows);
    QCOMPARE(lines.mid(tensionHeading - 2, 2), QStringList({"", ""}));
    QCOMPARE(lines.mid(lines.size() - 2), QStringList({"", ""}));

    const QString lastCompression = lines[tensionHeading - 3];
    const QString lastTension = lines[lines.size() - 3];
    QVERIFY2(QRegularExpression("^" + lastCompressionRow + "$").match(lastCompression).hasMatch(),
             qPrintable(lastCompression));
    QVERIFY2(QRegularExpression("^" + lastTensionRow + "$").match(lastTension).hasMatch(),
             qPrintable(lastTension));
}

// The numbers carry the comma, and each is quoted so that it stays one field: every row
// reads back with the columns of the point-separated file.
void TestCsvExport::decimalComma()
{
    const std::string text = BuildConcreteCsv(WorkedExample(), ',');
    const QStringList lines = Lines(text);
    QCOMPARE(lines.size(), 442);
    QCOMPARE(lines[1], QString(R"(C30,"30000,00","20,10","1,471E-03","0,750","1,600E-02","2,01",)"
                               R"("9,500E-05","1,260","7,000E-04")"));
    QCOMPARE(lines[7], QString(R"("2,000E-04","5,822","6,857",)"));
    QCOMPARE(lines[56], QString(R"("1,000E-02","4,269",,)"));
    QCOMPARE(lines[91], QString(R"("2,000E-06","0,051","0,058",)"));
    for (const QString& line : lines)
        QVERIFY2(!line.contains('.') || line.startsWith("ConcreteName"), qPrintable(line));

    const auto withComma = ReadCsv(text);
    const auto withPoint = ReadCsv(BuildConcreteCsv(WorkedExample(), '.'));
    QCOMPARE(withComma.size(), withPoint.size());
    for (std::size_t r = 0; r < withComma.size(); ++r) {
        QCOMPARE(withComma[r].size(), withPoint[r].size());
        for (std::size_t f = 0; f < withComma[r].size(); ++f) {
            std::string field = withComma[r][f];
            std::replace(field.begin(), field.end(), ',', '.');
            QCOMPARE(field, withPoint[r][f]);
        }
    }
}

void TestCsvExport::awkwardNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("written");

    QTest::newRow("comma") << "C30, lab" << R"("C30, lab")";
    QTest::newRow("quote") << R"(Say "C30")" << R"("Say ""C30""")";
    QTest::newRow("quote and comma") << R"(a"b,c)" << R"("a""b,c")";
    QTest::newRow("line break") << "two\r\nlines" << "\"two\r\nlines\"";
    QTest::newRow("lone quote") << "\"" << R"("""")";
}

void TestCsvExport::awkwardNames()
{
    QFETCH(QString, name);
    QFETCH(QString, written);

    Registry concretes;
    concretes.push_back(Make("before", 0.004, 20 * kMicro));
    concretes.push_back(Make(name.toStdString(), 0.004, 20 * kMicro));
    concretes.push_back(Make("after", 0.002, 10 * kMicro));
    const std::string text = BuildConcreteCsv(concretes, '.');
    QVERIFY(text.find(written.toStdString() + ",25500.00,") != std::string::npos);
    QVERIFY(text.find("Strain,before," + written.toStdString() + ",after,\r\n") !=
            std::string::npos);

    const auto records = ReadCsv(text);
    // Header, three parameter lines, empty, block title, heading, 20 rows, two empty, block
    // title, heading, 10 rows, two empty.
    QCOMPARE(records.size(), std::size_t(1 + 3 + 1 + 2 + 20 + 2 + 2 + 10 + 2));
    for (std::size_t r = 1; r <= 3; ++r)
        QCOMPARE(records[r].size(), std::size_t(10));
    QCOMPARE(QString::fromStdString(records[2][0]), name);
    QCOMPARE(records[2][1], std::string("25500.00"));
    QCOMPARE(records[3][0], std::string("after"));
    QCOMPARE(records[3][9], std::string("1.000E-05"));

    const std::vector<std::string> heading = {"Strain", "before", name.toStdString(), "after", ""};
    QCOMPARE(records[6], heading);
    QCOMPARE(records[30], heading);
    for (std::size_t r : {std::size_t(7), std::size_t(26), std::size_t(31), std::size_t(40)}) {
        QCOMPARE(records[r].size(), std::size_t(5));
        QCOMPARE(records[r][4], std::string());
    }
    // The row at 0.002 (accumulated just above it) has cells for the first two and an empty
    // one for "after".
    QCOMPARE(records[17][0], std::string("2.000E-03"));
    QVERIFY(!records[17][2].empty() && records[17][3].empty());
}

void TestCsvExport::plainNamesStayAsRegistered()
{
    // Only the characters that would break the columns call for quotes.
    for (const std::string name : {"Con_20", "C 30; lab", "Béton C25", "'single'", ""}) {
        std::string field;
        AppendCsvName(field, name);
        QCOMPARE(field, name);
    }
}

void TestCsvExport::hugeEndStrainIsRefused()
{
    // Billions of rows would keep the window busy for hours; the file is refused instead.
    Registry concretes;
    concretes.push_back(Make("huge", 1e6));
    QVERIFY_THROWS_EXCEPTION(std::length_error, BuildConcreteCsv(concretes, '.'));
}

// Excel on a Chinese Windows reads a CSV without the UTF-8 byte-order mark as GBK: every file
// writer puts the mark first when a name is not ASCII, and only then, so that the files of ASCII
// names keep their bytes.
void TestCsvExport::byteOrderMarkForNamesBeyondAscii_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("concretes");
    QTest::addColumn<QStringList>("steels");
    QTest::addColumn<bool>("marked");

    QTest::newRow("concrete, ASCII") << "concrete" << QStringList{"Con_30", "C 30; lab"}
                                     << QStringList{} << false;
    QTest::newRow("concrete, Chinese second") << "concrete" << QStringList{"Con_30", "梁C30"}
                                              << QStringList{} << true;
    QTest::newRow("concrete, Latin-1 letter") << "concrete" << QStringList{"Béton C25"}
                                              << QStringList{} << true;
    QTest::newRow("concrete, Chinese and a comma") << "concrete" << QStringList{"柱,C30"}
                                                   << QStringList{} << true;
    QTest::newRow("steel, ASCII") << "steel" << QStringList{} << QStringList{"HRB400", "S 1"}
                                  << false;
    QTest::newRow("steel, Chinese") << "steel" << QStringList{} << QStringList{"HRB400", "箍筋"}
                                    << true;
    QTest::newRow("cyclic, ASCII") << "cyclic" << QStringList{"C30"} << QStringList{"HRB400"}
                                   << false;
    QTest::newRow("cyclic, Chinese steel only") << "cyclic" << QStringList{"C30"}
                                                << QStringList{"纵筋"} << true;
    QTest::newRow("cyclic, Chinese concrete only") << "cyclic" << QStringList{"梁C30"}
                                                   << QStringList{} << true;
}

void TestCsvExport::byteOrderMarkForNamesBeyondAscii()
{
    QFETCH(QString, file);
    QFETCH(QStringList, concretes);
    QFETCH(QStringList, steels);
    QFETCH(bool, marked);

    std::vector<CConcrete> concreteObjects;
    for (const QString& name : concretes)
        concreteObjects.emplace_back(name.toStdString(), 29791, 20.1, 2.01, 0.748, 1.261, 1470e-6,
                                     95e-6, 0.016, 700e-6);
    std::vector<CSteel> steelObjects;
    for (const QString& name : steels)
        steelObjects.emplace_back(name.toStdString(), 2e5, 400, 540, 0.025, 0.075);
    std::vector<const CConcrete*> concretePointers;
    for (const CConcrete& concrete : concreteObjects)
        concretePointers.push_back(&concrete);
    std::vector<const CSteel*> steelPointers;
    for (const CSteel& steel : steelObjects)
        steelPointers.push_back(&steel);

    std::string text;
    std::string header;
    if (file == QLatin1String("concrete")) {
        text = BuildConcreteCsv(concretePointers, '.');
        header = "ConcreteName,";
    } else if (file == QLatin1String("steel")) {
        text = BuildSteelCsv(steelPointers, ',');
        header = "SteelName,";
    } else {
        const std::vector<double> history{0, -0.002, 0.001};
        text = BuildCyclicCsv(concretePointers, steelPointers, history, 1e-4);
        header = std::string(kCyclicCsvHeader);
    }

    const std::string mark = "\xEF\xBB\xBF";
    QCOMPARE(text.starts_with(mark), marked);
    // The mark stands once, before the header, and the file goes on as without it.
    const std::string rest = marked ? text.substr(mark.size()) : text;
    QVERIFY2(rest.starts_with(header), rest.substr(0, 40).c_str());
    QCOMPARE(rest.find(mark), std::string::npos);
    // The names themselves are written as given (the Chinese ones in UTF-8).
    for (const QString& name : concretes + steels) {
        std::string field;
        AppendCsvName(field, name.toStdString());
        QVERIFY(rest.find(field) != std::string::npos);
    }
}

QTEST_APPLESS_MAIN(TestCsvExport)
#include "tst_csvexport.moc"
