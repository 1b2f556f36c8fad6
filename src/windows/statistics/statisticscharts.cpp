// The statistics window's charts and figures, filled from the statistics of
// the core: the numbers of the chosen spins, their groups and wheel sectors,
// and the attempt tally of the followed strings, each beside chance.

#include "windows/statisticswindow.h"

#include "core/session.h"
#include "core/textrules.h"
#include "core/wheellayout.h"
#include "store/storefile.h"
#include "ui/look.h"
#include "windows/chartparts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QHorizontalBarSeries>
#include <QHorizontalStackedBarSeries>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QSpinBox>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace zt {

namespace {

using stats::decimal;

QString count(long long n)
{
    return shownLocale().toString(n);
}

// A z-score with its sign: "+1,96", "−0,42" (in Italian).
QString signedZ(double z)
{
    const QString text = decimal(std::fabs(z), 2);
    return (z < 0 ? QStringLiteral("−") : QStringLiteral("+")) + text;
}

QString pText(const stats::ChiSquare& test)
{
    return test.pValue < 0.001 ? QStringLiteral("p < ") + decimal(0.001, 3)
                               : QStringLiteral("p = ") + decimal(test.pValue, 3);
}

// Every text put into rich text goes through this: "p < 0,001" must not
// open a tag.
QString esc(const QString& text)
{
    return text.toHtmlEscaped();
}

const QColor kObserved(46, 110, 180);
const QColor kChance(190, 190, 190);
const QColor kAbove(214, 96, 40);
const QColor kBelow(46, 110, 180);

QBarSet* barSet(const QString& name, const QColor& color)
{
    auto* set = new QBarSet(name);
    set->setColor(color);
    set->setBorderColor(color.darker(130));
    return set;
}

// Categories along one side (the bottom, or the left for bars across) and
// values along the other, from 0 (or -top for signed values) to above `top`.
void addAxes(QChart* chart, QAbstractSeries* series, const QStringList& categories, double top,
             bool horizontal = false, bool signedValues = false)
{
    auto* names = new QBarCategoryAxis;
    names->append(categories);
    chart->addAxis(names, horizontal ? Qt::AlignLeft : Qt::AlignBottom);
    series->attachAxis(names);
    auto* counts = new QValueAxis;
    const double step = tickStep(top * 1.05);
    const double end = std::max(std::ceil(top * 1.05 / step), 1.0) * step;
    counts->setRange(signedValues ? -end : 0, end);
    counts->setTickType(QValueAxis::TicksDynamic);
    counts->setTickAnchor(0);
    counts->setTickInterval(step);
    counts->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(counts, horizontal ? Qt::AlignBottom : Qt::AlignLeft);
    series->attachAxis(counts);
    // After addAxis, which gives the axes the theme's fonts.
    QFont small = names->labelsFont();
    small.setPointSizeF(categories.size() > 20 && !horizontal ? 6.5 : 7.5);
    names->setLabelsFont(small);
    counts->setLabelsFont(small);
}

// A level line over the whole chart of the 37 numbers (upright when their
// bars go across).
void addLevel(QChart* chart, const QString& name, double value, const QPen& pen, bool across)
{
    auto* line = new QLineSeries;
    line->setName(name);
    for (const double end : {-0.5, stats::kNumbers - 0.5})
        line->append(across ? QPointF(value, end) : QPointF(end, value));
    line->setPen(pen);
    chart->addSeries(line);
    for (QAbstractAxis* axis : chart->axes())
        line->attachAxis(axis);
}

// The hottest and the coldest side by side.
QString numberTable(const stats::NumberTable& t)
{
    const auto cells = [](const stats::NumberFigure& f) {
        return QStringLiteral("<td align=right><b>%1</b></td><td align=right>%2</td>"
                              "<td align=right>%3</td><td align=right>%4</td>")
            .arg(f.number)
            .arg(esc(count(f.count)), esc(signedZ(f.z)),
                 esc(f.seen ? count(f.delay) : StatisticsWindow::tr("mai uscito")));
    };
    const QString head = StatisticsWindow::tr("<th>Numero</th><th>Uscite</th><th>z</th><th>Ritardo</th>");
    QString rows = StatisticsWindow::tr("<table cellspacing=0 cellpadding=2><tr><th colspan=4 "
                                  "align=left>Più uscite</th><td width=12></td><th colspan=4 "
                                  "align=left>Meno uscite</th></tr><tr>%1<td></td>%1</tr>")
                       .arg(head);
    for (std::size_t i = 0; i < t.hottest.size() && i < t.coldest.size(); ++i)
        rows += QStringLiteral("<tr>%1<td></td>%2</tr>")
                    .arg(cells(t.hottest[i]), cells(t.coldest[i]));
    return rows + QStringLiteral("</table>");
}

QString spinsText(long long n)
{
    return n == 1 ? StatisticsWindow::tr("1 uscita")
                  : StatisticsWindow::tr("%1 uscite").arg(count(n));
}

// How often luck alone gives the hottest (coldest) of 37 numbers so far
// from chance, on the scale of every verdict.
QString extremeLine(const stats::NumberFigure& figure, double chance, bool hottest)
{
    const QString graded = stats::chanceText(chance) + QStringLiteral(": ") +
                           stats::evidenceWords(stats::evidence(chance));
    return hottest ? StatisticsWindow::tr("Un numero ad almeno %1 fra 37: il caso lo dà %2.")
                         .arg(spinsText(figure.count), graded)
                   : StatisticsWindow::tr("Un numero a %1 o meno fra 37: il caso lo dà %2.")
                         .arg(spinsText(figure.count), graded);
}

} // namespace

void StatisticsWindow::setNote(QChart* chart, const QString& title, const QString& note)
{
    // A chart's title is rich text.
    chart->setTitle(esc(note.isEmpty() ? title : title + QStringLiteral(" — ") + note));
}

void StatisticsWindow::showNumbers()
{
    const auto filter = stats::TypeFilter(std::clamp(Filtro->currentIndex(), 0, 2));
    const long long last = SoloUltime->isChecked() ? Ultime->value() : 0;
    numbers_ = stats::tabulate(stats::selectNumbers(cache_.spins, filter, last));
    const int wanted = filter == stats::TypeFilter::Live ? 1 : 2;
    chosenFrom_ = filter == stats::TypeFilter::All
                      ? static_cast<long long>(cache_.spins.size())
                      : std::count_if(cache_.spins.begin(), cache_.spins.end(),
                                      [wanted](const stats::Spin& s) { return s.type == wanted; });
    const long long spins = numbers_.spins;

    // The line above the charts.
    const QString file = QLatin1String(kStoreFileName);
    const QString typeName = filter == stats::TypeFilter::Live ? tr("«Live»")
                                                               : tr("«Spin»");
    QString state;
    if (fileState_ == ReadResult::Failed) {
        state = problem_;
    } else if (fileState_ == ReadResult::NoFile) {
        state = tr("Nessuna uscita registrata: il file %1 non c'è ancora.").arg(file);
    } else if (cache_.spins.empty()) {
        state = cache_.unreadable > 0
                    ? tr("Nessuna uscita da contare in %1: %2 righe senza un numero "
                                     "da 0 a 36.",
                         nullptr, int(cache_.unreadable))
                          .arg(file, count(cache_.unreadable))
                    : tr("Nessuna uscita registrata in %1.").arg(file);
    } else {
        const qint64 all = qint64(cache_.spins.size());
        state = tr("%1 uscite in %2", nullptr, int(all)).arg(count(all), file);
        if (filter != stats::TypeFilter::All)
            state += tr(", di cui %1 %2").arg(count(chosenFrom_), typeName);
        if (last > 0 && chosenFrom_ > last)
            state += tr("; contate le ultime %1").arg(count(last));
        state += u'.';
        if (spins == 0)
            state += tr(" Nessuna uscita %1 da contare.").arg(typeName);
        if (cache_.unreadable > 0)
            state += tr(" %1 righe senza un numero da 0 a 36 non sono contate.", nullptr,
                        int(cache_.unreadable))
                         .arg(count(cache_.unreadable));
    }
    Stato->setText(state);
    setForeColor(Stato, fileState_ == ReadResult::Failed ? QColor(192, 0, 0) : QColor(Qt::black));

    drawNumbers();

    if (spins == 0) {
        FiguraNumeri->setText(tr("<p>Nessuna uscita da contare: qui compariranno il "
                                             "confronto con il caso, i numeri più e meno usciti "
                                             "e i loro ritardi.</p>"));
    } else {
        const stats::ChiSquare& t = numbers_.test;
        FiguraNumeri->setText(
            tr("<p><b>%1 uscite</b>: il caso ne attende %2 per numero.<br>"
                           "Chi quadrato %3 con %4 gradi di libertà, %5.<br><i>%6</i></p>"
                           "%7<p>%8<br>%9</p><p><small>%10</small></p>",
               nullptr, int(spins))
                .arg(esc(count(spins)), esc(decimal(numbers_.expected, 2)),
                     esc(decimal(t.statistic, 2)))
                .arg(t.degrees)
                .arg(esc(pText(t)), esc(stats::verdict(t)), numberTable(numbers_),
                     esc(extremeLine(numbers_.hottest.front(), numbers_.hottestChance, true)),
                     esc(extremeLine(numbers_.coldest.front(), numbers_.coldestChance, false)),
                     esc(tr("z: di quante deviazioni standard le uscite superano (+) o mancano "
                            "(−) l'attesa del caso. I più e i meno usciti sono gli estremi di 37 "
                            "numeri: fra 37, uno oltre ±2 è normale; le due righe sopra dicono "
                            "quanto spesso il caso dà estremi così. Ritardo: uscite da quando il "
                            "numero è uscito l'ultima volta."))));
    }

    // Groups and sectors: what came out beside what chance expects.
    const std::vector<stats::GroupingFigure> groups = stats::groupFigures(numbers_);
    QChart* chart = GraficoGruppi->chart();
    clearChart(chart);
    setNote(chart, tr("Gruppi e settori della ruota"),
            spins == 0 ? tr("nessuna uscita da contare") : QString());
    QBarSet* observed = barSet(tr("Uscite"), kObserved);
    QBarSet* expected = barSet(tr("Attese dal caso"), kChance);
    QStringList categories;
    double top = 0;
    QString lines;
    for (const stats::GroupingFigure& grouping : groups) {
        for (const stats::GroupFigure& g : grouping.groups) {
            if (!g.charted)
                continue;
            // Horizontal bars go upwards: the first group at the top.
            categories.prepend(g.name);
            observed->insert(0, double(g.observed));
            expected->insert(0, g.expected);
            top = std::max({top, double(g.observed), g.expected});
        }
        if (!grouping.test.valid)
            continue;
        lines += QStringLiteral("<b>%1</b>: %2 (χ² %3, %4, %5)")
                     .arg(esc(grouping.name), esc(stats::shortVerdict(grouping.test)),
                          esc(decimal(grouping.test.statistic, 2)),
                          esc(tr("%n g.l.", nullptr, grouping.test.degrees)),
                          esc(pText(grouping.test)));
        if (grouping.heaviest >= 0) {
            const stats::GroupFigure& g = grouping.groups[std::size_t(grouping.heaviest)];
            lines += esc(tr("; pesa di più: %1, %2 % del χ² (z %3)")
                             .arg(g.name)
                             .arg(std::llround(grouping.heaviestShare * 100))
                             .arg(signedZ(g.z)));
        }
        lines += QStringLiteral(".<br>");
    }
    auto* pairs = new QHorizontalBarSeries;
    pairs->append({observed, expected});
    chart->addSeries(pairs);
    addAxes(chart, pairs, categories, top, true);
    FiguraGruppi->setText(
        spins == 0 ? tr("Nessuna uscita da contare.")
                   : lines + QStringLiteral("<small>") +
                         esc(tr("χ²: chi quadrato, con i suoi gradi di libertà (g.l.); «pesa di "
                                "più»: il gruppo che ne fa la parte più grande. Lo zero conta nel "
                                "confronto delle dozzine e delle colonne; il Gioco 0 fa parte dei "
                                "Vicini dello 0.")) +
                         QStringLiteral("</small>"));
}

void StatisticsWindow::drawNumbers()
{
    QChart* chart = GraficoNumeri->chart();
    clearChart(chart);
    if (VistaNumeri->currentIndex() == 1)
        drawDeviations(chart);
    else
        drawCounts(chart);
}

namespace {

// The 37 numbers as stacked bars, one set per colour: upright, 0 on the
// left, or across, 0 at the top.  `value(n, set)` gives each set's part of
// number n.
template <class Value>
QAbstractBarSeries* numberBars(QChart* chart, const QList<QBarSet*>& sets, bool across, double top,
                               bool signedValues, Value value)
{
    QStringList categories;
    for (int i = 0; i < stats::kNumbers; ++i) {
        const int n = across ? stats::kNumbers - 1 - i : i;
        categories << QString::number(n);
        for (qsizetype k = 0; k < sets.size(); ++k)
            sets[k]->append(value(n, k));
    }
    QAbstractBarSeries* bars = nullptr;
    if (across)
        bars = new QHorizontalStackedBarSeries;
    else
        bars = new QStackedBarSeries;
    bars->append(sets);
    bars->setBarWidth(0.75);
    chart->addSeries(bars);
    addAxes(chart, bars, categories, top, across, signedValues);
    return bars;
}

} // namespace

// The count of each number, in its colour on the wheel, and the line chance expects.
void StatisticsWindow::drawCounts(QChart* chart)
{
    setNote(chart, tr("Uscite di ogni numero"),
            numbers_.spins == 0 ? tr("nessuna uscita da contare") : QString());
    const QList<QBarSet*> sets{barSet(tr("Zero"), QColor(QRgb(wheel::kGreen))),
                               barSet(tr("Rossi"), QColor(QRgb(wheel::kRed))),
                               barSet(tr("Neri"), QColor(QRgb(wheel::kBlack)))};
    const Rgb colours[] = {wheel::kGreen, wheel::kRed, wheel::kBlack};
    const long long most = *std::max_element(numbers_.counts.begin(), numbers_.counts.end());
    numberBars(chart, sets, numbersAcross_, std::max(double(most), numbers_.expected), false,
               [&](int n, qsizetype set) {
                   return wheel::pocketColor(wheel::positionOf(n)) == colours[set]
                              ? double(numbers_.counts[n])
                              : 0.0;
               });
    if (numbers_.spins > 0) {
        QPen pen(QColor(30, 90, 220));
        pen.setWidth(2);
        pen.setStyle(Qt::DashLine);
        addLevel(chart, tr("Attesa del caso: %1").arg(decimal(numbers_.expected, 1)),
                 numbers_.expected, pen, numbersAcross_);
    }
}

// How far each number is above or below chance, in standard deviations.
void StatisticsWindow::drawDeviations(QChart* chart)
{
    setNote(chart, tr("Scarto di ogni numero dal caso (z)"),
            numbers_.spins == 0 ? tr("nessuna uscita da contare") : QString());
    double most = 2.5; // the lines at ±2 always in view
    for (const double z : numbers_.z)
        most = std::max(most, std::fabs(z));
    numberBars(chart, {barSet(tr("Sopra l'attesa"), kAbove), barSet(tr("Sotto l'attesa"), kBelow)},
               numbersAcross_, most, true, [&](int n, qsizetype set) {
                   return set == 0 ? std::max(numbers_.z[n], 0.0) : std::min(numbers_.z[n], 0.0);
               });
    QPen pen(QColor(120, 120, 120));
    pen.setWidth(1);
    pen.setStyle(Qt::DashLine);
    addLevel(chart, tr("±2: fra 37 numeri qualcuno oltre è normale"), 2, pen, numbersAcross_);
    addLevel(chart, QString(), -2, pen, numbersAcross_);
    // One entry in the legend for both lines.
    const auto markers = chart->legend()->markers(chart->series().back());
    for (QLegendMarker* marker : markers)
        marker->setVisible(false);
}

void StatisticsWindow::showAttempts()
{
    const Session& session = links_.session();
    attempts_ = stats::compareAttempts(session.tally, session.followed);
    const stats::AttemptFigures& f = attempts_;

    QChart* chart = GraficoProposte->chart();
    clearChart(chart);
    const bool nothing = f.stretches == 0 && f.tallied == 0;
    setNote(chart, tr("Proposte: colpi per tentativo"),
            nothing ? tr("nessuna proposta seguita") : QString());
    const QString scope =
        QStringLiteral("<br><small>") +
        esc(tr("Le proposte di questa sessione, da quando il programma è aperto o dall'ultimo "
               "«Azzera», su tutte le uscite giocate o rigiocate: la scelta delle uscite qui "
               "sopra non le riguarda.")) +
        QStringLiteral("</small>");
    if (nothing) {
        // No bars, no categories: an empty chart with its note.
        FiguraProposte->setText(
            tr("Nessuna proposta seguita. Spunta «Stringa comp. Progressione» nel "
                           "visualizzatore (Ctrl+U), poi gioca o rigioca le uscite: qui "
                           "compariranno i colpi per tentativo accanto a quelli del caso.") +
            scope);
        return;
    }
    QBarSet* hits = barSet(tr("Colpi"), kObserved);
    QBarSet* chance = barSet(tr("Il caso, stessi numeri per proposta"), kChance);
    QStringList categories;
    double top = 0;
    for (int a = 1; a <= f.lastAttempt; ++a) {
        categories << QString::number(a);
        hits->append(double(f.hits[std::size_t(a)]));
        chance->append(f.chanceHits[std::size_t(a)]);
        top = std::max({top, double(f.hits[std::size_t(a)]), f.chanceHits[std::size_t(a)]});
    }
    categories << QStringLiteral("F"); // as the attempt detail writes a failure
    hits->append(double(f.failures));
    chance->append(f.chanceFailures);
    top = std::max({top, double(f.failures), f.chanceFailures});
    auto* pairs = new QBarSeries;
    pairs->append(hits);
    if (f.stretches > 0)
        pairs->append(chance);
    else
        delete chance;
    chart->addSeries(pairs);
    addAxes(chart, pairs, categories, top);

    if (f.stretches == 0) {
        FiguraProposte->setText(
            esc(tr("Il conteggio ha %1 esiti senza le proposte da cui vengono: il "
                               "confronto con il caso non si può fare. «Azzera» nel "
                               "visualizzatore ricomincia il conteggio.",
                           nullptr, int(f.tallied))
                    .arg(count(f.tallied))) +
            scope);
        return;
    }
    double chanceHits = 0;
    long long hitCount = 0;
    for (int a = 1; a <= f.lastAttempt; ++a) {
        chanceHits += f.chanceHits[std::size_t(a)];
        hitCount += f.hits[std::size_t(a)];
    }
    FiguraProposte->setText(
        tr("<b>%1 tratti seguiti</b> (ognuno fino a un colpo o a un fallimento), in "
                       "media con %2 numeri.<br>Colpi: %3, il caso ne darebbe %4. Fallite (F): "
                       "%5, il caso ne darebbe %6 (z = %7).<br><i>%8</i>",
           nullptr, int(f.stretches))
            .arg(esc(count(f.stretches)), esc(decimal(f.meanSize, 1)), esc(count(hitCount)),
                 esc(decimal(chanceHits, 1)), esc(count(f.failures)),
                 esc(decimal(f.chanceFailures, 1)), esc(signedZ(f.failuresZ)),
                 esc(stats::attemptsVerdict(f))) +
        scope);
}

} // namespace zt
