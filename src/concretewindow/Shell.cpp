#include <memory>

#include "concretewindow/StatusBar.h"
#include "concretewindow/Unit1.h"
#include "dialogs/About.h"
#include "platform/Website.h"

void TForm1::SetUpShell()
{
    setWindowIcon(ProgramIcon());

    rzfldsts2->setText(QLatin1Char(' ') + QString::fromLatin1(WebsiteAddress));
    SetLinkLook(rzfldsts2, LinkLook::Normal);
}

void TForm1::About2Click()
{
    // The dialog goes and AboutBox is cleared however the modal run ends.
    struct Forget {
        ~Forget() { AboutBox = nullptr; }
    } forget;
    std::unique_ptr<TAboutBox> box(new TAboutBox(this));
    AboutBox = box.get();
    box->exec();
}

void TForm1::rzfldsts2MouseMove()
{
    SetLinkLook(rzfldsts2, LinkLook::Hover);
}

void TForm1::rzfldsts2MouseLeave()
{
    SetLinkLook(rzfldsts2, LinkLook::Normal);
}

void TForm1::rzfldsts2Click()
{
    OpenWebsite();
}
