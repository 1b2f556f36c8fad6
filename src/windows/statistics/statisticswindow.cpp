// The statistics window's layout and how it follows the data: changes are
// gathered by a short timer, dati.mdb is read on a thread of its own (only
// the rows added since the last reading, after a recorded spin), and the
// figures are worked out from the spins read.  The charts are filled in
// statisticscharts.cpp.

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
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
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
    resize(1200, 900);
    setMinimumSize(1000, 720);

    refreshTimer_ = new QTimer(this);
    refreshTimer_->setSingleShot(true);
    connect(refreshTimer_, &QTimer::timeout, this, &StatisticsWindow::refresh);

    buildControls();
    schedule(0);

    if (QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
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
    Stato = new QLabel(this);
    Stato->setObjectName(QStringLiteral("Stato"));
    Stato->setWordWrap(true);
    top->addWidget(chooseLabel);
    top->addWidget(Filtro);
    top->addSpacing(12);
    top->addWidget(SoloUltime);
    top->addWidget(Ultime);
    top->addSpacing(12);
    top->addWidget(Stato, 1);
    top->addWidget(SalvaImmagine);

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
    connect(SalvaImmagine, &QPushButton::clicked, this, &StatisticsWindow::askPath);

    Grafici = new QWidget(this);
    Grafici->setObjectName(QStringLiteral("Grafici"));
    setBackColor(Grafici, Qt::white);
    buildCharts(Grafici);

    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addWidget(Grafici, 1);
}

void StatisticsWindow::buildCharts(QWidget* area)
{
    // The numbers across the whole width, so that each of the 37 bars has room
    // for its label; below, side by side, their figures, the groups and the
    // proposals.
    GraficoNumeri = chartView(area, QStringLiteral("GraficoNumeri"));
    GraficoGruppi = chartView(area, QStringLiteral("GraficoGruppi"));
    GraficoProposte = chartView(area, QStringLiteral("GraficoProposte"));
    FiguraNumeri = figureLabel(area, QStringLiteral("FiguraNumeri"), Qt::RichText);
    FiguraGruppi = figureLabel(area, QStringLiteral("FiguraGruppi"), Qt::RichText);
    FiguraProposte = figureLabel(area, QStringLiteral("FiguraProposte"), Qt::RichText);

    auto* groups = new QVBoxLayout;
    groups->addWidget(GraficoGruppi, 1);
    groups->addWidget(FiguraGruppi);
    auto* proposals = new QVBoxLayout;
    proposals->addWidget(GraficoProposte, 1);
    proposals->addWidget(FiguraProposte);
    auto* lower = new QHBoxLayout;
    lower->addWidget(FiguraNumeri, 10);
    lower->addLayout(groups, 13);
    lower->addLayout(proposals, 13);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(GraficoNumeri, 6);
    layout->addLayout(lower, 7);
}

// --- Following the data -------------------------------------------------------

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
    reading->data.lastId = whole ? 0 : cache_.lastId;
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
        if (reading->whole) {
            cache_ = std::move(reading->data);
        } else {
            cache_.spins.insert(cache_.spins.end(), reading->data.spins.begin(),
                                reading->data.spins.end());
            cache_.lastId = reading->data.lastId;
            cache_.unreadable += reading->data.unreadable;
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
