#pragma once

#include <vector>

#include "steel/Steel.h"

struct SteelPoint {
    double strain;  // m/m
    double stress;  // N/mm²
};

// The corners of the tension half of the law, where its slope changes: (0, 0), (εy, fy),
// (εuy, fy), (εu, fst). Straight lines join them, so these four points are the whole curve up
// to failure; the CSV file and the solver writers take them as they are. When εuy equals εy
// the yield plateau has no length and its two corners coincide.
std::vector<SteelPoint> SteelCornerPoints(const CSteel& steel);

// Strain step of the points drawn between the corners, m/m; wider for a bar whose εu would
// need more than kSteelMaxIntervals steps.
inline constexpr double kSteelStep = 0.0001;
inline constexpr double kSteelMaxIntervals = 2000;

// The tension half for a chart: the corners exactly, and between them points every kSteelStep
// (strains k·step, computed by multiplication, so none drifts past a corner), so that a
// pointer read-out finds a point close to wherever it rests. Strains strictly increase from 0
// to εu; the stresses are CSteel::Stress of them. After εu comes one more point at the next
// double above εu with stress 0: the bar has failed, and the chart draws the drop as a line
// straight down. Compression is the same with both signs reversed.
std::vector<SteelPoint> SteelCurvePoints(const CSteel& steel);
