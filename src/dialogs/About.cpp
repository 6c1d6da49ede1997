#include "dialogs/About.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "chart/Chart.h"
#include "platform/Website.h"

TAboutBox* AboutBox = nullptr;

// The resources live in a static library; without this reference the linker would drop them
// from the executable. (Kept outside any namespace, as the registration function is global.)
static void LoadResources()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(tarvolin);
        return true;
    }();
    (void)loaded;
}

namespace {

// The main window's face.
QFont PixelFont(int pixels, bool bold)
{
    QFont font = ChartFont();
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel* MakeLabel(QLabel* label, const char* name, int left, int top, const QString& text,
                  int pixels = 12, bool bold = true)
{
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(PixelFont(pixels, bold));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    label->setText(text);
    label->move(left, top);
    label->adjustSize();
    return label;
}

// A label that wraps its text within a fixed box.
void WrapWithin(QLabel* label, int width, int height)
{
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The original's box, or as much more of the row as a translation's wider line needs.
    const int needed = QFontMetrics(label->font()).horizontalAdvance(label->text());
    const int edge = label->parentWidget() ? label->parentWidget()->width() - label->x() : width;
    label->resize(std::clamp(needed, width, std::max(width, edge)), height);
}

}  // namespace

QIcon ProgramIcon()
{
    LoadResources();
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/tarvolin-%1.png").arg(size), QSize(size, size));
    return icon;
}

TAboutBox::TAboutBox(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("About Tarvolin"));
    // A dialog border: fixed size, a close box, no help button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(582, 222);
    setFont(PixelFont(11, false));
    setAutoFillBackground(true);
    QPalette face = palette();
    face.setColor(QPalette::Window, palette().color(QPalette::Button));
    setPalette(face);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(7, 7, 566, 176);
    // A sunken outer and a raised inner edge: the etched frame.
    Panel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Panel1->setLineWidth(1);
    Panel1->setMidLineWidth(0);
    Panel1->setFocusPolicy(Qt::NoFocus);

    img1 = new QLabel(Panel1);
    img1->setObjectName(QStringLiteral("img1"));
    img1->setGeometry(19, 12, 80, 80);
    img1->setScaledContents(true);
    img1->setPixmap(ProgramIcon().pixmap(QSize(80, 80)));

    ProductName = MakeLabel(new QLabel(Panel1), "ProductName", 99, 9, QString(), 16, true);
    lbl3 = MakeLabel(new QLabel(Panel1), "lbl3", 123, 10, QStringLiteral("Tarvolin"), 16, false);
    lbl1 = MakeLabel(new QLabel(Panel1), "lbl1", 122, 35,
                     QStringLiteral("\u6DF7\u51DD\u571F\u672C\u6784\u66F2\u7EBF"));
    Version = MakeLabel(new QLabel(Panel1), "Version", 122, 54,
                        tr("Version %1").arg(QLatin1String(TARVOLIN_VERSION)));
    lbl4 = MakeLabel(new QLabel(Panel1), "lbl4", 122, 71, tr("Author : Quessel"));
    lbl8 = MakeLabel(new QLabel(Panel1), "lbl8", 194, 90,
                     tr("Affiliation : independent developer"));
    WrapWithin(lbl8, 369, 26);
    lbl9 = MakeLabel(new QLabel(Panel1), "lbl9", 194, 109,
                     tr("Mail : quessel@example.org"));
    WrapWithin(lbl9, 165, 26);
    lbl10 = MakeLabel(new QLabel(Panel1), "lbl10", 194, 128,
                      tr("Matrix : @quessel:example.org"));
    lbl7 = MakeLabel(new QLabel(Panel1), "lbl7", 194, 148, tr("Website : "));
    lbl6 = new TMouseLabel(Panel1);
    MakeLabel(lbl6, "lbl6", 253, 148, QString::fromLatin1(WebsiteAddress));
    SetLinkLook(lbl6, LinkLook::Normal);

    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(254, 190, 74, 25);
    OKButton->setDefault(true);
    OKButton->setFocus(Qt::OtherFocusReason);

    connect(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
    connect(lbl6, &TMouseLabel::Click, this, &TAboutBox::lbl6Click);
    connect(lbl6, &TMouseLabel::MouseLeave, this, &TAboutBox::lbl6MouseLeave);
    connect(lbl6, &TMouseLabel::MouseMove, this, &TAboutBox::lbl6MouseMove);
}

void TAboutBox::OKButtonClick()
{
    // OK's modal result; nobody looks at it.
    accept();
}

void TAboutBox::lbl6Click()
{
    OpenWebsite();
}

void TAboutBox::lbl6MouseLeave()
{
    SetLinkLook(lbl6, LinkLook::Normal);
}

void TAboutBox::lbl6MouseMove()
{
    SetLinkLook(lbl6, LinkLook::Hover);
}
