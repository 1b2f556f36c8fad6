#include "combinations.h"

#include "commandio.h"
#include "core/betting.h"
#include "core/report.h"
#include "core/savefile.h"
#include "core/textrules.h"
#include "store/storefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>

namespace zt {

const Switch switches[6] = {
    {"proposal-check", QT_TRANSLATE_NOOP("Verify", "spunta \"Stringa comp. a colpo\""),
     &VerifySettings::proposalCheck, false},
    {"strings-report", QT_TRANSLATE_NOOP("Verify", "spunta \"Stringa comp. Progressione\""),
     &VerifySettings::stringsReport, false},
    {"no-first-check", QT_TRANSLATE_NOOP("Verify", "toglie \"Controlla 1° colpo\""),
     &VerifySettings::firstCheck, true},
    {"second-hit", QT_TRANSLATE_NOOP("Verify", "spunta \"Controlla 2° colpo\""),
     &VerifySettings::secondHit, false},
    {"reset-after-string", QT_TRANSLATE_NOOP("Verify", "spunta \"Azzera\" delle impostazioni"),
     &VerifySettings::resetAfterString, false},
    {"no-auto-reset", QT_TRANSLATE_NOOP("Verify", "toglie \"Azzera Auto con memoria 1\""),
     &VerifySettings::autoReset, true},
};

const char* const modeNames[3] = {"none", "quorix", "zentrima13"};

void setSwitch(VerifySettings& s, const Switch& w, bool given)
{
    s.*w.field = given != w.clears;
}

bool switchGiven(const VerifySettings& s, const Switch& w)
{
    return (s.*w.field) != w.clears;
}

namespace {

QStringList listItems(const QCommandLineParser& p, const QString& option, const QString& fallback)
{
    QStringList items;
    for (const QString& value : p.values(option))
        items += value.split(u',');
    return items.isEmpty() ? fallback.split(u',') : items;
}

std::optional<qint64> wholeNumber(const QString& text, qint64 least, qint64 most)
{
    bool ok = false;
    const qint64 n = text.toLongLong(&ok);
    if (!ok || n < least || n > most)
        return std::nullopt;
    return n;
}

// The stakes and the simulated evenings of one combination.
struct MoneyChoice {
    BetSettings bet;
    SimulationSettings simulation;
};

// Every combination of the options of the stakes and the simulated evenings,
// in the order of the options; false with *error for a bad value.
bool readMoneyChoices(const QCommandLineParser& p, bool simulation,
                      std::vector<MoneyChoice>& choices, QString* error)
{
    choices = {MoneyChoice{}};
    // Each option's values multiply the combinations so far, the later
    // option innermost; a bad value is refused with what the option takes.
    const auto sweep = [&](const char* name, const QStringList& values, auto&& apply,
                           const QString& takes) {
        std::vector<MoneyChoice> next;
        for (const MoneyChoice& c : choices) {
            for (const QString& v : values) {
                MoneyChoice n = c;
                if (!apply(n, v))
                    return badValue(error, QLatin1String(name), v, takes);
                next.push_back(n);
            }
        }
        choices = std::move(next);
        return true;
    };
    const auto whole = [&](const char* name, qint64 least, qint64 most, auto&& set) {
        return sweep(name, listItems(p, QLatin1String(name), QString()),
                     [&](MoneyChoice& c, const QString& v) {
                         if (v.isEmpty() && !p.isSet(QLatin1String(name)))
                             return true; // not given: the default stays
                         const auto n = wholeNumber(v, least, most);
                         if (n)
                             set(c, *n);
                         return n.has_value();
                     },
                     wholeRange(least, most));
    };
    constexpr qint64 most = 1'000'000'000;
    QStringList progressions = p.values(QStringLiteral("progression"));
    if (progressions.isEmpty())
        progressions << QStringLiteral("flat");
    // A chip value may have a decimal comma ("2,5"): more values come by
    // repeating --chip.
    QStringList chips = p.values(QStringLiteral("chip"));
    if (chips.isEmpty())
        chips << QStringLiteral("1");
    const bool stakes =
        whole("stake", 1, most, [](MoneyChoice& c, qint64 n) { c.bet.stake = n; }) &&
        sweep("progression", progressions,
              [](MoneyChoice& c, const QString& v) {
                  const auto b = withProgression(c.bet, v);
                  if (b)
                      c.bet = *b;
                  return b.has_value();
              },
              progressionTakes()) &&
        whole("target", 1, most, [](MoneyChoice& c, qint64 n) { c.bet.target = n; }) &&
        whole("table-max", 1, most, [](MoneyChoice& c, qint64 n) { c.bet.tableMax = n; }) &&
        sweep("chip", chips,
              [](MoneyChoice& c, const QString& v) {
                  const auto chip = chipValue(v);
                  if (chip)
                      c.bet.chip = *chip;
                  return chip.has_value();
              },
              chipTakes(true)) &&
        whole("bankroll", 1, StakeTable::ceiling,
              [](MoneyChoice& c, qint64 n) { c.bet.bankroll = n; });
    if (!stakes)
        return false;
    // A stake of a list over the ceiling would never be made: refused unless
    // the table's maximum cuts it.
    for (const MoneyChoice& c : choices) {
        const BetSettings& b = c.bet;
        if (b.progression != BetSettings::Progression::List || b.tableMax > 0)
            continue;
        const Chips largest = *std::max_element(b.list.begin(), b.list.end());
        if (ChipSum(b.stake) * largest > StakeTable::ceiling) {
            *error = overCeiling(b.stake, largest);
            return false;
        }
    }
    if (!simulation)
        return true;
    return whole("simulate", 1, 10'000'000,
                 [](MoneyChoice& c, qint64 n) { c.simulation.evenings = int(n); }) &&
           whole("spins", 1, 1'000'000,
                 [](MoneyChoice& c, qint64 n) { c.simulation.spins = int(n); }) &&
           whole("seed", 0, std::numeric_limits<qint64>::max(),
                 [](MoneyChoice& c, qint64 n) { c.simulation.seed = std::uint64_t(n); });
}

} // namespace

bool badValue(QString* error, const QString& option, const QString& value, const QString& takes)
{
    // A value too long to read back whole (a list of thousands) is cut.
    constexpr qsizetype shown = 60;
    const QString cut = value.size() > shown ? value.left(shown) + QStringLiteral("…") : value;
    *error = QCoreApplication::translate("Verify", "Valore non valido per --%1: \"%2\" (%3).")
                 .arg(option, shownArgument(cut), takes);
    return false;
}

QString wholeRange(qint64 least, qint64 most)
{
    return QCoreApplication::translate("Verify", "un numero intero da %1 a %2")
        .arg(chipsText(least), chipsText(most));
}

QString progressionTakes()
{
    return QCoreApplication::translate(
               "Verify", "flat, recovery o da 1 a %1 multipli interi da 0 a %2 separati da "
                         "virgole, almeno uno non 0")
        .arg(chipsText(longestProgression), chipsText(1'000'000'000));
}

QString chipTakes(bool repeated)
{
    QString text = QCoreApplication::translate(
                       "Verify", "un valore da 0,01 a meno di %1 con al massimo due decimali, "
                                 "come 2,5 o 2.5")
                       .arg(chipsText(ChipSum(largestChip)));
    if (repeated)
        text += QCoreApplication::translate("Verify", "; per più valori si ripete --chip");
    return text;
}

QString overCeiling(Chips stake, Chips multiple)
{
    return QCoreApplication::translate(
               "Verify", "Con --stake %1 il multiplo %2 chiede %3 fiches per numero: oltre il "
                         "limite di %4. Si può dare --table-max, che riduce le puntate.")
        .arg(chipsText(stake), chipsText(multiple), chipsText(ChipSum(stake) * multiple),
             chipsText(StakeTable::ceiling));
}

QList<QCommandLineOption> addRunOptions(QCommandLineParser& p, bool withOut, bool simulation)
{
    p.addOptions({
        {QStringLiteral("db"), {}, QStringLiteral("FILE")},
        {QStringLiteral("from"), {}, QStringLiteral("ID")},
        {QStringLiteral("count"), {}, QStringLiteral("N")},
        {QStringLiteral("csv"), {}, QStringLiteral("FILE")},
        {{QStringLiteral("h"), QStringLiteral("help")}, {}},
    });
    QList<QCommandLineOption> lists{
        {QStringLiteral("mode"), {}, QStringLiteral("MODI")},
        {QStringLiteral("filter"), {}, QStringLiteral("NUMERI")},
        {QStringLiteral("max"), {}, QStringLiteral("TESTI")},
        {QStringLiteral("sweep"), {}, QStringLiteral("NOME")},
        {QStringLiteral("stake"), {}, QStringLiteral("N")},
        {QStringLiteral("progression"), {}, QStringLiteral("P")},
        {QStringLiteral("target"), {}, QStringLiteral("N")},
        {QStringLiteral("table-max"), {}, QStringLiteral("N")},
        {QStringLiteral("chip"), {}, QStringLiteral("VALORE")},
        {QStringLiteral("bankroll"), {}, QStringLiteral("N")},
    };
    if (simulation)
        lists += {{QStringLiteral("simulate"), {}, QStringLiteral("N")},
                  {QStringLiteral("spins"), {}, QStringLiteral("L")},
                  {QStringLiteral("seed"), {}, QStringLiteral("S")}};
    p.addOptions(lists);
    if (withOut)
        p.addOption({QStringLiteral("out"), {}, QStringLiteral("FILE")});
    for (const Switch& w : switches)
        p.addOption({QLatin1String(w.name), {}});
    return lists;
}

bool readRunFiles(const QCommandLineParser& p, bool withOut, RunFiles& files, QString* error)
{
    const auto bad = [&](const QString& option, const QString& value, const QString& takes) {
        return badValue(error, option, value, takes);
    };
    const auto given = [&](const char* name) {
        return (withOut || qstrcmp(name, "out") != 0) && p.isSet(QLatin1String(name));
    };
    const QString aFile = QCoreApplication::translate("Verify", "il nome di un file");
    files.dbName = p.isSet(QStringLiteral("db")) ? p.value(QStringLiteral("db"))
                                                 : QString::fromLatin1(kStoreFileName);
    files.dbPath = QDir::current().absoluteFilePath(files.dbName);
    if (withOut) {
        const QString out = p.isSet(QStringLiteral("out")) ? p.value(QStringLiteral("out"))
                                                           : QString::fromLatin1(reportFileName);
        files.outPath = out == u"-" ? out : QDir::current().absoluteFilePath(out);
    }
    if (p.isSet(QStringLiteral("csv")))
        files.csvPath = p.value(QStringLiteral("csv"));
    for (const char* name : {"db", "out", "csv"}) {
        if (given(name) && p.value(QLatin1String(name)).isEmpty())
            return bad(QLatin1String(name), {}, aFile);
    }
    // The database is only read: no output may replace it.
    const QString database = QFileInfo(files.dbPath).canonicalFilePath();
    for (const char* name : {"out", "csv"}) {
        if (!given(name))
            continue;
        const QString path = QDir::current().absoluteFilePath(p.value(QLatin1String(name)));
        if (!database.isEmpty() && QFileInfo(path).canonicalFilePath() == database) {
            *error =
                QCoreApplication::translate("Verify", "--%1 non può essere il file delle uscite.")
                    .arg(name);
            return false;
        }
    }
    // Nor may one output replace the other.
    if (given("out") && given("csv") &&
        canonicalTarget(files.outPath) == canonicalTarget(files.csvPath)) {
        *error = QCoreApplication::translate(
                     "Verify", "--out e --csv non possono essere lo stesso file (%1).")
                     .arg(shownArgument(files.csvPath));
        return false;
    }
    if (p.isSet(QStringLiteral("from"))) {
        const QString v = p.value(QStringLiteral("from"));
        files.from =
            wholeNumber(v, std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max());
        if (!files.from)
            return bad(QStringLiteral("from"), v,
                       QCoreApplication::translate("Verify", "l'id di una riga, un numero intero"));
    }
    if (p.isSet(QStringLiteral("count"))) {
        const QString v = p.value(QStringLiteral("count"));
        files.count = wholeNumber(v, 0, std::numeric_limits<int>::max());
        if (!files.count)
            return bad(QStringLiteral("count"), v,
                       QCoreApplication::translate("Verify", "un numero intero da 0 a %1")
                           .arg(std::numeric_limits<int>::max()));
    }
    return true;
}

qint64 combinationCount(const QCommandLineParser& p, const CombinationDefaults& defaults)
{
    const auto items = [&](const char* name, const QString& fallback) {
        return qint64(listItems(p, QLatin1String(name), fallback).size());
    };
    std::vector<qint64> sizes{items("mode", defaults.modes),
                              items("filter", defaults.filters),
                              items("max", defaults.maxima),
                              items("stake", {}),
                              std::max<qint64>(1, p.values(QStringLiteral("progression")).size()),
                              items("target", {}),
                              items("table-max", {}),
                              items("chip", {}),
                              items("bankroll", {})};
    if (defaults.simulation) {
        for (const char* name : {"simulate", "spins", "seed"})
            sizes.push_back(items(name, {}));
    }
    // Each switch swept doubles them.
    QStringList swept = p.values(QStringLiteral("sweep"));
    if (swept.isEmpty()) {
        for (const QString& name : defaults.swept) {
            if (!p.isSet(name))
                swept << name;
        }
    }
    swept.removeDuplicates();
    for (qsizetype k = 0; k < swept.size(); ++k)
        sizes.push_back(2);
    qint64 count = 1;
    for (qint64 size : sizes) {
        if (__builtin_mul_overflow(count, size, &count))
            return std::numeric_limits<qint64>::max();
    }
    return count;
}

bool readCombinations(const QCommandLineParser& p, const CombinationDefaults& defaults,
                      std::vector<VerifySettings>& settings, bool* anySwept, QString* error)
{
    const auto bad = [&](const QString& option, const QString& value, const QString& takes) {
        return badValue(error, option, value, takes);
    };
    std::vector<VerifySettings::Mode> modes;
    for (const QString& m : listItems(p, QStringLiteral("mode"), defaults.modes)) {
        const auto* name = std::find_if(std::begin(modeNames), std::end(modeNames),
                                        [&](const char* n) { return m == QLatin1String(n); });
        if (name == std::end(modeNames))
            return bad(QStringLiteral("mode"), m,
                       QCoreApplication::translate("Verify", "none, quorix o zentrima13"));
        modes.push_back(VerifySettings::Mode(name - std::begin(modeNames)));
    }
    QStringList filters;
    for (const QString& f : listItems(p, QStringLiteral("filter"), defaults.filters)) {
        // Every number: the board's word in either language, whichever the
        // language in use, so that a script runs the same everywhere.
        if (f.compare(u"Tutti", Qt::CaseInsensitive) == 0 ||
            f.compare(u"All", Qt::CaseInsensitive) == 0)
            filters << QStringLiteral("Tutti");
        else if (const auto n = wholeNumber(f, 1, 36); n && f == QString::number(*n))
            filters << f;
        else
            return bad(QStringLiteral("filter"), f,
                       QCoreApplication::translate("Verify", "Tutti o un numero da 1 a 36"));
    }
    const QStringList maxima = listItems(p, QStringLiteral("max"), defaults.maxima);

    VerifySettings base;
    for (const Switch& w : switches)
        setSwitch(base, w, p.isSet(QLatin1String(w.name)));
    base.stringsReport = base.stringsReport || defaults.stringsReport;
    std::vector<const Switch*> swept;
    for (const QString& name : p.values(QStringLiteral("sweep"))) {
        const auto* w =
            std::find_if(std::begin(switches), std::end(switches),
                         [&](const Switch& s) { return name == QLatin1String(s.name); });
        if (w == std::end(switches)) {
            QStringList names;
            for (const Switch& known : switches)
                names << QLatin1String(known.name);
            return bad(QStringLiteral("sweep"), name, names.join(QStringLiteral(", ")));
        }
        if (p.isSet(name)) {
            *error = QCoreApplication::translate("Verify", "--%1 e --sweep %1 non vanno insieme.")
                         .arg(name);
            return false;
        }
        if (std::find(swept.begin(), swept.end(), w) == swept.end())
            swept.push_back(w);
    }
    if (!p.isSet(QStringLiteral("sweep"))) {
        for (const Switch& w : switches) {
            if (defaults.swept.contains(QLatin1String(w.name)) && !p.isSet(QLatin1String(w.name)))
                swept.push_back(&w);
        }
    }

    std::vector<MoneyChoice> money;
    if (!readMoneyChoices(p, defaults.simulation, money, error))
        return false;

    // Every combination, the first list outermost, each swept switch off then on.
    settings.clear();
    for (VerifySettings::Mode mode : modes) {
        for (const QString& filter : filters) {
            for (const QString& max : maxima) {
                for (const MoneyChoice& m : money) {
                    for (unsigned bits = 0; bits < (1u << swept.size()); ++bits) {
                        VerifySettings s = base;
                        s.mode = mode;
                        s.filter = filter;
                        s.maxDelay = max;
                        s.bet = m.bet;
                        s.simulation = m.simulation;
                        for (std::size_t k = 0; k < swept.size(); ++k)
                            setSwitch(s, *swept[k], bits >> (swept.size() - 1 - k) & 1);
                        settings.push_back(s);
                    }
                }
            }
        }
    }
    *anySwept = !swept.empty();
    return true;
}

QString filterShown(const QString& filter)
{
    return filter == u"Tutti" ? QCoreApplication::translate("Verify", "Tutti") : filter;
}

QString combinationHelp(bool simulation)
{
    QString text = QCoreApplication::translate(
        "Verify",
        "  --db FILE             il file delle uscite (predefinito: dati.mdb); non viene mai "
        "scritto\n"
        "  --from ID             parte dalla riga con questo id, come \"Cerca\"\n"
        "  --count N             righe da rigiocare, come \"Colpi:\" (predefinito: fino "
        "all'ultima)\n"
        "  --mode MODI           none, quorix o zentrima13\n"
        "  --filter NUMERI       il filtro \"Numero:\" del tavolo: Tutti o da 1 a 36\n"
        "  --max TESTI           \"Contr. Massimo\" delle impostazioni\n");
    text += QCoreApplication::translate(
        "Verify",
        "  --stake N             fiches su ogni numero della stringa seguita (predefinito: 1)\n"
        "  --progression P       flat (sempre --stake), recovery (il recupero) o i multipli di\n"
        "                        --stake per tentativo, l'ultimo ripetuto (1,1,2,3,5,8)\n"
        "  --target N            il recupero: quanto rende almeno un colpo vinto (predefinito: 1)\n"
        "  --table-max N         la puntata massima del tavolo su un numero\n"
        "  --chip VALORE         il valore di una fiche, al centesimo (2,5 o 2.5): le somme\n"
        "                        nella tua moneta\n"
        "  --bankroll N          le fiches della serata: finisce alla prima puntata che non\n"
        "                        coprono (rovina)\n");
    if (simulation)
        text += QCoreApplication::translate(
            "Verify", "  --simulate N          gioca anche N serate di uscite a caso con le stesse "
                      "impostazioni\n"
                      "  --spins L             uscite di ogni serata simulata (predefinito: 300)\n"
                      "  --seed S              il seme delle serate simulate (predefinito: 1)\n");
    for (const Switch& w : switches)
        text += QStringLiteral("  --%1%2\n")
                    .arg(QString::fromLatin1(w.name).leftJustified(20),
                         QCoreApplication::translate("Verify", w.help));
    text += QCoreApplication::translate(
        "Verify",
        "  --sweep NOME          verifica l'opzione NOME (una delle sei qui sopra) sia senza\n"
        "                        sia con; si può ripetere\n");
    return text;
}

QString parseProblem(const QCommandLineParser& p)
{
    if (!p.unknownOptionNames().isEmpty())
        return QCoreApplication::translate("Verify", "Opzione sconosciuta: %1.")
            .arg(shownArgument(p.unknownOptionNames().first()));
    // "Missing value after 'x'." or "Unexpected value after 'x'."
    const auto quoted = QRegularExpression(QStringLiteral("'([^']*)'")).match(p.errorText());
    return QCoreApplication::translate("Verify", "Valore mancante o di troppo per l'opzione %1.")
        .arg(quoted.hasMatch() ? shownArgument(quoted.captured(1)) : QString());
}

int attemptsShown(const QString& maxText)
{
    // 1 to its number, at most to the last tally entry.
    const double n = std::fmin(leadingNumber(maxText), ConteggioColpi::Last);
    return n >= 1 ? int(n) : 0;
}

QString csvField(const QString& text)
{
    static const QRegularExpression special(QStringLiteral("[\",\\r\\n]|^\\s|\\s$"));
    if (!text.contains(special))
        return text;
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QStringList settingsHeader()
{
    QStringList header{QStringLiteral("mode"), QStringLiteral("filter"), QStringLiteral("max")};
    for (const Switch& w : switches)
        header << QLatin1String(w.name);
    return header;
}

QStringList settingsFields(const VerifySettings& s)
{
    QStringList line{QLatin1String(modeNames[int(s.mode)]), s.filter, csvField(s.maxDelay)};
    for (const Switch& w : switches)
        line << QString::number(int(switchGiven(s, w)));
    return line;
}

namespace {

const PanelCounter csvCounters[] = {
    PanelCounter::Rows,    PanelCounter::Verified,           PanelCounter::Hits,
    PanelCounter::Numbers, PanelCounter::CancelledBeforeHit, PanelCounter::CancelledAfterHit};

} // namespace

QStringList resultHeader(int attempts)
{
    QStringList header{QStringLiteral("boules"),      QStringLiteral("verificate"),
                       QStringLiteral("conta_usc"),   QStringLiteral("numeri_giocati"),
                       QStringLiteral("fuori_lim_1"), QStringLiteral("fuori_lim_2")};
    for (int i = 1; i <= attempts; ++i)
        header << QStringLiteral("colpo_%1").arg(i);
    header << QStringLiteral("fallite")
           << QStringList{"staked", "returned",     "net",       "expected", "sd",
                          "z",      "max_drawdown", "max_stake", "capped"};
    return header;
}

QStringList resultFields(const VerifySettings& s, const VerifyResult& r, int attempts)
{
    QStringList line;
    for (PanelCounter counter : csvCounters)
        line << r.counters[int(counter)];
    const int shown = attemptsShown(s.maxDelay);
    for (int i = 1; i <= attempts; ++i)
        line << (i <= shown ? QString::number(r.tally.entry(i)) : QString());
    line << QString::number(r.tally.entry(0));
    const EveningFigures& f = r.money;
    const auto money = [&](ChipSum chips) { return csvMoney(chips, s.bet.chip); };
    line << money(f.staked) << money(f.returned) << money(f.net())
         << csvMoney(-f.staked, s.bet.chip, 37) << csvAmount(f.sd() * s.bet.chip)
         << csvAmount(f.z()) << money(f.maxDrawdown) << money(f.maxStake)
         << QString::number(f.capped);
    return line;
}

QStringList stakesHeader()
{
    return {"stake", "progression", "target", "table_max", "chip", "bankroll"};
}

QStringList stakesFields(const VerifySettings& s)
{
    const auto optional = [](Chips v) { return v > 0 ? QString::number(v) : QString(); };
    return {QString::number(s.bet.stake),  csvField(progressionText(s.bet)),
            QString::number(s.bet.target), optional(s.bet.tableMax),
            csvAmount(s.bet.chip),         optional(s.bet.bankroll)};
}

} // namespace zt
