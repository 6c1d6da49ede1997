#pragma once

#include <QMainWindow>
#include <QPointer>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/FitTestDataDialog.h"
#include "model/Concrete.h"
#include "model/Registry.h"
#include "model/StrengthBasis.h"
#include "steel/SteelRegistry.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class TChart;
class TRzCheckList;
class TRzFieldStatus;
class TRzStatusBar;
class TSteelForm;
struct TRzSelectFolderDialog;
struct TSaveDialog;

// The main window: the definition of a new concrete, the two curve charts, the list of created
// concretes and the commands on them. Its handlers live beside it in src/concretewindow, a file
// a concern (the definition, creating, the list and charts, library files, export, the Basis
// menu, the steel window, the shell); Wire() binds them all in one place.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(QWidget* owner = nullptr);
    ~TForm1() override;

    // Controls, named as their object names.
    QGroupBox* grp1;
    QLabel* lbl1;
    QLineEdit* edt1;
    QLabel* lbl2;
    QComboBox* cbb1;
    QLabel* lbl3;
    QLineEdit* edt2;
    QLabel* lbl4;
    QLineEdit* edt3;
    QLabel* lbl5;
    QLineEdit* edt4;
    QLabel* lbl6;
    QLineEdit* edt5;
    QLabel* lbl7;
    QLabel* lbl8;
    QLabel* lbl9;
    QLineEdit* edt6;
    QLineEdit* edt7;
    QLineEdit* edt8;
    QLabel* lbl10;
    QLineEdit* edt9;
    QLineEdit* edt10;
    QLabel* lbl11;
    QPushButton* btn1;
    QGroupBox* grp2;
    QGroupBox* grp3;
    QPushButton* btn2;
    QPushButton* btn3;
    QPushButton* btn4;
    QPushButton* btn5;
    TRzCheckList* lst1;
    TRzStatusBar* rzstsbr1;
    QMenuBar* mm1;
    QMenu* File1;
    QMenu* Edit1;
    QMenu* About1;
    QGroupBox* grp4;
    TChart* cht2;
    std::unique_ptr<TRzSelectFolderDialog> rzslctfldrdlg1;
    std::unique_ptr<TSaveDialog> dlgSave1;
    QAction* About2;
    QAction* CreateConcrete1;
    QAction* Delete1;
    QAction* DeleteAll1;
    QAction* SavePicture1;
    QAction* SaveData1;
    TChart* cht1;
    TRzFieldStatus* rzfldsts1;
    TRzFieldStatus* rzfldsts2;
    TRzFieldStatus* rzfldsts3;

    // The File menu: library files, solver input and report pictures.
    QAction* OpenLibrary1;
    QAction* SaveLibrary1;
    QAction* SaveLibraryAs1;
    QAction* ExportAbaqus1;
    QAction* ExportOpenSees1;
    QAction* SavePicturesAs1;
    QAction* ReinforcingSteel1;
    QAction* FitTestData1;

    // The Tools menu: the repeated-load chart of the concretes and steels.
    QMenu* Tools1;
    QAction* RepeatedLoad1;

    // The Basis menu: which strengths picking a grade fills in; exclusive choices.
    QMenu* Basis1;
    QAction* Characteristic1;
    QAction* Mean1;
    QAction* Design1;

    // Event handlers.
    void cbb1Change();
    void FormDestroy();
    void btn1Click();
    void btn2Click();
    void btn3Click();
    void edt3Change();
    void edt8Change();
    void lst1Change();
    void btn4Click();
    void btn5Click();
    void About2Click();
    void rzfldsts2Click();
    void rzfldsts2MouseLeave();
    void rzfldsts2MouseMove();
    void OpenLibrary1Click();      // LibraryCommands.cpp
    void SaveLibrary1Click();      // LibraryCommands.cpp
    void SaveLibraryAs1Click();    // LibraryCommands.cpp
    void ExportAbaqus1Click();     // SolverExport.cpp
    void ExportOpenSees1Click();   // SolverExport.cpp
    void SavePicturesAs1Click();   // Export.cpp
    void ReinforcingSteel1Click(); // SteelCommands.cpp
    void FitTestData1Click();      // FitTestData.cpp
    void Characteristic1Click();   // BasisMenu.cpp
    void Mean1Click();             // BasisMenu.cpp
    void Design1Click();           // BasisMenu.cpp
    void RepeatedLoad1Click();     // RepeatedLoad.cpp

    // The basis the grade fills on, and δc when it is mean (0 otherwise). New concretes
    // carry them.
    StrengthBasis Basis() const { return basis; }
    double BasisCv() const { return basisCv; }

    // The definition last validated; strains in m/m.
    std::string ConcreteName;
    double Ec = 0;
    double fck = 0;
    double ftk = 0;
    double eck = 0;
    double etk = 0;
    double ac = 0;
    double at = 0;
    double ecmax = 0;
    double etmax = 0;

    // The registry: every created concrete, in creation order, with its shown flag, which
    // follows the row's check box.
    ConcreteRegistry concretes;
    // The reinforcing steels, likewise; the steel window shows and edits them, the library
    // files keep them beside the concretes.
    SteelRegistry steels;

    // The steel window, made on first use and kept (hidden when closed) until this window
    // goes; File ▸ Reinforcing Steel… shows and raises it.
    TSteelForm* SteelForm();
    // The basis the steel grades fill in on: the one hook for the strength-basis choice, which
    // the steel window follows at once and starts with when it is made. Its δs is the steel
    // window's own.
    void SetSteelBasis(StrengthBasis basis);

    bool ValidateDefinition();
    bool ConcreteExists(std::string name) const;
    void DeleteConcrete(std::string name);
    void DeleteAllConcretes();
    void ShowConcreteCurves(const std::string& name, bool visible);

    // A concrete fitted to test data (FitTestData.cpp): its values go into the definition
    // fields and Create Concrete runs, with its checks and refusals; once the concrete is made,
    // the measured points join the charts as test series. True when the concrete was made.
    bool CreateFittedConcrete(const FitTestDataDialog::Fitted& fitted);

    // Library files (LibraryCommands.cpp). Replaces the list with the library at path, curves
    // rebuilt as Create Concrete builds them; a refused file leaves the list as it was and is
    // reported in a box. Returns whether the library was opened.
    bool OpenLibraryFile(const QString& path);
    // The file the list was last opened from or saved to; empty when there is none.
    QString LibraryPath() const { return libraryPath; }
    // Whether the list changed since it was last opened from or saved to a file.
    bool LibraryModified() const;

    // The user's decimal separator, read from the system locale at start-up.
    char DecimalSeparator() const { return decimalSeparator; }
    // Switches every number the window reads or prints, chart labels included, to another
    // separator; tests use it to stand in for a locale whose separator is a comma.
    void SetDecimalSeparator(char separator);

protected:
    // Closing asks about unsaved library changes first; dropping a library file opens it.
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // False when the user cancels or saving fails: the list must then stay.
    bool MayReplaceLibrary();
    bool SaveLibraryForQuestion();
    // The Save As dialog; false when the user cancelled.
    bool SaveLibraryAs();
    void SaveLibraryTo(const QString& path);
    void ReplaceList(ConcreteRegistry loaded);

    QString libraryPath;
    std::uint64_t savedRevision = 0;
    std::uint64_t savedSteelRevision = 0;
    QPointer<TSteelForm> steelForm;
    StrengthBasis steelBasis = StrengthBasis::Characteristic;

    void BuildControls();
    void BuildMenu();

    // Axes, grid, legend and zoom of both charts (Registry.cpp).
    void SetUpCharts();
    // Program icon and the website link's text (Shell.cpp).
    void SetUpShell();
    // Every control and menu item and the handler it runs.
    void Wire();

    // Runs a handler so that an exception escaping it reaches the error box.
    void Run(void (TForm1::*handler)());

    // Changes the basis and refills the fields for the grade in the box.
    void SetBasis(StrengthBasis chosen, double cv);
    // Checks the menu item of the current basis (after a cancelled choice).
    void ShowBasisChecked();

    char decimalSeparator = '.';
    StrengthBasis basis = StrengthBasis::Characteristic;
    double basisCv = 0;
};
