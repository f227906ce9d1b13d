// What the control shows written to image and PDF files, and read back.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "tesmo/TesmoWidget.h"

namespace tesmo {
namespace {

constexpr std::int32_t kBlue = 0xFF0000;  // red in the low byte

// A chart with a title and a blue polyline, on screen.
struct Shown {
    Shown() {
        w.resize(320, 240);
        w.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
        ucTesmo& c = w.control();
        c.setMapStyle(enMapStyle::ScaleSystem);
        c.setBackColor(0xFFFFFF);
        c.setGridColor(0xC0C0C0);
        c.setForeColor(kBlue);
        c.setTitleColor(0);
        c.setTitle("Rain");
        c.setDrawWidth(3);
        EXPECT_TRUE(c.SetScaleUnit());
        for (int x = 0; x <= 100; x += 10) c.Point_Add(x, x % 20 == 0 ? 20 : 80);
        EXPECT_TRUE(c.Draw());
    }
    TesmoWidget w;
};

// Pixels close to a colour (JPEG and PDF rendering are not exact).
int CountNear(const QImage& image, const QRect& area, QColor color) {
    int n = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor p = image.pixelColor(x, y);
            n += std::abs(p.red() - color.red()) + std::abs(p.green() - color.green()) + std::abs(p.blue() - color.blue()) < 90;
        }
    return n;
}

int CountDark(const QImage& image, const QRect& area) {
    int n = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += qGray(image.pixel(x, y)) < 110;
    return n;
}

// The title's dark pixels at the top left, and the polyline's blue ones, in a picture of
// the control scaled to `size`.
void ExpectTitleAndLine(const QImage& image, QSize size, const char* what) {
    ASSERT_FALSE(image.isNull()) << what;
    EXPECT_EQ(image.size(), size) << what;
    const double k = static_cast<double>(image.width()) / 320;
    EXPECT_GT(CountDark(image, QRect(0, 0, static_cast<int>(100 * k), static_cast<int>(16 * k))), 10 * k * k)
        << what << ": the title";
    EXPECT_GT(CountNear(image, image.rect(), Qt::blue), 600 * k * k) << what << ": the polyline";
}

TEST(ExportWidget, ImagesAndPdfReadBackAsShown) {
    Shown chart;
    QTemporaryDir dir;
    const QImage screen = chart.w.grab().toImage().convertToFormat(QImage::Format_RGB32);

    for (const char* name : {"chart.png", "chart.BMP"}) {
        ASSERT_TRUE(chart.w.exportImage(dir.filePath(name))) << name;
        EXPECT_EQ(QImage(dir.filePath(name)).convertToFormat(QImage::Format_RGB32), screen)
            << name << ": pixel for pixel what the control shows";
    }
    TesmoWidget never;
    never.resize(100, 80);
    ASSERT_TRUE(never.exportImage(dir.filePath("never.png"))) << "a control never shown";
    EXPECT_EQ(QImage(dir.filePath("never.png")).size(), QSize(100, 80));

    ASSERT_TRUE(chart.w.exportImage(dir.filePath("chart.jpeg")));
    ExpectTitleAndLine(QImage(dir.filePath("chart.jpeg")), QSize(320, 240), "JPEG");

    ASSERT_TRUE(chart.w.exportImage(dir.filePath("fine.png"), 192));
    const QImage fine(dir.filePath("fine.png"));
    ExpectTitleAndLine(fine, QSize(640, 480), "PNG at 192 dpi");
    EXPECT_NEAR(fine.dotsPerMeterX() * 0.0254, 192, 0.5);

    ASSERT_TRUE(chart.w.exportImage(dir.filePath("chart.pdf")));
    QFile pdf(dir.filePath("chart.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const auto box = QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"))
                         .match(QString::fromLatin1(pdf.readAll()));
    ASSERT_TRUE(box.hasMatch());
    const double dpi = chart.w.logicalDpiX();
    EXPECT_NEAR(box.captured(1).toDouble(), 320 * 72 / dpi, 1) << "one page the size of the control, in points";
    EXPECT_NEAR(box.captured(2).toDouble(), 240 * 72 / dpi, 1);
    const QString page = dir.filePath("page");
    ASSERT_EQ(QProcess::execute(QStringLiteral("pdftoppm"),
                                {QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-r"),
                                 QString::number(dpi), dir.filePath("chart.pdf"), page}),
              0);
    ExpectTitleAndLine(QImage(page + ".png"), QSize(320, 240), "PDF");
}

TEST(ExportWidget, RefusedWritesLeaveNoFile) {
    QTemporaryDir dir;
    QFile plain(dir.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const struct {
        const char* name;
        QString path;
        int dpi;
        QSize size;
    } cases[] = {
        {"a folder that does not exist", dir.filePath("none/chart.png"), 0, {320, 240}},
        {"a folder that is a file", dir.filePath("plain/chart.pdf"), 0, {320, 240}},
        {"a folder no one may write", QStringLiteral("/proc/tesmo-chart.png"), 0, {320, 240}},
        {"no suffix", dir.filePath("chart"), 0, {320, 240}},
        {"an unknown suffix", dir.filePath("chart.xyz"), 0, {320, 240}},
        {"a negative resolution", dir.filePath("chart.png"), -1, {320, 240}},
        {"a resolution beyond any image", dir.filePath("chart.png"), 1000000, {320, 240}},
        {"a 0 x 0 control", dir.filePath("chart.png"), 0, {0, 0}},
    };
    for (const auto& c : cases) {
        TesmoWidget w;
        w.resize(c.size);
        w.show();
        EXPECT_FALSE(w.exportImage(c.path, c.dpi)) << c.name;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"plain"})
            << c.name << ": nothing left behind";
    }
}

TEST(ExportWidget, ADrawingUnderWayIsWrittenAsItStandsAndGoesOn) {
    TesmoWidget w;
    w.resize(320, 240);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    ucTesmo& c = w.control();
    c.setMapStyle(enMapStyle::ScaleSystem);
    c.setBackColor(0xFFFFFF);
    c.setForeColor(kBlue);
    c.setDrawWidth(3);
    c.setDelay(5);
    c.setBaseStep(30);
    c.Point_Add(0, 50);
    c.Point_Add(100, 50);
    QTemporaryDir dir;
    const QString path = dir.filePath("midway.png");
    bool written = false;
    QTimer::singleShot(60, [&] { written = w.exportImage(path); });
    bool finished = false;
    QObject::connect(&w, &TesmoWidget::FinishDrawing, [&] { finished = true; });
    EXPECT_TRUE(c.Draw());
    ASSERT_TRUE(written);
    EXPECT_TRUE(finished) << "the animation went on to its end";
    const int midway = CountNear(QImage(path), QRect(0, 0, 320, 240), Qt::blue);
    const int end = CountNear(w.grab().toImage(), QRect(0, 0, 320, 240), Qt::blue);
    EXPECT_GT(midway, 0);
    EXPECT_LT(midway, end) << "part of the line, as it stood";
}

}  // namespace
}  // namespace tesmo
