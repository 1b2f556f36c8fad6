#pragma once
// Running the program's commands as a player or a script runs them, over
// rows of (Numero, Memoria) made for the test in dati.mdb.

#include "storetesting.h"
#include "testsupport.h"

#include <QProcess>

#include <functional>
#include <random>

struct Outcome {
    int code;
    QString out;
    QString err;
};

// The program run with the arguments and `input` on its standard input; setup
// may change its environment, its standard output or the program before it
// starts.  A crash gives the code -1.
inline Outcome run(const QStringList& arguments, const std::function<void(QProcess&)>& setup = {},
                   const QByteArray& input = {})
{
    QProcess p;
    p.setProgram(QStringLiteral(ZT_PROGRAM_PATH));
    p.setArguments(arguments);
    p.setProcessEnvironment(italianEnvironment()); // its messages are read
    if (setup)
        setup(p);
    p.start();
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

inline QStringList files()
{
    return QDir::current().entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

using Rows = std::vector<std::pair<int, int>>;

// Rows of (Numero, Memoria): by default two games, 7 17 7 7 | 7 3.
inline void makeRows(const Rows& rows = {{7, 1}, {17, 2}, {7, 3}, {7, 4}, {7, 1}, {3, 2}})
{
    QStringList values;
    for (auto [n, m] : rows)
        values << QStringLiteral("(' %1', ' %2', 1)").arg(n).arg(m);
    zt::test::sql({zt::test::usciteTable,
                   "INSERT INTO Uscite (Numero, Memoria, Tipo) VALUES " + values.join(',')});
}

// Games of `length` random spins (the same at every run); with `planted`,
// every sixth spin is a 7 followed by a 32, the first of the three numbers
// the board proposes after a 7.
inline void addGames(Rows& rows, int games, int length, std::mt19937& random, bool planted = false)
{
    for (int g = 0; g < games; ++g) {
        for (int k = 1; k <= length; ++k) {
            int n = int(random() % 37);
            if (planted && k > 6)
                n = k % 6 == 1 ? 7 : k % 6 == 2 ? 32 : n;
            rows.push_back({n, k});
        }
    }
}

// "1,2,...,n"
inline QString numbersFrom1(int n)
{
    QStringList all;
    for (int i = 1; i <= n; ++i)
        all << QString::number(i);
    return all.join(',');
}

// The lines of a CSV file, split into their fields (no field here holds a comma).
inline QList<QStringList> csvLines(const QString& name)
{
    QList<QStringList> lines;
    for (const QString& line : QString::fromUtf8(zt::test::fileBytes(name)).split('\n'))
        if (!line.isEmpty())
            lines << line.split(',');
    return lines;
}

// The panel line of the search that starts with `start`.
inline QString panelLine(const QString& out, const QString& start)
{
    for (const QString& line : out.split('\n'))
        if (line.startsWith(start))
            return line;
    return {};
}
