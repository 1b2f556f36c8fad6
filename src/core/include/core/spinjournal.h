#pragma once
// What the undo key knows of the spins in the board's history: one entry per
// spin, oldest first, kept beside the history so that entry i is the spin of
// history entry i.  An entry names the row of dati.mdb that this run
// recorded for the spin, if any; only such a row may ever be deleted by undo.
// A spin that waits to be written (the file held by another program) names
// its place in the queue of waiting spins instead, until it is written.

#include <QString>

#include <deque>

namespace zt {

struct JournalEntry {
    qint64 row = 0;     // id of the row recorded for the spin; 0: not recorded
    qint64 waiting = 0; // its key among the waiting spins; 0: not waiting
    QString number;     // Numero as recorded (" 17")
    QString memory;     // Memoria as recorded (" 1")
};

class SpinJournal {
public:
    int size() const { return int(entries_.size()); }
    bool isEmpty() const { return entries_.empty(); }
    // The entry of the newest spin; the journal must not be empty.
    const JournalEntry& newest() const { return entries_.back(); }

    // A spin joined the history: its entry is added, then only the entries
    // of the `historyCount` newest spins are kept (the history may have
    // slid, or been emptied by a reset inside the spin).
    void entered(const JournalEntry& entry, int historyCount)
    {
        entries_.push_back(entry);
        keepNewest(historyCount);
    }
    // A waiting spin was written as row `row`: undo now deletes that row.
    void written(qint64 waiting, qint64 row)
    {
        for (JournalEntry& e : entries_) {
            if (e.waiting == waiting) {
                e.waiting = 0;
                e.row = row;
            }
        }
    }
    // "C. ULTIMO" and undo.
    void dropNewest()
    {
        if (!entries_.empty())
            entries_.pop_back();
    }
    // "C. PRIMO".
    void dropOldest()
    {
        if (!entries_.empty())
            entries_.pop_front();
    }
    // The history now holds only its `count` newest spins (a reset: 0).
    void keepNewest(int count)
    {
        while (int(entries_.size()) > count && !entries_.empty())
            entries_.pop_front();
    }

private:
    std::deque<JournalEntry> entries_;
};

} // namespace zt
