// Playing the board from the keyboard: typed numbers enter spins as clicks
// do, and Ctrl+Z takes spins back together with the rows this run recorded.

#include "storetesting.h"
#include "ui/colorbutton.h"
#include "windowsupport.h"
#include "ui/linesbox.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimer>

#include <cstring>
#include <optional>

using zt::control;
using zt::test::sql;

class BoardKeysTest : public QObject {
    Q_OBJECT

    std::optional<zt::test::FreshDir> dir;
    zt::BoardWindow* board = nullptr;

    template <class T> T* c(const char* name) { return control<T>(board, QLatin1String(name)); }
    zt::ColorButton* key(int index) { return control<zt::ColorButton>(board, "Command9", index); }
    void click(const char* name) { c<QAbstractButton>(name)->click(); }

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
    void init()
    {
        dir.emplace();
        board = zt::shared<zt::BoardWindow>();
        board->show();
        QApplication::setActiveWindow(board);
        QVERIFY(QTest::qWaitForWindowActive(board));
    }
    void cleanup()
    {
        zt::destroySharedWindows();
        dir.reset();
    }

    void typedNumbersEnterAsClicksWhateverHasTheFocus()
    {
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

    void namesFocusAndHelp()
    {
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
