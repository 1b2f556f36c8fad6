#include "board/exchangefile.h"
#include "testsupport.h"

namespace {
void writeFile(const QByteArray& bytes)
{
    QFile f(QStringLiteral("numero.txt"));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}
} // namespace

class ExchangeFileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void acceptsANewStampWithANumberOfTheWheel()
    {
        zt::test::FreshDir dir;
        QVERIFY(!zt::readExchangeFile(u"CM_Tempo")); // missing
        writeFile("0000000042\r\n17\r\n");
        auto spin = zt::readExchangeFile(u"CM_Tempo");
        QVERIFY(spin);
        QCOMPARE(spin->numberText, QStringLiteral("17\r\n"));
        QCOMPARE(spin->stamp, QStringLiteral("0000000042"));
        // Unchanged stamp, also with blanks around either side.
        QVERIFY(!zt::readExchangeFile(u"0000000042"));
        QVERIFY(!zt::readExchangeFile(u" 0000000042 "));
        writeFile("   42     \r\n17");
        QVERIFY(!zt::readExchangeFile(u"42"));
        QCOMPARE(zt::readExchangeFile(u"41")->stamp, QStringLiteral("42"));
        // A fraction passes the range test; the bridge makes it a 0.
        writeFile("0000000043\r\n17.5");
        QCOMPARE(zt::readExchangeFile(u"42")->numberText, QStringLiteral("17.5"));
        // The stamp is single-byte text.
        writeFile("\x80\xe8"
                  "00000000\r\n36");
        QCOMPARE(zt::readExchangeFile(u"42")->stamp, QStringLiteral("\u20ac\u00e800000000"));
    }

    void ignoresEverythingElse()
    {
        zt::test::FreshDir dir;
        for (const QByteArray& bytes :
             {QByteArray("0000000044\r\n0"), QByteArray("0000000044\r\n37\r\n"),
              QByteArray("0000000044\r\n"), QByteArray("000000004\r\n1"), QByteArray(),
              QByteArray("0000000044\r\nx17"), QByteArray("0000000044\r\n-5")}) {
            writeFile(bytes);
            QVERIFY2(!zt::readExchangeFile(u"CM_Tempo"), bytes.constData());
        }
        QByteArray binary;
        for (int i = 0; i < 5000; ++i)
            binary += char((i * 7 + 11) % 256);
        binary[12] = '\0';
        writeFile(binary);
        QVERIFY(!zt::readExchangeFile(u"CM_Tempo"));
        // A directory of that name is no file to read.
        QFile::remove(QStringLiteral("numero.txt"));
        QVERIFY(QDir().mkdir(QStringLiteral("numero.txt")));
        QVERIFY(!zt::readExchangeFile(u"CM_Tempo"));
    }

    void readsOnlyTheHeadOfAHugeFile()
    {
        zt::test::FreshDir dir;
        QFile f(QStringLiteral("numero.txt"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("0000000045\r\n22\r\n");
        QVERIFY(f.resize(50 * 1024 * 1024)); // the rest reads as zero bytes
        f.close();
        const auto spin = zt::readExchangeFile(u"CM_Tempo");
        QVERIFY(spin);
        QVERIFY(spin->numberText.startsWith(QLatin1String("22\r\n")));
        QVERIFY(spin->numberText.size() <= 4096 - 12);
    }
};

ZT_TEST_MAIN(ExchangeFileTest)
#include "tst_exchangefile.moc"
