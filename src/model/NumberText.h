#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

// Reading and printing numbers with the user's decimal separator, which callers pass in:
// nothing here reads the locale.

// Thrown by StrToFloat for any text that is not a number (or lies beyond the range of a double).
class ConvertError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// Blanks (code 32 only), optional sign, digits with an optional separator, optional exponent,
// blanks. Throws ConvertError for anything else.
double StrToFloat(std::string_view text, char decimalSeparator);

// Prints value after one of the picture patterns "0", "0.0", "0.00", "0.000", "0.###",
// "0.000E+00" and "00e-0". Rounds half away from zero on the stored double.
// Any other pattern is a programming error and throws std::invalid_argument.
std::string FormatFloat(std::string_view pattern, double value, char decimalSeparator);

// The picture patterns in a precompiled form, for callers that print many numbers
// (the CSV export) and should not look at the pattern text every time.
enum class NumberPattern {
    Fixed0,        // "0"
    Fixed1,        // "0.0"
    Fixed2,        // "0.00"
    Fixed3,        // "0.000"
    UpTo3,         // "0.###"
    Scientific4,   // "0.000E+00"
    TwoDigitsExp,  // "00e-0"
};

// Throws std::invalid_argument for a text that is none of the seven patterns.
NumberPattern NumberPatternFromText(std::string_view pattern);

// The longest text FormatFloatTo can write ("-1.23456789012346E-308" and the like stay well below).
inline constexpr std::size_t kMaxNumberTextLength = 32;

// Writes the text into out (at least kMaxNumberTextLength chars, no terminating zero is
// written) and returns the end of what was written. Never fails.
char* FormatFloatTo(char* out, NumberPattern pattern, double value, char decimalSeparator);

std::string FormatFloat(NumberPattern pattern, double value, char decimalSeparator);
