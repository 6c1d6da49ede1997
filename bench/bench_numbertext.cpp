// FormatFloat and StrToFloat against std::to_chars / std::from_chars on the same numbers.

#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "BenchTable.h"
#include "model/NumberText.h"

namespace {

// Magnitudes spread evenly on a log scale over what the program prints: strains from 1e-6,
// stresses and moduli up to 1e5. Fixed seed: every run sees the same numbers.
const std::vector<double>& Values()
{
    static const std::vector<double> values = [] {
        std::mt19937_64 random(20100501);
        std::uniform_real_distribution<double> exponent(-6.0, 5.0);
        std::vector<double> v(4096);
        for (double& x : v)
            x = std::pow(10.0, exponent(random));
        return v;
    }();
    return values;
}

struct PatternCase {
    const char* pattern;
    std::chars_format format;
    int precision;  // the same number of digits std::to_chars is asked for
};

constexpr PatternCase kPatterns[] = {
    {"0", std::chars_format::fixed, 0},
    {"0.0", std::chars_format::fixed, 1},
    {"0.00", std::chars_format::fixed, 2},
    {"0.000", std::chars_format::fixed, 3},
    {"0.###", std::chars_format::fixed, 3},
    {"0.000E+00", std::chars_format::scientific, 3},
    {"00e-0", std::chars_format::scientific, 1},
};

// Texts in the forms the program reads: fields as typed or printed, CSV numbers.
const std::vector<std::string>& Texts()
{
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> t;
        const auto& values = Values();
        for (std::size_t i = 0; i < values.size(); ++i) {
            char buffer[64];
            const PatternCase& c = kPatterns[i % 7];
            auto end = std::to_chars(buffer, buffer + sizeof buffer, values[i], c.format, c.precision).ptr;
            t.emplace_back(buffer, end);
        }
        return t;
    }();
    return texts;
}

// Texts of 400,000 digits in all, in pieces of `digits`: half of them "0.333…", half "333…e-N"
// whose value is near 3.3, the two long forms tests/model/tst_numbertext reads.
std::vector<std::string> LongTexts(std::size_t digits)
{
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < 200000 / digits; ++i) {
        const std::string run(digits, '3');
        texts.push_back("0." + run);
        texts.push_back(run + "e-" + std::to_string(digits - 1));
    }
    return texts;
}

void Items(benchmark::State& state, std::size_t perIteration)
{
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * perIteration));
}

} // namespace

void RegisterNumberTextBenchmarks()
{
    for (const PatternCase& c : kPatterns) {
        BenchRow row;
        row.name = std::string("FormatFloat \"") + c.pattern + "\" vs to_chars";
        row.goal = "ratio <= 1.5";
        row.maxRatio = 1.5;
        row.itemsPerIteration = static_cast<double>(Values().size());
        AddRow(
            row,
            [c](benchmark::State& state) {
                const auto& values = Values();
                for (auto _ : state) {
                    for (double v : values) {
                        std::string text = FormatFloat(c.pattern, v, '.');
                        benchmark::DoNotOptimize(text.data());
                    }
                }
                Items(state, values.size());
            },
            [c](benchmark::State& state) {
                const auto& values = Values();
                char buffer[64];
                for (auto _ : state) {
                    for (double v : values) {
                        auto result = std::to_chars(buffer, buffer + sizeof buffer, v, c.format, c.precision);
                        benchmark::DoNotOptimize(result.ptr);
                        benchmark::ClobberMemory();
                    }
                }
                Items(state, values.size());
            });
    }

    BenchRow row;
    row.name = "StrToFloat vs from_chars";
    row.goal = "ratio <= 1.5";
    row.maxRatio = 1.5;
    row.itemsPerIteration = static_cast<double>(Texts().size());
    AddRow(
        row,
        [](benchmark::State& state) {
            const auto& texts = Texts();
            for (auto _ : state) {
                for (const std::string& t : texts) {
                    double v = StrToFloat(t, '.');
                    benchmark::DoNotOptimize(v);
                }
            }
            Items(state, texts.size());
        },
        [](benchmark::State& state) {
            const auto& texts = Texts();
            for (auto _ : state) {
                for (const std::string& t : texts) {
                    double v = 0;
                    std::from_chars(t.data(), t.data() + t.size(), v);
                    benchmark::DoNotOptimize(v);
                }
            }
            Items(state, texts.size());
        });

    // Reading is linear in the length of the text: a digit of a 200,000-digit text costs what
    // a digit of a 2,000-digit one does. A quadratic reader would be a hundred times slower.
    BenchRow longRow;
    longRow.name = "StrToFloat per digit, 200,000 vs 2,000";
    longRow.goal = "ratio <= 1.5";
    longRow.maxRatio = 1.5;
    longRow.itemsPerIteration = 400000;
    const auto readAll = [](std::size_t digits) {
        return [digits](benchmark::State& state) {
            const std::vector<std::string> texts = LongTexts(digits);
            for (auto _ : state) {
                for (const std::string& t : texts) {
                    double v = StrToFloat(t, '.');
                    benchmark::DoNotOptimize(v);
                }
            }
            Items(state, 400000);
        };
    };
    AddRow(longRow, readAll(200000), readAll(2000));
}
