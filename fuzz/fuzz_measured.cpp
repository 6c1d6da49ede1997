// Measured curves from arbitrary bytes: every input is either refused with a
// MeasuredCurveError or read into a curve that keeps the reader's promises (finite values in
// m/m and N/mm², an envelope of rising (never falling) non-negative strains with a peak and five
// points on each side of it, every point counted), and a curve read (of up to 200 points) is
// fitted without a crash or a value that is not a number. The first byte chooses the options a
// user may give. Anything else (a crash, another exception, a broken promise, a hang) is a finding.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fit/CurveFit.h"
#include "fit/MeasuredCurve.h"
#include "fit/TextDecoding.h"

namespace {

constexpr std::size_t kMaxFittedPoints = 200;

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

fit::ReadOptions OptionsFrom(std::uint8_t choice)
{
    fit::ReadOptions options;
    switch (choice & 3) {
    case 1: options.strainColumn = 0, options.stressColumn = 1; break;
    case 2: options.strainColumn = 1, options.stressColumn = 0; break;
    case 3: options.strainColumn = 2, options.stressColumn = 0; break;
    default: break;
    }
    if (choice & 4)
        options.strainUnit = fit::StrainUnit((choice >> 3) & 3);
    if (choice & 32)
        options.stressUnit = fit::StressUnit(((choice >> 6) & 3) % 3);
    return options;
}

void CheckCurve(const fit::MeasuredCurve& curve)
{
    Require(!curve.points.empty() && curve.points.size() <= fit::kMaxPoints);
    Require(curve.envelope.size() + curve.LeftOut() == curve.points.size());
    for (std::size_t i = 0; i < curve.points.size(); ++i) {
        const fit::MeasuredPoint& p = curve.points[i];
        Require(std::isfinite(p.strain) && std::isfinite(p.stress));
        Require(p.line >= curve.layout.firstDataLine);
        Require(i == 0 || p.line > curve.points[i - 1].line);
    }
    for (std::size_t i = 0; i < curve.envelope.size(); ++i) {
        Require(curve.envelope[i].strain >= 0);
        Require(i == 0 || curve.envelope[i].strain >= curve.envelope[i - 1].strain);
        Require(curve.envelope[i].stress <= curve.envelope[curve.highest].stress);
    }
    Require(curve.envelope[curve.highest].stress > 0);
    Require(curve.peak + 1 >= fit::kMinBranchPoints);
    Require(curve.envelope.size() - curve.peak - 1 >= fit::kMinBranchPoints);
    const fit::CurveLayout& l = curve.layout;
    Require(l.strainColumn != l.stressColumn && l.strainColumn >= 0 && l.stressColumn >= 0);
    Require(l.firstDataLine == l.headingLines + 1);
    for (const std::string& note : curve.notes)
        Require(fit::ValidUtf8(note));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const fit::ReadOptions options = OptionsFrom(data[0]);
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    for (const std::string& line : fit::PreviewLines(bytes))
        Require(fit::ValidUtf8(line) && line.size() <= fit::kPreviewLineBytes + 3);

    fit::MeasuredCurve curve;
    try {
        curve = fit::ReadMeasuredCurve(bytes, "fuzz.csv", options);
    } catch (const fit::MeasuredCurveError& error) {
        Require(fit::ValidUtf8(error.what()));
        return 0;
    }
    CheckCurve(curve);
    // The fit's dozen starts cost about a second on a curve of a thousand points under the
    // sanitizers, which left the fuzzer a handful of inputs in its share of time. Odd shapes
    // come as readily in short curves; the long ones are the unit tests' and the bench's.
    if (curve.envelope.size() > kMaxFittedPoints)
        return 0;

    try {
        const fit::CompressionFit c = fit::FitCompression(curve);
        Require(std::isfinite(c.Ec) && std::isfinite(c.fc) && c.ec > 0 && c.ac > 0);
        Require(std::isfinite(c.quality.rms) && std::isfinite(c.quality.r2));
        Require(c.quality.used == curve.envelope.size());
    } catch (const fit::FitError&) {
    }
    try {
        const fit::TensionFit t = fit::FitTension(curve);
        Require(std::isfinite(t.ft) && t.et > 0 && t.at > 0 && std::isfinite(t.quality.rms));
    } catch (const fit::FitError&) {
    }
    return 0;
}
