#pragma once

#include "app/sharedwindow.h"
#include "strings/reportseam.h"

class QLineEdit;

namespace zt {

class RecordSource;

// The outcome viewer "Visualizza Uscite": browser of the recorded spins, replay
// console, verification panel and report.  While it exists it is the target of
// the composite strings engine's reports.
class ViewerWindow : public SharedWindow, public StringsReportTarget {
    Q_OBJECT
public:
    ViewerWindow();
    ~ViewerWindow() override;

    // StringsReportTarget
    bool reportsEnabled() const override;
    void appendDetail(const QString& text) override;
    void post(const QString& text) override;
    void addVerified() override;
    void addCancelledBeforeHit() override;
    void addCancelledAfterHit() override;

private:
    void buildTopStrip();
    void buildSendingPanel(QWidget* frame);
    void buildOptionsPanel(QWidget* frame);
    void buildResultsPanel(QWidget* frame);
    void setInitialTexts();

    // Handlers of the controls.
    void azzera();
    void salva();
    void impostazioni();
    void esci();
    void apriNote();
    void genera();
    void invia();
    void spin();
    void go();
    void eseguiGo();
    void posizioneDaNote(const QString& text);
    void gridClicked();
    void filtra(int item);
    void trova();
    void cancella();
    void conferma();

    // Steps shared by the handlers.
    QLineEdit* box(const char* name) const;
    bool addToCounter(const char* name, double amount);
    void controllaProposta(double sent);
    void inviaAlTabellone(const QString& number);
    void azzeraTabellone();
    void sospendiRegistrazione();

    // The current row of the data source into the bound fields.
    void showRow();
    // A failed operation of the data source: its message to the player.
    void reportSourceError();

    RecordSource* source_;
    bool goRunning_ = false;
};

} // namespace zt
