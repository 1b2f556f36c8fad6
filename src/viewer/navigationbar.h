#pragma once
// The navigation bar of a data source: first, previous, next and last row.

#include <QWidget>

class QToolButton;

namespace zt {

class NavigationBar : public QWidget {
    Q_OBJECT
public:
    explicit NavigationBar(QWidget* parent = nullptr);

Q_SIGNALS:
    void firstClicked();
    void previousClicked();
    void nextClicked();
    void lastClicked();
};

} // namespace zt
