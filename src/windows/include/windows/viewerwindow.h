#pragma once
// The outcome viewer "Visualizza Uscite": browser of the recorded spins, replay
// console, verification panel and report.  While it is loaded it is the
// target of the composite strings engine's reports.

#include "core/engine.h"
#include "core/replayconsole.h"
#include "ui/sharedwindow.h"
#include "windows/links.h"

#include <QHash>
#include <QString>

#include <vector>

class QCheckBox;
class QComboBox;
class QFileDialog;
class QLineEdit;
class QPushButton;
class QTableView;

namespace zt {

struct DeletedRow;
class FramePacing;
class HiddenBox;
class LinesBox;
class RecordCursor;
class RecordGrid;

class ViewerWindow : public SharedWindow,
                     public ViewerLink,
                     private StringsReportTarget,
                     private ReplayIO {
    Q_OBJECT
public:
    explicit ViewerWindow(Links& links);
    ~ViewerWindow() override;

    // ViewerLink
    void goToRow(const QString& id) override;
    StringsReportTarget& reportTarget() override { return *this; }

private:
    // Layout (viewerwindow.cpp).
    void buildTopStrip();
    void buildSendingPanel(QWidget* frame);
    void buildOptionsPanel(QWidget* frame);
    void buildResultsPanel(QWidget* frame);
    // Cancella, Conferma, Esci; the frame that shows where the keyboard is.
    void buildBottomButtons();
    void setInitialTexts();

    // StringsReportTarget: the results panel (viewerhandlers.cpp).
    bool reportsEnabled() const override;
    void appendDetail(const QString& text) override;
    void post(const QString& text) override;
    void addVerified() override;
    void addCancelledBeforeHit() override;
    void addCancelledAfterHit() override;
    void followedString(const StringOutcome& outcome) override;

    // ReplayIO: the replay console over the controls (viewerhandlers.cpp).
    bool autoReset() override;
    bool checksProposals() override;
    ReplayRow currentRow() override;
    bool atEnd() override;
    void moveNext() override;
    bool addToCounter(PanelCounter counter, double amount) override;
    QString proposal() override;
    void clearProposal() override;
    bool checksFirstHit() override;
    void requestReset() override;
    void sendRowNumber() override;
    QString runRowsText() override;
    QString counterText(PanelCounter counter) override;
    bool reportsStrings() override;
    QString maxDelayText() override;
    QString detailText() override;
    QLineEdit* counterBox(PanelCounter counter) const;

    // Handlers of the controls (viewerhandlers.cpp).
    void azzera();                             // Command5 "Azzera"
    void salva();                              // Command13 "SALVA"
    void esci();                               // Command1 "Esci"
    void genera();                             // Command7 "Genera"
    void invia();                              // Command8 "Invia"
    void spin();                               // Command4 "SPIN"
    void posizioneDaNote(const QString& text); // Text5 written
    void tallyPosted(const QString& text);     // Text19B written
    void gridClicked();                        // DataGrid1 clicked
    void filtra(int item);                     // Combo7 item chosen
    void trova();                              // Command10 "Cerca"
    void cancella();                           // Command2 "Cancella"
    void ripristina();                         // Ripristina, Ctrl+Z: the last row deleted back
    void conferma();                           // Command3 "Conferma"

    // The automatic run (gorun.cpp).
    void go(); // Command6 "GO"
    void eseguiGo();
    // Pending events processed as the event pacing asks (every eleventh SPIN).
    void paceEvents() override;

    // Spins in and out as CSV (viewercsv.cpp).
    void buildCsvShortcuts();
    QFileDialog* csvDialog(const QString& title, bool save);
    void esportaCsv();                      // Ctrl+E: a file dialog, then
    void esportaCsvIn(const QString& path); // the rows of the list's command
    void importaCsv();                      // Ctrl+I: a file dialog, then
    void importaCsvDa(const QString& path); // its spins added and listed

    // Steps shared by the handlers.
    bool addToCounter(QLineEdit* counter, double amount);
    // The counters and the detail held back while "GO" runs, into their boxes.
    void flushPending();
    // The current row of the data source into the bound fields.
    void showRow();
    // A failed operation of the data source: its message to the player.
    void reportSourceError();

    Links& links_;
    RecordCursor* source_;
    RecordGrid* grid_;
    bool goRunning_ = false;
    // The redrawing of the windows while "GO" runs.
    FramePacing* frames_ = nullptr;
    // Counter texts and detail of a "GO" run not yet in their boxes.
    QHash<QLineEdit*, QString> countersPending_;
    QString detailPending_;
    // The rows "Cancella" deleted, the last at the back: "Ripristina" puts
    // them back one by one.
    std::vector<DeletedRow> deleted_;
    QPushButton* Ripristina = nullptr;
    void showUndo();

    // Top strip and list.
    QComboBox* Combo7 = nullptr;
    QLineEdit* Text20 = nullptr;
    QTableView* DataGrid1 = nullptr;
    HiddenBox* Text7 = nullptr;
    HiddenBox* Text12 = nullptr;
    HiddenBox* Text5 = nullptr;
    // Position and sending.
    QLineEdit* Text21 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text10 = nullptr;
    // Options and automatic run.
    QCheckBox* Check4 = nullptr;
    QCheckBox* Check6 = nullptr;
    QCheckBox* Check8 = nullptr;
    QCheckBox* Check1 = nullptr;
    QLineEdit* Text6 = nullptr;
    // Verification results.
    QLineEdit* Text16 = nullptr;
    QLineEdit* Text8 = nullptr;
    QLineEdit* Text13 = nullptr;
    QLineEdit* Text15 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text9 = nullptr;
    HiddenBox* Text19B = nullptr;
    LinesBox* Text19 = nullptr;
    QCheckBox* Check5 = nullptr;
};

} // namespace zt
