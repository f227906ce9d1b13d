// The control on recording fakes: start-up, layout, waits and shutdown, its plain and
// pass-through properties, its points and the pointer over it.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "Rigs.h"
#include "core/ControlCore.h"
#include "core/ControlState.h"
#include "core/Corrections.h"
#include "core/LocaleDetection.h"
#include "scale/clsPoints.h"
#include "support/DayNumber.h"
#include "support/SharedValues.h"
#include "tesmo/Error.h"

namespace tesmo::test {
namespace {

using SharedValuesGuard = SharedValuesTest;

// The date order comes from how the system writes 31 March 1999; anything else is day first.
TEST(LocaleDetection, DateOrderAndDecimalSeparator) {
    const struct {
        const char* probe;
        const char* expected;
    } cases[] = {
        {"31/03/1999", "dd/mm/yy"}, {"3/31/99", "mm/dd/yy"}, {"99/03/31", "yy/mm/dd"}, {"31.03.99", "dd/mm/yy"},
        {"31/03", "dd/mm/yy"},      {"x/y/z", "dd/mm/yy"},
    };
    for (const auto& c : cases) EXPECT_EQ(DetectDateFormats(c.probe).shortFormat, c.expected) << c.probe;
    EXPECT_EQ(DetectDateFormats("3/31/99").longFormat, "mm/dd/yyyy");
    EXPECT_EQ(DetectDateFormats("1999/03/31").longFormat, "yyyy/mm/dd");

    EXPECT_EQ(DetectDecimalSeparator(".", ","), ".");
    EXPECT_EQ(DetectDecimalSeparator(",", "."), ",");
    EXPECT_EQ(DetectDecimalSeparator("\u066b", "\u066c"), ",");
}

TEST_F(SharedValuesGuard, InitializeReadsTheLocale) {
    const struct {
        const char* shortDate;
        const char* group;
        const char* shortFormat;
        const char* longFormat;
    } cases[] = {
        {"31.03.99", ".", "dd/mm/yy", "dd/mm/yyyy"},
        // Any group separator other than the decimal one is kept.
        {"3/31/99", "\u202F", "mm/dd/yy", "mm/dd/yyyy"},
    };
    for (const auto& c : cases) {
        Rig rig;
        rig.locale.shortDate = c.shortDate;
        rig.locale.decimal = ",";
        rig.locale.group = c.group;
        rig.container().Initialize();
        EXPECT_EQ(Shared().ShortDateFormat, c.shortFormat) << c.shortDate;
        EXPECT_EQ(Shared().LongDateFormat, c.longFormat) << c.shortDate;
        EXPECT_EQ(Shared().DecimalSeparator, ",") << c.shortDate;
        EXPECT_EQ(Shared().GroupSeparator, c.group) << c.shortDate;
    }
}

// The surface keeps an equal margin of 15 twips inside the control; with AutoSize and a
// picture, the control is sized around the picture instead. Nothing moves while a stop is
// requested, and a layout that cannot be done leaves the surface as it was. The guard against
// nested layouts is let go whatever happened, or no layout would ever run again.
TEST(Layout, SurfaceInsideTheControl) {
    const struct {
        const char* name;
        bool picture, autoSize, stop, containerRefuses;
        float innerWidth;
        float width, height;  // the surface's afterwards; 0: as it was
    } cases[] = {
        {"resized", false, false, false, false, 3000, 2970, 1970},
        {"AutoSize without a picture lays out as usual", false, true, false, false, 3000, 2970, 1970},
        {"AutoSize with a picture", true, true, false, false, 3000, 200, 100},
        {"a size the container refuses", true, true, false, true, 3000, 200, 100},
        {"nothing moves while a stop is requested", false, false, true, false, 3000, 0, 0},
        {"narrower than the margins", false, false, false, false, 10, 0, 0},
    };
    for (const auto& c : cases) {
        MapRig rig;
        const float width = rig.surface.width, height = rig.surface.height;
        rig.surface.pictureWidth = 200;
        rig.surface.pictureHeight = 100;
        if (c.picture) rig.surface.picture = FakePicture();
        rig.host.failSizes = c.containerRefuses;
        rig.control.setFlagExit(c.stop);
        rig.host.innerWidth = c.innerWidth;
        rig.host.innerHeight = 2000;
        c.autoSize ? rig.control.setAutoSize(true) : rig.container().Resize();
        EXPECT_EQ(rig.surface.width, c.width ? c.width : width) << c.name;
        EXPECT_EQ(rig.surface.height, c.height ? c.height : height) << c.name;
        if (c.picture && !c.containerRefuses) {
            EXPECT_EQ(rig.host.widthsSet.back(), 230) << "the control around the picture";
            EXPECT_EQ(rig.host.heightsSet.back(), 130);
        }
        EXPECT_FALSE(Shared().Resizing) << c.name;
    }
}

TEST(WaitDelay, SleepsUntilTheDelayHasPassed) {
    MapRig rig;
    ControlState state;
    state.Delay = 50;
    const Ports& ports = rig.ports;
    WaitDelay(state, ports);
    EXPECT_EQ(rig.ui.waits, std::vector<double>{50}) << "one sleep for the whole delay, no spinning";

    state.Delay = 0;
    rig.ui.yields = 0;
    rig.ui.waits.clear();
    WaitDelay(state, ports);
    EXPECT_EQ(rig.ui.yields, 1) << "a delay of 0 still yields once";
    EXPECT_TRUE(rig.ui.waits.empty());

    // A Delay loaded as stored: a wait never gets more than a timer can take, or NaN.
    for (const float stored : {1e30f, std::nanf(""), -5.0f}) {
        rig.ui.waits.clear();
        state.Delay = stored;
        WaitDelay(state, ports);
        EXPECT_EQ(rig.ui.waits, stored > 0 ? std::vector<double>{kLongestWaitMs} : std::vector<double>{}) << stored;
    }

    state.Delay = 60000;
    rig.ui.onYield = [&] { state.FlagExit = true; };
    const double before = rig.clock.now;
    WaitDelay(state, ports);
    EXPECT_EQ(rig.clock.now, before) << "a stop request ends the wait";
}

TEST(Shutdown, StopsDrawingUnloadsDialogsAndReleasesThePoints) {
    MapRig rig;
    rig.container().Terminate();
    EXPECT_TRUE(rig.control.FlagExit());
    EXPECT_EQ(rig.dialogs.unloaded, 1);
    rig.control.setFlagExit(false);
    EXPECT_TRUE(rig.control.FlagExit()) << "a control that is shutting down cannot be restarted";
}

TEST(Clamping, BaseStepAndDelay) {
    const float inf = std::numeric_limits<float>::infinity();
    const struct {
        float value, limit, expected;
    } cases[] = {
        {-5, kMaxBaseStep, 0},         {100000, kMaxBaseStep, 64000}, {30, kMaxBaseStep, 30},
        {60000.5f, kMaxDelay, 60000},  {-inf, kMaxDelay, 0},          {0.25f, kMaxDelay, 0.25f},
    };
    for (const auto& c : cases) EXPECT_EQ(ClampToLimit(c.value, c.limit), c.expected) << c.value;
}

TEST(Correction, DrawWidth) {
    const struct {
        std::int16_t requested;
        float scaleWidth;
        std::int16_t expected;
    } cases[] = {
        {0, 3000, 1}, {2000, 3000, 1500}, {5, 9570, 5},        {32767, 9570, 4785},
        {3, 5, 2},    {32767, 1e9f, 32767}, {1, 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CorrectDrawWidth(c.requested, c.scaleWidth), c.expected) << c.requested << " on " << c.scaleWidth;
}

TEST(Properties, SettersStoreApplyAndNotifyUnderTheirName) {
    MapRig rig;
    ucTesmo& c = rig.control;
    const struct {
        const char* name;
        std::function<void()> set;
    } cases[] = {
        {"AutoRedraw", [&] { c.setAutoRedraw(false); }},
        {"AutoSize", [&] { c.setAutoSize(true); }},
        {"BaseStep", [&] { c.setBaseStep(12); }},
        {"BorderStyle", [&] { c.setBorderStyle(enBorderStyle::FixedSingle); }},
        {"Delay", [&] { c.setDelay(5); }},
        {"DrawWidth", [&] { c.setDrawWidth(3); }},
        {"FlagExit", [&] { c.setFlagExit(false); }},
        {"Picture", [&] { c.setPicture({}); }},
        {"Width", [&] { c.setWidth(5000); }},
        {"Height", [&] { c.setHeight(4000); }},
        {"BackColor", [&] { c.setBackColor(0x123456); }},
        {"Enabled", [&] { c.setEnabled(true); }},
        {"ForeColor", [&] { c.setForeColor(0x00FF00); }},
        {"CurrentX", [&] { c.setCurrentX(10); }},
        {"CurrentY", [&] { c.setCurrentY(20); }},
        {"Font", [&] { c.setFont({}); }},
        {"Title", [&] { c.setTitle("T"); }},
        {"EnableMenu", [&] { c.setEnableMenu(true); }},
        {"ViewPoints", [&] { c.setViewPoints(true); }},
        {"ViewGrid", [&] { c.setViewGrid(true); }},
        {"GridColor", [&] { c.setGridColor(1); }},
        {"MouseScan", [&] { c.setMouseScan(true); }},
        {"TitleColor", [&] { c.setTitleColor(2); }},
        {"TextColor", [&] { c.setTextColor(3); }},
        {"TrackColor", [&] { c.setTrackColor(4); }},
    };
    for (const auto& t : cases) {
        rig.host.notified.clear();
        t.set();
        EXPECT_EQ(rig.host.notified, std::vector<std::string>{t.name}) << t.name;
    }
    EXPECT_EQ(rig.surface.drawWidth, 3);
    EXPECT_EQ(rig.surface.backColor, 0x123456);
    EXPECT_EQ(rig.host.backColor, 0x123456);
    EXPECT_EQ(rig.surface.borderStyle, 1);
}

// What a property reads, or the surface or the container holds, once its value was given and
// something else moved the live one.
TEST(Properties, ReadAfterTheLiveValueMoved) {
    MapRig rig;
    ucTesmo& c = rig.control;
    rig.surface.foreColor = 7;  // a pen of the surface's own
    const struct {
        const char* name;
        std::function<void()> set, disturb;
        std::function<double()> get;
        double expected;
    } cases[] = {
        {"CurrentX is the last value given, not where drawing left the surface", [&] { c.setCurrentX(300); },
         [&] { rig.surface.currentX = 999; }, [&] { return double(c.CurrentX()); }, 300},
        {"Width is the last value given, not the container's", [&] { c.setWidth(5000); },
         [&] { rig.host.innerWidth = 7000; }, [&] { return double(c.Width()); }, 5000},
        {"Width reaches the container", [&] { c.setWidth(6000); }, [] {},
         [&] { return double(rig.host.widthsSet.back()); }, 6000},
        {"ForeColor stays off the surface in map mode", [&] { c.setForeColor(0x00FF00); }, [] {},
         [&] { return double(rig.surface.foreColor); }, 7},
        {"BorderStyle is what the surface has", [&] { c.setBorderStyle(enBorderStyle::FixedSingle); },
         [&] { rig.surface.borderStyle = 0; }, [&] { return double(c.BorderStyle()); }, double(enBorderStyle::None)},
    };
    for (const auto& t : cases) {
        t.set();
        t.disturb();
        EXPECT_EQ(t.get(), t.expected) << t.name;
    }
    rig.host.userMode = false;
    c.setCurrentY(77);
    EXPECT_EQ(c.CurrentY(), 77);
    EXPECT_EQ(rig.surface.currentY, 0) << "design time touches only the field";
}

// A refused value raises its error and leaves the property as it was, unannounced.
TEST(Properties, RefusedValuesChangeNothing) {
    ChartRig rig;
    ucTesmo& c = rig.control;
    c.setDelay(50);  // not the default, so that a reset to it shows
    const struct {
        const char* name;
        std::function<void()> set;
        int error;
        std::function<double()> get;
        double kept;
    } cases[] = {
        {"Delay, not a number", [&] { c.setDelay(std::nanf("")); }, errors::InvalidPropertyValue,
         [&] { return double(c.Delay()); }, 50},
        {"BorderStyle beyond 16 bits", [&] { c.setBorderStyle(static_cast<enBorderStyle>(70000)); }, errors::Overflow,
         [&] { return double(c.BorderStyle()); }, double(enBorderStyle::None)},
        {"MaxY beyond a Single", [&] { c.setMaxY(1e40); }, errors::Overflow, [&] { return c.MaxY().toDouble(); }, 100},
    };
    for (const auto& t : cases) {
        rig.host.notified.clear();
        EXPECT_EQ(ErrorOf(t.set), t.error) << t.name;
        EXPECT_EQ(t.get(), t.kept) << t.name;
        EXPECT_TRUE(rig.host.notified.empty()) << t.name;
    }
}

// The title is printed at once, trimmed, at the top left in TitleColor, without taking the pen.
TEST(Properties, Title) {
    const struct {
        const char* name;
        const char* title;
        bool enabled, userMode;
        const char* printed;  // nullptr: nothing
    } cases[] = {
        {"trimmed", "   Rivers  ", true, true, "Rivers"},
        {"blank", "   ", true, true, nullptr},
        {"disabled", "Title", false, true, nullptr},
        {"design time", "Title", true, false, nullptr},
    };
    for (const auto& c : cases) {
        MapRig rig;
        rig.host.enabled = c.enabled;
        rig.host.userMode = c.userMode;
        rig.control.setTitleColor(0x00FFFF);
        rig.control.setForeColor(0x0000FF);
        rig.surface.foreColor = 0x0000FF;
        rig.control.setTitle(c.title);
        const auto prints = rig.surface.opsOf("Print");
        ASSERT_EQ(prints.size(), c.printed ? 1u : 0u) << c.name;
        if (!c.printed) continue;
        EXPECT_EQ(rig.control.Title(), c.printed);
        EXPECT_EQ(prints[0].text, c.printed);
        EXPECT_EQ(prints[0].x1, rig.surface.TextWidth("x"));
        EXPECT_EQ(prints[0].y1, 0);
        EXPECT_EQ(prints[0].color, 0x00FFFF);
        EXPECT_EQ(rig.surface.foreColor, 0x0000FF);
    }
}

// ClipControls cannot be turned off (a word about it at design time only); FlagExit is for run time.
TEST(Properties, ClipControlsAndFlagExit) {
    MapRig rig;
    rig.control.setClipControls(false);
    EXPECT_TRUE(rig.prompts.calls.empty()) << "silent at run time";
    rig.host.userMode = false;
    rig.control.setClipControls(false);
    ASSERT_EQ(rig.prompts.calls.size(), 1u);
    EXPECT_EQ(rig.prompts.calls[0].text, "Read-only property.\r\r'ClipControls' property must be set to 'True'");
    EXPECT_EQ(rig.prompts.calls[0].style, 48);
    EXPECT_EQ(rig.prompts.calls[0].title, "");

    EXPECT_EQ(ErrorOf([&] { rig.control.setFlagExit(true); }), 382);
    EXPECT_FALSE(rig.control.FlagExit());
    EXPECT_TRUE(rig.host.notified.empty());
    rig.host.userMode = true;
    rig.control.setFlagExit(false);
    EXPECT_TRUE(rig.surface.ops.empty()) << "false only stores";
    rig.control.setFlagExit(true);
    EXPECT_TRUE(rig.control.FlagExit());
    EXPECT_EQ(rig.surface.opsOf("Cls").size(), 1u) << "true stops a drawing and clears the surface";
}

TEST(Properties, AboutShowsTheBoxAndTheSurface) {
    MapRig rig;
    rig.surface.visible = false;
    rig.control.About();
    EXPECT_EQ(rig.dialogs.aboutShown, 1);
    EXPECT_TRUE(rig.surface.visible);
}

using PointKeys = SharedValuesTest;

TEST_F(PointKeys, BuiltWithAPointWhateverTheLocale) {
    for (const char* decimal : {".", ","}) {
        Shared().DecimalSeparator = decimal;
        Shared().GroupSeparator = std::string(decimal) == "." ? "," : ".";
        clsPoints points;
        points.Add(1.5, 2);
        points.Add(1.5, 2);
        points.Add(1.5, 2);
        EXPECT_EQ(points.KeyAt(0), "1.5:2") << decimal;
        EXPECT_EQ(points.KeyAt(1), "1.5:2,1") << decimal;
        EXPECT_EQ(points.KeyAt(2), "1.5:2,2") << decimal;
        EXPECT_EQ(points.Index("1.5:2,1"), 2);
    }

    // A key built from a text is fixed when the point is added.
    Shared().DecimalSeparator = ".";
    Shared().GroupSeparator = ",";
    clsPoints text;
    text.Add("1.5", 2);
    // Another control's start-up detects a comma locale, where "1.5" no longer reads as 1.5.
    Shared().DecimalSeparator = ",";
    Shared().GroupSeparator = ".";
    EXPECT_EQ(text.Index("1.5:2"), 1);
    text.Add(1.5, 2);
    EXPECT_EQ(text.KeyAt(1), "1.5:2,1");
}

TEST_F(PointKeys, HostKeysAndBuiltKeysShareOneNamespace) {
    clsPoints points;
    points.Add(1, 1, "1:1,1");  // takes the key the second (1, 1) would get
    points.Add(1, 1);
    points.Add(1, 1);
    EXPECT_EQ(points.KeyAt(1), "1:1");
    EXPECT_EQ(points.KeyAt(2), "1:1,2");
    EXPECT_EQ(ErrorOf([&] { points.Add(5, 5, "1:1"); }), errors::KeyInUse);
    EXPECT_EQ(ErrorOf([&] { points.Add("abc", 1); }), errors::TypeMismatch);
    EXPECT_EQ(points.Count(), 3) << "a refused point is not stored";

    // Built keys not looked up yet still take their names before a host's key does.
    clsPoints later;
    later.Add(2, 2);
    EXPECT_EQ(ErrorOf([&] { later.Add(5, 5, "2:2"); }), errors::KeyInUse);
    later.Add(5, 5, "2:2,1");
    later.Add(2, 2);
    EXPECT_EQ(later.Item(3).x(), Variant(2));
    EXPECT_EQ(later.Index("2:2,2"), 3);
    EXPECT_EQ(later.KeyAt(0), "2:2");
}

TEST_F(PointKeys, ItemByPositionOrKeyAndTheErrorsOfMissingOnes) {
    clsPoints points;
    points.Add(Variant::fromDate(36250), "7", "first");
    points.Add(2.25, -1);
    const tyPoint first = points.Item(Variant("first"));
    EXPECT_EQ(first.x().type(), VarType::Date);
    EXPECT_EQ(first.Y(), Variant("7"));
    EXPECT_EQ(points.Item(2).Index(), 2);
    EXPECT_EQ(points.Item(2).x(), Variant(2.25));
    EXPECT_EQ(ErrorOf([&] { points.Item(3); }), errors::SubscriptOutOfRange);
    EXPECT_EQ(ErrorOf([&] { points.Item(0); }), errors::SubscriptOutOfRange);
    EXPECT_EQ(ErrorOf([&] { points.Item(Variant("nope")); }), errors::InvalidProcedureCall);
    EXPECT_EQ(ErrorOf([&] { points.Index("nope"); }), errors::InvalidProcedureCall);
}

TEST_F(PointKeys, TheSuffixStopsAt32767) {
    clsPoints points;
    for (int i = 0; i <= 32767; ++i) points.Add(0, 0);
    EXPECT_EQ(points.KeyAt(32767), "0:0,32767");
    EXPECT_EQ(ErrorOf([&] { points.Add(0, 0); }), errors::Overflow);
    points.Add(0, 1);
    EXPECT_EQ(points.Index("0:1"), 32769);
}

TEST(PointAdd, BoundChecksWithTheirDetails) {
    const struct {
        Variant x, y;
        int number;
        const char* description;
        bool dates = false;  // an X axis of the days of 2024, shown in the locale's short form
    } cases[] = {
        {100, 50, 0, ""},
        {0, 0, 0, ""},
        {101, 50, 1025, "X: ''101''\rMinX: ''0''\rMaxX: ''100''\r\rThe X value is greater than MaxX assigned."},
        {-1, 50, 1024, "X: ''-1''\rMinX: ''0''\rMaxX: ''100''\r\rThe X value is lesser than MinX assigned."},
        {50, 100.5, 1027, "Y: ''100.5''\rMinY: ''0''\rMaxY: ''100''\r\rThe Y value is greater than MaxY assigned."},
        {50, "-3", 1026, "Y: ''-3''\rMinY: ''0''\rMaxY: ''100''\r\rThe Y value is lesser than MinY assigned."},
        {"abc", 1, errors::TypeMismatch, "Type mismatch"},
        {Variant::fromDate(DayNumberFromCivil(2023, 12, 31)), 5, 1024,
         "X: ''short date''\rMinX: ''short date''\rMaxX: ''short date''\r\rThe X value is lesser than MinX assigned.",
         true},
        {Variant::fromDate(DayNumberFromCivil(2024, 6, 1)), 5, 0, "", true},
    };
    for (const auto& c : cases) {
        ChartRig rig;
        if (c.dates) {
            rig.locale.shortDate = "short date";
            rig.control.setMinX(Variant::fromDate(DayNumberFromCivil(2024, 1, 1)));
            rig.control.setMaxX(Variant::fromDate(DayNumberFromCivil(2024, 12, 31)));
        }
        std::string description;
        EXPECT_EQ(ErrorOf([&] { rig.control.Point_Add(c.x, c.y); }, &description), c.number) << c.description;
        EXPECT_EQ(description, c.description);
        EXPECT_EQ(rig.control.ControlError(), c.description);
        EXPECT_EQ(rig.control.Point_Count(), c.number == 0 ? 1 : 0);
    }
}

TEST(PointAdd, KeysTrimmedMapModeUncheckedDesignTimeRefused) {
    MapRig rig;
    EXPECT_TRUE(rig.control.Point_Add(5000, -20, "  river  ")) << "map mode stores points outside the bounds";
    EXPECT_EQ(rig.control.Point_Index("river"), 1);
    EXPECT_TRUE(rig.control.Point_Add(1, 2, "   "));
    EXPECT_EQ(rig.control.Point_Index("1:2"), 2) << "a blank key counts as none";
    rig.host.userMode = false;
    EXPECT_FALSE(rig.control.Point_Add(3, 4));
    EXPECT_EQ(rig.control.Point_Count(), 2);
    rig.control.Point_Clear();
    EXPECT_EQ(rig.control.Point_Count(), 0);
}

TEST(PointerInput, ChartValuesUnderThePointer) {
    enum class Kind { Down, Move, Up };
    const float bottom = 6170 - 240;
    constexpr double k2024 = 45292;     // 1 January 2024
    constexpr double kLate = 2958365;  // 100 days before the calendar's last
    const struct {
        const char* name;
        double firstDay;  // 0: a numeric axis
        bool scan;
        Kind kind;
        std::int16_t button, shift;
        float x;
        const char* valueX;  // nullptr: unchanged
        const char* valueY;
    } cases[] = {
        {"left press", 0, false, Kind::Down, 1, 0, 2980, "50", "0"},
        {"left press half a unit on", 0, false, Kind::Down, 1, 0, 3005, "50.5", "0"},
        {"left release", 0, false, Kind::Up, 1, 0, 730, "5", "0"},
        {"left press with Shift", 0, false, Kind::Down, 1, 1, 2980, nullptr, nullptr},
        {"left release with Ctrl", 0, false, Kind::Up, 1, 2, 2980, nullptr, nullptr},
        {"right press", 0, false, Kind::Down, 2, 0, 2980, nullptr, nullptr},
        {"move without scanning", 0, false, Kind::Move, 1, 0, 2980, nullptr, nullptr},
        {"move while scanning, any button", 0, true, Kind::Move, 2, 4, 2980, "50", "0"},
        {"date axis: the whole day", k2024, false, Kind::Down, 1, 0, 3005, "20/02/2024", "0"},
        {"past the calendar's end: no value, no event", kLate, false, Kind::Down, 1, 0, 5900, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        ChartRig rig(480 + 50 * 100 + 480);  // X 0..100 at 50 twips a unit from the left margin of 480
        if (c.firstDay != 0) {
            rig.control.setMinX(Variant::fromDate(c.firstDay));
            rig.control.setMaxX(Variant::fromDate(c.firstDay + 100));
            rig.control.SetScaleUnit();
            rig.events.raised.clear();
        }
        rig.control.setMouseScan(c.scan);
        Container pointer = rig.container();
        if (c.kind == Kind::Down) pointer.MouseDown(c.button, c.shift, c.x, bottom);
        if (c.kind == Kind::Move) pointer.MouseMove(c.button, c.shift, c.x, bottom);
        if (c.kind == Kind::Up) pointer.MouseUp(c.button, c.shift, c.x, bottom);
        EXPECT_EQ(rig.control.MouseValueX().toString(), c.valueX ? c.valueX : "0") << c.name;
        EXPECT_EQ(rig.control.MouseValueY().toString(), c.valueY ? c.valueY : "0") << c.name;
        EXPECT_EQ(rig.control.MouseValueX().type(), c.valueX ? VarType::String : VarType::Integer) << c.name;
        const bool failed = c.firstDay == kLate;
        EXPECT_EQ(rig.events.raised.size(), failed ? 0u : 1u) << c.name;
        EXPECT_EQ(rig.control.ControlError().empty(), !failed) << c.name;
    }
}

TEST(PointerInput, SilentAtDesignTimeAndValuesUnchangedInMapMode) {
    for (bool design : {true, false}) {
        MapRig rig;
        rig.host.userMode = !design;
        rig.control.setMouseScan(true);
        Container c = rig.container();
        c.MouseDown(1, 0, 2980, 100);
        c.MouseMove(1, 0, 2980, 100);
        c.MouseUp(1, 0, 2980, 100);
        EXPECT_EQ(rig.control.MouseValueX().type(), VarType::Integer) << design;
        const std::vector<std::string> heard = {"MouseDown", "MouseMove", "MouseUp"};
        EXPECT_EQ(rig.events.raised, design ? std::vector<std::string>{} : heard);
    }
}

}  // namespace
}  // namespace tesmo::test
