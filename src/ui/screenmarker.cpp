#include "ui/screenmarker.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace zt {

ScreenMarker::ScreenMarker(const QImage& screen, const QRect& screenGeometry, const QString& hint)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      screen_(screen), screenGeometry_(screenGeometry), hint_(hint)
{
    setObjectName(QStringLiteral("ScreenMarker"));
    setAttribute(Qt::WA_DeleteOnClose);
    setCursor(Qt::CrossCursor);
    setGeometry(screenGeometry);
}

void ScreenMarker::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!screen_.isNull())
        p.drawImage(rect(), screen_);
    p.fillRect(rect(), QColor(0, 0, 0, 110));
    if (!chosen_.isEmpty()) {
        if (!screen_.isNull())
            p.drawImage(chosen_, screen_,
                        QRectF(chosen_.topLeft() * (screen_.width() / double(width())),
                               chosen_.size() * (screen_.width() / double(width()))));
        p.setPen(QPen(QColor(255, 220, 0), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(chosen_.adjusted(-1, -1, 0, 0));
    }
    const QRect band(0, 0, width(), fontMetrics().height() * 2);
    p.fillRect(band, QColor(255, 255, 200));
    p.setPen(Qt::black);
    p.drawText(band, Qt::AlignCenter, hint_);
}

void ScreenMarker::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        finish(false);
        return;
    }
    dragging_ = true;
    from_ = event->position().toPoint();
    chosen_ = {};
    update();
}

void ScreenMarker::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging_)
        return;
    chosen_ = QRect(from_, event->position().toPoint()).normalized();
    update();
}

void ScreenMarker::mouseReleaseEvent(QMouseEvent* event)
{
    if (!dragging_)
        return;
    dragging_ = false;
    chosen_ = QRect(from_, event->position().toPoint()).normalized();
    finish(chosen_.width() >= 8 && chosen_.height() >= 8);
}

void ScreenMarker::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        finish(false);
}

void ScreenMarker::finish(bool done)
{
    if (finished_)
        return;
    finished_ = true;
    const QRect onScreen = chosen_.translated(screenGeometry_.topLeft());
    close();
    if (done)
        Q_EMIT marked(onScreen);
    else
        Q_EMIT givenUp();
}

} // namespace zt
