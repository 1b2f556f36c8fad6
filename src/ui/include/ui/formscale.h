#pragma once
// A window laid out at fixed positions, grown as a whole: every control's
// position, size and text multiplied by one factor, as on a photograph made
// larger.  At factor 1 every control is exactly as designed.

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <vector>

namespace zt {

class FormScale {
public:
    // Takes the designed position, size and font of every control under
    // `root` (into the plain frames that hold controls, not into the controls
    // themselves, nor into other windows).  Call once the form is built.
    void capture(QWidget* root);

    // Every control at `factor` times its design (1: exactly the design), the
    // outermost ones shifted by `offset` pixels.
    void apply(double factor, QPoint offset = {});
    double factor() const { return factor_; }

private:
    struct Control {
        QPointer<QWidget> widget;
        QRect geometry;
        QFont font;
        bool ownFont = false; // the font was set on it, not taken from its container
        bool outermost = false;
    };
    void take(QWidget* container, bool outermost);

    std::vector<Control> controls_;
    double factor_ = 1;
    QPoint offset_;
};

} // namespace zt
