#include "library/Chart.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <string>

#include "model/NumberText.h"

namespace {

// Handed out in this order; stored as 0x00BBGGRR, blue in the high byte.
constexpr std::uint32_t kPalette[TChart::PaletteSize] = {
    0x6699FF, 0x6666FF, 0xFFCC99, 0x669966, 0x99CCCC, 0xCC6699, 0x6666CC,
    0x99CCFF, 0xFF6699, 0xCCCCCC, 0xCCFF66, 0xFF9966, 0x996699, 0xFFCCCC,
};

// Prints tick labels with the program's own number text, so an axis reads exactly like the
// numbers everywhere else (and follows the user's decimal separator). With a base step, the
// ticks sit on multiples of that step, the smallest of 1, 2, 5, 10, 20, 50 ... times it whose
// labels fit side by side along the axis.
class TLabelTicker : public QCPAxisTicker {
public:
    TLabelTicker(const TChart* chart, const QCPAxis* axis, NumberPattern pattern)
        : chart(chart), axis(axis), pattern(pattern)
    {
    }

    void SetBaseStep(double step) { baseStep = step; }

protected:
    QString getTickLabel(double tick, const QLocale&, QChar, int) override
    {
        return Label(tick);
    }

    double getTickStep(const QCPRange& range) override
    {
        if (!(baseStep > 0))
            return QCPAxisTicker::getTickStep(range);
        const int fit = LabelsThatFit(range);
        double multiple = 1;
        for (int decade = 0; decade < 300; ++decade) {
            for (double factor : {1.0, 2.0, 5.0}) {
                // Rounded to 12 digits so that 10 × 0.0002 is 0.002 itself and the tick at the
                // end of a range such as 0.016 is not lost to the last bit.
                const double step =
                    QString::number(baseStep * multiple * factor, 'g', 12).toDouble();
                if (std::floor(range.size() / step) + 1 <= fit)
                    return step;
            }
            multiple *= 10;
        }
        return range.size();
    }

private:
    QString Label(double value) const
    {
        return QString::fromStdString(FormatFloat(pattern, value, chart->DecimalSeparator()));
    }

    int LabelsThatFit(const QCPRange& range) const
    {
        const QFontMetrics metrics(axis->tickLabelFont());
        int widest = 0;
        for (double value : {range.lower, range.upper, range.lower + baseStep, -baseStep})
            widest = std::max(widest, metrics.horizontalAdvance(Label(value)));
        const int gap = metrics.horizontalAdvance(QStringLiteral("00"));
        int length = axis->axisRect() ? axis->axisRect()->width() : 0;
        if (length <= 0)
            length = chart->width();
        return std::max(2, length / (widest + gap));
    }

    const TChart* chart;
    const QCPAxis* axis;
    NumberPattern pattern;
    double baseStep = 0;
};

void SetUpAxis(TChart* chart, QCPAxis* axis, const QString& title, NumberPattern pattern)
{
    axis->setLabel(title);
    // 'b' in the format would turn the "e" of our labels into "·10^"; the labels stand as printed.
    axis->setNumberFormat(QStringLiteral("g"));
    axis->setTicker(QSharedPointer<TLabelTicker>::create(chart, axis, pattern));
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// TLineSeries

TLineSeries::TLineSeries(TChart* chart, const QColor& color) : QCPGraph(chart->xAxis, chart->yAxis)
{
    setPen(QPen(color, 1));
    setLineStyle(lsLine);
    setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssNone));
    setSelectable(QCP::stNone);
    setAntialiased(true);
}

TChart* TLineSeries::ParentChart() const
{
    return static_cast<TChart*>(parentPlot());
}

void TLineSeries::SetTitle(const QString& title)
{
    setName(title);
    ParentChart()->RebuildLegend();
    ParentChart()->Changed();
}

void TLineSeries::SetActive(bool active)
{
    setVisible(active);
    ParentChart()->RebuildLegend();
    ParentChart()->Changed();
}

void TLineSeries::SetPointer(QCPScatterStyle::ScatterShape shape, double size, bool visible)
{
    if (visible)
        setScatterStyle(QCPScatterStyle(shape, pen().color(), pen().color(), size));
    else
        setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssNone));
    ParentChart()->Changed();
}

void TLineSeries::SetPenWidth(double width)
{
    QPen line = pen();
    line.setWidthF(width);
    setPen(line);
    ParentChart()->Changed();
}

void TLineSeries::AddXY(double x, double y)
{
    addData(x, y);
    ParentChart()->Changed();
}

// Qt fills a wide antialiased stroke as one outline, and its rasteriser keeps every edge of the
// outline that crosses a scan line active at once: along a curve of thousands of points the cost
// grows with the square of its length (14 curves of 5,002 points took 25 ms to draw, one chart).
// Strokes of a few dozen points sharing their end points look the same and take a quarter of
// the time. Points that are not finite break the line, as QCustomPlot's own drawing does.
void TLineSeries::drawLinePlot(QCPPainter* painter, const QVector<QPointF>& lines) const
{
    if (painter->pen().style() == Qt::NoPen || painter->pen().color().alpha() == 0)
        return;
    applyDefaultAntialiasingHint(painter);

    constexpr qsizetype kPiece = 32;  // segments per stroke
    const auto drawRun = [painter, &lines](qsizetype first, qsizetype end) {
        for (qsizetype start = first; start + 1 < end; start += kPiece)
            painter->drawPolyline(lines.constData() + start,
                                  int(std::min(kPiece + 1, end - start)));
    };
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QPointF& point = lines.at(i);
        if (!std::isfinite(point.x()) || !std::isfinite(point.y())) {
            drawRun(runStart, i);
            runStart = i + 1;
        }
    }
    drawRun(runStart, lines.size());
}

void TLineSeries::drawLegendIcon(QCPPainter* painter, const QRectF& rect) const
{
    if (!ParentChart()->LegendSquareSymbols()) {
        QCPGraph::drawLegendIcon(painter, rect);
        return;
    }
    const double side = std::min(rect.width(), rect.height());
    const QRectF square(rect.center().x() - side / 2, rect.center().y() - side / 2, side, side);
    painter->setPen(QPen(pen().color().darker(130), 1));
    painter->setBrush(pen().color());
    painter->drawRect(square);
}

// ---------------------------------------------------------------------------------------------
// TChart

QColor TChart::ColorFromStored(std::uint32_t bbggrr)
{
    return QColor(bbggrr & 0xFF, (bbggrr >> 8) & 0xFF, (bbggrr >> 16) & 0xFF);
}

QColor TChart::PaletteColor(int position)
{
    return ColorFromStored(kPalette[position]);
}

TChart::TChart(QWidget* parent) : QCustomPlot(parent)
{
    setCursor(Qt::PointingHandCursor);
    setBackground(backColor);
    axisRect()->setBackground(backWallColor);
    setAntialiasedElements(QCP::aePlottables | QCP::aeLegendItems);
    setAutoAddPlottableToLegend(false);

    SetUpAxis(this, xAxis, QStringLiteral("strain[m/m]"), NumberPattern::TwoDigitsExp);
    SetUpAxis(this, yAxis, QStringLiteral("f [N/mm2]"), NumberPattern::Fixed1);
    xAxis->setRange(0, 1);
    yAxis->setRange(0, 1);
    // Room on the right for half a strain label: QCustomPlot leaves out a label that would
    // stick out of the widget, and the last one marks the end strain.
    axisRect()->setAutoMargins(QCP::msLeft | QCP::msTop | QCP::msBottom);
    axisRect()->setMargins(QMargins(0, 0, 18, 0));

    legend->setVisible(false);

    // Zoom by dragging a rectangle; a double-click brings back the ranges that fit the data.
    setSelectionRectMode(QCP::srmZoom);
    connect(selectionRect(), &QCPSelectionRect::accepted, this,
            [this] { automaticRange = false; });
    connect(this, &QCustomPlot::mouseDoubleClick, this, [this] { UndoZoom(); });
    connect(this, &QCustomPlot::beforeReplot, this, [this] { ApplyPending(); });
}

void TChart::mousePressEvent(QMouseEvent* event)
{
    // Only the left button draws the zoom rectangle.
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QCustomPlot::mousePressEvent(event);
}

QColor TChart::NextColor() const
{
    for (int position = 0; position < PaletteSize; ++position) {
        const QColor color = PaletteColor(position);
        if (color == backColor || color == backWallColor)
            continue;
        bool used = false;
        for (int i = 0; i < graphCount() && !used; ++i)
            used = graph(i)->pen().color() == color;
        if (!used)
            return color;
    }
    return PaletteColor(graphCount() % PaletteSize);
}

TLineSeries* TChart::AddSeries()
{
    // The colour is chosen before the series joins, among the series already on the chart.
    const QColor color = NextColor();
    auto* series = new TLineSeries(this, color);
    RebuildLegend();
    Changed();
    return series;
}

TLineSeries* TChart::Series(int index) const
{
    return static_cast<TLineSeries*>(graph(index));
}

void TChart::RemoveSeries(int index)
{
    removeGraph(index);
    RebuildLegend();
    Changed();
}

void TChart::RemoveAllSeries()
{
    clearGraphs();
    RebuildLegend();
    // Nothing left to look at closely: the next curves are shown whole.
    automaticRange = true;
    xAxis->setRange(0, 1);
    yAxis->setRange(0, 1);
    Changed();
}

void TChart::SetDecimalSeparator(char separator)
{
    decimalSeparator = separator;
    Changed();
}

void TChart::SetBottomAxisIncrement(double increment)
{
    static_cast<TLabelTicker*>(xAxis->ticker().data())->SetBaseStep(increment);
    Changed();
}

void TChart::SetGridColor(const QColor& color)
{
    for (QCPAxis* axis : {xAxis, yAxis})
        axis->grid()->setPen(QPen(color, 1, Qt::DotLine));
    Changed();
}

void TChart::SetZoomPen(const QPen& pen)
{
    selectionRect()->setPen(pen);
    selectionRect()->setBrush(Qt::NoBrush);
}

void TChart::SetLegendTextColor(const QColor& color)
{
    legend->setTextColor(color);
    Changed();
}

void TChart::UndoZoom()
{
    automaticRange = true;
    Changed();
}

void TChart::Refresh()
{
    replot(rpImmediateRefresh);
}

void TChart::Changed()
{
    pending = true;
    replot(rpQueuedReplot);
}

void TChart::ApplyPending()
{
    if (!pending)
        return;
    pending = false;
    if (!automaticRange)
        return;
    bool any = false;
    for (int i = 0; i < graphCount() && !any; ++i)
        any = graph(i)->visible() && !graph(i)->data()->isEmpty();
    if (!any)
        return;
    rescaleAxes(true);
    // Headroom above the highest stress, so the peak of a curve is not cut by the frame.
    const QCPRange stress = yAxis->range();
    yAxis->setRange(stress.lower, stress.upper + stress.size() * 0.05);
}

void TChart::RebuildLegend()
{
    // Active series only, in list order (creation order), whatever order they were shown in.
    legend->clearItems();
    for (int i = 0; i < graphCount(); ++i)
        if (graph(i)->visible())
            graph(i)->addToLegend(legend);
    legend->setVisible(legend->itemCount() > 0);
}
