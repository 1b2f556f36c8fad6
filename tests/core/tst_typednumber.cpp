// The number typed on the board: what each run of keys enters or refuses.

#include "core/typednumber.h"
#include "testsupport.h"

class TypedNumberTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Keys: digits, E Enter, X Escape, B Backspace.  Outcome: =n for a number
    // entered, !text for a refusal, then |what is still typed.
    void keys()
    {
        const char* rows[][2] = {
            {"7E", "=7|"},   {"17E", "=17|"},   {"0E", "=0|"},     {"00E", "=0|"},
            {"07E", "=7|"},  {"36E", "=36|"},   {"37E", "!37|"},   {"99", "!99|"},
            {"4", "|4"},     {"45", "!45|"},    {"175E", "!175|"}, {"375E", "!37=5|"},
            {"1X7E", "=7|"}, {"17XE", "|"},     {"EXB", "|"},      {"12B3E", "=13|"},
            {"1B", "|"},     {"3E6E", "=3=6|"}, {"30", "|30"},
            {"036E", "!036|"}, {"005", "!005|"},
        };
        for (auto [keys, outcome] : rows) {
            zt::TypedNumber typed;
            QString log;
            for (const char* k = keys; *k; ++k) {
                using Step = zt::TypedNumber::Step;
                const Step step = *k == 'E'   ? typed.enter()
                                  : *k == 'X' ? typed.escape()
                                  : *k == 'B' ? typed.backspace()
                                              : typed.digit(*k - '0');
                if (step.kind == Step::Entered)
                    log += u'=' + QString::number(step.number);
                else if (step.kind == Step::Refused)
                    log += u'!' + step.refused;
            }
            QCOMPARE(log + u'|' + typed.text(), QString::fromLatin1(outcome));
        }
    }
};

ZT_TEST_MAIN(TypedNumberTest)
#include "tst_typednumber.moc"
