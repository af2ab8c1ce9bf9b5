#include "GeometryCases.h"

#include "host/geometry/Bulge.h"

#include <gtest/gtest.h>

#include <cmath>

namespace host {
namespace {

using testing::CurveGenerator;
using testing::kPlacements;
using testing::onCurveSlack;

TEST(Bulge, ArcAndBulgeRoundTrip)
{
    for (const auto& place : kPlacements) {
        CurveGenerator gen(31, place.offset);
        for (int i = 0; i < 2000; ++i) {
            const Point2d p0 = gen.point(), p1 = gen.point();
            // Bulges from nearly straight to nearly a full turn, both senses.
            const double bulge = std::tan(gen.uniform(-0.49, 0.49) * kPi) * 2.0;
            const BulgeSegment s = segmentFromBulge(p0, p1, bulge);
            if (s.kind == BulgeSegmentCase::Straight)
                continue;
            ASSERT_EQ(s.kind, BulgeSegmentCase::Arc);
            const Arc2d& arc = std::get<Arc2d>(s.curve);
            const double slack = onCurveSlack(place.offset) * (1.0 + std::fabs(bulge));
            EXPECT_LE(distance(startPoint(s.curve), p0), slack) << place.name << " bulge " << bulge;
            EXPECT_LE(distance(endPoint(s.curve), p1), slack) << place.name << " bulge " << bulge;
            EXPECT_NEAR(bulgeOfArc(arc), bulge, 1e-9 * (1.0 + bulge * bulge)) << place.name;
        }
    }
}

TEST(Bulge, HalfCirclesAndDegenerateInput)
{
    struct Case {
        double bulge;
        Point2d expectedMid; // the arc's middle point for the chord (0,0)-(2,0)
    };
    // Positive bulges run counter-clockwise, so from (0,0) to (2,0) they pass below the chord.
    for (const Case& c : {Case{1.0, {1, -1}}, Case{-1.0, {1, 1}}}) {
        const BulgeSegment s = segmentFromBulge({0, 0}, {2, 0}, c.bulge);
        ASSERT_EQ(s.kind, BulgeSegmentCase::Arc);
        const Arc2d& arc = std::get<Arc2d>(s.curve);
        EXPECT_NEAR(arc.radius, 1.0, 1e-15);
        EXPECT_NEAR(std::fabs(arc.sweep), kPi, 1e-15);
        EXPECT_LE(distance(pointAt(s.curve, arc.uEnd() / 2), c.expectedMid), 1e-14);
        EXPECT_NEAR(areaWithChord(s.curve), c.bulge * kPi / 2, 1e-14);
    }
    EXPECT_EQ(segmentFromBulge({0, 0}, {1, 0}, 0.0).kind, BulgeSegmentCase::Straight);
    EXPECT_EQ(segmentFromBulge({1, 1}, {1, 1}, 0.5).kind, BulgeSegmentCase::ZeroLength);
    EXPECT_EQ(segmentFromBulge({0, 0}, {1, 0}, NAN).kind, BulgeSegmentCase::Invalid);
    EXPECT_EQ(segmentFromBulge({0, 0}, {1, 0}, INFINITY).kind, BulgeSegmentCase::Invalid);
    EXPECT_EQ(bulgeOfArc(Arc2d::circle({0, 0}, 1)), 0.0);
}

TEST(Curve, ClosestPointIsNoFartherThanAnySample)
{
    constexpr int kSamples = 400;
    for (const auto& place : kPlacements) {
        CurveGenerator gen(47, place.offset);
        for (int i = 0; i < 300; ++i) {
            Curve2d c = gen.any();
            if (const auto* l = std::get_if<Linear2d>(&c); l && !l->isBounded())
                c = Linear2d{l->origin, l->direction, -100.0, 100.0};
            const Point2d p = gen.point();
            const double best = distanceTo(c, p);
            const double hi = uEnd(c);
            const double lo = std::get_if<Linear2d>(&c) ? std::get<Linear2d>(c).uStart : 0.0;
            for (int k = 0; k <= kSamples; ++k) {
                const double u = lo + (hi - lo) * k / kSamples;
                EXPECT_LE(best, distance(pointAt(c, u), p) + onCurveSlack(place.offset)) << place.name << " case " << i;
            }
        }
    }
}

TEST(Curve, ClosestPointExtendedReachesTheCarrier)
{
    const Curve2d arc = Arc2d::fromAngles({0, 0}, 2, 0, kPi / 2);
    EXPECT_NEAR(distanceTo(arc, {0, -3}), std::hypot(2.0, 3.0), 1e-12); // nearer end (2,0)
    EXPECT_NEAR(distanceTo(arc, {0, -3}, true), 1.0, 1e-12);            // on the full circle
    const Curve2d seg = Linear2d::segment({0, 0}, {1, 0});
    EXPECT_NEAR(distanceTo(seg, {5, 1}, true), 1.0, 1e-12);
    EXPECT_NEAR(closestParam(seg, {5, 1}, true), 5.0, 1e-12);
    const Curve2d half = Ellipse2d{{0, 0}, {4, 0}, 0.5, 0.0, kPi};
    EXPECT_NEAR(distanceTo(half, {0, -3}, true), 1.0, 1e-9);
}

TEST(Curve, LengthsAreasAndExtents)
{
    struct Case {
        const char* name;
        Curve2d curve;
        double length;
        double area;
        Extents2d box;
    };
    const double e = 1e-9;
    // Perimeter of the ellipse with semi-axes 2 and 1 (complete elliptic integral): 9.688448220547675.
    const Case cases[] = {
        {"segment", Linear2d::segment({1, 1}, {4, 5}), 5.0, 0.0, {{1, 1}, {4, 5}}},
        {"quarter arc ccw", Arc2d::fromAngles({0, 0}, 2, 0, kPi / 2), kPi, (kPi - 2.0), {{0, 0}, {2, 2}}},
        {"half arc cw", Arc2d{{0, 0}, 1, kPi, -kPi}, kPi, -kPi / 2, {{-1, 0}, {1, 1}}},
        {"circle", Arc2d::circle({1, 1}, 1), kTwoPi, kPi, {{0, 0}, {2, 2}}},
        {"full ellipse", Ellipse2d{{0, 0}, {2, 0}, 0.5, 0.0, kTwoPi}, 9.688448220547675, 2 * kPi, {{-2, -1}, {2, 1}}},
        {"rotated ellipse", Ellipse2d{{0, 0}, {0, 2}, 0.5, 0.0, kTwoPi}, 9.688448220547675, 2 * kPi, {{-1, -2}, {1, 2}}},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(length(c.curve), c.length, e) << c.name;
        EXPECT_NEAR(areaWithChord(c.curve), c.area, e) << c.name;
        const Extents2d box = extents(c.curve);
        EXPECT_NEAR(box.min.x, c.box.min.x, e) << c.name;
        EXPECT_NEAR(box.min.y, c.box.min.y, e) << c.name;
        EXPECT_NEAR(box.max.x, c.box.max.x, e) << c.name;
        EXPECT_NEAR(box.max.y, c.box.max.y, e) << c.name;
        // Length and parameter at length are inverse to each other.
        for (double f : {0.0, 0.3, 0.77, 1.0}) {
            double u = 0.0;
            ASSERT_TRUE(paramAtLength(c.curve, f * c.length, u)) << c.name;
            EXPECT_NEAR(lengthTo(c.curve, u), f * c.length, 1e-9) << c.name;
        }
        double u = 0.0;
        EXPECT_FALSE(paramAtLength(c.curve, c.length * 1.01, u)) << c.name;
        EXPECT_FALSE(paramAtLength(c.curve, -1.0, u)) << c.name;
    }
}

} // namespace
} // namespace host
