#pragma once
// The main board's data source on dati.mdb: it records spins and reads
// nothing else, so opening and recording take the same time whatever the
// size of the table.
//
// Each spin is one row of Uscite and the time it was entered, one row of
// UsciteOra (spintimes.h), written in one transaction.  A spin the file cannot
// take at once because another program holds it (an import writing, a long
// read, a transaction left open) waits: it is kept, in order, in the queue
// file beside dati.mdb (spinqueue.h), flushed to disk before record()
// returns, and written by writeWaiting(), which the board calls again until
// none waits.  A new spin never overtakes a waiting one, nor the spins of a
// queue file that exists but cannot be read (it waits until that file is
// read).  Any other failure (not a database, read-only, disk full, a row a
// trigger of the file drops…) is no waiting matter: that spin is not
// recorded, and lastError() says why.
//
// dati.mdb replaced by another file while the recorder is open (moved over
// it, or moved away) is noticed before each write: the spins go into the
// file the name gives now.
//
// Every waiting spin is written exactly once, however the program stops:
// before the transaction that writes waiting spins commits, the queue file
// notes the row each became, and after the commit that they are written.  A
// stop between the two leaves the note; the next writeWaiting() looks in
// that transaction for the noted row with the spin's values and time, and
// writes the spin only when the commit did not happen.

#include "store/spinqueue.h"
#include "store/storefile.h"

#include <QSqlQuery>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

class QDateTime;

namespace zt {

// A waiting spin that was written: its key in the queue and its row.
struct WrittenSpin {
    qint64 key = 0;
    qint64 row = 0;
};

class SpinRecorder {
public:
    // How long a write waits for a file held by another program, in ms: a
    // new spin when none waits (long enough for a reader to finish the
    // stretch it is reading), a retry of the waiting ones, and the last try
    // when the board closes.  A new spin behind waiting ones does not wait.
    static constexpr int kSpinWait = 250;
    static constexpr int kRetryWait = 100;
    static constexpr int kCloseWait = 500;

    SpinRecorder() = default;
    ~SpinRecorder();
    SpinRecorder(const SpinRecorder&) = delete;
    SpinRecorder& operator=(const SpinRecorder&) = delete;

    // Opens its own connection on dati.mdb in the working directory, creating
    // the file when it does not exist (see StoreConnection::open).  On failure
    // lastError() says what is wrong, in Italian, and the file is untouched.
    bool open();
    bool isOpen() const { return conn_.isOpen(); }
    void close();

    enum class Outcome {
        Recorded, // the row is on disk: lastId()
        Waiting,  // the file is held: the spin waits, lastKey()
        Failed,   // not recorded: lastError()
    };
    // Records a spin entered at `entered`: Numero and Memoria are stored as
    // the texts given (" 17", " 37"); Tipo "1" or "2" is stored as a number;
    // an empty or blank text is stored as NULL in any of them.  Opens first
    // when not open.  Spins waiting before it are written first, in the same
    // call, when the file allows (see written()).
    Outcome record(const QString& numero, const QString& tipo, const QString& memoria,
                   const QDateTime& entered);
    // record() at the present time; true when Recorded.  On false lastError()
    // holds the message, e.g. "Il file dati.mdb è in sola lettura: l'uscita
    // non è stata registrata."
    bool record(const QString& numero, const QString& tipo, const QString& memoria);

    // The spins left waiting by an earlier run, read from the queue file
    // beside dati.mdb in the working directory.  False when that file was
    // damaged, held lines that are no spin (the file is then set aside), is
    // no regular file or cannot be read: queueProblem() says so.  Take it
    // before writing the spins, which clears it when they are written.
    bool loadWaiting();
    // The spins that wait, oldest first.
    const std::deque<WaitingSpin>& waiting() const { return queue_.spins(); }
    // Writes the waiting spins, oldest first, in one transaction, waiting at
    // most waitMs for the file.  True when none waits any more; otherwise
    // waitProblem() says why they wait, and heldOnly() whether only another
    // program's lock is in the way.
    bool writeWaiting(int waitMs = kRetryWait);
    // The waiting spins the last record() or writeWaiting() wrote.
    const std::vector<WrittenSpin>& written() const { return written_; }
    // Why spins wait, a sentence without its full stop ("Il file dati.mdb è
    // bloccato da un altro programma").
    const QString& waitProblem() const { return problem_; }
    bool heldOnly() const { return held_; }
    // Takes back a waiting spin (undo): it leaves the queue.  False when its
    // removal cannot be saved: it then keeps waiting, lastError() says why.
    bool dropWaiting(qint64 key);
    // A problem of the queue file: damaged when read, or it cannot be
    // written (waiting spins are then kept in memory only, saved() false).
    const QString& queueProblem() const { return queue_.problem(); }
    // What reading a queue file that could not be read at first found once it
    // could (damaged lines, lines set aside), said once: empty afterwards.
    QString takeQueueNotice() { return std::exchange(notice_, QString()); }
    bool waitingSaved() const { return queue_.saved(); }

    enum class Removal {
        Deleted, // the row was deleted
        Gone,    // no row has that id and those values any more: nothing deleted
        Failed,  // nothing deleted; lastError() says why
    };
    // Deletes the row this recorder stored with the given id, only while it
    // still holds the Numero and Memoria it was stored with (a row deleted
    // in the viewer, or changed there, is left alone), with its time, in one
    // transaction.  A file that is read-only now is not touched:
    // "Il file dati.mdb è in sola lettura: la riga non è stata cancellata."
    Removal remove(qint64 id, const QString& numero, const QString& memoria);

    qint64 lastId() const { return lastId_; }
    qint64 lastKey() const { return lastKey_; }
    const QString& lastError() const { return error_; }

private:
    enum class Attempt { Done, Held, Failed };
    bool connect(QString* problem);
    bool fail(const QString& problem, StoreAction action);
    // Records a spin after the waiting ones.
    Outcome wait(WaitingSpin spin);
    // Writes the spins in one transaction, waiting at most waitMs for the
    // file; rows gets the id of each.  With keys (the spins' keys in the
    // queue) the rows are noted in the queue file before the commit, and the
    // transaction is rolled back if they cannot be.  A spin with a row is
    // written only when that row does not hold it already.
    Attempt writeSpins(const std::vector<const WaitingSpin*>& spins, std::vector<qint64>& rows,
                       const std::vector<qint64>* keys, int waitMs);
    // One try of writeSpins(); *moved when the engine found the file replaced.
    Attempt writeSpinsOnce(const std::vector<const WaitingSpin*>& spins, std::vector<qint64>& rows,
                           const std::vector<qint64>* keys, int waitMs, bool* moved);
    // writeSpins() inside its transaction: the rows and their times, and the
    // note of the rows in the queue.  Each row is read back: one the table
    // did not keep as it was sent fails the whole write.  Returns the problem
    // ("" when done); *failure gets the engine's error, when there is one.
    QString insertSpins(const QSqlDatabase& db, const std::vector<const WaitingSpin*>& spins,
                        std::vector<qint64>& rows, const std::vector<qint64>* keys, bool* held,
                        QSqlError* failure);
    Attempt attemptFailed(const QString& problem, bool held);
    Attempt writeQueue(int waitMs);

    StoreConnection conn_;
    std::optional<QSqlQuery> insert_;
    SpinQueue queue_;
    std::vector<WrittenSpin> written_;
    QString problem_; // of the last attempt that failed
    QString notice_;
    bool held_ = false;
    qint64 lastId_ = 0;
    qint64 lastKey_ = 0;
    QString error_;
};

} // namespace zt
