#include "chart/Chart.h"
#include "chart/SeriesTitles.h"
#include "concretewindow/ChartSetup.h"
#include "concretewindow/Unit1.h"
#include "platform/CheckList.h"

void TForm1::SetUpCharts()
{
    SetUpCompressionChart(cht1, DecimalSeparator());
    SetUpTensionChart(cht2, DecimalSeparator());
}

void TForm1::FormDestroy()
{
    DeleteAllConcretes();
}

bool TForm1::ConcreteExists(std::string name) const
{
    return concretes.Contains(name);
}

void TForm1::DeleteConcrete(std::string name)
{
    // The name is our own copy: the concrete it may have come from is deleted here.
    if (!concretes.Remove(name))
        return;

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
    concretes.Clear();
    // Measured points are no concrete's: they stay until removed from the chart's menu.
    cht1->RemoveCurveSeries();
    cht2->RemoveCurveSeries();
    lst1->Clear();
}

void TForm1::ShowConcreteCurves(const std::string& name, bool visible)
{
    ActivateSeriesTitled(cht1, name, visible);
    ActivateSeriesTitled(cht2, name, visible);
    concretes.SetShown(name, visible);
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
    // Every row's state is applied again, so both charts always match the check boxes: one
    // pass over each chart and the list, so that a click in a list of a thousand costs no more
    // than the rows themselves.
    const QHash<QString, bool> checked = lst1->CheckedByText();
    ActivateSeriesTitled(cht1, checked);
    ActivateSeriesTitled(cht2, checked);
    for (auto it = checked.cbegin(); it != checked.cend(); ++it)
        concretes.SetShown(NameOf(it.key()), it.value());
}
