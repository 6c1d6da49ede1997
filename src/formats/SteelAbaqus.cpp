#include "formats/SteelAbaqus.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>

#include "model/CoreText.h"
#include "steel/Steel.h"

using solvertext::Parse;
using solvertext::Rounded;

namespace {

// As the concretes' tables: well above the 6 digits Abaqus needs, and a text printed, read back
// and printed again stays the same.
constexpr int kDigits = 9;
// More rows than any real bar needs by far; a curve that asks for more is refused.
constexpr std::size_t kMaxRows = 1000;
// Samples of the curve between two neighbouring rows when the gap between them is measured.
constexpr int kSamples = 32;

std::string Text(double value)
{
    return Rounded(value, kDigits);
}

double Printed(double value)
{
    return Parse(Text(value));
}

std::string Number(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// A point of the curve the table stands for: plastic strain and stress (output units), both
// unrounded.
struct CurvePoint {
    double plastic;
    double stress;
};

class PlasticCurve {
public:
    PlasticCurve(const CSteel& steel, const SteelAbaqusOptions& options)
        : steel(steel),
          trueValues(options.plastic == SteelAbaqusOptions::Plastic::True),
          scale(options.units == AbaqusOptions::Units::NMPa ? 1e6 : 1.0)
    {
    }

    // The nominal stress at a strain of the curve, exact at the corners (Es·εy and
    // fy + k·(εu − εuy) may round off fy and fst).
    double Nominal(double strain) const
    {
        if (strain == steel.GetEy() || strain == steel.euy) return steel.fy;
        if (strain == steel.eu) return steel.fst;
        return steel.Stress(strain);
    }

    CurvePoint At(double strain) const
    {
        const double sigma = Nominal(strain);
        if (!trueValues) return {strain - sigma / steel.Es, sigma * scale};
        const double trueStress = sigma * (1 + strain);
        return {std::log1p(strain) - trueStress / steel.Es, trueStress * scale};
    }

    SteelPlasticRow Row(double strain) const
    {
        const CurvePoint p = At(strain);
        return {Printed(p.stress), Printed(p.plastic), strain};
    }

    SteelPlasticRow YieldRow() const
    {
        return {Printed(At(steel.GetEy()).stress), 0.0, steel.GetEy()};
    }

    // The largest gap, relative to the curve's stress, between the straight line from row a
    // to row b and the curve between their strains.
    double Gap(const SteelPlasticRow& a, const SteelPlasticRow& b) const
    {
        double worst = 0;
        for (int i = 1; i < kSamples; ++i) {
            const double strain = a.strain + (b.strain - a.strain) * i / kSamples;
            const CurvePoint p = At(strain);
            double table;
            if (p.plastic <= a.plastic)
                table = a.stress;  // Abaqus holds the first stress below the first row
            else if (p.plastic >= b.plastic)
                table = b.stress;
            else
                table = a.stress +
                        (b.stress - a.stress) * (p.plastic - a.plastic) / (b.plastic - a.plastic);
            worst = std::max(worst, std::fabs(table - p.stress) / p.stress);
        }
        return worst;
    }

private:
    const CSteel& steel;
    bool trueValues;
    double scale;
};

}  // namespace

std::string SteelRefusalText(const std::vector<SolverRefusal>& refusals)
{
    std::string text;
    for (const SolverRefusal& r : refusals) {
        if (!text.empty()) text += '\n';
        text += r.name.empty()
                    ? coretext::Arg(coretext::translate("SteelAbaqus", "Cannot write the steels: %1"),
                                    {r.reason})
                    : coretext::Arg(coretext::translate("SteelAbaqus",
                                                        "Steel \"%1\" cannot be written: %2"),
                                    {r.name, r.reason});
    }
    return text;
}

bool SetSteelAbaqusOption(SteelAbaqusOptions& options, std::string_view name,
                          std::string_view value, std::string& error)
{
    if (name.substr(0, 2) == "--") name.remove_prefix(2);
    if (name == "steel-plastic") {
        if (value == "true")
            options.plastic = SteelAbaqusOptions::Plastic::True;
        else if (value == "nominal")
            options.plastic = SteelAbaqusOptions::Plastic::Nominal;
        else
            return error = coretext::Arg(
                       coretext::translate("SteelAbaqus",
                                           "--steel-plastic: \"%1\" is neither true nor nominal."),
                       {value}),
                   false;
        return true;
    }
    if (name == "steel-poisson") {
        double number = 0;
        const auto result = std::from_chars(value.data(), value.data() + value.size(), number);
        if (value.empty() || result.ec != std::errc() || result.ptr != value.data() + value.size() ||
            !(number >= 0) || !(number < 0.5))
            return error = coretext::Arg(
                       coretext::translate("SteelAbaqus",
                                           "--steel-poisson: \"%1\" is not a number from 0 to "
                                           "below 0.5."),
                       {value}),
                   false;
        options.poisson = number;
        return true;
    }
    error = coretext::Arg(coretext::translate("AbaqusCdp", "Unknown option --%1."), {name});
    return false;
}

void TakeAbaqusOptions(SteelAbaqusOptions& steel, const AbaqusOptions& concrete)
{
    steel.units = concrete.units;
    steel.output = concrete.output;
    steel.model = concrete.model;
}

SteelAbaqusMaterial BuildSteelAbaqusMaterial(const CSteel& steel,
                                             const SteelAbaqusOptions& options,
                                             std::string& reason)
{
    reason.clear();
    const bool metres = options.units == AbaqusOptions::Units::NMPa;
    SteelAbaqusMaterial m;
    m.steel = steel.SteelName;
    m.name = steel.SteelName;
    m.basis = steel.basis;
    m.cv = steel.cv;
    m.E = Printed(steel.Es * (metres ? 1e6 : 1.0));
    m.density = metres ? 7850 : 7.85e-9;

    const double values[] = {steel.Es, steel.fy, steel.fst, steel.euy, steel.eu};
    if (!std::all_of(std::begin(values), std::end(values),
                     [](double v) { return std::isfinite(v) && v > 0; }) ||
        steel.fst < steel.fy || steel.euy < steel.GetEy() || steel.eu <= steel.euy) {
        reason = coretext::translate("SteelAbaqus",
                                     "its values do not make a curve (Es, fy, fst, euy, eu "
                                     "positive, fst >= fy, euy >= fy / Es, eu > euy)");
        return m;
    }

    const PlasticCurve curve(steel, options);
    std::vector<SteelPlasticRow>& rows = m.rows;
    rows.push_back(curve.YieldRow());
    // Adds rows up to strain b, the last row standing at a: halves [a, b] while the straight
    // line leaves the curve by more than half the tolerance (the other half is for printing).
    bool tooMany = false;
    const std::function<void(double, double)> refine = [&](double a, double b) {
        if (tooMany) return;
        const SteelPlasticRow end = curve.Row(b);
        const double middle = a + (b - a) / 2;
        if (curve.Gap(rows.back(), end) > kSteelPlasticTolerance / 2 && middle > a &&
            middle < b) {
            if (rows.size() >= kMaxRows) {
                tooMany = true;
                return;
            }
            refine(a, middle);
            refine(middle, b);
            return;
        }
        rows.push_back(end);
    };
    if (steel.euy > steel.GetEy()) refine(steel.GetEy(), steel.euy);
    refine(steel.euy, steel.eu);
    if (tooMany) {
        reason = coretext::Arg(coretext::translate("SteelAbaqus", "its curve needs more than %1 "
                                                                  "rows to stay within 0.1 %"),
                               {std::to_string(kMaxRows)});
        rows.clear();
        return m;
    }

    // Rows right after yield whose printed plastic strain is not above the first row's zero:
    // the formula's offset at yield, not the curve. Only those: a row further on that falls
    // is a fault of the curve and refused below.
    const auto firstRising = std::find_if(rows.begin() + 1, rows.end(),
                                          [](const SteelPlasticRow& r) { return r.plastic > 0; });
    if (firstRising == rows.end()) {
        reason = coretext::translate("SteelAbaqus",
                                     "its plastic strain never rises above zero up to eu: the "
                                     "hardening branch is too steep for Es");
        rows.clear();
        return m;
    }
    rows.erase(rows.begin() + 1, firstRising);

    for (std::size_t i = 0; i < rows.size(); ++i) {
        const SteelPlasticRow& r = rows[i];
        if (!std::isfinite(r.stress) || !(r.stress > 0) || !std::isfinite(r.plastic)) {
            reason = coretext::translate("SteelAbaqus",
                                         "a stress or plastic strain is not a positive finite "
                                         "number");
            break;
        }
        if (i == 0) continue;
        if (!(r.plastic > rows[i - 1].plastic)) {
            reason = coretext::Arg(
                coretext::translate("SteelAbaqus",
                                    "its plastic strain would fall as the strain grows (at "
                                    "strain %1): the hardening branch is too steep for Es"),
                {Number(r.strain)});
            break;
        }
        if (r.stress < rows[i - 1].stress) {
            reason = coretext::Arg(coretext::translate("SteelAbaqus",
                                                       "its stress would fall as the plastic "
                                                       "strain grows (at strain %1)"),
                                   {Number(r.strain)});
            break;
        }
    }
    if (reason.empty()) {
        double worst = 0;
        for (std::size_t i = 1; i < rows.size(); ++i)
            worst = std::max(worst, curve.Gap(rows[i - 1], rows[i]));
        m.deviation = 100 * worst;
        if (worst > kSteelPlasticTolerance)
            reason = coretext::Arg(coretext::translate("SteelAbaqus",
                                                       "its table leaves the curve by %1 %, "
                                                       "more than 0.1 %"),
                                   {Rounded(m.deviation, 6)});
    }
    if (!reason.empty()) rows.clear();
    return m;
}

SteelAbaqusExport BuildSteelAbaqusExport(std::span<const CSteel* const> steels,
                                         const SteelAbaqusOptions& options,
                                         std::span<const std::string> taken)
{
    SteelAbaqusExport result;
    // The concretes' names first: they are valid and unique already, so they keep them, and
    // the steels' names are made valid and unique beside them.
    std::vector<std::string> names(taken.begin(), taken.end());
    for (const CSteel* steel : steels) names.push_back(steel->SteelName);
    const std::vector<std::string> mapped = AbaqusMaterialNames(names);

    for (std::size_t i = 0; i < steels.size(); ++i) {
        std::string reason;
        SteelAbaqusMaterial m = BuildSteelAbaqusMaterial(*steels[i], options, reason);
        if (!reason.empty()) {
            result.refused.push_back({steels[i]->SteelName, reason});
            continue;
        }
        m.name = mapped[taken.size() + i];
        if (m.name != m.steel) result.renamed.push_back({m.steel, m.name});
        result.materials.push_back(std::move(m));
    }
    return result;
}

namespace {

std::string SteelAbaqusLines(std::span<const SteelAbaqusMaterial> materials,
                             const SteelAbaqusOptions& options)
{
    using solvertext::PythonString;
    const char* const kind = options.plastic == SteelAbaqusOptions::Plastic::Nominal
                                 ? "nominal stress against nominal plastic strain"
                                 : "true stress against logarithmic plastic strain";
    std::string out;
    if (options.output == AbaqusOptions::Output::Inp) {
        out += "** Reinforcing steel: *Plastic holds ";
        out += kind;
        out += "\n";
        for (const SteelAbaqusMaterial& m : materials) {
            out += "*Material, name=" + m.name + "\n";
            out += "*Density\n" + Text(m.density) + "\n";
            out += "*Elastic\n" + Text(m.E) + ", " + Text(options.poisson) + "\n";
            out += "*Plastic\n";
            for (const SteelPlasticRow& r : m.rows)
                out += Text(r.stress) + ", " + Text(r.plastic) + "\n";
        }
        return out;
    }
    out += "\n\n# Reinforcing steel: Plastic holds ";
    out += kind;
    out += "\n";
    for (const SteelAbaqusMaterial& m : materials) {
        out += "\nmaterial = new_material(" + PythonString(m.name) + ")\n";
        out += "material.Density(table=((" + Text(m.density) + ", ), ))\n";
        out += "material.Elastic(table=((" + Text(m.E) + ", " + Text(options.poisson) + "), ))\n";
        out += "material.Plastic(table=(\n";
        for (const SteelPlasticRow& r : m.rows)
            out += "    (" + Text(r.stress) + ", " + Text(r.plastic) + "),\n";
        out += "))\n";
    }
    return out;
}

// What the first comment lines say of the steels.
std::vector<std::string> SteelAbaqusComments(std::span<const SteelAbaqusMaterial> materials,
                                             const SteelAbaqusOptions& options)
{
    std::vector<std::string> lines;
    if (options.plastic == SteelAbaqusOptions::Plastic::True) {
        lines.push_back("Steel *Plastic: true stress against logarithmic plastic strain, right for "
                        "a large-strain");
        lines.push_back("  analysis (NLGEOM=YES); about 12 % off in a small-strain one, where "
                        "the nominal table is the choice");
    } else {
        lines.push_back("Steel *Plastic: nominal stress against nominal plastic strain, the "
                        "choice for a small-strain");
        lines.push_back("  analysis; with NLGEOM=YES the true table is right");
    }
    lines.push_back("Steels (material: strength basis; the name it was given where that had to "
                    "change):");
    for (const SteelAbaqusMaterial& m : materials) {
        std::string line = "  " + m.name + ": " + solvertext::BasisComment(m.basis, m.cv);
        if (m.name != m.steel)
            line += "; was " + solvertext::PythonString(m.steel);
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

std::string WriteAbaqusFile(std::span<const CdpMaterial> concretes, const AbaqusOptions& options,
                            std::span<const SteelAbaqusMaterial> steels,
                            const SteelAbaqusOptions& steelOptions)
{
    const bool py = options.output == AbaqusOptions::Output::Py;
    const char* const mark = py ? "# " : "** ";
    std::string out;
    // Python 2 reads a file of other bytes than ASCII only after this line; every text below
    // is ASCII, but a user may add a comment of their own.
    if (py)
        out += "# -*- coding: utf-8 -*-\n";
    const std::string what = concretes.empty() ? "Reinforcing steel"
                             : steels.empty()  ? "Concrete damaged plasticity"
                                               : "Concrete damaged plasticity and reinforcing steel";
    out += mark + what + " written by " + solvertext::WrittenBy() + (py ? ", for Abaqus/CAE" : "") +
           "\n";
    out += mark + std::string("Units: ") + AbaqusUnitsText(options.units) + "; strains in m/m\n";
    std::vector<std::string> lines;
    if (!concretes.empty())
        lines = AbaqusConcreteComments(concretes, options);
    if (!steels.empty())
        for (std::string& line : SteelAbaqusComments(steels, steelOptions))
            lines.push_back(std::move(line));
    for (const std::string& line : lines)
        out += mark + line + "\n";
    if (py) {
        // u'' literals read as the same text in the Python 2.7 of older releases and in Python 3.
        out += "# Runs alike in Python 2.7 and 3; a second run replaces the materials of the "
               "first.\n";
        out += "from abaqus import mdb\n";
        if (!concretes.empty() && options.tension == AbaqusOptions::Tension::Displacement)
            out += "from abaqusConstants import DISPLACEMENT\n";
        out += solvertext::CaeModelPrelude(solvertext::PythonString(options.model));
    }
    if (!concretes.empty())
        out += AbaqusConcreteLines(concretes, options);
    if (!steels.empty())
        out += SteelAbaqusLines(steels, steelOptions);
    return out;
}

std::string WriteSteelAbaqus(std::span<const SteelAbaqusMaterial> materials,
                             const SteelAbaqusOptions& options)
{
    AbaqusOptions file;
    file.units = options.units;
    file.output = options.output;
    file.model = options.model;
    return WriteAbaqusFile({}, file, materials, options);
}

AbaqusFile BuildAbaqusFile(std::span<const CConcrete* const> concretes,
                           const AbaqusOptions& options, std::span<const CSteel* const> steels,
                           SteelAbaqusOptions steelOptions)
{
    AbaqusFile file;
    TakeAbaqusOptions(steelOptions, options);
    std::vector<std::string> taken;
    if (!concretes.empty()) {
        file.concretes = BuildAbaqusExport(concretes, options);
        for (const CdpMaterial& m : file.concretes.materials)
            taken.push_back(m.name);
    }
    file.steels = BuildSteelAbaqusExport(steels, steelOptions, taken);
    if (file.concretes.refused.empty() && file.steels.refused.empty() &&
        !(concretes.empty() && steels.empty()))
        file.text = WriteAbaqusFile(file.concretes.materials, options, file.steels.materials,
                                    steelOptions);
    return file;
}
