#pragma once
// A push button drawn in its own back colour, whatever the widget style.

#include <QColor>
#include <QPushButton>

namespace zt {

class ColorButton : public QPushButton {
    Q_OBJECT
public:
    explicit ColorButton(const QString& caption = {}, QWidget* parent = nullptr);

    QColor backColor() const { return back_; }
    // Repaints only when the colour changes.
    void setBackColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor back_{224, 224, 224};
};

} // namespace zt
