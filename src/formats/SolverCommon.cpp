#include "formats/SolverCommon.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

#include "model/CoreText.h"

std::string RefusalText(const std::vector<SolverRefusal>& refusals)
{
    std::string text;
    for (const SolverRefusal& r : refusals) {
        if (!text.empty())
            text += '\n';
        text += coretext::Arg(
            coretext::translate("SolverCommon", "Concrete \"%1\" cannot be written: %2"),
            {r.name, r.reason});
    }
    return text;
}

namespace solvertext {

namespace {

// Solver readers take "30000" as an integer in some places (Python tuples above all), so a
// number that prints without point or exponent gets ".0".
std::string AsReal(const char* begin, const char* end)
{
    std::string text(begin, end);
    if (text.find_first_of(".eEn") == std::string::npos)  // 'n' of inf and nan
        text += ".0";
    return text;
}

}  // namespace

std::string Shortest(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return AsReal(buffer, result.ptr);
}

std::string Rounded(double value, int digits)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::general, std::max(digits, 6));
    return AsReal(buffer, result.ptr);
}

std::string ForSolver(double value)
{
    char buffer[kMaxSolverNumberLength];
    return std::string(buffer, ForSolverTo(buffer, value));
}

char* ForSolverTo(char* out, double value)
{
    // 15 significant digits are at most 22 characters ("-1.23456789012345e-308"), and ".0".
    char* end = std::to_chars(out, out + kMaxSolverNumberLength - 2, value,
                              std::chars_format::general, 15).ptr;
    if (std::find_if(out, end, [](char c) { return c == '.' || c == 'e' || c == 'E' || c == 'n'; }) ==
        end) {
        *end++ = '.';
        *end++ = '0';
    }
    return end;
}

double Parse(std::string_view text)
{
    double value = std::nan("");
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

namespace {

// Length of the valid UTF-8 sequence at the start of text, 0 when it is not one.
std::size_t Utf8Length(std::string_view text, char32_t& code)
{
    const auto b0 = static_cast<unsigned char>(text[0]);
    std::size_t length;
    if (b0 < 0x80) {
        code = b0;
        return 1;
    }
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2;
        code = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3;
        code = b0 & 0x0F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4;
        code = b0 & 0x07;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if ((b & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (b & 0x3F);
    }
    // Overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
    if ((length == 3 && code < 0x800) || (length == 4 && (code < 0x10000 || code > 0x10FFFF)) ||
        (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

bool IsControl(char32_t code)
{
    // C0, DEL, C1 and the Unicode line and paragraph separators.
    return code < 0x20 || (code >= 0x7F && code < 0xA0) || code == 0x2028 || code == 0x2029;
}

}  // namespace

std::string CommentText(std::string_view name)
{
    std::string text;
    while (!name.empty()) {
        char32_t code = 0;
        const std::size_t length = Utf8Length(name, code);
        if (length == 0 || IsControl(code)) {
            text += '?';
            name.remove_prefix(length == 0 ? 1 : length);
            continue;
        }
        text.append(name.substr(0, length));
        name.remove_prefix(length);
    }
    return text;
}

std::string PythonString(std::string_view name)
{
    std::string text = "u'";
    while (!name.empty()) {
        char32_t code = 0;
        std::size_t length = Utf8Length(name, code);
        if (length == 0) {
            // A byte that is no character of UTF-8: keep it visible, as its code.
            code = static_cast<unsigned char>(name[0]);
            length = 1;
        }
        name.remove_prefix(length);
        if (code == '\\' || code == '\'') {
            text += '\\';
            text += static_cast<char>(code);
        } else if (code >= 0x20 && code < 0x7F) {
            text += static_cast<char>(code);
        } else {
            const int width = code <= 0xFF ? 2 : code <= 0xFFFF ? 4 : 8;
            text += width == 2 ? "\\x" : width == 4 ? "\\u" : "\\U";
            char digits[8];
            const auto end = std::to_chars(digits, digits + sizeof digits, unsigned(code), 16).ptr;
            text.append(std::size_t(width - (end - digits)), '0');
            text.append(digits, end);
        }
    }
    text += '\'';
    return text;
}

std::string CaeModelPrelude(std::string_view modelLiteral)
{
    const std::string model(modelLiteral);
    std::string out;
    out += "\nif " + model + " not in mdb.models.keys():\n";
    out += "    mdb.Model(name=" + model + ")\n";
    out += "model = mdb.models[" + model + "]\n";
    out += "\n\ndef new_material(name):\n";
    out += "    if name in model.materials.keys():\n";
    out += "        del model.materials[name]\n";
    out += "    return model.Material(name=name)\n";
    return out;
}

std::string WrittenBy()
{
    return "Tarvolin " TARVOLIN_VERSION;
}

std::string BasisComment(StrengthBasis basis, double cv)
{
    std::string text = BasisKey(basis);
    if (basis == StrengthBasis::Mean)
        text += " (delta = " + ForSolver(cv) + ")";
    return text;
}

}  // namespace solvertext
