#pragma once

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
std::string FormatFloat(std::string_view pattern, double value, char decimalSeparator);
