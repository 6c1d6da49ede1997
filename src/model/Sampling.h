#pragma once

// The strains at which a concrete's curves are drawn and written out. Free of Qt so that the
// charts, the CSV export and the tests all walk the very same sequence.

// Strain steps of the two curves, m/m.
inline constexpr double kCompressionStep = 0.0002;
inline constexpr double kTensionStep = 0.000002;

// A curve with more points than this is refused before anything is created: the sampling
// would take minutes and the memory of the machine (an end strain of 1e9 typed by mistake).
inline constexpr double kMaxCurvePoints = 1000000;

// Calls add(strain) for 0, step, step + step, ... (accumulated by repeated addition, so each
// strain carries the rounding of the additions before it) while the strain is below end, then
// once more for end itself. The curve therefore always starts at 0 and ends exactly at end.
template <class F>
void SampleCurve(double end, double step, F&& add)
{
    double e = 0.0;
    do {
        add(e);
        e = e + step;
    } while (e < end);
    add(end);
}

// Whether SampleCurve(end, step, ...) stays within kMaxCurvePoints points. It yields about
// end / step + 2 points (the accumulated strains below end, the zero among them, and the end);
// the bound is taken with a margin of a few points so that rounding of the long accumulation
// can never let a curve slip past it. Not-a-number and infinite ends are refused.
inline bool CurveFits(double end, double step)
{
    const double estimate = end / step;
    return estimate <= kMaxCurvePoints - 4;
}
