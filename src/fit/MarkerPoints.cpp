#include "fit/MarkerPoints.h"

#include <algorithm>
#include <cmath>

namespace fit {

namespace {

constexpr double kSpacing = 1.0 / 150;

}  // namespace

std::vector<MeasuredPoint> MarkerPoints(const MeasuredCurve& curve, std::size_t most)
{
    const std::vector<MeasuredPoint>& all = curve.envelope;
    if (all.size() <= most || most < 4)
        return all;
    double strainScale = 0;
    double stressScale = 0;
    for (const MeasuredPoint& p : all) {
        strainScale = std::max(strainScale, std::abs(p.strain));
        stressScale = std::max(stressScale, std::abs(p.stress));
    }
    if (!(strainScale > 0))
        strainScale = 1;
    if (!(stressScale > 0))
        stressScale = 1;

    const std::size_t last = all.size() - 1;
    std::vector<std::size_t> kept{0};
    for (std::size_t i = 1; i <= last; ++i) {
        const MeasuredPoint& a = all[kept.back()];
        const MeasuredPoint& b = all[i];
        if (i == curve.highest || i == last ||
            std::hypot((b.strain - a.strain) / strainScale, (b.stress - a.stress) / stressScale) >=
                kSpacing)
            kept.push_back(i);
    }
    // Scattered readings can stay far apart all along: every n-th of them then.
    if (kept.size() > most) {
        const std::size_t stride = (kept.size() + most - 4) / (most - 3);
        std::vector<std::size_t> fewer;
        for (std::size_t j = 0; j < kept.size(); ++j)
            if (j % stride == 0 || kept[j] == curve.highest || kept[j] == last)
                fewer.push_back(kept[j]);
        kept = std::move(fewer);
    }
    std::vector<MeasuredPoint> points;
    points.reserve(kept.size());
    for (std::size_t i : kept)
        points.push_back(all[i]);
    return points;
}

}  // namespace fit
