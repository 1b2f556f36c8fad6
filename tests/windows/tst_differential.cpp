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

#include <functional>
#include <random>

using zt::control;

class DifferentialTest : public QObject {
    Q_OBJECT

    zt::BoardWindow* board = nullptr;
    QWidget* settings = nullptr;
    zt::PlainBoard plain;

    template <class T = QWidget> T* b(const char* name)
    {
        return control<T>(board, QLatin1String(name));
    }
    zt::ColorButton* key(int i) { return control<zt::ColorButton>(board, "Command9", i); }

    // History, last number, delays, count, proposal and its colour, the lit
    // keys (a key in neither yellow nor its number's colour shows as "bad"),
    // two captions, the bridges' answers and the modes.
    QString window()
    {
        QStringList seen{b<QPlainTextEdit>("Text1")->toPlainText().replace(u'\n', u'/')};
        for (const char* label : {"Label6", "Label38_0", "Label44_0", "Label26_0"})
            seen << b<QLabel>(label)->text();
        const QColor note = board->noteColor();
        seen << b<QPlainTextEdit>("note_0")->toPlainText() +
                    (note == Qt::black ? "" : " " + note.name());
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
        return (seen << zt::numberListText(yellow) + bad << key(1)->text() + u',' + key(13)->text()
                     << b<QLineEdit>("CM_pulsante")->text() << b<QLineEdit>("CM_Azzera")->text()
                     << QStringLiteral("%1%2%3")
                            .arg(b<QCheckBox>("Check2")->isChecked())
                            .arg(b<QCheckBox>("Check3")->isChecked())
                            .arg(b("Combo1")->isVisibleTo(board)))
            .join(u'|');
    }
    QString expected()
    {
        const QString last =
            plain.lastNumber.isNull() ? "Ultimo:" : zt::lastNumberCaption(plain.lastNumber);
        return QStringList{
            QString(plain.historyText).replace("\r\n", "/"),
            last,
            plain.row.firstDelay,
            plain.row.secondDelay,
            plain.row.count,
            plain.row.note + (plain.row.red ? " #ff0000" : ""),
            zt::numberListText(plain.yellow),
            plain.captions[1] + u',' + plain.captions[13],
            "ok",
            plain.resets ? "ok" : "CM_Azzera",
            QStringLiteral("%1%2%3").arg(plain.quorix).arg(plain.zentrima).arg(!plain.quorix)}
            .join(u'|');
    }

    // One step of the script, on both boards; returns what it did.
    QString step(std::mt19937& rng)
    {
        const auto pick = [&rng](int n) { return int(rng() % unsigned(n)); };
        // The board's buttons and switches, and what they do on the plain board.
        const std::pair<const char*, std::function<void()>> buttons[] = {
            {"Command4", [&] { zt::dropNewestSpin(plain, plain.history); }}, // "C. ULTIMO"
            {"Command3", [&] { zt::dropOldestSpin(plain, plain.history); }}, // "C. PRIMO"
            {"Command6", [&] { plain.requestReset(); }},                     // "C. TUTTO"
            {"Command21_0", [&] { zt::clearStringRow(plain, 0); }},          // "X"
            {"Command16", [&] { zt::EvidenziaTastiera(plain); }},            // "EV"
            {"Command14",
             [&] { plain.invertKeypad(), plain.yellow = {}, zt::EvidenziaTastiera(plain); }},
            {"Check1", [&] { plain.lock = !plain.lock; }},
            {"Check2", [&] { plain.quorix = !plain.quorix, plain.zentrima &= !plain.quorix; }},
            {"Check3", [&] { plain.zentrima = !plain.zentrima, plain.quorix &= !plain.zentrima; }}};
        const std::pair<const char*, bool zt::StringsSettings::*> checks[] = {
            {"Check20", &zt::StringsSettings::highlight},
            {"Check12", &zt::StringsSettings::checkFirst},
            {"Check16", &zt::StringsSettings::checkSecond},
            {"Check1", &zt::StringsSettings::resetAfter}};
        const int what = pick(100);
        QString t;
        if (what < 55) {
            const int i = pick(37);
            key(i)->click();
            plain.click(i);
            return "key " + QString::number(i);
        } else if (what < 70) {
            static const char* const words[] = {"sette", "17.5", "37", "ok", "", " 5"};
            t = pick(3) ? QString::number(pick(37)) : words[pick(6)];
            b<QLineEdit>("CM_pulsante")->setText(t);
            zt::enterBridgeSpin(plain, plain.history, t);
        } else if (what < 85) {
            const auto& [name, act] = buttons[pick(9)];
            b<QAbstractButton>(name)->click();
            act();
            return name;
        } else if (what < 91) {
            const auto& [name, setting] = checks[pick(4)];
            control<QCheckBox>(settings, name)->toggle();
            plain.strings.*setting = !(plain.strings.*setting);
            return name;
        } else if (what < 94) {
            t = pick(5) ? QString::number(pick(13)) : QString(" 4 colpi");
            control<QLineEdit>(settings, "ST_ContrMax0")->setText(t);
            plain.strings.maxDelay = zt::leadingNumber(t);
        } else if (what < 97) {
            b<QComboBox>("Combo1")->setCurrentIndex(pick(3) ? 0 : pick(37));
            t = plain.filter = b<QComboBox>("Combo1")->currentText();
        } else if (what < 99 && plain.lock) { // a proposal typed under the lock
            t = pick(2) ? "3, x7, 30," + QString(pick(60), u'2') : QString();
            b<QPlainTextEdit>("note_0")->setPlainText(t);
            plain.row.note = t;
        } else { // the history size
            t = QString::number(1 + pick(40));
            b<QLineEdit>("Text3")->setText(t);
            Q_EMIT b<QLineEdit>("Text3")->editingFinished();
            const int held = plain.history.count();
            plain.history.setSize(zt::History::sizeFromText(t));
            if (plain.history.count() != held)
                plain.showHistory(plain.history);
        }
        return QStringLiteral("%1 '%2'").arg(what).arg(t);
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
