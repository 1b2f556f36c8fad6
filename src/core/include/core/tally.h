#pragma once
// The verification tally and the counters of the results panel, as plain values.

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace zt {

// ConteggioColpi: entry 0 counts failed strings, entry n (1..100) the strings
// hit at attempt n.  Entries are wide enough never to overflow in practice.
class ConteggioColpi {
public:
    static constexpr int Last = 100;

    // One post through the mailbox: exactly "ok" is the idle value and counts
    // nothing; "f" or "F" counts a failure; otherwise a leading number n with
    // 0 < n <= 100 counts at roundHalfEven(n); anything else is dropped.
    // Returns true when an entry was counted.
    bool post(QStringView text);
    // The post of an attempt's text (the number after one blank) and of
    // "F", without the texts.
    bool postAttempt(long long attempt)
    {
        if (attempt <= 0 || attempt > Last)
            return false;
        ++entries_[attempt];
        return true;
    }
    void postFailure() { ++entries_[0]; }

    long long entry(int index) const { return entries_.at(index); }
    void clear() { entries_.fill(0); }

private:
    std::array<long long, Last + 1> entries_{};
};

// A counter text plus an amount, written back in its shortest plain form.
// The counter must hold a number as a whole; otherwise there is no result and
// the counter keeps its text.
std::optional<QString> addToCounterText(QStringView counter, double amount);

// What one proposal check finds: the numbers of the proposal that equal the
// number sent (each occurrence counts) and how many numbers were in play.
struct ProposalCheck {
    int hits = 0;
    int numbers = 0;
};
ProposalCheck checkProposal(QStringView proposal, double sent);

} // namespace zt
