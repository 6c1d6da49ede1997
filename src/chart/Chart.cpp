#include "chart/Chart.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "chart/ChartReadout.h"
#include "model/NumberText.h"

namespace {

// Handed out in this order; stored as 0x00BBGGRR, blue in the high byte.
constexpr std::uint32_t kPalette[TChart::PaletteSize] = {
    0x6699FF, 0x6666FF, 0xFFCC99, 0x669966, 0x99CCCC, 0xCC6699, 0x6666CC,
    0x99CCFF, 0xFF6699, 0xCCCCCC, 0xCCFF66, 0xFF9966, 0x996699, 0xFFCCCC,
};

// Prints tick labels with the program's own number text, so an axis reads exactly like the
// numbers everywhere else (and follows the user's decimal separator). The ticks sit on
// multiples of a step of 1, 2 or 5 times a power of ten (times the base step when one is set),
// the smallest whose labels fit along the axis and print their ticks exactly: a label that
// rounds ("0.3" at 0.25 under "0.0", "10e-3" at 0.01001 under "00e-0") would misstate its
// gridline, and two alike would be worse.
class TLabelTicker : public QCPAxisTicker {
public:
    TLabelTicker(const TChart* chart, const QCPAxis* axis, NumberPattern pattern)
        : chart(chart), axis(axis), pattern(pattern)
    {
    }

    void SetBaseStep(double step) { baseStep = step; }

    // How many labelled ticks the axis shows over this range.
    int LabelCount(const QCPRange& range)
    {
        const double step = getTickStep(range);
        return step > 0 ? int(TicksIn(range, step)) : 0;
    }

protected:
    QString getTickLabel(double tick, const QLocale&, QChar, int) override
    {
        return Label(tick);
    }

    double getTickStep(const QCPRange& range) override
    {
        const double size = range.size();
        if (!(size > 0) || !std::isfinite(size))
            return QCPAxisTicker::getTickStep(range);
        const int fit = LabelsThatFit(range);
        // Without a base step, start a decade below the step that would give `fit` labels.
        double multiple = 1;
        const double unit = baseStep > 0 ? baseStep : 1;
        if (!(baseStep > 0))
            multiple = std::pow(10.0, std::floor(std::log10(size / fit)) - 1);
        for (int decade = 0; decade < 40; ++decade) {
            for (double factor : {1.0, 2.0, 5.0}) {
                const double step = Clean(unit * multiple * factor);
                if (!(step > 0) || TicksIn(range, step) > fit)
                    continue;
                if (PrintsExactly(range, step))
                    return step;
            }
            multiple *= 10;
        }
        return size;
    }

    QVector<double> createTickVector(double tickStep, const QCPRange& range) override
    {
        // Whole multiples of the step, cleaned of the last bits of the multiplication, so that
        // a gridline sits where its label says.
        QVector<double> ticks;
        const double first = std::floor(range.lower / tickStep);
        const double last = std::ceil(range.upper / tickStep);
        if (!std::isfinite(first) || !std::isfinite(last) || last - first > 1000)
            return QCPAxisTicker::createTickVector(tickStep, range);
        for (double k = first; k <= last; ++k)
            ticks.append(Clean(k * tickStep));
        return ticks;
    }

private:
    // Rounded to 12 digits so that 10 × 0.0002 is 0.002 itself and the tick at the end of a
    // range such as 0.016 is not lost to the last bit.
    static double Clean(double value) { return QString::number(value, 'g', 12).toDouble(); }

    static double TicksIn(const QCPRange& range, double step)
    {
        return std::floor(range.upper / step + 1e-9) - std::ceil(range.lower / step - 1e-9) + 1;
    }

    bool PrintsExactly(const QCPRange& range, double step) const
    {
        const double first = std::ceil(range.lower / step - 1e-9);
        const double last = std::floor(range.upper / step + 1e-9);
        std::vector<std::string> labels;
        for (double k = first; k <= last; ++k) {
            const double tick = Clean(k * step);
            const std::string text = FormatFloat(pattern, tick, chart->DecimalSeparator());
            double read = 0;
            try {
                read = StrToFloat(text, chart->DecimalSeparator());
            } catch (const ConvertError&) {
                return false;
            }
            if (std::abs(read - tick) > step * 1e-6)
                return false;
            labels.push_back(text);
        }
        std::sort(labels.begin(), labels.end());
        return std::adjacent_find(labels.begin(), labels.end()) == labels.end();
    }

    QString Label(double value) const
    {
        return QString::fromStdString(FormatFloat(pattern, value, chart->DecimalSeparator()));
    }

    int LabelsThatFit(const QCPRange& range) const
    {
        const QFontMetrics metrics(axis->tickLabelFont());
        const bool horizontal = axis->orientation() == Qt::Horizontal;
        int length = 0;
        if (axis->axisRect())
            length = horizontal ? axis->axisRect()->width() : axis->axisRect()->height();
        if (length <= 0)
            length = horizontal ? chart->width() : chart->height();
        if (!horizontal)
            // Stacked labels: a line of text and a line and a half of air between them.
            return std::max(2, int(length / (2.5 * metrics.height())));
        // At most 8 labels along an axis of the screen's size, and as many more as a longer
        // axis of a larger picture holds at the same density.
        const int most = std::max(8, length / kAxisLengthPerLabel);
        int widest = 0;
        const double probe = baseStep > 0 ? baseStep : range.size() / 10;
        for (double value : {range.lower, range.upper, range.lower + probe, -probe})
            widest = std::max(widest, metrics.horizontalAdvance(Label(value)));
        const int gap = metrics.horizontalAdvance(QStringLiteral("00"));
        const int fit = std::max(2, length / (widest + gap));
        return baseStep > 0 ? fit : std::min(fit, most);
    }

    // The chart's axes are at most some 540 pixels long on screen (the window's charts are
    // 585 pixels wide): there the cap of 8 labels holds whatever the density.
    static constexpr int kAxisLengthPerLabel = 68;

    const TChart* chart;
    const QCPAxis* axis;
    NumberPattern pattern;
    double baseStep = 0;
};

// The legend's shadow, drawn on the layer below the legend so that only the part beside and
// below the frame shows.
class TLegendShadow : public QCPLayerable {
public:
    explicit TLegendShadow(TChart* chart) : QCPLayerable(chart, QStringLiteral("axes")), chart(chart)
    {
    }

protected:
    void applyDefaultAntialiasingHint(QCPPainter* painter) const override
    {
        painter->setAntialiasing(false);
    }

    void draw(QCPPainter* painter) override
    {
        if (!chart->LegendShadow() || !chart->legend->visible())
            return;
        const int offset = TChart::LegendShadowOffset;
        painter->setPen(Qt::NoPen);
        painter->setBrush(QColor(128, 128, 128));  // opaque: no transparency
        painter->drawRect(chart->legend->outerRect().translated(offset, offset));
    }

private:
    TChart* chart;
};

// The room a legend row's text needs. QCustomPlot sizes a row from the font's integer line
// height and clips it a pixel high, which cuts every descender ("Con_30" read "Con 30"). The
// rows here hold the font's ascent and descent and the text's own ink, with room for where
// hinting and antialiasing put the glyphs on screen and at 2x or 3x, and are clipped to
// themselves, so that nothing of the text is lost at any scale.
class TLegendText {
public:
    struct Extent {
        int ascent = 0;   // whole pixels above the baseline
        int descent = 0;  // and below it
        int width = 0;
        double capHeight = 0;
    };

    Extent Of(const QFont& font, const QString& text) const
    {
        if (font == cachedFont && text == cachedText)
            return cached;
        // The font's metrics and the text's bounding rectangle as laid out on screen; a 2x or
        // 3x picture draws the same glyphs from their outlines, within the allowance below.
        const QFontMetricsF metrics(font);
        const QRectF ink = metrics.boundingRect(text);
        const double ascent = std::max(metrics.ascent(), -ink.top());
        const double descent = std::max(metrics.descent(), ink.bottom());
        const double width = std::max(metrics.horizontalAdvance(text), ink.right());
        // Hinting snaps an edge to the pixel grid, up to half a pixel away (an underscore of one
        // pixel lands on the row below the font's descent), and antialiasing shifts raster
        // drawing by another half pixel.
        cached = {int(std::ceil(ascent + 0.5)), int(std::ceil(descent + 0.5)),
                  int(std::ceil(width)), metrics.capHeight()};
        cachedFont = font;
        cachedText = text;
        return cached;
    }

    // A row of a legend: the symbol's room, the text after it.
    static QSize RowSize(const QCPLegend* legend, const Extent& text, const QMargins& margins)
    {
        const QSize icon = legend->iconSize();
        return QSize(icon.width() + legend->iconTextPadding() + text.width + margins.left() +
                         margins.right(),
                     std::max(text.ascent + text.descent, icon.height()) + margins.top() +
                         margins.bottom());
    }

    // Where the text's baseline lies in a row whose inner rectangle is rect.
    static int Baseline(const QCPLegend* legend, const Extent& text, const QRect& rect)
    {
        const int height = std::max(text.ascent + text.descent, legend->iconSize().height());
        return rect.top() + (height - text.ascent - text.descent) / 2 + text.ascent;
    }

private:
    mutable QFont cachedFont;
    mutable QString cachedText;
    mutable Extent cached;
};

// One row of the legend: the series' symbol and its title.
class TLegendItem : public QCPPlottableLegendItem {
public:
    TLegendItem(QCPLegend* legend, QCPAbstractPlottable* series)
        : QCPPlottableLegendItem(legend, series), series(series)
    {
    }

    QCPAbstractPlottable* Series() const { return series; }

    QSize minimumOuterSizeHint() const override
    {
        if (!mPlottable)
            return {};
        return TLegendText::RowSize(mParentLegend, TextExtent(), mMargins);
    }

protected:
    // The row's own rectangle: QCustomPlot draws every element clipped a pixel above it.
    QRect clipRect() const override { return mOuterRect.translated(0, 1); }

    void draw(QCPPainter* painter) override
    {
        if (!mPlottable)
            return;
        const TLegendText::Extent text = TextExtent();
        const QSize iconSize = mParentLegend->iconSize();
        const int height = std::max(text.ascent + text.descent, iconSize.height());
        const int baseline = TLegendText::Baseline(mParentLegend, text, mRect);
        painter->setFont(getFont());
        painter->setPen(QPen(getTextColor()));
        painter->drawText(QPointF(mRect.left() + iconSize.width() + mParentLegend->iconTextPadding(),
                                  baseline),
                          mPlottable->name());

        // The symbol stands level with the capitals of the title.
        const int middle = baseline - qRound(text.capHeight / 2);
        const int top = std::clamp(middle - iconSize.height() / 2, mRect.top(),
                                   mRect.top() + height - iconSize.height());
        const QRect iconRect(QPoint(mRect.left(), top), iconSize);
        painter->save();
        painter->setClipRect(iconRect, Qt::IntersectClip);
        if (const auto* line = qobject_cast<const TLineSeries*>(series))
            line->DrawLegendSymbol(painter, iconRect);
        else if (const auto* path = qobject_cast<const TPathSeries*>(series))
            path->DrawLegendSymbol(painter, iconRect);
        painter->restore();
        if (getIconBorderPen().style() != Qt::NoPen) {
            painter->setPen(getIconBorderPen());
            painter->setBrush(Qt::NoBrush);
            const int halfPen = int(std::ceil(painter->pen().widthF() * 0.5)) + 1;
            painter->setClipRect(mOuterRect.adjusted(-halfPen, -halfPen, halfPen, halfPen));
            painter->drawRect(iconRect);
        }
    }

private:
    TLegendText::Extent TextExtent() const { return extent.Of(getFont(), mPlottable->name()); }

    QCPAbstractPlottable* series;
    TLegendText extent;
};

}  // namespace

// The last row of a legend that cannot list every series: "… and 980 more", where the names
// stand, without a symbol.
class TLegendMoreItem : public QCPAbstractLegendItem {
public:
    explicit TLegendMoreItem(QCPLegend* legend) : QCPAbstractLegendItem(legend) {}

    QString Text() const { return text; }
    void SetText(const QString& value) { text = value; }

    QSize minimumOuterSizeHint() const override
    {
        return TLegendText::RowSize(mParentLegend, extent.Of(mFont, text), mMargins);
    }

protected:
    QRect clipRect() const override { return mOuterRect.translated(0, 1); }

    void draw(QCPPainter* painter) override
    {
        const TLegendText::Extent ink = extent.Of(mFont, text);
        painter->setFont(mFont);
        painter->setPen(QPen(mTextColor));
        painter->drawText(QPointF(mRect.left() + mParentLegend->iconSize().width() +
                                      mParentLegend->iconTextPadding(),
                                  TLegendText::Baseline(mParentLegend, ink, mRect)),
                          text);
    }

private:
    QString text;
    TLegendText extent;
};

namespace {

// The zoom rectangle is drawn by the chart itself, straight over what is shown (see
// TChart::paintEvent); QCustomPlot's own drawing into its overlay buffer could only cover it.
class TZoomRect : public QCPSelectionRect {
public:
    using QCPSelectionRect::QCPSelectionRect;

protected:
    void draw(QCPPainter*) override {}
};

// Strokes a polyline in pieces of a few dozen points, thinned first (see below).
void StrokeSimplified(QCPPainter* painter, const QVector<QPointF>& lines);

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
    // A list of a thousand rows applies every row's state again on each click: only real
    // changes reach the legend.
    if (active == visible())
        return;
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

TLineSeries::Pick TLineSeries::Nearest(const QPointF& pos, double limit) const
{
    Pick pick;
    const QCPGraphDataContainer& points = *data();
    if (points.isEmpty())
        return pick;
    const QCPAxis* keys = keyAxis();
    const QCPAxis* values = valueAxis();
    const QRect frame = keys->axisRect()->rect();
    const auto visibleBegin = points.findBegin(keys->range().lower, false);
    const auto visibleEnd = points.findEnd(keys->range().upper, false);
    if (visibleBegin >= visibleEnd)
        return pick;
    auto start = points.findBegin(keys->pixelToCoord(pos.x()), false);
    start = std::clamp(start, visibleBegin, visibleEnd);

    double best = limit;
    const auto consider = [&](QCPGraphDataContainer::const_iterator it) {
        const double x = keys->coordToPixel(it->key);
        const double y = values->coordToPixel(it->value);
        if (!std::isfinite(y) || y < frame.top() - 1 || y > frame.bottom() + 1)
            return;
        const double distance = std::hypot(x - pos.x(), y - pos.y());
        if (distance < best) {
            best = distance;
            pick.distance = distance;
            pick.index = int(it - points.constBegin());
        }
    };
    for (auto it = start; it != visibleEnd; ++it) {
        if (keys->coordToPixel(it->key) - pos.x() >= best)
            break;
        consider(it);
    }
    for (auto it = start; it != visibleBegin;) {
        --it;
        if (pos.x() - keys->coordToPixel(it->key) >= best)
            break;
        consider(it);
    }
    return pick;
}

namespace {

double Cross(const QPointF& a, const QPointF& b)
{
    return a.x() * b.y() - a.y() * b.x();
}

// Drops the points of a polyline (in pixels) that lie within `tolerance` of the straight line
// between the points kept around them, in one pass (a sleeve of directions from the last kept
// point, narrowed by every point after it). Spikes, turns and points where the line doubles
// back stay. A curve of thousands of points on a few hundred pixel columns comes down to the
// points where it visibly bends.
void Simplify(const QPointF* points, qsizetype count, double tolerance, QVector<QPointF>& kept)
{
    kept.clear();
    if (count <= 2) {
        for (qsizetype i = 0; i < count; ++i)
            kept.append(points[i]);
        return;
    }
    kept.append(points[0]);
    QPointF anchor = points[0];
    bool cone = false;
    QPointF low;
    QPointF high;
    double farthest = 0;
    for (qsizetype i = 1; i < count; ++i) {
        QPointF d = points[i] - anchor;
        double length = std::hypot(d.x(), d.y());
        const bool inside = !cone || (length > farthest - tolerance && Cross(low, d) >= 0 &&
                                      Cross(d, high) >= 0 && Cross(low, high) >= 0);
        if (!inside) {
            anchor = points[i - 1];
            kept.append(anchor);
            cone = false;
            farthest = 0;
            d = points[i] - anchor;
            length = std::hypot(d.x(), d.y());
        }
        if (length <= tolerance)
            continue;
        // The two directions from the anchor that touch the circle of the tolerance around
        // this point: every later direction must lie between them.
        const double sine = tolerance / length;
        const double cosine = std::sqrt(1 - sine * sine);
        const QPointF u = d / length;
        const QPointF ccw(u.x() * cosine - u.y() * sine, u.x() * sine + u.y() * cosine);
        const QPointF cw(u.x() * cosine + u.y() * sine, -u.x() * sine + u.y() * cosine);
        if (!cone) {
            low = cw;
            high = ccw;
            cone = true;
        } else {
            if (Cross(low, cw) > 0)
                low = cw;
            if (Cross(ccw, high) > 0)
                high = ccw;
        }
        farthest = std::max(farthest, length);
    }
    if (kept.last() != points[count - 1])
        kept.append(points[count - 1]);
}

}  // namespace

double TLineSeries::DevicePixelsPerPixel(const QCPPainter& painter)
{
    if (painter.modes().testFlag(QCPPainter::pmVectorized))
        return 10;
    // The length a pixel of the drawing's coordinates takes on the device: its world scale
    // (a picture drawn at 2x) times the device's own pixel ratio (a high-resolution screen).
    const QTransform& world = painter.worldTransform();
    const double scale = std::sqrt(std::abs(world.determinant()));
    const double ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1;
    return std::max(1.0, scale * ratio);
}

// Qt fills a wide antialiased stroke as one outline, and its rasteriser keeps every edge of the
// outline that crosses a scan line active at once: along a curve of thousands of points the cost
// grows with the square of its length (14 curves of 5,002 points took 25 ms to draw, one chart).
// Strokes of a few dozen points sharing their end points look the same and take a quarter of
// the time. QCustomPlot's adaptive sampling has already cut each pixel column down to its
// first, lowest, highest and last points; what is left of a smooth curve still has several
// points a column, which Simplify thins to those a tenth of a pixel off the straight line.
// Points that are not finite break the line, as QCustomPlot's own drawing does.
void TLineSeries::drawLinePlot(QCPPainter* painter, const QVector<QPointF>& lines) const
{
    if (painter->pen().style() == Qt::NoPen || painter->pen().color().alpha() == 0)
        return;
    applyDefaultAntialiasingHint(painter);
    StrokeSimplified(painter, lines);
}

namespace {

void StrokeSimplified(QCPPainter* painter, const QVector<QPointF>& lines)
{
    constexpr qsizetype kPiece = 32;  // segments per stroke
    // The points are in the chart's own pixels; the tolerance holds in the pixels of the target,
    // which a 2x or 3x picture or a high-resolution screen has more of. A vector picture has
    // none and may be zoomed far: there it is a hundredth of a pixel.
    const double tolerance =
        TLineSeries::kSimplifyTolerance / TLineSeries::DevicePixelsPerPixel(*painter);
    QVector<QPointF> kept;
    const auto drawRun = [painter, &lines, &kept, tolerance](qsizetype first, qsizetype end) {
        Simplify(lines.constData() + first, end - first, tolerance, kept);
        for (qsizetype start = 0; start + 1 < kept.size(); start += kPiece)
            painter->drawPolyline(kept.constData() + start,
                                  int(std::min(kPiece + 1, kept.size() - start)));
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

// The legend's square symbol of a curve of this colour.
void DrawSquareSymbol(QCPPainter* painter, const QRectF& rect, const QColor& color)
{
    const double side = std::min(rect.width(), rect.height());
    const QRectF square(rect.center().x() - side / 2, rect.center().y() - side / 2, side, side);
    painter->setPen(QPen(color.darker(130), 1));
    painter->setBrush(color);
    painter->drawRect(square);
}

}  // namespace

void TLineSeries::drawLegendIcon(QCPPainter* painter, const QRectF& rect) const
{
    if (testSeries) {
        // The marker the points are drawn with: a square would read as one more curve.
        scatterStyle().applyTo(painter, pen());
        scatterStyle().drawShape(painter, rect.center());
        return;
    }
    if (!ParentChart()->LegendSquareSymbols()) {
        QCPGraph::drawLegendIcon(painter, rect);
        return;
    }
    DrawSquareSymbol(painter, rect, pen().color());
}

// ---------------------------------------------------------------------------------------------
// TPathSeries

TPathSeries::TPathSeries(TChart* chart, const QColor& color) : QCPCurve(chart->xAxis, chart->yAxis)
{
    setPen(QPen(color, 1));
    setLineStyle(lsLine);
    setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssNone));
    setSelectable(QCP::stNone);
    setAntialiased(true);
}

TChart* TPathSeries::ParentChart() const
{
    return static_cast<TChart*>(parentPlot());
}

void TPathSeries::SetTitle(const QString& title)
{
    setName(title);
    ParentChart()->RebuildLegend();
    ParentChart()->Changed();
}

void TPathSeries::SetPenWidth(double width)
{
    QPen line = pen();
    line.setWidthF(width);
    setPen(line);
    ParentChart()->Changed();
}

void TPathSeries::SetPoints(const QVector<double>& strains, const QVector<double>& stresses)
{
    // The point's number is its parameter: QCPCurve keeps the points in that order.
    QVector<double> order(strains.size());
    for (qsizetype i = 0; i < order.size(); ++i)
        order[i] = double(i);
    setData(order, strains, stresses, true);
    ParentChart()->Changed();
}

QPointF TPathSeries::PointAt(int index) const
{
    const auto point = data()->at(index);
    return {point->key, point->value};
}

TLineSeries::Pick TPathSeries::Nearest(const QPointF& pos, double limit) const
{
    TLineSeries::Pick pick;
    const QCPAxis* keys = keyAxis();
    const QCPAxis* values = valueAxis();
    const QRect frame = keys->axisRect()->rect();
    double best = limit;
    int index = 0;
    for (auto it = data()->constBegin(); it != data()->constEnd(); ++it, ++index) {
        const double x = keys->coordToPixel(it->key);
        const double y = values->coordToPixel(it->value);
        if (!std::isfinite(x) || !std::isfinite(y) || x < frame.left() - 1 ||
            x > frame.right() + 1 || y < frame.top() - 1 || y > frame.bottom() + 1)
            continue;
        const double distance = std::hypot(x - pos.x(), y - pos.y());
        if (distance < best) {
            best = distance;
            pick.distance = distance;
            pick.index = index;
        }
    }
    return pick;
}

void TPathSeries::drawCurveLine(QCPPainter* painter, const QVector<QPointF>& lines) const
{
    if (painter->pen().style() == Qt::NoPen || painter->pen().color().alpha() == 0)
        return;
    applyDefaultAntialiasingHint(painter);
    StrokeSimplified(painter, lines);
}

void TPathSeries::drawLegendIcon(QCPPainter* painter, const QRectF& rect) const
{
    if (!ParentChart()->LegendSquareSymbols()) {
        QCPCurve::drawLegendIcon(painter, rect);
        return;
    }
    DrawSquareSymbol(painter, rect, pen().color());
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

    SetUpAxis(this, xAxis, tr("strain[m/m]"), NumberPattern::TwoDigitsExp);
    SetUpAxis(this, yAxis, tr("f [N/mm2]"), NumberPattern::Fixed1);
    xAxis->setRange(0, 1);
    yAxis->setRange(0, 1);
    // Room on the right for half a strain label: QCustomPlot leaves out a label that would
    // stick out of the widget, and the last one marks the end strain.
    axisRect()->setAutoMargins(QCP::msLeft | QCP::msTop | QCP::msBottom);
    axisRect()->setMargins(QMargins(0, 0, 18, 0));

    legend->setVisible(false);
    // Small symbols and no spacing: the legend sits inside the plot area, over the curves, and
    // should take no more of it than its names need. It fills rows first and wraps into
    // further columns when the rows would not fit (LayOutLegend).
    legend->setIconSize(16, 10);
    legend->setIconTextPadding(5);
    legend->setRowSpacing(0);
    legend->setColumnSpacing(6);
    legend->setMargins(QMargins(5, 3, 5, 3));
    legend->setFillOrder(QCPLayoutGrid::foRowsFirst, false);
    new TLegendShadow(this);

    // The read-out has a layer of its own, so that following the pointer redraws only it.
    addLayer(QStringLiteral("readout"), layer(QStringLiteral("legend")), limAbove);
    layer(QStringLiteral("readout"))->setMode(QCPLayer::lmBuffered);
    readout = new TReadout(this, QStringLiteral("readout"));
    setMouseTracking(true);

    // Zoom by dragging a rectangle; a double-click brings back the ranges that fit the data.
    setSelectionRect(new TZoomRect(this));
    setSelectionRectMode(QCP::srmZoom);
    connect(selectionRect(), &QCPSelectionRect::canceled, this, [this] { update(); });
    connect(this, &QCustomPlot::mouseDoubleClick, this, [this] { UndoZoom(); });
    connect(this, &QCustomPlot::beforeReplot, this, [this] {
        ApplyPending();
        if (legend->visible() || ReadoutVisible()) {
            // The axis rect of this drawing, before the legend is fitted into it and the
            // read-out finds its point again (the curve under it may be gone or zoomed away).
            updateLayout();
            LayOutLegend();
            if (ReadoutVisible())
                PickReadout(readoutPos);
        }
    });
}

void TChart::processRectZoom(QRect rect, QMouseEvent* event)
{
    // From the press to the release, whichever way the drag went.
    const int across = std::abs(rect.right() - rect.left());
    const int down = std::abs(rect.bottom() - rect.top());
    if (across < MinimumZoomDrag || down < MinimumZoomDrag) {
        // Nothing to zoom into; the redraw takes the rectangle away.
        update();
        return;
    }
    automaticRange = false;
    QCustomPlot::processRectZoom(rect, event);
    // The labels print a fixed number of digits ("0.0", "00e-0"), so a range can be too
    // narrow for two of them to tell their gridlines apart: widen it about its middle until
    // two labelled gridlines are in view.
    for (QCPAxis* axis : {xAxis, yAxis}) {
        auto* ticker = static_cast<TLabelTicker*>(axis->ticker().data());
        QCPRange range = axis->range();
        for (int i = 0; i < 100 && ticker->LabelCount(range) < 2; ++i)
            range = QCPRange(range.center() - range.size(), range.center() + range.size());
        axis->setRange(range);
    }
}

void TChart::mouseMoveEvent(QMouseEvent* event)
{
    QCustomPlot::mouseMoveEvent(event);
    if (selectionRect()->isActive()) {
        // The zoom rectangle is being drawn: the read-out would only be in its way.
        HideReadout();
        update();
        return;
    }
    if (event->buttons() == Qt::NoButton)
        UpdateReadout(event->position());
}

void TChart::leaveEvent(QEvent* event)
{
    HideReadout();
    QCustomPlot::leaveEvent(event);
}

void TChart::paintEvent(QPaintEvent* event)
{
    QCustomPlot::paintEvent(event);
    if (!selectionRect()->isActive())
        return;
    // NOT-XOR over what is shown: the rectangle stays visible on any colour, and drawing it a
    // second time at the same place would restore the pixels beneath.
    QPainter painter(this);
    painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    painter.setPen(selectionRect()->pen());
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(selectionRect()->rect().normalized());
}

void TChart::SetLegendShadow(bool shadow)
{
    legendShadow = shadow;
    Changed();
}

void TChart::LayOutLegend()
{
    // Once the grid has wrapped it can hold empty cells, which itemCount() counts and item()
    // answers with null: only the real entries are laid out.
    std::vector<QCPAbstractLegendItem*> items;
    for (int i = 0; i < legend->itemCount(); ++i)
        if (QCPAbstractLegendItem* entry = legend->item(i))
            items.push_back(entry);
    const int count = int(items.size());
    if (count == 0)
        return;
    // The room inside the plot area, less the shadow.
    const QRect room = axisRect()->insetLayout()->rect().adjusted(0, 0, -LegendShadowOffset,
                                                                  -LegendShadowOffset);
    const QMargins margins = legend->margins();
    QFont font = legend->font();
    const double pointSize =
        font.pointSizeF() > 0 ? font.pointSizeF() : std::max(1, font.pixelSize()) * 0.75;
    // Should the names not fit at the usual size (a very small chart), a smaller font is tried
    // before giving up room: every name must stay whole.
    for (double size = pointSize; ; size -= 0.5) {
        font.setPointSizeF(size);
        for (QCPAbstractLegendItem* entry : items)
            entry->setFont(font);
        int rowHeight = 1;
        std::vector<int> widths(count);
        for (int i = 0; i < count; ++i) {
            const QSize hint = items[i]->minimumOuterSizeHint();
            rowHeight = std::max(rowHeight, hint.height());
            widths[i] = hint.width();
        }
        const int rowsThatFit = std::max(
            1, (room.height() - margins.top() - margins.bottom() + legend->rowSpacing()) /
                   (rowHeight + legend->rowSpacing()));
        int columns = (count + rowsThatFit - 1) / rowsThatFit;
        bool fits = false;
        int rows = count;
        for (; columns <= count; ++columns) {
            rows = (count + columns - 1) / columns;  // balanced: no longer than needed
            int width = margins.left() + margins.right() + (columns - 1) * legend->columnSpacing();
            for (int c = 0; c < columns; ++c) {
                int widest = 0;
                for (int i = c * rows; i < std::min(count, (c + 1) * rows); ++i)
                    widest = std::max(widest, widths[i]);
                width += widest;
            }
            if (width <= room.width() && rows <= rowsThatFit) {
                fits = true;
                break;
            }
            if (rows == 1)
                break;
        }
        if (fits || size <= 5) {
            legend->setWrap(rows);
            legend->setFillOrder(QCPLayoutGrid::foRowsFirst, true);
            return;
        }
    }
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
    // One pass over the series, ended as soon as every colour is taken: on a chart of a
    // thousand curves that is after the first few.
    bool used[PaletteSize] = {};
    int free = 0;
    for (int position = 0; position < PaletteSize; ++position) {
        const QColor color = PaletteColor(position);
        used[position] = color == backColor || color == backWallColor;
        free += !used[position];
    }
    for (int i = 0; i < plottableCount() && free > 0; ++i) {
        const QColor color = Item(i)->pen().color();
        for (int position = 0; position < PaletteSize; ++position) {
            if (!used[position] && PaletteColor(position) == color) {
                used[position] = true;
                --free;
            }
        }
    }
    for (int position = 0; position < PaletteSize; ++position)
        if (!used[position])
            return PaletteColor(position);
    return PaletteColor(plottableCount() % PaletteSize);
}

bool TChart::AnyShown() const
{
    for (int i = 0; i < plottableCount(); ++i)
        if (Item(i)->visible())
            return true;
    return false;
}

TPathSeries* TChart::AddPathSeries()
{
    const QColor color = NextColor();
    auto* path = new TPathSeries(this, color);
    RebuildLegend();
    Changed();
    return path;
}

int TChart::PathCount() const
{
    int count = 0;
    for (int i = 0; i < plottableCount(); ++i)
        count += qobject_cast<TPathSeries*>(Item(i)) ? 1 : 0;
    return count;
}

TPathSeries* TChart::Path(int index) const
{
    for (int i = 0; i < plottableCount(); ++i)
        if (auto* path = qobject_cast<TPathSeries*>(Item(i)); path && index-- == 0)
            return path;
    return nullptr;
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
    // The removed series leaves an empty cell in the legend's grid.
    RebuildLegend(true);
    Changed();
}

namespace {

// Dark, and none of them in the palette of the curves.
const QColor kTestColors[] = {QColor(0, 0, 0), QColor(160, 0, 0), QColor(0, 100, 0),
                              QColor(90, 0, 140)};

}  // namespace

TLineSeries* TChart::AddTestSeries(const QString& title)
{
    for (int i = graphCount() - 1; i >= 0; --i)
        if (Series(i)->IsTestSeries() && Series(i)->Title() == title)
            removeGraph(i);
    QColor color = kTestColors[0];
    for (const QColor& candidate : kTestColors) {
        bool used = false;
        for (int i = 0; i < graphCount() && !used; ++i)
            used = Series(i)->IsTestSeries() && Series(i)->Color() == candidate;
        if (!used) {
            color = candidate;
            break;
        }
    }
    auto* series = new TLineSeries(this, color);
    series->testSeries = true;
    series->setName(title);
    series->setLineStyle(QCPGraph::lsNone);
    series->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, color, 5));
    RebuildLegend();
    Changed();
    return series;
}

bool TChart::HasTestSeries() const
{
    for (int i = 0; i < graphCount(); ++i)
        if (Series(i)->IsTestSeries())
            return true;
    return false;
}

void TChart::RemoveTestSeries()
{
    for (int i = graphCount() - 1; i >= 0; --i)
        if (Series(i)->IsTestSeries())
            removeGraph(i);
    RebuildLegend();
    Changed();
}

void TChart::RemoveCurveSeries()
{
    if (!HasTestSeries()) {
        RemoveAllSeries();
        return;
    }
    for (int i = graphCount() - 1; i >= 0; --i)
        if (!Series(i)->IsTestSeries())
            removeGraph(i);
    RebuildLegend();
    Changed();
}

void TChart::RemoveAllSeries()
{
    clearPlottables();
    RebuildLegend(true);
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

void TChart::DrawPicture(QCPPainter* painter, const QSize& size)
{
    // Changes made since the last drawing (ranges, legend) are brought in first. QCustomPlot's
    // own drawing chooses the ticks before it lays the axis rect out for the new size, so they
    // would be those of the last layout: a first layout at the picture's size gives them the
    // picture's, whether the chart was ever shown or not. Nothing is drawn on screen.
    ApplyPending();
    const QRect screen = viewport();
    const auto layOut = [this](const QRect& area) {
        setViewport(area);
        updateLayout();
        if (legend->visible()) {
            LayOutLegend();
            updateLayout();
        }
    };
    layOut(QRect(QPoint(0, 0), size));
    toPainter(painter, size.width(), size.height());
    // The pointer and the zoom rectangle work on the screen's layout; a chart not shown gets it
    // from the redraw queued for when it is.
    if (isVisible())
        layOut(screen);
    else
        replot(rpQueuedReplot);
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
    for (int i = 0; i < PathCount() && !any; ++i)
        any = Path(i)->visible() && Path(i)->Count() > 0;
    if (!any)
        return;
    rescaleAxes(true);
    // Headroom above the highest stress, so the peak of a curve is not cut by the frame; and
    // below the lowest where it is a compression (a repeated-load path), so that a plateau
    // there does not lie on the axis.
    const QCPRange stress = yAxis->range();
    yAxis->setRange(stress.lower < 0 ? stress.lower - stress.size() * 0.05 : stress.lower,
                    stress.upper + stress.size() * 0.05);
}

void TChart::RebuildLegend(bool anew)
{
    // Active series only, in list order (creation order), whatever order they were shown in;
    // beyond LegendRows the first ones and a row that counts the rest.
    std::vector<QCPAbstractPlottable*> listed;
    int active = 0;
    for (int i = 0; i < plottableCount(); ++i) {
        QCPAbstractPlottable* item = plottable(i);
        if (!item->visible())
            continue;
        ++active;
        if ((qobject_cast<TLineSeries*>(item) || qobject_cast<TPathSeries*>(item)) &&
            listed.size() < std::size_t(LegendRows))
            listed.push_back(item);
    }
    const int more = active > LegendRows ? active - (LegendRows - 1) : 0;
    if (more > 0)
        listed.pop_back();

    // Called for every series added, titled or shown: the rows are made anew only when the
    // listed series change, so a chart of a thousand curves is built in linear time.
    std::vector<QCPAbstractPlottable*> current;
    for (int i = 0; i < legend->itemCount(); ++i)
        if (auto* row = dynamic_cast<TLegendItem*>(legend->item(i)))
            current.push_back(row->Series());
    if (anew || current != listed || (more > 0) != (moreRow != nullptr)) {
        legend->clearItems();
        moreRow = nullptr;
        for (QCPAbstractPlottable* series : listed)
            legend->addItem(new TLegendItem(legend, series));
        if (more > 0) {
            moreRow = new TLegendMoreItem(legend);
            legend->addItem(moreRow);
        }
    }
    if (moreRow)
        moreRow->SetText(tr("… and %1 more").arg(more));
    legend->setVisible(legend->itemCount() > 0);
}

QStringList TChart::LegendTexts() const
{
    QStringList texts;
    if (!legend->visible())
        return texts;
    for (int i = 0; i < legend->itemCount(); ++i) {
        if (auto* row = dynamic_cast<TLegendItem*>(legend->item(i)))
            texts.append(row->Series()->name());
        else if (auto* last = dynamic_cast<TLegendMoreItem*>(legend->item(i)))
            texts.append(last->Text());
    }
    return texts;
}

QFont ChartFont()
{
    // "MS Sans Serif" of the original maps to Liberation Sans, which has the same metrics as the
    // usual Windows sans serif, so every text fits the room the layout gives it. Windows has
    // "MS Sans Serif" only as a raster font, which would not scale for 2x and 3x pictures or
    // PDF: there it is Microsoft Sans Serif, the outline face Windows itself puts in its place.
#ifdef Q_OS_WIN
    // (Liberation Sans after it for a machine without it, as Wine.)
    QFont font;
    font.setFamilies({QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans")});
#else
    QFont font(QStringLiteral("Liberation Sans"));
#endif
    font.setPixelSize(11);
    return font;
}

void TChart::SetBufferedDisplay(bool buffered)
{
    // QCustomPlot always draws through its own paint buffers, so there is nothing to switch;
    // the setting is kept where it can be read back.
    setProperty("BufferedDisplay", buffered);
}
