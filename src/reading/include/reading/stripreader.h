#pragma once
// Reading the numbers of a picture of a casino's strip of last numbers: discs
// (red, black, green) with light digits, coloured digits on a dark band, or
// one big result number.
//
// The picture is cut into its items (a disc, or the digits of one number);
// each item's colour is told apart from its digits, the digits are drawn
// black on white at one height and read by Tesseract, digits only.  The
// colour is then checked against the wheel: a red item must be a red number,
// a green one 0, a black or white one a black number.  An item that cannot be
// read, or whose colour says otherwise, reads as -1, so the numbers are
// never guessed.

#include "core/readersettings.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

#include <memory>

namespace zt {

// One item of the strip, found in the picture.
struct StripItem {
    enum Colour { Unknown, Red, Black, Green };
    QRect box;            // in the picture
    Colour colour = Unknown;
    bool disc = false;    // digits on a disc (else digits on the band)
    bool cut = false;     // touching the edge of the picture: perhaps not whole
    QImage digits;        // the digits, black on white, scaled to one height
};

// Cuts a picture into its items, left to right.  Nothing for a picture with
// no items (all one colour).
QList<StripItem> stripItems(const QImage& picture);

class StripReader {
public:
    StripReader();
    ~StripReader();
    StripReader(const StripReader&) = delete;
    StripReader& operator=(const StripReader&) = delete;

    // Empty when the recognition is ready; otherwise why it is not (its
    // language data missing).
    QString fault();

    // The numbers of the picture, newest first; -1 for an item that cannot
    // be read; empty when the picture shows no items.  An item cut by the
    // edge of the picture is left out at the oldest end (the strip goes on
    // beyond the rectangle) and cannot be read anywhere else (a number
    // sliding in).
    QList<int> read(const QImage& picture, NewestEnd newest);

    // For the grabs of a strip again and again: the items are read only once
    // they lie where they lay on the grab before, so the frames of a strip
    // that slides cost no recognition.  The readings to follow, in order: an
    // empty one while the strip moves; the grab before and this one when it
    // has just come to rest; else this one.  An item cut by the edge at the
    // oldest end stays in them as -1: something beside a number is seen.
    QList<QList<int>> readGrab(const QImage& picture, NewestEnd newest);

    // Items read by the recognition since the start (a repeated item is
    // remembered, not read again).
    int recognised() const { return recognised_; }

    // The number a reading of an item's digits drawn twice side by side
    // gives ("1717": 17): two alike halves of one or two digits; -1 otherwise.
    static int numberReadTwice(const QString& text);

private:
    int readItem(const StripItem& item);
    // As read(), with the item cut at the oldest end as -1 (lastCutAway_).
    QList<int> readAll(const QImage& picture, NewestEnd newest);

    struct Engine;
    std::unique_ptr<Engine> engine_;
    int recognised_ = 0;
    // The last picture and what it read.
    QImage lastPicture_;
    NewestEnd lastNewest_ = NewestEnd::Left;
    QList<int> lastNumbers_;
    bool lastCutAway_ = false;
    // The grab before, and where its items lay.
    QImage lastGrab_;
    QList<QRect> lastBoxes_;
    bool lastGrabRead_ = false;
};

} // namespace zt
