// A chart drawn offscreen, read back pixel by pixel; a widget deleted while a drawing waits.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "tesmo/TesmoWidget.h"

namespace tesmo {
namespace {

QColor Rgb(std::int32_t c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

// Pixels of text are antialiased: count the dark ones.
int CountDark(const QImage& image, const QRect& area) {
    int n = 0;
    for (int y = std::max(0, area.top()); y <= std::min(image.height() - 1, area.bottom()); ++y)
        for (int x = std::max(0, area.left()); x <= std::min(image.width() - 1, area.right()); ++x)
            n += qGray(image.pixel(x, y)) < 128;
    return n;
}

int CountColor(const QImage& image, const QRect& area, const QColor& color) {
    int n = 0;
    for (int y = std::max(0, area.top()); y <= std::min(image.height() - 1, area.bottom()); ++y)
        for (int x = std::max(0, area.left()); x <= std::min(image.width() - 1, area.right()); ++x)
            n += image.pixelColor(x, y) == color;
    return n;
}

TEST(ChartWidget, FrameLabelsAndPolylineReachTheScreen) {
    TesmoWidget w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    ucTesmo& c = w.control();
    c.setMapStyle(enMapStyle::ScaleSystem);
    c.setGridColor(0x000000);
    c.setForeColor(0x0000FF);
    c.setBackColor(0xFFFFFF);
    ASSERT_TRUE(c.SetScaleUnit());
    for (int x = 0; x <= 100; x += 10) c.Point_Add(x, x % 20 == 0 ? 20 : 80);
    ASSERT_TRUE(c.Draw());
    QApplication::processEvents();
    const QImage shot = w.surface()->grab().toImage();

    // Plot rectangle in pixels: margins of 480 and 240 twips at 15 twips a pixel.
    const int left = 32, top = 16, right = shot.width() - 32, bottom = shot.height() - 16;
    EXPECT_GT(CountColor(shot, QRect(left + 5, bottom, right - left - 10, 1), Qt::black), right - left - 20)
        << "bottom frame line";
    EXPECT_GT(CountColor(shot, QRect(left, top + 5, 1, bottom - top - 10), Qt::black), bottom - top - 20)
        << "left frame line";
    EXPECT_GT(CountDark(shot, QRect(0, bottom + 3, left + 20, shot.height() - bottom - 3)), 5)
        << "the first X label below the axis";
    EXPECT_GT(CountColor(shot, QRect(left + 2, top + 2, right - left - 4, bottom - top - 4), Rgb(0x0000FF)), 200)
        << "the polyline in ForeColor";
}

TEST(ChartWidget, DeletedWhileADrawingWaits) {
    auto* w = new TesmoWidget;
    w->show();
    ucTesmo& c = w->control();
    c.setMapStyle(enMapStyle::ScaleSystem);
    c.Point_Add(0, 0);
    c.Point_Add(100, 100);
    c.setBaseStep(10);
    c.setDelay(200);
    QTimer::singleShot(100, [w] { delete w; });
    EXPECT_TRUE(c.Draw()) << "a stop request ends the drawing";
    QTest::qWait(10);  // the control itself goes once its call has returned
}

TEST(ChartWidget, DeletedByTheHostsStartDrawingHandler) {
    auto* w = new TesmoWidget;
    ucTesmo& c = w->control();
    c.setMapStyle(enMapStyle::ScaleSystem);
    c.Point_Add(0, 0);
    c.Point_Add(100, 100);
    QObject::connect(w, &TesmoWidget::StartDrawing, [w](bool&) { delete w; });
    EXPECT_FALSE(c.Draw());
    QTest::qWait(10);
}

}  // namespace
}  // namespace tesmo
