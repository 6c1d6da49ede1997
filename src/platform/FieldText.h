#pragma once

#include <QString>
#include <optional>
#include <string_view>

// Text tidying, number reading and printing, and messages shared by the definition fields of
// the concrete and the steel windows.

// Removes the leading and trailing characters whose codes are 32 or below: blanks, tabs, line
// breaks and the other control characters. Unlike QString::trimmed() it leaves Unicode spaces
// such as U+00A0 alone and does remove control characters such as U+0001.
QString TrimControl(const QString& text);

// The text between two double-quote characters.
QString Quoted(const QString& text);

// The refusal of a text that does not read as a number: "text" is not a valid floating number!
QString NotANumberMessage(const QString& text);

// The number a field's text stands for with this decimal separator; nothing when it reads as
// no number.
std::optional<double> ReadNumber(const QString& text, char separator);

// A value printed with one of the number patterns ("0", "0.000", ...) and this separator.
QString Print(std::string_view pattern, double value, char separator);

// A coefficient of variation (δc, δs) in the shortest text that reads back as the same number,
// with the separator: it is the user's own statistic, not a rounded code value.
QString CoefficientText(double cv, char separator);
