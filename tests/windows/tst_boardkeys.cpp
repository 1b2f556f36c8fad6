// The board from the keyboard: typed numbers, Ctrl+Z over recorded and
// waiting spins, and the board growing with its window and with Ctrl++.

#include "boardfixture.h"
#include "store/spinqueue.h"
#include "store/spintimes.h"
#include "storetesting.h"
#include "ui/linesbox.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSqlQuery>
#include <QPlainTextEdit>
#include <QTimer>

#include <cstring>

using zt::control;
using zt::test::sql;

class BoardKeysTest : public QObject, zt::test::BoardFixture {
    Q_OBJECT

    // Keys to the control with the focus: digits, E Enter, N the keypad's
    // Enter, X Escape, Z Ctrl+Z.
    void type(const char* keys)
    {
        const QKeyCombination special[] = {Qt::Key_Return, Qt::KeypadModifier | Qt::Key_Enter,
                                           Qt::Key_Escape, Qt::CTRL | Qt::Key_Z};
        for (const char* k = keys; *k; ++k) {
            const char* at = std::strchr("ENXZ", *k);
            const QKeyCombination key = at ? special[at - "ENXZ"] : Qt::Key(*k);
            QWidget* to = QApplication::focusWidget() ? QApplication::focusWidget() : board;
            QTest::keyClick(to, key.key(), key.keyboardModifiers());
        }
    }
    QString history() { return board->history().text().replace(QLatin1String("\r\n"), "|"); }
    QString shown() { return c<QLabel>("Digitato")->isVisible() ? text("Digitato") : ""; }
    QString text(const char* label) { return c<QLabel>(label)->text(); }
    static QString rows()
    {
        return sql("SELECT group_concat(id || ':' || trim(Numero), ' ') FROM Uscite")
            .value(0)
            .toString();
    }

private Q_SLOTS:
    void init() { QVERIFY(openBoard()); }
    void cleanup() { closeBoard(); }

    void typedNumbersEnterAsClicksWhateverHasTheFocus()
    {

        ZT_ITALIAN_WORDS();
        c<QComboBox>("Combo1")->setFocus(); // a closed list: the digits are spins
        type("17");
        QCOMPARE(shown(), QStringLiteral("Digitato: 17"));
        type("E");
        QCOMPARE(history() + text("Label6") + shown() + c<QComboBox>("Combo1")->currentText(),
                 QStringLiteral(" 1:  17|Ultimo: 17Tutti"));
        c<QCheckBox>("Check8")->setFocus();
        type("0N");
        key(20)->setFocus();
        type("36E2XE");
        QCOMPARE(history(), QStringLiteral(" 3:  36| 2:  0| 1:  17|"));

        // A key held down counts once: its repeats are not digits, nor undos.
        const auto held = [&](Qt::Key key, Qt::KeyboardModifiers mods, const QString& text) {
            for (bool repeat : {false, true, true}) {
                QKeyEvent press(QEvent::KeyPress, key, mods, text, repeat);
                QApplication::sendEvent(QApplication::focusWidget(), &press);
            }
        };
        held(Qt::Key_1, Qt::NoModifier, "1");
        QCOMPARE(shown(), QStringLiteral("Digitato: 1"));
        type("E");
        held(Qt::Key_Z, Qt::ControlModifier, "\x1a");
        QCOMPARE(history(), QStringLiteral(" 3:  36| 2:  0| 1:  17|"));

        type("37E"); // refused in red for a moment; nothing entered
        QCOMPARE(shown() + QString::number(board->historyCount()), QStringLiteral("37 errato3"));
        QCOMPARE(c<QLabel>("Digitato")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        c<QTimer>("DigitatoTimer")->start(1);
        QTRY_COMPARE(shown(), QString());

        click("Command14"); // inverted: the button that shows 3 is clicked
        type("3E");
        QCOMPARE(board->history().newest(), 3);

        auto* note = c<zt::LinesBox>("note_0"); // unlocked, it takes the keys as text
        note->clear();
        click("Check1");
        note->editor()->setFocus();
        type("9E");
        QCOMPARE(note->toPlainText(), QStringLiteral("9\n"));
        type("Z"); // the note's own undo
        QCOMPARE(board->historyCount(), 4);
    }

    void undoTakesBackSpinsAndOnlyTheRowsThisRunRecorded()
    {

        ZT_ITALIAN_WORDS();
        sql({zt::test::usciteTable, "INSERT INTO Uscite (Numero) VALUES (' 1'), (' 2')"});
        type("Z"); // nothing to take back
        click("Check8");
        type("17E"); // row 3
        click("Check8");
        type("5E"); // not recorded
        click("Check8");
        board->sendSpin(QStringLiteral("9")); // row 4, through the bridge
        type("ZZ");
        QCOMPARE(history() + rows(), QStringLiteral(" 1:  17|1:1 2:2 3:17"));
        type("ZZ");
        QCOMPARE(history() + text("Label6") + rows(), QStringLiteral("Ultimo: 171:1 2:2"));

        // "C. ULTIMO" keeps its row: the next Ctrl+Z takes the spin before.
        type("10E11E12E"); // rows 5 to 7
        click("Command4");
        type("ZZ");
        QCOMPARE(rows(), QStringLiteral("1:1 2:2 7:12"));

        // A row of this run changed since (its id taken again) is left alone.
        type("6E");
        sql({"DELETE FROM Uscite WHERE id = 8",
             "INSERT INTO Uscite (id, Numero) VALUES (8, ' 6')"});
        type("Z");
        QCOMPARE(QString::number(board->historyCount()) + rows(),
                 QStringLiteral("01:1 2:2 7:12 8:6"));
        QVERIFY(board->findChildren<QMessageBox*>().isEmpty());

        // A row that cannot be deleted: said, and the spin stays.
        type("17E");
        QVERIFY(QFile::setPermissions("dati.mdb", QFile::ReadOwner | QFile::ReadGroup));
        type("Z");
        const QList<QMessageBox*> boxes = board->findChildren<QMessageBox*>();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0]->text(),
                 QStringLiteral("Il file dati.mdb è in sola lettura: la riga non è stata "
                                "cancellata. L'uscita 17 resta nella storia."));
        delete boxes[0];
        QCOMPARE(history() + rows(), QStringLiteral(" 1:  17|1:1 2:2 7:12 8:6 9:17"));
        QVERIFY(QFile::setPermissions("dati.mdb", QFile::ReadOwner | QFile::WriteOwner));
        type("Z");
        QCOMPARE(history() + rows(), QStringLiteral("1:1 2:2 7:12 8:6"));

        // After "C. PRIMO", and after a full history slid: Ctrl+Z deletes the
        // newest spin's own row, and stops where the history stops.
        type("20E21E22E"); // rows 10 to 12
        click("Command3");
        type("ZZZ");
        QCOMPARE(history() + rows(), QStringLiteral("1:1 2:2 7:12 8:6 10:20"));
        for (int n = 0; n <= 36; ++n) // rows 13 to 49; 0 slides out
            type(qPrintable(QString::number(n) + u'E'));
        type(QByteArray(37, 'Z'));
        QCOMPARE(history() + rows(), QStringLiteral("1:1 2:2 7:12 8:6 10:20 13:0"));
    }

    // Another program holds dati.mdb: spins entered meanwhile, however they
    // come, wait in order and are counted; Ctrl+Z takes one back; a new start
    // finds them waiting, or writes them at once when the file is free.
    void spinsWaitWhileAnotherProgramHoldsTheFile()
    {
        ZT_ITALIAN_WORDS();
        sql({zt::test::usciteTable, "INSERT INTO Uscite (Numero) VALUES (' 1')"});
        c<QComboBox>("Combo7")->setCurrentText("Live");
        click("Check8");
        std::optional<zt::StoreConnection> locker(std::in_place);
        QVERIFY(locker->open(nullptr) && QSqlQuery(locker->database()).exec("BEGIN EXCLUSIVE"));
        for (int i = 0; i <= 36; ++i) {
            if (key(i)->text() == u"17")
                key(i)->click();
        }
        type("5E");
        zt::test::writeFile("numero.txt", "0000000001\r\n22\r\n");
        QMetaObject::invokeMethod(board, "pollExchangeFile");
        board->sendSpin("9");
        const auto waiting = [&] {
            return c<QLabel>("Attesa")->isVisibleTo(board)
                       ? text("Attesa").replace('\n', ' ') +
                             (c<QFrame>("Check8Frame")->isVisibleTo(board) ? " red" : "")
                       : QString();
        };
        QCOMPARE(waiting(), "4 uscite in attesa di registrazione red");
        QVERIFY(board->findChildren<QMessageBox*>().isEmpty()); // no box per spin
        QVERIFY(c<QCheckBox>("Check8")->toolTip().contains("bloccato da un altro programma"));
        type("Z"); // 9 never reaches the file
        QCOMPARE(waiting() + history(),
                 "3 uscite in attesa di registrazione red 3:  22| 2:  5| 1:  17|");

        zt::destroySharedWindows(); // a new start, the file still held
        board = zt::shared<zt::BoardWindow>();
        QCOMPARE(waiting(), "3 uscite in attesa di registrazione red");
        QVERIFY(c<QTimer>("AttesaTimer")->isActive());
        locker.reset(); // lets go, and a new start writes them before anything else
        zt::destroySharedWindows();
        board = zt::shared<zt::BoardWindow>();
        QCOMPARE(waiting(), QString());
        QVERIFY(!c<QFrame>("Check8Frame")->isVisibleTo(board) &&
                !c<QTimer>("AttesaTimer")->isActive());
        QCOMPARE(sql("SELECT group_concat(trim(Numero) || Memoria || Tipo, ',') FROM Uscite u "
                     "JOIN UsciteOra o ON o.id = u.id"),
                 QVariantList{"17 11,5 21,22 31"});
        QVERIFY(!QFile::exists("dati.mdb-attesa"));
    }

    // Spins left waiting by an earlier run, and a file the player must mend
    // (without write permission): said once, they keep waiting, a spin
    // entered meanwhile is not recorded, and once mended they are written.
    void waitingSpinsOutlastAFileToMend()
    {
        ZT_ITALIAN_WORDS();
        sql(zt::test::usciteTable);
        {
            zt::SpinQueue left;
            QVERIFY(left.load("dati.mdb-attesa"));
            left.add({0, " 30", " 1", "", zt::spinTimeText(QDateTime::currentDateTime()), 0});
        }
        QVERIFY(QFile::setPermissions("dati.mdb", QFile::ReadOwner | QFile::ReadGroup));
        zt::destroySharedWindows();
        board = zt::shared<zt::BoardWindow>();
        QVERIFY(c<QLabel>("Attesa")->isVisibleTo(board));
        QMetaObject::invokeMethod(board, "recordWaitingSpins");
        QMetaObject::invokeMethod(board, "recordWaitingSpins"); // said once
        click("Check8");
        type("2E");
        QStringList said;
        for (QMessageBox* box : board->findChildren<QMessageBox*>())
            said << box->text();
        QCOMPARE(said, QStringList({"Il file dati.mdb è in sola lettura: le uscite in attesa non "
                                    "sono state registrate. Il programma riprova da solo.",
                                    "Il file dati.mdb è in sola lettura: l'uscita non è stata "
                                    "registrata."}));
        QVERIFY(QFile::setPermissions("dati.mdb", QFile::ReadOwner | QFile::WriteOwner));
        QMetaObject::invokeMethod(board, "recordWaitingSpins");
        QVERIFY(!c<QLabel>("Attesa")->isVisibleTo(board) &&
                !c<QFrame>("Check8Frame")->isVisibleTo(board));
        QCOMPARE(rows(), "1:30");
    }

    // A queue file left with a line cut short (a power failure) and a line
    // that is no spin the board records: said as it was found at start,
    // and the good spin is written.
    void waitingFileProblemsAreSaidAtStart()
    {
        ZT_ITALIAN_WORDS();
        sql(zt::test::usciteTable);
        const auto line = [](const QByteArray& text) {
            return text + '\t' + QByteArray::number(qChecksum(text), 16).rightJustified(4, '0') +
                   '\n';
        };
        const QByteArray ora = zt::spinTimeText(QDateTime::currentDateTime()).toUtf8();
        zt::test::writeFile("dati.mdb-attesa", line("uscita\t1\t 30\t 1\t\t" + ora) +
                                                   line("uscita\t2\t 40\t 2\t\t" + ora) +
                                                   "uscita\t3\t 8");
        zt::destroySharedWindows();
        board = zt::shared<zt::BoardWindow>();
        QTRY_VERIFY(board->findChild<QMessageBox*>());
        QCOMPARE(board->findChild<QMessageBox*>()->text(),
                 "Nel file dati.mdb-attesa una riga era danneggiata ed è stata tolta: un'uscita in "
                 "attesa di registrazione può essere andata persa. Nel file dati.mdb-attesa la "
                 "riga 2 non è valida (Numero « 40» non è un numero da 0 a 36) e non è stata "
                 "registrata; il file com'era è conservato come dati.mdb-attesa-scartato.");
        QCOMPARE(rows(), "1:30");
    }

    // A waiting spin written later is taken back with its row; while the file
    // is held a recorded one is not, and recording goes on afterwards.
    void undoDeletesTheRowOfASpinThatWaited()
    {
        click("Check8");
        type("7E");
        std::optional<zt::StoreConnection> locker(std::in_place);
        QVERIFY(locker->open(nullptr) && QSqlQuery(locker->database()).exec("BEGIN EXCLUSIVE"));
        type("Z");
        QCOMPARE(QString::number(board->historyCount()), "1");
        delete board->findChild<QMessageBox*>(); // "… bloccato … L'uscita 7 resta nella storia."
        type("8E");
        locker.reset();
        QTRY_VERIFY(!c<QLabel>("Attesa")->isVisible());
        QCOMPARE(rows(), "1:7 2:8");
        type("ZZ");
        QCOMPARE(QString::number(board->historyCount()) + rows(), "0");
        QCOMPARE(sql("SELECT count(*) FROM UsciteOra"), QVariantList{0});
    }

    // The board grows as a whole: every control's place, size and text by one
    // factor.  Ctrl++, Ctrl+- and Ctrl+0 step the size, which the next run
    // finds again; at the designed size nothing differs by a pixel.
    void boardGrowsAsAWhole()
    {
        const auto looks = [&](double factor) {
            QStringList all;
            for (QWidget* w : board->findChildren<QWidget*>()) {
                // The board's controls, not their own parts.
                const QWidget* in = w->parentWidget();
                if (w->isWindow() || w->objectName() == "FocusFrame" ||
                    (in != board && in->metaObject() != &QFrame::staticMetaObject))
                    continue;
                const QRect g = w->geometry();
                QFont font = w->font();
                font.setPointSizeF(font.pointSizeF() / factor);
                all << QString("%1 %2,%3 %4x%5 %6")
                           .arg(w->objectName())
                           .arg(g.x() / factor)
                           .arg(g.y() / factor)
                           .arg(g.width() / factor)
                           .arg(g.height() / factor)
                           .arg(font.toString());
            }
            return all;
        };
        const QStringList designed = looks(1);
        board->resize(1232, 544);
        QCOMPARE(board->scale(), 2.0);
        QCOMPARE(looks(2), designed);
        board->resize(1432, 544); // wider: the board in the middle
        QCOMPARE(c<QWidget>("Frame22")->pos(), QPoint(100, 0));
        QTest::keyClick(board, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(board->size(), QSize(616, 272));
        QCOMPARE(looks(1), designed);
        QTest::keyClick(board, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(board->size(), QSize(770, 340));
        QTest::keyClick(board, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(board->scale(), 1.0);
        QTest::keyClick(board, Qt::Key_Plus, Qt::ControlModifier);
        QTRY_VERIFY(!c<QTimer>("ScalaTimer")->isActive());
        zt::destroySharedWindows();
        board = zt::shared<zt::BoardWindow>();
        QCOMPARE(board->size(), QSize(770, 340));
    }

    void namesFocusAndHelp()
    {

        ZT_ITALIAN_WORDS();
        const auto name = [](QWidget* w) {
            return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        };
        click("Command14");
        QCOMPARE(name(key(0)) + '|' + name(key(1)) + '|' + name(key(13)) + '|' +
                     name(c<QWidget>("Check8")),
                 QStringLiteral("0 verde|34 rosso|35 nero|Registra Uscite"));
        for (QWidget* w : board->findChildren<QWidget*>()) {
            if (w->isVisible() && w->focusPolicy() != Qt::NoFocus)
                QVERIFY2(!name(w).isEmpty(), qPrintable(w->objectName()));
        }
        QVERIFY(board->toolTip().contains("Ctrl+Z") && board->toolTip().contains("Ctrl+U"));

        const QRect typed = c<QWidget>("Digitato")->geometry(); // covers no control
        for (QWidget* w : c<QWidget>("Frame22")->findChildren<QWidget*>()) {
            if (w->isVisible() && w->objectName() != u"Digitato" && w->objectName() != u"Frame22")
                QVERIFY2(!QRect(w->mapTo(board, QPoint()), w->size()).intersects(typed),
                         qPrintable(w->objectName()));
        }
        key(5)->setFocus(Qt::TabFocusReason); // framed when Tab moves the focus
        QVERIFY(c<QWidget>("FocusFrame")->isVisible());
    }
};

ZT_WINDOWS_TEST_MAIN(BoardKeysTest)
#include "tst_boardkeys.moc"
