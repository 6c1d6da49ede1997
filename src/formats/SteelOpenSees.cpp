#include "formats/SteelOpenSees.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/Concrete.h"
#include "model/CoreText.h"
#include "steel/Steel.h"

using solvertext::ForSolver;

namespace {

constexpr long long kMaxTag = std::numeric_limits<int>::max();

}  // namespace

bool SetSteelOpenSeesOption(SteelOpenSeesOptions& options, std::string_view name,
                            std::string_view value, std::string& error)
{
    if (name.substr(0, 2) == "--") name.remove_prefix(2);
    if (name != "steel-material") {
        error = coretext::Arg(coretext::translate("AbaqusCdp", "Unknown option --%1."), {name});
        return false;
    }
    if (value == "hysteretic")
        options.material = SteelOpenSeesOptions::Material::Hysteretic;
    else if (value == "steel02")
        options.material = SteelOpenSeesOptions::Material::Steel02;
    else
        return error = coretext::Arg(coretext::translate("SteelOpenSees",
                                                         "--steel-material: \"%1\" is neither "
                                                         "hysteretic nor steel02."),
                                     {value}),
               false;
    return true;
}

double Steel02HardeningRatio(const CSteel& s)
{
    return (s.fst - s.fy) / (s.eu - s.GetEy()) / s.Es;
}

std::string SteelOpenSeesCommand(const CSteel& s, long long tag,
                                 SteelOpenSeesOptions::Material material,
                                 OpenSeesOptions::Format format)
{
    std::vector<double> values;
    const char* type;
    if (material == SteelOpenSeesOptions::Material::Steel02) {
        type = "Steel02";
        values = {s.fy, s.Es, Steel02HardeningRatio(s), 18.0, 0.925, 0.15};
    } else {
        type = "Hysteretic";
        const double ey = s.GetEy();
        // A plateau of no length would give OpenSees a segment that divides by zero.
        if (s.euy > ey)
            values = {s.fy, ey, s.fy, s.euy, s.fst, s.eu, -s.fy, -ey, -s.fy, -s.euy, -s.fst, -s.eu};
        else
            values = {s.fy, ey, s.fst, s.eu, -s.fy, -ey, -s.fst, -s.eu};
        values.insert(values.end(), {1.0, 1.0, 0.0, 0.0, 0.0});
    }
    const bool py = format == OpenSeesOptions::Format::Py;
    std::string line = py ? std::string("ops.uniaxialMaterial('") + type + "', "
                          : std::string("uniaxialMaterial ") + type + " ";
    line += std::to_string(tag);
    for (double v : values) {
        line += py ? ", " : " ";
        line += ForSolver(v);
    }
    if (py) line += ')';
    return line;
}

SteelOpenSeesExport BuildSteelOpenSeesExport(std::span<const CSteel* const> steels,
                                             const SteelOpenSeesOptions& options, bool header)
{
    SteelOpenSeesExport result;
    if (steels.empty()) return result;
    if (options.firstTag < 1 || options.firstTag > kMaxTag ||
        kMaxTag - options.firstTag < static_cast<long long>(steels.size()) - 1) {
        result.refused.push_back(
            {"", coretext::Arg(coretext::translate("SteelOpenSees",
                                                   "the steels' tags from %1 on do not fit "
                                                   "OpenSees"),
                               {std::to_string(options.firstTag)})});
        return result;
    }
    for (const CSteel* s : steels) {
        const double values[] = {s->Es, s->fy, s->fst, s->euy, s->eu};
        if (!std::all_of(std::begin(values), std::end(values),
                         [](double v) { return std::isfinite(v) && v > 0; }) ||
            s->fst < s->fy || s->euy < s->GetEy() || s->eu <= s->euy)
            result.refused.push_back(
                {s->SteelName, coretext::translate("SteelAbaqus",
                                                   "its values do not make a curve (Es, fy, fst, "
                                                   "euy, eu positive, fst >= fy, euy >= fy / Es, "
                                                   "eu > euy)")});
    }
    if (!result.refused.empty()) return result;

    OpenSeesOptions file;
    file.format = options.format;
    result.text = header ? WriteOpenSeesFile({}, file, steels, options)
                         : OpenSeesSteelLines(steels, options);
    return result;
}

std::string OpenSeesSteelLines(std::span<const CSteel* const> steels,
                               const SteelOpenSeesOptions& options)
{
    const bool steel02 = options.material == SteelOpenSeesOptions::Material::Steel02;
    std::string out = steel02 ? "\n# Reinforcing steel: Steel02 (fy, Es, b, R0, cR1, cR2)\n"
                              : "\n# Reinforcing steel: Hysteretic, the code's curve as its envelope\n";
    long long tag = options.firstTag;
    for (const CSteel* s : steels) {
        out += "\n# " + solvertext::CommentText(s->SteelName) + " (N, mm, MPa)\n";
        out += SteelOpenSeesCommand(*s, tag++, options.material, options.format);
        out += '\n';
    }
    return out;
}

std::string WriteOpenSeesFile(std::span<const CConcrete* const> concretes,
                              const OpenSeesOptions& options,
                              std::span<const CSteel* const> steels,
                              const SteelOpenSeesOptions& steelOptions)
{
    const bool py = options.format == OpenSeesOptions::Format::Py;
    std::string out;
    if (py)
        out += "# -*- coding: utf-8 -*-\n";
    const std::string what = concretes.empty() ? "Reinforcing steel"
                             : steels.empty()  ? "ConcreteD"
                                               : "ConcreteD and reinforcing steel";
    out += "# " + what + " materials written by " + solvertext::WrittenBy() + "\n";
    out += "# Units: N, mm, MPa; strains in m/m\n";
    // The name stands between the tag and the basis, so that not even a trailing backslash (a
    // Tcl line continuation) can pull the next line into the comment.
    out += "# Materials (tag name: strength basis):\n";
    long long tag = options.firstTag;
    for (const CConcrete* c : concretes)
        out += "#   " + std::to_string(tag++) + " " + solvertext::CommentText(c->ConcreteName) +
               ": " + solvertext::BasisComment(c->basis, c->cv) + "\n";
    tag = steelOptions.firstTag;
    for (const CSteel* s : steels)
        out += "#   " + std::to_string(tag++) + " " + solvertext::CommentText(s->SteelName) +
               ": " + solvertext::BasisComment(s->basis, s->cv) + "\n";
    if (py)
        out += "import openseespy.opensees as ops\n";
    out += OpenSeesConcreteLines(concretes, options);
    if (!steels.empty())
        out += OpenSeesSteelLines(steels, steelOptions);
    return out;
}

OpenSeesFile BuildOpenSeesFile(std::span<const CConcrete* const> concretes,
                               const OpenSeesOptions& options,
                               std::span<const CSteel* const> steels,
                               SteelOpenSeesOptions steelOptions)
{
    OpenSeesFile file;
    if (!concretes.empty())
        file.concretes = BuildOpenSeesExport(concretes, options);
    // The steels' tags go on from the concretes'.
    steelOptions.format = options.format;
    steelOptions.firstTag = options.firstTag + static_cast<long long>(concretes.size());
    file.steels = BuildSteelOpenSeesExport(steels, steelOptions, true);
    if (file.concretes.refused.empty() && file.steels.refused.empty() &&
        !(concretes.empty() && steels.empty()))
        file.text = WriteOpenSeesFile(concretes, options, steels, steelOptions);
    return file;
}
