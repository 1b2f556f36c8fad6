// The money window: its controls, the settings file, the readout that
// follows the board's spins, and the work done on threads of their own (the
// recorded rows replayed, the simulated evenings).  The charts are drawn in
// moneycharts.cpp.

#include "windows/moneywindow.h"

#include "core/session.h"
#include "core/textrules.h"
#include "core/verifier.h"
#include "store/replayreader.h"
#include "store/storefile.h"
#include "ui/look.h"
#include "windows/chartparts.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <thread>

namespace zt {

// Defined in moneycharts.cpp.
void drawBalance(QChart* chart, const std::vector<BalancePoint>& trace, const QString& title);
void drawEvenings(QChart* chart, const SimulationFigures& figures, double chip);

namespace {

// The readout follows the board this often while the window is shown.
constexpr int kFollowMs = 250;

// The items of Progressione, in order.
enum ProgressionItem { Fixed, ByList, Recovery };

template <class Box> Box* numberBox(QWidget* parent, const QString& name, double least, double most)
{
    auto* box = new Box(parent);
    box->setObjectName(name);
    box->setRange(least, most);
    box->setLocale(shownLocale());
    box->setGroupSeparatorShown(true);
    return box;
}

} // namespace

// The size the window asks for, within the screen's free area.
constexpr QSize kPreferred(1100, 860);

struct MoneyWindow::Job {
    QThread* thread = nullptr;
    ~Job()
    {
        thread->wait();
        delete thread;
    }
};

MoneyWindow::MoneyWindow(Links& links) : links_(links)
{
    setObjectName(QStringLiteral("Puntate"));
    setWindowTitle(tr("Puntate"));
    resize(kPreferred);
    buildControls();
    MoneyPreferences shown = readMoneyPreferences(QString::fromLatin1(settingsFileName));
    shown.bet = links_.session().play.settings();
    showPreferences(shown);

    followTimer_ = new QTimer(this);
    followTimer_->setInterval(kFollowMs);
    connect(followTimer_, &QTimer::timeout, this, [this] {
        if (isVisible())
            follow();
    });
    followTimer_->start();
    follow();
}

MoneyWindow::~MoneyWindow() = default;

void MoneyWindow::showEvent(QShowEvent* event)
{
    if (!placed_) {
        placed_ = true;
        placeOnScreen(this, kPreferred);
    }
    SharedWindow::showEvent(event);
}

void MoneyWindow::buildControls()
{
    // The stakes.
    auto* stakes = new QGroupBox(tr("Come punti"), this);
    Puntata = numberBox<QSpinBox>(stakes, QStringLiteral("Puntata"), 1, 1'000'000'000);
    Puntata->setToolTip(tr("Fiches su ognuno dei numeri della proposta seguita"));
    Progressione = new QComboBox(stakes);
    Progressione->setObjectName(QStringLiteral("Progressione"));
    Progressione->addItems({tr("Fissa"), tr("Elenco per tentativo"), tr("Recupero")});
    Progressione->setToolTip(
        tr("Fissa: sempre la puntata. Elenco: la puntata per i multipli scritti, un tentativo "
           "dopo l'altro, l'ultimo ripetuto. Recupero: la puntata più piccola con cui un colpo "
           "vinto rende almeno l'obiettivo su tutto il puntato sulla proposta."));
    Elenco = new QLineEdit(QStringLiteral("1,1,2,3,5,8"), stakes);
    Elenco->setObjectName(QStringLiteral("Elenco"));
    Elenco->setToolTip(tr("I multipli della puntata per tentativo, separati da virgole"));
    Obiettivo = numberBox<QSpinBox>(stakes, QStringLiteral("Obiettivo"), 1, 1'000'000'000);
    Obiettivo->setToolTip(tr("Il recupero: quanto rende almeno un colpo vinto, in fiches"));
    MassimoTavolo = numberBox<QSpinBox>(stakes, QStringLiteral("MassimoTavolo"), 0, 1'000'000'000);
    MassimoTavolo->setSpecialValueText(tr("nessuno"));
    MassimoTavolo->setToolTip(tr("La puntata più alta che il tavolo accetta su un numero"));
    Cassa = numberBox<QSpinBox>(stakes, QStringLiteral("Cassa"), 0, 1'000'000'000);
    Cassa->setSpecialValueText(tr("nessuna"));
    Cassa->setToolTip(tr("Le fiches della serata: alla prima puntata che non coprono la serata "
                         "finisce (rovina)"));
    ValoreFiche = numberBox<QDoubleSpinBox>(stakes, QStringLiteral("ValoreFiche"), 0.01, 1'000'000);
    ValoreFiche->setDecimals(2);
    ValoreFiche->setToolTip(tr("Quanto vale una fiche: le somme si leggono nella tua moneta"));
    Avviso = new QLabel(stakes);
    Avviso->setObjectName(QStringLiteral("Avviso"));
    Avviso->setWordWrap(true);
    setForeColor(Avviso, QColor(192, 0, 0));
    auto* form = new QFormLayout;
    form->addRow(tr("Puntata:"), Puntata);
    form->addRow(tr("Progressione:"), Progressione);
    form->addRow(tr("Multipli:"), Elenco);
    form->addRow(tr("Obiettivo:"), Obiettivo);
    auto* form2 = new QFormLayout;
    form2->addRow(tr("Massimo al tavolo:"), MassimoTavolo);
    form2->addRow(tr("Cassa:"), Cassa);
    form2->addRow(tr("Valore fiche:"), ValoreFiche);
    auto* stakesLayout = new QHBoxLayout;
    stakesLayout->addLayout(form, 1);
    stakesLayout->addLayout(form2, 1);
    auto* stakesBox = new QVBoxLayout(stakes);
    stakesBox->addLayout(stakesLayout);
    stakesBox->addWidget(Avviso);
    Avviso->hide();

    // The readout of the evening.
    Prossima = new QLabel(this);
    Prossima->setObjectName(QStringLiteral("Prossima"));
    Prossima->setWordWrap(true);
    QFont big = Prossima->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    Prossima->setFont(big);
    SaldoSerata = new QLabel(this);
    SaldoSerata->setObjectName(QStringLiteral("SaldoSerata"));
    SaldoSerata->setWordWrap(true);
    NuovaSerata = new QPushButton(tr("Nuova serata"), this);
    NuovaSerata->setObjectName(QStringLiteral("NuovaSerata"));
    NuovaSerata->setToolTip(tr("Il saldo della serata riparte da zero"));
    auto* readout = new QHBoxLayout;
    auto* readoutTexts = new QVBoxLayout;
    readoutTexts->addWidget(Prossima);
    readoutTexts->addWidget(SaldoSerata);
    readout->addLayout(readoutTexts, 1);
    readout->addWidget(NuovaSerata, 0, Qt::AlignTop);

    // The balance over the spins.
    Curva = new QComboBox(this);
    Curva->setObjectName(QStringLiteral("Curva"));
    Curva->addItems({tr("Serata"), tr("Ultimo GO"), tr("Uscite registrate")});
    TipoRighe = new QComboBox(this);
    TipoRighe->setObjectName(QStringLiteral("TipoRighe"));
    TipoRighe->addItems({tr("Tutte"), tr("Solo Live"), tr("Solo Spin")});
    TipoRighe->setEnabled(false);
    auto* curveRow = new QHBoxLayout;
    curveRow->addWidget(new QLabel(tr("Saldo di:"), this));
    curveRow->addWidget(Curva);
    curveRow->addWidget(TipoRighe);
    curveRow->addStretch(1);
    GraficoSaldo = chartView(this, QStringLiteral("GraficoSaldo"));
    FiguraSaldo = figureLabel(this, QStringLiteral("FiguraSaldo"), Qt::PlainText);
    FiguraSaldo->setMinimumWidth(300);
    auto* balance = new QHBoxLayout;
    balance->addWidget(GraficoSaldo, 3);
    balance->addWidget(FiguraSaldo, 1);

    // The simulated evenings.
    Serate = numberBox<QSpinBox>(this, QStringLiteral("Serate"), 1, 10'000'000);
    UsciteSerata = numberBox<QSpinBox>(this, QStringLiteral("UsciteSerata"), 1, 1'000'000);
    Seme = numberBox<QSpinBox>(this, QStringLiteral("Seme"), 0, std::numeric_limits<int>::max());
    Seme->setGroupSeparatorShown(false);
    Seme->setToolTip(tr("Lo stesso seme dà le stesse serate"));
    Simula = new QPushButton(tr("Simula"), this);
    Simula->setObjectName(QStringLiteral("Simula"));
    Simula->setToolTip(tr("Gioca le serate a caso con le impostazioni del tavolo e queste puntate"));
    auto* simulationRow = new QHBoxLayout;
    simulationRow->addWidget(new QLabel(tr("Serate simulate:"), this));
    simulationRow->addWidget(Serate);
    simulationRow->addWidget(new QLabel(tr("da uscite:"), this));
    simulationRow->addWidget(UsciteSerata);
    simulationRow->addWidget(new QLabel(tr("seme:"), this));
    simulationRow->addWidget(Seme);
    simulationRow->addWidget(Simula);
    simulationRow->addStretch(1);
    GraficoSerate = chartView(this, QStringLiteral("GraficoSerate"));
    FiguraSerate = figureLabel(this, QStringLiteral("FiguraSerate"), Qt::PlainText);
    FiguraSerate->setMinimumWidth(300);
    auto* evenings = new QHBoxLayout;
    evenings->addWidget(GraficoSerate, 3);
    evenings->addWidget(FiguraSerate, 1);

    // Everything scrolls when the window is smaller than the charts need (a
    // small screen, a large scale).
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("Contenuto"));
    auto* all = new QVBoxLayout(content);
    all->addWidget(stakes);
    all->addLayout(readout);
    all->addLayout(curveRow);
    all->addLayout(balance, 1);
    all->addLayout(simulationRow);
    all->addLayout(evenings, 1);
    Scorrimento = new QScrollArea(this);
    Scorrimento->setObjectName(QStringLiteral("Scorrimento"));
    Scorrimento->setWidgetResizable(true);
    Scorrimento->setFrameShape(QFrame::NoFrame);
    Scorrimento->setWidget(content);
    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->addWidget(Scorrimento);

    const auto edited = [this] { settingsEdited(); };
    connect(Puntata, &QSpinBox::valueChanged, this, edited);
    connect(Progressione, &QComboBox::currentIndexChanged, this, edited);
    // A list counts once written (Enter, or the keyboard moved elsewhere),
    // not at each figure typed.
    connect(Elenco, &QLineEdit::editingFinished, this, edited);
    connect(Obiettivo, &QSpinBox::valueChanged, this, edited);
    connect(MassimoTavolo, &QSpinBox::valueChanged, this, edited);
    connect(Cassa, &QSpinBox::valueChanged, this, edited);
    connect(ValoreFiche, &QDoubleSpinBox::valueChanged, this, edited);
    connect(Serate, &QSpinBox::valueChanged, this, edited);
    connect(UsciteSerata, &QSpinBox::valueChanged, this, edited);
    connect(Seme, &QSpinBox::valueChanged, this, edited);
    connect(NuovaSerata, &QPushButton::clicked, this, [this] {
        links_.session().play.newEvening();
        follow();
    });
    connect(Curva, &QComboBox::currentIndexChanged, this, [this](int item) {
        TipoRighe->setEnabled(Curve(item) == Curve::Recorded);
        showBalance();
    });
    connect(TipoRighe, &QComboBox::currentIndexChanged, this, [this] {
        recordedWanted_ = true;
        showBalance();
    });
    connect(Simula, &QPushButton::clicked, this, &MoneyWindow::simulate);

    GraficoSerate->chart()->setTitle(
        tr("Le serate simulate compaiono qui dopo «Simula»: quante finiscono con ogni saldo"));
    // The window opens with the keyboard on the chart, where keys change
    // nothing: digits typed for the board must not change a stake.
    GraficoSaldo->setFocusPolicy(Qt::StrongFocus);
    GraficoSaldo->setFocus();
}

void MoneyWindow::showPreferences(const MoneyPreferences& p)
{
    const QList<QWidget*> boxes{Puntata, Progressione, Elenco, Obiettivo, MassimoTavolo,
                                Cassa,   ValoreFiche,  Serate, UsciteSerata, Seme};
    std::vector<std::unique_ptr<QSignalBlocker>> quiet;
    for (QWidget* box : boxes)
        quiet.push_back(std::make_unique<QSignalBlocker>(box));
    const BetSettings& b = p.bet;
    Puntata->setValue(int(b.stake));
    Progressione->setCurrentIndex(b.progression == BetSettings::Progression::Flat   ? Fixed
                                  : b.progression == BetSettings::Progression::List ? ByList
                                                                                     : Recovery);
    if (b.progression == BetSettings::Progression::List)
        Elenco->setText(progressionText(b));
    Elenco->setEnabled(b.progression == BetSettings::Progression::List);
    Obiettivo->setValue(int(b.target));
    Obiettivo->setEnabled(b.progression == BetSettings::Progression::Recovery);
    MassimoTavolo->setValue(int(b.tableMax));
    Cassa->setValue(int(std::min<Chips>(b.bankroll, 1'000'000'000)));
    ValoreFiche->setValue(b.chip);
    Serate->setValue(p.simulation.evenings);
    UsciteSerata->setValue(p.simulation.spins);
    Seme->setValue(int(std::min<std::uint64_t>(p.simulation.seed, std::numeric_limits<int>::max())));
}

void MoneyWindow::settingsEdited()
{
    BetSettings b;
    b.stake = Puntata->value();
    b.target = Obiettivo->value();
    b.tableMax = MassimoTavolo->value();
    b.bankroll = Cassa->value();
    b.chip = ValoreFiche->value();
    const int item = Progressione->currentIndex();
    Elenco->setEnabled(item == ByList);
    Obiettivo->setEnabled(item == Recovery);
    const QString progression = item == Fixed     ? QStringLiteral("flat")
                                : item == Recovery ? QStringLiteral("recovery")
                                                   : Elenco->text();
    const auto chosen = withProgression(b, progression);
    Avviso->setVisible(!chosen);
    if (!chosen) {
        Avviso->setText(tr("I multipli «%1» non vanno: scrivi un numero intero per tentativo, "
                           "separati da virgole, come 1,1,2,3,5,8. Restano le puntate di prima.")
                            .arg(Elenco->text()));
        return;
    }
    links_.session().play.setSettings(*chosen);
    // Only the table's maximum cuts a stake: without one, a multiple that
    // asks for more than the program holds on a number is not played.
    if (chosen->progression == BetSettings::Progression::List && chosen->tableMax == 0) {
        const Chips most = *std::max_element(chosen->list.begin(), chosen->list.end());
        if (ChipSum(chosen->stake) * most > StakeTable::ceiling) {
            Avviso->setText(tr("Il multiplo %1 chiede %2 fiches per numero, oltre %3: senza un "
                               "massimo al tavolo quei tentativi non si giocano.")
                                .arg(chipsText(most), chipsText(ChipSum(chosen->stake) * most),
                                     chipsText(StakeTable::ceiling)));
            Avviso->show();
        }
    }
    const MoneyPreferences p{*chosen, {Serate->value(), UsciteSerata->value(),
                                       std::uint64_t(Seme->value())}};
    if (!writeMoneyPreferences(QString::fromLatin1(settingsFileName), p)) {
        Avviso->setText(tr("Le impostazioni valgono per ora ma non sono state salvate: il file "
                           "%1 non si può scrivere.")
                            .arg(QDir::current().absoluteFilePath(
                                QString::fromLatin1(settingsFileName))));
        Avviso->show();
    }
    recordedWanted_ = true;
    follow();
}

VerifySettings MoneyWindow::replaySettings() const
{
    VerifySettings v;
    const BoardLink::Modes modes = links_.board().modes();
    v.mode = modes.quorix     ? VerifySettings::Mode::Quorix
             : modes.zentrima ? VerifySettings::Mode::Zentrima13
                              : VerifySettings::Mode::None;
    v.filter = modes.filter;
    SettingsLink& settings = links_.settings();
    const StringsSettings s = settings.settings();
    v.maxDelay = settings.maxDelayText();
    v.firstCheck = s.checkFirst;
    v.secondHit = s.checkSecond;
    v.resetAfterString = s.resetAfter;
    v.bet = links_.session().play.settings();
    return v;
}

// --- The readout -------------------------------------------------------------

QString MoneyWindow::nextStakeText() const
{
    const LivePlay& play = links_.session().play;
    const BetSettings& s = play.settings();
    const EveningFigures& f = play.evening().figures();
    const auto money = [&](ChipSum chips) { return moneyText(chips, s.chip); };
    if (f.ruined)
        return tr("Serata in rovina al colpo %1: la cassa non copre più le puntate.")
            .arg(f.ruinSpin);
    const FollowedSpin next = links_.board().nextSpin();
    if (next.size == 0)
        return tr("Nessuna proposta seguita: nessuna puntata.");
    if (!play.table().recoverable(next.size))
        return tr("Con %1 numeri il recupero è impossibile: nessuna puntata.").arg(next.size);
    const StakeTable::Stake stake = play.table().at(next.size, next.attempt);
    if (stake.overLimit)
        return tr("Tentativo %1: nessuna puntata, la progressione chiederebbe più di %2 fiches "
                  "per numero.")
            .arg(next.attempt)
            .arg(chipsText(StakeTable::ceiling));
    if (stake.chips <= 0)
        return tr("Tentativo %1: nessuna puntata.").arg(next.attempt);
    QString text = tr("Prossima puntata: %1 su ognuno dei %2 numeri (%3 in tutto), tentativo %4",
                      nullptr, next.size)
                       .arg(money(stake.chips))
                       .arg(next.size)
                       .arg(money(ChipSum(next.size) * stake.chips))
                       .arg(next.attempt);
    if (stake.capped)
        text += tr(", ridotta al massimo del tavolo");
    if (s.bankroll > 0 && s.bankroll + f.net() < ChipSum(next.size) * stake.chips)
        text += tr(": la cassa non la copre");
    return text + u'.';
}

QString MoneyWindow::balanceFigures() const
{
    return FiguraSaldo->text();
}

QString MoneyWindow::simulationFigures() const
{
    return FiguraSerate->text();
}

bool MoneyWindow::isBusy() const
{
    return recordedJob_ || simulationJob_;
}

void MoneyWindow::follow()
{
    const LivePlay& play = links_.session().play;
    const BetSettings& s = play.settings();
    const EveningFigures& f = play.evening().figures();
    const auto money = [&](ChipSum chips) { return moneyText(chips, s.chip); };
    Prossima->setText(nextStakeText());
    QString evening = tr("Serata: saldo %1, puntato %2 in %3 colpi; atteso dal caso %4 ± %5",
                         nullptr, int(f.stakedSpins))
                          .arg(money(f.net()), money(f.staked))
                          .arg(f.stakedSpins)
                          .arg(moneyText(-f.staked, s.chip, 37), amountText(f.sd(), s.chip));
    if (s.bankroll > 0)
        evening += tr("; cassa %1").arg(money(s.bankroll + f.net()));
    SaldoSerata->setText(evening + u'.');
    const Curve curve = Curve(Curva->currentIndex());
    if (curve == Curve::Recorded) {
        if (recordedWanted_ && !recordedJob_ && isVisible())
            readRecorded();
    } else if (play.version() != shownVersion_) {
        showBalance();
    }
}

void MoneyWindow::dataChanged(DataChange change)
{
    if (change != DataChange::TallyChanged)
        recordedWanted_ = true;
    follow();
}

void MoneyWindow::showBalance()
{
    const LivePlay& play = links_.session().play;
    shownVersion_ = play.version();
    switch (Curve(Curva->currentIndex())) {
    case Curve::Evening:
        showTrace(play.eveningTrace(), play.evening().figures(), tr("Saldo della serata"), {});
        break;
    case Curve::LastGo:
        showTrace(play.goTrace(), play.lastGo().figures(), tr("Saldo dell'ultimo GO"),
                  play.goRunning() ? QStringList{tr("(GO in corso)")} : QStringList{});
        break;
    case Curve::Recorded:
        if (recordedWanted_)
            readRecorded();
        else
            showTrace(recordedTrace_, recordedFigures_, tr("Saldo delle uscite registrate"),
                      recordedLines_);
        break;
    }
}

void MoneyWindow::showTrace(const std::vector<BalancePoint>& trace, const EveningFigures& figures,
                            const QString& title, const QStringList& extraLines)
{
    drawBalance(GraficoSaldo->chart(), trace, title);
    const QStringList lines = eveningLines(figures, links_.session().play.settings()) + extraLines;
    FiguraSaldo->setText(lines.join(u'\n'));
    Q_EMIT refreshed();
}

// --- Work on threads of its own ----------------------------------------------

void MoneyWindow::startJob(std::unique_ptr<Job>& slot, std::function<void()> work,
                           std::function<void()> done)
{
    slot = std::make_unique<Job>();
    slot->thread = QThread::create(std::move(work));
    connect(slot->thread, &QThread::finished, this, [&slot, done = std::move(done)] {
        const std::unique_ptr<Job> job = std::move(slot);
        done();
    });
    slot->thread->start();
}

void MoneyWindow::readRecorded()
{
    if (recordedJob_)
        return;
    recordedWanted_ = false;
    FiguraSaldo->setText(tr("Lettura delle uscite registrate…"));
    struct Reading {
        VerifySettings settings;
        int type = 0;
        QString path;
        ReplayRead read = ReplayRead::Done;
        QString problem;
        std::vector<BalancePoint> trace;
        EveningFigures figures;
        SpinClock clock;
        bool missing = false;
    };
    auto r = std::make_shared<Reading>();
    r->settings = replaySettings();
    r->type = TipoRighe->currentIndex();
    r->path = QDir::current().absoluteFilePath(QString::fromLatin1(kStoreFileName));
    startJob(
        recordedJob_,
        [r] {
            r->missing = !QFileInfo::exists(r->path);
            if (r->missing)
                return;
            ReplayRows rows;
            r->read = readReplayRowsOfType(r->path, r->type, rows, &r->clock, &r->problem);
            if (r->read == ReplayRead::Done)
                r->figures = playRows(rows, r->settings, &r->trace);
        },
        [this, r] {
            recordedTrace_ = std::move(r->trace);
            recordedFigures_ = r->figures;
            recordedLines_ = clockLines(r->clock);
            if (r->missing)
                recordedLines_ = {tr("Nessuna uscita registrata: dati.mdb non c'è ancora.")};
            else if (r->read != ReplayRead::Done)
                recordedLines_ = {storeMessage(r->problem, StoreAction::Read)};
            if (Curve(Curva->currentIndex()) == Curve::Recorded)
                showBalance();
        });
}

void MoneyWindow::simulate()
{
    if (simulationJob_)
        return;
    VerifySettings v = replaySettings();
    v.simulation = {Serate->value(), UsciteSerata->value(), std::uint64_t(Seme->value())};
    Simula->setEnabled(false);
    FiguraSerate->setText(tr("Simulazione di %1 serate…", nullptr, v.simulation.evenings)
                              .arg(v.simulation.evenings));
    auto result = std::make_shared<SimulationFigures>();
    const int threads = int(std::max(1u, std::thread::hardware_concurrency()));
    startJob(
        simulationJob_, [v, result, threads] { *result = simulateEvenings(v, threads); },
        [this, result, bet = v.bet] {
            Simula->setEnabled(true);
            drawEvenings(GraficoSerate->chart(), *result, bet.chip);
            FiguraSerate->setText(
                simulationLines(*result, bet).join(u'\n') +
                tr("\n\nNessuna progressione cambia il conto: in media si perde 1/37 del "
                   "puntato, qualunque sia la puntata."));
            Q_EMIT refreshed();
        });
}

} // namespace zt
