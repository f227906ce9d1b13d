// The control on a screen with two device pixels a layout pixel (QT_SCALE_FACTOR=2).
#include <gtest/gtest.h>

#include <QTest>

#include "tesmo/TesmoWidget.h"

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
    TesmoWidget w;
    w.resize(200, 150);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    ASSERT_EQ(w.devicePixelRatioF(), 2);
    ucTesmo& c = w.control();
    c.setMapStyle(enMapStyle::ScaleSystem);
    c.setBackColor(0xFFFFFF);
    c.setForeColor(0);
    c.setTitleColor(0);
    c.setTitle("Rain");
    c.Clear();
    c.DrawLine(300, 600, 2100, 1500);  // a shallow diagonal, in twips
    c.DrawLine(300, 1800, 2100, 1800);  // a horizontal line of DrawWidth 1

    const QImage shot = w.surface()->grab().toImage();
    ASSERT_EQ(shot.devicePixelRatio(), 2);
    ASSERT_EQ(shot.size(), w.surface()->size() * 2);
    EXPECT_FALSE(ScaledUp(shot, QRect(40, 80, 240, 120))) << "the diagonal";
    EXPECT_FALSE(ScaledUp(shot, QRect(0, 0, 80, 32))) << "the title";
    // The horizontal line at 1800 twips, layout row 120 as at a ratio of 1: one layout pixel
    // is two device rows.
    int dark = 0;
    for (int y = 236; y <= 244; ++y) dark += qGray(shot.pixel(100, y)) < 128;
    EXPECT_EQ(dark, 2);
}

}  // namespace
}  // namespace tesmo
