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

    // Where the surface's input goes.
    std::function<void()> onDoubleClick;
    std::function<void(std::int16_t& key)> onKeyDown;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QtSurface* surface_ = nullptr;
};

}  // namespace tesmo
