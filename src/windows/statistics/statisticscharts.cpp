// The statistics window's charts and figures, filled from the statistics of
// the core: the numbers of the chosen spins, their groups and wheel sectors,
// and the attempt tally of the followed strings, each beside chance.

#include "windows/statisticswindow.h"

#include "core/session.h"
#include "core/wheellayout.h"
#include "store/storefile.h"
#include "ui/look.h"
#include "windows/chartparts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QHorizontalBarSeries>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
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
    return QLocale(QLocale::Italian, QLocale::Italy).toString(n);
}

// A z-score with its sign: "+1,96", "−0,42".
QString signedZ(double z)
{
    const QString text = decimal(std::fabs(z), 2);
    return (z < 0 ? QStringLiteral("−") : QStringLiteral("+")) + text;
}

QString pText(const stats::ChiSquare& test)
{
    return test.pValue < 0.001 ? QStringLiteral("p < 0,001") : QStringLiteral("p = ") + decimal(test.pValue, 3);
}

const QColor kObserved(46, 110, 180);
const QColor kChance(190, 190, 190);

QBarSet* barSet(const QString& name, const QColor& color)
{
    auto* set = new QBarSet(name);
    set->setColor(color);
    set->setBorderColor(color.darker(130));
    return set;
}

// Categories along one side (the bottom, or the left for horizontal bars)
// and counts along the other, from 0 to above `top`.
void addAxes(QChart* chart, QAbstractSeries* series, const QStringList& categories, double top,
             bool horizontal = false)
{
    auto* names = new QBarCategoryAxis;
    names->append(categories);
    chart->addAxis(names, horizontal ? Qt::AlignLeft : Qt::AlignBottom);
    series->attachAxis(names);
    auto* counts = new QValueAxis;
    const double step = tickStep(top * 1.05);
    counts->setRange(0, std::max(std::ceil(top * 1.05 / step), 1.0) * step);
    counts->setTickType(QValueAxis::TicksDynamic);
    counts->setTickAnchor(0);
    counts->setTickInterval(step);
    counts->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(counts, horizontal ? Qt::AlignBottom : Qt::AlignLeft);
    series->attachAxis(counts);
    // After addAxis, which gives the axes the theme's fonts.
    QFont small = names->labelsFont();
    small.setPointSizeF(categories.size() > 20 ? 6.5 : 7.5);
    names->setLabelsFont(small);
    counts->setLabelsFont(small);
}

QString numberRows(const std::vector<stats::NumberFigure>& figures)
{
    QString rows;
    for (const stats::NumberFigure& f : figures) {
        rows += QStringLiteral("<tr><td align=right><b>%1</b></td><td align=right>%2</td>"
                               "<td align=right>%3</td><td align=right>%4</td></tr>")
                    .arg(f.number)
                    .arg(count(f.count), signedZ(f.z),
                         f.seen ? count(f.delay) : QStringLiteral("mai uscito"));
    }
    return rows;
}

} // namespace

void StatisticsWindow::setNote(QChart* chart, const QString& title, const QString& note)
{
    chart->setTitle(note.isEmpty() ? title : title + QStringLiteral(" — ") + note);
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
    const QString typeName = filter == stats::TypeFilter::Live ? QStringLiteral("«Live»")
                                                               : QStringLiteral("«Spin»");
    QString state;
    if (fileState_ == ReadResult::Failed) {
        state = problem_;
    } else if (fileState_ == ReadResult::NoFile) {
        state = QStringLiteral("Nessuna uscita registrata: il file %1 non c'è ancora.").arg(file);
    } else if (cache_.spins.empty()) {
        state = cache_.unreadable > 0
                    ? QStringLiteral("Nessuna uscita da contare in %1: %2 righe senza un numero "
                                     "da 0 a 36.")
                          .arg(file, count(cache_.unreadable))
                    : QStringLiteral("Nessuna uscita registrata in %1.").arg(file);
    } else {
        state = QStringLiteral("%1 uscite in %2").arg(count(qint64(cache_.spins.size())), file);
        if (filter != stats::TypeFilter::All)
            state += QStringLiteral(", di cui %1 %2").arg(count(chosenFrom_), typeName);
        if (last > 0 && chosenFrom_ > last)
            state += QStringLiteral("; contate le ultime %1").arg(count(last));
        state += u'.';
        if (spins == 0)
            state += QStringLiteral(" Nessuna uscita %1 da contare.").arg(typeName);
        if (cache_.unreadable > 0)
            state += QStringLiteral(" %1 righe senza un numero da 0 a 36 non sono contate.")
                         .arg(count(cache_.unreadable));
    }
    Stato->setText(state);
    setForeColor(Stato, fileState_ == ReadResult::Failed ? QColor(192, 0, 0) : QColor(Qt::black));

    // The numbers, each in its colour on the wheel, and the line chance expects.
    QChart* chart = GraficoNumeri->chart();
    clearChart(chart);
    setNote(chart, QStringLiteral("Uscite di ogni numero"),
            spins == 0 ? QStringLiteral("nessuna uscita da contare") : QString());
    QBarSet* red = barSet(QStringLiteral("Rossi"), QColor(QRgb(wheel::kRed)));
    QBarSet* black = barSet(QStringLiteral("Neri"), QColor(QRgb(wheel::kBlack)));
    QBarSet* green = barSet(QStringLiteral("Zero"), QColor(QRgb(wheel::kGreen)));
    QStringList categories;
    long long most = 0;
    for (int n = 0; n < stats::kNumbers; ++n) {
        const Rgb colour = wheel::pocketColor(wheel::positionOf(n));
        const double value = double(numbers_.counts[n]);
        red->append(colour == wheel::kRed ? value : 0);
        black->append(colour == wheel::kBlack ? value : 0);
        green->append(colour == wheel::kGreen ? value : 0);
        categories << QString::number(n);
        most = std::max(most, numbers_.counts[n]);
    }
    auto* bars = new QStackedBarSeries;
    bars->append({green, red, black});
    bars->setBarWidth(0.75);
    chart->addSeries(bars);
    addAxes(chart, bars, categories, std::max(double(most), numbers_.expected));
    if (spins > 0) {
        auto* chance = new QLineSeries;
        chance->setName(QStringLiteral("Attesa del caso: %1").arg(decimal(numbers_.expected, 1)));
        chance->append(-0.5, numbers_.expected);
        chance->append(stats::kNumbers - 0.5, numbers_.expected);
        QPen pen(QColor(30, 90, 220));
        pen.setWidth(2);
        pen.setStyle(Qt::DashLine);
        chance->setPen(pen);
        chart->addSeries(chance);
        for (QAbstractAxis* axis : chart->axes())
            chance->attachAxis(axis);
    }

    if (spins == 0) {
        FiguraNumeri->setText(QStringLiteral("<p>Nessuna uscita da contare: qui compariranno il "
                                             "confronto con il caso, i numeri più e meno usciti "
                                             "e i loro ritardi.</p>"));
    } else {
        const stats::ChiSquare& t = numbers_.test;
        const QString head = QStringLiteral("<tr><th>Numero</th><th>Uscite</th><th>z</th>"
                                            "<th>Ritardo</th></tr>");
        FiguraNumeri->setText(
            QStringLiteral("<p><b>%1 uscite</b>: il caso ne attende %2 per numero.</p>"
                           "<p>Chi quadrato %3 con %4 gradi di libertà, %5.<br><i>%6</i></p>"
                           "<p><b>Più uscite</b><table cellspacing=0 cellpadding=2>%7%8</table></p>"
                           "<p><b>Meno uscite</b><table cellspacing=0 cellpadding=2>%7%9</table></p>"
                           "<p><small>z: di quante deviazioni standard le uscite superano (+) o "
                           "mancano (−) l'attesa del caso. Ritardo: uscite da quando il numero è "
                           "uscito l'ultima volta.</small></p>")
                .arg(count(spins), decimal(numbers_.expected, 2), decimal(t.statistic, 2))
                .arg(t.degrees)
                .arg(pText(t), stats::verdict(t), head, numberRows(numbers_.hottest),
                     numberRows(numbers_.coldest)));
    }

    // Groups and sectors: what came out beside what chance expects.
    const std::vector<stats::GroupingFigure> groups = stats::groupFigures(numbers_);
    chart = GraficoGruppi->chart();
    clearChart(chart);
    setNote(chart, QStringLiteral("Gruppi e settori della ruota"),
            spins == 0 ? QStringLiteral("nessuna uscita da contare") : QString());
    QBarSet* observed = barSet(QStringLiteral("Uscite"), kObserved);
    QBarSet* expected = barSet(QStringLiteral("Attese dal caso"), kChance);
    categories.clear();
    double top = 0;
    QString lines;
    for (const stats::GroupingFigure& grouping : groups) {
        const stats::GroupFigure* farthest = nullptr;
        for (const stats::GroupFigure& g : grouping.groups) {
            if (!g.charted)
                continue;
            // Horizontal bars go upwards: the first group at the top.
            categories.prepend(g.name);
            observed->insert(0, double(g.observed));
            expected->insert(0, g.expected);
            top = std::max({top, double(g.observed), g.expected});
            if (!farthest || std::fabs(g.z) > std::fabs(farthest->z))
                farthest = &g;
        }
        if (!grouping.test.valid)
            continue;
        lines += QStringLiteral("<b>%1</b>: %2 (χ² %3, %4 g.l., %5)")
                     .arg(grouping.name, stats::shortVerdict(grouping.test),
                          decimal(grouping.test.statistic, 2))
                     .arg(grouping.test.degrees)
                     .arg(pText(grouping.test));
        if (farthest)
            lines += QStringLiteral("; più lontano dall'attesa: %1 (z %2)")
                         .arg(farthest->name, signedZ(farthest->z));
        lines += QStringLiteral(".<br>");
    }
    auto* pairs = new QHorizontalBarSeries;
    pairs->append({observed, expected});
    chart->addSeries(pairs);
    addAxes(chart, pairs, categories, top, true);
    FiguraGruppi->setText(
        spins == 0 ? QStringLiteral("Nessuna uscita da contare.")
                   : lines + QStringLiteral("<small>χ²: chi quadrato, con i suoi gradi di "
                                            "libertà (g.l.). Lo zero conta nel confronto delle "
                                            "dozzine e delle colonne; il Gioco 0 fa parte dei "
                                            "Vicini dello 0.</small>"));
}

void StatisticsWindow::showAttempts()
{
    const Session& session = links_.session();
    attempts_ = stats::compareAttempts(session.tally, session.followed);
    const stats::AttemptFigures& f = attempts_;

    QChart* chart = GraficoProposte->chart();
    clearChart(chart);
    const bool nothing = f.stretches == 0 && f.tallied == 0;
    setNote(chart, QStringLiteral("Proposte: colpi per tentativo"),
            nothing ? QStringLiteral("nessuna proposta seguita") : QString());
    QBarSet* hits = barSet(QStringLiteral("Colpi"), kObserved);
    QBarSet* chance = barSet(QStringLiteral("Il caso, stessi numeri per proposta"), kChance);
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

    if (nothing) {
        FiguraProposte->setText(
            QStringLiteral("Nessuna proposta seguita. Spunta «Stringa comp. Progressione» nel "
                           "visualizzatore (Ctrl+U), poi gioca o rigioca le uscite: qui "
                           "compariranno i colpi per tentativo accanto a quelli del caso."));
        return;
    }
    if (f.stretches == 0) {
        FiguraProposte->setText(
            QStringLiteral("Il conteggio ha %1 esiti senza le proposte da cui vengono: il "
                           "confronto con il caso non si può fare. «Azzera» nel visualizzatore "
                           "ricomincia il conteggio.")
                .arg(count(f.tallied)));
        return;
    }
    double chanceHits = 0;
    long long hitCount = 0;
    for (int a = 1; a <= f.lastAttempt; ++a) {
        chanceHits += f.chanceHits[std::size_t(a)];
        hitCount += f.hits[std::size_t(a)];
    }
    QString judgement;
    if (f.failuresZ <= -2)
        judgement = QStringLiteral("Meno fallimenti del caso: le proposte hanno fatto meglio di "
                                   "numeri scelti a caso.");
    else if (f.failuresZ >= 2)
        judgement = QStringLiteral("Più fallimenti del caso: le proposte hanno fatto peggio di "
                                   "numeri scelti a caso.");
    else
        judgement = QStringLiteral("Le proposte non hanno fatto né meglio né peggio di "
                                   "altrettanti numeri scelti a caso.");
    FiguraProposte->setText(
        QStringLiteral("<b>%1 tratti seguiti</b> (ognuno fino a un colpo o a un fallimento), in "
                       "media con %2 numeri.<br>Colpi: %3, il caso ne darebbe %4. Fallite (F): "
                       "%5, il caso ne darebbe %6 (z = %7).<br><i>%8</i>")
            .arg(count(f.stretches), decimal(f.meanSize, 1), count(hitCount), decimal(chanceHits, 1),
                 count(f.failures), decimal(f.chanceFailures, 1), signedZ(f.failuresZ), judgement));
}

} // namespace zt
