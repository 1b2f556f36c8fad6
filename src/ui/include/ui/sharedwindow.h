#pragma once
// Windows that live as one shared instance each: created on first use (shown
// or only read by another window), unloaded by their own close box, and
// created afresh, with their design-time values, the next time they are used.

#include <QPointer>
#include <QWidget>

#include <typeindex>
#include <unordered_map>

namespace zt {

// Base of every window that lives as a shared instance.  Closing it with its
// close box unloads it: the registry forgets it at once and it is deleted
// later.
class SharedWindow : public QWidget {
    Q_OBJECT
public:
    explicit SharedWindow(QWidget* parent = nullptr);

    // True once the close box has unloaded the window.
    bool isUnloaded() const { return unloaded_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    // Called when the window is about to be unloaded by its close box.
    virtual void aboutToUnload() {}

private:
    bool unloaded_ = false;
};

// The shared instances, one per window class.
class WindowRegistry {
public:
    WindowRegistry() = default;
    ~WindowRegistry() { destroyAll(); }
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    // The loaded instance of W; when there is none, create() makes one
    // (hidden) and it becomes the instance.
    template <class W, class Create> W* shared(Create create)
    {
        QPointer<SharedWindow>& slot = slots_[typeid(W)];
        if (!slot || slot->isUnloaded())
            slot = create();
        return static_cast<W*>(slot.data());
    }

    // The loaded instance of W, or nullptr.
    template <class W> W* loaded() const
    {
        const auto found = slots_.find(typeid(W));
        if (found == slots_.end() || !found->second || found->second->isUnloaded())
            return nullptr;
        return static_cast<W*>(found->second.data());
    }

    // Deletes every window at once (the end of the program, tests).
    void destroyAll();

private:
    std::unordered_map<std::type_index, QPointer<SharedWindow>> slots_;
};

} // namespace zt
