// Playing on the main board window: keypad clicks, corrections, the bridges,
// the exchange file, the keypad inversion, the lock and the recording of spins,
// all through the window's own controls.

#include "../store/storetesting.h"
#include "app/colorbutton.h"
#include "app/controls.h"
#include "app/sharedwindow.h"
#include "app/textrules.h"
#include "board/associations.h"
#include "board/boardwindow.h"
#include "board/keypadlayout.h"
#include "strings/settingswindow.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <optional>
#include <random>

using zt::control;

class BoardPlayTest : public QObject {
    Q_OBJECT

    std::optional<zt::test::FreshDir> dir;
    zt::BoardWindow* board = nullptr;

    template <class T> T* c(const char* name) { return control<T>(board, QLatin1String(name)); }
    zt::ColorButton* key(int index) { return control<zt::ColorButton>(board, "Command9", index); }
    QPlainTextEdit* noteBox() { return c<QPlainTextEdit>("note_0"); }
    QCheckBox* setting(const char* name)
    {
        return control<QCheckBox>(zt::shared<zt::SettingsWindow>(), QLatin1String(name));
    }
    void click(const char* name) { c<QAbstractButton>(name)->click(); }
    void send(const QString& text) { c<QLineEdit>("CM_pulsante")->setText(text); }

    // Clicks, for each number, the keypad button that shows it.
    void play(std::initializer_list<int> numbers)
    {
        for (int n : numbers) {
            int index = 0;
            while (index <= 36 && key(index)->text() != QString::number(n))
                ++index;
            QVERIFY(index <= 36);
            key(index)->click();
        }
    }

    int shownMessages()
    {
        const QList<QMessageBox*> boxes = board->findChildren<QMessageBox*>();
        return int(
            std::count_if(boxes.begin(), boxes.end(), [](QWidget* w) { return w->isVisible(); }));
    }

    QString historyBox() { return c<QPlainTextEdit>("Text1")->toPlainText(); }
    QString note() { return noteBox()->toPlainText(); }
    QString delays()
    {
        return c<QLabel>("Label38_0")->text() + u'|' + c<QLabel>("Label44_0")->text();
    }

    // The numbers on yellow buttons, ascending ("14, 20, 31, "); a button that
    // is neither yellow nor in its saved colour shows as "bad <index>".
    QString lit()
    {
        QList<int> numbers;
        QString bad;
        for (int i = 0; i <= 36; ++i) {
            const QRgb colour = key(i)->backColor().rgb();
            if (colour == zt::keypad::highlight)
                numbers << key(i)->text().toInt();
            else if (colour != board->savedKeypadColor(i))
                bad += QStringLiteral("bad %1, ").arg(i);
        }
        std::sort(numbers.begin(), numbers.end());
        QString out;
        for (int n : numbers)
            out += QString::number(n) + QStringLiteral(", ");
        return out + bad;
    }

    // The yellow buttons are exactly those of the numbers, the others show their saved colours.
    bool keypadShows(zt::NumberSet numbers)
    {
        for (int i = 0; i <= 36; ++i) {
            const bool yellow = i > 0 && numbers.containsValue(zt::leadingNumber(key(i)->text()));
            const QRgb expected = yellow ? zt::keypad::highlight : board->savedKeypadColor(i);
            if (key(i)->backColor().rgb() != expected)
                return false;
        }
        return true;
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

    void keypadClicksShowHistoryProposalAndHighlighting()
    {
        play({17});
        QCOMPARE(historyBox(), QStringLiteral(" 1:  17\n"));
        QCOMPARE(c<QLabel>("Label6")->text(), QStringLiteral("Ultimo: 17"));
        QCOMPARE(note(), QStringLiteral("14, 20, 31,"));
        QCOMPARE(lit(), QStringLiteral("14, 20, 31, "));
        QCOMPARE(c<QLineEdit>("DB2_nu")->text(), QString()); // recording is off

        play({5, 32});
        QCOMPARE(historyBox(), QStringLiteral(" 3:  32\n 2:  5\n 1:  17\n"));
        QCOMPARE(delays(), QStringLiteral(" 2| 0"));
        QCOMPARE(board->historyCount(), 3);

        click("Command6"); // "C. TUTTO"
        click("Check3");   // "Modo Zentrima13"
        play({10, 20, 30, 4, 5});
        QCOMPARE(note(), QString());
        QCOMPARE(lit(), QString());
        play({6});
        QCOMPARE(note(), QStringLiteral("6, 17, 34, "));
        QCOMPARE(lit(), QStringLiteral("6, 17, 34, "));
    }

    void secondHitShowsBothDelaysAndThePhase()
    {
        setting("Check16")->setChecked(true);
        play({17, 2, 5, 8});
        QCOMPARE(delays(), QStringLiteral(" 3| 0"));
        QCOMPARE(board->noteColor(), QColor(Qt::black));
        play({20}); // first hit at the fourth attempt
        QCOMPARE(board->noteColor(), QColor(255, 0, 0));
        QCOMPARE(delays(), QStringLiteral(" 3| 1"));
        QCOMPARE(lit(), QStringLiteral("14, 20, 31, "));
        play({2});
        QCOMPARE(delays(), QStringLiteral(" 3| 2"));
        play({14}); // second hit: closed, and 14 proposes its own row
        QCOMPARE(board->noteColor(), QColor(Qt::black));
        QCOMPARE(delays(), QStringLiteral("0|0"));
        QCOMPARE(note(), QStringLiteral("15, 19, 32,"));
        QCOMPARE(lit(), QStringLiteral("15, 19, 32, "));
    }

    void resetAfterAStringRunsInsideTheSpin()
    {
        setting("Check1")->setChecked(true); // "Azzera"
        play({17, 3, 20});
        QCOMPARE(c<QLineEdit>("CM_Azzera")->text(), QStringLiteral("ok"));
        QCOMPARE(board->historyCount(), 0);
        QCOMPARE(historyBox(), QString());
        QCOMPARE(c<QLabel>("Label6")->text(), QStringLiteral("Ultimo: 20"));
        QCOMPARE(note() + delays(), QStringLiteral("25, 2, 17,0|0"));
        QCOMPARE(lit(), QStringLiteral("2, 17, 25, "));
        play({9});
        QCOMPARE(historyBox(), QStringLiteral(" 1:  9\n"));
    }

    void correctionButtons()
    {
        click("Command4"); // "C. ULTIMO" on an empty history
        click("Command3");
        QCOMPARE(historyBox() + c<QLabel>("Label6")->text(), QStringLiteral("Ultimo:"));

        play({5, 17, 32});
        const QString proposal = note();
        click("Command4");
        QCOMPARE(historyBox(), QStringLiteral(" 2:  17\n 1:  5\n"));
        QCOMPARE(c<QLabel>("Label6")->text(), QStringLiteral("Ultimo: 17"));
        play({32});
        click("Command3"); // "C. PRIMO"
        QCOMPARE(historyBox(), QStringLiteral(" 2:  32\n 1:  17\n"));
        QCOMPARE(c<QLabel>("Label6")->text(), QStringLiteral("Ultimo: 32"));
        QCOMPARE(note(), proposal);
        QCOMPARE(lit(), QStringLiteral("1, 14, 20, "));

        click("Command21_0"); // "X": the row only
        QCOMPARE(note() + delays() + c<QLabel>("Label26_0")->text(), QStringLiteral("0|00"));
        QCOMPARE(lit(), QStringLiteral("1, 14, 20, "));
        QCOMPARE(board->historyCount(), 2);

        // A smaller history size drops the oldest spins at once.
        auto* size = c<QLineEdit>("Text3");
        size->setText(QStringLiteral("1"));
        Q_EMIT size->editingFinished();
        QCOMPARE(historyBox(), QStringLiteral(" 1:  32\n"));
        play({17});
        QCOMPARE(historyBox(), QStringLiteral(" 1:  17\n"));
        size->setText(QStringLiteral("36"));
        Q_EMIT size->editingFinished();

        play({9});
        click("Command6"); // "C. TUTTO"
        QCOMPARE(c<QLineEdit>("CM_Azzera")->text(), QStringLiteral("ok"));
        QCOMPARE(historyBox() + note() + delays(), QStringLiteral("0|0"));
        QCOMPARE(board->historyCount(), 0);
        QCOMPARE(lit(), QString());
        QCOMPARE(c<QLabel>("Label6")->text(), QStringLiteral("Ultimo: 9"));
        play({11});
        QCOMPARE(historyBox(), QStringLiteral(" 1:  11\n"));
    }

    void spinBridge_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number");
        QTest::newRow("17") << "17" << 17;
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("37") << "37" << 0;
        QTest::newRow("word") << "tredici" << 0;
        QTest::newRow("ok") << "ok" << -1;
    }
    void spinBridge()
    {
        QFETCH(QString, text);
        QFETCH(int, number);
        play({4});
        send(text);
        QCOMPARE(c<QLineEdit>("CM_pulsante")->text(), QStringLiteral("ok"));
        if (number < 0) {
            QCOMPARE(board->historyCount(), 1);
            return;
        }
        QCOMPARE(board->historyCount(), 2);
        QCOMPARE(board->history().newest(), number);
        QCOMPARE(c<QLabel>("Label6")->text(), QStringLiteral("Ultimo: %1").arg(number));
    }

    void exchangeFile()
    {
        const auto write = [](const QByteArray& bytes) {
            QFile f(QStringLiteral("numero.txt"));
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(bytes);
        };
        const auto poll = [this] { QMetaObject::invokeMethod(board, "pollExchangeFile"); };
        auto* stamp = c<QLineEdit>("CM_tempo");

        write("0000000001\r\n17\r\n");
        QTRY_COMPARE(board->historyCount(), 1); // the timer's own tick
        QCOMPARE(board->history().newest(), 17);
        QCOMPARE(stamp->text(), QStringLiteral("0000000001"));
        QCOMPARE(c<QLineEdit>("CM_pulsante")->text(), QStringLiteral("ok"));
        c<QTimer>("Timer2")->stop();

        poll();
        write("0000000001\r\n22\r\n"); // same stamp, other number
        poll();
        for (const char* ignored :
             {"0000000002\r\n0\r\n", "0000000003\r\n37\r\n", "000000004\r\n5"}) {
            write(ignored);
            poll();
        }
        QCOMPARE(board->historyCount(), 1);
        QCOMPARE(stamp->text(), QStringLiteral("0000000001"));

        write("  00000005\r\n17.5\r\n"); // a fraction passes the range test: a spin of 0
        poll();
        QCOMPARE(board->historyCount(), 2);
        QCOMPARE(board->history().newest(), 0);
        QCOMPARE(stamp->text(), QStringLiteral("00000005"));
        QVERIFY(QFile::exists(QStringLiteral("numero.txt")));
    }

    void invertedKeypad()
    {
        const QColor red(255, 0, 0);
        play({17});
        QCOMPARE(key(17)->text() + lit(), QStringLiteral("1414, 20, 31, "));

        click("Command14"); // "<>"
        QCOMPARE(key(1)->text(), QStringLiteral("34"));
        QCOMPARE(key(1)->backColor(), red);
        QCOMPARE(key(36)->text(), QStringLiteral("3"));
        QCOMPARE(key(36)->backColor(), red);
        QCOMPARE(key(20)->text() + lit(), QStringLiteral("1414, 20, 31, "));
        for (int i = 0; i <= 36; ++i)
            QCOMPARE(board->savedKeypadColor(i), zt::keypad::numberColor(key(i)->text().toInt()));

        key(1)->click();
        QCOMPARE(c<QLabel>("Label6")->text(), QStringLiteral("Ultimo: 34"));
        QCOMPARE(board->history().newest(), 34);

        click("Command14");
        for (int i = 1; i <= 36; ++i) {
            QCOMPARE(key(i)->text(), zt::keypad::captionAt(zt::keypad::Layout::Design, i));
            QCOMPARE(board->savedKeypadColor(i),
                     zt::keypad::colorAt(zt::keypad::Layout::Design, i));
        }
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
        noteBox()->setFocus();
        QTest::keyClicks(noteBox(), QStringLiteral("abc, 17, xy,"));
        QCOMPARE(note(), QStringLiteral("abc, 17, xy,"));
        play({17, 3, 17});
        QCOMPARE(note(), QStringLiteral("abc, 17, xy,"));

        QStringList items;
        for (int i = 0; i < 10000; ++i)
            items << QString::number(i % 37) + u',';
        const QString many = items.join(u' ');
        noteBox()->setPlainText(many);
        play({5, 0, 36});
        QCOMPARE(note(), many);
        QVERIFY(keypadShows(zt::highlightedNumbers(many)));

        const QString huge = QString(40000, u'7') + QStringLiteral(" 12,");
        noteBox()->setPlainText(huge);
        play({12, 1});
        QCOMPARE(note(), huge);
        QCOMPARE(board->historyCount(), 8);
        QVERIFY(keypadShows(zt::highlightedNumbers(huge)));
    }

    void recordingStoresEverySpin()
    {
        using zt::test::sql;
        click("Check8");
        for (int i = 0; i < 38; ++i)
            send(QString::number(i % 37));
        QCOMPARE(board->historyCount(), 36);
        const QVariantList memory = sql(QStringLiteral("SELECT Memoria FROM Uscite ORDER BY id"));
        QCOMPARE(memory.size(), 38);
        for (int i = 0; i < 38; ++i)
            QCOMPARE(memory[i].toString(), zt::signText(std::min(i + 1, 37)));
        QCOMPARE(sql(QStringLiteral("SELECT Numero FROM Uscite WHERE id = 38")),
                 QVariantList{QStringLiteral(" 0")});
        QCOMPARE(sql(QStringLiteral("SELECT COUNT(*) FROM Uscite WHERE Tipo IS NULL")),
                 QVariantList{38});

        click("Command6");
        c<QComboBox>("Combo7")->setCurrentText(QStringLiteral("Live"));
        send(QStringLiteral("5"));
        c<QComboBox>("Combo7")->setCurrentText(QStringLiteral("Spin"));
        send(QStringLiteral("6"));
        QCOMPARE(sql(QStringLiteral("SELECT Memoria || '/' || Tipo FROM Uscite WHERE id > 38")),
                 (QVariantList{QStringLiteral(" 1/1"), QStringLiteral(" 2/2")}));
        QCOMPARE(c<QLineEdit>("DB2_nu")->text() + c<QLineEdit>("DB2_gi")->text() +
                     c<QLineEdit>("DB2_me")->text(),
                 QStringLiteral(" 62 2"));
        QVERIFY(board->findChildren<QMessageBox*>().isEmpty());
    }

    void unusableDatabaseIsReportedOnceAndPlayGoesOn()
    {
        const QByteArray garbage = QByteArray("no database here\n").repeated(300);
        {
            QFile f(QStringLiteral("dati.mdb"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(garbage);
        }
        click("Check8");
        play({17, 3, 5});
        const QList<QMessageBox*> boxes = board->findChildren<QMessageBox*>();
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes[0]->isVisible());
        QVERIFY(!boxes[0]->isModal());
        QCOMPARE(boxes[0]->text(), QStringLiteral("Il file dati.mdb non è un database valido: "
                                                  "l'uscita non è stata registrata."));
        boxes[0]->accept();
        play({8});
        QCOMPARE(board->historyCount(), 4);
        QCOMPARE(shownMessages(), 0);
        QCOMPARE(zt::test::fileBytes(), garbage);
        click("Check8"); // switched off and on again: the player is told again
        click("Check8");
        play({9});
        QCOMPARE(shownMessages(), 1);
        QCOMPARE(board->historyCount(), 5);
    }

    void randomPlayKeepsTheBoardConsistent()
    {
        std::mt19937 rng(13);
        const auto chance = [&rng](int n) { return rng() % unsigned(n) == 0; };
        auto* maxDelay = control<QLineEdit>(zt::shared<zt::SettingsWindow>(), "ST_ContrMax0");
        int spins = 0;
        for (int i = 0; i < 3000; ++i) {
            if (chance(40))
                click(chance(2) ? "Check2" : "Check3");
            if (chance(60))
                click("Check1");
            if (c<QCheckBox>("Check1")->isChecked() && chance(30))
                noteBox()->setPlainText(QStringLiteral("3, x7, 30,") +
                                        QString(int(rng() % 200), u'2'));
            if (chance(80))
                setting("Check20")->toggle();
            if (chance(80))
                setting("Check16")->toggle();
            if (chance(150))
                setting("Check1")->toggle();
            if (chance(100))
                maxDelay->setText(QString::number(rng() % 14));
            if (chance(100))
                click("Command4");
            if (chance(100))
                click("Command3");
            if (chance(400))
                click("Command6");
            if (chance(150))
                click("Command14");
            if (chance(200))
                click("Command21_0");

            send(chance(50) ? QStringLiteral("sette") : QString::number(rng() % 38));
            ++spins;
            const int count = board->historyCount();
            QVERIFY(count >= 0 && count <= board->historySize());
            QCOMPARE(historyBox(),
                     board->history().text().replace(QLatin1String("\r\n"), QLatin1String("\n")));
            QCOMPARE(int(historyBox().count(u'\n')), count);
            if (setting("Check20")->isChecked())
                QVERIFY2(keypadShows(zt::highlightedNumbers(note())), qPrintable(note()));
            QVERIFY(key(0)->backColor().rgb() != zt::keypad::highlight);
            QCOMPARE(c<QLineEdit>("CM_pulsante")->text(), QStringLiteral("ok"));
        }
        for (int i = 0; i <= 36; ++i)
            QCOMPARE(board->savedKeypadColor(i), zt::keypad::numberColor(key(i)->text().toInt()));
        QCOMPARE(spins, 3000);
    }
};

ZT_TEST_MAIN(BoardPlayTest)
#include "tst_boardplay.moc"
