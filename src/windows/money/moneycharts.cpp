// The money window's charts: the balance over the spins beside chance's
// expectation and its band of two standard deviations, and the final
// balances of the simulated evenings as a histogram.

#include "core/betting.h"
#include "windows/chartparts.h"

#include <QAreaSeries>
#include <QChart>
#include <QCoreApplication>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace zt {

namespace {

struct MoneyWindowText {
    Q_DECLARE_TR_FUNCTIONS(MoneyWindow)
};

// At most this many points along a line: a long evening is drawn from every
// n-th spin (and the last).
constexpr std::size_t kMostPoints = 1500;

QLineSeries* line(const QString& name, const QColor& color, Qt::PenStyle style = Qt::SolidLine)
{
    auto* series = new QLineSeries;
    series->setName(name);
    QPen pen(color);
    pen.setWidthF(1.6);
    pen.setStyle(style);
    series->setPen(pen);
    return series;
}

// An axis from below lo to above hi in whole steps, ticks on the multiples
// of the step (0 among them).
QValueAxis* valueAxis(const QString& title, double lo, double hi)
{
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    const double step = tickStep(hi - lo);
    axis->setRange(std::floor(lo / step) * step, std::max(std::ceil(hi / step), std::floor(lo / step) + 1) * step);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(step);
    axis->setLabelFormat(QStringLiteral("%.0f"));
    return axis;
}

// Axes of values around the series.
void addAxes(QChart* chart, const QString& across, const QString& up, double x0, double x1,
             double y0, double y1)
{
    auto* x = valueAxis(across, x0, x1 > x0 ? x1 : x0 + 1);
    auto* y = valueAxis(up, y0, y1 > y0 ? y1 : y0 + 1);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* s : chart->series()) {
        s->attachAxis(x);
        s->attachAxis(y);
    }
}

} // namespace

void drawBalance(QChart* chart, const std::vector<BalancePoint>& trace, const QString& title)
{
    clearChart(chart);
    chart->setTitle(title);
    auto* balance = line(MoneyWindowText::tr("Saldo"), QColor(46, 110, 180));
    auto* expected = line(MoneyWindowText::tr("Atteso dal caso"), QColor(120, 120, 120), Qt::DashLine);
    auto* upper = new QLineSeries;
    auto* lower = new QLineSeries;
    const std::size_t step = std::max<std::size_t>(1, (trace.size() + kMostPoints - 1) / kMostPoints);
    double low = 0;
    double high = 0;
    const auto add = [&](std::size_t i) {
        const BalancePoint& p = trace[i];
        const double x = double(i + 1);
        balance->append(x, p.balance);
        expected->append(x, p.expected);
        upper->append(x, p.expected + 2 * p.sd);
        lower->append(x, p.expected - 2 * p.sd);
        low = std::min({low, double(p.balance), double(p.expected) - 2.0 * p.sd});
        high = std::max({high, double(p.balance), double(p.expected) + 2.0 * p.sd});
    };
    balance->append(0, 0);
    expected->append(0, 0);
    upper->append(0, 0);
    lower->append(0, 0);
    for (std::size_t i = 0; i < trace.size(); i += step)
        add(i);
    if (!trace.empty() && (trace.size() - 1) % step != 0)
        add(trace.size() - 1);
    auto* band = new QAreaSeries(upper, lower);
    band->setName(MoneyWindowText::tr("Caso: ± 2 deviazioni standard"));
    band->setColor(QColor(220, 220, 220));
    band->setBorderColor(QColor(200, 200, 200));
    chart->addSeries(band);
    chart->addSeries(expected);
    chart->addSeries(balance);
    addAxes(chart, MoneyWindowText::tr("Colpi"), MoneyWindowText::tr("Fiches"), 0, double(trace.size()), low, high);
}

void drawEvenings(QChart* chart, const SimulationFigures& figures, double chip)
{
    clearChart(chart);
    chart->setTitle(MoneyWindowText::tr("Saldo finale delle serate simulate"));
    const auto& finals = figures.finals;
    if (finals.empty())
        return;
    // Bins of whole chips, about thirty across the balances.
    const double first = double(finals.front()) * chip;
    const double last = double(finals.back()) * chip;
    const int bins = first == last ? 1 : 30;
    const double width = first == last ? 1 : (last - first) / bins;
    std::vector<long long> counts(bins);
    for (const ChipSum f : finals)
        ++counts[std::min(bins - 1, int((double(f) * chip - first) / width))];
    auto* top = new QLineSeries;
    long long most = 0;
    for (int i = 0; i < bins; ++i) {
        top->append(first + i * width, double(counts[i]));
        top->append(first + (i + 1) * width, double(counts[i]));
        most = std::max(most, counts[i]);
    }
    auto* bars = new QAreaSeries(top);
    bars->setName(MoneyWindowText::tr("Serate"));
    bars->setColor(QColor(46, 110, 180, 160));
    bars->setBorderColor(QColor(46, 110, 180));
    chart->addSeries(bars);
    const auto mark = [&](double x, const QString& name, const QColor& color, Qt::PenStyle style) {
        auto* s = line(name, color, style);
        s->append(x, 0);
        s->append(x, double(most));
        chart->addSeries(s);
    };
    mark(figures.meanNet * chip, MoneyWindowText::tr("Media"), QColor(200, 60, 40), Qt::SolidLine);
    mark(figures.meanExpected * chip, MoneyWindowText::tr("Atteso dal caso"), QColor(90, 90, 90), Qt::DashLine);
    addAxes(chart, chip == 1 ? MoneyWindowText::tr("Fiches") : MoneyWindowText::tr("Saldo"), MoneyWindowText::tr("Serate"), first, first + bins * width,
            0, double(most));
}

} // namespace zt
