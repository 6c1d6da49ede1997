// Building the data file for a heavy registry against writing the same numbers with the
// fastest standard tools.

#include <algorithm>
#include <charconv>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "BenchTable.h"
#include "formats/CsvExport.h"
#include "model/Sampling.h"
#include "model/CodeParameters.h"
#include "model/Concrete.h"

namespace {

// Fourteen concretes, the grades 15 to 80, with end strains far beyond the defaults: 1.0 in
// compression and 0.01 in tension: 5,001 compression rows and 5,000 tension rows (the 5,000th
// accumulated tension strain lands just above 0.01), about 140,000 stress cells.
const std::vector<std::unique_ptr<CConcrete>>& HeavyRegistry()
{
    static const std::vector<std::unique_ptr<CConcrete>> concretes = [] {
        std::vector<std::unique_ptr<CConcrete>> list;
        for (int grade = 15; grade <= 80; grade += 5) {
            const double fck = CalcFck(grade);
            const double ftk = CalcFtk(grade);
            std::string name = "C";
            name += std::to_string(grade);
            list.push_back(std::make_unique<CConcrete>(
                std::move(name), CalcEc(grade), fck, ftk, CalcAc(fck), CalcAt(ftk),
                CalcEck(fck), CalcEtk(ftk), 1.0, 0.01));
        }
        return list;
    }();
    return concretes;
}

// The least the file costs: the same stress evaluations, each number written once with
// std::to_chars into one buffer, with the commas and line ends, and nothing else.
std::size_t WriteBaseline(const std::vector<std::unique_ptr<CConcrete>>& concretes, std::string& out)
{
    char* p = out.data();
    const auto number = [&](double value, std::chars_format format, int precision) {
        p = std::to_chars(p, p + 40, value, format, precision).ptr;
        *p++ = ',';
    };
    for (const auto& c : concretes) {
        for (double v : {c->Ec, c->fck})
            number(v, std::chars_format::fixed, 2);
        number(c->eck, std::chars_format::scientific, 3);
        number(c->ac, std::chars_format::fixed, 3);
        *p++ = '\r';
        *p++ = '\n';
    }
    for (int block = 0; block < 2; ++block) {
        const bool compression = block == 0;
        const double step = compression ? kCompressionStep : kTensionStep;
        double largest = 0;
        for (const auto& c : concretes)
            largest = std::max(largest, compression ? c->ecmax : c->etmax);
        for (double x = 0.0; x <= largest; x += step) {
            number(x, std::chars_format::scientific, 3);
            for (const auto& c : concretes) {
                if (x < (compression ? c->ecmax : c->etmax))
                    number(compression ? c->CompressionStress(x) : c->TensionStress(x),
                           std::chars_format::fixed, 3);
                else
                    *p++ = ',';
            }
            *p++ = '\r';
            *p++ = '\n';
        }
    }
    return static_cast<std::size_t>(p - out.data());
}

} // namespace

void RegisterCsvBenchmarks()
{
    BenchRow row;
    row.name = "CSV build, 14 concretes, 5,001+5,000 rows";
    row.goal = "ratio <= 2";
    row.maxRatio = 2;
    AddRow(
        row,
        [](benchmark::State& state) {
            const auto& concretes = HeavyRegistry();
            for (auto _ : state) {
                std::string csv = BuildConcreteCsv(
                    std::span<const std::unique_ptr<CConcrete>>(concretes), '.');
                benchmark::DoNotOptimize(csv.data());
            }
        },
        [](benchmark::State& state) {
            const auto& concretes = HeavyRegistry();
            // The buffer is allocated once, outside the measurement: the baseline is the
            // evaluation and the formatting alone.
            std::string out(16 << 20, '\0');
            for (auto _ : state) {
                const std::size_t used = WriteBaseline(concretes, out);
                benchmark::DoNotOptimize(out.data());
                benchmark::DoNotOptimize(used);
            }
        },
        [](benchmark::internal::Benchmark* b) { b->Unit(benchmark::kMillisecond); });
}
