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

void ActivateSeriesTitled(TChart* chart, const QHash<QString, bool>& visible)
{
    for (int i = 0; i < chart->SeriesCount(); ++i) {
        const auto found = visible.constFind(chart->Series(i)->Title());
        if (found != visible.cend())
            chart->Series(i)->SetActive(found.value());
    }
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
