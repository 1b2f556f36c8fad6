#include "windows/chartparts.h"

#include <QChart>
#include <QChartView>
#include <QFontMetrics>
#include <QGraphicsScene>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace zt {

namespace {

class ChartView : public QChartView {
public:
    explicit ChartView(QWidget* parent) : QChartView(parent)
    {
        // Whatever the chart shows next, its title and legend stay whole: the
        // view asks for their width (a narrow window scrolls instead).
        connect(scene(), &QGraphicsScene::changed, this, [this] {
            const int need = textsWidth();
            if (need != minimumWidth())
                setMinimumWidth(need);
        });
    }
    QSize sizeHint() const override { return minimumSize().expandedTo(QSize(300, 0)); }

private:
    // The width the chart's title and its legend (its entries in one row)
    // take whole, with the chart's margins.
    int textsWidth() const
    {
        const QChart* c = chart();
        const int margins = c->margins().left() + c->margins().right() + 24;
        const QFontMetrics title(c->titleFont());
        int need = c->title().isEmpty() ? 0 : title.horizontalAdvance(c->title()) + margins;
        const QLegend* legend = c->legend();
        if (legend->isVisible()) {
            const QFontMetrics entry(legend->font());
            int row = 0;
            for (const QLegendMarker* m : legend->markers()) {
                if (m->isVisible() && !m->label().isEmpty())
                    row += entry.horizontalAdvance(m->label()) + 2 * entry.height() + 12;
            }
            need = std::max(need, row + margins);
        }
        return need;
    }
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
