// `zentrima13 verify` and `progression` from outside, as a player or a script
// runs them.

#include "commandtesting.h"

#include <QStandardPaths>

#include <signal.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

class VerifyCommandTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void helpAndVersion()
    {
        Outcome o = run({"--help"});
        QVERIFY(o.code == 0 &&
                o.out.contains(QRegularExpression("\\n  verify +verifica le proposte")));
        o = run({"--version"});
        QVERIFY(o.code == 0 && o.out.startsWith("zentrima13 "));
        o = run({"verify", "--help"});
        QVERIFY(o.code == 0 && o.out.startsWith("Uso: zentrima13 verify") && o.err.isEmpty());
        // In English every command is described in English.
        o = run({"--lang", "en", "--help"});
        QVERIFY2(o.code == 0 && o.out.contains(QRegularExpression("\\n  search +finds the best")),
                 qPrintable(o.out));
        for (const char* italian : {"cerca", "verifica", "scrive", "aggiunge", "mostra"})
            QVERIFY2(!o.out.contains(italian), italian);

        // What the program does not know is refused, never taken for the windows.
        o = run({"frobnicate"});
        QVERIFY(o.code == 2 && o.err.startsWith("Comando sconosciuto: frobnicate.\n\nUso:"));
        // The windows without a display: one line, no abort.
        for (const char* display : {"", ":4713"}) {
            o = run({}, [&](QProcess& p) {
                QProcessEnvironment env = italianEnvironment();
                for (const char* name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"})
                    env.remove(name);
                if (*display)
                    env.insert("DISPLAY", display);
                p.setProcessEnvironment(env);
            });
            QCOMPARE(o.code, 1);
            QVERIFY(o.err.startsWith("Zentrima 13 non può aprire le sue finestre: ") &&
                    o.err.count('\n') == 1);
        }
    }

    void badOptions_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown") << QStringList{"--bogus"} << "Opzione sconosciuta: bogus.";
        QTest::newRow("no value") << QStringList{"--db"} << "Valore mancante o di troppo";
        QTest::newRow("mode") << QStringList{"--mode", "none,Quorix"} << "--mode: \"Quorix\"";
        QTest::newRow("filter 0") << QStringList{"--filter", "0"} << "--filter: \"0\"";
        QTest::newRow("filter 07") << QStringList{"--filter", "07"} << "--filter: \"07\"";
        QTest::newRow("count") << QStringList{"--count", "-1"} << "--count: \"-1\"";
        QTest::newRow("from") << QStringList{"--from", "5x"} << "--from: \"5x\"";
        QTest::newRow("sweep") << QStringList{"--sweep", "azzera"} << "--sweep: \"azzera\"";
        QTest::newRow("both") << QStringList{"--second-hit", "--sweep", "second-hit"}
                              << "--second-hit e --sweep second-hit";
        QTest::newRow("argument") << QStringList{"dati.mdb"} << "Argomento inatteso";
        QTest::newRow("stake") << QStringList{"--stake", "2,0"} << "--stake: \"0\"";
        QTest::newRow("progression") << QStringList{"--progression", "1,x"}
                                     << "--progression: \"1,x\"";
        const QString sixty = QString("1,").repeated(29) + "xx"; // shown whole; longer, cut
        QTest::newRow("60 characters") << QStringList{"--progression", sixty}
                                       << "--progression: \"" + sixty + "\" (";
        // A refusal names the limit; a value with decimals is never split into a list.
        QTest::newRow("chip under a cent")
            << QStringList{"--chip", "0,001"}
            << "--chip: \"0,001\" (un valore da 0,01 a meno di 1.000.000.000 con al massimo due "
               "decimali, come 2,5 o 2.5; per più valori si ripete --chip).";
        QTest::newRow("chips in a list") << QStringList{"--chip", "2,5,1"} << "--chip: \"2,5,1\"";
        QTest::newRow("stake too large")
            << QStringList{"--stake", "10000000000"}
            << "--stake: \"10000000000\" (un numero intero da 1 a 1.000.000.000).";
        QTest::newRow("target 0") << QStringList{"--target", "0"} << "(un numero intero da 1 a 1.000.000.000).";
        QTest::newRow("spins 0") << QStringList{"--spins", "0"} << "(un numero intero da 1 a 1.000.000).";
        QTest::newRow("bankroll 0")
            << QStringList{"--bankroll", "0"} << "(un numero intero da 1 a 1.000.000.000.000.000).";
        QTest::newRow("progression too long")
            << QStringList{"--progression", QStringList(10'000, "1").join(',')}
            << "(flat, recovery o da 1 a 1.000 multipli interi";
        QTest::newRow("stakes over the ceiling")
            << QStringList{"--stake", "1000000000", "--progression", "1,1000000000"}
            << "chiede 1.000.000.000.000.000.000 fiches per numero: oltre il limite di "
               "1.000.000.000.000.000.";
        QTest::newRow("simulate") << QStringList{"--simulate", "-5"} << "--simulate: \"-5\"";
        QTest::newRow("out on the rows")
            << QStringList{"--out", "./dati.mdb"} << "--out non può essere il file delle uscite.";
        QTest::newRow("one file twice") << QStringList{"--out", "s.txt", "--csv", "./s.txt"}
                                        << "--out e --csv non possono essere lo stesso file";
        QTest::newRow("one value twice") << QStringList{"--db", "dati.mdb", "--db=altro.mdb"}
                                         << "L'opzione --db è data più di una volta";
        QStringList many; // 300 values each: 27,000,000 combinations, refused before any is made
        for (const char* option : {"--stake", "--target", "--table-max"})
            many << option << numbersFrom1(300);
        QTest::newRow("too many combinations")
            << many << "Le opzioni chiedono 27.000.000 combinazioni: più delle 1.000.000";
        QTest::newRow("count too large")
            << QStringList{"--count", "99999999999"}
            << "--count: \"99999999999\" (un numero intero da 0 a 2147483647).";
    }
    void badOptions()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        zt::test::FreshDir dir;
        makeRows();
        const Outcome o = run(QStringList{"verify"} + arguments);
        QCOMPARE(o.code, 2);
        QVERIFY2(o.err.contains(message) && o.err.contains("Uso: zentrima13 verify"),
                 qPrintable(o.err));
        QVERIFY(o.err.size() < 10'000); // a long value is not echoed whole
        QVERIFY(o.out.isEmpty());
        QCOMPARE(files(), QStringList{"dati.mdb"});
    }

    // A missing or unusable file, or no row to start from: the windows'
    // messages, exit 3, nothing written, the file as it was.
    void unusableData()
    {
        zt::test::FreshDir dir;
        const QStringList problems{"Il file dati.mdb non esiste.",
                                   "Il file dati.mdb non è un database valido.",
                                   "Nel file dati.mdb manca la tabella Uscite.",
                                   "Nel file dati.mdb non c'è la riga con id 9."};
        for (int i = 0; i < problems.size(); ++i) {
            if (i == 1)
                zt::test::writeFile("dati.mdb", "not a database at all, but text");
            if (i == 2) {
                QFile::remove("dati.mdb");
                zt::test::sql("CREATE TABLE Altro (id INTEGER PRIMARY KEY)");
            }
            if (i == 3) {
                QFile::remove("dati.mdb");
                makeRows();
            }
            const QByteArray before = zt::test::fileBytes("dati.mdb");
            const Outcome o = run({"verify", "--from", "9"});
            QCOMPARE(o.code, 3);
            QCOMPARE(o.err, problems[i] + "\n");
            QCOMPARE(zt::test::fileBytes("dati.mdb"), before);
            QCOMPARE(files(), i == 0 ? QStringList() : QStringList{"dati.mdb"});
        }
        Outcome o = run({"verify", "--db", "altrove/serata.mdb"});
        QCOMPARE(o.err, "Il file " + dir.file("altrove/serata.mdb") + " non esiste.\n");
        // What is not a file is refused at once, never waited on.
        QVERIFY(::mkfifo("tubo", 0600) == 0 && QDir().mkdir("cartella"));
        o = run({"verify", "--db", "tubo"});
        QCOMPARE(o.code, 3);
        QCOMPARE(o.err, QString("tubo non è un file normale (è una pipe).\n"));
        QCOMPARE(run({"verify", "--db", "cartella"}).err, QString("cartella è una cartella.\n"));
        // In English, as English is written.
        QCOMPARE(run({"verify", "--lang", "en", "--db", "cartella"}).err,
                 QString("cartella is a folder.\n"));
    }

    // Every output is checked before the work (here before the rows, which
    // are missing), and what cannot be written is said as it is.
    void outputsCheckedBeforeTheWork()
    {
        zt::test::FreshDir dir;
        zt::test::writeFile("afile", "x");
        QVERIFY(QDir().mkdir("cartella"));
        const std::pair<QString, QString> outputs[] = {
            {"/nonexistent/x.csv", "la cartella /nonexistent non esiste."},
            {"afile/in/x.csv", dir.file("afile") + " è un file, non una cartella."},
            {"/proc/x.csv", "nella cartella /proc non si possono creare file."},
            {"cartella", "esiste già una cartella con questo nome."}};
        for (const auto& [path, why] : outputs) {
            for (const QStringList& command :
                 {QStringList{"verify", "--csv"}, {"verify", "--out"}, {"search", "--csv"},
                  {"export", "--out"}}) {
                const Outcome o = run(command + QStringList{path, "--db", "manca.mdb"});
                QCOMPARE(o.code, 1);
                QVERIFY2(o.err.startsWith("Impossibile scrivere ") && o.err.endsWith(": " + why + "\n"),
                         qPrintable(o.err));
            }
        }
        // Nor a closed standard output, where the results would go: an
        // import that could not say so stores nothing.
        for (const char* command : {"verify", "search", "export", "import -"}) {
            const Outcome o = run({"-c", QStringLiteral("echo 5 | %1 %2 --db manca.mdb >&-")
                                             .arg(ZT_PROGRAM_PATH, command)},
                                  [](QProcess& p) { p.setProgram("/bin/sh"); });
            QCOMPARE(o.err, QString("Impossibile scrivere sullo standard output: è chiuso.\n"));
        }
        QCOMPARE(files(), QStringList{"afile"});
    }

    void reportPanelAndSweep()
    {
        zt::test::FreshDir dir;
        makeRows();
        const QByteArray dati = zt::test::fileBytes("dati.mdb");
        // The second game and two passes past the last row, the proposal checked
        // (and dropped at each check: nothing followed, nothing staked).
        Outcome o = run({"verify", "--from", "5", "--count", "4", "--proposal-check"});
        QCOMPARE(o.code, 0);
        QCOMPARE(o.out, QString("Boules: 2\n"
                                "Verificate (stringhe vinte, con --strings-report, e proposte "
                                "controllate, con --proposal-check): 2\n"
                                "Conta Usc. (numeri usciti delle proposte controllate, con "
                                "--proposal-check): 1\n"
                                "Numeri Giocati (numeri delle proposte controllate, con "
                                "--proposal-check): 6\n"
                                "Fuori Lim. 1° Uscita (stringhe annullate prima della vincita, "
                                "con --strings-report): 0\n"
                                "Fuori Lim. 2° Uscita (stringhe annullate dopo la prima vincita, "
                                "con --strings-report): 0\n"
                                "Colpi puntati: 0 di 2\nPuntato: 0\nRiscosso: 0\nSaldo: 0\n"
                                "Resa sul puntato: nessuna puntata\nAtteso dal caso: 0 ± 0\n"
                                "z: nessuna puntata\nDiscesa massima: 0\n"
                                "Puntata massima: 0 per numero\nColpi persi di fila, al massimo: 0\n"));
        QVERIFY(zt::test::fileBytes("Statistica.txt")
                    .startsWith("Orba\r\n\r\nBoules:2\r\n\r\n\r\n\r\n\r\nFallite: 0\r\n"));
        QCOMPARE(files(), (QStringList{"Statistica.txt", "dati.mdb"}));

        // An output that cannot be written: no other is written then; nor
        // when standard output fails.
        o = run({"verify", "--out", "r.txt", "--csv", "manca/x.csv"});
        QVERIFY(o.code == 1 &&
                o.err.endsWith("la cartella " + dir.file("manca") + " non esiste.\n"));
        o = run({"verify", "--out", "r.txt"},
                [](QProcess& p) { p.setStandardOutputFile("/dev/full"); });
        QVERIFY(o.code == 1 &&
                o.err == "Impossibile scrivere sullo standard output: il disco è pieno.\n");
        o = run({"-c", QString(ZT_PROGRAM_PATH) + " verify --max 3,4 >&-"}, // a sweep's table
                [](QProcess& p) { p.setProgram("/bin/sh"); });
        QCOMPARE(o.err, QString("Impossibile scrivere sullo standard output: è chiuso.\n"));
        QVERIFY(!QFile::exists("r.txt"));
        // "-": the report on standard output, without the panel.
        o = run({"verify", "--out", "-"});
        QVERIFY(o.code == 0 && o.out.startsWith("Orba\r\n\r\nBoules:6\r\n"));

        o = run({"verify", "--max", "2,10", "--csv", "-"});
        QVERIFY(o.out.count('\n') == 3 && o.err == "2 combinazioni da verificare.\n");
        // A decimal comma is a chip value of 2.5, not two combinations.
        o = run({"verify", "--chip", "2,5", "--stake", "2", "--out", "chip.txt"});
        QVERIFY(o.code == 0 && o.out.contains("\nPuntato: ") && o.out.contains(",00\n"));
        // A sweep on a terminal is a table; on a pipe (above) the CSV.
        if (!QStandardPaths::findExecutable("script").isEmpty()) {
            o = run({"-qec", QString(ZT_PROGRAM_PATH) + " verify --max 2,10", "/dev/null"},
                    [](QProcess& p) { p.setProgram("script"); });
            // The count of the combinations first (on standard error, the
            // same terminal), then the table.
            const QStringList shown = o.out.split("\r\n");
            QCOMPARE(shown[0], QString("2 combinazioni da verificare."));
            QCOMPARE(shown[1].simplified(),
                     QString("# max Verificate Fallite Colpi puntati Puntato Saldo z"));
            QCOMPARE(shown[2].section(' ', 0, 4, QString::SectionSkipEmpty).simplified(), QString("1 2 0 0 4"));
            QVERIFY(shown[4].startsWith("Tutte le colonne"));
        }
        QCOMPARE(zt::test::fileBytes("dati.mdb"), dati);

        // The same seed gives the same evenings; a list sweeps.
        const QStringList seeded =
            QString("verify --stake 1,2 --progression flat --progression 1,2 "
                    "--simulate 300 --seed 4 --csv -")
                .split(u' ');
        o = run(seeded);
        QCOMPARE(o.code, 0);
        const QStringList swept = o.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(swept.size(), 5);
        QVERIFY(swept[0].endsWith(",capped,p5,p25,p50,p75,p95,ruined,mean_net,stake,progression,"
                                  "target,table_max,chip,bankroll,simulate,spins,seed"));
        QVERIFY(swept[4].endsWith(",2,\"1,2\",1,,1,,300,300,4"));
        QCOMPARE(run(seeded).out, o.out);

        // What is not a file (a null device, where one can be made) is written
        // into, never replaced by a file.
        if (::mknod("nulla", S_IFCHR | 0666, makedev(1, 3)) == 0) {
            QCOMPARE(run({"verify", "--out", "nulla"}).code, 0);
            QCOMPARE(run({"verify", "--max", "2,3", "--csv", "nulla"}).code, 0);
            QVERIFY(QFileInfo::exists("nulla") && !QFileInfo("nulla").isFile());
        }
    }

    // A sweep longer than the stretch verified at a time: every line as
    // the combination verified alone gives it, across the stretches.
    void longSweep()
    {
        zt::test::FreshDir dir;
        makeRows();
        const Outcome o = run({"verify", "--max", "3", "--stake", numbersFrom1(45), "--target",
                               numbersFrom1(200), "--progression", "recovery", "--csv", "-"});
        QCOMPARE(o.code, 0);
        QCOMPARE(o.err, QString("9.000 combinazioni da verificare.\n"));
        const QStringList lines = o.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 9001);
        for (int line : {8192, 8193, 9000}) {
            const int stake = (line - 1) / 200 + 1, target = (line - 1) % 200 + 1;
            const QStringList alone =
                run({"verify", "--max", "3", "--stake", QString::number(stake), "--target",
                     QString::number(target), "--progression", "recovery", "--csv", "-"})
                    .out.split('\n');
            QCOMPARE(lines[line], alone[1]);
        }
    }

    // A sweep of two switches over two maxima, one CSV line each, the first
    // list outermost, each switch off then on, the later one innermost; and
    // no report.  Worked by hand from the rules: 17 20 31 3 5 9 9 36 36 36 4
    // | 13 14 2 14, each number proposing its row.  "Contr. Massimo" 1
    // cancels a string at its first miss and, with the second hit, at its
    // first hit; without the automatic reset the 13 plays on the 4's row
    // (with 1) or hits the 36's at its 2nd attempt (with 3).
    void sweepLines()
    {
        zt::test::FreshDir dir;
        makeRows({{17, 1}, {20, 2}, {31, 3}, {3, 4}, {5, 5}, {9, 6}, {9, 7}, {36, 8}, {36, 9},
                  {36, 10}, {4, 11}, {13, 1}, {14, 2}, {2, 3}, {14, 4}});
        const Outcome o =
            run({"verify", "--max", " 1,3 ", "--sweep", "second-hit", "--sweep", "no-auto-reset",
                 "--strings-report", "--out", "mai.txt", "--csv", "righe.csv"});
        QCOMPARE(o.code, 0);
        QVERIFY(o.out.isEmpty() && !QFile::exists("mai.txt"));
        QStringList lines = QString::fromUtf8(zt::test::fileBytes("righe.csv")).split('\n');
        QCOMPARE(lines.size(), 10);
        QVERIFY(lines[0].startsWith("mode,filter,max,proposal-check,strings-report,no-first-check,"
                                    "second-hit,reset-after-string,no-auto-reset,boules,verificate,"
                                    "conta_usc,numeri_giocati,fuori_lim_1,fuori_lim_2,colpo_1,"
                                    "colpo_2,colpo_3,fallite,staked,"));
        for (QString& line : lines)
            line = line.section(u',', 2, 18);
        QCOMPARE(lines.mid(1, 8), (QStringList{"\" 1\",0,1,0,0,0,0,15,4,0,0,9,0,4,,,9",
                                               "\" 1\",0,1,0,0,0,1,15,4,0,0,10,0,4,,,10",
                                               "\" 1\",0,1,0,1,0,0,15,0,0,0,9,4,4,,,13",
                                               "\" 1\",0,1,0,1,0,1,15,0,0,0,10,4,4,,,14",
                                               "\"3 \",0,1,0,0,0,0,15,4,0,0,2,0,4,0,0,2",
                                               "\"3 \",0,1,0,0,0,1,15,5,0,0,2,0,4,1,0,2",
                                               "\"3 \",0,1,0,1,0,0,15,2,0,0,1,1,2,2,1,2",
                                               "\"3 \",0,1,0,1,0,1,15,1,0,0,1,2,1,3,0,3"}));
    }

    // The money of the rows, worked by hand: the proposal of 7 is followed
    // at the 17 (attempt 1, 2 chips on each of its 3 numbers) and at the
    // next 7 (attempt 2: 3 x 2 = 6 chips, cut to the maximum 5), which the
    // 20 chips less the 6 lost cannot cover.  With the times of the spins.
    void moneyOfTheRows()
    {
        zt::test::FreshDir dir;
        makeRows();
        zt::test::sql({"CREATE TABLE IF NOT EXISTS UsciteOra (id INTEGER PRIMARY KEY, Ora TEXT "
                       "NOT NULL)",
                       "INSERT INTO UsciteOra VALUES (1, '2026-12-06T22:15:03+01:00'), "
                       "(6, '2026-12-06T22:45:03+01:00')"});
        const Outcome o = run({"verify", "--max", "2", "--stake", "2", "--progression", "1,3",
                               "--table-max", "5", "--bankroll", "20", "--simulate", "50",
                               "--spins", "40"});
        QCOMPARE(o.code, 0);
        const QStringList lines = o.out.split('\n').mid(6);
        QCOMPARE(lines.mid(0, 16),
                 (QStringList{"Colpi puntati: 1 di 6", "Puntato: 6", "Riscosso: 0", "Saldo: -6",
                              "Resa sul puntato: -100,00 %", "Atteso dal caso: -0,16 ± 19,65",
                              "z: -0,30 (nella norma: un saldo così basso o meno il caso lo dà 92 "
                              "volte su cento)",
                              "Discesa massima: 6",
                              "Puntata massima: 2 per numero", "Colpi persi di fila, al massimo: 1",
                              "Puntate ridotte al massimo: 0", "Rovina: al colpo 3",
                              "Inizio: 06/12/2026 22:15:03", "Fine: 06/12/2026 22:45:03",
                              "Uscite all'ora: 2,0", "Serate simulate: 50 da 40 uscite (seme 1)"}));
        QVERIFY(lines[16].startsWith("Saldo finale, percentili 5°, 25°, 50°, 75°, 95°: "));
        QVERIFY(lines[18].startsWith("Serate in rovina: "));
    }

    // The stakes of a progression by attempt, as players work them out.
    void progressionTable()
    {
        Outcome o = run({"progression", "--numbers", "3", "--max", "12"});
        QCOMPARE(o.code, 0);
        QStringList lines = o.out.split('\n');
        QCOMPARE(lines[0], QString("Recupero su 3 numeri: un colpo vinto a ogni tentativo rende "
                                   "almeno 1 su tutto il puntato:"));
        QCOMPARE(lines[1].simplified(), QString("Tentativo Per numero Sul tavolo In gioco Se esce"));
        QCOMPARE(lines[2].simplified(), QString("1 1 3 3 33"));
        QCOMPARE(lines[12].simplified(), QString("11 1 3 33 3"));
        QCOMPARE(lines[13].simplified(), QString("12 2 6 39 33"));

        o = run({"progression", "--numbers", "8", "--max", "3", "--progression", "1,2,4", "--stake",
                 "2", "--table-max", "6", "--chip", "0.5"});
        lines = o.out.split('\n');
        QCOMPARE(lines[4].simplified(), QString("3 3,00* 24,00 48,00 60,00"));
        QCOMPARE(lines[5], QString("* ridotta al massimo del tavolo"));

        // A table that cannot be written fails as every command does.
        o = run({"progression", "--numbers", "3", "--max", "2"},
                [](QProcess& p) { p.setStandardOutputFile("/dev/full"); });
        QVERIFY(o.code == 1 &&
                o.err == "Impossibile scrivere sullo standard output: il disco è pieno.\n");
        o = run({"-c", QString(ZT_PROGRAM_PATH) + " progression --numbers 3 --max 2 >&-"},
                [](QProcess& p) { p.setProgram("/bin/sh"); });
        QVERIFY(o.code == 1 && o.err == "Impossibile scrivere sullo standard output: è chiuso.\n");
        // One number is one, in English.
        o = run({"progression", "--lang", "en", "--numbers", "1", "--max", "2"});
        QVERIFY2(o.out.startsWith("Recovery on 1 number: a hit at any attempt nets at least 1 "),
                 qPrintable(o.out));
        // A chip value with a decimal comma.
        o = run({"progression", "--numbers", "3", "--max", "1", "--chip", "2,5"});
        QCOMPARE(o.out.split('\n')[2].simplified(), QString("1 2,50 7,50 7,50 82,50"));

        o = run({"progression", "--numbers", "36", "--max", "3"});
        QCOMPARE(o.code, 2);
        QVERIFY(o.out.isEmpty() && o.err.startsWith("Con 36 numeri nessuna puntata recupera"));
        // Without a table maximum no stake is cut: one past what is held is refused.
        o = run({"progression", "--numbers", "35", "--max", "12"});
        QCOMPARE(o.code, 2);
        QVERIFY(o.out.isEmpty() && o.err.startsWith("Al tentativo 11 la progressione chiederebbe "
                                                    "più di 1.000.000.000.000.000 fiches"));
        const std::pair<QStringList, QString> refused[] = {
            {{"--numbers", "38", "--max", "3"}, "Valore non valido per --numbers: \"38\" (un numero intero da 1 a 37)."},
            {{"--numbers", "3"}, "Servono --numbers e --max."},
            {{"--max", "3"}, "Servono --numbers e --max."},
            {{"--numbers", "3", "--max", "3", "--target", "0"}, "Valore non valido per --target: \"0\" (un numero intero da 1 a 1.000.000.000)."},
            {{"--numbers", "3", "--max", "3", "--stake", "0"}, "Valore non valido per --stake: \"0\" (un numero intero da 1 a 1.000.000.000)."},
            {{"--numbers", "3", "--max", "3", "x\x1b[2J"}, "Argomento inatteso: x[U+001B][2J."},
            {{"--numbers", "3", "--max", "3", "--chip", "0,001"}, "Valore non valido per --chip: \"0,001\" (un valore da 0,01 a meno di 1.000.000.000 con al massimo due decimali, come 2,5 o 2.5)."},
            {{"--numbers", "3", "--max", "3", "--max=4"},
             "L'opzione --max è data più di una volta: vuole un valore solo."}};
        for (const auto& [bad, why] : refused) {
            o = run(QStringList{"progression"} + bad);
            QCOMPARE(o.code, 2);
            QCOMPARE(o.err.section('\n', 0, 0), why);
            QVERIFY(o.err.contains("Uso: zentrima13 progression"));
        }
    }
};

ZT_TEST_MAIN(VerifyCommandTest)
#include "tst_verifycommand.moc"
