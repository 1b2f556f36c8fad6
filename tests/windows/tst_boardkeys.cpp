// Playing the board from the keyboard: typed numbers enter spins as clicks
// do, and Ctrl+Z takes spins back together with the rows this run recorded.

#include "storetesting.h"
#include "ui/colorbutton.h"
#include "windowsupport.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTimer>

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

    // Keys to whatever has the focus: digits, E Enter, N the keypad's Enter,
    // X Escape, Z Ctrl+Z.
    void type(const char* keys)
    {
        for (const char* k = keys; *k; ++k) {
            QWidget* to = QApplication::focusWidget();
            if (!to || to->window() != board)
                to = board;
            if (*k == 'E')
                QTest::keyClick(to, Qt::Key_Return);
            else if (*k == 'N')
                QTest::keyClick(to, Qt::Key_Enter, Qt::KeypadModifier);
            else if (*k == 'X')
                QTest::keyClick(to, Qt::Key_Escape);
            else if (*k == 'Z')
                QTest::keyClick(to, Qt::Key_Z, Qt::ControlModifier);
            else
                QTest::keyClick(to, Qt::Key(Qt::Key_0 + (*k - '0')));
        }
    }
    QString history() { return board->history().text().replace(QLatin1String("\r\n"), "|"); }
    QString typedShown()
    {
        auto* label = c<QLabel>("Digitato");
        return label->isVisible() ? label->text() : QString();
    }
    static QString rows()
    {
        return sql("SELECT group_concat(id || ':' || trim(Numero), ' ') "
                   "FROM (SELECT * FROM Uscite ORDER BY id)")
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
        auto* filter = c<QComboBox>("Combo1");
        filter->setFocus();
        type("1");
        QCOMPARE(typedShown(), QStringLiteral("Digitato: 1"));
        type("7");
        QCOMPARE(typedShown(), QStringLiteral("Digitato: 17"));
        type("E");
        QCOMPARE(history() + c<QLabel>("Label6")->text(), QStringLiteral(" 1:  17|Ultimo: 17"));
        QCOMPARE(typedShown() + filter->currentText(), QStringLiteral("Tutti"));

        c<QCheckBox>("Check8")->setFocus();
        type("0N");
        key(20)->setFocus();
        type("36E");
        c<QPlainTextEdit>("Text1")->setFocus();
        type("2X");
        QCOMPARE(typedShown(), QString());
        type("E5E");
        QCOMPARE(history(), QStringLiteral(" 4:  5| 3:  36| 2:  0| 1:  17|"));

        type("37"); // refused at once, in red, for a moment; Enter then enters nothing
        QCOMPARE(typedShown(), QStringLiteral("37 errato"));
        QCOMPARE(c<QLabel>("Digitato")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        type("E");
        QCOMPARE(board->historyCount(), 4);
        auto* timer = c<QTimer>("DigitatoTimer");
        QVERIFY(timer->isActive());
        timer->start(1); // the moment is over
        QTRY_COMPARE(typedShown(), QString());

        // An inverted keypad: the button that shows the number is clicked.
        click("Command14");
        QSignalSpy three(key(36), &QAbstractButton::clicked);
        type("3E");
        QCOMPARE(three.size(), 1);
        QCOMPARE(board->history().newest(), 3);
    }

    void unlockedProposalTakesTheKeysAsText()
    {
        auto* note = c<QPlainTextEdit>("note_0");
        click("Check1");
        note->setFocus();
        type("17E");
        QCOMPARE(note->toPlainText() + QString::number(board->historyCount()),
                 QStringLiteral("17\n0"));
        click("Check1"); // read-only again: the keys are the board's
        note->setFocus();
        type("9E");
        QCOMPARE(history(), QStringLiteral(" 1:  9|"));
    }

    void undoTakesBackSpinsAndOnlyTheRowsThisRunRecorded()
    {
        sql({zt::test::usciteTable, "INSERT INTO Uscite (Numero) VALUES (' 1'), (' 2')"});
        board->setFocus();
        type("Z"); // nothing to take back
        click("Check8");
        type("17E"); // row 3
        click("Check8");
        type("5E"); // not recorded
        click("Check8");
        board->sendSpin(QStringLiteral("9")); // row 4, through the bridge
        type("8E");                           // row 5
        QCOMPARE(rows(), QStringLiteral("1:1 2:2 3:17 4:9 5:8"));
        type("Z");
        QCOMPARE(history() + rows(), QStringLiteral(" 3:  9| 2:  5| 1:  17|1:1 2:2 3:17 4:9"));
        type("ZZ");
        QCOMPARE(history() + rows(), QStringLiteral(" 1:  17|1:1 2:2 3:17"));
        type("ZZ");
        QCOMPARE(history() + c<QLabel>("Label6")->text() + rows(),
                 QStringLiteral("Ultimo: 171:1 2:2"));

        // "C. ULTIMO" keeps its row, "C. PRIMO" and "C. TUTTO" take spins
        // out of undo's reach, and so does the history sliding past its size.
        type("10E11E12E13E"); // rows 6 to 9
        click("Command4");    // 13 out, row 9 stays
        click("Command3");    // 10 out, row 6 stays
        type("ZZZ");          // 12 and 11 with their rows
        QCOMPARE(rows(), QStringLiteral("1:1 2:2 6:10 9:13"));
        type("20E21E");
        click("Command6");
        type("Z");
        auto* size = c<QLineEdit>("Text3");
        size->setText(QStringLiteral("2"));
        Q_EMIT size->editingFinished();
        type("30E31E32EZZZ"); // 30 slid out of the history
        QCOMPARE(rows(), QStringLiteral("1:1 2:2 6:10 9:13 10:20 11:21 12:30"));

        // A row of this run changed elsewhere is not this run's row any more.
        type("6E");
        sql({"DELETE FROM Uscite WHERE id = 15",
             "INSERT INTO Uscite (id, Numero) VALUES (15, ' 6')"});
        type("Z");
        QCOMPARE(board->historyCount(), 0);
        QCOMPARE(rows(), QStringLiteral("1:1 2:2 6:10 9:13 10:20 11:21 12:30 15:6"));
        QVERIFY(board->findChildren<QMessageBox*>().isEmpty());
    }

    void failedDeleteKeepsTheSpin()
    {
        click("Check8");
        type("17E");
        QVERIFY(QFile::setPermissions("dati.mdb", QFile::ReadOwner | QFile::ReadGroup));
        type("Z");
        const QList<QMessageBox*> boxes = board->findChildren<QMessageBox*>();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0]->text(), QStringLiteral("Il file dati.mdb è in sola lettura: la riga "
                                                  "non è stata cancellata. L'uscita 17 resta "
                                                  "nella storia."));
        delete boxes[0];
        QCOMPARE(history() + rows(), QStringLiteral(" 1:  17|1:17"));
        QVERIFY(QFile::setPermissions("dati.mdb", QFile::ReadOwner | QFile::WriteOwner));
        QApplication::setActiveWindow(board);
        type("Z");
        QCOMPARE(history() + rows(), QString());
    }

    void namesFocusAndHelp()
    {
        const auto name = [](QWidget* w) {
            return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        };
        QCOMPARE(name(key(0)) + '|' + name(key(1)) + '|' + name(key(18)),
                 QStringLiteral("0 verde|3 rosso|17 nero"));
        click("Command14");
        QCOMPARE(name(key(1)) + '|' + name(key(36)), QStringLiteral("34 rosso|3 rosso"));
        for (QWidget* w : board->findChildren<QWidget*>()) {
            if (w->isVisible() && w->focusPolicy() != Qt::NoFocus)
                QVERIFY2(!name(w).isEmpty(), qPrintable(w->objectName()));
        }
        QCOMPARE(name(c<QWidget>("Check8")), QStringLiteral("Registra Uscite"));
        for (const char* k : {"0-9", "Invio", "Esc", "Ctrl+Z", "Ctrl+U"})
            QVERIFY2(board->toolTip().contains(QLatin1String(k)), k);

        // The typed number covers no control.
        auto* shown = c<QWidget>("Digitato");
        for (QWidget* w : c<QWidget>("Frame22")->findChildren<QWidget*>()) {
            const QRect r(w->mapTo(board, QPoint()), w->size());
            if (w != shown && !w->isHidden() && !w->isAncestorOf(shown) &&
                w->parentWidget()->isVisible())
                QVERIFY2(!r.intersects(shown->geometry()), qPrintable(w->objectName()));
        }
        // Focus moved with Tab is framed; by the mouse, not.
        auto* frame = c<QWidget>("FocusFrame");
        key(5)->setFocus(Qt::TabFocusReason);
        QVERIFY(frame->isVisible());
        QVERIFY(frame->geometry().contains(QRect(key(5)->mapTo(board, QPoint()), key(5)->size())));
        key(6)->setFocus(Qt::MouseFocusReason);
        QVERIFY(!frame->isVisible());
    }
};

ZT_WINDOWS_TEST_MAIN(BoardKeysTest)
#include "tst_boardkeys.moc"
