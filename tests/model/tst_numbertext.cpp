#include "model/CodeParameters.h"
#include "model/NumberText.h"

#include <QtTest>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace {

const char* const kPatterns[] = {"0", "0.0", "0.00", "0.000", "0.###", "0.000E+00", "00e-0"};

std::string WithSeparator(std::string text, char separator)
{
    for (char& c : text)
        if (c == '.')
            c = separator;
    return text;
}

// Reads a text that FormatFloat printed, independently of StrToFloat.
double ReadPlain(std::string text, char separator)
{
    for (char& c : text)
        if (c == separator)
            c = '.';
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return std::numeric_limits<double>::quiet_NaN();
    return value;
}

// A plain, slow rendering of the printing rules: the stored double as 18 significant digits,
// rounded half away from zero in decimal text.
std::string ReferenceFormat(const std::string& pattern, double value)
{
    const bool negative = value < 0;
    const double magnitude = std::fabs(value);
    char text[64];
    const auto end =
        std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, 17).ptr;
    std::string digits = std::string(1, text[0]) + std::string(text + 2, 17);
    int exponent = std::stoi(std::string(text + 20, end));
    if (magnitude == 0)
        exponent = 0;

    // Keeps `count` leading digits of `digits`, rounding half away; returns the carry.
    auto roundTo = [](std::string& d, int count) {
        const bool up = count < static_cast<int>(d.size()) && count >= 0 && d[count] >= '5';
        d.resize(count);
        if (!up)
            return false;
        for (int i = count - 1; i >= 0; --i) {
            if (d[i] != '9') {
                ++d[i];
                return false;
            }
            d[i] = '0';
        }
        d.insert(d.begin(), '1');
        return true;
    };

    if (pattern == "0.000E+00" || pattern == "00e-0") {
        const int count = pattern == "00e-0" ? 2 : 4;
        if (roundTo(digits, count)) {
            digits.resize(count);
            ++exponent;
        }
        std::string sign = negative && magnitude != 0 ? "-" : "";
        if (count == 4) {
            const std::string e = std::to_string(std::abs(exponent));
            return sign + digits.substr(0, 1) + "." + digits.substr(1) + "E" +
                   (exponent < 0 ? "-" : "+") + (e.size() < 2 ? "0" : "") + e;
        }
        if (magnitude != 0)
            exponent -= 1;
        return sign + digits + "e" + std::to_string(exponent);
    }

    if (magnitude >= 1e18) {
        if (roundTo(digits, 15))
            ++exponent;
        digits.resize(15);
        while (digits.size() > 1 && digits.back() == '0')
            digits.pop_back();
        return std::string(negative ? "-" : "") + digits.substr(0, 1) +
               (digits.size() > 1 ? "." + digits.substr(1) : "") + "E" + std::to_string(exponent);
    }

    const int decimals = pattern == "0" ? 0 : pattern == "0.0" ? 1 : pattern == "0.00" ? 2 : 3;
    // Digits of the value times 10^decimals, as a whole number.
    std::string whole;
    const int kept = exponent + 1 + decimals;
    if (kept < 0) {
        whole = "0";
    } else {
        digits.insert(digits.begin(), '0');  // room for the carry
        digits.append(40, '0');
        roundTo(digits, kept + 1);
        whole = digits;
    }
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
    if (static_cast<int>(whole.size()) <= decimals)
        whole.insert(0, decimals + 1 - whole.size(), '0');
    std::string intPart = whole.substr(0, whole.size() - decimals);
    std::string fraction = whole.substr(whole.size() - decimals);
    if (pattern == "0.###")
        while (!fraction.empty() && fraction.back() == '0')
            fraction.pop_back();
    const bool zero = whole.find_first_not_of('0') == std::string::npos;
    return std::string(negative && !zero ? "-" : "") + intPart +
           (fraction.empty() ? "" : "." + fraction);
}

// Values across the magnitudes the tool meets and far beyond, both signs, and values sitting
// next to the rounding halves of every pattern.
std::vector<double> SampleValues()
{
    std::mt19937_64 random(20100101);
    std::vector<double> values;
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-30, 30);
    std::uniform_int_distribution<int> wideExponent(-320, 307);
    for (int i = 0; i < 20000; ++i) {
        const double sign = (random() & 1) ? -1.0 : 1.0;
        values.push_back(sign * mantissa(random) * std::pow(10.0, exponent(random)));
    }
    for (int i = 0; i < 2000; ++i)
        values.push_back(mantissa(random) * std::pow(10.0, wideExponent(random)));
    // Halves: k.5 in the last printed place, as text, and their neighbours.
    std::uniform_int_distribution<int> digitCount(0, 5);
    for (int i = 0; i < 4000; ++i) {
        const int digits = digitCount(random);
        const long long whole = static_cast<long long>(random() % 1000000) % static_cast<long long>(std::pow(10, digits));
        const std::string text = std::to_string(whole) + "5e" + std::to_string(exponent(random) / 3);
        double half = 0;
        std::from_chars(text.data(), text.data() + text.size(), half);
        double below = half, above = half;
        for (int step = 0; step < 3; ++step) {
            values.push_back(below);
            values.push_back(above);
            below = std::nextafter(below, 0.0);
            above = std::nextafter(above, 1e300);
        }
    }
    for (double v : {0.0, -0.0, 1e18, -1e18, std::nextafter(1e18, 0.0), 1e-310, 5e-324,
                     1.7976931348623157e308, 0.5, 0.05, 0.0005, 9.9995, 99.95, 0.99995e-7})
        values.push_back(v);
    return values;
}

} // namespace

class TestNumberText : public QObject {
    Q_OBJECT

private slots:
    void readsNumbers_data();
    void readsNumbers();
    void refusesText_data();
    void refusesText();
    void readsExtremes();
    void readsLongTextsFast();
    void prints_data();
    void prints();
    void printsGradeTable_data();
    void printsGradeTable();
    void refusesUnknownPattern();
    void printsAsTheRuleSays();
    void readsBackWhatItPrints();
};

void TestNumberText::readsNumbers_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("blanks around") << QByteArray(" 12 ") << 12.0;
    QTest::newRow("plus") << QByteArray("+5") << 5.0;
    QTest::newRow("minus") << QByteArray("-5") << -5.0;
    QTest::newRow("lone separator") << QByteArray(".") << 0.0;
    QTest::newRow("minus separator") << QByteArray("-.") << 0.0;
    QTest::newRow("trailing separator") << QByteArray("5.") << 5.0;
    QTest::newRow("leading separator") << QByteArray(".5") << 0.5;
    QTest::newRow("exponent without digits") << QByteArray("1e+") << 1.0;
    QTest::newRow("bare exponent letter") << QByteArray("1e") << 1.0;
    QTest::newRow("capital exponent") << QByteArray("2E3") << 2000.0;
    QTest::newRow("negative exponent") << QByteArray("1.5e-3") << 0.0015;
    QTest::newRow("separator then exponent") << QByteArray(".e2") << 0.0;
    QTest::newRow("grade") << QByteArray("13.4") << 13.4;
    QTest::newRow("axis label") << QByteArray("20e-5") << 0.0002;
    QTest::newRow("axis zero") << QByteArray("00e0") << 0.0;
    QTest::newRow("leading zeros") << QByteArray("007.50") << 7.5;
    QTest::newRow("nearest double") << QByteArray("0.1") << 0.1;
    QTest::newRow("zeros shift") << QByteArray("0.000000000000000000000000000001e30") << 1.0;
    QTest::newRow("many blanks") << QByteArray("     -1.25e1     ") << -12.5;
}

void TestNumberText::readsNumbers()
{
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    QCOMPARE(StrToFloat(text.toStdString(), '.'), expected);
    // The same text under a comma separator.
    const std::string comma = WithSeparator(text.toStdString(), ',');
    QCOMPARE(StrToFloat(comma, ','), expected);
    if (comma != text.toStdString())
        QVERIFY_THROWS_EXCEPTION(ConvertError, StrToFloat(text.toStdString(), ','));
}

void TestNumberText::refusesText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<char>("separator");

    for (char separator : {'.', ','}) {
        const QByteArray s(1, separator);
        auto row = [&](const char* name, const QByteArray& text) {
            QTest::addRow("%s %c", name, separator) << text << separator;
        };
        row("empty", "");
        row("blanks only", "   ");
        row("minus", "-");
        row("double minus", "--5");
        row("sign after blank after sign", "- 5");
        row("exponent only", "e5");
        row("letter after", "12a");
        row("letter after exponent", "1e5x");
        row("inner blank", "1 2");
        row("two separators", "1" + s + "2" + s + "3");
        row("hex", "0x10");
        row("tab before", "\t1");
        row("line break after", "1\n");
        row("non-breaking space", "\xc2\xa0" "1");
        row("sign only with exponent", "-e1");
        row("exponent sign twice", "1e+-2");
        row("infinity word", "INF");
        row("nan word", "NAN");
        row("full-width digit", "\xef\xbc\x91");
        row("separator in exponent", "1e2" + s + "5");
    }
    QTest::newRow("comma under point") << QByteArray("1,5") << '.';
    QTest::newRow("thousands under point") << QByteArray("1,000") << '.';
    QTest::newRow("point under comma") << QByteArray("13.4") << ',';
}

void TestNumberText::refusesText()
{
    QFETCH(QByteArray, text);
    QFETCH(char, separator);
    QVERIFY_THROWS_EXCEPTION(ConvertError, StrToFloat(text.toStdString(), separator));
}

void TestNumberText::readsExtremes()
{
    // Beyond the range of a double: refused like malformed text.
    QVERIFY_THROWS_EXCEPTION(ConvertError, StrToFloat("1e400", '.'));
    QVERIFY_THROWS_EXCEPTION(ConvertError, StrToFloat("-1.8e308", '.'));
    QVERIFY_THROWS_EXCEPTION(ConvertError, StrToFloat("1e999999999999", '.'));
    QVERIFY_THROWS_EXCEPTION(ConvertError, StrToFloat("1e99999999999999999999999999", '.'));
    QCOMPARE(StrToFloat("1.7976931348623157e308", '.'), std::numeric_limits<double>::max());

    // Far below the smallest denormal: the nearest double is zero.
    QCOMPARE(StrToFloat("1e-400", '.'), 0.0);
    QCOMPARE(StrToFloat("-1e-999999999999", '.'), 0.0);
    QCOMPARE(StrToFloat("2e-324", '.'), 0.0);
    QCOMPARE(StrToFloat("3e-324", '.'), std::numeric_limits<double>::denorm_min());
    QCOMPARE(StrToFloat("1e-310", '.'), 1e-310);
    // A huge exponent is fine when the digits pull the value back into range.
    QCOMPARE(StrToFloat("0." + std::string(500, '0') + "1e502", '.'), 10.0);

    // Correct rounding needs every digit: 2^53 + 1 is a tie that goes to even, unless a digit
    // far behind breaks it.
    QCOMPARE(StrToFloat("9007199254740993", '.'), 9007199254740992.0);
    QCOMPARE(StrToFloat("9007199254740993." + std::string(5000, '0') + "1", '.'),
             9007199254740994.0);
}

void TestNumberText::readsLongTextsFast()
{
    // Reading stays linear, so these take milliseconds; a reader gone quadratic would run into
    // ctest's timeout instead. That the cost of a digit does not grow with the length of the
    // text is measured in scripts/bench, not here: no clock in the suite.
    const std::string digits(200000, '3');
    for (int i = 0; i < 20; ++i) {
        QCOMPARE(StrToFloat("0." + digits, '.'), 1.0 / 3.0);
        QCOMPARE(StrToFloat(digits + "e-199999", ','), 10.0 / 3.0);
    }
}

void TestNumberText::prints_data()
{
    QTest::addColumn<QByteArray>("pattern");
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<char>("separator");

    struct Case {
        const char* pattern;
        double value;
        const char* text;
    };
    const Case cases[] = {
        // The rules' own examples.
        {"0", 22157.28, "22157"},
        {"0", 2.5, "3"},
        {"0", -2.5, "-3"},
        {"0", -0.4, "0"},
        {"0.0", 13.376, "13.4"},
        {"0.0", 0.25, "0.3"},
        {"0.0", 5, "5.0"},
        {"0.00", 0.125, "0.13"},
        {"0.00", 200, "200.00"},
        {"0.000", 1329.0589, "1329.059"},
        {"0.000", 3.11, "3.110"},
        {"0.000", -0.0004, "0.000"},
        {"0.###", 20, "20"},
        {"0.###", 22.5, "22.5"},
        {"0.###", 12.3456, "12.346"},
        {"0.###", -5, "-5"},
        {"0.000E+00", 0.0016, "1.600E-03"},
        {"0.000E+00", 22157.28, "2.216E+04"},
        {"0.000E+00", -0.000123456, "-1.235E-04"},
        {"0.000E+00", 1e-100, "1.000E-100"},
        {"0.000E+00", 0, "0.000E+00"},
        {"00e-0", 0.0002, "20e-5"},
        {"00e-0", 0.001, "10e-4"},
        {"00e-0", 0.0016, "16e-4"},
        {"00e-0", 150, "15e1"},
        {"00e-0", 0, "00e0"},
        // Stored below the half, so it rounds down.
        {"0.00", 1.005, "1.00"},
        {"0.00", 2.675, "2.67"},
        {"0.0", 0.95, "0.9"},
        // Carries.
        {"0.000", 9.9996, "10.000"},
        {"0", 999.5, "1000"},
        {"0.###", 0.9999, "1"},
        {"0.000E+00", 0.00099995, "1.000E-03"},
        {"0.000E+00", 9.9995e9, "1.000E+10"},
        {"00e-0", 99.5, "10e1"},
        {"00e-0", 0.000996, "10e-4"},
        // Small magnitudes and the sign.
        {"0.###", 0.0004, "0"},
        {"0.###", 0.0005, "0.001"},
        {"0.###", -0.0005, "-0.001"},
        {"0.###", -0.00049, "0"},
        {"0.0", -0.0, "0.0"},
        {"0.000E+00", -0.0, "0.000E+00"},
        {"00e-0", -0.0, "00e0"},
        {"00e-0", -0.0002, "-20e-5"},
        {"0.000E+00", 1e100, "1.000E+100"},
        {"0.000E+00", 5e-324, "4.941E-324"},
        {"0.000E+00", 1.7976931348623157e308, "1.798E+308"},
        {"00e-0", 5e-324, "49e-325"},
        // Beyond 10^18 without exponent: the general form.
        {"0.0", 1e20, "1E20"},
        {"0", 1.5e20, "1.5E20"},
        {"0.000", 123456789012345678901.0, "1.23456789012346E20"},
        {"0.###", -1e18, "-1E18"},
        {"0", 9.9999999999999999e22, "1E23"},
        {"0", 999999999999999872.0, "999999999999999872"},
        // Not finite.
        {"0.000", std::numeric_limits<double>::infinity(), "INF"},
        {"0.000E+00", -std::numeric_limits<double>::infinity(), "-INF"},
        {"00e-0", std::numeric_limits<double>::quiet_NaN(), "NAN"},
        {"0", -std::numeric_limits<double>::quiet_NaN(), "NAN"},
    };
    for (const Case& c : cases) {
        for (char separator : {'.', ','}) {
            QTest::addRow("%s %.17g %c", c.pattern, c.value, separator)
                << QByteArray(c.pattern) << c.value
                << QByteArray(WithSeparator(c.text, separator).c_str()) << separator;
        }
    }
}

void TestNumberText::prints()
{
    QFETCH(QByteArray, pattern);
    QFETCH(double, value);
    QFETCH(QByteArray, expected);
    QFETCH(char, separator);
    QCOMPARE(QByteArray(FormatFloat(pattern.toStdString(), value, separator).c_str()), expected);
    // The precompiled pattern writes the same text into a caller's buffer.
    char buffer[kMaxNumberTextLength];
    const char* end = FormatFloatTo(buffer, NumberPatternFromText(pattern.toStdString()), value,
                                    separator);
    QCOMPARE(QByteArray(buffer, static_cast<int>(end - buffer)), expected);
}

void TestNumberText::printsGradeTable_data()
{
    QTest::addColumn<double>("grade");
    QTest::addColumn<QStringList>("expected");  // Ec, fck, ftk, eck, ac, etk, at

    auto row = [](double grade, QStringList texts) {
        QTest::addRow("%g", grade) << grade << texts;
    };
    row(15, {"22157", "10.0", "1.270", "1244.781", "0.054", "73.955", "0.503"});
    row(20, {"25413", "13.4", "1.540", "1329.059", "0.297", "82.068", "0.740"});
    row(25, {"27871", "16.7", "1.780", "1403.310", "0.528", "88.744", "0.989"});
    row(30, {"29791", "20.1", "2.010", "1470.437", "0.748", "94.763", "1.261"});
    row(35, {"31334", "23.4", "2.200", "1532.167", "0.961", "99.500", "1.510"});
    row(40, {"32600", "26.8", "2.390", "1589.624", "1.167", "104.051", "1.782"});
    row(45, {"33657", "29.6", "2.510", "1635.891", "1.339", "106.841", "1.966"});
    row(50, {"34554", "32.4", "2.640", "1678.334", "1.500", "109.794", "2.175"});
    row(55, {"35324", "35.5", "2.740", "1724.103", "1.679", "112.021", "2.342"});
    row(60, {"35993", "38.5", "2.850", "1767.330", "1.853", "114.427", "2.534"});
    row(65, {"36579", "41.5", "2.930", "1808.252", "2.021", "116.151", "2.678"});
    row(70, {"37096", "44.5", "2.990", "1847.063", "2.183", "117.429", "2.789"});
    row(75, {"37556", "47.4", "3.050", "1883.916", "2.340", "118.696", "2.902"});
    row(80, {"37969", "50.2", "3.110", "1918.937", "2.492", "119.951", "3.018"});
    row(22.5, {"26722", "15.0", "1.660", "1367.218", "0.414", "85.462", "0.860"});
}

void TestNumberText::printsGradeTable()
{
    QFETCH(double, grade);
    QFETCH(QStringList, expected);
    const double fck = CalcFck(grade);
    const double ftk = CalcFtk(grade);
    const QStringList printed = {
        QString::fromStdString(FormatFloat("0", CalcEc(grade), '.')),
        QString::fromStdString(FormatFloat("0.0", fck, '.')),
        QString::fromStdString(FormatFloat("0.000", ftk, '.')),
        QString::fromStdString(FormatFloat("0.000", CalcEck(fck) * 1e6, '.')),
        QString::fromStdString(FormatFloat("0.000", CalcAc(fck), '.')),
        QString::fromStdString(FormatFloat("0.000", CalcEtk(ftk) * 1e6, '.')),
        QString::fromStdString(FormatFloat("0.000", CalcAt(ftk), '.')),
    };
    QCOMPARE(printed, expected);
}

void TestNumberText::refusesUnknownPattern()
{
    for (const char* pattern : {"", "0.0000", "#.##", "0.00E+00", "0,0", "0.000e+00", "00E-0"})
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, FormatFloat(pattern, 1.0, '.'));
}

// The fast arithmetic behind the printing must agree with the plain decimal rule everywhere,
// the halves above all.
void TestNumberText::printsAsTheRuleSays()
{
    const std::vector<double> values = SampleValues();
    for (const char* pattern : kPatterns) {
        for (double value : values) {
            const std::string printed = FormatFloat(pattern, value, '.');
            const std::string expected = ReferenceFormat(pattern, value);
            if (printed != expected)
                QFAIL(qPrintable(QStringLiteral("%1 with \"%2\": %3, expected %4")
                                     .arg(value, 0, 'g', 17)
                                     .arg(pattern, QString::fromStdString(printed),
                                          QString::fromStdString(expected))));
        }
    }
}

// A printed number reads back, under the same separator, as the value its text shows, and
// printing that value again gives the same text.
void TestNumberText::readsBackWhatItPrints()
{
    const std::vector<double> values = SampleValues();
    for (char separator : {'.', ','}) {
        for (const char* pattern : kPatterns) {
            for (double value : values) {
                const std::string text = FormatFloat(pattern, value, separator);
                const double shown = ReadPlain(text, separator);
                if (std::isnan(shown)) {
                    // Only a text beyond the largest double ("1.798E+308") does not read back.
                    QVERIFY(std::fabs(value) > 1.79e308);
                    QVERIFY_THROWS_EXCEPTION(ConvertError, StrToFloat(text, separator));
                    continue;
                }
                const double read = StrToFloat(text, separator);
                const std::string again = FormatFloat(pattern, read, separator);
                if (read != shown || again != text)
                    QFAIL(qPrintable(QStringLiteral("%1 with \"%2\" and '%3': %4 read as %5, "
                                                    "printed again as %6")
                                         .arg(value, 0, 'g', 17)
                                         .arg(pattern)
                                         .arg(separator)
                                         .arg(QString::fromStdString(text))
                                         .arg(read, 0, 'g', 17)
                                         .arg(QString::fromStdString(again))));
            }
        }
    }
}

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
