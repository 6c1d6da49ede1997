// Arbitrary registries through the CSV builder.
//
// Names are arbitrary bytes (UTF-8 or not, with commas, double quotes, CR and LF); parameters
// are positive and finite, from realistic values to the extremes of a double; end strains stay
// small so that a run takes microseconds, but cover the single-row cases and end strains that
// the accumulated strain meets exactly. CsvOracle checks every line and field of the result.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "CsvOracle.h"
#include "formats/CsvExport.h"
#include "model/Sampling.h"
#include "model/Concrete.h"
#include "model/NumberText.h"

namespace {

// A positive finite double: mostly values a user would type, sometimes anything at all.
double Positive(FuzzedDataProvider& in, double low, double high)
{
    switch (in.ConsumeIntegralInRange(0, 7)) {
    case 0: {  // any positive finite double, denormals and 1e308 included
        std::uint64_t bits = in.ConsumeIntegral<std::uint64_t>() & 0x7fffffffffffffffULL;
        double v;
        std::memcpy(&v, &bits, sizeof v);
        return std::isfinite(v) && v > 0 ? v : low;
    }
    case 1:
        return std::nextafter(0.0, 1.0);
    default:
        return in.ConsumeFloatingPointInRange(low, high);
    }
}

// An end strain: small enough for speed, sometimes exactly a multiple of the step that the
// accumulation reaches or misses, sometimes below the step or tiny.
double EndStrain(FuzzedDataProvider& in, double step, int maxSteps)
{
    switch (in.ConsumeIntegralInRange(0, 5)) {
    case 0:
        return step * in.ConsumeIntegralInRange(1, maxSteps);
    case 1: {
        double e = 0;
        const int k = in.ConsumeIntegralInRange(1, maxSteps);
        for (int i = 0; i < k; ++i)
            e = e + step;
        return e;  // an accumulated strain itself
    }
    case 2:
        return std::nextafter(0.0, 1.0);
    case 3:
        return step * in.ConsumeProbability<double>();
    default:
        return in.ConsumeFloatingPointInRange(std::nextafter(0.0, 1.0), step * maxSteps);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const char separator = in.ConsumeBool() ? ',' : '.';

    std::vector<std::unique_ptr<CConcrete>> concretes;
    const int count = in.ConsumeIntegralInRange(0, 6);
    for (int i = 0; i < count; ++i) {
        std::string name = in.ConsumeRandomLengthString(40);
        const double Ec = Positive(in, 1e3, 1e5);
        const double fck = Positive(in, 1, 100);
        const double ftk = Positive(in, 0.1, 10);
        const double ac = Positive(in, 0.01, 10);
        const double at = Positive(in, 0.01, 10);
        const double eck = Positive(in, 1e-4, 1e-2);
        const double etk = Positive(in, 1e-6, 1e-3);
        const double ecmax = EndStrain(in, kCompressionStep, 30);
        const double etmax = EndStrain(in, kTensionStep, 40);
        if (!CurveFits(ecmax, kCompressionStep) || !CurveFits(etmax, kTensionStep))
            return 0;  // the window refuses such a concrete before it exists
        concretes.push_back(std::make_unique<CConcrete>(std::move(name), Ec, fck, ftk, ac, at,
                                                        eck, etk, ecmax, etmax));
    }

    const std::string csv =
        BuildConcreteCsv(std::span<const std::unique_ptr<CConcrete>>(concretes), separator);

    CheckConcreteCsv(csv, concretes, separator);
    return 0;
}
