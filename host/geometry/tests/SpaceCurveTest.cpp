#include "host/geometry/SpaceCurve.h"

#include <gtest/gtest.h>

#include <cmath>

namespace host {
namespace {

constexpr double kNear = 1e-9;

void expectPoint(const Point3d& got, const Point3d& want, double eps, const char* what)
{
    EXPECT_LE(distance(got, want), eps) << what << ": got (" << got.x << ", " << got.y << ", " << got.z << ")";
}

// Survey-sized offsets for every case; 0 keeps the case at the origin.
const Vector3d kOffsets[] = {{0, 0, 0}, {3.5e6, 5e5, 0}};

TEST(SpaceCurve, EntityParametersAndQueries)
{
    for (const Vector3d& o : kOffsets) {
        const double eps = kNear + 1e-13 * o.length();
        const SpaceCurve line = SpaceCurve::line(Point3d(0, 0, 0) + o, Point3d(3, 4, 0) + o);
        EXPECT_EQ(line.startParam(), 0.0);
        EXPECT_NEAR(line.endParam(), 5.0, eps);
        expectPoint(line.pointAtParam(2.5), Point3d(1.5, 2, 0) + o, eps, "line midpoint");
        EXPECT_NEAR(line.paramAtPoint(Point3d(3, 4, 7) + o), 5.0, eps);

        const SpaceCurve arc = SpaceCurve::arc(Point3d(1, 1, 2) + o, Vector3d::zAxis(), 2.0, kPi / 2, kPi);
        EXPECT_NEAR(arc.startParam(), kPi / 2, 1e-15);
        EXPECT_NEAR(arc.endParam(), kPi, 1e-15);
        expectPoint(arc.startPoint(), Point3d(1, 3, 2) + o, eps, "arc start");
        expectPoint(arc.pointAtParam(3 * kPi / 4), Point3d(1 - std::sqrt(2.0), 1 + std::sqrt(2.0), 2) + o, eps, "arc mid");
        EXPECT_NEAR(arc.length(), kPi, eps);
        double param = 0.0;
        ASSERT_TRUE(arc.paramAtDistance(kPi / 2, param));
        EXPECT_NEAR(param, 3 * kPi / 4, 1e-9);
        EXPECT_NEAR(arc.area(), kPi - 2.0, 1e-6);

        // Seen from below (normal -z) the object x axis is world -x: angle 0 lies at world -x.
        const SpaceCurve below = SpaceCurve::circle(Point3d(0, 0, 0) + o, -Vector3d::zAxis(), 1.0);
        expectPoint(below.pointAtParam(0.0), Point3d(-1, 0, 0) + o, eps, "circle from below");
        EXPECT_TRUE(below.isClosed());
        EXPECT_NEAR(below.area(), kPi, 1e-6);

        const auto pl = SpaceCurve::planarPolyline(Vector3d::zAxis(), 5.0,
                                                   {Point2d(0, 0) + o.toPlan(), Point2d(2, 0) + o.toPlan(), Point2d(2, 2) + o.toPlan()},
                                                   {0.0, 1.0}, false);
        ASSERT_TRUE(pl.has_value());
        EXPECT_NEAR(pl->endParam(), 2.0, 1e-15);
        expectPoint(pl->pointAtParam(1.0), Point3d(2, 0, 5) + o, eps, "polyline vertex");
        EXPECT_NEAR(pl->length(), 2.0 + kPi, eps);
        const Box3d box = pl->extents();
        EXPECT_NEAR(box.max.x - o.x, 3.0, eps); // the half circle bulges to x = 3
        EXPECT_NEAR(box.min.z, 5.0, 1e-12);

        const auto p3 = SpaceCurve::polyline3d({Point3d(0, 0, 0) + o, Point3d(0, 0, 3) + o, Point3d(4, 0, 3) + o}, false);
        ASSERT_TRUE(p3.has_value());
        EXPECT_NEAR(p3->length(), 7.0, eps);
        ASSERT_TRUE(p3->paramAtDistance(5.0, param));
        EXPECT_NEAR(param, 1.5, 1e-9);
        expectPoint(p3->closestPoint(Point3d(9, 1, 3) + o, true), Point3d(9, 0, 3) + o, eps, "3D polyline extended");
        expectPoint(p3->closestPoint(Point3d(9, 1, 3) + o, false), Point3d(4, 0, 3) + o, eps, "3D polyline");
    }
    EXPECT_FALSE(SpaceCurve::planarPolyline(Vector3d::zAxis(), 0.0, {}, {}, false).has_value());
    EXPECT_FALSE(SpaceCurve::planarPolyline(Vector3d::zAxis(), 0.0, {{0, 0}, {1, 0}}, {INFINITY}, false).has_value());
    EXPECT_FALSE(SpaceCurve::polyline3d({{0, 0, NAN}}, false).has_value());
}

struct MeetCaseRow {
    const char* name;
    SpaceCurve a;
    SpaceCurve b;
    ExtendMode mode;
    bool planProjection;
    std::vector<Point3d> expected; // in order along a
};

TEST(SpaceCurve, IntersectWithCases)
{
    const Vector3d z = Vector3d::zAxis();
    const double h = std::sqrt(0.5);
    const auto square = *SpaceCurve::planarPolyline(z, 0.0, {{0, 0}, {2, 0}, {2, 2}, {0, 2}}, {}, true);
    const auto zigzag = *SpaceCurve::polyline3d({{0, 0, 0}, {1, 1, 0}, {2, 0, 0}, {3, 1, 0}}, false);
    const std::vector<MeetCaseRow> rows = {
        {"plan crossing at different heights, projected", SpaceCurve::line({0, 0, 0}, {2, 2, 0}),
         SpaceCurve::line({0, 2, 5}, {2, 0, 5}), ExtendMode::None, true, {{1, 1, 0}}},
        {"the same lines in space do not meet", SpaceCurve::line({0, 0, 0}, {2, 2, 0}),
         SpaceCurve::line({0, 2, 5}, {2, 0, 5}), ExtendMode::None, false, {}},
        {"points lie on the first operand", SpaceCurve::line({0, 2, 5}, {2, 0, 5}),
         SpaceCurve::line({0, 0, 0}, {2, 2, 0}), ExtendMode::None, true, {{1, 1, 5}}},
        {"short lines meet only extended", SpaceCurve::line({0, 0, 0}, {1, 0, 0}), SpaceCurve::line({3, 1, 0}, {3, 2, 0}),
         ExtendMode::None, true, {}},
        {"extend this only", SpaceCurve::line({0, 0, 0}, {1, 0, 0}), SpaceCurve::line({3, 1, 0}, {3, 2, 0}),
         ExtendMode::ExtendThis, true, {}},
        {"extend both", SpaceCurve::line({0, 0, 0}, {1, 0, 0}), SpaceCurve::line({3, 1, 0}, {3, 2, 0}),
         ExtendMode::ExtendBoth, true, {{3, 0, 0}}},
        {"extend other reaches", SpaceCurve::line({3, -1, 0}, {3, 1, 0}), SpaceCurve::line({0, 0, 0}, {1, 0, 0}),
         ExtendMode::ExtendOther, true, {{3, 0, 0}}},
        {"arc extended to its circle", SpaceCurve::arc({0, 0, 0}, z, 1.0, 0.0, kPi / 2),
         SpaceCurve::line({-2, 0, 0}, {2, 0, 0}), ExtendMode::ExtendThis, true, {{1, 0, 0}, {-1, 0, 0}}},
        {"diagonal through an arc", SpaceCurve::arc({0, 0, 0}, z, 1.0, 0.0, kPi / 2), SpaceCurve::line({-2, -2, 0}, {2, 2, 0}),
         ExtendMode::None, true, {{h, h, 0}}},
        {"arc seen from below", SpaceCurve::arc({0, 0, 3}, -z, 1.0, 0.0, kPi / 2), SpaceCurve::line({-2, 2, 0}, {2, -2, 0}),
         ExtendMode::None, true, {{-h, h, 3}}},
        {"line through a square, order along the line", SpaceCurve::line({3, 1, 0}, {-1, 1, 0}), square, ExtendMode::None, true,
         {{2, 1, 0}, {0, 1, 0}}},
        {"closed square is never extended", square, SpaceCurve::line({5, 0, 0}, {5, 1, 0}), ExtendMode::ExtendThis, true, {}},
        {"through vertices once", SpaceCurve::line({-1, 1, 0}, {5, 1, 0}), zigzag, ExtendMode::None, true, {{1, 1, 0}, {3, 1, 0}}},
        {"ray hits a square once from inside", SpaceCurve::ray({1, 1, 0}, {1, 0.3, 0}), square, ExtendMode::None, true,
         {{2, 1.3, 0}}},
        {"infinite line through a square", SpaceCurve::infiniteLine({1, 1, 0}, {1, 0, 0}), square, ExtendMode::None, false,
         {{0, 1, 0}, {2, 1, 0}}},
        {"line piercing a circle's plane on the circle", SpaceCurve::line({1, 0, -1}, {1, 0, 1}),
         SpaceCurve::circle({0, 0, 0}, z, 1.0), ExtendMode::None, false, {{1, 0, 0}}},
        {"line piercing inside the circle", SpaceCurve::line({0.5, 0, -1}, {0.5, 0, 1}), SpaceCurve::circle({0, 0, 0}, z, 1.0),
         ExtendMode::None, false, {}},
        {"circles in perpendicular planes", SpaceCurve::circle({0, 0, 0}, z, 1.0),
         SpaceCurve::circle({0, 0, 0}, Vector3d::yAxis(), 1.0), ExtendMode::None, false, {{1, 0, 0}, {-1, 0, 0}}},
        {"coplanar circles in a tilted plane", SpaceCurve::circle({0, 0, 0}, {0, 1, 1}, 1.0),
         SpaceCurve::circle({1, 0, 0}, {0, 1, 1}, 1.0), ExtendMode::None, false,
         {{0.5, -std::sqrt(3.0) / 2 * h, std::sqrt(3.0) / 2 * h}, {0.5, std::sqrt(3.0) / 2 * h, -std::sqrt(3.0) / 2 * h}}},
        {"3D polylines crossing in space", *SpaceCurve::polyline3d({{0, 0, 0}, {2, 2, 2}}, false),
         *SpaceCurve::polyline3d({{0, 2, 0}, {2, 0, 2}}, false), ExtendMode::None, false, {{1, 1, 1}}},
        {"skew lines", SpaceCurve::line({0, 0, 0}, {2, 2, 0}), SpaceCurve::line({0, 2, 1}, {2, 0, 1.5}), ExtendMode::None, false, {}},
        {"collinear overlap in space", SpaceCurve::line({0, 0, 1}, {4, 0, 1}), SpaceCurve::line({2, 0, 1}, {6, 0, 1}),
         ExtendMode::None, false, {{2, 0, 1}, {4, 0, 1}}},
    };
    for (const MeetCaseRow& r : rows) {
            const Plane xy;
            const std::vector<Point3d> got = intersectWith(r.a, r.b, r.mode, r.planProjection ? &xy : nullptr);
            ASSERT_EQ(got.size(), r.expected.size()) << r.name;
            for (size_t k = 0; k < got.size(); ++k)
                expectPoint(got[k], r.expected[k], 1e-9, r.name);
        }
}

TEST(SpaceCurve, TiltedCircleProjectsToAnEllipseInPlan)
{
    // Circle of radius 2 in the plane x = z (normal (1,0,-1)): in plan an ellipse with semi-axes sqrt2 and 2.
    const SpaceCurve tilted = SpaceCurve::circle({0, 0, 0}, {1, 0, -1}, 2.0);
    const SpaceCurve acrossX = SpaceCurve::line({-5, 0, 0}, {5, 0, 0});
    const Plane xy;
    const std::vector<Point3d> got = intersectWith(tilted, acrossX, ExtendMode::None, &xy);
    ASSERT_EQ(got.size(), 2u);
    for (const Point3d& p : got) {
        EXPECT_NEAR(std::fabs(p.x), std::sqrt(2.0), 1e-9);
        EXPECT_NEAR(p.z, p.x, 1e-9);        // on the circle's plane
        EXPECT_NEAR(p.asVector().length(), 2.0, 1e-9); // on the circle
    }
    const std::vector<Point3d> onLine = intersectWith(acrossX, tilted, ExtendMode::None, &xy);
    ASSERT_EQ(onLine.size(), 2u);
    EXPECT_NEAR(onLine[0].z, 0.0, 1e-12);
    EXPECT_LT(onLine[0].x, onLine[1].x); // ordered along the line
}

TEST(SpaceCurve, SurveyPlacement)
{
    const Vector3d o(3.5e6, 5e5, 120.0);
    const Plane xy;
    const SpaceCurve arc = SpaceCurve::arc(Point3d(0, 0, 0) + o, Vector3d::zAxis(), 25.0, 0.0, kPi);
    const SpaceCurve chord = SpaceCurve::line(Point3d(-30, 10, 0) + o, Point3d(30, 10, 0) + o);
    const std::vector<Point3d> got = intersectWith(chord, arc, ExtendMode::None, &xy);
    ASSERT_EQ(got.size(), 2u);
    const double x = std::sqrt(25.0 * 25.0 - 100.0);
    expectPoint(got[0], Point3d(-x, 10, 0) + o, 1e-7, "survey left");
    expectPoint(got[1], Point3d(x, 10, 0) + o, 1e-7, "survey right");
    const auto square =
        *SpaceCurve::planarPolyline(Vector3d::zAxis(), o.z,
                                    {Point2d(0, 0) + o.toPlan(), Point2d(100, 0) + o.toPlan(), Point2d(100, 100) + o.toPlan(),
                                     Point2d(0, 100) + o.toPlan()},
                                    {}, true);
    const SpaceCurve ray = SpaceCurve::ray(Point3d(50, 50, 0) + o, {1, 0.37, 0});
    EXPECT_EQ(intersectWith(ray, square, ExtendMode::None, nullptr).size(), 1u);
    EXPECT_NEAR(square.area(), 1e4, 1e-6);
}

} // namespace
} // namespace host
