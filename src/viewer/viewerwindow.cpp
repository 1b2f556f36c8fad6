#include "viewer/viewerwindow.h"

#include "app/startup.h"

#include "app/controls.h"
#include "app/textrules.h"
#include "board/boardwindow.h"
#include "store/recordsource.h"
#include "store/storecommands.h"
#include "strings/settingswindow.h"
#include "viewer/formparts.h"
#include "viewer/navigationbar.h"
#include "viewer/noteswindow.h"
#include "viewer/replay.h"
#include "viewer/report.h"
#include "viewer/tally.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTextCursor>
#include <QTimer>
#include <QUrl>

#include <cmath>
#include <limits>

namespace zt {

using form::place;

namespace {

// A control of another shared window, looked up again only when that window
// was created anew since it was found.
template <class W, class T> T* sharedControl(QPointer<T>& found, const char* name)
{
    W* window = shared<W>();
    if (!found || found->window() != window)
        found = control<T>(window, QLatin1String(name));
    return found;
}

QCheckBox* settingsCheck(const char* name)
{
    return control<QCheckBox>(shared<SettingsWindow>(), QLatin1String(name));
}

QWidget* board()
{
    return shared<BoardWindow>();
}

QLabel* label(QWidget* parent, const char* name, int l, int t, int w, int h, const QString& text,
              bool bold, Qt::Alignment align = Qt::AlignLeft)
{
    auto* c = place<QLabel>(parent, name, l, t, w, h);
    c->setText(text);
    c->setFont(form::font(8.25, bold));
    c->setAlignment(align | Qt::AlignTop);
    return c;
}

QLineEdit* lineEdit(QWidget* parent, const char* name, int l, int t, int w, int h,
                    Qt::Alignment align = Qt::AlignLeft)
{
    auto* c = place<QLineEdit>(parent, name, l, t, w, h);
    c->setAlignment(align | Qt::AlignVCenter);
    return c;
}

QLineEdit* hiddenBox(QWidget* parent, const char* name, int l, int t, int w, int h)
{
    auto* c = place<QLineEdit>(parent, name, l, t, w, h);
    c->hide();
    return c;
}

QPushButton* button(QWidget* parent, const char* name, int l, int t, int w, int h,
                    const QString& caption)
{
    auto* c = place<QPushButton>(parent, name, l, t, w, h);
    c->setText(caption);
    return c;
}

QCheckBox* checkBox(QWidget* parent, const char* name, int l, int t, int w, int h,
                    const QString& caption, bool ticked)
{
    auto* c = place<QCheckBox>(parent, name, l, t, w, h);
    c->setText(caption);
    c->setChecked(ticked);
    return c;
}

// A drawn line, horizontal, `width` pixels thick.
void line(QWidget* parent, const char* name, int x1, int y, int x2, int width)
{
    auto* c = new QFrame(parent);
    c->setObjectName(QLatin1String(name));
    c->setGeometry(x1 / 15, y / 15 - width / 2, (x2 - x1) / 15, width);
    setBackColor(c, Qt::black);
}

QFrame* panel(QWidget* parent, const char* name, int l, int t, int w, int h)
{
    auto* c = place<QFrame>(parent, name, l, t, w, h);
    c->setFrameShape(QFrame::NoFrame);
    setBackColor(c, QColor(192, 64, 0));
    return c;
}

} // namespace

// While "GO" runs, the pending events are processed as often as the replay
// asks, but the windows shown are redrawn at most every 40 ms (a screen shows
// no more frames than that), and the grid's selection follows the current row
// only when they are.  Without this, drawing the grid and the board after
// every eleventh row costs more than the replay itself.  The drawing is held
// on the controls inside each window, never on the window itself: a window
// whose own drawing is held when it is due to be drawn can stay stale after
// it is released, until something covers and uncovers it.
class FramePacing {
public:
    explicit FramePacing(RecordSource* source) : source_(source)
    {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->isVisible())
                continue;
            for (QObject* child : w->children()) {
                auto* c = qobject_cast<QWidget*>(child);
                if (c && !c->isWindow() && c->updatesEnabled())
                    controls_.append(c);
            }
        }
        pause();
        clock_.start();
    }
    ~FramePacing() { resume(); }
    FramePacing(const FramePacing&) = delete;
    FramePacing& operator=(const FramePacing&) = delete;

    // beforeFrame runs first when the windows are to be drawn now.
    template <class F> void processEvents(F beforeFrame)
    {
        const bool frame = clock_.hasExpired(40);
        if (frame) {
            beforeFrame();
            resume();
        }
        QCoreApplication::processEvents();
        if (frame) {
            pause();
            clock_.restart();
        }
    }

private:
    void pause() { hold(true); }
    void resume() { hold(false); }
    void hold(bool held)
    {
        if (source_)
            source_->holdSelection(held);
        for (const auto& c : controls_) {
            if (c)
                c->setUpdatesEnabled(!held);
        }
    }

    QPointer<RecordSource> source_;
    QList<QPointer<QWidget>> controls_;
    QElapsedTimer clock_;
};

namespace {

// Every window shown is drawn whole again, with its controls as they are now
// (a window's own update leaves out the controls that cover it).
void redrawShownWindows()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible())
            continue;
        w->update();
        for (QWidget* c : w->findChildren<QWidget*>())
            c->update();
    }
}

} // namespace

ViewerWindow::ViewerWindow() : source_(new RecordSource(viewerCommand(), this))
{
    setObjectName(QStringLiteral("visualizzaUsc"));
    setWindowTitle(QStringLiteral("Visualizza Uscite"));
    setFont(form::font());
    setBackColor(this, QColor(128, 64, 0));
    setFixedSize(11655 / 15, 6480 / 15);

    buildTopStrip();
    buildOptionsPanel(panel(this, "Frame3", 5160, 360, 2535, 2775));
    buildSendingPanel(panel(this, "Frame2", 7800, 360, 3615, 2775));
    buildResultsPanel(panel(this, "Frame1", 5160, 3240, 6255, 2415));
    setInitialTexts();
    connect(source_, &RecordSource::currentChanged, this, &ViewerWindow::showRow);
    if (!source_->open())
        reportSourceError();
    showRow();

    if (QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());

    setStringsReportTarget(this);
}

ViewerWindow::~ViewerWindow()
{
    if (stringsReportTarget() == this)
        setStringsReportTarget(nullptr);
}

void ViewerWindow::buildTopStrip()
{
    label(this, "Label9", 120, 120, 1215, 255, QStringLiteral("Tipo:"), true);
    auto* combo = place<QComboBox>(this, "Combo7", 600, 0, 975, 315);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems({QStringLiteral("."), QStringLiteral("Live"), QStringLiteral("Spin")});
    combo->setCurrentIndex(-1);
    combo->setEditText(QStringLiteral("Scegli"));
    // Only a pick from the list filters (the list, or the arrow keys on the
    // closed box): text typed into the box and confirmed with Enter, or left
    // by moving away, does not pick the item it spells.
    QObject::disconnect(combo->lineEdit(), SIGNAL(returnPressed()), combo, nullptr);
    QObject::disconnect(combo->lineEdit(), SIGNAL(editingFinished()), combo, nullptr);
    connect(combo, &QComboBox::activated, this, &ViewerWindow::filtra);

    connect(button(this, "Command11", 1800, 70, 735, 255, QStringLiteral("Cerca")),
            &QPushButton::clicked, this, &ViewerWindow::apriNote);

    // The note comes back from "Conferma" as stored or typed, whatever its
    // length; line breaks and tabs stay in the text (shown as blanks).
    QLineEdit* note = lineEdit(this, "Text20", 2760, 0, 8655, 285);
    note->setFont(form::font(8.25, true));
    note->setMaxLength(std::numeric_limits<int>::max());

    auto* grid = place<QTableView>(this, "DataGrid1", 120, 360, 4935, 6015);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->verticalHeader()->setDefaultSectionSize(18);
    grid->setModel(source_);
    source_->setGridColumns({QStringLiteral("id"), QStringLiteral("Numero"),
                             QStringLiteral("Memoria"), QStringLiteral("Tipo"),
                             QStringLiteral("Cima"), QStringLiteral("Memcima")});
    source_->trackSelection(grid->selectionModel());
    connect(grid, &QTableView::clicked, this, &ViewerWindow::gridClicked);
    // The window opens with the keyboard on the list, where keys edit nothing
    // (the repeat of the Ctrl+U that opened it included).
    grid->setFocus();

    hiddenBox(this, "Text7", 600, 1080, 615, 285);
    hiddenBox(this, "Text12", 1560, 1080, 615, 285);
    auto* text5 = hiddenBox(this, "Text5", 9600, 0, 615, 285);
    text5->setText(QStringLiteral("ok"));
    connect(text5, &QLineEdit::textChanged, this, &ViewerWindow::posizioneDaNote);

    connect(button(this, "Command2", 5280, 5880, 1215, 495, QStringLiteral("Cancella")),
            &QPushButton::clicked, this, &ViewerWindow::cancella);
    connect(button(this, "Command3", 7800, 5880, 1095, 495, QStringLiteral("Conferma")),
            &QPushButton::clicked, this, &ViewerWindow::conferma);
    connect(button(this, "Command1", 10200, 5880, 1095, 495, QStringLiteral("Esci")),
            &QPushButton::clicked, this, &ViewerWindow::esci);
}

void ViewerWindow::buildSendingPanel(QWidget* f)
{
    line(f, "Line1", -120, 720, 3360, 3);
    line(f, "Line4", 0, 1680, 3480, 3);

    label(f, "Label21", 120, 0, 975, 255, QStringLiteral("Posizione:"), true);
    lineEdit(f, "Text21", 120, 240, 735, 285);
    connect(button(f, "Command10", 960, 240, 735, 375, QStringLiteral("Cerca")),
            &QPushButton::clicked, this, &ViewerWindow::trova);
    place<NavigationBar>(f, "Adodc1", 1800, 240, 1575, 330)->drive(source_);

    setForeColor(label(f, "Label1", 120, 840, 1575, 255, QStringLiteral("Prossimo num.:"), true),
                 QColor(217, 187, 17));
    auto* text1 = lineEdit(f, "Text1", 120, 1080, 975, 495, Qt::AlignHCenter);
    text1->setFont(form::font(13.5, true));
    setForeColor(text1, QColor(192, 0, 0));
    auto* spinButton = button(f, "Command4", 1440, 840, 1935, 735, QStringLiteral("SPIN"));
    spinButton->setFont(form::font(9.75, true));
    connect(spinButton, &QPushButton::clicked, this, &ViewerWindow::spin);

    label(f, "Label12", 0, 1800, 1575, 255, QStringLiteral("Numero Rand.:"), true);
    lineEdit(f, "Text10", 360, 2040, 975, 495, Qt::AlignHCenter)->setFont(form::font(13.5, true));
    connect(button(f, "Command7", 1440, 2040, 735, 495, QStringLiteral("Genera")),
            &QPushButton::clicked, this, &ViewerWindow::genera);
    connect(button(f, "Command8", 2280, 2040, 495, 495, QStringLiteral("Invia")),
            &QPushButton::clicked, this, &ViewerWindow::invia);
    auto* both = button(f, "Command9", 2880, 2040, 495, 495, QStringLiteral("G+I"));
    both->setToolTip(QStringLiteral("Genera e Invia"));
    connect(both, &QPushButton::clicked, this, [this] {
        genera();
        invia();
    });
}

void ViewerWindow::buildOptionsPanel(QWidget* f)
{
    auto* settings = button(f, "Command12", 120, 80, 2295, 375, QStringLiteral("Impostazioni"));
    settings->setToolTip(QStringLiteral("Azzera"));
    connect(settings, &QPushButton::clicked, this, &ViewerWindow::impostazioni);
    auto* reset = button(f, "Command5", 120, 480, 2295, 375, QStringLiteral("Azzera"));
    reset->setToolTip(QStringLiteral("Azzera"));
    connect(reset, &QPushButton::clicked, this, &ViewerWindow::azzera);

    label(f, "Label14", 0, 840, 1095, 255, QStringLiteral("Controlli:"), true, Qt::AlignHCenter);
    const QColor blue(154, 186, 235);
    const QColor grey(192, 192, 192);
    setBackColor(
        checkBox(f, "Check4", 120, 1080, 2295, 315, QStringLiteral("Stringa comp. a colpo"), false),
        blue);
    setBackColor(checkBox(f, "Check6", 120, 1320, 2295, 240,
                          QStringLiteral("Stringa comp. Progressione"), false),
                 blue);
    setBackColor(checkBox(f, "Check8", 120, 1680, 2295, 255,
                          QStringLiteral("Azzera Auto con memoria 1"), true),
                 grey);
    auto* back = checkBox(f, "Check1", 120, 2040, 1335, 225, QStringLiteral("Ritorno Aut."), true);
    setBackColor(back, grey);
    back->setFont(form::font(9.75, false, QStringLiteral("Times New Roman")));
    back->setToolTip(QStringLiteral("Ritorna dopo l'elaborazione"));

    connect(button(f, "Command6", 1560, 2040, 855, 255, QStringLiteral("GO")),
            &QPushButton::clicked, this, &ViewerWindow::go);
    label(f, "Label8", 120, 2400, 495, 255, QStringLiteral("Colpi:"), true);
    lineEdit(f, "Text6", 720, 2280, 615, 285, Qt::AlignRight);
    connect(button(f, "Command14", 1560, 2400, 855, 255, QStringLiteral("STOP")),
            &QPushButton::clicked, this,
            [this] { control<QCheckBox>(this, QStringLiteral("Check5"))->setChecked(true); });
}

void ViewerWindow::buildResultsPanel(QWidget* f)
{
    line(f, "Line5", 2400, 600, 5040, 1);

    const auto centre = Qt::AlignHCenter;
    const QColor yellow(255, 255, 192);
    label(f, "Label13", 1200, 0, 3615, 255, QStringLiteral("Risultati della verifica"), true,
          centre);
    label(f, "Label19", 0, 240, 1095, 255, QStringLiteral("Verificate"), true, centre);
    lineEdit(f, "Text16", 1440, 240, 735, 285, centre);
    setForeColor(
        label(f, "Label18", 5040, 240, 1095, 255, QStringLiteral("Fuori Lim."), true, centre),
        QColor(128, 0, 0));
    label(f, "Label2", 120, 720, 1215, 255, QStringLiteral("Conta Usc."), true);
    lineEdit(f, "Text8", 1440, 600, 735, 300, centre)->setFont(form::font(9.75, true));
    lineEdit(f, "Text13", 2400, 600, 975, 285, centre);
    label(f, "Label4", 3960, 600, 1095, 255, QStringLiteral("1° Uscita"), true, centre);
    auto* text15 = lineEdit(f, "Text15", 5040, 600, 975, 285, centre);
    text15->setFont(form::font(8.25, true));
    setBackColor(text15, yellow);
    setForeColor(
        label(f, "Label6", 3960, 960, 1095, 255, QStringLiteral("2° Uscita"), true, centre),
        QColor(255, 0, 0));
    auto* text3 = lineEdit(f, "Text3", 5040, 960, 975, 285, centre);
    text3->setFont(form::font(8.25, true));
    setBackColor(text3, yellow);
    setForeColor(text3, QColor(255, 0, 0));
    label(f, "Label5", 120, 1080, 1335, 255, QStringLiteral("Numeri Giocati"), true);
    lineEdit(f, "Text9", 1440, 960, 735, 315, centre)->setFont(form::font(9.75, true));

    // The counters are written only by the replay and the engine.
    for (const char* name : {"Text16", "Text8", "Text13", "Text15", "Text3", "Text9"})
        box(name)->setReadOnly(true);

    auto* mailbox = hiddenBox(f, "Text19B", 4200, 1440, 735, 285);
    mailbox->setText(QStringLiteral("ok"));
    connect(mailbox, &QLineEdit::textChanged, this, [mailbox](const QString& text) {
        if (text == u"ok")
            return;
        conteggioColpi().post(text);
        mailbox->setText(QStringLiteral("ok"));
    });

    label(f, "Label20", 120, 1440, 1455, 495, QStringLiteral("Dettaglio Colpi:"), true);
    auto* detail = place<QPlainTextEdit>(f, "Text19", 1440, 1320, 4695, 645);
    detail->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    checkBox(f, "Check5", 120, 2040, 975, 195, QStringLiteral("Stop"), false);
    connect(button(f, "Command13", 5040, 2040, 975, 315, QStringLiteral("SALVA")),
            &QPushButton::clicked, this, &ViewerWindow::salva);
}

void ViewerWindow::setInitialTexts()
{
    box("Text21")->clear();
    box("Text13")->setText(QStringLiteral("0"));
    box("Text6")->setText(QStringLiteral("0"));
    box("Text8")->setText(QStringLiteral("0"));
    box("Text9")->setText(QStringLiteral("0"));
    box("Text10")->clear();
    box("Text3")->setText(QStringLiteral("0"));
    box("Text15")->setText(QStringLiteral("0"));
    box("Text16")->setText(QStringLiteral("0"));
    control<QPlainTextEdit>(this, QStringLiteral("Text19"))->clear();
}

template <class T> T* ViewerWindow::own(const char* name) const
{
    QWidget*& found = own_[QLatin1StringView(name)];
    if (!found)
        found = control<T>(this, QLatin1String(name));
    return static_cast<T*>(found);
}

bool ViewerWindow::addToCounter(const char* name, double amount)
{
    QLineEdit* counter = box(name);
    const auto held = countersPending_.constFind(counter);
    const auto sum =
        addToCounterText(held != countersPending_.cend() ? *held : counter->text(), amount);
    if (!sum)
        return false;
    // While "GO" runs the read-only counters are written when the windows are
    // drawn or read (flushPending), as the detail is.
    if (frames_)
        countersPending_.insert(counter, *sum);
    else if (counter->text() != *sum)
        counter->setText(*sum);
    return true;
}

// --- Reports of the composite strings engine -------------------------------

bool ViewerWindow::reportsEnabled() const
{
    return own<QCheckBox>("Check6")->isChecked();
}

void ViewerWindow::appendDetail(const QString& text)
{
    // Each insertion lays the whole detail out again.
    detailPending_ += text;
    if (!frames_)
        flushPending();
}

void ViewerWindow::flushPending()
{
    for (auto it = countersPending_.cbegin(); it != countersPending_.cend(); ++it) {
        if (it.key()->text() != it.value())
            it.key()->setText(it.value());
    }
    countersPending_.clear();
    if (detailPending_.isEmpty())
        return;
    QTextCursor end(own<QPlainTextEdit>("Text19")->document());
    end.movePosition(QTextCursor::End);
    end.insertText(detailPending_);
    detailPending_.clear();
}

void ViewerWindow::post(const QString& text)
{
    box("Text19B")->setText(text);
}

void ViewerWindow::addVerified()
{
    addToCounter("Text16", 1);
}

void ViewerWindow::addCancelledBeforeHit()
{
    addToCounter("Text15", 1);
}

void ViewerWindow::addCancelledAfterHit()
{
    addToCounter("Text3", 1);
}

// --- The main board ---------------------------------------------------------

void ViewerWindow::inviaAlTabellone(const QString& number)
{
    sharedControl<BoardWindow>(spinBridge_, "CM_pulsante")->setText(number);
}

void ViewerWindow::azzeraTabellone()
{
    // The board resets inside the write and answers "ok" before it returns.
    control<QLineEdit>(board(), QStringLiteral("CM_Azzera"))->setText(QStringLiteral("1"));
}

void ViewerWindow::sospendiRegistrazione()
{
    control<QCheckBox>(board(), QStringLiteral("Check8"))->setChecked(false);
}

void ViewerWindow::controllaProposta(double sent)
{
    if (!own<QCheckBox>("Check4")->isChecked())
        return;
    auto* proposal = sharedControl<BoardWindow>(proposal_, "note_0");
    const QString text = proposal->toPlainText();
    if (text.isEmpty())
        return;
    addToCounter("Text16", 1);
    const ProposalCheck check = checkProposal(text, sent);
    addToCounter("Text8", check.hits);
    addToCounter("Text9", check.numbers);
    if (sharedControl<SettingsWindow>(dropChecked_, "Check12")->isChecked())
        proposal->clear();
}

// --- Replay console ---------------------------------------------------------

void ViewerWindow::genera()
{
    box("Text10")->setText(QString::number(drawRandomNumber()));
}

void ViewerWindow::invia()
{
    sospendiRegistrazione();
    const QString number = box("Text10")->text();
    controllaProposta(leadingNumber(number));
    if (!number.isEmpty())
        inviaAlTabellone(number);
}

void ViewerWindow::spin()
{
    if (own<QCheckBox>("Check8")->isChecked() && leadingNumber(box("Text12")->text()) == 1)
        azzeraTabellone();
    controllaProposta(leadingNumber(box("Text1")->text()));
    const QString number = box("Text1")->text();
    if (!number.isEmpty())
        inviaAlTabellone(number);
    if (!source_->isEof()) {
        source_->moveNext();
        addToCounter("Text13", 1);
    }
    if (eventPacing().step()) {
        if (frames_)
            frames_->processEvents([this] { flushPending(); });
        else
            QCoreApplication::processEvents();
    }
}

void ViewerWindow::go()
{
    // A click on "GO" while a run processes events does not start another.
    if (goRunning_)
        return;
    QPointer<ViewerWindow> self(this);
    goRunning_ = true;
    eseguiGo();
    if (self)
        goRunning_ = false;
    // However the run ended (all rows, "STOP", a count that ends it, the
    // viewer closed), the windows show the state it left at once.
    redrawShownWindows();
}

void ViewerWindow::eseguiGo()
{
    QPointer<ViewerWindow> self(this);
    if (auto* timer = board()->findChild<QTimer*>(QStringLiteral("Timer2")))
        timer->stop();
    sospendiRegistrazione();
    QPointer<QCheckBox> highlight = settingsCheck("Check20");
    const bool highlighted = highlight->isChecked();
    QFile::remove(QStringLiteral("numero.txt"));
    highlight->setChecked(false);

    const auto count = goRunCount(box("Text6")->text());
    if (!count)
        return;
    auto* stop = control<QCheckBox>(this, QStringLiteral("Check5"));
    const auto runSpins = [&] {
        for (int i = 0; i < *count; ++i) {
            spin();
            // Pending events may have closed the viewer, or the main board
            // (which ends the program), meanwhile.
            if (!self || loaded<ViewerWindow>() != this || programEnding())
                return false;
            if (stop->isChecked()) {
                stop->setChecked(false);
                return false;
            }
        }
        return true;
    };
    bool complete;
    {
        FramePacing frames(source_);
        frames_ = &frames;
        complete = runSpins();
        if (!self)
            return;
        frames_ = nullptr;
        flushPending();
    }
    if (!complete)
        return;
    if (control<QCheckBox>(this, QStringLiteral("Check1"))->isChecked())
        source_->movePrevious(*count);
    if (highlight)
        highlight->setChecked(highlighted);
}

void ViewerWindow::posizioneDaNote(const QString& text)
{
    if (text == u"ok")
        return;
    box("Text21")->setText(text);
    trova();
    box("Text5")->setText(QStringLiteral("ok"));
}

// --- Verification panel -----------------------------------------------------

void ViewerWindow::azzera()
{
    detailPending_.clear();
    countersPending_.clear();
    box("Text13")->setText(QStringLiteral("0"));
    box("Text8")->setText(QStringLiteral("0"));
    box("Text9")->setText(QStringLiteral("0"));
    conteggioColpi().clear();
    box("Text10")->clear();
    box("Text15")->setText(QStringLiteral("0"));
    box("Text16")->setText(QStringLiteral("0"));
    control<QPlainTextEdit>(this, QStringLiteral("Text19"))->clear();
    box("Text3")->setText(QStringLiteral("0"));
    azzeraTabellone();
}

void ViewerWindow::salva()
{
    flushPending(); // "SALVA" clicked while "GO" runs
    ReportInputs in;
    in.runRows = box("Text6")->text();
    in.replayedRows = box("Text13")->text();
    in.attemptLines = reportsEnabled();
    in.maxAttempts =
        control<QLineEdit>(shared<SettingsWindow>(), QStringLiteral("ST_ContrMax0"))->text();
    in.verified = box("Text16")->text();
    in.detail = control<QPlainTextEdit>(this, QStringLiteral("Text19"))->toPlainText();

    const QString path = QDir::current().absoluteFilePath(QLatin1String(reportFileName));
    QString error;
    int replaced = 0;
    if (!saveReport(path, reportBytes(in, conteggioColpi(), &replaced), &error)) {
        form::showMessage(this, error);
        return;
    }
    QString message;
    if (replaced > 0)
        message = QStringLiteral("Il rapporto %1 è stato scritto; %2 che la codifica Windows-1252 "
                                 "non può contenere %3 come \"?\".")
                      .arg(path,
                           replaced == 1 ? QStringLiteral("1 carattere")
                                         : QStringLiteral("%1 caratteri").arg(replaced),
                           replaced == 1 ? QStringLiteral("è stato scritto")
                                         : QStringLiteral("sono stati scritti"));
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        message = message.isEmpty()
                      ? QStringLiteral("Il rapporto %1 è stato scritto, ma non è stato possibile "
                                       "aprirlo con l'editor di testo.")
                            .arg(path)
                      : message + QStringLiteral(" Non è stato possibile aprirlo con l'editor di "
                                                 "testo.");
    if (!message.isEmpty())
        form::showMessage(this, message);
}

// --- Window and browsing ----------------------------------------------------

void ViewerWindow::impostazioni()
{
    QWidget* settings = shared<SettingsWindow>();
    if (settings->isVisible()) {
        settings->hide();
    } else {
        settings->show();
        settings->raise();
    }
}

void ViewerWindow::apriNote()
{
    NotesWindow* notes = shared<NotesWindow>();
    notes->show();
    notes->raise();
    notes->activateWindow();
}

void ViewerWindow::esci()
{
    if (auto* timer = board()->findChild<QTimer*>(QStringLiteral("Timer2")))
        timer->start();
    close();
}

void ViewerWindow::gridClicked()
{
    box("Text21")->setText(box("Text7")->text());
}

// --- Data source ------------------------------------------------------------

void ViewerWindow::showRow()
{
    const bool row = source_->hasCurrent();
    const auto show = [&](const char* name, QStringView column) {
        const QString text = row ? source_->text(column) : QString();
        // Writing the text a box holds changes nothing but costs a new layout.
        if (QLineEdit* b = box(name); b->text() != text)
            b->setText(text);
    };
    show("Text1", u"Numero");
    show("Text12", u"Memoria");
    show("Text7", u"id");
    show("Text20", u"Note");
}

void ViewerWindow::reportSourceError()
{
    form::showMessage(this, source_->lastError());
}

void ViewerWindow::filtra(int item)
{
    auto* combo = control<QComboBox>(this, QStringLiteral("Combo7"));
    source_->setCommand(viewerTypeCommand(combo->itemText(item)));
    if (!source_->requery())
        reportSourceError();
}

void ViewerWindow::trova()
{
    const QString text = box("Text21")->text();
    if (text.isEmpty())
        return;
    source_->moveFirst();
    const double id = leadingNumber(text);
    // Only a whole number can equal an id; anything else finds no row.
    if (id == std::floor(id) && std::fabs(id) < 1e15) {
        source_->findId(static_cast<qint64>(id));
    } else if (source_->moveLast()) {
        source_->moveNext();
    }
}

void ViewerWindow::cancella()
{
    if (!source_->deleteCurrent())
        reportSourceError();
}

void ViewerWindow::conferma()
{
    if (!source_->updateCurrent({{QStringLiteral("Note"), box("Text20")->text()}}))
        reportSourceError();
}

} // namespace zt
