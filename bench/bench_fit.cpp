// A measured curve of a million points read from its file and fitted, against only reading
// the same numbers with std::from_chars.

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "BenchTable.h"
#include "fit/CurveFit.h"
#include "fit/MeasuredCurve.h"
#include "model/CodeParameters.h"
#include "model/Concrete.h"

namespace {

// C30 to four times its peak strain as a testing machine writes it: a heading, strains in %
// with eight decimals, stresses in MPa with four, semicolons and decimal commas, ±1 % noise.
std::string WriteFile()
{
    char pattern[] = "/tmp/tarvolin-bench-fit-XXXXXX";
    const char* folder = mkdtemp(pattern);
    const std::string path = std::string(folder ? folder : "/tmp") + "/million.csv";
    const double fck = CalcFck(30);
    const CConcrete c("C30", CalcEc(30), fck, CalcFtk(30), CalcAc(fck), CalcAt(CalcFtk(30)),
                      CalcEck(fck), CalcEtk(CalcFtk(30)), 0.016, 0.0007);
    std::mt19937 random(1);
    std::uniform_real_distribution<double> noise(-0.01, 0.01);
    std::string text = "Specimen C30-1\nStrain (%);Stress (MPa)\n";
    const std::size_t count = fit::kMaxPoints;
    char line[64];
    for (std::size_t i = 0; i < count; ++i) {
        const double e = 4 * c.eck * double(i) / double(count - 1);
        const double s = c.CompressionStress(e) * (1 + noise(random));
        char* p = std::to_chars(line, line + 32, e * 100, std::chars_format::fixed, 8).ptr;
        *p++ = ';';
        p = std::to_chars(p, line + 64, s, std::chars_format::fixed, 4).ptr;
        for (char* q = line; q != p; ++q)
            if (*q == '.')
                *q = ',';
        text.append(line, p);
        text += '\n';
    }
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

// Reading the numbers and nothing else: the file, each line's two fields, from_chars.
std::size_t ReadBaseline(const std::string& path, std::vector<double>& strains,
                         std::vector<double>& stresses)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string text = buffer.str();
    strains.clear();
    stresses.clear();
    std::size_t pos = text.find('\n', text.find('\n') + 1) + 1;
    char field[64];
    while (pos < text.size()) {
        const std::size_t end = text.find('\n', pos);
        const std::size_t semicolon = text.find(';', pos);
        double values[2];
        std::size_t from = pos;
        for (int k = 0; k < 2; ++k) {
            const std::size_t to = k == 0 ? semicolon : end;
            const std::size_t n = std::min<std::size_t>(to - from, sizeof field);
            for (std::size_t i = 0; i < n; ++i)
                field[i] = text[from + i] == ',' ? '.' : text[from + i];
            std::from_chars(field, field + n, values[k]);
            from = semicolon + 1;
        }
        strains.push_back(values[0] / 100);
        stresses.push_back(values[1]);
        pos = end + 1;
    }
    return strains.size();
}

}  // namespace

void RegisterFitBenchmarks()
{
    // The file goes when the program ends.
    static struct Remover {
        std::string path;
        ~Remover()
        {
            if (!path.empty()) {
                std::remove(path.c_str());
                std::remove(path.substr(0, path.rfind('/')).c_str());
            }
        }
    } file{WriteFile()};
    const std::string path = file.path;
    BenchRow row;
    row.name = "Fit: read + fit 1,000,000 points";
    row.goal = "< 2 s";
    row.maxSubjectMs = 2000;
    AddRow(
        row,
        [path](benchmark::State& state) {
            for (auto _ : state) {
                const fit::MeasuredCurve curve =
                    fit::ReadMeasuredCurve(fit::ReadMeasuredBytes(path, path), path);
                const fit::CompressionFit fitted = fit::FitCompression(curve);
                if (curve.envelope.size() != fit::kMaxPoints || !std::isfinite(fitted.Ec))
                    state.SkipWithError("the curve was not read or fitted whole");
                benchmark::DoNotOptimize(fitted);
            }
        },
        [path](benchmark::State& state) {
            std::vector<double> strains, stresses;
            for (auto _ : state)
                benchmark::DoNotOptimize(ReadBaseline(path, strains, stresses));
        },
        [](benchmark::internal::Benchmark* b) {
            b->Iterations(1)->Unit(benchmark::kMillisecond);
        });
}
