#include <QCoreApplication>
#include <vector>

#include "concretewindow/Unit1.h"
#include "dialogs/SolverExportDialog.h"
#include "platform/Platform.h"

namespace {

// Opens the export dialog over every concrete, each checked as its row in the list is, and
// every steel.
void OpenSolverExport(TForm1* form, SolverExportDialog::Solver solver)
{
    // Steels alone are written as they are: the dialog leaves the concretes' part out.
    if (form->concretes.empty() && form->steels.empty()) {
        MessageDlg(form, Platform::MsgKind::Information,
                   QCoreApplication::translate("TForm1", "No concretes have been create!."));
        return;
    }
    std::vector<SolverExportDialog::Entry> entries;
    for (std::size_t i = 0; i < form->concretes.size(); ++i)
        entries.push_back({&form->concretes.at(i), form->concretes.Shown(i)});
    // The steels of the steel window beside them, checked as their rows are.
    std::vector<SteelExportPanel::Entry> steels;
    for (std::size_t i = 0; i < form->steels.size(); ++i)
        steels.push_back({&form->steels.at(i), form->steels.Shown(i)});
    SolverExportDialog dialog(solver, std::move(entries), std::move(steels), form);
    dialog.SetDecimalSeparator(form->DecimalSeparator());
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
