// The window's own costs: redrawing full charts, and Create Concrete from click to redrawn
// charts. Offscreen, so the numbers are the program's drawing, not a display server's.

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include "BenchTable.h"
#include "platform/Platform.h"
#include "concretewindow/Unit1.h"
#include "chart/Chart.h"
#include "support/SoakCycle.h"

namespace {

// Any box would stop a benchmark (it waits for a click); this one counts them instead.
class SilentPlatform : public Platform {
public:
    void MessageBox(QWidget*, MsgKind, const QString&, const QString& text) override
    {
        ++boxes;
        lastText = text;
    }
    QString SaveFileName(QWidget*, const SaveFileRequest&) override { return {}; }
    QString ExistingDirectory(QWidget*, const QString&, const QString&) override { return {}; }
    void OpenUrl(const QUrl&) override {}

    int boxes = 0;
    QString lastText;
};

SilentPlatform& Silent()
{
    static SilentPlatform platform;
    static const bool installed = (Platform::Install(&platform), true);
    (void)installed;
    return platform;
}

std::unique_ptr<TForm1> ShownWindow()
{
    auto form = std::make_unique<TForm1>();
    form->show();
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    return form;
}

// Chooses the grade (which fills the parameters), then names the concrete and sets its end
// strains as typed in the fields.
void Define(TForm1& form, int grade, const QString& name, const QString& ecmax, const QString& etmax)
{
    const QString text = QString::number(grade);
    if (form.cbb1->currentText() == text)
        form.cbb1Change();  // the same text again raises no change
    else
        form.cbb1->setEditText(text);
    form.edt1->setText(name);
    form.edt9->setText(ecmax);
    form.edt10->setText(etmax);
}

void ReplotBoth(TForm1& form)
{
    form.cht1->replot(QCustomPlot::rpImmediateRefresh);
    form.cht2->replot(QCustomPlot::rpImmediateRefresh);
}

// Fourteen concretes (grades 15 to 80) with end strains 1.0 and 0.01: 5,002 compression points
// (5,001 accumulated strains below 1.0, and 1.0 itself) and 5,001 tension points (the 5,000th
// accumulated strain lands just above 0.01, so 5,000 and 0.01 itself).
std::unique_ptr<TForm1> HeavyWindow(benchmark::State& state)
{
    auto form = ShownWindow();
    for (int grade = 15; grade <= 80; grade += 5) {
        Define(*form, grade, QStringLiteral("C%1").arg(grade), QStringLiteral("1"),
               QStringLiteral("10000"));
        form->btn1Click();
    }
    QCoreApplication::processEvents();
    if (form->concretes.size() != 14 || form->cht1->Series(13)->Count() != 5002 ||
        form->cht2->Series(13)->Count() != 5001)
        state.SkipWithError(("the heavy registry was not built as planned: " +
                             std::to_string(form->concretes.size()) + " concretes, " +
                             std::to_string(form->cht1->Series(0)->Count()) + " + " +
                             std::to_string(form->cht2->Series(0)->Count()) + " points")
                                .c_str());
    return form;
}

// The pointer sweeps the Compression chart's plot area, zigzagging up and down through the
// curves; each move finds the nearest point and redraws the read-out and the widget.
void PointerMoves(benchmark::State& state, TForm1& form)
{
    TChart* chart = form.cht1;
    chart->Refresh();
    const QRect plot = chart->axisRect()->rect();
    std::vector<QPointF> path;
    for (int i = 0; i < 97; ++i)
        path.emplace_back(plot.left() + 1 + (i * 37) % (plot.width() - 2),
                          plot.top() + 1 + (i * 53) % (plot.height() - 2));
    std::size_t next = 0;
    int shown = 0;
    for (auto _ : state) {
        const QPointF at = path[next++ % path.size()];
        QMouseEvent move(QEvent::MouseMove, at, chart->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(chart, &move);
        chart->repaint();
        shown += chart->ReadoutVisible();
    }
    if (shown < state.iterations())
        state.SkipWithError("the read-out did not follow the pointer");
}

// The soak of tests/hardening/tst_soak, shortened: cycles of two creations, Delete and Delete
// All through the window. A list or cache that grows with every command makes the last cycles
// slower than the first.
constexpr int kSoakCycles = 2000;

double MedianMs(std::vector<double> cycleMs)
{
    std::nth_element(cycleMs.begin(), cycleMs.begin() + cycleMs.size() / 2, cycleMs.end());
    return cycleMs[cycleMs.size() / 2];
}

void Soak(benchmark::State& state)
{
    SilentPlatform& platform = Silent();
    auto form = ShownWindow();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get())) {
        state.SkipWithError("the window did not become active");
        return;
    }
    form->cbb1->setFocus();
    form->cbb1->lineEdit()->selectAll();
    QTest::keyClicks(form->cbb1->lineEdit(), QStringLiteral("30"));
    platform.boxes = 0;

    std::vector<double> cycleMs;
    cycleMs.reserve(kSoakCycles);
    for (auto _ : state) {
        for (int cycle = 0; cycle < kSoakCycles; ++cycle) {
            const auto start = std::chrono::steady_clock::now();
            const QString failure = soak::RunCycle(*form, cycle);
            cycleMs.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count());
            if (!failure.isEmpty() || platform.boxes > 0) {
                state.SkipWithError(
                    (failure.isEmpty() ? "a box was shown: " + platform.lastText : failure)
                        .toStdString()
                        .c_str());
                return;
            }
        }
    }
    // Medians of the first and the last tenth: single cycles are at the mercy of the machine.
    const std::size_t tenth = cycleMs.size() / 10;
    state.counters["first_tenth_ms"] = MedianMs({cycleMs.begin(), cycleMs.begin() + tenth});
    state.counters["last_tenth_ms"] = MedianMs({cycleMs.end() - tenth, cycleMs.end()});
}

} // namespace

void RegisterWindowBenchmarks()
{
    BenchRow pointer;
    pointer.name = "Pointer read-out, one move, 14 x (5,002+5,001)";
    pointer.goal = "< 2 ms";
    pointer.maxSubjectMs = 2;
    AddRow(
        pointer,
        [](benchmark::State& state) {
            Silent();
            auto form = HeavyWindow(state);
            PointerMoves(state, *form);
        },
        [](benchmark::State& state) {
            // The same moves over one concrete of 81 + 351 points.
            Silent();
            auto form = ShownWindow();
            Define(*form, 20, QStringLiteral("C20"), form->edt9->text(), QStringLiteral("700"));
            form->btn1Click();
            QCoreApplication::processEvents();
            PointerMoves(state, *form);
        },
        [](benchmark::internal::Benchmark* b) { b->Unit(benchmark::kMicrosecond); });

    BenchRow replot;
    replot.name = "Replot both charts, 14 x (5,002+5,001) pts";
    replot.goal = "< 10 ms";
    replot.maxSubjectMs = 10;
    AddRow(
        replot,
        [](benchmark::State& state) {
            Silent();
            auto form = HeavyWindow(state);
            for (auto _ : state)
                ReplotBoth(*form);
        },
        [](benchmark::State& state) {
            Silent();
            auto form = ShownWindow();
            for (auto _ : state)
                ReplotBoth(*form);
        },
        [](benchmark::internal::Benchmark* b) { b->Unit(benchmark::kMillisecond); });

    BenchRow create;
    create.name = "btn1Click, default definition";
    create.goal = "< 5 ms";
    create.maxSubjectMs = 5;
    AddRow(
        create,
        [](benchmark::State& state) {
            SilentPlatform& platform = Silent();
            auto form = ShownWindow();
            int replots = 0;
            QObject::connect(form->cht1, &QCustomPlot::afterReplot, [&replots] { ++replots; });
            Define(*form, 20, QStringLiteral("Con_20"), form->edt9->text(), QStringLiteral("700"));
            platform.boxes = 0;
            for (auto _ : state) {
                // Validation, the new concrete, both curves sampled into their series, and the
                // redraw that follows when the handler returns.
                form->btn1Click();
                QCoreApplication::processEvents();

                state.PauseTiming();
                form->btn3Click();
                QCoreApplication::processEvents();
                state.ResumeTiming();
            }
            if (platform.boxes > 0)
                state.SkipWithError(("a box was shown: " + platform.lastText.toStdString()).c_str());
            else if (replots < state.iterations())
                state.SkipWithError("the charts did not redraw after each creation");
        },
        {}, [](benchmark::internal::Benchmark* b) { b->Unit(benchmark::kMillisecond); });

    // One soak a repetition; the table sets the median cycle of its last tenth against that of
    // its first tenth.
    BenchRow soak;
    soak.name = "Soak, 2,000 cycles: last tenth vs first";
    soak.goal = "ratio <= 1.1";
    soak.maxRatio = 1.1;
    soak.counter = "last_tenth_ms";
    soak.baselineCounter = "first_tenth_ms";
    AddRow(soak, Soak, {}, [](benchmark::internal::Benchmark* b) {
        b->Iterations(1)->Repetitions(3)->Unit(benchmark::kMillisecond);
    });
}
