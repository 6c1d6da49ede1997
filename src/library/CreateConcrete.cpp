// "Create Concrete": turns the validated definition into a registered concrete with its row in
// the list and one curve on each chart.

#include <QGroupBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <new>

#include "app/Platform.h"
#include "app/Unit1.h"
#include "library/Chart.h"
#include "library/CheckList.h"
#include "library/Sampling.h"

namespace {

// A new line series at the end of the chart, titled with the concrete's name, shown, drawn as
// a line 2 pixels wide without markers, in the colour the chart gives it.
TLineSeries* CreateSeries(TChart* chart, const QString& title)
{
    TLineSeries* series = chart->AddSeries();
    series->SetTitle(title);
    series->SetActive(true);
    series->SetPointer(QCPScatterStyle::ssCircle, 2, false);
    series->SetPenWidth(2);
    return series;
}

template <class Stress>
void SampleInto(TLineSeries* series, double end, double step, Stress stress)
{
    SampleCurve(end, step, [&](double strain) { series->AddXY(strain, stress(strain)); });
}

// A line edit keeps every edit for undo for as long as it lives, some 16 bytes a keystroke:
// over a long session of names typed one after another that piled up without end. Writing a
// text starts a new history (as the grade handler's writes always did), so the fields are
// written with their own texts, quietly, and keep their carets.
void StartNewUndoHistories(QWidget* group)
{
    for (QLineEdit* field : group->findChildren<QLineEdit*>()) {
        if (!field->isUndoAvailable() && !field->isRedoAvailable())
            continue;
        const QSignalBlocker quiet(field);
        const int caret = field->cursorPosition();
        field->setText(field->text());
        field->setCursorPosition(caret);
    }
}

}  // namespace

void TForm1::btn1Click()
{
    if (!ValidateDefinition())
        return;

    // Definitions the law or the charts cannot carry, refused before anything is created.
    // With Ec × εc,k at or below fc,k the ascending compression branch divides by zero or
    // takes a negative exponent, and every stress comes out infinite or not a number.
    if (!(Ec * eck > fck)) {
        WarnAndFocus(this, edt4,
             QStringLiteral("Ec multiplied by the Peak Compression Strain must be greater than "
                            "the Axial Compression Strength."));
        return;
    }
    if (!CurveFits(ecmax, kCompressionStep)) {
        WarnAndFocus(this, edt9,
             QStringLiteral("Ultimate strain for Comp. is too large: the curve would have more "
                            "than 1000000 points."));
        return;
    }
    if (!CurveFits(etmax, kTensionStep)) {
        WarnAndFocus(this, edt10,
             QStringLiteral("Ultimate strain for Tension is too large: the curve would have "
                            "more than 1000000 points."));
        return;
    }

    if (ConcreteExists(ConcreteName)) {
        WarnAndFocus(this, edt1,
             QStringLiteral("Concrete with name: \"%1\" already exists! Please Input another Name.")
                 .arg(QString::fromUtf8(ConcreteName)));
        return;
    }

    auto created = std::make_unique<CConcrete>(ConcreteName, Ec, fck, ftk, ac, at, eck, etk,
                                               ecmax, etmax);
    const CConcrete* concrete = created.get();
    const QString title = QString::fromUtf8(ConcreteName);

    try {
        concretes.push_back(std::move(created));
        lst1->Add(title);
    } catch (const std::bad_alloc&) {
        if (!concretes.empty() && concretes.back().get() == concrete)
            concretes.pop_back();
        MessageDlg(this, Platform::MsgKind::Warning, QStringLiteral("Running out of Memory."));
        return;
    }

    try {
        SampleInto(CreateSeries(cht1, title), concrete->GetEcmax(), kCompressionStep,
                   [concrete](double e) { return concrete->CompressionStress(e); });
        SampleInto(CreateSeries(cht2, title), concrete->GetEtmax(), kTensionStep,
                   [concrete](double e) { return concrete->TensionStress(e); });
    } catch (const std::bad_alloc&) {
        // Half a concrete would break the one-row-two-curves rule: take it all back.
        DeleteConcrete(ConcreteName);
        MessageDlg(this, Platform::MsgKind::Warning, QStringLiteral("Running out of Memory."));
        return;
    }

    // Checked from code: lst1Change does not run.
    lst1->SetItemChecked(lst1->Count() - 1, true);

    // The definition is used up; what was typed into it need not be undone any more.
    StartNewUndoHistories(grp1);
}
