// Recording spins into dati.mdb and reading them back through a record cursor
// and the grid over it.  Failures of the file are in tst_storefile.

#include "core/textrules.h"
#include "store/recordcursor.h"
#include "store/spinrecorder.h"
#include "store/storecommands.h"
#include "storetesting.h"
#include "ui/recordgrid.h"

#include <QItemSelectionModel>
#include <QSignalSpy>

using zt::RecordCursor;
using zt::test::sql;

namespace {

// Records n spins (numbers 0, 1, 2, …), each of the given game type.
void recordSpins(int n, const QString& tipo = QString())
{
    zt::SpinRecorder rec;
    for (int i = 0; i < n; ++i)
        QVERIFY2(rec.record(zt::signText(i % 37), tipo, zt::signText(i % 37 + 1)),
                 qPrintable(rec.lastError()));
}

QList<qint64> idsOf(RecordCursor& c)
{
    QList<qint64> out;
    for (bool on = c.moveFirst(); on; on = c.moveNext())
        out << c.value(u"id").toLongLong();
    return out;
}

} // namespace

class StoreTest : public QObject {
    Q_OBJECT
    std::optional<zt::test::FreshDir> dir_;
    std::optional<RecordCursor> viewer_;

    // The viewer's data source, opened on dati.mdb.
    RecordCursor& viewer()
    {
        viewer_.emplace(zt::viewerCommand());
        if (!viewer_->open())
            QTest::qFail(qPrintable(viewer_->lastError()), __FILE__, __LINE__);
        return *viewer_;
    }

private Q_SLOTS:
    void init() { dir_.emplace(); }
    void cleanup()
    {
        viewer_.reset();
        dir_.reset();
    }

    void recordingStoresTheCallersTexts()
    {
        zt::SpinRecorder rec;
        QVERIFY(rec.record(" 17", "1", " 1")); // creates dati.mdb
        QCOMPARE(sql("SELECT group_concat(lower(name), ' ') FROM pragma_table_info('Uscite')"),
                 QVariantList{"id numero memoria tipo cima memcima note"});
        QVERIFY(rec.record(" 0", "2", " 37") && rec.record(" 5", "", " 2") && rec.lastId() == 3);
        QCOMPARE(sql("SELECT group_concat(Numero || '|' || Memoria || '|' || ifnull(Tipo, '-') || "
                     "'|' || ifnull(Note, '-'), ';') FROM Uscite"),
                 QVariantList{" 17| 1|1|-; 0| 37|2|-; 5| 2|-|-"});
        RecordCursor& v = viewer(); // column names without regard to case
        QCOMPARE(v.text(u"numero") + v.text(u"TIPO") + v.text(u"Cima"), " 171");
        QVERIFY(v.value(u"note").isNull());
    }

    void typeFilterSelectsRows()
    {
        zt::SpinRecorder rec;
        for (const char* tipo : {"1", "2", "1", ""})
            QVERIFY(rec.record(" 9", tipo, " 1"));
        RecordCursor& v = viewer();
        // Any other text than "Live" or "Spin" (case matters) lists every row.
        const std::pair<const char*, QList<qint64>> choices[] = {
            {"Live", {1, 3}}, {"Spin", {2}}, {"Scegli", {1, 2, 3, 4}}, {"live", {1, 2, 3, 4}}};
        for (const auto& [choice, expected] : choices) {
            QVERIFY(v.moveLast());
            v.setCommand(zt::viewerTypeCommand(QString::fromLatin1(choice)));
            QVERIFY(v.requery() && v.currentRow() == 0); // a requery starts at the first row
            QCOMPARE(idsOf(v), expected);
        }
    }

    void positionFindAndDelete()
    {
        recordSpins(60);
        RecordCursor& v = viewer();
        QSignalSpy moved(&v, &RecordCursor::currentChanged);
        QVERIFY(v.findId(5) && v.findId(5)); // not 15 or 50; the current row counts
        QCOMPARE(v.text(u"ID") + v.text(u"Numero"), "5 4");
        QVERIFY(v.setCurrentRow(10) && !v.findId(5) && v.isEof() && v.lastError().isEmpty());
        QVERIFY(!v.value(u"Numero").isValid());
        QCOMPARE(v.lastError(), "Nessuna riga selezionata.");
        QVERIFY(v.moveFirst() && !v.movePrevious() && v.isBof() && v.findId(60));
        QVERIFY(!v.moveNext() && v.isEof() && !v.isBof() && !v.moveNext()); // stays past the last
        // Three rows back as one move; further back ends before the first.
        const int before = moved.count();
        QVERIFY(v.movePrevious(3) && moved.count() == before + 1);
        QCOMPARE(v.value(u"id").toLongLong(), 58);
        QVERIFY(!v.movePrevious(99) && v.isBof() && v.moveNext() && v.currentRow() == 0);

        // A delete removes that row only, the next one is current, and ids are never reused.
        QVERIFY(v.findId(3) && v.deleteCurrent() && v.value(u"id") == 4);
        QVERIFY(v.moveLast() && v.deleteCurrent() && v.value(u"id") == 59);
        QCOMPARE(sql("SELECT count(*) || ' ' || min(id) || ' ' || max(id) FROM Uscite "
                     "WHERE id NOT IN (3, 60)"), QVariantList{"58 1 59"});
        recordSpins(1);
        QVERIFY(v.size() == 58 && v.requery() && v.size() == 59); // seen after a requery
        QCOMPARE(idsOf(v).last(), 61);

        v.setCommand("SELECT id, Numero FROM Uscite WHERE id < 0"); // before first and past last
        QVERIFY(v.requery() && v.isBof() && v.isEof() && !v.moveFirst() && !v.findId(1));
        QVERIFY(!v.updateCurrent({{"Numero", " 1"}}) && !v.deleteCurrent());
    }

    void notesRoundTripAsTyped()
    {
        recordSpins(3);
        const QString note = "Ω «già» 日本 \"x\" '); DROP TABLE Uscite; -- SELECT * FROM Uscite;";
        RecordCursor& v = viewer();
        QVERIFY(v.findId(2));
        QSignalSpy changed(&v, &RecordCursor::currentChanged);
        QVERIFY(v.updateCurrent({{"Note", note}}) && changed.count() == 1 && v.currentRow() == 1);
        QCOMPARE(v.text(u"note"), note);
        QVERIFY(!v.updateCurrent({{"id", 9}}) && !v.updateCurrent({{"Nota", "x"}}));
        QCOMPARE(sql("SELECT count(*) || Note FROM Uscite WHERE Note IS NOT NULL"), QVariantList{"1" + note});

        RecordCursor notes(zt::notesCommand());
        QVERIFY(notes.open() && notes.size() == 1 && notes.value(u"ID") == 2);
        // Cleared by the viewer, the note leaves the notes list at its next requery.
        QVERIFY(v.updateCurrent({{"Note", QString()}}) && v.value(u"Note").isNull());
        QCOMPARE(notes.text(u"NOTE"), note);
        QVERIFY(notes.requery() && notes.size() == 0);
    }

    void largeResultReadsRowsWhenUsed()
    {
        sql({zt::test::usciteTable,
             "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000) "
             "INSERT INTO Uscite (Numero, Memoria) SELECT ' ' || (i % 37), ' ' || i FROM n"});
        RecordCursor& v = viewer();
        QVERIFY(v.size() == 20000 && v.findId(17001) && v.deleteCurrent());
        QCOMPARE(v.text(u"Memoria"), " 17002");
        int rows = 0; // every row, page after page, carries its own values
        for (bool on = v.moveFirst(); on; on = v.moveNext(), ++rows) {
            if (v.text(u"Memoria") != u' ' + v.text(u"id"))
                QFAIL(qPrintable(QString("row %1").arg(v.currentRow())));
        }
        QCOMPARE(rows, 19999);
        // A row deleted elsewhere and not read yet keeps its id, without values.
        QVERIFY(v.requery());
        sql("DELETE FROM Uscite WHERE id = 19999");
        QVERIFY(v.findId(19999) && v.value(u"Numero").isNull() && v.moveNext());
        QCOMPARE(v.text(u"Memoria"), " 20000");
    }

    void gridAndSelectionFollowTheCurrentRow()
    {
        recordSpins(5, "2");
        RecordCursor v(zt::viewerCommand());
        zt::RecordGrid g(&v, {"ID", "Numero", "Memoria", "tipo", "Cima", "Memcima", "missing"});
        QVERIFY(v.open());
        QStringList headers;
        for (int c = 0; c < g.columnCount(); ++c)
            headers << g.headerData(c, Qt::Horizontal).toString();
        QCOMPARE(headers.join(u' '), "id Numero Memoria Tipo Cima Memcima");
        QVERIFY(g.rowCount() == 5 && g.data(g.index(2, 1)) == " 2");

        QItemSelectionModel selection(&g);
        g.trackSelection(&selection);
        QCOMPARE(selection.currentIndex().row(), 0);
        selection.setCurrentIndex(g.index(3, 2), QItemSelectionModel::ClearAndSelect);
        QCOMPARE(v.currentRow(), 3);
        QVERIFY(v.moveNext() && selection.isRowSelected(4, {}));
        QVERIFY(!v.moveNext() && !selection.currentIndex().isValid());
        g.holdSelection(true); // held, the selection stays until let go
        QVERIFY(v.movePrevious(2) && !selection.currentIndex().isValid());
        g.holdSelection(false);
        QCOMPARE(selection.currentIndex().row(), 3);
        QVERIFY(v.moveFirst() && v.findId(2) && v.deleteCurrent());
        QVERIFY(g.rowCount() == 4 && selection.currentIndex().row() == 1);
    }
};

ZT_TEST_MAIN(StoreTest)
#include "tst_store.moc"
