// What the control shows, on screen and written to image and PDF files, read back.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>

#include "widget/Harness.h"

namespace tesmo {
namespace {

constexpr std::int32_t kBlue = 0xFF0000;  // red in the low byte
const QColor kGrid(0xC0, 0xC0, 0xC0);

// A chart with a title, a grey scale and a blue polyline, on screen.
struct Shown : ShownChart {
    Shown() {
        c.setGridColor(0xC0C0C0);
        c.setForeColor(kBlue);
        c.setTitleColor(0);
        c.setTitle("Rain");
        c.setDrawWidth(3);
        EXPECT_TRUE(c.SetScaleUnit());
        zigzag();
        EXPECT_TRUE(c.Draw());
    }
};

// What the chart shows, in a picture of the control scaled to `size`: the title's dark
// pixels at the top left, the frame and the labels in the grid colour, the blue polyline.
void ExpectChart(const QImage& image, QSize size, const char* what) {
    ASSERT_FALSE(image.isNull()) << what;
    EXPECT_EQ(image.size(), size) << what;
    const double k = static_cast<double>(image.width()) / 320;
    const auto scaled = [k](int x, int y, int width, int height) {
        return QRectF(x * k, y * k, width * k, height * k).toRect();
    };
    // The plot inside the border: margins of 480 and 240 twips at 15 twips a pixel.
    const int left = 33, top = 17, right = 287, bottom = 223;
    EXPECT_GT(CountDark(image, scaled(0, 0, 100, 16), 110), 10 * k * k) << what << ": the title";
    EXPECT_GT(CountNear(image, scaled(left + 5, bottom - 1, right - left - 10, 3), kGrid), (right - left - 20) * k)
        << what << ": the bottom of the frame";
    EXPECT_GT(CountNear(image, scaled(left - 1, top + 5, 3, bottom - top - 10), kGrid), (bottom - top - 20) * k)
        << what << ": the left of the frame";
    EXPECT_GT(CountNear(image, scaled(0, bottom + 3, left + 20, 240 - bottom - 3), kGrid), 5 * k * k)
        << what << ": the first X label below the axis";
    EXPECT_GT(CountNear(image, image.rect(), Qt::blue), 600 * k * k) << what << ": the polyline";
}

TEST(ExportWidget, ImagesAndPdfReadBackAsShown) {
    Shown chart;
    QTemporaryDir dir;
    const QImage screen = chart.w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ExpectChart(screen, QSize(320, 240), "on screen");

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
    ExpectChart(QImage(dir.filePath("chart.jpeg")), QSize(320, 240), "JPEG");

    ASSERT_TRUE(chart.w.exportImage(dir.filePath("fine.png"), 192));
    const QImage fine(dir.filePath("fine.png"));
    ExpectChart(fine, QSize(640, 480), "PNG at 192 dpi");
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
    ExpectChart(QImage(page + ".png"), QSize(320, 240), "PDF");
}

TEST(ExportWidget, RefusedWritesLeaveNoFile) {
    QTemporaryDir dir;
    const struct {
        const char* name;
        QString path;
        int dpi;
        QSize size;
    } cases[] = {
        {"a folder that does not exist", dir.filePath("none/chart.png"), 0, {320, 240}},
        {"a folder no one may write", QStringLiteral("/proc/tesmo-chart.png"), 0, {320, 240}},
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
        EXPECT_TRUE(QDir(dir.path()).isEmpty()) << c.name << ": nothing left behind";
    }
}

TEST(ExportWidget, ADrawingUnderWayIsWrittenAsItStandsAndGoesOn) {
    ShownChart chart;
    TesmoWidget& w = chart.w;
    ucTesmo& c = chart.c;
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
