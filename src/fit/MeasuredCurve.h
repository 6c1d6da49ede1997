#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A stress–strain curve measured on a specimen, read from a text file as testing machines and
// spreadsheets write it. Plain C++: the window, the command line and the fuzzer share it.
//
// What is read:
// - values separated by a tab, a semicolon, a comma or blanks, with a decimal point or a decimal
//   comma (a comma only where it cannot be the separator: with tabs, semicolons or blanks between
//   values, or inside quotes);
// - any number of heading or comment lines before the data; the data starts at the first line of
//   numbers that the next lines of numbers follow, and every later line must be data too (blank
//   lines aside);
// - a heading that names the strain and the stress column (strain, 应变, ε; stress, 应力, σ; any
//   letter case) decides which column is which, and a unit in brackets or after a slash
//   ("strain (%)", "应变(με)", "σ/MPa") the unit, unless the options say otherwise; without
//   one, strain comes first, then stress;
// - UTF-8 (with or without a byte-order mark), UTF-16 with a byte-order mark (what spreadsheets
//   call "Unicode text"), and headings in GBK as Chinese Windows writes them.
//
// Compression may be written positive or negative: each column's sign is taken from its
// largest value, and the curve comes back with both positive. Points at negative strain are
// left out. Unloading loops are left out too: the envelope keeps each point whose strain
// reaches every strain before it.
namespace fit {

enum class StrainUnit { Strain, Percent, Permille, Microstrain };  // m/m, %, ‰, µε
enum class StressUnit { MPa, kPa, Pa };                            // MPa is N/mm²

// Where a column choice or a unit came from.
enum class Source { Default, Heading, Option };

// The limits of a file. Beyond them the file is refused, and the message says the limit.
inline constexpr std::size_t kMaxPoints = 1'000'000;
inline constexpr std::size_t kMaxFileBytes = std::size_t(100) * 1024 * 1024;
// Each branch of a curve (up to the peak, after it) needs this many points to be fitted.
inline constexpr std::size_t kMinBranchPoints = 5;
// How many lines of the file the preview keeps, and how long each may be.
inline constexpr std::size_t kPreviewLines = 20;
inline constexpr std::size_t kPreviewLineBytes = 200;

// What the user says about a file; anything not given is found in the file.
struct ReadOptions {
    // Columns counted from 0. Either both or neither.
    std::optional<int> strainColumn;
    std::optional<int> stressColumn;
    std::optional<StrainUnit> strainUnit;
    std::optional<StressUnit> stressUnit;
};

// How the file was read: what a preview shows and lets the user change (through ReadOptions).
struct CurveLayout {
    std::size_t headingLines = 0;   // lines before the data, blank ones included
    std::size_t firstDataLine = 0;  // counted from 1
    char fieldSeparator = ',';      // '\t', ';', ',' or ' ' (any run of blanks)
    char decimalSeparator = '.';
    int columns = 0;       // fields in the first line of data
    int strainColumn = 0;  // counted from 0
    int stressColumn = 1;
    Source columnSource = Source::Default;
    std::string strainHeading;  // the heading's text of the column, if there is a heading
    std::string stressHeading;
    StrainUnit strainUnit = StrainUnit::Strain;
    Source strainUnitSource = Source::Default;
    StressUnit stressUnit = StressUnit::MPa;
    Source stressUnitSource = Source::Default;
    bool strainNegative = false;  // the file writes the curve's strains below zero
    bool stressNegative = false;
};

struct MeasuredPoint {
    double strain = 0;  // m/m, positive along the curve
    double stress = 0;  // N/mm²
    std::size_t line = 0;
};

struct MeasuredCurve {
    std::string file;  // the name messages use
    CurveLayout layout;
    std::vector<MeasuredPoint> points;    // every point of the file, in order, converted
    std::vector<MeasuredPoint> envelope;  // the points to fit
    std::size_t highest = 0;              // index of the highest stress in envelope
    // Index in envelope where the curve turns: the highest stress, or for many scattered
    // points the highest of their running mean. The branches are counted from it.
    std::size_t peak = 0;
    std::size_t leftOutUnloading = 0;  // points of unloading loops (strain below one before)
    std::size_t leftOutNegative = 0;   // points at negative strain
    // Remarks a user should read (a heading that names no column, values that look like
    // another unit); translated.
    std::vector<std::string> notes;

    std::size_t LeftOut() const { return leftOutUnloading + leftOutNegative; }
};

// A file refused: nothing is read from it. line is 0 where the reason concerns the whole file.
class MeasuredCurveError : public std::runtime_error {
public:
    MeasuredCurveError(std::string file, std::size_t line, std::string reason);
    const std::string& File() const { return file; }
    std::size_t Line() const { return line; }
    const std::string& Reason() const { return reason; }

private:
    std::string file;
    std::size_t line;
    std::string reason;
};

// Reads a curve from the bytes of a file; file only names it in messages. Throws
// MeasuredCurveError for a file that cannot be read as one curve (and std::bad_alloc).
MeasuredCurve ReadMeasuredCurve(std::string_view bytes, const std::string& file,
                                const ReadOptions& options = {});

// The bytes of a file, at most kMaxFileBytes of them: a larger file (or a device that never
// ends) is refused unread. Throws MeasuredCurveError naming the file for what cannot be opened.
std::string ReadMeasuredBytes(const std::filesystem::path& path, const std::string& file);

// The first lines of a file as text that can be shown (UTF-8; control characters and bytes that
// are no text made visible), each cut at kPreviewLineBytes.
std::vector<std::string> PreviewLines(std::string_view bytes, std::size_t count = kPreviewLines);

// The unit as its name is written in headings and on the command line ("m/m", "%", "permille",
// "microstrain"; "MPa", "kPa", "Pa"), and the other way round. The names are not translated.
const char* UnitName(StrainUnit unit);
const char* UnitName(StressUnit unit);
std::optional<StrainUnit> StrainUnitFromName(std::string_view name);
std::optional<StressUnit> StressUnitFromName(std::string_view name);
// What one unit is in m/m and N/mm².
double UnitFactor(StrainUnit unit);
double UnitFactor(StressUnit unit);

}  // namespace fit
