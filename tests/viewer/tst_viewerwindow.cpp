#include "app/controls.h"
#include "board/boardwindow.h"
#include "store/spinrecorder.h"
#include "strings/reportseam.h"
#include "strings/settingswindow.h"
#include "testsupport.h"
#include "viewer/noteswindow.h"
#include "viewer/report.h"
#include "viewer/tally.h"
#include "viewer/viewerwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

using zt::control;

namespace {

// A control of the main board; made here when the board does not have it yet.
template <class T> T* boardControl(const char* name)
{
    QWidget* board = zt::shared<zt::BoardWindow>();
    T* c = board->findChild<T*>(QLatin1String(name));
    if (!c) {
        c = new T(board);
        c->setObjectName(QLatin1String(name));
    }
    return c;
}

// Rows with ids 1, 2, ...: number, game type and position in the game.
void recordRows(const QList<std::tuple<const char*, const char*, const char*>>& rows)
{
    zt::SpinRecorder recorder;
    for (const auto& [numero, tipo, memoria] : rows)
        QVERIFY(recorder.record(numero, tipo, memoria));
}

void unloadAll()
{
    delete zt::loaded<zt::ViewerWindow>();
    delete zt::loaded<zt::NotesWindow>();
}

void closeAndUnload(QWidget* window)
{
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString messageOf(QWidget* window)
{
    const auto boxes = window->findChildren<QMessageBox*>();
    const QString text = boxes.isEmpty() ? QString() : boxes.last()->text();
    qDeleteAll(boxes);
    return text;
}

} // namespace

class ViewerWindowTest : public QObject {
    Q_OBJECT
public Q_SLOTS:
    void openUrl(const QUrl& url) { opened << url; }

private:
    QList<QUrl> opened;
    QStringList sent; // texts written into the board's spin bridge
    int resets = 0;   // requests written into the board's reset bridge

    zt::ViewerWindow* viewer() { return zt::shared<zt::ViewerWindow>(); }
    QLineEdit* box(const char* name) { return control<QLineEdit>(viewer(), QLatin1String(name)); }
    QCheckBox* check(const char* name) { return control<QCheckBox>(viewer(), QLatin1String(name)); }
    void click(const char* name) { control<QPushButton>(viewer(), QLatin1String(name))->click(); }
    QByteArray report()
    {
        QFile f(zt::reportFileName);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QDesktopServices::setUrlHandler("file", this, "openUrl");
        // The bridges answer "ok" inside the write (when the board has not already).
        auto* spinBridge = boardControl<QLineEdit>("CM_pulsante");
        connect(spinBridge, &QLineEdit::textChanged, this, [this, spinBridge](const QString& text) {
            if (text != u"ok") {
                sent << text;
                spinBridge->setText("ok");
            }
        });
        auto* resetBridge = boardControl<QLineEdit>("CM_Azzera");
        connect(resetBridge, &QLineEdit::textChanged, this,
                [this, resetBridge](const QString& text) {
                    if (text != u"ok") {
                        resets += text == u"1";
                        resetBridge->setText("ok");
                    }
                });
        boardControl<QPlainTextEdit>("note_0");
        boardControl<QCheckBox>("Check8");
        boardControl<QTimer>("Timer2");
    }
    void init()
    {
        unloadAll();
        opened.clear();
        sent.clear();
        resets = 0;
    }
    void cleanupTestCase()
    {
        unloadAll();
        QDesktopServices::unsetUrlHandler("file");
    }

    void layoutAndInitialTexts()
    {
        zt::ViewerWindow* v = viewer();
        QCOMPARE(v->size(), QSize(777, 432));
        QCOMPARE(v->palette().color(QPalette::Window), QColor(128, 64, 0));
        QCOMPARE(control<QWidget>(v, "Frame2")->geometry(), QRect(520, 24, 241, 185));
        QCOMPARE(control<QTableView>(v, "DataGrid1")->geometry(), QRect(8, 24, 329, 401));
        QCOMPARE(box("Text1")->palette().color(QPalette::Text), QColor(192, 0, 0));
        QCOMPARE(box("Text3")->palette().color(QPalette::Base), QColor(255, 255, 192));
        QCOMPARE(control<QComboBox>(v, "Combo7")->currentText(), QString("Scegli"));

        QVERIFY(check("Check8")->isChecked() && check("Check1")->isChecked());
        QVERIFY(!check("Check4")->isChecked() && !check("Check6")->isChecked());
        for (const char* name : {"Text13", "Text6", "Text8", "Text9", "Text3", "Text15", "Text16"})
            QCOMPARE(box(name)->text(), QString("0"));
        QVERIFY(box("Text21")->text().isEmpty() && box("Text10")->text().isEmpty());
        QVERIFY(box("Text16")->isReadOnly() && !box("Text6")->isReadOnly());
    }

    // The engine's reports reach the panel and the tally while the viewer is
    // loaded; the tally outlives the window, and the report shows both.
    void reportsTallyAndReport()
    {
        click("Command5");
        QCOMPARE(zt::stringsReportTarget(), viewer());
        zt::StringsReportTarget* target = zt::stringsReportTarget();
        QVERIFY(!target->reportsEnabled());
        check("Check6")->setChecked(true);
        QVERIFY(target->reportsEnabled());
        target->appendDetail(" 4, ");
        target->post(" 4");
        target->post(" 4");
        target->post("F");
        target->addVerified();
        target->addCancelledBeforeHit();
        target->addCancelledAfterHit();
        QCOMPARE(zt::conteggioColpi().entry(4), 2);
        QCOMPARE(zt::conteggioColpi().entry(0), 1);
        QCOMPARE(box("Text16")->text(), QString("1"));
        QCOMPARE(box("Text3")->text(), QString("1"));

        closeAndUnload(viewer());
        QVERIFY(!zt::loaded<zt::ViewerWindow>());
        QVERIFY(!zt::stringsReportTarget());

        // Reopened: fresh panel, the earlier tally.
        QCOMPARE(box("Text16")->text(), QString("0"));
        check("Check6")->setChecked(true);
        box("Text6")->setText("3");
        click("Command13");
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened[0].toLocalFile(), QDir::current().absoluteFilePath("Statistica.txt"));
        QByteArray bytes = report();
        QVERIFY(bytes.startsWith("Orba\r\n\r\nBoules:0\r\n"));
        QVERIFY(bytes.contains("Uscite al: 4\xB0 colpo n\xB0: 2\r\n"));
        QVERIFY(bytes.contains("Fallite: 1\r\n"));
        QCOMPARE(bytes.count("Uscite al:"), 10);

        // "Azzera" clears panel and tally and resets the board's strings.
        box("Text13")->setText("7");
        click("Command5");
        QCOMPARE(resets, 2);
        QCOMPARE(box("Text13")->text(), QString("0"));
        QCOMPARE(box("Text6")->text(), QString("3"));
        click("Command13");
        bytes = report();
        QVERIFY(!bytes.contains("n\xB0: 2"));
        QVERIFY(bytes.contains("Fallite: 0\r\n"));
        QVERIFY(bytes.endsWith("Totale:0\r\n\r\n\r\ndettaglio colpi:\r\n\r\n"));
    }

    void reportThatCannotBeWritten()
    {
        zt::test::FreshDir dir;
        QVERIFY(QDir(dir.path()).mkdir("Statistica.txt"));
        click("Command13");
        QVERIFY(opened.isEmpty());
        QVERIFY(messageOf(viewer()).startsWith("Impossibile scrivere il rapporto"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"dati.mdb"});
    }

    void proposalCheckOnSending()
    {
        auto* note = boardControl<QPlainTextEdit>("note_0");
        auto* recording = boardControl<QCheckBox>("Check8");
        check("Check4")->setChecked(true);

        // An empty random box still checks, against 0, and sends nothing.
        note->setPlainText("32, 0, 15,");
        recording->setChecked(true);
        click("Command8");
        QVERIFY(!recording->isChecked());
        QVERIFY(sent.isEmpty());
        QCOMPARE(box("Text16")->text(), QString("1"));
        QCOMPARE(box("Text8")->text(), QString("1"));
        QCOMPARE(box("Text9")->text(), QString("3"));
        QVERIFY(note->toPlainText().isEmpty()); // "Controlla 1° colpo" is ticked

        note->setPlainText("5, 12, 5,");
        box("Text10")->setText("5");
        click("Command8");
        QCOMPARE(sent, QStringList{"5"});
        QCOMPARE(box("Text16")->text(), QString("2"));
        QCOMPARE(box("Text8")->text(), QString("3"));
        QCOMPARE(box("Text9")->text(), QString("6"));

        // Without a proposal there is no check.
        note->clear();
        click("Command9");
        QCOMPARE(sent.size(), 2);
        const int drawn = box("Text10")->text().toInt();
        QVERIFY(drawn >= 1 && drawn <= 36);
        QCOMPARE(sent[1], box("Text10")->text());
        QCOMPARE(box("Text16")->text(), QString("2"));
    }

    void goAndStop()
    {
        QFile exchange("numero.txt");
        QVERIFY(exchange.open(QIODevice::WriteOnly));
        exchange.close();
        auto* timer = boardControl<QTimer>("Timer2");
        timer->start(200);
        boardControl<QCheckBox>("Check8")->setChecked(true);
        for (const char* count : {"0", "5x"}) {
            box("Text6")->setText(count);
            click("Command6");
            QVERIFY(!timer->isActive());
            QVERIFY(!boardControl<QCheckBox>("Check8")->isChecked());
            QVERIFY(!QFile::exists("numero.txt"));
            QVERIFY(sent.isEmpty());
        }
        click("Command14");
        QVERIFY(check("Check5")->isChecked());

        // "Esci" enables the exchange-file timer again and unloads the viewer.
        click("Command1");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(timer->isActive());
        QVERIFY(!zt::loaded<zt::ViewerWindow>());
        timer->stop();
    }

    void deleteAndConfirmWithoutRow()
    {
        box("Text13")->setText("0");
        click("Command2");
        QVERIFY(messageOf(viewer()).contains("Nessuna riga selezionata"));
        click("Command3");
        QVERIFY(messageOf(viewer()).contains("Nessuna riga selezionata"));
        QCOMPARE(box("Text13")->text(), QString("0"));
    }

    void notesWindowLifetime()
    {
        viewer()->show();
        click("Command11");
        QPointer<zt::NotesWindow> notes = zt::loaded<zt::NotesWindow>();
        QVERIFY(notes && notes->isVisible());
        QCOMPARE(notes->size(), QSize(534, 375));

        // "Conferma" hands the chosen row to the viewer and hides itself.
        control<QLineEdit>(notes, "Text7")->setText("12");
        control<QPushButton>(notes, "Command3")->click();
        QVERIFY(!notes->isVisible());
        QCOMPARE(box("Text21")->text(), QString("12"));
        QCOMPARE(box("Text5")->text(), QString("ok"));

        // Hidden by its buttons, the same window comes back ...
        click("Command11");
        control<QPushButton>(notes, "Command1")->click();
        QVERIFY(!notes->isVisible());
        click("Command11");
        QCOMPARE(zt::loaded<zt::NotesWindow>(), notes.data());
        // ... closed by its close box, a new one is made.
        closeAndUnload(notes);
        QVERIFY(!notes);
        click("Command11");
        QVERIFY(zt::loaded<zt::NotesWindow>());

        // With no viewer loaded "Conferma" does nothing.
        closeAndUnload(viewer());
        notes = zt::loaded<zt::NotesWindow>();
        control<QLineEdit>(notes, "Text7")->setText("3");
        control<QPushButton>(notes, "Command3")->click();
        QVERIFY(!zt::loaded<zt::ViewerWindow>());
    }

    void browsingTheRows()
    {
        zt::test::FreshDir dir;
        recordRows(
            {{" 10", "1", " 1"}, {" 11", "2", " 2"}, {" 12", "1", " 3"}, {" 13", "2", " 4"}});
        QCOMPARE(box("Text7")->text(), QString("1"));
        QCOMPARE(box("Text1")->text(), QString(" 10"));
        auto* grid = control<QTableView>(viewer(), "DataGrid1");
        QCOMPARE(grid->model()->rowCount(), 4);
        QCOMPARE(grid->model()->columnCount(), 6);

        auto* type = control<QComboBox>(viewer(), "Combo7");
        const auto choose = [type](int item) {
            type->setCurrentIndex(item);
            Q_EMIT type->activated(item);
        };
        choose(2); // "Spin"
        QCOMPARE(grid->model()->rowCount(), 2);
        QCOMPARE(box("Text7")->text(), QString("2"));
        choose(0); // "."
        QCOMPARE(grid->model()->rowCount(), 4);
        QCOMPARE(box("Text7")->text(), QString("1"));

        // Find by number, from the notes window's mailbox too.
        box("Text21")->setText("3");
        click("Command10");
        QCOMPARE(box("Text1")->text(), QString(" 12"));
        box("Text21")->setText("2.5");
        click("Command10");
        QVERIFY(box("Text7")->text().isEmpty());
        box("Text5")->setText("4");
        QCOMPARE(box("Text21")->text(), QString("4"));
        QCOMPARE(box("Text7")->text(), QString("4"));
        QCOMPARE(box("Text5")->text(), QString("ok"));

        // A confirmed note is stored; the notes window made afterwards lists it.
        box("Text20")->setText("serata buona");
        click("Command3");
        click("Command11");
        auto* notes = zt::loaded<zt::NotesWindow>();
        QCOMPARE(control<QLineEdit>(notes, "Text7")->text(), QString("4"));
        box("Text21")->setText("1");
        click("Command10");
        control<QPushButton>(notes, "Command3")->click();
        QCOMPARE(box("Text7")->text(), QString("4"));
        QCOMPARE(box("Text20")->text(), QString("serata buona"));

        click("Command2");
        QCOMPARE(grid->model()->rowCount(), 3);
        QVERIFY(box("Text7")->text() != "4");
        closeAndUnload(viewer());
        QCOMPARE(control<QTableView>(viewer(), "DataGrid1")->model()->rowCount(), 3);
    }

    void replayingTheRows()
    {
        zt::test::FreshDir dir;
        recordRows({{" 10", "", " 1"}, {" 11", "", " 2"}, {" 12", "", " 1"}, {" 13", "", " 2"}});
        auto* highlight = control<QCheckBox>(zt::shared<zt::SettingsWindow>(), "Check20");
        highlight->setChecked(true);

        // A game's first row resets the board before its number goes out.
        box("Text6")->setText("3");
        click("Command6");
        QCOMPARE(sent, (QStringList{" 10", " 11", " 12"}));
        QCOMPARE(resets, 2);
        QCOMPARE(box("Text13")->text(), QString("3"));
        QCOMPARE(box("Text7")->text(), QString("1")); // back where the run began
        QVERIFY(highlight->isChecked());

        check("Check1")->setChecked(false);
        check("Check8")->setChecked(false);
        click("Command6");
        QCOMPARE(resets, 2);
        QCOMPARE(box("Text7")->text(), QString("4"));

        // "STOP" ends the next run after its first row, highlighting left off.
        click("Command14");
        click("Command6");
        QCOMPARE(sent.size(), 7);
        QVERIFY(!check("Check5")->isChecked());
        QVERIFY(!highlight->isChecked());
        highlight->setChecked(true);

        // Past the last row "SPIN" sends nothing and counts nothing.
        click("Command4");
        QVERIFY(box("Text1")->text().isEmpty());
        click("Command4");
        QCOMPARE(sent.size(), 7);
        QCOMPARE(box("Text13")->text(), QString("7"));
    }

    void settingsToggle()
    {
        QWidget* settings = zt::shared<zt::SettingsWindow>();
        settings->hide();
        click("Command12");
        QVERIFY(settings->isVisible());
        click("Command12");
        QVERIFY(!settings->isVisible());
    }
};

ZT_TEST_MAIN(ViewerWindowTest)
#include "tst_viewerwindow.moc"
