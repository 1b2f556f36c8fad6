#include "bench.h"

#include "core/textrules.h"
#include "store/recordcursor.h"
#include "store/spinqueue.h"
#include "store/spinrecorder.h"
#include "store/storecommands.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <vector>

namespace {

using zt::bench::ms;
using zt::bench::percentile;

// Works in a folder of its own for as long as it lives.
class Folder {
public:
    Folder() : old_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
    ~Folder() { QDir::setCurrent(old_); }

private:
    QTemporaryDir dir_;
    QString old_;
};

// dati.mdb with `rows` spins written in one transaction (every 1000th with a note).
void makeFile(int rows)
{
    {
        zt::SpinRecorder create;
        create.open();
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "bench-fill");
        db.setDatabaseName(QStringLiteral("dati.mdb"));
        db.open();
        QSqlQuery q(db);
        q.exec(QStringLiteral(
                   "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                   "INSERT INTO Uscite (Numero, Memoria, Tipo, Note) SELECT ' ' || (i % 37), "
                   "' ' || (i % 37 + 1), i % 3, CASE WHEN i % 1000 = 0 THEN 'nota' END FROM n")
                   .arg(rows));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench-fill"));
}

// Median time of opening the main board's source.
double boardStartMs()
{
    std::vector<double> times;
    for (int i = 0; i < 21; ++i) {
        QElapsedTimer t;
        t.start();
        zt::SpinRecorder rec;
        rec.open();
        times.push_back(ms(t));
    }
    return percentile(times, 0.5);
}

} // namespace

ZT_BENCH(store_record_latency)
{
    Folder folder;
    zt::SpinRecorder rec;
    rec.open();
    std::vector<double> times;
    for (int i = 0; i < 2000; ++i) {
        QElapsedTimer t;
        t.start();
        rec.record(zt::signText(i % 37), QStringLiteral("1"), zt::signText(i % 37 + 1));
        times.push_back(ms(t));
    }
    zt::bench::report("record a spin (durable), median", percentile(times, 0.5), "ms");
    zt::bench::report("record a spin (durable), 99th percentile", percentile(times, 0.99), "ms");
}

ZT_BENCH(store_million_rows)
{
    double emptyStart = 0;
    {
        Folder empty;
        makeFile(0);
        boardStartMs(); // warm-up
        emptyStart = boardStartMs();
    }
    Folder folder;
    QElapsedTimer t;
    t.start();
    makeFile(1000000);
    zt::bench::report("build a 1,000,000-row dati.mdb", ms(t), "ms");
    const double bigStart = boardStartMs();
    zt::bench::report("main board source start-up, empty table", emptyStart, "ms");
    zt::bench::report("main board source start-up, 1,000,000 rows", bigStart, "ms");
    zt::bench::report("start-up ratio 1,000,000 rows / empty", bigStart / emptyStart, "x");

    {
        zt::SpinRecorder rec;
        rec.open();
        std::vector<double> times;
        for (int i = 0; i < 200; ++i) {
            QElapsedTimer r;
            r.start();
            rec.record(QStringLiteral(" 5"), QString(), QStringLiteral(" 37"));
            times.push_back(ms(r));
        }
        zt::bench::report("record a spin into 1,000,000 rows, median", percentile(times, 0.5),
                          "ms");
    }

    t.start();
    zt::RecordCursor viewer(zt::viewerCommand());
    viewer.open();
    zt::bench::report("open the viewer source on 1,000,000 rows", ms(t), "ms");

    std::vector<double> finds;
    for (qint64 id : {999999, 500000, 5, 750001, 999000}) {
        viewer.moveFirst();
        t.start();
        viewer.findId(id);
        viewer.text(u"Numero");
        finds.push_back(ms(t));
    }
    zt::bench::report("find by id from the first row, worst of 5", percentile(finds, 1.0), "ms");

    viewer.moveFirst();
    viewer.findId(400000);
    t.start();
    double sum = 0;
    for (int i = 0; i < 100000; ++i) {
        sum +=
            zt::leadingNumber(viewer.text(u"Numero")) + zt::leadingNumber(viewer.text(u"Memoria"));
        viewer.moveNext();
    }
    const double stepMs = ms(t);
    zt::bench::report("step 100,000 rows reading Numero and Memoria", stepMs, "ms");
    zt::bench::report("stepping rate", 100000.0 / (stepMs / 1000.0), "rows/s");

    t.start();
    viewer.setCommand(zt::viewerTypeCommand(u"Live"));
    viewer.requery();
    zt::bench::report("filter \"Live\" on 1,000,000 rows", ms(t), "ms");

    t.start();
    zt::RecordCursor notes(zt::notesCommand());
    notes.open();
    zt::bench::report("open the notes source on 1,000,000 rows (1,000 notes)", ms(t), "ms");
    if (sum < 0)
        zt::bench::report("checksum", sum, "");
}

namespace {

// A queue file of `lines` lines as a long evening held by another program
// leaves it: the spins in order, one in ten marked written a little later.
void makeQueueFile(int lines)
{
    const auto line = [](const QByteArray& text) {
        return text + '\t' + QByteArray::number(qChecksum(text), 16).rightJustified(4, '0') + '\n';
    };
    QByteArray bytes;
    qint64 key = 0;
    for (int n = 0; n < lines; ++n) {
        if (n % 11 == 10 && key > 5) {
            bytes += line("scritta\t" + QByteArray::number(key - 5));
            continue;
        }
        ++key; // a spin every 30 seconds
        const qint64 at = key * 30;
        const QByteArray ora = QStringLiteral("2026-12-%1T%2:%3:%4+01:00")
                                   .arg(1 + at / 86400 % 28, 2, 10, QLatin1Char('0'))
                                   .arg(at / 3600 % 24, 2, 10, QLatin1Char('0'))
                                   .arg(at / 60 % 60, 2, 10, QLatin1Char('0'))
                                   .arg(at % 60, 2, 10, QLatin1Char('0'))
                                   .toLatin1();
        bytes += line("uscita\t" + QByteArray::number(key) + "\t " + QByteArray::number(key % 37) +
                      "\t " + QByteArray::number(key % 37 + 1) + "\t2\t" + ora);
    }
    QFile file(QStringLiteral("dati.mdb-attesa"));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

} // namespace

ZT_BENCH(store_waiting_lines)
{
    for (int lines : {20000, 1000000}) {
        Folder folder;
        makeQueueFile(lines);
        QElapsedTimer t;
        t.start();
        const double cpu = zt::bench::threadSeconds();
        zt::SpinQueue queue;
        queue.load(QStringLiteral("dati.mdb-attesa"));
        const double took = ms(t);
        const double cpuMs = (zt::bench::threadSeconds() - cpu) * 1000;
        if (queue.spins().size() != size_t(lines - lines / 11 * 2))
            zt::bench::report(QStringLiteral("  spins lost: %1").arg(queue.problem()), 0, "");
        zt::bench::report(QStringLiteral("%1 waiting lines loaded (%2 spins wait)")
                              .arg(QLocale(QLocale::English).toString(lines))
                              .arg(queue.spins().size()),
                          took, "ms");
        zt::bench::report(QStringLiteral("  of which processor time"), cpuMs, "ms");
    }
}
