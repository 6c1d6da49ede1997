#include "CsvOracle.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "model/Sampling.h"
#include "model/Concrete.h"
#include "model/NumberText.h"

namespace {

[[noreturn]] void Fail(const std::string& what, std::string_view csv)
{
    std::fprintf(stderr, "%s\n--- file (%zu bytes, first 2000 shown) ---\n%.*s\n", what.c_str(),
                 csv.size(), static_cast<int>(std::min<std::size_t>(csv.size(), 2000)), csv.data());
    std::abort();
}

std::string Join(const std::vector<std::string>& fields)
{
    std::string text = std::to_string(fields.size()) + " fields [";
    for (const auto& f : fields)
        text += f + "|";
    return text + "]";
}

// Walks the file one line at a time. Buffers are kept between lines and between runs, so that
// the checker allocates next to nothing.
class Checker {
public:
    Checker(std::string_view csv, char separator) : csv(csv), separator(separator) {}

    // Starts the expected line.
    void Begin()
    {
        fieldCount = 0;
        expectedBytes.clear();
    }
    void Text(std::string_view text, bool isName = false, bool quoted = false)
    {
        if (fieldCount > 0)
            expectedBytes += ',';
        if (fieldCount == expected.size())
            expected.emplace_back();
        expected[fieldCount++].assign(text);
        if (quoted || (isName && text.find_first_of(",\"\r\n") != std::string_view::npos)) {
            expectedBytes += '"';
            for (char c : text) {
                if (c == '"')
                    expectedBytes += '"';
                expectedBytes += c;
            }
            expectedBytes += '"';
        } else {
            expectedBytes += text;
        }
    }
    void Number(NumberPattern pattern, double value)
    {
        char buffer[kMaxNumberTextLength];
        char* end = FormatFloatTo(buffer, pattern, value, separator);
        // A decimal comma would split the number into two fields, so such numbers are quoted.
        Text(std::string_view(buffer, static_cast<std::size_t>(end - buffer)), false,
             separator == ',');
    }
    // Compares the expected line with the file's next line.
    void End(const char* what)
    {
        expectedBytes += "\r\n";
        if (csv.compare(at, expectedBytes.size(), expectedBytes) != 0) {
            std::size_t i = 0;
            while (at + i < csv.size() && i < expectedBytes.size() && csv[at + i] == expectedBytes[i])
                ++i;
            Fail(std::string(what) + " (line " + std::to_string(line + 1) + ") differs at byte " +
                     std::to_string(at + i) + "; expected line: [" + expectedBytes + "]",
                 csv);
        }
        const std::size_t next = ReadRecord(at);
        if (next != at + expectedBytes.size() || fields != fieldCount ||
            !std::equal(got.begin(), got.begin() + fields, expected.begin()))
            Fail(std::string(what) + " (line " + std::to_string(line + 1) + ") reads back as " +
                     Join(std::vector<std::string>(got.begin(), got.begin() + fields)) +
                     ", expected " +
                     Join(std::vector<std::string>(expected.begin(), expected.begin() + fieldCount)),
                 csv);
        at += expectedBytes.size();
        ++line;
    }
    void Finish()
    {
        if (at != csv.size())
            Fail("text after the last line", csv);
    }

private:
    // RFC 4180: reads the record at `from` into got[0..fields) and returns where the next one
    // starts. A quoted field runs to the next lone double quote ("" stands for one) and may hold
    // commas, CR and LF; a record ends with CR LF. Malformed text fails.
    std::size_t ReadRecord(std::size_t i)
    {
        const std::size_t n = csv.size();
        fields = 0;
        for (;;) {
            if (fields == got.size())
                got.emplace_back();
            std::string& field = got[fields++];
            field.clear();
            if (i < n && csv[i] == '"') {
                ++i;
                for (;;) {
                    if (i >= n)
                        Fail("unterminated quoted field", csv);
                    if (csv[i] == '"') {
                        if (i + 1 < n && csv[i + 1] == '"') {
                            field += '"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    field += csv[i++];
                }
            } else {
                while (i < n && csv[i] != ',' && csv[i] != '\r' && csv[i] != '\n') {
                    if (csv[i] == '"')
                        Fail("double quote inside an unquoted field", csv);
                    field += csv[i++];
                }
            }
            if (i < n && csv[i] == ',') {
                ++i;
                continue;
            }
            if (i + 1 < n && csv[i] == '\r' && csv[i + 1] == '\n')
                return i + 2;
            Fail("a field is followed by neither a comma nor CR LF", csv);
        }
    }

    std::string_view csv;
    char separator;
    std::size_t at = 0;
    std::size_t line = 0;

    static inline std::vector<std::string> expected;
    static inline std::vector<std::string> got;
    static inline std::string expectedBytes;
    std::size_t fieldCount = 0;
    std::size_t fields = 0;
};

template <bool Compression>
void CheckBlock(Checker& check, const std::vector<std::unique_ptr<CConcrete>>& concretes)
{
    check.Begin();
    check.Text(Compression ? "Compression Curve" : "Tension Curve");
    check.End("block title");

    check.Begin();
    check.Text("Strain");
    double largest = 0;
    for (const auto& c : concretes) {
        check.Text(c->ConcreteName, true);
        const double end = Compression ? c->ecmax : c->etmax;
        if (largest < end)
            largest = end;
    }
    check.Text("");
    check.End("block heading");

    // One row for every accumulated strain up to the largest end strain; a concrete's cell is
    // filled only below its own end strain.
    const double step = Compression ? kCompressionStep : kTensionStep;
    for (double x = 0.0; x <= largest; x = x + step) {
        check.Begin();
        check.Number(NumberPattern::Scientific4, x);
        for (const auto& c : concretes) {
            if (x < (Compression ? c->ecmax : c->etmax))
                check.Number(NumberPattern::Fixed3,
                             Compression ? c->CompressionStress(x) : c->TensionStress(x));
            else
                check.Text("");
        }
        check.Text("");
        check.End("curve row");
    }
    for (int i = 0; i < 2; ++i) {
        check.Begin();
        check.Text("");
        check.End("empty line after a block");
    }
}

} // namespace

void CheckConcreteCsv(std::string_view csv,
                      const std::vector<std::unique_ptr<CConcrete>>& concretes, char separator)
{
    // Excel's byte-order mark comes first exactly when a name has a byte beyond ASCII.
    const bool marked = std::any_of(concretes.begin(), concretes.end(), [](const auto& c) {
        return std::any_of(c->ConcreteName.begin(), c->ConcreteName.end(),
                           [](char b) { return (b & 0x80) != 0; });
    });
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    if (marked != csv.starts_with(kMark))
        Fail(marked ? "the byte-order mark is missing" : "a byte-order mark before ASCII names", csv);
    if (marked)
        csv.remove_prefix(kMark.size());
    Checker check(csv, separator);
    check.Begin();
    for (const char* title : {"ConcreteName", "Ec[N/mm2]", "fck[N/mm2]", "eck[mm/mm]", "ac",
                              "ecmax[mm/mm]", "ftk[N/mm2]", "etk[mm/mm]", "at", "etmax[mm/mm]"})
        check.Text(title);
    check.End("header");

    for (const auto& c : concretes) {
        check.Begin();
        check.Text(c->ConcreteName, true);
        check.Number(NumberPattern::Fixed2, c->Ec);
        check.Number(NumberPattern::Fixed2, c->fck);
        check.Number(NumberPattern::Scientific4, c->eck);
        check.Number(NumberPattern::Fixed3, c->ac);
        check.Number(NumberPattern::Scientific4, c->ecmax);
        check.Number(NumberPattern::Fixed2, c->ftk);
        check.Number(NumberPattern::Scientific4, c->etk);
        check.Number(NumberPattern::Fixed3, c->at);
        check.Number(NumberPattern::Scientific4, c->etmax);
        check.End("parameter line");
    }
    check.Begin();
    check.Text("");
    check.End("empty line after the parameters");

    CheckBlock<true>(check, concretes);
    CheckBlock<false>(check, concretes);
    check.Finish();
}
