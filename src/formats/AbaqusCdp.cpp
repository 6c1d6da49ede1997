#include "formats/AbaqusCdp.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <queue>
#include <set>

#include "cyclic/CyclicPath.h"
#include "formats/SteelAbaqus.h"
#include "model/Sampling.h"
#include "model/Concrete.h"
#include "model/CoreText.h"

using solvertext::Parse;
using solvertext::Rounded;

namespace {

// Significant digits of every table number: well above the 6 Abaqus needs, and few enough that
// a number printed, read back and printed again gives the same text.
constexpr int kDigits = 9;
constexpr std::size_t kMaxNameLength = 80;

std::string Text(double value)
{
    return Rounded(value, kDigits);
}

double Printed(double value)
{
    return Parse(Text(value));
}

// One unit in the last printed digit of value.
double LastDigit(double value)
{
    if (value == 0)
        return 0;
    return std::pow(10.0, std::floor(std::log10(std::fabs(value))) - (kDigits - 1));
}

std::string StrainText(double strain)
{
    return solvertext::Shortest(strain);
}

// ---- Options -------------------------------------------------------------------------------

bool ReadNumber(std::string_view text, double& value)
{
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() &&
           std::isfinite(value);
}

std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// Characters a material name keeps: what every Abaqus release, the input file's keyword line
// and a script's literal all read alike.
bool IsNameCharacter(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u < 0x80 && (std::isalnum(u) || c == '_' || c == '-');
}

// ---- Tables ----------------------------------------------------------------------------------

struct Point {
    double strain;     // total strain, m/m
    double stress;     // N/mm²
    double inelastic;  // m/m; 0 for the first point
    double damage;
    bool peak;
};

struct Curve {
    const char* what;  // "compression" or "tension"
    const char* endName;
    const char* peakName;
    double peakStrain;
    double peakStress;
    double end;
    double step;
    double (CConcrete::*stress)(double) const;
    double (CConcrete::*lawDamage)(double) const;
    AbaqusOptions::Damage rule;
    double share;       // b of the birtel-mark rule
    double lengthScale; // 1, or the crack band for cracking displacements
    bool displacement;  // the table is against cracking displacements
};

// Largest vertical distance of points a+1 .. b-1 from the chord a-b, and where it is.
struct Segment {
    std::size_t a;
    std::size_t b;
    double deviation;
    std::size_t at;
    bool operator<(const Segment& other) const { return deviation < other.deviation; }
};

Segment Measure(const std::vector<double>& x, const std::vector<double>& y, std::size_t a,
                std::size_t b)
{
    Segment s{a, b, 0, a};
    const double slope = (y[b] - y[a]) / (x[b] - x[a]);
    for (std::size_t j = a + 1; j < b; ++j) {
        const double deviation = std::fabs(y[j] - (y[a] + slope * (x[j] - x[a])));
        if (deviation > s.deviation) {
            s.deviation = deviation;
            s.at = j;
        }
    }
    return s;
}

// Chooses at most maxRows of the points, keeping those in `keep`, by splitting the segment that
// strays farthest from the curve at its worst point until the rows run out.
std::vector<std::size_t> SelectRows(const std::vector<double>& x, const std::vector<double>& y,
                                    std::vector<std::size_t> keep, std::size_t maxRows,
                                    double& deviation)
{
    std::sort(keep.begin(), keep.end());
    keep.erase(std::unique(keep.begin(), keep.end()), keep.end());
    std::priority_queue<Segment> open;
    std::vector<std::size_t> rows = keep;
    for (std::size_t i = 0; i + 1 < keep.size(); ++i)
        open.push(Measure(x, y, keep[i], keep[i + 1]));
    while (!open.empty() && rows.size() < maxRows && open.top().deviation > 0) {
        const Segment worst = open.top();
        open.pop();
        rows.push_back(worst.at);
        open.push(Measure(x, y, worst.a, worst.at));
        open.push(Measure(x, y, worst.at, worst.b));
    }
    deviation = open.empty() ? 0 : open.top().deviation;
    std::sort(rows.begin(), rows.end());
    return rows;
}

// The curve's word in the user's language ("compression", "tension").
std::string What(const Curve& curve)
{
    return coretext::translate("AbaqusCdp", curve.what);
}

// The strain where the ascending branch of the compression curve reaches `stress`, to the last
// bit: the branch rises monotonically from 0 to (eck, fck).
double AscendingStrainAt(const CConcrete& c, double stress)
{
    if (!(stress < c.fck))
        return c.eck;
    double low = 0, high = c.eck;
    for (int i = 0; i < 2000; ++i) {
        const double middle = low + (high - low) / 2;
        if (!(middle > low && middle < high))
            break;
        (c.CompressionStress(middle) < stress ? low : high) = middle;
    }
    // The nearer of the two neighbours.
    const double below = std::fabs(c.CompressionStress(low) - stress);
    return below < std::fabs(c.CompressionStress(high) - stress) ? low : high;
}

// The table of one curve; empty reason on success. E0 is the modulus as printed, in N/mm².
CdpTable BuildTable(const CConcrete& c, const Curve& curve, const AbaqusOptions& options,
                    double E0, double printedE, double scale, std::string& reason)
{
    CdpTable table;
    const bool compression = curve.lawDamage == &CConcrete::CompressionDamage;
    const bool displacement = curve.displacement;
    const std::string inelasticName =
        coretext::translate("AbaqusCdp", displacement  ? QT_TRANSLATE_NOOP("AbaqusCdp", "cracking displacement")
                                         : compression ? QT_TRANSLATE_NOOP("AbaqusCdp", "inelastic strain")
                                                       : QT_TRANSLATE_NOOP("AbaqusCdp", "cracking strain"));
    if (!(curve.end >= curve.peakStrain)) {
        reason = coretext::Arg(
            coretext::translate("AbaqusCdp",
                                "the %1 curve ends at %2 = %3, before its peak strain %4 = %5, "
                                "so it has no branch beyond the elastic part"),
            {What(curve), curve.endName, StrainText(curve.end), curve.peakName,
             StrainText(curve.peakStrain)});
        return table;
    }
    if (!CurveFits(curve.end, curve.step)) {
        reason = coretext::Arg(
            coretext::translate("AbaqusCdp", "the %1 curve has too many points"), {What(curve)});
        return table;
    }

    std::vector<double> strains;
    SampleCurve(curve.end, curve.step, [&](double e) { strains.push_back(e); });
    // The law's own peak, where the samples step over it.
    std::size_t peak = std::size_t(
        std::lower_bound(strains.begin(), strains.end(), curve.peakStrain) - strains.begin());
    if (peak == strains.size() || strains[peak] != curve.peakStrain)
        strains.insert(strains.begin() + std::ptrdiff_t(peak), curve.peakStrain);

    // Compression starts at the point of the ascending branch where the stress is the elastic
    // limit, tension at its peak.
    std::size_t start = peak;
    double startStress = curve.peakStress;
    if (compression && options.elasticLimit < 1) {
        startStress = options.elasticLimit * curve.peakStress;
        const double e0 = AscendingStrainAt(c, startStress);
        start = std::size_t(std::upper_bound(strains.begin(), strains.end(), e0) - strains.begin());
        if (start > peak || e0 == curve.peakStrain) {
            start = peak;  // rounding put it on the peak itself
            startStress = curve.peakStress;
        } else {
            strains.insert(strains.begin() + std::ptrdiff_t(start), e0);
            ++peak;
        }
    }

    std::vector<Point> points;
    points.reserve(strains.size() - start);
    double reached = 0;  // the unloading rule's largest eta_d dc so far
    for (std::size_t i = start; i < strains.size(); ++i) {
        const double e = strains[i];
        const double stress = i == start ? startStress : (c.*curve.stress)(e);
        if (!std::isfinite(stress) || !(stress > 0)) {
            reason = coretext::Arg(
                coretext::translate("AbaqusCdp", "the %1 stress is %2 at strain %3; the law "
                                                 "needs a positive, finite stress there"),
                {What(curve), solvertext::Shortest(stress), Text(e)});
            return table;
        }
        const double elastic = stress / E0;
        const double inelastic = e - elastic;
        double damage = 0;
        if (curve.rule == AbaqusOptions::Damage::Unloading)
            reached = std::max(reached, ConcreteUnloadingAt(c, e).damage);
        if (i != start) {
            switch (curve.rule) {
            case AbaqusOptions::Damage::Unloading:
                // (1 - d) E0 is the slope of the code's unloading line, (1 - reached) Ec: d is
                // eta_d dc itself under E0 = Ec; under a smaller E0 it cannot be below 0.
                damage = E0 == c.Ec ? reached : std::max(0.0, 1 - (1 - reached) * c.Ec / E0);
                break;
            case AbaqusOptions::Damage::Energy:
                damage = 1 - std::sqrt(stress / (E0 * e));
                break;
            case AbaqusOptions::Damage::Code:
                // The law's damage is secant to Ec; against another E0 it is the same secant.
                damage = E0 == c.Ec ? (c.*curve.lawDamage)(e / curve.peakStrain)
                                    : 1 - stress / (E0 * e);
                break;
            case AbaqusOptions::Damage::BirtelMark: {
                const double plastic = curve.share * inelastic;
                damage = 1 - elastic / (plastic * (1 / curve.share - 1) + elastic);
                break;
            }
            case AbaqusOptions::Damage::None:
                break;
            }
        }
        points.push_back({e, stress, i == start ? 0.0 : inelastic * curve.lengthScale, damage,
                          i == peak});
    }

    // Points whose inelastic strains print alike would give Abaqus two rows at one strain:
    // keep the first row, else the peak, else the later point.
    const std::string tooSmall =
        options.e0 == AbaqusOptions::Modulus::Secant
            ? coretext::translate("AbaqusCdp",
                                  " (E0, the secant to the elastic limit, is too small for this "
                                  "curve: choose a lower elastic limit or E0 = Ec)")
            : "";
    std::vector<Point> merged;
    std::vector<double> printedInelastic;
    for (const Point& p : points) {
        const double x = Printed(p.inelastic);
        if (!merged.empty() && x == printedInelastic.back()) {
            if (merged.size() > 1 && !merged.back().peak)
                merged.back() = p;
            continue;
        }
        if (!merged.empty() && !(x > printedInelastic.back())) {
            reason = coretext::Arg(
                coretext::translate("AbaqusCdp", "the %1 %2 decreases at strain %3%4; Abaqus "
                                                 "needs it strictly increasing"),
                {What(curve), inelasticName, Text(p.strain), tooSmall});
            return table;
        }
        merged.push_back(p);
        printedInelastic.push_back(x);
    }
    table.curvePoints = merged.size();

    std::vector<double> x, y;
    std::size_t peakRow = 0;
    for (std::size_t i = 0; i < merged.size(); ++i) {
        x.push_back(merged[i].inelastic);
        y.push_back(merged[i].stress);
        if (merged[i].peak)
            peakRow = i;
    }
    double deviation = 0;
    const std::vector<std::size_t> rows =
        SelectRows(x, y, {0, peakRow, merged.size() - 1},
                   std::size_t(std::max(options.maxRows, 3)), deviation);
    table.deviation = deviation / curve.peakStress * 100;

    const std::string what = What(curve);
    const std::string plasticName = coretext::Arg(
        displacement ? coretext::translate("AbaqusCdp", "the plastic displacement Abaqus derives "
                                                        "from the %1 damage")
                     : coretext::translate("AbaqusCdp", "the plastic strain Abaqus derives from "
                                                        "the %1 damage"),
        {what});
    double lastDamage = 0;
    double lastPlastic = 0;
    for (std::size_t r : rows) {
        const Point& p = merged[r];
        CdpRow row{Printed(p.stress * scale), Printed(p.inelastic), Printed(p.damage), p.strain,
                   0, 0};
        const auto plastic = [&] {
            return row.inelastic - row.damage / (1 - row.damage) * row.stress / printedE;
        };
        if (!(row.damage >= 0 && row.damage < 1)) {
            reason = coretext::Arg(
                coretext::translate("AbaqusCdp", "the %1 damage is %2 at strain %3%4; Abaqus "
                                                 "needs it at least 0 and below 1"),
                {what, Text(row.damage), Text(p.strain), tooSmall});
            return table;
        }
        if (row.damage < lastDamage) {
            reason = coretext::Arg(
                coretext::translate("AbaqusCdp", "the %1 damage decreases at strain %2; Abaqus "
                                                 "needs it non-decreasing"),
                {what, Text(p.strain)});
            return table;
        }
        // Rounding alone may put eps_pl a hair below zero or below the row before: lower the
        // printed damage digit by digit as long as it stays above the row before.
        row.plastic = plastic();
        for (int tries = 0; tries < 100 && !(row.plastic >= 0 && row.plastic >= lastPlastic);
             ++tries) {
            const double lower = Printed(row.damage - LastDigit(row.damage));
            if (!(lower >= lastDamage) || !(lower < row.damage))
                break;
            row.damage = lower;
            row.plastic = plastic();
        }
        // Abaqus takes a unit specimen length for displacements: a crack band below one length
        // unit leaves less displacement than the damage asks to be elastic.
        const std::string unitLength =
            displacement && options.crackBand < 1
                ? coretext::translate("AbaqusCdp",
                                      " (Abaqus takes the elastic part for a unit length, and "
                                      "the crack band is shorter: choose a smaller length unit, "
                                      "strain or less damage)")
                : "";
        if (!(row.plastic >= 0)) {
            reason = coretext::Arg(coretext::translate("AbaqusCdp", "%1 is negative at strain %2%3"),
                                   {plasticName, Text(p.strain), unitLength});
            return table;
        }
        if (!(row.plastic >= lastPlastic)) {
            reason = coretext::Arg(coretext::translate("AbaqusCdp", "%1 decreases at strain %2%3"),
                                   {plasticName, Text(p.strain), unitLength});
            return table;
        }
        row.effective = row.stress / (1 - row.damage);
        lastDamage = row.damage;
        lastPlastic = row.plastic;
        table.rows.push_back(row);
    }
    return table;
}

void Line(std::string& out, std::initializer_list<double> values)
{
    bool first = true;
    for (double v : values) {
        if (!first)
            out += ", ";
        out += Text(v);
        first = false;
    }
    out += '\n';
}

void PyTable(std::string& out, std::string_view call, const std::vector<CdpRow>& rows,
             bool damage, std::string_view arguments)
{
    out += call;
    out += "(table=(\n";
    for (const CdpRow& r : rows) {
        out += "    (";
        out += Text(damage ? r.damage : r.stress);
        out += ", ";
        out += Text(r.inelastic);
        out += "),\n";
    }
    out += ")";
    out += arguments;
    out += ")\n";
}

const char* LengthText(const AbaqusOptions& options)
{
    return options.units == AbaqusOptions::Units::NMmMPa ? "mm" : "m";
}

}  // namespace

bool SetAbaqusOption(AbaqusOptions& options, std::string_view name, std::string_view value,
                     std::string& error)
{
    if (name.substr(0, 2) == "--")
        name.remove_prefix(2);
    const std::string v = Lower(value);
    double number = 0;
    const auto real = [&](double& target, double lo, bool loOpen, double hi, bool hiOpen,
                          const char* range) {
        if (!ReadNumber(value, number) || (loOpen ? !(number > lo) : !(number >= lo)) ||
            (hiOpen ? !(number < hi) : !(number <= hi))) {
            error = coretext::Arg(coretext::translate("AbaqusCdp", "--%1: \"%2\" is not a number %3."),
                                  {name, value, coretext::translate("AbaqusCdp", range)});
            return false;
        }
        target = number;
        return true;
    };
    const double inf = HUGE_VAL;
    if (name == "units") {
        if (v == "mm")
            options.units = AbaqusOptions::Units::NMmMPa;
        else if (v == "m")
            options.units = AbaqusOptions::Units::NMPa;
        else
            return error = coretext::Arg(coretext::translate("AbaqusCdp",
                                                             "--units: \"%1\" is neither mm nor m."),
                                         {value}),
                   false;
        return true;
    }
    if (name == "poisson")
        return real(options.poisson, 0, false, 0.5, true, QT_TRANSLATE_NOOP("AbaqusCdp", "from 0 to below 0.5"));
    if (name == "dilation")
        return real(options.dilation, 0, true, 90, true, QT_TRANSLATE_NOOP("AbaqusCdp", "above 0 and below 90"));
    if (name == "eccentricity")
        return real(options.eccentricity, 0, true, inf, true, QT_TRANSLATE_NOOP("AbaqusCdp", "above 0"));
    if (name == "fb0-fc0")
        return real(options.fb0fc0, 1, true, inf, true, QT_TRANSLATE_NOOP("AbaqusCdp", "above 1"));
    if (name == "k")
        return real(options.k, 0.5, true, 1, false, QT_TRANSLATE_NOOP("AbaqusCdp", "above 0.5 and at most 1"));
    if (name == "viscosity")
        return real(options.viscosity, 0, false, inf, true, QT_TRANSLATE_NOOP("AbaqusCdp", "at least 0"));
    if (name == "elastic-limit")
        return real(options.elasticLimit, 0, true, 1, false, QT_TRANSLATE_NOOP("AbaqusCdp", "above 0 and at most 1"));
    if (name == "bc")
        return real(options.bc, 0, true, 1, false, QT_TRANSLATE_NOOP("AbaqusCdp", "above 0 and at most 1"));
    if (name == "bt")
        return real(options.bt, 0, true, 1, false, QT_TRANSLATE_NOOP("AbaqusCdp", "above 0 and at most 1"));
    if (name == "crack-band")
        return real(options.crackBand, 0, true, inf, true, QT_TRANSLATE_NOOP("AbaqusCdp", "above 0"));
    if (name == "damage") {
        if (v == "unloading")
            options.damage = AbaqusOptions::Damage::Unloading;
        else if (v == "energy")
            options.damage = AbaqusOptions::Damage::Energy;
        else if (v == "code")
            options.damage = AbaqusOptions::Damage::Code;
        else if (v == "birtel-mark")
            options.damage = AbaqusOptions::Damage::BirtelMark;
        else if (v == "none")
            options.damage = AbaqusOptions::Damage::None;
        else
            return error = coretext::Arg(coretext::translate("AbaqusCdp", "--damage: \"%1\" is "
                                                                          "none of unloading, energy, code, birtel-mark and none."),
                                         {value}),
                   false;
        return true;
    }
    if (name == "tension-damage") {
        if (v == "energy")
            options.tensionDamage = AbaqusOptions::Damage::Energy;
        else if (v == "code")
            options.tensionDamage = AbaqusOptions::Damage::Code;
        else if (v == "birtel-mark")
            options.tensionDamage = AbaqusOptions::Damage::BirtelMark;
        else if (v == "none")
            options.tensionDamage = AbaqusOptions::Damage::None;
        else if (v == "unloading")
            return error = coretext::translate("AbaqusCdp", "--tension-damage: unloading is the "
                                                            "code's rule for compression (C.2.5); "
                                                            "the code gives tension no plastic "
                                                            "strain. Choose energy, code, "
                                                            "birtel-mark or none."),
                   false;
        else
            return error = coretext::Arg(coretext::translate("AbaqusCdp", "--tension-damage: \"%1\" is "
                                                                          "none of energy, code, birtel-mark and none."),
                                         {value}),
                   false;
        return true;
    }
    if (name == "e0") {
        if (v == "ec")
            options.e0 = AbaqusOptions::Modulus::Ec;
        else if (v == "secant")
            options.e0 = AbaqusOptions::Modulus::Secant;
        else
            return error = coretext::Arg(coretext::translate("AbaqusCdp",
                                                             "--e0: \"%1\" is neither ec nor secant."),
                                         {value}),
                   false;
        return true;
    }
    if (name == "tension") {
        if (v == "strain")
            options.tension = AbaqusOptions::Tension::Strain;
        else if (v == "displacement")
            options.tension = AbaqusOptions::Tension::Displacement;
        else
            return error = coretext::Arg(coretext::translate("AbaqusCdp", "--tension: \"%1\" is "
                                                                          "neither strain nor displacement."),
                                         {value}),
                   false;
        return true;
    }
    if (name == "rows") {
        int rows = 0;
        const auto result = std::from_chars(value.data(), value.data() + value.size(), rows);
        if (result.ec != std::errc() || result.ptr != value.data() + value.size() || rows < 3 ||
            rows > 100000)
            return error = coretext::Arg(coretext::translate("AbaqusCdp", "--rows: \"%1\" is not "
                                                                          "a whole number from 3 to 100000."),
                                         {value}),
                   false;
        options.maxRows = rows;
        return true;
    }
    if (name == "model") {
        const bool control = std::any_of(value.begin(), value.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
        });
        if (value.empty() || value.size() > kMaxNameLength || control)
            return error = coretext::translate("AbaqusCdp", "--model: a model name has 1 to 80 "
                                                            "characters and no control characters."),
                   false;
        options.model = std::string(value);
        return true;
    }
    if (name == "output") {
        if (v == "inp")
            options.output = AbaqusOptions::Output::Inp;
        else if (v == "py")
            options.output = AbaqusOptions::Output::Py;
        else
            return error = coretext::Arg(coretext::translate("AbaqusCdp",
                                                             "--output: \"%1\" is neither inp nor py."),
                                         {value}),
                   false;
        return true;
    }
    error = coretext::Arg(coretext::translate("AbaqusCdp", "Unknown option --%1."), {name});
    return false;
}

bool AbaqusOptionRange(std::string_view name, OptionRange& range)
{
    if (name.substr(0, 2) == "--")
        name.remove_prefix(2);
    const double inf = HUGE_VAL;
    struct Entry {
        std::string_view name;
        OptionRange range;
    };
    static const Entry entries[] = {
        {"poisson", {0, false, 0.5, true}},    {"dilation", {0, true, 90, true}},
        {"eccentricity", {0, true, inf, true}}, {"fb0-fc0", {1, true, inf, true}},
        {"k", {0.5, true, 1, false}},           {"viscosity", {0, false, inf, true}},
        {"elastic-limit", {0, true, 1, false}}, {"bc", {0, true, 1, false}},
        {"bt", {0, true, 1, false}},            {"crack-band", {0, true, inf, true}},
    };
    for (const Entry& e : entries)
        if (e.name == name) {
            range = e.range;
            return true;
        }
    return false;
}

AbaqusOptions::Damage CompressionDamageRule(const AbaqusOptions& options)
{
    return options.damage;
}

AbaqusOptions::Damage TensionDamageRule(const AbaqusOptions& options)
{
    // Unloading is compression's rule only; SetAbaqusOption refuses it for tension.
    if (options.tensionDamage && *options.tensionDamage != AbaqusOptions::Damage::Unloading)
        return *options.tensionDamage;
    return options.damage == AbaqusOptions::Damage::Unloading ? AbaqusOptions::Damage::Energy
                                                               : options.damage;
}

std::string AbaqusOptionsProblem(const AbaqusOptions& options)
{
    if (options.tension == AbaqusOptions::Tension::Displacement &&
        !(options.crackBand > 0 && std::isfinite(options.crackBand)))
        return coretext::translate("AbaqusCdp", "tension as cracking displacement needs the "
                                                "crack-band width h (--crack-band)");
    return {};
}

const char* const kCodeDamageWarning = QT_TRANSLATE_NOOP(
    "AbaqusCdp",
    "the code damage rule leaves Abaqus no plastic strain (the law's damage is secant), so the "
    "effective stress sigma/(1 - d) climbs to hundreds of N/mm2 and CDP analyses often fail to "
    "converge; the default, unloading, gives the code's own plastic strain (C.2.5)");

bool AbaqusOutputForPath(std::string_view path, AbaqusOptions::Output& output)
{
    const std::size_t dot = path.find_last_of("./");
    if (dot == std::string_view::npos || path[dot] != '.')
        return false;
    const std::string suffix = Lower(path.substr(dot + 1));
    if (suffix == "inp")
        output = AbaqusOptions::Output::Inp;
    else if (suffix == "py")
        output = AbaqusOptions::Output::Py;
    else
        return false;
    return true;
}

bool IsValidAbaqusName(std::string_view name)
{
    if (name.empty() || name.size() > kMaxNameLength ||
        !std::isalpha(static_cast<unsigned char>(name[0])) ||
        static_cast<unsigned char>(name[0]) >= 0x80)
        return false;
    return std::all_of(name.begin(), name.end(), IsNameCharacter);
}

std::vector<std::string> AbaqusMaterialNames(std::span<const std::string> names)
{
    std::vector<std::string> result(names.size());
    std::set<std::string> taken;  // upper case: Abaqus does not tell "c30" from "C30"
    const auto key = [](std::string_view name) {
        std::string upper(name);
        for (char& c : upper)
            c = char(std::toupper(static_cast<unsigned char>(c)));
        return upper;
    };
    std::vector<bool> done(names.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        if (IsValidAbaqusName(names[i]) && taken.insert(key(names[i])).second) {
            result[i] = names[i];
            done[i] = true;
        }
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (done[i])
            continue;
        std::string base;
        bool previousHigh = false;
        for (char c : names[i]) {
            const auto u = static_cast<unsigned char>(c);
            // A character of several UTF-8 bytes becomes one '_'.
            if (u >= 0x80 && u < 0xC0 && previousHigh)
                continue;
            previousHigh = u >= 0x80;
            base += IsNameCharacter(c) ? c : '_';
        }
        if (base.empty() || !std::isalpha(static_cast<unsigned char>(base[0])))
            base = "M_" + base;
        if (base.size() > kMaxNameLength)
            base.resize(kMaxNameLength);
        std::string candidate = base;
        for (int n = 2; !taken.insert(key(candidate)).second; ++n) {
            std::string suffix = std::to_string(n);
            suffix.insert(suffix.begin(), '_');
            candidate.assign(base, 0, kMaxNameLength - suffix.size());
            candidate.append(suffix);
        }
        result[i] = candidate;
    }
    return result;
}

CdpMaterial BuildCdpMaterial(const CConcrete& c, const AbaqusOptions& options,
                             std::string& reason)
{
    reason.clear();
    CdpMaterial m;
    m.concrete = c.ConcreteName;
    m.name = c.ConcreteName;
    m.basis = c.basis;
    m.cv = c.cv;
    const bool metres = options.units == AbaqusOptions::Units::NMPa;
    const double scale = metres ? 1e6 : 1.0;
    m.density = metres ? 2400 : 2.4e-9;
    const bool finite = std::isfinite(c.Ec) && std::isfinite(c.fck) && std::isfinite(c.ftk) &&
                        std::isfinite(c.eck) && std::isfinite(c.etk) && std::isfinite(c.ac) &&
                        std::isfinite(c.at) && std::isfinite(c.ecmax) && std::isfinite(c.etmax);
    if (!finite || !(c.Ec > 0) || !(c.fck > 0) || !(c.ftk > 0) || !(c.eck > 0) ||
        !(c.etk > 0)) {
        reason = coretext::translate("AbaqusCdp",
                                     "its parameters are not all positive, finite numbers");
        return m;
    }
    reason = AbaqusOptionsProblem(options);
    if (!reason.empty())
        return m;
    double E0 = c.Ec;
    if (options.e0 == AbaqusOptions::Modulus::Secant) {
        const double limit = options.elasticLimit < 1 ? options.elasticLimit * c.fck : c.fck;
        E0 = limit / AscendingStrainAt(c, limit);
        if (!(E0 > 0 && std::isfinite(E0))) {
            reason = coretext::translate("AbaqusCdp",
                                         "its compression curve has no secant to the elastic limit");
            return m;
        }
    }
    // Everything divides by the modulus as printed, as Abaqus will.
    m.E = Printed(E0 * scale);
    E0 = m.E / scale;

    const bool displacement = options.tension == AbaqusOptions::Tension::Displacement;
    const Curve compression{QT_TRANSLATE_NOOP("AbaqusCdp", "compression"), "ecmax", "eck", c.eck, c.fck, c.ecmax,
                            kCompressionStep, &CConcrete::CompressionStress,
                            &CConcrete::CompressionDamage, CompressionDamageRule(options),
                            options.bc, 1.0, false};
    const Curve tension{QT_TRANSLATE_NOOP("AbaqusCdp", "tension"), "etmax", "etk", c.etk, c.ftk, c.etmax,
                        kTensionStep, &CConcrete::TensionStress, &CConcrete::TensionDamage,
                        TensionDamageRule(options), options.bt,
                        displacement ? options.crackBand : 1.0, displacement};
    m.compression = BuildTable(c, compression, options, E0, m.E, scale, reason);
    if (reason.empty())
        m.tension = BuildTable(c, tension, options, E0, m.E, scale, reason);
    return m;
}

AbaqusExport BuildAbaqusExport(std::span<const CConcrete* const> concretes,
                               const AbaqusOptions& options)
{
    AbaqusExport result;
    if (const std::string problem = AbaqusOptionsProblem(options); !problem.empty()) {
        result.refused.push_back({"", problem});
        return result;
    }
    std::vector<std::string> names;
    for (const CConcrete* c : concretes)
        names.push_back(c->ConcreteName);
    const std::vector<std::string> mapped = AbaqusMaterialNames(names);
    for (std::size_t i = 0; i < concretes.size(); ++i) {
        std::string reason;
        CdpMaterial m = BuildCdpMaterial(*concretes[i], options, reason);
        if (!reason.empty()) {
            result.refused.push_back({concretes[i]->ConcreteName, reason});
            continue;
        }
        m.name = mapped[i];
        if (mapped[i] != names[i])
            result.renamed.push_back({names[i], mapped[i]});
        result.materials.push_back(std::move(m));
    }
    if (result.Ok())
        result.text = WriteAbaqusFile(result.materials, options);
    return result;
}

namespace {

const char* DamageKey(AbaqusOptions::Damage damage)
{
    switch (damage) {
    case AbaqusOptions::Damage::Energy: return "energy";
    case AbaqusOptions::Damage::Code: return "code";
    case AbaqusOptions::Damage::BirtelMark: return "birtel-mark";
    case AbaqusOptions::Damage::None: return "none";
    case AbaqusOptions::Damage::Unloading: break;
    }
    return "unloading";
}

std::string DamageComment(AbaqusOptions::Damage damage, double share)
{
    std::string text = DamageKey(damage);
    if (damage == AbaqusOptions::Damage::BirtelMark)
        text += " (b = " + Text(share) + ")";
    return text;
}

}  // namespace

const char* AbaqusUnitsText(AbaqusOptions::Units units)
{
    return units == AbaqusOptions::Units::NMmMPa ? "N, mm, MPa" : "N, m, Pa";
}

std::vector<std::string> AbaqusConcreteComments(std::span<const CdpMaterial> materials,
                                                const AbaqusOptions& options)
{
    std::vector<std::string> lines;
    lines.push_back(options.e0 == AbaqusOptions::Modulus::Ec
                        ? "E0: Ec"
                        : "E0: the secant of the compression curve to its elastic limit");
    lines.push_back("Elastic limit: " + Text(options.elasticLimit) +
                    " fc (compression hardening starts there)");
    lines.push_back("Damage: compression " +
                    DamageComment(CompressionDamageRule(options), options.bc) + ", tension " +
                    DamageComment(TensionDamageRule(options), options.bt));
    if (options.tension == AbaqusOptions::Tension::Displacement)
        lines.push_back("Tension against cracking displacement (" +
                        std::string(LengthText(options)) + "), crack band h = " +
                        Text(options.crackBand));
    else
        lines.push_back("Tension against cracking strain");
    lines.push_back("Concretes (material: strength basis, E0; the name it was given where that "
                    "had to change):");
    for (const CdpMaterial& m : materials) {
        std::string line = "  " + m.name + ": " + solvertext::BasisComment(m.basis, m.cv) +
                           ", E0 = " + Text(m.E);
        // As a Python literal: plain ASCII that neither Abaqus nor Python 2 can misread.
        if (m.name != m.concrete)
            line += "; was " + solvertext::PythonString(m.concrete);
        lines.push_back(line);
    }
    return lines;
}

std::string AbaqusConcreteLines(std::span<const CdpMaterial> materials,
                                const AbaqusOptions& options)
{
    const bool displacement = options.tension == AbaqusOptions::Tension::Displacement;
    const bool compressionDamage = CompressionDamageRule(options) != AbaqusOptions::Damage::None;
    const bool tensionDamage = TensionDamageRule(options) != AbaqusOptions::Damage::None;
    std::string out;
    if (options.output == AbaqusOptions::Output::Inp) {
        const std::string tensionType = displacement ? ", TYPE=DISPLACEMENT" : "";
        for (const CdpMaterial& m : materials) {
            out += "*Material, name=" + m.name + "\n";
            out += "*Density\n";
            Line(out, {m.density});
            out += "*Elastic\n";
            Line(out, {m.E, options.poisson});
            out += "*Concrete Damaged Plasticity\n";
            Line(out, {options.dilation, options.eccentricity, options.fb0fc0, options.k,
                       options.viscosity});
            out += "*Concrete Compression Hardening\n";
            for (const CdpRow& r : m.compression.rows)
                Line(out, {r.stress, r.inelastic});
            out += "*Concrete Tension Stiffening" + tensionType + "\n";
            for (const CdpRow& r : m.tension.rows)
                Line(out, {r.stress, r.inelastic});
            if (compressionDamage) {
                out += "*Concrete Compression Damage\n";
                for (const CdpRow& r : m.compression.rows)
                    Line(out, {r.damage, r.inelastic});
            }
            if (tensionDamage) {
                out += "*Concrete Tension Damage" + tensionType + "\n";
                for (const CdpRow& r : m.tension.rows)
                    Line(out, {r.damage, r.inelastic});
            }
        }
        return out;
    }
    using solvertext::PythonString;
    const std::string tensionType = displacement ? ", type=DISPLACEMENT" : "";
    for (const CdpMaterial& m : materials) {
        out += "\n\nmaterial = new_material(" + PythonString(m.name) + ")\n";
        out += "material.Density(table=((" + Text(m.density) + ", ), ))\n";
        out += "material.Elastic(table=((" + Text(m.E) + ", " + Text(options.poisson) + "), ))\n";
        out += "material.ConcreteDamagedPlasticity(table=((" + Text(options.dilation) + ", " +
               Text(options.eccentricity) + ", " + Text(options.fb0fc0) + ", " +
               Text(options.k) + ", " + Text(options.viscosity) + "), ))\n";
        out += "cdp = material.concreteDamagedPlasticity\n";
        PyTable(out, "cdp.ConcreteCompressionHardening", m.compression.rows, false, "");
        PyTable(out, "cdp.ConcreteTensionStiffening", m.tension.rows, false, tensionType);
        if (compressionDamage)
            PyTable(out, "cdp.ConcreteCompressionDamage", m.compression.rows, true, "");
        if (tensionDamage)
            PyTable(out, "cdp.ConcreteTensionDamage", m.tension.rows, true, tensionType);
    }
    return out;
}
