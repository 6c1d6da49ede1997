#pragma once

// OpenSees input for reinforcing steel, after the concretes' ConcreteD commands, as Tcl or
// OpenSeesPy. Plain C++ (no Qt): the dialog and the command line call the very same code.
//
//   uniaxialMaterial Hysteretic tag fy ey fy euy fst eu -fy -ey -fy -euy -fst -eu 1.0 1.0 0.0 0.0 0.0
//     The envelope's three points both ways are the corners of the code's curve, so the
//     envelope is that curve exactly up to εu; pinchX = pinchY = 1 (no pinching), no damage,
//     beta 0 (no degradation of the unloading stiffness). Without a yield plateau (εuy = εy)
//     the two-point form: tag fy ey fst eu -fy -ey -fst -eu 1.0 1.0 0.0 0.0 0.0.
//   uniaxialMaterial Steel02 tag fy Es b 18.0 0.925 0.15
//     for cyclic analyses: Menegotto–Pinto with b the ratio to Es of the slope from (εy, fy)
//     to (εu, fst), R0 18, cR1 0.925, cR2 0.15; it rounds the corners and has no plateau.
//
// Stresses in N/mm² (N, mm, MPa), strains in m/m, every number as the concretes' commands print
// theirs (at most 15 significant digits, solvertext::ForSolver), a comment with the steel's
// name and units before each command.
//
// Options, as the command line spells them (SetSteelOpenSeesOption):
//   --steel-material hysteretic|steel02   (hysteretic)
// The format and the tags are the concretes' (--format, --first-tag): the steels' tags follow
// the concretes' in list order.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formats/OpenSeesWriter.h"
#include "formats/SteelAbaqus.h"  // SteelRefusalText
#include "formats/SolverCommon.h"

class CSteel;

struct SteelOpenSeesOptions {
    enum class Material { Hysteretic, Steel02 };
    Material material = Material::Hysteretic;
    OpenSeesOptions::Format format = OpenSeesOptions::Format::Tcl;
    long long firstTag = 1;  // the first steel's tag
};

bool SetSteelOpenSeesOption(SteelOpenSeesOptions& options, std::string_view name,
                            std::string_view value, std::string& error);

// The command of one steel without comment or line end.
std::string SteelOpenSeesCommand(const CSteel& steel, long long tag,
                                 SteelOpenSeesOptions::Material material,
                                 OpenSeesOptions::Format format);

// Steel02's b: the slope from (εy, fy) to (εu, fst) over Es.
double Steel02HardeningRatio(const CSteel& steel);

struct SteelOpenSeesExport {
    std::vector<SolverRefusal> refused;
    std::string text;  // empty when any steel is refused
    bool Ok() const { return refused.empty(); }
};

// With header, the file of the steels alone (WriteOpenSeesFile); without, their commands only,
// to go after the concretes' own text.
SteelOpenSeesExport BuildSteelOpenSeesExport(std::span<const CSteel* const> steels,
                                             const SteelOpenSeesOptions& options, bool header);
// The steels' commands, each after a comment with its name.
std::string OpenSeesSteelLines(std::span<const CSteel* const> steels,
                               const SteelOpenSeesOptions& options);

// The whole OpenSees file of materials already checked, as the window and the command line
// write it. It begins with comment lines that say what it holds: Tarvolin and its version, the
// units and every material's tag, name and strength basis; then (OpenSeesPy) the import, the
// concretes' commands and the steels'. The steels' tags are steelOptions.firstTag on.
std::string WriteOpenSeesFile(std::span<const CConcrete* const> concretes,
                              const OpenSeesOptions& options,
                              std::span<const CSteel* const> steels = {},
                              const SteelOpenSeesOptions& steelOptions = {});

// Concretes and steels checked and written as one file, the steels' tags after the
// concretes' and in their format. The text is empty when anything is refused or there is
// nothing to write.
struct OpenSeesFile {
    OpenSeesExport concretes;
    SteelOpenSeesExport steels;
    std::string text;
};
OpenSeesFile BuildOpenSeesFile(std::span<const CConcrete* const> concretes,
                               const OpenSeesOptions& options,
                               std::span<const CSteel* const> steels,
                               SteelOpenSeesOptions steelOptions);
