#include "core/session.h"
#include "storetesting.h"
#include "windows/statisticswindow.h"
#include "windowsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImageReader>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>

using zt::control;
using zt::Links;
using zt::StatisticsWindow;

namespace {

StatisticsWindow* statistics()
{
    zt::test::links().show(Links::Window::Statistics);
    return static_cast<StatisticsWindow*>(zt::test::links().window(Links::Window::Statistics));
}

// The window told of a change, and up to date again.
void changed(zt::DataChange change = zt::DataChange::RowsChanged)
{
    zt::test::links().dataChanged(change);
    QTRY_VERIFY(!statistics()->isBusy());
}

} // namespace

class StatisticsWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void followsTheRecordedSpins()
    {
        StatisticsWindow* w = statistics();
        QTRY_VERIFY(!w->isBusy());
        QVERIFY(w->stateText().contains("il file dati.mdb non c'è ancora"));
        QVERIFY(!QFile::exists("dati.mdb")); // reading makes no file

        zt::test::sql({zt::test::usciteTable,
                       "INSERT INTO Uscite (Numero, Tipo) VALUES (' 5', 1), (' 5', 2), (' 9', 1)"});
        changed();
        QCOMPARE(w->numbers().spins, 3);
        QCOMPARE(w->stateText(), QString("3 uscite in dati.mdb."));
        control<QComboBox>(w, "Filtro")->setCurrentIndex(1); // "Solo Live"
        QTRY_VERIFY(!w->isBusy());
        QCOMPARE(w->numbers().spins, 2);
        control<QCheckBox>(w, "SoloUltime")->setChecked(true);
        control<QSpinBox>(w, "Ultime")->setValue(1);
        QTRY_VERIFY(!w->isBusy());
        QCOMPARE(w->numbers().counts[9], 1);
        QCOMPARE(w->numbers().spins, 1);
        control<QCheckBox>(w, "SoloUltime")->setChecked(false);
        control<QComboBox>(w, "Filtro")->setCurrentIndex(0);

        // A spin recorded on the board shows without being asked for.
        zt::BoardLink& board = zt::test::links().board();
        board.setRecording(true);
        board.sendSpin("17");
        board.sendSpin("5");
        QTRY_COMPARE(w->numbers().counts[17], 1);
        QTRY_COMPARE(w->numbers().counts[5], 3);
        QCOMPARE(w->numbers().spins, 5);
        board.setRecording(false);

        // Ctrl+T on the board and on the viewer shows the one window.
        for (auto opener : {Links::Window::Board, Links::Window::Viewer}) {
            w->hide();
            zt::test::links().show(opener);
            QWidget* window = zt::test::links().window(opener);
            QVERIFY(QTest::qWaitForWindowActive(window));
            QTest::keyClick(window, Qt::Key_T, Qt::ControlModifier);
            QVERIFY(w->isVisible());
        }
        QCOMPARE(zt::test::links().window(Links::Window::Statistics), w);
    }

    void emptyOnlyZerosAndUnusable()
    {
        zt::test::FreshDir dir;
        StatisticsWindow* w = statistics();
        zt::test::sql(zt::test::usciteTable);
        changed();
        QCOMPARE(w->stateText(), QString("Nessuna uscita registrata in dati.mdb."));
        QCOMPARE(w->numbers().spins, 0);
        QVERIFY(!w->chartsImage().isNull());

        zt::test::sql("INSERT INTO Uscite (Numero) VALUES (' 0'), (' 0'), ('x')");
        changed();
        QCOMPARE(w->numbers().counts[0], 2);
        QVERIFY(w->numbers().test.valid && std::isfinite(w->numbers().test.statistic));
        QVERIFY(w->stateText().endsWith("1 righe senza un numero da 0 a 36 non sono contate."));

        QFile::remove("dati.mdb");
        zt::test::writeFile("dati.mdb", QByteArray(4096, 'x'));
        changed();
        QCOMPARE(w->stateText(), QString("Il file dati.mdb non è un database valido: le righe non "
                                         "sono state lette."));
        QCOMPARE(w->numbers().spins, 0);
    }

    void savesTheChartsAsPng()
    {
        zt::test::FreshDir dir;
        StatisticsWindow* w = statistics();
        zt::test::sql({zt::test::usciteTable, "INSERT INTO Uscite (Numero) VALUES (' 1'), (' 2')"});
        changed();
        const QString path = dir.file("grafici"); // the suffix is added
        w->setPathProvider([path] { return path; });
        control<QPushButton>(w, "SalvaImmagine")->click();
        QImageReader reader(path + ".png");
        QCOMPARE(reader.format(), QByteArray("png"));
        const QImage image = reader.read();
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), w->chartsImage().size());
        QVERIFY(image.width() > 800 && image.height() > 500);

        w->setPathProvider([] { return QStringLiteral("/no/such/folder/grafici.png"); });
        control<QPushButton>(w, "SalvaImmagine")->click();
        const auto boxes = w->findChildren<QMessageBox*>();
        QVERIFY(!boxes.isEmpty() && boxes.last()->text().startsWith("L'immagine non è stata salvata"));
        qDeleteAll(boxes);
    }

    // Strings followed by the engine and reported to the viewer's panel are
    // set against chance; "Azzera" clears both.
    void proposalsAgainstChance()
    {
        StatisticsWindow* w = statistics();
        QTRY_VERIFY(!w->isBusy());
        QCOMPARE(w->attempts().stretches, 0);
        zt::test::links().show(Links::Window::Viewer);
        control<QCheckBox>(zt::shared<zt::ViewerWindow>(), "Check6")->setChecked(true);
        for (int i = 0; i < 80; ++i)
            zt::test::links().board().sendSpin(QString::number(i * 7 % 37));
        QTRY_VERIFY(!w->isBusy());
        const zt::stats::AttemptFigures& f = w->attempts();
        QVERIFY(f.stretches > 3);
        QCOMPARE(f.stretches, f.tallied);
        QVERIFY(f.chanceFailures > 0 && f.meanSize > 0);

        control<QPushButton>(zt::shared<zt::ViewerWindow>(), "Command5")->click(); // "Azzera"
        QTRY_COMPARE(w->attempts().stretches, 0);
        QCOMPARE(w->attempts().tallied, 0);
    }
};

ZT_WINDOWS_TEST_MAIN(StatisticsWindowTest)
#include "tst_statistics.moc"
