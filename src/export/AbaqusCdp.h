#pragma once

// Abaqus concrete damaged plasticity (CDP) input built from the concretes' own curves: the
// tables of stress against inelastic (cracking) strain and damage, checked against the rules
// Abaqus imposes, written as an input file (.inp) or as an Abaqus/CAE script (.py).
// Plain C++ (no Qt): the dialog and the command line call the very same code.
//
// Options, as the command line spells them (SetAbaqusOption):
//   --units mm|m          N, mm, MPa (default) or N, m, Pa (stresses and Ec x 1e6; density
//                         2.4e-9 t/mm3 or 2400 kg/m3); strains are m/m in both
//   --poisson X           Poisson's ratio, 0 <= X < 0.5 (0.2)
//   --dilation X          dilation angle in degrees, 0 < X < 90 (30)
//   --eccentricity X      flow potential eccentricity, X > 0 (0.1)
//   --fb0-fc0 X           ratio of biaxial to uniaxial compressive strength, X > 1 (1.16)
//   --k X                 K, 0.5 < X <= 1 (0.6667)
//   --viscosity X         viscosity parameter, X >= 0 (0.0005)
//   --elastic-limit X     compression elastic limit as a fraction of fc,k, 0 < X <= 1 (0.4)
//   --damage energy|code|none
//                         energy: d = 1 - sqrt(sigma / (E0 eps)) (default); code: the law's own
//                         dc and dt; none: no damage tables at all (plasticity only)
//   --rows N              at most N rows per table, 3 <= N <= 100000 (40)
//   --model NAME          model of the CAE script (Model-1)
//   --output inp|py       input file or CAE script (default: from the file's suffix, else inp)
// Names may be given with or without the leading "--".
//
// How a table is built (E0 = Ec, strains in m/m, stresses positive):
// - Candidate points are the curve's own sampled points (SampleCurve with the chart's step, so
//   the very strains of the charts and the CSV file) plus the law's peak (eck, fck) or
//   (etk, ftk) when no sample falls on it: the peak row is then the true peak the code gives,
//   not the nearest sample below it.
// - Compression: the first row is (sigma_c0, 0) where sigma_c0 is the stress of the first sample
//   on the ascending branch whose stress reaches the elastic limit (fraction x fc,k); below it
//   the material is elastic in CDP. If no sample before the peak reaches it, the peak itself is
//   the first row. Then one row (sigma, eps - sigma/E0) per later point up to the end strain.
// - Tension: the first row is (ft,k, 0) at the peak, then (sigma, eps - sigma/E0) per point
//   beyond it (the part before the peak is elastic in CDP).
// - Damage rows share those strains; the first row's damage is 0.
// - A curve that ends before its peak strain has no hardening or softening branch to write and
//   the concrete is refused.
// - Rows are chosen among the candidates, the first, the peak and the last always kept, by
//   inserting the point that lies farthest (in stress, at its inelastic strain) from the
//   piecewise-linear table built so far until the table holds N rows: the worst deviation is
//   attacked first, so the result stays close to the best N-point table at a cost linear in
//   the curve's length per row. The largest deviation left is reported in % of the peak.
// - Numbers are printed with 9 significant digits, point as separator, and every rule is
//   checked on the values those texts stand for. Points whose printed inelastic strain equals
//   the one before (an end strain just past the last accumulated step) are merged, keeping the
//   peak or the later point.
// - Rules, checked before anything is written: stresses positive and finite; inelastic strains
//   strictly increasing; damage in [0, 1) and non-decreasing; Abaqus's plastic strain
//   eps_pl = eps_in - d/(1 - d) sigma/E0 never negative and non-decreasing.
//   The energy rule gives eps_pl = eps d exactly (1 - d = sqrt(1 - d_law)), which grows with
//   the strain, so it meets the rules wherever the law's damage grows; the code rule gives
//   eps_pl = 0 exactly, so on printed numbers it would wobble around zero. Under any rule, a
//   row whose printed eps_pl falls below zero or below the row before has its printed damage
//   lowered by the fewest units in the last printed digit that mend it (a change of about
//   1e-9, never below the damage of the row before); in practice only the code rule needs it.
//   A concrete that still breaks a rule is refused by name with the reason.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "export/SolverCommon.h"

class CConcrete;

struct AbaqusOptions {
    enum class Units { NMmMPa, NMPa };
    enum class Damage { Energy, Code, None };
    enum class Output { Inp, Py };

    Units units = Units::NMmMPa;
    double poisson = 0.2;
    double dilation = 30;
    double eccentricity = 0.1;
    double fb0fc0 = 1.16;
    double k = 0.6667;
    double viscosity = 0.0005;
    double elasticLimit = 0.4;
    Damage damage = Damage::Energy;
    int maxRows = 40;
    Output output = Output::Inp;
    std::string model = "Model-1";
};

// Sets one option from its command-line spelling; false with a message in error when the name
// is unknown or the value out of range (the options are left as they were).
bool SetAbaqusOption(AbaqusOptions& options, std::string_view name, std::string_view value,
                     std::string& error);
// The output type a file name asks for by its suffix (.inp or .py, any case); false otherwise.
bool AbaqusOutputForPath(std::string_view path, AbaqusOptions::Output& output);

// One row of a CDP table, every number as printed (stress in the output's units).
struct CdpRow {
    double stress;       // sigma
    double inelastic;    // inelastic (compression) or cracking (tension) strain
    double damage;       // d, 0 when the damage rule is none
    double curveStrain;  // the curve point's total strain, m/m
    double plastic;      // eps_pl as Abaqus derives it from the printed numbers
};

struct CdpTable {
    std::vector<CdpRow> rows;
    double deviation = 0;  // largest distance of the curve from the table, % of the peak stress
    std::size_t curvePoints = 0;  // candidate points the rows were chosen from
};

struct CdpMaterial {
    std::string concrete;  // the name as registered
    std::string name;      // the Abaqus material name
    double E = 0;          // Ec in the output's units, as printed
    double density = 0;
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

// Abaqus material names: at most 80 characters, starting with a letter, no comma, blank, quote
// or period; names are compared without regard to case. Valid names stay as they are (the
// first of a case-insensitive clash keeps its name); others get '_' for each bad character
// (and for each byte outside printable ASCII), "M_" in front when they do not start with a
// letter, are cut to 80 characters and made unique with a suffix "_2", "_3", ...
// Returns one name per input, in order.
std::vector<std::string> AbaqusMaterialNames(std::span<const std::string> names);
bool IsValidAbaqusName(std::string_view name);

// Builds the tables of one concrete; empty reason means success.
CdpMaterial BuildCdpMaterial(const CConcrete& concrete, const AbaqusOptions& options,
                             std::string& reason);

// The whole export. The text is built only when every concrete passes.
AbaqusExport BuildAbaqusExport(std::span<const CConcrete* const> concretes,
                               const AbaqusOptions& options);

// The keyword lines of the input file, or the CAE script, of materials already built.
std::string WriteAbaqusInp(std::span<const CdpMaterial> materials, const AbaqusOptions& options);
std::string WriteAbaqusPy(std::span<const CdpMaterial> materials, const AbaqusOptions& options);
