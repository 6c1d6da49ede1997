#pragma once

#include <QSize>

class CConcrete;
class ConcreteRegistry;
class TChart;

// The two curve charts as the window sets them up and as Create Concrete fills them, usable
// without the window: the command line renders the very same charts offscreen.

// The charts' on-screen sizes, which are also the sizes of their pictures.
inline constexpr QSize kCompressionChartSize{585, 223};
inline constexpr QSize kTensionChartSize{585, 203};

// Title, grid, zoom pen, legend and strain labels; separator is the decimal separator of the
// labels.
void SetUpCompressionChart(TChart* chart, char separator);
void SetUpTensionChart(TChart* chart, char separator);

// One concrete's two curves, as Create Concrete draws them: a series at the end of each chart,
// titled with the name, coloured by the chart's palette rule, drawn as a line 2 pixels wide
// without markers, sampled at the steps of its curve up to its end strain. Hidden series keep
// their colours and points, exactly like a row unchecked by hand.
void AddConcreteCurves(TChart* compression, TChart* tension, const CConcrete& concrete,
                       bool shown = true);

// Every concrete of the registry, in order, with its shown flag, onto two charts that hold no
// series yet: the charts then look as they do in a window that created the same concretes one
// after another.
void AddRegistryCurves(TChart* compression, TChart* tension, const ConcreteRegistry& concretes);
