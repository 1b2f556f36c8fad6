// The windows and `zentrima13 verify` agree: on seeded random evenings, for
// every combination of a sweep, the viewer, board, settings and money window
// driven as a player would leave the panel, tally and money of the sweep's CSV
// line and write the very report the command writes for that combination.
// What is stored or exchanged is the same in either language.

#include "core/betting.h"
#include "core/report.h"
#include "core/session.h"
#include "windows/moneywindow.h"
#include "windows/viewerwindow.h"
#include "app/language.h"
#include "storetesting.h"
#include "windowsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>

#include <random>

using zt::control;

namespace {

// An evening of games: Memoria from 1, up to the history size plus one
// (37), and mixed types; a few rows without a number or with "ok" in it.
int makeEvening(unsigned seed)
{
    std::mt19937 random(seed);
    QStringList inserts{zt::test::usciteTable, QStringLiteral("BEGIN")};
    int rows = 0;
    for (int game = 0; game < 8; ++game) {
        const int length = 8 + int(random() % 52);
        for (int m = 1; m <= length; ++m, ++rows) {
            QString number = QStringLiteral("' %1'").arg(random() % 37);
            if (random() % 97 == 0)
                number = random() % 2 ? QStringLiteral("NULL") : QStringLiteral("'ok'");
            const char* types[] = {"1", "2", "NULL"};
            inserts << QStringLiteral("INSERT INTO Uscite (Numero, Memoria, Tipo) VALUES "
                                      "(%1, ' %2', %3)")
                           .arg(number)
                           .arg(std::min(m, 37))
                           .arg(QLatin1String(types[random() % 3]));
        }
    }
    zt::test::sql(inserts << QStringLiteral("COMMIT"));
    return rows;
}

struct Run {
    QStringList panel; // "name: value" lines, as the command prints them
    QByteArray report;
};

// What the program run as a command in the working directory prints.
QByteArray command(const QStringList& arguments)
{
    QProcess p;
    p.start(QStringLiteral(ZT_PROGRAM_PATH), arguments);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        qWarning() << arguments << p.readAllStandardError();
    return p.readAllStandardOutput();
}

} // namespace

class VerifyAgreementTest : public QObject {
    Q_OBJECT
public Q_SLOTS:
    void openUrl(const QUrl&) {}

private:
    // One combination through the windows, from a fresh start.
    Run throughWindows(const QHash<QString, QString>& c, const QString& from, const QString& count)
    {
        zt::destroySharedWindows();
        auto* board = zt::shared<zt::BoardWindow>();
        control<QCheckBox>(board, "Check2")->setChecked(c["mode"] == "quorix");
        control<QCheckBox>(board, "Check3")->setChecked(c["mode"] == "zentrima13");
        auto* filter = control<QComboBox>(board, "Combo1");
        filter->setCurrentIndex(filter->findData(c["filter"]));
        auto* settings = zt::shared<zt::SettingsWindow>();
        control<QLineEdit>(settings, "ST_ContrMax0")->setText(c["max"]);
        control<QCheckBox>(settings, "Check12")->setChecked(c["no-first-check"] == "0");
        control<QCheckBox>(settings, "Check16")->setChecked(c["second-hit"] == "1");
        control<QCheckBox>(settings, "Check1")->setChecked(c["reset-after-string"] == "1");

        // The stakes, as a player sets them in the money window.
        auto* money = static_cast<zt::MoneyWindow*>(
            zt::test::links().window(zt::Links::Window::Money));
        control<QSpinBox>(money, "Puntata")->setValue(c["stake"].toInt());
        const int item = c["progression"] == "flat" ? 0 : c["progression"] == "recovery" ? 2 : 1;
        if (item == 1)
            control<QLineEdit>(money, "Elenco")->setText(c["progression"]);
        control<QComboBox>(money, "Progressione")->setCurrentIndex(item);
        control<QSpinBox>(money, "Obiettivo")->setValue(c["target"].toInt());
        control<QSpinBox>(money, "MassimoTavolo")->setValue(c["table_max"].toInt());
        control<QSpinBox>(money, "Cassa")->setValue(c["bankroll"].toInt());
        control<QDoubleSpinBox>(money, "ValoreFiche")->setValue(c["chip"].toDouble());

        auto* viewer = zt::shared<zt::ViewerWindow>();
        viewer->show();
        const auto box = [&](const char* name) { return control<QLineEdit>(viewer, name); };
        const auto click = [&](const char* name) { control<QPushButton>(viewer, name)->click(); };
        click("Command5"); // "Azzera": the tally as at a fresh start
        control<QCheckBox>(viewer, "Check4")->setChecked(c["proposal-check"] == "1");
        control<QCheckBox>(viewer, "Check6")->setChecked(c["strings-report"] == "1");
        control<QCheckBox>(viewer, "Check8")->setChecked(c["no-auto-reset"] == "0");
        if (!from.isEmpty()) {
            box("Text21")->setText(from);
            click("Command10");
        }
        box("Text6")->setText(count);
        click("Command6");
        click("Command13");

        Run run;
        run.report = zt::test::fileBytes(zt::reportFileName);
        const std::pair<const char*, const char*> fields[] = {{"Boules", "Text13"},
                                                              {"Verificate", "Text16"},
                                                              {"Conta Usc.", "Text8"},
                                                              {"Numeri Giocati", "Text9"},
                                                              {"Fuori Lim. 1° Uscita", "Text15"},
                                                              {"Fuori Lim. 2° Uscita", "Text3"}};
        for (auto [name, control] : fields)
            run.panel << QCoreApplication::translate("Verify", name) + ": " + box(control)->text();
        return run;
    }

private Q_SLOTS:
    void initTestCase() { QDesktopServices::setUrlHandler("file", this, "openUrl"); }
    void cleanupTestCase()
    {
        zt::destroySharedWindows();
        QDesktopServices::unsetUrlHandler("file");
    }

    void sameBytesInEitherLanguage()
    {
        const zt::Language shown = zt::currentLanguage();
        QMap<QString, QByteArray> written[2];
        for (zt::Language language : {zt::Language::Italian, zt::Language::English}) {
            zt::destroySharedWindows();
            zt::useLanguage(language);
            zt::test::FreshDir dir;
            QMap<QString, QByteArray>& bytes = written[int(language)];

            // The board records a game typed by the player, of the type "Live".
            auto* board = zt::shared<zt::BoardWindow>();
            control<QComboBox>(board, "Combo7")->setCurrentIndex(1);
            control<QCheckBox>(board, "Check8")->setChecked(true);
            for (int n : {5, 17, 0, 36, 17, 22, 9, 31, 14, 20, 1, 33, 16, 24, 5, 10, 23, 8, 30, 11})
                board->sendSpin(QString::number(n));
            control<QCheckBox>(board, "Check8")->setChecked(false);
            const QString rows = "SELECT group_concat(id || '|' || Numero || '|' || Memoria || '|' "
                                 "|| ifnull(Tipo, '') || '|' || ifnull(Note, ''), '/') FROM Uscite";
            bytes["rows"] = zt::test::sql(rows).value(0).toByteArray();
            QVERIFY(bytes["rows"].count('/') == 19);

            // Replayed by "GO" and written by "SALVA".
            auto* viewer = zt::shared<zt::ViewerWindow>();
            viewer->show();
            control<QPushButton>(viewer, "Command5")->click();
            control<QCheckBox>(viewer, "Check6")->setChecked(true);
            control<QLineEdit>(viewer, "Text6")->setText("20");
            control<QPushButton>(viewer, "Command6")->click();
            control<QPushButton>(viewer, "Command13")->click();
            bytes["report"] = zt::test::fileBytes(zt::reportFileName);

            // Out and in again by the commands, and checked by verify.
            const auto in = [&](QStringList arguments) {
                return command(arguments << "--lang" << zt::languageCode(language));
            };
            bytes["export"] = in({"export"});
            zt::test::writeFile("uscite.csv", bytes["export"]);
            in({"import", "uscite.csv", "--db", "copia.mdb"});
            bytes["import"] = in({"export", "--db", "copia.mdb"});
            bytes["verify"] = in({"verify", "--max", "3,6", "--strings-report", "--mode",
                                  "none,zentrima13", "--csv", "-"});
            in({"verify", "--out", "rapporto.txt", "--strings-report"});
            bytes["verify report"] = zt::test::fileBytes("rapporto.txt");
        }
        zt::destroySharedWindows();
        zt::useLanguage(shown);
        for (const QString& name : written[0].keys())
            QVERIFY2(written[0][name] == written[1][name], qPrintable(name));
        QVERIFY(written[0]["report"].startsWith("Orba") && written[0]["verify"].contains("fallite"));
        QCOMPARE(written[0]["import"], written[0]["export"]);
    }

    void windowsAndCommandAgree_data()
    {
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<QStringList>("sweep");
        QTest::addColumn<int>("fromRow"); // -1: from the first row, all rows
        QTest::addColumn<QStringList>("money");
        const auto words = [](const char* text) { return QString(text).split(u' '); };
        QTest::newRow("modes, maxima, second hit, proposal check")
            << 11u
            << words("--mode none,quorix,zentrima13 --max 3,10 --strings-report --sweep "
                     "second-hit --sweep proposal-check")
            << -1 << words("--progression recovery --target 2 --table-max 30 --bankroll 200");
        QTest::newRow("filter, resets, first check, from a row, past the end")
            << 29u
            << words("--filter 7 --max 5,x --strings-report --sweep proposal-check --sweep "
                     "no-first-check --sweep reset-after-string --sweep no-auto-reset")
            << 40 << words("--stake 2 --progression 1,1,2,3 --chip 0.5");
        // The last number of the keypad waited for, and made a proposal of;
        // a filter that leaves the other modes alone.
        QTest::newRow("filter 36")
            << 5u
            << words("--filter Tutti,36 --mode none,quorix --max 2,6 --strings-report --sweep "
                     "second-hit --sweep proposal-check")
            << -1 << QStringList{};
    }
    void windowsAndCommandAgree()
    {
        QFETCH(unsigned, seed);
        QFETCH(QStringList, sweep);
        QFETCH(int, fromRow);
        QFETCH(QStringList, money);
        zt::test::FreshDir dir;
        const int rows = makeEvening(seed);
        QStringList place; // --from and --count, when given
        QString from;
        QString count = QString::number(rows);
        if (fromRow >= 0) {
            from = QString::number(fromRow + 1);
            count = QString::number(rows - fromRow + 5);
            place = QStringList{"--from", from, "--count", count};
        }

        QStringList lines = QString::fromUtf8(command(QStringList{"verify"} + sweep + money +
                                                      place + QStringList{"--csv", "-"}))
                                .split('\n');
        QVERIFY(lines.size() > 16 && lines.takeLast().isEmpty());
        const QStringList header = lines.takeFirst().split(',');
        const int failed = header.indexOf("fallite");
        const int staked = header.indexOf("staked");
        QCOMPARE(staked, failed + 1);
        const QByteArray dati = zt::test::fileBytes("dati.mdb");
        bool stakedSomewhere = false;
        for (const QString& line : lines) {
            QHash<QString, QString> c;
            QStringList values = line.split(',');
            // The progression's list is the one quoted field.
            const int quoted = values.indexOf(QRegularExpression("^\".*"));
            while (quoted >= 0 && !values[quoted].endsWith('"'))
                values[quoted] += ',' + values.takeAt(quoted + 1);
            if (quoted >= 0)
                values[quoted] = values[quoted].mid(1).chopped(1);
            QCOMPARE(values.size(), header.size());
            for (int i = 0; i < header.size(); ++i)
                c[header[i]] = values[i];
            const Run windows = throughWindows(c, from, count);

            // The CSV line: the panel, the tally.
            const zt::ConteggioColpi& tally = zt::test::links().session().tally;
            QStringList expected;
            for (const QString& field : windows.panel)
                expected << field.section(": ", 1);
            const int shown = c["max"].toInt(); // the attempts the report shows
            for (int i = 1; i <= failed - 15; ++i)
                expected << (i <= shown ? QString::number(tally.entry(i)) : QString());
            expected << QString::number(tally.entry(0));
            QCOMPARE(values.mid(9, failed - 8), expected);

            // The money of the "GO", in the player's money.
            const zt::LivePlay& play = zt::test::links().session().play;
            const zt::EveningFigures& f = play.lastGo().figures();
            const double chip = c["chip"].toDouble();
            const auto amount = [&](double chips) { return zt::csvAmount(chips * chip); };
            QCOMPARE(values.mid(staked, 9),
                     (QStringList{amount(f.staked), amount(f.returned), amount(f.net()),
                                  amount(f.expected), amount(f.sd()), zt::csvAmount(f.z()),
                                  amount(f.maxDrawdown), amount(f.maxStake),
                                  QString::number(f.capped)}));
            stakedSomewhere = stakedSomewhere || f.staked > 0;

            // The same combination alone: the report's bytes and the panel.
            QStringList single = QStringList{"verify"} + place + money +
                                 QStringList{"--out",    "alone.txt", "--mode", c["mode"],
                                             "--filter", c["filter"], "--max",  c["max"]};
            for (int i = 3; i < 9; ++i) {
                if (c[header[i]] == "1")
                    single << "--" + header[i];
            }
            QStringList printed =
                QString::fromUtf8(command(single)).split('\n', Qt::SkipEmptyParts);
            QCOMPARE(zt::test::fileBytes("alone.txt"), windows.report);
            // The command's panel names say in brackets what they count.
            printed.replaceInStrings(QRegularExpression("^([^:(]*) \\([^)]*\\): "), "\\1: ");
            QCOMPARE(printed, windows.panel + zt::eveningLines(f, play.settings()));
        }
        QVERIFY(stakedSomewhere);
        QCOMPARE(zt::test::fileBytes("dati.mdb"), dati); // never written by the command
    }
};

ZT_WINDOWS_TEST_MAIN(VerifyAgreementTest)
#include "tst_verifyagreement.moc"
