#pragma once

// One cycle of the soak, driven through the real window as a user would: two concretes created
// (name typed, Create Concrete clicked), the first deleted by clicking its row and Delete, the
// second by Delete All, each command followed by the redraw a user's next click would wait for.
// Shared by tests/hardening/tst_soak, which checks that nothing piles up over thousands of
// cycles, and by the soak row of scripts/bench, which times the first cycles against the last.

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "chart/Chart.h"
#include "concretewindow/Unit1.h"
#include "platform/CheckList.h"

namespace soak {

inline void Create(TForm1& form, const QString& name)
{
    form.edt1->setFocus();
    form.edt1->selectAll();
    QTest::keyClicks(form.edt1, name);
    QTest::mouseClick(form.btn1, Qt::LeftButton);
    QCoreApplication::processEvents();
}

inline void ClickRow(TForm1& form, int row)
{
    TRzCheckList* list = form.lst1;
    const QRect rect = list->visualRect(list->model()->index(row, 0));
    // On the text, right of the check box, so that the row is selected and its mark left alone.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      QPoint(rect.right() - 4, rect.center().y()));
}

// Runs cycle number `cycle` on a window whose definition is valid; returns what went wrong, or
// an empty text.
inline QString RunCycle(TForm1& form, int cycle)
{
    // Names of one length, A00000 to A99999, so that every cycle types the same keys.
    const QString number = QStringLiteral("%1").arg(cycle % 100000, 5, 10, QLatin1Char('0'));
    const QString first = QLatin1Char('A') + number;
    const QString second = QLatin1Char('B') + number;
    Create(form, first);
    Create(form, second);
    if (form.concretes.size() != 2 || form.lst1->Count() != 2)
        return QStringLiteral("cycle %1: %2 concretes, %3 rows after two creations")
            .arg(cycle)
            .arg(form.concretes.size())
            .arg(form.lst1->Count());

    ClickRow(form, 0);
    QTest::mouseClick(form.btn2, Qt::LeftButton);
    QCoreApplication::processEvents();
    if (form.concretes.size() != 1 ||
        form.concretes.front()->ConcreteName != second.toStdString())
        return QStringLiteral("cycle %1: Delete did not remove %2").arg(cycle).arg(first);

    QTest::mouseClick(form.btn3, Qt::LeftButton);
    QCoreApplication::processEvents();
    if (!form.concretes.empty() || form.lst1->Count() != 0 || form.cht1->SeriesCount() != 0 ||
        form.cht2->SeriesCount() != 0)
        return QStringLiteral("cycle %1: Delete All left something behind").arg(cycle);
    return {};
}

}  // namespace soak
