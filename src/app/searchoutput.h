#pragma once
// What `zentrima13 search` writes once its work is done.

#include "core/search.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <cstddef>

namespace zt {

// The texts of the command.
struct SearchText {
    Q_DECLARE_TR_FUNCTIONS(Search)
};

// A count as the interface's language writes it ("1.234" in Italian).
QString shownCount(qint64 n);

// The panel: the parts, the best combinations on each, and the luck of the
// search.  The ids say which rows each part holds ("12–340").
QString searchPanel(const SearchSettings& search, const SearchResult& result,
                    std::size_t chooseRows, std::size_t judgeRows, const QString& chooseIds,
                    const QString& judgeIds);

// The CSV: a line for every combination, best first, with its figures on both
// parts and its stakes.
QByteArray searchCsv(const SearchSettings& search, const SearchResult& result);

} // namespace zt
