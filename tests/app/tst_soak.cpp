// A long evening: 100,000 spins through the spin bridge and a few hundred
// through the exchange file, recording all the time, with every mode switched
// on and off along the way.  Afterwards every spin is in dati.mdb once and in
// order, the file is sound, and the memory of the program has not grown.

#include "app/controls.h"
#include "app/sharedwindow.h"
#include "board/boardwindow.h"
#include "strings/settingswindow.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <cstdint>
#include <functional>
#include <vector>

using zt::control;

namespace {

constexpr int bridgeSpins = 100'000;
constexpr int fileSpins = 200; // one every 500 bridge spins
constexpr int phaseLength = 5'000;

// Resident memory of this process in kB.
qint64 residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

} // namespace

class SoakTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void longEveningRecordedWhole()
    {
        QElapsedTimer clock;
        clock.start();
        zt::BoardWindow* board = zt::shared<zt::BoardWindow>();
        QWidget* settings = zt::shared<zt::SettingsWindow>();
        board->show();
        auto* type = control<QComboBox>(board, "Combo7");
        type->setCurrentIndex(type->findText(QStringLiteral("Live")));
        control<QCheckBox>(board, "Check8")->click();
        QVERIFY(control<QCheckBox>(board, "Check8")->isChecked());

        // The exchange file: a new stamp is one spin at the next tick.
        auto* lastStamp = control<QLineEdit>(board, "CM_tempo");
        int filed = 0;
        const auto fileSpin = [&](int n) {
            const QString stamp = QString::number(1'700'000'000 + filed++);
            QSaveFile file(QStringLiteral("numero.txt"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(stamp.toLatin1() + "  " + QByteArray::number(n) + "\r\n");
            QVERIFY(file.commit());
            QTRY_COMPARE_WITH_TIMEOUT(lastStamp->text(), stamp, 5000);
        };

        const auto click = [](QWidget* window, const char* name) {
            return [=] { control<QAbstractButton>(window, QLatin1String(name))->click(); };
        };
        // One switch at the start of each phase, in this order: every mode
        // goes on and later off again.
        const QList<std::function<void()>> switches = {
            [] {},                      // default mode
            click(board, "Check2"),     // "Modo Quorix"
            click(board, "Check3"),     // "Modo Zentrima13" (Quorix goes off)
            click(settings, "Check16"), // second hit
            click(settings, "Check1"),  // reset after every string
            click(board, "Check1"),     // lock
            click(settings, "Check20"), // highlighting off
            click(board, "Command14"),  // keypad turned
            click(board, "Check3"),     // default mode again
            click(board, "Command6"),   // "C. TUTTO"
            click(board, "Check1"),     // lock off
            click(settings, "Check1"),  // no reset after strings
            click(board, "Check2"),     // "Modo Quorix"
            click(settings, "Check20"), // highlighting on
            click(settings, "Check16"), // second hit off
            click(board, "Command14"),  // keypad back
            click(board, "Check2"),     // default mode
            click(board, "Command4"),   // "C. ULTIMO"
            click(board, "Command3"),   // "C. PRIMO"
            click(board, "Check3"),     // "Modo Zentrima13" to the end
        };

        // The number of every spin, in order (kept small: the memory measured
        // is the program's).
        std::vector<std::int8_t> expected;
        expected.reserve(bridgeSpins + fileSpins);
        auto* bridge = control<QLineEdit>(board, "CM_pulsante");
        std::uint32_t x = 362436069u;
        qint64 warmKb = 0;
        for (int i = 0; i < bridgeSpins; ++i) {
            if (i % phaseLength == 0)
                switches[i / phaseLength]();
            x ^= x << 13;
            x ^= x >> 17;
            x ^= x << 5;
            const int n = int(x % 37);
            // Now and then a text that matches no button: the zero is pressed.
            const bool odd = i % 997 == 0;
            bridge->setText(odd ? QStringLiteral("99") : QString::number(n));
            QCOMPARE(bridge->text(), QStringLiteral("ok"));
            expected.push_back(std::int8_t(odd ? 0 : n));
            // The player's spins come one at a time from the event loop, which
            // runs in between (queued signals of the text boxes are delivered).
            if (i % 100 == 0)
                QCoreApplication::processEvents();
            if (i % 500 == 250) {
                const int m = 1 + filed % 36;
                fileSpin(m);
                if (QTest::currentTestFailed())
                    return;
                expected.push_back(std::int8_t(m));
            }
            if (i == 2 * phaseLength)
                warmKb = residentKb();
        }
        const qint64 endKb = residentKb();
        QCOMPARE(filed, fileSpins);
        qInfo("%d + %d spins in %lld ms; VmRSS %lld kB after %d spins, %lld kB at the end",
              bridgeSpins, fileSpins, clock.elapsed(), warmKb, 2 * phaseLength, endKb);
        QVERIFY(warmKb > 0);
        QVERIFY2(endKb - warmKb < 20 * 1024, qPrintable(QString::number(endKb - warmKb)));

        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "soak");
            db.setDatabaseName(QStringLiteral("dati.mdb"));
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next());
            QCOMPARE(q.value(0).toString(), QStringLiteral("ok"));
            QVERIFY(q.exec(QStringLiteral("SELECT Numero FROM Uscite ORDER BY id")));
            qsizetype row = 0;
            for (; q.next(); ++row) {
                // Numero is the number after one blank.
                const QString numero = q.value(0).toString();
                if (row >= qsizetype(expected.size()) ||
                    numero != QLatin1Char(' ') + QString::number(expected[size_t(row)]))
                    QFAIL(qPrintable(QStringLiteral("row %1: %2").arg(row + 1).arg(numero)));
            }
            QCOMPARE(row, qsizetype(expected.size()));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("soak"));
        zt::destroySharedWindows();
    }
};

ZT_TEST_MAIN(SoakTest)
#include "tst_soak.moc"
