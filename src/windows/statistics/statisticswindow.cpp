// The statistics window's layout and how it follows the data: changes, told
// or seen by watching dati.mdb, are gathered by a short timer, dati.mdb is
// read on a thread of its own (only the rows added since the last reading,
// unless the rows read before changed), and the figures are worked out from
// the spins read.  The charts are filled in statisticscharts.cpp.

#include "windows/statisticswindow.h"

#include "store/storefile.h"
#include "windows/chartparts.h"
#include "ui/look.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <atomic>

namespace zt {

namespace {

// The figures follow a change once no other has come for this long (spins
// coming fast cost one update), but never later than kMostWaitMs after it.
constexpr int kGatherMs = 250;
constexpr int kMostWaitMs = 2000;

// The size the window asks for, within the screen's free area; below this
// width the figures go one below the other.
constexpr QSize kPreferred(1200, 900);
constexpr int kSideBySideWidth = 900;
// The least heights that keep every label of the charts readable.
constexpr int kNumbersHeight = 180;
constexpr int kNumbersAcrossHeight = 37 * 24 + 140;

} // namespace

// One reading of dati.mdb, shared by the window and its thread.
struct StatisticsWindow::Reading {
    bool whole = true;
    SpinReading data;
    ReadResult result = ReadResult::Cancelled;
    QString problem;
    std::atomic<bool> cancel{false};
};

StatisticsWindow::StatisticsWindow(Links& links) : links_(links)
{
    setObjectName(QStringLiteral("Statistiche"));
    setWindowTitle(QStringLiteral("Statistiche"));
    resize(kPreferred);

    refreshTimer_ = new QTimer(this);
    refreshTimer_->setSingleShot(true);
    connect(refreshTimer_, &QTimer::timeout, this, &StatisticsWindow::refresh);

    buildControls();
    schedule(0);

    // dati.mdb changed by anyone (the file itself), or made, removed or
    // replaced (its folder, where other files come and go too).
    watcher_ = new QFileSystemWatcher(this);
    watcher_->addPath(QDir::currentPath());
    watchFile();
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, [this] {
        if (readWanted_ == Read::None)
            readWanted_ = Read::NewRows;
        gather();
    });
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, [this] {
        if (!watchFile())
            return;
        if (readWanted_ == Read::None)
            readWanted_ = Read::NewRows; // the reader tells another file
        gather();
    });
}

StatisticsWindow::~StatisticsWindow()
{
    if (reader_) {
        reading_->cancel = true;
        reader_->wait();
        delete reader_;
    }
}

void StatisticsWindow::buildControls()
{
    auto* top = new QHBoxLayout;
    auto* chooseLabel = new QLabel(QStringLiteral("Uscite:"), this);
    chooseLabel->setTextFormat(Qt::PlainText);
    Filtro = new QComboBox(this);
    Filtro->setObjectName(QStringLiteral("Filtro"));
    // In the order of stats::TypeFilter.
    Filtro->addItems({QStringLiteral("Tutte"), QStringLiteral("Solo Live"), QStringLiteral("Solo Spin")});
    SoloUltime = new QCheckBox(QStringLiteral("Solo le ultime"), this);
    SoloUltime->setObjectName(QStringLiteral("SoloUltime"));
    Ultime = new QSpinBox(this);
    Ultime->setObjectName(QStringLiteral("Ultime"));
    Ultime->setRange(1, 100'000'000);
    Ultime->setValue(1000);
    Ultime->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    Ultime->setGroupSeparatorShown(true);
    Ultime->setEnabled(false);
    SalvaImmagine = new QPushButton(QStringLiteral("Salva immagine"), this);
    SalvaImmagine->setObjectName(QStringLiteral("SalvaImmagine"));
    SalvaImmagine->setToolTip(QStringLiteral("Salva i grafici come immagine PNG"));
    auto* viewLabel = new QLabel(tr("Grafico dei numeri:"), this);
    viewLabel->setTextFormat(Qt::PlainText);
    VistaNumeri = new QComboBox(this);
    VistaNumeri->setObjectName(QStringLiteral("VistaNumeri"));
    VistaNumeri->addItems({tr("Uscite"), tr("Scarto dal caso (z)")});
    VistaNumeri->setToolTip(tr("Le uscite di ogni numero, o di quante deviazioni standard "
                               "ognuno è sopra o sotto l'attesa del caso"));
    viewLabel->setBuddy(VistaNumeri);
    Stato = new QLabel(this);
    Stato->setObjectName(QStringLiteral("Stato"));
    Stato->setTextFormat(Qt::PlainText); // it may tell a driver's message
    Stato->setWordWrap(true);
    top->addWidget(chooseLabel);
    top->addWidget(Filtro);
    top->addSpacing(12);
    top->addWidget(SoloUltime);
    top->addWidget(Ultime);
    top->addStretch(1);
    top->addWidget(SalvaImmagine);
    auto* second = new QHBoxLayout;
    second->addWidget(viewLabel);
    second->addWidget(VistaNumeri);
    second->addSpacing(12);
    second->addWidget(Stato, 1);

    const auto choiceChanged = [this] {
        numbersWanted_ = true;
        schedule(0);
    };
    connect(Filtro, &QComboBox::currentIndexChanged, this, choiceChanged);
    connect(SoloUltime, &QCheckBox::toggled, this, [this, choiceChanged](bool on) {
        Ultime->setEnabled(on);
        choiceChanged();
    });
    connect(Ultime, &QSpinBox::valueChanged, this, [this, choiceChanged] {
        if (SoloUltime->isChecked())
            choiceChanged();
    });
    connect(VistaNumeri, &QComboBox::currentIndexChanged, this, &StatisticsWindow::drawNumbers);
    connect(SalvaImmagine, &QPushButton::clicked, this, &StatisticsWindow::askPath);

    // The charts scroll when the window is too small for them, the choices
    // above them stay in view.
    Scorrimento = new QScrollArea(this);
    Scorrimento->setObjectName(QStringLiteral("Scorrimento"));
    Scorrimento->setWidgetResizable(true);
    Scorrimento->setFrameShape(QFrame::NoFrame);
    Grafici = new QWidget;
    Grafici->setObjectName(QStringLiteral("Grafici"));
    setBackColor(Grafici, Qt::white);
    buildCharts(Grafici);
    Scorrimento->setWidget(Grafici);

    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addLayout(second);
    all->addWidget(Scorrimento, 1);
}

void StatisticsWindow::buildCharts(QWidget* area)
{
    // The numbers across the whole width, so that each of the 37 bars has room
    // for its label; below, side by side (one below the other in a narrow
    // window), the figures in words, the groups and the proposals.
    GraficoNumeri = chartView(area, QStringLiteral("GraficoNumeri"), kNumbersHeight);
    GraficoGruppi = chartView(area, QStringLiteral("GraficoGruppi"), 400);
    GraficoProposte = chartView(area, QStringLiteral("GraficoProposte"), 200);
    FiguraNumeri = figureLabel(area, QStringLiteral("FiguraNumeri"), Qt::RichText);
    FiguraGruppi = figureLabel(area, QStringLiteral("FiguraGruppi"), Qt::RichText);
    FiguraProposte = figureLabel(area, QStringLiteral("FiguraProposte"), Qt::RichText);

    auto* figures = new QVBoxLayout;
    figures->addWidget(FiguraNumeri);
    figures->addWidget(FiguraGruppi);
    figures->addStretch(1);
    auto* proposals = new QVBoxLayout;
    proposals->addWidget(GraficoProposte, 1);
    proposals->addWidget(FiguraProposte);
    lower_ = new QHBoxLayout;
    lower_->addLayout(figures, 12);
    lower_->addWidget(GraficoGruppi, 12);
    lower_->addLayout(proposals, 12);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(GraficoNumeri, 6);
    layout->addLayout(lower_, 7);
}

// --- On the screen ------------------------------------------------------------

void StatisticsWindow::showEvent(QShowEvent* event)
{
    if (!placed_) {
        placed_ = true;
        placeOnScreen(this, kPreferred);
    }
    SharedWindow::showEvent(event);
}

void StatisticsWindow::resizeEvent(QResizeEvent* event)
{
    // Narrow, everything goes one below the other, and the 37 numbers across
    // (upright, each would have too little room for its label).
    const bool narrow = event->size().width() < kSideBySideWidth;
    lower_->setDirection(narrow ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    if (narrow != numbersAcross_) {
        numbersAcross_ = narrow;
        GraficoNumeri->setMinimumHeight(narrow ? kNumbersAcrossHeight : kNumbersHeight);
        drawNumbers();
    }
    SharedWindow::resizeEvent(event);
}

// --- Following the data -------------------------------------------------------

bool StatisticsWindow::watchFile()
{
    const QString file = QDir::current().absoluteFilePath(QLatin1String(kStoreFileName));
    const FileIdentity now = fileIdentity(file);
    const bool other = !(now == watched_);
    watched_ = now;
    // A watch follows the file it was given: one renamed over it needs its
    // own.  The journal of a database in WAL mode takes its changes first.
    for (const QString& path : {file, file + QStringLiteral("-wal")}) {
        if (!other && watcher_->files().contains(path))
            continue;
        watcher_->removePath(path);
        if (QFileInfo::exists(path))
            watcher_->addPath(path);
    }
    return other;
}

void StatisticsWindow::dataChanged(DataChange change)
{
    switch (change) {
    case DataChange::SpinRecorded:
        if (readWanted_ == Read::None)
            readWanted_ = Read::NewRows;
        break;
    case DataChange::RowsChanged:
        readWanted_ = Read::Whole;
        break;
    case DataChange::TallyChanged:
        attemptsWanted_ = true;
        break;
    }
    gather();
}

void StatisticsWindow::gather()
{
    if (!refreshTimer_->isActive())
        waiting_.start();
    refreshTimer_->start(int(std::clamp<qint64>(kMostWaitMs - waiting_.elapsed(), 0, kGatherMs)));
}

void StatisticsWindow::schedule(int delayMs)
{
    if (!refreshTimer_->isActive()) {
        waiting_.start();
        refreshTimer_->start(delayMs);
    } else if (refreshTimer_->remainingTime() > delayMs) {
        refreshTimer_->start(delayMs);
    }
}

bool StatisticsWindow::isBusy() const
{
    return reader_ || refreshTimer_->isActive() || readWanted_ != Read::None || numbersWanted_ ||
           attemptsWanted_;
}

void StatisticsWindow::refresh()
{
    if (readWanted_ != Read::None && !reader_) {
        startReading(readWanted_ == Read::Whole || !cacheRead_);
        readWanted_ = Read::None;
    }
    bool shown = false;
    // While dati.mdb is read the numbers wait for it.
    if (numbersWanted_ && !reader_) {
        numbersWanted_ = false;
        showNumbers();
        shown = true;
    }
    if (attemptsWanted_) {
        attemptsWanted_ = false;
        showAttempts();
        shown = true;
    }
    if (shown)
        Q_EMIT refreshed();
}

void StatisticsWindow::startReading(bool whole)
{
    auto reading = std::make_shared<Reading>();
    reading->whole = whole;
    if (!whole) {
        // The rows read so far, without their spins: the reader checks them.
        reading->data.lastId = cache_.lastId;
        reading->data.rows = cache_.rows;
        reading->data.unreadable = cache_.unreadable;
        reading->data.file = cache_.file;
    }
    reading_ = reading;
    reader_ = QThread::create([reading] {
        reading->result = readSpins(reading->data, &reading->problem, &reading->cancel);
    });
    connect(reader_, &QThread::finished, this, [this, reading] { readingDone(reading); });
    if (!cacheRead_)
        Stato->setText(QStringLiteral("Lettura di %1…").arg(QLatin1String(kStoreFileName)));
    reader_->start(QThread::LowPriority);
}

void StatisticsWindow::readingDone(const std::shared_ptr<Reading>& reading)
{
    reader_->wait();
    reader_->deleteLater();
    reader_ = nullptr;
    reading_.reset();
    fileState_ = reading->result;
    switch (reading->result) {
    case ReadResult::Read:
        if (reading->whole || reading->data.restarted) {
            cache_ = std::move(reading->data);
        } else {
            const SpinReading& added = reading->data;
            cache_.spins.insert(cache_.spins.end(), added.spins.begin(), added.spins.end());
            cache_.lastId = added.lastId;
            cache_.rows = added.rows;
            cache_.unreadable = added.unreadable;
            cache_.file = added.file;
        }
        cacheRead_ = true;
        problem_.clear();
        break;
    case ReadResult::NoFile:
    case ReadResult::Failed:
        // Nothing is known of the rows: the next reading reads them all.
        cache_ = SpinReading();
        cacheRead_ = false;
        problem_ = reading->problem;
        break;
    case ReadResult::Cancelled:
        return;
    }
    numbersWanted_ = true;
    schedule(0);
}

QString StatisticsWindow::stateText() const
{
    return Stato->text();
}

// --- The picture of the charts --------------------------------------------------

QImage StatisticsWindow::chartsImage()
{
    // Above the charts, what they show: the line of the spins counted.
    const QPixmap charts = Grafici->grab();
    const qreal ratio = charts.devicePixelRatio();
    const QSize size = charts.deviceIndependentSize().toSize();
    const int head = fontMetrics().height() + 12;
    QImage image(QSize(size.width(), size.height() + head) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font());
    const QString title = QStringLiteral("Statistiche, %1 — %2")
                              .arg(QLocale(QLocale::Italian, QLocale::Italy)
                                       .toString(QDateTime::currentDateTime(), QStringLiteral("d/M/yyyy HH:mm")),
                                   Stato->text());
    painter.drawText(QRect(8, 0, size.width() - 16, head), Qt::AlignVCenter | Qt::AlignLeft,
                     painter.fontMetrics().elidedText(title, Qt::ElideRight, size.width() - 16));
    painter.drawPixmap(0, head, charts);
    painter.end();
    return image;
}

bool StatisticsWindow::saveImage(const QString& chosen)
{
    if (chosen.isEmpty())
        return false;
    QString path = chosen;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".png");
    const QImage image = chartsImage();
    if (image.isNull() || !image.save(path, "PNG")) {
        showMessage(this, QStringLiteral("L'immagine non è stata salvata: non si può scrivere il "
                                         "file %1.")
                              .arg(QDir::toNativeSeparators(path)));
        return false;
    }
    return true;
}

void StatisticsWindow::askPath()
{
    if (pathProvider_) {
        saveImage(pathProvider_());
        return;
    }
    auto* dialog = new QFileDialog(this, QStringLiteral("Salva immagine"),
                                   QDir::current().absoluteFilePath(QStringLiteral("statistiche.png")),
                                   QStringLiteral("Immagini PNG (*.png)"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("png"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, &StatisticsWindow::saveImage);
    dialog->open();
}

} // namespace zt
