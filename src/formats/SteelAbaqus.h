#pragma once

// Abaqus input for reinforcing steel: *Material, *Density, *Elastic and a *Plastic table of
// the steel's own curve, written after the concretes in an input file (.inp) or an Abaqus/CAE
// script (.py). Plain C++ (no Qt): the dialog and the command line call the very same code.
//
// Options, as the command line spells them (SetSteelAbaqusOption):
//   --steel-plastic true|nominal   true stress against logarithmic plastic strain (default),
//                                  or the nominal (engineering) values as they are
//   --steel-poisson X              Poisson's ratio, 0 <= X < 0.5 (0.3)
// The units, the output type and the CAE model are the concretes' (--units, --output, --model).
//
// The table (strains m/m, stresses in the output's units, tension half: Abaqus mirrors it):
// - True values: a point of the nominal curve at strain ε and stress σ gives the true stress
//   σt = σ(1 + ε) and the logarithmic plastic strain εpl = ln(1 + ε) − σt / Es.
// - The first row is the yield point with εpl = 0: (fy(1 + εy), 0) true, (fy, 0) nominal.
//   (Taken literally the formula gives about −1.5 εy² there, a few millionths below zero;
//   rows that would fall at or below zero so close to yield are left out.)
// - Then the corners at εuy (the end of the plateau) and εu, and as many points between them
//   as it takes for the table, straight between its rows, to stay within 0.1 % of the true
//   curve everywhere from yield to εu (points are added where the gap is largest, halving the
//   interval, until it is closed). The nominal curve is straight between its corners, so its
//   table is the corners alone.
// - Rows end at εu: beyond its last row Abaqus keeps the stress constant, it does not model the
//   bar's failure.
// - Stresses are printed with 9 significant digits, plastic strains in full; every rule is
//   checked on the values those texts stand for: stresses positive, finite and never falling,
//   plastic strains strictly increasing, and the largest gap to the true curve at most 0.1 %.
//   A steel that breaks a rule (a hardening branch so steep that the plastic strain would fall
//   as the strain grows) is refused by name with the reason, and nothing is written.
// - Density 7.85e-9 t/mm³ (N, mm, MPa) or 7850 kg/m³ (N, m, Pa).
// - Names: Abaqus's rules, as for the concretes, and unique among concretes and steels alike
//   without regard to case: a steel whose name a concrete already bears gets "_2", "_3", ...

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formats/AbaqusCdp.h"
#include "formats/SolverCommon.h"

class CSteel;

struct SteelAbaqusOptions {
    enum class Plastic { True, Nominal };
    Plastic plastic = Plastic::True;
    double poisson = 0.3;
    // The concretes' choices, copied from their options by the caller.
    AbaqusOptions::Units units = AbaqusOptions::Units::NMmMPa;
    AbaqusOptions::Output output = AbaqusOptions::Output::Inp;
    std::string model = "Model-1";
};

// How closely the true-stress table follows the curve: 0.1 % of the stress.
inline constexpr double kSteelPlasticTolerance = 0.001;

// One line per refusal: Steel "HRB400" cannot be written: <reason>
std::string SteelRefusalText(const std::vector<SolverRefusal>& refusals);

bool SetSteelAbaqusOption(SteelAbaqusOptions& options, std::string_view name,
                          std::string_view value, std::string& error);
// The units, output and model of the concretes' options.
void TakeAbaqusOptions(SteelAbaqusOptions& steel, const AbaqusOptions& concrete);

struct SteelPlasticRow {
    double stress;   // as printed, in the output's units
    double plastic;  // as printed
    double strain;   // the nominal curve's strain of the point, m/m
};

struct SteelAbaqusMaterial {
    std::string steel;  // the name as registered
    std::string name;   // the Abaqus material name
    double E = 0;       // Es in the output's units, as printed
    double density = 0;
    StrengthBasis basis = StrengthBasis::Characteristic;  // the steel's, and its δs
    double cv = 0;
    std::vector<SteelPlasticRow> rows;
    double deviation = 0;  // largest gap of the table to the true curve, % of the stress
};

// The rows of one steel; an empty reason means success.
SteelAbaqusMaterial BuildSteelAbaqusMaterial(const CSteel& steel,
                                             const SteelAbaqusOptions& options,
                                             std::string& reason);

struct SteelAbaqusExport {
    std::vector<SteelAbaqusMaterial> materials;  // in the order given, refused ones left out
    std::vector<NameMapping> renamed;
    std::vector<SolverRefusal> refused;
    bool Ok() const { return refused.empty(); }
};

// Builds every steel; taken holds the Abaqus names of the concretes written in the same file.
SteelAbaqusExport BuildSteelAbaqusExport(std::span<const CSteel* const> steels,
                                         const SteelAbaqusOptions& options,
                                         std::span<const std::string> taken = {});

// The whole Abaqus file of materials already built, as the window and the command line write
// it. It begins with comment lines that say what it holds: Tarvolin and its version, the units,
// for concretes E0, the elastic limit, the damage rules, the tension type and crack band, for
// steels what the *Plastic table holds and for which analysis it is right, and every material's
// strength basis and, where its name had to change, the name it was given (as a Python literal:
// plain ASCII, read alike by Abaqus, Python 2.7 and 3). Then the script's imports and model,
// the concretes, the steels. Units, output and model are the concretes' options'.
std::string WriteAbaqusFile(std::span<const CdpMaterial> concretes, const AbaqusOptions& options,
                            std::span<const SteelAbaqusMaterial> steels = {},
                            const SteelAbaqusOptions& steelOptions = {});
// The file of steels alone, in the units, output and model of their options.
std::string WriteSteelAbaqus(std::span<const SteelAbaqusMaterial> materials,
                             const SteelAbaqusOptions& options);

// Concretes and steels built, checked and written as one file: the steels take the concretes'
// units, output and model, and names unique among both. The text is empty when anything is
// refused or there is nothing to write.
struct AbaqusFile {
    AbaqusExport concretes;
    SteelAbaqusExport steels;
    std::string text;
};
AbaqusFile BuildAbaqusFile(std::span<const CConcrete* const> concretes,
                           const AbaqusOptions& options, std::span<const CSteel* const> steels,
                           SteelAbaqusOptions steelOptions);
