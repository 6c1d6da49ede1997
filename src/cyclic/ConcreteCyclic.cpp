// The concrete's path: C.2.5 in compression, the secant of C.2.6 in tension about the origin
// that the compression plastic strain has shifted (see CyclicPath.h).

#include <algorithm>
#include <array>
#include <cmath>

#include "cyclic/CyclicPath.h"
#include "cyclic/PathSampler.h"
#include "model/Concrete.h"

ConcreteUnloading ConcreteUnloadingAt(const CConcrete& c, double eun)
{
    ConcreteUnloading u{eun, 0, 0, 0, c.Ec, 0};
    if (!(eun > 0))
        return u;
    const double dc = c.CompressionDamage(eun / c.eck);
    u.sun = c.CompressionStress(eun);
    u.eca = std::max(c.eck / (c.eck + eun), 0.09 * eun / c.eck) * std::sqrt(c.eck * eun);
    // eta_d = eps_un / (eps_un + eps_ca) and eps_z, written so that an eps_ca that overflows
    // (strains far beyond any material) gives the limits 0 and d_c eps_un instead of NaN.
    const double etad = 1 / (1 + u.eca / eun);
    u.ez = dc * eun / (1 + (1 - dc) * eun / u.eca);
    u.damage = etad * dc;
    u.Er = c.Ec * (1 - u.damage);
    return u;
}

namespace {

using cyclic::Beyond;
using cyclic::Direction;
using cyclic::PathSampler;

// What the concrete remembers: the farthest compression on the envelope, and the widest crack
// opening, counted from the shifted origin.
class ConcreteState {
public:
    explicit ConcreteState(const CConcrete& c) : c_(c), unloading_(ConcreteUnloadingAt(c, 0)) {}

    // The stress at x (tension positive) for a run that starts in this state. Within one run
    // the state changes only where the path is on an envelope, which does not read it.
    double Stress(double x) const
    {
        const double origin = -unloading_.ez;
        if (x <= origin) {
            const double compression = -x;
            if (compression >= unloading_.eun)
                return -c_.CompressionStress(compression);
            return unloading_.Er * (x + unloading_.ez);
        }
        const double t = x - origin;
        if (t >= tmax_)
            return c_.TensionStress(t);
        return secant_ * t;
    }

    // The kinks that a run can pass: the shifted origin, the end of the unloading line and the
    // end of the tension secant; and the peaks of the envelopes, which a chart should not miss.
    std::array<double, 5> Kinks() const
    {
        const double origin = -unloading_.ez;
        return {origin, -unloading_.eun, origin + tmax_, -c_.eck, origin + c_.etk};
    }

    // Once the run has reached x.
    void Reached(double x)
    {
        const double origin = -unloading_.ez;
        if (x < 0 && -x > unloading_.eun)
            unloading_ = ConcreteUnloadingAt(c_, -x);
        else if (x > origin && x - origin > tmax_) {
            tmax_ = x - origin;
            secant_ = c_.TensionStress(tmax_) / tmax_;
        }
    }

private:
    const CConcrete& c_;
    ConcreteUnloading unloading_;
    double tmax_ = 0;
    double secant_ = 0;
};

}  // namespace

std::size_t WalkConcreteCyclicPath(const CConcrete& concrete, std::span<const double> history,
                                   double step, std::size_t maxPoints,
                                   const CyclicPointSink& sink)
{
    if (history.empty())
        return 0;
    if (!(CyclicPointEstimate(history, step) <= double(maxPoints)))
        throw CyclicTooManyPoints(CyclicTooManyPointsMessage(maxPoints));
    PathSampler sampler(step, maxPoints, sink);
    ConcreteState state(concrete);
    state.Reached(history[0]);
    sampler.Point(history[0], state.Stress(history[0]));
    for (std::size_t i = 1; i < history.size(); ++i) {
        const double a = history[i - 1];
        const double b = history[i];
        if (a == b)
            continue;
        const int dir = Direction(a, b);
        auto kinks = state.Kinks();
        std::sort(kinks.begin(), kinks.end());
        if (dir < 0)
            std::reverse(kinks.begin(), kinks.end());
        double x = a;
        const auto stress = [&state](double e) { return state.Stress(e); };
        for (double kink : kinks)
            if (Beyond(kink, x, dir) && Beyond(b, kink, dir)) {
                sampler.Piece(x, kink, stress);
                x = kink;
            }
        sampler.Piece(x, b, stress);
        state.Reached(b);
    }
    return sampler.Finish();
}

std::vector<CyclicPoint> ConcreteCyclicPath(const CConcrete& concrete,
                                            std::span<const double> history, double step,
                                            std::size_t maxPoints)
{
    return cyclic::Collect(history, step, maxPoints, 5, [&](const CyclicPointSink& sink) {
        WalkConcreteCyclicPath(concrete, history, step, maxPoints, sink);
    });
}
