// File ▸ Fit to Test Data…: a concrete fitted to measured curves, made by Create Concrete
// itself, and the measured points kept on the charts beside its curves.

#include <QLineEdit>
#include <cmath>

#include "chart/Chart.h"
#include "concretewindow/Unit1.h"
#include "dialogs/FitTestDataDialog.h"
#include "model/GradeFields.h"
#include "platform/FieldText.h"
#include "platform/Platform.h"
#include "platform/RecentFolders.h"

namespace {

void AddTestPoints(TChart* chart, const QString& title,
                   const std::vector<fit::MeasuredPoint>& points)
{
    TLineSeries* series = chart->AddTestSeries(title);
    for (const fit::MeasuredPoint& point : points)
        series->AddXY(point.strain, point.stress);
}

// An end strain the field can hold that still reaches the end of the test: rounded up to what
// the field shows.
double RoundedUp(double value, double step)
{
    return std::ceil(value / step - 1e-9) * step;
}

}  // namespace

void TForm1::FitTestData1Click()
{
    FitTestDataDialog dialog(
        DecimalSeparator(),
        [this](const FitTestDataDialog::Fitted& fitted) { return CreateFittedConcrete(fitted); },
        this);
    // The compression file is asked for first, as any Open is; the dialog can pick another.
    dialog.compression->Browse();
    if (dialog.compression->Path().isEmpty())
        return;
    dialog.exec();
}

bool TForm1::CreateFittedConcrete(const FitTestDataDialog::Fitted& fitted)
{
    const Definition& d = fitted.made.definition;
    const char separator = DecimalSeparator();
    const auto micro = [separator](double strain) {
        return Print("0.000", strain * 1e6, separator);
    };
    // The strengths go before the fields that follow from them: writing a strength refills
    // its strain and shape fields with the code's values.
    edt1->setText(QString::fromUtf8(d.name));
    edt2->setText(Print("0", d.Ec, separator));
    edt3->setText(Print("0.00", d.fck, separator));
    edt8->setText(Print("0.000", d.ftk, separator));
    edt4->setText(micro(d.eck));
    edt5->setText(Print("0.000", d.ac, separator));
    edt7->setText(micro(d.etk));
    edt6->setText(Print("0.000", d.at, separator));
    edt9->setText(Print("0.000", RoundedUp(d.ecmax, 0.001), separator));
    edt10->setText(Print("0", RoundedUp(d.etmax * 1e6, 1), separator));

    const std::size_t before = concretes.size();
    btn1Click();
    if (concretes.size() == before)
        return false;

    AddTestPoints(cht1, tr("test: %1").arg(fitted.compressionFile), fitted.compressionPoints);
    if (!fitted.tensionFile.isEmpty())
        AddTestPoints(cht2, tr("test: %1").arg(fitted.tensionFile), fitted.tensionPoints);
    return true;
}
