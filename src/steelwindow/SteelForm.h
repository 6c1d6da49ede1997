#pragma once

#include <QWidget>
#include <string>

#include "model/StrengthBasis.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SteelRegistry;
class TChart;
class TRzCheckList;
struct SteelValues;

// The reinforcing-steel window: the definition of a new steel, the list of steels with their
// check boxes and one chart of σ against ε. It shows and edits the registry of the main window
// it belongs to, so library files, the question about unsaved changes and the pictures see
// every change made here. Its handlers read like the concrete window's.
class TSteelForm : public QWidget {
    Q_OBJECT

public:
    // owner holds steels and outlives the window.
    TSteelForm(SteelRegistry& steels, char decimalSeparator, QWidget* owner);

    // Controls, named as their object names.
    QGroupBox* grp1;
    QLabel* lbl1;
    QLineEdit* edt1;  // name
    QLabel* lbl2;
    QComboBox* cbb1;  // grade, or any name typed
    QLabel* lbl3;
    QLineEdit* edt2;  // Es
    QLabel* lbl4;
    QLineEdit* edt3;  // fy,r
    QLabel* lbl5;
    QLineEdit* edt4;  // fst,r
    QLabel* lbl6;
    QLineEdit* edt5;  // εy, derived, read-only
    QLabel* lbl7;
    QLineEdit* edt6;  // εuy
    QLabel* lbl8;
    QLineEdit* edt7;  // εu
    QPushButton* btn1;
    QGroupBox* grp3;
    QPushButton* btn2;
    QPushButton* btn3;
    TRzCheckList* lst1;
    QGroupBox* grp2;
    TChart* cht1;

    // Event handlers.
    void cbb1Change();
    void edt2Change();  // also runs for edt3: εy follows Es and fy,r
    void btn1Click();   // Create Steel
    void btn2Click();   // Delete
    void btn3Click();   // Delete All
    void lst1Change();

    // The basis the grades fill the fields on. Changing it refills the fields for the grade in
    // the box, as picking it again would; the main window's basis choice calls it.
    void SetBasis(StrengthBasis basis, double cv);
    StrengthBasis Basis() const { return basis; }

    // The list and the chart drawn anew from the registry, after it was replaced as a whole
    // (a library opened).
    void Rebuild();

    void SetDecimalSeparator(char separator);
    char DecimalSeparator() const { return decimalSeparator; }

private:
    void BuildControls();
    void Wire();
    // Reads and checks the definition; the first problem is reported with the focus on its
    // field. False then.
    bool ValidateSteel(SteelValues& values);
    void DeleteSteel(const std::string& name);
    void DeleteAllSteels();
    void ShowSteelCurve(const std::string& name, bool visible);
    void Run(void (TSteelForm::*handler)());
    // εuy's tooltip: the proposed value is an assumption, to be replaced by test data.
    void SetAssumptionTips();

    SteelRegistry& steels;
    char decimalSeparator;
    StrengthBasis basis = StrengthBasis::Characteristic;
    double cv = 0;
};
