#include "board/proposals.h"

#include "app/textrules.h"
#include "board/associations.h"
#include "board/history.h"

namespace zt {

QString defaultProposal(int drawn, QStringView filterText)
{
    QString text;
    if (filterText == u"Tutti" || leadingNumber(filterText) == drawn)
        AssociatiTre(text, drawn);
    return text;
}

QString quorixProposal(const History& history, int& count)
{
    if (history.count() <= 24)
        return {};
    const int h24 = history.hotNumber(24);
    const int h8 = history.hotNumber(8);
    // One variable for both lookups: a number without a row leaves it as it was.
    QString row;
    AssociatiTre(row, h24);
    const QString t1 = row;
    AssociatiTre(row, h8);
    QString text = t1 + u' ' + row + u' ' + QString::number(h24) + QLatin1String(", ") +
                   QString::number(h8) + u',';
    int merged = 0;
    UnisciNumeri(text, merged);
    if (text.isEmpty() || merged <= 7)
        return {};
    count = merged;
    return text;
}

QString zentrimaProposal(const History& history)
{
    const int c = history.count();
    if (c <= 5)
        return {};
    int s = history.at(c - 1) + 2 * history.at(c - 3) + history.at(c - 5);
    s = (s % 37 + 37) % 37;
    QString text;
    AssociatiDue(text, s);
    text += u' ' + QString::number(s) + u',';
    int count = 0;
    UnisciNumeri(text, count);
    return text;
}

} // namespace zt
