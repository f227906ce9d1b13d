// The control on screens of one and of two device pixels a layout pixel: these tests run in
// the widget tests and again under QT_SCALE_FACTOR=2.
#include <gtest/gtest.h>

#include <QMouseEvent>

#include "widget/Harness.h"

namespace tesmo {
namespace {

// An image drawn at layout resolution and scaled up repeats every row and column: each
// 2 x 2 block of device pixels is one colour.
bool ScaledUp(const QImage& image, const QRect& area) {
    for (int y = area.top(); y + 1 <= area.bottom(); y += 2)
        for (int x = area.left(); x + 1 <= area.right(); x += 2) {
            const QRgb p = image.pixel(x, y);
            if (image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p || image.pixel(x + 1, y + 1) != p) return false;
        }
    return true;
}

TEST(HighDpi, LinesAndTextAreDrawnInDevicePixels) {
    ShownChart chart({200, 150});
    const qreal ratio = chart.w.devicePixelRatioF();
    ucTesmo& c = chart.c;
    c.setTitleColor(0);
    c.setTitle("Rain");
    c.Clear();
    c.DrawLine(300, 600, 2100, 1500);   // a shallow diagonal, in twips
    c.DrawLine(300, 1800, 2100, 1800);  // a horizontal line of DrawWidth 1

    const QImage shot = chart.w.surface()->grab().toImage();
    ASSERT_EQ(shot.devicePixelRatio(), ratio);
    ASSERT_EQ(shot.size(), chart.w.surface()->size() * ratio);
    if (ratio == 2) {
        EXPECT_FALSE(ScaledUp(shot, QRect(40, 80, 240, 120))) << "the diagonal";
        EXPECT_FALSE(ScaledUp(shot, QRect(0, 0, 80, 32))) << "the title";
    }
    // The horizontal line at 1800 twips is layout row 120 at any ratio, one layout pixel
    // (`ratio` device rows) wide.
    const QRectF column(100 * ratio, 117 * ratio, 1, 6 * ratio + 1);
    EXPECT_EQ(CountDark(shot, column.toRect()), static_cast<int>(ratio));
}

// Positions, sizes and exports stay in layout units, whatever the screen's ratio.
TEST(HighDpi, LayoutUnitsDoNotDependOnTheRatio) {
    ShownChart chart({200, 150});
    const qreal ratio = chart.w.devicePixelRatioF();
    ucTesmo& c = chart.c;

    float x = -1, y = -1;
    QObject::connect(&chart.w, &TesmoWidget::MouseMove, [&](short&, short&, float& X, float& Y) {
        x = X;
        y = Y;
    });
    QWidget* surface = chart.w.surface();
    QMouseEvent move(QEvent::MouseMove, QPointF(50, 40), surface->mapToGlobal(QPointF(50, 40)), Qt::NoButton,
                     Qt::NoButton, {});
    QApplication::sendEvent(surface, &move);
    EXPECT_FLOAT_EQ(x, 750) << "50 layout pixels, in twips";
    EXPECT_FLOAT_EQ(y, 600);

    QTemporaryDir dir;
    const struct {
        int dpi;
        QSize size;
    } exports[] = {{0, QSize(200, 150) * ratio}, {96, {200, 150}}, {192, {400, 300}}};
    for (const auto& e : exports) {
        const QString path = dir.filePath(QStringLiteral("chart%1.png").arg(e.dpi));
        ASSERT_TRUE(chart.w.exportImage(path, e.dpi)) << e.dpi;
        EXPECT_EQ(QImage(path).size(), e.size) << e.dpi;
    }

    // A picture from a screen of ratio 2 is still its pixels, one to a layout pixel.
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::green);
    image.setDevicePixelRatio(2);
    c.setPicture(TesmoWidget::pictureFromImage(image));
    c.setAutoSize(true);
    EXPECT_EQ(surface->size(), QSize(40, 30));
    const QImage shown = surface->grab().toImage();
    EXPECT_EQ(shown.pixelColor(shown.width() - 2, shown.height() - 2), QColor(Qt::green)) << "filled to the corner";
}

}  // namespace
}  // namespace tesmo
