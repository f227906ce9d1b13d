// Map mode offscreen: a track played onto the surface, the track list driven with QTest,
// a missing database, and the demo window as a host.
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <algorithm>

#include "ChartView.h"
#include "DemoWindow.h"
#include "MapView.h"
#include "widget/Harness.h"

namespace tesmo {
namespace {

// A double click as the window system delivers it: press, release, then the second click.
void DoubleClick(TesmoWidget& w) {
    QTest::mouseDClick(w.windowHandle(), Qt::LeftButton, {}, w.surface()->geometry().center());
}

TEST(MapWidget, TheTrackListChoosesWithOkOrADoubleClick) {
    HostFolder folder;
    TesmoWidget w;
    w.show();
    QStringList entries;
    OnShown<QDialog> choose([&](QDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Choose the Track");
        auto* list = dialog->findChild<QListWidget*>("lstTratto");
        auto* ok = dialog->findChild<QPushButton*>("btnOK");
        ASSERT_TRUE(list && ok);
        for (int i = 0; i < list->count(); ++i) entries << list->item(i)->text();
        QTest::mouseClick(ok, Qt::LeftButton);
        EXPECT_TRUE(dialog->isVisible()) << "OK with nothing selected keeps the list open";
        list->setCurrentRow(1);
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    EXPECT_TRUE(w.control().DrawTrack(""));
    EXPECT_EQ(entries, (QStringList{"Coast", "Inland"}));
    EXPECT_EQ(w.control().TrackName(), "Inland");

    OnShown<QDialog> doubleClick([&](QDialog* dialog) {
        auto* list = dialog->findChild<QListWidget*>("lstTratto");
        const QRect first = list->visualItemRect(list->item(0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first.center());
    });
    int presses = 0;
    const auto counted = QObject::connect(&w, &TesmoWidget::MouseDown, [&] { ++presses; });
    DoubleClick(w);
    QObject::disconnect(counted);
    EXPECT_EQ(w.control().TrackName(), "Coast");
    EXPECT_EQ(presses, 2) << "the second click is one press, whatever the double click adds";

    OnShown<QDialog> close([](QDialog* dialog) { dialog->close(); });
    DoubleClick(w);
    EXPECT_EQ(w.control().TrackName(), "") << "closing the window chooses nothing";

    // A double click whose second release never came (a host's box took it): the next
    // plain click is a click.
    const QPointF at(20, 20);
    QMouseEvent second(QEvent::MouseButtonDblClick, at, w.surface()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(w.surface(), &second);
    int opened = 0;
    OnShown<QDialog> none([&](QDialog* dialog) {
        ++opened;
        dialog->close();
    });
    QTest::mouseClick(w.surface(), Qt::LeftButton, {}, at.toPoint());
    EXPECT_EQ(opened, 0);
}

// A host steers a drawing without FlagExit, and follows its progress and state; a track
// played to its end is on screen in the track colour.
TEST(MapWidget, HostsCancelPauseAndFollowADrawing) {
    using State = TesmoWidget::DrawingState;
    const auto cancel = [](TesmoWidget& w) { w.cancelDrawing(); };
    const QList<State> ran{State::Drawing, State::Idle};
    const struct {
        const char* name;
        bool chart;
        std::function<void(TesmoWidget&)> onFirstProgress;
        QList<State> states;
        int finished;
        bool toTheEnd;
        bool redrawWhenFinished = false;  // a chart drawn again from its first FinishDrawing
        int delay = 1;
    } cases[] = {
        {"a playback to its end", false, nullptr, ran, 3, true},
        {"a playback cancelled", false, cancel, ran, 1, false},
        {"a chart paused and resumed", true,
         [](TesmoWidget& w) {
             w.setPaused(true);
             QTimer::singleShot(30, &w, [&w] {
                 EXPECT_TRUE(w.isPaused());
                 w.setPaused(false);
             });
         },
         {State::Drawing, State::Paused, State::Drawing, State::Idle}, 1, true},
        {"a chart cancelled", true, cancel, ran, 1, false},
        {"a chart cancelled, then drawn again", true, cancel, ran, 2, true, true},  // before the first was over
        {"a chart without a delay", true, nullptr, ran, 1, true, false, 0},
        {"a chart without a delay, cancelled", true, cancel, ran, 1, false, false, 0},
        {"a playback without a delay", false, nullptr, ran, 3, true, false, 0},
    };
    for (const auto& c : cases) {
        HostFolder folder;
        TesmoWidget w;
        w.show();
        ucTesmo& control = w.control();
        control.setDelay(c.delay);
        control.setBaseStep(c.chart ? 40 : 300);
        control.setTrackColor(0x00C000);
        control.setDrawWidth(2);
        QSignalSpy states(&w, &TesmoWidget::drawingStateChanged);
        QSignalSpy finished(&w, &TesmoWidget::FinishDrawing);
        if (c.redrawWhenFinished)
            QObject::connect(&w, &TesmoWidget::FinishDrawing, &w, [&] {
                if (finished.count() == 1) w.control().Draw();  // the spy counted this one first
            });
        QList<std::pair<int, int>> progress;
        QObject::connect(&w, &TesmoWidget::drawingProgress, [&](int done, int total) {
            if (progress.isEmpty() && c.onFirstProgress) c.onFirstProgress(w);
            progress << std::pair{done, total};
        });
        int points = 6;  // the track's, over its three branches
        if (c.chart) {
            control.setMapStyle(enMapStyle::ScaleSystem);
            points = 11;
            for (int x = 0; x <= 100; x += 10) control.Point_Add(x, x % 20 == 0 ? 20 : 80);
            control.Draw();
        } else {
            control.DrawTrack("Coast");
        }
        QList<State> seen;
        for (const QList<QVariant>& args : states) seen << args.at(0).value<State>();
        EXPECT_EQ(seen, c.states) << c.name;
        EXPECT_EQ(finished.count(), c.finished) << c.name;
        ASSERT_FALSE(progress.isEmpty()) << c.name;
        EXPECT_EQ(progress.first().first, 2) << c.name << ": told from the first segment on";
        EXPECT_EQ(progress.last().second, points) << c.name;
        EXPECT_EQ(progress.last().first == points, c.toTheEnd) << c.name;
        EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end())) << c.name;
        EXPECT_EQ(w.drawingState(), State::Idle) << c.name;
        const QImage shot = Shot(w);
        EXPECT_GT(CountColor(shot, c.chart ? QColor(255, 0, 0) : QColor(0, 0xC0, 0)), 0)
            << c.name << ": what was drawn stays";
        if (!c.chart && c.toTheEnd) {
            EXPECT_GT(CountColor(shot, QColor(0, 0xC0, 0)), 2 * (380 + 246)) << "three branches, two pixels wide";
            EXPECT_EQ(shot.pixelColor(20, 20 + 120), QColor(0xC0, 0xC0, 0xFF)) << "off the track: the background";
            EXPECT_EQ(CountColor(shot, Qt::black), 0) << "no step drawn with a painter's default pen";
        }
    }
}

// A widget that finds no database where it looks, shown after being set up one way or another:
// a map reports the missing database once the window shows, without holding it up; a chart
// (loaded from settings, or set in code as forms do) needs none, nor does a control being designed.
TEST(MapWidget, AMissingDatabaseIsReportedByAMapWhenItShows) {
    QTemporaryDir dir;
    QSettings settings(dir.filePath("c.ini"), QSettings::IniFormat);
    const auto loaded = [&](int mode) {
        return [&settings, mode](TesmoWidget& w) {
            settings.setValue("MapStyle", mode);
            w.readProperties(settings);
        };
    };
    const auto inCode = [](TesmoWidget::MapStyles mode) { return [mode](TesmoWidget& w) { w.setMapStyle(mode); }; };
    const struct {
        const char* name;
        std::function<void(TesmoWidget&)> setUp;
        bool told;
    } cases[] = {
        {"a map", nullptr, true},
        {"a map being designed",
         [](TesmoWidget& w) {
             w.setDesignMode(true);
             EXPECT_FALSE(w.control().Point_Add(1, 1)) << "points are refused at design time";
         },
         false},
        {"a chart loaded from settings", loaded(1), false},
        {"a map loaded from settings", loaded(0), true},
        {"a chart set in code", inCode(TesmoWidget::ScaleSystem), false},
        {"a map set in code", inCode(TesmoWidget::Map), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HostFolder empty(HostFolder::None);
        TesmoWidget w;  // starts in map mode
        if (c.setUp) c.setUp(w);
        EXPECT_TRUE(MessagesShown().isEmpty()) << "nothing before the window shows";
        w.show();
        EXPECT_EQ(!MessagesShown().isEmpty(), c.told);
        QTest::qWait(50);
        const auto shown = MessagesShown();
        EXPECT_EQ(shown.size(), c.told ? 1 : 0) << "told once, however often the database was tried";
        for (QMessageBox* box : shown) {
            EXPECT_TRUE(box->text().contains(QString::fromStdString(empty.path())));
            EXPECT_TRUE(box->text().contains("unable to open database file"));
            box->close();
        }
        QApplication::processEvents();
    }
}

// The demo window as a host application: its panel, its Stop and its track chooser follow
// the controls.
TEST(DemoHost, ThePanelStopAndChooserFollowTheControls) {
    HostFolder folder;
    QTemporaryDir config;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
    {
        DemoWindow earlier;  // saves its controls when it closes
        earlier.chartView().prepare();
        earlier.chartView().chart().control().setTitle("Restored title");
        earlier.mapView().map().control().setDelay(25);
        earlier.show();
        earlier.close();
    }
    DemoWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.restoreControls();
    const auto editor = [&](const char* name) { return window.findChild<QWidget*>(QLatin1String(name)); };
    const auto button = [](QWidget& view, const char* text) -> QPushButton* {
        for (auto* b : view.findChildren<QPushButton*>())
            if (b->text() == text) return b;
        return nullptr;
    };
    const auto shown = [&](const char* name) {
        QWidget* e = editor(name);
        if (auto* line = qobject_cast<QLineEdit*>(e)) return QVariant(line->text());
        if (auto* box = qobject_cast<QDoubleSpinBox*>(e)) return QVariant(box->value());
        if (auto* box = qobject_cast<QSpinBox*>(e)) return QVariant(box->value());
        return QVariant();
    };
    TesmoWidget& chart = window.chartView().chart();
    TesmoWidget& map = window.mapView().map();
    auto* chooser = window.mapView().findChild<QComboBox*>();
    ASSERT_NE(chooser, nullptr);
    const auto choices = [&] {
        QStringList names;
        for (int i = 0; i < chooser->count(); ++i) names << chooser->itemText(i);
        return names;
    };
    const struct {
        const char* name;
        std::function<void()> check;
    } cases[] = {
        {"restored",
         [&] {
             window.showView(&window.chartView());
             EXPECT_EQ(shown("Title").toString(), "Restored title");
             window.showView(&window.mapView());
             EXPECT_EQ(shown("Delay").toDouble(), 25);
         }},
        {"resized",
         [&] {
             window.resize(1000, 700);
             EXPECT_TRUE(QTest::qWaitFor([&] { return shown("Width").toInt() == map.control().Width(); }));
             EXPECT_EQ(map.control().Width(), map.width() * 15);
         }},
        {"stopped",
         [&] {
             window.showView(&window.chartView());
             chart.control().setDelay(5);
             QPushButton* stop = button(window.chartView(), "Stop");
             ASSERT_NE(stop, nullptr);
             const auto once = QObject::connect(&chart, &TesmoWidget::drawingProgress, stop, &QPushButton::click);
             window.chartView().draw();
             QObject::disconnect(once);
             QApplication::processEvents();
             EXPECT_GT(CountColor(chart.surface()->grab().toImage(), QColor(0x90, 0x90, 0x90)), 100)
                 << "the scale's grid stays";
         }},
        {"editors left as they were",
         [&] {
             window.showView(&window.chartView());
             chart.control().setDelay(0);
             window.chartView().draw();
             for (const char* name : {"Title", "MinX"}) {
                 editor(name)->setFocus();
                 QTest::keyClick(editor(name), Qt::Key_Tab);  // leaves it, changed or not
             }
             QApplication::processEvents();
             EXPECT_TRUE(chart.control().XAsDate()) << "a date bound stays a date";
             EXPECT_GT(CountColor(chart.surface()->grab().toImage(), QColor(0x10, 0x50, 0xB0)), 50)
                 << "the line drawn stays";
         }},
        {"values under the pointer",
         [&] {
             window.showView(&window.chartView());
             QMouseEvent move(QEvent::MouseMove, QPointF(chart.surface()->rect().center()),
                              chart.surface()->mapToGlobal(QPointF(chart.surface()->rect().center())), Qt::NoButton,
                              Qt::NoButton, {});
             QApplication::sendEvent(chart.surface(), &move);
             const QString status = window.findChild<QLabel*>("pointer")->text();
             EXPECT_FALSE(chart.control().MouseValueX().toString().empty()) << "the pointer is scanned";
             EXPECT_TRUE(status.startsWith("X: ") && status.contains(QString::fromStdString(
                                                          chart.control().MouseValueX().toString())))
                 << status.toStdString();
         }},
        {"a track committed, then deleted",
         [&] {
             // Runs a command of the view, its questions answered.
             const auto run = [&](int id, std::deque<QString> answers) {
                 Answers answering(std::move(answers));
                 window.mapView().run(id);
             };
             // The creation buttons as the control's commands are: Commit only while a track is new.
             const auto enabled = [&](const char* text) {
                 QPushButton* b = button(window.mapView(), text);
                 EXPECT_NE(b, nullptr) << text;
                 return b && b->isEnabled();
             };
             const auto creating = [&](bool yes) {
                 return QTest::qWaitFor([&] { return enabled("Commit track") == yes; }) &&
                        enabled("New track by points") == !yes && enabled("Undo point") == yes;
             };
             EXPECT_EQ(choices(), (QStringList{"Coast", "Inland"}));
             EXPECT_TRUE(creating(false));
             run(1108, {"Yes", "Walk"});
             EXPECT_TRUE(creating(true));
             QTest::mouseClick(map.surface(), Qt::LeftButton, {}, QPoint(30, 30));
             run(1109, {"OK"});
             EXPECT_TRUE(creating(false));
             EXPECT_EQ(choices(), (QStringList{"Coast", "Inland", "Walk"}));
             run(1105, {"Walk", "Yes"});
             EXPECT_EQ(choices(), (QStringList{"Coast", "Inland"}));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.check();
    }
}

}  // namespace
}  // namespace tesmo
