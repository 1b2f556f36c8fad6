// A long evening: 100,000 spins through the spin bridge and a few hundred
// through the exchange file, recording all the time, with every mode switched
// on and off along the way.  Afterwards every spin is in dati.mdb once and in
// order, the file is sound, and the memory of the program has not grown.

#include "storetesting.h"
#include "windowsupport.h"

#include "windows/boardwindow.h"
#include "windows/settingswindow.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>

#include <cstdint>
#include <vector>

using zt::control;

namespace {

// Resident memory of this process in kB (0 when unknown).
qint64 residentKb()
{
    static const QRegularExpression vmRss(QStringLiteral("VmRSS:\\s*(\\d+)"));
    return vmRss.match(QString::fromLatin1(zt::test::fileBytes("/proc/self/status")))
        .captured(1)
        .toLongLong();
}

} // namespace

class SoakTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void longEveningRecordedWhole()
    {
        zt::BoardWindow* board = zt::shared<zt::BoardWindow>();
        QWidget* settings = zt::shared<zt::SettingsWindow>();
        board->show();
        auto* type = control<QComboBox>(board, "Combo7");
        type->setCurrentIndex(type->findText(QStringLiteral("Live")));
        control<QCheckBox>(board, "Check8")->click();
        QVERIFY(control<QCheckBox>(board, "Check8")->isChecked());

        // One switch at the start of each phase of 5,000 spins: every mode
        // goes on and later off again.
        const std::pair<QWidget*, const char*> switches[] = {
            {nullptr, ""},         // default mode
            {board, "Check2"},     // "Modo Quorix"
            {board, "Check3"},     // "Modo Zentrima13" (Quorix goes off)
            {settings, "Check16"}, // second hit
            {settings, "Check1"},  // reset after every string
            {board, "Check1"},     // lock
            {settings, "Check20"}, // highlighting off
            {board, "Command14"},  // keypad turned
            {board, "Check3"},     // default mode again
            {board, "Command6"},   // "C. TUTTO"
            {board, "Check1"},     // lock off
            {settings, "Check1"},  // no reset after strings
            {board, "Check2"},     // "Modo Quorix"
            {settings, "Check20"}, // highlighting on
            {settings, "Check16"}, // second hit off
            {board, "Command14"},  // keypad back
            {board, "Check2"},     // default mode
            {board, "Command4"},   // "C. ULTIMO"
            {board, "Command3"},   // "C. PRIMO"
            {board, "Check3"},     // "Modo Zentrima13" to the end
        };

        // The number of every spin, in order (kept small: the memory measured
        // is the program's).
        std::vector<std::int8_t> expected;
        auto* bridge = control<zt::HiddenBox>(board, "CM_pulsante");
        auto* lastStamp = control<zt::HiddenBox>(board, "CM_tempo");
        std::uint32_t x = 362436069u;
        qint64 warmKb = 0;
        int filed = 0;
        for (int i = 0; i < 100'000; ++i) {
            if (const auto [window, name] = switches[i / 5'000]; i % 5'000 == 0 && window)
                control<QAbstractButton>(window, QLatin1String(name))->click();
            x ^= x << 13;
            x ^= x >> 17;
            x ^= x << 5;
            // Now and then a text that matches no button: the zero is pressed.
            const int n = i % 997 == 0 ? 0 : int(x % 37);
            bridge->setText(i % 997 == 0 ? QStringLiteral("99") : QString::number(n));
            QCOMPARE(bridge->text(), QStringLiteral("ok"));
            expected.push_back(std::int8_t(n));
            // The player's spins come one at a time from the event loop, which
            // runs in between (queued signals of the text boxes are delivered).
            if (i % 100 == 0)
                QCoreApplication::processEvents();
            if (i % 500 == 250) { // the exchange file: a new stamp is one spin at the next tick
                const int m = 1 + filed % 36;
                const QString stamp = QString::number(1'700'000'000 + filed++);
                QSaveFile file(QStringLiteral("numero.txt"));
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write(stamp.toLatin1() + "  " + QByteArray::number(m) + "\r\n");
                QVERIFY(file.commit());
                QTRY_COMPARE_WITH_TIMEOUT(lastStamp->text(), stamp, 5000);
                expected.push_back(std::int8_t(m));
            }
            if (i == 10'000)
                warmKb = residentKb();
        }
        const qint64 endKb = residentKb();
        QCOMPARE(filed, 200);
        qInfo("VmRSS %lld kB after 10,000 spins, %lld kB at the end", warmKb, endKb);
        QVERIFY(warmKb > 0);
        QVERIFY2(endKb - warmKb < 20 * 1024, qPrintable(QString::number(endKb - warmKb)));

        QCOMPARE(zt::test::sql("PRAGMA integrity_check"), QVariantList{"ok"});
        const QVariantList rows = zt::test::sql("SELECT Numero FROM Uscite ORDER BY id");
        QCOMPARE(rows.size(), qsizetype(expected.size()));
        for (size_t i = 0; i < expected.size(); ++i) {
            if (rows[qsizetype(i)] != QString(" %1").arg(int(expected[i])))
                QFAIL(qPrintable(
                    QString("row %1: %2").arg(i + 1).arg(rows[qsizetype(i)].toString())));
        }
        zt::destroySharedWindows();
    }
};

ZT_WINDOWS_TEST_MAIN(SoakTest)
#include "tst_soak.moc"
