// The repeated-load CSV file: names quoted exactly as the concrete CSV file of Save Data quotes
// them, read back by an RFC 4180 reader of this test's own; numbers with a point under any
// locale, at most 15 significant digits, each reading back as the value to that precision;
// the materials in order and the shared limit of points.

#include <QTest>
#include <charconv>
#include <clocale>
#include <cmath>
#include <string>
#include <vector>

#include "cyclic/CyclicPath.h"
#include "formats/CsvExport.h"
#include "formats/SolverCommon.h"
#include "formats/CyclicCsv.h"
#include "model/Concrete.h"
#include "steel/Steel.h"

namespace {

// Records of an RFC 4180 text with CR LF line ends; false when it is not such a text.
bool ReadCsv(const std::string& text, std::vector<std::vector<std::string>>& records)
{
    records.clear();
    std::vector<std::string> record;
    std::string field;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '"') {
            for (++i;; ++i) {
                if (i >= text.size())
                    return false;
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        field += '"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i];
            }
        } else {
            while (i < text.size() && text[i] != ',' && text[i] != '\r') {
                if (text[i] == '"' || text[i] == '\n')
                    return false;
                field += text[i++];
            }
        }
        if (i < text.size() && text[i] == ',') {
            record.push_back(std::move(field));
            field.clear();
            ++i;
        } else if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') {
            record.push_back(std::move(field));
            field.clear();
            records.push_back(std::move(record));
            record.clear();
            i += 2;
        } else {
            return false;  // a text must end with CR LF
        }
    }
    return record.empty() && field.empty();
}

// The name field as the concrete CSV file of Save Data writes it: the start of a parameter line.
std::string SaveDataNameField(const std::string& name)
{
    const CConcrete concrete(name, 30000, 20.1, 2.01, 0.75, 1.26, 1471e-6, 95e-6, 0.016, 700e-6);
    const CConcrete* list[] = {&concrete};
    const std::string csv = BuildConcreteCsv(list, '.');
    const std::size_t line = csv.find("\r\n") + 2;  // after the header line
    const std::size_t end = csv.find(",30000.00,", line);
    return csv.substr(line, end - line);
}

double Read(const std::string& text)
{
    double value = std::nan("");
    const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
    return r.ptr == text.data() + text.size() ? value : std::nan("");
}

int SignificantDigits(const std::string& text)
{
    const std::string mantissa = text.substr(0, text.find_first_of("eE"));
    std::string digits;
    for (char c : mantissa)
        if (c >= '0' && c <= '9')
            digits += c;
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return 1;
    digits = digits.substr(first);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    return int(digits.size());
}

}  // namespace

class TestCyclicCsv : public QObject {
    Q_OBJECT

private slots:
    void names_data();
    void names();
    void numbers();
    void materialsInOrder();
    void sharedLimit();
};

void TestCyclicCsv::names_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("plain") << QByteArray("Con_30");
    QTest::newRow("comma") << QByteArray("C30, wet");
    QTest::newRow("quotes") << QByteArray("say \"C30\"");
    QTest::newRow("line break") << QByteArray("C30\nC35");
    QTest::newRow("carriage return") << QByteArray("C30\r");
    QTest::newRow("quote only") << QByteArray("\"");
    QTest::newRow("Chinese and blanks") << QByteArray(" 混凝土 C30 ");
    QTest::newRow("semicolon and tab") << QByteArray("a;b\tc");
}

void TestCyclicCsv::names()
{
    QFETCH(QByteArray, name);
    const std::string text = name.toStdString();
    const std::vector<CyclicPoint> points{{0, 0}, {-0.001, -18.5}, {0.0002, 0.75}};
    std::string csv(kCyclicCsvHeader);
    AppendCyclicCsv(csv, text, points);
    AppendCyclicCsv(csv, "next", {points.data(), 1});

    // Line by line the name field is Save Data's, byte for byte.
    const std::string field = SaveDataNameField(text);
    std::size_t at = kCyclicCsvHeader.size();
    for (int line = 0; line < 3; ++line) {
        QCOMPARE(csv.substr(at, field.size() + 1), field + ',');
        at = csv.find("\r\n", at + field.size()) + 2;
    }
    std::vector<std::vector<std::string>> records;
    QVERIFY(ReadCsv(csv, records));
    QCOMPARE(records.size(), std::size_t(5));
    QCOMPARE(records[0], (std::vector<std::string>{"material", "strain", "stress"}));
    for (std::size_t i = 1; i <= 3; ++i) {
        QCOMPARE(records[i].size(), std::size_t(3));
        QCOMPARE(records[i][0], text);
        QCOMPARE(Read(records[i][1]), points[i - 1].strain);
        QCOMPARE(Read(records[i][2]), points[i - 1].stress);
    }
    QCOMPARE(records[4][0], std::string("next"));
}

// A decimal point under a decimal-comma locale too, at most 15 significant digits, and the
// value back to that precision: what ForSolver prints for the solvers.
void TestCyclicCsv::numbers()
{
    const char* locale = std::setlocale(LC_ALL, "de_DE.UTF-8");
    const std::vector<CyclicPoint> points{
        {-0.0025, -16.503903300000001}, {1.0 / 3, -2.0 / 3},    {1e-300, 6e23},
        {-0.00123456789012345678, 0.1 + 0.2}, {0, 30000},        {-0.0, 1e-17}};
    std::string csv;
    AppendCyclicCsv(csv, "C", points);
    std::vector<std::vector<std::string>> records;
    QVERIFY(ReadCsv(csv, records));
    QCOMPARE(records.size(), points.size());
    for (std::size_t i = 0; i < points.size(); ++i)
        for (int column : {1, 2}) {
            const std::string& number = records[i][std::size_t(column)];
            const double value = column == 1 ? points[i].strain : points[i].stress;
            QCOMPARE(number, solvertext::ForSolver(value));
            QVERIFY2(number.find_first_of(".e") != std::string::npos, number.c_str());
            QVERIFY2(SignificantDigits(number) <= 15, number.c_str());
            QVERIFY2(std::fabs(Read(number) - value) <= 5e-15 * std::fabs(value), number.c_str());
        }
    QCOMPARE(records[0][1], std::string("-0.0025"));
    QCOMPARE(records[0][2], std::string("-16.5039033"));
    QCOMPARE(records[4][2], std::string("30000.0"));
    if (locale)
        std::setlocale(LC_ALL, "C");
}

// Concretes first, then steels, each in the order given, each its own path in full.
void TestCyclicCsv::materialsInOrder()
{
    const CConcrete c30("C30", 29791, 20.1, 2.01, 0.748, 1.261, 1470e-6, 95e-6, 0.016, 700e-6);
    const CConcrete c50("C50", 34500, 32.4, 2.64, 1.5, 2.17, 1679e-6, 109e-6, 0.016, 700e-6);
    const CSteel hrb400("HRB400", 2e5, 400, 540, 0.025, 0.075);
    const CConcrete* concretes[] = {&c50, &c30};
    const CSteel* steels[] = {&hrb400};
    const std::vector<double> history{0, -0.002, 0.0005, -0.004};
    const std::string csv = BuildCyclicCsv(concretes, steels, history, 1e-4);
    std::vector<std::vector<std::string>> records;
    QVERIFY(ReadCsv(csv, records));

    std::string expected(kCyclicCsvHeader);
    AppendCyclicCsv(expected, "C50", ConcreteCyclicPath(c50, history, 1e-4));
    AppendCyclicCsv(expected, "C30", ConcreteCyclicPath(c30, history, 1e-4));
    AppendCyclicCsv(expected, "HRB400", SteelCyclicPath(hrb400, history, 1e-4));
    QCOMPARE(csv, expected);
    QCOMPARE(records[1][0], std::string("C50"));
    QCOMPARE(records.back(), (std::vector<std::string>{"HRB400", "-0.004", "-400.0"}));
}

// The limit counts all materials together; a request far beyond it is refused before any
// path is made.
void TestCyclicCsv::sharedLimit()
{
    const CSteel a("A", 2e5, 400, 540, 0.025, 0.075);
    const CSteel b("B", 2e5, 400, 540, 0.025, 0.075);
    const CSteel* one[] = {&a};
    const CSteel* two[] = {&a, &b};
    const std::vector<double> history{0, 0.001, -0.001};
    // 1 + 10 + 20 points each at 1e-4, the yield corners and the zero crossing among them.
    const std::size_t each = SteelCyclicPath(a, history, 1e-4).size();
    QVERIFY(!BuildCyclicCsv({}, one, history, 1e-4, each).empty());
    QVERIFY(!BuildCyclicCsv({}, two, history, 1e-4, 2 * each).empty());
    QVERIFY_THROWS_EXCEPTION(CyclicTooManyPoints, BuildCyclicCsv({}, two, history, 1e-4, 2 * each - 1));
    QVERIFY_THROWS_EXCEPTION(CyclicTooManyPoints, BuildCyclicCsv({}, two, history, 1e-4, 40));
}

QTEST_APPLESS_MAIN(TestCyclicCsv)
#include "tst_cycliccsv.moc"
