#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "concretewindow/Unit1.h"
#include "support/WorkedExample.h"

namespace worked {

inline void Type(QLineEdit* field, const QString& text)
{
    // The typed text replaces the whole field, as after selecting it: no empty text in between,
    // which the strength fields would refuse with a box.
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}

// Types a definition into the "Define Concrete" fields and presses Create Concrete. The
// strengths go first, because typing them refills the strain and shape fields below them.
inline void Create(TForm1& form, const Definition& d)
{
    Type(form.edt1, d.name);
    Type(form.edt2, d.Ec);
    Type(form.edt3, d.fck);
    Type(form.edt4, d.eck);
    Type(form.edt5, d.ac);
    Type(form.edt9, d.ecmax);
    Type(form.edt8, d.ftk);
    Type(form.edt7, d.etk);
    Type(form.edt6, d.at);
    Type(form.edt10, d.etmax);
    QTest::mouseClick(form.btn1, Qt::LeftButton);
}

}  // namespace worked
