// Stored settings: the keys written and read back, defaults, bad values, and what loading
// does at run time.
#include <gtest/gtest.h>

#include "control/Container.h"
#include "fakes/Fakes.h"
#include "fakes/TrackDatabase.h"
#include "support/DayNumber.h"

namespace tesmo::test {
namespace {

// Every setting of a control, as its getters give them.
std::vector<std::string> Settings(Rig& rig) {
    ucTesmo& c = rig.control;
    auto text = [](const auto& v) { return Variant(v).toString(); };
    return {text(c.AutoRedraw()),   text(c.BaseStep()),     text(c.ClipControls()),  text(c.FlagExit()),
            c.ControlError(),       text(c.Delay()),        text(static_cast<std::int32_t>(c.BorderStyle())),
            text(c.AutoSize()),     text(c.DrawWidth()),    text(c.Width()),         text(c.Height()),
            text(c.Enabled()),      text(c.CurrentX()),     text(c.CurrentY()),      c.Font().Name,
            c.Title(),              text(c.EnableMenu()),   text(c.ViewPoints()),    text(c.ViewGrid()),
            text(c.LeftScale()),    text(c.TopScale()),     text(c.RightScale()),    text(c.BottomScale()),
            text(c.XAsDate()),      text(c.YAsDate()),      c.MinX().toString(),     c.MaxX().toString(),
            c.MinY().toString(),    c.MaxY().toString(),    text(c.UnitX()),         text(c.UnitY()),
            text(static_cast<std::int32_t>(c.MapStyle())), text(c.BackColor()),      text(c.ForeColor()),
            text(c.GridColor()),    text(c.TitleColor()),   text(c.TextColor()),     text(c.TrackColor()),
            c.MouseValueX().toString(), c.MouseValueY().toString(), text(c.MouseScan()),
            text(c.Picture().isEmpty())};
}

TEST(Persistence, EveryKeyRoundTripsInItsOrder) {
    Rig a;
    a.start();
    ucTesmo& c = a.control;
    c.setAutoRedraw(false);
    c.setBaseStep(12.5f);
    c.setDelay(3);
    c.setBorderStyle(enBorderStyle::FixedSingle);
    c.setPicture(FakePicture());
    c.setDrawWidth(4);
    c.setWidth(5000);
    c.setHeight(4000);
    c.setCurrentX(7);
    c.setCurrentY(8);
    c.setFont({"Serif", 11, true, false, true, false});
    c.setTitle("Rain");
    c.setViewPoints(true);
    c.setViewGrid(true);
    c.setMapStyle(enMapStyle::ScaleSystem);
    c.setLeftScale(300);
    c.setMinY(-5);
    c.setMaxX(250);
    c.setUnitY(25);
    c.setBackColor(1);
    c.setForeColor(2);
    c.setGridColor(3);
    c.setTitleColor(4);
    c.setTextColor(5);
    c.setTrackColor(6);
    c.setMouseScan(true);
    a.container().MouseDown(1, 0, 2000, 3000);  // MouseValueX / Y become texts
    MemoryPropertyBag bag;
    a.container().WriteProperties(bag);
    EXPECT_EQ(bag.values.size() + bag.pictures.size() + bag.fonts.size(), 42u);

    Rig b;
    b.start();
    b.container().ReadProperties(bag);
    EXPECT_EQ(Settings(b), Settings(a));
    EXPECT_EQ(b.control.Picture(), a.control.Picture());
    EXPECT_EQ(b.control.Font(), a.control.Font());
    EXPECT_EQ(b.control.MouseValueX().type(), VarType::String);
}

TEST(Persistence, AnEmptyStoreGivesTheFreshSettings) {
    Rig fresh;
    fresh.start();
    Rig loaded;
    loaded.start();
    loaded.control.setTitle("changed");
    loaded.surface.ops.clear();
    MemoryPropertyBag empty;
    loaded.container().ReadProperties(empty);
    EXPECT_EQ(Settings(loaded), Settings(fresh));
    EXPECT_EQ(loaded.surface.backColor, 0xFFC0C0);
    EXPECT_EQ(loaded.control.Point_Count(), 0) << "run time: new points";
}

TEST(Persistence, ValuesLoadAsStoredOrAreSkipped) {
    const double jan1 = DayNumberFromCivil(2026, 1, 1), dec31 = DayNumberFromCivil(2026, 12, 31);
    const struct {
        const char* name;
        std::map<std::string, Variant> stored;
        std::function<bool(Rig&)> loaded;
    } cases[] = {
        {"BaseStep unclamped", {{"BaseStep", 70000.0f}}, [](Rig& r) { return r.control.BaseStep() == 70000; }},
        {"DrawWidth uncorrected", {{"DrawWidth", std::int16_t{0}}},
         [](Rig& r) { return r.control.DrawWidth() == 0 && r.surface.drawWidth == 0; }},
        {"Title untrimmed, not printed", {{"Title", "  Rain "}},
         [](Rig& r) { return r.control.Title() == "  Rain " && r.surface.opsOf("Print").empty(); }},
        {"date axes of a chart get this year", {{"MapStyle", std::int32_t{1}}, {"XAsDate", true}},
         [=](Rig& r) { return r.control.MinX().toDouble() == jan1 && r.control.MaxX().toDouble() == dec31; }},
        {"only the exact defaults", {{"MapStyle", std::int32_t{1}}, {"XAsDate", true}, {"MinX", 5.0f}},
         [=](Rig& r) { return r.control.MinX().toDouble() == 5 && r.control.MaxX().toDouble() == dec31; }},
        {"not in map mode", {{"XAsDate", true}}, [](Rig& r) { return r.control.MaxX().toDouble() == 100; }},
        {"bad values skipped, the rest loaded",
         {{"Width", std::int32_t{-5}}, {"BackColor", "red"}, {"Delay", 1e40}, {"MapStyle", std::int32_t{7}},
          {"TrackColor", std::int32_t{9}}},
         [](Rig& r) {
             return r.control.Width() == 9600 && r.control.BackColor() == 0xFFC0C0 && r.control.Delay() == 0 &&
                    r.control.MapStyle() == enMapStyle::Map && r.control.TrackColor() == 9;
         }},
        {"a host's FlagExit stops neither the loaded control nor its layout", {{"FlagExit", true}},
         [](Rig& r) { return !r.control.FlagExit() && r.surface.width == 5000 - 30; }},
        {"menus off as when set: the window has its own menu back", {{"EnableMenu", false}},
         [](Rig& r) { return r.windows.shared->menus[7].empty() && !r.windows.shared->hooked[7]; }},
    };
    for (const auto& c : cases) {
        Rig rig;
        rig.windows.parent = 7;
        rig.clock.today = DayNumberFromCivil(2026, 12, 6);
        rig.start();
        rig.host.innerWidth = 5000;  // the container has resized the control meanwhile
        rig.surface.ops.clear();
        MemoryPropertyBag bag;
        bag.values = c.stored;
        rig.container().ReadProperties(bag);
        EXPECT_TRUE(c.loaded(rig)) << c.name;
    }

    Rig design;
    design.start();
    design.host.userMode = false;
    MemoryPropertyBag stopped;
    stopped.values["FlagExit"] = true;
    design.container().ReadProperties(stopped);
    EXPECT_TRUE(design.control.FlagExit()) << "at design time it loads as stored";
}

TEST(Persistence, LoadingAfterTheStartOpensTheDatabaseOnce) {
    Rig rig;
    rig.start(NewFolder());  // no database: the start-up tells the user once
    rig.prompts.calls.clear();
    MemoryPropertyBag bag;
    rig.container().ReadProperties(bag);
    EXPECT_TRUE(rig.prompts.calls.empty()) << "not told again";
    EXPECT_FALSE(rig.control.DrawTrack("any"));
}

}  // namespace
}  // namespace tesmo::test
