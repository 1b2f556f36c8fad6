// The outcome viewer's layout: its controls, where they sit and what their
// signals start.  The handlers are in viewerhandlers.cpp, the automatic run
// in gorun.cpp.

#include "windows/viewerwindow.h"

#include "store/recordcursor.h"
#include "store/storecommands.h"
#include "ui/focusframe.h"
#include "ui/form.h"
#include "ui/hiddenbox.h"
#include "ui/linesbox.h"
#include "ui/look.h"
#include "ui/navigationbar.h"
#include "ui/recordgrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTableView>

#include <limits>

namespace zt {

namespace {

QLabel* label(QWidget* parent, const char* name, const QRect& twips, const QString& text,
              bool bold, Qt::Alignment align = Qt::AlignLeft)
{
    auto* c = placeLabel(parent, QLatin1String(name), twips, text, align);
    c->setFont(msSansSerif(8.25, bold));
    return c;
}

QFrame* panel(QWidget* parent, const char* name, const QRect& twips)
{
    return placeFrame(parent, QLatin1String(name), twips, QColor(192, 64, 0));
}

} // namespace

ViewerWindow::ViewerWindow(Links& links)
    : links_(links), source_(new RecordCursor(viewerCommand(), this))
{
    setObjectName(QStringLiteral("visualizzaUsc"));
    setWindowTitle(tr("Visualizza Uscite"));
    setFont(controlFont());
    setBackColor(this, QColor(128, 64, 0));
    setFixedSize(twipsSize(11655, 6480));

    buildTopStrip();
    buildOptionsPanel(panel(this, "Frame3", {5160, 360, 2535, 2775}));
    buildSendingPanel(panel(this, "Frame2", {7800, 360, 3615, 2775}));
    buildResultsPanel(panel(this, "Frame1", {5160, 3240, 6255, 2415}));
    buildBottomButtons();
    setInitialTexts();
    buildCsvShortcuts();
    connect(source_, &RecordCursor::currentChanged, this, &ViewerWindow::showRow);
    if (!source_->open())
        reportSourceError();
    showRow();

    if (QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
}

ViewerWindow::~ViewerWindow() = default;

void ViewerWindow::buildTopStrip()
{
    label(this, "Label9", {120, 120, 1215, 255}, tr("Tipo:"), true);
    Combo7 = place<QComboBox>(this, QStringLiteral("Combo7"), {600, 0, 975, 315});
    Combo7->setEditable(true);
    Combo7->setInsertPolicy(QComboBox::NoInsert);
    Combo7->addItems({QStringLiteral("."), QStringLiteral("Live"), QStringLiteral("Spin")});
    Combo7->setCurrentIndex(-1);
    Combo7->setEditText(tr("Scegli"));
    // Only a pick from the list filters (the list, or the arrow keys on the
    // closed box): text typed into the box and confirmed with Enter, or left
    // by moving away, does not pick the item it spells.
    QObject::disconnect(Combo7->lineEdit(), SIGNAL(returnPressed()), Combo7, nullptr);
    QObject::disconnect(Combo7->lineEdit(), SIGNAL(editingFinished()), Combo7, nullptr);
    connect(Combo7, &QComboBox::activated, this, &ViewerWindow::filtra);

    connect(placeButton(this, QStringLiteral("Command11"), {1800, 70, 735, 255}, tr("Cerca")),
            &QPushButton::clicked, this, [this] { links_.show(Links::Window::Notes); });

    // The note comes back from "Conferma" as stored or typed, whatever its
    // length; line breaks and tabs stay in the text (shown as blanks).
    Text20 = placeBox(this, QStringLiteral("Text20"), {2760, 0, 8655, 285});
    Text20->setFont(msSansSerif(8.25, true));
    Text20->setMaxLength(std::numeric_limits<int>::max());

    DataGrid1 = place<QTableView>(this, QStringLiteral("DataGrid1"), {120, 360, 4935, 6015});
    DataGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DataGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DataGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DataGrid1->verticalHeader()->setDefaultSectionSize(18);
    grid_ = new RecordGrid(source_,
                           {QStringLiteral("id"), QStringLiteral("Numero"),
                            QStringLiteral("Memoria"), QStringLiteral("Tipo"),
                            QStringLiteral("Cima"), QStringLiteral("Memcima")},
                           this);
    DataGrid1->setModel(grid_);
    grid_->trackSelection(DataGrid1->selectionModel());
    connect(DataGrid1, &QTableView::clicked, this, &ViewerWindow::gridClicked);
    auto* statisticsKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_T), this);
    connect(statisticsKey, &QShortcut::activated, this,
            [this] { links_.show(Links::Window::Statistics); });
    auto* moneyKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this);
    connect(moneyKey, &QShortcut::activated, this, [this] { links_.show(Links::Window::Money); });

    // The window opens with the keyboard on the list, where keys edit nothing
    // (the repeat of the Ctrl+U that opened it included).
    DataGrid1->setFocus();

    Text7 = placeHidden(this, QStringLiteral("Text7"), {}, {600, 1080, 615, 285});
    Text12 = placeHidden(this, QStringLiteral("Text12"), {}, {1560, 1080, 615, 285});
    Text5 = placeHidden(this, QStringLiteral("Text5"), {}, {9600, 0, 615, 285});
    Text5->setText(QStringLiteral("ok"));
    connect(Text5, &HiddenBox::textChanged, this, &ViewerWindow::posizioneDaNote);

}

void ViewerWindow::buildSendingPanel(QWidget* f)
{
    placeLine(f, QStringLiteral("Line1"), -120, 720, 3360, 3);
    placeLine(f, QStringLiteral("Line4"), 0, 1680, 3480, 3);

    label(f, "Label21", {120, 0, 975, 255}, tr("Posizione:"), true);
    Text21 = placeBox(f, QStringLiteral("Text21"), {120, 240, 735, 285});
    connect(placeButton(f, QStringLiteral("Command10"), {960, 240, 735, 375}, tr("Cerca")),
            &QPushButton::clicked, this, &ViewerWindow::trova);
    place<NavigationBar>(f, QStringLiteral("Adodc1"), {1800, 240, 1575, 330})->drive(source_);

    setForeColor(label(f, "Label1", {120, 840, 1575, 255}, tr("Prossimo num.:"), true),
                 QColor(217, 187, 17));
    Text1 = placeBox(f, QStringLiteral("Text1"), {120, 1080, 975, 495}, Qt::AlignHCenter);
    Text1->setFont(msSansSerif(13.5, true));
    setForeColor(Text1, QColor(192, 0, 0));
    auto* spinButton = placeButton(f, QStringLiteral("Command4"), {1440, 840, 1935, 735}, tr("SPIN"));
    spinButton->setFont(msSansSerif(9.75, true));
    connect(spinButton, &QPushButton::clicked, this, &ViewerWindow::spin);

    label(f, "Label12", {0, 1800, 1575, 255}, tr("Numero Rand.:"), true);
    Text10 = placeBox(f, QStringLiteral("Text10"), {360, 2040, 975, 495}, Qt::AlignHCenter);
    Text10->setFont(msSansSerif(13.5, true));
    connect(placeButton(f, QStringLiteral("Command7"), {1440, 2040, 735, 495}, tr("Genera")),
            &QPushButton::clicked, this, &ViewerWindow::genera);
    connect(placeButton(f, QStringLiteral("Command8"), {2280, 2040, 495, 495}, tr("Invia")),
            &QPushButton::clicked, this, &ViewerWindow::invia);
    auto* both = placeButton(f, QStringLiteral("Command9"), {2880, 2040, 495, 495}, tr("G+I"));
    both->setToolTip(tr("Genera e Invia"));
    connect(both, &QPushButton::clicked, this, [this] {
        genera();
        invia();
    });
}

void ViewerWindow::buildOptionsPanel(QWidget* f)
{
    auto* settings = placeButton(f, QStringLiteral("Command12"), {120, 80, 2295, 375}, tr("Impostazioni"));
    settings->setToolTip(tr("Azzera"));
    connect(settings, &QPushButton::clicked, this,
            [this] { links_.toggle(Links::Window::Settings); });
    auto* reset = placeButton(f, QStringLiteral("Command5"), {120, 480, 2295, 375}, tr("Azzera"));
    reset->setToolTip(tr("Azzera"));
    connect(reset, &QPushButton::clicked, this, &ViewerWindow::azzera);

    label(f, "Label14", {0, 840, 1095, 255}, tr("Controlli:"), true, Qt::AlignHCenter);
    const QColor blue(154, 186, 235);
    const QColor grey(192, 192, 192);
    Check4 = placeCheck(f, QStringLiteral("Check4"), {120, 1080, 2295, 315}, tr("Stringa comp. a colpo"),
                      false, blue);
    Check6 = placeCheck(f, QStringLiteral("Check6"), {120, 1320, 2295, 240},
                      tr("Stringa comp. Progressione"), false, blue);
    Check8 = placeCheck(f, QStringLiteral("Check8"), {120, 1680, 2295, 255},
                      tr("Azzera Auto con memoria 1"), true, grey);
    Check1 = placeCheck(f, QStringLiteral("Check1"), {120, 2040, 1335, 225}, tr("Ritorno Aut."), true,
                      grey);
    Check1->setFont(designFont(QStringLiteral("Times New Roman"), 9.75, false, QFont::Serif));
    Check1->setToolTip(tr("Ritorna dopo l'elaborazione"));

    connect(placeButton(f, QStringLiteral("Command6"), {1560, 2040, 855, 255}, tr("GO")),
            &QPushButton::clicked, this, &ViewerWindow::go);
    label(f, "Label8", {120, 2400, 495, 255}, tr("Colpi:"), true);
    Text6 = placeBox(f, QStringLiteral("Text6"), {720, 2280, 615, 285}, Qt::AlignRight);
    connect(placeButton(f, QStringLiteral("Command14"), {1560, 2400, 855, 255}, tr("STOP")),
            &QPushButton::clicked, this, [this] { Check5->setChecked(true); });
}

void ViewerWindow::buildResultsPanel(QWidget* f)
{
    placeLine(f, QStringLiteral("Line5"), 2400, 600, 5040, 1);

    const auto centre = Qt::AlignHCenter;
    const QColor yellow(255, 255, 192);
    label(f, "Label13", {1200, 0, 3615, 255}, tr("Risultati della verifica"), true,
          centre);
    label(f, "Label19", {0, 240, 1095, 255}, tr("Verificate"), true, centre);
    Text16 = placeBox(f, QStringLiteral("Text16"), {1440, 240, 735, 285}, centre);
    setForeColor(
        label(f, "Label18", {5040, 240, 1095, 255}, tr("Fuori Lim."), true, centre),
        QColor(128, 0, 0));
    label(f, "Label2", {120, 720, 1215, 255}, tr("Conta Usc."), true);
    Text8 = placeBox(f, QStringLiteral("Text8"), {1440, 600, 735, 300}, centre);
    Text8->setFont(msSansSerif(9.75, true));
    Text13 = placeBox(f, QStringLiteral("Text13"), {2400, 600, 975, 285}, centre);
    label(f, "Label4", {3960, 600, 1095, 255}, tr("1° Uscita"), true, centre);
    Text15 = placeBox(f, QStringLiteral("Text15"), {5040, 600, 975, 285}, centre);
    Text15->setFont(msSansSerif(8.25, true));
    setBackColor(Text15, yellow);
    label(f, "Label5", {120, 1080, 1335, 255}, tr("Numeri Giocati"), true);
    Text9 = placeBox(f, QStringLiteral("Text9"), {1440, 960, 735, 315}, centre);
    Text9->setFont(msSansSerif(9.75, true));
    setForeColor(
        label(f, "Label6", {3960, 960, 1095, 255}, tr("2° Uscita"), true, centre),
        QColor(255, 0, 0));
    Text3 = placeBox(f, QStringLiteral("Text3"), {5040, 960, 975, 285}, centre);
    Text3->setFont(msSansSerif(8.25, true));
    setBackColor(Text3, yellow);
    setForeColor(Text3, QColor(255, 0, 0));

    // The counters are written only by the replay and the engine.
    for (QLineEdit* counter : {Text16, Text8, Text13, Text15, Text3, Text9})
        counter->setReadOnly(true);

    Text19B = placeHidden(f, QStringLiteral("Text19B"), {}, {4200, 1440, 735, 285});
    Text19B->setText(QStringLiteral("ok"));
    connect(Text19B, &HiddenBox::textChanged, this, &ViewerWindow::tallyPosted);

    label(f, "Label20", {120, 1440, 1455, 495}, tr("Dettaglio Colpi:"), true);
    // The detail grows all evening: only what is added is laid out again.
    Text19 = place<LinesBox>(f, QStringLiteral("Text19"), {1440, 1320, 4695, 645});
    Text19->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text19->setWordWrap(true);
    Text19->setTypingOnDemand(true);

    Check5 = place<QCheckBox>(f, QStringLiteral("Check5"), {120, 2040, 975, 195});
    Check5->setText(tr("Stop"));
    connect(placeButton(f, QStringLiteral("Command13"), {5040, 2040, 975, 315}, tr("SALVA")),
            &QPushButton::clicked, this, &ViewerWindow::salva);
}

void ViewerWindow::buildBottomButtons()
{
    connect(placeButton(this, QStringLiteral("Command2"), {5280, 5880, 1215, 495}, tr("Cancella")),
            &QPushButton::clicked, this, &ViewerWindow::cancella);
    // Beside "Cancella": its undo, also Ctrl+Z.
    Ripristina = placeButton(this, QStringLiteral("Ripristina"), {6555, 5880, 1185, 495},
                             tr("Ripristina"));
    connect(Ripristina, &QPushButton::clicked, this, &ViewerWindow::ripristina);
    connect(new QShortcut(QKeySequence::Undo, this), &QShortcut::activated, this,
            &ViewerWindow::ripristina);
    showUndo();
    connect(placeButton(this, QStringLiteral("Command3"), {7800, 5880, 1095, 495}, tr("Conferma")),
            &QPushButton::clicked, this, &ViewerWindow::conferma);
    connect(placeButton(this, QStringLiteral("Command1"), {10200, 5880, 1095, 495}, tr("Esci")),
            &QPushButton::clicked, this, &ViewerWindow::esci);

    // Tab follows the order the controls are made in, which is the order the
    // eye reads them: the top strip and the list, the options, the position
    // and sending, the results, the buttons at the bottom.  The list is one
    // stop: the arrows move in it, Tab leaves it.
    DataGrid1->setTabKeyNavigation(false);
    new FocusFrame(this);
}

void ViewerWindow::setInitialTexts()
{
    Text21->clear();
    Text13->setText(QStringLiteral("0"));
    Text6->setText(QStringLiteral("0"));
    Text8->setText(QStringLiteral("0"));
    Text9->setText(QStringLiteral("0"));
    Text10->clear();
    Text3->setText(QStringLiteral("0"));
    Text15->setText(QStringLiteral("0"));
    Text16->setText(QStringLiteral("0"));
    Text19->clear();
}

} // namespace zt
