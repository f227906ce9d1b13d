// The pointer on the surface: chart values under it and the events the host hears.
#include <gtest/gtest.h>

#include "fakes/Fakes.h"
#include "support/DayNumber.h"

namespace tesmo::test {
namespace {

enum class Kind { Down, Move, Up };

// A chart 0..100 wide whose X factor is 50 twips a unit, from a left margin of 480.
struct PointerRig : Rig {
    explicit PointerRig(double firstDay = 0) {
        start();
        surface.width = 480 + 50 * 100 + 480;
        control.setMapStyle(enMapStyle::ScaleSystem);
        if (firstDay != 0) {
            control.setMinX(Variant::fromDate(firstDay));
            control.setMaxX(Variant::fromDate(firstDay + 100));
            control.SetScaleUnit();
        }
        events.raised.clear();
    }
    void pointer(Kind kind, std::int16_t button, std::int16_t shift, float x, float y) {
        Container c = container();
        if (kind == Kind::Down) c.MouseDown(button, shift, x, y);
        if (kind == Kind::Move) c.MouseMove(button, shift, x, y);
        if (kind == Kind::Up) c.MouseUp(button, shift, x, y);
    }
};

TEST(PointerInput, ChartValuesUnderThePointer) {
    const float bottom = 6170 - 240;
    constexpr double k2024 = 45292;     // 1 January 2024
    constexpr double kLate = 2958365;  // 100 days before the calendar's last
    const struct {
        const char* name;
        double firstDay;
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
        PointerRig rig(c.firstDay);
        rig.control.setMouseScan(c.scan);
        rig.pointer(c.kind, c.button, c.shift, c.x, bottom);
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
        Rig rig;
        rig.start();
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
