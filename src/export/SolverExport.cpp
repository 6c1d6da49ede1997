#include <vector>

#include "app/Platform.h"
#include "app/Unit1.h"
#include "export/SolverExportDialog.h"
#include "library/CheckList.h"

namespace {

// Opens the export dialog over every concrete, each checked as its row in the list is.
void OpenSolverExport(TForm1* form, SolverExportDialog::Solver solver)
{
    if (form->concretes.empty()) {
        MessageDlg(form, Platform::MsgKind::Information,
                   QStringLiteral("No concretes have been create!."));
        return;
    }
    std::vector<SolverExportDialog::Entry> entries;
    for (const auto& c : form->concretes) {
        bool checked = true;
        for (int i = 0; i < form->lst1->Count(); ++i)
            if (form->lst1->ItemText(i).toUtf8().toStdString() == c->ConcreteName) {
                checked = form->lst1->ItemChecked(i);
                break;
            }
        entries.push_back({c.get(), checked});
    }
    SolverExportDialog dialog(solver, std::move(entries), form);
    dialog.exec();
}

}  // namespace

void TForm1::ExportAbaqus1Click()
{
    OpenSolverExport(this, SolverExportDialog::Solver::Abaqus);
}

void TForm1::ExportOpenSees1Click()
{
    OpenSolverExport(this, SolverExportDialog::Solver::OpenSees);
}
