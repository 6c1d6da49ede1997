#pragma once

#include <QDialog>
#include <QIcon>

class QFrame;
class QLabel;
class QPushButton;
class TMouseLabel;

// The About dialog: the product's name, a few lines about it and its author, and the website
// link. It is built anew for every opening and destroyed when it closes.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* owner);

    QFrame* Panel1;
    QLabel* ProductName;
    QLabel* Version;
    QPushButton* OKButton;
    QLabel* lbl1;
    QLabel* lbl3;
    QLabel* img1;
    QLabel* lbl4;
    QLabel* lbl8;
    QLabel* lbl9;
    QLabel* lbl10;
    TMouseLabel* lbl6;
    QLabel* lbl7;

    void OKButtonClick();
    void lbl6Click();
    void lbl6MouseLeave();
    void lbl6MouseMove();
};

// The dialog while it is open; null otherwise.
extern TAboutBox* AboutBox;

// The program's icon in all its sizes, from the built-in resources.
QIcon ProgramIcon();
