// The point collection and Point_Add's checks.
#include <gtest/gtest.h>

#include "fakes/Fakes.h"
#include "scale/clsPoints.h"
#include "support/DayNumber.h"
#include "support/SharedValues.h"
#include "tesmo/Error.h"

namespace tesmo::test {
namespace {

using PointKeys = SharedValuesTest;

TEST_F(PointKeys, BuiltFromTheCoordinatesWhateverTheLocale) {
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
}

TEST_F(PointKeys, AKeyBuiltFromATextIsFixedWhenThePointIsAdded) {
    Shared().DecimalSeparator = ".";
    Shared().GroupSeparator = ",";
    clsPoints points;
    points.Add("1.5", 2);
    // Another control's start-up detects a comma locale, where "1.5" no longer reads as 1.5.
    Shared().DecimalSeparator = ",";
    Shared().GroupSeparator = ".";
    EXPECT_EQ(points.Index("1.5:2"), 1);
    points.Add(1.5, 2);
    EXPECT_EQ(points.KeyAt(1), "1.5:2,1");
}

TEST_F(PointKeys, HostKeysAndBuiltKeysShareOneNamespace) {
    clsPoints points;
    points.Add(1, 1, "1:1,1");  // takes the key the second (1, 1) would get
    points.Add(1, 1);
    points.Add(1, 1);
    EXPECT_EQ(points.KeyAt(1), "1:1");
    EXPECT_EQ(points.KeyAt(2), "1:1,2");
    EXPECT_EQ(ErrorOf([&] { points.Add(5, 5, "1:1"); }), errors::KeyInUse);
    EXPECT_EQ(points.Count(), 3) << "a rejected point is not stored";
    EXPECT_EQ(ErrorOf([&] { points.Add("abc", 1); }), errors::TypeMismatch);
    EXPECT_EQ(points.Count(), 3);

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
    points.Clear();
    EXPECT_EQ(points.Count(), 0);
    points.Add(2.25, -1);
    EXPECT_EQ(points.Item(1).Index(), 1) << "numbering starts again after Clear";
    EXPECT_EQ(points.KeyAt(0), "2.25:-1");
}

TEST_F(PointKeys, TheSuffixStopsAt32767) {
    clsPoints points;
    for (int i = 0; i <= 32767; ++i) points.Add(0, 0);
    EXPECT_EQ(points.KeyAt(32767), "0:0,32767");
    EXPECT_EQ(ErrorOf([&] { points.Add(0, 0); }), errors::Overflow);
    EXPECT_EQ(points.Count(), 32768);
    points.Add(0, 1);
    EXPECT_EQ(points.Index("0:1"), 32769);
}

struct PointRig : Rig {
    PointRig() {
        start();
        control.setMapStyle(enMapStyle::ScaleSystem);
    }
};

TEST(PointAdd, BoundChecksWithTheirDetails) {
    const struct {
        Variant x, y;
        int number;
        const char* description;
    } cases[] = {
        {100, 50, 0, ""},
        {0, 0, 0, ""},
        {101, 50, 1025, "X: ''101''\rMinX: ''0''\rMaxX: ''100''\r\rThe X value is greater than MaxX assigned."},
        {-1, 50, 1024, "X: ''-1''\rMinX: ''0''\rMaxX: ''100''\r\rThe X value is lesser than MinX assigned."},
        {50, 100.5, 1027, "Y: ''100.5''\rMinY: ''0''\rMaxY: ''100''\r\rThe Y value is greater than MaxY assigned."},
        {50, "-3", 1026, "Y: ''-3''\rMinY: ''0''\rMaxY: ''100''\r\rThe Y value is lesser than MinY assigned."},
        {"abc", 1, errors::TypeMismatch, "Type mismatch"},
    };
    for (const auto& c : cases) {
        PointRig rig;
        std::string description;
        EXPECT_EQ(ErrorOf([&] { rig.control.Point_Add(c.x, c.y); }, &description), c.number) << c.description;
        EXPECT_EQ(description, c.description);
        EXPECT_EQ(rig.control.ControlError(), c.description);
        EXPECT_EQ(rig.control.Point_Count(), c.number == 0 ? 1 : 0);
    }
}

TEST(PointAdd, DateAxisShowsTheBoundsAsDates) {
    PointRig rig;
    rig.locale.shortDate = "short date";
    rig.control.setMinX(Variant::fromDate(DayNumberFromCivil(2024, 1, 1)));
    rig.control.setMaxX(Variant::fromDate(DayNumberFromCivil(2024, 12, 31)));
    std::string description;
    EXPECT_EQ(ErrorOf([&] { rig.control.Point_Add(Variant::fromDate(DayNumberFromCivil(2023, 12, 31)), 5); },
                      &description),
              1024);
    EXPECT_EQ(description, "X: ''short date''\rMinX: ''short date''\rMaxX: ''short date''\r\r"
                           "The X value is lesser than MinX assigned.");
    EXPECT_TRUE(rig.control.Point_Add(Variant::fromDate(DayNumberFromCivil(2024, 6, 1)), 5));
}

TEST(PointAdd, KeysTrimmedMapModeUncheckedDesignTimeRefused) {
    Rig rig;
    rig.start();
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

}  // namespace
}  // namespace tesmo::test
