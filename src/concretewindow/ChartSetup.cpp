#include "concretewindow/ChartSetup.h"

#include "chart/Chart.h"
#include "model/Registry.h"
#include "model/Sampling.h"

namespace {

void SetUpChart(TChart* chart, char separator, const QColor& grid, const QPen& zoomPen)
{
    chart->SetDecimalSeparator(separator);
    chart->SetGridColor(grid);
    chart->SetZoomPen(zoomPen);
}

TLineSeries* CreateSeries(TChart* chart, const QString& title, bool shown)
{
    TLineSeries* series = chart->AddSeries();
    series->SetTitle(title);
    series->SetActive(true);
    series->SetPointer(QCPScatterStyle::ssCircle, 2, false);
    series->SetPenWidth(2);
    if (!shown)
        series->SetActive(false);
    return series;
}

template <class Stress>
void SampleInto(TLineSeries* series, double end, double step, Stress stress)
{
    SampleCurve(end, step, [&](double strain) { series->AddXY(strain, stress(strain)); });
}

}  // namespace

void SetUpCompressionChart(TChart* chart, char separator)
{
    // File contents, in every language, like the pictures' file names.
    chart->SetTitle(QStringLiteral("Compression"));
    SetUpChart(chart, separator, TChart::ColorFromStored(0x808080),
               QPen(TChart::ColorFromStored(0xFF80FF), 2));
    chart->SetLegendTextColor(TChart::ColorFromStored(0x640000));
    chart->SetLegendSquareSymbols(true);
    chart->SetLegendShadow(true);
    // The compression strains are labelled at multiples of 0.0002 wherever the labels fit.
    chart->SetBottomAxisIncrement(0.0002);
}

void SetUpTensionChart(TChart* chart, char separator)
{
    chart->SetTitle(QStringLiteral("Tension"));
    SetUpChart(chart, separator, TChart::ColorFromStored(0xC0C0C0),
               QPen(TChart::ColorFromStored(0x800000), 3));
}

void AddConcreteCurves(TChart* compression, TChart* tension, const CConcrete& concrete, bool shown)
{
    const QString title = QString::fromStdString(concrete.ConcreteName);
    SampleInto(CreateSeries(compression, title, shown), concrete.GetEcmax(), kCompressionStep,
               [&concrete](double e) { return concrete.CompressionStress(e); });
    SampleInto(CreateSeries(tension, title, shown), concrete.GetEtmax(), kTensionStep,
               [&concrete](double e) { return concrete.TensionStress(e); });
}

void AddRegistryCurves(TChart* compression, TChart* tension, const ConcreteRegistry& concretes)
{
    for (std::size_t i = 0; i < concretes.size(); ++i)
        AddConcreteCurves(compression, tension, concretes.at(i), concretes.Shown(i));
}
