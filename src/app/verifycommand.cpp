// `zentrima13 verify`: reading the options, the rows and the results; the
// replay itself is the core's (core/verifier.h).

#include "verifycommand.h"

#include "app/commands.h"
#include "commandio.h"
#include "core/betting.h"
#include "core/report.h"
#include "core/savefile.h"
#include "core/spincsv.h"
#include "core/textrules.h"
#include "core/verifier.h"
#include "store/replayreader.h"
#include "store/storefile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <limits>
#include <mutex>
#include <optional>
#include <thread>

namespace zt {

namespace {

struct VerifyText {
    Q_DECLARE_TR_FUNCTIONS(Verify)
};

// The switches of the windows a run can set, by the options that set them.
struct Switch {
    const char* name;
    const char* help;
    bool VerifySettings::*field;
    bool clears; // the option clears a box ticked at start
};
const Switch switches[] = {
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

void setSwitch(VerifySettings& s, const Switch& w, bool given)
{
    s.*w.field = given != w.clears;
}

bool switchGiven(const VerifySettings& s, const Switch& w)
{
    return (s.*w.field) != w.clears;
}

const char* const modeNames[] = {"none", "quorix", "zentrima13"};

// The options of the stakes and of the simulated evenings.
QString moneyHelp()
{
    return VerifyText::tr(
        "  --stake N             fiches su ogni numero della stringa seguita (predefinito: 1)\n"
        "  --progression P       flat (sempre --stake), recovery (il recupero) o i multipli di\n"
        "                        --stake per tentativo, l'ultimo ripetuto (1,1,2,3,5,8)\n"
        "  --target N            il recupero: quanto rende almeno un colpo vinto (predefinito: 1)\n"
        "  --table-max N         la puntata massima del tavolo su un numero\n"
        "  --chip VALORE         il valore di una fiche: le somme nella tua moneta\n"
        "  --bankroll N          le fiches della serata: finisce alla prima puntata che non\n"
        "                        coprono (rovina)\n"
        "  --simulate N          gioca anche N serate di uscite a caso con le stesse impostazioni\n"
        "  --spins L             uscite di ogni serata simulata (predefinito: 300)\n"
        "  --seed S              il seme delle serate simulate (predefinito: 1)\n");
}

QString usage()
{
    QString text = VerifyText::tr(
        "Uso: zentrima13 verify [opzioni]\n"
        "Verifica le proposte sulle uscite registrate, senza finestre: fa ciò che fa il\n"
        "visualizzatore con \"GO\" sulle righe e poi \"SALVA\", con le impostazioni date.\n"
        "Scrive il rapporto e mostra i risultati della verifica, un \"nome: valore\" per riga.\n\n"
        "Opzioni:\n"
        "  --db FILE             il file delle uscite (predefinito: dati.mdb); non viene mai "
        "scritto\n"
        "  --out FILE            il rapporto (predefinito: Statistica.txt)\n"
        "  --from ID             parte dalla riga con questo id, come \"Cerca\"\n"
        "  --count N             righe da rigiocare, come \"Colpi:\" (predefinito: fino "
        "all'ultima)\n"
        "  --mode MODI           none, quorix o zentrima13 (predefinito: none)\n"
        "  --filter NUMERI       il filtro \"Numero:\" del tavolo: Tutti o da 1 a 36 "
        "(predefinito: Tutti)\n"
        "  --max TESTI           \"Contr. Massimo\" delle impostazioni (predefinito: 10)\n");
    text += moneyHelp();
    for (const Switch& w : switches)
        text += QStringLiteral("  --%1%2\n")
                    .arg(QString::fromLatin1(w.name).leftJustified(20), VerifyText::tr(w.help));
    text += VerifyText::tr(
        "  --sweep NOME          verifica l'opzione NOME (una delle sei qui sopra) sia senza\n"
        "                        sia con; si può ripetere\n"
        "  --csv FILE            una riga per combinazione, con l'intestazione; - per lo\n"
        "                        standard output\n"
        "  --lang it|en          la lingua dei messaggi e dei risultati (it: italiano, en:\n"
        "                        inglese); il rapporto e il CSV non cambiano\n"
        "  -h, --help            mostra questo aiuto\n\n"
        "MODI, NUMERI e TESTI possono essere elenchi separati da virgole (--max 2,4,6): ogni\n"
        "combinazione viene verificata, su tutti i processori. Con più combinazioni il rapporto\n"
        "non viene scritto e le righe vanno al file di --csv (senza --csv, allo standard "
        "output).\n"
        "--out - scrive il rapporto sullo standard output (e allora i risultati non si\n"
        "mostrano); --out e --csv non possono essere lo stesso file.\n\n"
        "Uscita: 0 fatto, 1 un file non si può scrivere, 2 opzioni non valide,\n"
        "3 il file delle uscite manca o non è utilizzabile, o non ha la riga di --from,\n"
        "4 il file delle uscite è bloccato da un altro programma: riprovare più tardi.\n");
    text += VerifyText::tr(
        "\nAnche i valori di --stake, --target, --table-max, --chip, --bankroll,\n"
                  "--simulate, --spins e --seed possono essere elenchi; --progression si ripete\n"
                  "(--progression flat --progression 1,2,4) perché un elenco è già la progressione.\n"
                  "Le fiches valgono per ogni numero della stringa seguita: un colpo vinto rende\n"
                  "36 volte la puntata sul numero uscito.\n");
    return text;
}

int badOptions(const QString& message)
{
    return usageError(usage(), message);
}

// What the options ask for.
struct Job {
    QString dbPath;
    QString dbName;
    QString outPath; // "-": standard output
    QString csvPath; // empty: no CSV; "-": standard output
    std::optional<qint64> from;
    std::optional<qint64> count;
    std::vector<VerifySettings> settings;
    bool sweep = false;
    bool simulate = false; // --simulate given: its columns and lines
};

QStringList listItems(const QCommandLineParser& p, const QString& option, const QString& fallback)
{
    QStringList items;
    for (const QString& value : p.values(option))
        items += value.split(u',');
    return items.isEmpty() ? QStringList{fallback} : items;
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
bool readMoneyChoices(const QCommandLineParser& p, std::vector<MoneyChoice>& choices,
                      QString* error)
{
    const auto bad = [&](const QString& option, const QString& value) {
        *error = VerifyText::tr("Valore non valido per --%1: \"%2\".")
                     .arg(option, value);
        return false;
    };
    choices = {MoneyChoice{}};
    // Each option's values multiply the combinations so far, the later
    // option innermost.
    const auto sweep = [&](const char* name, const QStringList& values, auto&& apply) {
        std::vector<MoneyChoice> next;
        for (const MoneyChoice& c : choices) {
            for (const QString& v : values) {
                MoneyChoice n = c;
                if (!apply(n, v))
                    return bad(QLatin1String(name), v);
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
                     });
    };
    constexpr qint64 most = 1'000'000'000;
    QStringList progressions = p.values(QStringLiteral("progression"));
    if (progressions.isEmpty())
        progressions << QStringLiteral("flat");
    return whole("stake", 1, most, [](MoneyChoice& c, qint64 n) { c.bet.stake = double(n); }) &&
           sweep("progression", progressions,
                 [](MoneyChoice& c, const QString& v) {
                     const auto b = withProgression(c.bet, v);
                     if (b)
                         c.bet = *b;
                     return b.has_value();
                 }) &&
           whole("target", 1, most, [](MoneyChoice& c, qint64 n) { c.bet.target = double(n); }) &&
           whole("table-max", 1, most,
                 [](MoneyChoice& c, qint64 n) { c.bet.tableMax = double(n); }) &&
           sweep("chip", listItems(p, QStringLiteral("chip"), QStringLiteral("1")),
                 [](MoneyChoice& c, const QString& v) {
                     bool ok = false;
                     c.bet.chip = v.toDouble(&ok);
                     return ok && c.bet.chip > 0 && c.bet.chip < 1e9;
                 }) &&
           whole("bankroll", 1, StakeTable::ceiling,
                 [](MoneyChoice& c, qint64 n) { c.bet.bankroll = double(n); }) &&
           whole("simulate", 1, 10'000'000,
                 [](MoneyChoice& c, qint64 n) { c.simulation.evenings = int(n); }) &&
           whole("spins", 1, 1'000'000,
                 [](MoneyChoice& c, qint64 n) { c.simulation.spins = int(n); }) &&
           whole("seed", 0, std::numeric_limits<qint64>::max(),
                 [](MoneyChoice& c, qint64 n) { c.simulation.seed = std::uint64_t(n); });
}

// Reads the options into the job; false with *error for a bad value.
bool readJob(const QCommandLineParser& p, Job& job, QString* error)
{
    // A bad value, with what the option takes.
    const auto bad = [&](const QString& option, const QString& value, const QString& takes) {
        *error = VerifyText::tr("Valore non valido per --%1: \"%2\" (%3).")
                     .arg(option, shownArgument(value), takes);
        return false;
    };
    const QString aFile = VerifyText::tr("il nome di un file");
    job.dbName = p.isSet(QStringLiteral("db")) ? p.value(QStringLiteral("db"))
                                               : QString::fromLatin1(kStoreFileName);
    job.dbPath = QDir::current().absoluteFilePath(job.dbName);
    const QString out = p.isSet(QStringLiteral("out")) ? p.value(QStringLiteral("out"))
                                                       : QString::fromLatin1(reportFileName);
    job.outPath = out == u"-" ? out : QDir::current().absoluteFilePath(out);
    if (p.isSet(QStringLiteral("csv")))
        job.csvPath = p.value(QStringLiteral("csv"));
    for (const char* name : {"db", "out", "csv"}) {
        if (p.isSet(QLatin1String(name)) && p.value(QLatin1String(name)).isEmpty())
            return bad(QLatin1String(name), {}, aFile);
    }
    // The database is only read: no output may replace it.
    const QString database = QFileInfo(job.dbPath).canonicalFilePath();
    for (const char* name : {"out", "csv"}) {
        const QString path = QDir::current().absoluteFilePath(p.value(QLatin1String(name)));
        if (p.isSet(QLatin1String(name)) && !database.isEmpty() &&
            QFileInfo(path).canonicalFilePath() == database) {
            *error = VerifyText::tr("--%1 non può essere il file delle uscite.").arg(name);
            return false;
        }
    }
    // Nor may one output replace the other.
    if (p.isSet(QStringLiteral("out")) && p.isSet(QStringLiteral("csv")) &&
        canonicalTarget(job.outPath) == canonicalTarget(job.csvPath)) {
        *error = VerifyText::tr("--out e --csv non possono essere lo stesso file (%1).")
                     .arg(shownArgument(job.csvPath));
        return false;
    }
    if (p.isSet(QStringLiteral("from"))) {
        const QString v = p.value(QStringLiteral("from"));
        job.from =
            wholeNumber(v, std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max());
        if (!job.from)
            return bad(QStringLiteral("from"), v,
                       VerifyText::tr("l'id di una riga, un numero intero"));
    }
    if (p.isSet(QStringLiteral("count"))) {
        const QString v = p.value(QStringLiteral("count"));
        job.count = wholeNumber(v, 0, std::numeric_limits<int>::max());
        if (!job.count)
            return bad(
                QStringLiteral("count"), v,
                VerifyText::tr("un numero intero da 0 a %1").arg(std::numeric_limits<int>::max()));
    }

    std::vector<VerifySettings::Mode> modes;
    for (const QString& m : listItems(p, QStringLiteral("mode"), QStringLiteral("none"))) {
        const auto* name = std::find_if(std::begin(modeNames), std::end(modeNames),
                                        [&](const char* n) { return m == QLatin1String(n); });
        if (name == std::end(modeNames))
            return bad(QStringLiteral("mode"), m, VerifyText::tr("none, quorix o zentrima13"));
        modes.push_back(VerifySettings::Mode(name - std::begin(modeNames)));
    }
    QStringList filters;
    for (const QString& f : listItems(p, QStringLiteral("filter"), QStringLiteral("Tutti"))) {
        if (f.compare(u"Tutti", Qt::CaseInsensitive) == 0)
            filters << QStringLiteral("Tutti");
        else if (const auto n = wholeNumber(f, 1, 36); n && f == QString::number(*n))
            filters << f;
        else
            return bad(QStringLiteral("filter"), f, VerifyText::tr("Tutti o un numero da 1 a 36"));
    }
    const QStringList maxima = listItems(p, QStringLiteral("max"), QStringLiteral("10"));

    VerifySettings base;
    for (const Switch& w : switches)
        setSwitch(base, w, p.isSet(QLatin1String(w.name)));
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
            *error = VerifyText::tr("--%1 e --sweep %1 non vanno insieme.").arg(name);
            return false;
        }
        if (std::find(swept.begin(), swept.end(), w) == swept.end())
            swept.push_back(w);
    }

    std::vector<MoneyChoice> money;
    if (!readMoneyChoices(p, money, error))
        return false;
    job.simulate = p.isSet(QStringLiteral("simulate"));

    // Every combination, the first list outermost, each swept switch off then on.
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
                        job.settings.push_back(s);
                    }
                }
            }
        }
    }
    job.sweep = job.settings.size() > 1 || !swept.empty();
    if (job.sweep && job.csvPath.isEmpty())
        job.csvPath = QStringLiteral("-");
    return true;
}

// The attempts a report shows for a "Contr. Massimo" text: 1 to its number,
// at most to the last tally entry.
int attemptsShown(const QString& maxText)
{
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

const PanelCounter csvCounters[] = {
    PanelCounter::Rows,    PanelCounter::Verified,           PanelCounter::Hits,
    PanelCounter::Numbers, PanelCounter::CancelledBeforeHit, PanelCounter::CancelledAfterHit};

// The columns of the money after those of the panel and the tally: the
// evening's figures, the simulated evenings' (with --simulate), then the
// settings of the stakes (and of the simulation) of the line.
QStringList moneyHeader(bool simulate)
{
    QStringList header{"staked", "returned", "net",       "expected", "sd",
                       "z",      "max_drawdown", "max_stake", "capped"};
    if (simulate)
        header << QStringList{"p5", "p25", "p50", "p75", "p95", "ruined", "mean_net"};
    header << QStringList{"stake", "progression", "target", "table_max", "chip", "bankroll"};
    if (simulate)
        header << QStringList{"simulate", "spins", "seed"};
    return header;
}

QStringList moneyFields(const VerifySettings& s, const VerifyResult& r, bool simulate)
{
    const EveningFigures& f = r.money;
    const double chip = s.bet.chip;
    const auto money = [&](double chips) { return csvAmount(chips * chip); };
    QStringList fields{money(f.staked),      money(f.returned),  money(f.net()),
                       money(f.expected),    money(f.sd()),      csvAmount(f.z()),
                       money(f.maxDrawdown), money(f.maxStake),  QString::number(f.capped)};
    if (simulate) {
        if (const auto& m = r.simulation)
            fields << money(m->p5) << money(m->p25) << money(m->p50) << money(m->p75)
                   << money(m->p95) << csvAmount(m->ruinedShare) << money(m->meanNet);
        else
            fields << QStringList(7);
    }
    const auto optional = [](double v) { return v > 0 ? csvAmount(v) : QString(); };
    fields << csvAmount(s.bet.stake) << csvField(progressionText(s.bet))
           << csvAmount(s.bet.target) << optional(s.bet.tableMax) << csvAmount(chip)
           << optional(s.bet.bankroll);
    if (simulate)
        fields << QString::number(s.simulation.evenings) << QString::number(s.simulation.spins)
               << QString::number(s.simulation.seed);
    return fields;
}

QByteArray csvText(const Job& job, const std::vector<VerifyResult>& results)
{
    int attempts = 0;
    for (const VerifySettings& s : job.settings)
        attempts = std::max(attempts, attemptsShown(s.maxDelay));
    QStringList header{QStringLiteral("mode"), QStringLiteral("filter"), QStringLiteral("max")};
    for (const Switch& w : switches)
        header << QLatin1String(w.name);
    header << QStringLiteral("boules") << QStringLiteral("verificate")
           << QStringLiteral("conta_usc") << QStringLiteral("numeri_giocati")
           << QStringLiteral("fuori_lim_1") << QStringLiteral("fuori_lim_2");
    for (int i = 1; i <= attempts; ++i)
        header << QStringLiteral("colpo_%1").arg(i);
    header << QStringLiteral("fallite") << moneyHeader(job.simulate);

    QString text = header.join(u',') + u'\n';
    for (std::size_t c = 0; c < results.size(); ++c) {
        const VerifySettings& s = job.settings[c];
        const VerifyResult& r = results[c];
        QStringList line{QLatin1String(modeNames[int(s.mode)]), s.filter, csvField(s.maxDelay)};
        for (const Switch& w : switches)
            line << QString::number(int(switchGiven(s, w)));
        for (PanelCounter counter : csvCounters)
            line << r.counters[int(counter)];
        const int shown = attemptsShown(s.maxDelay);
        for (int i = 1; i <= attempts; ++i)
            line << (i <= shown ? QString::number(r.tally.entry(i)) : QString());
        line << QString::number(r.tally.entry(0)) << moneyFields(s, r, job.simulate);
        text += line.join(u',') + u'\n';
    }
    return text.toUtf8();
}

// The results panel, one "name: value" line each.
QString panelText(const VerifyResult& r)
{
    const std::pair<const char*, PanelCounter> fields[] = {
        {QT_TRANSLATE_NOOP("Verify", "Boules"), PanelCounter::Rows},
        {QT_TRANSLATE_NOOP("Verify", "Verificate"), PanelCounter::Verified},
        {QT_TRANSLATE_NOOP("Verify", "Conta Usc."), PanelCounter::Hits},
        {QT_TRANSLATE_NOOP("Verify", "Numeri Giocati"), PanelCounter::Numbers},
        {QT_TRANSLATE_NOOP("Verify", "Fuori Lim. 1° Uscita"), PanelCounter::CancelledBeforeHit},
        {QT_TRANSLATE_NOOP("Verify", "Fuori Lim. 2° Uscita"), PanelCounter::CancelledAfterHit},
    };
    QString text;
    for (auto [name, counter] : fields)
        text += VerifyText::tr(name) + QStringLiteral(": ") + r.counters[int(counter)] + u'\n';
    return text;
}

// The money of a single run after the panel: the evening's figures, when its
// spins were entered (where the file keeps their times) and the simulated
// evenings.
QString moneyPanelText(const VerifySettings& s, const VerifyResult& r, const SpinClock& clock)
{
    QStringList lines = eveningLines(r.money, s.bet) + clockLines(clock);
    if (r.simulation)
        lines += simulationLines(*r.simulation, s.bet);
    return lines.join(u'\n') + u'\n';
}

// The spins the simulated evenings of every combination play.
qint64 simulatedSpins(const Job& job)
{
    qint64 spins = 0;
    for (const VerifySettings& s : job.settings)
        spins += qint64(s.simulation.evenings) * s.simulation.spins;
    return spins;
}

// Work done on another thread while this one shows how far it has got, on
// standard error when that is a terminal and the work lasts over a second.
class Progress {
public:
    Progress() { clock_.start(); }

    std::atomic<std::int64_t> done{0};

    // The replay begins: `total` rows to go (for a sweep, of every combination).
    void startReplay(std::int64_t total)
    {
        replayStartMs_ = clock_.elapsed();
        total_ = total;
    }

    template <class Work> void run(Work&& work)
    {
        bool finished = false;
        std::mutex m;
        std::condition_variable cv;
        std::thread worker([&] {
            work();
            std::lock_guard lock(m);
            finished = true;
            cv.notify_one();
        });
        const bool terminal = ::isatty(STDERR_FILENO);
        bool shown = false;
        std::unique_lock lock(m);
        while (!cv.wait_for(lock, std::chrono::milliseconds(250), [&] { return finished; })) {
            if (terminal && clock_.elapsed() >= 1000) {
                show();
                shown = true;
            }
        }
        lock.unlock();
        worker.join();
        if (shown)
            std::fprintf(stderr, "\r\033[K");
    }

private:
    void show()
    {
        const std::int64_t total = total_.load();
        const std::int64_t now = done.load();
        const double seconds = (clock_.elapsed() - replayStartMs_.load()) / 1000.0;
        QString line;
        if (total == 0) {
            line = VerifyText::tr("Lettura delle uscite…");
        } else {
            const double rate = seconds > 0 ? now / seconds : 0;
            const QString left =
                rate > 0 ? QString::number(std::ceil((total - now) / rate), 'f', 0) : QString(u'?');
            line = VerifyText::tr("%1 di %2 righe, %3 righe/s, %4 s rimanenti")
                       .arg(now)
                       .arg(total)
                       .arg(rate, 0, 'f', 0)
                       .arg(left);
        }
        std::fprintf(stderr, "\r\033[K%s", line.toLocal8Bit().constData());
        std::fflush(stderr);
    }

    QElapsedTimer clock_;
    std::atomic<std::int64_t> total_{0}; // 0 while the rows are read
    std::atomic<std::int64_t> replayStartMs_{0};
};

} // namespace

int runVerify(const QStringList& arguments)
{
    QCommandLineParser p;
    p.addOptions({
        {QStringLiteral("db"), {}, QStringLiteral("FILE")},
        {QStringLiteral("out"), {}, QStringLiteral("FILE")},
        {QStringLiteral("from"), {}, QStringLiteral("ID")},
        {QStringLiteral("count"), {}, QStringLiteral("N")},
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
        {QStringLiteral("simulate"), {}, QStringLiteral("N")},
        {QStringLiteral("spins"), {}, QStringLiteral("L")},
        {QStringLiteral("seed"), {}, QStringLiteral("S")},
        {QStringLiteral("csv"), {}, QStringLiteral("FILE")},
        {{QStringLiteral("h"), QStringLiteral("help")}, {}},
    });
    for (const Switch& w : switches)
        p.addOption({QLatin1String(w.name), {}});
    if (!p.parse(arguments)) {
        if (!p.unknownOptionNames().isEmpty())
            return badOptions(VerifyText::tr("Opzione sconosciuta: %1.")
                                  .arg(shownArgument(p.unknownOptionNames().first())));
        // "Missing value after 'x'." or "Unexpected value after 'x'."
        const auto quoted = QRegularExpression(QStringLiteral("'([^']*)'")).match(p.errorText());
        return badOptions(
            VerifyText::tr("Valore mancante o di troppo per l'opzione %1.")
                .arg(quoted.hasMatch() ? shownArgument(quoted.captured(1)) : QString()));
    }
    if (p.isSet(QStringLiteral("help")))
        return printOut(usage()) ? ExitOk : ExitFailure;
    if (!p.positionalArguments().isEmpty())
        return badOptions(VerifyText::tr("Argomento inatteso: %1.")
                              .arg(shownArgument(p.positionalArguments().first())));
    Job job;
    QString error;
    if (!readJob(p, job, &error))
        return badOptions(error);
    if (job.sweep && p.isSet(QStringLiteral("out")))
        failWith(ExitOk, VerifyText::tr("Con più combinazioni il rapporto (--out) non viene scritto."));

    // The rows, then every combination; the threads of the sweep are this
    // machine's processors.
    ReplayRows rows;
    ReplayRead read = ReplayRead::Done;
    QString countText;
    std::vector<VerifyResult> results;
    SpinClock clock;
    Progress progress;
    progress.run([&] {
        read =
            readReplayRows(job.dbPath, job.dbName, job.from, job.count.value_or(-1), rows, &error);
        if (read != ReplayRead::Done)
            return;
        const qint64 count = job.count.value_or(qint64(rows.size()));
        countText = QString::number(count);
        progress.startReplay(std::max<qint64>(count, 1) * qint64(job.settings.size()) +
                             simulatedSpins(job));
        const int threads = int(std::max(1u, std::thread::hardware_concurrency()));
        if (job.sweep) {
            results = verifyAll(rows, countText, job.settings, threads, &progress.done);
        } else {
            results.push_back(
                verify(rows, countText, job.settings.front(), true, &progress.done, threads));
            readSpinTimes(job.dbPath, job.from, count, clock);
        }
    });
    if (read != ReplayRead::Done)
        return failWith(read == ReplayRead::Busy ? ExitBusy : ExitData,
                        storeMessage(error, StoreAction::Open));

    // Every output, or none: the report, the CSV, the panel (unless standard
    // output already takes the report or the CSV).
    Outputs outputs;
    if (!job.sweep) {
        const VerifyResult& r = results.front();
        outputs.add(job.outPath, QCoreApplication::translate("Files", "il rapporto"), reportBytes(r.report, r.tally));
    }
    if (!job.csvPath.isEmpty())
        outputs.add(job.csvPath == u"-" ? job.csvPath
                                        : QDir::current().absoluteFilePath(job.csvPath),
                    QCoreApplication::translate("Files", "il file"), csvText(job, results));
    if (!job.sweep && job.csvPath != u"-" && job.outPath != u"-")
        outputs.add(QStringLiteral("-"), {}, (panelText(results.front()) +
                                 moneyPanelText(job.settings.front(), results.front(), clock))
                                    .toLocal8Bit());
    if (!outputs.write(&error))
        return failWith(ExitFailure, error);
    return ExitOk;
}

} // namespace zt
