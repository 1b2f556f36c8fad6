// What `zentrima13 search` writes: the panel on standard output and the CSV
// of every combination, best first.

#include "searchoutput.h"

#include "combinations.h"
#include "core/betting.h"
#include "core/statistics.h"
#include "core/textrules.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <map>

namespace zt {

QString shownCount(qint64 n)
{
    return shownLocale().toString(n);
}

namespace {

QString decimals(double v, int places)
{
    if (std::round(v * std::pow(10.0, places)) == 0)
        v = 0; // no "-0,00"
    return shownLocale().toString(v, 'f', places);
}

QString onOff(bool on)
{
    return on ? SearchText::tr("sì") : SearchText::tr("no");
}

// The z of a part, as the panel shows it ("-" without stakes).
QString zText(const EveningFigures& f)
{
    return f.variance > 0 ? decimals(f.z(), 2) : QStringLiteral("-");
}

} // namespace

QString searchPanel(const SearchSettings& search, const SearchResult& result,
                    std::size_t chooseRows, std::size_t judgeRows, const QString& chooseIds,
                    const QString& judgeIds)
{
    const std::vector<VerifySettings>& combos = search.combinations;
    const SharedRuns& runs = result.runs;
    std::vector<std::size_t> firstOf(runs.distinct, combos.size());
    std::map<QString, int> bets;
    for (std::size_t i = 0; i < combos.size(); ++i) {
        firstOf[runs.of[i]] = std::min(firstOf[runs.of[i]], i);
        bets[progressionText(combos[i].bet) + QString::number(combos[i].bet.stake)] = 0;
    }
    const bool byHits = search.rank == SearchRank::HitsPerSpin;
    const VerifySettings& best = combos[firstOf[result.order.front()]];
    QStringList lines;
    lines << SearchText::tr(
                 "Parte di scelta: %1 righe (id %2); parte di verifica: %3 righe (id %4), divise "
                 "all'inizio di una partita.")
                 .arg(shownCount(qint64(chooseRows)), chooseIds, shownCount(qint64(judgeRows)),
                      judgeIds);
    lines << SearchText::tr("Combinazioni: %1, giocate %2 per parte.")
                 .arg(shownCount(qint64(combos.size())), shownCount(qint64(runs.distinct)));
    if (runs.distinct < combos.size())
        lines << SearchText::tr(
            "Nei modi quorix e zentrima13 il filtro \"Numero:\" non cambia nulla: le "
            "combinazioni che differiscono solo per il filtro (o per il valore della "
            "fiche) hanno gli stessi risultati e qui contano una volta.");
    lines << (byHits ? SearchText::tr(
                           "Ordinate per colpi vinti per colpo puntato nella parte di scelta.")
                     : SearchText::tr("Ordinate per saldo nella parte di scelta, in fiches."));
    lines << QString();

    const std::size_t shown = std::min<std::size_t>(20, result.order.size());
    lines
        << SearchText::tr(
               "Le %1 migliori nella parte di scelta, e come sono andate nella parte di verifica:",
               nullptr, int(shown))
               .arg(shown);
    const bool progressions = bets.size() > 1;
    QString head = QStringLiteral("%1  %2 %3 %4 %5 %6 %7")
                       .arg(SearchText::tr("n."), 3)
                       .arg(SearchText::tr("modo"), -10)
                       .arg(SearchText::tr("filtro"), -9)
                       .arg(SearchText::tr("max"), 5)
                       .arg(SearchText::tr("2° colpo"), -8)
                       .arg(SearchText::tr("Azzera"), -6)
                       .arg(SearchText::tr("Azz. auto"), -9);
    if (progressions)
        head += QStringLiteral(" %1").arg(SearchText::tr("puntate"), -12);
    if (byHits)
        head += QStringLiteral(" %1 %2")
                    .arg(SearchText::tr("colpi % scelta"), 14)
                    .arg(SearchText::tr("verifica"), 9);
    head += QStringLiteral(" %1 %2 %3 %4")
                .arg(SearchText::tr("saldo scelta"), 13)
                .arg(SearchText::tr("z"), 6)
                .arg(SearchText::tr("saldo verifica"), 15)
                .arg(SearchText::tr("z"), 6);
    lines << head;
    int kept = 0;
    double chanceKept = 0;
    for (std::size_t k = 0; k < shown; ++k) {
        const std::size_t run = result.order[k];
        const VerifySettings& s = combos[firstOf[run]];
        const VerifyResult& chosen = runs.results[SearchResult::choosing][run];
        const VerifyResult& judged = runs.results[SearchResult::judging][run];
        const auto money = [&](ChipSum chips) { return moneyText(chips, s.bet.chip); };
        const QString filter = s.mode == VerifySettings::Mode::None ? filterShown(s.filter)
                                                                    : SearchText::tr("qualsiasi");
        QString line = QStringLiteral("%1  %2 %3 %4 %5 %6 %7")
                           .arg(k + 1, 3)
                           .arg(QLatin1String(modeNames[int(s.mode)]), -10)
                           .arg(filter, -9)
                           .arg(s.maxDelay, 5)
                           .arg(onOff(s.secondHit), -8)
                           .arg(onOff(s.resetAfterString), -6)
                           .arg(onOff(s.autoReset), -9);
        if (progressions)
            line += QStringLiteral(" %1").arg(
                QString::number(s.bet.stake) + u'×' + progressionText(s.bet), -12);
        if (byHits)
            line += QStringLiteral(" %1 %2")
                        .arg(decimals(100 * rankValue(chosen, SearchRank::HitsPerSpin), 2), 14)
                        .arg(decimals(100 * rankValue(judged, SearchRank::HitsPerSpin), 2), 9);
        line += QStringLiteral(" %1 %2 %3 %4")
                    .arg(money(chosen.money.net()), 13)
                    .arg(zText(chosen.money), 6)
                    .arg(money(judged.money.net()), 15)
                    .arg(zText(judged.money), 6);
        lines << line;
        kept += judged.money.net() > 0;
        chanceKept += chanceOfGain(judged.money, s.bet);
    }
    lines << SearchText::tr(
                 "Nella parte di verifica hanno un saldo positivo %1 delle %2 (la sola fortuna, "
                 "con le loro puntate, ne darebbe in media %3).")
                 .arg(kept)
                 .arg(shown)
                 .arg(decimals(chanceKept, 1));
    const VerifyResult& bestJudged = runs.results[SearchResult::judging][result.order.front()];
    lines << SearchText::tr("La prima: %1 in verifica, z %2 (%3).")
                 .arg(moneyText(bestJudged.money.net(), best.bet.chip), zText(bestJudged.money),
                      bestJudged.money.variance > 0 ? netVerdict(bestJudged.money, best.bet)
                                                    : SearchText::tr("nessuna puntata"));

    // The luck of the search.
    const int evenings = int(result.luckBest.size());
    if (evenings > 0) {
        const VerifyResult& bestChosen = runs.results[SearchResult::choosing][result.order.front()];
        const double bestValue = rankValue(bestChosen, search.rank);
        QStringList values;
        QStringList zs;
        int asGood = 0;
        for (int e = 0; e < evenings; ++e) {
            const VerifyResult& r = result.luckResults[std::size_t(e)];
            const double v = rankValue(r, search.rank);
            values << (byHits ? decimals(100 * v, 2) + u'%' : amountText(v, best.bet.chip));
            zs << zText(r.money);
            asGood += v >= bestValue;
        }
        const QString bestText =
            byHits ? decimals(100 * bestValue, 2) + u'%' : amountText(bestValue, best.bet.chip);
        lines << QString();
        lines << SearchText::tr(
                     "La fortuna della ricerca: su %n serate di uscite a caso lunghe come la parte "
                     "di scelta (seme %1), la migliore delle %2 combinazioni ha avuto %3 "
                     "(z %4).",
                     nullptr, evenings)
                     .arg(search.seed)
                     .arg(shownCount(qint64(runs.distinct)))
                     .arg(values.join(QStringLiteral(" / ")), zs.join(QStringLiteral(" / ")));
        lines << (asGood > 0
                      ? SearchText::tr(
                            "La migliore sulle uscite vere (%1, z %2) non fa meglio della migliore "
                            "su uscite a caso in %3 serate su %4: la migliore di tante "
                            "combinazioni sembra andare così bene anche per sola fortuna.",
                            nullptr, int(evenings))
                            .arg(bestText, zText(bestChosen.money))
                            .arg(asGood)
                            .arg(evenings)
                      : SearchText::tr(
                            "La migliore sulle uscite vere (%1, z %2) fa meglio della migliore "
                            "di ogni serata a caso; se regge lo dice la parte di verifica.")
                            .arg(bestText, zText(bestChosen.money)));
        // Random spins are as likely as the real ones to give the best of
        // the evenings: (as good + 1) in (evenings + 1) by luck alone.
        const double luck = stats::drawnChance(asGood, evenings);
        lines << SearchText::tr("Una ricerca su uscite a caso fa almeno altrettanto bene %1 (%2).")
                     .arg(stats::chanceText(luck), stats::evidenceWords(stats::evidence(luck)));
    }
    return lines.join(u'\n') + u'\n';
}

QByteArray searchCsv(const SearchSettings& search, const SearchResult& result)
{
    const std::vector<VerifySettings>& combos = search.combinations;
    const SharedRuns& runs = result.runs;
    int attempts = 0;
    for (const VerifySettings& s : combos)
        attempts = std::max(attempts, attemptsShown(s.maxDelay));
    const QStringList part = resultHeader(attempts)
                             << QStringLiteral("staked_spins") << QStringLiteral("hits");
    QStringList header{QStringLiteral("rank")};
    header << settingsHeader();
    for (const char* prefix : {"choose_", "judge_"}) {
        for (const QString& column : part)
            header << QLatin1String(prefix) + column;
    }
    header << stakesHeader();

    // The combinations in the order of their results, best first.
    std::vector<std::size_t> place(runs.distinct);
    for (std::size_t k = 0; k < result.order.size(); ++k)
        place[result.order[k]] = k;
    std::vector<std::size_t> lines(combos.size());
    for (std::size_t i = 0; i < combos.size(); ++i)
        lines[i] = i;
    std::stable_sort(lines.begin(), lines.end(), [&](std::size_t a, std::size_t b) {
        return place[runs.of[a]] < place[runs.of[b]];
    });

    // Line by line into the bytes written: the whole text is never held twice.
    QByteArray text = (header.join(u',') + u'\n').toUtf8();
    for (std::size_t i : lines) {
        const VerifySettings& s = combos[i];
        QStringList line{QString::number(place[runs.of[i]] + 1)};
        line << settingsFields(s);
        for (std::size_t set : {SearchResult::choosing, SearchResult::judging}) {
            const VerifyResult& r = runs.at(set, i);
            line << resultFields(s, r, attempts) << QString::number(r.money.stakedSpins)
                 << QString::number(r.money.hits);
        }
        line << stakesFields(s);
        text += (line.join(u',') + u'\n').toUtf8();
    }
    return text;
}

} // namespace zt
