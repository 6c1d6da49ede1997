#pragma once

#include <QSize>

class CSteel;
class SteelRegistry;
class TChart;

// The steel chart as the steel window sets it up and as Create Steel fills it, usable without
// the window: File ▸ Save Pictures As… and the command line draw the very same chart.
//
// One curve a steel, tension only: the law is the same in compression with both signs
// reversed, so the other half would repeat the curve and squeeze the part that matters —
// the elastic branch and the yield point within the first few thousandths — into half the
// width.

// The chart's on-screen size, which is also the size of its picture.
inline constexpr QSize kSteelChartSize{585, 396};

// Grid, zoom pen, legend and labels, as the Compression chart has them.
void SetUpSteelChart(TChart* chart, char separator);

// One steel's curve at the end of the chart, titled with its name, coloured by the chart's
// palette rule, 2 pixels wide without markers, through SteelCurvePoints (the corners exactly,
// points between them for the read-out, the drop at failure). A hidden curve keeps its colour
// and points.
void AddSteelCurve(TChart* chart, const CSteel& steel, bool shown = true);

// Every steel of the registry, in order, with its shown flag, onto a chart without series.
void AddSteelRegistryCurves(TChart* chart, const SteelRegistry& steels);
