#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>

#include "fit/MeasuredCurve.h"

// The code's law fitted to a measured curve by least squares on the stresses, ascending and
// descending branches together (Eigen's Levenberg–Marquardt, MINPACK's algorithm).
//
// Compression: fc,r, εc,r, αc and the law's shape exponent n, which with them gives Ec — the
// law's initial slope, Ec = fc,r·n / ((n − 1)·εc,r), not a chord of the data. fc,r is the
// peak of the fitted curve, fitted with the others from every point: the highest measured
// stress alone carries the noise of one reading, and the shape parameters would follow its
// error. Fixing fc,r (say at the highest measured stress) or Ec fits the others to it.
// Tension: ft,r, εt,r and αt; the law's tension branch has no Ec in it.
namespace fit {

struct FitQuality {
    double rms = 0;                 // root mean square of the stress residuals, N/mm²
    double r2 = 0;                  // coefficient of determination of the stresses
    std::size_t used = 0;           // points fitted (the envelope)
    std::size_t leftOut = 0;        // points of unloading loops and at negative strain
    double measuredPeak = 0;        // highest measured stress, N/mm²
    double measuredPeakStrain = 0;  // its strain, m/m
    bool converged = true;          // false: the optimiser stopped at its limit of evaluations
    int evaluations = 0;
};

struct CompressionFit {
    double Ec = 0;  // N/mm²
    double fc = 0;  // fc,r, N/mm²
    double ec = 0;  // εc,r, m/m
    double ac = 0;  // αc
    bool strengthFixed = false;
    bool modulusFixed = false;
    FitQuality quality;
};

struct TensionFit {
    double ft = 0;  // ft,r, N/mm²
    double et = 0;  // εt,r, m/m
    double at = 0;  // αt
    bool strengthFixed = false;
    FitQuality quality;
};

// Values the user holds fixed. Each must be a positive finite number (FitError otherwise).
struct CompressionFitOptions {
    std::optional<double> strength;  // fc,r
    std::optional<double> modulus;   // Ec, typed or taken from a grade
};

// A fit that cannot be made: a fixed value that is no positive number, a fixed fc,r that
// leaves no curve through the points, a result that is not finite.
class FitError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

CompressionFit FitCompression(const MeasuredCurve& curve,
                              const CompressionFitOptions& options = {});
TensionFit FitTension(const MeasuredCurve& curve, std::optional<double> strength = {});

// The law itself, as fitted (equal to CConcrete's stresses up to rounding), for checks and
// charts that have no concrete yet. Strain in m/m, at least zero. Not a number when
// Ec·εc,r is not above fc,r (no curve has such values).
double CompressionLaw(double fc, double ec, double ac, double Ec, double strain);
double TensionLaw(double ft, double et, double at, double strain);

}  // namespace fit
