// The board window against the board without a window: the same seeded script
// of spins, corrections, mode switches and settings runs through both, and
// after every step what the player sees must be the same.  The rules
// themselves are held to hand-worked results in tests/core.

#include "core/keypadlayout.h"
#include "core/plainboard.h"
#include "core/textrules.h"
#include "ui/colorbutton.h"
#include "windowsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <random>

using zt::control;

class DifferentialTest : public QObject {
    Q_OBJECT

    zt::BoardWindow* board = nullptr;
    QWidget* settings = nullptr;
    zt::PlainBoard plain;

    template <class T> T* b(const char* name) { return control<T>(board, QLatin1String(name)); }
    template <class T> T* s(const char* name) { return control<T>(settings, QLatin1String(name)); }
    QString text(const char* name) { return b<QLabel>(name)->text(); }
    zt::ColorButton* key(int i) { return control<zt::ColorButton>(board, "Command9", i); }

    // History, last number, proposal and its colour, delays, count, the lit
    // keys (a key in neither yellow nor its number's colour shows as "bad"),
    // two captions, the bridges' answers and the modes.
    QString window()
    {
        zt::NumberSet yellow;
        QString bad;
        for (int i = 0; i <= 36; ++i) {
            const int n = key(i)->text().toInt();
            const QRgb colour = key(i)->backColor().rgb();
            if (i > 0 && colour == zt::keypad::highlight)
                yellow.add(n);
            else if (colour != zt::keypad::numberColor(n))
                bad += QStringLiteral(" bad %1").arg(i);
        }
        const QColor note = board->noteColor();
        return QStringList{b<QPlainTextEdit>("Text1")->toPlainText().replace(u'\n', u'/'),
                           text("Label6"),
                           b<QPlainTextEdit>("note_0")->toPlainText(),
                           note == Qt::black           ? ""
                           : note == QColor(255, 0, 0) ? "red"
                                                       : note.name(),
                           text("Label38_0"),
                           text("Label44_0"),
                           text("Label26_0"),
                           zt::numberListText(yellow) + bad,
                           key(1)->text() + u',' + key(13)->text(),
                           b<QLineEdit>("CM_pulsante")->text(),
                           b<QLineEdit>("CM_Azzera")->text(),
                           QString::number(b<QCheckBox>("Check2")->isChecked()) +
                               QString::number(b<QCheckBox>("Check3")->isChecked()) +
                               QString::number(b<QComboBox>("Combo1")->isVisibleTo(board))}
            .join(u'|');
    }
    QString expected()
    {
        return QStringList{QString(plain.historyText).replace("\r\n", "/"),
                           plain.lastNumber.isNull() ? "Ultimo:"
                                                     : zt::lastNumberCaption(plain.lastNumber),
                           plain.row.note,
                           plain.row.red ? "red" : "",
                           plain.row.firstDelay,
                           plain.row.secondDelay,
                           plain.row.count,
                           zt::numberListText(plain.yellow),
                           plain.captions[1] + u',' + plain.captions[13],
                           "ok",
                           plain.resets ? "ok" : "CM_Azzera",
                           QString::number(plain.quorix) + QString::number(plain.zentrima) +
                               QString::number(!plain.quorix)}
            .join(u'|');
    }

    // One step of the script, on both boards; returns what it did.
    QString step(std::mt19937& rng)
    {
        const auto pick = [&rng](int n) { return int(rng() % unsigned(n)); };
        const int what = pick(100);
        if (what < 55) {
            const int i = pick(37);
            key(i)->click();
            plain.click(i);
            return "key " + QString::number(i);
        }
        if (what < 70) {
            static const char* const words[] = {"sette", "17.5", "37", "ok", "", " 5"};
            const QString t = pick(3) ? QString::number(pick(37)) : words[pick(6)];
            b<QLineEdit>("CM_pulsante")->setText(t);
            zt::enterBridgeSpin(plain, plain.history, t);
            return "bridge '" + t + "'";
        }
        // Buttons and switches of the board, then of the settings window.
        switch (pick(17)) {
        case 0:
            b<QAbstractButton>("Command4")->click();
            zt::dropNewestSpin(plain, plain.history);
            return "C. ULTIMO";
        case 1:
            b<QAbstractButton>("Command3")->click();
            zt::dropOldestSpin(plain, plain.history);
            return "C. PRIMO";
        case 2:
            b<QAbstractButton>("Command6")->click();
            plain.requestReset();
            return "C. TUTTO";
        case 3:
            b<QAbstractButton>("Command21_0")->click();
            zt::clearStringRow(plain, 0);
            return "X";
        case 4:
            b<QAbstractButton>("Check2")->click();
            plain.quorix = !plain.quorix;
            plain.zentrima = plain.zentrima && !plain.quorix;
            return "Quorix";
        case 5:
            b<QAbstractButton>("Check3")->click();
            plain.zentrima = !plain.zentrima;
            plain.quorix = plain.quorix && !plain.zentrima;
            return "Zentrima13";
        case 6:
            b<QAbstractButton>("Check1")->click();
            plain.lock = !plain.lock;
            return "lock";
        case 7: {
            const int item = pick(4) ? 0 : pick(37);
            b<QComboBox>("Combo1")->setCurrentIndex(item);
            plain.filter = b<QComboBox>("Combo1")->itemText(item);
            return "filter " + plain.filter;
        }
        case 8:
            b<QAbstractButton>("Command14")->click();
            plain.invertKeypad();
            plain.yellow = {};
            zt::EvidenziaTastiera(plain);
            return "<>";
        case 9:
            b<QAbstractButton>("Command16")->click();
            zt::EvidenziaTastiera(plain);
            return "EV";
        case 10: {
            if (!plain.lock)
                return "nothing";
            const QString typed = pick(2) ? "3, x7, 30," + QString(pick(60), u'2') : QString();
            b<QPlainTextEdit>("note_0")->setPlainText(typed);
            plain.row.note = typed;
            return "typed '" + typed + "'";
        }
        case 11:
            s<QCheckBox>("Check20")->toggle();
            plain.strings.highlight ^= true;
            return "Check20";
        case 12:
            s<QCheckBox>("Check12")->toggle();
            plain.strings.checkFirst ^= true;
            return "Check12";
        case 13:
            s<QCheckBox>("Check16")->toggle();
            plain.strings.checkSecond ^= true;
            return "Check16";
        case 14:
            s<QCheckBox>("Check1")->toggle();
            plain.strings.resetAfter ^= true;
            return "Check1";
        case 15: {
            const QString max = pick(5) ? QString::number(pick(13)) : QString(" 4 colpi");
            s<QLineEdit>("ST_ContrMax0")->setText(max);
            plain.strings.maxDelay = zt::leadingNumber(max);
            return "maximum '" + max + "'";
        }
        default: {
            const QString size = QString::number(1 + pick(40));
            b<QLineEdit>("Text3")->setText(size);
            Q_EMIT b<QLineEdit>("Text3")->editingFinished();
            const int held = plain.history.count();
            plain.history.setSize(zt::History::sizeFromText(size));
            if (plain.history.count() != held)
                plain.showHistory(plain.history);
            return "size " + size;
        }
        }
    }

private Q_SLOTS:
    void sameScriptSameBoard_data()
    {
        QTest::addColumn<unsigned>("seed");
        for (unsigned seed : {1u, 13u, 2024u, 77777u})
            QTest::addRow("seed %u", seed) << seed;
    }
    void sameScriptSameBoard()
    {
        QFETCH(unsigned, seed);
        zt::destroySharedWindows();
        board = zt::shared<zt::BoardWindow>();
        settings = zt::shared<zt::SettingsWindow>();
        plain = zt::PlainBoard();
        std::mt19937 rng(seed);
        QStringList done;
        for (int i = 0; i < 1000; ++i) {
            done << step(rng);
            const QString seen = window();
            const QString due = expected();
            if (seen != due)
                QFAIL(qPrintable(QStringLiteral("step %1 after %2:\n window %3\n plain  %4")
                                     .arg(i)
                                     .arg(done.mid(done.size() - 5).join(", "), seen, due)));
        }
    }
};

ZT_WINDOWS_TEST_MAIN(DifferentialTest)
#include "tst_differential.moc"
