#include "app/commands.h"

#include "commandio.h"
#include "core/readersettings.h"
#include "core/savefile.h"
#include "core/textrules.h"
#include "csvcommands.h"
#include "progressioncommand.h"
#include "readcommand.h"
#include "searchcommand.h"
#include "verifycommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>

namespace zt {

namespace {

struct CommandsText {
    Q_DECLARE_TR_FUNCTIONS(Commands)
};

// Every command of the program.
const Command commands[] = {
    {"export", QT_TRANSLATE_NOOP("Commands", "scrive le uscite registrate come CSV"), runExport},
    {"import", QT_TRANSLATE_NOOP("Commands", "aggiunge le uscite di un CSV o di un elenco di numeri"),
     runImport},
    {"verify",
     QT_TRANSLATE_NOOP("Commands",
                       "verifica le proposte sulle uscite registrate, come \"GO\" e \"SALVA\""),
     runVerify},
    {"progression",
     QT_TRANSLATE_NOOP("Commands", "mostra le puntate di una progressione per tentativo"),
     runProgression},
    {"search",
     QT_TRANSLATE_NOOP("Commands",
                       "cerca le impostazioni migliori su una parte delle uscite e le giudica sul resto"),
     runSearch},
    {"read", QT_TRANSLATE_NOOP("Commands", "legge i numeri dall'immagine di una striscia di un casinò"),
     runRead},
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
    QString text = CommandsText::tr("Uso: zentrima13 [comando] [opzioni]\n"
                            "Senza comando si apre il tavolo di gioco.\n\nComandi:\n");
    for (const Command& c : commands) {
        if (c.run)
            text += QStringLiteral("  %1  %2\n")
                        .arg(QString::fromLatin1(c.name).leftJustified(11),
                             CommandsText::tr(c.summary));
    }
    text += CommandsText::tr(
        "\n\"zentrima13 <comando> --help\" spiega le opzioni del comando.\n"
        "  -h, --help         mostra questo aiuto\n"
        "  -v, --version      mostra la versione\n\n"
        "Opzioni del tavolo di gioco (senza comando):\n"
        "  --folder CARTELLA  lavora nella CARTELLA (creata se manca) invece che nella\n"
        "                     cartella corrente\n"
        "  --player-folder    lavora nella cartella del giocatore, ~/Zentrima13 (creata se\n"
        "                     manca): così lo avvia il menu\n"
        "  --read-screen X,Y,W,H\n"
        "                     il tavolo legge subito le uscite da quel rettangolo dello\n"
        "                     schermo (in pixel), come dopo averlo segnato\n"
        "  --lang it|en       la lingua delle finestre e dei messaggi, anche dopo un comando\n"
        "                     (predefinita: quella scelta nelle impostazioni, se no quella\n"
        "                     del sistema)\n\n"
        "Uscita dei comandi: 0 fatto, 1 un file non si può leggere o scrivere (o ha una riga\n"
        "sbagliata), 2 comando o opzioni non validi, 3 il database manca o non è utilizzabile,\n"
        "4 il database è bloccato da un altro programma: riprovare più tardi.\n");
    return text;
}

bool isProgramOption(const char* arg, const char* shortName, const char* longName)
{
    return std::strcmp(arg, shortName) == 0 || std::strcmp(arg, longName) == 0;
}

// An option of a start, as "--name value" or "--name=value": true when
// arguments[*i] is one, with its value (and *i past it); *missing when the
// value is not there.
bool takeValueOption(const QStringList& arguments, qsizetype* i, QStringView name, QString* value,
                     bool* missing)
{
    const QString& a = arguments[*i];
    if (a == name) {
        *missing = *i + 1 >= arguments.size();
        *value = *missing ? QString() : arguments[*i + 1];
        *i += *missing ? 1 : 2;
        return true;
    }
    if (a.startsWith(name) && a.size() > name.size() && a[name.size()] == u'=') {
        *missing = false;
        *value = a.mid(name.size() + 1);
        *i += 1;
        return true;
    }
    return false;
}

const char* const kRepeated =
    QT_TRANSLATE_NOOP("Commands", "L'opzione %1 è data più di una volta: vuole un valore solo.");

} // namespace

int failWith(int code, const QString& message)
{
    QString text = message;
    if (code == ExitBusy)
        text += CommandsText::tr(" Riprovare quando l'altro programma lo lascia.");
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

QString repeatedOption(const QCommandLineParser& p, const QList<QCommandLineOption>& lists)
{
    QStringList seen;
    for (const QString& name : p.optionNames()) {
        if (seen.contains(name))
            continue;
        seen << name;
        const bool list = std::any_of(lists.begin(), lists.end(), [&](const QCommandLineOption& o) {
            return o.names().contains(name);
        });
        // values() gathers the values given under every name of the option.
        if (!list && p.values(name).size() > 1) {
            const QString dashes = name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
            return CommandsText::tr(kRepeated).arg(shownArgument(dashes + name));
        }
    }
    return {};
}

QString shownArgument(const QString& text)
{
    return printableText(QDir::toNativeSeparators(text));
}

QString playerFolder()
{
    // Without a home of its own (HOME empty, missing or not a full path)
    // there is no player's folder: never "/" in its place.
    const QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty() || !QDir::isAbsolutePath(home))
        return {};
    return QDir(home).absoluteFilePath(QStringLiteral("Zentrima13"));
}

StartRequest readStartRequest(QStringList arguments)
{
    StartRequest r;
    const auto fault = [&r](const char* text, const QString& value = {}) {
        r.fault = text;
        r.faultValue = value;
        return r;
    };
    // --lang, wherever it is before "--".
    QStringList rest;
    for (qsizetype i = 0; i < arguments.size();) {
        if (arguments[i] == u"--") {
            rest += arguments.mid(i);
            break;
        }
        QString value;
        bool missing = false;
        if (!takeValueOption(arguments, &i, u"--lang", &value, &missing)) {
            rest << arguments[i++];
            continue;
        }
        if (missing)
            return fault(QT_TRANSLATE_NOOP("Commands", "Manca il valore di --lang (it o en)."));
        if (r.language)
            return fault(kRepeated, QStringLiteral("--lang"));
        r.language = languageNamed(value);
        if (!r.language)
            return fault(QT_TRANSLATE_NOOP("Commands", "--lang vale it o en, non «%1»."), value);
    }
    r.arguments = rest;
    const auto startOption = [](const QString& a) {
        return a == u"--player-folder" || a == u"--folder" || a.startsWith(u"--folder=") ||
               a == u"--read-screen" || a.startsWith(u"--read-screen=");
    };
    if (!rest.isEmpty() && !startOption(rest.first()))
        return r; // a command, --help, --version or what the usage refuses
    bool player = false;
    bool folder = false;
    for (qsizetype i = 0; i < rest.size();) {
        QString value;
        bool missing = false;
        if (rest[i] == u"--player-folder") {
            player = true;
            ++i;
        } else if (takeValueOption(rest, &i, u"--folder", &value, &missing)) {
            if (missing || value.isEmpty())
                return fault(QT_TRANSLATE_NOOP("Commands", "--folder vuole il nome di una cartella."));
            if (folder)
                return fault(kRepeated, QStringLiteral("--folder"));
            folder = true;
            r.folder = value;
        } else if (takeValueOption(rest, &i, u"--read-screen", &value, &missing)) {
            r.readScreen = rectangleFromText(value);
            if (missing || !r.readScreen)
                return fault(QT_TRANSLATE_NOOP("Commands",
                                               "--read-screen vuole X,Y,W,H in pixel, non «%1»."),
                             value);
        } else {
            return fault(rest[i].startsWith(u'-')
                             ? QT_TRANSLATE_NOOP("Commands", "Opzione sconosciuta: %1.")
                             : QT_TRANSLATE_NOOP("Commands", "Argomento inatteso: %1."),
                         rest[i]);
        }
    }
    if (player && folder)
        return fault(QT_TRANSLATE_NOOP("Commands", "--folder e --player-folder non vanno insieme."));
    if (player) {
        r.folder = playerFolder();
        if (r.folder.isEmpty())
            return fault(QT_TRANSLATE_NOOP(
                "Commands", "--player-folder vuole la cartella di casa del giocatore, ma la "
                            "variabile HOME non ne dà una: usare --folder CARTELLA."));
    }
    r.windows = true;
    return r;
}

int runCommandLine(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zentrima13"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZT_VERSION));
    QStringList all = QCoreApplication::arguments();
    all.removeFirst(); // the program
    const StartRequest request = readStartRequest(all);
    useLanguage(chosenLanguage(request.language));
    if (request.fault) {
        QString fault = CommandsText::tr(request.fault);
        if (fault.contains(u"%1"))
            fault = fault.arg(shownArgument(request.faultValue));
        return usageError(programHelp(), fault);
    }
    const QStringList& arguments = request.arguments;
    const QByteArray first = arguments.first().toLocal8Bit();
    if (const Command* c = findCommand(first.constData()))
        return c->run(arguments);
    if (isProgramOption(first.constData(), "-v", "--version"))
        return printOut(QStringLiteral("zentrima13 %1\n").arg(QLatin1String(ZT_VERSION)))
                   ? ExitOk
                   : ExitFailure;
    if (isProgramOption(first.constData(), "-h", "--help") || first == "help")
        return printOut(programHelp()) ? ExitOk : ExitFailure;
    return usageError(programHelp(),
                      first.startsWith('-')
                          ? CommandsText::tr("Opzione sconosciuta: %1 (le opzioni vanno dopo il comando).")
                                .arg(shownArgument(arguments.first()))
                          : CommandsText::tr("Comando sconosciuto: %1.").arg(shownArgument(arguments.first())));
}

} // namespace zt
