// `zentrima13 progression`: the stakes of a progression by attempt, with the
// chips at risk and the net of a hit at each attempt, as players work them
// out by hand.

#include "progressioncommand.h"

#include "app/commands.h"
#include "commandio.h"
#include "combinations.h"
#include "core/betting.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace zt {

namespace {

struct ProgressionText {
    Q_DECLARE_TR_FUNCTIONS(Progression)
};

QString usage()
{
    return ProgressionText::tr("Uso: zentrima13 progression --numbers K --max M [opzioni]\n"
              "Mostra, tentativo per tentativo, la puntata su ognuno dei K numeri di una\n"
              "stringa, la puntata del colpo, le fiches in gioco fino a lì e quanto rende un\n"
              "colpo vinto a quel tentativo.\n\n"
              "Opzioni:\n"
              "  --numbers K        i numeri della stringa, da 1 a 37\n"
              "  --max M            i tentativi da mostrare, da 1 a 1000 (\"Contr. Massimo\")\n"
              "  --progression P    recovery (il recupero, predefinito), flat o i multipli di\n"
              "                     --stake per tentativo, l'ultimo ripetuto (1,1,2,3,5,8)\n"
              "  --target N         il recupero: quanto rende almeno un colpo vinto (predefinito: 1)\n"
              "  --stake N          la puntata di flat, l'unità di un elenco, la puntata minima\n"
              "                     del recupero (predefinito: 1)\n"
              "  --table-max N      la puntata massima del tavolo su un numero\n"
              "  --chip VALORE      il valore di una fiche, al centesimo (2,5 o 2.5): le somme\n"
              "                     nella tua moneta\n"
              "  --lang it|en       la lingua della tabella (it: italiano, en: inglese)\n"
              "  -h, --help         mostra questo aiuto\n\n"
              "Uscita: 0 fatto, 1 lo standard output non si può scrivere, 2 opzioni non\n"
              "valide o una progressione impossibile.\n");
}

int fail(const QString& message, bool withUsage)
{
    QTextStream(stderr) << message << '\n' << (withUsage ? u'\n' + usage() : QString());
    return ExitUsage;
}

// The value of a whole-number option, or the error that names its range.
std::optional<qint64> whole(const QCommandLineParser& p, const char* name, qint64 least,
                            qint64 most, qint64 fallback, QString* error)
{
    if (!p.isSet(QLatin1String(name)))
        return fallback;
    bool ok = false;
    const QString value = p.value(QLatin1String(name));
    const qint64 n = value.toLongLong(&ok);
    if (!ok || n < least || n > most) {
        badValue(error, QLatin1String(name), value, wholeRange(least, most));
        return std::nullopt;
    }
    return n;
}

// The table: one line per attempt, the figures right-aligned under their heads.
QString table(const std::vector<ProgressionRow>& rows, double chip)
{
    const QStringList heads{ProgressionText::tr("Tentativo"), ProgressionText::tr("Per numero"), ProgressionText::tr("Sul tavolo"), ProgressionText::tr("In gioco"),
                            ProgressionText::tr("Se esce")};
    std::vector<QStringList> lines;
    bool capped = false;
    for (const ProgressionRow& r : rows) {
        capped = capped || r.stake.capped;
        lines.push_back({QString::number(r.attempt),
                         moneyText(r.stake.chips, chip) + QLatin1String(r.stake.capped ? "*" : ""),
                         moneyText(r.spinStake, chip), moneyText(r.atRisk, chip),
                         moneyText(r.hitNet, chip)});
    }
    std::vector<qsizetype> widths;
    for (const QString& h : heads)
        widths.push_back(h.size());
    for (const QStringList& l : lines) {
        for (int i = 0; i < l.size(); ++i)
            widths[i] = std::max(widths[i], l[i].size());
    }
    const auto join = [&](const QStringList& cells) {
        QStringList padded;
        for (int i = 0; i < cells.size(); ++i)
            padded << cells[i].rightJustified(widths[i]);
        return padded.join(QStringLiteral("  ")) + u'\n';
    };
    QString text = join(heads);
    for (const QStringList& l : lines)
        text += join(l);
    if (capped)
        text += ProgressionText::tr("* ridotta al massimo del tavolo\n");
    return text;
}

// What the table shows, in a line.
QString heading(const BetSettings& bet, int size)
{
    const QString stake = moneyText(bet.stake, bet.chip);
    switch (bet.progression) {
    case BetSettings::Progression::Flat:
        return ProgressionText::tr("Puntata fissa di %1 su ognuno di %n numeri:", nullptr, size)
            .arg(stake);
    case BetSettings::Progression::List:
        return ProgressionText::tr("Progressione %1 (multipli di %2) su ognuno di %n numeri:",
                                   nullptr, size)
            .arg(progressionText(bet), stake);
    case BetSettings::Progression::Recovery:
        break;
    }
    return ProgressionText::tr(
               "Recupero su %n numeri: un colpo vinto a ogni tentativo rende almeno %1 su "
               "tutto il puntato:",
               nullptr, size)
        .arg(moneyText(bet.target, bet.chip));
}

} // namespace

int runProgression(const QStringList& arguments)
{
    QCommandLineParser p;
    for (const char* name : {"numbers", "max", "progression", "target", "stake", "table-max", "chip"})
        p.addOption({QLatin1String(name), {}, QStringLiteral("N")});
    p.addOption({{QStringLiteral("h"), QStringLiteral("help")}, {}});
    if (!p.parse(arguments))
        return fail(p.errorText(), true);
    if (const QString twice = repeatedOption(p); !twice.isEmpty())
        return fail(twice, true);
    if (p.isSet(QStringLiteral("help")))
        return printOut(usage()) ? ExitOk : ExitFailure;
    if (!p.positionalArguments().isEmpty())
        return fail(ProgressionText::tr("Argomento inatteso: %1.")
                        .arg(shownArgument(p.positionalArguments().first())),
                    true);
    if (!p.isSet(QStringLiteral("numbers")) || !p.isSet(QStringLiteral("max")))
        return fail(ProgressionText::tr("Servono --numbers e --max."), true);

    constexpr qint64 most = 1'000'000'000;
    QString error;
    const auto size = whole(p, "numbers", 1, 37, 0, &error);
    const auto attempts = whole(p, "max", 1, 1000, 0, &error);
    const auto target = whole(p, "target", 1, most, 1, &error);
    const auto stake = whole(p, "stake", 1, most, 1, &error);
    const auto tableMax = whole(p, "table-max", 1, most, 0, &error);
    if (!size || !attempts || !target || !stake || !tableMax)
        return fail(error, true);
    BetSettings bet;
    bet.target = *target;
    bet.stake = *stake;
    bet.tableMax = *tableMax;
    if (p.isSet(QStringLiteral("chip"))) {
        const QString value = p.value(QStringLiteral("chip"));
        const auto chip = chipValue(value);
        if (!chip) {
            badValue(&error, QStringLiteral("chip"), value, chipTakes(false));
            return fail(error, true);
        }
        bet.chip = *chip;
    }
    const QString progression = p.isSet(QStringLiteral("progression"))
                                    ? p.value(QStringLiteral("progression"))
                                    : QStringLiteral("recovery");
    const auto chosen = withProgression(bet, progression);
    if (!chosen) {
        badValue(&error, QStringLiteral("progression"), progression, progressionTakes());
        return fail(error, true);
    }
    const StakeTable stakes(*chosen);
    if (!stakes.recoverable(int(*size)))
        return fail(ProgressionText::tr("Con %1 numeri nessuna puntata recupera: un colpo vinto rende 36 volte la "
                       "puntata sul numero, e se ne puntano già %1.")
                        .arg(*size),
                    false);
    // Only the table's maximum reduces a stake: one the progression asks for
    // over the ceiling is refused, with the attempt that asks for it.
    if (const int over = stakes.firstOverLimit(int(*size)); over > 0 && over <= *attempts)
        return fail(ProgressionText::tr("Al tentativo %1 la progressione chiederebbe più di %2 fiches "
                                        "per numero, oltre quanto il programma tiene. Si può dare "
                                        "--table-max, che riduce le puntate, o un --max minore di %1.")
                        .arg(over)
                        .arg(chipsText(StakeTable::ceiling)),
                    false);
    // A table that cannot be written (a full disk, a closed output) is a
    // failure, as for every command.
    return printOut(heading(*chosen, int(*size)) + u'\n' +
                    table(progressionRows(stakes, int(*size), int(*attempts)), chosen->chip))
               ? ExitOk
               : ExitFailure;
}

} // namespace zt
