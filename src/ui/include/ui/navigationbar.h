#pragma once
// The navigation bar of a data source: first, previous, next and last row.

#include <QWidget>

namespace zt {

class RecordCursor;

class NavigationBar : public QWidget {
    Q_OBJECT
public:
    explicit NavigationBar(QWidget* parent = nullptr);

    // Moves the source with the buttons; stepping past the first or the last
    // row leaves it on that row.
    void drive(RecordCursor* source);

Q_SIGNALS:
    void firstClicked();
    void previousClicked();
    void nextClicked();
    void lastClicked();
};

} // namespace zt
