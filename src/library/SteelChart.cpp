#include "library/SteelChart.h"

#include <algorithm>
#include <cmath>

#include "chart/Chart.h"
#include "steel/Steel.h"
#include "steel/SteelRegistry.h"

namespace {

// The most round steps a curve is cut into.
constexpr double kMaxSteps = 1000;
constexpr double kFinestStep = 1e-4;

// 1, 2 or 5 × 10ⁿ: the smallest such step, at least kFinestStep, that cuts end into at most
// kMaxSteps steps.
double RoundStep(double end)
{
    for (double decade = kFinestStep; std::isfinite(decade); decade *= 10)
        for (double factor : {1.0, 2.0, 5.0})
            if (end / (decade * factor) <= kMaxSteps)
                return decade * factor;
    return end;
}

}  // namespace

void SetUpSteelChart(TChart* chart, char separator)
{
    chart->SetDecimalSeparator(separator);
    chart->SetGridColor(TChart::ColorFromStored(0x808080));
    chart->SetZoomPen(QPen(TChart::ColorFromStored(0xFF80FF), 2));
    chart->SetLegendTextColor(TChart::ColorFromStored(0x640000));
    chart->SetLegendSquareSymbols(true);
    chart->SetLegendShadow(true);
}

std::vector<double> SteelCurveStrains(const CSteel& steel)
{
    const double end = steel.eu;
    const double step = RoundStep(end);
    // Below 1 the step is 1 / n for a whole n, and i / n is the strain nearest to the multiple:
    // 3 × 0.0001 would be 0.00030000000000000003 in the read-out's copy.
    const double perUnit = std::round(1 / step);
    const bool whole = step < 1 && std::abs(perUnit * step - 1) < 1e-12;
    const double corners[] = {steel.GetEy(), steel.euy};
    // A multiple this close to a corner would draw as the same point.
    const double apart = step * 1e-6;

    std::vector<double> strains;
    strains.reserve(std::size_t(end / step) + 4);
    for (double i = 0;; ++i) {
        const double strain = whole ? i / perUnit : i * step;
        if (!(strain < end - apart))
            break;
        strains.push_back(strain);
    }
    // Each corner takes the place of a multiple that would draw as the same point.
    for (double corner : corners) {
        if (!(corner < end - apart))
            continue;
        const auto at = std::lower_bound(strains.begin(), strains.end(), corner - apart);
        if (at != strains.end() && *at <= corner + apart)
            *at = corner;
        else
            strains.insert(at, corner);
    }
    strains.push_back(end);
    return strains;
}

void AddSteelCurve(TChart* chart, const CSteel& steel, bool shown)
{
    TLineSeries* series = chart->AddSeries();
    series->SetTitle(QString::fromStdString(steel.SteelName));
    series->SetActive(true);
    series->SetPointer(QCPScatterStyle::ssCircle, 2, false);
    series->SetPenWidth(2);
    if (!shown)
        series->SetActive(false);
    for (double strain : SteelCurveStrains(steel))
        series->AddXY(strain, steel.Stress(strain));
}

void AddSteelRegistryCurves(TChart* chart, const SteelRegistry& steels)
{
    for (std::size_t i = 0; i < steels.size(); ++i)
        AddSteelCurve(chart, steels.at(i), steels.Shown(i));
}
