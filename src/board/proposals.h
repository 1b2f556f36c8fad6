#pragma once
// The three ways a spin makes a new proposal when none is being followed.
// Each returns the text for the proposal box, or an empty text for none.

#include <QString>
#include <QStringView>

namespace zt {

class History;

// No mode ticked: the AssociatiTre row of the drawn number, unchanged, when
// the number filter reads "Tutti" or its leading number equals the number.
QString defaultProposal(int drawn, QStringView filterText);

// "Modo Quorix": from the 25th spin on, the rows of the hot numbers of the
// last 24 and the last 8 spins and the two hot numbers, merged; proposed only
// when they make eight distinct numbers.  count receives the merged count
// (written by the caller into the proposal's count label) when a proposal is
// made.
QString quorixProposal(const History& history, int& count);

// "Modo Zentrima13": from the 6th spin on, s = newest + 2 x third-newest +
// fifth-newest reduced modulo 37; the AssociatiDue row of s and s, merged.
QString zentrimaProposal(const History& history);

} // namespace zt
