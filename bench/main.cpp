#include "bench.h"

#include "store/storefile.h"

#include <QApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace zt::bench {

namespace {
struct Entry {
    const char* name;
    BenchFn fn;
};
std::vector<Entry>& entries()
{
    static std::vector<Entry> all;
    return all;
}
} // namespace

int registerBench(const char* name, BenchFn fn)
{
    entries().push_back({name, fn});
    return 0;
}

void report(const QString& figure, double value, const QString& unit)
{
    std::printf("%-60s %14.3f %s\n", qPrintable(figure), value, qPrintable(unit));
    std::fflush(stdout);
}

double threadSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

std::vector<int> randomNumbers(int count, std::uint64_t seed)
{
    std::vector<int> numbers(count);
    std::uint64_t x = seed;
    for (int& n : numbers) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        n = int(x % 37);
    }
    return numbers;
}

double ms(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(p * double(values.size())))];
}

void makeSpinsFile(int rows, int (*type)(int row))
{
    QFile::remove(QStringLiteral("dati.mdb"));
    zt::StoreConnection conn;
    QString problem;
    if (!conn.open(&problem))
        qFatal("%s", qPrintable(problem));
    QSqlDatabase db = conn.database();
    db.transaction();
    {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("INSERT INTO Uscite (Numero, Memoria, Tipo) VALUES (?, ?, ?)"));
        std::uint32_t x = 88172645u;
        for (int i = 0; i < rows; ++i) {
            x ^= x << 13;
            x ^= x >> 17;
            x ^= x << 5;
            q.addBindValue(QLatin1Char(' ') + QString::number(x % 37));
            q.addBindValue(QLatin1Char(' ') + QString::number(i % 37 + 1));
            q.addBindValue(type(i));
            q.exec();
        }
    }
    db.commit();
}

} // namespace zt::bench

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    for (const auto& e : zt::bench::entries()) {
        bool wanted = argc < 2;
        for (int i = 1; i < argc && !wanted; ++i)
            wanted = QString::fromLatin1(e.name).contains(QString::fromLocal8Bit(argv[i]));
        if (!wanted)
            continue;
        std::printf("== %s\n", e.name);
        QDir::setCurrent(dir.path());
        e.fn();
    }
    return 0;
}
