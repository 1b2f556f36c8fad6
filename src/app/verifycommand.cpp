// `zentrima13 verify`: reading the options, the rows and the results; the
// replay itself is the core's (core/verifier.h).

#include "verifycommand.h"

#include "app/commands.h"
#include "combinations.h"
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

#include <unistd.h>

#include <algorithm>
#include <limits>
#include <thread>

namespace zt {

namespace {

// The most combinations verified in one go: their CSV lines are kept until
// all are written, about 130 bytes each.
constexpr qint64 kMostCombinations = 1'000'000;

QString usage()
{
    QString text = QCoreApplication::translate(
        "Verify",
        "Uso: zentrima13 verify [opzioni]\n"
        "Verifica le proposte sulle uscite registrate, senza finestre: fa ciò che fa il\n"
        "visualizzatore con \"GO\" sulle righe e poi \"SALVA\", con le impostazioni date.\n"
        "Scrive il rapporto e mostra i risultati della verifica, un \"nome: valore\" per riga.\n\n"
        "Opzioni (predefiniti: --mode none, --filter Tutti, --max 10):\n"
        "  --out FILE            il rapporto (predefinito: Statistica.txt)\n");
    text += combinationHelp(true);
    text += QCoreApplication::translate(
        "Verify",
        "  --csv FILE            una riga per combinazione, con l'intestazione; - per lo\n"
        "                        standard output\n"
        "  --lang it|en          la lingua dei messaggi e dei risultati (it: italiano, en:\n"
        "                        inglese); il rapporto e il CSV non cambiano\n"
        "  -h, --help            mostra questo aiuto\n\n"
        "MODI, NUMERI e TESTI possono essere elenchi separati da virgole (--max 2,4,6): ogni\n"
        "combinazione viene verificata, su tutti i processori. Con più combinazioni il rapporto\n"
        "non viene scritto e le righe vanno al file di --csv (senza --csv, allo standard "
        "output:\nuna tabella se è un terminale, il CSV altrimenti).\n"
        "--out - scrive il rapporto sullo standard output (e allora i risultati non si\n"
        "mostrano); --out e --csv non possono essere lo stesso file.\n\n"
        "Uscita: 0 fatto, 1 un file non si può scrivere, 2 opzioni non valide,\n"
        "3 il file delle uscite manca o non è utilizzabile, o non ha la riga di --from,\n"
        "4 il file delle uscite è bloccato da un altro programma: riprovare più tardi.\n");
    text += QCoreApplication::translate(
        "Verify",
        "\nAnche i valori di --stake, --target, --table-max, --bankroll, --simulate,\n"
        "--spins e --seed possono essere elenchi; --progression si ripete\n"
        "(--progression flat --progression 1,2,4) perché un elenco è già la progressione,\n"
        "e --chip si ripete (--chip 0,5 --chip 2,5) perché la virgola è quella dei decimali.\n"
        "Le fiches valgono per ogni numero della stringa seguita: un colpo vinto rende\n"
        "36 volte la puntata sul numero uscito.\n");
    text += QCoreApplication::translate(
                "Verify", "Le combinazioni sono al massimo %1; quante sono lo dice una riga\n"
                          "sullo standard error prima di cominciare.\n")
                .arg(shownLocale().toString(kMostCombinations));
    return text;
}

int badOptions(const QString& message)
{
    return usageError(usage(), message);
}

// Combinations verified at a time: only their results are held at once.
constexpr std::size_t kCombinationsAtATime = 8192;

// What the options ask for.
struct Job {
    RunFiles files;
    std::vector<VerifySettings> settings;
    bool sweep = false;
    bool simulate = false; // --simulate given: its columns and lines
    bool table = false;    // a sweep shown to a person: a table, not the CSV
};

// Reads the options into the job; false with *error for a bad value.
bool readJob(const QCommandLineParser& p, Job& job, QString* error)
{
    // Counted before any is made: a grid too large is refused at once.
    const qint64 combinations = combinationCount(p, CombinationDefaults{});
    if (combinations > kMostCombinations) {
        *error = QCoreApplication::translate(
                     "Verify", "Le opzioni chiedono %1 combinazioni: più delle %2 che si possono "
                               "verificare in una volta. Accorciare gli elenchi.")
                     .arg(combinations == std::numeric_limits<qint64>::max()
                              ? QCoreApplication::translate("Verify", "innumerevoli")
                              : shownLocale().toString(combinations),
                          shownLocale().toString(kMostCombinations));
        return false;
    }
    bool swept = false;
    if (!readRunFiles(p, true, job.files, error) ||
        !readCombinations(p, CombinationDefaults{}, job.settings, &swept, error))
        return false;
    job.simulate = p.isSet(QStringLiteral("simulate"));
    job.sweep = job.settings.size() > 1 || swept;
    if (job.sweep && job.files.csvPath.isEmpty()) {
        // Without --csv the lines go to standard output: as a table where a
        // person reads them, as the CSV where a program does.
        job.files.csvPath = QStringLiteral("-");
        job.table = ::isatty(STDOUT_FILENO) == 1;
    }
    return true;
}

// The columns of the simulated evenings after those of the money, and of
// their settings after those of the stakes.
QStringList simulationFields(const VerifySettings& s, const VerifyResult& r)
{
    const auto money = [&](ChipSum chips) { return csvMoney(chips, s.bet.chip); };
    if (const auto& m = r.simulation)
        return {money(m->p5),  money(m->p25), money(m->p50),
                money(m->p75), money(m->p95), csvAmount(m->ruinedShare),
                csvAmount(m->meanNet * s.bet.chip)};
    return QStringList(7);
}

// The settings of a combination: the CSV's header and fields of the board,
// the switches, the stakes and the simulated evenings.
QStringList settingsColumns(const Job& job)
{
    QStringList header = settingsHeader() + stakesHeader();
    if (job.simulate)
        header << QStringList{"simulate", "spins", "seed"};
    return header;
}

QStringList settingsValues(const Job& job, const VerifySettings& s)
{
    QStringList line = settingsFields(s) + stakesFields(s);
    if (job.simulate)
        line << QString::number(s.simulation.evenings) << QString::number(s.simulation.spins)
             << QString::number(s.simulation.seed);
    return line;
}

// The attempts the CSV has columns for: as many as the largest "Contr.
// Massimo" shows.
int csvAttempts(const Job& job)
{
    int attempts = 0;
    for (const VerifySettings& s : job.settings)
        attempts = std::max(attempts, attemptsShown(s.maxDelay));
    return attempts;
}

QByteArray csvHeader(const Job& job, int attempts)
{
    QStringList header = settingsHeader() + resultHeader(attempts);
    if (job.simulate)
        header << QStringList{"p5", "p25", "p50", "p75", "p95", "ruined", "mean_net"};
    header << stakesHeader();
    if (job.simulate)
        header << QStringList{"simulate", "spins", "seed"};
    return (header.join(u',') + u'\n').toUtf8();
}

QByteArray csvLine(const Job& job, const VerifySettings& s, const VerifyResult& r, int attempts)
{
    QStringList line = settingsFields(s) + resultFields(s, r, attempts);
    if (job.simulate)
        line << simulationFields(s, r);
    line << stakesFields(s);
    if (job.simulate)
        line << QString::number(s.simulation.evenings) << QString::number(s.simulation.spins)
             << QString::number(s.simulation.seed);
    return (line.join(u',') + u'\n').toUtf8();
}

// The sweep for a person: a line for each combination, with the settings
// that differ between them and the main results, the figures right-aligned
// under their heads; the CSV has every column.
struct SweepTable {
    std::vector<qsizetype> differing; // the settings' columns shown
    std::vector<QStringList> rows;    // the heads first
};

SweepTable tableStart(const Job& job)
{
    const QStringList names = settingsColumns(job);
    const QStringList first = settingsValues(job, job.settings.front());
    std::vector<bool> differs(std::size_t(names.size()), false);
    for (const VerifySettings& s : job.settings) {
        const QStringList values = settingsValues(job, s);
        for (qsizetype i = 0; i < names.size(); ++i)
            differs[std::size_t(i)] = differs[std::size_t(i)] || values[i] != first[i];
    }
    SweepTable table;
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (differs[std::size_t(i)])
            table.differing.push_back(i);
    }
    QStringList heads{QStringLiteral("#")};
    for (qsizetype i : table.differing)
        heads << names[i];
    heads << QCoreApplication::translate("Verify", "Verificate")
          << QCoreApplication::translate("Verify", "Fallite")
          << QCoreApplication::translate("Verify", "Colpi puntati")
          << QCoreApplication::translate("Verify", "Puntato")
          << QCoreApplication::translate("Verify", "Saldo") << QStringLiteral("z");
    if (job.simulate)
        heads << QCoreApplication::translate("Verify", "p5 simulato")
              << QCoreApplication::translate("Verify", "p50 simulato")
              << QCoreApplication::translate("Verify", "p95 simulato");
    table.rows.push_back(heads);
    return table;
}

QStringList tableRow(const Job& job, const SweepTable& table, std::size_t c,
                     const VerifySettings& s, const VerifyResult& r)
{
    const EveningFigures& f = r.money;
    const QStringList values = settingsValues(job, s);
    QStringList row{QString::number(c + 1)};
    for (qsizetype i : table.differing) {
        QString v = values[i];
        if (v.startsWith(u'"'))
            v = v.mid(1, v.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\""));
        row << v;
    }
    row << r.counters[int(PanelCounter::Verified)] << QString::number(r.tally.entry(0))
        << QString::number(f.stakedSpins) << moneyText(f.staked, s.bet.chip)
        << moneyText(f.net(), s.bet.chip)
        << (f.variance > 0 ? shownLocale().toString(f.z(), 'f', 2) : QStringLiteral("-"));
    if (job.simulate) {
        const auto& m = r.simulation;
        row << (m ? moneyText(m->p5, s.bet.chip) : QString())
            << (m ? moneyText(m->p50, s.bet.chip) : QString())
            << (m ? moneyText(m->p95, s.bet.chip) : QString());
    }
    return row;
}

QByteArray tableText(const SweepTable& table)
{
    std::vector<qsizetype> widths(table.rows.front().size());
    for (const QStringList& row : table.rows) {
        for (qsizetype i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], row[i].size());
    }
    QString text;
    for (const QStringList& row : table.rows) {
        QStringList cells;
        for (qsizetype i = 0; i < row.size(); ++i)
            cells << row[i].rightJustified(widths[i]);
        text += cells.join(QStringLiteral("  ")) + u'\n';
    }
    text += QCoreApplication::translate(
        "Verify", "Tutte le colonne, una riga per combinazione: --csv FILE (o --csv - per il "
                  "CSV qui).\n");
    return text.toLocal8Bit();
}

// Every combination of a sweep, a stretch at a time, each stretch's results
// turned into their CSV lines (or the table's rows) before the next: what is
// held grows with the lines, not with the results.
QByteArray sweepOutput(const Job& job, const ReplayRows& rows, const QString& countText,
                       int threads, std::atomic<std::int64_t>* progress)
{
    const int attempts = csvAttempts(job);
    QByteArray csv = job.table ? QByteArray() : csvHeader(job, attempts);
    SweepTable table = job.table ? tableStart(job) : SweepTable{};
    for (std::size_t at = 0; at < job.settings.size(); at += kCombinationsAtATime) {
        const std::vector<VerifySettings> stretch(
            job.settings.begin() + std::ptrdiff_t(at),
            job.settings.begin() +
                std::ptrdiff_t(std::min(job.settings.size(), at + kCombinationsAtATime)));
        const SharedRuns runs =
            verifyShared({&rows}, {countText}, stretch, threads, {progress, nullptr});
        for (std::size_t i = 0; i < stretch.size(); ++i) {
            if (job.table)
                table.rows.push_back(tableRow(job, table, at + i, stretch[i], runs.at(0, i)));
            else
                csv += csvLine(job, stretch[i], runs.at(0, i), attempts);
        }
    }
    return job.table ? tableText(table) : csv;
}

// The results panel, one "name: value" line each, the name saying which
// proposals the line counts: the strings followed, closed or cancelled, that
// "Stringa comp. Progressione" reports (--strings-report), or the proposals
// checked at their spin, "Stringa comp. a colpo" (--proposal-check).  The
// money counts every string followed, whatever is reported.
QString panelText(const VerifyResult& r)
{
    struct Field {
        const char* name;
        const char* counts;
        PanelCounter counter;
    };
    const Field fields[] = {
        {QT_TRANSLATE_NOOP("Verify", "Boules"), nullptr, PanelCounter::Rows},
        {QT_TRANSLATE_NOOP("Verify", "Verificate"),
         QT_TRANSLATE_NOOP("Verify", "stringhe vinte, con --strings-report, e proposte "
                                     "controllate, con --proposal-check"),
         PanelCounter::Verified},
        {QT_TRANSLATE_NOOP("Verify", "Conta Usc."),
         QT_TRANSLATE_NOOP("Verify", "numeri usciti delle proposte controllate, con --proposal-check"), PanelCounter::Hits},
        {QT_TRANSLATE_NOOP("Verify", "Numeri Giocati"),
         QT_TRANSLATE_NOOP("Verify", "numeri delle proposte controllate, con --proposal-check"),
         PanelCounter::Numbers},
        {QT_TRANSLATE_NOOP("Verify", "Fuori Lim. 1° Uscita"),
         QT_TRANSLATE_NOOP("Verify", "stringhe annullate prima della vincita, con --strings-report"),
         PanelCounter::CancelledBeforeHit},
        {QT_TRANSLATE_NOOP("Verify", "Fuori Lim. 2° Uscita"),
         QT_TRANSLATE_NOOP("Verify", "stringhe annullate dopo la prima vincita, con --strings-report"),
         PanelCounter::CancelledAfterHit},
    };
    QString text;
    for (const Field& f : fields) {
        text += QCoreApplication::translate("Verify", f.name);
        if (f.counts)
            text += QStringLiteral(" (%1)").arg(QCoreApplication::translate("Verify", f.counts));
        text += QStringLiteral(": ") + r.counters[int(f.counter)] + u'\n';
    }
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

} // namespace

int runVerify(const QStringList& arguments)
{
    QCommandLineParser p;
    const QList<QCommandLineOption> lists = addRunOptions(p, true, true);
    if (!p.parse(arguments))
        return badOptions(parseProblem(p));
    if (const QString twice = repeatedOption(p, lists); !twice.isEmpty())
        return badOptions(twice);
    if (p.isSet(QStringLiteral("help")))
        return printOut(usage()) ? ExitOk : ExitFailure;
    if (!p.positionalArguments().isEmpty())
        return badOptions(QCoreApplication::translate("Verify", "Argomento inatteso: %1.")
                              .arg(shownArgument(p.positionalArguments().first())));
    Job job;
    QString error;
    if (!readJob(p, job, &error))
        return badOptions(error);
    if (job.sweep && p.isSet(QStringLiteral("out")))
        failWith(ExitOk,
                 QCoreApplication::translate(
                     "Verify", "Con più combinazioni il rapporto (--out) non viene scritto."));

    // Every output is checked before the work, which may take long.
    const QString csvPath = job.files.csvPath == u"-" || job.files.csvPath.isEmpty()
                                ? job.files.csvPath
                                : QDir::current().absoluteFilePath(job.files.csvPath);
    const bool panel = !job.sweep && job.files.csvPath != u"-" && job.files.outPath != u"-";
    for (const auto& [path, what] :
         {std::pair{job.sweep ? QString() : job.files.outPath,
                    QT_TRANSLATE_NOOP("Files", "il rapporto")},
          {csvPath, QT_TRANSLATE_NOOP("Files", "il file")},
          {panel ? QStringLiteral("-") : QString(), ""}}) {
        if (!path.isEmpty() &&
            !checkOutput(path, QCoreApplication::translate("Files", what), &error))
            return failWith(ExitFailure, error);
    }

    // The rows, then every combination; the threads of the sweep are this
    // machine's processors.
    ReplayRows rows;
    ReplayRead read = ReplayRead::Done;
    QString countText;
    std::vector<VerifyResult> results;
    QByteArray csv;
    SpinClock clock;
    if (job.sweep)
        failWith(ExitOk, QCoreApplication::translate("Verify", "%1 combinazioni da verificare.")
                             .arg(shownLocale().toString(qint64(job.settings.size()))));
    Progress progress;
    progress.run([&] {
        read = readReplayRows(job.files.dbPath, job.files.dbName, job.files.from,
                              job.files.count.value_or(-1), rows, &error);
        if (read != ReplayRead::Done)
            return;
        const qint64 count = job.files.count.value_or(qint64(rows.size()));
        countText = QString::number(count);
        progress.start(std::max<qint64>(count, 1) * qint64(job.settings.size()) +
                       simulatedSpins(job));
        const int threads = int(std::max(1u, std::thread::hardware_concurrency()));
        if (job.sweep) {
            csv = sweepOutput(job, rows, countText, threads, &progress.done);
        } else {
            results.push_back(
                verify(rows, countText, job.settings.front(), true, &progress.done, threads));
            readSpinTimes(job.files.dbPath, job.files.from, count, clock);
            if (!csvPath.isEmpty())
                csv = csvHeader(job, csvAttempts(job)) +
                      csvLine(job, job.settings.front(), results.front(), csvAttempts(job));
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
        outputs.add(job.files.outPath, QCoreApplication::translate("Files", "il rapporto"),
                    reportBytes(r.report, r.tally));
    }
    if (!csvPath.isEmpty())
        outputs.add(csvPath, QCoreApplication::translate("Files", "il file"), csv);
    if (panel)
        outputs.add(QStringLiteral("-"), {},
                    (panelText(results.front()) +
                     moneyPanelText(job.settings.front(), results.front(), clock))
                        .toLocal8Bit());
    if (!outputs.write(&error))
        return failWith(ExitFailure, error);
    return ExitOk;
}

} // namespace zt
