// Arbitrary bytes through StrToFloat under both decimal separators.
//
// Whatever is accepted must (a) match the number syntax exactly, (b) be the value that glibc's
// correctly rounded strtod gives for the same digits, and (c) print in every pattern as a text
// that reads back to the same text. Texts that are refused must either break the syntax or lie
// beyond the range of a double. The first eight bytes are also taken as the bits of a double, so
// that printing sees denormals, huge values, infinities and NaNs that no short text produces.

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "model/NumberText.h"

namespace {

constexpr NumberPattern kPatterns[] = {
    NumberPattern::Fixed0,      NumberPattern::Fixed1,      NumberPattern::Fixed2,
    NumberPattern::Fixed3,      NumberPattern::UpTo3,       NumberPattern::Scientific4,
    NumberPattern::TwoDigitsExp,
};
constexpr const char* kPatternTexts[] = {"0", "0.0", "0.00", "0.000", "0.###", "0.000E+00", "00e-0"};

[[noreturn]] void Fail(const char* what, std::string_view text, char separator, double value = 0)
{
    std::fprintf(stderr, "%s\n  separator '%c'\n  text [%.*s] (%zu bytes)\n  value %.17g\n", what,
                 separator, static_cast<int>(text.size()), text.data(), text.size(), value);
    std::abort();
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The accepted syntax, written independently of the reader, and the same number rewritten as a
// plain "[-]digits.digitsE[-]digits" for strtod.
bool Normalise(std::string_view t, char separator, std::string& plain)
{
    std::size_t i = 0;
    const std::size_t n = t.size();
    plain.clear();
    while (i < n && t[i] == ' ')
        ++i;
    if (i < n && (t[i] == '+' || t[i] == '-'))
        plain += t[i++];
    std::size_t digits = 0;
    std::string intPart;
    std::string fracPart;
    while (i < n && IsDigit(t[i]))
        intPart += t[i++], ++digits;
    bool hasSeparator = false;
    if (i < n && t[i] == separator) {
        hasSeparator = true;
        ++i;
        while (i < n && IsDigit(t[i]))
            fracPart += t[i++], ++digits;
    }
    if (digits == 0 && !hasSeparator)
        return false;
    plain += intPart.empty() ? "0" : intPart;
    plain += '.';
    plain += fracPart.empty() ? "0" : fracPart;
    plain += 'e';
    if (i < n && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < n && (t[i] == '+' || t[i] == '-'))
            plain += t[i++];
        std::string exponent;
        while (i < n && IsDigit(t[i]))
            exponent += t[i++];
        plain += exponent.empty() ? "0" : exponent;
    } else {
        plain += '0';
    }
    while (i < n && t[i] == ' ')
        ++i;
    return i == n;
}

std::string WithPoint(std::string text, char separator)
{
    for (char& c : text)
        if (c == separator)
            c = '.';
    return text;
}

// The exponent printed after 'E' or 'e', or 0 when there is none.
int PrintedExponent(const std::string& text)
{
    const std::size_t at = text.find_first_of("Ee");
    return at == std::string::npos ? 0 : std::atoi(text.c_str() + at + 1);
}

// The largest distance between a value and the number its text shows, for texts that are not in
// the general form of huge values.
double HalfUnit(int patternIndex, const std::string& text)
{
    static constexpr int kDecimals[] = {0, 1, 2, 3, 3};
    if (patternIndex < 5)
        return 0.5 * std::pow(10.0, -kDecimals[patternIndex]);
    const int exponent = PrintedExponent(text);
    return 0.5 * std::pow(10.0, patternIndex == 5 ? exponent - 3 : exponent);
}

void CheckPrinting(double value, char separator)
{
    for (int p = 0; p < 7; ++p) {
        const std::string text = FormatFloat(kPatterns[p], value, separator);
        if (FormatFloat(kPatternTexts[p], value, separator) != text)
            Fail("pattern text and precompiled pattern print differently", text, separator, value);
        if (text.empty() || text.size() > kMaxNumberTextLength)
            Fail("printed text is empty or too long", text, separator, value);
        if (!std::isfinite(value)) {
            const std::string expected = std::string(std::signbit(value) && !std::isnan(value) ? "-" : "") +
                                         (std::isnan(value) ? "NAN" : "INF");
            if (text != expected && !(std::isnan(value) && text == "-NAN"))
                Fail("non-finite value printed wrongly", text, separator, value);
            continue;
        }
        const std::string mantissa = text.substr(0, text.find_first_of("Ee"));
        if (text[0] == '-' && mantissa.find_first_of("123456789") == std::string::npos)
            Fail("negative zero printed with a sign", text, separator, value);
        if (separator != '.' && text.find('.') != std::string::npos)
            Fail("printed a point under another separator", text, separator, value);

        double back = 0;
        try {
            back = StrToFloat(text, separator);
        } catch (const ConvertError&) {
            // Rounding the largest doubles up to fewer digits can leave the range of a double
            // ("1.798E+308" for 1.7976931348623157e308); such a text has no double to read as.
            if (std::isinf(std::strtod(WithPoint(text, separator).c_str(), nullptr)))
                continue;
            Fail("printed text does not read back", text, separator, value);
        }
        // Below the normal range a double keeps too few digits to hold every printed text
        // ("10e-323" reads as 9.88e-323, which prints "99e-324"); the value check below still
        // holds there.
        if (std::fabs(back) >= DBL_MIN && FormatFloat(kPatterns[p], back, separator) != text)
            Fail("printed text reads back as a different number", text, separator, value);

        const bool generalForm = p < 5 && std::fabs(value) >= 1e18;
        if (!generalForm &&
            // The text's own value is exact only to the nearest double.
            !(std::fabs(back - value) <= HalfUnit(p, text) * (1 + 1e-12) + std::fabs(value) * 0x1p-51 + 0x1p-1074))
            Fail("printed text is not the rounded value", text, separator, value);
    }
}

void CheckReading(std::string_view text, char separator)
{
    std::string plain;
    const bool syntaxOk = Normalise(text, separator, plain);

    double value = 0;
    bool accepted = true;
    try {
        value = StrToFloat(text, separator);
    } catch (const ConvertError&) {
        accepted = false;
    }

    if (!syntaxOk) {
        if (accepted)
            Fail("accepted text outside the syntax", text, separator, value);
        return;
    }
    errno = 0;
    const double reference = std::strtod(plain.c_str(), nullptr);
    const bool overflow = errno == ERANGE && std::isinf(reference);
    if (!accepted) {
        if (!overflow)
            Fail("refused a number within range", text, separator, reference);
        return;
    }
    if (!std::isfinite(value))
        Fail("accepted text reads as a non-finite value", text, separator, value);
    if (value != reference)
        Fail("read value differs from the correctly rounded one", text, separator, value);
    CheckPrinting(value, separator);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckReading(text, '.');
    CheckReading(text, ',');

    if (size >= sizeof(double)) {
        double bits;
        std::memcpy(&bits, data, sizeof bits);
        CheckPrinting(bits, '.');
        CheckPrinting(bits, ',');
    }
    return 0;
}
