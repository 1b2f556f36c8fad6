#pragma once
// The three ways a spin makes a new proposal when none is being followed.
// Each returns the text for the proposal box, or an empty text for none.

#include "core/associations.h"

#include <QString>
#include <QStringView>

namespace zt {

class History;

// A proposal as the board writes it (an empty text: none), with what its list
// holds and, for "Modo Quorix", the count of its numbers and its text for the
// count label.  The texts come from tables made once for the run.
struct ProposalText {
    QString text;
    ListFacts facts;
    int count = 0;
    QString countText;
};
const ProposalText& defaultProposalText(int drawn, QStringView filterText);
const ProposalText& quorixProposalText(const History& history);
const ProposalText& zentrimaProposalText(const History& history);

// No mode ticked: the AssociatiTre row of the drawn number, unchanged, when
// the number filter reads "Tutti" or its leading number equals the number.
QString defaultProposal(int drawn, QStringView filterText);

// "Modo Quorix": from the 25th spin on, the proposal of the hot numbers of the
// last 24 and the last 8 spins (below).  count receives the number of its
// numbers (for the proposal's count label) when a proposal is made.
QString quorixProposal(const History& history, int& count);

// The "Modo Quorix" proposal of two hot numbers: the AssociatiTre rows of h24
// and of h8 (looked up into one variable, so h8 without a row repeats the row
// of h24) and the two numbers themselves, merged by UnisciNumeri; a proposal
// only when that makes more than seven numbers.
QString quorixProposalFor(int h24, int h8, int& count);

// "Modo Zentrima13": from the 6th spin on, s = newest + 2 x third-newest +
// fifth-newest reduced modulo 37, and the proposal of s (below).
QString zentrimaProposal(const History& history);

// The "Modo Zentrima13" proposal of s: the AssociatiDue row of s and s, merged.
QString zentrimaProposalFor(int s);

} // namespace zt
