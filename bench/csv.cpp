#include "bench.h"

#include "core/spincsv.h"
#include "store/spinrecorder.h"
#include "store/spintransfer.h"
#include "store/storecommands.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace {

constexpr int kRows = 1000000;

// Wall time, and the CPU time of this thread, since start().
class Clock {
public:
    void start()
    {
        wall_.start();
        cpu_ = zt::bench::threadSeconds();
    }
    void report(const char* figure)
    {
        const double wall = double(wall_.nsecsElapsed()) / 1e6;
        const double cpu = (zt::bench::threadSeconds() - cpu_) * 1e3;
        zt::bench::report(QString::fromLatin1(figure), wall, QStringLiteral("ms"));
        zt::bench::report(QString::fromLatin1(figure) + QStringLiteral(", CPU time"), cpu,
                          QStringLiteral("ms"));
    }

private:
    QElapsedTimer wall_;
    double cpu_ = 0;
};

// dati.mdb in the working directory with kRows spins: games of 40, types
// mixed, every 100th row with a note that needs quoting.
void makeFile()
{
    zt::SpinRecorder().open();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "bench-csv");
        db.setDatabaseName(QStringLiteral("dati.mdb"));
        db.open();
        QSqlQuery(db).exec(
            QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE "
                           "i < %1) INSERT INTO Uscite (Numero, Memoria, Tipo, Note) SELECT ' ' "
                           "|| (i * 7 % 37), ' ' || min(i % 40 + 1, 37), nullif(i % 3, 0), CASE "
                           "WHEN i % 100 = 0 THEN 'serata, \"tavolo 3\"' || char(10) || 'è' END "
                           "FROM n")
                .arg(kRows));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench-csv"));
}

// What "zentrima13 import FILE" does after reading the file.
bool importBytes(const QByteArray& bytes, const QString& db)
{
    zt::SpinCsvReader reader(bytes);
    zt::SpinTransfer transfer(db);
    return reader.check() && transfer.importRows(reader) && transfer.rows() == kRows;
}

} // namespace

ZT_BENCH(csv_million_rows)
{
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    makeFile();

    // Export: the rows read and written as CSV to a file, whole.
    Clock t;
    t.start();
    zt::SpinTransfer out;
    QByteArray csv;
    QString error;
    if (!out.exportRows(zt::viewerCommand(), &csv) || out.rows() != kRows ||
        !zt::saveFileWhole(folder.filePath("uscite.csv"), csv, &error))
        qFatal("export failed: %s", qPrintable(out.error() + error));
    t.report("export 1,000,000 rows to a CSV file");
    zt::bench::report("CSV size", double(csv.size()) / 1e6, "MB");

    // Import: the file read, every line checked, the rows stored in one
    // transaction into a new file.
    t.start();
    QFile file(folder.filePath("uscite.csv"));
    if (!file.open(QIODevice::ReadOnly) || !importBytes(file.readAll(), folder.filePath("a.mdb")))
        qFatal("import failed");
    t.report("import 1,000,000 rows from the CSV file");

    // A plain list of numbers, one per line.
    QByteArray list;
    for (int i = 0; i < kRows; ++i)
        list += QByteArray::number(i * 7 % 37) + '\n';
    t.start();
    if (!importBytes(list, folder.filePath("b.mdb")))
        qFatal("list import failed");
    t.report("import a list of 1,000,000 numbers");
}
