#include "ui/hiddenbox.h"

namespace zt {

HiddenBox::HiddenBox(QWidget* parent) : QWidget(parent)
{
    setVisible(false);
}

void HiddenBox::setText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    // A listener may write the box again (a bridge answers "ok"): every
    // listener gets the text of this write.
    const QString written = text_;
    Q_EMIT textChanged(written);
}

} // namespace zt
