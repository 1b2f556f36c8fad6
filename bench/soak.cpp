// A long evening on the board window: 100,000 spins through the spin bridge
// and 200 through the exchange file, recorded into dati.mdb all the while,
// with every mode switched on and off along the way.  Figures: the spins
// found in dati.mdb in the order they were entered (of all spins entered; a
// whole evening is 100 %), whether the file is sound, and how much the
// resident memory grew from the 10,000th spin to the end.

#include "bench.h"

#include "windowsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <cstdint>
#include <vector>

namespace {

// Resident memory of this process in kB (0 when unknown).
double residentKb()
{
    static const QRegularExpression vmRss(QStringLiteral("VmRSS:\\s*(\\d+)"));
    return vmRss.match(QString::fromLatin1(zt::test::fileBytes("/proc/self/status")))
        .captured(1)
        .toDouble();
}

// The first column of the rows of a query on dati.mdb.
QStringList query(const QString& sql)
{
    QStringList out;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "bench-soak");
        db.setDatabaseName(QStringLiteral("dati.mdb"));
        QSqlQuery q(db);
        if (db.open() && q.exec(sql))
            while (q.next())
                out << q.value(0).toString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench-soak"));
    return out;
}

} // namespace

ZT_BENCH(soak)
{
    zt::test::FreshDir dir;
    zt::destroySharedWindows();
    zt::BoardWindow* board = zt::shared<zt::BoardWindow>();
    QWidget* settings = zt::shared<zt::SettingsWindow>();
    board->show();
    auto* type = zt::control<QComboBox>(board, "Combo7");
    type->setCurrentIndex(type->findText(QStringLiteral("Live")));
    zt::control<QCheckBox>(board, "Check8")->click();

    // One switch at the start of each phase of 5,000 spins: every mode goes
    // on and later off again.
    const std::pair<QWidget*, const char*> switches[] = {
        {nullptr, ""},        {board, "Check2"},     {board, "Check3"},     {settings, "Check16"},
        {settings, "Check1"}, {board, "Check1"},     {settings, "Check20"}, {board, "Command14"},
        {board, "Check3"},    {board, "Command6"},   {board, "Check1"},     {settings, "Check1"},
        {board, "Check2"},    {settings, "Check20"}, {settings, "Check16"}, {board, "Command14"},
        {board, "Check2"},    {board, "Command4"},   {board, "Command3"},   {board, "Check3"},
    };
    std::vector<std::int8_t> entered; // kept small: the memory measured is the program's
    auto* bridge = zt::control<zt::HiddenBox>(board, "CM_pulsante");
    auto* lastStamp = zt::control<zt::HiddenBox>(board, "CM_tempo");
    std::uint32_t x = 362436069u;
    double warmKb = 0;
    int filed = 0;
    for (int i = 0; i < 100'000; ++i) {
        if (const auto [window, name] = switches[i / 5'000]; i % 5'000 == 0 && window)
            zt::control<QAbstractButton>(window, QLatin1String(name))->click();
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        // Now and then a text that matches no button: the zero is pressed.
        const int n = i % 997 == 0 ? 0 : int(x % 37);
        bridge->setText(i % 997 == 0 ? QStringLiteral("99") : QString::number(n));
        entered.push_back(std::int8_t(n));
        // The player's spins come one at a time from the event loop.
        if (i % 100 == 0)
            QCoreApplication::processEvents();
        if (i % 500 == 250) { // a new stamp is one spin at the timer's next tick
            const int m = 1 + filed % 36;
            const QString stamp = QString::number(1'700'000'000 + filed++);
            QSaveFile file(QStringLiteral("numero.txt"));
            file.open(QIODevice::WriteOnly);
            file.write(stamp.toLatin1() + "  " + QByteArray::number(m) + "\r\n");
            file.commit();
            const QDeadlineTimer deadline(5000);
            while (lastStamp->text() != stamp && !deadline.hasExpired())
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
            entered.push_back(std::int8_t(m));
        }
        if (i == 10'000)
            warmKb = residentKb();
    }
    const double grownKb = residentKb() - warmKb;
    zt::destroySharedWindows();

    const QStringList rows = query(QStringLiteral("SELECT Numero FROM Uscite ORDER BY id"));
    qsizetype inOrder = 0;
    while (inOrder < rows.size() && size_t(inOrder) < entered.size() &&
           rows[inOrder] == QStringLiteral(" %1").arg(int(entered[size_t(inOrder)])))
        ++inOrder;
    zt::bench::report(QStringLiteral("spins recorded in order (of %1 entered, %2 rows)")
                          .arg(entered.size())
                          .arg(rows.size()),
                      100.0 * double(inOrder) / double(entered.size()), QStringLiteral("%"));
    zt::bench::report(QStringLiteral("dati.mdb passes its integrity check"),
                      query(QStringLiteral("PRAGMA integrity_check")) == QStringList{"ok"} ? 1 : 0,
                      QStringLiteral("(1 = yes)"));
    zt::bench::report(QStringLiteral("resident memory growth, 10,000th spin to the end"), grownKb,
                      QStringLiteral("kB"));
}
