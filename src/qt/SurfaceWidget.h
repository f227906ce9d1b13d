#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>

namespace tesmo {

class QtSurface;

// pic_main: shows the surface's image inside its optional one-pixel border.
class SurfaceWidget : public QWidget {
    Q_OBJECT
public:
    explicit SurfaceWidget(QWidget* parent);
    void setSurface(QtSurface* surface) { surface_ = surface; }

    enum class Pointer { Down, Move, Up };

    // Where the surface's input goes. Pointer input carries the buttons (1 left, 2 right,
    // 4 middle; for a move, those held), the keys held (1 Shift, 2 Ctrl, 4 Alt) and the
    // position in pixels of the surface's image.
    std::function<void()> onDoubleClick;
    std::function<void(std::int16_t& key)> onKeyDown;
    // Backspace or Undo on the surface: true when it took a point back.
    std::function<bool()> onUndo;
    std::function<void(Pointer, std::int16_t button, std::int16_t shift, QPoint at)> onPointer;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void pointer(Pointer kind, std::int16_t button, const QMouseEvent& event);

    QtSurface* surface_ = nullptr;
    bool pressed_ = false;        // a press whose release has not come yet
    bool doubleClicked_ = false;  // the press under way is a double click's second
};

}  // namespace tesmo
