#include "viewer/formparts.h"

#include <QMessageBox>

namespace zt::form {

void showMessage(QWidget* parent, const QString& text)
{
    auto* box = new QMessageBox(QMessageBox::Warning, parent ? parent->windowTitle() : QString(),
                                text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace zt::form
