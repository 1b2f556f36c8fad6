// `zentrima13 search` from outside, as a player or a script runs it.

#include "commandtesting.h"

#include <signal.h>

class SearchCommandTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Every combination of the search is verified on each part as `verify`
    // verifies it alone on the same rows; the lines come best first.
    void searchAgreesWithVerify()
    {
        zt::test::FreshDir dir;
        std::mt19937 random(24);
        Rows rows;
        addGames(rows, 6, 25, random);
        addGames(rows, 1, 13, random);
        makeRows(rows);
        const QStringList grid{"--mode", "none,zentrima13", "--filter", "Tutti,7", "--max", "3,8",
                               "--sweep", "second-hit", "--stake", "2", "--progression", "1,2"};
        Outcome o = run(QStringList{"search", "--luck", "0", "--csv", "s.csv"} + grid);
        QCOMPARE(o.code, 0);
        // Row 82 is in the fourth game: the choosing part ends with it.
        QCOMPARE(panelLine(o.out, "Parte di scelta"),
                 QString("Parte di scelta: 100 righe (id 1–100); parte di verifica: 63 righe "
                         "(id 101–163), divise all'inizio di una partita."));
        QVERIFY(o.err.startsWith("16 combinazioni su 163 righe (scelta 100, verifica 63)"));
        const QStringList verifyGrid = grid + QStringList{"--strings-report"};
        for (const QStringList& part : {QStringList{"--count", "100", "--csv", "a.csv"},
                                        QStringList{"--from", "101", "--csv", "b.csv"}})
            QCOMPARE(run(QStringList{"verify"} + part + verifyGrid).code, 0);

        const QList<QStringList> found = csvLines("s.csv");
        const QList<QStringList> alone[2] = {csvLines("a.csv"), csvLines("b.csv")};
        const qsizetype results = alone[0][0].size() - 9 - 6;
        QCOMPARE(found.size(), 17);
        QCOMPARE(found[0].size(), 1 + 9 + 2 * (results + 2) + 6);
        const qsizetype net = found[0].indexOf("choose_net");
        QVERIFY(net > 0);
        for (int i = 1; i < found.size(); ++i) {
            const QStringList& line = found[i];
            QVERIFY(i == 1 || line[net].toDouble() <= found[i - 1][net].toDouble());
            int matched = 0;
            for (int part = 0; part < 2; ++part) {
                for (const QStringList& v : alone[part]) {
                    if (v.mid(0, 9) != line.mid(1, 9))
                        continue;
                    const qsizetype at = 10 + part * (results + 2);
                    QCOMPARE(line.mid(at, results), v.mid(9, results));
                    ++matched;
                }
            }
            QCOMPARE(matched, 2);
        }
        // Lines that share one replay keep the grid's order: "Tutti" before "7".
        const auto withoutRank = [](QStringList line) {
            line[0].clear();
            return line;
        };
        for (int i = 1; i < found.size(); ++i) {
            if (found[i][1] != "zentrima13" || found[i][2] != "7")
                continue;
            QStringList twin = withoutRank(found[i]);
            twin[2] = "Tutti";
            const auto at = std::find_if(found.begin() + 1, found.end(), [&](const QStringList& l) {
                return withoutRank(l) == twin;
            });
            QVERIFY(at != found.end() && at - found.begin() < i);
        }
        // Replays that tie keep the grid's order too ("none" with 7 nets the
        // same with or without second-hit): mode, filter, maximum, then sweep.
        const auto gridIndex = [](const QStringList& l) {
            return (l[1] == "zentrima13") * 8 + (l[2] == "7") * 4 + (l[3] == "8") * 2 +
                   (l[7] == "1");
        };
        int ties = 0;
        for (int i = 2; i < found.size(); ++i) {
            if (found[i][0] == found[i - 1][0] || found[i][net] != found[i - 1][net])
                continue;
            ++ties;
            QVERIFY2(gridIndex(found[i]) > gridIndex(found[i - 1]), qPrintable(found[i].join(',')));
        }
        QCOMPARE(ties, 2);

        // "Azzera" after a string changes a Modo Zentrima13 replay: not shared.
        o = run({"verify", "--mode", "zentrima13", "--strings-report", "--max", "3", "--sweep",
                 "reset-after-string", "--csv", "r.csv"});
        QCOMPARE(o.code, 0);
        const QList<QStringList> resets = csvLines("r.csv");
        QVERIFY(resets.size() == 3 && resets[1].mid(9) != resets[2].mid(9));
    }

    // The rows are split where a game begins, after the row asked for; what
    // cannot be split is refused, and nothing is written.
    void searchSplit()
    {
        zt::test::FreshDir dir;
        makeRows({{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 1}, {6, 2}, {7, 3}, {8, 4}, {9, 5},
                  {10, 6}, {11, 1}, {12, 2}, {13, 3}, {14, 4}, {15, 5}});
        const QStringList small{"--mode", "none", "--filter", "Tutti", "--max", "3", "--luck", "0"};
        const struct {
            QStringList arguments;
            QString split;
        } splits[] = {{{"--choose-until", "2"}, "4 righe (id 1–4); parte di verifica: 11 righe (id 5–15)"},
                      {{"--choose-until", "5"}, "10 righe (id 1–10); parte di verifica: 5 righe (id 11–15)"},
                      {{}, "10 righe (id 1–10); parte di verifica: 5 righe (id 11–15)"},
                      {{"--choose", "20%"}, "4 righe (id 1–4); parte di verifica: 11 righe (id 5–15)"},
                      {{"--from", "5", "--choose", "50"},
                       "6 righe (id 5–10); parte di verifica: 5 righe (id 11–15)"}};
        for (const auto& s : splits) {
            const Outcome o = run(QStringList{"search"} + s.arguments + small);
            QCOMPARE(o.code, 0);
            QCOMPARE(panelLine(o.out, "Parte di scelta").section(": ", 1).section(", divise", 0, 0),
                     s.split);
        }
        for (const QStringList& bad : {QStringList{"--choose-until", "11"},
                                       QStringList{"--choose-until", "99"},
                                       QStringList{"--from", "11"}}) {
            const Outcome o = run(QStringList{"search", "--csv", "s.csv"} + bad + small);
            QCOMPARE(o.code, 3);
            QVERIFY(o.out.isEmpty() && o.err.count('\n') == 1);
        }
        for (const QStringList& bad :
             {QStringList{"--choose", "0%"}, QStringList{"--choose", "100"},
              QStringList{"--choose", "50%", "--choose-until", "3"}, QStringList{"--rank", "z"}}) {
            const Outcome o = run(QStringList{"search", "--csv", "s.csv"} + small + bad);
            QCOMPARE(o.code, 2);
            QVERIFY(o.err.contains("Uso: zentrima13 search"));
        }
        // From none to 100 random evenings.
        for (const auto& [luck, code] : {std::pair{"-1", 2}, {"101", 2}, {"100", 0}})
            QCOMPARE(run(QStringList{"search", "--luck", luck} + small.mid(0, 6)).code, code);
        // A grid too large is refused before any combination is made.
        const Outcome many = run({"search", "--stake", numbersFrom1(300)});
        QCOMPARE(many.code, 2);
        QVERIFY2(many.err.startsWith("Le opzioni chiedono 9.590.400 combinazioni: più delle "
                                     "200.000"),
                 qPrintable(many.err));
        // The CSV on standard output instead of the panel.
        Outcome o = run(QStringList{"search", "--csv", "-"} + small);
        QVERIFY(o.code == 0 && o.out.startsWith("rank,mode,filter,max,") && o.out.count('\n') == 9);
        QVERIFY(o.out.contains(",none,Tutti,3,"));
        QCOMPARE(files(), QStringList{"dati.mdb"});
        // In English the filter is the board's "All", in and out; "Tutti"
        // is always taken, and the CSV keeps it.
        const QStringList english{"search", "--lang", "en", "--mode", "none", "--max", "3",
                                  "--luck", "0", "--filter"};
        o = run(english + QStringList{"All"});
        QVERIFY2(o.code == 0 && o.out.contains(QRegularExpression("\\n +1  none +All +3 ")),
                 qPrintable(o.out + o.err));
        QVERIFY(!o.out.contains("Tutti"));
        o = run(english + QStringList{"tutti", "--csv", "-"});
        QVERIFY(o.code == 0 && o.out.contains(",none,Tutti,3,"));
        // Games too short for Modo Quorix, here and on the random evenings
        // shaped like them: nothing is staked anywhere, and a best that only
        // ties with luck is not taken for better than it.
        o = run({"search", "--mode", "quorix", "--max", "3", "--luck", "2"});
        QCOMPARE(panelLine(o.out, "La prima"), "La prima: 0 in verifica, z - (nessuna puntata).");
        QVERIFY(panelLine(o.out, "La migliore sulle uscite vere (0, z -)")
                    .contains("non fa meglio della migliore su uscite a caso in 2 serate su 2"));

        // Rows imported from a list are one game: the refusal says how to
        // split them, and --games-every does.
        zt::test::FreshDir imported;
        Rows one;
        for (int k = 1; k <= 40; ++k)
            one.push_back({k % 37, k});
        makeRows(one);
        o = run(QStringList{"search"} + small);
        QVERIFY(o.code == 3 && o.err.contains("--games-every 20 (una partita nuova ogni 20 righe)"));
        o = run(QStringList{"search", "--games-every", "15"} + small);
        QCOMPARE(o.code, 0);
        QCOMPARE(panelLine(o.out, "Parte di scelta").section(": ", 1).section(", divise", 0, 0),
                 "30 righe (id 1–30); parte di verifica: 10 righe (id 31–40)");
        o = run(QStringList{"search", "--games-every", "30", "--choose", "80%"} + small);
        QVERIFY(o.code == 3 && o.err.contains("scegli un N più piccolo"));
        QCOMPARE(run(QStringList{"search", "--games-every", "0"} + small).code, 2);
    }

    // A setting made to win on the choosing part only: it tops the search
    // there, beyond what luck gave the best on random evenings (the same
    // for the same seed), and the judging part shows it was not real.
    void searchPlantedBias()
    {
        zt::test::FreshDir dir;
        std::mt19937 random(11);
        Rows rows;
        addGames(rows, 5, 60, random, true);
        addGames(rows, 5, 60, random);
        makeRows(rows);
        const QStringList grid{"search", "--mode", "none,zentrima13", "--filter", "Tutti,7,9",
                               "--max", "2,4"};
        const Outcome o = run(grid + QStringList{"--seed", "5"});
        QCOMPARE(o.code, 0);
        const QStringList first =
            panelLine(o.out, "  1  ").replace(',', '.').split(' ', Qt::SkipEmptyParts);
        const double chosenZ = first[first.size() - 3].toDouble();
        const double judgedZ = first.last().toDouble();
        QVERIFY2(first[1] == "none" && first[2] == "7" && chosenZ > 5 && judgedZ < 2,
                 qPrintable(first.join(' ')));
        const QString luck = panelLine(o.out, "La fortuna della ricerca");
        QVERIFY(luck.contains("(seme 5)"));
        QVERIFY(panelLine(o.out, "La migliore sulle uscite vere")
                    .contains("fa meglio della migliore di ogni serata a caso"));
        // Beating all three random evenings, luck alone does 1 time in 4.
        QCOMPARE(panelLine(o.out, "Una ricerca su uscite a caso"),
                 QString("Una ricerca su uscite a caso fa almeno altrettanto bene 25 volte su "
                         "cento (nella norma)."));
        QCOMPARE(panelLine(run(grid + QStringList{"--seed", "5"}).out, "La fortuna della ricerca"),
                 luck);
        const QString other = panelLine(run(grid + QStringList{"--seed", "6"}).out,
                                        "La fortuna della ricerca");
        QVERIFY(!other.isEmpty() && other != luck);
        // Each evening is its own, however many are played.
        const auto bests = [](const QString& line) {
            return line.section("ha avuto ", 1).section(" (z", 0, 0).split(" / ");
        };
        const QStringList five = bests(panelLine(
            run(grid + QStringList{"--seed", "5", "--luck", "5"}).out, "La fortuna della ricerca"));
        QVERIFY(five.size() == 5 && five.mid(0, 3) == bests(luck));
    }

    // Ctrl+C stops the search at once: exit 130, no file written.
    void searchInterrupted()
    {
        zt::test::FreshDir dir;
        std::mt19937 random(3);
        Rows rows;
        addGames(rows, 200, 100, random);
        makeRows(rows);
        QProcess p;
        p.setProcessEnvironment(italianEnvironment()); // its messages are read
        p.setReadChannel(QProcess::StandardError);
        p.start(QStringLiteral(ZT_PROGRAM_PATH), {"search", "--csv", "s.csv", "--luck", "20"});
        QByteArray err;
        while (!err.contains('\n') && p.waitForReadyRead(60000))
            err += p.readAllStandardError();
        QVERIFY(err.contains("combinazioni su 20.000 righe"));
        QTest::qWait(1300); // long enough for a progress line, were this a terminal
        ::kill(pid_t(p.processId()), SIGINT);
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 130);
        err += p.readAllStandardError();
        QVERIFY(err.contains("Ricerca interrotta: nessun file è stato scritto."));
        QVERIFY(!err.contains('\r')); // a pipe gets no progress line
        QVERIFY(p.readAllStandardOutput().isEmpty());
        QCOMPARE(files(), QStringList{"dati.mdb"});
    }
};

ZT_TEST_MAIN(SearchCommandTest)
#include "tst_searchcommand.moc"
