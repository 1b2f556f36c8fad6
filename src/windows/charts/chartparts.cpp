#include "windows/chartparts.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace zt {

namespace {

class ChartView : public QChartView {
public:
    using QChartView::QChartView;
    QSize sizeHint() const override { return minimumSize().expandedTo(QSize(300, 0)); }
};

} // namespace

QChartView* chartView(QWidget* parent, const QString& name, int minimumHeight)
{
    auto* view = new ChartView(parent);
    view->setObjectName(name);
    view->setRenderHint(QPainter::Antialiasing);
    view->chart()->setAnimationOptions(QChart::NoAnimation);
    view->chart()->legend()->setAlignment(Qt::AlignBottom);
    view->chart()->setMargins(QMargins(2, 2, 2, 2));
    view->chart()->setBackgroundRoundness(0);
    view->setMinimumHeight(minimumHeight);
    return view;
}

QLabel* figureLabel(QWidget* parent, const QString& name, Qt::TextFormat format)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(format);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

void clearChart(QChart* chart)
{
    chart->removeAllSeries();
    const auto axes = chart->axes();
    for (QAbstractAxis* axis : axes) {
        chart->removeAxis(axis);
        delete axis;
    }
}

double tickStep(double top)
{
    const double rough = std::max(top / 5, 1.0);
    const double power = std::pow(10, std::floor(std::log10(rough)));
    for (double m : {1.0, 2.0, 5.0}) {
        if (m * power >= rough)
            return m * power;
    }
    return 10 * power;
}

} // namespace zt
