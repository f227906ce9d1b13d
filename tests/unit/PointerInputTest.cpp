// The pointer on the surface: chart values under it and the events the host hears.
#include <gtest/gtest.h>

#include "fakes/Fakes.h"
#include "support/DayNumber.h"

namespace tesmo::test {
namespace {

enum class Kind { Down, Move, Up };

// A chart 0..100 wide whose X factor is 50 twips a unit, from a left margin of 480.
struct PointerRig : Rig {
    explicit PointerRig(bool dates = false) {
        start();
        surface.width = 480 + 50 * 100 + 480;
        control.setMapStyle(enMapStyle::ScaleSystem);
        if (dates) {
            control.setMinX(Variant::fromDate(kFirstDay));
            control.setMaxX(Variant::fromDate(kFirstDay + 100));
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
    static constexpr double kFirstDay = 45292;  // 1 January 2024
};

TEST(PointerInput, ChartValuesUnderThePointer) {
    const float bottom = 6170 - 240;
    const struct {
        const char* name;
        bool dates, scan;
        Kind kind;
        std::int16_t button, shift;
        float x;
        const char* valueX;  // nullptr: unchanged
        const char* valueY;
    } cases[] = {
        {"left press", false, false, Kind::Down, 1, 0, 2980, "50", "0"},
        {"left press half a unit on", false, false, Kind::Down, 1, 0, 3005, "50.5", "0"},
        {"left release", false, false, Kind::Up, 1, 0, 730, "5", "0"},
        {"left press with Shift", false, false, Kind::Down, 1, 1, 2980, nullptr, nullptr},
        {"left release with Ctrl", false, false, Kind::Up, 1, 2, 2980, nullptr, nullptr},
        {"right press", false, false, Kind::Down, 2, 0, 2980, nullptr, nullptr},
        {"move without scanning", false, false, Kind::Move, 1, 0, 2980, nullptr, nullptr},
        {"move while scanning, any button", false, true, Kind::Move, 2, 4, 2980, "50", "0"},
        {"date axis: the whole day", true, false, Kind::Down, 1, 0, 3005, "20/02/2024", "0"},
    };
    for (const auto& c : cases) {
        PointerRig rig(c.dates);
        rig.control.setMouseScan(c.scan);
        rig.pointer(c.kind, c.button, c.shift, c.x, bottom);
        EXPECT_EQ(rig.control.MouseValueX().toString(), c.valueX ? c.valueX : "0") << c.name;
        EXPECT_EQ(rig.control.MouseValueY().toString(), c.valueY ? c.valueY : "0") << c.name;
        EXPECT_EQ(rig.control.MouseValueX().type(), c.valueX ? VarType::String : VarType::Integer) << c.name;
        EXPECT_EQ(rig.events.raised.size(), 1u) << c.name << ": the host hears of it";
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
