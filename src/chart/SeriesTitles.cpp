#include "chart/SeriesTitles.h"

#include "chart/Chart.h"

std::string NameOf(const QString& text)
{
    return text.toUtf8().toStdString();
}

void ActivateSeriesTitled(TChart* chart, const std::string& name, bool visible)
{
    for (int i = 0; i < chart->SeriesCount(); ++i)
        if (!chart->Series(i)->IsTestSeries() && NameOf(chart->Series(i)->Title()) == name)
            chart->Series(i)->SetActive(visible);
}

void RemoveFirstSeriesTitled(TChart* chart, const std::string& name)
{
    for (int i = 0; i < chart->SeriesCount(); ++i) {
        if (!chart->Series(i)->IsTestSeries() && NameOf(chart->Series(i)->Title()) == name) {
            chart->RemoveSeries(i);
            return;
        }
    }
}
