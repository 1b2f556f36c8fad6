#pragma once
// The spins waiting to be written into dati.mdb while another program holds
// the file, oldest first: in memory, and in an append-only file beside the
// database (dati.mdb-attesa), every change flushed to disk before the call
// returns, so that a spin still waiting when the program is closed, killed or
// loses its power is written at the next start.
//
// The file is UTF-8 text, one line per change, its fields separated by tabs,
// each line ending in a tab and the CRC-16 of the bytes before that tab
// (4 hex digits):
//   uscita   <n> <Numero> <Memoria> <Tipo> <Ora>   spin n waits (texts %-escaped)
//   riga     <n> <id>     spin n is being written as the row id (before the commit)
//   scritta  <n>          spin n is in dati.mdb
//   tolta    <n>          spin n was taken back
// Lines starting with '#' are comments.  A line that fails its check (the
// last one, cut short by a power failure) is left out, and the file is
// written again without it.  A line whose check holds but whose values are
// not a spin the board could have recorded (Numero, Memoria and Tipo as the
// table format of spincsv.h wants them, Ora as spinTimeText() writes it, keys
// from 1 to kLastKey) is never written into dati.mdb: the file is then kept
// as it was beside (dati.mdb-attesa-scartato) and the other spins wait in a
// new one.  The file is removed once no spin waits.
//
// Only a regular file is read or written: a symbolic link is never followed,
// a pipe never waited on, and no more than kLargestInput bytes are read (a
// larger file is set aside unread).

#include <QString>

#include <deque>
#include <utility>
#include <vector>

namespace zt {

struct WaitingSpin {
    qint64 key = 0; // its number in the queue: from 1, never reused in a run
                    // (those read from the file are numbered anew)
    QString numero; // Numero, Memoria and Tipo as they are to be recorded
    QString memoria;
    QString tipo;
    QString ora; // when it was entered (spinTimeText)
    // The row a write that may not have reached its commit made of it (the
    // program stopped in between); 0 when none did.
    qint64 row = 0;
};

class SpinQueue {
public:
    // The largest key a line may carry.
    static constexpr qint64 kLastKey = 999'999'999'999'999;

    // The queue file of the database file at databasePath: "<path>-attesa".
    static QString pathFor(const QString& databasePath);

    // Reads the queue file at path (a missing file: nothing waits) and
    // writes it again in order.  False when the file cannot be read (it is
    // then never touched), is no regular file (nothing is read from it or
    // written into it), or held lines that cannot be read or are not valid
    // (left out); problem() says which.
    bool load(const QString& path);
    // The file exists but could not be read: it may hold spins older than any
    // in memory, so none may be written before it is read.
    bool isUnread() const { return unread_; }
    // Tries again to read a file that could not be read; its spins go before
    // those added meanwhile.  True when it was read (or needs no reading);
    // problem() then says what reading it found, as load()'s does.
    bool readAgain();
    // Uses the file at path from now on; only while nothing waits.
    void setPath(const QString& path);
    const QString& path() const { return path_; }

    const std::deque<WaitingSpin>& spins() const { return spins_; }
    bool isEmpty() const { return spins_.empty(); }

    // A spin joins the end of the queue; its key is returned.  The spin waits
    // even when the file cannot be written (then saved() is false).
    qint64 add(WaitingSpin spin);
    // Spins being written, each as a row (key, id): noted before the commit.
    bool noteRows(const std::vector<std::pair<qint64, qint64>>& rows);
    // Spins written into the database: they leave the queue.
    bool written(const std::vector<qint64>& keys);
    // A spin taken back.  False when that cannot be saved while the file
    // holds the spin: it then stays in the queue.
    bool remove(qint64 key);

    // The file holds exactly what waits (or is absent when nothing does).
    bool saved() const { return saved_; }
    // The file may hold waiting spins: a write of them must be noted in it.
    // False while none of them was ever saved in it.
    bool mayHoldSpins() const { return holds_; }
    // The last problem of the file, a sentence without its full stop.
    const QString& problem() const { return problem_; }

private:
    // What reading the lines found besides the spins.
    struct Lines {
        int damaged = 0;      // lines failing their check, or a spin's line again
        int invalid = 0;      // lines whose check holds but whose values do not
        int firstInvalid = 0; // the number of the first of them in the file (from 1)
        QString why;          // what is wrong with it
    };
    // Reads the file into the front of the queue and writes it again.
    bool read();
    // The spins waiting in the file's lines, in linear time.
    static Lines parse(const QByteArray& bytes, std::deque<WaitingSpin>& found);
    // Renames the file aside, for the player; the end of the problem sentence.
    QString setAside();
    // After a change of the queue in memory: writes `lines`, which say it,
    // at the end of the file and flushes it to disk; when that fails, or an
    // earlier write failed, writes the whole file of the queue instead.
    bool change(const QByteArray& lines);
    bool append(const QByteArray& lines);
    bool rewrite(const std::deque<WaitingSpin>& spins);
    bool failWrite();

    QString path_;
    std::deque<WaitingSpin> spins_;
    qint64 nextKey_ = 1;
    bool saved_ = true;
    bool unread_ = false;
    bool keep_ = false;   // never overwrite the file (unread, or not set aside)
    qint64 keptUpTo_ = 0; // the last key of a spin such a file may hold
    bool holds_ = false;
    QString problem_;
};

} // namespace zt
