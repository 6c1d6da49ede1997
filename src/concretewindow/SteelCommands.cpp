// File ▸ Reinforcing Steel…: the steel window beside the main one, one of it for the run.

#include <QScreen>
#include <algorithm>

#include "concretewindow/Unit1.h"
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
        // Beside the main window, on the side where the screen has room for it; where neither
        // side has, as far right as the screen allows.
        const QRect main = frameGeometry();
        const QRect room = screen() ? screen()->availableGeometry() : QRect();
        const QSize frame = form->frameGeometry().size().expandedTo(form->size());
        QPoint at(main.right() + 1, main.top());
        if (room.isValid() && at.x() + frame.width() > room.right() + 1) {
            if (main.left() - frame.width() >= room.left())
                at.setX(main.left() - frame.width());
            else
                at.setX(std::max(room.left(), room.right() + 1 - frame.width()));
        }
        if (room.isValid())
            at.setY(std::clamp(at.y(), room.top(),
                               std::max(room.top(), room.bottom() + 1 - frame.height())));
        form->move(at);
        form->show();
    }
    form->raise();
    form->activateWindow();
}
