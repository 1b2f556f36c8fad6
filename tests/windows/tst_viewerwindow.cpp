#include "storetesting.h"
#include "windowsupport.h"
#include "ui/linesbox.h"
#include "windows/boardwindow.h"
#include "store/spinrecorder.h"
#include "windows/settingswindow.h"
#include "testsupport.h"
#include "windows/noteswindow.h"
#include "core/report.h"
#include "core/tally.h"
#include "windows/viewerwindow.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

using zt::control;

namespace {

template <class T> T* boardControl(const char* name)
{
    return control<T>(zt::shared<zt::BoardWindow>(), QLatin1String(name));
}

// Rows with ids 1, 2, ...: number, game type and position in the game.
void recordRows(const QList<std::tuple<const char*, const char*, const char*>>& rows)
{
    zt::SpinRecorder recorder;
    for (const auto& [numero, tipo, memoria] : rows)
        QVERIFY(recorder.record(numero, tipo, memoria));
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
    zt::TextBox box(const char* name) { return zt::textBox(viewer(), QLatin1String(name)); }
    QCheckBox* check(const char* name) { return control<QCheckBox>(viewer(), QLatin1String(name)); }
    void click(const char* name) { control<QPushButton>(viewer(), QLatin1String(name))->click(); }
    // The texts of the viewer's boxes, joined by '|'.
    QString texts(std::initializer_list<const char*> names)
    {
        QStringList out;
        for (const char* name : names)
            out << box(name)->text();
        return out.join(u'|');
    }
    QByteArray report() { return zt::test::fileBytes(zt::reportFileName); }
    void unloadAll()
    {
        delete zt::loaded<zt::ViewerWindow>();
        delete zt::loaded<zt::NotesWindow>();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QDesktopServices::setUrlHandler("file", this, "openUrl");
        // The board's own handlers answer "ok"; the test writes down what came.
        connect(boardControl<zt::HiddenBox>("CM_pulsante"), &zt::HiddenBox::textChanged, this,
                [this](const QString& text) {
                    if (text != u"ok")
                        sent << text;
                });
        connect(boardControl<zt::HiddenBox>("CM_Azzera"), &zt::HiddenBox::textChanged, this,
                [this](const QString& text) { resets += text == u"1"; });
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
        QCOMPARE(viewer()->size(), QSize(777, 432));
        QCOMPARE(control<QTableView>(viewer(), "DataGrid1")->geometry(), QRect(8, 24, 329, 401));
        QCOMPARE(texts({"Text13", "Text6", "Text8", "Text9", "Text3", "Text15", "Text16"}),
                 QString("0|0|0|0|0|0|0"));
        // The layouts are fixed, and so are the windows' sizes.
        for (QWidget* w : {static_cast<QWidget*>(viewer()),
                           static_cast<QWidget*>(zt::shared<zt::NotesWindow>())}) {
            const QSize designed = w->size();
            w->resize(designed / 2);
            QCOMPARE(w->size(), designed);
        }
        // Opened, the keyboard is on the list, where it edits nothing.
        viewer()->show();
        viewer()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(viewer()));
        QCOMPARE(QApplication::focusWidget(), control<QTableView>(viewer(), "DataGrid1"));
        QCOMPARE(control<QComboBox>(viewer(), "Combo7")->currentText(), QString("Scegli"));
    }

    // The engine's reports reach the panel and the tally while the viewer is
    // loaded; the tally outlives the window, and the report shows both.
    void reportsTallyAndReport()
    {
        click("Command5");
        QVERIFY(zt::test::links().loadedViewer());
        zt::StringsReportTarget* target = &zt::test::links().loadedViewer()->reportTarget();
        QVERIFY(!target->reportsEnabled());
        check("Check6")->setChecked(true);
        QVERIFY(target->reportsEnabled());
        target->appendDetail(" 4, ");
        for (const char* post : {" 4", " 4", "F"})
            target->post(post);
        target->addVerified();
        target->addCancelledBeforeHit();
        target->addCancelledAfterHit();
        QCOMPARE(zt::test::links().session().tally.entry(4), 2);
        QCOMPARE(zt::test::links().session().tally.entry(0), 1);
        QCOMPARE(texts({"Text16", "Text15", "Text3"}), QString("1|1|1"));

        closeAndUnload(viewer());
        QVERIFY(!zt::test::links().loadedViewer());

        // Reopened: fresh panel, the earlier tally.
        QCOMPARE(box("Text16")->text(), QString("0"));
        check("Check6")->setChecked(true);
        box("Text6")->setText("3");
        click("Command13");
        QByteArray bytes = report();
        QVERIFY(bytes.contains("Uscite al: 4\xB0 colpo n\xB0: 2\r\n"));
        QVERIFY(bytes.contains("Fallite: 1\r\n"));

        // "Azzera" clears panel and tally and resets the board's strings.
        box("Text13")->setText("7");
        click("Command5");
        QCOMPARE(resets, 2);
        QCOMPARE(texts({"Text13", "Text6"}), QString("0|3"));
        click("Command13");
        bytes = report();
        QVERIFY(!bytes.contains("n\xB0: 2"));
        QVERIFY(
            bytes.endsWith("Fallite: 0\r\n\r\n\r\nTotale:0\r\n\r\n\r\ndettaglio colpi:\r\n\r\n"));
    }

    // After "SALVA": how many characters went into the report as "?", with the
    // editor opened; or, with nothing written, why not.
    void reportMessages()
    {
        zt::test::FreshDir dir;
        control<zt::LinesBox>(viewer(), "Text19")->setText(QStringLiteral("Ω 日本 ü€°"));
        click("Command13");
        QCOMPARE(opened.size(), 1);
        QVERIFY(messageOf(viewer()).endsWith("; 3 caratteri che la codifica Windows-1252 non può "
                                             "contenere sono stati scritti come \"?\"."));

        opened.clear();
        QVERIFY(QFile::remove("Statistica.txt") && QDir(dir.path()).mkdir("Statistica.txt"));
        click("Command13");
        QVERIFY(opened.isEmpty());
        const QString message = messageOf(viewer());
        QVERIFY2(message.startsWith("Impossibile scrivere il rapporto ") &&
                     message.endsWith("Statistica.txt: esiste già una cartella con questo nome."),
                 qPrintable(message));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"dati.mdb"});
    }

    void proposalCheckOnSending()
    {
        auto* note = boardControl<zt::LinesBox>("note_0");
        auto* recording = boardControl<QCheckBox>("Check8");
        check("Check4")->setChecked(true);

        // An empty random box still checks, against 0, and sends nothing.
        note->setText("32, 0, 15,");
        recording->setChecked(true);
        click("Command8");
        QVERIFY(!recording->isChecked());
        QVERIFY(sent.isEmpty());
        QCOMPARE(texts({"Text16", "Text8", "Text9"}), QString("1|1|3"));
        QVERIFY(note->toPlainText().isEmpty()); // "Controlla 1° colpo" is ticked

        note->setText("5, 12, 5,");
        box("Text10")->setText("5");
        click("Command8");
        QCOMPARE(sent, QStringList{"5"});
        QCOMPARE(texts({"Text16", "Text8", "Text9"}), QString("2|3|6"));

        // "G+I" draws and sends; without a proposal there is no check.
        note->clear();
        click("Command9");
        const int drawn = box("Text10")->text().toInt();
        QVERIFY(drawn >= 1 && drawn <= 36);
        QCOMPARE(sent, (QStringList{"5", box("Text10")->text()}));
        QCOMPARE(box("Text16")->text(), QString("2"));
    }

    void goAndStop()
    {
        zt::test::writeFile("numero.txt", {});
        auto* timer = boardControl<QTimer>("Timer2");
        boardControl<QCheckBox>("Check8")->setChecked(true);
        for (const char* count : {"0", "5x"}) {
            timer->start(200);
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

    // The windows the viewer opens: the notes window, and the settings it shows or hides.
    void notesAndSettingsWindows()
    {
        QWidget* settings = zt::shared<zt::SettingsWindow>();
        click("Command12");
        QVERIFY(settings->isVisible());
        click("Command12");
        QVERIFY(!settings->isVisible());

        viewer()->show();
        click("Command11");
        QPointer<zt::NotesWindow> notes = zt::loaded<zt::NotesWindow>();
        QVERIFY(notes && notes->isVisible());

        // "Conferma" hands the chosen row to the viewer and hides itself.
        control<zt::HiddenBox>(notes, "Text7")->setText("12");
        control<QPushButton>(notes, "Command3")->click();
        QVERIFY(!notes->isVisible());
        QCOMPARE(texts({"Text21", "Text5"}), QString("12|ok"));

        // Hidden by "Esci", the same window comes back.
        click("Command11");
        control<QPushButton>(notes, "Command1")->click();
        QVERIFY(!notes->isVisible());
        click("Command11");
        QCOMPARE(zt::loaded<zt::NotesWindow>(), notes.data());

        // With no viewer loaded "Conferma" does nothing.
        closeAndUnload(viewer());
        control<zt::HiddenBox>(notes, "Text7")->setText("3");
        control<QPushButton>(notes, "Command3")->click();
        QVERIFY(!zt::loaded<zt::ViewerWindow>());
    }

    void browsingTheRows()
    {
        zt::test::FreshDir dir;
        recordRows(
            {{" 10", "1", " 1"}, {" 11", "2", " 2"}, {" 12", "1", " 3"}, {" 13", "2", " 4"}});
        QCOMPARE(texts({"Text7", "Text1"}), QString("1| 10"));
        auto* grid = control<QTableView>(viewer(), "DataGrid1");
        QCOMPARE(grid->model()->rowCount(), 4);
        QCOMPARE(grid->model()->columnCount(), 6);

        // The type filter takes picks from its list only: the arrow keys on
        // the closed box and a click in the drop-down list, not typed text.
        auto* type = control<QComboBox>(viewer(), "Combo7");
        const auto listed = [&] {
            return QString::number(grid->model()->rowCount()) + box("Text7")->text();
        };
        type->lineEdit()->selectAll();
        QTest::keyClicks(type, "Spin");
        QTest::keyClick(type, Qt::Key_Return);
        QCOMPARE(type->currentText() + listed(), QString("Spin41"));
        for (const char* shown : {"41", "21", "22"}) { // ".", "Live", "Spin"
            QTest::keyClick(type, Qt::Key_Down);
            QCOMPARE(listed(), QString(shown));
        }
        viewer()->show();
        type->showPopup();
        QAbstractItemView* list = type->view();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(0, 0)).center());
        QCOMPARE(type->currentText() + listed(), QString(".41"));

        // Find by number, from the notes window's mailbox too.
        box("Text21")->setText("3");
        click("Command10");
        QCOMPARE(box("Text1")->text(), QString(" 12"));
        box("Text21")->setText("2.5");
        click("Command10");
        QVERIFY(box("Text7")->text().isEmpty());
        box("Text5")->setText("4");
        QCOMPARE(texts({"Text21", "Text7", "Text5"}), QString("4|4|ok"));

        // A confirmed note is stored; the notes window made afterwards lists it.
        box("Text20")->setText("serata buona");
        click("Command3");
        click("Command11");
        auto* notes = zt::loaded<zt::NotesWindow>();
        QCOMPARE(control<zt::HiddenBox>(notes, "Text7")->text(), QString("4"));
        box("Text21")->setText("1");
        click("Command10");
        control<QPushButton>(notes, "Command3")->click();
        QCOMPARE(texts({"Text7", "Text20"}), QString("4|serata buona"));

        click("Command2");
        QCOMPARE(grid->model()->rowCount(), 3);
        QVERIFY(box("Text7")->text() != "4");
        closeAndUnload(viewer());
        QCOMPARE(control<QTableView>(viewer(), "DataGrid1")->model()->rowCount(), 3);
    }

    // "Conferma" stores a note whole: a long one, and one with line breaks and
    // tabs written by another tool, left as it is or typed anew.
    void confirmedNotesStayWhole()
    {
        zt::test::FreshDir dir;
        recordRows({{" 10", "1", " 1"}});
        const QString stored("'a' || char(13, 10, 9) || hex(zeroblob(20000)) || char(13)");
        zt::test::sql("UPDATE Uscite SET Note = " + stored);
        const QString typed = QString(40000, u'n') + "\tfine";
        for (const QString& note : {QString(), typed}) {
            if (!note.isEmpty())
                box("Text20")->setText(note);
            click("Command3");
            const QString expected =
                note.isEmpty() ? zt::test::sql("SELECT " + stored)[0].toString() : note;
            QCOMPARE(zt::test::sql("SELECT Note FROM Uscite")[0].toString(), expected);
        }
    }

    void replayingTheRows()
    {
        zt::test::FreshDir dir;
        recordRows({{" 10", "", " 1"}, {" 11", "", " 2"}, {" 12", "", " 1"}, {" 13", "", " 2"}});
        auto* highlight = control<QCheckBox>(zt::shared<zt::SettingsWindow>(), "Check20");
        highlight->setChecked(true);

        // A game's first row resets the board before its number goes out;
        // "Ritorno Aut." steps back to where the run began.
        box("Text6")->setText("3");
        click("Command6");
        QCOMPARE(sent, (QStringList{" 10", " 11", " 12"}));
        QCOMPARE(resets, 2);
        QCOMPARE(texts({"Text13", "Text7"}), QString("3|1"));
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

        // Past the last row "SPIN" sends nothing and counts nothing, and
        // "Cancella" and "Conferma" have no row to act on.
        click("Command4");
        QVERIFY(box("Text1")->text().isEmpty());
        click("Command4");
        QCOMPARE(sent.size(), 7);
        QCOMPARE(box("Text13")->text(), QString("7"));
        for (const char* button : {"Command2", "Command3"}) {
            click(button);
            QVERIFY(messageOf(viewer()).contains("Nessuna riga selezionata"));
        }
        QCOMPARE(zt::test::sql("SELECT count(*) FROM Uscite"), QVariantList{4});
    }

    // However a "GO" run ends, every window shown draws the state it left at
    // once (on the board: the last number, the history, the recording switch
    // cleared), and none is left with its drawing held.
    void goEndsWithTheShownWindowsDrawn_data()
    {
        QTest::addColumn<QString>("ending");
        for (const char* ending : {"all rows", "STOP", "count 5x", "viewer closed"})
            QTest::newRow(ending) << QString(ending);
    }
    void goEndsWithTheShownWindowsDrawn()
    {
        QFETCH(QString, ending);
        zt::test::FreshDir dir;
        recordRows(QList<std::tuple<const char*, const char*, const char*>>(30, {" 7", "", " 2"}));
        QWidget* board = zt::shared<zt::BoardWindow>();
        board->show();
        viewer()->show();
        QVERIFY(QTest::qWaitForWindowExposed(board) && QTest::qWaitForWindowExposed(viewer()));
        box("Text6")->setText(ending == "count 5x" ? "5x" : "30");
        if (ending == "STOP")
            click("Command14");
        if (ending == "viewer closed")
            QTimer::singleShot(0, viewer(), &QWidget::close);
        click("Command6");

        struct Painted : QObject {
            QSet<QObject*> controls;
            bool eventFilter(QObject* o, QEvent* e) override
            {
                if (e->type() == QEvent::Paint)
                    controls.insert(o);
                return false;
            }
        } painted;
        QWidgetList due; // the controls shown directly in a window shown
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->isVisible())
                continue;
            QVERIFY(w->updatesEnabled());
            for (QWidget* c : w->findChildren<QWidget*>()) {
                QVERIFY2(c->updatesEnabled(), qPrintable(c->objectName()));
                c->installEventFilter(&painted);
                if (c->parentWidget() == w && c->isVisible())
                    due << c;
            }
        }
        QVERIFY(due.contains(control<QWidget>(board, "Frame22")));
        QTRY_VERIFY(std::all_of(due.cbegin(), due.cend(),
                                [&](QWidget* c) { return painted.controls.contains(c); }));
    }
};

ZT_WINDOWS_TEST_MAIN(ViewerWindowTest)
#include "tst_viewerwindow.moc"
