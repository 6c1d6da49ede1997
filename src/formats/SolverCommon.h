#pragma once

// Pieces shared by the solver writers (Abaqus, OpenSees): refusals, number printing that never
// depends on the locale, and safe text for comments and string literals. Plain C++, no Qt, so
// that the window and the command line write byte for byte the same files.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/StrengthBasis.h"

class CConcrete;

// A concrete the writer will not write, with the reason in words a user understands.
struct SolverRefusal {
    std::string name;    // the concrete's name as registered
    std::string reason;
};

// One line per refusal: Concrete "C30" cannot be written: <reason>
std::string RefusalText(const std::vector<SolverRefusal>& refusals);

namespace solvertext {

// Solver input: at most 15 significant digits, trailing zeros dropped, so that a value such as
// 1403.31e-6 reads -0.00140331 and not as the binary noise of its double (a solver reads it
// within 1e-15 of the double); the same spelling rules as Shortest. Library files, which must
// read back bit for bit, do not use it.
std::string ForSolver(double value);
// The same text written into out (room for at least kMaxSolverNumberLength chars, nothing
// terminated), for writers of many numbers; returns the end of what was written.
inline constexpr std::size_t kMaxSolverNumberLength = 32;
char* ForSolverTo(char* out, double value);
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
// A Python unicode literal u'...' holding the text, every character that could end or bend the
// literal escaped and every other character outside printable ASCII as a \x, \u or \U escape:
// plain ASCII that Python 2.7 and Python 3 both read as the very same text.
std::string PythonString(std::string_view text);
// The lines of a CAE script after its imports: the model of that name (a literal from
// PythonString), made when missing, and new_material(name), which replaces a material a
// first run left so that a script can run twice.
std::string CaeModelPrelude(std::string_view modelLiteral);

// "Tarvolin 0.1.0": who wrote a solver file, in its first comment line.
std::string WrittenBy();
// A material's strength basis in a file's comment, plain ASCII: "characteristic",
// "mean (delta = 0.1)", "design".
std::string BasisComment(StrengthBasis basis, double cv);

}  // namespace solvertext
