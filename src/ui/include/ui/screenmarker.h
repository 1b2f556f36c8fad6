#pragma once
// Marking a rectangle of the screen with the mouse: a window over the whole
// screen shows what is on it, dimmed; the player drags the rectangle, and
// `marked` gives it in screen coordinates.  Escape, or a click without a
// drag, gives it up.  The window deletes itself when done.

#include <QImage>
#include <QRect>
#include <QWidget>

namespace zt {

class ScreenMarker : public QWidget {
    Q_OBJECT
public:
    // Over the screen at `screenGeometry`, whose picture is `screen`; `hint`
    // is the text shown at the top.
    ScreenMarker(const QImage& screen, const QRect& screenGeometry, const QString& hint);

Q_SIGNALS:
    void marked(const QRect& rectangle);
    void givenUp();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void finish(bool done);

    QImage screen_;
    QRect screenGeometry_;
    QString hint_;
    QPoint from_;
    QRect chosen_;
    bool dragging_ = false;
    bool finished_ = false;
};

} // namespace zt
