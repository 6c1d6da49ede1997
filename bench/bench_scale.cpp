// A library of a thousand concretes against one of a hundred, in the window: opening it (the
// registries, the check list and both charts drawn) and a click on a check box. Work that grows
// with the square of the list shows as a ratio far above 10.

#include <QCoreApplication>
#include <QDir>
#include <QListWidgetItem>
#include <QTemporaryDir>
#include <memory>

#include "BenchTable.h"
#include "support/BigLibrary.h"
#include "chart/Chart.h"
#include "concretewindow/Unit1.h"
#include "platform/CheckList.h"

namespace {

const QString& LibraryPath(int count)
{
    static QTemporaryDir folder;
    static QString paths[2];
    QString& path = paths[count > 100];
    if (path.isEmpty()) {
        path = folder.filePath(QStringLiteral("library-%1.json").arg(count));
        WriteBigLibrary(path, count);
    }
    return path;
}

std::unique_ptr<TForm1> ShownForm()
{
    auto form = std::make_unique<TForm1>();
    form->show();
    QCoreApplication::processEvents();
    return form;
}

// Open Library from a shown, empty window to the charts drawn.
BenchBody OpenBody(int count)
{
    return [count](benchmark::State& state) {
        const QString path = LibraryPath(count);
        for (auto _ : state) {
            state.PauseTiming();
            auto form = ShownForm();
            state.ResumeTiming();
            if (!form->OpenLibraryFile(path)) {
                state.SkipWithError("the library did not open");
                return;
            }
            form->cht1->Refresh();
            form->cht2->Refresh();
            state.PauseTiming();
            if (form->lst1->Count() != count || form->cht1->SeriesCount() != count)
                state.SkipWithError("the library was not opened whole");
            form.reset();
            state.ResumeTiming();
        }
    };
}

// The user unchecks the middle row and checks it again: each click applies every row and
// redraws both charts.
BenchBody ToggleBody(int count)
{
    return [count](benchmark::State& state) {
        auto form = ShownForm();
        if (!form->OpenLibraryFile(LibraryPath(count))) {
            state.SkipWithError("the library did not open");
            return;
        }
        QCoreApplication::processEvents();
        QListWidgetItem* row = form->lst1->item(count / 2);
        for (auto _ : state) {
            row->setCheckState(row->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
            form->cht1->Refresh();
            form->cht2->Refresh();
        }
        if (form->cht1->Series(count / 2)->Active() != (row->checkState() == Qt::Checked))
            state.SkipWithError("the click did not reach the chart");
    };
}

}  // namespace

void RegisterScaleBenchmarks()
{
    BenchRow open;
    open.name = "Open library in the window, 1,000 vs 100 concretes";
    open.goal = "ratio <= 15, < 1,000 ms";
    open.maxRatio = 15;
    open.maxSubjectMs = 1000;
    AddRow(open, OpenBody(1000), OpenBody(100), [](benchmark::internal::Benchmark* b) {
        b->Iterations(2)->Unit(benchmark::kMillisecond);
    });

    BenchRow toggle;
    toggle.name = "Check box click, 1,000 vs 100 concretes";
    toggle.goal = "ratio <= 15, < 1,000 ms";
    toggle.maxRatio = 15;
    toggle.maxSubjectMs = 1000;
    AddRow(toggle, ToggleBody(1000), ToggleBody(100), [](benchmark::internal::Benchmark* b) {
        b->Iterations(4)->Unit(benchmark::kMillisecond);
    });
}
