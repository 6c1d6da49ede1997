// The charts of the real window as a user reads them: tick labels that say where their
// gridlines are, a legend that keeps every name inside the plot area, the read-out of the
// point under the pointer, and the context menu's copies.

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <bit>
#include <memory>

#include "chart/Chart.h"
#include "concretewindow/Unit1.h"
#include "model/NumberText.h"
#include "support/FakePlatform.h"
#include "support/Mouse.h"

namespace {

struct Concrete {
    QString name;
    int grade;
    QString ecmax;  // m/m
    QString etmax;  // 10^-6
};

QString Text(const char* pattern, double value, char separator)
{
    return QString::fromStdString(FormatFloat(pattern, value, separator));
}

// Not a number reads as NaN, which fails every comparison.
double Read(const QString& text, char separator)
{
    try {
        return StrToFloat(text.toStdString(), separator);
    } catch (const ConvertError&) {
        return std::nan("");
    }
}

QPointF PixelOf(const TLineSeries* series, int index)
{
    const auto point = series->data()->at(index);
    return {series->keyAxis()->coordToPixel(point->key),
            series->valueAxis()->coordToPixel(point->value)};
}

// Drags the zoom rectangle from one point to another, both in the chart's pixels.
void Drag(TChart* chart, QPoint from, QPoint to)
{
    QTest::mousePress(chart, Qt::LeftButton, {}, from);
    QTest::mouseMove(chart, (from + to) / 2);
    QTest::mouseMove(chart, to);
    QTest::mouseRelease(chart, Qt::LeftButton, {}, to);
    chart->Refresh();
}

}  // namespace

class TestChartWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void tickLabelsReadBackAsTheirTicks_data();
    void tickLabelsReadBackAsTheirTicks();
    void legendOfFourteenLongNamesStaysInsidePlotArea();
    void legendGrowsOneConcreteAtATime();

    void readoutShowsNearestPoint_data();
    void readoutShowsNearestPoint();
    void readoutNeverPicksHiddenCurves();
    void readoutLeavesZoomAndResetAlone();

    void rightClickOpensMenuOfFourItems();
    void copyImageIsTheChartAsShown();
    void copyDataParsesBackColumnByColumn_data();
    void copyDataParsesBackColumnByColumn();
    void resetZoomAndSaveImageAs();

private:
    void Create(const QList<Concrete>& list);

    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<TForm1> form;
};

void TestChartWindow::init()
{
    platform = std::make_unique<FakePlatform>();
    form = std::make_unique<TForm1>();
    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
}

void TestChartWindow::cleanup()
{
    form.reset();
    platform.reset();
}

// Fills the definition from the grade, sets name and end strains and creates the concrete;
// typing is not what these tests are about.
void TestChartWindow::Create(const QList<Concrete>& list)
{
    const QChar separator = QLatin1Char(form->DecimalSeparator());
    for (const Concrete& c : list) {
        const QString grade = QString::number(c.grade);
        if (form->cbb1->currentText() == grade)
            form->cbb1Change();  // the same text again raises no change
        else
            form->cbb1->setEditText(grade);
        form->edt1->setText(c.name);
        form->edt9->setText(QString(c.ecmax).replace(QLatin1Char('.'), separator));
        form->edt10->setText(c.etmax);
        form->btn1Click();
        QVERIFY2(platform->messages.isEmpty(), qPrintable(platform->Texts().join('\n')));
    }
    form->cht1->Refresh();
    form->cht2->Refresh();
}

void TestChartWindow::tickLabelsReadBackAsTheirTicks_data()
{
    QTest::addColumn<QList<Concrete>>("concretes");
    QTest::addColumn<int>("zooms");
    QTest::addColumn<char>("separator");

    const QList<Concrete> grade20{{"C20", 20, "0.016", "700"}};
    QList<Concrete> fourteen;
    for (int grade = 15; grade <= 80; grade += 5)
        fourteen.append({QStringLiteral("C%1").arg(grade), grade, "0.016", "700"});
    const QList<Concrete> tail{{"C30", 30, "0.02", "10000"}};

    // Grade 20 is the one whose tension stress axis stepped by 0.25 under "0.0".
    QTest::newRow("grade 20") << grade20 << 0 << '.';
    QTest::newRow("grade 20, comma") << grade20 << 0 << ',';
    QTest::newRow("fourteen") << fourteen << 0 << '.';
    QTest::newRow("grade 20 zoomed once") << grade20 << 1 << '.';
    QTest::newRow("grade 20 zoomed four times") << grade20 << 4 << ',';
    QTest::newRow("fourteen zoomed three times") << fourteen << 3 << '.';
    QTest::newRow("long tension tail") << tail << 0 << '.';
    QTest::newRow("long tension tail zoomed") << tail << 2 << '.';
}

void TestChartWindow::tickLabelsReadBackAsTheirTicks()
{
    QFETCH(QList<Concrete>, concretes);
    QFETCH(int, zooms);
    QFETCH(char, separator);

    form->SetDecimalSeparator(separator);
    Create(concretes);
    QVERIFY(!QTest::currentTestFailed());
    for (TChart* chart : {form->cht1, form->cht2}) {
        // Each zoom takes the middle third of the plot area.
        for (int z = 0; z < zooms; ++z) {
            const QRect plot = chart->axisRect()->rect();
            Drag(chart, plot.topLeft() + QPoint(plot.width() / 3, plot.height() / 3),
                 plot.topLeft() + QPoint(2 * plot.width() / 3, 2 * plot.height() / 3));
            QVERIFY(!chart->AutomaticRange());
        }
        for (QCPAxis* axis : {chart->xAxis, chart->yAxis}) {
            const QVector<double> ticks = axis->tickVector();
            const QVector<QString> labels = axis->tickVectorLabels();
            const QString where = chart->objectName() + QLatin1Char(' ') + axis->label();
            QCOMPARE(labels.size(), ticks.size());
            QVERIFY2(ticks.size() >= 2, qPrintable(where));
            const double step = ticks[1] - ticks[0];
            for (int i = 0; i < ticks.size(); ++i) {
                const QString what = where + QStringLiteral(": \"%1\" at %2")
                                                 .arg(labels[i])
                                                 .arg(ticks[i], 0, 'g', 17);
                QVERIFY2(std::abs(Read(labels[i], separator) - ticks[i]) <= step * 1e-6,
                         qPrintable(what));
                QVERIFY2(labels.indexOf(labels[i]) == i, qPrintable(what + " twice"));
            }
        }
    }
}

void TestChartWindow::legendOfFourteenLongNamesStaysInsidePlotArea()
{
    // Nineteen characters, the most a name may have, with wide letters.
    QList<Concrete> fourteen;
    for (int grade = 15; grade <= 80; grade += 5)
        fourteen.append({QStringLiteral("Concrete_WMWMWMW_%1").arg(grade), grade, "0.016", "700"});
    QCOMPARE(fourteen.first().name.size(), 19);
    Create(fourteen);
    QVERIFY(!QTest::currentTestFailed());

    QTemporaryDir folder;
    for (TChart* chart : {form->cht1, form->cht2}) {
        QCPLegend* legend = chart->legend;
        QVERIFY(legend->visible());
        QCOMPARE(legend->itemCount(), 14);
        const QRect plot = chart->axisRect()->rect();
        const int shadow = chart->LegendShadow() ? TChart::LegendShadowOffset : 0;
        const QRect box = legend->outerRect().adjusted(0, 0, shadow, shadow);
        const QString where = chart->objectName() + QStringLiteral(": legend %1,%2 %3x%4 in %5,%6 %7x%8")
                                                        .arg(box.x()).arg(box.y())
                                                        .arg(box.width()).arg(box.height())
                                                        .arg(plot.x()).arg(plot.y())
                                                        .arg(plot.width()).arg(plot.height());
        QVERIFY2(plot.contains(box), qPrintable(where));
        // Every name whole and apart from the others: wrapped into columns, not squeezed.
        QVERIFY2(legend->columnCount() > 1, qPrintable(where));
        for (int i = 0; i < 14; ++i) {
            QCPAbstractLegendItem* item = legend->item(i);
            QVERIFY(box.contains(item->outerRect()));
            QVERIFY(item->outerRect().width() >= item->minimumOuterSizeHint().width());
            QVERIFY(item->outerRect().height() >= item->minimumOuterSizeHint().height());
            for (int j = 0; j < i; ++j)
                QVERIFY(!item->outerRect().intersects(legend->item(j)->outerRect()));
        }
        // No larger than it must be: one row fewer would not hold the names in these columns.
        const int columns = legend->columnCount();
        QVERIFY2((legend->rowCount() - 1) * columns < 14, qPrintable(where));

        // The saved picture is drawn with the same legend.
        const QRect before = legend->outerRect();
        chart->SaveToBitmapFile(folder.filePath(chart->objectName() + ".bmp"));
        QCOMPARE(legend->outerRect(), before);
        QImage picture(folder.filePath(chart->objectName() + ".bmp"));
        QCOMPARE(picture.size(), chart->size());
        const QImage shown = chart->grab().toImage().convertToFormat(picture.format());
        const QRect inside = before.adjusted(1, 1, -1, -1);
        QCOMPARE(picture.copy(inside), shown.copy(inside));
    }
    // The Compression legend casts an opaque shadow; the Tension legend none.
    const QRect box = form->cht1->legend->outerRect();
    const QImage shown = form->cht1->grab().toImage();
    const QPoint corner = box.bottomRight() + QPoint(2, 2);
    QCOMPARE(shown.pixelColor(corner), QColor(128, 128, 128));
    QVERIFY(!form->cht2->LegendShadow());
}

// Each concrete drawn before the next is created, as a user creates them: once the legend has
// wrapped, its grid holds empty cells that the next layout must step over.
void TestChartWindow::legendGrowsOneConcreteAtATime()
{
    for (int grade = 15; grade <= 80; grade += 5) {
        Create({{QStringLiteral("Con_%1").arg(grade), grade, "0.016", "700"}});
        QVERIFY(!QTest::currentTestFailed());
        const int shown = (grade - 10) / 5;
        for (TChart* chart : {form->cht1, form->cht2}) {
            int entries = 0;
            for (int i = 0; i < chart->legend->itemCount(); ++i)
                entries += chart->legend->item(i) != nullptr;
            QCOMPARE(entries, shown);
            QVERIFY(chart->axisRect()->rect().contains(chart->legend->outerRect()));
        }
    }
}

void TestChartWindow::readoutShowsNearestPoint_data()
{
    QTest::addColumn<char>("separator");
    QTest::newRow("point") << '.';
    QTest::newRow("comma") << ',';
}

void TestChartWindow::readoutShowsNearestPoint()
{
    QFETCH(char, separator);
    form->SetDecimalSeparator(separator);
    Create({{"C30", 30, "0.016", "700"}, {"C60", 60, "0.016", "700"}});
    QVERIFY(!QTest::currentTestFailed());

    struct Case {
        TChart* chart;
        int series;
        int index;
        QString strain;  // as the read-out prints it
    };
    const QString s = QString(QChar(separator));
    const Case cases[] = {
        {form->cht1, 0, 5, "1" + s + "000E-03"},     // 0.0002 added five times
        {form->cht1, 1, 12, "2" + s + "400E-03"},
        {form->cht2, 0, 100, "2" + s + "000E-04"},
        {form->cht2, 1, 350, "7" + s + "000E-04"},   // the end strain
    };
    for (const Case& c : cases) {
        TLineSeries* series = c.chart->Series(c.series);
        // A pixel off the point, as a hand would be (inside the plot area: the last point is
        // on its right edge).
        MoveTo(c.chart, (PixelOf(series, c.index) + QPointF(-1, 1)).toPoint());
        QVERIFY(c.chart->ReadoutVisible());
        QCOMPARE(c.chart->ReadoutSeries(), series);
        const auto point = series->data()->at(c.chart->ReadoutIndex());
        QVERIFY2(std::abs(c.chart->ReadoutIndex() - c.index) <= 1,
                 qPrintable(c.chart->ReadoutText()));
        if (c.chart->ReadoutIndex() == c.index) {
            QCOMPARE(c.chart->ReadoutText(),
                     series->Title() + "  ε = " + c.strain + "  σ = " +
                         Text("0.00", point->value, separator) + " N/mm²");
        }
        // Exactly on the point: that very point.
        MoveTo(c.chart, PixelOf(series, c.index).toPoint());
        const QPointF at = PixelOf(series, c.index);
        if (std::abs(at.x() - std::round(at.x())) < 0.01 && std::abs(at.y() - std::round(at.y())) < 0.01)
            QCOMPARE(c.chart->ReadoutIndex(), c.index);
    }
    // The grade 30 peak, read as the example reads it: name, strain, stress.
    TLineSeries* c30 = form->cht1->Series(0);
    int peak = 0;
    for (int i = 0; i < c30->Count(); ++i)
        if (c30->data()->at(i)->value > c30->data()->at(peak)->value)
            peak = i;
    MoveTo(form->cht1, PixelOf(c30, peak).toPoint() + QPoint(0, -2));
    QCOMPARE(form->cht1->ReadoutSeries(), c30);
    QCOMPARE(form->cht1->ReadoutIndex(), peak);
    const auto top = c30->data()->at(peak);
    QCOMPARE(form->cht1->ReadoutText(), "C30  ε = " + Text("0.000E+00", top->key, separator) +
                                            "  σ = " + Text("0.00", top->value, separator) +
                                            " N/mm²");
    QVERIFY(form->cht1->ReadoutText().contains(s));

    // Leaving the chart hides it; the other chart never showed one at the same time.
    MoveTo(form->btn1);
    QVERIFY(!form->cht1->ReadoutVisible());
    QVERIFY(!form->cht2->ReadoutVisible());
}

void TestChartWindow::readoutNeverPicksHiddenCurves()
{
    Create({{"C30", 30, "0.016", "700"}, {"C60", 60, "0.016", "700"}});
    QVERIFY(!QTest::currentTestFailed());
    TLineSeries* c60 = form->cht1->Series(1);
    const QPointF onC60 = PixelOf(c60, 20);
    MoveTo(form->cht1, onC60.toPoint());
    QCOMPARE(form->cht1->ReadoutSeries(), c60);

    // Hidden while the pointer rests on it: the read-out moves to the curve still shown.
    form->ShowConcreteCurves("C60", false);
    form->cht1->Refresh();
    QCOMPARE(form->cht1->ReadoutSeries(), form->cht1->Series(0));
    MoveTo(form->cht1, onC60.toPoint() + QPoint(1, 0));
    QCOMPARE(form->cht1->ReadoutSeries(), form->cht1->Series(0));

    // Nothing shown, nothing picked.
    form->ShowConcreteCurves("C30", false);
    form->cht1->Refresh();
    MoveTo(form->cht1, onC60.toPoint());
    QVERIFY(!form->cht1->ReadoutVisible());
    QVERIFY(form->cht1->ReadoutText().isEmpty());

    // A deleted curve is not held on to either.
    form->ShowConcreteCurves("C60", true);
    form->cht1->Refresh();
    MoveTo(form->cht1, onC60.toPoint() + QPoint(0, 1));
    QCOMPARE(form->cht1->ReadoutSeries(), c60);
    form->DeleteConcrete("C60");
    form->cht1->Refresh();
    QVERIFY(!form->cht1->ReadoutVisible());
}

void TestChartWindow::readoutLeavesZoomAndResetAlone()
{
    Create({{"C30", 30, "0.016", "700"}});
    QVERIFY(!QTest::currentTestFailed());
    TChart* chart = form->cht1;
    const QCPRange full = chart->xAxis->range();
    const QRect plot = chart->axisRect()->rect();
    MoveTo(chart, plot.center());
    QVERIFY(chart->ReadoutVisible());

    // The drag zooms as before and shows no read-out while the rectangle is drawn.
    QWindow* window = form->windowHandle();
    const QPoint from = chart->mapTo(form.get(), plot.topLeft() + QPoint(20, 20));
    const QPoint to = chart->mapTo(form.get(), plot.center());
    QTest::mousePress(window, Qt::LeftButton, {}, from);
    QTest::mouseMove(window, to);
    QVERIFY(!chart->ReadoutVisible());
    QTest::mouseRelease(window, Qt::LeftButton, {}, to);
    chart->Refresh();
    QVERIFY(!chart->AutomaticRange());
    QVERIFY(chart->xAxis->range().upper < full.upper);

    MoveTo(chart, plot.center() + QPoint(5, 5));
    QVERIFY(chart->ReadoutVisible());
    QTest::mouseDClick(window, Qt::LeftButton, {}, chart->mapTo(form.get(), plot.center()));
    chart->Refresh();
    QVERIFY(chart->AutomaticRange());
    QCOMPARE(chart->xAxis->range(), full);
}

void TestChartWindow::rightClickOpensMenuOfFourItems()
{
    Create({{"C30", 30, "0.016", "700"}});
    QVERIFY(!QTest::currentTestFailed());
    for (TChart* chart : {form->cht1, form->cht2}) {
        QTest::mouseClick(form->windowHandle(), Qt::RightButton, {},
                          chart->mapTo(form.get(), chart->axisRect()->rect().center()));
        QMenu* menu = nullptr;
        QTRY_VERIFY((menu = chart->findChild<QMenu*>(QStringLiteral("PopupMenu1"))) &&
                    menu->isVisible());
        QStringList texts;
        QStringList names;
        for (QAction* action : menu->actions())
            if (!action->isSeparator()) {
                texts.append(action->text());
                names.append(action->objectName());
                QVERIFY(action->isEnabled());
            }
        QCOMPARE(texts, (QStringList{"Copy Image", "Copy Data", "Save Image As…", "Reset Zoom"}));
        QCOMPARE(names, (QStringList{"CopyImage1", "CopyData1", "SaveImageAs1", "ResetZoom1"}));
        menu->close();
        QTRY_VERIFY(!chart->findChild<QMenu*>(QStringLiteral("PopupMenu1")));
    }
}

void TestChartWindow::copyImageIsTheChartAsShown()
{
    Create({{"C30", 30, "0.016", "700"}});
    QVERIFY(!QTest::currentTestFailed());
    for (TChart* chart : {form->cht1, form->cht2}) {
        MoveTo(chart, chart->axisRect()->rect().center());
        std::unique_ptr<QMenu> menu(chart->CreateContextMenu(nullptr));
        menu->findChild<QAction*>(QStringLiteral("CopyImage1"))->trigger();
        const QImage image = QGuiApplication::clipboard()->image();
        QCOMPARE(image.size(), chart->size() * chart->devicePixelRatio());
        // What the screen shows, less the read-out that followed the pointer.
        QVERIFY(!chart->ReadoutVisible());
        QCOMPARE(image.convertToFormat(QImage::Format_RGB32),
                 chart->grab().toImage().convertToFormat(QImage::Format_RGB32));
    }
}

void TestChartWindow::copyDataParsesBackColumnByColumn_data()
{
    QTest::addColumn<char>("separator");
    QTest::newRow("point") << '.';
    QTest::newRow("comma") << ',';
}

void TestChartWindow::copyDataParsesBackColumnByColumn()
{
    QFETCH(char, separator);
    form->SetDecimalSeparator(separator);
    // Different end strains, so that cells stay empty; the hidden one is left out.
    Create({{"C30", 30, "0.016", "700"},
            {"Hidden", 40, "0.01", "500"},
            {"C60", 60, "0.005", "1000"}});
    QVERIFY(!QTest::currentTestFailed());
    form->ShowConcreteCurves("Hidden", false);

    for (TChart* chart : {form->cht1, form->cht2}) {
        std::unique_ptr<QMenu> menu(chart->CreateContextMenu(nullptr));
        menu->findChild<QAction*>(QStringLiteral("CopyData1"))->trigger();
        const QString text = QGuiApplication::clipboard()->text();
        QStringList lines = text.split('\n');
        QCOMPARE(lines.takeLast(), QString());  // the text ends with a line break
        QCOMPARE(lines.takeFirst(), QStringLiteral("Strain\tC30\tC60"));

        QList<QList<QPair<double, double>>> columns(2);
        double previous = -1;
        for (const QString& line : lines) {
            const QStringList cells = line.split('\t');
            QCOMPARE(cells.size(), 3);
            const double strain = Read(cells[0], separator);
            QVERIFY2(strain > previous, qPrintable(line));  // one line per strain, ascending
            previous = strain;
            bool any = false;
            for (int c = 0; c < 2; ++c)
                if (!cells[c + 1].isEmpty()) {
                    columns[c].append({strain, Read(cells[c + 1], separator)});
                    any = true;
                }
            QVERIFY(any);
        }
        for (int c = 0; c < 2; ++c) {
            const TLineSeries* series = chart->Series(c == 0 ? 0 : 2);
            QCOMPARE(columns[c].size(), series->Count());
            for (int i = 0; i < series->Count(); ++i) {
                const auto point = series->data()->at(i);
                // Strains exactly, stresses to the printed four decimals.
                QCOMPARE(std::bit_cast<quint64>(columns[c][i].first),
                         std::bit_cast<quint64>(point->key));
                QVERIFY(std::abs(columns[c][i].second - point->value) <= 0.00005);
            }
        }
    }
    // 0.005 ends C60 beside the accumulated 0.004999999999999999 of the others: two lines.
    const QString compression = (form->cht1->CopyData(), QGuiApplication::clipboard()->text());
    const QString s = QString(QChar(separator));
    QVERIFY(compression.contains("\n4" + s + "999999999999999E-03\t"));
    QVERIFY(compression.contains("\n5" + s + "000E-03\t\t"));
}

void TestChartWindow::resetZoomAndSaveImageAs()
{
    Create({{"C30", 30, "0.016", "700"}});
    QVERIFY(!QTest::currentTestFailed());
    for (TChart* chart : {form->cht1, form->cht2}) {
        const QCPRange full = chart->xAxis->range();
        const QRect plot = chart->axisRect()->rect();
        Drag(chart, plot.topLeft() + QPoint(20, 20), plot.center());
        QVERIFY(chart->xAxis->range().upper < full.upper);

        std::unique_ptr<QMenu> menu(chart->CreateContextMenu(nullptr));
        menu->findChild<QAction*>(QStringLiteral("ResetZoom1"))->trigger();
        chart->Refresh();
        QVERIFY(chart->AutomaticRange());
        QCOMPARE(chart->xAxis->range(), full);

        QSignalSpy asked(chart, &TChart::SaveImageAsRequested);
        menu->findChild<QAction*>(QStringLiteral("SaveImageAs1"))->trigger();
        QCOMPARE(asked.count(), 1);
    }
    // With every curve hidden there are no numbers to copy.
    form->ShowConcreteCurves("C30", false);
    std::unique_ptr<QMenu> menu(form->cht1->CreateContextMenu(nullptr));
    QVERIFY(!menu->findChild<QAction*>(QStringLiteral("CopyData1"))->isEnabled());
}

QTEST_MAIN(TestChartWindow)
#include "tst_chartwindow.moc"
