#pragma once

#include <qcustomplot.h>

// A curve chart: QCustomPlot set up for strain along the bottom and stress up the left.
class TChart : public QCustomPlot {
    Q_OBJECT

public:
    explicit TChart(QWidget* parent = nullptr);

    // Whether screen drawing goes through an off-screen buffer; nothing else depends on it.
    void SetBufferedDisplay(bool buffered);
    // Writes the chart at its on-screen size as a Windows BMP on white, replacing any file
    // there. Throws std::runtime_error naming the path and the reason when it cannot.
    void SaveToBitmapFile(const QString& path);
};
