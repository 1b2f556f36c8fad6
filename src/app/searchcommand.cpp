// `zentrima13 search`: every combination of a grid of settings verified on a
// choosing part and a judging part of the recorded rows, ranked on the
// choosing part, with the luck of the search measured on random evenings.
// The replays are the core's (core/search.h, core/verifier.h).

#include "searchcommand.h"
#include "searchoutput.h"

#include "app/commands.h"
#include "combinations.h"
#include "commandio.h"
#include "core/betting.h"
#include "core/savefile.h"
#include "core/search.h"
#include "core/textrules.h"
#include "store/replayreader.h"
#include "store/storefile.h"

#include <QCoreApplication>
#include <QDir>

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <thread>

namespace zt {

namespace {

// Ctrl+C and the system's end: the search stops at once and writes nothing;
// a second one ends the program there and then.
std::atomic<bool> stopRequested{false};

extern "C" void onStopSignal(int)
{
    if (stopRequested.exchange(true))
        ::_exit(ExitInterrupted);
}

class StopOnSignals {
public:
    StopOnSignals()
    {
        struct sigaction action {};
        action.sa_handler = onStopSignal;
        sigemptyset(&action.sa_mask);
        for (int i = 0; i < 3; ++i)
            ::sigaction(signals_[i], &action, &before_[i]);
    }
    ~StopOnSignals() { restore(); }
    // From here on the signals end the program as they did before.
    void restore()
    {
        for (int i = 0; i < 3; ++i)
            ::sigaction(signals_[i], &before_[i], nullptr);
    }
    StopOnSignals(const StopOnSignals&) = delete;
    StopOnSignals& operator=(const StopOnSignals&) = delete;

private:
    const int signals_[3] = {SIGINT, SIGTERM, SIGHUP};
    struct sigaction before_[3]{};
};

// The most combinations of a search: the results of each on both parts are
// held until all are ranked (those of the random evenings one evening at a
// time).
constexpr qint64 kMostCombinations = 200'000;

QString usage()
{
    QString text = SearchText::tr(
        "Uso: zentrima13 search [opzioni]\n"
        "Cerca le impostazioni che avrebbero reso di più, e guarda se reggono su uscite su\n"
        "cui non sono state scelte: divide le righe all'inizio di una partita in una parte\n"
        "di scelta e una di verifica, verifica ogni combinazione su entrambe (come\n"
        "\"verify\"), le ordina sulla parte di scelta e mostra le 20 migliori con il loro\n"
        "risultato nella parte di verifica; poi rifà la ricerca su serate di uscite a caso\n"
        "lunghe come la parte di scelta, per mostrare quanto bene la migliore di tante\n"
        "combinazioni sembra andare per sola fortuna.\n\n"
        "Senza opzioni le combinazioni sono: i tre modi, \"Numero:\" Tutti e da 1 a 36,\n"
        "\"Contr. Massimo\" da 1 a 36, e senza e con --second-hit, --reset-after-string e\n"
        "--no-auto-reset, sempre con --strings-report: 31.968 combinazioni. Ogni opzione\n"
        "le restringe (--mode zentrima13 --max 5,8,10); un --sweep sceglie esattamente gli\n"
        "interruttori da provare senza e con, e un interruttore dato vale per tutte.\n\n"
        "Opzioni:\n");
    text += combinationHelp(false);
    text += SearchText::tr(
        "  --games-every N       una partita nuova comincia ogni N righe lette, oltre che\n"
        "                        alle righe con Memoria 1: per dividere uscite importate\n"
        "                        che sono tutte una partita\n");
    text += SearchText::tr(
        "  --choose P%           la parte di scelta finisce con la partita che contiene la\n"
        "                        riga al P% delle righe (predefinito: 50%)\n"
        "  --choose-until ID     la parte di scelta finisce con la partita che contiene la\n"
        "                        riga con questo id\n"

        "  --rank net|hits       ordina per saldo (predefinito) o per colpi vinti per colpo\n"
        "                        puntato\n"
        "  --luck N              serate a caso per la fortuna della ricerca (predefinito: 3;\n"
        "                        0: nessuna)\n"
        "  --seed S              il seme delle serate a caso (predefinito: 1)\n"
        "  --csv FILE            una riga per combinazione, le migliori prima, con le cifre\n"
        "                        delle due parti una accanto all'altra; - per lo standard\n"
        "                        output (e allora i risultati non si mostrano)\n"
        "  --lang it|en          la lingua dei messaggi e dei risultati (it: italiano, en:\n"
        "                        inglese); il CSV non cambia\n"
        "  -h, --help            mostra questo aiuto\n\n"
        "Nei modi quorix e zentrima13 il filtro \"Numero:\" non cambia nulla: le combinazioni\n"
        "che differiscono solo per il filtro si giocano una volta e hanno gli stessi risultati.\n"
        "Ctrl+C interrompe la ricerca senza scrivere nulla.\n\n"
        "Uscita: 0 fatto, 1 un file non si può scrivere, 2 opzioni non valide,\n"
        "3 il file delle uscite manca o non è utilizzabile, non ha la riga di --from o di\n"
        "--choose-until, o non si può dividere, 4 il file delle uscite è bloccato da un altro\n"
        "programma: riprovare più tardi, 130 interrotta.\n");
    text += SearchText::tr("\nLe combinazioni sono al massimo %1.\n")
                .arg(shownCount(kMostCombinations));
    return text;
}

int badOptions(const QString& message)
{
    return usageError(usage(), message);
}

QString numbersText(int first, int last)
{
    QStringList all;
    for (int n = first; n <= last; ++n)
        all << QString::number(n);
    return all.join(u',');
}

struct Job {
    RunFiles files;
    SearchSettings search;
    double choosePercent = 50;
    std::optional<qint64> chooseUntil;
    int gamesEvery = 0; // a game starts every that many rows too (0: only at Memoria 1)
};

bool readJob(const QCommandLineParser& p, Job& job, QString* error)
{
    const auto bad = [&](const QString& option, const QString& takes) {
        *error = SearchText::tr("Valore non valido per --%1: \"%2\" (%3).")
                     .arg(option, shownArgument(p.value(option)), takes);
        return false;
    };
    CombinationDefaults defaults;
    defaults.modes = QStringLiteral("none,quorix,zentrima13");
    defaults.filters = QStringLiteral("Tutti,") + numbersText(1, 36);
    defaults.maxima = numbersText(1, 36);
    defaults.swept = QStringList{"second-hit", "reset-after-string", "no-auto-reset"};
    defaults.stringsReport = true;
    defaults.simulation = false;
    if (p.isSet(QStringLiteral("luck"))) {
        bool ok = false;
        job.search.luckEvenings = p.value(QStringLiteral("luck")).toInt(&ok);
        if (!ok || job.search.luckEvenings < 0 || job.search.luckEvenings > 100)
            return bad(QStringLiteral("luck"), SearchText::tr("un numero intero da 0 a 100"));
    }
    // Counted before any is made: a search too large is refused at once.
    const qint64 combinations = combinationCount(p, defaults);
    if (combinations > kMostCombinations) {
        *error = SearchText::tr("Le opzioni chiedono %1 combinazioni: più delle %2 che si possono "
                                "cercare in una volta. Accorciare gli elenchi.")
                     .arg(combinations == std::numeric_limits<qint64>::max()
                              ? SearchText::tr("innumerevoli")
                              : shownCount(combinations),
                          shownCount(kMostCombinations));
        return false;
    }
    bool swept = false;
    if (!readRunFiles(p, false, job.files, error) ||
        !readCombinations(p, defaults, job.search.combinations, &swept, error))
        return false;

    if (p.isSet(QStringLiteral("choose")) && p.isSet(QStringLiteral("choose-until"))) {
        *error = SearchText::tr("--choose e --choose-until non vanno insieme.");
        return false;
    }
    if (p.isSet(QStringLiteral("choose"))) {
        QString v = p.value(QStringLiteral("choose"));
        if (v.endsWith(u'%'))
            v.chop(1);
        bool ok = false;
        job.choosePercent = v.toDouble(&ok);
        if (!ok || !(job.choosePercent > 0 && job.choosePercent < 100))
            return bad(QStringLiteral("choose"),
                       SearchText::tr("una percentuale tra 0% e 100%, come 50%"));
    }
    if (p.isSet(QStringLiteral("choose-until"))) {
        bool ok = false;
        job.chooseUntil = p.value(QStringLiteral("choose-until")).toLongLong(&ok);
        if (!ok)
            return bad(QStringLiteral("choose-until"),
                       SearchText::tr("l'id di una riga, un numero intero"));
    }
    if (p.isSet(QStringLiteral("games-every"))) {
        bool ok = false;
        job.gamesEvery = p.value(QStringLiteral("games-every")).toInt(&ok);
        if (!ok || job.gamesEvery < 1)
            return bad(QStringLiteral("games-every"),
                       SearchText::tr("un numero intero di righe da 1 in su"));
    }
    if (p.isSet(QStringLiteral("rank"))) {
        const QString v = p.value(QStringLiteral("rank"));
        if (v == u"net")
            job.search.rank = SearchRank::Net;
        else if (v == u"hits")
            job.search.rank = SearchRank::HitsPerSpin;
        else
            return bad(QStringLiteral("rank"), QStringLiteral("net o hits"));
    }
    if (p.isSet(QStringLiteral("seed"))) {
        bool ok = false;
        job.search.seed = p.value(QStringLiteral("seed")).toULongLong(&ok);
        if (!ok)
            return bad(QStringLiteral("seed"), SearchText::tr("un numero intero da 0 in su"));
    }
    return true;
}

// Where the rows are split: the index of the first judging row, or a
// message (without its full stop) when they cannot be.
struct Split {
    std::size_t at = 0;
    QString problem;
};

Split splitRows(const Job& job, const ReplayRows& rows, const std::vector<qint64>& ids)
{
    Split split;
    std::size_t last = 0;
    if (rows.size() == 0) {
        split.problem =
            SearchText::tr("Nel file %1 non ci sono righe da dividere").arg(job.files.dbName);
        return split;
    }
    if (job.chooseUntil) {
        const auto found = std::lower_bound(ids.begin(), ids.end(), *job.chooseUntil);
        if (found == ids.end() || *found != *job.chooseUntil) {
            split.problem =
                SearchText::tr("Tra le righe lette dal file %1 non c'è la riga con id %2")
                    .arg(job.files.dbName)
                    .arg(*job.chooseUntil);
            return split;
        }
        last = std::size_t(found - ids.begin());
    } else {
        const double at = std::ceil(double(rows.size()) * job.choosePercent / 100);
        last = std::size_t(std::clamp(at, 1.0, double(rows.size()))) - 1;
    }
    split.at = gameEndAfter(rows, last);
    if (split.at < rows.size())
        return split;
    split.problem =
        SearchText::tr("Dopo la riga con id %1 nessuna partita comincia (Memoria 1): la "
                       "parte di verifica resterebbe vuota")
            .arg(ids[last]);
    // Rows that are all one game, as an imported list is: say how to split them.
    if (job.gamesEvery == 0)
        split.problem +=
            SearchText::tr(". Se le righe sono una partita sola (come le uscite importate da "
                           "un file), dividile in partite con --games-every N, per esempio "
                           "--games-every %1 (una partita nuova ogni %1 righe)")
                .arg(std::clamp<std::size_t>(rows.size() / 2, 1, 100));
    else
        split.problem += SearchText::tr(". Con --games-every %1 dopo quella riga non comincia "
                                        "un'altra partita: scegli un N più piccolo o una "
                                        "parte di scelta più corta (--choose)")
                             .arg(job.gamesEvery);
    return split;
}

// The rows with a game starting every `every` rows as well.
ReplayRows gamesEvery(const ReplayRows& rows, int every)
{
    ReplayRows marked;
    marked.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ReplayRows::Row row = rows[i];
        row.read.startsGame = row.read.startsGame || i % std::size_t(every) == 0;
        marked.append(row);
    }
    return marked;
}

QString idRange(const std::vector<qint64>& ids, std::size_t begin, std::size_t end)
{
    return QStringLiteral("%1–%2").arg(ids[begin]).arg(ids[end - 1]);
}

} // namespace

int runSearch(const QStringList& arguments)
{
    QCommandLineParser p;
    const QList<QCommandLineOption> lists = addRunOptions(p, false, false);
    p.addOptions({{QStringLiteral("choose"), {}, QStringLiteral("P%")},
                  {QStringLiteral("choose-until"), {}, QStringLiteral("ID")},
                  {QStringLiteral("games-every"), {}, QStringLiteral("N")},
                  {QStringLiteral("rank"), {}, QStringLiteral("net|hits")},
                  {QStringLiteral("luck"), {}, QStringLiteral("N")},
                  {QStringLiteral("seed"), {}, QStringLiteral("S")}});
    if (!p.parse(arguments))
        return badOptions(parseProblem(p));
    if (const QString twice = repeatedOption(p, lists); !twice.isEmpty())
        return badOptions(twice);
    if (p.isSet(QStringLiteral("help")))
        return printOut(usage()) ? ExitOk : ExitFailure;
    if (!p.positionalArguments().isEmpty())
        return badOptions(SearchText::tr("Argomento inatteso: %1.")
                              .arg(shownArgument(p.positionalArguments().first())));
    Job job;
    QString error;
    if (!readJob(p, job, &error))
        return badOptions(error);

    // Every output is checked before the work, which may take long.
    const QString csvPath = job.files.csvPath == u"-" || job.files.csvPath.isEmpty()
                                ? job.files.csvPath
                                : QDir::current().absoluteFilePath(job.files.csvPath);
    for (const QString& path : {csvPath, QStringLiteral("-")}) {
        if (!path.isEmpty() &&
            !checkOutput(path, QCoreApplication::translate("Files", "il file"), &error))
            return failWith(ExitFailure, error);
    }

    StopOnSignals stopSignals;
    const auto interrupted = [] {
        return failWith(ExitInterrupted,
                        SearchText::tr("Ricerca interrotta: nessun file è stato scritto."));
    };

    // The rows, read once, and where they are split.
    ReplayRows rows;
    std::vector<qint64> ids;
    ReplayRead read = ReplayRead::Done;
    Progress reading;
    reading.run([&] {
        read = readReplayRows(job.files.dbPath, job.files.dbName, job.files.from,
                              job.files.count.value_or(-1), rows, &error, &ids);
    });
    if (stopRequested)
        return interrupted();
    if (read != ReplayRead::Done)
        return failWith(read == ReplayRead::Busy ? ExitBusy : ExitData,
                        storeMessage(error, StoreAction::Open));
    if (job.gamesEvery > 0)
        rows = gamesEvery(rows, job.gamesEvery);
    const Split split = splitRows(job, rows, ids);
    if (!split.problem.isEmpty())
        return failWith(ExitData, split.problem + u'.');
    const ReplayRows choose = rowsBetween(rows, 0, split.at);
    const ReplayRows judge = rowsBetween(rows, split.at, rows.size());

    const std::size_t combinations = job.search.combinations.size();
    failWith(ExitOk,
             SearchText::tr("%1 combinazioni su %2 righe (scelta %3, verifica %4), e %n serate a "
                            "caso per la fortuna della ricerca.",
                            nullptr, job.search.luckEvenings)
                 .arg(shownCount(qint64(combinations)), shownCount(qint64(rows.size())),
                      shownCount(qint64(choose.size())), shownCount(qint64(judge.size()))));

    // Every combination on both parts and on the random evenings, on every
    // processor.
    SearchResult result;
    Progress searching([](std::int64_t done, std::int64_t total, double rate, double left) {
        return SearchText::tr("%1 di %2 uscite giocate (%3 al secondo), %4 rimanenti")
            .arg(shownCount(done), shownCount(total), shownCount(qint64(rate)),
                 left >= 0 ? SearchText::tr("%1 s").arg(shownCount(qint64(left)))
                           : SearchText::tr("tempo"));
    });
    searching.start(searchPasses(choose.size(), judge.size(), job.search));
    searching.run([&] {
        const int threads = int(std::max(1u, std::thread::hardware_concurrency()));
        result = search(choose, judge, job.search, threads, {&searching.done, &stopRequested});
    });
    if (stopRequested || !result.runs.complete)
        return interrupted();

    // Every output, or none; nothing stops them half way.
    stopSignals.restore();
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    for (int s : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(s, &ignore, nullptr);
    Outputs outputs;
    if (!csvPath.isEmpty())
        outputs.add(csvPath, QCoreApplication::translate("Files", "il file"),
                    searchCsv(job.search, result));
    if (job.files.csvPath != u"-")
        outputs.add(QStringLiteral("-"), {},
                    searchPanel(job.search, result, choose.size(), judge.size(),
                                idRange(ids, 0, split.at), idRange(ids, split.at, rows.size()))
                        .toLocal8Bit());
    if (!outputs.write(&error))
        return failWith(ExitFailure, error);
    return ExitOk;
}

} // namespace zt
