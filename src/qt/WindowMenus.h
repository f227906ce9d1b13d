#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <cstdint>

class QAction;
class QMenu;
class QWidget;

namespace tesmo {

// The numbers that name widgets to the control's logic; a number outlives its widget
// without ever naming another.
std::int64_t WindowNumber(QWidget* widget);
QWidget* WindowOf(std::int64_t number);

// The pick of a window-menu item, posted to the window: the hook of the control that owns
// the window takes it; without a hook the window lets it pass.
class SystemCommandEvent : public QEvent {
public:
    explicit SystemCommandEvent(int id) : QEvent(type()), id_(id) {}
    static QEvent::Type type();
    int id() const { return id_; }

private:
    int id_;
};

// The menu Tesmo keeps for a top-level window: the window's own items (Restore, Minimize,
// Maximize, Close), then what the controls add. Alt+Space opens it; a QMainWindow with a
// menu bar shows it there too.
class WindowMenu : public QObject {
    Q_OBJECT
public:
    // The window's menu, made when `create` is set and it has none.
    static WindowMenu* Of(QWidget* window, bool create);

    QMenu* menu() const { return menu_; }
    void reset();
    void add(int id, const QString& caption, bool rule);
    // The item added under an id, or none.
    QAction* item(int id) const;
    void hook(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit WindowMenu(QWidget* window);

    QWidget* window_;
    QMenu* menu_;
    bool hooked_ = false;
};

}  // namespace tesmo
