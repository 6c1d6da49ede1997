#include "concretewindow/Unit1.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QFontMetrics>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "chart/Chart.h"
#include "concretewindow/StatusBar.h"
#include "dialogs/PictureExport.h"
#include "model/NumberText.h"
#include "platform/CheckList.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/RunGuarded.h"
#include "steelwindow/SteelForm.h"

namespace {

// Every text of the window is in the charts' family, at its own size.
QFont PixelFont(int pixels, bool bold = false)
{
    QFont font = ChartFont();
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

const QColor kNavy(0, 0, 128);
const QColor kGreen(0, 128, 0);
// A compression or tension row: navy or green, bold label, 12-pixel font.
void StyleRow(QLabel* label, QLineEdit* edit, const QColor& colour)
{
    label->setFont(PixelFont(12, true));
    Colour(label, QPalette::WindowText, colour);
    label->adjustSize();
    edit->setFont(PixelFont(12));
    Colour(edit, QPalette::Text, colour);
}

char SystemDecimalSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 && point.at(0).unicode() < 0x80 ? point.at(0).toLatin1() : '.';
}

}  // namespace

TForm1::TForm1(QWidget* owner)
    : QMainWindow(owner),
      rzslctfldrdlg1(std::make_unique<TRzSelectFolderDialog>()),
      dlgSave1(std::make_unique<TSaveDialog>()),
      decimalSeparator(SystemDecimalSeparator())
{
    BuildControls();
    BuildMenu();

    SetUpCharts();
    SetUpShell();
    Wire();
    // A library file dropped anywhere on the window opens.
    setAcceptDrops(true);

    // Folder of the executable, with its trailing separator, for both dialogs.
    const QString exeFolder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    rzslctfldrdlg1->SelectedPathName = exeFolder;
    dlgSave1->InitialDir = exeFolder;
    dlgSave1->Filter = tr("CSV files (*.csv)");
    dlgSave1->DefaultExt = QStringLiteral("csv");
}

TForm1::~TForm1()
{
    // The steel window works on this window's registry, which goes before the child widgets do.
    delete steelForm;
    FormDestroy();
}

void TForm1::BuildControls()
{
    setWindowTitle(tr("Tarvolin (based on GB 50010-2010) (by Quessel)"));
    setFont(ChartFont());

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(938, 491);
    setCentralWidget(client);

    grp1 = Make<QGroupBox>(client, "grp1", 6, 1, 333, 318);
    grp1->setTitle(tr("Define Concrete"));

    lbl1 = MakeLabel(grp1, "lbl1", 10, 21, tr("Concrete Name"));
    edt1 = Make<QLineEdit>(grp1, "edt1", 200, 18, 123, 21);
    edt1->setText(QStringLiteral("Con_20"));
    lbl2 = MakeLabel(grp1, "lbl2", 10, 46, tr("Strength Grade fcu,k (N/mm2)"));
    cbb1 = Make<QComboBox>(grp1, "cbb1", 200, 42, 123, 21);
    cbb1->setEditable(true);
    // Inline completion would turn a typed "2" into "20"; the box must show what was typed.
    cbb1->setCompleter(nullptr);
    cbb1->setInsertPolicy(QComboBox::NoInsert);
    for (int grade = 15; grade <= 80; grade += 5)
        cbb1->addItem(QString::number(grade));
    cbb1->setCurrentIndex(1);
    lbl3 = MakeLabel(grp1, "lbl3", 10, 70, tr("Modulus of elasticity Ec (N/mm2)"));
    edt2 = Make<QLineEdit>(grp1, "edt2", 200, 67, 123, 21);

    lbl4 = MakeLabel(grp1, "lbl4", 10, 94, tr("Axial Compression strength fc,k (N/mm2)"));
    edt3 = Make<QLineEdit>(grp1, "edt3", 249, 91, 74, 21);
    lbl5 = MakeLabel(grp1, "lbl5", 10, 119,
                     tr("Strain at Peak Comp. Stress  εc,k  (10-6)"));
    edt4 = Make<QLineEdit>(grp1, "edt4", 250, 115, 74, 21);
    lbl6 = MakeLabel(grp1, "lbl6", 10, 143, tr("Shape parameter for Compression  ac"));
    edt5 = Make<QLineEdit>(grp1, "edt5", 250, 140, 74, 21);
    lbl10 = MakeLabel(grp1, "lbl10", 10, 167,
                      tr("Ultimate strain for Comp.  εmax,c"));
    edt9 = Make<QLineEdit>(grp1, "edt9", 250, 164, 74, 21);
    // The default end strain is shown with the user's separator so that it reads back as typed.
    edt9->setText(QString::fromStdString(FormatFloat("0.000", 0.016, decimalSeparator)));

    lbl7 = MakeLabel(grp1, "lbl7", 10, 192, tr("Axial Tension strength ft,k (N/mm2)"));
    edt8 = Make<QLineEdit>(grp1, "edt8", 250, 189, 74, 21);
    lbl8 = MakeLabel(grp1, "lbl8", 10, 216,
                     tr("Strain at Peak Tensile Stress  εt,k  (10-6)"));
    edt7 = Make<QLineEdit>(grp1, "edt7", 250, 213, 74, 21);
    lbl9 = MakeLabel(grp1, "lbl9", 10, 241, tr("Shape parameter for Tension  at"));
    edt6 = Make<QLineEdit>(grp1, "edt6", 250, 237, 74, 21);
    lbl11 = MakeLabel(grp1, "lbl11", 10, 265,
                      tr("Ultimate strain for Tension  εmax,t  (10-6)"));
    edt10 = Make<QLineEdit>(grp1, "edt10", 250, 262, 74, 21);
    edt10->setText(QStringLiteral("700"));

    btn1 = Make<QPushButton>(grp1, "btn1", 10, 287, 314, 24);
    btn1->setText(tr("Create Concrete"));

    for (auto [label, edit] : {std::pair{lbl4, edt3}, {lbl5, edt4}, {lbl6, edt5}, {lbl10, edt9}})
        StyleRow(label, edit, kNavy);
    for (auto [label, edit] : {std::pair{lbl7, edt8}, {lbl8, edt7}, {lbl9, edt6}, {lbl11, edt10}})
        StyleRow(label, edit, kGreen);
    for (QLineEdit* edit : {edt2, edt3, edt4, edt5, edt6, edt7, edt8})
        Colour(edit, QPalette::Base, kActiveCaption);

    grp2 = Make<QGroupBox>(client, "grp2", 344, 1, 589, 240);
    grp2->setTitle(tr("Compression"));
    cht1 = Make<TChart>(grp2, "cht1", 2, 15, 585, 223);

    grp3 = Make<QGroupBox>(client, "grp3", 6, 319, 333, 143);
    grp3->setTitle(tr("Control"));
    btn2 = Make<QPushButton>(grp3, "btn2", 10, 16, 127, 25);
    btn2->setText(tr("Delete"));
    btn3 = Make<QPushButton>(grp3, "btn3", 10, 48, 127, 25);
    btn3->setText(tr("Delete All"));
    btn4 = Make<QPushButton>(grp3, "btn4", 10, 80, 127, 25);
    btn4->setText(tr("Save Picture"));
    btn5 = Make<QPushButton>(grp3, "btn5", 10, 112, 127, 25);
    btn5->setText(tr("Save Data"));
    lst1 = Make<TRzCheckList>(grp3, "lst1", 147, 16, 177, 121);

    grp4 = Make<QGroupBox>(client, "grp4", 344, 242, 589, 220);
    grp4->setTitle(tr("Tension"));
    cht2 = Make<TChart>(grp4, "cht2", 2, 15, 585, 203);

    rzstsbr1 = Make<TRzStatusBar>(client, "rzstsbr1", 0, 466, 938, 25);
    rzfldsts3 = Make<TRzFieldStatus>(rzstsbr1, "rzfldsts3", 0, 0, 63, 25);
    rzfldsts3->setText(QStringLiteral("  Quessel"));
    // Below the original 15 pixels as far as the 63-pixel pane needs: Liberation Sans bold at
    // 15 makes "  Quessel" 67 pixels wide, at 14 it fits; Windows' hinting may need one more.
    for (int pixels = 15; pixels >= 12; --pixels) {
        rzfldsts3->setFont(PixelFont(pixels, true));
        if (QFontMetrics(rzfldsts3->font()).horizontalAdvance(rzfldsts3->text()) <=
            rzfldsts3->contentsRect().width())
            break;
    }
    rzfldsts1 = Make<TRzFieldStatus>(rzstsbr1, "rzfldsts1", 63, 0, 173, 25);
    rzfldsts1->setText(tr("  Welcome to my Website :"));
    rzfldsts1->setFont(PixelFont(12, true));
    rzfldsts2 = Make<TRzFieldStatus>(rzstsbr1, "rzfldsts2", 236, 0, 121, 25);
    rzfldsts2->setFont(PixelFont(12, true));
    rzfldsts2->setMargin(3);

    // Enter, Return and keypad Enter press the focused button, as Space does; a button of a
    // main window does not do so unless it is told to.
    for (QPushButton* button : client->findChildren<QPushButton*>())
        button->setAutoDefault(true);

    // Tab order inside the definition group: after ac the focus climbs the tension rows
    // (at, etk, ftk), then goes to the end strains and the button.
    QWidget* order[] = {edt1, cbb1, edt2, edt3, edt4, edt5, edt6,  edt7,
                        edt8, edt9, edt10, btn1, btn2, btn3, btn4, btn5, lst1};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    // A fixed single border: the window keeps the size of its contents and opens centred.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    if (const QScreen* display = screen())
        move(display->availableGeometry().center() - rect().center());
}

void TForm1::BuildMenu()
{
    mm1 = menuBar();
    mm1->setObjectName(QStringLiteral("mm1"));
    auto addItem = [](QMenu* menu, const char* name, const QString& caption) {
        QAction* item = menu->addAction(caption);
        item->setObjectName(QLatin1String(name));
        return item;
    };

    // Edit and About carry no mnemonics, so the File menu's Alt+F (and F10, the usual key
    // for the menu bar) is the keyboard's way into the menu bar; the arrow keys then reach
    // Edit and About too.
    File1 = mm1->addMenu(tr("&File"));
    File1->setObjectName(QStringLiteral("File1"));
    OpenLibrary1 = addItem(File1, "OpenLibrary1", tr("&Open Library…"));
    OpenLibrary1->setShortcut(QKeySequence::Open);
    SaveLibrary1 = addItem(File1, "SaveLibrary1", tr("&Save Library"));
    SaveLibrary1->setShortcut(QKeySequence::Save);
    SaveLibraryAs1 = addItem(File1, "SaveLibraryAs1", tr("Save Library &As…"));
    SaveLibraryAs1->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    File1->addSeparator();
    ExportAbaqus1 = addItem(File1, "ExportAbaqus1", tr("&Export for Abaqus…"));
    ExportOpenSees1 =
        addItem(File1, "ExportOpenSees1", tr("Export for Ope&nSees…"));
    File1->addSeparator();
    SavePicturesAs1 =
        addItem(File1, "SavePicturesAs1", tr("Save &Pictures As…"));
    File1->addSeparator();
    FitTestData1 = addItem(File1, "FitTestData1", tr("&Fit to Test Data…"));
    File1->addSeparator();
    ReinforcingSteel1 = addItem(File1, "ReinforcingSteel1", tr("&Reinforcing Steel…"));

    // Between File and Edit; the specified menus keep their texts and order.
    Basis1 = mm1->addMenu(tr("&Basis"));
    Basis1->setObjectName(QStringLiteral("Basis1"));
    Characteristic1 =
        addItem(Basis1, "Characteristic1", tr("&Characteristic values (fc,k, ft,k)"));
    Mean1 = addItem(Basis1, "Mean1", tr("&Mean values (fcm, ftm)…"));
    Design1 = addItem(Basis1, "Design1", tr("&Design values (fc, ft)"));
    auto* bases = new QActionGroup(this);
    bases->setExclusive(true);
    for (QAction* item : {Characteristic1, Mean1, Design1}) {
        item->setCheckable(true);
        bases->addAction(item);
    }
    Characteristic1->setChecked(true);

    // After Basis, likewise between File and Edit.
    Tools1 = mm1->addMenu(tr("&Tools"));
    Tools1->setObjectName(QStringLiteral("Tools1"));
    RepeatedLoad1 = addItem(Tools1, "RepeatedLoad1", tr("&Repeated Load…"));

    Edit1 = mm1->addMenu(tr("Edit"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    CreateConcrete1 = addItem(Edit1, "CreateConcrete1", tr("Create Concrete"));
    Delete1 = addItem(Edit1, "Delete1", tr("Delete"));
    DeleteAll1 = addItem(Edit1, "DeleteAll1", tr("Delete All"));
    SavePicture1 = addItem(Edit1, "SavePicture1", tr("Save Picture"));
    SaveData1 = addItem(Edit1, "SaveData1", tr("Save Data"));

    About1 = mm1->addMenu(tr("About"));
    About1->setObjectName(QStringLiteral("About1"));
    About2 = addItem(About1, "About2", tr("About Kestrafel"));

    auto* menuKey = new QAction(this);
    menuKey->setObjectName(QStringLiteral("MenuKey"));
    menuKey->setShortcut(Qt::Key_F10);
    addAction(menuKey);
    connect(menuKey, &QAction::triggered, this,
            [this] { mm1->setActiveAction(File1->menuAction()); });
}

void TForm1::Wire()
{
    // Every handler runs guarded, so an exception escaping it reaches the error box.
    const auto on = [this](auto* sender, auto signal, void (TForm1::*handler)()) {
        connect(sender, signal, this, [this, handler] { Run(handler); });
    };

    // editTextChanged comes with every keystroke and with every pick of an item that changes
    // the text; a field's textChanged only when its text really changes.
    on(cbb1, &QComboBox::editTextChanged, &TForm1::cbb1Change);
    on(edt3, &QLineEdit::textChanged, &TForm1::edt3Change);
    on(edt8, &QLineEdit::textChanged, &TForm1::edt8Change);

    // A menu item runs the very handler of the button with its caption.
    on(btn1, &QPushButton::clicked, &TForm1::btn1Click);
    on(CreateConcrete1, &QAction::triggered, &TForm1::btn1Click);
    on(btn2, &QPushButton::clicked, &TForm1::btn2Click);
    on(Delete1, &QAction::triggered, &TForm1::btn2Click);
    on(btn3, &QPushButton::clicked, &TForm1::btn3Click);
    on(DeleteAll1, &QAction::triggered, &TForm1::btn3Click);
    on(btn4, &QPushButton::clicked, &TForm1::btn4Click);
    on(SavePicture1, &QAction::triggered, &TForm1::btn4Click);
    on(btn5, &QPushButton::clicked, &TForm1::btn5Click);
    on(SaveData1, &QAction::triggered, &TForm1::btn5Click);
    on(lst1, &TRzCheckList::Change, &TForm1::lst1Change);

    on(About2, &QAction::triggered, &TForm1::About2Click);
    on(OpenLibrary1, &QAction::triggered, &TForm1::OpenLibrary1Click);
    on(SaveLibrary1, &QAction::triggered, &TForm1::SaveLibrary1Click);
    on(SaveLibraryAs1, &QAction::triggered, &TForm1::SaveLibraryAs1Click);
    on(ExportAbaqus1, &QAction::triggered, &TForm1::ExportAbaqus1Click);
    on(ExportOpenSees1, &QAction::triggered, &TForm1::ExportOpenSees1Click);
    on(SavePicturesAs1, &QAction::triggered, &TForm1::SavePicturesAs1Click);
    on(ReinforcingSteel1, &QAction::triggered, &TForm1::ReinforcingSteel1Click);
    on(FitTestData1, &QAction::triggered, &TForm1::FitTestData1Click);
    on(Characteristic1, &QAction::triggered, &TForm1::Characteristic1Click);
    on(Mean1, &QAction::triggered, &TForm1::Mean1Click);
    on(Design1, &QAction::triggered, &TForm1::Design1Click);
    on(RepeatedLoad1, &QAction::triggered, &TForm1::RepeatedLoad1Click);

    // A chart's own menu saves that chart alone, named after it.
    connect(cht1, &TChart::SaveImageAsRequested, this,
            [this] { SaveChartImageAs(this, cht1, QStringLiteral("Compression")); });
    connect(cht2, &TChart::SaveImageAsRequested, this,
            [this] { SaveChartImageAs(this, cht2, QStringLiteral("Tension")); });
    on(rzfldsts2, &TRzFieldStatus::MouseMove, &TForm1::rzfldsts2MouseMove);
    on(rzfldsts2, &TRzFieldStatus::MouseLeave, &TForm1::rzfldsts2MouseLeave);
    on(rzfldsts2, &TRzFieldStatus::Click, &TForm1::rzfldsts2Click);
}

void TForm1::SetDecimalSeparator(char separator)
{
    decimalSeparator = separator;
    cht1->SetDecimalSeparator(separator);
    cht2->SetDecimalSeparator(separator);
    if (steelForm)
        steelForm->SetDecimalSeparator(separator);
}

void TForm1::Run(void (TForm1::*handler)())
{
    RunGuarded([this, handler] { (this->*handler)(); });
}
