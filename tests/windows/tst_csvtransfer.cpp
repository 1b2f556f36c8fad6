#include "app/language.h"
#include "commandtesting.h"
#include "store/spinrecorder.h"
#include "store/storefile.h"
#include "storetesting.h"
#include "windows/statisticswindow.h"
#include "windowsupport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QTableView>
#include <QThread>

#include <map>
#include <memory>

using zt::test::fileBytes;
using zt::test::sql;
using zt::test::writeFile;

namespace {

void recordThree()
{
    zt::SpinRecorder board;
    QVERIFY(board.record(" 5", "1", " 1"));
    QVERIFY(board.record(" 17", "2", " 2"));
    QVERIFY(board.record(" 0", "", " 3"));
}

const char* const kHeader = "id,Numero,Memoria,Tipo,Cima,Memcima,Note\r\n";

} // namespace

class CsvTransferTest : public QObject {
    Q_OBJECT
    std::unique_ptr<zt::test::FreshDir> dir_;

    // Presses the key on the viewer, active, and answers its file dialog with the path.
    void pressAndChoose(QWidget* focus, Qt::Key key, const QString& path)
    {
        focus->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(focus->window()));
        QTest::keyClick(focus, key, Qt::ControlModifier);
        auto* dialog = zt::shared<zt::ViewerWindow>()->findChild<QFileDialog*>("csvDialog");
        QVERIFY(dialog && dialog->isVisible());
        QStringList buttons; // in Qt's own words, in the program's language
        for (QAbstractButton* b : dialog->findChild<QDialogButtonBox*>()->buttons())
            buttons << b->text();
        buttons.sort();
        const bool save = key == Qt::Key_E;
        QCOMPARE(buttons, zt::currentLanguage() == zt::Language::English
                              ? QStringList({save ? "&Save" : "&Open", "Cancel"})
                              : QStringList({save ? "&Salva" : "&Apri", "Annulla"}));
        Q_EMIT dialog->fileSelected(path);
        dialog->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private Q_SLOTS:
    void init() { dir_ = std::make_unique<zt::test::FreshDir>(); }
    void cleanup()
    {
        delete zt::loaded<zt::ViewerWindow>();
        dir_.reset();
    }

    void commandsWriteAndReadSpins()
    {
        QCOMPARE(run({"export"}).err, QStringLiteral("Il file dati.mdb non esiste.\n"));
        QVERIFY(!QFile::exists(u"dati.mdb"_qs));

        // A list, from standard input, into a new file.
        Outcome r = run({"import", "-", "--tipo", "spin"}, {}, "5, 17\n32,\n");
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QStringLiteral("3 uscite importate in dati.mdb.\n"));
        r = run({"export"});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QString(kHeader) + "1, 5, 1,2,,,\r\n2, 17, 2,2,,,\r\n3, 32, 3,2,,,\r\n");
        QCOMPARE(run({"export", "--type", "Live", "--out", "-"}).out, QString(kHeader));
        // A fault in English quotes as English does.
        QCOMPARE(run({"import", "-", "--lang", "en"}, {}, "5, 40\n").err,
                 QString("File -, line 1: \"40\" is not a number from 0 to 36: no spins were "
                         "imported.\n"));

        // A list given newest first, into a game from its oldest spin.
        r = run({"import", "-", "--newest-first", "--db", "recenti.mdb"}, {}, "32\n17\n5\n");
        QCOMPARE(r.code, 0);
        QCOMPARE(run({"export", "--db", "recenti.mdb"}).out,
                 QString(kHeader) + "1, 5, 1,,,,\r\n2, 17, 2,,,,\r\n3, 32, 3,,,,\r\n");

        // The export's own format into another file, then out of it.
        writeFile("note.csv", QByteArray(kHeader) + "9, 7, 12,,,x,\"a, \"\"b\"\"\nc\"\r\n");
        r = run({"import", "note.csv", "--db", "altro.mdb"});
        QCOMPARE(r.out + r.err, QStringLiteral("1 uscita importata in altro.mdb.\n"));
        r = run({"export", "--db", "altro.mdb", "--out", "uscite.csv"});
        QCOMPARE(r.out + r.err, QStringLiteral("1 uscita esportata in uscite.csv.\n"));
        QCOMPARE(fileBytes("uscite.csv"),
                 QByteArray(kHeader) + "1, 7, 12,,,x,\"a, \"\"b\"\"\nc\"\r\n");

        // Standard output that cannot take the CSV, or the line after a file:
        // a failure, and no file left behind.
        for (const char* out : {"-", "mai.csv"}) {
            r = run({"export", "--db", "altro.mdb", "--out", out},
                    [](QProcess& p) { p.setStandardOutputFile("/dev/full"); });
            QCOMPARE(QString::number(r.code) + r.err,
                     QStringLiteral("1Impossibile scrivere sullo standard output: il disco è "
                                    "pieno.\n"));
        }
        QVERIFY(!QFile::exists(u"mai.csv"_qs));
    }

    void commandsRefuseAndWriteNothing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        const QByteArray h = kHeader;
        const QString none = ": nessuna uscita è stata importata.";
        QTest::newRow("number") << QStringList{"import", "f.txt"} << QByteArray("5\n17 37\n") << 1
                                << "File f.txt, riga 2: «37» non è un numero da 0 a 36" + none;
        QTest::newRow("unknown option") << QStringList{"export", "--formato", "x"} << QByteArray()
                                        << 2 << "Opzione sconosciuta: formato.";
        QTest::newRow("type of a table")
            << QStringList{"import", "f.csv", "--tipo", "Live"} << h + "1, 5, 1,,,," << 2
            << "--type vale solo per un elenco di numeri: il file "
               "f.csv ha le colonne di un'esportazione.";
        QTest::newRow("input a folder") << QStringList{"import", "."} << QByteArray() << 1
                                        << "Impossibile leggere il file .: è una cartella.";
        QTest::newRow("no folder for dati.mdb")
            << QStringList{"import", "f.txt", "--db", "no/x.mdb"} << QByteArray("5") << 3
            << "Il file %1 non si può creare (la cartella %2 non esiste)" + none;
        QTest::newRow("locked dati.mdb")
            << QStringList{"import", "f.txt"} << QByteArray("5") << 4
            << "Il file dati.mdb è bloccato da un altro programma" + none +
                   " Riprovare quando l'altro programma lo lascia.";
        // A table that does not keep the rows as read, or refuses them.
        const QString changes = "Nel file dati.mdb i trigger o i vincoli della tabella Uscite "
                                "cambiano le righe importate ";
        QTest::newRow("trigger drops a row")
            << QStringList{"import", "f.txt"} << QByteArray("5 17 5") << 1
            << changes + "(2 aggiunte invece di 3)" + none;
        QTest::newRow("trigger changes a row")
            << QStringList{"import", "f.txt"} << QByteArray("5 17 5") << 1
            << changes + "(la 2ª uscita non è registrata com'era nel file)" + none;
        QTest::newRow("trigger loads an extension")
            << QStringList{"import", "f.txt"} << QByteArray("5") << 1
            << "Nel file dati.mdb la struttura della tabella Uscite chiama load_extension(), che "
               "lì non è permessa: nessuna uscita è stata importata.";
        QTest::newRow("column not null")
            << QStringList{"import", "f.txt"} << QByteArray("5") << 1
            << "Nel file dati.mdb la colonna Cima della tabella Uscite non accetta righe senza "
               "valore: nessuna uscita è stata importata.";
        QTest::newRow("read-only dati.mdb") << QStringList{"import", "f.txt"} << QByteArray("5")
                                            << 3 << "Il file dati.mdb è in sola lettura" + none;
        QTest::newRow("unusable dati.mdb") << QStringList{"import", "f.txt"} << QByteArray("5") << 3
                                           << "Il file dati.mdb non è un database valido" + none;
        QTest::newRow("onto the database")
            << QStringList{"export", "--out", "dati.mdb"} << QByteArray() << 2
            << "--out non può essere il database dati.mdb.";
        QTest::newRow("no database name")
            << QStringList{"import", "f.txt", "--db", ""} << QByteArray("5") << 2
            << "--db vuole il nome di un file.";
        QTest::newRow("one value twice")
            << QStringList{"import", "f.txt", "--tipo", "Live", "--tipo", "Spin"}
            << QByteArray("5") << 2
            << "L'opzione --tipo è data più di una volta: vuole un valore solo.";
        QTest::newRow("folder") << QStringList{"export", "--out", "no/u.csv"} << QByteArray() << 1
                                << "Impossibile scrivere il file %1: la cartella %2 non esiste.";
    }

    void commandsRefuseAndWriteNothing()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, file);
        QFETCH(int, code);
        QFETCH(QString, message);
        recordThree();
        const QByteArray tag = QTest::currentDataTag();
        const std::map<QByteArray, QStringList> schema{
            {"trigger drops a row",
             {"CREATE TRIGGER t AFTER INSERT ON Uscite WHEN NEW.Numero = "
              "' 17' BEGIN DELETE FROM Uscite WHERE id = NEW.id; END"}},
            {"trigger changes a row",
             {"CREATE TRIGGER t AFTER INSERT ON Uscite WHEN NEW.Numero = ' 17' BEGIN "
              "UPDATE Uscite SET Numero = ' 36' WHERE id = NEW.id; END"}},
            {"trigger loads an extension",
             {"CREATE TRIGGER t AFTER INSERT ON Uscite BEGIN "
              "SELECT load_extension('x'); END"}},
            {"column not null",
             {"DROP TABLE Uscite", "CREATE TABLE Uscite (id INTEGER PRIMARY "
                                   "KEY, Numero, Memoria, Tipo, Cima NOT NULL, Memcima, Note)"}}};
        if (schema.count(tag))
            sql(schema.at(tag));
        if (tag == "unusable dati.mdb")
            writeFile("dati.mdb", "not a database");
        if (tag == "read-only dati.mdb")
            QFile::setPermissions(u"dati.mdb"_qs, QFile::ReadOwner);
        if (!file.isEmpty())
            writeFile(arguments[1], file);
        const QByteArray before = fileBytes();
        const QStringList listed = files();
        // Another program holding the file (after reading it here, whose end
        // would let the lock go).
        zt::StoreConnection locker;
        if (tag == "locked dati.mdb")
            QVERIFY(locker.open(nullptr) && QSqlQuery(locker.database()).exec("BEGIN EXCLUSIVE"));
        const Outcome r = run(arguments);
        locker.close();
        QCOMPARE(r.code, code);
        QVERIFY(r.out.isEmpty());
        if (message.contains(u"%1"))
            message = message.arg(dir_->file(tag == "folder" ? "no/u.csv" : "no/x.mdb"),
                                  dir_->file("no"));
        QCOMPARE(r.err.section(u'\n', 0, 0), message);
        QCOMPARE(r.err.contains(u"Uso: zentrima13"), code == 2);
        QCOMPARE(fileBytes(), before);
        QCOMPARE(files(), listed);
    }

    // A kill in the middle of an import leaves the table as it was.
    void killedImportStoresNothing()
    {
        recordThree();
        const QByteArray before = fileBytes();
        QByteArray list;
        for (int i = 0; i < 300000; ++i)
            list += QByteArray::number(i % 37) + '\n';
        writeFile("lista.txt", list);
        QProcess p;
        p.start(QStringLiteral(ZT_PROGRAM_PATH), {"import", "lista.txt"});
        QVERIFY(p.waitForStarted(10000));
        // Killed once the transaction has written rows into dati.mdb itself
        // (more than the engine's page cache holds).
        QElapsedTimer clock;
        clock.start();
        while (QFileInfo(u"dati.mdb"_qs).size() == before.size() && clock.elapsed() < 20000 &&
               p.state() == QProcess::Running)
            QThread::usleep(200);
        p.kill();
        QVERIFY(p.waitForFinished(10000));
        QVERIFY2(p.exitStatus() == QProcess::CrashExit, "the import ended before it was killed");
        QVERIFY(QFileInfo(u"dati.mdb"_qs).size() > before.size());
        // A reader that may not write the file says what is the matter; one
        // that may puts the file back as it was, and reads it.
        QFile::setPermissions(u"dati.mdb"_qs, QFile::ReadOwner);
        Outcome r = run({"verify", "--out", "-"});
        QCOMPARE(r.code, 3);
        QVERIFY2(r.err.startsWith("Il file dati.mdb ha una scrittura interrotta da annullare"),
                 qPrintable(r.err));
        QFile::setPermissions(u"dati.mdb"_qs, QFile::ReadOwner | QFile::WriteOwner);
        r = run({"verify", "--out", "-"});
        QVERIFY(r.code == 0 && r.out.contains("Boules:3"));
        QCOMPARE(fileBytes(), before);
        QVERIFY(!QFile::exists(u"dati.mdb-journal"_qs));
    }

    void viewerExportsTheListAndImportsIntoIt()
    {

        ZT_ITALIAN_WORDS();
        recordThree();
        zt::ViewerWindow* viewer = zt::shared<zt::ViewerWindow>();
        viewer->show();
        auto* grid = zt::control<QTableView>(viewer, "DataGrid1");
        auto* type = zt::control<QComboBox>(viewer, "Combo7");
        Q_EMIT type->activated(1); // "Live"
        QCOMPARE(grid->model()->rowCount(), 1);

        // Ctrl+E from the list and from the note box: the rows listed.
        pressAndChoose(grid, Qt::Key_E, dir_->file("live.csv"));
        QCOMPARE(zt::takeMessage(viewer),
                 QStringLiteral("1 uscita esportata in %1.").arg(dir_->file("live.csv")));
        QCOMPARE(fileBytes("live.csv"), QByteArray(kHeader) + "1, 5, 1,1,,,\r\n");
        pressAndChoose(zt::control<QLineEdit>(viewer, "Text20"), Qt::Key_E, dir_->file("b.csv"));
        QCOMPARE(fileBytes("b.csv"), fileBytes("live.csv"));
        zt::takeMessage(viewer);

        // Ctrl+I: a list gets the type listed, and shows at once, in the
        // statistics too (loaded, not shown).
        auto* statistics = static_cast<zt::StatisticsWindow*>(
            zt::test::links().window(zt::Links::Window::Statistics));
        QTRY_COMPARE(statistics->numbers().spins, 3);
        writeFile("lista.txt", "8 9\n");
        pressAndChoose(grid, Qt::Key_I, dir_->file("lista.txt"));
        QCOMPARE(zt::takeMessage(viewer),
                 QStringLiteral("2 uscite importate da %1.").arg(dir_->file("lista.txt")));
        QCOMPARE(grid->model()->rowCount(), 3);
        QCOMPARE(sql("SELECT Tipo FROM Uscite WHERE id > 3"), QVariantList({1, 1}));

        // A bad file: its fault, its name shown whole (a "<" in it is no
        // markup), and nothing stored.
        writeFile("<b>male.txt", "8\n9 x\n");
        const QByteArray before = fileBytes();
        pressAndChoose(grid, Qt::Key_I, dir_->file("<b>male.txt"));
        QCOMPARE(zt::takeMessage(viewer),
                 QStringLiteral("File %1, riga 2: «x» non è un numero da 0 a 36: nessuna uscita è "
                                "stata importata.")
                     .arg(dir_->file("<b>male.txt")));
        QCOMPARE(fileBytes(), before);
        QCOMPARE(grid->model()->rowCount(), 3);
        QTRY_COMPARE(statistics->numbers().spins, 5);

        // Under "Spin" a list gets Tipo 2.
        Q_EMIT type->activated(2);
        pressAndChoose(grid, Qt::Key_I, dir_->file("lista.txt"));
        QCOMPARE(zt::takeMessage(viewer),
                 QStringLiteral("2 uscite importate da %1.").arg(dir_->file("lista.txt")));
        QCOMPARE(grid->model()->rowCount(), 3);
        QCOMPARE(sql("SELECT Tipo FROM Uscite WHERE id > 5"), QVariantList({2, 2}));
        delete statistics;
    }
};

ZT_WINDOWS_TEST_MAIN(CsvTransferTest)
#include "tst_csvtransfer.moc"
