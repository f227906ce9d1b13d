#include "MapPicture.h"

#include <QPainter>
#include <QPainterPath>

namespace {

void Town(QPainter& p, QPointF at, const QString& name) {
    p.setPen(QPen(QColor(60, 40, 30), 1));
    p.setBrush(QColor(180, 60, 50));
    p.drawRect(QRectF(at.x() - 4, at.y() - 4, 8, 8));
    p.drawText(at + QPointF(8, -6), name);
}

void Hill(QPainter& p, QPointF top, double size) {
    QPolygonF shape{top, top + QPointF(-size, size * 1.2), top + QPointF(size, size * 1.2)};
    p.setPen(QPen(QColor(110, 90, 60), 1));
    p.setBrush(QColor(170, 150, 110));
    p.drawPolygon(shape);
}

}  // namespace

QImage DrawMapPicture() {
    QImage image(860, 600, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(image.rect(), QColor(214, 228, 190));

    QPainterPath sea;
    sea.moveTo(0, 0);
    sea.lineTo(150, 0);
    sea.cubicTo(200, 120, 110, 220, 150, 300);
    sea.cubicTo(190, 380, 60, 460, 90, 600);
    sea.lineTo(0, 600);
    sea.closeSubpath();
    p.fillPath(sea, QColor(150, 190, 225));
    p.setPen(QPen(QColor(90, 130, 170), 2));
    p.drawPath(sea);

    QPainterPath river;
    river.moveTo(830, 20);
    river.cubicTo(700, 160, 620, 220, 520, 250);
    river.cubicTo(380, 300, 330, 420, 140, 470);
    p.setPen(QPen(QColor(90, 140, 200), 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(river);

    for (auto [x, y, s] : {std::tuple{470.0, 60.0, 30.0}, {530.0, 40.0, 38.0}, {600.0, 70.0, 28.0}, {700.0, 150.0, 26.0}})
        Hill(p, QPointF(x, y), s);

    p.setPen(QPen(QColor(150, 140, 130), 3, Qt::DashLine));
    p.drawPolyline(QPolygonF{{180, 100}, {330, 170}, {450, 280}, {560, 380}, {790, 420}});

    Town(p, {180, 100}, QStringLiteral("Porto"));
    Town(p, {450, 280}, QStringLiteral("Valle"));
    Town(p, {790, 420}, QStringLiteral("Monte"));

    p.setPen(QColor(80, 110, 140));
    p.drawText(QPointF(20, 580), QStringLiteral("Mare"));
    return image;
}
