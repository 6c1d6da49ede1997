#pragma once

#include <QPointer>

#include "chart/Chart.h"

// The marker and label of the pointer read-out: a small circle in the curve's colour on the
// sampled point and, beside it, the concrete's name, the strain and the stress. It lives on a
// buffered layer of its own, so moving it redraws neither the curves nor the axes.
class TReadout : public QCPLayerable {
public:
    TReadout(TChart* chart, const QString& layerName);

    bool Shown() const { return !series.isNull() && index >= 0; }
    // A TLineSeries or a TPathSeries.
    QCPAbstractPlottable* Series() const { return series.data(); }
    int Index() const { return Shown() ? index : -1; }
    QString Text() const;

    // Returns whether anything changed.
    bool Set(QCPAbstractPlottable* series, int index);

protected:
    void applyDefaultAntialiasingHint(QCPPainter* painter) const override;
    void draw(QCPPainter* painter) override;

private:
    TChart* chart;
    // The marked point, if it is still there.
    bool Point(QPointF& point) const;

    QPointer<QCPAbstractPlottable> series;
    int index = -1;
};
