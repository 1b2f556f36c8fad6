#include "core/betting.h"
#include "core/verifier.h"
#include "store/recordcursor.h"
#include "store/replayreader.h"
#include "store/spinreader.h"
#include "store/storecommands.h"
#include "storetesting.h"
#include "testsupport.h"

using namespace zt;
using zt::test::sql;

namespace {
// A reading: its spins as number/type, then the rows unreadable, the last id,
// the rows read and whether it read every row again.
QString readingText(const SpinReading& r)
{
    QStringList spins;
    for (const stats::Spin& s : r.spins)
        spins << QStringLiteral("%1/%2").arg(s.number).arg(s.type);
    return spins.join(u' ') + QString::asprintf(" | %lld unreadable, last %lld, %lld rows%s",
                                                r.unreadable, r.lastId, r.rows,
                                                r.restarted ? ", again" : "");
}
} // namespace

class SpinReaderTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A Numero as read (-1: no number of the wheel; an empty text is no zero).
    void numbers()
    {
        QStringList read;
        for (const char* text :
             {" 17", " 0", "36", "5x", "36.0", " +5", " 37", "2.5", "-3", "", "abc", "   "})
            read << QString::number(spinNumber(QString::fromLatin1(text)));
        QCOMPARE(read.join(u' '), "17 0 36 5 36 5 -1 -1 -1 -1 -1 -1");
    }

    void readsNumberAndTypeInOrder()
    {
        test::FreshDir dir;
        SpinReading r;
        QString problem;
        // No file: nothing recorded yet, and no file made.
        QCOMPARE(readSpins(r, &problem), ReadResult::NoFile);
        QVERIFY(!QFile::exists("dati.mdb"));

        sql({test::usciteTable,
             "INSERT INTO Uscite (Numero, Tipo) VALUES (' 5', 1), (' 0', 2), ('', 1), (NULL, 1), "
             "(' 40', 1), (12, '2'), (' 7', NULL), (' 9', 3)"});
        QCOMPARE(readSpins(r, &problem), ReadResult::Read);
        QCOMPARE(readingText(r), "5/1 0/2 12/2 7/0 9/0 | 3 unreadable, last 8, 8 rows");
        // Only the rows added since.
        sql("INSERT INTO Uscite (Numero, Tipo) VALUES (' 33', 1)");
        QCOMPARE(readSpins(r, &problem), ReadResult::Read);
        QCOMPARE(readingText(r), "5/1 0/2 12/2 7/0 9/0 33/1 | 3 unreadable, last 9, 9 rows");
    }

    // A reading that goes on from an earlier one (without its spins) gets
    // only the rows added; rows deleted make it read every row again (for
    // another file put in its place see the statistics window's test).
    void goesOnOrStartsAgain()
    {
        test::FreshDir dir;
        sql({test::usciteTable, "INSERT INTO Uscite (Numero, Tipo) VALUES (' 1', 1), (' 2', 1), "
                                "('x', 1)"});
        SpinReading first;
        QCOMPARE(readSpins(first, nullptr), ReadResult::Read);
        const auto goOn = [&first] {
            SpinReading next;
            next.lastId = first.lastId;
            next.rows = first.rows;
            next.file = first.file;
            if (readSpins(next, nullptr) != ReadResult::Read)
                qFatal("not read");
            return next;
        };
        sql("INSERT INTO Uscite (Numero, Tipo) VALUES (' 4', 2), (' 5', 2)");
        QCOMPARE(readingText(goOn()), "4/2 5/2 | 0 unreadable, last 5, 5 rows");
        // A row deleted and one added: as many rows, not the same ones.
        sql({"DELETE FROM Uscite WHERE id = 3",
             "INSERT INTO Uscite (Numero, Tipo) VALUES (' 6', 1)"});
        QCOMPARE(readingText(goOn()), "1/1 2/1 4/2 5/2 6/1 | 0 unreadable, last 6, 5 rows, again");
    }

    void manyRowsInStretches()
    {
        test::FreshDir dir;
        sql({test::usciteTable,
             "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 45000) "
             "INSERT INTO Uscite (Numero, Tipo) SELECT ' ' || (i % 37), 1 + i % 2 FROM n"});
        SpinReading r;
        QCOMPARE(readSpins(r, nullptr), ReadResult::Read);
        QCOMPARE(r.spins.size(), 45000u);
        QCOMPARE(r.spins[44999].number, 45000 % 37);
        std::atomic<bool> cancel{true};
        SpinReading none;
        QCOMPARE(readSpins(none, nullptr, &cancel), ReadResult::Cancelled);
        QVERIFY(none.spins.empty());
    }

    // The rows replayed for their money, of one game type, with the times
    // at which they were entered where the file keeps them (a table of its
    // own beside Uscite, which files made before it lack).
    void replayRowsOfTypeAndTimes()
    {
        test::FreshDir dir;
        sql({test::usciteTable,
             "INSERT INTO Uscite (Numero, Memoria, Tipo) VALUES (' 5', ' 1', 1), (' 0', ' 2', 2), "
             "(' 9', ' 3', 1), (' 17', ' 4', '1'), (' 3', ' 5', NULL)"});
        const QString path = QDir::current().absoluteFilePath("dati.mdb");
        ReplayRows rows;
        SpinClock clock;
        QString problem;
        QCOMPARE(readReplayRowsOfType(path, 1, rows, &clock, &problem), ReplayRead::Done);
        QVERIFY(rows.size() == 3 && rows[2].read.number == 17);
        QVERIFY(rows[0].read.startsGame && !rows[1].read.startsGame);
        readSpinTimes(path, {}, -1, clock);
        QCOMPARE(clock.timed(), 0);

        sql({"CREATE TABLE IF NOT EXISTS UsciteOra (id INTEGER PRIMARY KEY, Ora TEXT NOT NULL)",
             "INSERT INTO UsciteOra VALUES (1, '2026-12-06T22:00:00+01:00'), "
             "(2, '2026-12-06T22:10:00+01:00'), (3, '2026-12-06T22:20:00+01:00'), "
             "(4, 'più tardi')"});
        rows.clear();
        QCOMPARE(readReplayRowsOfType(path, 1, rows, &clock, &problem), ReplayRead::Done);
        // Rows 1 and 3; row 4's time does not read as one.
        QVERIFY(rows.size() == 3 && clock.timed() == 2);
        QCOMPARE(clock.last().toString(Qt::ISODate), QString("2026-12-06T22:20:00+01:00"));
        SpinClock replayed; // the rows verify replays from id 2, two of them
        readSpinTimes(path, 2, 2, replayed);
        QVERIFY(replayed.timed() == 2 && replayed.perHour() == 6.0);
        QCOMPARE(readReplayRowsOfType(path, 0, rows, nullptr, &problem), ReplayRead::Done);
        QCOMPARE(rows.size(), 8u);

        test::writeFile("rotto.mdb", "not a database at all");
        QCOMPARE(readReplayRowsOfType(QDir::current().absoluteFilePath("rotto.mdb"), 0, rows,
                                      &clock, &problem),
                 ReplayRead::Unusable);
        QVERIFY(problem.startsWith("Il file rotto.mdb non è un database valido"));
    }

    void unusableFile()
    {
        test::FreshDir dir;
        test::writeFile("dati.mdb", QByteArray("not a database at all").repeated(100));
        SpinReading r;
        QString problem;
        QCOMPARE(readSpins(r, &problem), ReadResult::Failed);
        QCOMPARE(problem, QStringLiteral("Il file dati.mdb non è un database valido: le righe non "
                                         "sono state lette."));
        QCOMPARE(test::fileBytes("dati.mdb"), QByteArray("not a database at all").repeated(100));

        // A row the engine finds damaged fails the whole read: no rows up to it.
        QFile::remove("dati.mdb");
        sql({test::usciteTable,
             "INSERT INTO Uscite (Numero, Memoria, Tipo) VALUES (' 5', ' 1', 1), "
             "('ZZZZZZZZZZ', ' 2', 1), (' 9', ' 3', 1)"});
        QByteArray bytes = test::fileBytes("dati.mdb");
        const qsizetype text = bytes.indexOf("ZZZZZZZZZZ");
        QCOMPARE(bytes.mid(text - 8, 4).toHex(), QByteArray("08002111")); // its record's header
        bytes[text - 6] = 0x7f; // a text longer than the record
        test::writeFile("dati.mdb", bytes);
        ReplayRows rows;
        QCOMPARE(readReplayRowsOfType(QDir::current().absoluteFilePath("dati.mdb"), 0, rows,
                                      nullptr, &problem),
                 ReplayRead::Unusable);
        QVERIFY2(problem.startsWith("Il file dati.mdb è danneggiato"), qPrintable(problem));
        SpinReading damaged;
        QCOMPARE(readSpins(damaged, &problem), ReadResult::Failed);
        QCOMPARE(problem,
                 QStringLiteral("Il file dati.mdb è danneggiato: le righe non sono state lette."));
        RecordCursor viewer(viewerCommand());
        QVERIFY(!viewer.open() && viewer.lastError().startsWith("Il file dati.mdb è danneggiato"));
        // And a damaged page among the ids the viewer lists, past those it reads at once.
        QFile::remove("dati.mdb");
        sql({test::usciteTable,
             "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 40000) "
             "INSERT INTO Uscite (Numero, Memoria) SELECT ' ' || (i % 37), ' ' || i FROM n"});
        QByteArray many = test::fileBytes("dati.mdb");
        const qsizetype middle = many.size() / 4096 / 2 * 4096; // a page of rows
        QCOMPARE(int(many[middle]), 0x0d);
        many[middle] = 0;
        test::writeFile("dati.mdb", many);
        QVERIFY(!viewer.open() && viewer.lastError().startsWith("Il file dati.mdb è danneggiato"));
        // So does a table whose first page is damaged, before any row is read.
        bytes[4096] = 0;
        test::writeFile("dati.mdb", bytes);
        QCOMPARE(readReplayRowsOfType(QDir::current().absoluteFilePath("dati.mdb"), 0, rows,
                                      nullptr, &problem),
                 ReplayRead::Unusable);
        QVERIFY2(problem.startsWith("Il file dati.mdb è danneggiato"), qPrintable(problem));
    }
};

ZT_TEST_MAIN(SpinReaderTest)
#include "tst_spinreader.moc"
