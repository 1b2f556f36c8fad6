// `zentrima13 read --image`: strips of last numbers drawn in every style the
// reader knows, read back newest first, and pictures it must refuse.

#include "commandtesting.h"
#include "stripdrawing.h"
#include "windowsupport.h"

#include "reading/stripreader.h"

namespace {

// The program run with `arguments`, split at blanks.
Outcome runWith(const char* arguments)
{
    return run(QString::fromUtf8(arguments).split(u' ', Qt::SkipEmptyParts));
}

} // namespace

class StripReadingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Seven strips in each style, every number of the wheel among them,
    // repeats and zeros included.
    void everyStyle()
    {
        zt::test::FreshDir dir;
        quint32 seed = 2024;
        int next = 0; // every number in turn, then chance
        for (int round = 0; round < 7; ++round) {
            for (const zt::test::StripStyle& style : zt::test::stripStyles()) {
                QList<int> numbers;
                for (int i = 0; i < style.count; ++i) {
                    seed = seed * 1103515245u + 12345u;
                    const int chance = int((seed >> 16) % 40);
                    numbers << (next < 37 ? next++ : chance >= 37 && !numbers.isEmpty()
                                                         ? numbers.last()
                                                         : chance % 37);
                }
                const QString file = QStringLiteral("%1-%2.png").arg(style.name).arg(round);
                QVERIFY(zt::test::drawStrip(style, numbers).save(file));
                const Outcome o = run({QStringLiteral("read"), QStringLiteral("--image"), file,
                                       QStringLiteral("--newest"),
                                       QLatin1String(style.newestLeft ? "left" : "right")});
                QVERIFY2(o.code == 0, qPrintable(file + u' ' + o.err));
                QCOMPARE(o.out, zt::test::numbersText(numbers) + u'\n');
            }
        }
    }

    // The end of the newest: the option, else the program's setting; what
    // cannot be read fails with a message and prints nothing.
    void optionsAndRefusals()
    {
        ZT_ITALIAN_WORDS();
        zt::test::FreshDir dir;
        const zt::test::StripStyle style = zt::test::stripStyles().first();
        QVERIFY(zt::test::drawStrip(style, {5, 0, 32}).save(QStringLiteral("s.png")));
        QCOMPARE(runWith("read --image s.png").out, QStringLiteral("5 0 32\n"));
        QCOMPARE(runWith("read --image=s.png --newest=right").out, QStringLiteral("32 0 5\n"));

        QVERIFY(zt::test::drawStrip(style, {}).save(QStringLiteral("vuota.png")));
        zt::test::writeFile(QStringLiteral("testo.png"), "17 25 34\n");
        // A picture under a tooltip: no number made up.
        QVERIFY(zt::test::drawStrip(zt::test::stripStyles()[2], {17, 17, 0, 5, 23}, 1.0, true)
                    .save(QStringLiteral("tooltip.png")));
        const struct {
            const char* arguments;
            int code;
            const char* message;
        } rows[] = {
            {"read --image vuota.png", 1, "non si vede nessun numero"},
            {"read --image testo.png", 1, "non si può leggere come immagine"},
            {"read --image manca.png", 1, "non si può leggere come immagine"},
            {"read --image tooltip.png", 1, "non si legge con sicurezza"},
            {"read", 2, "Serve --image FILE."},
            {"read --image vuota.png --newest top", 2, "--newest vale left o right, non «top»."},
            // The board's rectangle, refused before any window.
            {"--read-screen 1,2", 2, "--read-screen vuole X,Y,W,H in pixel, non «1,2»."},
            {"--read-screen 0,0,0,10", 2, "--read-screen vuole X,Y,W,H in pixel, non «0,0,0,10»."},
            {"--read-screen x", 2, "--read-screen vuole X,Y,W,H in pixel, non «x»."},
        };
        for (const auto& row : rows) {
            const Outcome o = runWith(row.arguments);
            QCOMPARE(o.code, row.code);
            QCOMPARE(o.out, QString());
            QVERIFY2(o.err.contains(QString::fromUtf8(row.message)), qPrintable(o.err));
        }

        zt::test::writeFile(QStringLiteral("zentrima13.ini"), "[Lettura]\nUltimo=right\n");
        QCOMPARE(runWith("read --image s.png").out, QStringLiteral("32 0 5\n"));
    }

    // An item is the box of all it holds, a stroke one pixel wide too; the
    // digits read twice side by side give a number of one or two digits.
    void itemsAndDigitsReadTwice()
    {
        QImage picture(80, 30, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter p(&picture);
        p.fillRect(10, 5, 1, 20, Qt::black);
        p.fillRect(40, 8, 2, 15, Qt::black);
        p.fillRect(42, 4, 1, 23, Qt::black); // the top and bottom in the last column
        p.fillRect(60, 4, 1, 23, Qt::black);
        p.fillRect(60, 26, 7, 1, Qt::black); // an L: its foot in the last row, to the last column
        p.end();
        QList<QRect> boxes;
        const QList<zt::StripItem> items = zt::stripItems(picture);
        for (const zt::StripItem& item : items)
            boxes << item.box;
        QCOMPARE(boxes, (QList<QRect>{{10, 5, 1, 20}, {40, 4, 3, 23}, {60, 4, 7, 23}}));
        QCOMPARE(items[2].digits.size(), QSize(12 + 24, 40 + 24)); // the whole L, in a margin
        // Red from the hue 335 round to 25, green from 80 to 170.
        QImage hues(200, 30, QImage::Format_RGB32);
        hues.fill(Qt::white);
        p.begin(&hues);
        const QRgb hue[] = {qRgb(255, 15, 119), qRgb(255, 15, 115), qRgb(255, 115, 15), // 334 335 25
                            qRgb(255, 119, 15), qRgb(179, 255, 15), qRgb(175, 255, 15), // 26 79 80
                            qRgb(15, 255, 215), qRgb(15, 255, 219)};                    // 170 171
        for (int i = 0; i < 8; ++i)
            p.fillRect(5 + i * 24, 10, 8, 10, QColor(hue[i]));
        p.end();
        QString colours;
        for (const zt::StripItem& item : zt::stripItems(hues))
            colours += "?RBG"[item.colour];
        QCOMPARE(colours, QString("?RR??GG?"));
        // A number in a colour the wheel does not give it is not taken.
        QImage band(140, 44, QImage::Format_RGB32);
        band.fill(qRgb(22, 22, 28));
        p.begin(&band);
        p.setPen(Qt::white);
        p.setFont(QFont("DejaVu Sans", 22));
        p.drawText(QRect(0, 0, 70, 44), Qt::AlignCenter, "19"); // red on the wheel
        p.drawText(QRect(70, 0, 70, 44), Qt::AlignCenter, "20");
        p.end();
        zt::StripReader reader;
        QCOMPARE(reader.read(band, zt::NewestEnd::Left), (QList<int>{-1, 20}));
        for (const auto& [text, number] :
             {std::pair{"1717", 17}, {"0 0\n", 0}, {"171", -1}, {"123123", -1}, {"1718", -1}, {"", -1}})
            QCOMPARE(zt::StripReader::numberReadTwice(text), number);
    }

    // --read-screen starts the board reading at once, the rectangle kept.
    void readScreenAtStart()
    {
        zt::test::FreshDir dir;
        QProcess p;
        p.setProcessEnvironment(italianEnvironment());
        p.start(QStringLiteral(ZT_PROGRAM_PATH),
                {QStringLiteral("--folder"), dir.path(), QStringLiteral("--read-screen"),
                 QStringLiteral("40,50,320,48")});
        QTRY_VERIFY_WITH_TIMEOUT(
            zt::test::fileBytes(dir.file(QStringLiteral("zentrima13.ini"))).contains("40,50,320,48"),
            10000);
        p.terminate();
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 0);
    }
};

ZT_WINDOWS_TEST_MAIN(StripReadingTest)
#include "tst_stripreading.moc"