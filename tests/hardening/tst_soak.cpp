// A long session through the real window: thousands of concretes created and deleted with the
// buttons, alternating Delete and Delete All. Nothing may crash, nothing may pile up (objects on
// the charts, rows, widgets), and the last cycles may not run slower than the first ones, which
// is how a leak that costs time (a growing list walked on every command) shows itself. Leaks
// that cost memory only are the sanitized build's to find.

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <algorithm>
#include <memory>
#include <vector>

#include "app/Unit1.h"
#include "library/Chart.h"
#include "library/CheckList.h"
#include "support/FakePlatform.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

// Two concretes a cycle. The sanitized build runs ten times slower, so it does a tenth of them.
constexpr int kConcretes = kSanitized ? 1000 : 10000;
constexpr int kCycles = kConcretes / 2;

double Median(std::vector<qint64> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return double(values[values.size() / 2]);
}

}  // namespace

class TestSoak : public QObject {
    Q_OBJECT

private slots:
    void createAndDeleteThousands();

private:
    void Create(const QString& name);
    void ClickRow(int row);
    void CheckEmpty();

    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<TForm1> form;
};

void TestSoak::Create(const QString& name)
{
    form->edt1->setFocus();
    form->edt1->selectAll();
    QTest::keyClicks(form->edt1, name);
    QTest::mouseClick(form->btn1, Qt::LeftButton);
    // Let the charts redraw, as they would between two clicks of a user.
    QCoreApplication::processEvents();
}

void TestSoak::ClickRow(int row)
{
    TRzCheckList* list = form->lst1;
    const QRect rect = list->visualRect(list->model()->index(row, 0));
    // On the text, right of the check box, so that the row is selected and its mark left alone.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(rect.right() - 4, rect.center().y()));
}

void TestSoak::CheckEmpty()
{
    QVERIFY(form->concretes.empty());
    QCOMPARE(form->lst1->Count(), 0);
    for (TChart* chart : {form->cht1, form->cht2}) {
        QCOMPARE(chart->SeriesCount(), 0);
        QCOMPARE(chart->plottableCount(), 0);
        QCOMPARE(chart->legend->itemCount(), 0);
    }
}

void TestSoak::createAndDeleteThousands()
{
    platform = std::make_unique<FakePlatform>();
    form = std::make_unique<TForm1>();
    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));

    // The default definition of grade 30.
    form->cbb1->setFocus();
    form->cbb1->lineEdit()->selectAll();
    QTest::keyClicks(form->cbb1->lineEdit(), QStringLiteral("30"));
    QCOMPARE(form->edt2->text(), QStringLiteral("29791"));
    const qsizetype objectsBefore = form->findChildren<QObject*>().size();

    std::vector<qint64> cycleNs;
    cycleNs.reserve(kCycles);
    QElapsedTimer clock;
    for (int cycle = 0; cycle < kCycles; ++cycle) {
        clock.start();
        const QString first = QStringLiteral("A%1").arg(cycle);
        const QString second = QStringLiteral("B%1").arg(cycle);
        Create(first);
        Create(second);
        if (form->concretes.size() != 2 || form->lst1->Count() != 2)
            QFAIL(qPrintable(QStringLiteral("cycle %1: %2 concretes, %3 rows after two creations; "
                                            "boxes: %4")
                                 .arg(cycle)
                                 .arg(form->concretes.size())
                                 .arg(form->lst1->Count())
                                 .arg(platform->Texts().join(" | "))));

        // Delete the first by its row, then the rest with Delete All.
        ClickRow(0);
        QTest::mouseClick(form->btn2, Qt::LeftButton);
        QCoreApplication::processEvents();
        if (form->concretes.size() != 1 || form->concretes.front()->ConcreteName != second.toStdString())
            QFAIL(qPrintable(QStringLiteral("cycle %1: Delete did not remove %2").arg(cycle).arg(first)));
        QTest::mouseClick(form->btn3, Qt::LeftButton);
        QCoreApplication::processEvents();
        cycleNs.push_back(clock.nsecsElapsed());

        if (!form->concretes.empty() || form->cht1->SeriesCount() != 0 || form->cht2->SeriesCount() != 0)
            QFAIL(qPrintable(QStringLiteral("cycle %1: Delete All left something behind").arg(cycle)));
    }

    QVERIFY2(platform->messages.isEmpty(), qPrintable(platform->Texts().join('\n')));
    CheckEmpty();
    QCOMPARE(form->findChildren<QObject*>().size(), objectsBefore);

    // Medians of the first and the last tenth: single cycles are at the mercy of the machine.
    const std::size_t tenth = cycleNs.size() / 10;
    const double first = Median({cycleNs.begin(), cycleNs.begin() + tenth});
    const double last = Median({cycleNs.end() - tenth, cycleNs.end()});
    qInfo("%d concretes in %d cycles; median cycle %.2f ms in the first tenth, %.2f ms in the "
          "last (ratio %.2f)",
          kConcretes, kCycles, first / 1e6, last / 1e6, last / first);
    QVERIFY2(last <= 1.5 * first,
             qPrintable(QStringLiteral("the last cycles are %1 times slower than the first")
                            .arg(last / first)));

    form.reset();
    platform.reset();
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
