#include "host/application/CoordinateSystems.h"
#include "host/geometry/Tolerance.h"

#include <gtest/gtest.h>

#include <cmath>

namespace host {
namespace {

TEST(CoordinateSystems, UserSystemMapsKnownPoints)
{
    CoordinateSystems cs;
    ASSERT_EQ(cs.setUcs({10, 20, 0}, {0, 1, 0}, {-1, 0, 0}), ErrorStatus::eOk);
    EXPECT_TRUE(isEqual(cs.toWorld({1, 0, 0}, CoordSpace::User), Point3d(10, 21, 0)));
    EXPECT_TRUE(isEqual(cs.toWorld({1, 0, 0}, CoordSpace::User, true), Point3d(0, 1, 0))); // displacement
    EXPECT_TRUE(isEqual(cs.fromWorld({10, 20, 5}, CoordSpace::User), Point3d(0, 0, 5)));
    EXPECT_EQ(cs.setUcs({0, 0, 0}, {1, 0, 0}, {2, 0, 0}), ErrorStatus::eInvalidInput);
    EXPECT_EQ(cs.setUcs({0, 0, 0}, {0, 0, 0}, {0, 1, 0}), ErrorStatus::eInvalidInput);

    // Numbers that are not finite are refused and the current systems stay as they were.
    const double nan = std::nan("");
    EXPECT_EQ(cs.setUcs({nan, 0, 0}, {1, 0, 0}, {0, 1, 0}), ErrorStatus::eInvalidInput);
    EXPECT_EQ(cs.setUcs({0, 0, 0}, {1, nan, 0}, {0, 1, 0}), ErrorStatus::eInvalidInput);
    EXPECT_EQ(cs.setUcs({0, 0, 0}, {1, 0, 0}, {HUGE_VAL, 1, 0}), ErrorStatus::eInvalidInput);
    EXPECT_TRUE(isEqual(cs.toWorld({1, 0, 0}, CoordSpace::User), Point3d(10, 21, 0)));
    const ViewSettings good = cs.view();
    for (auto spoil : std::initializer_list<void (*)(ViewSettings&)>{
             [](ViewSettings& v) { v.target.x = std::nan(""); }, [](ViewSettings& v) { v.twist = HUGE_VAL; },
             [](ViewSettings& v) { v.height = HUGE_VAL; }, [](ViewSettings& v) { v.direction.z = std::nan(""); },
             [](ViewSettings& v) { v.centre.y = -HUGE_VAL; }}) {
        ViewSettings bad = good;
        spoil(bad);
        EXPECT_EQ(cs.setView(bad), ErrorStatus::eInvalidInput);
    }
    EXPECT_TRUE(isEqual(cs.toWorld({0, 0, 0}, CoordSpace::Display), good.target));
}

TEST(CoordinateSystems, RoundTripsHoldNearTheOriginAndAtSurveyCoordinates)
{
    struct Case {
        Point3d origin;
        double angle;
        Point3d point;
    };
    const double turn = 0.5235987755982988; // 30 degrees
    for (const Case& c : {Case{{0, 0, 0}, turn, {1.25, -3.5, 0.75}}, Case{{12.5, -4, 2}, -2.0, {0.001, 0.002, 0}},
                          Case{{3.5e6, 5e5, 0}, turn, {3.5e6 + 123.456, 5e5 - 78.9, 35.2}},
                          Case{{3499876.125, 500123.5, 110}, 1.1, {3.5e6, 5e5, 0}}}) {
        CoordinateSystems cs;
        const Vector3d x(std::cos(c.angle), std::sin(c.angle), 0);
        ASSERT_EQ(cs.setUcs(c.origin, x, {-x.y, x.x, 0}), ErrorStatus::eOk);
        for (CoordSpace space : {CoordSpace::User, CoordSpace::Display}) {
            for (bool displacement : {false, true}) {
                const Point3d there = cs.fromWorld(c.point, space, displacement);
                const Point3d back = cs.toWorld(there, space, displacement);
                EXPECT_TRUE(isEqual(back, c.point))
                    << c.origin.x << " space " << int(space) << " displacement " << displacement << ": "
                    << back.x - c.point.x << ", " << back.y - c.point.y;
            }
        }
        // Survey points expressed in a survey-placed system become small and come back unchanged.
        const Point3d local = cs.fromWorld(c.point, CoordSpace::User);
        EXPECT_TRUE(isEqual(cs.convert(local, CoordSpace::User, CoordSpace::World), c.point));
    }
}

TEST(CoordinateSystems, DisplayFollowsTheViewsTargetDirectionAndTwist)
{
    CoordinateSystems cs;
    ViewSettings view;
    view.target = {100, 50, 0};
    view.twist = std::acos(-1.0) / 2; // the drawing turned a quarter turn on screen
    view.height = 10;
    view.width = 10;
    ASSERT_EQ(cs.setView(view), ErrorStatus::eOk);
    // The drawing turned counter-clockwise on screen: world +x points up, world +y to the left.
    EXPECT_TRUE(isEqual(cs.fromWorld({101, 50, 0}, CoordSpace::Display), Point3d(0, 1, 0)));
    EXPECT_TRUE(isEqual(cs.fromWorld({100, 51, 0}, CoordSpace::Display), Point3d(-1, 0, 0)));
    EXPECT_TRUE(isEqual(cs.toWorld({0, 0, 0}, CoordSpace::Display), Point3d(100, 50, 0)));

    view.direction = {0, 0, 0};
    EXPECT_EQ(cs.setView(view), ErrorStatus::eInvalidInput);
    view.direction = {0, 0, 1};
    view.height = 0;
    EXPECT_EQ(cs.setView(view), ErrorStatus::eInvalidInput);
}

} // namespace
} // namespace host
