#include "windows/boardwindow.h"

#include "core/keypadlayout.h"
#include "core/session.h"
#include "ui/colorbutton.h"
#include "ui/form.h"
#include "ui/hiddenbox.h"
#include "ui/linesbox.h"
#include "ui/look.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

namespace zt {

namespace {

void setLook(QWidget* w, const QColor& fore, const QFont& font)
{
    setForeColor(w, fore);
    w->setFont(font);
}

// The board's check boxes have black captions on their container's colour.
QCheckBox* addCheck(QWidget* parent, const QString& name, const QRect& twips,
                    const QString& caption, const QColor& back)
{
    auto* c = placeCheck(parent, name, twips, caption, false, back);
    setForeColor(c, Qt::black);
    return c;
}

const QColor brown(128, 64, 0);

} // namespace

BoardWindow::BoardWindow(Links& links) : links_(links)
{
    setObjectName(QStringLiteral("Zentrima13"));
    setWindowTitle(tr("Roulette"));
    setFont(controlFont());
    resize(twipsSize(9240, 4080));

    Frame22 = placeFrame(this, QStringLiteral("Frame22"), {0, 0, 9255, 4095}, brown);
    buildUpperPanel();
    buildLowerPanel();
    buildKeypad();
    buildTitleAndHistory();
    // The lower panel lies over the bottom of the upper one: the keypad shows whole.
    Frame2->raise();

    buildTypedNumber();
    buildReader();

    auto* viewerKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_U), this);
    connect(viewerKey, &QShortcut::activated, this,
            [this] { links_.show(Links::Window::Viewer); });
    auto* statisticsKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_T), this);
    connect(statisticsKey, &QShortcut::activated, this,
            [this] { links_.show(Links::Window::Statistics); });
    auto* moneyKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this);
    connect(moneyKey, &QShortcut::activated, this, [this] { links_.show(Links::Window::Money); });

    startUp();
    prepareKeyboard();
    prepareScaling();
}

void BoardWindow::buildUpperPanel()
{
    Frame21 = placeFrame(Frame22, QStringLiteral("Frame21"), {120, 480, 7750, 3255}, brown);
    Frame23 =
        placeFrame(Frame21, QStringLiteral("Frame23"), {480, 0, 6375, 705}, QColor(128, 255, 128));

    note_0 = place<LinesBox>(Frame23, arrayName("note", 0), {0, 0, 6375, 735});
    note_0->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    note_0->setWordWrap(true);
    setBackColor(note_0, QColor(154, 186, 235));
    note_0->setFont(designFont(QStringLiteral("Arial"), 12, true));
    CM_tempo = placeHidden(Frame23, QStringLiteral("CM_tempo"), QStringLiteral("CM_Tempo"));

    Check2 = addCheck(Frame21, QStringLiteral("Check2"), {480, 840, 1575, 195},
                      tr("Modo Quorix"), brown);
    Check3 = addCheck(Frame21, QStringLiteral("Check3"), {2040, 840, 1575, 195},
                      tr("Modo Zentrima13"), brown);
    connect(Check2, &QCheckBox::toggled, this, &BoardWindow::quorixToggled);
    connect(Check3, &QCheckBox::toggled, this, &BoardWindow::zentrimaToggled);

    Label1 = placeLabel(Frame21, QStringLiteral("Label1"), {4920, 840, 1455, 495},
                      tr("Numero:"));
    setLook(Label1, QColor(255, 255, 128), msSansSerif(9.75, true));
    Combo1 = place<QComboBox>(Frame21, QStringLiteral("Combo1"), {6000, 840, 1095, 315});
    // The rules read the item's data, the filter's Italian name, whatever
    // language the list shows.
    Combo1->addItem(tr("Tutti"), QStringLiteral("Tutti"));
    for (int n = 1; n <= 36; ++n)
        Combo1->addItem(QString::number(n), QString::number(n));

    Check1 = addCheck(Frame21, QStringLiteral("Check1"), {6960, 0, 135, 255}, {}, brown);
    Check1->setToolTip(tr("Lock"));
    connect(Check1, &QCheckBox::toggled, this, &BoardWindow::lockToggled);

    Command21_0 = place<QPushButton>(Frame21, arrayName("Command21", 0), {120, 360, 255, 320});
    Command21_0->setText(QStringLiteral("X"));
    Command21_0->setToolTip(tr("Visualizza rettangolo per note"));
    connect(Command21_0, &QPushButton::clicked, this, [this] { clearStringRow(0); });

    const QFont big = msSansSerif(13.5, true);
    Label26_0 = placeLabel(Frame21, arrayName("Label26", 0), {7080, 0, 615, 375},
                         QStringLiteral(" 0"), Qt::AlignRight);
    setLook(Label26_0, QColor(255, 255, 0), big);
    auto* ritardi = placeLabel(Frame21, arrayName("Label43", 1), {7080, 240, 495, 255},
                             tr("Ritardi"), Qt::AlignHCenter);
    setLook(ritardi, Qt::white,
            designFont(QStringLiteral("Bodoni MT Condensed"), 8.25, true, QFont::Serif));
    Label38_0 = placeLabel(Frame21, arrayName("Label38", 0), {6840, 360, 495, 375},
                         QStringLiteral(" 0"), Qt::AlignHCenter);
    setLook(Label38_0, QColor(0, 192, 0), big);
    Label44_0 = placeLabel(Frame21, arrayName("Label44", 0), {7200, 360, 495, 375},
                         QStringLiteral(" 0"), Qt::AlignRight);
    setLook(Label44_0, QColor(192, 0, 0), big);

    auto* viewerButton =
        place<QPushButton>(Frame21, QStringLiteral("Command10"), {120, 0, 255, 255});
    viewerButton->hide();
    connect(viewerButton, &QPushButton::clicked, this,
            [this] { links_.show(Links::Window::Viewer); });
}

void BoardWindow::buildLowerPanel()
{
    Frame2 = placeFrame(Frame22, QStringLiteral("Frame2"), {120, 1680, 9135, 2295}, brown);

    auto* ev = place<QPushButton>(Frame2, QStringLiteral("Command16"), {120, 0, 375, 255});
    ev->setText(QStringLiteral("EV"));
    ev->setToolTip(tr("Inverti Tastiera"));
    connect(ev, &QPushButton::clicked, this, &BoardWindow::repaintHighlight);
    auto* invert =
        place<QPushButton>(Frame2, QStringLiteral("Command14"), {120, 240, 375, 255});
    invert->setText(QStringLiteral("<>"));
    invert->setToolTip(tr("Inverti Tastiera"));
    connect(invert, &QPushButton::clicked, this, &BoardWindow::invertKeypad);

    const QColor light(224, 224, 224);
    auto* setup = placeColorButton(Frame2, QStringLiteral("Command7"), {7920, 70, 975, 255},
                                 tr("SETUP"), light);
    connect(setup, &QPushButton::clicked, this, [this] { links_.show(Links::Window::Settings); });
    auto* wheel = placeColorButton(Frame2, QStringLiteral("Command11"), {7920, 390, 975, 255},
                                 tr("ROUTA"), QColor(0, 255, 0));
    connect(wheel, &QPushButton::clicked, this, [this] { links_.show(Links::Window::Wheel); });
    auto* all = placeColorButton(Frame2, QStringLiteral("Command6"), {7920, 720, 975, 360},
                               tr("C. TUTTO"), QColor(255, 192, 192));
    connect(all, &QPushButton::clicked, this, &BoardWindow::cancelAll);
    auto* first = placeColorButton(Frame2, QStringLiteral("Command3"), {7920, 1200, 975, 255},
                                 tr("C. PRIMO"), light);
    connect(first, &QPushButton::clicked, this, &BoardWindow::cancelOldest);
    auto* last = placeColorButton(Frame2, QStringLiteral("Command4"), {7920, 1440, 975, 255},
                                tr("C. ULTIMO"), light);
    connect(last, &QPushButton::clicked, this, &BoardWindow::cancelNewest);

    auto* gameType = placeLabel(Frame2, QStringLiteral("Label30"), {7920, 1755, 1095, 255},
                              tr("   Tipo gioco"));
    setForeColor(gameType, QColor(128, 0, 0));
    Combo7 = place<QComboBox>(Frame2, QStringLiteral("Combo7"), {8110, 1995, 855, 315});
    Combo7->addItems({QStringLiteral("."), QStringLiteral("Live"), QStringLiteral("Spin")});
    Check8 = addCheck(Frame2, QStringLiteral("Check8"), {7900, 2115, 200, 195}, {}, {});
    Check8->setToolTip(tr("Registra Uscite"));
    Check8Frame = placeFrame(Frame2, QStringLiteral("Check8Frame"), {}, QColor(255, 0, 0));
    Check8Frame->setGeometry(Check8->geometry().adjusted(-3, -3, 3, 3));
    Check8Frame->stackUnder(Combo7); // under the switch and the type selector
    Check8Frame->hide();
    // Recording switched on again: a failure that persists is shown again.
    // Switched off, nothing is failing (spins still waiting are still shown).
    connect(Check8, &QCheckBox::toggled, this, [this](bool on) {
        shownRecordingFailure.clear();
        if (on)
            offByReplay = false;
        showRecordingState();
    });

    placeLabel(Frame2, QStringLiteral("Label7"), {600, 2040, 7095, 255},
             tr("Zentrima 13 - assistente da tavolo per la roulette a zero singolo"));

    DB2_nu = placeHidden(Frame2, QStringLiteral("DB2_nu"));
    DB2_gi = placeHidden(Frame2, QStringLiteral("DB2_gi"));
    DB2_me = placeHidden(Frame2, QStringLiteral("DB2_me"));

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(200);
    connect(Timer2, &QTimer::timeout, this, &BoardWindow::pollExchangeFile);
    Timer2->start();

    AttesaTimer = new QTimer(this);
    AttesaTimer->setObjectName(QStringLiteral("AttesaTimer"));
    AttesaTimer->setInterval(500);
    connect(AttesaTimer, &QTimer::timeout, this, &BoardWindow::recordWaitingSpins);
}

void BoardWindow::buildKeypad()
{
    Frame20 =
        placeFrame(Frame2, QStringLiteral("Frame20"), {480, 0, 7335, 1935}, QColor(255, 128, 0));
    // Line1: two pixels along the panel's top edge.
    placeFrame(Frame20, QStringLiteral("Line1"), {120, 0, 7440, 2 * twipsPerPixel},
             QColor(keypad::hiddenZeroColor));

    const QFont keyFont = msSansSerif(13.5, true);
    for (int i = 0; i < keypad::buttonCount; ++i) {
        QWidget* panel = i == 0 ? Frame2 : Frame20;
        QString caption = QStringLiteral("0");
        QRgb color = keypad::zeroGreen;
        if (i >= 1 && i <= keypad::numberButtons) {
            caption = keypad::captionAt(keypad::Layout::Design, i);
            color = keypad::colorAt(keypad::Layout::Design, i);
        } else if (i == keypad::hiddenZero) {
            color = keypad::hiddenZeroColor;
        }
        Command9[i] = placeColorButton(panel, arrayName("Command9", i), keypad::buttonTwips(i),
                                     caption, QColor(color));
        Command9[i]->setFont(keyFont);
        connect(Command9[i], &QPushButton::clicked, this, [this, i] { enterSpin(i); });
    }
    ColorButton* spare = Command9[keypad::hiddenZero];
    spare->setFont(msSansSerif(18, true));
    spare->setEnabled(false);
    spare->hide();
}

void BoardWindow::buildTitleAndHistory()
{
    auto* title = placeLabel(Frame22, QStringLiteral("Label3"), {600, 0, 3855, 735},
                           tr("Roulette Zentrima 13"));
    setLook(title, QColor(255, 255, 128),
            designFont(QStringLiteral("Times New Roman"), 20.25, false, QFont::Serif));
    Label6 = placeLabel(Frame22, QStringLiteral("Label6"), {7200, 120, 1455, 495},
                      tr("Ultimo:"));
    setLook(Label6, Qt::white, msSansSerif(13.5, true));
    // In the free band of the title row, where a typed number shows over it.
    Attesa = placeLabel(Frame22, QStringLiteral("Attesa"), {4560, 15, 2460, 450}, {},
                        Qt::AlignCenter);
    Attesa->setFont(msSansSerif(8.25, true));
    Attesa->setAutoFillBackground(true);
    QPalette attesa = Attesa->palette();
    attesa.setColor(QPalette::WindowText, QColor(192, 0, 0));
    attesa.setColor(QPalette::Window, QColor(255, 255, 255));
    Attesa->setPalette(attesa);
    Attesa->hide();
    // Where the waiting spins show, under them: recording switched off by the replay.
    Spenta = placeLabel(Frame22, QStringLiteral("Spenta"), {4560, 15, 2460, 450},
                        tr("Registrazione spenta\ndal replay"), Qt::AlignCenter);
    Spenta->setFont(msSansSerif(8.25, true));
    Spenta->setAutoFillBackground(true);
    QPalette spenta = Spenta->palette();
    spenta.setColor(QPalette::WindowText, QColor(0, 0, 0));
    spenta.setColor(QPalette::Window, QColor(255, 255, 0));
    Spenta->setPalette(spenta);
    Spenta->setToolTip(tr("Il replay (\"GO\" o \"Invia\") ha tolto la spunta a \"%1\": le "
                          "uscite che entrano ora non vengono registrate. Spunta di nuovo la "
                          "casella in basso a destra per registrarle.")
                           .arg(tr("Registra Uscite")));
    Spenta->hide();
    Spenta->stackUnder(Attesa);

    Text1 = place<LinesBox>(Frame22, QStringLiteral("Text1"), {7920, 480, 1095, 1095});
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setBackColor(Text1, QColor(192, 192, 192));
    Text1->setFont(msSansSerif(9.75, true));

    Text3 = place<QLineEdit>(Frame22, QStringLiteral("Text3"));
    Text3->setText(QStringLiteral("36"));
    Text3->hide();
    connect(Text3, &QLineEdit::editingFinished, this, &BoardWindow::readHistorySize);
    CM_pulsante = placeHidden(Frame22, QStringLiteral("CM_pulsante"), QStringLiteral("CM_pulsante"));
    connect(CM_pulsante, &HiddenBox::textChanged, this, &BoardWindow::spinBridgeChanged);
    CM_Azzera = placeHidden(Frame22, QStringLiteral("CM_Azzera"), QStringLiteral("CM_Azzera"));
    connect(CM_Azzera, &HiddenBox::textChanged, this, &BoardWindow::resetBridgeChanged);
}

void BoardWindow::startUp()
{
    readHistorySize();
    Combo1->setCurrentIndex(Combo1->findData(QStringLiteral("Tutti")));
    Combo7->setCurrentIndex(Combo7->findText(QStringLiteral(".")));
    saveKeypadColors();
    CM_pulsante->setText(QStringLiteral("ok"));
    setNoteColor(Qt::black);
    recordSpinsLeftWaiting();
}

void BoardWindow::saveKeypadColors()
{
    for (int i = 0; i < int(ColoriTastiera.size()); ++i)
        ColoriTastiera[i] = Command9[i]->backColor().rgb();
}

QColor BoardWindow::noteColor() const
{
    return note_0->palette().color(QPalette::Text);
}

void BoardWindow::setNoteColor(const QColor& color)
{
    QPalette p = note_0->palette();
    p.setColor(QPalette::Text, color);
    note_0->setPalette(p);
}

void BoardWindow::readHistorySize()
{
    // A smaller size drops the oldest spins at once: the box shows what is held.
    const int held = StoriaUscite.count();
    StoriaUscite.setSize(History::sizeFromText(Text3->text()));
    journal.keepNewest(StoriaUscite.count());
    if (StoriaUscite.count() != held)
        showHistory(StoriaUscite);
}

void BoardWindow::lockToggled(bool locked)
{
    note_0->setReadOnly(!locked);
}

void BoardWindow::quorixToggled(bool on)
{
    Combo1->setVisible(!on);
    Label1->setVisible(!on);
    if (on)
        Check3->setChecked(false);
}

void BoardWindow::zentrimaToggled(bool on)
{
    if (on)
        Check2->setChecked(false);
}

void BoardWindow::closeEvent(QCloseEvent* event)
{
    // Closing the board ends the run at once, whatever else is open: every
    // event loop returns, and loops that process events stop at their next check.
    event->accept();
    if (!Adodc2.waiting().empty())
        Adodc2.writeWaiting(SpinRecorder::kCloseWait);
    links_.session().ending = true;
    QCoreApplication::exit(0);
}

} // namespace zt
