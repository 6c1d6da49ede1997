#pragma once

// Pieces shared by the solver writers (Abaqus, OpenSees): refusals, number printing that never
// depends on the locale, and safe text for comments and string literals. Plain C++, no Qt, so
// that the window and the command line write byte for byte the same files.

#include <span>
#include <string>
#include <string_view>
#include <vector>

class CConcrete;

// A concrete the writer will not write, with the reason in words a user understands.
struct SolverRefusal {
    std::string name;    // the concrete's name as registered
    std::string reason;
};

// One line per refusal: Concrete "C30" cannot be written: <reason>
std::string RefusalText(const std::vector<SolverRefusal>& refusals);

namespace solvertext {

// The shortest text that reads back as the same double, always with a point and, for numbers
// that would look like integers, a trailing ".0" so that every reader takes them as reals.
std::string Shortest(double value);
// Rounded to `digits` significant digits (at least 6 are always kept), same spelling rules.
std::string Rounded(double value, int digits);
// The double a text written by Shortest or Rounded stands for.
double Parse(std::string_view text);

// A name made safe for a one-line comment: control characters (a line break above all) become
// '?', bytes that are not valid UTF-8 become '?', and nothing can end the line early.
std::string CommentText(std::string_view name);
// A Python string literal in single quotes holding the name, every character that could end or
// bend the literal escaped; the result is plain ASCII.
std::string PythonString(std::string_view text);

}  // namespace solvertext
