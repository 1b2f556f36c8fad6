#pragma once
// Placeholder main board; the real window replaces this file.

#include "app/sharedwindow.h"

namespace zt {

class BoardWindow : public SharedWindow {
    Q_OBJECT
public:
    BoardWindow();

protected:
    void closeEvent(QCloseEvent* event) override;
};

} // namespace zt
