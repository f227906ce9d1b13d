#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace tesmo {

class CloseGate;

// Watches the window that holds a widget for its closing, and follows the widget when it
// moves to another window (also with an ancestor). `mayClose` runs before the window
// closes, once the window's own handler has accepted the close; false keeps it open.
// `closed` runs once the window has closed. Every widget watching one window is asked.
class CloseWatcher : public QObject {
    Q_OBJECT
public:
    CloseWatcher(QWidget* widget, std::function<bool()> mayClose, std::function<void()> closed);
    ~CloseWatcher() override;

    bool mayClose() const { return mayClose_(); }
    void closed() const { closed_(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow();

    QPointer<QWidget> widget_;
    QPointer<QWidget> window_;
    QPointer<CloseGate> gate_;
    std::function<bool()> mayClose_;
    std::function<void()> closed_;
};

}  // namespace tesmo
