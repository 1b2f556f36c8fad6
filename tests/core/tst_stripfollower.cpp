// Spins decided from the strip of last numbers: what each run of grabs enters.

#include "core/readersettings.h"
#include "core/stripfollower.h"
#include "testsupport.h"

namespace {

// Grabs separated by '|': the numbers read, newest first, or "-" for nothing
// read.  The outcome: P(...) the past, +n a spin, ?reason(...) an uncertainty.
QString follow(zt::StripFollower& follower, const char* grabs)
{
    using Step = zt::StripFollower::Step;
    QString log;
    const QStringList frames = QString::fromLatin1(grabs).split(u'|');
    for (const QString& frame : frames) {
        QList<int> reading;
        if (frame.trimmed() != u"-")
            for (const QString& n : frame.split(u' ', Qt::SkipEmptyParts))
                reading.append(n.toInt());
        const Step step = follower.see(reading);
        QStringList strip;
        for (int n : step.strip)
            strip << QString::number(n);
        const QString numbers = u'(' + strip.join(u' ') + u')';
        static const char* reasons[] = {"", "unreadable", "range", "noshift", "skipped"};
        switch (step.kind) {
        case Step::Nothing:
            break;
        case Step::Past:
            log += u'P' + numbers;
            break;
        case Step::Spin:
            log += u'+' + QString::number(step.number);
            break;
        case Step::Uncertain:
            log += u'?' + QString::fromLatin1(reasons[step.reason]) + numbers;
            break;
        }
    }
    return log;
}

} // namespace

class StripFollowerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void evenings()
    {
        const char* rows[][2] = {
            // The past enters nothing; a spin counts on its second grab, once.
            {"5 4 3|5 4 3|6 5 4|6 5 4|6 5 4", "P(5 4 3)+6"},
            // A repeated number, and zero, are spins; so is a strip still growing.
            {"17 4|17 4|17 17 4|17 17 4|0 17 17 4|0 17 17 4", "P(17 4)+17+0"},
            // Frames of the slide, each read once, count for nothing.
            {"5 4 3|5 4 3|4 5 4|6 4 5|6 5 4|6 5 4", "P(5 4 3)+6"},
            // A tooltip hiding part of the strip, then a reload of the same strip.
            {"5 4 3|5 4 3|5|5|-|-|5 4 3|5 4 3", "P(5 4 3)"},
            // Scrolled back and forth again: nothing, and no complaint.
            {"9 8 7 6|9 8 7 6|1 9 8 7|1 9 8 7|8 7 6 5|8 7 6 5|1 9 8 7|1 9 8 7", "P(9 8 7 6)+1"},
            // A half-drawn strip read the same twice is uncertain, once; then
            // the right strip follows on.
            {"5 4 3|5 4 3|6 3 2|6 3 2|6 3 2|6 5 4|6 5 4", "P(5 4 3)?noshift(6 3 2)+6"},
            // A number outside the wheel, or one not read, enters nothing;
            // one not read at the oldest end is beyond the strip.
            {"5 4 3|5 4 3|61 5 4|61 5 4|6 5 4|6 5 4", "P(5 4 3)?range(61 5 4)+6"},
            {"5 4 3|5 4 3|-1 5 4|-1 5 4|6 -1 4|6 -1 4", "P(5 4 3)?range(-1 5 4)?range(6 -1 4)"},
            {"5 4 -1|5 4 -1|6 5 -1|6 5 -1|7 6 5|7 6 5", "P(5 4)+6+7"},
            // Two spins passed unseen: said, none entered, following goes on.
            {"5 4 3 2 1|5 4 3 2 1|7 6 5 4 3|7 6 5 4 3|8 7 6 5 4|8 7 6 5 4",
             "P(5 4 3 2 1)?skipped(7 6)+8"},
            // Unreadable for a while: said once, at the fourth grab.
            {"5 4|5 4|-|-|-|-|-|-|6 5|6 5", "P(5 4)?unreadable()+6"},
            // A display of one number: a change is a spin, a repeat cannot be seen.
            {"12|12|12|30|30|30|30|0|0", "P(12)+30+0"},
            // A strip of many cut down to one number is no single-number display.
            {"5 4 3|5 4 3|6|6", "P(5 4 3)?noshift(6)"},
        };
        for (auto [grabs, outcome] : rows) {
            zt::StripFollower follower;
            QCOMPARE(follow(follower, grabs), QString::fromLatin1(outcome));
        }
    }

    // A long evening of repeats and zeros on a strip of eight, sliding with
    // a frame between: every spin once, in order; what is known is the evening.
    void longEvening()
    {
        QList<int> spins;
        quint32 seed = 7;
        for (int i = 0; i < 500; ++i) {
            seed = seed * 1103515245u + 12345u;
            const int pick = int((seed >> 16) % 45);
            spins.append(pick >= 37 ? (spins.isEmpty() ? 0 : spins.last()) : pick);
        }
        zt::StripFollower follower;
        QList<int> entered;
        auto strip = [&](qsizetype newest) {
            QList<int> s;
            for (qsizetype i = newest; i >= 0 && s.size() < 8; --i)
                s.append(spins[i]);
            return s;
        };
        for (qsizetype i = 7; i < spins.size(); ++i) {
            QList<int> sliding = strip(i);
            std::rotate(sliding.begin(), sliding.begin() + 1, sliding.end());
            for (const QList<int>& grab : {sliding, strip(i), strip(i), strip(i)}) {
                const auto step = follower.see(grab);
                QVERIFY(step.kind != zt::StripFollower::Step::Uncertain);
                if (step.kind == zt::StripFollower::Step::Spin)
                    entered.append(step.number);
            }
        }
        QCOMPARE(entered, spins.mid(8));
        QList<int> evening = spins;
        std::reverse(evening.begin(), evening.end());
        QCOMPARE(follower.known(), evening);
    }

    // The rectangle as --read-screen and zentrima13.ini give it; what is
    // kept is read back, and a wrong value gives the default.
    void rectangleAndEnd()
    {
        const char* rows[][2] = {
            {"10,20,300,60", "10,20,300,60"}, {" -5, 0 ,80,40", "-5,0,80,40"},
            {"10,20,0,60", ""},              {"10,20,300", ""},
            {"a,b,c,d", ""},                 {"1,2,3,4,5", ""},
            {"0,0,100001,5", ""},            {"", ""},
            {"0,0,100000,5", "0,0,100000,5"},
        };
        for (auto [text, read] : rows) {
            const auto r = zt::rectangleFromText(QString::fromLatin1(text));
            QCOMPARE(r ? zt::rectangleText(*r) : QString(), QString::fromLatin1(read));
        }
        zt::test::FreshDir dir;
        const QString ini = dir.file(QStringLiteral("zentrima13.ini"));
        QCOMPARE(zt::readReaderSettings(ini).newest, zt::NewestEnd::Left);
        QVERIFY(zt::writeReaderSettings(ini, {QRect(7, 8, 90, 30), zt::NewestEnd::Right}));
        QCOMPARE(zt::readReaderSettings(ini).rectangle, QRect(7, 8, 90, 30));
        QCOMPARE(zt::readReaderSettings(ini).newest, zt::NewestEnd::Right);
        zt::test::writeFile(ini, "[Lettura]\nRettangolo=1,2\nUltimo=top\n");
        QVERIFY(zt::readReaderSettings(ini).rectangle.isEmpty());
        QCOMPARE(zt::readReaderSettings(ini).newest, zt::NewestEnd::Left);
    }
};

ZT_TEST_MAIN(StripFollowerTest)
#include "tst_stripfollower.moc"
