#include "core/session.h"
#include "storetesting.h"
#include "windows/statisticswindow.h"
#include "windowsupport.h"
#include "core/wheellayout.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QHorizontalStackedBarSeries>
#include <QImageReader>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStackedBarSeries>

#include <filesystem>

using zt::control;
using zt::Links;
using zt::shownText;
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
    QTRY_VERIFY_WITH_TIMEOUT(!statistics()->isBusy(), 120000);
}

// A statistics window of its own, made in the working directory now.
StatisticsWindow* freshStatistics()
{
    delete zt::test::links().loadedWindow(Links::Window::Statistics);
    return statistics();
}

QChart* chartOf(StatisticsWindow* w, const char* name)
{
    return control<QChartView>(w, name)->chart();
}

// The bar sets of a chart's first series, by name.
QMap<QString, QBarSet*> barSets(QChart* chart)
{
    QMap<QString, QBarSet*> sets;
    for (QBarSet* set : static_cast<QAbstractBarSeries*>(chart->series().front())->barSets())
        sets[set->label()] = set;
    return sets;
}

} // namespace

class StatisticsWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void followsTheRecordedSpins()
    {
        ZT_ITALIAN_WORDS();
        StatisticsWindow* w = statistics();
        QTRY_VERIFY_WITH_TIMEOUT(!w->isBusy(), 120000);
        QVERIFY(w->stateText().contains("il file dati.mdb non c'è ancora"));
        QVERIFY(!QFile::exists("dati.mdb")); // reading makes no file

        zt::test::sql({zt::test::usciteTable,
                       "INSERT INTO Uscite (Numero, Tipo) VALUES (' 5', 1), (' 5', 2), (' 9', 1)"});
        changed();
        QCOMPARE(w->numbers().spins, 3);
        QCOMPARE(w->stateText(), QString("3 uscite in dati.mdb."));
        control<QComboBox>(w, "Filtro")->setCurrentIndex(1); // "Solo Live"
        QTRY_VERIFY_WITH_TIMEOUT(!w->isBusy(), 120000);
        QCOMPARE(w->numbers().spins, 2);
        QCOMPARE(w->stateText(), QString("3 uscite in dati.mdb, di cui 2 «Live»."));
        control<QCheckBox>(w, "SoloUltime")->setChecked(true);
        control<QSpinBox>(w, "Ultime")->setValue(1);
        QTRY_VERIFY_WITH_TIMEOUT(!w->isBusy(), 120000);
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
    }

    // Another program adding, deleting, replacing or removing dati.mdb: the
    // window sees it by itself.
    void followsTheFileWhoeverChangesIt()
    {
        ZT_ITALIAN_WORDS();
        zt::test::FreshDir dir;
        StatisticsWindow* w = freshStatistics();
        QTRY_VERIFY(w->stateText().contains("non c'è ancora"));
        zt::test::sql({zt::test::usciteTable, "INSERT INTO Uscite (Numero) VALUES (' 5'), (' 6')"});
        QTRY_COMPARE(w->numbers().spins, 2);
        zt::test::sql("INSERT INTO Uscite (Numero) VALUES (' 7')");
        QTRY_COMPARE(w->numbers().counts[7], 1);
        zt::test::sql({"DELETE FROM Uscite WHERE Numero = ' 5'",
                       "INSERT INTO Uscite (Numero) VALUES (' 8')"});
        QTRY_COMPARE(w->numbers().counts[8], 1);
        QCOMPARE(w->numbers().counts[5], 0);
        QCOMPARE(w->numbers().spins, 3);

        // Another file renamed over it, as many rows and ids.
        QVERIFY(QFile::rename("dati.mdb", "vecchio.mdb"));
        zt::test::sql({zt::test::usciteTable, "INSERT INTO Uscite (id, Numero) VALUES (2, ' 9'), "
                                              "(3, ' 9'), (4, ' 9')"});
        QVERIFY(QFile::rename("dati.mdb", "nuovo.mdb") && QFile::rename("vecchio.mdb", "dati.mdb"));
        std::filesystem::rename("nuovo.mdb", "dati.mdb");
        QTRY_COMPARE(w->numbers().counts[9], 3);
        QCOMPARE(w->numbers().spins, 3);
        zt::test::sql("INSERT INTO Uscite (Numero) VALUES (' 9')"); // into the new file
        QTRY_COMPARE(w->numbers().counts[9], 4);

        QVERIFY(QFile::remove("dati.mdb"));
        QTRY_VERIFY(w->stateText().contains("non c'è ancora"));
        QCOMPARE(w->numbers().spins, 0);
        delete w;
    }

    // What the window writes reads whole ("p < 0,001" opens no tag), with
    // one scale of words, and the cell that weighs most in each test; the
    // numbers' deviations from chance in a view of their own.
    void textsAndViews()
    {
        ZT_ITALIAN_WORDS();
        zt::test::FreshDir dir;
        StatisticsWindow* w = freshStatistics();
        // 70 blacks and 4 zeros: no red at all.
        QStringList rows;
        const int blacks[] = {2, 4, 6, 8, 10, 11, 13, 15, 17, 20, 22, 24, 26, 28, 29, 31, 33, 35};
        for (int i = 0; i < 70; ++i)
            rows << QStringLiteral("(' %1')").arg(blacks[i % 18]);
        rows << "(' 0')" << "(' 0')" << "(' 0')" << "(' 0')";
        zt::test::sql({zt::test::usciteTable,
                       "INSERT INTO Uscite (Numero) VALUES " + rows.join(", ")});
        QTRY_COMPARE(w->numbers().spins, 74);
        QTRY_VERIFY_WITH_TIMEOUT(!w->isBusy(), 120000);

        const QString numbers = shownText(control<QLabel>(w, "FiguraNumeri"));
        QVERIFY2(numbers.contains(", p < 0,001.\nQuasi una prova: il caso da solo non darebbe "
                                  "quasi mai differenze così grandi"),
                 qPrintable(numbers));
        QVERIFY2(numbers.contains("Un numero a 0 uscite o meno fra 37: il caso lo dà "),
                 qPrintable(numbers));
        const QStringList groups =
            shownText(control<QLabel>(w, "FiguraGruppi")).split('\n');
        QVERIFY2(groups.size() >= 4, qPrintable(groups.join('|')));
        // χ² 36 + 32,11 + 2 of red, black and zero; red weighs 36 of it.
        QCOMPARE(groups[0], QString("Colori: quasi una prova (χ² 70,11, 2 g.l., p < 0,001); pesa "
                                    "di più: Rosso, 51 % del χ² (z −8,37)."));
        QVERIFY2(groups[1].startsWith("Dozzine: ") && groups[2].startsWith("Colonne: ") &&
                     groups[3].startsWith("Settori della ruota: "),
                 qPrintable(groups.join('|')));

        // Counts in the wheel's colours, or deviations above and below chance.
        QChart* chart = chartOf(w, "GraficoNumeri");
        QCOMPARE(barSets(chart).keys(), (QStringList{"Neri", "Rossi", "Zero"}));
        control<QComboBox>(w, "VistaNumeri")->setCurrentIndex(1);
        const QMap<QString, QBarSet*> sets = barSets(chart);
        QCOMPARE(sets.keys(), (QStringList{"Sopra l'attesa", "Sotto l'attesa"}));
        QVERIFY(sets.first()->color() != sets.last()->color());
        // Upright with 0 on the left, or across with 0 at the top.
        const bool across = qobject_cast<QHorizontalStackedBarSeries*>(chart->series().front());
        const auto at = [&](QBarSet* set, int n) { return set->at(across ? 36 - n : n); };
        const auto* names = qobject_cast<QBarCategoryAxis*>(chart->axes().front());
        QCOMPARE(names->at(across ? 34 : 2), QString("2"));
        QCOMPARE(at(sets["Sopra l'attesa"], 2), w->numbers().z[2]);
        QCOMPARE(at(sets["Sotto l'attesa"], 2), 0.0);
        QCOMPARE(at(sets["Sotto l'attesa"], 1), w->numbers().z[1]);
        QVERIFY(w->numbers().z[1] < -1 && w->numbers().z[2] > 1);
        control<QComboBox>(w, "VistaNumeri")->setCurrentIndex(0);
        QCOMPARE(barSets(chart).size(), 3);

        // In English the lines use the footnote's words.
        zt::useLanguage(zt::Language::English);
        w = freshStatistics();
        QTRY_COMPARE(w->numbers().spins, 74);
        QTRY_VERIFY_WITH_TIMEOUT(!w->isBusy(), 120000);
        const QString english = shownText(control<QLabel>(w, "FiguraGruppi"));
        zt::useLanguage(zt::Language::Italian);
        QVERIFY2(english.contains(": almost a proof (χ² 70.11, 2 d.f., p < 0.001)") &&
                     english.contains("degrees of freedom (d.f.)") && !english.contains("g.l."),
                 qPrintable(english));
        delete w;
    }

    // Inside the screen's free area, every control of the choices whole and
    // every text whole, side by side when wide, one below the other (the
    // numbers across) when narrow.  Run also at double scale.
    void fitsTheScreen()
    {
        zt::test::FreshDir dir;
        QStringList spins;
        for (int i = 0; i < 12000; ++i)
            spins << QString("(' %1')").arg(i * 7 % 37);
        zt::test::sql({zt::test::usciteTable,
                       "INSERT INTO Uscite (Numero) VALUES " + spins.join(',')});
        StatisticsWindow* w = freshStatistics();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QTRY_VERIFY_WITH_TIMEOUT(!w->isBusy(), 120000);
        const QRect area = w->screen()->availableGeometry();
        // The whole frame, title bar included (under a window manager).
        QTRY_VERIFY2(area.contains(w->frameGeometry()),
                     qPrintable(QDebug::toString(w->frameGeometry())));
        for (const int width : {std::min(area.width(), 880), 1000}) {
            w->resize(width, std::min(area.height() - 40, 600));
            QTRY_COMPARE(w->width(), width);
            QApplication::processEvents();
            for (const char* name :
                 {"Filtro", "SoloUltime", "Ultime", "VistaNumeri", "SalvaImmagine"}) {
                const auto* c = control<QWidget>(w, name);
                QVERIFY2(w->rect().contains(QRect(c->mapTo(w, QPoint()), c->size())) &&
                             c->width() >= c->minimumSizeHint().width(),
                         name);
            }
            for (const char* name : {"FiguraNumeri", "FiguraGruppi", "FiguraProposte"}) {
                const auto* label = control<QLabel>(w, name);
                // Once the layout has followed the charts' widths.
                QTRY_VERIFY2(label->height() >= label->heightForWidth(label->width()), name);
            }
            const auto* numbers = control<QWidget>(w, "FiguraNumeri");
            const auto* groups = control<QWidget>(w, "GraficoGruppi");
            const bool sideBySide = width >= 900;
            QCOMPARE(numbers->y() == groups->y(), sideBySide);
            QCOMPARE(bool(qobject_cast<QHorizontalStackedBarSeries*>(
                         chartOf(w, "GraficoNumeri")->series().front())),
                     !sideBySide);
        }
        // Down to the smallest size the window allows, the charts' texts stay whole.
        const QStringList cut = zt::cutChartTextsWhileNarrowing(w, area.width());
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join("\n")));
        delete w;
    }

    void emptyOnlyZerosAndUnusable()
    {

        ZT_ITALIAN_WORDS();
        zt::test::FreshDir dir;
        StatisticsWindow* w = statistics();
        zt::test::sql(zt::test::usciteTable);
        changed();
        QCOMPARE(w->stateText(), QString("Nessuna uscita registrata in dati.mdb."));
        QCOMPARE(w->numbers().spins, 0);
        QVERIFY(!w->chartsImage().isNull());
        const auto titles = [&] {
            return chartOf(w, "GraficoNumeri")->title() + '|' + chartOf(w, "GraficoGruppi")->title();
        };
        QCOMPARE(titles(), "Uscite di ogni numero — nessuna uscita da contare|"
                           "Gruppi e settori della ruota — nessuna uscita da contare");

        zt::test::sql("INSERT INTO Uscite (Numero) VALUES (' 0'), (' 0'), ('x')");
        changed();
        QCOMPARE(w->numbers().counts[0], 2);
        QCOMPARE(titles(), "Uscite di ogni numero|Gruppi e settori della ruota");
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

        ZT_ITALIAN_WORDS();
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
        // The bars drawn: the red of the 1, the blue and grey of the groups;
        // and the line on top.
        QHash<QRgb, int> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ++colours[image.pixel(x, y) & 0xffffff];
        QVERIFY(colours.value(zt::wheel::kRed & 0xffffff) > 100);
        QVERIFY(colours.value(qRgb(46, 110, 180) & 0xffffff) > 100);
        QVERIFY(colours.value(qRgb(190, 190, 190) & 0xffffff) > 100);
        int inked = 0;
        for (int x = 0; x < image.width(); ++x)
            inked += image.pixel(x, 10) != qRgb(255, 255, 255);
        QVERIFY(inked > 20);

        w->setPathProvider([] { return QStringLiteral("/no/such/folder/grafici.png"); });
        control<QPushButton>(w, "SalvaImmagine")->click();
        QVERIFY(zt::takeMessage(w).startsWith("L'immagine non è stata salvata"));
    }

    // Strings followed by the engine and reported to the viewer's panel are
    // set against chance; "Azzera" clears both.
    void proposalsAgainstChance()
    {
        ZT_ITALIAN_WORDS();
        StatisticsWindow* w = statistics();
        QTRY_VERIFY_WITH_TIMEOUT(!w->isBusy(), 120000);
        QCOMPARE(w->attempts().stretches, 0);
        // Nothing followed: an empty chart (no stray category), and words
        // that say what it counts.
        QVERIFY(chartOf(w, "GraficoProposte")->axes().isEmpty());
        QVERIFY(shownText(control<QLabel>(w, "FiguraProposte"))
                    .contains("la scelta delle uscite qui sopra non le riguarda"));
        zt::test::links().show(Links::Window::Viewer);
        control<QCheckBox>(zt::shared<zt::ViewerWindow>(), "Check6")->setChecked(true);
        for (int i = 0; i < 80; ++i)
            zt::test::links().board().sendSpin(QString::number(i * 7 % 37));
        QTRY_VERIFY_WITH_TIMEOUT(!w->isBusy(), 120000);
        const zt::stats::AttemptFigures& f = w->attempts();
        QVERIFY(f.stretches > 3);
        QCOMPARE(f.stretches, f.tallied);
        QVERIFY(f.chanceFailures > 0 && f.meanSize > 0);
        // Each stretch ends once, by chance too: hit at some attempt or failed.
        long long hits = f.failures;
        double chance = f.chanceFailures;
        for (int a = 1; a <= f.lastAttempt; ++a) {
            hits += f.hits[std::size_t(a)];
            chance += f.chanceHits[std::size_t(a)];
        }
        QCOMPARE(hits, f.stretches);
        QVERIFY(std::fabs(chance - double(f.stretches)) < 1e-9);
        const auto* axis =
            qobject_cast<QBarCategoryAxis*>(chartOf(w, "GraficoProposte")->axes(Qt::Horizontal).front());
        QCOMPARE(axis->count(), f.lastAttempt + 1);
        QCOMPARE(axis->at(f.lastAttempt), QString("F"));
        QVERIFY(shownText(control<QLabel>(w, "FiguraProposte"))
                    .startsWith(QStringLiteral("%1 tratti seguiti").arg(f.stretches)));

        control<QPushButton>(zt::shared<zt::ViewerWindow>(), "Command5")->click(); // "Azzera"
        QTRY_COMPARE(w->attempts().stretches, 0);
        QCOMPARE(w->attempts().tallied, 0);
    }
};

ZT_WINDOWS_TEST_MAIN(StatisticsWindowTest)
#include "tst_statistics.moc"
