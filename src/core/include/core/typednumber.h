#pragma once
// A number typed on the main board with the digit keys, before it is entered.
//
// Digits are collected, at most two ("7", "17", "07" is 7, "00" is 0).  As
// soon as what has been typed cannot be a number of the wheel, 0 to 36 (a
// second digit that makes 37 to 99, or a third digit), it is refused: nothing
// is entered, the typing starts afresh, and the refused text is given back
// so that the board can show it.  Enter enters what has been typed, Escape
// clears it, Backspace takes back its last digit.

#include <QString>

namespace zt {

class TypedNumber {
public:
    struct Step {
        enum Kind {
            Ignored, // nothing typed and nothing to do (Enter, Escape, Backspace)
            Typing,  // text() changed
            Entered, // `number` is to be entered; text() is empty again
            Refused, // `refused` is not a number of the wheel; text() is empty again
            Cleared, // Escape: text() is empty again
        };
        Kind kind = Ignored;
        int number = -1;
        QString refused;
    };

    // A digit key, 0 to 9.
    Step digit(int value);
    Step enter();
    Step escape();
    Step backspace();

    // What has been typed and not yet entered: "", "1" or "17".
    const QString& text() const { return text_; }

private:
    QString text_;
};

} // namespace zt
