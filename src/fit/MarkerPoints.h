#pragma once

#include <cstddef>
#include <vector>

#include "fit/MeasuredCurve.h"

namespace fit {

// A chart draws up to this many markers of a measured curve.
inline constexpr std::size_t kMostMarkers = 600;

// The points of a curve's envelope that a chart draws as markers: all of them when there are
// at most `most`, else those about a hundred-and-fiftieth of the curve's extent apart (strain and
// stress each scaled by its largest value), at most `most` of them. Marker on marker is ink,
// not information: a million readings would draw as one thick band, and Copy Data of the chart
// would grow by as many lines. The first, the highest and the last point are always kept, in
// the order of the envelope (ascending strain).
std::vector<MeasuredPoint> MarkerPoints(const MeasuredCurve& curve,
                                        std::size_t most = kMostMarkers);

}  // namespace fit
