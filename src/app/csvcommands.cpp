#include "csvcommands.h"

#include "app/commands.h"
#include "commandio.h"
#include "core/savefile.h"
#include "core/spincsv.h"
#include "store/spintransfer.h"
#include "store/storecommands.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace zt {

namespace {

struct CsvCommandsText {
    Q_DECLARE_TR_FUNCTIONS(CsvCommands)
};

const char* const kExportUsage = QT_TRANSLATE_NOOP(
    "CsvCommands",
    "Uso: zentrima13 export [--db FILE] [--out FILE] [--type Live|Spin]\n"
    "Scrive le uscite della tabella Uscite come CSV (UTF-8), in ordine di id, dopo la riga\n"
    "id,Numero,Memoria,Tipo,Cima,Memcima,Note; i valori esattamente come sono registrati\n"
    "(un valore in byte, un BLOB, come \"X'...'\" in esadecimale).\n\n"
    "  --db FILE         il database (predefinito: dati.mdb nella cartella corrente)\n"
    "  --out FILE        scrive il CSV nel file, sostituito per intero solo a lavoro finito;\n"
    "                    - per lo standard output (predefinito)\n"
    "  --type Live|Spin  solo le uscite di quel tipo di gioco (anche --tipo)\n"
    "  --lang it|en      la lingua dei messaggi (it: italiano, en: inglese)\n"
    "  -h, --help        mostra questo aiuto\n\n"
    "Uscita: 0 fatto, 1 un file non si può scrivere, 2 opzioni non valide, 3 il database\n"
    "manca o non è utilizzabile, 4 il database è bloccato da un altro programma: riprovare.\n");

const char* const kImportUsage = QT_TRANSLATE_NOOP(
    "CsvCommands",
    "Uso: zentrima13 import FILE [--db FILE] [--type Live|Spin] [--newest-first]\n"
    "Aggiunge alla tabella Uscite le uscite del FILE (\"-\": lo standard input): un CSV\n"
    "scritto da \"zentrima13 export\" (anche con \";\" tra i campi), oppure un elenco di\n"
    "numeri da 0 a 36 separati da a capo, spazi e virgole (o \";\"), nell'ordine in cui sono\n"
    "usciti, registrato come una partita nuova (Memoria 1, 2, ... 36, poi 37).  Gli id li\n"
    "assegna il database.  Ogni riga è controllata prima di scrivere: se una è sbagliata\n"
    "non si scrive nulla.  Il FILE può essere grande al massimo 256 MB.\n\n"
    "  --db FILE         il database (predefinito: dati.mdb nella cartella corrente;\n"
    "                    creato se manca)\n"
    "  --type Live|Spin  il Tipo delle uscite di un elenco di numeri (predefinito: vuoto;\n"
    "                    anche --tipo)\n"
    "  --newest-first    l'elenco comincia dall'ultima uscita (come molti storici\n"
    "                    pubblicati): le uscite sono registrate dalla più vecchia\n"
    "  --lang it|en      la lingua dei messaggi (it: italiano, en: inglese)\n"
    "  -h, --help        mostra questo aiuto\n\n"
    "Uscita: 0 fatto, 1 il file non si può leggere o ha una riga sbagliata, 2 opzioni non\n"
    "valide, 3 il database non è utilizzabile, 4 il database è bloccato da un altro\n"
    "programma: riprovare.\n");

QString plural(qint64 rows, const char* one, const char* many)
{
    return CsvCommandsText::tr(rows == 1 ? one : many).arg(rows);
}

int exitCode(SpinTransfer::Fault fault)
{
    switch (fault) {
    case SpinTransfer::Fault::Refused:
        return ExitData;
    case SpinTransfer::Fault::Busy:
        return ExitBusy;
    default:
        return ExitFailure;
    }
}

// The options the two commands share; the parse and its faults in Italian.
struct Options {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption db{QStringLiteral("db"), {}, QStringLiteral("FILE")};
    QCommandLineOption out{QStringLiteral("out"), {}, QStringLiteral("FILE")};
    // --tipo is the name it had first.
    QCommandLineOption tipo{
        {QStringLiteral("type"), QStringLiteral("tipo")}, {}, QStringLiteral("Live|Spin")};
    QCommandLineOption newestFirst{QStringLiteral("newest-first")};
    QString fault;
    int type = 0; // --type: 1 Live, 2 Spin, 0 none

    bool parse(const QStringList& arguments, bool exporting)
    {
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOption(help);
        parser.addOption(db);
        parser.addOption(exporting ? out : newestFirst);
        parser.addOption(tipo);
        if (!parser.parse(arguments)) {
            const QStringList unknown = parser.unknownOptionNames();
            // The other fault: an option that takes a value ends the line.
            QString last = arguments.last();
            while (last.startsWith(u'-'))
                last.remove(0, 1);
            fault =
                !unknown.isEmpty()
                    ? CsvCommandsText::tr("Opzione sconosciuta: %1.").arg(shownArgument(unknown.first()))
                    : CsvCommandsText::tr("Manca il valore di --%1.").arg(shownArgument(last));
            return false;
        }
        fault = repeatedOption(parser);
        if (!fault.isEmpty())
            return false;
        if (parser.isSet(tipo)) {
            const QString value = parser.value(tipo);
            if (value.compare(u"Live", Qt::CaseInsensitive) == 0)
                type = 1;
            else if (value.compare(u"Spin", Qt::CaseInsensitive) == 0)
                type = 2;
            else {
                fault =
                    CsvCommandsText::tr("--type vale Live o Spin, non «%1».").arg(shownArgument(value));
                return false;
            }
        }
        for (const QCommandLineOption* o : {&db, &out}) {
            if ((o == &db || exporting) && parser.isSet(*o) && parser.value(*o).isEmpty()) {
                fault = CsvCommandsText::tr("--%1 vuole il nome di un file.").arg(o->names().first());
                return false;
            }
        }
        return true;
    }

    QString dbPath() const { return parser.value(db); }
};

} // namespace

int runExport(const QStringList& arguments)
{
    Options o;
    if (!o.parse(arguments, true))
        return usageError(CsvCommandsText::tr(kExportUsage), o.fault);
    if (o.parser.isSet(o.help))
        return printOut(CsvCommandsText::tr(kExportUsage)) ? ExitOk : ExitFailure;
    if (!o.parser.positionalArguments().isEmpty())
        return usageError(CsvCommandsText::tr(kExportUsage),
                          QCoreApplication::translate("CsvCommands", "Argomento inatteso: %1.")
                              .arg(shownArgument(o.parser.positionalArguments().first())));

    SpinTransfer transfer(o.dbPath());
    const QString out = o.parser.isSet(o.out) ? o.parser.value(o.out) : QStringLiteral("-");
    if (out != u"-" && transfer.isDatabase(out))
        return usageError(
            CsvCommandsText::tr(kExportUsage),
            QCoreApplication::translate("CsvCommands", "--out non può essere il database %1.").arg(shownArgument(out)));
    // Both outputs are checked before the rows are read.
    const QString outPath = out == u"-" ? out : QFileInfo(out).absoluteFilePath();
    QString error;
    for (const QString& path : {outPath, QStringLiteral("-")}) {
        if (!checkOutput(path, QCoreApplication::translate("Files", "il file"), &error))
            return failWith(ExitFailure, error);
    }
    QByteArray csv;
    const QString command = viewerTypeCommand(o.type == 1 ? u"Live" : o.type == 2 ? u"Spin" : u"");
    if (!transfer.exportRows(command, &csv))
        return failWith(exitCode(transfer.fault()), transfer.error());

    // The file, and the line that tells it is written, or nothing.
    Outputs outputs;
    outputs.add(outPath, QCoreApplication::translate("Files", "il file"), csv);
    if (out != u"-")
        outputs.add(
            QStringLiteral("-"), {},
            plural(transfer.rows(), QT_TRANSLATE_NOOP("CsvCommands", "%1 uscita esportata in %2.\n"),
                   QT_TRANSLATE_NOOP("CsvCommands", "%1 uscite esportate in %2.\n"))
                .arg(shownArgument(out))
                .toLocal8Bit());
    if (!outputs.write(&error))
        return failWith(ExitFailure, error);
    return ExitOk;
}

int runImport(const QStringList& arguments)
{
    Options o;
    if (!o.parse(arguments, false))
        return usageError(CsvCommandsText::tr(kImportUsage), o.fault);
    if (o.parser.isSet(o.help))
        return printOut(CsvCommandsText::tr(kImportUsage)) ? ExitOk : ExitFailure;
    const QStringList files = o.parser.positionalArguments();
    if (files.size() != 1)
        return usageError(
            CsvCommandsText::tr(kImportUsage),
            files.isEmpty()
                ? CsvCommandsText::tr("Manca il file da importare.")
                : CsvCommandsText::tr("Un file solo, non anche %1.").arg(shownArgument(files[1])));

    const QString name = files.first();
    QByteArray bytes;
    QString error;
    // The line that tells what was imported must be able to go out: nothing
    // is imported unsaid.
    if (!checkOutput(QStringLiteral("-"), {}, &error))
        return failWith(ExitFailure, error);
    if (!readWhole(name, kLargestInput, &bytes, &error))
        return failWith(ExitFailure, error);
    SpinCsvReader reader(bytes, o.type);
    bytes.clear(); // the reader holds the text
    reader.setNewestFirst(o.parser.isSet(o.newestFirst));
    if (reader.format() == SpinCsvReader::Format::Table) {
        for (const QCommandLineOption* option : {&o.tipo, &o.newestFirst}) {
            if (o.parser.isSet(*option))
                return usageError(CsvCommandsText::tr(kImportUsage),
                                  QCoreApplication::translate("CsvCommands", "--%1 vale solo per un elenco di numeri: il file %2 "
                                           "ha le colonne di un'esportazione.")
                                      .arg(option->names().first(), shownArgument(name)));
        }
    }
    if (!reader.check())
        return failWith(ExitFailure, CsvCommandsText::tr("File %1, %2: nessuna uscita è stata importata.")
                                         .arg(shownArgument(name), reader.error()));

    SpinTransfer transfer(o.dbPath());
    if (!transfer.importRows(reader))
        return failWith(exitCode(transfer.fault()), transfer.error());
    const QString db =
        o.dbPath().isEmpty() ? QString::fromLatin1(kStoreFileName) : shownArgument(o.dbPath());
    const QString done =
        plural(transfer.rows(), QT_TRANSLATE_NOOP("CsvCommands", "%1 uscita importata in %2."),
               QT_TRANSLATE_NOOP("CsvCommands", "%1 uscite importate in %2."))
            .arg(db);
    if (!writeStandardOutput((done + u'\n').toLocal8Bit(), &error))
        return failWith(ExitFailure, error + u' ' + done);
    return ExitOk;
}

} // namespace zt
