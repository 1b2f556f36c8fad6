// Spins read off the screen enter the board as typed numbers do: scripted
// evenings on a strip drawn in each style, sliding between spins, with
// tooltips and reloads over it, give the board (and dati.mdb) exactly the
// spins of the evening, in order.

#include "core/readersettings.h"
#include "storetesting.h"
#include "ui/screenmarker.h"
#include "stripdrawing.h"
#include "windowsupport.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

using zt::control;
using zt::test::sql;

class BoardReaderTest : public QObject {
    Q_OBJECT

    std::optional<zt::test::FreshDir> dir;
    zt::BoardWindow* board = nullptr;
    QImage screen; // what the casino's page shows now

    template <class T> T* c(const char* name) { return control<T>(board, QLatin1String(name)); }
    void grab(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QMetaObject::invokeMethod(board, "readScreen");
    }
    QString line() { return c<QPushButton>("Lettura")->text(); }
    static QString rows()
    {
        return sql("SELECT group_concat(trim(Numero), ' ') FROM (SELECT Numero FROM Uscite ORDER "
                   "BY id)")
            .value(0)
            .toString();
    }
    static QString joined(const QList<int>& numbers)
    {
        QStringList t;
        for (int n : numbers)
            t << QString::number(n);
        return t.join(u' ');
    }

private Q_SLOTS:
    void init()
    {
        dir.emplace();
        board = zt::shared<zt::BoardWindow>();
        board->setScreenGrab([this](const QRect&) { return screen; });
        board->show();
        QApplication::setActiveWindow(board);
        // An X screen without a window manager makes no window active.
        QVERIFY(QGuiApplication::platformName() == u"xcb" ? QTest::qWaitForWindowExposed(board)
                                                           : QTest::qWaitForWindowActive(board));
    }
    void cleanup()
    {
        zt::destroySharedWindows();
        dir.reset();
    }

    void evenings_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("spins");
        for (int s = 0; s < zt::test::stripStyles().size(); ++s)
            QTest::newRow(zt::test::stripStyles()[s].name) << s << (s == 0 ? 500 : 120);
    }
    // An evening: the strip already on the screen is offered, not entered;
    // every spin then enters once, repeats and zeros included, nothing from
    // the slide, a tooltip or a reload.
    void evenings()
    {
        QFETCH(int, style);
        QFETCH(int, spins);
        const zt::test::StripStyle& s = zt::test::stripStyles()[style];
        QList<int> evening; // oldest first
        quint32 seed = 97 + style;
        for (int i = 0; i < s.count + spins; ++i) {
            seed = seed * 1103515245u + 12345u;
            const int pick = int((seed >> 16) % 44);
            evening << (pick >= 37 && !evening.isEmpty() ? evening.last() : pick % 37);
            // A display of one number cannot show a repeat.
            if (s.count == 1 && evening.size() > 1 && evening.last() == evening[evening.size() - 2])
                evening.last() = (evening.last() + 1) % 37;
        }
        auto strip = [&](int newest) {
            QList<int> shown;
            for (int i = newest; i >= 0 && shown.size() < s.count; --i)
                shown << evening[i];
            return shown;
        };
        c<QCheckBox>("Check8")->click();
        board->setNewestEnd(s.newestLeft ? zt::NewestEnd::Left : zt::NewestEnd::Right);
        const int pastEnd = s.count - 1;
        screen = zt::test::drawStrip(s, strip(pastEnd));
        board->startReading(QRect(QPoint(0, 0), screen.size()));
        grab(3);
        QCOMPARE(board->historyCount(), 0);
        QVERIFY2(line().contains(QString::number(s.count)), qPrintable(line()));

        const int slot = zt::test::slotSize(s).width();
        for (int i = pastEnd + 1; i < evening.size(); ++i) {
            if (i % 101 == 0) { // a reload: the page blank, then the same strip
                screen.fill(s.band);
                grab(2);
                screen = zt::test::drawStrip(s, strip(i - 1));
                grab(2);
            }
            // The slide, a frame at a time, then the new strip.
            for (int px : {slot / 3, slot * 2 / 3}) {
                screen = zt::test::drawStrip(s, strip(i), double(px) / slot);
                grab();
            }
            if (i % 37 == 0) { // a tooltip over the strip a while
                screen = zt::test::drawStrip(s, strip(i), 1.0, true);
                grab(3);
            }
            screen = zt::test::drawStrip(s, strip(i));
            grab(2);
            QVERIFY2(sql("SELECT count(*) FROM Uscite").value(0).toInt() == i - pastEnd,
                     qPrintable(QStringLiteral("spin %1 (%2): %3 / %4").arg(i).arg(evening[i]).arg(line(), rows().right(40))));
            QCOMPARE(board->history().newest(), evening[i]);
            grab(); // the strip again: nothing more
        }
        QCOMPARE(rows(), joined(evening.mid(s.count)));
        QVERIFY(line().endsWith(QString::number(evening.last())));
    }

    // On a real X screen (xvfb-run): a casino's table drawn in a window,
    // sliding over 300 ms between spins, grabbed four times a second; each
    // spin is on the board within a second of the strip's change.
    void realScreen()
    {
        if (QGuiApplication::platformName() != u"xcb")
            QSKIP("needs an X screen: see the test windows/boardreader_x11");
        board->setScreenGrab({});
        board->move(0, 0);
        sql(zt::test::usciteTable);
        c<QCheckBox>("Check8")->click();
        QElapsedTimer took;
        qint64 slowest = 0;
        QStringList latencies;
        for (const zt::test::StripStyle& s : zt::test::stripStyles()) {
            QLabel table;
            table.setWindowFlags(Qt::FramelessWindowHint);
            table.setFixedSize(zt::test::stripSize(s));
            table.move(20, 420);
            QList<int> shown;
            for (int i = 0; i < s.count; ++i)
                shown.prepend(i * 7 % 37);
            table.setPixmap(QPixmap::fromImage(zt::test::drawStrip(s, shown)));
            table.show();
            QVERIFY(QTest::qWaitForWindowExposed(&table));
            QTest::qWait(200);
            const QString before = rows();
            board->setNewestEnd(s.newestLeft ? zt::NewestEnd::Left : zt::NewestEnd::Right);
            board->startReading(QRect(table.mapToGlobal(QPoint(0, 0)), table.size()));
            QTest::qWait(800);
            QCOMPARE(rows(), before);
            for (int spin = 0; spin < 12; ++spin) {
                const int n = spin % 5 == 4 ? shown.first() : (spin * 11 + s.count) % 37;
                if (s.count == 1 && n == shown.first())
                    continue; // a display of one number cannot show a repeat
                shown.prepend(n);
                for (double slide : {0.25, 0.5, 0.75}) {
                    table.setPixmap(QPixmap::fromImage(zt::test::drawStrip(s, shown, slide)));
                    QTest::qWait(100);
                }
                table.setPixmap(QPixmap::fromImage(zt::test::drawStrip(s, shown)));
                took.start();
                const int expected = sql("SELECT count(*) FROM Uscite").value(0).toInt() + 1;
                const auto entered = [&] {
                    return sql("SELECT count(*) FROM Uscite").value(0).toInt() == expected &&
                           board->history().newest() == n;
                };
                while (!entered() && took.elapsed() < 3000)
                    QTest::qWait(10);
                QVERIFY2(entered(), qPrintable(QStringLiteral("%1, spin %2 (%3): %4 / %5")
                                                   .arg(QLatin1String(s.name))
                                                   .arg(spin)
                                                   .arg(n)
                                                   .arg(line(), c<QPushButton>("Lettura")->toolTip())));
                slowest = std::max(slowest, took.elapsed());
                latencies << QString::number(took.elapsed());
                QTest::qWait(300);
                QCOMPARE(sql("SELECT count(*) FROM Uscite").value(0).toInt(), expected); // nothing more
            }
            board->pauseReading();
        }
        QVERIFY2(slowest < 1000, qPrintable(latencies.join(u' ')));
    }

    // The rectangle dragged over the picture of the screen, in the screen's
    // coordinates; Escape or a mere click gives up.
    void markingTheRectangle()
    {
        for (const char* how : {"drag", "click", "escape"}) {
            auto* marker = new zt::ScreenMarker(QImage(400, 300, QImage::Format_RGB32),
                                                QRect(100, 50, 400, 300), QStringLiteral("?"));
            QString outcome;
            connect(marker, &zt::ScreenMarker::marked, this, [&](const QRect& r) {
                outcome = QStringLiteral("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
            });
            connect(marker, &zt::ScreenMarker::givenUp, this, [&] { outcome = QStringLiteral("none"); });
            marker->show();
            QVERIFY(QTest::qWaitForWindowExposed(marker));
            QPointer<zt::ScreenMarker> alive(marker);
            if (qstrcmp(how, "escape") == 0) {
                QTest::keyClick(marker, Qt::Key_Escape);
            } else {
                const QPoint to = qstrcmp(how, "drag") == 0 ? QPoint(130, 80) : QPoint(31, 41);
                QTest::mousePress(marker, Qt::LeftButton, {}, QPoint(30, 40));
                QTest::mouseMove(marker, to);
                QTest::mouseRelease(marker, Qt::LeftButton, {}, to);
            }
            QCOMPARE(outcome, QLatin1String(qstrcmp(how, "drag") == 0 ? "130,90,101,41" : "none"));
            QTRY_VERIFY(alive.isNull()); // it deletes itself
        }
        // The button's menu: the end of the newest number, kept.
        for (const char* end : {"destra", "sinistra"}) {
            QTimer::singleShot(0, this, [end] {
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                QVERIFY(menu);
                for (QAction* a : menu->actions())
                    if (a->text().endsWith(QLatin1String(end)))
                        menu->setActiveAction(a);
                QTest::keyClick(menu, Qt::Key_Return);
            });
            Q_EMIT c<QPushButton>("CommandLeggi")->customContextMenuRequested({5, 5});
            QVERIFY(zt::test::fileBytes("zentrima13.ini")
                        .contains(qstrcmp(end, "destra") == 0 ? "Ultimo=right" : "Ultimo=left"));
        }
    }

    // The strip already there enters with one click, oldest first; Ctrl+Z
    // takes back a spin read; what cannot be read enters nothing and is said.
    void pastUndoAndDoubts()
    {
        ZT_ITALIAN_WORDS();
        const zt::test::StripStyle& s = zt::test::stripStyles()[0];
        screen = zt::test::drawStrip(s, {17, 0, 5});
        board->startReading(QRect(10, 20, 300, 60));
        QCOMPARE(zt::readReaderSettings(QStringLiteral("zentrima13.ini")).rectangle,
                 QRect(10, 20, 300, 60));
        grab(2);
        c<QPushButton>("Lettura")->click();
        QCOMPARE(board->history().text(), QStringLiteral(" 3:  17\r\n 2:  0\r\n 1:  5\r\n"));
        c<QPushButton>("Lettura")->click(); // offered once
        QCOMPARE(board->historyCount(), 3);

        screen = zt::test::drawStrip(s, {17, 17, 0, 5});
        grab(2);
        QCOMPARE(board->historyCount(), 4);
        QCOMPARE(line(), QStringLiteral("Dallo schermo: 17"));
        QTest::keyClick(board, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(board->historyCount(), 3);

        // A strip that follows no shift of the last one.
        screen = zt::test::drawStrip(s, {8, 30, 11});
        grab(3);
        QCOMPARE(board->historyCount(), 3);
        QCOMPARE(line(), QStringLiteral("Striscia cambiata: digita"));
        QVERIFY(c<QPushButton>("Lettura")->toolTip().contains(QLatin1String("8 30 11")));
        // Nothing readable for a second.
        screen.fill(s.band);
        grab(4);
        QCOMPARE(line(), QStringLiteral("Schermo illeggibile: digita"));
        // The strip back: the doubt is over, and the next spin enters.
        screen = zt::test::drawStrip(s, {17, 17, 0, 5});
        grab(2);
        QCOMPARE(line(), QStringLiteral("Lettura dello schermo…"));
        screen = zt::test::drawStrip(s, {36, 17, 17, 0, 5});
        grab(2);
        QCOMPARE(board->history().newest(), 36);

        // F8 pauses; a desktop that gives no picture stops the reading, saying so.
        QTest::keyClick(board, Qt::Key_F8);
        QVERIFY(!board->isReading());
        QCOMPARE(c<QPushButton>("CommandLeggi")->text(), QStringLiteral("Leggi"));
        QTest::keyClick(board, Qt::Key_F8);
        QVERIFY(board->isReading());
        screen = QImage();
        grab();
        QVERIFY(!board->isReading());
        QCOMPARE(line(), QStringLiteral("Lo schermo non si lascia leggere"));
    }
};

ZT_WINDOWS_TEST_MAIN(BoardReaderTest)
#include "tst_boardreader.moc"
