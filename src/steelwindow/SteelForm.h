#pragma once

#include <QWidget>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>

#include "model/StrengthBasis.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class CSteel;
class SteelRegistry;
class TChart;
class TRzCheckList;
struct SteelValues;
struct TSaveDialog;

// The reinforcing-steel window: the definition of a new steel, the list of steels with their
// check boxes and one chart of σ against ε. It shows and edits the registry of the main window
// it belongs to, so library files, the question about unsaved changes and the pictures see
// every change made here. Its handlers read like the concrete window's.
class TSteelForm : public QWidget {
    Q_OBJECT

public:
    // owner holds steels and outlives the window.
    TSteelForm(SteelRegistry& steels, char decimalSeparator, QWidget* owner);
    ~TSteelForm() override;

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
    QLabel* lbl9;
    QLineEdit* edt8;  // δs, the bars' coefficient of variation: mean basis only
    QPushButton* btn1;
    QGroupBox* grp3;
    QPushButton* btn2;
    QPushButton* btn3;
    QPushButton* btn4;  // Save Data
    TRzCheckList* lst1;
    QGroupBox* grp2;
    TChart* cht1;

    // Event handlers.
    void cbb1Change();
    void edt2Change();  // also runs for edt3: εy follows Es and fy,r
    void edt8Change();  // a new δs refills the grade's strengths on the mean basis
    void btn1Click();   // Create Steel
    void btn2Click();   // Delete
    void btn3Click();   // Delete All
    void btn4Click();   // Save Data: the steel CSV file of tarvolin-cli steel-csv
    void lst1Change();

    // The basis the grades fill the fields on. Changing it refills the fields for the grade in
    // the box, as picking it again would; the main window's basis choice calls it. On the mean
    // basis the strengths come from δs, the steel's own coefficient of variation, typed in
    // edt8 (the concretes' δc says nothing about bars).
    void SetBasis(StrengthBasis basis);
    StrengthBasis Basis() const { return basis; }

    // The list and the chart drawn anew from the registry; runs whenever the registry is
    // replaced as a whole (a library opened).
    void Rebuild();

    void SetDecimalSeparator(char separator);
    char DecimalSeparator() const { return decimalSeparator; }

    // The strength basis of a steel in words, as its row's tooltip shows it.
    QString BasisText(const CSteel& steel) const;

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
    std::unique_ptr<TSaveDialog> dlgSave1;
    std::size_t replacedSubscription = 0;
    char decimalSeparator;
    // δs as edt8 holds it, or nothing when it does not read as a valid one.
    std::optional<double> TypedCv() const;

    StrengthBasis basis = StrengthBasis::Characteristic;
};
