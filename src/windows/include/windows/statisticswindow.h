#pragma once
// The window "Statistiche": the recorded spins of dati.mdb set against pure
// chance (numbers, groups, wheel sectors) and the attempt tally of the
// followed strings against random picks of the same sizes, as charts with
// their figures.  It follows the data: told of a change, or seeing dati.mdb
// change (another program, an import), it brings itself up to date a moment
// later, reading dati.mdb on a thread of its own, so that a spin never waits
// for it.  It opens inside the screen's free area and scrolls the charts
// when they cannot shrink further.

#include "core/statistics.h"
#include "store/spinreader.h"
#include "ui/sharedwindow.h"
#include "windows/links.h"

#include <QElapsedTimer>
#include <QImage>
#include <QString>

#include <functional>
#include <memory>

class QBoxLayout;
class QChart;
class QChartView;
class QCheckBox;
class QComboBox;
class QFileSystemWatcher;
class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QThread;
class QTimer;

namespace zt {

class StatisticsWindow : public SharedWindow {
    Q_OBJECT
public:
    explicit StatisticsWindow(Links& links);
    ~StatisticsWindow() override;

    // The data followed changed: the figures follow shortly after.
    void dataChanged(DataChange change);

    // Where "Salva immagine" writes.  Without a provider a save dialog asks
    // (without blocking); a provider gives the path at once (empty: nothing
    // is saved).
    void setPathProvider(std::function<QString()> provider) { pathProvider_ = std::move(provider); }
    // The charts with their figures, as "Salva immagine" writes them.
    QImage chartsImage();
    // Writes chartsImage() as a PNG; a failure is told to the player.
    bool saveImage(const QString& path);

    // What the window shows now.
    const stats::NumberTable& numbers() const { return numbers_; }
    const stats::AttemptFigures& attempts() const { return attempts_; }
    // The line above the charts: how many spins, or why there are none.
    QString stateText() const;
    // True while a change waits to be shown or dati.mdb is being read.
    bool isBusy() const;

Q_SIGNALS:
    // The figures were shown anew.
    void refreshed();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Reading;

    void buildControls();
    void buildCharts(QWidget* area);
    // Sized and placed inside the free area of its screen, frame included.
    // Watches dati.mdb as the file now at its path; true when that is
    // another file than before (made, removed or replaced).
    bool watchFile();
    // A change seen in dati.mdb or told: the figures follow when changes
    // stop coming for a moment, and at the latest a little later.
    void gather();
    // Asks for the figures to be brought up to date after a short pause, so
    // that changes coming close together cost one update.
    void schedule(int delayMs);
    void refresh();
    void startReading(bool whole);
    void readingDone(const std::shared_ptr<Reading>& reading);
    void askPath();

    void showNumbers();
    void drawNumbers();
    void drawCounts(QChart* chart);
    void drawDeviations(QChart* chart);
    void showAttempts();
    void setNote(QChart* chart, const QString& title, const QString& note);

    Links& links_;
    std::function<QString()> pathProvider_;

    // The spins read so far (the rows of Uscite up to cache_.lastId).
    SpinReading cache_;
    bool cacheRead_ = false;
    // What the file gave last: read, missing or unreadable (with the reason).
    ReadResult fileState_ = ReadResult::Read;
    QString problem_;
    // Work waiting for the next refresh.
    enum class Read { None, NewRows, Whole };
    Read readWanted_ = Read::Whole;
    bool numbersWanted_ = true;
    bool attemptsWanted_ = true;
    QThread* reader_ = nullptr;
    std::shared_ptr<Reading> reading_;
    QTimer* refreshTimer_ = nullptr;
    QElapsedTimer waiting_; // since the oldest change not yet shown
    QFileSystemWatcher* watcher_ = nullptr;
    FileIdentity watched_;
    bool placed_ = false;
    QBoxLayout* lower_ = nullptr; // side by side, or one below the other when narrow
    bool numbersAcross_ = false;  // when narrow, the bars of the numbers go across

    stats::NumberTable numbers_;
    stats::AttemptFigures attempts_;
    long long chosenFrom_ = 0; // spins of the chosen type before "Solo le ultime"

    QComboBox* Filtro = nullptr;
    QCheckBox* SoloUltime = nullptr;
    QSpinBox* Ultime = nullptr;
    QPushButton* SalvaImmagine = nullptr;
    QComboBox* VistaNumeri = nullptr;
    QLabel* Stato = nullptr;
    QScrollArea* Scorrimento = nullptr;
    QWidget* Grafici = nullptr;
    QChartView* GraficoNumeri = nullptr;
    QChartView* GraficoGruppi = nullptr;
    QChartView* GraficoProposte = nullptr;
    QLabel* FiguraNumeri = nullptr;
    QLabel* FiguraGruppi = nullptr;
    QLabel* FiguraProposte = nullptr;
};

} // namespace zt
