// Playing on the main board window: what the game logic writes must reach the
// right controls, and what the player types into them must count.  The game
// rules themselves are worked through in tst_spinentry over a plain board.

#include "storetesting.h"
#include "ui/colorbutton.h"
#include "windowsupport.h"
#include "ui/linesbox.h"

#include "core/textrules.h"
#include "core/associations.h"
#include "windows/boardwindow.h"
#include "core/keypadlayout.h"
#include "windows/settingswindow.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>

#include <optional>
#include <random>

using zt::control;

class BoardPlayTest : public QObject {
    Q_OBJECT

    std::optional<zt::test::FreshDir> dir;
    zt::BoardWindow* board = nullptr;

    template <class T> T* c(const char* name) { return control<T>(board, QLatin1String(name)); }
    QString text(const char* name) { return c<QLabel>(name)->text(); }
    zt::ColorButton* key(int index) { return control<zt::ColorButton>(board, "Command9", index); }
    zt::LinesBox* noteBox() { return c<zt::LinesBox>("note_0"); }
    QCheckBox* setting(const char* name)
    {
        return control<QCheckBox>(zt::shared<zt::SettingsWindow>(), QLatin1String(name));
    }
    void click(const char* name) { c<QAbstractButton>(name)->click(); }
    void send(const QString& text) { c<zt::HiddenBox>("CM_pulsante")->setText(text); }

    // Clicks, for each number, the keypad button that shows it.
    void play(std::initializer_list<int> numbers)
    {
        for (int n : numbers) {
            int i = 0;
            while (i < 36 && key(i)->text() != QString::number(n))
                ++i;
            key(i)->click();
        }
    }

    QString historyBox() { return c<zt::LinesBox>("Text1")->toPlainText(); }
    QString note() { return noteBox()->toPlainText(); }
    QString delays() { return text("Label38_0") + u'|' + text("Label44_0"); }

    // The numbers on yellow buttons, as a list ("14, 20, 31, "); a button that
    // is neither yellow nor in its saved colour, or a yellow zero, shows as "bad <index>".
    QString lit()
    {
        zt::NumberSet yellow;
        QString bad;
        for (int i = 0; i <= 36; ++i) {
            const QRgb colour = key(i)->backColor().rgb();
            if (i > 0 && colour == zt::keypad::highlight)
                yellow.add(key(i)->text().toInt());
            else if (colour != board->savedKeypadColor(i))
                bad += QStringLiteral("bad %1, ").arg(i);
        }
        return zt::numberListText(yellow) + bad;
    }
    // What lit() shows when the proposal is painted.
    static QString painted(const QString& proposal)
    {
        return zt::numberListText(zt::highlightedNumbers(proposal));
    }
    // The saved colours are those of the numbers the buttons show.
    void savedColoursFollowCaptions()
    {
        for (int i = 0; i <= 36; ++i)
            QCOMPARE(board->savedKeypadColor(i), zt::keypad::numberColor(key(i)->text().toInt()));
    }

private Q_SLOTS:
    void init()
    {
        dir.emplace();
        board = zt::shared<zt::BoardWindow>();
        board->show();
    }
    void cleanup()
    {
        zt::destroySharedWindows();
        dir.reset();
    }

    // One game through the window: every control the spin writes, the phase
    // colour read back by the engine, and the reset bridge inside a spin.
    void keypadClicksShowHistoryProposalDelaysAndPhase()
    {
        play({17});
        QCOMPARE(historyBox() + text("Label6"), QStringLiteral(" 1:  17\nUltimo: 17"));
        QCOMPARE(note(), QStringLiteral("14, 20, 31,"));
        QCOMPARE(lit(), QStringLiteral("14, 20, 31, "));
        QCOMPARE(c<zt::HiddenBox>("DB2_nu")->text(), QString()); // recording is off
        play({5, 32});
        QCOMPARE(historyBox(), QStringLiteral(" 3:  32\n 2:  5\n 1:  17\n"));
        QCOMPARE(delays(), QStringLiteral(" 2| 0"));
        setting("Check16")->setChecked(true);
        play({20}); // first hit at the third attempt
        QCOMPARE(board->noteColor(), QColor(255, 0, 0));
        QCOMPARE(delays() + lit(), QStringLiteral(" 2| 114, 20, 31, "));
        play({14}); // second hit: closed, and 14 proposes its own row
        QCOMPARE(board->noteColor(), QColor(Qt::black));
        QCOMPARE(note() + delays() + lit(), QStringLiteral("15, 19, 32,0|015, 19, 32, "));

        click("Command6"); // "C. TUTTO"
        click("Check3");   // "Modo Zentrima13"
        play({10, 20, 30, 4, 5, 6});
        QCOMPARE(note(), QStringLiteral("6, 17, 34, "));
        QCOMPARE(lit(), note());
    }

    void resetAfterAStringRunsInsideTheSpin()
    {
        setting("Check1")->setChecked(true); // "Azzera"
        play({17, 3, 20});
        QCOMPARE(c<zt::HiddenBox>("CM_Azzera")->text(), QStringLiteral("ok"));
        QCOMPARE(board->historyCount(), 0);
        QCOMPARE(historyBox() + text("Label6"), QStringLiteral("Ultimo: 20"));
        QCOMPARE(note() + delays(), QStringLiteral("25, 2, 17,0|0"));
        QCOMPARE(lit(), QStringLiteral("2, 17, 25, "));
        play({9});
        QCOMPARE(historyBox(), QStringLiteral(" 1:  9\n"));
    }

    void correctionButtons()
    {
        play({5, 17, 32});
        click("Command4"); // "C. ULTIMO"
        QCOMPARE(historyBox() + text("Label6"), QStringLiteral(" 2:  17\n 1:  5\nUltimo: 17"));
        click("Command3"); // "C. PRIMO"
        QCOMPARE(historyBox() + text("Label6"), QStringLiteral(" 1:  17\nUltimo: 17"));

        click("Command21_0"); // "X": the row only
        QCOMPARE(note() + delays() + text("Label26_0") + lit(), QStringLiteral("0|001, 14, 20, "));

        // A smaller history size drops the oldest spins at once.
        play({32});
        auto* size = c<QLineEdit>("Text3");
        size->setText(QStringLiteral("1"));
        Q_EMIT size->editingFinished();
        QCOMPARE(historyBox(), QStringLiteral(" 1:  32\n"));
        play({17});
        QCOMPARE(historyBox(), QStringLiteral(" 1:  17\n"));

        click("Command6"); // "C. TUTTO"
        QCOMPARE(c<zt::HiddenBox>("CM_Azzera")->text(), QStringLiteral("ok"));
        QCOMPARE(historyBox() + note() + delays() + lit(), QStringLiteral("0|0"));
        QCOMPARE(text("Label6") + QString::number(board->historyCount()),
                 QStringLiteral("Ultimo: 170"));
    }

    void exchangeFile()
    {
        const auto write = [](const QByteArray& bytes) {
            zt::test::writeFile("numero.txt", bytes);
        };
        write("0000000001\r\n17\r\n");
        QTRY_COMPARE(board->historyCount(), 1); // the timer's own tick
        QCOMPARE(board->history().newest(), 17);
        QCOMPARE(c<zt::HiddenBox>("CM_tempo")->text() + c<zt::HiddenBox>("CM_pulsante")->text(),
                 QStringLiteral("0000000001ok"));
        c<QTimer>("Timer2")->stop();
        // The same stamp again, a number off the wheel, then a fraction, which
        // passes the range test and enters a 0.
        for (const char* bytes :
             {"0000000001\r\n22\r\n", "0000000003\r\n37\r\n", "  00000005\r\n17.5"}) {
            write(bytes);
            QMetaObject::invokeMethod(board, "pollExchangeFile");
        }
        QCOMPARE(board->historyCount(), 2);
        QCOMPARE(board->history().newest(), 0);
        QCOMPARE(c<zt::HiddenBox>("CM_tempo")->text(), QStringLiteral("00000005"));
        QVERIFY(QFile::exists(QStringLiteral("numero.txt")));
    }

    void invertedKeypad()
    {
        play({17});
        click("Command14"); // "<>"
        QCOMPARE(key(1)->text() + key(36)->text(), QStringLiteral("343"));
        QCOMPARE(key(1)->backColor(), QColor(255, 0, 0));
        QCOMPARE(lit(), QStringLiteral("14, 20, 31, "));
        savedColoursFollowCaptions();
        key(1)->click();
        QCOMPARE(text("Label6"), QStringLiteral("Ultimo: 34"));

        click("Command14");
        QCOMPARE(key(1)->text(), QStringLiteral("3"));
        savedColoursFollowCaptions();
        QCOMPARE(lit(), QStringLiteral("14, 20, 31, "));

        // "EV" paints whatever "Evidenzia su Tastiera" says, and nothing without a string.
        click("Command6");
        setting("Check20")->setChecked(false);
        play({2});
        QCOMPARE(note() + lit(), QStringLiteral("17, 25, 34,"));
        click("Command16");
        QCOMPARE(lit(), QStringLiteral("17, 25, 34, "));
        click("Command21_0");
        click("Command16");
        QCOMPARE(lit(), QStringLiteral("17, 25, 34, "));
    }

    void lockedProposalTakesWhateverIsTyped()
    {
        click("Check1");
        QVERIFY(noteBox()->editor());
        noteBox()->editor()->setFocus();
        QTest::keyClicks(noteBox()->editor(), QStringLiteral("abc, 17, xy,"));
        play({17, 3, 17});
        QCOMPARE(note(), QStringLiteral("abc, 17, xy,"));
        QCOMPARE(lit(), painted(note())); // whatever the list rule reads in it
        click("Check1");
        QVERIFY(noteBox()->isReadOnly());
    }

    void recordingStoresEverySpin()
    {
        using zt::test::sql;
        click("Check8");
        for (int i = 0; i < 38; ++i)
            send(QString::number(i % 37));
        QCOMPARE(board->historyCount(), 36);
        QStringList rows; // the count before the spin + 1: from the 37th spin on, 37
        for (int i = 0; i < 38; ++i)
            rows << QString::number(i % 37) + zt::signText(std::min(i + 1, 37));
        QCOMPARE(sql("SELECT group_concat(trim(Numero) || Memoria || ifnull(Tipo, ''), '|') "
                     "FROM (SELECT * FROM Uscite ORDER BY id)"),
                 QVariantList{rows.join(u'|')});

        click("Command6"); // a new game, of type "Spin"
        c<QComboBox>("Combo7")->setCurrentText(QStringLiteral("Spin"));
        send(QStringLiteral("6"));
        QCOMPARE(sql(QStringLiteral("SELECT Memoria || '/' || Tipo FROM Uscite WHERE id > 38")),
                 QVariantList{QStringLiteral(" 1/2")});
        QCOMPARE(c<zt::HiddenBox>("DB2_nu")->text() + c<zt::HiddenBox>("DB2_gi")->text() +
                     c<zt::HiddenBox>("DB2_me")->text(),
                 QStringLiteral(" 62 1"));
        QVERIFY(board->findChildren<QMessageBox*>().isEmpty());
    }

    // Told once; while it fails the switch stays red with the reason as its
    // tooltip, until recording is switched off or a spin is recorded again.
    void unusableDatabaseIsReportedOnceAndPlayGoesOn()
    {
        const QByteArray garbage = QByteArray("no database here\n").repeated(300);
        const QString reason = QStringLiteral("Il file dati.mdb non è un database valido: "
                                              "l'uscita non è stata registrata.");
        zt::test::writeFile("dati.mdb", garbage);
        auto* recording = c<QCheckBox>("Check8");
        const auto shows = [&] { // red around the box, and the tooltip
            const QRect around = recording->geometry().adjusted(-2, -2, 0, 0);
            const QColor corner = c<QWidget>("Frame2")->grab(around).toImage().pixelColor(0, 0);
            return QString(corner == QColor(255, 0, 0) ? "red " : "") + recording->toolTip();
        };
        const QString failing = "red Registra Uscite\n" + reason;
        click("Check8");
        play({17, 3, 5});
        QList<QMessageBox*> boxes = board->findChildren<QMessageBox*>();
        QCOMPARE(boxes.size(), 1); // once, not at every spin
        QVERIFY(boxes[0]->isVisible() && !boxes[0]->isModal());
        QCOMPARE(boxes[0]->text(), reason);
        delete boxes[0];
        play({8});
        QVERIFY(board->findChildren<QMessageBox*>().isEmpty());
        QCOMPARE(shows(), failing);
        QCOMPARE(zt::test::fileBytes(), garbage);
        click("Check8"); // switched off and on again: the player is told again
        QCOMPARE(shows(), QStringLiteral("Registra Uscite"));
        click("Check8");
        play({9});
        QCOMPARE(board->findChildren<QMessageBox*>().size(), 1);
        QCOMPARE(shows(), failing);
        QVERIFY(QFile::remove("dati.mdb"));
        play({10});
        QCOMPARE(shows(), QStringLiteral("Registra Uscite"));
        QCOMPARE(zt::test::sql("SELECT Numero FROM Uscite"), QVariantList{" 10"});
        QCOMPARE(board->historyCount(), 6);
    }

    void randomPlayKeepsTheBoardConsistent()
    {
        std::mt19937 rng(13);
        const auto chance = [&rng](int n) { return rng() % unsigned(n) == 0; };
        auto* maxDelay = control<QLineEdit>(zt::shared<zt::SettingsWindow>(), "ST_ContrMax0");
        const std::pair<int, const char*> clicks[] = {{60, "Check1"},     {100, "Command4"},
                                                      {100, "Command3"},  {400, "Command6"},
                                                      {150, "Command14"}, {200, "Command21_0"}};
        const std::pair<int, const char*> toggles[] = {
            {80, "Check20"}, {80, "Check16"}, {150, "Check1"}};
        for (int i = 0; i < 3000; ++i) {
            if (chance(40))
                click(chance(2) ? "Check2" : "Check3");
            for (auto [odds, name] : clicks) {
                if (chance(odds))
                    click(name);
            }
            for (auto [odds, name] : toggles) {
                if (chance(odds))
                    setting(name)->toggle();
            }
            if (c<QCheckBox>("Check1")->isChecked() && chance(30))
                noteBox()->setText(QStringLiteral("3, x7, 30,") +
                                        QString(int(rng() % 200), u'2'));
            if (chance(100))
                maxDelay->setText(QString::number(rng() % 14));
            send(chance(50) ? QStringLiteral("sette") : QString::number(rng() % 38));
            const int count = board->historyCount();
            QVERIFY(count >= 0 && count <= board->historySize());
            QCOMPARE(historyBox(),
                     board->history().text().replace(QLatin1String("\r\n"), QLatin1String("\n")));
            QCOMPARE(int(historyBox().count(u'\n')), count);
            if (setting("Check20")->isChecked())
                QCOMPARE(lit(), painted(note()));
            QCOMPARE(c<zt::HiddenBox>("CM_pulsante")->text(), QStringLiteral("ok"));
        }
        savedColoursFollowCaptions();
    }
};

ZT_WINDOWS_TEST_MAIN(BoardPlayTest)
#include "tst_boardplay.moc"
