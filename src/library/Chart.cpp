#include "library/Chart.h"

TChart::TChart(QWidget* parent) : QCustomPlot(parent) {}
