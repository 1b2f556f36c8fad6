#include "app/commands.h"

#include "commandio.h"
#include "core/savefile.h"
#include "core/textrules.h"
#include "csvcommands.h"
#include "progressioncommand.h"
#include "searchcommand.h"
#include "verifycommand.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <cstring>
#include <iterator>

namespace zt {

namespace {

// Every command of the program.
const Command commands[] = {
    {"export", "scrive le uscite registrate come CSV", runExport},
    {"import", "aggiunge le uscite di un CSV o di un elenco di numeri", runImport},
    {"verify", "verifica le proposte sulle uscite registrate, come \"GO\" e \"SALVA\"", runVerify},
    {"progression", QT_TRANSLATE_NOOP("commands", "mostra le puntate di una progressione per tentativo"),
     runProgression},
    {"search",
     QT_TRANSLATE_NOOP("commands",
                       "cerca le impostazioni migliori su una parte delle uscite e le giudica sul resto"),
     runSearch},
};

const Command* findCommand(const char* name)
{
    for (const Command& c : commands) {
        if (c.run && std::strcmp(c.name, name) == 0)
            return &c;
    }
    return nullptr;
}

QString programHelp()
{
    QString text = QStringLiteral("Uso: zentrima13 [comando] [opzioni]\n"
                                  "Senza comando si apre il tavolo di gioco.\n\nComandi:\n");
    for (const Command& c : commands) {
        if (c.run)
            text += QStringLiteral("  %1  %2\n")
                        .arg(QString::fromLatin1(c.name).leftJustified(11),
                             QString::fromUtf8(c.summary));
    }
    text += QStringLiteral(
        "\n\"zentrima13 <comando> --help\" spiega le opzioni del comando.\n"
        "  -h, --help     mostra questo aiuto\n"
        "  -v, --version  mostra la versione\n\n"
        "Uscita dei comandi: 0 fatto, 1 un file non si può leggere o scrivere (o ha una riga\n"
        "sbagliata), 2 comando o opzioni non validi, 3 il database manca o non è utilizzabile,\n"
        "4 il database è bloccato da un altro programma: riprovare più tardi.\n");
    return text;
}

bool isProgramOption(const char* arg, const char* shortName, const char* longName)
{
    return std::strcmp(arg, shortName) == 0 || std::strcmp(arg, longName) == 0;
}

} // namespace

int failWith(int code, const QString& message)
{
    QString text = message;
    if (code == ExitBusy)
        text += QStringLiteral(" Riprovare quando l'altro programma lo lascia.");
    const QByteArray bytes = (text + u'\n').toLocal8Bit();
    std::fflush(stdout);
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
    return code;
}

int usageError(const QString& usage, const QString& message)
{
    QString text = message + QStringLiteral("\n\n") + usage;
    if (text.endsWith(u'\n'))
        text.chop(1);
    return failWith(ExitUsage, text);
}

bool printOut(const QString& text)
{
    QString error;
    if (writeStandardOutput(text.toLocal8Bit(), &error))
        return true;
    failWith(ExitFailure, error);
    return false;
}

QString shownArgument(const QString& text)
{
    return printableText(QDir::toNativeSeparators(text));
}

bool isCommandLine(int argc, char**)
{
    return argc >= 2;
}

int runCommandLine(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zentrima13"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZT_VERSION));
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst(); // the program
    const QByteArray first = arguments.first().toLocal8Bit();
    if (const Command* c = findCommand(first.constData()))
        return c->run(arguments);
    if (isProgramOption(first.constData(), "-v", "--version"))
        return printOut(QStringLiteral("zentrima13 %1\n").arg(QLatin1String(ZT_VERSION)))
                   ? ExitOk
                   : ExitFailure;
    if (isProgramOption(first.constData(), "-h", "--help") || first == "help")
        return printOut(programHelp()) ? ExitOk : ExitFailure;
    return usageError(
        programHelp(),
        first.startsWith('-')
            ? QStringLiteral("Opzione sconosciuta: %1 (le opzioni vanno dopo il "
                             "comando).")
                  .arg(shownArgument(arguments.first()))
            : QStringLiteral("Comando sconosciuto: %1.").arg(shownArgument(arguments.first())));
}

} // namespace zt
