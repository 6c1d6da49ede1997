#pragma once

// The points of a path, piece by piece, handed on in blocks: shared by the concrete and the
// steel paths.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "cyclic/CyclicPath.h"

namespace cyclic {

class PathSampler {
public:
    PathSampler(double step, std::size_t maxPoints, const CyclicPointSink& sink)
        : step_(step), max_(maxPoints), sink_(sink)
    {
        block_.reserve(kBlock);
    }

    void Point(double strain, double stress)
    {
        Room(1);
        Add(strain, stress);
    }

    // Points on (from, to] of one formula, evenly spaced and at most the step apart, `to`
    // itself the last: each strain is from + (to - from)·(i/n), so none strays past `to` and
    // `to` is hit exactly. A piece of no length adds nothing.
    template <class Stress>
    void Piece(double from, double to, Stress&& stress)
    {
        if (to == from)
            return;
        const double n = std::ceil(std::fabs(to - from) / step_);
        Room(n);
        const auto count = static_cast<std::size_t>(n);
        const double span = to - from;
        for (std::size_t i = 1; i < count; ++i) {
            const double x = from + span * (double(i) / n);
            Add(x, stress(x));
        }
        Add(to, stress(to));
    }

    // Hands on what is left; the number of points in all.
    std::size_t Finish()
    {
        Flush();
        return count_;
    }

private:
    static constexpr std::size_t kBlock = 4096;

    void Add(double strain, double stress)
    {
        // + 0.0 turns a negative zero (a zero stress on the compression side) into 0.
        block_.push_back({strain, stress + 0.0});
        ++count_;
        if (block_.size() == kBlock)
            Flush();
    }

    void Flush()
    {
        if (!block_.empty())
            sink_(block_);
        block_.clear();
    }

    void Room(double more)
    {
        if (!(double(count_) + more <= double(max_)))
            throw CyclicTooManyPoints(CyclicTooManyPointsMessage(max_));
    }

    double step_;
    std::size_t max_;
    const CyclicPointSink& sink_;
    std::vector<CyclicPoint> block_;
    std::size_t count_ = 0;
};

// +1 toward tension, -1 toward compression.
inline int Direction(double from, double to)
{
    return to > from ? 1 : -1;
}

// Whether x lies strictly beyond `limit` when moving in direction dir.
inline bool Beyond(double x, double limit, int dir)
{
    return dir > 0 ? x > limit : x < limit;
}

// The path as one vector, for callers that keep it (the chart, the tests).
template <class Walk>
std::vector<CyclicPoint> Collect(std::span<const double> history, double step,
                                 std::size_t maxPoints, std::size_t kinksPerRun, Walk&& walk)
{
    std::vector<CyclicPoint> points;
    const double estimate = CyclicPointEstimate(history, step);
    if (estimate <= double(maxPoints))
        points.reserve(std::size_t(
            std::min(estimate + double(kinksPerRun * history.size()), double(maxPoints))));
    walk([&points](std::span<const CyclicPoint> block) {
        points.insert(points.end(), block.begin(), block.end());
    });
    return points;
}

}  // namespace cyclic
