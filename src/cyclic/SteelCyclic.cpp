// The bar's path: C.1.3 between reversals, the envelope of C.1.2 beyond the targets, and the
// choices for the cases the code leaves open (see CyclicPath.h).

#include <algorithm>
#include <cmath>
#include <limits>

#include "cyclic/CyclicPath.h"
#include "cyclic/PathSampler.h"
#include "steel/Steel.h"

namespace {

using cyclic::Beyond;
using cyclic::Direction;
using cyclic::PathSampler;

// A reloading curve of C.1.3 from (ea, 0) toward (eb, sb), in the direction dir.
struct Reload {
    double ea = 0;
    double eb = 0;
    double sb = 0;   // signed
    double span = 0; // (eb - ea)·dir > 0
    double B = 0;    // Es·span - |sb|: how far the target lies below the elastic line from ea
    double p = 1;
    int dir = 1;
};

class SteelPathBuilder {
public:
    SteelPathBuilder(const CSteel& steel, PathSampler& sampler)
        : s_(steel), sampler_(sampler), Es_(steel.Es), ey_(steel.GetEy()),
          k_(steel.HardeningModulus())
    {
    }

    // The bar loaded from zero straight to x along its envelope.
    void Start(double x)
    {
        if (x != 0) {
            side_ = x > 0 ? 1 : -1;
            if (std::fabs(x) > s_.eu)
                branch_ = Branch::Failed;
            else
                Max(side_) = std::fabs(x);
        }
        sampler_.Point(x, branch_ == Branch::Failed ? 0.0 : s_.Stress(x));
    }

    void Run(double a, double b)
    {
        const int dir = Direction(a, b);
        double x = a;
        while (x != b) {
            switch (branch_) {
            case Branch::Failed:
                Piece(x, b, [](double) { return 0.0; });
                x = b;
                break;
            case Branch::Envelope:
                if (side_ == 0)
                    side_ = dir;
                if (dir == side_)
                    x = AlongEnvelope(x, b);
                else
                    LeaveFor(x, s_.Stress(x), side_);  // a reversal on the envelope
                break;
            case Branch::Elastic:
                x = AlongElastic(x, b, dir);
                break;
            case Branch::Reloading:
                if (dir == reload_.dir) {
                    const double end = Beyond(b, reload_.eb, dir) ? reload_.eb : b;
                    const Reload r = reload_;
                    Piece(x, end, [this, r](double e) { return ReloadStress(r, e); });
                    x = end;
                    if (end == reload_.eb) {  // the target: on the envelope from here
                        Max(dir) = std::max(Max(dir), std::fabs(reload_.eb));
                        branch_ = Branch::Envelope;
                        side_ = dir;
                    }
                } else {
                    LeaveFor(x, ReloadStress(reload_, x), reload_.dir);
                }
                break;
            }
        }
    }

private:
    enum class Branch { Envelope, Elastic, Reloading, Failed };

    double& Max(int dir) { return dir > 0 ? maxTension_ : maxCompression_; }

    template <class Stress>
    void Piece(double from, double to, Stress&& stress)
    {
        sampler_.Piece(from, to, stress);
    }

    // Out along the envelope from x toward b (away from zero on side_), its corners exactly; a
    // bar that passes eps_u has failed: the drop to zero at the next strain, then nothing.
    double AlongEnvelope(double x, double b)
    {
        const int dir = side_;
        const bool fails = std::fabs(b) > s_.eu;
        const double end = fails ? dir * s_.eu : b;
        const auto envelope = [this](double e) { return s_.Stress(e); };
        for (const double corner : {ey_, s_.euy}) {
            const double c = dir * corner;
            if (Beyond(c, x, dir) && Beyond(end, c, dir)) {
                Piece(x, c, envelope);
                x = c;
            }
        }
        Piece(x, end, envelope);
        Max(dir) = std::max(Max(dir), std::fabs(end));
        if (fails) {
            // b lies beyond eps_u, so the next double is never beyond b.
            const double broken = std::nextafter(end, dir * std::numeric_limits<double>::infinity());
            sampler_.Point(broken, 0.0);
            branch_ = Branch::Failed;
            return broken;
        }
        return end;
    }

    // A reversal at (x, sigma) on a branch that was loading in direction loadDir: the elastic
    // line through it, remembering the branch to take up again at x.
    void LeaveFor(double x, double sigma, int loadDir)
    {
        resumeBranch_ = branch_;
        resumeReload_ = reload_;
        resumeSide_ = side_;
        er_ = x;
        sr_ = sigma;
        ea_ = x - sigma / Es_;
        loadDir_ = loadDir;
        branch_ = Branch::Elastic;
    }

    double ElasticStress(double e) const
    {
        return e == ea_ ? 0.0 : sr_ + Es_ * (e - er_);
    }

    double AlongElastic(double x, double b, int dir)
    {
        const auto elastic = [this](double e) { return ElasticStress(e); };
        if (dir == loadDir_) {
            // Back up the line to where the branch was left, and on along that branch.
            if (!Beyond(b, er_, dir)) {
                Piece(x, b, elastic);
                return b;
            }
            Piece(x, er_, elastic);
            branch_ = resumeBranch_;
            reload_ = resumeReload_;
            side_ = resumeSide_;
            return er_;
        }
        if (!Beyond(b, ea_, dir)) {
            Piece(x, b, elastic);
            return b;
        }
        Piece(x, ea_, elastic);
        StartReload(ea_, dir);
        return ea_;
    }

    // From (ea, 0) toward the target of direction dir: the yield point while the bar has never
    // yielded that way, else the farthest point it reached that way on the envelope.
    void StartReload(double ea, int dir)
    {
        Reload r;
        r.dir = dir;
        r.ea = ea;
        r.eb = dir * std::max(ey_, Max(dir));
        r.sb = s_.Stress(r.eb);
        r.span = (r.eb - ea) * dir;
        if (!(r.span > 0)) {
            // The target lies behind (only rounding can put it there): past it, the envelope.
            branch_ = Branch::Envelope;
            side_ = dir;
            return;
        }
        r.B = Es_ * r.span - std::fabs(r.sb);
        r.p = r.B > 0 ? std::max(1.0, (Es_ - k_) * r.span / r.B) : 1.0;
        reload_ = r;
        branch_ = Branch::Reloading;
    }

    double ReloadStress(const Reload& r, double e) const
    {
        if (e == r.eb)
            return r.sb;
        const double u = (e - r.ea) * r.dir;
        const double ratio = u / r.span;
        const double shape = r.p == 1.0 ? ratio : std::pow(ratio, r.p);
        return r.dir * (Es_ * u - shape * r.B);
    }

    const CSteel& s_;
    PathSampler& sampler_;
    const double Es_;
    const double ey_;
    const double k_;

    Branch branch_ = Branch::Envelope;
    int side_ = 0;  // the envelope's half: +1 tension, -1 compression, 0 not yet loaded
    double maxTension_ = 0;      // the largest strain reached on the envelope each way
    double maxCompression_ = 0;  // (magnitudes)
    Reload reload_;
    // The elastic line: through (er, sr), zero at ea, left from a branch loading in loadDir.
    double er_ = 0;
    double sr_ = 0;
    double ea_ = 0;
    int loadDir_ = 1;
    Branch resumeBranch_ = Branch::Envelope;
    Reload resumeReload_;
    int resumeSide_ = 0;
};

}  // namespace

std::size_t WalkSteelCyclicPath(const CSteel& steel, std::span<const double> history, double step,
                                std::size_t maxPoints, const CyclicPointSink& sink)
{
    if (history.empty())
        return 0;
    if (!(CyclicPointEstimate(history, step) <= double(maxPoints)))
        throw CyclicTooManyPoints(CyclicTooManyPointsMessage(maxPoints));
    PathSampler sampler(step, maxPoints, sink);
    SteelPathBuilder builder(steel, sampler);
    builder.Start(history[0]);
    for (std::size_t i = 1; i < history.size(); ++i)
        if (history[i] != history[i - 1])
            builder.Run(history[i - 1], history[i]);
    return sampler.Finish();
}

std::vector<CyclicPoint> SteelCyclicPath(const CSteel& steel, std::span<const double> history,
                                         double step, std::size_t maxPoints)
{
    return cyclic::Collect(history, step, maxPoints, 5, [&](const CyclicPointSink& sink) {
        WalkSteelCyclicPath(steel, history, step, maxPoints, sink);
    });
}
