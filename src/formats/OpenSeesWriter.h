#pragma once

// OpenSees input for the concretes: one ConcreteD uniaxial material per concrete, the very law
// of the program, as Tcl or OpenSeesPy commands. Plain C++ (no Qt): the dialog and the command
// line call the very same code.
//
//   uniaxialMaterial ConcreteD tag fcr epcr ft eptr Ec alphac alphat [epssp etap]
//
// with compression negative: fcr = -fc, epcr = -eps_c, ft, eptr = eps_t, Ec, alphac, alphat;
// stresses in N/mm² (N, mm, MPa), strains in m/m. The plastic-strain parameters epssp and etap
// are written only when they differ from ConcreteD's defaults (0.25 and 1.15), and then both,
// so that files of the default options stay as they were. Every number is printed with at most
// 15 significant digits, trailing zeros dropped (solvertext::ForSolver). A comment with the
// concrete's name and units stands before each command; control characters in a name are shown
// as '?', so a name with a line break cannot leave the comment.
//
// ConcreteD follows the code in compression exactly, but its tension branch reuses the
// compression form: with rho_t = ft/(Ec eps_t), n_t = 1/(1 - rho_t) and x = eps/eps_t,
//   d = 1 - rho_t n_t / (n_t - 1 + x^n_t)        up to the peak,
//   d = 1 - rho_t / (alpha_t (x - 1)^2 + x)      beyond it,
// against the code's 1 - rho_t (1.2 - 0.2 x^5) and 1 - rho_t / (alpha_t (x - 1)^1.7 + x).
// ConcreteDTensionStress gives that curve, CompareConcreteDTension the difference.
//
// Options, as the command line spells them (SetOpenSeesOption):
//   --first-tag N     tag of the first material, 1 <= N; the others follow in list order (1)
//   --format tcl|py   Tcl (.tcl) or OpenSeesPy (.py); by default taken from the output
//                     file's suffix (OpenSeesFormatForPath), else tcl
//   --eps-sp X        ConcreteD's plastic-strain parameter epssp, X > 0 (0.25)
//   --eta-p X         ConcreteD's plastic-strain parameter etap, X > 0 (1.15)
// Names may be given with or without the leading "--".

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formats/SolverCommon.h"

class CConcrete;

struct OpenSeesOptions {
    enum class Format { Tcl, Py };
    Format format = Format::Tcl;
    long long firstTag = 1;
    double epsSp = kDefaultEpsSp;
    double etaP = kDefaultEtaP;
    static constexpr double kDefaultEpsSp = 0.25;
    static constexpr double kDefaultEtaP = 1.15;
};

bool SetOpenSeesOption(OpenSeesOptions& options, std::string_view name, std::string_view value,
                       std::string& error);
// The format a file name asks for by its suffix (.tcl or .py, any case); false otherwise.
bool OpenSeesFormatForPath(std::string_view path, OpenSeesOptions::Format& format);

struct OpenSeesExport {
    std::vector<SolverRefusal> refused;
    std::string text;  // empty when any concrete is refused
    bool Ok() const { return refused.empty() && !text.empty(); }
};

// The command of one concrete without comment or line end, e.g.
// "uniaxialMaterial ConcreteD 1 -20.1 -0.001471 2.01 9.5e-05 30000.0 0.75 1.26".
std::string ConcreteDCommand(const CConcrete& concrete, long long tag,
                             const OpenSeesOptions& options);

// The stress of ConcreteD's tension branch at a tensile strain (both positive).
double ConcreteDTensionStress(const CConcrete& concrete, double strain);

// ConcreteD's tension curve against the code's, over the tension curve's sampled points (the
// chart's) and the peak: the largest difference in % of ft before and after the peak, and the
// strain of the largest one.
struct TensionComparison {
    double beforePeak = 0;  // % of ft
    double afterPeak = 0;   // % of ft
    double largest = 0;     // the larger of the two
    double strain = 0;      // where the largest lies, m/m
};
TensionComparison CompareConcreteDTension(const CConcrete& concrete);

// Checks the concretes and writes the file of them alone (WriteOpenSeesFile).
OpenSeesExport BuildOpenSeesExport(std::span<const CConcrete* const> concretes,
                                   const OpenSeesOptions& options);
// The concretes' commands, each after a comment with its name, without the file's first lines.
std::string OpenSeesConcreteLines(std::span<const CConcrete* const> concretes,
                                  const OpenSeesOptions& options);
