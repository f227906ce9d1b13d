#pragma once

#include <QWidget>

namespace tesmo {

class QtSurface;

// pic_main: shows the surface's image inside its optional one-pixel border.
class SurfaceWidget : public QWidget {
    Q_OBJECT
public:
    explicit SurfaceWidget(QWidget* parent);
    void setSurface(QtSurface* surface) { surface_ = surface; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QtSurface* surface_ = nullptr;
};

}  // namespace tesmo
