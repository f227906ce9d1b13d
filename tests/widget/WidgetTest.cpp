// The widget offscreen: what reaches the screen, layout, and a widget deleted mid-call.
#include <QDialog>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QRandomGenerator>
#include <QSettings>
#include <QSplitter>
#include <QVBoxLayout>
#include <limits>
#include <vector>

#include "qt/QtFont.h"
#include "qt/QtSurface.h"
#include "qt/SegmentPixels.h"
#include "widget/Harness.h"

namespace tesmo {
namespace {

// One widget in a window, set up step by step: what its surface shows after each step, and its About box.
TEST(Widget, WhatIsSetReachesTheScreen) {
    QWidget window;
    auto* w = new TesmoWidget(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ucTesmo& c = w->control();
    const QColor back = Rgb(0xFFC0C0);
    EXPECT_EQ(c.Width(), 9600);
    EXPECT_EQ(c.Height(), 6200);
    QImage shot = Shot(*w);
    EXPECT_EQ(shot.pixelColor(shot.width() / 2, shot.height() / 2), back);

    // A title of control characters after a very long one: in the title colour, at the top only.
    c.setTitleColor(0x0000FF);
    c.setTitle(std::string(100000, 'w'));
    c.setTitle("line\rbreak\ttab\x01");
    shot = Shot(*w);
    const int textHeight = static_cast<int>(c.TextHeight("M") / 15);
    EXPECT_GT(CountColor(shot, QRect(0, 0, shot.width() / 2, textHeight), Rgb(0x0000FF)), 0);
    EXPECT_EQ(CountColor(shot, QRect(0, textHeight + 2, shot.width(), shot.height()), Rgb(0x0000FF)), 0);

    // Enabled is the control's own state, not its window's: drawing goes on.
    window.setEnabled(false);
    EXPECT_TRUE(c.Enabled());
    c.DrawLine(0, 300, 3000, 300);
    EXPECT_EQ(Shot(*w).pixelColor(100, 20), Rgb(c.ForeColor()));
    c.setEnabled(false);
    window.setEnabled(true);
    EXPECT_FALSE(c.Enabled());
    c.setEnabled(true);

    // A single border; a style that does not exist is refused and changes nothing.
    c.setBorderStyle(enBorderStyle::FixedSingle);
    EXPECT_EQ(ErrorOf([&] { c.setBorderStyle(static_cast<enBorderStyle>(7)); }), errors::InvalidPropertyValue);
    shot = Shot(*w);
    EXPECT_EQ(shot.pixelColor(0, shot.height() / 2), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(1, shot.height() / 2), back);

    QString about;
    OnShown<QDialog> read([&](QDialog* box) {
        for (const QLabel* label : box->findChildren<QLabel*>()) about += label->text() + "\n";
        auto* link = box->findChild<QLabel*>("lblLink");
        EXPECT_TRUE(link && link->cursor().shape() == Qt::PointingHandCursor);
        box->accept();
    });
    c.About();
    EXPECT_TRUE(about.contains("Tesmo") && about.contains(TESMO_VERSION)) << about.toStdString();
}

TEST(Widget, SizesAreAppliedOrRefusedClearly) {
    TesmoWidget w;
    w.control().setWidth(3000);
    w.control().setHeight(2000);
    EXPECT_EQ(w.size(), QSize(200, 133));
    EXPECT_EQ(w.surface()->size(), QSize(198, 131));
    for (std::int32_t bad : {-1, 2000000000})
        EXPECT_EQ(ErrorOf([&] { w.control().setWidth(bad); }), errors::InvalidPropertyValue) << bad;
    EXPECT_EQ(w.size(), QSize(200, 133));
    EXPECT_EQ(w.control().Width(), 3000) << "a refused value changes nothing";

    // In a layout the layout decides: a size asked for, in code or from saved settings, is
    // the size hint, and the sizes and the surface follow the widget's geometry.
    QTemporaryDir dir;
    QSettings saved(dir.filePath("sizes.ini"), QSettings::IniFormat);
    w.writeProperties(saved);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* laid = new TesmoWidget;
    layout->addWidget(laid);
    window.resize(300, 200);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QStringList notified;
    QObject::connect(laid, &TesmoWidget::PropertyChanged, [&](const QString& name) { notified << name; });
    laid->readProperties(saved);
    laid->control().setHeight(1500);
    EXPECT_EQ(laid->sizeHint(), QSize(200, 100));
    window.resize(450, 150);
    EXPECT_TRUE(QTest::qWaitFor([&] { return laid->size() == QSize(450, 150); }));
    EXPECT_EQ(laid->control().Width(), 450 * 15);
    EXPECT_EQ(laid->control().Height(), 150 * 15);
    EXPECT_TRUE(notified.contains("Width") && notified.contains("Height"));
    EXPECT_EQ(laid->surface()->geometry(), QRect(1, 1, 448, 148)) << "the surface covers the widget";
    // With AutoSize the layout gives the control its picture's size.
    QImage picture(120, 80, QImage::Format_RGB32);
    picture.fill(Qt::green);
    laid->control().setPicture(TesmoWidget::pictureFromImage(picture));
    laid->control().setAutoSize(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return laid->size() == QSize(122, 82); }));
    EXPECT_EQ(laid->control().Width(), 122 * 15);

    QSplitter split;  // sizes its widgets without a layout
    auto* inSplitter = new TesmoWidget;
    split.addWidget(inSplitter);
    split.resize(400, 300);
    split.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&split));
    EXPECT_EQ(inSplitter->control().Width(), inSplitter->width() * 15);
}

// A widget deleted in the middle of a call of its own: the call returns, and the control
// goes once it has.
TEST(Widget, DeletedInTheMiddleOfACall) {
    const auto chart = [](TesmoWidget* w) -> ucTesmo& {
        ucTesmo& c = w->control();
        c.setMapStyle(enMapStyle::ScaleSystem);
        c.Point_Add(0, 0);
        c.Point_Add(100, 100);
        return c;
    };
    HostFolder folder;
    enum Place { Hidden, Shown, InAWindow };
    const struct {
        const char* name;
        Place place;
        std::function<void(TesmoWidget*)> call;  // deletes the widget on the way
    } cases[] = {
        {"while the About box is open", Shown,
         [](TesmoWidget* w) {
             QTimer::singleShot(50, [w] { delete w; });
             ucTesmo& c = w->control();
             c.About();
             EXPECT_TRUE(c.FlagExit()) << "the control shut down while its call ran";
         }},
        {"during a playback", Shown,
         [](TesmoWidget* w) {
             ucTesmo& c = w->control();
             c.setDelay(20);
             c.setBaseStep(60);
             QTimer::singleShot(150, [w] { delete w; });
             EXPECT_TRUE(c.DrawTrack("Coast"));
         }},
        {"while a drawing waits", Shown,
         [&](TesmoWidget* w) {
             ucTesmo& c = chart(w);
             c.setBaseStep(10);
             c.setDelay(200);
             QTimer::singleShot(100, [w] { delete w; });
             EXPECT_TRUE(c.Draw()) << "a stop request ends the drawing";
         }},
        {"by the host's StartDrawing handler", Hidden,
         [&](TesmoWidget* w) {
             QObject::connect(w, &TesmoWidget::StartDrawing, [w](bool&) { delete w; });
             EXPECT_FALSE(chart(w).Draw());
         }},
        {"while its menu is open", InAWindow,
         [](TesmoWidget* w) {
             OnShown<QMenu> deleting([w](QMenu*) { delete w; });
             QTest::mouseClick(w->surface(), Qt::RightButton, {}, QPoint(30, 30));
         }},
        {"with its window", InAWindow, [](TesmoWidget* w) { delete w->window(); }},
        {"in the middle of a drag", InAWindow,
         [&](TesmoWidget* w) {
             {
                 Answers answers({"Yes", "Torn"});
                 w->systemCommand(1107);
             }
             QWidget* surface = w->surface();
             QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(5, 5));
             QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(5, 5));
             QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(6, 6));
             QMouseEvent move(QEvent::MouseMove, QPointF(7, 7), surface->mapToGlobal(QPointF(7, 7)), Qt::NoButton,
                              Qt::LeftButton, {});
             QApplication::sendEvent(surface, &move);
             delete w;
             EXPECT_EQ(folder.rows("Torn"), 0) << "nothing half kept, and the database is free";
             SqliteConnection c;
             c.Open(ConnectionStringFor(folder.path()));
             c.Execute("INSERT INTO TESMO VALUES (1,'After',1,0,0)");
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QPointer<QWidget> window = c.place == InAWindow ? new QWidget : nullptr;
        auto* w = new TesmoWidget(window);
        if (c.place != Hidden) {
            w->window()->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(w->window()));
        }
        c.call(w);
        QTest::qWait(20);  // the control itself goes once its call has returned
        delete window;
    }
}

// Drawing gathered (a polyline, or lone segments kept until the next text, horizontal and
// vertical ones filled) gives exactly the pixels of the segments drawn as before, and text
// drawn from glyphs laid out once those of the painter's own text drawing.
TEST(Widget, FastDrawingGivesThePixelsOfPlainPainting) {
    QRandomGenerator random(11);
    // A random walk in twips across a 300 x 200 pixel surface, `reach` times its size.
    const auto walk = [&](int n, double reach) {
        std::vector<float> x, y;
        double py = 1500;
        for (int i = 0; i < n; ++i) {
            py += (random.generateDouble() - 0.5) * 600 * reach;
            x.push_back(static_cast<float>(-300 * (reach - 1) + i * 4500.0 * reach / n));
            y.push_back(static_cast<float>(py));
        }
        return std::pair{x, y};
    };
    // Horizontal and vertical segments at fractional places, some reaching past the edges or
    // shorter than a pixel, and one of no length: a scale's frame, ticks and grid.
    const auto grid = [&](int n) {
        std::vector<float> x, y;
        for (int i = 0; i < n; ++i) {
            const auto at = [&](double extent) { return static_cast<float>((random.generateDouble() * 1.1 - 0.05) * extent); };
            const float x1 = at(4500), y1 = at(3000), length = static_cast<float>(random.generateDouble() * 3000);
            const bool across = i % 2 == 0;
            const float size = i % 7 == 0 ? 7.0f : i % 11 == 0 ? 0.0f : length;
            x.insert(x.end(), {x1, across ? x1 + size : x1});
            y.insert(y.end(), {y1, across ? y1 : y1 - size});
        }
        return std::pair{x, y};
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    auto withNan = walk(500, 1);
    withNan.first[250] = nan;
    const struct {
        const char* name;
        std::pair<std::vector<float>, std::vector<float>> path;
        std::int16_t width;
        qreal ratio;
        bool disconnected;  // each segment on its own, as the scale draws its ticks and grid
        int printEvery = 0;  // a text printed away from the lines after every so many segments
        // Then resized, or shown at another device ratio: drawn before there was an image to
        // draw on, as if it had been drawn on one.
        std::vector<QSize> resized = {};
        qreal ratioAfter = 0;
        bool picture = false;  // under the drawing
    } cases[] = {
        {"a walk of 10,000 points inside", walk(10000, 1), 1, 1, false},
        {"a walk leaving and coming back", walk(9000, 3), 1, 1, false},
        {"a point not a number", withNan, 1, 1, false},
        {"a wide pen", walk(3000, 2), 3, 1, false},
        {"two device pixels a pixel", walk(5000, 2), 1, 2, false},
        {"two points", walk(2, 1), 1, 1, false},
        {"separate segments", walk(300, 2), 1, 1, true},
        {"separate wide segments", walk(300, 2), 2, 2, true},
        {"a grid", grid(400), 1, 1, true},
        {"a grid, two device pixels a pixel", grid(400), 1, 2, true},
        {"a grid, a wide pen", grid(400), 2, 1, true},
        {"a walk with texts printed on the way", walk(300, 1), 1, 1, false, 7},
        {"a grid with texts printed on the way", grid(100), 1, 1, true, 3},
        {"a grid, then narrower and taller", grid(300), 1, 1, true, 5, {{170, 260}}},
        {"a walk with texts, then smaller", walk(2000, 3), 1, 1, false, 9, {{120, 80}}},
        {"a wide walk, then larger", walk(2000, 2), 3, 1, false, 0, {{420, 330}}},
        {"a walk, then smaller and larger again", walk(2000, 3), 1, 1, false, 0, {{140, 90}, {300, 200}}},
        {"a grid, two device pixels, then smaller", grid(300), 1, 2, true, 0, {{250, 150}}},
        {"a grid, then two device pixels a pixel", grid(300), 1, 1, true, 4, {}, 2},
        {"a picture at one and a half device pixels a pixel, then two", walk(300, 1), 1, 1.5, false, 0, {}, 2, true},
        {"more than is kept before there is an image, then larger", walk(20000, 3), 1, 1, false, 0, {{350, 250}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto& [x, y] = c.path;
        QtSurface gathered(15, 15), single(15, 15);
        for (QtSurface* s : {&gathered, &single}) {
            s->setDevicePixelRatio(c.ratio);
            s->setWidth(300 * 15);
            s->setHeight(200 * 15);
            s->setBackColor(0xFFFFFF);
            if (c.picture) {
                QImage picture(90, 70, QImage::Format_ARGB32);
                for (int i = 0; i < 90; ++i)
                    for (int j = 0; j < 70; ++j) picture.setPixel(i, j, qRgba(i * 2, j * 3, 128, 40 + i + j));
                s->setPicture(TesmoWidget::pictureFromImage(picture));
            }
            s->setDrawWidth(c.width);
            // A line pending in the same colour, ending where the path starts.
            s->Line(0, 0, x[0], y[0], 0xFF);
        }
        // Texts go to the bottom right corner, which the lines leave alone.
        const auto print = [&](QtSurface& s, std::size_t segment) {
            if (c.printEvery == 0 || segment % static_cast<std::size_t>(c.printEvery) != 0) return;
            s.setCurrentX(4200);
            s.setCurrentY(2850);
            s.Print("9", false);
        };
        if (c.disconnected || c.printEvery > 0) {
            for (std::size_t i = 0; i + 1 < x.size(); i += c.disconnected ? 2 : 1) {
                gathered.Line(x[i], y[i], x[i + 1], y[i + 1], 0xFF);
                print(gathered, i);
            }
        } else {
            gathered.Polyline(x, y, 0xFF);
        }
        // As drawn before: a segment continuing the last in one polyline, a lone one alone,
        // and a text ending the polyline under way.
        for (std::size_t i = 0; i + 1 < x.size(); i += c.disconnected ? 2 : 1) {
            single.Line(x[i], y[i], x[i + 1], y[i + 1], 0xFF);
            if (c.disconnected || (c.printEvery > 0 && i % static_cast<std::size_t>(c.printEvery) == 0)) single.image();
            print(single, i);
        }
        if (!c.resized.empty() || c.ratioAfter > 0) {
            single.image();
            for (QtSurface* s : {&gathered, &single}) {
                if (c.ratioAfter > 0) s->setDevicePixelRatio(c.ratioAfter);
                for (const QSize size : c.resized) {
                    s->setWidth(static_cast<float>(size.width() * 15));
                    s->setHeight(static_cast<float>(size.height() * 15));
                }
            }
            // Drawn on again at the new size.
            for (QtSurface* s : {&gathered, &single}) s->Line(0, 0, 4500, 3000, 0xFF00);
        }
        EXPECT_TRUE(gathered.image() == single.image());
    }
    // Both ways clip a segment to the surface before the painter sees far points.
    const QRectF area(0, 0, 300, 200);
    const struct {
        QPointF a, b, clippedA, clippedB;
    } segments[] = {
        {{10, 10}, {1e9, 10}, {10, 10}, {300, 10}},
        {{-1e9, 20}, {10, 20}, {0, 20}, {10, 20}},
        {{50, -1e9}, {50, 30}, {50, 0}, {50, 30}},
        {{60, 40}, {60, 1e9}, {60, 40}, {60, 200}},
        {{-100, -100}, {400, 400}, {0, 0}, {200, 200}},
    };
    for (auto [a, b, clippedA, clippedB] : segments) {
        ASSERT_TRUE(ClipSegment(a, b, area));
        EXPECT_EQ(a, clippedA);
        EXPECT_EQ(b, clippedB);
    }
    QPointF a(310, 10), b(1e9, 150);
    EXPECT_FALSE(ClipSegment(a, b, area)) << "wholly outside";

    // Text drawn from its glyphs laid out once, or kept to be drawn when the image is made,
    // gives the pixels the painter draws it with, underlined too.
    const char* texts[] = {"0", "100", "-1.5E+10", "31/12/2099", "Rain fi ffl", "\u03a9\u03bc\u03ad\u03b3\u03b1",
                           "\u0645\u0631\u062d\u0628\u0627", "\u65e5\u672c\u8a9e", "left\u2028right", "\u2028", "a b"};
    for (const qreal ratio : {1.0, 2.0})
    for (const bool underline : {false, true})
    for (const bool drawnFirst : {true, false}) {
        QFont asked = QGuiApplication::font();
        asked.setUnderline(underline);
        const QFont font = ToQFont(FromQFont(asked));
        for (const char* text : texts) {
            SCOPED_TRACE(std::string(text) + (ratio == 1 ? "" : ", two device pixels a pixel") +
                         (underline ? ", underlined" : "") + (drawnFirst ? "" : ", kept"));
            QtSurface surface(15, 15), blank(15, 15);
            for (QtSurface* s : {&surface, &blank}) {
                s->setDevicePixelRatio(ratio);
                s->setWidth(300 * 15);
                s->setHeight(200 * 15);
                s->setBackColor(0xFFFFFF);
                s->setForeColor(0xFF0000);
                s->setFont(FromQFont(font));
            }
            QImage expected = blank.image().copy();
            if (drawnFirst) surface.image();
            for (int twice = 0; twice < 2; ++twice) {
                surface.setCurrentX(1237);
                surface.setCurrentY(1011 + 450 * twice);
                surface.Print(text, false);
            }
            QPainter painter(&expected);
            painter.setFont(font);
            painter.setPen(QColor(0, 0, 0xFF));
            for (int twice = 0; twice < 2; ++twice)
                painter.drawText(QPointF(1237 / 15.0, (1011 + 450 * twice) / 15.0 + QFontMetricsF(font).ascent()),
                                 QString::fromUtf8(text));
            painter.end();
            EXPECT_TRUE(surface.image() == expected);
        }
    }

    // Texts measured in one font are not taken for those of a font that differs in what its
    // key leaves out (kerning here).
    const QFont app = QGuiApplication::font();
    QFont unkerned = app;
    unkerned.setKerning(false);
    QGuiApplication::setFont(unkerned);
    QtSurface first(15, 15), second(15, 15);
    second.setFont(FromQFont(unkerned));
    QGuiApplication::setFont(app);
    const QString wave = "AVAVAV Wave";
    const qreal apart = QFontMetricsF(unkerned).horizontalAdvance(wave);
    const qreal kerned = QFontMetricsF(ToQFont(FromQFont(unkerned))).horizontalAdvance(wave);
    ASSERT_NE(apart, kerned);
    EXPECT_EQ(first.TextWidth(wave.toStdString()), static_cast<float>(apart) * 15);
    EXPECT_EQ(second.TextWidth(wave.toStdString()), static_cast<float>(kerned) * 15);
}

}  // namespace
}  // namespace tesmo
