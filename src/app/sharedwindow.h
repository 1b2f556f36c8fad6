#pragma once
// One shared instance per window class: created on first use (shown or only
// read by another window), destroyed by its own close box, and created afresh,
// with its design-time values, the next time it is used.

#include <QPointer>
#include <QWidget>

#include <typeindex>

namespace zt {

// Base of every window that lives as a shared instance.  Closing it with its
// close box detaches it from the registry at once and deletes it later.
class SharedWindow : public QWidget {
    Q_OBJECT
public:
    explicit SharedWindow(QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;
    // Called when the window is about to be unloaded by its close box.
    virtual void aboutToUnload() {}

private:
    friend void detachSharedWindow(QWidget*);
};

namespace detail {
QPointer<QWidget>& sharedSlot(std::type_index type);
}

// The shared instance of W, created hidden when there is none.
template <class W>
W* shared()
{
    QPointer<QWidget>& slot = detail::sharedSlot(typeid(W));
    if (!slot)
        slot = new W;
    return static_cast<W*>(slot.data());
}

// The shared instance of W when one is loaded, otherwise nullptr.
template <class W>
W* loaded()
{
    return static_cast<W*>(detail::sharedSlot(typeid(W)).data());
}

// Forgets the window (without deleting it); the next shared<W>() creates a new one.
void detachSharedWindow(QWidget* window);

// Deletes every shared window at once (program exit, tests).
void destroySharedWindows();

} // namespace zt
