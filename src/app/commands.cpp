#include "app/commands.h"

#include "verifycommand.h"
#include "csvcommands.h"
#include "progressioncommand.h"

#include <QCoreApplication>
#include <QTextStream>

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
    QString text = QStringLiteral(
        "Uso: zentrima13 [comando] [opzioni]\n"
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
        "  -v, --version  mostra la versione\n");
    return text;
}

bool isProgramOption(const char* arg, const char* shortName, const char* longName)
{
    return std::strcmp(arg, shortName) == 0 || std::strcmp(arg, longName) == 0;
}

} // namespace

bool isCommandLine(int argc, char** argv)
{
    if (argc < 2)
        return false;
    const char* first = argv[1];
    return findCommand(first) || isProgramOption(first, "-h", "--help") ||
           isProgramOption(first, "-v", "--version") || std::strcmp(first, "help") == 0;
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
    QTextStream out(stdout);
    if (isProgramOption(first.constData(), "-v", "--version"))
        out << "zentrima13 " << ZT_VERSION << "\n";
    else
        out << programHelp();
    return ExitOk;
}

} // namespace zt
