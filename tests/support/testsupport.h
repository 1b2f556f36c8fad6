#pragma once
// Helpers shared by the tests: every test program runs in a fresh temporary
// working directory (the program keeps its files there), FreshDir gives a
// single test function a directory of its own, and the files in it are
// written and read whole.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QtTest>

namespace zt::test {

class FreshDir {
public:
    FreshDir() : old_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
    ~FreshDir() { QDir::setCurrent(old_); }
    FreshDir(const FreshDir&) = delete;
    FreshDir& operator=(const FreshDir&) = delete;
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    QString old_;
};

// Writes a whole file of the working directory (a failure fails the test).
inline void writeFile(const QString& name, const QByteArray& bytes)
{
    QFile f(name);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        QTest::qFail(qPrintable(QLatin1String("cannot write ") + name), __FILE__, __LINE__);
}

// The bytes of a file, or nothing when it cannot be read.
inline QByteArray fileBytes(const QString& name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace zt::test

// The main of a test program without windows: a core application, and a fresh
// working directory for the whole program.
#define ZT_TEST_MAIN(TestObject)                                                                   \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        QCoreApplication app(argc, argv);                                                          \
        zt::test::FreshDir dir;                                                                    \
        TestObject tc;                                                                             \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }

// The environment of a copy of the program that speaks Italian, whatever the
// tests speak: for the tests that read its Italian words.
inline QProcessEnvironment italianEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("it"));
    return env;
}
