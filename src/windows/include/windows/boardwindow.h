#pragma once
// The main board "Roulette": keypad, history, proposal row, mode switches and
// the hidden boxes through which other windows and the exchange file talk to it.
// Closing it ends the program.

#include "core/history.h"
#include "core/spinentry.h"
#include "core/spinjournal.h"
#include "core/stripfollower.h"
#include "core/typednumber.h"
#include "reading/stripreader.h"
#include "store/spinrecorder.h"
#include "ui/formscale.h"
#include "ui/sharedwindow.h"
#include "windows/links.h"

#include <QColor>
#include <QRgb>

#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace zt {

class ColorButton;
class HiddenBox;
class LinesBox;

// The board's handlers run the game logic of spinentry.h over the board's own
// controls: the window is the BoardIO that the logic reads and writes, and the
// BoardLink through which the other windows reach it.
class BoardWindow : public SharedWindow, public BoardLink, private BoardIO {
    Q_OBJECT
public:
    explicit BoardWindow(Links& links);

    // BoardLink, over CM_pulsante, CM_Azzera, Check8, note_0 and Timer2.
    void sendSpin(const QString& number) override;
    void requestReset() override;
    void setRecording(bool on) override;
    QString proposal() override;
    void clearProposal() override;
    void setExchangePolling(bool on) override;
    FollowedSpin nextSpin() override;
    Modes modes() override;

    // The history of the current game.
    const History& history() const { return StoriaUscite; }
    // Greatest number of spins the history holds (from Text3, 1..500).
    int historySize() const { return StoriaUscite.size(); }
    // Spins now in the history.
    int historyCount() const { return StoriaUscite.count(); }
    // Plain back colour of keypad button 0..36, used to take highlighting off.
    QRgb savedKeypadColor(int index) const { return ColoriTastiera.at(index); }

    // Text colour of the proposal box note_0: black while the string waits for
    // its first hit, red while it waits for the second.
    QColor noteColor() const;
    void setNoteColor(const QColor& color);

    // The keys of the board (boardkeys.cpp), watched on the board and every
    // control in it: digits, Enter, Escape and Backspace type a number,
    // Ctrl+Z undoes the last spin; an editable note_0 with the focus keeps
    // them as text.
    bool eventFilter(QObject* watched, QEvent* event) override;

    // How many times its designed size the board is drawn (1: as designed).
    double scale() const { return scale_.factor(); }
    // Ctrl++, Ctrl+- and Ctrl+0 (boardsize.cpp): the window a step larger or
    // smaller (within the screen), or back to its designed size.
    void zoomIn();
    void zoomOut();
    void zoomReset();

    // Reading the spins off the screen (boardreader.cpp): the rectangle of
    // the screen where a casino shows its strip of last numbers is grabbed
    // four times a second, and every spin decided from the strip is entered
    // as a typed number is.  Starting keeps the rectangle in zentrima13.ini.
    void startReading(const QRect& rectangle);
    void pauseReading();
    bool isReading() const;
    // The end of the strip where the newest number is (kept in zentrima13.ini).
    void setNewestEnd(NewestEnd end);
    // Where the pictures of the rectangle come from: the screen, unless a
    // test draws them.
    using ScreenGrab = std::function<QImage(const QRect&)>;
    void setScreenGrab(ScreenGrab grab);

protected:
    // The board grows with its window, every control by one factor.
    void resizeEvent(QResizeEvent* event) override;
    // Ends the run; spins still waiting to be recorded get one last short try
    // and otherwise wait in the queue file for the next start.
    void closeEvent(QCloseEvent* event) override;

private Q_SLOTS:
    // Handlers of this file.
    void readHistorySize();        // start-up, Text3 left after an edit
    void lockToggled(bool locked); // Check1: a ticked lock lets the player type a proposal
    void quorixToggled(bool on);   // Check2 "Modo Quorix"
    void zentrimaToggled(bool on); // Check3 "Modo Zentrima13"

    // Handlers of boardhandlers.cpp: spin entry, corrections, bridges, inversion.
    void enterSpin(int index);                    // Command9_<index> clicked
    void spinBridgeChanged(const QString& text);  // CM_pulsante written
    void resetBridgeChanged(const QString& text); // CM_Azzera written
    void cancelNewest();                          // Command4 "C. ULTIMO"
    void cancelOldest();                          // Command3 "C. PRIMO"
    void cancelAll();                             // Command6 "C. TUTTO"
    void clearStringRow(int row);                 // Command21_<row> "X"
    void repaintHighlight();                      // Command16 "EV"
    void invertKeypad();                          // Command14 "<>"
    void pollExchangeFile();                      // Timer2 tick
    void recordWaitingSpins();                    // AttesaTimer tick: the waiting spins written

    // Handlers of boardkeys.cpp.
    void undoLastSpin(); // Ctrl+Z: "C. ULTIMO", and the row recorded for the spin deleted

    // Handlers of boardreader.cpp.
    void toggleReading(); // CommandLeggi, F8: starts (marking first when needed) or pauses
    void readScreen();    // LetturaTimer tick: one grab of the rectangle
    void takeInPast();    // Lettura clicked while it offers the strip already on the screen

private:
    void buildUpperPanel();
    void buildLowerPanel();
    void buildKeypad();
    void buildTitleAndHistory();
    void startUp();
    // Stores the back colours of keypad buttons 0..36 into ColoriTastiera.
    void saveKeypadColors();

    // The size of the board (boardsize.cpp): the window grows and shrinks
    // from its designed size, the size kept in zentrima13.ini.
    void prepareScaling();
    void zoomTo(double factor);
    void keepScale();

    // Keyboard play (boardkeys.cpp).
    void buildTypedNumber(); // the label Digitato and its timer
    // Accessible names ("17 nero" on the keypad, caption or tooltip on the
    // other buttons), the key watch on every control and the focus frame.
    void prepareKeyboard();
    void nameKeypad(); // again after every inversion
    void typedKey(const TypedNumber::Step& step);
    // After the spin entry: the journal follows the history.
    void spinEntered();

    // Reading the screen (boardreader.cpp).
    void buildReader();
    void markScreen(); // then reads the rectangle marked
    void followStrip(const QList<int>& reading); // one reading of the strip, newest first
    void readerMenu(const QPoint& at);
    enum class ReadingLook { Plain, Spin, Offer, Problem };
    // The one line of the reading on the board, with its explanation as tooltip.
    void showReading(const QString& text, ReadingLook look, const QString& detail = {});

    // BoardIO over the controls (boardhandlers.cpp).
    StringsSettings settings() override;
    bool recording() override;
    QString gameTypeText() override;
    void recordSpin(const SpinRecord& record) override;
    bool locked() override;
    bool quorixMode() override;
    bool zentrimaMode() override;
    QString filterText() override;
    void setLastNumber(const QString& numberText) override;
    void showHistory(const History& history) override;
    int stringRowCount() override { return 1; }
    QString noteText(int row) override;
    void setNoteText(int row, const QString& text) override;
    bool noteRed(int row) override;
    void setNoteRed(int row, bool red) override;
    QString firstDelayText(int row) override;
    QString secondDelayText(int row) override;
    void setFirstDelayText(int row, const QString& text) override;
    void setSecondDelayText(int row, const QString& text) override;
    void setCountText(int row, const QString& text) override;
    QString keypadCaption(int index) override;
    void restoreKeypad(int first) override;
    void highlightKeypad(NumberSet numbers) override;
    StringsReportTarget* reports() override;
    StakeListener* stakes() override;

    // Shows a recording failure to the player without blocking the board,
    // once for each failure that differs from the one shown last.
    void reportRecordingFailure(const QString& message);
    // The state of recording on the board: while spins wait to be recorded
    // their count shows in the title row (Attesa) and AttesaTimer retries;
    // while spins wait or recording fails Check8 is framed in red, its
    // tooltip giving the reason.
    void showRecordingState();
    void markRecordingSwitch(const QString& failure);
    // Waiting spins just written: undo now deletes their rows.
    void spinsWritten();
    // At start-up: the spins an earlier run left waiting are written.
    void recordSpinsLeftWaiting();

    Links& links_;

    FormScale scale_;
    QTimer* ScalaTimer = nullptr; // writes the scale once resizing stops

    // Board state.
    History StoriaUscite;
    std::array<QRgb, 37> ColoriTastiera{};

    // The data source Adodc2: records spins into dati.mdb (opened on the
    // first spin recorded).
    SpinRecorder Adodc2;
    // The recording failure last shown; empty once recording works again.
    QString shownRecordingFailure;
    // How many spins wait to be recorded, in the title row, and the timer
    // that tries to record them while any wait.
    QLabel* Attesa = nullptr;
    QTimer* AttesaTimer = nullptr;
    // Recording switched off by the replay ("GO", "Invia"): said in the title
    // row (Spenta, under Attesa) and around Check8 until the box is ticked.
    bool offByReplay = false;
    QLabel* Spenta = nullptr;
    // The row recorded by the spin being entered (none: row 0).
    JournalEntry recordedNow;
    // One entry per spin of StoriaUscite: what undo may delete.
    SpinJournal journal;
    // The number being typed, shown in Digitato; a refusal shows in red
    // until DigitatoTimer runs out or another key is typed.
    TypedNumber typed;
    QLabel* Digitato = nullptr;
    QTimer* DigitatoTimer = nullptr;

    // Reading the screen: the button that starts and pauses it, the line
    // that shows what it did (a button: it offers the strip already on the
    // screen), the grab timer, what was read and what is kept of it.
    QPushButton* CommandLeggi = nullptr;
    QPushButton* Lettura = nullptr;
    ReadingLook readingLook = ReadingLook::Plain;
    QTimer* LetturaTimer = nullptr;
    ReaderSettings readerSettings;
    std::unique_ptr<StripReader> stripReader;
    StripFollower follower;
    QList<int> pastOnScreen; // newest first; empty when nothing is offered
    ScreenGrab screenGrab;

    // Containers.
    QFrame* Frame22 = nullptr;
    QFrame* Frame2 = nullptr;
    QFrame* Frame20 = nullptr;
    QFrame* Frame21 = nullptr;
    QFrame* Frame23 = nullptr;

    // Keypad: 0 zero, 1..36 numbers, 37 the hidden second zero.
    std::array<ColorButton*, 38> Command9{};

    // History and last number.
    LinesBox* Text1 = nullptr;
    QLabel* Label6 = nullptr;

    // Proposal row 0.
    LinesBox* note_0 = nullptr;
    QLabel* Label26_0 = nullptr;
    QLabel* Label38_0 = nullptr;
    QLabel* Label44_0 = nullptr;
    QPushButton* Command21_0 = nullptr;

    // Switches and selectors.
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QCheckBox* Check3 = nullptr;
    QCheckBox* Check8 = nullptr;
    QFrame* Check8Frame = nullptr; // red around Check8 while recording fails
    QComboBox* Combo1 = nullptr;
    QComboBox* Combo7 = nullptr;
    QLabel* Label1 = nullptr;

    // Hidden boxes.
    QLineEdit* Text3 = nullptr;
    HiddenBox* CM_pulsante = nullptr;
    HiddenBox* CM_Azzera = nullptr;
    HiddenBox* CM_tempo = nullptr;
    HiddenBox* DB2_nu = nullptr;
    HiddenBox* DB2_gi = nullptr;
    HiddenBox* DB2_me = nullptr;
    QTimer* Timer2 = nullptr;
};

} // namespace zt
