#pragma once
// What the undo key knows of the spins in the board's history: one entry per
// spin, oldest first, kept beside the history so that entry i is the spin of
// history entry i.  An entry names the row of dati.mdb that this run
// recorded for the spin, if any; only such a row may ever be deleted by undo.

#include <QString>

#include <deque>

namespace zt {

struct JournalEntry {
    qint64 row = 0; // id of the row recorded for the spin; 0: not recorded
    QString number; // Numero as recorded (" 17")
    QString memory; // Memoria as recorded (" 1")
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
