#pragma once
// Pieces the windows with charts share: the chart view as they show it, the
// label of figures beside a chart, emptying a chart, and the step between
// the ticks of a count.

#include <QString>
#include <Qt>

class QChart;
class QChartView;
class QLabel;
class QWidget;

namespace zt {

// A chart view named `name`: antialiased, no animation, the legend below,
// thin margins, square corners, at least `minimumHeight` pixels high.  It
// asks only for the room it needs, so that a scrolling window (which lays
// out at the asked sizes) starts scrolling when the charts are that small.
QChartView* chartView(QWidget* parent, const QString& name, int minimumHeight = 220);

// A label of figures: wrapped, top left, its text selectable.
QLabel* figureLabel(QWidget* parent, const QString& name, Qt::TextFormat format);

// The chart emptied of series and axes.
void clearChart(QChart* chart);

// A step between ticks of 1, 2 or 5 times a power of ten, whole numbers
// only, giving about five ticks up to `top`.
double tickStep(double top);

} // namespace zt
