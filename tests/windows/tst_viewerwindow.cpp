// The outcome viewer with the board, the settings and the notes window: an
// evening recorded on the board, replayed with "GO" and reported, held to a
// replay on a board without a window; and the viewer's own controls.

#include "core/plainboard.h"
#include "core/report.h"
#include "core/tally.h"
#include "reportrecorder.h"
#include "storetesting.h"
#include "windowsupport.h"
#include "ui/linesbox.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>

#include <random>

using zt::control;

namespace {

// The results panel (Text16, Text8, Text9, Text13, Text15, Text3), the detail
// and the report after `rows` rows of the games replayed run after run as
// "GO" does (a game's first row resets the board): the first run reporting the
// strings, the later ones checking each proposal as well.
struct Replayed {
    QString panel, detail;
    QByteArray report;
};
Replayed replay(const QList<QList<int>>& games, int rows)
{
    zt::test::ReportRecorder reports;
    int verified = 0, hits = 0, numbers = 0;
    for (int run = 0, left = rows; left > 0; ++run) {
        zt::PlainBoard b;
        b.reportTarget = &reports;
        b.zentrima = b.strings.checkSecond = true;
        for (const auto& game : games) {
            for (qsizetype i = 0; i < game.size() && left-- > 0; ++i) {
                if (i == 0)
                    b.requestReset();
                if (run > 0 && !b.row.note.isEmpty()) {
                    const zt::ProposalCheck c = zt::checkProposal(b.row.note, game[i]);
                    verified++, hits += c.hits, numbers += c.numbers;
                    b.row.note.clear(); // "Controlla 1° colpo" is ticked
                }
                b.spin(game[i]);
            }
        }
    }
    Replayed r;
    zt::ConteggioColpi tally;
    for (const QString& call : reports.calls) {
        verified += call == u"Text16";
        if (call.startsWith(u"detail:"))
            r.detail += call.mid(7);
        if (call.startsWith(u"post:"))
            tally.post(call.mid(5));
    }
    r.panel = QString::asprintf("%d|%d|%d|%d|%lld|%lld", verified, hits, numbers, rows,
                                reports.calls.count("Text15"), reports.calls.count("Text3"));
    const zt::ReportInputs in{"68", QString::number(rows),     true,
                              "10", QString::number(verified), r.detail};
    r.report = zt::reportBytes(in, tally);
    return r;
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
    std::optional<zt::test::FreshDir> dir;

    zt::ViewerWindow* viewer() { return zt::shared<zt::ViewerWindow>(); }
    template <class T = QLineEdit> T* box(const char* name)
    {
        return control<T>(viewer(), QLatin1String(name));
    }
    void click(const char* name) { box<QAbstractButton>(name)->click(); }
    template <class T = QWidget> T* board(const char* name)
    {
        return control<T>(zt::shared<zt::BoardWindow>(), QLatin1String(name));
    }
    // The texts of the viewer's boxes, joined by '|'.
    QString texts(std::initializer_list<const char*> names)
    {
        QStringList out;
        for (const char* name : names)
            out << zt::boxText(viewer(), QLatin1String(name));
        return out.join(u'|');
    }
    QString message() { return zt::takeMessage(viewer()); }
    // Rows with ids 1, 2, ...: numbers 10, 11, ..., types 2, 1, 2, ...
    void record(int rows, const char* memoria = " 2")
    {
        zt::SpinRecorder recorder;
        for (int i = 1; i <= rows; ++i)
            QVERIFY(
                recorder.record(QString(" %1").arg(9 + i), QString::number(i % 2 + 1), memoria));
    }

private Q_SLOTS:
    void init()
    {
        dir.emplace();
        zt::test::links().session().tally.clear();
        QDesktopServices::setUrlHandler("file", this, "openUrl");
        connect(board<zt::HiddenBox>("CM_pulsante"), &zt::HiddenBox::textChanged, this,
                [this](const QString& text) { text == u"ok" ? void() : void(sent << text); });
        connect(board<zt::HiddenBox>("CM_Azzera"), &zt::HiddenBox::textChanged, this,
                [this](const QString& text) { resets += text == u"1"; });
        opened.clear(), sent.clear(), resets = 0;
    }
    void cleanup()
    {
        zt::destroySharedWindows();
        QDesktopServices::unsetUrlHandler("file");
        dir.reset();
    }

    // Opened, the keyboard is on the list, where it edits nothing; the type
    // filter takes picks from its list only (the arrow keys on the closed box,
    // a click in the list), not typed text.  The layout is fixed.
    void openingAndTypeFilter()
    {
        ZT_ITALIAN_WORDS();
        record(4);
        QCOMPARE(box<QTableView>("DataGrid1")->geometry(), QRect(8, 24, 329, 401));
        for (QWidget* w : {static_cast<QWidget*>(viewer()),
                           static_cast<QWidget*>(zt::shared<zt::NotesWindow>())}) {
            const QSize designed = w->size();
            w->resize(designed / 2);
            QCOMPARE(w->size(), designed);
        }
        QCOMPARE(viewer()->size(), QSize(777, 432));
        viewer()->show();
        viewer()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(viewer()));
        QCOMPARE(QApplication::focusWidget(), box<QTableView>("DataGrid1"));
        auto* type = box<QComboBox>("Combo7");
        QCOMPARE(type->currentText(), "Scegli");
        const auto listed = [&] {
            return QString::number(box<QTableView>("DataGrid1")->model()->rowCount()) +
                   zt::boxText(viewer(), "Text7");
        };
        type->lineEdit()->selectAll();
        QTest::keyClicks(type, "Spin");
        QTest::keyClick(type, Qt::Key_Return);
        QCOMPARE(type->currentText() + listed(), "Spin41");
        for (const char* shown : {"41", "22", "21"}) { // ".", "Live", "Spin"
            QTest::keyClick(type, Qt::Key_Down);
            QCOMPARE(listed(), shown);
        }
        type->showPopup();
        QAbstractItemView* list = type->view();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(0, 0)).center());
        QCOMPARE(type->currentText() + listed(), ".41");
    }

    // Finding rows, the notes window handing a row over, notes, deleting.
    void browsingAndNotes()
    {
        ZT_ITALIAN_WORDS();
        record(4);
        QCOMPARE(texts({"Text7", "Text1"}), "1| 10");
        box("Text21")->setText("2.5"); // no such id: past the last row
        click("Command10");
        QVERIFY(zt::boxText(viewer(), "Text7").isEmpty());
        for (const char* button : {"Command2", "Command3"}) {
            click(button);
            QVERIFY(message().contains("Nessuna riga selezionata"));
        }
        box("Text21")->setText("4");
        click("Command10");
        box("Text20")->setText("serata buona");
        click("Command3"); // "Conferma" stores the note
        viewer()->show();
        click("Command11"); // the notes window lists it; "Conferma" hands the row over
        QPointer<zt::NotesWindow> notes = zt::loaded<zt::NotesWindow>();
        QVERIFY(notes && notes->isVisible() && zt::boxText(notes, "Text7") == "4");
        box("Text21")->setText("1");
        click("Command10");
        control<QAbstractButton>(notes, "Command3")->click();
        QVERIFY(!notes->isVisible());
        QCOMPARE(texts({"Text21", "Text7", "Text20", "Text5"}), "4|4|serata buona|ok");
        // "Cancella" at once, and back with the undo: Ctrl+Z or "Ripristina",
        // the last deleted first, each with its id, values, note and time.
        const QString whole = "SELECT group_concat(id || '/' || Numero || '/' || Memoria || '/' "
                              "|| Tipo || '/' || ifnull(Note, '') || '/' || Ora, ';') FROM "
                              "Uscite LEFT JOIN UsciteOra USING (id)";
        const QVariantList stored = zt::test::sql(whole);
        click("Command2"); // "Cancella"
        QCOMPARE(zt::test::sql("SELECT group_concat(id) FROM Uscite"), QVariantList{"1,2,3"});
        QCOMPARE(texts({"Text7", "Text1"}), "3| 12");
        click("Command2");
        QCOMPARE(zt::test::sql("SELECT group_concat(id) FROM Uscite"), QVariantList{"1,2"});
        viewer()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(viewer()));
        QTest::keyClick(box<QTableView>("DataGrid1"), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(texts({"Text7", "Text1"}), "3| 12");
        click("Ripristina");
        QCOMPARE(texts({"Text7", "Text20"}), "4|serata buona");
        QCOMPARE(zt::test::sql(whole), stored);
        QVERIFY(!box<QAbstractButton>("Ripristina")->isEnabled());
        QCOMPARE(box<QTableView>("DataGrid1")->model()->rowCount(), 4);
        click("Command2"); // row 4 again, a "Live" one
        // Put back while only "Spin" rows are listed: in the file, not in the list.
        auto* type = box<QComboBox>("Combo7");
        Q_EMIT type->activated(type->findText("Spin"));
        click("Ripristina");
        QCOMPARE(box<QTableView>("DataGrid1")->model()->rowCount(), 2);
        QCOMPARE(zt::test::sql(whole), stored);
        viewer()->close(); // with no viewer loaded the notes window hands nothing over
        control<QAbstractButton>(notes, "Command3")->click();
        QVERIFY(!zt::loaded<zt::ViewerWindow>());
    }

    // "Conferma" stores a note whole: a long one, and one with line breaks and
    // tabs written by another tool, left as it is or typed anew.
    void confirmedNotesStayWhole()
    {
        record(1);
        const QString stored("'a' || char(13, 10, 9) || hex(zeroblob(20000)) || char(13)");
        zt::test::sql("UPDATE Uscite SET Note = " + stored);
        const QString typed = "'); DROP TABLE Uscite; --" + QString(40000, u'n') + "\tfine";
        for (const QString& note : {zt::test::sql("SELECT " + stored)[0].toString(), typed}) {
            if (note == typed)
                box("Text20")->setText(note);
            click("Command3");
            QCOMPARE(zt::test::sql("SELECT Note FROM Uscite")[0].toString(), note);
        }
    }

    // An evening of two "Live" games recorded on the board (Zentrima13, second
    // hit); Ctrl+U, then "GO" over every row twice, the second time checking
    // proposals, with "SALVA" clicked while it runs; then "Azzera".
    void eveningReplayedAndReported()
    {
        std::mt19937 rng(14);
        QList<QList<int>> games(2);
        for (auto& game : games)
            for (int i = 0; i < 34; ++i)
                game << int(rng() % 37);
        control<QCheckBox>(zt::shared<zt::SettingsWindow>(), "Check16")->click();
        for (const char* button : {"Check3", "Check8"})
            board<QAbstractButton>(button)->click();
        board<QComboBox>("Combo7")->setCurrentText("Live");
        for (const auto& game : games) {
            board<QAbstractButton>("Command6")->click();
            for (int n : game)
                board<zt::HiddenBox>("CM_pulsante")->setText(QString::number(n));
        }
        auto* b = zt::shared<zt::BoardWindow>();
        b->show();
        b->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(b));
        QTest::keyClick(b, Qt::Key_U, Qt::ControlModifier);
        QVERIFY(zt::loaded<zt::ViewerWindow>() && viewer()->isVisible());

        resets = 0;
        box<QCheckBox>("Check6")->click();
        box("Text6")->setText("68");
        click("Command6");
        QCOMPARE(texts({"Text13", "Text7"}) + QString::number(resets), "68|12");
        box<QCheckBox>("Check4")->click();
        QTimer later; // "SALVA" at the fifth time the run lets events in
        int ticks = 0;
        connect(&later, &QTimer::timeout, this,
                [&] { ++ticks == 5 ? click("Command13") : void(); });
        later.start(0);
        click("Command6");
        later.stop();
        QVERIFY(control<QCheckBox>(zt::shared<zt::SettingsWindow>(), "Check20")->isChecked());
        const QByteArray partial = zt::test::fileBytes(zt::reportFileName);
        const qsizetype from = partial.indexOf("Boules:") + 7;
        const int rows = partial.mid(from, partial.indexOf('\r', from) - from).toInt();
        QVERIFY(rows > 68 && rows < 136);
        QCOMPARE(partial, replay(games, rows).report);
        const Replayed all = replay(games, 136);
        QVERIFY(all.detail.contains(u'-') && !all.panel.endsWith("|0") &&
                !all.panel.contains("|0|"));
        QCOMPARE(texts({"Text16", "Text8", "Text9", "Text13", "Text15", "Text3"}), all.panel);
        QCOMPARE(box<zt::LinesBox>("Text19")->toPlainText(), all.detail);
        click("Command13");
        QCOMPARE(zt::test::fileBytes(zt::reportFileName), all.report);
        QCOMPARE(opened.last(),
                 QUrl::fromLocalFile(QDir::current().absoluteFilePath(zt::reportFileName)));

        resets = 0;
        click("Command5"); // "Azzera": the panel and the tally cleared, the board reset
        click("Command13");
        QCOMPARE(texts({"Text16", "Text8", "Text9", "Text13", "Text15", "Text3"}) +
                     QString::number(resets),
                 "0|0|0|0|0|01");
        QCOMPARE(zt::test::fileBytes(zt::reportFileName), replay(games, 0).report);
    }

    // "Invia" and "G+I" check the board's proposal and send; "GO" with a count
    // that ends it at once, "STOP", "SPIN" past the last row, and "Esci".
    void replayConsole()
    {
        record(3, " 1");
        box<QCheckBox>("Check4")->setChecked(true);
        board<zt::LinesBox>("note_0")->setText("5, 12, 5,");
        box("Text10")->setText("5");
        // The replay switches recording off, and the board says so until the
        // player ticks the box again.
        const auto offNotice = [&] { return !board<QLabel>("Spenta")->isHidden(); };
        board<QCheckBox>("Check8")->setChecked(true);
        click("Command8"); // recording goes off
        QVERIFY(!board<QCheckBox>("Check8")->isChecked() && offNotice());
        const auto* notice = board<QLabel>("Spenta"); // its words whole, in either language
        QVERIFY(notice->rect().contains(QRect({}, notice->sizeHint())));
        board<QCheckBox>("Check8")->setChecked(true);
        QVERIFY(!offNotice());
        board<QCheckBox>("Check8")->setChecked(false);
        board<zt::LinesBox>("note_0")->clear();
        click("Command9"); // without a proposal no check
        QVERIFY(box("Text10")->text().toInt() >= 1 && sent.last() == box("Text10")->text());
        QCOMPARE(texts({"Text16", "Text8", "Text9"}) + sent.first(), "1|2|35");
        box<QCheckBox>("Check4")->setChecked(false);
        sent.clear();
        auto* timer = board<QTimer>("Timer2");
        zt::test::writeFile("numero.txt", {});
        board<QCheckBox>("Check8")->setChecked(true);
        box("Text6")->setText("5x"); // a count that ends the run at once
        click("Command6");
        QVERIFY(!timer->isActive() && !board<QCheckBox>("Check8")->isChecked() && offNotice());
        QVERIFY(!QFile::exists("numero.txt") && sent.isEmpty());
        const auto state = [&] {
            return sent.join(u'|') + u'/' + texts({"Text13", "Text7"}) + u'/' +
                   QString::number(resets);
        };
        box("Text6")->setText("3");
        board<QCheckBox>("Check8")->setChecked(true);
        board<QCheckBox>("Check8")->setChecked(false);
        click("Command14"); // "STOP": the next run ends after its first row
        click("Command6");
        QCOMPARE(state(), " 10/1|2/1"); // a game's first row resets the board
        QVERIFY(!offNotice()); // recording was off already: nothing to say
        QVERIFY(!box<QCheckBox>("Check5")->isChecked());
        click("Command6"); // on from there; "Ritorno Aut." steps back to the first row
        QCOMPARE(state(), " 10| 11| 12/3|1/3");
        box("Text21")->setText("2.5");
        click("Command10");
        click("Command4"); // "SPIN" past the last row sends and counts nothing
        QCOMPARE(state(), " 10| 11| 12/3|/3");
        click("Command1"); // "Esci" polls the exchange file again and unloads the viewer
        QVERIFY(timer->isActive() && !zt::loaded<zt::ViewerWindow>());
    }

    // However a "GO" run ends, every window shown draws the state it left at
    // once, and none is left with its drawing held.
    void goEndsWithTheShownWindowsDrawn_data()
    {
        QTest::addColumn<QString>("ending");
        for (const char* ending : {"all rows", "STOP", "count 5x", "viewer closed"})
            QTest::newRow(ending) << QString(ending);
    }
    void goEndsWithTheShownWindowsDrawn()
    {
        QFETCH(QString, ending);
        record(30);
        QWidget* b = zt::shared<zt::BoardWindow>();
        b->show();
        viewer()->show();
        QVERIFY(QTest::qWaitForWindowExposed(b) && QTest::qWaitForWindowExposed(viewer()));
        box("Text6")->setText(ending == "count 5x" ? "5x" : "30");
        if (ending == "STOP")
            click("Command14");
        if (ending == "viewer closed")
            QTimer::singleShot(0, viewer(), &QWidget::close);
        click("Command6");
        QCOMPARE(viewer()->isVisible(), ending != "viewer closed"); // closed while it ran

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
        QVERIFY(due.contains(board("Frame22")));
        QTRY_VERIFY(std::all_of(due.cbegin(), due.cend(),
                                [&](QWidget* c) { return painted.controls.contains(c); }));
    }

    // From the keyboard: Tab reaches every control once, panel by panel, and
    // Shift+Tab goes back the same way; the list is one stop (the arrows move
    // in it); a frame shows where the keyboard is, after Ctrl+Tab too.
    void keyboardReachesEveryControl()
    {
        record(3);
        viewer()->show();
        QApplication::setActiveWindow(viewer());
        QVERIFY(QTest::qWaitForWindowActive(viewer()));
        auto* grid = box<QTableView>("DataGrid1");
        auto* frame = box<QWidget>("FocusFrame");
        const auto press = [](QKeyCombination key) {
            QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
            return QApplication::focusWidget();
        };
        const auto framed = [&](QWidget* w) {
            return frame->isVisible() &&
                   frame->geometry().contains(QRect(w->mapTo(viewer(), QPoint()), w->size()));
        };
        QList<QWidget*> forward, backward;
        for (QWidget* w = press(Qt::Key_Tab); w != grid; w = press(Qt::Key_Tab)) {
            QVERIFY2(forward.size() < 100 && framed(w), qPrintable(w->objectName()));
            forward << w;
        }
        for (QWidget* w = press(Qt::SHIFT | Qt::Key_Tab); w != grid; w = press(Qt::SHIFT | Qt::Key_Tab))
            backward.prepend(w);
        QCOMPARE(backward, forward);
        QSet<QWidget*> reachable;
        for (QWidget* w : viewer()->findChildren<QWidget*>()) {
            if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
                reachable << w;
        }
        forward << grid;
        QCOMPARE(QSet<QWidget*>(forward.cbegin(), forward.cend()), reachable);
        QList<QWidget*> panels; // each panel's controls one after another
        for (QWidget* w : forward) {
            while (w->parentWidget() != viewer() && w->parentWidget()->parentWidget() != viewer())
                w = w->parentWidget();
            if (panels.isEmpty() || panels.last() != w->parentWidget())
                panels << w->parentWidget();
        }
        QCOMPARE(panels.size(), QSet<QWidget*>(panels.cbegin(), panels.cend()).size());

        grid->setFocus(Qt::TabFocusReason);
        const int row = grid->currentIndex().row();
        QCOMPARE(press(Qt::Key_Down), grid);
        QCOMPARE(grid->currentIndex().row(), row + 1);
        QVERIFY(framed(grid));
        QWidget* next = press(Qt::CTRL | Qt::Key_Tab);
        QVERIFY(next != grid && framed(next));
        QCOMPARE(press(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), grid);
        QVERIFY(framed(grid));
        QTest::mouseClick(box("Text21"), Qt::LeftButton);
        QVERIFY(!frame->isVisible());
    }

    // After "SALVA": how many characters went into the report as "?", with the
    // editor opened; or, with nothing written, why not.
    void reportMessages()
    {
        ZT_ITALIAN_WORDS();
        box<zt::LinesBox>("Text19")->setText("Ω 日本 ü€°");
        click("Command13");
        QVERIFY(message().endsWith("; 3 caratteri che la codifica Windows-1252 non può contenere "
                                   "sono stati scritti come \"?\"."));
        QVERIFY(QFile::remove("Statistica.txt") && QDir().mkdir("Statistica.txt"));
        click("Command13");
        const QString why = message();
        QVERIFY2(why.startsWith("Impossibile scrivere il rapporto ") &&
                     why.endsWith("Statistica.txt: esiste già una cartella con questo nome."),
                 qPrintable(why));
        QCOMPARE(QDir().entryList(QDir::Files) + QStringList{QString::number(opened.size())},
                 QStringList({"dati.mdb", "1"}));
    }
};

ZT_WINDOWS_TEST_MAIN(ViewerWindowTest)
#include "tst_viewerwindow.moc"
