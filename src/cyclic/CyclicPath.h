#pragma once

// Repeated load after GB 50010-2010 Appendix C: the path a concrete (C.2.5, C.2.6) or a
// reinforcing bar (C.1.3) follows through a history of reversal strains. Plain C++, no Qt: the
// command line, the solver writers and the chart build on it alike.
//
// Signs. At this interface strains and stresses carry the signs finite-element programs use:
// compression negative, tension positive. The code states its rules with compression positive;
// the functions below turn them round where they apply them.
//
// A history is a list of strains: the first the start, each one after it a point the strain
// moves to in a straight run (a reversal where the direction changes; a value that goes on in
// the same direction is just a stop on the way). The material is taken as loaded straight
// from zero to the start value along its envelope; the path begins at the start.
//
// The path: every history value exactly, and between two of them points at most `step` apart
// in strain, evenly spaced on each piece of one formula. Each kink of the path (the start of an
// unloading line, the zero crossing, where a reloading curve meets the envelope, the corners of
// the steel's envelope) is a point of its own, so that a chart or a solver reading the points
// sees the rule's corners exactly. A value equal to the one before it adds no point.
//
// Concrete (compression, C.2.5). From the farthest point reached on the compression envelope,
// (eps_un, sigma_un), unloading and reloading follow one straight line
//   sigma = E_r (eps - eps_z),   E_r = sigma_un / (eps_un - eps_z),
//   eps_z = eps_un - (eps_un + eps_ca) sigma_un / (sigma_un + E_c eps_ca),
//   eps_ca = max(eps_c / (eps_c + eps_un), 0.09 eps_un / eps_c) sqrt(eps_c eps_un);
// past eps_un the path is on the envelope again and eps_un grows with it. eps_z is computed in
// the equal form eps_z = d_c eps_un / (1 + (1 - d_c) eps_un / eps_ca), which has no
// cancellation near zero and stays finite for any strain.
//
// Concrete in tension (the code is silent beyond C.2.6; this is our choice): the compression
// plastic strain eps_z stays in the material, so the crack opens and closes at eps = -eps_z,
// the shifted origin. Tension strains are counted from there: t = eps + eps_z. Up to the largest
// t reached before, the concrete unloads and reloads along its secant to the shifted origin,
// (1 - d_t) E_c as C.2.6 says, d_t the tension damage at that largest t; beyond it the path is
// on the tension envelope. A crack that has closed carries compression with the concrete's
// compression state as it was: cracking does not change the compression line or envelope
// (the crack closes completely). Beyond the end strains of the charts the path keeps to the
// law, which is defined for any strain.
//
// Steel (C.1.3). From a reversal point the bar unloads along Es until sigma = 0 at eps_a, then
// reloads from (eps_a, 0) toward (eps_b, sigma_b):
//   sigma = Es (eps - eps_a) - ((eps - eps_a)/(eps_b - eps_a))^p [Es (eps_b - eps_a) - sigma_b],
//   p = (Es - k)(eps_b - eps_a) / [Es (eps_b - eps_a) - sigma_b],  k = (fst - fy)/(eps_u - eps_uy);
// (eps_b, sigma_b) is the yield point in the direction of reloading while the bar has never
// yielded that way, else the point of the largest strain it reached that way on the envelope
// (C.1.2); past it the path is on the envelope. Where the code is silent, our choices:
// - A reversal before sigma reaches 0: the bar goes back up the same elastic line, and at the
//   point where it left its branch (the envelope or a reloading curve) it takes that branch up
//   again, as if the excursion had not been. Elastic unloading is reversible.
// - A reversal on a reloading curve before its target: the bar unloads along Es from that point
//   as from any reversal point, and once sigma has crossed 0 it reloads toward the target of the
//   other direction; the interrupted curve is taken up again only if the strain comes back up
//   the elastic line to where it left it.
// - p below 1 (a target so far and so low that the curve would start against the direction of
//   loading, with an infinite slope) is taken as 1: the reload is the straight line to the
//   target. The code's grades never come near it.
// - A bar strained beyond eps_u on its envelope has failed, as the envelope's drop to zero
//   says: it carries nothing for the rest of the history, either way.

#include <cstddef>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class CConcrete;
class CSteel;

struct CyclicPoint {
    double strain;  // m/m, tension positive
    double stress;  // N/mm², tension positive
};

// The step between points when none is given: fine enough for a smooth concrete curve (some
// 150 points up to the peak), coarse enough that long steel histories stay well below the limit.
inline constexpr double kDefaultCyclicStep = 1e-5;
// The most points one request may make, all materials together: ten million points are some
// 300 MB of CSV text.
inline constexpr std::size_t kMaxCyclicPoints = 10'000'000;
// History values beyond this size are no strain in m/m: most likely microstrain typed by mistake.
inline constexpr double kMaxCyclicStrain = 1.0;

// Thrown when a path would have more points than it may.
class CyclicTooManyPoints : public std::length_error {
public:
    using std::length_error::length_error;
};

// The history read from text: strains separated by commas, each with a decimal point, blanks
// around them allowed. Returns the reason in the user's language when the text is no usable
// history (empty, an empty or unreadable value, fewer than two values, a value beyond
// kMaxCyclicStrain), otherwise an empty text and the values in history.
std::string ParseCyclicHistory(std::string_view text, std::vector<double>& history);
// The same checks on values given as numbers (not-a-number and infinite values are refused too).
std::string CheckCyclicHistory(std::span<const double> history);
// The step read from text: a number greater than zero. Empty text on success.
std::string ParseCyclicStep(std::string_view text, double& step);
// Whether a step can be used: finite and greater than zero.
bool ValidCyclicStep(double step);

// The fewest points a path of the history can have at this step: the start and, for every run,
// its length over the step rounded up. The kinks add a few per run. Huge for a tiny step; never
// overflows (a double).
double CyclicPointEstimate(std::span<const double> history, double step);

// The message of CyclicTooManyPoints, in the user's language.
std::string CyclicTooManyPointsMessage(std::size_t limit);

// The paths. The history and the step must pass the checks above. Throws CyclicTooManyPoints
// (before most of the work) when the path would have more than maxPoints points.
std::vector<CyclicPoint> ConcreteCyclicPath(const CConcrete& concrete,
                                            std::span<const double> history, double step,
                                            std::size_t maxPoints = kMaxCyclicPoints);
std::vector<CyclicPoint> SteelCyclicPath(const CSteel& steel, std::span<const double> history,
                                         double step, std::size_t maxPoints = kMaxCyclicPoints);

// The same points handed to sink in blocks, in order, as they are made, for a writer that need
// not hold a whole path (ten million points are 160 MB). Returns how many there were. When
// CyclicTooManyPoints is thrown the sink has had some of them.
using CyclicPointSink = std::function<void(std::span<const CyclicPoint>)>;
std::size_t WalkConcreteCyclicPath(const CConcrete& concrete, std::span<const double> history,
                                   double step, std::size_t maxPoints,
                                   const CyclicPointSink& sink);
std::size_t WalkSteelCyclicPath(const CSteel& steel, std::span<const double> history, double step,
                                std::size_t maxPoints, const CyclicPointSink& sink);

// C.2.5 for one unloading point eps_un > 0 (compression positive, magnitudes): the unloading
// line and what it means for damage. For eps_un = 0 (never loaded) eps_z = 0, E_r = E_c.
struct ConcreteUnloading {
    double eun;     // eps_un
    double sun;     // sigma_un on the envelope
    double eca;     // eps_ca
    double ez;      // eps_z, the strain left at zero stress (plastic strain)
    double Er;      // E_r, the slope of the line
    double damage;  // 1 - E_r / E_c = eta_d d_c, eta_d = eps_un / (eps_un + eps_ca)
};
ConcreteUnloading ConcreteUnloadingAt(const CConcrete& concrete, double eun);
