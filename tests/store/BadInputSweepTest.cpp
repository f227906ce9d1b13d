// Hostile values of every type, fed to every public setter and method of the control, in
// both modes and at design time: each call works or raises a tesmo::Error with a number,
// and the control still draws a chart afterwards.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

#include "fakes/Fakes.h"

namespace tesmo::test {
namespace {

const float kFloats[] = {std::numeric_limits<float>::quiet_NaN(),
                         std::numeric_limits<float>::infinity(),
                         -std::numeric_limits<float>::infinity(),
                         FLT_MAX,
                         -FLT_MAX,
                         std::numeric_limits<float>::denorm_min(),
                         -0.0f,
                         2147483648.0f,
                         -32769.0f};
const std::int32_t kLongs[] = {INT32_MIN, INT32_MAX, INT16_MIN, INT16_MAX, -1, 0x1000000};
const std::int16_t kShorts[] = {INT16_MIN, INT16_MAX, -1, 0};

std::vector<std::string> Texts() {
    return {"",
            std::string(100000, 'x'),
            std::string("a\0b", 3),
            "\x01\t\r\n\x1f\x7f",
            "\xff\xfe\xc3\x28",  // not UTF-8
            "1e400",
            "31/02/2026",
            "-"};
}

std::vector<Variant> Variants() {
    std::vector<Variant> values = {Variant(), Variant(true), Variant(INT32_MIN), Variant(std::int16_t{INT16_MIN}),
                                   Variant(std::numeric_limits<double>::quiet_NaN()),
                                   Variant(std::numeric_limits<double>::infinity()), Variant(-DBL_MAX),
                                   Variant::fromDate(-700000),  // before the year 100
                                   Variant::fromDate(3000000)};  // after 9999
    for (float f : kFloats) values.emplace_back(f);
    for (const std::string& t : Texts()) values.emplace_back(t);
    return values;
}

using Call = std::function<void(ucTesmo&)>;
struct Named {
    std::string name;
    Call call;
};

std::vector<Named> HostileCalls() {
    std::vector<Named> calls;
    const auto add = [&](std::string name, Call call) { calls.push_back({std::move(name), std::move(call)}); };
    using FloatSetter = void (ucTesmo::*)(float);
    const std::pair<const char*, FloatSetter> floats[] = {
        {"BaseStep", &ucTesmo::setBaseStep},   {"Delay", &ucTesmo::setDelay},
        {"CurrentX", &ucTesmo::setCurrentX},   {"CurrentY", &ucTesmo::setCurrentY},
        {"LeftScale", &ucTesmo::setLeftScale}, {"TopScale", &ucTesmo::setTopScale},
        {"RightScale", &ucTesmo::setRightScale}, {"BottomScale", &ucTesmo::setBottomScale}};
    for (const auto& [name, set] : floats)
        for (float v : kFloats) add(std::string(name) + "=" + std::to_string(v), [set, v](ucTesmo& c) { (c.*set)(v); });
    for (float v : kFloats) {
        add("DrawLine " + std::to_string(v), [v](ucTesmo& c) { c.DrawLine(v, 0, 100, v); });
        add("Font size " + std::to_string(v), [v](ucTesmo& c) { c.setFont({"DejaVu Sans", v}); });
    }

    using LongSetter = void (ucTesmo::*)(std::int32_t);
    const std::pair<const char*, LongSetter> longs[] = {
        {"Width", &ucTesmo::setWidth},         {"Height", &ucTesmo::setHeight},       {"BackColor", &ucTesmo::setBackColor},
        {"ForeColor", &ucTesmo::setForeColor}, {"GridColor", &ucTesmo::setGridColor}, {"TitleColor", &ucTesmo::setTitleColor},
        {"TextColor", &ucTesmo::setTextColor}, {"TrackColor", &ucTesmo::setTrackColor}, {"UnitX", &ucTesmo::setUnitX},
        {"UnitY", &ucTesmo::setUnitY}};
    for (const auto& [name, set] : longs)
        for (std::int32_t v : kLongs) add(std::string(name) + "=" + std::to_string(v), [set, v](ucTesmo& c) { (c.*set)(v); });
    for (std::int32_t v : kLongs) {
        add("BorderStyle=" + std::to_string(v), [v](ucTesmo& c) { c.setBorderStyle(static_cast<enBorderStyle>(v)); });
        add("MapStyle=" + std::to_string(v), [v](ucTesmo& c) { c.setMapStyle(static_cast<enMapStyle>(v)); });
        add("Point_Item " + std::to_string(v), [v](ucTesmo& c) { c.Point_Item(v); });
    }
    for (std::int16_t v : kShorts) {
        add("DrawWidth=" + std::to_string(v), [v](ucTesmo& c) { c.setDrawWidth(v); });
        add("EditScaleSetting " + std::to_string(v), [v](ucTesmo& c) { c.EditScaleSetting(v); });
    }

    for (const std::string& t : Texts()) {
        const std::string shown = std::to_string(t.size()) + " bytes";
        add("Title " + shown, [t](ucTesmo& c) { c.setTitle(t); });
        add("PrintText " + shown, [t](ucTesmo& c) { c.PrintText(t); });
        add("TextWidth " + shown, [t](ucTesmo& c) { c.TextWidth(t); });
        add("TextHeight " + shown, [t](ucTesmo& c) { c.TextHeight(t); });
        add("DrawTrack " + shown, [t](ucTesmo& c) { c.DrawTrack(t); });
        add("Point_Index " + shown, [t](ucTesmo& c) { c.Point_Index(t); });
        add("Point_Add key " + shown, [t](ucTesmo& c) { c.Point_Add(1, 1, t); });
        add("Font name " + shown, [t](ucTesmo& c) { c.setFont({t, 10}); });
        add("EditScaleSetting title " + shown, [t](ucTesmo& c) { c.EditScaleSetting(1, t); });
    }

    add("Picture none", [](ucTesmo& c) { c.setPicture({}); });
    add("Picture of a pixel", [](ucTesmo& c) { c.setPicture(FakePicture()); });

    using VariantSetter = void (ucTesmo::*)(const Variant&);
    const std::pair<const char*, VariantSetter> bounds[] = {
        {"MinX", &ucTesmo::setMinX}, {"MaxX", &ucTesmo::setMaxX}, {"MinY", &ucTesmo::setMinY}, {"MaxY", &ucTesmo::setMaxY}};
    const std::vector<Variant> variants = Variants();
    for (std::size_t i = 0; i < variants.size(); ++i) {
        const Variant v = variants[i];
        const std::string shown = " #" + std::to_string(i);
        for (const auto& [name, set] : bounds) add(name + shown, [set, v](ucTesmo& c) { (c.*set)(v); });
        add("Point_Add" + shown, [v](ucTesmo& c) { c.Point_Add(v, v); });
        add("Point_Item" + shown, [v](ucTesmo& c) { c.Point_Item(v); });
    }
    return calls;
}

// Plain settings and two points: what any control must still be able to draw.
void DrawAChart(ucTesmo& c) {
    c.setFlagExit(false);
    c.setMapStyle(enMapStyle::ScaleSystem);
    c.setWidth(9600);
    c.setHeight(6200);
    c.setFont({});
    c.setDrawWidth(1);
    c.setBaseStep(100);
    c.setDelay(0);
    for (auto set : {&ucTesmo::setLeftScale, &ucTesmo::setTopScale, &ucTesmo::setRightScale, &ucTesmo::setBottomScale})
        (c.*set)(300);
    c.setXAsDate(false);
    c.setYAsDate(false);
    c.setMinX(0);
    c.setMaxX(100);
    c.setMinY(0);
    c.setMaxY(100);
    c.setUnitX(10);
    c.setUnitY(10);
    c.Point_Clear();
    c.Point_Add(10, 10);
    c.Point_Add(90, 90);
    EXPECT_TRUE(c.SetScaleUnit()) << c.ControlError();
    EXPECT_TRUE(c.Draw());
}

TEST(BadInputSweep, EveryCallWorksOrRaisesAnErrorAndTheControlStillDraws) {
    enum class Mode { Map, Chart, DateChart, DesignTime };
    const std::vector<Named> calls = HostileCalls();
    for (const Mode mode : {Mode::Map, Mode::Chart, Mode::DateChart, Mode::DesignTime}) {
        for (const Named& hostile : calls) {
            Rig rig;
            rig.host.userMode = mode != Mode::DesignTime;
            if (mode == Mode::DesignTime) {
                rig.container().Initialize();
                rig.container().InitProperties();
            } else {
                rig.start();
            }
            if (mode == Mode::Chart || mode == Mode::DateChart) rig.control.setMapStyle(enMapStyle::ScaleSystem);
            if (mode == Mode::DateChart) {
                rig.control.setXAsDate(true);
                rig.control.setYAsDate(true);
            }
            const std::string where = hostile.name + " in mode " + std::to_string(static_cast<int>(mode));
            try {
                // The value taken, it must also survive a scale and a drawing.
                hostile.call(rig.control);
                rig.control.SetScaleUnit();
                rig.control.Draw();
            } catch (const Error& e) {
                EXPECT_NE(e.number(), 0) << where;
            } catch (const std::exception& e) {
                ADD_FAILURE() << where << ": " << e.what();
            }
            if (mode == Mode::DesignTime) {
                rig.host.userMode = true;
                rig.container().StartRunTime();
            }
            SCOPED_TRACE(where);
            DrawAChart(rig.control);
        }
    }
}

}  // namespace
}  // namespace tesmo::test
