#include <QAction>
#include <memory>

#include "app/About.h"
#include "app/StatusBar.h"
#include "app/Unit1.h"
#include "app/Website.h"

void TForm1::WireShell()
{
    setWindowIcon(ProgramIcon());

    rzfldsts2->setText(QLatin1Char(' ') + QString::fromLatin1(WebsiteAddress));
    SetLinkLook(rzfldsts2, LinkLook::Normal);

    connect(About2, &QAction::triggered, this, [this] { Run(&TForm1::About2Click); });
    connect(rzfldsts2, &TRzFieldStatus::MouseMove, this, [this] { Run(&TForm1::rzfldsts2MouseMove); });
    connect(rzfldsts2, &TRzFieldStatus::MouseLeave, this,
            [this] { Run(&TForm1::rzfldsts2MouseLeave); });
    connect(rzfldsts2, &TRzFieldStatus::Click, this, [this] { Run(&TForm1::rzfldsts2Click); });
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
