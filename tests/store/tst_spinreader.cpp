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

class SpinReaderTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void numbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number");
        QTest::newRow("recorded") << " 17" << 17;
        QTest::newRow("zero") << " 0" << 0;
        QTest::newRow("plain") << "36" << 36;
        QTest::newRow("leading number") << "5x" << 5;
        QTest::newRow("whole as fraction") << "36.0" << 36;
        QTest::newRow("signed") << " +5" << 5;
        QTest::newRow("above") << " 37" << -1;
        QTest::newRow("fraction") << "2.5" << -1;
        QTest::newRow("negative") << "-3" << -1;
        QTest::newRow("empty is no zero") << "" << -1;
        QTest::newRow("word is no zero") << "abc" << -1;
        QTest::newRow("blanks") << "   " << -1;
    }
    void numbers()
    {
        QFETCH(QString, text);
        QFETCH(int, number);
        QCOMPARE(spinNumber(text), number);
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
        QVERIFY(!r.restarted);
        QCOMPARE(r.spins.size(), 5u);
        QCOMPARE(r.unreadable, 3);
        QCOMPARE(r.lastId, 8);
        QList<int> got;
        for (const stats::Spin& s : r.spins)
            got << s.number << s.type;
        QCOMPARE(got, (QList<int>{5, 1, 0, 2, 12, 2, 7, 0, 9, 0}));

        // Only the rows added since.
        sql("INSERT INTO Uscite (Numero, Tipo) VALUES (' 33', 1)");
        QCOMPARE(readSpins(r, &problem), ReadResult::Read);
        QCOMPARE(r.spins.size(), 6u);
        QCOMPARE(r.spins.back().number, 33);
        QCOMPARE(r.lastId, 9);
        QCOMPARE(r.rows, 9);
        QVERIFY(!r.restarted);
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
        const auto numbers = [](const SpinReading& r) {
            QList<int> out;
            for (const stats::Spin& s : r.spins)
                out << s.number;
            return out;
        };
        sql("INSERT INTO Uscite (Numero, Tipo) VALUES (' 4', 2), (' 5', 2)");
        SpinReading next = goOn();
        QVERIFY(!next.restarted);
        QCOMPARE(numbers(next), (QList<int>{4, 5}));
        QCOMPARE(next.rows, 5);

        // A row deleted and one added: as many rows, not the same ones.
        sql({"DELETE FROM Uscite WHERE id = 3",
             "INSERT INTO Uscite (Numero, Tipo) VALUES (' 6', 1)"});
        next = goOn();
        QVERIFY(next.restarted);
        QCOMPARE(numbers(next), (QList<int>{1, 2, 4, 5, 6}));
        QCOMPARE(next.rows, 5);
        QCOMPARE(next.unreadable, 0);
        QCOMPARE(next.lastId, 6);
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
        QCOMPARE(rows.size(), 3u);
        QCOMPARE(rows[2].read.number, 17.0);
        QVERIFY(rows[0].read.startsGame && !rows[1].read.startsGame);
        QCOMPARE(clock.timed(), 0);
        readSpinTimes(path, {}, -1, clock);
        QCOMPARE(clock.timed(), 0);

        sql({"CREATE TABLE IF NOT EXISTS UsciteOra (id INTEGER PRIMARY KEY, Ora TEXT NOT NULL)",
             "INSERT INTO UsciteOra VALUES (1, '2026-12-06T22:00:00+01:00'), "
             "(2, '2026-12-06T22:10:00+01:00'), (3, '2026-12-06T22:20:00+01:00'), "
             "(4, 'più tardi')"});
        rows.clear();
        QCOMPARE(readReplayRowsOfType(path, 1, rows, &clock, &problem), ReplayRead::Done);
        QCOMPARE(rows.size(), 3u);
        QCOMPARE(clock.timed(), 2); // rows 1 and 3; row 4's time does not read as one
        QCOMPARE(clock.last().toString(Qt::ISODate), QString("2026-12-06T22:20:00+01:00"));
        // The rows verify replays from id 2, two of them.
        SpinClock replayed;
        readSpinTimes(path, 2, 2, replayed);
        QCOMPARE(replayed.timed(), 2);
        QCOMPARE(replayed.perHour(), 6.0);
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
        QVERIFY(!viewer.open());
        QVERIFY2(viewer.lastError().startsWith("Il file dati.mdb è danneggiato"),
                 qPrintable(viewer.lastError()));
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
        QVERIFY(!viewer.open());
        QVERIFY2(viewer.lastError().startsWith("Il file dati.mdb è danneggiato"),
                 qPrintable(viewer.lastError()));
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
