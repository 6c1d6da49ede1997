#include "steelwindow/SteelChart.h"

#include "chart/Chart.h"
#include "steel/SteelCurve.h"
#include "steel/SteelRegistry.h"

void SetUpSteelChart(TChart* chart, char separator)
{
    chart->SetTitle(QStringLiteral("Steel"));
    chart->SetDecimalSeparator(separator);
    chart->SetGridColor(TChart::ColorFromStored(0x808080));
    chart->SetZoomPen(QPen(TChart::ColorFromStored(0xFF80FF), 2));
    chart->SetLegendTextColor(TChart::ColorFromStored(0x640000));
    chart->SetLegendSquareSymbols(true);
    chart->SetLegendShadow(true);
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
    for (const SteelPoint& point : SteelCurvePoints(steel))
        series->AddXY(point.strain, point.stress);
}

void AddSteelRegistryCurves(TChart* chart, const SteelRegistry& steels)
{
    for (std::size_t i = 0; i < steels.size(); ++i)
        AddSteelCurve(chart, steels.at(i), steels.Shown(i));
}
