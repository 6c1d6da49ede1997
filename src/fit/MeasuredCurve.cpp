#include "fit/MeasuredCurve.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>
#include <system_error>
#include <utility>

#include "fit/TextDecoding.h"
#include "model/CoreText.h"
#include "model/NumberText.h"

namespace fit {

namespace {

// A line of data starts the data only when the next lines (up to this many) are data as well:
// a line of numbers among the headings (a specimen's size, say) is taken for a heading.
constexpr int kConfirmingLines = 3;

// Longest excerpt of a line quoted in a message.
constexpr std::size_t kExcerptBytes = 40;

std::string Count(std::size_t n)
{
    return std::to_string(n);
}

[[noreturn]] void Refuse(const std::string& file, std::size_t line, std::string reason)
{
    throw MeasuredCurveError(file, line, std::move(reason));
}

// ---------------------------------------------------------------------------------------------
// Lines

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (IsBlank(s.front()) || s.front() == '\r'))
        s.remove_prefix(1);
    while (!s.empty() && (IsBlank(s.back()) || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// Lines end in "\n", "\r\n" or a lone "\r"; they are counted from 1.
class LineCursor {
public:
    explicit LineCursor(std::string_view text) : text(text) {}

    bool Next(std::string_view& line)
    {
        if (pos >= text.size())
            return false;
        const char* const begin = text.data() + pos;
        const char* const end = text.data() + text.size();
        // memchr finds the common "\n" fast; a "\r" before it either ends the line on its own
        // or belongs to a "\r\n".
        const char* newline =
            static_cast<const char*>(std::memchr(begin, '\n', std::size_t(end - begin)));
        const char* stop = newline ? newline : end;
        const char* cr =
            static_cast<const char*>(std::memchr(begin, '\r', std::size_t(stop - begin)));
        const char* next = nullptr;
        if (cr && cr + 1 != newline) {
            stop = cr;  // a lone carriage return
            next = cr + 1;
        } else if (newline) {
            stop = cr ? cr : newline;
            next = newline + 1;
        } else {
            next = end;
        }
        line = std::string_view(begin, std::size_t(stop - begin));
        pos = std::size_t(next - text.data());
        ++number;
        return true;
    }

    std::size_t Number() const { return number; }

private:
    std::string_view text;
    std::size_t pos = 0;
    std::size_t number = 0;
};

// A line of nothing but blanks and separators: what a spreadsheet writes for an empty row.
bool IsBlankLine(std::string_view line)
{
    for (const char c : line)
        if (!IsBlank(c) && c != '\r' && c != ',' && c != ';')
            return false;
    return true;
}

// ---------------------------------------------------------------------------------------------
// Fields

// Calls f(index, field, quoted) for each field of the line until f returns false. ' ' splits
// at runs of blanks; the other separators split at each of them, and a field in double quotes
// may hold them.
template <typename F>
void ForEachField(std::string_view line, char separator, F&& f)
{
    const char* p = line.data();
    const char* const end = p + line.size();
    int index = 0;
    if (separator == ' ') {
        while (true) {
            while (p != end && (IsBlank(*p) || *p == '\r'))
                ++p;
            if (p == end)
                return;
            const char* start = p;
            while (p != end && !IsBlank(*p) && *p != '\r')
                ++p;
            if (!f(index++, std::string_view(start, std::size_t(p - start)), false))
                return;
        }
    }
    while (true) {
        const char* start = p;
        while (p != end && IsBlank(*p))
            ++p;
        bool quoted = false;
        std::string_view field;
        if (p != end && *p == '"') {
            const char* q = p + 1;
            while (q != end) {
                if (*q == '"') {
                    if (q + 1 != end && q[1] == '"') {
                        q += 2;
                        continue;
                    }
                    break;
                }
                ++q;
            }
            if (q != end) {
                quoted = true;
                field = std::string_view(p + 1, std::size_t(q - p - 1));
                p = q + 1;
                while (p != end && *p != separator)
                    ++p;  // anything after the closing quote is dropped, as spreadsheets do
            }
        }
        if (!quoted) {
            p = start;
            while (p != end && *p != separator)
                ++p;
            field = std::string_view(start, std::size_t(p - start));
        }
        if (!f(index++, field, quoted))
            return;
        if (p == end)
            return;
        ++p;  // the separator
    }
}

enum class Token { Empty, Number, NaN, Infinite, Text };

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The exact syntax of a number with the given decimal separator: sign, digits with at most one
// separator (at least one digit), and an exponent with digits.
bool NumberSyntax(std::string_view s, char decimal)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i]))
        ++i, ++digits;
    if (i < s.size() && s[i] == decimal) {
        ++i;
        while (i < s.size() && IsDigit(s[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        std::size_t exponent = 0;
        while (i < s.size() && IsDigit(s[i]))
            ++i, ++exponent;
        if (exponent == 0)
            return false;
    }
    return i == s.size();
}

bool EqualsLower(std::string_view s, std::string_view lower)
{
    if (s.size() != lower.size())
        return false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        char c = s[i];
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
        if (c != lower[i])
            return false;
    }
    return true;
}

bool StartsLower(std::string_view s, std::string_view lower)
{
    return s.size() >= lower.size() && EqualsLower(s.substr(0, lower.size()), lower);
}

// What programs write for a value that is no number: NaN in its spellings (C, Windows, R,
// spreadsheets' errors) and infinities.
Token SpecialToken(std::string_view s)
{
    if (!s.empty() && (s[0] == '+' || s[0] == '-'))
        s.remove_prefix(1);
    if (EqualsLower(s, "inf") || EqualsLower(s, "infinity") || EqualsLower(s, "1.#inf") ||
        EqualsLower(s, "inf.0"))
        return Token::Infinite;
    if (StartsLower(s, "nan") || StartsLower(s, "1.#qnan") || StartsLower(s, "1.#snan") ||
        StartsLower(s, "1.#ind") || EqualsLower(s, "na") || EqualsLower(s, "#n/a") ||
        EqualsLower(s, "#num!") || EqualsLower(s, "#div/0!") || EqualsLower(s, "#value!"))
        return Token::NaN;
    return Token::Text;
}

// A field as a number. The decimal comma is taken where the comma cannot be the separator:
// beside other separators, or inside quotes.
Token ReadField(std::string_view field, char separator, bool quoted, double& value)
{
    field = Trim(field);
    if (field.empty())
        return Token::Empty;
    const bool commaTaken = separator != ',' || quoted;
    char decimal = 0;
    if (NumberSyntax(field, '.'))
        decimal = '.';
    else if (commaTaken && NumberSyntax(field, ','))
        decimal = ',';
    if (decimal == 0)
        return SpecialToken(field);
    // StrToFloat takes blanks of code 32 only; the field is trimmed already.
    try {
        value = StrToFloat(field, decimal);
    } catch (const ConvertError&) {
        return Token::Infinite;  // beyond the range of a double
    }
    return std::isfinite(value) ? Token::Number : Token::Infinite;
}

// A line that could be data under the separator: at least two fields that read as numbers (or
// as NaN or infinity, which the data then refuses), and nothing else but empty fields.
bool CouldBeData(std::string_view line, char separator)
{
    int numbers = 0;
    bool ok = true;
    ForEachField(line, separator, [&](int, std::string_view field, bool quoted) {
        double value = 0;
        switch (ReadField(field, separator, quoted, value)) {
        case Token::Empty: return true;
        case Token::Text: ok = false; return false;
        default: ++numbers; return true;
        }
    });
    return ok && numbers >= 2;
}

// The separator a line of data uses, or 0 when the line is no data under any of them. A
// semicolon or a tab wins over the comma, which may then be the decimal comma.
char DataSeparator(std::string_view line)
{
    for (const char separator : {';', '\t', ','}) {
        if (line.find(separator) == std::string_view::npos)
            continue;
        if (CouldBeData(line, separator))
            return separator;
    }
    return CouldBeData(line, ' ') ? ' ' : 0;
}

int CountFields(std::string_view line, char separator)
{
    int count = 0;
    ForEachField(line, separator, [&](int, std::string_view, bool) {
        ++count;
        return true;
    });
    return count;
}

// ---------------------------------------------------------------------------------------------
// Headings

enum class Quantity { None, Strain, Stress };

// Lower-case ASCII letters; the rest as it is.
std::string LowerAscii(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return out;
}

// A unit as written, reduced to a plain spelling: ASCII lower case, no blanks, the micro sign
// and Greek mu as "u", epsilon as "e", multiplication signs as "x", superscripts as digits.
std::string NormalUnit(std::string_view unit)
{
    static const std::pair<const char*, const char*> kReplacements[] = {
        {"\xC2\xB5", "u"},      // µ micro sign
        {"\xCE\xBC", "u"},      // μ Greek mu
        {"\xCE\xB5", "e"},      // ε
        {"\xCF\xB5", "e"},      // ϵ
        {"\xC3\x97", "x"},      // ×
        {"\xC2\xB7", "x"},      // ·
        {"\xE2\x8B\x85", "x"},  // ⋅
        {"\xE2\x81\xBB", "-"},  // superscript minus
        {"\xE2\x88\x92", "-"},  // minus sign
        {"\xC2\xB2", "2"},      // ²
        {"\xC2\xB3", "3"},      // ³
        {"\xE2\x81\xB6", "6"},  // superscript 6
        {"\xEF\xBC\x85", "%"},  // full-width percent
        {"\xE2\x80\xB0", "permille"},
        {"\xE5\xBE\xAE\xE5\xBA\x94\xE5\x8F\x98", "microstrain"},  // 微应变
    };
    std::string out;
    for (std::size_t i = 0; i < unit.size();) {
        bool replaced = false;
        for (const auto& [from, to] : kReplacements) {
            const std::size_t n = std::strlen(from);
            if (unit.substr(i, n) == from) {
                out += to;
                i += n;
                replaced = true;
                break;
            }
        }
        if (replaced)
            continue;
        char c = unit[i++];
        if (c == ' ' || c == '\t' || c == '^' || c == '*')
            continue;
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
        out += c;
    }
    if (out.size() > 1 && (out[0] == 'x') && out[1] == '1')
        out.erase(0, 1);  // "×10⁻⁶" reads as "10-6"
    return out;
}

std::optional<StrainUnit> StrainUnitOf(std::string_view written)
{
    const std::string u = NormalUnit(written);
    for (const char* s : {"m/m", "mm/mm", "in/in", "-", "strain"})
        if (u == s)
            return StrainUnit::Strain;
    for (const char* s : {"%", "percent", "pct"})
        if (u == s)
            return StrainUnit::Percent;
    for (const char* s : {"permille", "%o", "mm/m", "10-3", "1e-3", "e-3", "milli", "millistrain"})
        if (u == s)
            return StrainUnit::Permille;
    for (const char* s : {"ue", "um/m", "microstrain", "ustrain", "10-6", "1e-6", "e-6", "micro"})
        if (u == s)
            return StrainUnit::Microstrain;
    return std::nullopt;
}

std::optional<StressUnit> StressUnitOf(std::string_view written)
{
    const std::string u = NormalUnit(written);
    for (const char* s : {"mpa", "n/mm2", "n/mm", "mn/m2"})
        if (u == s)
            return StressUnit::MPa;
    for (const char* s : {"kpa", "kn/m2"})
        if (u == s)
            return StressUnit::kPa;
    for (const char* s : {"pa", "n/m2"})
        if (u == s)
            return StressUnit::Pa;
    return std::nullopt;
}

// Units a heading may well give that Tarvolin does not convert: refused rather than misread.
bool ForeignUnit(std::string_view written)
{
    const std::string u = NormalUnit(written);
    for (const char* s : {"psi", "ksi", "gpa", "kgf/cm2", "kg/cm2", "kgf/mm2", "bar",   "mbar",
                          "atm", "kn",  "n",   "kgf",     "lbf",    "mm",      "m",     "cm",
                          "in",  "um",  "s",   "min",     "h",      "kn/mm2",  "n/cm2", "lb/in2"})
        if (u == s)
            return true;
    return false;
}

struct Heading {
    std::string text;  // the whole field, UTF-8
    std::string name;  // without the unit
    std::string unit;  // as written, without brackets; empty if none
    Quantity quantity = Quantity::None;
};

bool Contains(std::string_view s, std::string_view part)
{
    return s.find(part) != std::string_view::npos;
}

Quantity QuantityOf(std::string_view name)
{
    const std::string lower = LowerAscii(name);
    const bool strain = Contains(lower, "strain") || Contains(lower, "epsilon") ||
                        Contains(lower, "\xE5\xBA\x94\xE5\x8F\x98") ||               // 应变
                        Contains(lower, "\xCE\xB5") || Contains(lower, "\xCF\xB5");  // ε ϵ
    const bool stress = Contains(lower, "stress") || Contains(lower, "sigma") ||
                        Contains(lower, "\xE5\xBA\x94\xE5\x8A\x9B") ||  // 应力
                        Contains(lower, "\xCF\x83");                    // σ
    if (strain == stress)
        return Quantity::None;  // neither, or "stress-strain"
    return strain ? Quantity::Strain : Quantity::Stress;
}

// Splits "strain (%)", "应变（με）", "Stress [MPa]", "σ/MPa" and "strain %" into name and unit.
Heading ReadHeading(std::string_view field)
{
    Heading h;
    h.text = std::string(Trim(field));
    std::string_view text = h.text;
    static const std::pair<std::string_view, std::string_view> kBrackets[] = {
        {"(", ")"},
        {"[", "]"},
        {"{", "}"},
        {"\xEF\xBC\x88", "\xEF\xBC\x89"},  // full-width ( )
        {"\xE3\x80\x90", "\xE3\x80\x91"},  // 【 】
        {"\xEF\xBC\xBB", "\xEF\xBC\xBD"},  // full-width [ ]
    };
    std::size_t best = std::string_view::npos;
    std::size_t bestOpenSize = 0;
    std::size_t bestClose = 0;
    std::size_t bestCloseSize = 0;
    for (const auto& [open, close] : kBrackets) {
        const std::size_t at = text.rfind(open);
        if (at == std::string_view::npos || (best != std::string_view::npos && at < best))
            continue;
        const std::size_t closeAt = text.find(close, at + open.size());
        if (closeAt == std::string_view::npos)
            continue;
        best = at;
        bestOpenSize = open.size();
        bestClose = closeAt;
        bestCloseSize = close.size();
    }
    if (best != std::string_view::npos) {
        h.unit =
            std::string(Trim(text.substr(best + bestOpenSize, bestClose - best - bestOpenSize)));
        h.name =
            std::string(text.substr(0, best)) + std::string(text.substr(bestClose + bestCloseSize));
    } else if (const std::size_t slash = text.find('/');
               slash != std::string_view::npos && slash > 0 &&
               QuantityOf(text.substr(0, slash)) != Quantity::None) {
        // "σ/MPa", "应力/MPa"; "N/mm2" alone has no quantity before its slash.
        h.unit = std::string(Trim(text.substr(slash + 1)));
        h.name = std::string(text.substr(0, slash));
    } else if (const std::size_t space = Trim(text).find_last_of(" \t");
               space != std::string_view::npos && (StrainUnitOf(Trim(text).substr(space + 1)) ||
                                                   StressUnitOf(Trim(text).substr(space + 1)))) {
        h.unit = std::string(Trim(text).substr(space + 1));
        h.name = std::string(Trim(text).substr(0, space));
    } else {
        h.name = h.text;
    }
    h.quantity = QuantityOf(h.name);
    if (h.quantity == Quantity::None && !h.name.empty() && h.unit.empty()) {
        // A heading such as "ε%" or "应变%".
        for (const char* suffix : {"%", "\xE2\x80\xB0"})
            if (h.name.size() > std::strlen(suffix) && h.name.ends_with(suffix)) {
                const std::string name = h.name.substr(0, h.name.size() - std::strlen(suffix));
                if (QuantityOf(name) == Quantity::Strain) {
                    h.unit = suffix;
                    h.name = name;
                    h.quantity = Quantity::Strain;
                }
            }
    }
    return h;
}

// The fields of a heading line, aligned with the data's columns where that can be done.
std::vector<Heading> SplitHeading(std::string_view line, char separator, int columns)
{
    std::vector<Heading> headings;
    const std::string text = DecodeHeadingText(line);
    char split = separator;
    if (separator == ' ' && text.find('\t') != std::string::npos &&
        CountFields(text, '\t') == columns)
        split = '\t';
    if (split != ' ') {
        ForEachField(text, split, [&](int, std::string_view field, bool) {
            headings.push_back(ReadHeading(field));
            return headings.size() < 10000;
        });
        return headings;
    }
    // Blanks separate the data but may stand inside a heading too ("axial strain (%)"): a
    // bracketed unit or a "/unit" joins the word before it, and words run together until a
    // quantity has been named.
    std::vector<std::string> words;
    ForEachField(text, ' ', [&](int, std::string_view word, bool) {
        const bool joins =
            !words.empty() && (word.front() == '(' || word.front() == '[' || word.front() == '/' ||
                               word.starts_with("\xEF\xBC\x88") || words.back().ends_with("/") ||
                               StrainUnitOf(word) || StressUnitOf(word));
        if (joins) {
            words.back() += ' ';
            words.back() += word;
        } else {
            words.emplace_back(word);
        }
        return words.size() < 10000;
    });
    if (int(words.size()) != columns) {
        // Fewer columns of words than of data: join the words of a name ("axial strain").
        std::vector<std::string> joined;
        std::string pending;
        for (const std::string& word : words) {
            if (!pending.empty())
                pending += ' ';
            pending += word;
            if (ReadHeading(pending).quantity != Quantity::None ||
                ReadHeading(word).quantity != Quantity::None) {
                joined.push_back(pending);
                pending.clear();
            }
        }
        if (!pending.empty())
            joined.push_back(pending);
        words = std::move(joined);
    }
    for (const std::string& word : words)
        headings.push_back(ReadHeading(word));
    return headings;
}

bool IsUnitLine(const std::vector<Heading>& headings)
{
    int units = 0;
    for (const Heading& h : headings) {
        if (h.text.empty())
            continue;
        std::string_view t = h.text;
        if (t.size() >= 2 && (t.front() == '(' || t.front() == '[') &&
            (t.back() == ')' || t.back() == ']'))
            t = t.substr(1, t.size() - 2);
        if (!StrainUnitOf(t) && !StressUnitOf(t))
            return false;
        ++units;
    }
    return units > 0;
}

std::string Excerpt(std::string_view text)
{
    return PrintableText(text, kExcerptBytes);
}

std::string ColumnText(int column)
{
    return std::to_string(column + 1);
}

// ---------------------------------------------------------------------------------------------
// Reading

struct ColumnChoice {
    int strain = 0;
    int stress = 1;
    Source source = Source::Default;
    std::string strainHeading;
    std::string stressHeading;
    std::string strainUnit;  // as the heading writes it
    std::string stressUnit;
};

// Which columns hold strain and stress, from the options, the heading lines (the last one,
// or the one before a line of units) or the order strain, stress.
ColumnChoice ChooseColumns(const std::string& file, const ReadOptions& options,
                           const std::vector<std::string>& headingLines, std::size_t headingLine,
                           char separator, int columns, std::size_t dataLine,
                           std::vector<std::string>& notes)
{
    ColumnChoice choice;
    std::vector<Heading> names;
    std::vector<Heading> units;
    if (!headingLines.empty()) {
        names = SplitHeading(headingLines.back(), separator, columns);
        if (IsUnitLine(names) && headingLines.size() >= 2) {
            units = std::move(names);
            names = SplitHeading(headingLines[headingLines.size() - 2], separator, columns);
            --headingLine;
        }
    }
    const auto unitOf = [&](std::size_t i) -> std::string {
        if (i < names.size() && !names[i].unit.empty())
            return names[i].unit;
        if (i < units.size()) {
            std::string_view t = units[i].text;
            if (t.size() >= 2 && (t.front() == '(' || t.front() == '['))
                t = t.substr(1, t.size() - 2);
            return std::string(t);
        }
        return {};
    };

    std::vector<int> strains;
    std::vector<int> stresses;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i].quantity == Quantity::Strain)
            strains.push_back(int(i));
        if (names[i].quantity == Quantity::Stress)
            stresses.push_back(int(i));
    }

    if (options.strainColumn && options.stressColumn) {
        choice.strain = *options.strainColumn;
        choice.stress = *options.stressColumn;
        choice.source = Source::Option;
        if (choice.strain < 0 || choice.stress < 0 || choice.strain == choice.stress)
            Refuse(file, 0,
                   coretext::translate("MeasuredCurve",
                                       "the strain and the stress must be two different columns"));
    } else {
        for (const auto& [found, what] :
             {std::pair{&strains, coretext::translate("MeasuredCurve", "strain")},
              std::pair{&stresses, coretext::translate("MeasuredCurve", "stress")}})
            if (found->size() > 1)
                Refuse(file, headingLine,
                       coretext::Arg(coretext::translate(
                                         "MeasuredCurve",
                                         "the heading names more than one %1 column (%2 and %3); "
                                         "choose the columns"),
                                     {what, ColumnText((*found)[0]), ColumnText((*found)[1])}));
        if (strains.size() == 1 && stresses.size() == 1) {
            choice.strain = strains[0];
            choice.stress = stresses[0];
            choice.source = Source::Heading;
        } else if (columns == 2 && strains.size() + stresses.size() == 1) {
            // One column named, the other one is the other.
            const bool strainNamed = strains.size() == 1;
            const int named = strainNamed ? strains[0] : stresses[0];
            if (named <= 1) {
                choice.strain = strainNamed ? named : 1 - named;
                choice.stress = 1 - choice.strain;
                choice.source = Source::Heading;
            }
        } else if (columns > 2) {
            Refuse(file, dataLine,
                   coretext::Arg(coretext::translate(
                                     "MeasuredCurve",
                                     "%1 columns, and no heading names the strain and the stress "
                                     "column; choose the columns"),
                                 {std::to_string(columns)}));
        }
        if (choice.source == Source::Default && !names.empty())
            notes.push_back(coretext::Arg(
                coretext::translate(
                    "MeasuredCurve",
                    "The heading (line %1) names no strain or stress column: the first column is "
                    "read as strain, the second as stress."),
                {Count(headingLine)}));
    }
    const int needed = std::max(choice.strain, choice.stress) + 1;
    if (needed > columns)
        Refuse(file, dataLine,
               coretext::Arg(coretext::translate("MeasuredCurve",
                                                 "the data has %1 columns; there is no column %2"),
                             {std::to_string(columns), std::to_string(needed)}));
    if (std::size_t(choice.strain) < names.size())
        choice.strainHeading = names[std::size_t(choice.strain)].text;
    if (std::size_t(choice.stress) < names.size())
        choice.stressHeading = names[std::size_t(choice.stress)].text;
    // Units are read from a heading that names the columns, or from a line of units.
    if (choice.source == Source::Heading || !units.empty() ||
        (choice.source == Source::Option && !names.empty())) {
        choice.strainUnit = unitOf(std::size_t(choice.strain));
        choice.stressUnit = unitOf(std::size_t(choice.stress));
    }
    return choice;
}

// The units from the options, else from the heading, else m/m and MPa.
void ChooseUnits(const std::string& file, const ReadOptions& options, const ColumnChoice& columns,
                 std::size_t headingLine, CurveLayout& layout, std::vector<std::string>& notes)
{
    if (options.strainUnit) {
        layout.strainUnit = *options.strainUnit;
        layout.strainUnitSource = Source::Option;
    } else if (!columns.strainUnit.empty()) {
        if (const auto unit = StrainUnitOf(columns.strainUnit)) {
            layout.strainUnit = *unit;
            layout.strainUnitSource = Source::Heading;
        } else if (ForeignUnit(columns.strainUnit) || StressUnitOf(columns.strainUnit)) {
            Refuse(file, headingLine,
                   coretext::Arg(
                       coretext::translate("MeasuredCurve",
                                           "the heading gives the strain in \"%1\"; Tarvolin reads "
                                           "m/m, %, ‰ and µε: choose the unit"),
                       {Excerpt(columns.strainUnit)}));
        } else {
            notes.push_back(coretext::Arg(
                coretext::translate("MeasuredCurve",
                                    "\"%1\" in the strain column's heading is no unit "
                                    "Tarvolin knows: strains are read in m/m."),
                {Excerpt(columns.strainUnit)}));
        }
    }
    if (options.stressUnit) {
        layout.stressUnit = *options.stressUnit;
        layout.stressUnitSource = Source::Option;
    } else if (!columns.stressUnit.empty()) {
        if (const auto unit = StressUnitOf(columns.stressUnit)) {
            layout.stressUnit = *unit;
            layout.stressUnitSource = Source::Heading;
        } else if (ForeignUnit(columns.stressUnit) || StrainUnitOf(columns.stressUnit)) {
            Refuse(file, headingLine,
                   coretext::Arg(
                       coretext::translate("MeasuredCurve",
                                           "the heading gives the stress in \"%1\"; Tarvolin reads "
                                           "MPa (N/mm²), kPa and Pa: choose the unit"),
                       {Excerpt(columns.stressUnit)}));
        } else {
            notes.push_back(coretext::Arg(
                coretext::translate("MeasuredCurve",
                                    "\"%1\" in the stress column's heading is no unit "
                                    "Tarvolin knows: stresses are read in MPa."),
                {Excerpt(columns.stressUnit)}));
        }
    }
}

double Divisor(StrainUnit unit)
{
    switch (unit) {
    case StrainUnit::Strain: return 1;
    case StrainUnit::Percent: return 100;
    case StrainUnit::Permille: return 1000;
    case StrainUnit::Microstrain: return 1e6;
    }
    return 1;
}

double Divisor(StressUnit unit)
{
    switch (unit) {
    case StressUnit::MPa: return 1;
    case StressUnit::kPa: return 1000;
    case StressUnit::Pa: return 1e6;
    }
    return 1;
}

std::string NumberText(double value)
{
    return FormatFloat(NumberPattern::Scientific4, value, '.');
}

// Values far from any concrete's in the unit they were read in, when no heading or option gave
// that unit: the user may have meant another one.
void NoteImplausibleUnits(const MeasuredCurve& curve, std::vector<std::string>& notes)
{
    const MeasuredPoint& peak = curve.envelope[curve.peak];
    if (curve.layout.strainUnitSource == Source::Default &&
        (peak.strain > 0.05 || peak.strain < 1e-5))
        notes.push_back(coretext::Arg(
            coretext::translate(
                "MeasuredCurve",
                "The peak lies at a strain of %1, read in m/m as no heading or option gave a unit. "
                "If the strains are in %, ‰ or µε, choose that unit."),
            {NumberText(peak.strain)}));
    if (curve.layout.stressUnitSource == Source::Default &&
        (peak.stress > 300 || peak.stress < 0.1))
        notes.push_back(coretext::Arg(
            coretext::translate(
                "MeasuredCurve",
                "The peak stress is %1, read in MPa as no heading or option gave a unit. If the "
                "stresses are in kPa or Pa, choose that unit."),
            {NumberText(peak.stress)}));
}

}  // namespace

MeasuredCurveError::MeasuredCurveError(std::string file_, std::size_t line_, std::string reason_)
    : std::runtime_error(
          line_ > 0
              ? coretext::Arg(coretext::translate("MeasuredCurve", "%1, line %2: %3"),
                              {file_, std::to_string(line_), reason_})
              : coretext::Arg(coretext::translate("MeasuredCurve", "%1: %2"), {file_, reason_})),
      file(std::move(file_)),
      line(line_),
      reason(std::move(reason_))
{
}

MeasuredCurve ReadMeasuredCurve(std::string_view bytes, const std::string& file,
                                const ReadOptions& options)
{
    if (bytes.size() > kMaxFileBytes)
        Refuse(
            file, 0,
            coretext::translate("MeasuredCurve",
                                "the file is larger than 100 MiB, the limit for a measured curve"));
    if (options.strainColumn.has_value() != options.stressColumn.has_value())
        Refuse(
            file, 0,
            coretext::translate("MeasuredCurve", "choose both the strain and the stress column"));
    std::string decoded;
    const std::string_view text = DecodeText(bytes, decoded);

    MeasuredCurve curve;
    curve.file = file;
    CurveLayout& layout = curve.layout;

    // The headings: every line up to the first one of data that the next ones confirm. Only
    // the last two non-blank ones are kept, for the column names and a line of units.
    LineCursor cursor(text);
    std::string_view line;
    std::vector<std::string> headingLines;
    std::size_t lastHeadingLine = 0;
    char separator = 0;
    std::size_t dataLine = 0;
    while (cursor.Next(line)) {
        if (IsBlankLine(line))
            continue;
        const char found = DataSeparator(line);
        if (found != 0) {
            LineCursor ahead = cursor;
            std::string_view next;
            bool confirmed = true;
            for (int seen = 0; seen < kConfirmingLines && ahead.Next(next);) {
                if (IsBlankLine(next))
                    continue;
                if (!CouldBeData(next, found) && !(found == '\t' && CouldBeData(next, ' '))) {
                    confirmed = false;
                    break;
                }
                ++seen;
            }
            if (confirmed) {
                separator = found;
                dataLine = cursor.Number();
                break;
            }
        }
        if (headingLines.size() == 2)
            headingLines.erase(headingLines.begin());
        headingLines.emplace_back(line.substr(0, std::min<std::size_t>(line.size(), 64 * 1024)));
        lastHeadingLine = cursor.Number();
    }
    if (separator == 0)
        Refuse(file, 0,
               text.empty() ? coretext::translate("MeasuredCurve", "the file is empty")
                            : coretext::translate(
                                  "MeasuredCurve",
                                  "no line of data: no line holds two numbers that the next lines "
                                  "follow"));

    layout.headingLines = dataLine - 1;
    layout.firstDataLine = dataLine;
    layout.fieldSeparator = separator;
    layout.columns = CountFields(line, separator);
    const ColumnChoice columns = ChooseColumns(file, options, headingLines, lastHeadingLine,
                                               separator, layout.columns, dataLine, curve.notes);
    layout.strainColumn = columns.strain;
    layout.stressColumn = columns.stress;
    layout.columnSource = columns.source;
    layout.strainHeading = columns.strainHeading;
    layout.stressHeading = columns.stressHeading;
    ChooseUnits(file, options, columns, lastHeadingLine, layout, curve.notes);
    const double strainDivisor = Divisor(layout.strainUnit);
    const double stressDivisor = Divisor(layout.stressUnit);

    // The data, from the first line of it to the end. Reserving for every line left spares
    // the copies of a growing vector.
    {
        const std::size_t lines =
            std::size_t(std::count(line.data(), text.data() + text.size(), '\n'));
        curve.points.reserve(std::min(lines + 1, kMaxPoints));
    }
    const int wanted = std::max(columns.strain, columns.stress);
    bool decimalSeen = false;
    do {
        if (IsBlankLine(line))
            continue;
        const std::size_t number = cursor.Number();
        if (curve.points.size() == kMaxPoints)
            Refuse(
                file, number,
                coretext::translate("MeasuredCurve",
                                    "more than 1,000,000 points, the limit for a measured curve"));
        double values[2] = {0, 0};
        Token tokens[2] = {Token::Empty, Token::Empty};
        std::string_view fields[2];
        bool reached[2] = {false, false};
        // Tab-separated output pads with blanks instead on some lines.
        const char split =
            separator == '\t' && line.find('\t') == std::string_view::npos ? ' ' : separator;
        ForEachField(line, split, [&](int index, std::string_view field, bool quoted) {
            for (int slot = 0; slot < 2; ++slot) {
                if (index != (slot == 0 ? columns.strain : columns.stress))
                    continue;
                reached[slot] = true;
                fields[slot] = field;
                tokens[slot] = ReadField(field, split, quoted, values[slot]);
                if (!decimalSeen && tokens[slot] == Token::Number) {
                    const std::size_t mark = Trim(field).find_first_of(".,");
                    if (mark != std::string_view::npos) {
                        layout.decimalSeparator = Trim(field)[mark];
                        decimalSeen = true;
                    }
                }
            }
            return index < wanted;
        });
        for (int slot = 0; slot < 2; ++slot) {
            if (reached[slot] && tokens[slot] == Token::Number)
                continue;
            const int column = slot == 0 ? columns.strain : columns.stress;
            const std::string what = slot == 0 ? coretext::translate("MeasuredCurve", "strain")
                                               : coretext::translate("MeasuredCurve", "stress");
            const std::string field = Excerpt(Trim(fields[slot]));
            if (!reached[slot])
                Refuse(file, number,
                       coretext::Arg(
                           coretext::translate("MeasuredCurve",
                                               "not a line of data: no column %1 (%2) in \"%3\""),
                           {ColumnText(column), what, Excerpt(line)}));
            switch (tokens[slot]) {
            case Token::Number: break;
            case Token::Empty:
                Refuse(
                    file, number,
                    coretext::Arg(coretext::translate("MeasuredCurve", "column %1 (%2) is empty"),
                                  {ColumnText(column), what}));
            case Token::NaN:
                Refuse(file, number,
                       coretext::Arg(
                           coretext::translate("MeasuredCurve",
                                               "column %1 (%2) holds \"%3\", which is not a number "
                                               "(NaN)"),
                           {ColumnText(column), what, field}));
            case Token::Infinite:
                Refuse(file, number,
                       coretext::Arg(coretext::translate(
                                         "MeasuredCurve",
                                         "column %1 (%2) holds \"%3\", an infinite value or one "
                                         "beyond the range of numbers"),
                                     {ColumnText(column), what, field}));
            case Token::Text:
                Refuse(file, number,
                       coretext::Arg(coretext::translate(
                                         "MeasuredCurve",
                                         "not a line of data: \"%1\" in column %2 (%3) is not a "
                                         "number"),
                                     {field, ColumnText(column), what}));
            }
        }
        const double strain = values[0] / strainDivisor;
        const double stress = values[1] / stressDivisor;
        if (!std::isfinite(strain) || !std::isfinite(stress))
            Refuse(file, number, coretext::translate("MeasuredCurve", "a value is too large"));
        curve.points.push_back({strain, stress, number});
    } while (cursor.Next(line));

    // Compression may be written negative: each column's sign is that of its largest value.
    double strainMin = 0, strainMax = 0, stressMin = 0, stressMax = 0;
    for (const MeasuredPoint& p : curve.points) {
        strainMin = std::min(strainMin, p.strain);
        strainMax = std::max(strainMax, p.strain);
        stressMin = std::min(stressMin, p.stress);
        stressMax = std::max(stressMax, p.stress);
    }
    layout.strainNegative = -strainMin > strainMax;
    layout.stressNegative = -stressMin > stressMax;
    for (MeasuredPoint& p : curve.points) {
        if (layout.strainNegative)
            p.strain = -p.strain;
        if (layout.stressNegative)
            p.stress = -p.stress;
        // No negative zero: a point at the origin reads as one.
        p.strain += 0.0;
        p.stress += 0.0;
    }

    // The envelope: a point whose strain falls short of a strain before it belongs to an
    // unloading loop (or to the way back into the envelope). A strain equal to the largest so
    // far is a reading the gauge's resolution repeated, as fast machines record plateaus: it
    // stays.
    curve.envelope.reserve(curve.points.size());
    double reached = -1;
    for (const MeasuredPoint& p : curve.points) {
        if (p.strain < 0) {
            ++curve.leftOutNegative;
        } else if (p.strain >= reached) {
            curve.envelope.push_back(p);
            reached = p.strain;
        } else {
            ++curve.leftOutUnloading;
        }
    }
    if (curve.envelope.empty())
        Refuse(file, curve.points.back().line,
               coretext::translate("MeasuredCurve", "no point lies at a positive strain"));
    const std::vector<MeasuredPoint>& e = curve.envelope;
    curve.highest =
        std::size_t(std::max_element(e.begin(), e.end(),
                                     [](const MeasuredPoint& a, const MeasuredPoint& b) {
                                         return a.stress < b.stress;
                                     }) -
                    e.begin());
    if (!(e[curve.highest].stress > 0))
        Refuse(file, e[curve.highest].line,
               coretext::translate("MeasuredCurve", "no stress is above zero"));
    // Where the curve turns. Dense points scatter, and a curve that only rises has its highest
    // reading somewhere before its end all the same: the running mean over about 1/200 of the
    // points (none below 400 points, where the steps between points outgrow the scatter)
    // follows the trend, and its highest point is the peak the branches are counted from. The
    // curve has come down from there only if its end lies below that peak by more than the
    // scatter of the two means (three standard errors; the scatter of single readings from
    // the steps between them).
    const std::size_t half = e.size() / 400;
    curve.peak = curve.highest;
    bool fallen = true;
    if (half > 0) {
        std::vector<double> sum(e.size() + 1, 0.0);
        double steps = 0;
        for (std::size_t i = 0; i < e.size(); ++i) {
            sum[i + 1] = sum[i] + e[i].stress;
            if (i > 0)
                steps += (e[i].stress - e[i - 1].stress) * (e[i].stress - e[i - 1].stress);
        }
        const auto mean = [&](std::size_t lo, std::size_t hi) {
            return (sum[hi + 1] - sum[lo]) / double(hi - lo + 1);
        };
        double best = -std::numeric_limits<double>::infinity();
        for (std::size_t i = 0; i < e.size(); ++i) {
            const double m = mean(i >= half ? i - half : 0, std::min(e.size() - 1, i + half));
            if (m > best) {
                best = m;
                curve.peak = i;
            }
        }
        const double scatter = std::sqrt(steps / (2.0 * double(e.size() - 1)));
        const double end = mean(e.size() - 1 - half, e.size() - 1);
        fallen = best - end > 3 * scatter * std::sqrt(2.0 / double(half + 1));
    }
    const MeasuredPoint& peak = e[curve.peak];
    const std::size_t ascending = curve.peak + 1;
    const std::size_t descending = e.size() - ascending;
    if (descending == 0 || !fallen)
        Refuse(file, e.back().line,
               coretext::translate(
                   "MeasuredCurve",
                   "no peak: the stress rises up to the last point, so the curve has no "
                   "descending branch"));
    if (ascending < kMinBranchPoints)
        Refuse(file, peak.line,
               coretext::Arg(coretext::translate(
                                 "MeasuredCurve",
                                 "%1 points up to the peak (this line); a branch needs at least "
                                 "5 points"),
                             {Count(ascending)}));
    if (descending < kMinBranchPoints)
        Refuse(file, curve.envelope.back().line,
               coretext::Arg(coretext::translate(
                                 "MeasuredCurve",
                                 "%1 points after the peak (up to this line); a branch needs at "
                                 "least 5 points"),
                             {Count(descending)}));
    NoteImplausibleUnits(curve, curve.notes);
    return curve;
}

std::string ReadMeasuredBytes(const std::filesystem::path& path, const std::string& file)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        Refuse(file, 0, coretext::translate("MeasuredCurve", "this is a folder, not a file"));
    std::ifstream in(path, std::ios::binary);
    if (!in)
        Refuse(file, 0,
               coretext::Arg(coretext::translate("MeasuredCurve", "cannot be opened (%1)"),
                             {std::strerror(errno ? errno : ENOENT)}));
    std::string bytes;
    // The size is only a hint (a pipe has none, a growing file may not keep it): the limit is
    // checked on what is read.
    if (const auto size = std::filesystem::file_size(path, error); !error)
        bytes.reserve(std::size_t(std::min<std::uintmax_t>(size, kMaxFileBytes)));
    std::array<char, 1 << 16> chunk;
    while (in) {
        in.read(chunk.data(), std::streamsize(chunk.size()));
        const std::size_t got = std::size_t(in.gcount());
        if (bytes.size() + got > kMaxFileBytes)
            Refuse(file, 0,
                   coretext::translate(
                       "MeasuredCurve",
                       "the file is larger than 100 MiB, the limit for a measured curve"));
        bytes.append(chunk.data(), got);
    }
    if (in.bad())
        Refuse(file, 0, coretext::translate("MeasuredCurve", "cannot be read"));
    return bytes;
}

std::vector<std::string> PreviewLines(std::string_view bytes, std::size_t count)
{
    std::string decoded;
    const std::string_view text = DecodeText(bytes, decoded);
    LineCursor cursor(text);
    std::string_view line;
    std::vector<std::string> lines;
    while (lines.size() < count && cursor.Next(line))
        lines.push_back(PrintableText(line, kPreviewLineBytes));
    return lines;
}

const char* UnitName(StrainUnit unit)
{
    switch (unit) {
    case StrainUnit::Strain: return "m/m";
    case StrainUnit::Percent: return "%";
    case StrainUnit::Permille: return "permille";
    case StrainUnit::Microstrain: return "microstrain";
    }
    return "";
}

const char* UnitName(StressUnit unit)
{
    switch (unit) {
    case StressUnit::MPa: return "MPa";
    case StressUnit::kPa: return "kPa";
    case StressUnit::Pa: return "Pa";
    }
    return "";
}

std::optional<StrainUnit> StrainUnitFromName(std::string_view name)
{
    return StrainUnitOf(name);
}

std::optional<StressUnit> StressUnitFromName(std::string_view name)
{
    return StressUnitOf(name);
}

double UnitFactor(StrainUnit unit)
{
    return 1 / Divisor(unit);
}

double UnitFactor(StressUnit unit)
{
    return 1 / Divisor(unit);
}

}  // namespace fit
