#include "../../curves/tests/DrawingFixture.h"

#include "host/entities/PointEntity.h"
#include "host/geometry/Bulge.h"
#include "terrain/curves/PolylineData.h"
#include "terrain/plan/CurveMeasures.h"
#include "terrain/plan/InsideTests.h"
#include "terrain/plan/PlanConstructions.h"
#include "terrain/plan/PlanIntersections.h"

#include <cmath>
#include <random>

namespace terrain {
namespace {

using testing::Drawing;

bool near(const Point3& a, const Point3& b, double eps = 1e-9)
{
    return std::fabs(a.x - b.x) <= eps && std::fabs(a.y - b.y) <= eps && std::fabs(a.z - b.z) <= eps;
}

TEST(PlanIntersections, EntityServices)
{
    Drawing d;
    const EntityId diagonal = d.line({0, 0, 0}, {4, 4, 0});
    const EntityId high = d.line({0, 4, 10}, {4, 0, 10}); // crosses in plan, 10 above
    const EntityId shortLine = d.line({10, 0, 0}, {11, 0, 0});
    const EntityId square = d.lw({{0, 0}, {4, 0}, {4, 4}, {0, 4}}, {}, true);
    const EntityId circle = d.circle({0, 0, 0}, 1.0);
    Point3 p;
    PointArray pts;

    EXPECT_EQ(d.closed(entitiesCross(diagonal, high)), 1);
    EXPECT_EQ(d.closed(entitiesMeetSpatial(diagonal, high)), 0);
    EXPECT_EQ(d.closed(entitiesMeetSpatialExtended(diagonal, shortLine)), 1);
    EXPECT_EQ(d.closed(entitiesMeetPointTyped(high, diagonal, 0, p)), 1);
    EXPECT_TRUE(near(p, Point3(2, 2, 10))); // on the first operand
    EXPECT_EQ(d.closed(entitiesMeetTyped(shortLine, diagonal, 0)), 0);
    EXPECT_EQ(d.closed(entitiesMeetTyped(shortLine, diagonal, 1)), 1);
    EXPECT_EQ(d.closed(entitiesMeetTyped(shortLine, diagonal, 7)), 0); // unknown modes mean 0
    EXPECT_EQ(d.closed(lineEntitiesMeet(shortLine, high, p)), 1);
    EXPECT_TRUE(near(p, Point3(4, 0, 0)));
    EXPECT_EQ(d.closed(lineEntitiesMeet(shortLine, square, p)), 0); // the second is no line

    EXPECT_EQ(d.closed(entityPointsTyped(diagonal, square, 0, pts)), 1);
    ASSERT_EQ(pts.count(), 2); // corners (0,0) and (4,4), each once
    EXPECT_TRUE(near(pts[0], Point3(0, 0, 0)));
    EXPECT_TRUE(near(pts[1], Point3(4, 4, 0)));
    EXPECT_EQ(d.closed(entityPointsTyped(shortLine, circle, 0, pts)), 0);
    EXPECT_EQ(pts.count(), 0);
    EXPECT_EQ(d.closed(lineEntityPoints(Point3(-5, 2, 0), Point3(-4, 2, 0), square, 0, pts)), 1);
    EXPECT_EQ(pts.count(), 0); // opened, no points, still 1
    EXPECT_EQ(d.closed(lineEntityPoints(Point3(-5, 2, 0), Point3(-4, 2, 0), square, 1, pts)), 1);
    EXPECT_EQ(pts.count(), 2);
    EXPECT_EQ(d.closed(lineEntityPoints(Point3(1, 1, 0), Point3(1, 1, 0), square, 1, pts)), 0);
    EXPECT_EQ(d.closed(entitiesCross(diagonal, EntityId())), 0);

    EXPECT_EQ(d.closed(lineTouchesEntity(Point3(-1, 2, 0), Point3(1, 2, 0), square)), 1);
    EXPECT_EQ(d.closed(lineMeetsExtendedEntity(Point3(20, -1, 0), Point3(20, 1, 0), shortLine)), 1);
    EXPECT_EQ(d.closed(lineMeetsEntityPoint(Point3(-3, 2, 0), Point3(-2, 2, 0), square, p)), 1);
    EXPECT_TRUE(near(p, Point3(0, 2, 0)));
    {
        host::ObjectPtr<host::Curve> open;
        ASSERT_EQ(d.db.openObject(open, square, host::OpenMode::Read), host::ErrorStatus::eOk);
        EXPECT_EQ(lineMeetsOpenEntityPoint(Point3(2, -3, 0), Point3(2, -2, 0), *open, p), 1);
        EXPECT_TRUE(near(p, Point3(2, 0, 0)));
        EXPECT_EQ(openEntityPointsTyped(*open, diagonal, 0, pts), 1);
        host::ObjectPtr<host::Curve> other;
        ASSERT_EQ(d.db.openObject(other, shortLine, host::OpenMode::Read), host::ErrorStatus::eOk);
        EXPECT_EQ(openEntitiesMeetExtended(*other, *open, p), 1);
    }
    EXPECT_EQ(d.db.openObjectCount(), 0);
}

TEST(PlanIntersections, PointsLieOnBothPolylinesAtSurveyCoordinates)
{
    for (const host::Vector2d offset : {host::Vector2d(0, 0), host::Vector2d(3.5e6, 5e5)}) {
        Drawing d;
        std::mt19937 rng(404);
        std::uniform_real_distribution<double> u(-1.0, 1.0);
        const auto walk = [&](int n) {
            std::vector<host::Point2d> v{host::Point2d(30 * u(rng), 30 * u(rng)) + offset};
            std::vector<double> b;
            for (int i = 1; i < n; ++i)
                v.push_back(v.back() + host::Vector2d(8 * u(rng), 8 * u(rng)));
            for (int i = 0; i < n; ++i)
                b.push_back(i % 3 == 0 ? 0.8 * u(rng) : 0.0);
            return d.lw(v, b, false, 4.0);
        };
        int seen = 0;
        for (int round = 0; round < 20; ++round) {
            const EntityId a = walk(40), b = walk(40);
            PointArray pts;
            d.closed(entityPointsTyped(a, b, 0, pts));
            for (int k = 0; k < pts.count(); ++k) {
                ++seen;
                Point3 onA, onB;
                d.closed(closestPointOnCurve(a, pts[k], onA));
                d.closed(closestPointOnCurve(b, pts[k], onB));
                EXPECT_LE(std::hypot(onA.x - pts[k].x, onA.y - pts[k].y), 1e-6) << round;
                EXPECT_LE(std::hypot(onB.x - pts[k].x, onB.y - pts[k].y), 1e-6) << round;
                EXPECT_NEAR(pts[k].z, 4.0, 1e-9); // on the first operand, at its elevation
            }
        }
        EXPECT_GT(seen, 20);
    }
}

TEST(PlanIntersections, RaysAndExtremes)
{
    Drawing d;
    const EntityId square = d.lw({{0, 0}, {4, 0}, {4, 4}, {0, 4}}, {}, true);
    Point3 p, q;
    EXPECT_EQ(d.closed(rayHitsOnce(Point3(-2, 1, 0), Point3(-1, 1.3, 0), square, p)), 0); // in and out
    EXPECT_EQ(d.closed(rayHitsOnce(Point3(2, 1, 0), Point3(3, 1.3, 0), square, p)), 1);   // from inside
    EXPECT_TRUE(near(p, Point3(4, 1.6, 0)));
    EXPECT_EQ(d.closed(extremeHitsAlongX(Point3(1, 1, 0), Point3(2, 1.5, 0), square, p, q)), 1);
    EXPECT_TRUE(near(p, Point3(0, 0.5, 0)));
    EXPECT_TRUE(near(q, Point3(4, 2.5, 0)));
    EXPECT_EQ(d.closed(extremeHitsAlongY(Point3(1, 1, 0), Point3(2, 1.5, 0), square, p, q)), 1);
    EXPECT_TRUE(near(p, Point3(0, 0.5, 0)));
    // A line touching a circle once gives no pair.
    const EntityId circle = d.circle({0, 0, 0}, 1.0);
    EXPECT_EQ(d.closed(extremeHitsAlongX(Point3(-3, 1, 0), Point3(3, 1, 0), circle, p, q)), 0);
}

TEST(PlanIntersections, PointServices)
{
    Point3 p;
    EXPECT_EQ(linesMeet(Point3(0, 0, 0), Point3(1, 0, 0), Point3(5, 1, 0), Point3(5, 2, 0), p), 1);
    EXPECT_TRUE(near(p, Point3(5, 0, 0)));
    EXPECT_EQ(linesMeet(Point3(0, 0, 0), Point3(1, 0, 0), Point3(5, 1, 1), Point3(5, 2, 1), p), 0); // skew
    EXPECT_EQ(linesMeet(Point3(0, 0, 0), Point3(0, 0, 0), Point3(5, 1, 0), Point3(5, 2, 0), p), 0); // no line
    EXPECT_EQ(lineCrossesSegment(Point3(0, 0, 0), Point3(1, 0, 0), Point3(5, -1, 3), Point3(5, 1, 3)), 1);
    EXPECT_EQ(lineCrossesSegment(Point3(0, 0, 0), Point3(1, 0, 0), Point3(5, 1, 0), Point3(5, 2, 0)), 0);
    EXPECT_EQ(lineCrossesSegmentPoint(Point3(0, 0, 0), Point3(1, 0, 0), Point3(5, -1, 3), Point3(5, 1, 3), p), 1);
    EXPECT_TRUE(near(p, Point3(5, 0, 0)));
    EXPECT_EQ(segmentsCross(Point3(0, 0, 0), Point3(1, 0, 0), Point3(5, -1, 0), Point3(5, 1, 0)), 0);
    EXPECT_EQ(segmentsCrossPoint(Point3(0, 0, 0), Point3(2, 2, 0), Point3(0, 2, 0), Point3(2, 0, 0), p), 1);
    EXPECT_TRUE(near(p, Point3(1, 1, 0)));
    EXPECT_EQ(closestPointOnLine(Point3(0, 0, 0), Point3(1, 1, 0), Point3(2, 0, 0), p), 1);
    EXPECT_TRUE(near(p, Point3(1, 1, 0)));
    EXPECT_EQ(closestPointOnLine(Point3(1, 1, 0), Point3(1, 1, 0), Point3(2, 0, 0), p), 0);
}

// Winding number of a closed polygon around a point (independent of the ray method).
int windingNumber(const std::vector<host::Point2d>& poly, const host::Point2d& p)
{
    int wn = 0;
    for (size_t i = 0; i < poly.size(); ++i) {
        const host::Point2d& a = poly[i];
        const host::Point2d& b = poly[(i + 1) % poly.size()];
        const double side = host::cross(b - a, p - a);
        if (a.y <= p.y && b.y > p.y && side > 0)
            ++wn;
        else if (a.y > p.y && b.y <= p.y && side < 0)
            --wn;
    }
    return wn;
}

TEST(InsideTests, AgreeWithWindingNumbersOnRandomPolygons)
{
    for (const host::Vector2d offset : {host::Vector2d(0, 0), host::Vector2d(3.5e6, 5e5)}) {
        std::mt19937 rng(2026);
        std::uniform_real_distribution<double> u(0.0, 1.0);
        for (int shape = 0; shape < 12; ++shape) {
            Drawing d;
            // A star-shaped polygon (simple by construction); every other shape gets gentle bulges.
            const int n = 5 + shape * 3;
            std::vector<host::Point2d> v;
            std::vector<double> bulges;
            for (int i = 0; i < n; ++i) {
                const double a = host::kTwoPi * (i + 0.3 * u(rng)) / n;
                const double r = 20.0 * (0.5 + 0.5 * u(rng));
                v.push_back(host::Point2d(r * std::cos(a), r * std::sin(a)) + offset);
                bulges.push_back(shape % 2 ? 0.15 * (u(rng) - 0.5) : 0.0);
            }
            const EntityId id = d.lw(v, bulges, true, shape % 3 == 0 ? 12.5 : 0.0);
            // The reference: arcs flattened finely; points near the boundary are left out.
            host::Composite2d c;
            ASSERT_EQ(host::Composite2d::fromVertices(v, bulges, true, c), host::CompositeBuild::Ok);
            std::vector<host::Point2d> flat;
            for (int s = 0; s < c.segmentCount(); ++s)
                for (int k = 0; k < 64; ++k)
                    flat.push_back(c.pointAtParam(s + k / 64.0));
            int tested = 0;
            for (int k = 0; k < 150; ++k) {
                const host::Point2d p = host::Point2d(u(rng) * 50 - 25, u(rng) * 50 - 25) + offset;
                if (host::distance(c.closestPoint(p), p) < 0.05)
                    continue;
                const int expected = windingNumber(flat, p) != 0 ? 1 : 0;
                EXPECT_EQ(d.closed(isInsideClosedCurve(Point3(p.x, p.y, 7.0), id)), expected)
                    << "shape " << shape << " point " << p.x - offset.x << ", " << p.y - offset.y;
                ++tested;
            }
            EXPECT_GT(tested, 100);
        }
    }
}

TEST(InsideTests, InteriorAndOutsidePoints)
{
    Drawing d;
    Point3 p(0, 0, 42);
    const EntityId triangle = d.lw({{0, 0}, {4, 0}, {0, 4}}, {}, true);
    EXPECT_EQ(d.closed(interiorPoint(triangle, p)), 1);
    EXPECT_TRUE(near(p, Point3(1, 2, 42))); // halfway between vertex 2 and the middle of edge 0-1; z kept
    const EntityId quad = d.poly2d({{0, 0}, {4, 0}, {5, 3}, {1, 4}}, {}, true);
    EXPECT_EQ(d.closed(interiorPoint(quad, p)), 1);
    EXPECT_TRUE(near(p, Point3(2.5, 1.5, 42))); // the first tried pair: vertices 0 and 2
    // An L shape, where the first chord's midpoint lies outside.
    const EntityId ell = d.lw({{0, 0}, {6, 0}, {6, 1}, {1, 1}, {1, 6}, {0, 6}}, {}, true);
    EXPECT_EQ(d.closed(interiorPoint(ell, p)), 1);
    EXPECT_EQ(d.closed(isInsideClosedCurve(p, ell)), 1);
    EXPECT_EQ(d.closed(interiorPoint(d.lw({{0, 0}, {1, 0}}), p)), 0);
    EXPECT_EQ(d.closed(interiorPoint(d.circle({0, 0, 0}, 1), p)), 0);

    // A small figure: the outside point still lands outside.
    const EntityId tiny = d.lw({{0, 0}, {0.1, 0}, {0.1, 0.1}, {0, 0.1}}, {}, true);
    Point3 out(0, 0, 0);
    EXPECT_EQ(d.closed(outsidePointOnRay(tiny, out)), 1);
    EXPECT_EQ(d.closed(isInsideClosedCurve(out, tiny)), 0);
    EXPECT_NEAR(out.x, 0.05, 1e-12);
    EXPECT_NEAR(out.y, 0.1 + 0.5, 1e-12);
    EXPECT_EQ(d.closed(outsidePointOnRay(quad, out)), 1);
    EXPECT_EQ(d.closed(isInsideClosedCurve(out, quad)), 0);

    const EntityId line = d.line({0, 0, 0}, {10, 0, 0});
    EXPECT_EQ(d.closed(isOnCurve(Point3(5, 0.00001, 0), line)), 1);
    EXPECT_EQ(d.closed(isOnCurve(Point3(5, 0.01, 0), line)), 0);
    EXPECT_EQ(d.closed(isOnCurve(Point3(11, 0, 0), line)), 0); // not extended
}

TEST(PlanConstructions, BulgesTangentCirclesCircumcentre)
{
    Drawing d;
    PointArray pts;
    DoubleArray b;
    struct Case {
        const char* name;
        EntityId arc;
        double bulge;
    };
    const Case cases[] = {
        {"half circle counter-clockwise", d.arc({0, 0, 0}, 1, 0, host::kPi), 1.0},
        {"half circle seen from below (clockwise in plan)", d.arc({0, 0, 0}, 1, 0, host::kPi, -host::Vector3d::zAxis()), -1.0},
        {"quarter", d.arc({0, 0, 5}, 2, 0, host::kPi / 2), std::tan(host::kPi / 8)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(d.closed(arcBulge(c.arc, pts, b)), 1) << c.name;
        ASSERT_EQ(pts.count(), 2);
        ASSERT_EQ(b.count(), 1);
        EXPECT_NEAR(b[0], c.bulge, 1e-12) << c.name;
        // The bulge draws the same arc between the same points.
        const host::BulgeSegment s = host::segmentFromBulge({pts[0].x, pts[0].y}, {pts[1].x, pts[1].y}, b[0]);
        EXPECT_EQ(s.kind, host::BulgeSegmentCase::Arc);
    }
    EXPECT_EQ(d.closed(arcBulge(d.line({0, 0, 0}, {1, 0, 0}), pts, b)), 0);
    double value = 5.0;
    EXPECT_EQ(arcBulgeValue(nullptr, value), 0);
    EXPECT_EQ(value, 0.0);
    const host::Arc open({0, 0, 0}, host::Vector3d::zAxis(), 1, 0, host::kPi);
    EXPECT_EQ(arcBulgeValue(&open, value), 1);
    EXPECT_NEAR(value, 1.0, 1e-12);

    // Tangents along the axes meeting at the origin, touching at (5,0) and (0,5).
    double r = 0, off = 0;
    Point3 centre;
    EXPECT_EQ(tangentCircleRadius(Point3(5, 0, 0), Point3(0, 5, 0), Point3(0, 0, 0), r), 1);
    EXPECT_NEAR(r, 5.0, 1e-12);
    EXPECT_EQ(tangentCircleOffset(Point3(5, 0, 0), Point3(0, 5, 0), Point3(0, 0, 0), off), 1);
    EXPECT_NEAR(off, 5.0 * std::sqrt(2.0) - 5.0, 1e-12);
    EXPECT_EQ(tangentCircleCenter(Point3(5, 0, 0), Point3(0, 5, 0), Point3(0, 0, 0), centre), 1);
    EXPECT_TRUE(near(centre, Point3(5, 5, 0)));
    EXPECT_EQ(tangentCircleCenter(Point3(5, 0, 0), Point3(-5, 0, 0), Point3(0, 0, 0), centre), 0); // straight on

    EXPECT_TRUE(near(circumcenter(Point3(0, 0, 3), Point3(2, 0, 3), Point3(0, 2, 3)), Point3(1, 1, 0)));
    EXPECT_TRUE(near(circumcenter(Point3(0, 0, 0), Point3(1, 1, 0), Point3(2, 2, 0)), Point3(0, 0, 0)));
    EXPECT_TRUE(near(circumcenter(Point3(3.5e6, 5e5, 0), Point3(3.5e6 + 2, 5e5, 0), Point3(3.5e6, 5e5 + 2, 0)),
                     Point3(3.5e6 + 1, 5e5 + 1, 0), 1e-6));
}

TEST(CurveMeasures, MeasuresAndExtents)
{
    Drawing d;
    const EntityId line = d.line({0, 0, 0}, {10, 0, 0});
    PointArray pts;
    EXPECT_EQ(d.closed(measureCurve(line, 3.0, pts)), 1);
    ASSERT_EQ(pts.count(), 3);
    EXPECT_TRUE(near(pts[0], Point3(3, 0, 0)) && near(pts[1], Point3(6, 0, 0)) && near(pts[2], Point3(9, 0, 0)));
    EXPECT_EQ(d.closed(measureCurve(line, 0.0, pts)), 0);
    EXPECT_EQ(d.closed(measureCurve(line, -1.0, pts)), 0);
    EXPECT_EQ(d.closed(measureCurve(line, NAN, pts)), 0);
    EXPECT_EQ(d.closed(measureCurve(line, 20.0, pts)), 0);
    EXPECT_EQ(d.closed(measureCurve(line, 1e-5, pts)), 0); // more points than allowed: refused
    // A closed curve's end point is its start: the length comes from the end parameter.
    const EntityId circle = d.circle({0, 0, 0}, 1.0);
    EXPECT_EQ(d.closed(measureCurve(circle, host::kPi / 2, pts)), 1);
    EXPECT_EQ(pts.count(), 3);

    Point3 s, e, m;
    EXPECT_EQ(d.closed(curveEnds(line, s, e)), 1);
    EXPECT_TRUE(near(e, Point3(10, 0, 0)));
    EXPECT_EQ(d.closed(curveMidpoint(d.lw({{0, 0}, {2, 0}, {2, 8}}), m)), 1);
    EXPECT_TRUE(near(m, Point3(2, 3, 0)));
    EXPECT_EQ(d.closed(closestPointOnCurve(line, Point3(12, 3, 0), m)), 1);
    EXPECT_TRUE(near(m, Point3(10, 0, 0)));
    double area = 9.0;
    EXPECT_EQ(d.closed(entityArea(circle, area)), 1);
    EXPECT_NEAR(area, host::kPi, 1e-12);
    EXPECT_EQ(d.closed(entityArea(EntityId(), area)), 0);
    EXPECT_EQ(area, 0.0);

    Point3 lo(1, 1, 1), hi(1, 1, 1);
    EXPECT_EQ(pointsExtents(PointArray(), lo, hi), 0);
    EXPECT_EQ(lo, Point3());
    pts.setCount(0);
    pts.append(Point3(3, -1, 5));
    pts.append(Point3(-2, 4, 1));
    EXPECT_EQ(pointsExtents(pts, lo, hi), 1);
    EXPECT_EQ(lo, Point3(-2, -1, 0));
    EXPECT_EQ(hi, Point3(3, 4, 0));
}

TEST(PlanServices, DegenerateInputFailsCleanly)
{
    Drawing d;
    const EntityId line = d.line({0, 0, 0}, {4, 4, 0});
    // A polyline whose bulge is not finite cannot form a curve: every service answers 0.
    const EntityId broken = d.lw({{0, 0}, {4, 0}, {4, 4}}, {0.0, NAN}, true);
    PointArray pts;
    Point3 p;
    double value = 0;
    EXPECT_EQ(d.closed(entityPointsTyped(line, broken, 0, pts)), 0);
    EXPECT_EQ(d.closed(isInsideClosedCurve(Point3(3, 1, 0), broken)), 0);
    EXPECT_EQ(d.closed(curveMidpoint(broken, p)), 0);
    EXPECT_EQ(d.closed(entityArea(broken, value)), 0);
    EXPECT_EQ(d.closed(measureCurve(broken, 1.0, pts)), 0);
    // A one-vertex polyline is a point: met where it lies, nowhere else.
    const EntityId dot = d.lw({{2, 2}});
    EXPECT_EQ(d.closed(entitiesCross(line, dot)), 1);
    EXPECT_EQ(d.closed(entitiesCross(d.line({0, 1, 0}, {1, 1, 0}), dot)), 0);
    // An entity someone holds open for write cannot be read: 0, and nothing else is left open.
    {
        host::ObjectPtr<host::Line> held;
        ASSERT_EQ(d.db.openObject(held, line, host::OpenMode::Write), host::ErrorStatus::eOk);
        EXPECT_EQ(entitiesCross(line, dot), 0);
        EXPECT_EQ(curveEnds(line, p, p), 0);
        EXPECT_EQ(d.db.openObjectCount(), 1);
    }
    EXPECT_EQ(d.closed(entitiesCross(line, d.add(std::make_unique<host::PointEntity>(host::Point3d(1, 1, 0))))), 0);
}

TEST(UserCoordinates, ExtentsExtremesAndTangentCirclesFollowTheUcs)
{
    Drawing d;
    // A user system turned a quarter: user x runs along world y, user y along world -x.
    ASSERT_EQ(host::application().coordinates().setUcs({10, 0, 0}, {0, 1, 0}, {-1, 0, 0}), host::ErrorStatus::eOk);
    const EntityId tri = d.lw({{0, 0}, {4, 0}, {0, 2}}, {}, true);
    Point3 lo, hi;
    EXPECT_EQ(d.closed(polylineBoundingBox(tri, lo, hi)), 1);
    // Corners of the user-aligned box, given back in world coordinates.
    EXPECT_TRUE(near(lo, Point3(4, 0, 0))) << lo.x << "," << lo.y;
    EXPECT_TRUE(near(hi, Point3(0, 2, 0))) << hi.x << "," << hi.y;
    PointArray pts;
    pts.append(Point3(0, 0, 0));
    pts.append(Point3(4, 2, 0));
    EXPECT_EQ(pointsExtents(pts, lo, hi), 1);
    EXPECT_TRUE(near(lo, Point3(4, 0, 0)));

    const EntityId square = d.lw({{0, 0}, {4, 0}, {4, 4}, {0, 4}}, {}, true);
    Point3 first, second;
    EXPECT_EQ(d.closed(extremeHitsAlongX(Point3(1, 1, 0), Point3(2, 1.5, 0), square, first, second)), 1);
    EXPECT_TRUE(near(first, Point3(0, 0.5, 0))); // smallest user x = smallest world y
    EXPECT_TRUE(near(second, Point3(4, 2.5, 0)));
    EXPECT_EQ(d.closed(extremeHitsAlongY(Point3(1, 1, 0), Point3(2, 1.5, 0), square, first, second)), 1);
    EXPECT_TRUE(near(first, Point3(4, 2.5, 0))); // smallest user y = largest world x

    Point3 centre;
    EXPECT_EQ(tangentCircleCenter(Point3(5, 0, 0), Point3(0, 5, 0), Point3(0, 0, 0), centre), 1);
    EXPECT_TRUE(near(centre, Point3(5, 5, 0), 1e-9)); // the same circle, whatever the user system
    host::application().coordinates().setWorldUcs();
}

} // namespace
} // namespace terrain
