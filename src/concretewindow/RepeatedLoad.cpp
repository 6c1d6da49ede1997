// Tools ▸ Repeated Load…: the repeated-load chart over the concretes and steels of the session.

#include <QCoreApplication>

#include "concretewindow/Unit1.h"
#include "dialogs/RepeatedLoadDialog.h"
#include "platform/Platform.h"

void TForm1::RepeatedLoad1Click()
{
    if (concretes.empty() && steels.empty()) {
        MessageDlg(this, Platform::MsgKind::Information,
                   QCoreApplication::translate("RepeatedLoadDialog",
                                               "Create a concrete or a steel first: their paths "
                                               "under repeated load are drawn here."));
        return;
    }
    // Modal: the lists cannot change under it, the steel window included.
    RepeatedLoadDialog dialog(concretes, steels, this);
    dialog.SetDecimalSeparator(DecimalSeparator());
    dialog.exec();
}
