#include "app/Unit1.h"
#include "library/Chart.h"
#include "library/CheckList.h"

namespace {

// Series titles and row texts are wide text; names are compared byte for byte as UTF-8, exact
// and case-sensitive, so "C30" and "c30" are two concretes.
std::string NameOf(const QString& text)
{
    return text.toUtf8().toStdString();
}

// Removes the first series titled name; later series move down and keep their colours.
void RemoveFirstSeriesTitled(TChart* chart, const std::string& name)
{
    for (int i = 0; i < chart->SeriesCount(); ++i) {
        if (NameOf(chart->Series(i)->Title()) == name) {
            chart->RemoveSeries(i);
            return;
        }
    }
}

void ActivateSeriesTitled(TChart* chart, const std::string& name, bool visible)
{
    for (int i = 0; i < chart->SeriesCount(); ++i)
        if (NameOf(chart->Series(i)->Title()) == name)
            chart->Series(i)->SetActive(visible);
}

void SetUpChart(TChart* chart, char separator, const QColor& grid, const QPen& zoomPen)
{
    chart->SetDecimalSeparator(separator);
    chart->SetGridColor(grid);
    chart->SetZoomPen(zoomPen);
}

}  // namespace

void TForm1::SetUpCharts()
{
    SetUpChart(cht1, DecimalSeparator(), TChart::ColorFromStored(0x808080),
               QPen(TChart::ColorFromStored(0xFF80FF), 2));
    cht1->SetLegendTextColor(TChart::ColorFromStored(0x640000));
    cht1->SetLegendSquareSymbols(true);
    cht1->SetLegendShadow(true);
    SetUpChart(cht2, DecimalSeparator(), TChart::ColorFromStored(0xC0C0C0),
               QPen(TChart::ColorFromStored(0x800000), 3));
    // The compression strains are labelled at multiples of 0.0002 wherever the labels fit.
    cht1->SetBottomAxisIncrement(0.0002);
}

void TForm1::FormDestroy()
{
    DeleteAllConcretes();
}

bool TForm1::ConcreteExists(std::string name) const
{
    for (const auto& concrete : concretes)
        if (concrete->ConcreteName == name)
            return true;
    return false;
}

void TForm1::DeleteConcrete(std::string name)
{
    auto entry = concretes.begin();
    while (entry != concretes.end() && (*entry)->ConcreteName != name)
        ++entry;
    if (entry == concretes.end())
        return;

    std::unique_ptr<CConcrete> removed = std::move(*entry);
    concretes.erase(entry);
    removed.reset();

    RemoveFirstSeriesTitled(cht1, name);
    RemoveFirstSeriesTitled(cht2, name);
    for (int i = 0; i < lst1->Count(); ++i) {
        if (NameOf(lst1->ItemText(i)) == name) {
            lst1->Delete(i);
            break;
        }
    }
}

void TForm1::DeleteAllConcretes()
{
    for (auto& concrete : concretes)
        concrete.reset();
    concretes.clear();
    cht1->RemoveAllSeries();
    cht2->RemoveAllSeries();
    lst1->Clear();
}

void TForm1::ShowConcreteCurves(const std::string& name, bool visible)
{
    ActivateSeriesTitled(cht1, name, visible);
    ActivateSeriesTitled(cht2, name, visible);
}

void TForm1::btn2Click()
{
    if (lst1->Count() == 0)
        return;
    if (lst1->ItemIndex() < 0)
        return;
    DeleteConcrete(NameOf(lst1->ItemText(lst1->ItemIndex())));
}

void TForm1::btn3Click()
{
    DeleteAllConcretes();
}

void TForm1::lst1Change()
{
    // Every row's state is applied again, so both charts always match the check boxes.
    for (int i = 0; i < lst1->Count(); ++i)
        ShowConcreteCurves(NameOf(lst1->ItemText(i)), lst1->ItemChecked(i));
}
