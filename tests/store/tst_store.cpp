#include "app/textrules.h"
#include "store/recordsource.h"
#include "store/spinrecorder.h"
#include "store/storecommands.h"
#include "storetesting.h"
#include "testsupport.h"

#include <QItemSelectionModel>
#include <QSignalSpy>

#include <memory>

using zt::RecordSource;
using zt::SpinRecorder;
using zt::test::ids;
using zt::test::sql;

namespace {

// Records n spins (numbers 0, 1, 2, …), each of the given game type.
void recordSpins(int n, const QString& tipo = QString())
{
    SpinRecorder rec;
    for (int i = 0; i < n; ++i)
        QVERIFY2(rec.record(zt::signText(i % 37), tipo, zt::signText(i % 37 + 1)),
                 qPrintable(rec.lastError()));
}

QList<qint64> sourceIds(RecordSource& src)
{
    QList<qint64> out;
    for (bool on = src.moveFirst(); on; on = src.moveNext())
        out << src.value(u"id").toLongLong();
    return out;
}

} // namespace

class StoreTest : public QObject {
    Q_OBJECT
    std::unique_ptr<zt::test::FreshDir> dir_;

private Q_SLOTS:
    void init() { dir_ = std::make_unique<zt::test::FreshDir>(); }
    void cleanup() { dir_.reset(); }

    void recordingStoresTheCallersTexts()
    {
        SpinRecorder rec;
        QVERIFY2(rec.open(), qPrintable(rec.lastError())); // creates dati.mdb
        QVERIFY(rec.record(u" 17"_qs, u"1"_qs, u" 1"_qs));
        const qint64 first = rec.lastId();
        QVERIFY(rec.record(u" 0"_qs, u"2"_qs, u" 37"_qs));
        QVERIFY(rec.record(u" 5"_qs, QString(), u" 2"_qs));
        QVERIFY(rec.lastId() > first);

        QCOMPARE(sql("SELECT Numero FROM Uscite ORDER BY id"),
                 (QVariantList{u" 17"_qs, u" 0"_qs, u" 5"_qs}));
        QCOMPARE(sql("SELECT Memoria FROM Uscite ORDER BY id"),
                 (QVariantList{u" 1"_qs, u" 37"_qs, u" 2"_qs}));
        QCOMPARE(sql("SELECT count(*) FROM Uscite WHERE Tipo IS NULL AND Note IS NULL"),
                 QVariantList{1});
        QCOMPARE(ids(sql("SELECT id FROM Uscite WHERE Tipo = 2")), QList<qint64>{first + 1});

        RecordSource viewer(zt::viewerCommand());
        QVERIFY(viewer.open());
        QCOMPARE(viewer.text(u"numero"), u" 17"_qs);
        QCOMPARE(zt::leadingNumber(viewer.text(u"Memoria")), 1.0);
        QCOMPARE(viewer.text(u"TIPO"), u"1"_qs);
        QCOMPARE(viewer.text(u"Cima"), QString());
        QVERIFY(viewer.value(u"note").isNull());
    }

    void typeFilterSelectsRows_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QList<qint64>>("expected");
        QTest::newRow("every row") << "." << QList<qint64>{1, 2, 3, 4};
        QTest::newRow("initial text") << "Scegli" << QList<qint64>{1, 2, 3, 4};
        QTest::newRow("live") << "Live" << QList<qint64>{1, 3};
        QTest::newRow("spin") << "Spin" << QList<qint64>{2};
        QTest::newRow("case matters") << "live" << QList<qint64>{1, 2, 3, 4};
    }
    void typeFilterSelectsRows()
    {
        QFETCH(QString, choice);
        QFETCH(QList<qint64>, expected);
        SpinRecorder rec;
        for (const char* tipo : {"1", "2", "1", ""})
            QVERIFY(rec.record(u" 9"_qs, QString::fromLatin1(tipo), u" 1"_qs));

        RecordSource viewer(zt::viewerCommand());
        QVERIFY(viewer.open());
        QVERIFY(viewer.moveLast());
        viewer.setCommand(zt::viewerTypeCommand(choice));
        QVERIFY2(viewer.requery(), qPrintable(viewer.lastError()));
        QCOMPARE(viewer.currentRow(), 0); // a requery starts from the first row
        QCOMPARE(sourceIds(viewer), expected);
    }

    void findGoesToTheRowWithThatId()
    {
        recordSpins(60);
        RecordSource viewer(zt::viewerCommand());
        QVERIFY(viewer.open());
        QVERIFY(viewer.moveLast());
        QVERIFY(viewer.moveFirst());
        QVERIFY(viewer.findId(5));
        QCOMPARE(viewer.value(u"ID").toLongLong(), 5);
        QCOMPARE(viewer.text(u"Numero"), u" 4"_qs);

        QVERIFY(viewer.findId(5)); // the current row counts
        QCOMPARE(viewer.currentRow(), 4);

        // Forward only: from row 10 the row with id 5 is not found.
        QVERIFY(viewer.setCurrentRow(10));
        QVERIFY(!viewer.findId(5));
        QVERIFY(viewer.isEof() && !viewer.hasCurrent());
        QVERIFY(viewer.lastError().isEmpty()); // no match is no error
        QVERIFY(!viewer.value(u"Numero").isValid());
        QCOMPARE(viewer.lastError(), u"Nessuna riga selezionata."_qs);

        // From before the first row the search starts at the first row.
        QVERIFY(viewer.moveFirst());
        QVERIFY(!viewer.movePrevious());
        QVERIFY(viewer.isBof());
        QVERIFY(viewer.findId(60));
        QVERIFY(!viewer.findId(61));
        QVERIFY(viewer.isEof());
    }

    void positionStopsBeforeFirstAndPastLast()
    {
        recordSpins(4);
        RecordSource viewer(zt::viewerCommand());
        QVERIFY(viewer.open());
        QSignalSpy moved(&viewer, &RecordSource::currentChanged);

        // A replay of every row: send the current row, then step unless past the last.
        QStringList sent;
        while (!viewer.isEof()) {
            sent << viewer.text(u"Numero");
            viewer.moveNext();
        }
        QCOMPARE(sent, (QStringList{u" 0"_qs, u" 1"_qs, u" 2"_qs, u" 3"_qs}));
        QVERIFY(!viewer.moveNext()); // stays past the last row
        QVERIFY(viewer.isEof() && !viewer.isBof());
        QCOMPARE(moved.count(), 4);

        // Stepping back three times from there ends on the second row.
        for (int i = 0; i < 3; ++i) {
            if (!viewer.isBof())
                viewer.movePrevious();
        }
        QCOMPARE(viewer.value(u"id").toLongLong(), 2);
        QVERIFY(viewer.movePrevious());
        QVERIFY(!viewer.movePrevious());
        QVERIFY(viewer.isBof() && !viewer.isEof());
        QVERIFY(!viewer.movePrevious());
        QVERIFY(viewer.isBof());
        QVERIFY(viewer.moveNext());
        QCOMPARE(viewer.currentRow(), 0);

        // The navigation bar's way: stay on the last row.
        QVERIFY(viewer.moveLast());
        if (!viewer.moveNext())
            viewer.moveLast();
        QCOMPARE(viewer.currentRow(), 3);

        // An empty result is before the first and past the last row at once.
        viewer.setCommand(u"SELECT id, Numero FROM Uscite WHERE id < 0"_qs);
        QVERIFY(viewer.requery());
        QVERIFY(viewer.isBof() && viewer.isEof());
        QVERIFY(!viewer.moveFirst() && !viewer.moveNext() && !viewer.movePrevious());
        QVERIFY(!viewer.findId(1));
        QVERIFY(!viewer.deleteCurrent());
        QCOMPARE(viewer.lastError(), u"Nessuna riga selezionata."_qs);
        QVERIFY(!viewer.updateCurrent({{u"Numero"_qs, u" 1"_qs}}));
        QCOMPARE(viewer.lastError(), u"Nessuna riga selezionata."_qs);
    }

    void deleteRemovesOneRowAndIdsAreNeverReused()
    {
        recordSpins(5);
        RecordSource viewer(zt::viewerCommand());
        QVERIFY(viewer.open());
        QVERIFY(viewer.findId(3));
        QVERIFY2(viewer.deleteCurrent(), qPrintable(viewer.lastError()));
        QCOMPARE(viewer.value(u"id").toLongLong(), 4); // the next row is current
        QCOMPARE(ids(sql("SELECT id FROM Uscite ORDER BY id")), (QList<qint64>{1, 2, 4, 5}));
        QCOMPARE(sourceIds(viewer), (QList<qint64>{1, 2, 4, 5}));
        QCOMPARE(viewer.rowCount(), 4);

        QVERIFY(viewer.moveLast());
        QVERIFY(viewer.deleteCurrent());
        QCOMPARE(viewer.value(u"id").toLongLong(), 4); // the new last row
        SpinRecorder rec;
        QVERIFY(rec.record(u" 7"_qs, QString(), u" 1"_qs));
        QCOMPARE(rec.lastId(), 6);
        QCOMPARE(ids(sql("SELECT id FROM Uscite ORDER BY id")), (QList<qint64>{1, 2, 4, 6}));

        // The row recorded meanwhile appears only after a requery.
        QCOMPARE(viewer.size(), 3);
        QVERIFY(viewer.requery());
        QCOMPARE(sourceIds(viewer), (QList<qint64>{1, 2, 4, 6}));

        // A row deleted through another connection cannot be deleted again.
        RecordSource other(zt::viewerCommand());
        QVERIFY(other.open());
        QVERIFY(viewer.moveFirst() && viewer.findId(4) && viewer.deleteCurrent());
        QVERIFY(other.findId(4));
        QVERIFY(!other.deleteCurrent());
        QVERIFY(other.lastError().contains(u"non è stata cancellata"));
        QCOMPARE(ids(sql("SELECT id FROM Uscite ORDER BY id")), (QList<qint64>{1, 2, 6}));
    }

    void notesRoundTripAsTyped()
    {
        recordSpins(3);
        const QString note =
            u"Ω «già» 日本 \"x\" '); DROP TABLE Uscite; -- SELECT * FROM Uscite;"_qs;
        {
            RecordSource viewer(zt::viewerCommand());
            QVERIFY(viewer.open());
            QVERIFY(viewer.findId(2));
            QSignalSpy changed(&viewer, &RecordSource::currentChanged);
            QVERIFY2(viewer.updateCurrent({{u"Note"_qs, note}}), qPrintable(viewer.lastError()));
            QCOMPARE(changed.count(), 1);
            QCOMPARE(viewer.currentRow(), 1);
            QCOMPARE(viewer.text(u"note"), note);
            QVERIFY(!viewer.updateCurrent({{u"id"_qs, 9}}));
            QVERIFY(!viewer.updateCurrent({{u"Nota"_qs, u"x"_qs}}));
        }
        QCOMPARE(sql("SELECT count(*) FROM Uscite"), QVariantList{3});

        RecordSource notes(zt::notesCommand());
        QVERIFY(notes.open());
        QCOMPARE(notes.size(), 1);
        QCOMPARE(notes.value(u"ID").toLongLong(), 2);
        QCOMPARE(notes.text(u"NOTE"), note);

        // A note cleared by the viewer leaves the notes list at its next requery,
        // and the notes window keeps showing what it read until then.
        RecordSource viewer(zt::viewerCommand());
        QVERIFY(viewer.open() && viewer.findId(2));
        QVERIFY(viewer.updateCurrent({{u"Note"_qs, QString()}}));
        QVERIFY(viewer.value(u"Note").isNull());
        QCOMPARE(notes.text(u"NOTE"), note);
        QVERIFY(notes.requery());
        QCOMPARE(notes.size(), 0);
    }

    void largeResultReadsRowsWhenUsed()
    {
        // More rows than are read at once: values come page by page.
        sql({u"CREATE TABLE Uscite (id INTEGER PRIMARY KEY AUTOINCREMENT, Numero TEXT, "
             "Memoria TEXT, Tipo INTEGER, Cima TEXT, Memcima TEXT, Note TEXT)"_qs,
             u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000) "
             "INSERT INTO Uscite (Numero, Memoria, Tipo) SELECT ' ' || (i % 37), ' ' || i, "
             "i % 2 + 1 FROM n"_qs});
        QVERIFY(!QTest::currentTestFailed());
        RecordSource viewer(zt::viewerCommand());
        QVERIFY(viewer.open());
        QCOMPARE(viewer.size(), 20000);
        QVERIFY(viewer.findId(17001));
        QCOMPARE(viewer.text(u"Memoria"), u" 17001"_qs);
        QVERIFY(viewer.deleteCurrent());
        QCOMPARE(viewer.text(u"Memoria"), u" 17002"_qs);
        QVERIFY(viewer.movePrevious());
        QCOMPARE(viewer.text(u"Memoria"), u" 17000"_qs);

        // Live rows only: every second id, all of type 1.
        viewer.setCommand(zt::viewerTypeCommand(u"Live"));
        QVERIFY(viewer.requery());
        QCOMPARE(viewer.size(), 10000);
        int rows = 0;
        for (bool on = viewer.moveFirst(); on; on = viewer.moveNext(), ++rows) {
            if (viewer.text(u"Tipo") != u"1"_qs || viewer.text(u"Numero").isEmpty())
                QFAIL(qPrintable(u"row %1"_qs.arg(viewer.currentRow())));
        }
        QCOMPARE(rows, 10000);
        // A row deleted elsewhere and not read yet keeps its id, without values.
        viewer.setCommand(zt::viewerCommand());
        QVERIFY(viewer.requery());
        sql(u"DELETE FROM Uscite WHERE id = 19999"_qs);
        QVERIFY(viewer.findId(19999));
        QVERIFY(viewer.value(u"Numero").isNull());
        QVERIFY(viewer.moveNext());
        QCOMPARE(viewer.text(u"Memoria"), u" 20000"_qs);
    }

    void gridAndSelectionFollowTheCurrentRow()
    {
        recordSpins(5, u"2"_qs);
        sql(u"UPDATE Uscite SET Note = 'n' WHERE id IN (2, 4)"_qs);
        RecordSource viewer(zt::viewerCommand());
        viewer.setGridColumns(
            {u"id"_qs, u"Numero"_qs, u"Memoria"_qs, u"Tipo"_qs, u"Cima"_qs, u"Memcima"_qs});
        QVERIFY(viewer.open());
        QCOMPARE(viewer.columnCount(), 6);
        QStringList headers;
        for (int c = 0; c < viewer.columnCount(); ++c)
            headers << viewer.headerData(c, Qt::Horizontal).toString();
        QCOMPARE(headers, (QStringList{u"id"_qs, u"Numero"_qs, u"Memoria"_qs, u"Tipo"_qs,
                                       u"Cima"_qs, u"Memcima"_qs}));
        QCOMPARE(viewer.rowCount(), 5);
        QCOMPARE(viewer.data(viewer.index(2, 1)).toString(), u" 2"_qs);

        QItemSelectionModel selection(&viewer);
        viewer.trackSelection(&selection);
        QCOMPARE(selection.currentIndex().row(), 0);
        QSignalSpy moved(&viewer, &RecordSource::currentChanged);
        selection.setCurrentIndex(viewer.index(3, 2), QItemSelectionModel::ClearAndSelect);
        QCOMPARE(viewer.currentRow(), 3);
        QCOMPARE(moved.count(), 1);
        QVERIFY(viewer.moveNext());
        QCOMPARE(selection.currentIndex().row(), 4);
        QVERIFY(selection.isRowSelected(4, {}));
        QVERIFY(!viewer.moveNext());
        QVERIFY(!selection.currentIndex().isValid());
        QVERIFY(viewer.moveFirst() && viewer.findId(2) && viewer.deleteCurrent());
        QCOMPARE(selection.currentIndex().row(), 1);
        QCOMPARE(viewer.value(u"id").toLongLong(), 3);

        RecordSource notes(zt::notesCommand());
        QVERIFY(notes.open());
        QCOMPARE(notes.columnCount(), 2);
        QCOMPARE(notes.headerData(0, Qt::Horizontal).toString(), u"ID"_qs);
        QCOMPARE(notes.headerData(1, Qt::Horizontal).toString(), u"NOTE"_qs);
        QCOMPARE(notes.data(notes.index(0, 0)).toLongLong(), 4);
    }
};

ZT_TEST_MAIN(StoreTest)
#include "tst_store.moc"
