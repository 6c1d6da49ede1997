#include "steel/SteelCurve.h"

#include <algorithm>
#include <cmath>
#include <limits>

std::vector<SteelPoint> SteelCornerPoints(const CSteel& steel)
{
    return {{0.0, 0.0}, {steel.GetEy(), steel.fy}, {steel.euy, steel.fy}, {steel.eu, steel.fst}};
}

std::vector<SteelPoint> SteelCurvePoints(const CSteel& steel)
{
    const double step = std::max(kSteelStep, steel.eu / kSteelMaxIntervals);
    // A grid point closer than this to a corner would only crowd it.
    const double slack = step * 1e-6;
    const std::vector<SteelPoint> corners = SteelCornerPoints(steel);
    std::vector<SteelPoint> points;
    points.reserve(static_cast<std::size_t>(steel.eu / step) + 8);
    points.push_back(corners.front());
    for (std::size_t c = 1; c < corners.size(); ++c) {
        const double from = points.back().strain;
        const SteelPoint& corner = corners[c];
        for (double i = std::floor(from / step); i * step < corner.strain - slack; ++i)
            if (i * step > from + slack) points.push_back({i * step, steel.Stress(i * step)});
        // The corner with its own stress: Es·εy or fy + k·(εu − εuy) may round off fy and fst.
        if (corner.strain > points.back().strain) points.push_back(corner);
    }
    points.push_back({std::nextafter(steel.eu, std::numeric_limits<double>::infinity()), 0.0});
    return points;
}
