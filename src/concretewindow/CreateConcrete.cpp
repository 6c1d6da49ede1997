// "Create Concrete": turns the validated definition into a registered concrete with its row in
// the list and one curve on each chart.

#include <QGroupBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <new>

#include "concretewindow/ChartSetup.h"
#include "concretewindow/Unit1.h"
#include "dialogs/Basis.h"
#include "model/DefinitionRules.h"
#include "model/Sampling.h"
#include "platform/CheckList.h"
#include "platform/Platform.h"

namespace {

Definition ValidatedDefinition(const TForm1& form)
{
    return {form.ConcreteName, form.Ec,  form.fck, form.ftk,   form.eck,
            form.etk,          form.ac,  form.at,  form.etmax, form.ecmax};
}

QLineEdit* FieldEdit(const TForm1& form, DefinitionField field)
{
    switch (field) {
    case DefinitionField::Name: return form.edt1;
    case DefinitionField::Ec: return form.edt2;
    case DefinitionField::fck: return form.edt3;
    case DefinitionField::ftk: return form.edt8;
    case DefinitionField::eck: return form.edt4;
    case DefinitionField::etk: return form.edt7;
    case DefinitionField::ac: return form.edt5;
    case DefinitionField::at: return form.edt6;
    case DefinitionField::etmax: return form.edt10;
    case DefinitionField::ecmax: return form.edt9;
    }
    return form.edt1;
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
    if (const auto refusal = CheckCurves(ValidatedDefinition(*this))) {
        WarnAndFocus(this, FieldEdit(*this, refusal->field),
                     QString::fromStdString(refusal->message));
        return;
    }

    if (ConcreteExists(ConcreteName)) {
        WarnAndFocus(this, edt1,
             tr("Concrete with name: \"%1\" already exists! Please Input another Name.")
                 .arg(QString::fromUtf8(ConcreteName)));
        return;
    }

    auto created = std::make_unique<CConcrete>(ConcreteName, Ec, fck, ftk, ac, at, eck, etk,
                                               ecmax, etmax);
    // The strengths are the ones of the basis chosen now, whether the grade filled them or
    // the user typed them.
    created->basis = basis;
    created->cv = basisCv;
    const CConcrete* concrete = created.get();
    const QString title = QString::fromUtf8(ConcreteName);

    try {
        concretes.Add(std::move(created));
        // The row's text is the name, by which rows are found; the basis goes beside it.
        lst1->Add(title, BasisDescription(*concrete, DecimalSeparator()));
    } catch (const std::bad_alloc&) {
        // The registry stays as it was when its own growth failed; a failing row takes the
        // new entry back out.
        if (!concretes.empty() && concretes.back().get() == concrete)
            concretes.Remove(ConcreteName);
        MessageDlg(this, Platform::MsgKind::Warning, tr("Running out of Memory."));
        return;
    }

    try {
        AddConcreteCurves(cht1, cht2, *concrete);
    } catch (const std::bad_alloc&) {
        // Half a concrete would break the one-row-two-curves rule: take it all back.
        DeleteConcrete(ConcreteName);
        MessageDlg(this, Platform::MsgKind::Warning, tr("Running out of Memory."));
        return;
    }

    // Checked from code: lst1Change does not run.
    lst1->SetItemChecked(lst1->Count() - 1, true);

    // The definition is used up; what was typed into it need not be undone any more.
    StartNewUndoHistories(grp1);
}
