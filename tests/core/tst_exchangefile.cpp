#include "core/exchangefile.h"
#include "testsupport.h"

namespace {
std::optional<zt::ExchangeSpin> readAfterWriting(const QByteArray& bytes,
                                                 QStringView lastStamp = u"CM_Tempo")
{
    zt::test::writeFile(QStringLiteral("numero.txt"), bytes);
    return zt::readExchangeFile(lastStamp);
}
} // namespace

class ExchangeFileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        dir.reset(); // back to the old directory before entering a new one
        dir = std::make_unique<zt::test::FreshDir>();
    }

    void acceptsANewStampWithANumberOfTheWheel()
    {
        QVERIFY(!zt::readExchangeFile(u"CM_Tempo")); // missing
        auto spin = readAfterWriting("0000000042\r\n17\r\n");
        QVERIFY(spin);
        QCOMPARE(spin->numberText + u'|' + spin->stamp, QStringLiteral("17\r\n|0000000042"));
        // Unchanged stamp, also with blanks around either side.
        QVERIFY(!zt::readExchangeFile(u" 0000000042 "));
        QVERIFY(!readAfterWriting("   42     \r\n17", u"42"));
        QCOMPARE(readAfterWriting("   42     \r\n17", u"41")->stamp, QStringLiteral("42"));
        // Only blanks go: a tab, CR, LF or no-break space is part of the stamp.
        const std::tuple<const char*, const char16_t*, const char16_t*> stamps[] = {
            {"12345678 \t", u"12345678  ", u"12345678 \t"},
            {"12345678\r\n", u" 12345678", u"12345678\r\n"},
            {"\24012345678 ", u"12345678", u"\u00A012345678"},
            {"12345678\t ", u" 12345678\t", nullptr}};
        for (auto [file, last, stamp] : stamps) {
            const auto read = readAfterWriting(QByteArray(file) + "\r\n17", last);
            QCOMPARE(read ? read->stamp : QString("none"),
                     stamp ? QString::fromUtf16(stamp) : QString("none"));
        }
        // A fraction passes the range test (the bridge then enters a 0).
        QCOMPARE(readAfterWriting("0000000043\r\n17.5")->numberText, QStringLiteral("17.5"));
        // Single-byte text.
        QCOMPARE(readAfterWriting("\x80\xe8"
                                  "00000000\r\n36")
                     ->stamp,
                 QStringLiteral("\u20ac\u00e800000000"));
    }

    void ignoresEverythingElse()
    {
        for (const char* text : {"0000000044\r\n0", "0000000044\r\n37\r\n", "0000000044\r\n",
                                 "000000004\r\n1", "", "0000000044\r\nx17", "0000000044\r\n-5"})
            QVERIFY2(!readAfterWriting(text), text);
        QByteArray binary;
        for (int i = 0; i < 5000; ++i)
            binary += char((i * 7 + 11) % 256);
        binary[12] = '\0';
        QVERIFY(!readAfterWriting(binary));
        // A directory of that name is no file to read.
        QFile::remove(QStringLiteral("numero.txt"));
        QVERIFY(QDir().mkdir(QStringLiteral("numero.txt")));
        QVERIFY(!zt::readExchangeFile(u"CM_Tempo"));
    }

    void readsOnlyTheHeadOfAHugeFile()
    {
        QFile f(QStringLiteral("numero.txt"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("0000000045\r\n22\r\n");
        QVERIFY(f.resize(50 * 1024 * 1024)); // the rest reads as zero bytes
        f.close();
        const auto spin = zt::readExchangeFile(u"CM_Tempo");
        QVERIFY(spin && spin->numberText.startsWith(QLatin1String("22\r\n")));
        QVERIFY(spin->numberText.size() <= 4096 - 12);
    }

private:
    std::unique_ptr<zt::test::FreshDir> dir;
};

ZT_TEST_MAIN(ExchangeFileTest)
#include "tst_exchangefile.moc"
