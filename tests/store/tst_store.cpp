#include "core/textrules.h"
#include "store/recordcursor.h"
#include "ui/recordgrid.h"
#include "store/spinrecorder.h"
#include "store/storecommands.h"
#include "storetesting.h"
#include "testsupport.h"

#include <QItemSelectionModel>
#include <QSignalSpy>

#include <memory>

using zt::RecordCursor;
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

QList<qint64> sourceIds(RecordCursor& src)
{
    QList<qint64> out;
    for (bool on = src.moveFirst(); on; on = src.moveNext())
        out << src.value(u"id").toLongLong();
    return out;
}

QList<qint64> storedIds()
{
    return ids(sql("SELECT id FROM Uscite ORDER BY id"));
}

} // namespace

class StoreTest : public QObject {
    Q_OBJECT
    std::unique_ptr<zt::test::FreshDir> dir_;
    std::unique_ptr<RecordCursor> viewer_;

    // The viewer's data source, opened on dati.mdb.
    RecordCursor& viewer()
    {
        viewer_ = std::make_unique<RecordCursor>(zt::viewerCommand());
        if (!viewer_->open())
            QTest::qFail(qPrintable(viewer_->lastError()), __FILE__, __LINE__);
        return *viewer_;
    }

private Q_SLOTS:
    void init() { dir_ = std::make_unique<zt::test::FreshDir>(); }
    void cleanup()
    {
        viewer_.reset();
        dir_.reset();
    }

    void recordingStoresTheCallersTexts()
    {
        SpinRecorder rec;
        QVERIFY(rec.record(u" 17"_qs, u"1"_qs, u" 1"_qs)); // creates dati.mdb
        QVERIFY(rec.record(u" 0"_qs, u"2"_qs, u" 37"_qs));
        QVERIFY(rec.record(u" 5"_qs, QString(), u" 2"_qs));
        QCOMPARE(rec.lastId(), 3);
        QCOMPARE(sql("SELECT Numero || '|' || Memoria || '|' || ifnull(Tipo, '-') || '|' || "
                     "ifnull(Note, '-') FROM Uscite ORDER BY id"),
                 (QVariantList{u" 17| 1|1|-"_qs, u" 0| 37|2|-"_qs, u" 5| 2|-|-"_qs}));

        // Column names are read without regard to case.
        RecordCursor& v = viewer();
        QCOMPARE(v.text(u"numero") + v.text(u"TIPO") + v.text(u"Cima"), u" 171"_qs);
        QVERIFY(v.value(u"note").isNull());
    }

    void typeFilterSelectsRows()
    {
        SpinRecorder rec;
        for (const char* tipo : {"1", "2", "1", ""})
            QVERIFY(rec.record(u" 9"_qs, QString::fromLatin1(tipo), u" 1"_qs));
        RecordCursor& v = viewer();
        // Any other text than "Live" or "Spin" (case matters) lists every row.
        const std::pair<const char*, QList<qint64>> choices[] = {
            {"Live", {1, 3}}, {"Spin", {2}}, {"Scegli", {1, 2, 3, 4}}, {"live", {1, 2, 3, 4}}};
        for (const auto& [choice, expected] : choices) {
            QVERIFY(v.moveLast());
            v.setCommand(zt::viewerTypeCommand(QString::fromLatin1(choice)));
            QVERIFY2(v.requery(), qPrintable(v.lastError()));
            QCOMPARE(v.currentRow(), 0); // a requery starts from the first row
            QCOMPARE(sourceIds(v), expected);
        }
    }

    void findGoesToTheRowWithThatId()
    {
        recordSpins(60);
        RecordCursor& v = viewer();
        QVERIFY(v.moveLast() && v.moveFirst());
        QVERIFY(v.findId(5) && v.findId(5)); // not 15 or 50; the current row counts
        QCOMPARE(v.text(u"ID") + v.text(u"Numero"), u"5 4"_qs);

        // Forward only: from row 10 the row with id 5 is not found.
        QVERIFY(v.setCurrentRow(10));
        QVERIFY(!v.findId(5) && v.isEof() && !v.hasCurrent());
        QVERIFY(v.lastError().isEmpty()); // no match is no error
        QVERIFY(!v.value(u"Numero").isValid());
        QCOMPARE(v.lastError(), u"Nessuna riga selezionata."_qs);

        // From before the first row the search starts at the first row.
        QVERIFY(v.moveFirst() && !v.movePrevious() && v.isBof() && v.findId(60));
        QVERIFY(!v.findId(61) && v.isEof());
    }

    void positionStopsBeforeFirstAndPastLast()
    {
        recordSpins(4);
        RecordCursor& v = viewer();
        QSignalSpy moved(&v, &RecordCursor::currentChanged);
        // A replay of every row: send the current row, then step unless past the last.
        QStringList sent;
        for (; !v.isEof(); v.moveNext())
            sent << v.text(u"Numero");
        QCOMPARE(sent.join(u'|'), u" 0| 1| 2| 3"_qs);
        QVERIFY(!v.moveNext() && v.isEof() && !v.isBof()); // stays past the last row
        QCOMPARE(moved.count(), 4);
        // Stepping back three rows from there, as one move, ends on the second
        // row; stepping back further ends before the first.
        QVERIFY(v.movePrevious(3));
        QCOMPARE(moved.count(), 5);
        QCOMPARE(v.value(u"id").toLongLong(), 2);
        QVERIFY(v.movePrevious() && !v.movePrevious() && !v.movePrevious() && v.isBof());
        QVERIFY(v.moveNext() && v.currentRow() == 0);
        QVERIFY(!v.movePrevious(9) && v.isBof() && !v.movePrevious(1));
        QVERIFY(v.moveNext() && v.currentRow() == 0);

        // An empty result is before the first and past the last row at once.
        v.setCommand(u"SELECT id, Numero FROM Uscite WHERE id < 0"_qs);
        QVERIFY(v.requery() && v.isBof() && v.isEof());
        QVERIFY(!v.moveFirst() && !v.moveNext() && !v.movePrevious() && !v.findId(1));
        QVERIFY(!v.updateCurrent({{u"Numero"_qs, u" 1"_qs}}) && !v.deleteCurrent());
        QCOMPARE(v.lastError(), u"Nessuna riga selezionata."_qs);
    }

    void deleteRemovesOneRowAndIdsAreNeverReused()
    {
        recordSpins(5);
        RecordCursor& v = viewer();
        QVERIFY(v.findId(3));
        QVERIFY2(v.deleteCurrent(), qPrintable(v.lastError()));
        QCOMPARE(v.value(u"id").toLongLong(), 4); // the next row is current
        QCOMPARE(storedIds(), (QList<qint64>{1, 2, 4, 5}));
        QCOMPARE(sourceIds(v), (QList<qint64>{1, 2, 4, 5}));

        QVERIFY(v.moveLast() && v.deleteCurrent());
        QCOMPARE(v.value(u"id").toLongLong(), 4); // the new last row
        SpinRecorder rec;
        QVERIFY(rec.record(u" 7"_qs, QString(), u" 1"_qs));
        QCOMPARE(rec.lastId(), 6);

        // The row recorded meanwhile appears only after a requery.
        QVERIFY(v.size() == 3 && v.requery());
        QCOMPARE(sourceIds(v), (QList<qint64>{1, 2, 4, 6}));

        // A row deleted through another connection cannot be deleted again.
        RecordCursor other(zt::viewerCommand());
        QVERIFY(other.open());
        QVERIFY(v.moveFirst() && v.findId(4) && v.deleteCurrent());
        QVERIFY(other.findId(4) && !other.deleteCurrent());
        QVERIFY(other.lastError().contains(u"non è stata cancellata"));
        QCOMPARE(storedIds(), (QList<qint64>{1, 2, 6}));

        // The table replaced meanwhile by one whose ids repeat: a change that
        // would touch two rows changes none.
        sql({u"DROP TABLE Uscite"_qs, u"CREATE TABLE Uscite (id, Numero, Note)"_qs,
             u"INSERT INTO Uscite VALUES (1, ' 1', NULL), (1, ' 2', NULL)"_qs});
        QVERIFY(v.moveFirst() && !v.deleteCurrent() && !v.updateCurrent({{u"Note"_qs, u"x"_qs}}));
        QCOMPARE(v.lastError(),
                 u"Nel file dati.mdb più righe hanno l'id 1: la modifica non è stata salvata."_qs);
        QCOMPARE(sql("SELECT count(*) FROM Uscite WHERE Note IS NULL"), QVariantList{2});
    }

    void notesRoundTripAsTyped()
    {
        recordSpins(3);
        const QString note =
            u"Ω «già» 日本 \"x\" '); DROP TABLE Uscite; -- SELECT * FROM Uscite;"_qs;
        RecordCursor& v = viewer();
        QVERIFY(v.findId(2));
        QSignalSpy changed(&v, &RecordCursor::currentChanged);
        QVERIFY2(v.updateCurrent({{u"Note"_qs, note}}), qPrintable(v.lastError()));
        QVERIFY(changed.count() == 1 && v.currentRow() == 1);
        QCOMPARE(v.text(u"note"), note);
        QVERIFY(!v.updateCurrent({{u"id"_qs, 9}}) && !v.updateCurrent({{u"Nota"_qs, u"x"_qs}}));
        QCOMPARE(sql("SELECT count(*) FROM Uscite"), QVariantList{3});

        RecordCursor notes(zt::notesCommand());
        QVERIFY(notes.open());
        QVERIFY(notes.size() == 1 && notes.value(u"ID") == 2);
        QCOMPARE(notes.text(u"NOTE"), note);

        // A note cleared by the viewer leaves the notes list at its next requery,
        // and the notes window keeps showing what it read until then.
        QVERIFY(v.updateCurrent({{u"Note"_qs, QString()}}));
        QVERIFY(v.value(u"Note").isNull());
        QCOMPARE(notes.text(u"NOTE"), note);
        QVERIFY(notes.requery() && notes.size() == 0);
    }

    void largeResultReadsRowsWhenUsed()
    {
        // More rows than are read at once: values come page by page.
        sql({zt::test::usciteTable,
             u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000) "
             "INSERT INTO Uscite (Numero, Memoria, Tipo) SELECT ' ' || (i % 37), ' ' || i, "
             "i % 2 + 1 FROM n"_qs});
        QVERIFY(!QTest::currentTestFailed());
        RecordCursor& v = viewer();
        QCOMPARE(v.size(), 20000);
        QVERIFY(v.findId(17001) && v.deleteCurrent());
        QCOMPARE(v.text(u"Memoria"), u" 17002"_qs);
        QVERIFY(v.movePrevious());
        QCOMPARE(v.text(u"Memoria"), u" 17000"_qs);
        // Every row, page after page, carries its own values.
        int rows = 0;
        for (bool on = v.moveFirst(); on; on = v.moveNext(), ++rows) {
            if (v.text(u"Memoria") != u' ' + v.text(u"id"))
                QFAIL(qPrintable(u"row %1"_qs.arg(v.currentRow())));
        }
        QCOMPARE(rows, 19999);
        // A row deleted elsewhere and not read yet keeps its id, without values.
        QVERIFY(v.requery());
        sql(u"DELETE FROM Uscite WHERE id = 19999"_qs);
        QVERIFY(v.findId(19999) && v.value(u"Numero").isNull() && v.moveNext());
        QCOMPARE(v.text(u"Memoria"), u" 20000"_qs);
    }

    void gridAndSelectionFollowTheCurrentRow()
    {
        recordSpins(5, u"2"_qs);
        sql(u"UPDATE Uscite SET Note = 'n' WHERE id IN (2, 4)"_qs);
        RecordCursor v(zt::viewerCommand());
        zt::RecordGrid g(&v, {u"ID"_qs, u"Numero"_qs, u"Memoria"_qs, u"tipo"_qs, u"Cima"_qs,
                              u"Memcima"_qs, u"missing"_qs});
        QVERIFY(v.open());
        QStringList headers;
        for (int c = 0; c < g.columnCount(); ++c)
            headers << g.headerData(c, Qt::Horizontal).toString();
        QCOMPARE(headers.join(u' '), u"id Numero Memoria Tipo Cima Memcima"_qs);
        QCOMPARE(g.rowCount(), 5);
        QCOMPARE(g.data(g.index(2, 1)).toString(), u" 2"_qs);

        QItemSelectionModel selection(&g);
        g.trackSelection(&selection);
        QCOMPARE(selection.currentIndex().row(), 0);
        QSignalSpy moved(&v, &RecordCursor::currentChanged);
        selection.setCurrentIndex(g.index(3, 2), QItemSelectionModel::ClearAndSelect);
        QCOMPARE(v.currentRow(), 3);
        QCOMPARE(moved.count(), 1);
        QVERIFY(v.moveNext());
        QVERIFY(selection.isRowSelected(4, {}));
        QVERIFY(!v.moveNext());
        QVERIFY(!selection.currentIndex().isValid());
        // Held, the selection stays where it was until it is let go.
        g.holdSelection(true);
        QVERIFY(v.movePrevious(2));
        QVERIFY(!selection.currentIndex().isValid());
        g.holdSelection(false);
        QCOMPARE(selection.currentIndex().row(), 3);
        QVERIFY(v.moveFirst() && v.findId(2) && v.deleteCurrent());
        QCOMPARE(selection.currentIndex().row(), 1);

        RecordCursor notes(zt::notesCommand());
        zt::RecordGrid n(&notes, {u"ID"_qs, u"NOTE"_qs});
        QVERIFY(notes.open());
        QCOMPARE(n.headerData(1, Qt::Horizontal).toString(), u"NOTE"_qs);
        QCOMPARE(n.data(n.index(0, 0)).toLongLong(), 4);
    }
};

ZT_TEST_MAIN(StoreTest)
#include "tst_store.moc"
