#pragma once

#include <QString>

// Text tidying and messages shared by the definition fields.

// Removes the leading and trailing characters whose codes are 32 or below: blanks, tabs, line
// breaks and the other control characters. Unlike QString::trimmed() it leaves Unicode spaces
// such as U+00A0 alone and does remove control characters such as U+0001.
QString TrimControl(const QString& text);

// The text between two double-quote characters.
QString Quoted(const QString& text);

// The refusal of a text that does not read as a number: "text" is not a valid floating number!
QString NotANumberMessage(const QString& text);
