#pragma once
// Plain rules of the replay console.

#include <QStringView>

#include <optional>

namespace zt {

// "Genera": a number from 1 to 36, uniformly; zero is never drawn.
int drawRandomNumber();

// The number of rows of an automatic run, from the "Colpi:" text: empty reads
// as 0; otherwise the text must be a number as a whole ("5x", "2,5" or a word
// give no count and the run ends).  A fraction rounds half to even, a negative
// count is 0.
std::optional<int> goRunCount(QStringView text);

// Event pacing of the replay: pending events are processed during the 1st,
// 12th, 23rd, ... replayed row.
class EventPacing {
public:
    // Advances the pacing; true when pending events are due now.
    bool step();

private:
    short counter_ = 0;
};

} // namespace zt
