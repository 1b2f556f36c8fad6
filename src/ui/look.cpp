#include "ui/look.h"

#include <QAbstractScrollArea>
#include <QFontInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace zt {

QFont designFont(const QString& family, double points, bool bold, QFont::StyleHint hint)
{
    QFont font(family);
    font.setStyleHint(hint);
    font.setPointSizeF(points);
    font.setBold(bold);
    // The windows are drawn for narrow fonts; the wide DejaVu faces that stand in
    // for a missing family are taken in their condensed cut so captions fit.
    if (QFontInfo(font).family().startsWith(QLatin1String("DejaVu")) &&
        !family.startsWith(QLatin1String("DejaVu")))
        font.setStretch(family.contains(QLatin1String("Condensed")) ? QFont::ExtraCondensed
                                                                    : QFont::Condensed);
    return font;
}

QFont msSansSerif(double points, bool bold)
{
    return designFont(QStringLiteral("MS Sans Serif"), points, bold);
}

QFont controlFont()
{
    return msSansSerif();
}

void setBackColor(QWidget* widget, const QColor& color)
{
    QPalette p = widget->palette();
    // Text boxes paint their Base; every other widget its background role.  Only that role
    // is set, so that controls inside a coloured frame keep their own looks.
    if (qobject_cast<QAbstractScrollArea*>(widget) || qobject_cast<QLineEdit*>(widget)) {
        p.setColor(QPalette::Base, color);
    } else {
        p.setColor(widget->backgroundRole(), color);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(p);
}

void setForeColor(QWidget* widget, const QColor& color)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, color);
    p.setColor(QPalette::Text, color);
    p.setColor(QPalette::ButtonText, color);
    widget->setPalette(p);
}

void showWarning(QWidget* parent, const QString& title, const QString& text, bool windowModal)
{
    auto* box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    // Messages name files and quote the driver: a "<" in them is text.
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (windowModal) {
        box->open();
    } else {
        box->setModal(false);
        box->show();
    }
}

} // namespace zt

namespace zt {

void showMessage(QWidget* parent, const QString& text)
{
    showWarning(parent, parent ? parent->windowTitle() : QString(), text, true);
}

namespace {

// The window system's frame around the window; none before it is known.
QMargins frameOf(const QWidget* window)
{
    return window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
}

// The window, at most `preferred` and at least its least size, in the
// middle of the area with `frame` around it.  The inside of the window is
// placed (the frame's own position is not set the same way everywhere).
void fitInto(QWidget* window, QSize preferred, const QRect& area, const QMargins& frame)
{
    const QSize room = area.size().shrunkBy(frame);
    const QSize size = preferred.boundedTo(room).expandedTo(window->minimumSizeHint());
    const QSize whole = size.grownBy(frame);
    const QPoint corner(std::max(area.left(), area.left() + (area.width() - whole.width()) / 2),
                        std::max(area.top(), area.top() + (area.height() - whole.height()) / 2));
    window->setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), size));
}

// Until the window manager has framed a window just placed: then, if the
// real frame leaves the area (a title bar higher than the room left for
// it), the window is fitted again.  Gives up after a few seconds.
class FrameWatch : public QObject {
public:
    FrameWatch(QWidget* window, QSize preferred, const QRect& area)
        : QObject(window), window_(window), preferred_(preferred), area_(area),
          placed_(window->size())
    {
        auto* poll = new QTimer(this);
        poll->setInterval(50);
        connect(poll, &QTimer::timeout, this, &FrameWatch::check);
        poll->start();
        QTimer::singleShot(5000, this, [this] { deleteLater(); });
    }

private:
    void check()
    {
        if (done_ || !window_->isVisible())
            return;
        // Resized meanwhile (by the player): the window stays as it is now.
        if (window_->size() != placed_) {
            done_ = true;
            deleteLater();
            return;
        }
        const QMargins frame = frameOf(window_);
        if (frame.isNull())
            return;
        done_ = true;
        deleteLater();
        if (!area_.contains(window_->frameGeometry()))
            fitInto(window_, preferred_, area_, frame);
    }

    QWidget* window_;
    QSize preferred_;
    QRect area_;
    QSize placed_;
    bool done_ = false;
};

} // namespace

void placeOnScreen(QWidget* window, QSize preferred)
{
    const QScreen* s = window->screen();
    if (!s)
        return;
    const QRect area = s->availableGeometry();
    const QMargins frame = frameOf(window);
    if (!frame.isNull()) {
        fitInto(window, preferred, area, frame);
        return;
    }
    // Before the window manager frames the window: room for a title bar and
    // borders, and the real frame checked once it is there.
    const int line = window->fontMetrics().height();
    fitInto(window, preferred, area, QMargins(line / 2, line * 2, line / 2, line / 2));
    new FrameWatch(window, preferred, area);
}

} // namespace zt
