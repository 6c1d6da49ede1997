#pragma once

// Abaqus concrete damaged plasticity (CDP) input built from the concretes' own curves: the
// tables of stress against inelastic (cracking) strain and damage, checked against the rules
// Abaqus imposes, written as an input file (.inp) or as an Abaqus/CAE script (.py).
// Plain C++ (no Qt): the dialog and the command line call the very same code.
//
// Options, as the command line spells them (SetAbaqusOption):
//   --units mm|m          N, mm, MPa (default) or N, m, Pa (stresses and E0 x 1e6; density
//                         2.4e-9 t/mm3 or 2400 kg/m3); strains are m/m in both
//   --poisson X           Poisson's ratio, 0 <= X < 0.5 (0.2)
//   --dilation X          dilation angle in degrees, 0 < X < 90 (30)
//   --eccentricity X      flow potential eccentricity, X > 0 (0.1)
//   --fb0-fc0 X           ratio of biaxial to uniaxial compressive strength, X > 1 (1.16)
//   --k X                 K, 0.5 < X <= 1 (0.6667)
//   --viscosity X         viscosity parameter, X >= 0 (0.0005)
//   --elastic-limit X     compression elastic limit as a fraction of fc, 0 < X <= 1 (0.4)
//   --e0 ec|secant        the elastic modulus E0: Ec (default), or the secant of the
//                         compression curve to its elastic limit point, so that the elastic
//                         line meets the first hardening row without a step
//   --damage unloading|energy|code|birtel-mark|none
//                         unloading (default): the code's own unloading rule (C.2.5), in
//                           compression only: d = eta_d dc, so that Abaqus unloads along the
//                           code's line and derives the code's plastic strain eps_z; see below;
//                         energy: d = 1 - sqrt(sigma / (E0 eps)) (the default before unloading);
//                         code: the law's own dc and dt (against E0: d = 1 - sigma / (E0 eps));
//                           it leaves Abaqus no plastic strain, see below;
//                         birtel-mark: a share b of the inelastic strain is plastic,
//                           eps_pl = b eps_in, d = 1 - (sigma/E0) / (eps_pl (1/b - 1) + sigma/E0)
//                           (after Birtel and Mark, 2006), b = bc in compression, bt in tension;
//                         none: no damage tables at all (plasticity only)
//                         Every rule but unloading serves both curves, as it always did.
//   --tension-damage energy|code|birtel-mark|none
//                         the tension damage on its own; without it tension takes the rule of
//                         --damage, and energy (the default before) when that is unloading: the
//                         code gives tension no plastic strain (C.2.6 unloads it along its secant)
//   --bc X, --bt X        the plastic shares of birtel-mark, 0 < X <= 1 (0.7 and 0.1)
//   --tension strain|displacement
//                         tension stiffening and damage against the cracking strain (default)
//                         or the cracking displacement u = eps_ck h (TYPE=DISPLACEMENT)
//   --crack-band H        h, the crack-band width (element size) in the length unit of --units,
//                         H > 0; required by --tension displacement
//   --rows N              at most N rows per table, 3 <= N <= 100000 (40)
//   --model NAME          model of the CAE script (Model-1)
//   --output inp|py       input file or CAE script (default: from the file's suffix, else inp)
// Names may be given with or without the leading "--".
//
// How a table is built (strains in m/m, stresses positive, E0 the one modulus of the material):
// - E0 is Ec, or sigma_c0 / eps_c0 for the elastic limit point below. E0 is rounded as it is
//   printed under *Elastic before anything else uses it: the inelastic and cracking strains, every
//   damage rule and every check divide by that very number.
// - Candidate points are the curve's own sampled points (SampleCurve with the chart's step, so
//   the very strains of the charts and the CSV file) plus the law's peak (eck, fck) or
//   (etk, ftk) when no sample falls on it: the peak row is then the true peak the code gives,
//   not the nearest sample below it.
// - Compression: the first row is (sigma_c0, 0) with sigma_c0 = elastic limit x fc, at the strain
//   eps_c0 where the ascending branch reaches it, solved by bisection to the last bit (the
//   branch rises monotonically); an elastic limit of 1 makes the peak the first row. Below it the
//   material is elastic in CDP. Then one row (sigma, eps - sigma/E0) per sampled point beyond
//   eps_c0 up to the end strain.
// - Tension: the first row is (ft, 0) at the peak, then (sigma, eps - sigma/E0) per point
//   beyond it (the part before the peak is elastic in CDP). With --tension displacement the
//   cracking strains are multiplied by h: the same curve, scaled, and the same damage values.
// - Damage rows share those strains; the first row's damage is 0.
// - The unloading rule (compression). C.2.5 unloads a concrete from (eps_un, sigma_un) along a
//   line of slope E_r = (1 - eta_d dc) Ec down to eps_z (src/cyclic/CyclicPath.h). CDP unloads
//   along (1 - d) E0 and derives eps_pl = eps_in - d/(1 - d) sigma/E0 = eps - sigma/((1 - d) E0),
//   so d = 1 - E_r/E0 gives back eps_pl = eps_z exactly: with E0 = Ec, d = eta_d dc. Beyond about
//   2.9 eps_c the 0.09 term of eps_ca takes over and eta_d dc falls slightly with strain, which
//   Abaqus refuses: d is the running maximum of eta_d dc over the curve's points up to the row
//   (the damage the concrete has reached), and there eps_pl stays a little below eps_z, still
//   rising. With E0 = the secant, which is below Ec, the code's line is stiffer than E0 near the
//   elastic limit: d = max(0, 1 - E_r/E0), so that Abaqus unloads along the code's line wherever
//   it can, and elsewhere elastically (d = 0, eps_pl = eps_in); both rise, and they meet where
//   E_r = E0.
// - A curve that ends before its peak strain has no hardening or softening branch to write and
//   the concrete is refused.
// - Rows are chosen among the candidates, the first, the peak and the last always kept, by
//   inserting the point that lies farthest (in stress, at its inelastic strain) from the
//   piecewise-linear table built so far until the table holds N rows: the worst deviation is
//   attacked first, so the result stays close to the best N-point table at a cost linear in
//   the curve's length per row. The largest deviation left is reported in % of the peak.
// - Numbers are printed with 9 significant digits (trailing zeros dropped), point as separator,
//   and every rule is checked on the values those texts stand for. Points whose printed inelastic
//   strain equals the one before (an end strain just past the last accumulated step) are merged,
//   keeping the first row, the peak or the later point.
// - Rules, checked before anything is written: stresses positive and finite; inelastic strains
//   strictly increasing; damage in [0, 1) and non-decreasing; Abaqus's plastic strain
//   eps_pl = eps_in - d/(1 - d) sigma/E0 never negative and non-decreasing. With
//   displacements Abaqus derives u_pl = u_ck - d/(1 - d) sigma l0/E0 for a unit length l0 = 1,
//   and that is what is checked: a crack band below one length unit can make it negative.
//   The energy rule gives eps_pl = eps d exactly (1 - d = sqrt(sigma/(E0 eps))), which grows with
//   the strain; birtel-mark gives eps_pl = b eps_in exactly. The code rule gives eps_pl = 0
//   exactly, so on printed numbers it would wobble around zero, and its effective stress
//   sigma/(1 - d) = E0 eps climbs to hundreds of N/mm2 (a known cause of CDP analyses that do
//   not converge): the dialog, the command line and the user guide say so (kCodeDamageWarning).
//   Under any rule, a row whose printed eps_pl falls below zero or below the row before has its
//   printed damage lowered by the fewest units in the last printed digit that mend it (a change
//   of about 1e-9, never below the damage of the row before); in practice only the code rule
//   needs it. A concrete that still breaks a rule is refused by name with the reason.
//
// The CAE script runs alike in the Python 2.7 of Abaqus/CAE before 2024 and the Python 3 after
// it: every text literal is a u'' literal of plain ASCII (other characters as \u escapes), and
// a second run replaces the materials of the first instead of failing on their names. Material
// names keep only ASCII letters, digits, '_' and '-' (AbaqusMaterialNames).

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formats/SolverCommon.h"

class CConcrete;

struct AbaqusOptions {
    enum class Units { NMmMPa, NMPa };
    enum class Damage { Energy, Code, BirtelMark, None, Unloading };
    enum class Tension { Strain, Displacement };
    enum class Modulus { Ec, Secant };
    enum class Output { Inp, Py };

    Units units = Units::NMmMPa;
    double poisson = 0.2;
    double dilation = 30;
    double eccentricity = 0.1;
    double fb0fc0 = 1.16;
    double k = 0.6667;
    double viscosity = 0.0005;
    double elasticLimit = 0.4;
    Modulus e0 = Modulus::Ec;
    Damage damage = Damage::Unloading;      // compression, and tension unless it is unloading
    std::optional<Damage> tensionDamage;    // tension on its own (never unloading)
    double bc = 0.7;
    double bt = 0.1;
    Tension tension = Tension::Strain;
    double crackBand = 0;  // h in the length unit of the units; 0 when not given
    int maxRows = 40;
    Output output = Output::Inp;
    std::string model = "Model-1";
};

// Sets one option from its command-line spelling; false with a message in error when the name
// is unknown or the value out of range (the options are left as they were). The message starts
// with the option ("--poisson: ..."); OptionErrorBody is the part after it, for a dialog that
// names the field in its own words.
bool SetAbaqusOption(AbaqusOptions& options, std::string_view name, std::string_view value,
                     std::string& error);

// The range a numeric option accepts, for messages in other words than the command line's.
struct OptionRange {
    double low;
    bool lowOpen;   // low itself is refused
    double high;    // HUGE_VAL: no upper bound
    bool highOpen;
};
// False for options that are not numbers.
bool AbaqusOptionRange(std::string_view name, OptionRange& range);

// The damage rule of each curve: compression's is `damage`; tension's is tensionDamage when
// given, else `damage`, and energy where `damage` is unloading.
AbaqusOptions::Damage CompressionDamageRule(const AbaqusOptions& options);
AbaqusOptions::Damage TensionDamageRule(const AbaqusOptions& options);

// What the options cannot do together, empty when nothing: displacement without a crack band.
std::string AbaqusOptionsProblem(const AbaqusOptions& options);

// Why the code damage rule is a poor choice for CDP, one line, for the command line and the docs.
extern const char* const kCodeDamageWarning;
// The output type a file name asks for by its suffix (.inp or .py, any case); false otherwise.
bool AbaqusOutputForPath(std::string_view path, AbaqusOptions::Output& output);

// One row of a CDP table, every number as printed (stress in the output's units).
struct CdpRow {
    double stress;       // sigma
    double inelastic;    // inelastic (compression) or cracking (tension) strain, or the
                         // cracking displacement in the output's length unit
    double damage;       // d, 0 when the damage rule is none
    double curveStrain;  // the curve point's total strain, m/m
    double plastic;      // eps_pl (u_pl) as Abaqus derives it from the printed numbers
    double effective;    // the effective stress sigma / (1 - d) Abaqus derives
};

struct CdpTable {
    std::vector<CdpRow> rows;
    double deviation = 0;  // largest distance of the curve from the table, % of the peak stress
    std::size_t curvePoints = 0;  // candidate points the rows were chosen from
};

struct CdpMaterial {
    std::string concrete;  // the name as registered
    std::string name;      // the Abaqus material name
    double E = 0;          // E0 in the output's units, as printed
    double density = 0;
    StrengthBasis basis = StrengthBasis::Characteristic;  // the concrete's, and its δc
    double cv = 0;
    CdpTable compression;
    CdpTable tension;
};

// Original and Abaqus name of a concrete whose name had to change.
struct NameMapping {
    std::string original;
    std::string mapped;
};

struct AbaqusExport {
    std::vector<CdpMaterial> materials;    // in the order given, refused ones left out
    std::vector<NameMapping> renamed;
    std::vector<SolverRefusal> refused;
    std::string text;  // the file; empty when any concrete is refused
    bool Ok() const { return refused.empty() && !materials.empty(); }
};

// Material names: at most 80 characters, starting with an ASCII letter, then only ASCII letters,
// digits, '_' and '-' (what every Abaqus release and every script reads alike); names are
// compared without regard to case. Valid names stay as they are (the first of a
// case-insensitive clash keeps its name); others get '_' for each other character (one for
// each character of several UTF-8 bytes), "M_" in front when they do not start with a letter,
// are cut to 80 characters and made unique with a suffix "_2", "_3", ...
// Returns one name per input, in order.
std::vector<std::string> AbaqusMaterialNames(std::span<const std::string> names);
bool IsValidAbaqusName(std::string_view name);

// Builds the tables of one concrete; empty reason means success.
CdpMaterial BuildCdpMaterial(const CConcrete& concrete, const AbaqusOptions& options,
                             std::string& reason);

// The whole export. The text is built only when every concrete passes; a problem of the options
// themselves (AbaqusOptionsProblem) is a refusal without a name.
AbaqusExport BuildAbaqusExport(std::span<const CConcrete* const> concretes,
                               const AbaqusOptions& options);

// The materials' keyword lines of the input file, or their lines of the CAE script, without
// the file's first lines (WriteAbaqusFile writes the whole file).
std::string AbaqusConcreteLines(std::span<const CdpMaterial> materials,
                                const AbaqusOptions& options);
// What the file's first comment lines say of the concretes, one text a line without the
// comment mark: E0, elastic limit, damage rules, tension type and crack band, and each
// material's strength basis, E0 and, where its name had to change, the name it was given.
std::vector<std::string> AbaqusConcreteComments(std::span<const CdpMaterial> materials,
                                                const AbaqusOptions& options);
// "N, mm, MPa" or "N, m, Pa".
const char* AbaqusUnitsText(AbaqusOptions::Units units);
