#include "GeometryCases.h"

#include "host/geometry/Intersect2d.h"

#include <gtest/gtest.h>

#include <cmath>

namespace host {
namespace {

using testing::CurveGenerator;
using testing::kPlacements;
using testing::onCurveSlack;

constexpr int kCasesPerPlacement = 3000;

TEST(Intersect, EveryPointLiesOnBothCurves)
{
    for (const auto& place : kPlacements) {
        CurveGenerator gen(20261211, place.offset);
        int pointsSeen = 0;
        for (int i = 0; i < kCasesPerPlacement; ++i) {
            const Curve2d a = gen.any(), b = gen.any();
            const Meet m = intersect(a, b);
            ASSERT_LE(m.count, 4);
            for (const MeetPoint& p : m) {
                ++pointsSeen;
                const double slack = onCurveSlack(place.offset);
                EXPECT_LE(distance(pointAt(a, p.uA), p.point), slack) << place.name << " case " << i;
                EXPECT_LE(distanceTo(a, p.point), slack) << place.name << " case " << i;
                EXPECT_LE(distanceTo(b, p.point), slack) << place.name << " case " << i;
                EXPECT_LE(distance(pointAt(b, p.uB), p.point), slack) << place.name << " case " << i;
            }
            for (int k = 1; k < m.count; ++k)
                EXPECT_LE(m.points[k - 1].uA, m.points[k].uA);
        }
        EXPECT_GT(pointsSeen, kCasesPerPlacement / 3) << "generator too sparse to test anything";
    }
}

// Lines and circles whose analytic count is clear: distances kept away from tangency.
TEST(Intersect, CountsMatchAnalyticCounts)
{
    for (const auto& place : kPlacements) {
        CurveGenerator gen(99, place.offset);
        for (int i = 0; i < kCasesPerPlacement; ++i) {
            const Point2d c = gen.point();
            const double r = gen.uniform(5, 50);
            const Vector2d dir = gen.direction();
            const double h = gen.uniform(0, 2 * r);
            if (std::fabs(h - r) < 1e-3 * r)
                continue;
            const Curve2d line = Linear2d::line(c + dir.perpendicular() * h, dir);
            const Curve2d circle = Arc2d::circle(c, r);
            const int expectedLine = h < r ? 2 : 0;
            EXPECT_EQ(intersect(line, circle).count, expectedLine) << place.name << " h=" << h << " r=" << r;
            EXPECT_EQ(intersect(circle, line).count, expectedLine);

            const double r2 = gen.uniform(5, 50);
            const double d = gen.uniform(0, 110);
            if (std::fabs(d - (r + r2)) < 1e-3 || std::fabs(d - std::fabs(r - r2)) < 1e-3 || d < 1e-3)
                continue;
            const Curve2d other = Arc2d::circle(c + dir * d, r2);
            const int expectedCircles = (d < r + r2 && d > std::fabs(r - r2)) ? 2 : 0;
            EXPECT_EQ(intersect(circle, other).count, expectedCircles) << place.name << " d=" << d;
        }
    }
}

struct PairCase {
    const char* name;
    Curve2d a;
    Curve2d b;
    MeetCase kind;
    std::vector<Point2d> points;
};

TEST(Intersect, NamedCases)
{
    const Ellipse2d ellipse{{0, 0}, {4, 0}, 0.5, 0.0, kTwoPi}; // x^2/16 + y^2/4 = 1
    const double s = std::sqrt(2.0);
    const std::vector<PairCase> cases = {
        {"crossing segments", Linear2d::segment({0, 0}, {2, 2}), Linear2d::segment({0, 2}, {2, 0}), MeetCase::One, {{1, 1}}},
        {"segments apart", Linear2d::segment({0, 0}, {1, 1}), Linear2d::segment({0, 2}, {0.9, 1.1}), MeetCase::None, {}},
        {"touch at end", Linear2d::segment({0, 0}, {1, 0}), Linear2d::segment({1, 0}, {1, 5}), MeetCase::One, {{1, 0}}},
        {"parallel", Linear2d::segment({0, 0}, {1, 0}), Linear2d::segment({0, 1}, {1, 1}), MeetCase::None, {}},
        {"collinear overlap", Linear2d::segment({0, 0}, {4, 0}), Linear2d::segment({6, 0}, {2, 0}), MeetCase::Overlap, {{2, 0}, {4, 0}}},
        {"collinear end to end", Linear2d::segment({0, 0}, {2, 0}), Linear2d::segment({2, 0}, {5, 0}), MeetCase::One, {{2, 0}}},
        {"collinear apart", Linear2d::segment({0, 0}, {1, 0}), Linear2d::segment({2, 0}, {3, 0}), MeetCase::None, {}},
        {"ray misses behind", Linear2d::ray({0, 0}, {1, 0}), Linear2d::segment({-1, -1}, {-1, 1}), MeetCase::None, {}},
        {"line through segment", Linear2d::line({0, 0}, {1, 0}), Linear2d::segment({-7, -1}, {-7, 1}), MeetCase::One, {{-7, 0}}},
        {"zero-length on line", Linear2d::segment({1, 0}, {1, 0}), Linear2d::segment({0, 0}, {3, 0}), MeetCase::One, {{1, 0}}},
        {"zero-length off line", Linear2d::segment({1, 1}, {1, 1}), Linear2d::segment({0, 0}, {3, 0}), MeetCase::None, {}},
        {"line through circle", Linear2d::line({-5, 0}, {1, 0}), Arc2d::circle({0, 0}, 2), MeetCase::Two, {{-2, 0}, {2, 0}}},
        {"tangent line", Linear2d::line({-5, 2}, {1, 0}), Arc2d::circle({0, 0}, 2), MeetCase::One, {{0, 2}}},
        {"line misses upper arc", Linear2d::line({-5, -1}, {1, 0}), Arc2d::fromAngles({0, 0}, 2, 0, kPi), MeetCase::None, {}},
        {"segment into arc", Linear2d::segment({0, 0}, {5, 0}), Arc2d::fromAngles({0, 0}, 2, -kPi / 2, kPi / 2), MeetCase::One, {{2, 0}}},
        {"circles crossing", Arc2d::circle({0, 0}, 2), Arc2d::circle({2, 0}, 2), MeetCase::Two, {{1, std::sqrt(3.0)}, {1, -std::sqrt(3.0)}}},
        {"circles touching outside", Arc2d::circle({0, 0}, 1), Arc2d::circle({3, 0}, 2), MeetCase::One, {{1, 0}}},
        {"circles touching inside", Arc2d::circle({0, 0}, 3), Arc2d::circle({1, 0}, 2), MeetCase::One, {{3, 0}}},
        {"circle inside circle", Arc2d::circle({0, 0}, 3), Arc2d::circle({0.5, 0}, 1), MeetCase::None, {}},
        {"same circle", Arc2d::circle({0, 0}, 3), Arc2d::circle({0, 0}, 3), MeetCase::Overlap, {}},
        {"arcs sharing a stretch", Arc2d::fromAngles({0, 0}, 1, 0, kPi), Arc2d::fromAngles({0, 0}, 1, kPi / 2, 1.5 * kPi), MeetCase::Overlap, {{0, 1}, {-1, 0}}},
        {"arcs end to end", Arc2d::fromAngles({0, 0}, 1, 0, kPi / 2), Arc2d::fromAngles({0, 0}, 1, kPi / 2, kPi), MeetCase::One, {{0, 1}}},
        {"concentric different radii", Arc2d::circle({0, 0}, 1), Arc2d::circle({0, 0}, 2), MeetCase::None, {}},
        {"line through ellipse", Linear2d::line({0, 1}, {1, 0}), ellipse, MeetCase::Two, {{-2 * std::sqrt(3.0), 1}, {2 * std::sqrt(3.0), 1}}},
        {"line tangent to ellipse", Linear2d::line({4, -3}, {0, 1}), ellipse, MeetCase::One, {{4, 0}}},
        {"ellipse and circle, four points", ellipse, Arc2d::circle({0, 0}, 3), MeetCase::Several, {}},
        {"ellipse touching circle", ellipse, Arc2d::circle({0, 0}, 2), MeetCase::Two, {{0, 2}, {0, -2}}},
        {"same ellipse", ellipse, ellipse, MeetCase::Overlap, {}},
        {"diagonal through unit circle", Linear2d::segment({-2, -2}, {2, 2}), Arc2d::circle({0, 0}, s), MeetCase::Two, {{-1, -1}, {1, 1}}},
    };
    for (const auto& place : kPlacements)
        for (const PairCase& c : cases) {
            const Curve2d a = translated(c.a, place.offset), b = translated(c.b, place.offset);
            const Meet m = intersect(a, b);
            EXPECT_EQ(m.kind, c.kind) << c.name << " at " << place.name;
            if (c.kind == MeetCase::Several) {
                EXPECT_EQ(m.count, 4) << c.name;
                continue;
            }
            ASSERT_EQ(m.count, static_cast<int>(c.points.size())) << c.name << " at " << place.name;
            for (const Point2d& expected : c.points) {
                const Point2d e = expected + place.offset;
                const bool found = std::any_of(m.begin(), m.end(), [&](const MeetPoint& p) {
                    return distance(p.point, e) <= 1e-7 + testing::onCurveSlack(place.offset);
                });
                EXPECT_TRUE(found) << c.name << " at " << place.name << ": missing (" << expected.x << ", " << expected.y << ")";
            }
        }
}

TEST(Intersect, SwappedOperandsGiveTheSamePoints)
{
    CurveGenerator gen(5, {0, 0});
    for (int i = 0; i < 500; ++i) {
        const Curve2d a = gen.any(), b = gen.any();
        const Meet ab = intersect(a, b), ba = intersect(b, a);
        ASSERT_EQ(ab.count, ba.count) << i;
        EXPECT_EQ(ab.kind, ba.kind) << i;
        for (const MeetPoint& p : ab) {
            const bool found = std::any_of(ba.begin(), ba.end(), [&](const MeetPoint& q) { return distance(p.point, q.point) < 1e-6; });
            EXPECT_TRUE(found) << i;
        }
    }
}

} // namespace
} // namespace host
