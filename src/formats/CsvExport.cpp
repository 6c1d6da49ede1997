#include "formats/CsvExport.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "model/Sampling.h"
#include "model/Concrete.h"
#include "model/CoreText.h"
#include "model/NumberText.h"
#include "model/Registry.h"

namespace {

constexpr std::string_view kHeader =
    "ConcreteName,Ec[N/mm2],fck[N/mm2],eck[mm/mm],ac,ecmax[mm/mm],ftk[N/mm2],etk[mm/mm],at,"
    "etmax[mm/mm]";
constexpr std::string_view kLineEnd = "\r\n";

// The longest a number may print, with its quotes and the comma behind it.
constexpr std::size_t kCellBound = kMaxNumberTextLength + 3;

// The text grows in one buffer that numbers are printed straight into. Room() hands out at
// least the asked number of writable bytes at the end of what is written so far; Commit()
// records how far the caller wrote. The buffer is sized from an estimate of the whole file,
// so it rarely grows, and nothing is allocated per line or per cell.
class TextBuffer {
public:
    explicit TextBuffer(std::size_t estimate) { text_.resize(estimate); }

    char* Room(std::size_t bytes)
    {
        if (text_.size() - used_ < bytes)
            text_.resize(std::max(text_.size() * 2, used_ + bytes));
        return text_.data() + used_;
    }
    void Commit(const char* end) { used_ = static_cast<std::size_t>(end - text_.data()); }

    void Append(std::string_view part)
    {
        if (part.empty())  // an empty view may hold no pointer at all, which memcpy must not see
            return;
        char* out = Room(part.size());
        std::memcpy(out, part.data(), part.size());
        Commit(out + part.size());
    }
    void Line(std::string_view line = "")
    {
        Append(line);
        Append(kLineEnd);
    }

    std::string Take()
    {
        text_.resize(used_);
        return std::move(text_);
    }

private:
    std::string text_;
    std::size_t used_ = 0;
};

// How many strains of the accumulated sequence 0, step, 2·step... are at most `last`. The
// strain is accumulated by addition, exactly as the rows are written later, so that both agree
// to the last bit.
std::size_t RowCount(double last, double step)
{
    std::size_t rows = 0;
    for (double x = 0.0; x <= last; x += step)
        if (++rows > kMaxCsvRowsPerBlock)
            throw std::length_error(coretext::Arg(
                coretext::translate("CsvExport", "The end strains are too large: the curves "
                                                 "would need more than %1 rows."),
                {std::to_string(kMaxCsvRowsPerBlock)}));
    return rows;
}

char* WriteName(char* out, std::string_view name)
{
    if (name.find_first_of(",\"\r\n") == std::string_view::npos) {
        std::memcpy(out, name.data(), name.size());
        return out + name.size();
    }
    *out++ = '"';
    for (char c : name) {
        if (c == '"')
            *out++ = '"';
        *out++ = c;
    }
    *out++ = '"';
    return out;
}

// A number printed with a decimal comma would fall apart into two fields, so under that
// separator every number is written as a quoted field; under any other it stands bare.
char* WriteNumber(char* out, NumberPattern pattern, double value, char separator)
{
    if (separator != ',')
        return FormatFloatTo(out, pattern, value, separator);
    *out++ = '"';
    out = FormatFloatTo(out, pattern, value, separator);
    *out++ = '"';
    return out;
}

std::size_t NameBound(std::string_view name)
{
    return 2 * name.size() + 2;
}

void WriteParameterLine(TextBuffer& text, const CConcrete& concrete, char separator)
{
    char* out = text.Room(NameBound(concrete.ConcreteName) + 9 * kCellBound + kLineEnd.size());
    out = WriteName(out, concrete.ConcreteName);
    const auto field = [&](NumberPattern pattern, double value) {
        *out++ = ',';
        out = WriteNumber(out, pattern, value, separator);
    };
    field(NumberPattern::Fixed2, concrete.Ec);
    field(NumberPattern::Fixed2, concrete.fck);
    field(NumberPattern::Scientific4, concrete.eck);
    field(NumberPattern::Fixed3, concrete.ac);
    field(NumberPattern::Scientific4, concrete.ecmax);
    field(NumberPattern::Fixed2, concrete.ftk);
    field(NumberPattern::Scientific4, concrete.etk);
    field(NumberPattern::Fixed3, concrete.at);
    field(NumberPattern::Scientific4, concrete.etmax);
    std::memcpy(out, kLineEnd.data(), kLineEnd.size());
    text.Commit(out + kLineEnd.size());
}

void WriteHeading(TextBuffer& text, std::span<const CConcrete* const> concretes)
{
    text.Append("Strain,");
    for (const CConcrete* concrete : concretes) {
        char* out = text.Room(NameBound(concrete->ConcreteName) + 1);
        out = WriteName(out, concrete->ConcreteName);
        *out++ = ',';
        text.Commit(out);
    }
    text.Line();
}

// One row per accumulated strain x (the strain steps are the charts' own, so a concrete's filled
// cells are exactly its plotted points without the closing point at its end strain): the strain, then for each concrete its stress where x lies
// below its own end strain and an empty cell from there on.
template <bool Compression>
void WriteRows(TextBuffer& text, std::span<const CConcrete* const> concretes, std::size_t rows,
               char separator)
{
    constexpr double step = Compression ? kCompressionStep : kTensionStep;
    const std::size_t rowBound = kCellBound * (concretes.size() + 1) + kLineEnd.size();
    double x = 0.0;
    for (std::size_t row = 0; row < rows; ++row, x += step) {
        char* out = text.Room(rowBound);
        out = WriteNumber(out, NumberPattern::Scientific4, x, separator);
        *out++ = ',';
        for (const CConcrete* concrete : concretes) {
            if constexpr (Compression) {
                if (x < concrete->ecmax)
                    out = WriteNumber(out, NumberPattern::Fixed3, concrete->CompressionStress(x),
                                      separator);
            } else {
                if (x < concrete->etmax)
                    out = WriteNumber(out, NumberPattern::Fixed3, concrete->TensionStress(x),
                                      separator);
            }
            *out++ = ',';
        }
        *out++ = '\r';
        *out++ = '\n';
        text.Commit(out);
    }
}

}  // namespace

void AppendCsvName(std::string& out, std::string_view name)
{
    const std::size_t start = out.size();
    out.resize(start + NameBound(name));
    char* end = WriteName(out.data() + start, name);
    out.resize(static_cast<std::size_t>(end - out.data()));
}

std::string_view CsvByteOrderMark(std::span<const std::string_view> names)
{
    for (const std::string_view name : names)
        if (std::any_of(name.begin(), name.end(), [](char c) { return (c & 0x80) != 0; }))
            return "\xEF\xBB\xBF";
    return {};
}

std::string BuildConcreteCsv(std::span<const CConcrete* const> concretes, char decimalSeparator)
{
    // Each block runs to the largest end strain of all concretes.
    double largestEcmax = 0.0;
    double largestEtmax = 0.0;
    std::size_t namesBytes = 0;
    std::vector<std::string_view> names;
    names.reserve(concretes.size());
    for (const CConcrete* concrete : concretes) {
        names.push_back(concrete->ConcreteName);
        if (largestEcmax < concrete->ecmax)
            largestEcmax = concrete->ecmax;
        if (largestEtmax < concrete->etmax)
            largestEtmax = concrete->etmax;
        namesBytes += concrete->ConcreteName.size() + 1;
    }
    const std::size_t compressionRows = RowCount(largestEcmax, kCompressionStep);
    const std::size_t tensionRows = RowCount(largestEtmax, kTensionStep);

    // Typical lengths: a strain "1.580E-02," with the line end is 12 bytes, a stress "10.817,"
    // about 7; the buffer grows should a file print longer numbers.
    const std::size_t n = concretes.size();
    TextBuffer text(256 + n * 96 + 3 * namesBytes + compressionRows * (12 + 8 * n) +
                    tensionRows * (12 + 7 * n));

    text.Append(CsvByteOrderMark(names));
    text.Line(kHeader);
    for (const CConcrete* concrete : concretes)
        WriteParameterLine(text, *concrete, decimalSeparator);

    text.Line();
    text.Line("Compression Curve");
    WriteHeading(text, concretes);
    WriteRows<true>(text, concretes, compressionRows, decimalSeparator);

    text.Line();
    text.Line();
    text.Line("Tension Curve");
    WriteHeading(text, concretes);
    WriteRows<false>(text, concretes, tensionRows, decimalSeparator);

    text.Line();
    text.Line();
    return text.Take();
}

std::string BuildConcreteCsv(std::span<const std::unique_ptr<CConcrete>> concretes,
                             char decimalSeparator)
{
    std::vector<const CConcrete*> list;
    list.reserve(concretes.size());
    for (const auto& concrete : concretes)
        list.push_back(concrete.get());
    return BuildConcreteCsv(std::span<const CConcrete* const>(list), decimalSeparator);
}

std::string BuildConcreteCsv(const ConcreteRegistry& concretes, char decimalSeparator)
{
    return BuildConcreteCsv(concretes.Entries(), decimalSeparator);
}

void AppendCsvNumber(std::string& out, NumberPattern pattern, double value, char decimalSeparator)
{
    const std::size_t start = out.size();
    out.resize(start + kCellBound);
    char* end = WriteNumber(out.data() + start, pattern, value, decimalSeparator);
    out.resize(static_cast<std::size_t>(end - out.data()));
}
