// Runs every benchmark pair and prints one table of ratios.
//
// Repetitions of all benchmarks are interleaved in random order, so that subject and baseline
// see the same state of the machine; each side is scored by its fastest repetition, the usual
// estimate of what the code costs when nothing else disturbs it.

#include <QApplication>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <map>
#include <vector>

#include "BenchTable.h"

namespace {

std::vector<BenchRow>& Rows()
{
    static std::vector<BenchRow> rows;
    return rows;
}

struct Measured {
    double seconds = std::numeric_limits<double>::infinity();  // per iteration, best repetition
    std::map<std::string, double> counters;                    // best (lowest) repetition
    std::string error;
};

// Keeps the fastest repetition of every benchmark and prints nothing until the end.
class TableReporter : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context& context) override
    {
        std::fprintf(stderr, "Running benchmarks on %d CPUs at %.0f MHz, please wait...\n",
                     context.cpu_info.num_cpus, context.cpu_info.cycles_per_second / 1e6);
        return true;
    }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration)
                continue;
            Measured& m = measured[RowKey(run.benchmark_name())];
            if (run.error_occurred) {
                m.error = run.error_message;
                continue;
            }
            if (run.iterations > 0)
                m.seconds = std::min(m.seconds, run.real_accumulated_time / run.iterations);
            for (const auto& [name, counter] : run.counters) {
                auto it = m.counters.find(name);
                if (it == m.counters.end() || counter.value < it->second)
                    m.counters[name] = counter.value;
            }
            std::fputc('.', stderr);
        }
    }

    void Finalize() override
    {
        std::fputc('\n', stderr);
        PrintTable();
    }

    int missed = 0;

private:
    // "<row>/subject/iterations:8/manual_time" -> "<row>/subject"
    static std::string RowKey(const std::string& name)
    {
        for (const char* side : {"/subject", "/baseline"}) {
            const auto at = name.rfind(side);
            if (at != std::string::npos)
                return name.substr(0, at + std::string(side).size());
        }
        return name;
    }

    static std::string Format(double value, const std::string& unit)
    {
        char text[64];
        if (!std::isfinite(value))
            return "-";
        if (unit == "ms" && value < 0.01)
            std::snprintf(text, sizeof text, "%.1f ns", value * 1e6);
        else if (unit == "ms" && value < 1)
            std::snprintf(text, sizeof text, "%.2f us", value * 1e3);
        else
            std::snprintf(text, sizeof text, "%.2f %s", value, unit.c_str());
        return text;
    }

    void PrintTable()
    {
        std::printf("%-44s %14s %14s %8s  %-26s %s\n", "Measurement", "Tarvolin", "Baseline",
                    "Ratio", "Goal", "Met");
        std::printf("%s\n", std::string(118, '-').c_str());
        for (const BenchRow& row : Rows()) {
            const std::string& source = row.sourceRow.empty() ? row.name : row.sourceRow;
            const auto found = measured.find(source + "/subject");
            if (found == measured.end())
                continue;  // filtered out
            const Measured& s = found->second;
            const auto b = measured.find(source + "/baseline");
            const bool hasBaseline = b != measured.end();
            if (!s.error.empty() || (hasBaseline && !b->second.error.empty())) {
                std::printf("%-44s failed: %s\n", row.name.c_str(),
                            (s.error.empty() ? b->second.error : s.error).c_str());
                ++missed;
                continue;
            }
            const double scale = 1e3 / row.itemsPerIteration;
            double subject = s.seconds * scale;
            double baseline = hasBaseline ? b->second.seconds * scale
                                          : std::numeric_limits<double>::quiet_NaN();
            if (!row.counter.empty()) {
                auto value = [](const Measured& m, const std::string& counter) {
                    auto it = m.counters.find(counter);
                    return it == m.counters.end() ? std::numeric_limits<double>::quiet_NaN()
                                                  : it->second;
                };
                subject = value(s, row.counter);
                if (!row.baselineCounter.empty())
                    baseline = value(s, row.baselineCounter);
                else if (hasBaseline)
                    baseline = value(b->second, row.counter);
            }
            const double ratio = subject / baseline;
            bool met = true;
            if (row.maxRatio > 0)
                met = met && ratio <= row.maxRatio;
            if (row.maxSubjectMs > 0)
                met = met && subject < row.maxSubjectMs;
            if (!met)
                ++missed;
            char ratioText[32] = "-";
            if (std::isfinite(ratio))
                std::snprintf(ratioText, sizeof ratioText, "%.2fx", ratio);
            std::printf("%-44s %14s %14s %8s  %-26s %s\n", row.name.c_str(),
                        Format(subject, row.unit).c_str(), Format(baseline, row.unit).c_str(),
                        ratioText, row.goal.c_str(), met ? "yes" : "NO");
        }
        if (missed > 0)
            std::printf("%d goal(s) missed.\n", missed);
    }

    std::map<std::string, Measured> measured;
};

} // namespace

void AddRow(const BenchRow& row, BenchBody subject, BenchBody baseline,
            const std::function<void(benchmark::internal::Benchmark*)>& options)
{
    Rows().push_back(row);
    auto* s = benchmark::RegisterBenchmark((row.name + "/subject").c_str(), subject);
    if (options)
        options(s);
    if (baseline) {
        auto* b = benchmark::RegisterBenchmark((row.name + "/baseline").c_str(), baseline);
        if (options)
            options(b);
    }
}

void AddCounterRow(const BenchRow& row)
{
    Rows().push_back(row);
}

int main(int argc, char** argv)
{
    // The charts and the window need an application object; nothing is shown on a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    // Defaults that suit the table; any --benchmark_* option given on the command line wins.
    std::vector<char*> args(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=5";
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    std::string minTime = "--benchmark_min_time=0.2";
    args.insert(args.begin() + 1, {repetitions.data(), interleave.data(), minTime.data()});
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 2;

    RegisterNumberTextBenchmarks();
    RegisterCsvBenchmarks();
    RegisterWindowBenchmarks();
    RegisterStartupBenchmarks(argv[0]);
    RegisterCliBenchmarks();
    RegisterCyclicBenchmarks();
    RegisterFitBenchmarks();
    RegisterScaleBenchmarks();
    RegisterWineBenchmarks();

    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
