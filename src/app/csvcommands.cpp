#include "csvcommands.h"

#include "app/commands.h"
#include "core/spincsv.h"
#include "store/spintransfer.h"
#include "store/storecommands.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace zt {

namespace {

const char* const kExportUsage =
    "Uso: zentrima13 export [--db FILE] [--out FILE] [--tipo Live|Spin]\n"
    "Scrive le uscite della tabella Uscite come CSV (UTF-8), in ordine di id, dopo la riga\n"
    "id,Numero,Memoria,Tipo,Cima,Memcima,Note; i valori come sono registrati.\n\n"
    "  --db FILE         il database (predefinito: dati.mdb nella cartella corrente)\n"
    "  --out FILE        scrive il CSV nel file, sostituito per intero solo a lavoro finito\n"
    "                    (predefinito: lo standard output)\n"
    "  --tipo Live|Spin  solo le uscite di quel tipo di gioco\n"
    "  -h, --help        mostra questo aiuto\n";

const char* const kImportUsage =
    "Uso: zentrima13 import FILE [--db FILE] [--tipo Live|Spin]\n"
    "Aggiunge alla tabella Uscite le uscite del FILE (\"-\": lo standard input): un CSV\n"
    "scritto da \"zentrima13 export\", oppure un elenco di numeri da 0 a 36 separati da a\n"
    "capo, virgole o spazi, nell'ordine in cui sono usciti, registrato come una partita\n"
    "nuova (Memoria 1, 2, ... 36, poi 37).  Gli id li assegna il database.  Ogni riga è\n"
    "controllata prima di scrivere: se una è sbagliata non si scrive nulla.\n\n"
    "  --db FILE         il database (predefinito: dati.mdb nella cartella corrente;\n"
    "                    creato se manca)\n"
    "  --tipo Live|Spin  il Tipo delle uscite di un elenco di numeri (predefinito: vuoto)\n"
    "  -h, --help        mostra questo aiuto\n";

void print(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

// A line on standard error.
int failWith(int code, const QString& message)
{
    print(stderr, message + u'\n');
    return code;
}

int usageError(const char* usage, const QString& message)
{
    return failWith(ExitUsage, message + u'\n' + QString::fromUtf8(usage));
}

QString plural(qint64 rows, const char* one, const char* many)
{
    return QString::fromUtf8(rows == 1 ? one : many).arg(rows);
}

// The options the two commands share; the parse and its faults in Italian.
struct Options {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption db{QStringLiteral("db"), {}, QStringLiteral("FILE")};
    QCommandLineOption out{QStringLiteral("out"), {}, QStringLiteral("FILE")};
    QCommandLineOption tipo{QStringLiteral("tipo"), {}, QStringLiteral("Live|Spin")};
    QString fault;
    int type = 0; // --tipo: 1 Live, 2 Spin, 0 none

    bool parse(const QStringList& arguments, bool withOut)
    {
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOption(help);
        parser.addOption(db);
        if (withOut)
            parser.addOption(out);
        parser.addOption(tipo);
        if (!parser.parse(arguments)) {
            const QStringList unknown = parser.unknownOptionNames();
            // The other fault: an option that takes a value ends the line.
            QString last = arguments.last();
            while (last.startsWith(u'-'))
                last.remove(0, 1);
            fault = !unknown.isEmpty()
                        ? QStringLiteral("Opzione sconosciuta: %1.").arg(unknown.first())
                        : QStringLiteral("Manca il valore di --%1.").arg(last);
            return false;
        }
        if (parser.isSet(tipo)) {
            const QString value = parser.value(tipo);
            if (value.compare(u"Live", Qt::CaseInsensitive) == 0)
                type = 1;
            else if (value.compare(u"Spin", Qt::CaseInsensitive) == 0)
                type = 2;
            else {
                fault = QStringLiteral("--tipo vale Live o Spin, non «%1».").arg(value);
                return false;
            }
        }
        for (const QCommandLineOption* o : {&db, &out}) {
            if ((o == &db || withOut) && parser.isSet(*o) && parser.value(*o).isEmpty()) {
                fault = QStringLiteral("--%1 vuole il nome di un file.").arg(o->names().first());
                return false;
            }
        }
        return true;
    }

    QString dbPath() const { return parser.value(db); }
    // The file named on the command line, for messages.
    static QString shown(const QString& path) { return QDir::toNativeSeparators(path); }
};

// Why the file at path cannot be read, for the player.
QString readProblem(const QString& path, const QFile& file)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("non esiste");
    if (info.isDir())
        return QStringLiteral("è una cartella");
    if (file.error() == QFileDevice::OpenError && !info.isReadable())
        return QStringLiteral("non si ha il permesso di leggerlo");
    return file.errorString();
}

} // namespace

int runExport(const QStringList& arguments)
{
    Options o;
    if (!o.parse(arguments, true))
        return usageError(kExportUsage, o.fault);
    if (o.parser.isSet(o.help)) {
        print(stdout, QString::fromUtf8(kExportUsage));
        return ExitOk;
    }
    if (!o.parser.positionalArguments().isEmpty())
        return usageError(
            kExportUsage,
            QStringLiteral("Argomento inatteso: %1.").arg(o.parser.positionalArguments().first()));

    SpinTransfer transfer(o.dbPath());
    if (o.parser.isSet(o.out) && transfer.isDatabase(o.parser.value(o.out)))
        return usageError(kExportUsage, QStringLiteral("--out non può essere il database %1.")
                                            .arg(Options::shown(o.parser.value(o.out))));
    QByteArray csv;
    const QString command = viewerTypeCommand(o.type == 1 ? u"Live" : o.type == 2 ? u"Spin" : u"");
    if (!transfer.exportRows(command, &csv))
        return failWith(transfer.fileRefused() ? ExitData : ExitFailure, transfer.error());

    if (o.parser.isSet(o.out)) {
        const QString path = o.parser.value(o.out);
        QString error;
        if (!saveFileWhole(QFileInfo(path).absoluteFilePath(), csv, &error))
            return failWith(ExitFailure, error);
        print(stdout, plural(transfer.rows(), "%1 uscita esportata in %2.\n",
                             "%1 uscite esportate in %2.\n")
                          .arg(Options::shown(path)));
        return ExitOk;
    }
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) || out.write(csv) != csv.size() || !out.flush())
        return failWith(ExitFailure, QStringLiteral("Impossibile scrivere sullo standard output: "
                                                    "%1.")
                                         .arg(out.errorString()));
    return ExitOk;
}

int runImport(const QStringList& arguments)
{
    Options o;
    if (!o.parse(arguments, false))
        return usageError(kImportUsage, o.fault);
    if (o.parser.isSet(o.help)) {
        print(stdout, QString::fromUtf8(kImportUsage));
        return ExitOk;
    }
    const QStringList files = o.parser.positionalArguments();
    if (files.size() != 1)
        return usageError(kImportUsage,
                          files.isEmpty()
                              ? QStringLiteral("Manca il file da importare.")
                              : QStringLiteral("Un file solo, non anche %1.").arg(files[1]));

    const QString name = files.first();
    QFile file;
    const bool opened = name == u"-" ? file.open(stdin, QIODevice::ReadOnly)
                                     : (file.setFileName(name), file.open(QIODevice::ReadOnly));
    const QByteArray bytes = opened ? file.readAll() : QByteArray();
    if (!opened || file.error() != QFileDevice::NoError)
        return failWith(ExitFailure, QStringLiteral("Impossibile leggere il file %1: %2.")
                                         .arg(Options::shown(name), readProblem(name, file)));

    SpinCsvReader reader(bytes, o.type);
    if (reader.format() == SpinCsvReader::Format::Table && o.type)
        return usageError(kImportUsage,
                          QStringLiteral("--tipo vale solo per un elenco di numeri: il file %1 "
                                         "ha la colonna Tipo.")
                              .arg(Options::shown(name)));
    if (!reader.check())
        return failWith(ExitFailure, QStringLiteral("File %1, %2: nessuna uscita è stata "
                                                    "importata.")
                                         .arg(Options::shown(name), reader.error()));

    SpinTransfer transfer(o.dbPath());
    if (!transfer.importRows(reader))
        return failWith(transfer.fileRefused() ? ExitData : ExitFailure, transfer.error());
    const QString db =
        o.dbPath().isEmpty() ? QString::fromLatin1(kStoreFileName) : Options::shown(o.dbPath());
    print(stdout,
          plural(transfer.rows(), "%1 uscita importata in %2.\n", "%1 uscite importate in %2.\n")
              .arg(db));
    return ExitOk;
}

} // namespace zt
