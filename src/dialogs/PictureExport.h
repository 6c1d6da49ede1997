#pragma once

#include <QString>

class QWidget;
class TChart;

// Save Image As: asks for a file name (its type chooses PNG, SVG, PDF or BMP), then for the
// size and scale, and writes the chart's picture there. Cancelling either dialog writes
// nothing. A failure is shown in the error box, naming the path and the reason, and nothing
// escapes, so the function can be connected straight to a signal.
void SaveChartImageAs(QWidget* parent, TChart* chart, const QString& suggestedName);
