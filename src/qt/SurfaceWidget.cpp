#include "qt/SurfaceWidget.h"

#include <QPaintEvent>
#include <QPainter>

#include "qt/QtSurface.h"

namespace tesmo {

SurfaceWidget::SurfaceWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pic_main"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void SurfaceWidget::paintEvent(QPaintEvent* event) {
    if (!surface_) return;
    QPainter p(this);
    const int b = surface_->borderPixels();
    const QImage& image = surface_->image();
    if (QRect(QPoint(b, b), image.size()) != rect().adjusted(b, b, -b, -b)) p.fillRect(event->rect(), palette().window());
    p.drawImage(event->rect().topLeft(), image, event->rect().translated(-b, -b));
    if (b > 0) {
        p.setPen(Qt::black);
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

}  // namespace tesmo
