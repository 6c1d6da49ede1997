#pragma once

#include <qcustomplot.h>

#include <QPointer>
#include <cstdint>

class QMenu;
class TChart;
class TLegendMoreItem;
class TPathSeries;
class TReadout;

// The window's font, which the charts inherit from the widget they are made in: the window
// and the command line both set it, so their pictures' labels cannot differ in size.
QFont ChartFont();

// One curve on a chart: strain along X, stress along Y, joined in the order the points arrive
// (always ascending strain). The chart owns it; it is found again by its title.
class TLineSeries : public QCPGraph {
    Q_OBJECT

public:
    QString Title() const { return name(); }
    void SetTitle(const QString& title);

    // An inactive series keeps its points and colour but is neither drawn nor in the legend.
    bool Active() const { return visible(); }
    void SetActive(bool active);

    // Point markers; a hidden pointer draws the curve as a line only.
    void SetPointer(QCPScatterStyle::ScatterShape shape, double size, bool visible);
    bool PointerVisible() const { return scatterStyle().shape() != QCPScatterStyle::ssNone; }

    void SetPenWidth(double width);
    QColor Color() const { return pen().color(); }

    // Appends a point; X values must arrive in ascending order.
    void AddXY(double x, double y);
    int Count() const { return data()->size(); }

    TChart* ParentChart() const;

    // Measured points of a test (TChart::AddTestSeries), not a material's curve: windows find
    // their materials' curves by title and pass test series by.
    bool IsTestSeries() const { return testSeries; }

    // The symbol of the series' legend row, drawn into rect.
    void DrawLegendSymbol(QCPPainter* painter, const QRectF& rect) const
    {
        drawLegendIcon(painter, rect);
    }

    // How far (in pixels of the target device) a dropped point may lie off the line that is
    // stroked instead.
    static constexpr double kSimplifyTolerance = 0.1;
    // How many pixels of the target one pixel of the chart's coordinates spans, at least 1;
    // for a vector device, a fixed fineness that holds when the picture is zoomed.
    static double DevicePixelsPerPixel(const QCPPainter& painter);

    // Which sampled point the pointer read-out marks.
    struct Pick {
        double distance = -1;  // pixels; negative: nothing found
        int index = -1;
    };
    // The point of this series nearest to pos (pixels) among those inside the axis rect, if
    // nearer than limit: a binary search on the ascending strains, then a walk outwards that
    // stops where the horizontal distance alone reaches the best so far.
    Pick Nearest(const QPointF& pos, double limit) const;

protected:
    void drawLegendIcon(QCPPainter* painter, const QRectF& rect) const override;
    void drawLinePlot(QCPPainter* painter, const QVector<QPointF>& lines) const override;

private:
    friend class TChart;
    TLineSeries(TChart* chart, const QColor& color);

    bool testSeries = false;
};

// One path on a chart: strain along X, stress along Y, joined in the order given, however the
// strain goes back and forth (a repeated-load history). The chart owns it. It shares the line
// series' look, legend row, read-out and picture drawing.
class TPathSeries : public QCPCurve {
    Q_OBJECT

public:
    QString Title() const { return name(); }
    void SetTitle(const QString& title);
    void SetPenWidth(double width);
    QColor Color() const { return pen().color(); }

    // Replaces the points; they are joined in this order.
    void SetPoints(const QVector<double>& strains, const QVector<double>& stresses);
    int Count() const { return data()->size(); }
    QPointF PointAt(int index) const;

    TChart* ParentChart() const;
    void DrawLegendSymbol(QCPPainter* painter, const QRectF& rect) const
    {
        drawLegendIcon(painter, rect);
    }

    // The point nearest to pos (pixels) inside the axis rect, if nearer than limit. The points
    // are in no order of strain: every one is looked at.
    TLineSeries::Pick Nearest(const QPointF& pos, double limit) const;

protected:
    void drawLegendIcon(QCPPainter* painter, const QRectF& rect) const override;
    void drawCurveLine(QCPPainter* painter, const QVector<QPointF>& lines) const override;

private:
    friend class TChart;
    TPathSeries(TChart* chart, const QColor& color);
};

// A curve chart: QCustomPlot set up for strain along the bottom and stress up the left, with a
// legend of the active series, zoom by dragging a rectangle and a double-click to zoom back,
// a read-out of the point under the pointer and a context menu.
// Every change redraws the chart once the running handler returns to the event loop.
class TChart : public QCustomPlot {
    Q_OBJECT

public:
    explicit TChart(QWidget* parent = nullptr);

    // The series palette, handed out in this order. Colours are stored as 0x00BBGGRR.
    static constexpr int PaletteSize = 14;
    static QColor PaletteColor(int position);
    static QColor ColorFromStored(std::uint32_t bbggrr);

    // Appends a new series, coloured by the first palette colour no series on this chart uses.
    TLineSeries* AddSeries();
    int SeriesCount() const { return graphCount(); }
    // Appends a new path, coloured as AddSeries colours a series; paths are numbered apart
    // from the series, in the order they were added.
    TPathSeries* AddPathSeries();
    int PathCount() const;
    TPathSeries* Path(int index) const;
    TLineSeries* Series(int index) const;
    // Removes series index; later series move down one index and keep their colours.
    void RemoveSeries(int index);
    // Removes every series and every path.
    void RemoveAllSeries();

    // Measured points as markers, in a dark colour that no curve's palette colour is, so the
    // curves keep the colours they would have without it. A test series of the same title is
    // replaced. Test series stay until RemoveTestSeries(), the context menu's "Remove Test
    // Data", which the menu shows only while there are some.
    TLineSeries* AddTestSeries(const QString& title);
    bool HasTestSeries() const;
    void RemoveTestSeries();
    // Every series but the test series; without test series, RemoveAllSeries() itself.
    void RemoveCurveSeries();

    // The chart's title ("Compression", "Tension"): not drawn on the chart (its group box
    // shows it), but the document title of its SVG and PDF pictures.
    void SetTitle(const QString& title) { chartTitle = title; }
    QString Title() const { return chartTitle; }

    // Set-up of the axes, grid, legend and zoom pen.
    void SetDecimalSeparator(char separator);
    char DecimalSeparator() const { return decimalSeparator; }
    // Strain labels start at this step and grow by whole multiples until they fit along the
    // axis; 0 lets the axis choose its steps itself.
    void SetBottomAxisIncrement(double increment);
    void SetGridColor(const QColor& color);
    void SetZoomPen(const QPen& pen);
    void SetLegendTextColor(const QColor& color);
    void SetLegendSquareSymbols(bool square) { legendSquareSymbols = square; }
    bool LegendSquareSymbols() const { return legendSquareSymbols; }
    // The legend lists at most this many rows: when more series are active, the first
    // LegendRows - 1 of them and a last row "… and N more" (a legend of hundreds of names would
    // cover the curves and could not be read).
    static constexpr int LegendRows = 20;
    // The texts of the legend's rows, top to bottom, as shown.
    QStringList LegendTexts() const;
    // An opaque shadow to the lower right of the legend's frame.
    void SetLegendShadow(bool shadow);
    bool LegendShadow() const { return legendShadow; }
    static constexpr int LegendShadowOffset = 3;

    // Drags smaller than this (in either direction) are a slip of the hand, not a zoom.
    static constexpr int MinimumZoomDrag = 16;

    // The pointer read-out: the sampled point nearest to the pointer among the shown curves.
    bool ReadoutVisible() const;
    TLineSeries* ReadoutSeries() const;
    TPathSeries* ReadoutPath() const;  // when the read-out marks a point of a path
    int ReadoutIndex() const;
    // "C30  ε = 1.470E-03  σ = 20.10 N/mm²", with this chart's decimal separator.
    QString ReadoutText() const;
    // Marks the point nearest to pos (pixels), or hides the read-out when the pointer is
    // outside the axis rect or no curve is shown. Redraws the read-out's own layer only.
    void UpdateReadout(const QPointF& pos);
    void HideReadout();

    // The context menu of a right-click: Copy Image, Copy Data, Save Image As…, Reset Zoom,
    // and Remove Test Data while the chart shows measured points.
    // The caller owns the menu.
    QMenu* CreateContextMenu(QWidget* parent);
    // The chart as shown (zoom, shown curves, legend), without the pointer read-out.
    QImage ShownImage();
    // The shown curves as tab-separated text: a heading "Strain" and one column per shown
    // curve (its title), then one line per strain of the union of their strains, empty cells
    // where a curve has no point there. Strains are printed in full (as many digits as read
    // back to the same number, at least "0.000E+00"), stresses with "0.0000"; both with this
    // chart's decimal separator.
    QString DataText() const;
    void CopyImage();
    void CopyData();

    // Whether the axes follow the data; false while the user looks at a zoomed part.
    bool AutomaticRange() const { return automaticRange; }
    // Back to the ranges that fit every active series (what a double-click does).
    void UndoZoom();

    // Applies pending changes (ranges, legend) and redraws at once, for callers that read or
    // render the chart before control returns to the event loop.
    void Refresh();

    // Draws the chart into painter as a picture of size (logical pixels), laid out for that size
    // as the screen is for the widget's: ticks spaced for the picture's own axes, the legend
    // wrapped for its own plot area. The chart is laid out for the screen again afterwards.
    void DrawPicture(QCPPainter* painter, const QSize& size);

    // Whether screen drawing goes through an off-screen buffer; nothing else depends on it.
    void SetBufferedDisplay(bool buffered);
    // Writes the chart at its on-screen size as a Windows BMP on white, replacing any file
    // there. Throws std::runtime_error naming the path and the reason when it cannot. Defined
    // with the picture writers (src/pictures), which a caller links.
    void SaveToBitmapFile(const QString& path);

signals:
    // "Save Image As…" of the context menu; whoever owns the picture writers answers it.
    void SaveImageAsRequested();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void processRectZoom(QRect rect, QMouseEvent* event) override;

private:
    friend class TLineSeries;
    friend class TPathSeries;

    // Called after every change: the ranges and the legend are brought up to date just before
    // the next drawing, so a handler that adds thousands of points pays for one.
    void Changed();
    void ApplyPending();
    // anew: the rows are made again even if the same series are listed.
    void RebuildLegend(bool anew = false);
    // Wraps the legend into as few balanced columns as fit the axis rect.
    void LayOutLegend();
    QColor NextColor() const;
    // Whether any series or path is shown.
    bool AnyShown() const;
    // QCustomPlot hands its plottables out from non-const functions only.
    QCPAbstractPlottable* Item(int index) const
    {
        return const_cast<TChart*>(this)->plottable(index);
    }
    QString PathDataText() const;
    void PickReadout(const QPointF& pos);

    QString chartTitle;
    char decimalSeparator = '.';
    bool legendSquareSymbols = false;
    bool legendShadow = false;
    TReadout* readout = nullptr;
    TLegendMoreItem* moreRow = nullptr;  // owned by the legend
    QPointF readoutPos;
    bool automaticRange = true;
    bool pending = false;
    QColor backColor = Qt::white;
    QColor backWallColor = Qt::white;
};
