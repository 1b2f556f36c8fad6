#pragma once
// The window "Puntate": what following the proposals costs.  The player sets
// the stakes here (kept in zentrima13.ini between runs); the window shows the
// stake for the next spin of the proposal followed and the evening's
// balance as the board's spins come, the balance of the evening, of the last
// "GO" or of the recorded rows over the spins beside chance's expectation,
// and evenings of random spins simulated with the same settings.

#include "core/betting.h"
#include "core/playersettings.h"
#include "ui/sharedwindow.h"
#include "windows/links.h"

#include <QString>

#include <functional>
#include <memory>

class QChartView;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QThread;
class QTimer;

namespace zt {

struct VerifySettings;

class MoneyWindow : public SharedWindow {
    Q_OBJECT
public:
    explicit MoneyWindow(Links& links);
    ~MoneyWindow() override;

    // The data followed changed (a "GO" ended, rows recorded or deleted).
    void dataChanged(DataChange change);

    // What the window shows now, as the player reads it.
    QString nextStakeText() const;
    QString balanceFigures() const;
    QString simulationFigures() const;
    // True while the recorded rows or the simulated evenings are being worked out.
    bool isBusy() const;

Q_SIGNALS:
    // The balance chart or the simulated evenings were shown anew.
    void refreshed();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Which balance the chart shows (the items of Curva, in order).
    enum class Curve { Evening, LastGo, Recorded };

    void buildControls();
    void showPreferences(const MoneyPreferences& preferences);
    // The settings of the controls to the play and the settings file.
    void settingsEdited();
    // The readout and, when it changed, the chart of the evening or of "GO".
    void follow();
    void showBalance();
    void showTrace(const std::vector<BalancePoint>& trace, const EveningFigures& figures,
                   const QString& title, const QStringList& extraLines);
    void readRecorded();
    void simulate();
    void showSimulation(const SimulationFigures& figures);
    // The board's and the settings window's settings, with the stakes.
    VerifySettings replaySettings() const;

    // Work on a thread of its own; done() runs on the window's thread after.
    struct Job;
    void startJob(std::unique_ptr<Job>& slot, std::function<void()> work,
                  std::function<void()> done);

    Links& links_;
    bool placed_ = false; // put on the screen at the first show
    std::uint64_t shownVersion_ = ~std::uint64_t(0);
    QTimer* followTimer_ = nullptr;

    // The recorded rows' balance, once read.
    std::vector<BalancePoint> recordedTrace_;
    EveningFigures recordedFigures_;
    QStringList recordedLines_; // their times, or why there are none
    bool recordedWanted_ = true;
    std::unique_ptr<Job> recordedJob_;
    std::unique_ptr<Job> simulationJob_;

    QSpinBox* Puntata = nullptr;
    QComboBox* Progressione = nullptr;
    QLineEdit* Elenco = nullptr;
    QSpinBox* Obiettivo = nullptr;
    QSpinBox* MassimoTavolo = nullptr;
    QSpinBox* Cassa = nullptr;
    QDoubleSpinBox* ValoreFiche = nullptr;
    QLabel* Avviso = nullptr;
    QLabel* Prossima = nullptr;
    QLabel* SaldoSerata = nullptr;
    QPushButton* NuovaSerata = nullptr;
    QComboBox* Curva = nullptr;
    QComboBox* TipoRighe = nullptr;
    QChartView* GraficoSaldo = nullptr;
    QLabel* FiguraSaldo = nullptr;
    QSpinBox* Serate = nullptr;
    QSpinBox* UsciteSerata = nullptr;
    QSpinBox* Seme = nullptr;
    QPushButton* Simula = nullptr;
    QChartView* GraficoSerate = nullptr;
    QLabel* FiguraSerate = nullptr;
    QScrollArea* Scorrimento = nullptr;
};

} // namespace zt
