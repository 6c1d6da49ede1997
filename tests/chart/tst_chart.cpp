// The curve chart on its own: colours handed out and kept, the legend of active series, ranges
// that follow the data, zooming with the mouse and back, and labels in the user's number text.

#include <QPaintEngine>
#include <QtTest>

#include "chart/Chart.h"

namespace {

QStringList LegendTexts(const TChart& chart)
{
    QStringList texts;
    if (!chart.legend->visible())
        return texts;
    for (int i = 0; i < chart.legend->itemCount(); ++i)
        if (auto* entry = qobject_cast<QCPPlottableLegendItem*>(chart.legend->item(i)))
            texts.append(entry->plottable()->name());
    return texts;
}

TLineSeries* AddCurve(TChart& chart, const QString& title, double end, double peak)
{
    TLineSeries* series = chart.AddSeries();
    series->SetTitle(title);
    series->SetActive(true);
    for (int k = 0; k <= 10; ++k)
        series->AddXY(end * k / 10, peak * (k % 2));
    return series;
}

QList<int> Positions(const TChart& chart)
{
    QList<int> positions;
    for (int i = 0; i < chart.SeriesCount(); ++i) {
        int found = -1;
        for (int p = 0; p < TChart::PaletteSize && found < 0; ++p)
            if (TChart::PaletteColor(p) == chart.Series(i)->Color())
                found = p;
        positions.append(found);
    }
    return positions;
}

// A device that draws nothing and keeps every polyline stroked on it, in its own pixels.
class PolylineRecorder : public QPaintDevice {
public:
    PolylineRecorder(QSize size, double ratio) : size(size), ratio(ratio) {}

    QPaintEngine* paintEngine() const override { return &engine; }
    QList<QPolygonF> Polylines() const { return engine.polylines; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return size.width();
        case PdmHeight:
            return size.height();
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDevicePixelRatio:
            return int(ratio);
        case PdmDevicePixelRatioScaled:
            return int(ratio * devicePixelRatioFScale());
        case PdmDepth:
            return 32;
        default:
            return QPaintDevice::metric(metric);
        }
    }

private:
    // Takes every primitive as drawn, with the painter's transform beside it.
    class Engine : public QPaintEngine {
    public:
        Engine() : QPaintEngine(AllFeatures) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState& state) override
        {
            if (state.state() & DirtyTransform)
                transform = state.transform();
        }
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override
        {
            if (mode == PolylineMode)
                polylines.append(transform.map(QPolygonF(QList<QPointF>(points, points + count))));
        }
        Type type() const override { return User; }
        QTransform transform;
        QList<QPolygonF> polylines;
    };

    QSize size;
    double ratio;
    mutable Engine engine;
};

double DistanceToSegment(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double length = QPointF::dotProduct(ab, ab);
    const double t = length > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length, 0.0, 1.0) : 0;
    const QPointF d = p - (a + t * ab);
    return std::hypot(d.x(), d.y());
}

}  // namespace

class TestChart : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void paletteIsConvertedFromStoredColours();
    void removingRecoloursNothing();
    void everyColourTakenFallsBackToPosition();
    void legendListsActiveSeriesInCreationOrder();
    void legendListsFirstRowsAndCountsTheRest_data();
    void legendListsFirstRowsAndCountsTheRest();
    void rangesFollowTheData();
    void dragZoomsAndDoubleClickComesBack();
    void otherButtonsDoNotZoom();
    void slipsOfTheHandZoomNothing_data();
    void slipsOfTheHandZoomNothing();
    void zoomRectangleIsNotXorOverTheChart();
    void labelsFollowTheDecimalSeparator();
    void manyPointsCostOneRedraw();
    void thinnedCurveLooksLikeEveryPoint();
    void thinningHoldsInTheTargetsPixels_data();
    void thinningHoldsInTheTargetsPixels();

private:
    std::unique_ptr<TChart> chart;
};

void TestChart::init()
{
    chart = std::make_unique<TChart>();
    chart->resize(585, 223);
    chart->show();
    QVERIFY(QTest::qWaitForWindowExposed(chart.get()));
}

void TestChart::cleanup()
{
    chart.reset();
}

void TestChart::paletteIsConvertedFromStoredColours()
{
    // Stored as 0x00BBGGRR: blue in the high byte.
    QCOMPARE(TChart::PaletteColor(0), QColor(255, 153, 102));
    QCOMPARE(TChart::PaletteColor(2), QColor(153, 204, 255));
    QCOMPARE(TChart::PaletteColor(13), QColor(204, 204, 255));
    QCOMPARE(TChart::ColorFromStored(0x640000), QColor(0, 0, 100));
}

void TestChart::removingRecoloursNothing()
{
    for (int i = 0; i < 5; ++i)
        AddCurve(*chart, QString::number(i), 0.01, 10);
    chart->RemoveSeries(3);
    chart->RemoveSeries(1);
    QCOMPARE(Positions(*chart), (QList<int>{0, 2, 4}));
    // The first free colour in palette order, not the last freed one.
    AddCurve(*chart, QStringLiteral("x"), 0.01, 10);
    AddCurve(*chart, QStringLiteral("y"), 0.01, 10);
    AddCurve(*chart, QStringLiteral("z"), 0.01, 10);
    QCOMPARE(Positions(*chart), (QList<int>{0, 2, 4, 1, 3, 5}));
}

void TestChart::everyColourTakenFallsBackToPosition()
{
    for (int i = 0; i < 16; ++i)
        AddCurve(*chart, QString::number(i), 0.01, 10);
    // Series 14 still wears colour 0, so removing series 0 frees no colour: the next series
    // takes position (series count) mod 14 = 15 mod 14.
    chart->RemoveSeries(0);
    AddCurve(*chart, QStringLiteral("next"), 0.01, 10);
    QCOMPARE(Positions(*chart).last(), 1);
    QCOMPARE(chart->SeriesCount(), 16);
}

void TestChart::legendListsActiveSeriesInCreationOrder()
{
    QVERIFY(!chart->legend->visible());
    AddCurve(*chart, QStringLiteral("A"), 0.01, 10);
    AddCurve(*chart, QStringLiteral("B"), 0.01, 10);
    AddCurve(*chart, QStringLiteral("C"), 0.01, 10);
    chart->Series(0)->SetActive(false);
    chart->Series(2)->SetActive(false);
    QCOMPARE(LegendTexts(*chart), QStringList{"B"});
    chart->Series(2)->SetActive(true);
    chart->Series(0)->SetActive(true);
    QCOMPARE(LegendTexts(*chart), (QStringList{"A", "B", "C"}));
    for (int i = 0; i < 3; ++i)
        chart->Series(i)->SetActive(false);
    QCOMPARE(LegendTexts(*chart), QStringList{});
    chart->Series(1)->SetActive(true);
    chart->RemoveSeries(1);
    QCOMPARE(LegendTexts(*chart), QStringList{});
}

void TestChart::legendListsFirstRowsAndCountsTheRest_data()
{
    QTest::addColumn<int>("series");
    QTest::addColumn<bool>("hideOdd");
    QTest::addColumn<QStringList>("expected");
    // Once the first series is removed: the next one moves up, with no gap.
    QTest::addColumn<QStringList>("afterRemoval");
    const auto names = [](int first, int count, int step) {
        QStringList list;
        for (int i = 0; i < count; ++i)
            list << QString::number(first + i * step);
        return list;
    };
    QTest::newRow("3") << 3 << false << names(0, 3, 1) << names(1, 2, 1);
    QTest::newRow("20, every one listed") << 20 << false << names(0, 20, 1) << names(1, 19, 1);
    QTest::newRow("21") << 21 << false << names(0, 19, 1) + QStringList{"… and 2 more"}
                        << names(1, 20, 1);
    QTest::newRow("300") << 300 << false << names(0, 19, 1) + QStringList{"… and 281 more"}
                         << names(1, 19, 1) + QStringList{"… and 280 more"};
    // Hidden series are neither listed nor counted.
    QTest::newRow("300, every second hidden")
        << 300 << true << names(0, 19, 2) + QStringList{"… and 131 more"}
        << names(2, 19, 2) + QStringList{"… and 130 more"};
}

void TestChart::legendListsFirstRowsAndCountsTheRest()
{
    QFETCH(int, series);
    QFETCH(bool, hideOdd);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, afterRemoval);
    for (int i = 0; i < series; ++i)
        AddCurve(*chart, QString::number(i), 0.01, 10)->SetActive(!(hideOdd && i % 2));
    QCOMPARE(chart->LegendTexts(), expected);
    chart->Refresh();
    QVERIFY(chart->axisRect()->rect().contains(chart->legend->outerRect()));
    chart->RemoveSeries(0);
    QCOMPARE(chart->LegendTexts(), afterRemoval);
}

void TestChart::rangesFollowTheData()
{
    AddCurve(*chart, QStringLiteral("A"), 0.01, 10);
    TLineSeries* wide = AddCurve(*chart, QStringLiteral("B"), 0.03, 20);
    QCoreApplication::processEvents();
    QCOMPARE(chart->xAxis->range().upper, 0.03);
    QVERIFY(chart->yAxis->range().upper >= 20);
    // A hidden curve no longer stretches the axes.
    wide->SetActive(false);
    QCoreApplication::processEvents();
    QCOMPARE(chart->xAxis->range().upper, 0.01);
    QVERIFY(chart->yAxis->range().upper >= 10 && chart->yAxis->range().upper < 20);
}

void TestChart::dragZoomsAndDoubleClickComesBack()
{
    AddCurve(*chart, QStringLiteral("A"), 0.01, 10);
    chart->Refresh();
    const QCPRange full = chart->xAxis->range();
    const QRect plot = chart->axisRect()->rect();

    QTest::mousePress(chart.get(), Qt::LeftButton, {}, plot.topLeft() + QPoint(20, 20));
    QTest::mouseMove(chart.get(), plot.center());
    QTest::mouseRelease(chart.get(), Qt::LeftButton, {}, plot.center());
    chart->Refresh();
    const QCPRange zoomed = chart->xAxis->range();
    QVERIFY(!chart->AutomaticRange());
    QVERIFY(zoomed.lower > full.lower && zoomed.upper < full.upper);

    // The zoom stays while curves change, until the user asks for the whole picture again.
    AddCurve(*chart, QStringLiteral("B"), 0.02, 10);
    chart->Refresh();
    QCOMPARE(chart->xAxis->range(), zoomed);

    QTest::mouseDClick(chart.get(), Qt::LeftButton, {}, plot.center());
    chart->Refresh();
    QVERIFY(chart->AutomaticRange());
    QCOMPARE(chart->xAxis->range().upper, 0.02);
    QCOMPARE(chart->xAxis->range().lower, 0.0);
}

void TestChart::otherButtonsDoNotZoom()
{
    AddCurve(*chart, QStringLiteral("A"), 0.01, 10);
    chart->Refresh();
    const QCPRange full = chart->xAxis->range();
    const QRect plot = chart->axisRect()->rect();
    QTest::mousePress(chart.get(), Qt::RightButton, {}, plot.topLeft() + QPoint(20, 20));
    QTest::mouseMove(chart.get(), plot.center());
    QTest::mouseRelease(chart.get(), Qt::RightButton, {}, plot.center());
    chart->Refresh();
    QCOMPARE(chart->xAxis->range(), full);
    QVERIFY(chart->AutomaticRange());
}

void TestChart::slipsOfTheHandZoomNothing_data()
{
    QTest::addColumn<QPoint>("drag");
    QTest::newRow("1 px") << QPoint(1, 1);
    QTest::newRow("3 px") << QPoint(3, 3);
    QTest::newRow("15 px wide, 40 high") << QPoint(15, 40);
    QTest::newRow("60 px wide, 15 high, leftwards") << QPoint(-60, -15);
}

void TestChart::slipsOfTheHandZoomNothing()
{
    QFETCH(QPoint, drag);
    chart->SetZoomPen(QPen(QColor(255, 128, 255), 2));
    AddCurve(*chart, QStringLiteral("A"), 0.01, 10);
    chart->Refresh();
    const QCPRange full = chart->xAxis->range();
    const QImage before = chart->grab().toImage();

    const QPoint from = chart->axisRect()->rect().center();
    QTest::mousePress(chart.get(), Qt::LeftButton, {}, from);
    QTest::mouseMove(chart.get(), from + drag);
    QTest::mouseRelease(chart.get(), Qt::LeftButton, {}, from + drag);
    QCoreApplication::processEvents();
    chart->Refresh();
    QVERIFY(chart->AutomaticRange());
    QCOMPARE(chart->xAxis->range(), full);
    // Nothing left behind of the rectangle.
    QCOMPARE(chart->grab().toImage(), before);
}

void TestChart::zoomRectangleIsNotXorOverTheChart()
{
    const QColor pen(255, 128, 255);
    chart->SetZoomPen(QPen(pen, 2));
    AddCurve(*chart, QStringLiteral("A"), 0.01, 10);
    // A black back wall: NOT (pen XOR black) is the pen's complement, where a plain stroke
    // would show the pen itself.
    chart->axisRect()->setBackground(Qt::black);
    chart->Refresh();
    const QRect plot = chart->axisRect()->rect();
    const QPoint from = plot.topLeft() + QPoint(30, 30);
    const QPoint to = plot.center() + QPoint(0, 20);
    QTest::mousePress(chart.get(), Qt::LeftButton, {}, from);
    QTest::mouseMove(chart.get(), to);
    const QImage during = chart->grab().toImage();
    const QColor complement(255 - pen.red(), 255 - pen.green(), 255 - pen.blue());
    const int y = (from.y() + to.y()) / 2;
    bool found = false;
    for (int x = from.x() - 1; x <= from.x() + 1; ++x)
        found = found || during.pixelColor(x, y) == complement;
    QVERIFY2(found, qPrintable(during.pixelColor(from.x(), y).name()));
    QTest::mouseRelease(chart.get(), Qt::LeftButton, {}, to);
    chart->Refresh();
    QVERIFY(!chart->AutomaticRange());
    QVERIFY(chart->grab().toImage().pixelColor(from.x(), y) != complement);
}

void TestChart::labelsFollowTheDecimalSeparator()
{
    AddCurve(*chart, QStringLiteral("A"), 0.001, 2);
    chart->SetDecimalSeparator(',');
    chart->Refresh();
    const QVector<QString> stress = chart->yAxis->tickVectorLabels();
    QVERIFY(!stress.isEmpty());
    for (const QString& label : stress)
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d+,\\d$")).match(label).hasMatch(),
                 qPrintable(label));
    // "e" stays as printed; the axis does not turn it into a power of ten.
    QCOMPARE(chart->xAxis->numberFormat(), QStringLiteral("g"));
    QVERIFY(chart->xAxis->tickVectorLabels().contains(QStringLiteral("00e0")));
}

void TestChart::manyPointsCostOneRedraw()
{
    QSignalSpy replots(chart.get(), &QCustomPlot::afterReplot);
    TLineSeries* series = chart->AddSeries();
    series->SetTitle(QStringLiteral("long"));
    for (int k = 0; k < 100000; ++k)
        series->AddXY(k * 1e-5, k % 7);
    QCOMPARE(replots.count(), 0);
    QTRY_COMPARE(replots.count(), 1);
    QCOMPARE(series->Count(), 100000);
    QCOMPARE(chart->xAxis->range().upper, 99999 * 1e-5);
}

// The curve is stroked through fewer points than it holds; drawn by the chart engine's own
// graph through every point its sampling keeps, it must look the same: a smooth rise and fall with a one-point
// spike and a dip that the thinning must not flatten.
void TestChart::thinnedCurveLooksLikeEveryPoint()
{
    QVector<double> x;
    QVector<double> y;
    for (int k = 0; k <= 20000; ++k) {
        const double e = k * 1e-6;
        x.append(e);
        y.append(30 * std::exp(-std::pow((e - 0.006) / 0.004, 2)) + (k == 9000 ? 12 : 0) -
                 (k >= 14000 && k < 14030 ? 8 : 0));
    }
    TLineSeries* series = chart->AddSeries();
    series->SetTitle(QStringLiteral("smooth"));
    series->SetPenWidth(2);
    for (int k = 0; k < x.size(); ++k)
        series->AddXY(x[k], y[k]);
    chart->Refresh();
    const QImage thinned = chart->grab().toImage();
    // The legend goes with the series; the curves are compared around it.
    const QRect legend = chart->legend->outerRect().adjusted(-1, -1, 4, 4);

    series->SetActive(false);
    auto* plain = new QCPGraph(chart->xAxis, chart->yAxis);
    plain->setPen(series->pen());
    // QCustomPlot's own drawing, with its adaptive sampling as the curves have it.
    plain->setData(x, y, true);
    chart->xAxis->setRange(chart->xAxis->range());
    chart->replot(QCustomPlot::rpImmediateRefresh);
    const QImage full = chart->grab().toImage();

    QCOMPARE(thinned.size(), full.size());
    int differing = 0;
    int worst = 0;
    for (int row = 0; row < full.height(); ++row)
        for (int col = 0; col < full.width(); ++col) {
            if (legend.contains(col, row))
                continue;
            const QColor a = thinned.pixelColor(col, row);
            const QColor b = full.pixelColor(col, row);
            const int d = std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                                    std::abs(a.blue() - b.blue())});
            worst = std::max(worst, d);
            differing += d > 64;
        }
    // The joints between the pieces of the stroke (32 segments each) overlap differently, a dot
    // of antialiasing every few dozen pixels of curve; nothing else may differ visibly.
    QVERIFY2(differing <= 40, qPrintable(QStringLiteral("%1 pixels differ, worst by %2")
                                             .arg(differing)
                                             .arg(worst)));
}

void TestChart::thinningHoldsInTheTargetsPixels_data()
{
    QTest::addColumn<int>("scale");  // of the drawing, as a 2x or 3x picture has it
    QTest::addColumn<int>("ratio");  // of the device, as a high-resolution screen has it

    QTest::newRow("1x") << 1 << 1;
    QTest::newRow("picture 2x") << 2 << 1;
    QTest::newRow("picture 3x") << 3 << 1;
    QTest::newRow("screen 2x") << 1 << 2;
}

// Every point of the curve lies within the thinning's tenth of a pixel of the line stroked,
// in the pixels of the target: at 3x a tenth of the chart's own pixel would be three tenths.
void TestChart::thinningHoldsInTheTargetsPixels()
{
    QFETCH(int, scale);
    QFETCH(int, ratio);

    // Fewer points than pixel columns, so that QCustomPlot's own sampling keeps every one, on a
    // curve that bends everywhere.
    TLineSeries* series = chart->AddSeries();
    series->SetTitle(QStringLiteral("bent"));
    series->SetPenWidth(2);
    QVector<QPointF> points;
    for (int k = 0; k <= 400; ++k) {
        const double e = k * 1e-5;
        points.append({e, 20 * std::sin(e * 800) + 3 * std::sin(e * 3100)});
        series->AddXY(points.last().x(), points.last().y());
    }
    chart->Refresh();

    PolylineRecorder device(chart->size() * scale * ratio, ratio);
    {
        QCPPainter painter(&device);
        painter.scale(scale, scale);
        chart->DrawPicture(&painter, chart->size());
    }
    // The curve's strokes: the polylines drawn inside the axis rect with more than two points.
    const double pixels = scale * ratio;
    QList<QPolygonF> strokes;
    for (const QPolygonF& line : device.Polylines())
        if (line.size() > 2)
            strokes.append(line);
    QVERIFY(!strokes.isEmpty());

    double worst = 0;
    int stroked = 0;
    for (const QPolygonF& line : strokes)
        stroked += line.size();
    for (const QPointF& point : points) {
        // Raster drawing is shifted by half a pixel of the chart for its antialiasing.
        const QPointF pixel(chart->xAxis->coordToPixel(point.x()) + 0.5,
                            chart->yAxis->coordToPixel(point.y()) + 0.5);
        const QPointF target = pixel * pixels;
        double nearest = std::numeric_limits<double>::infinity();
        for (const QPolygonF& line : strokes)
            for (int i = 0; i + 1 < line.size(); ++i)
                nearest = std::min(nearest, DistanceToSegment(target, line[i], line[i + 1]));
        worst = std::max(worst, nearest);
    }
    QVERIFY2(worst <= TLineSeries::kSimplifyTolerance + 1e-6,
             qPrintable(QStringLiteral("a point %1 pixels off the line of %2 points")
                            .arg(worst)
                            .arg(stroked)));
}

QTEST_MAIN(TestChart)
#include "tst_chart.moc"
