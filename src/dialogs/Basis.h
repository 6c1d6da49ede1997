#pragma once

#include <QDialog>
#include <QString>

#include "model/StrengthBasis.h"

class CConcrete;
class QLabel;
class QLineEdit;
class QPushButton;

// The strength basis in the window: its words, the question for δc and where δc is kept
// between runs.

// "Characteristic values (fc,k, ft,k)", "Mean values (fcm, ftm), δc = 0.1" (δc with the
// separator), "Design values (fc, ft)".
QString BasisDescription(StrengthBasis basis, double cv, char separator);
QString BasisDescription(const CConcrete& concrete, char separator);

// The note on a grade outside the range the law is stated for; empty inside it.
QString GradeRangeNote(double grade, char separator);

// δc as the user last confirmed it, kept across runs in the user's settings; 0 when never
// confirmed (or when what is stored is no valid δc).
double RememberedCoefficientOfVariation();
void RememberCoefficientOfVariation(double cv);

// Asks for δc: one field, OK and Cancel. OK accepts only 0 < δc < 0.6; anything else is
// refused in a warning box with the focus back on the field.
class TCvDialog : public QDialog {
    Q_OBJECT

public:
    TCvDialog(double cv, char separator, QWidget* parent = nullptr);

    // The value confirmed with OK.
    double Value() const { return value; }

    QLabel* lbl1;
    QLineEdit* edt1;
    QPushButton* btn1;  // OK
    QPushButton* btn2;  // Cancel

private:
    void btn1Click();

    char separator;
    double value = 0;
};
