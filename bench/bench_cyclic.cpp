// The repeated-load paths of a long history: 10,000 reversals for one concrete and one steel,
// against making as many points of the same two laws' envelopes.

#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

#include "BenchTable.h"
#include "cyclic/CyclicPath.h"
#include "model/CodeParameters.h"
#include "model/Concrete.h"
#include "steel/Steel.h"

namespace {

const CConcrete& C30()
{
    static const CConcrete concrete = [] {
        const double fck = CalcFck(30);
        const double ftk = CalcFtk(30);
        return CConcrete("C30", CalcEc(30), fck, ftk, CalcAc(fck), CalcAt(ftk), CalcEck(fck),
                         CalcEtk(ftk), 0.016, 0.0007);
    }();
    return concrete;
}

const CSteel& Hrb400()
{
    static const CSteel steel("HRB400", 2e5, 400, 540, 0.025, 0.075);
    return steel;
}

// A long seismic history: 10,000 reversals in cycles of growing amplitude, 0.0005 to 0.004 in
// compression and 0.4 of that in tension, again and again. At the default step the paths have
// about three million points each; the concrete unloads, cracks and closes, the bar yields and
// reloads both ways.
const std::vector<double>& History()
{
    static const std::vector<double> history = [] {
        std::vector<double> h{0};
        for (int i = 0; i < 10000; ++i) {
            const double amplitude = 0.0005 * (1 + (i / 2) % 8);
            h.push_back(i % 2 == 0 ? -amplitude : 0.4 * amplitude);
        }
        return h;
    }();
    return history;
}

// As many points of each envelope, evenly spaced out to the history's largest strain, into
// vectors made here as the paths' are: the least it costs to make that many points of the laws.
std::size_t Envelopes(std::size_t concretePoints, std::size_t steelPoints)
{
    const double largest = 0.004;
    std::vector<CyclicPoint> concrete(concretePoints);
    std::vector<CyclicPoint> steel(steelPoints);
    for (std::size_t i = 0; i < concretePoints; ++i) {
        const double e = largest * double(i) / double(concretePoints);
        concrete[i] = {-e, -C30().CompressionStress(e)};
    }
    for (std::size_t i = 0; i < steelPoints; ++i) {
        const double e = largest * double(i) / double(steelPoints);
        steel[i] = {e, Hrb400().Stress(e)};
    }
    benchmark::DoNotOptimize(concrete.data());
    benchmark::DoNotOptimize(steel.data());
    return concrete.size() + steel.size();
}

// The same without storing: each envelope point summed as it is made.
double EnvelopeSums(std::size_t concretePoints, std::size_t steelPoints)
{
    const double largest = 0.004;
    double sum = 0;
    for (std::size_t i = 0; i < concretePoints; ++i)
        sum += C30().CompressionStress(largest * double(i) / double(concretePoints));
    for (std::size_t i = 0; i < steelPoints; ++i)
        sum += Hrb400().Stress(largest * double(i) / double(steelPoints));
    return sum;
}

}  // namespace

void RegisterCyclicBenchmarks()
{
    static std::size_t concretePoints = 0;
    static std::size_t steelPoints = 0;
    BenchRow row;
    row.name = "Cyclic paths, 10,000 reversals, C30 + HRB400";
    row.goal = "< 1 s";
    row.maxSubjectMs = 1000;
    AddRow(
        row,
        [](benchmark::State& state) {
            for (auto _ : state) {
                const std::vector<CyclicPoint> concrete =
                    ConcreteCyclicPath(C30(), History(), kDefaultCyclicStep);
                const std::vector<CyclicPoint> steel =
                    SteelCyclicPath(Hrb400(), History(), kDefaultCyclicStep);
                concretePoints = concrete.size();
                steelPoints = steel.size();
                benchmark::DoNotOptimize(concrete.data());
                benchmark::DoNotOptimize(steel.data());
            }
            state.counters["points"] = double(concretePoints + steelPoints);
        },
        [](benchmark::State& state) {
            if (concretePoints == 0) {  // the subject has not run yet: count its points once
                concretePoints = ConcreteCyclicPath(C30(), History(), kDefaultCyclicStep).size();
                steelPoints = SteelCyclicPath(Hrb400(), History(), kDefaultCyclicStep).size();
            }
            for (auto _ : state)
                benchmark::DoNotOptimize(Envelopes(concretePoints, steelPoints));
            state.counters["points"] = double(concretePoints + steelPoints);
        },
        [](benchmark::internal::Benchmark* b) { b->Unit(benchmark::kMillisecond); });

    // The rules alone: the points handed on in blocks and not kept, as the CSV writer takes
    // them, so that what the first row spends on fresh memory is seen apart.
    BenchRow rules;
    rules.name = "Cyclic paths, walked without storing";
    rules.goal = "ratio <= 2";
    rules.maxRatio = 2;
    AddRow(
        rules,
        [](benchmark::State& state) {
            for (auto _ : state) {
                double sum = 0;
                const auto add = [&sum](std::span<const CyclicPoint> block) {
                    for (const CyclicPoint& p : block)
                        sum += p.stress;
                };
                std::size_t n = WalkConcreteCyclicPath(C30(), History(), kDefaultCyclicStep,
                                                       kMaxCyclicPoints, add);
                n += WalkSteelCyclicPath(Hrb400(), History(), kDefaultCyclicStep,
                                         kMaxCyclicPoints, add);
                benchmark::DoNotOptimize(sum);
                benchmark::DoNotOptimize(n);
            }
        },
        [](benchmark::State& state) {
            if (concretePoints == 0) {
                concretePoints = ConcreteCyclicPath(C30(), History(), kDefaultCyclicStep).size();
                steelPoints = SteelCyclicPath(Hrb400(), History(), kDefaultCyclicStep).size();
            }
            for (auto _ : state)
                benchmark::DoNotOptimize(EnvelopeSums(concretePoints, steelPoints));
        },
        [](benchmark::internal::Benchmark* b) { b->Unit(benchmark::kMillisecond); });
}
