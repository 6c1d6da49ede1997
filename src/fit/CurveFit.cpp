#include "fit/CurveFit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <Eigen/Core>
#include <unsupported/Eigen/NonLinearOptimization>

#include "model/CodeParameters.h"
#include "model/CoreText.h"
#include "model/NumberText.h"

namespace fit {

namespace {

// The optimiser works on logarithms of the values that must stay positive; beyond these
// bounds a value is no concrete's, and exp() must not overflow on the way there.
constexpr double kLogBound = 40;

double Exp(double v)
{
    return std::exp(std::clamp(v, -kLogBound, kLogBound));
}

// Where the starts are tried: enough points to find the valley, few enough to be quick. The
// best start is then finished on every point.
constexpr std::size_t kStartPoints = 4096;

// ---------------------------------------------------------------------------------------------
// The law and its derivatives with respect to (f, ε, α, n): n only in compression.

struct LawPoint {
    double stress;
    std::array<double, 4> grad;  // ∂σ/∂f, ∂σ/∂ε, ∂σ/∂α, ∂σ/∂n
};

// Compression, after the damage law: up to the peak σ = fc·n·x / (n − 1 + xⁿ), beyond it
// σ = fc·x / (αc(x − 1)² + x), x = ε/εc. Both give fc with a level tangent at x = 1.
LawPoint CompressionPoint(double fc, double ec, double ac, double n, double strain)
{
    LawPoint p{0, {0, 0, 0, 0}};
    const double x = strain / ec;
    if (x <= 0)
        return p;
    if (x <= 1) {
        const double lnx = std::log(x);
        const double xn = std::exp(n * lnx);
        const double d = n - 1 + xn;
        p.stress = fc * n * x / d;
        const double dx = fc * n * (n - 1) * (1 - xn) / (d * d);
        p.grad[0] = n * x / d;
        p.grad[1] = -dx * x / ec;
        p.grad[3] = fc * x * (xn - 1 - n * xn * lnx) / (d * d);
    } else {
        const double u = x - 1;
        const double d = ac * u * u + x;
        p.stress = fc * x / d;
        const double dx = -fc * ac * (x * x - 1) / (d * d);
        p.grad[0] = x / d;
        p.grad[1] = -dx * x / ec;
        p.grad[2] = -fc * x * u * u / (d * d);
    }
    return p;
}

// Tension: up to the peak σ = ft·x·(1.2 − 0.2x⁵), beyond it σ = ft·x / (αt(x − 1)^1.7 + x).
LawPoint TensionPoint(double ft, double et, double at, double strain)
{
    LawPoint p{0, {0, 0, 0, 0}};
    const double x = strain / et;
    if (x <= 0)
        return p;
    if (x <= 1) {
        const double x5 = x * x * x * x * x;
        p.stress = ft * x * (1.2 - 0.2 * x5);
        p.grad[0] = x * (1.2 - 0.2 * x5);
        p.grad[1] = -ft * (1.2 - 1.2 * x5) * x / et;
    } else {
        const double u = x - 1;
        const double u07 = std::pow(u, 0.7);
        const double u17 = u07 * u;
        const double d = at * u17 + x;
        p.stress = ft * x / d;
        const double dx = ft * at * u07 * (-0.7 * x - 1) / (d * d);
        p.grad[0] = x / d;
        p.grad[1] = -dx * x / et;
        p.grad[2] = -ft * x * u17 / (d * d);
    }
    return p;
}

// ---------------------------------------------------------------------------------------------
// The values the optimiser moves, and the law's values they stand for.

// The law's values (f, ε, α, n) and their derivatives with respect to the optimiser's.
struct Mapped {
    std::array<double, 4> q{};
    std::array<std::array<double, 4>, 4> dq{};  // dq[i][j] = ∂q_i / ∂p_j
};

enum class Law { Compression, Tension };

// Which values are free. Compression, Ec free: p = (fc, ln εc, ln αc, ln(n − 1)); Ec fixed:
// p = (fc, ln αc, ln(n − 1)), and εc = fc·n / ((n − 1)·Ec) keeps the initial slope at Ec.
// Tension: p = (ft, ln εt, ln αt). A fixed strength leaves the first out.
struct Parameters {
    Law law = Law::Compression;
    std::optional<double> strength;
    std::optional<double> modulus;

    int Size() const
    {
        const int all = law == Law::Tension ? 3 : (modulus ? 3 : 4);
        return strength ? all - 1 : all;
    }

    Mapped Map(const Eigen::VectorXd& p) const
    {
        Mapped m;
        int k = 0;
        int fIndex = -1;
        if (strength) {
            m.q[0] = *strength;
        } else {
            fIndex = k;
            m.q[0] = p[k++];
            m.dq[0][fIndex] = 1;
        }
        if (law == Law::Tension) {
            m.q[1] = Exp(p[k]);
            m.dq[1][k++] = m.q[1];
            m.q[2] = Exp(p[k]);
            m.dq[2][k++] = m.q[2];
            return m;
        }
        if (!modulus) {
            m.q[1] = Exp(p[k]);
            m.dq[1][k++] = m.q[1];
        }
        const int aIndex = k++;
        m.q[2] = Exp(p[aIndex]);
        m.dq[2][aIndex] = m.q[2];
        const int nIndex = k++;
        const double nm1 = Exp(p[nIndex]);
        m.q[3] = 1 + nm1;
        m.dq[3][nIndex] = nm1;
        if (modulus) {
            // εc = (fc / Ec)(1 + 1/(n − 1)).
            const double fc = m.q[0];
            m.q[1] = fc / *modulus * (1 + 1 / nm1);
            if (fIndex >= 0)
                m.dq[1][fIndex] = m.q[1] / fc;
            m.dq[1][nIndex] = -fc / *modulus / nm1;
        }
        return m;
    }

    // The optimiser's values for law values (the inverse of Map).
    Eigen::VectorXd Unmap(double f, double e, double a, double n) const
    {
        Eigen::VectorXd p(Size());
        int k = 0;
        if (!strength)
            p[k++] = f;
        if (law == Law::Tension) {
            p[k++] = std::log(e);
            p[k++] = std::log(a);
            return p;
        }
        if (!modulus)
            p[k++] = std::log(e);
        p[k++] = std::log(a);
        p[k++] = std::log(n - 1);
        return p;
    }
};

LawPoint Evaluate(const Parameters& parameters, const Mapped& m, double strain)
{
    return parameters.law == Law::Compression
               ? CompressionPoint(m.q[0], m.q[1], m.q[2], m.q[3], strain)
               : TensionPoint(m.q[0], m.q[1], m.q[2], strain);
}

struct Samples {
    std::vector<double> strain;
    std::vector<double> stress;
};

// The residuals σ_law − σ_measured and their Jacobian, one row at a time: Eigen's
// Levenberg–Marquardt in MINPACK's "optimum storage" form (lmstr) folds each row into an n × n
// triangle, so a million points need no million-row Jacobian to be stored, copied and
// factorised in every iteration.
struct LawFunctor {
    using Scalar = double;
    using InputType = Eigen::VectorXd;
    using ValueType = Eigen::VectorXd;

    LawFunctor(const Parameters& parameters, const Samples& samples)
        : parameters(parameters), samples(samples)
    {
    }

    int inputs() const { return parameters.Size(); }
    int values() const { return int(samples.strain.size()); }

    int operator()(const InputType& p, ValueType& r) const
    {
        const Mapped m = parameters.Map(p);
        for (std::size_t i = 0; i < samples.strain.size(); ++i) {
            const double s = Evaluate(parameters, m, samples.strain[i]).stress - samples.stress[i];
            // A value no concrete has may overflow; a large finite residual turns the step back.
            r[Eigen::Index(i)] = std::isfinite(s) ? s : 1e100;
        }
        return 0;
    }

    // Row rownb − 2 of the Jacobian (MINPACK counts the rows from 2 here).
    int df(const InputType& p, Eigen::VectorXd& row, Eigen::Index rownb)
    {
        if (!mappedAt.size() || mappedAt != p) {
            mapped = parameters.Map(p);
            mappedAt = p;
        }
        const LawPoint point = Evaluate(parameters, mapped, samples.strain[std::size_t(rownb - 2)]);
        for (int j = 0; j < parameters.Size(); ++j) {
            double v = 0;
            for (std::size_t k = 0; k < 4; ++k)
                v += point.grad[k] * mapped.dq[k][std::size_t(j)];
            row[j] = std::isfinite(v) ? v : 0;
        }
        return 0;
    }

    const Parameters& parameters;
    const Samples& samples;
    Mapped mapped;
    Eigen::VectorXd mappedAt;
};

struct Solution {
    Eigen::VectorXd p;
    double cost = std::numeric_limits<double>::infinity();  // sum of squared residuals
    bool converged = false;
    int evaluations = 0;
};

Solution Minimize(const Parameters& parameters, const Samples& samples, Eigen::VectorXd start,
                  int maxEvaluations)
{
    LawFunctor functor(parameters, samples);
    Eigen::LevenbergMarquardt<LawFunctor> lm(functor);
    lm.parameters.ftol = 1e-10;
    lm.parameters.xtol = 1e-10;
    lm.parameters.gtol = 0;
    lm.parameters.maxfev = maxEvaluations;
    const Eigen::LevenbergMarquardtSpace::Status status = lm.minimizeOptimumStorage(start);
    Solution s;
    s.p = start;
    s.evaluations = int(lm.nfev);
    s.converged = status != Eigen::LevenbergMarquardtSpace::TooManyFunctionEvaluation &&
                  status != Eigen::LevenbergMarquardtSpace::ImproperInputParameters;
    s.cost =
        std::isfinite(lm.fnorm) ? lm.fnorm * lm.fnorm : std::numeric_limits<double>::infinity();
    return s;
}

// Every point, and an even selection of them (the peak always among them) for the starts.
Samples AllSamples(const MeasuredCurve& curve)
{
    Samples s;
    s.strain.reserve(curve.envelope.size());
    s.stress.reserve(curve.envelope.size());
    for (const MeasuredPoint& p : curve.envelope) {
        s.strain.push_back(p.strain);
        s.stress.push_back(p.stress);
    }
    return s;
}

Samples FewSamples(const MeasuredCurve& curve)
{
    const std::size_t n = curve.envelope.size();
    if (n <= kStartPoints)
        return AllSamples(curve);
    Samples s;
    for (std::size_t k = 0; k < kStartPoints; ++k) {
        const std::size_t i = k * (n - 1) / (kStartPoints - 1);
        s.strain.push_back(curve.envelope[i].strain);
        s.stress.push_back(curve.envelope[i].stress);
    }
    s.strain.push_back(curve.envelope[curve.peak].strain);
    s.stress.push_back(curve.envelope[curve.peak].stress);
    return s;
}

double Median(std::vector<double> values, double fallback)
{
    if (values.empty())
        return fallback;
    auto middle = values.begin() + std::ptrdiff_t(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// The descending branch's shape parameter that each point beyond the peak would need,
// σ = f·x / (α·g(x − 1) + x) solved for α: their median starts the search.
double ShapeEstimate(const MeasuredCurve& curve, double f, double e, double power, double fallback)
{
    std::vector<double> estimates;
    const std::size_t step = std::max<std::size_t>(1, (curve.envelope.size() - curve.peak) / 2000);
    for (std::size_t i = curve.peak + 1; i < curve.envelope.size(); i += step) {
        const MeasuredPoint& p = curve.envelope[i];
        const double x = p.strain / e;
        if (x < 1.05 || !(p.stress > 0.02 * f))
            continue;
        const double a = (f * x / p.stress - x) / std::pow(x - 1, power);
        if (a > 0 && std::isfinite(a))
            estimates.push_back(a);
    }
    return std::clamp(Median(std::move(estimates), fallback), 1e-3, 1e3);
}

// The initial slope of the measured points below 40 % of the peak (least squares through
// them), or the secant to the peak when there are too few.
double SlopeEstimate(const MeasuredCurve& curve)
{
    const MeasuredPoint& peak = curve.envelope[curve.peak];
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    std::size_t n = 0;
    for (std::size_t i = 0; i <= curve.peak; ++i) {
        const MeasuredPoint& p = curve.envelope[i];
        if (p.stress > 0.4 * peak.stress)
            break;
        sx += p.strain, sy += p.stress, sxx += p.strain * p.strain, sxy += p.strain * p.stress;
        ++n;
    }
    const double secant = peak.stress / peak.strain;
    if (n < 3)
        return 1.5 * secant;
    const double den = double(n) * sxx - sx * sx;
    const double slope = den > 0 ? (double(n) * sxy - sx * sy) / den : 0;
    return std::isfinite(slope) && slope > 0 ? slope : 1.5 * secant;
}

FitQuality Quality(const MeasuredCurve& curve, const Samples& all, const Parameters& parameters,
                   const Eigen::VectorXd& p)
{
    FitQuality q;
    const Mapped m = parameters.Map(p);
    double mean = 0;
    for (const double s : all.stress)
        mean += s;
    mean /= double(all.stress.size());
    double residual = 0;
    double total = 0;
    for (std::size_t i = 0; i < all.strain.size(); ++i) {
        const double r = Evaluate(parameters, m, all.strain[i]).stress - all.stress[i];
        residual += r * r;
        total += (all.stress[i] - mean) * (all.stress[i] - mean);
    }
    q.rms = std::sqrt(residual / double(all.strain.size()));
    q.r2 = total > 0 ? 1 - residual / total : 0;
    q.used = curve.envelope.size();
    q.leftOut = curve.LeftOut();
    q.measuredPeak = curve.envelope[curve.highest].stress;
    q.measuredPeakStrain = curve.envelope[curve.highest].strain;
    return q;
}

void CheckFixed(std::optional<double> value, const char* what)
{
    if (value && !(*value > 0 && std::isfinite(*value)))
        throw FitError(coretext::Arg(
            coretext::translate("CurveFit", "%1 must be a positive number to be held fixed."),
            {what}));
}

// Tries the starts on a selection of the points, then finishes the best on all of them.
Solution Solve(const MeasuredCurve& curve, const Parameters& parameters,
               const std::vector<Eigen::VectorXd>& starts, const Samples& all)
{
    const Samples few = FewSamples(curve);
    Solution best;
    for (const Eigen::VectorXd& start : starts) {
        if (!start.allFinite())
            continue;
        Solution s = Minimize(parameters, few, start, 400);
        if (s.cost < best.cost)
            best = std::move(s);
    }
    if (!std::isfinite(best.cost))
        throw FitError(
            coretext::translate("CurveFit", "The law could not be fitted to the points."));
    if (all.strain.size() == few.strain.size())
        return best;
    const int before = best.evaluations;
    Solution finished = Minimize(parameters, all, best.p, 100);
    finished.evaluations += before;
    return finished;
}

}  // namespace

double CompressionLaw(double fc, double ec, double ac, double Ec, double strain)
{
    if (!(Ec * ec > fc))
        return std::numeric_limits<double>::quiet_NaN();  // no curve: its initial slope is below the secant
    const double n = Ec * ec / (Ec * ec - fc);
    return CompressionPoint(fc, ec, ac, n, strain).stress;
}

double TensionLaw(double ft, double et, double at, double strain)
{
    return TensionPoint(ft, et, at, strain).stress;
}

CompressionFit FitCompression(const MeasuredCurve& curve, const CompressionFitOptions& options)
{
    CheckFixed(options.strength, "fc,r");
    CheckFixed(options.modulus, "Ec");
    Parameters parameters;
    parameters.law = Law::Compression;
    parameters.strength = options.strength;
    parameters.modulus = options.modulus;

    const MeasuredPoint& peak = curve.envelope[curve.peak];
    const double f0 = options.strength.value_or(peak.stress);
    const double e0 = peak.strain;
    // n from the initial slope: E0 = f·n / ((n − 1)·ε) gives n = r / (r − 1), r = E0·ε / f.
    const double slope = options.modulus.value_or(SlopeEstimate(curve));
    const double r = std::max(slope * e0 / f0, 1.02);
    const double n0 = std::clamp(r / (r - 1), 1.05, 50.0);
    const double codeShape = CalcAc(f0) > 0.05 ? CalcAc(f0) : 0.5;
    const double a0 = ShapeEstimate(curve, f0, e0, 2, codeShape);

    std::vector<Eigen::VectorXd> starts;
    for (const double n : {n0, 1.5, 3.0, 8.0})
        for (const double a : {a0, codeShape, 4 * a0})
            starts.push_back(parameters.Unmap(f0, e0, a, n));
    const Samples all = AllSamples(curve);
    const Solution s = Solve(curve, parameters, starts, all);

    const Mapped m = parameters.Map(s.p);
    CompressionFit fit;
    fit.fc = m.q[0];
    fit.ec = m.q[1];
    fit.ac = m.q[2];
    const double n = m.q[3];
    fit.Ec = options.modulus ? *options.modulus : fit.fc * n / ((n - 1) * fit.ec);
    fit.strengthFixed = options.strength.has_value();
    fit.modulusFixed = options.modulus.has_value();
    fit.quality = Quality(curve, all, parameters, s.p);
    fit.quality.converged = s.converged;
    fit.quality.evaluations = s.evaluations;
    for (const double v : {fit.Ec, fit.fc, fit.ec, fit.ac})
        if (!std::isfinite(v) || !(v > 0) || !std::isfinite(fit.quality.rms))
            throw FitError(
                coretext::translate("CurveFit", "The law could not be fitted to the points."));
    return fit;
}

TensionFit FitTension(const MeasuredCurve& curve, std::optional<double> strength)
{
    CheckFixed(strength, "ft,r");
    Parameters parameters;
    parameters.law = Law::Tension;
    parameters.strength = strength;

    const MeasuredPoint& peak = curve.envelope[curve.peak];
    const double f0 = strength.value_or(peak.stress);
    const double e0 = peak.strain;
    const double codeShape = std::max(CalcAt(f0), 0.05);
    const double a0 = ShapeEstimate(curve, f0, e0, 1.7, codeShape);
    std::vector<Eigen::VectorXd> starts;
    for (const double e : {e0, 0.8 * e0, 1.25 * e0})
        for (const double a : {a0, codeShape, 4 * a0})
            starts.push_back(parameters.Unmap(f0, e, a, 0));
    const Samples all = AllSamples(curve);
    const Solution s = Solve(curve, parameters, starts, all);

    const Mapped m = parameters.Map(s.p);
    TensionFit fit;
    fit.ft = m.q[0];
    fit.et = m.q[1];
    fit.at = m.q[2];
    fit.strengthFixed = strength.has_value();
    fit.quality = Quality(curve, all, parameters, s.p);
    fit.quality.converged = s.converged;
    fit.quality.evaluations = s.evaluations;
    for (const double v : {fit.ft, fit.et, fit.at})
        if (!std::isfinite(v) || !(v > 0) || !std::isfinite(fit.quality.rms))
            throw FitError(
                coretext::translate("CurveFit", "The law could not be fitted to the points."));
    return fit;
}

}  // namespace fit
