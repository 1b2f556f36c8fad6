#pragma once
// Where the composite strings engine reports what happened to a string: the
// results panel of the outcome viewer.  The viewer registers itself while its
// window is loaded; with no target registered, reporting counts as switched off.

#include <QString>

namespace zt {

class StringsReportTarget {
public:
    virtual ~StringsReportTarget() = default;
    // "Stringa comp. Progressione" ticked.
    virtual bool reportsEnabled() const = 0;
    // Appends to the attempt detail (Text19).
    virtual void appendDetail(const QString& text) = 0;
    // Writes into the tally mailbox (Text19B); each call is one post.
    virtual void post(const QString& text) = 0;
    // Adds 1 to "Verificate" (Text16).
    virtual void addVerified() = 0;
    // Adds 1 to "Fuori Lim." at the first hit (Text15).
    virtual void addCancelledBeforeHit() = 0;
    // Adds 1 to "Fuori Lim." at the second hit (Text3).
    virtual void addCancelledAfterHit() = 0;
};

void setStringsReportTarget(StringsReportTarget* target);
StringsReportTarget* stringsReportTarget();

} // namespace zt
