#include "model/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

// Both directions work on plain ASCII and take the decimal separator from the caller; the
// conversions themselves are std::from_chars / std::to_chars, which never look at a locale.

namespace {

// ---------------------------------------------------------------------------------------------
// Reading

[[noreturn]] void RefuseText(std::string_view text)
{
    throw ConvertError("\"" + std::string(text) + "\" is not a valid floating number");
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Exponent digits beyond this only push the value further out of range; saturating keeps the
// arithmetic in 64 bits however many digits the text has.
constexpr std::int64_t kExponentCap = 100'000'000'000'000'000;  // 1e17

} // namespace

double StrToFloat(std::string_view text, char decimalSeparator)
{
    const char* p = text.data();
    const char* const end = p + text.size();

    while (p != end && *p == ' ')
        ++p;

    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }

    // The common case first: a number with a point that std::from_chars reads whole, followed
    // by nothing but blanks. It accepts no sign here (one was taken above), no blanks, no
    // comma; what it takes beyond this syntax ("inf", "nan") is not finite and goes the long way.
    if (decimalSeparator == '.' && p != end && *p != '-') {
        double value = 0.0;
        const auto [stop, ec] = std::from_chars(p, end, value);
        if (ec == std::errc() && std::isfinite(value)) {
            const char* rest = stop;
            while (rest != end && *rest == ' ')
                ++rest;
            if (rest == end)
                return value == 0.0 ? 0.0 : (negative ? -value : value);  // zero has no sign
        }
    }

    const char* const intBegin = p;
    while (p != end && IsDigit(*p))
        ++p;
    const char* const intEnd = p;

    bool hasSeparator = false;
    const char* fracBegin = p;
    const char* fracEnd = p;
    if (p != end && *p == decimalSeparator) {
        hasSeparator = true;
        ++p;
        fracBegin = p;
        while (p != end && IsDigit(*p))
            ++p;
        fracEnd = p;
    }
    if (intBegin == intEnd && !hasSeparator)
        RefuseText(text);

    std::int64_t exponent = 0;
    if (p != end && (*p == 'E' || *p == 'e')) {
        ++p;
        bool exponentNegative = false;
        if (p != end && (*p == '+' || *p == '-')) {
            exponentNegative = *p == '-';
            ++p;
        }
        while (p != end && IsDigit(*p)) {
            if (exponent < kExponentCap)
                exponent = exponent * 10 + (*p - '0');
            ++p;
        }
        if (exponentNegative)
            exponent = -exponent;
    }
    const char* const numberEnd = p;

    while (p != end && *p == ' ')
        ++p;
    if (p != end)
        RefuseText(text);

    // Under another separator, a short number reads the same way once its separator is a point.
    const auto length = static_cast<std::size_t>(numberEnd - intBegin);
    if (decimalSeparator != '.' && length <= 64) {
        char pointed[64];
        std::memcpy(pointed, intBegin, length);
        if (hasSeparator)
            pointed[intEnd - intBegin] = '.';
        double value = 0.0;
        const auto [stop, ec] = std::from_chars(pointed, pointed + length, value);
        if (ec == std::errc() && stop == pointed + length)
            return value == 0.0 ? 0.0 : (negative ? -value : value);
    }

    // The value is the integer made of all mantissa digits times 10^scale. Leading and trailing
    // zeros are dropped so that only the significant digits go to the converter.
    std::int64_t scale = exponent - static_cast<std::int64_t>(fracEnd - fracBegin);

    const char* firstInt = intBegin;
    while (firstInt != intEnd && *firstInt == '0')
        ++firstInt;
    const char* firstFrac = fracBegin;
    if (firstInt == intEnd) {
        while (firstFrac != fracEnd && *firstFrac == '0')
            ++firstFrac;
    }
    const char* lastFrac = fracEnd;
    while (lastFrac != firstFrac && *(lastFrac - 1) == '0') {
        --lastFrac;
        ++scale;
    }
    const char* lastInt = intEnd;
    if (lastFrac == firstFrac) {
        while (lastInt != firstInt && *(lastInt - 1) == '0') {
            --lastInt;
            ++scale;
        }
    }
    if (firstInt == lastInt && firstFrac == lastFrac)
        return 0.0;  // every digit is zero, or there is none: "0", ".", "-0e7"

    const std::int64_t digitCount = (lastInt - firstInt) + (lastFrac - firstFrac);
    // Decimal exponent of the leading digit.
    const std::int64_t magnitude = digitCount - 1 + scale;
    if (magnitude > 308)
        RefuseText(text);  // beyond the largest double
    if (magnitude < -400)
        return 0.0;  // far below the smallest denormal: the nearest double is zero

    // "-<digits>e<scale>" for the converter. Short texts stay on the stack.
    char small[96];
    std::string large;
    char* buffer = small;
    const std::size_t needed = static_cast<std::size_t>(digitCount) + 32;
    if (needed > sizeof small) {
        large.resize(needed);
        buffer = large.data();
    }
    char* out = buffer;
    if (negative)
        *out++ = '-';
    std::memcpy(out, firstInt, static_cast<std::size_t>(lastInt - firstInt));
    out += lastInt - firstInt;
    std::memcpy(out, firstFrac, static_cast<std::size_t>(lastFrac - firstFrac));
    out += lastFrac - firstFrac;
    *out++ = 'e';
    out = std::to_chars(out, buffer + needed, scale).ptr;

    double value = 0.0;
    const auto result = std::from_chars(buffer, out, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        if (magnitude > 0)
            RefuseText(text);
        // Below half the smallest denormal: the correctly rounded value is zero. Zero is
        // returned without sign, like every other text that reads as zero.
        return 0.0;
    }
    if (result.ec != std::errc() || result.ptr != out)
        RefuseText(text);  // cannot happen with the text built above
    return value;
}

// ---------------------------------------------------------------------------------------------
// Printing

namespace {

// Powers of ten that a double holds exactly.
constexpr double kExactPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                  1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kMaxExactPow10 = 22;

constexpr double kTwoPow53 = 9007199254740992.0;

// The rounding decision is taken on the first 18 significant digits of the stored double.
struct Digits18 {
    char digit[18];  // '0'..'9', digit[0] non-zero unless the value is zero
    int exponent;    // the value is digit[0].digit[1]... x 10^exponent
};

Digits18 ToDigits18(double magnitude)
{
    // "d.ddddddddddddddddde+XX": one digit, the point, 17 digits, the exponent.
    char text[40];
    const auto result =
        std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, 17);
    Digits18 d{};
    d.digit[0] = text[0];
    std::memcpy(d.digit + 1, text + 2, 17);
    int exponent = 0;
    for (const char* c = text + 21; c != result.ptr; ++c)
        exponent = exponent * 10 + (*c - '0');
    d.exponent = text[20] == '-' ? -exponent : exponent;
    return d;
}

// Adds one unit in the last place of the digits [first, first + count). Returns true when the
// carry ran out of the front, in which case the digits read 1000... (count digits) and the
// caller must account for the extra power of ten.
bool IncrementDigits(char* first, int count)
{
    for (int i = count - 1; i >= 0; --i) {
        if (first[i] != '9') {
            ++first[i];
            return false;
        }
        first[i] = '0';
    }
    first[0] = '1';
    return true;
}

// Rounds half away from zero; the decision is made by the fast double arithmetic when the value
// is clearly off a half, otherwise the caller falls back to the 18-digit route. The margin
// covers the rounding of y itself (half an ulp) and the difference between the stored double
// and its 18-digit form, with a wide reserve.
bool RoundClearly(double y, std::uint64_t& rounded)
{
    const double whole = std::floor(y);
    const double fraction = y - whole;  // exact
    const double margin = y * 1e-15;
    if (fraction < 0.5 - margin) {
        rounded = static_cast<std::uint64_t>(whole);
        return true;
    }
    if (fraction > 0.5 + margin) {
        rounded = static_cast<std::uint64_t>(whole) + 1;
        return true;
    }
    return false;
}

char* WriteExponent(char* out, int exponent, int minDigits)
{
    char digits[8];
    int n = 0;
    unsigned magnitude = static_cast<unsigned>(exponent < 0 ? -exponent : exponent);
    do {
        digits[n++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    while (n < minDigits)
        digits[n++] = '0';
    while (n > 0)
        *out++ = digits[--n];
    return out;
}

// |value| >= 1e18 printed with a pattern without exponent: up to 15 significant digits,
// "1.5E20", "1E20".
char* WriteGeneral(char* out, double magnitude, bool negative, char separator)
{
    Digits18 d = ToDigits18(magnitude);
    int exponent = d.exponent;
    if (d.digit[15] >= '5' && IncrementDigits(d.digit, 15))
        ++exponent;
    int count = 15;
    while (count > 1 && d.digit[count - 1] == '0')
        --count;
    if (negative)
        *out++ = '-';
    *out++ = d.digit[0];
    if (count > 1) {
        *out++ = separator;
        std::memcpy(out, d.digit + 1, static_cast<std::size_t>(count - 1));
        out += count - 1;
    }
    *out++ = 'E';
    if (exponent < 0)
        *out++ = '-';
    return WriteExponent(out, exponent, 1);
}

// Fixed number of decimals. digits/length: the value times 10^decimals, rounded, as an integer.
char* WriteFixed(char* out, const char* digits, int length, int decimals, bool trimZeros,
                 bool negative, char separator)
{
    bool allZero = true;
    for (int i = 0; i < length; ++i)
        if (digits[i] != '0') {
            allZero = false;
            break;
        }
    if (negative && !allZero)
        *out++ = '-';

    char fraction[8];
    if (length <= decimals) {
        *out++ = '0';
        const int pad = decimals - length;
        std::memset(fraction, '0', static_cast<std::size_t>(pad));
        std::memcpy(fraction + pad, digits, static_cast<std::size_t>(length));
    } else {
        const int whole = length - decimals;
        std::memcpy(out, digits, static_cast<std::size_t>(whole));
        out += whole;
        std::memcpy(fraction, digits + whole, static_cast<std::size_t>(decimals));
    }
    int shown = decimals;
    if (trimZeros)
        while (shown > 0 && fraction[shown - 1] == '0')
            --shown;
    if (shown > 0) {
        *out++ = separator;
        std::memcpy(out, fraction, static_cast<std::size_t>(shown));
        out += shown;
    }
    return out;
}

char* FormatFixed(char* out, double value, int decimals, bool trimZeros, char separator)
{
    const bool negative = std::signbit(value);
    const double magnitude = std::fabs(value);
    if (magnitude >= 1e18)
        return WriteGeneral(out, magnitude, negative, separator);

    char digits[40];
    int length;

    std::uint64_t rounded;
    const double scaled = magnitude * kExactPow10[decimals];
    if (scaled < kTwoPow53 && RoundClearly(scaled, rounded)) {
        length = static_cast<int>(std::to_chars(digits, digits + sizeof digits, rounded).ptr - digits);
    } else {
        const Digits18 d = ToDigits18(magnitude);
        const int kept = d.exponent + 1 + decimals;  // digits down to the last decimal place
        if (kept >= 18) {
            std::memcpy(digits, d.digit, 18);
            std::memset(digits + 18, '0', static_cast<std::size_t>(kept - 18));
            length = kept;
        } else if (kept <= 0) {
            // Everything lies below the last place; only a leading digit right behind it can
            // round up to one unit.
            digits[0] = (kept == 0 && d.digit[0] >= '5') ? '1' : '0';
            length = 1;
        } else {
            std::memcpy(digits, d.digit, static_cast<std::size_t>(kept));
            length = kept;
            if (d.digit[kept] >= '5' && IncrementDigits(digits, kept))
                digits[length++] = '0';  // 99.96 -> 100.0: one digit more
        }
    }
    return WriteFixed(out, digits, length, decimals, trimZeros, negative, separator);
}

// significant: digits of the mantissa; leading: how many of them stand before the point.
char* FormatScientific(char* out, double value, int significant, NumberPattern pattern,
                       char separator)
{
    const bool negative = std::signbit(value);
    const double magnitude = std::fabs(value);

    char digits[24];
    int exponent = 0;  // of the first digit
    if (magnitude == 0.0) {
        std::memset(digits, '0', static_cast<std::size_t>(significant));
    } else {
        bool done = false;
        std::uint64_t bits;
        std::memcpy(&bits, &magnitude, sizeof bits);
        const int biased = static_cast<int>(bits >> 52);
        if (biased != 0) {
            // magnitude >= 2^(binary - 1), so the estimate is the decimal exponent or one less.
            const int binary = biased - 1022;
            int estimate = ((binary - 1) * 78913) >> 18;  // floor((binary - 1) * log10(2))
            for (int attempt = 0; attempt < 2 && !done; ++attempt) {
                const int shift = significant - 1 - estimate;
                if (shift > kMaxExactPow10 || shift < -kMaxExactPow10)
                    break;
                const double scaled = shift >= 0 ? magnitude * kExactPow10[shift]
                                                 : magnitude / kExactPow10[-shift];
                if (scaled >= kExactPow10[significant]) {
                    ++estimate;
                    continue;
                }
                std::uint64_t rounded;
                if (!RoundClearly(scaled, rounded))
                    break;
                if (rounded >= static_cast<std::uint64_t>(kExactPow10[significant])) {
                    rounded /= 10;  // 9999.7 -> 10000 -> 1000 with the next exponent
                    ++estimate;
                }
                std::to_chars(digits, digits + sizeof digits, rounded);
                exponent = estimate;
                done = true;
            }
        }
        if (!done) {
            const Digits18 d = ToDigits18(magnitude);
            std::memcpy(digits, d.digit, static_cast<std::size_t>(significant));
            exponent = d.exponent;
            if (d.digit[significant] >= '5' && IncrementDigits(digits, significant))
                ++exponent;
        }
    }

    if (negative && magnitude != 0.0)
        *out++ = '-';
    if (pattern == NumberPattern::Scientific4) {
        *out++ = digits[0];
        *out++ = separator;
        std::memcpy(out, digits + 1, static_cast<std::size_t>(significant - 1));
        out += significant - 1;
        *out++ = 'E';
        *out++ = exponent < 0 ? '-' : '+';
        return WriteExponent(out, exponent, 2);
    }
    // "00e-0": both digits form a whole number.
    std::memcpy(out, digits, static_cast<std::size_t>(significant));
    out += significant;
    if (magnitude != 0.0)
        exponent -= significant - 1;
    *out++ = 'e';
    if (exponent < 0)
        *out++ = '-';
    return WriteExponent(out, exponent, 1);
}

char* WriteNonFinite(char* out, double value)
{
    if (std::isnan(value)) {
        // A NaN has no sign worth showing (0/0 sets the sign bit on common hardware).
        std::memcpy(out, "NAN", 3);
        return out + 3;
    }
    if (value < 0)
        *out++ = '-';
    std::memcpy(out, "INF", 3);
    return out + 3;
}

} // namespace

NumberPattern NumberPatternFromText(std::string_view pattern)
{
    switch (pattern.size()) {
    case 1:
        if (pattern == "0")
            return NumberPattern::Fixed0;
        break;
    case 3:
        if (pattern == "0.0")
            return NumberPattern::Fixed1;
        break;
    case 4:
        if (pattern == "0.00")
            return NumberPattern::Fixed2;
        break;
    case 5:
        if (pattern == "0.000")
            return NumberPattern::Fixed3;
        if (pattern == "0.###")
            return NumberPattern::UpTo3;
        if (pattern == "00e-0")
            return NumberPattern::TwoDigitsExp;
        break;
    case 9:
        if (pattern == "0.000E+00")
            return NumberPattern::Scientific4;
        break;
    default:
        break;
    }
    throw std::invalid_argument("unsupported number pattern \"" + std::string(pattern) + "\"");
}

char* FormatFloatTo(char* out, NumberPattern pattern, double value, char decimalSeparator)
{
    if (!std::isfinite(value))
        return WriteNonFinite(out, value);
    switch (pattern) {
    case NumberPattern::Fixed0:
        return FormatFixed(out, value, 0, false, decimalSeparator);
    case NumberPattern::Fixed1:
        return FormatFixed(out, value, 1, false, decimalSeparator);
    case NumberPattern::Fixed2:
        return FormatFixed(out, value, 2, false, decimalSeparator);
    case NumberPattern::Fixed3:
        return FormatFixed(out, value, 3, false, decimalSeparator);
    case NumberPattern::UpTo3:
        return FormatFixed(out, value, 3, true, decimalSeparator);
    case NumberPattern::Scientific4:
        return FormatScientific(out, value, 4, pattern, decimalSeparator);
    case NumberPattern::TwoDigitsExp:
        return FormatScientific(out, value, 2, pattern, decimalSeparator);
    }
    throw std::invalid_argument("unsupported number pattern");
}

std::string FormatFloat(NumberPattern pattern, double value, char decimalSeparator)
{
    char text[kMaxNumberTextLength];
    const char* end = FormatFloatTo(text, pattern, value, decimalSeparator);
    return std::string(text, static_cast<std::size_t>(end - text));
}

std::string FormatFloat(std::string_view pattern, double value, char decimalSeparator)
{
    return FormatFloat(NumberPatternFromText(pattern), value, decimalSeparator);
}
