// File ▸ Reinforcing Steel…: the steel window beside the main one, one of it for the run.

#include <QScreen>

#include "concretewindow/Unit1.h"
#include "platform/ScreenFit.h"
#include "steelwindow/SteelForm.h"

TSteelForm* TForm1::SteelForm()
{
    if (!steelForm) {
        steelForm = new TSteelForm(steels, DecimalSeparator(), this);
        steelForm->SetBasis(steelBasis);
        // The library keeps the steels too: its keys work while the steel window is in front.
        steelForm->addActions({OpenLibrary1, SaveLibrary1, SaveLibraryAs1});
    }
    return steelForm;
}

void TForm1::SetSteelBasis(StrengthBasis basis)
{
    steelBasis = basis;
    if (steelForm)
        steelForm->SetBasis(basis);
}

void TForm1::ReinforcingSteel1Click()
{
    TSteelForm* form = SteelForm();
    if (!form->isVisible()) {
        // Beside the main window where the screen has room for it, else over it; never past
        // an edge of the main window's screen. A window not yet shown has no frame: it will get
        // one as large as the main window's.
        const QRect main = frameGeometry();
        const QSize frame =
            form->frameGeometry().size().expandedTo(form->size() + main.size() - size());
        if (const QScreen* display = screen())
            form->move(PlaceBeside(main, frame, display->availableGeometry()).topLeft());
        form->show();
    }
    form->raise();
    form->activateWindow();
}
