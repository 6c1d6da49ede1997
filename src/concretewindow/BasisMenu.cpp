// The Basis menu: which strengths picking a grade fills in, and δc for the mean values.

#include <QAction>
#include <QLabel>
#include <utility>

#include "concretewindow/Unit1.h"
#include "dialogs/Basis.h"

void TForm1::Characteristic1Click()
{
    SetBasis(StrengthBasis::Characteristic, 0);
}

void TForm1::Design1Click()
{
    SetBasis(StrengthBasis::Design, 0);
}

void TForm1::Mean1Click()
{
    // Asked every time, so that choosing Mean again is how δc is changed.
    const double proposed = basis == StrengthBasis::Mean ? basisCv
                                                         : RememberedCoefficientOfVariation();
    TCvDialog question(proposed, DecimalSeparator(), this);
    if (question.exec() != QDialog::Accepted) {
        ShowBasisChecked();
        return;
    }
    RememberCoefficientOfVariation(question.Value());
    SetBasis(StrengthBasis::Mean, question.Value());
}

void TForm1::SetBasis(StrengthBasis chosen, double cv)
{
    basis = chosen;
    basisCv = chosen == StrengthBasis::Mean ? cv : 0;
    ShowBasisChecked();
    // As picking the grade in the box again would.
    cbb1Change();
    // The steel window follows, with its own δs.
    SetSteelBasis(chosen);
}

void TForm1::ShowBasisChecked()
{
    QAction* item = basis == StrengthBasis::Mean     ? Mean1
                    : basis == StrengthBasis::Design ? Design1
                                                     : Characteristic1;
    item->setChecked(true);
    const BasisFieldLabels labels = FieldLabels(basis);
    for (const auto& [label, text] : {std::pair{lbl4, labels.fc}, {lbl5, labels.ec},
                                      {lbl7, labels.ft}, {lbl8, labels.et}}) {
        label->setText(tr(text));
        label->adjustSize();
    }
}
