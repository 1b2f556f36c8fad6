#include "viewer/formparts.h"


namespace zt::form {

void showMessage(QWidget* parent, const QString& text)
{
    showWarning(parent, parent ? parent->windowTitle() : QString(), text, true);
}

} // namespace zt::form
