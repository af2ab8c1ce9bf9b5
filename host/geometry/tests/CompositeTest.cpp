#include "GeometryCases.h"

#include "host/geometry/Composite2d.h"
#include "host/geometry/SegmentIndex.h"

#include <gtest/gtest.h>

#include <cmath>

namespace host {
namespace {

using testing::CurveGenerator;
using testing::kPlacements;

Composite2d make(const std::vector<Point2d>& v, const std::vector<double>& b, bool closed, Vector2d offset = {})
{
    std::vector<Point2d> moved;
    for (const Point2d& p : v)
        moved.push_back(p + offset);
    Composite2d c;
    EXPECT_EQ(Composite2d::fromVertices(moved, b, closed, c), CompositeBuild::Ok);
    return c;
}

// A random walk of n vertices with some arcs.
Composite2d randomWalk(CurveGenerator& gen, int n, bool closed, double arcShare)
{
    std::vector<Point2d> v{gen.point()};
    std::vector<double> b;
    for (int i = 1; i < n; ++i)
        v.push_back(v.back() + gen.direction() * gen.uniform(1, 10));
    for (int i = 0; i < n; ++i)
        b.push_back(gen.uniform(0, 1) < arcShare ? gen.uniform(-1.5, 1.5) : 0.0);
    Composite2d c;
    EXPECT_EQ(Composite2d::fromVertices(v, b, closed, c), CompositeBuild::Ok);
    return c;
}

TEST(Composite, MeasuresOfASquareWithHalfCircles)
{
    // Unit-2 square, counter-clockwise, with the top edge bulging outward as a half circle.
    for (const auto& place : kPlacements) {
        const Composite2d c = make({{0, 0}, {2, 0}, {2, 2}, {0, 2}}, {0, 0, 1, 0}, true, place.offset);
        EXPECT_EQ(c.segmentCount(), 4);
        EXPECT_NEAR(c.signedArea(), 4.0 + kPi / 2, 1e-6);
        EXPECT_FALSE(c.isClockwise());
        EXPECT_NEAR(c.length(), 6.0 + kPi, 1e-9);
        EXPECT_NEAR(c.lengthAtParam(2.5), 4.0 + kPi / 2, 1e-9);
        double param = 0.0;
        ASSERT_TRUE(c.paramAtLength(4.0 + kPi / 2, param));
        EXPECT_NEAR(param, 2.5, 1e-9);
        EXPECT_LE(distance(c.pointAtParam(2.5), Point2d(1, 3) + place.offset), 1e-8);
        const Extents2d box = c.extents();
        EXPECT_NEAR(box.max.y - place.offset.y, 3.0, 1e-8);
        EXPECT_NEAR(c.closestParam(Point2d(1, 10) + place.offset), 2.5, 1e-9);
        // Reversed order: clockwise, same area magnitude.
        const Composite2d r = make({{0, 2}, {2, 2}, {2, 0}, {0, 0}}, {-1, 0, 0, 0}, true, place.offset);
        EXPECT_TRUE(r.isClockwise());
        EXPECT_NEAR(r.signedArea(), -(4.0 + kPi / 2), 1e-6);
        EXPECT_FALSE(c.paramAtLength(100.0, param));
    }
}

TEST(Composite, DegenerateInput)
{
    Composite2d c;
    EXPECT_EQ(Composite2d::fromVertices({}, {}, false, c), CompositeBuild::NoVertices);
    EXPECT_EQ(Composite2d::fromVertices({{0, 0}, {1, 0}}, {NAN}, false, c), CompositeBuild::InvalidBulge);
    // One vertex: a point, usable but without length.
    ASSERT_EQ(Composite2d::fromVertices({{3, 4}}, {}, false, c), CompositeBuild::Ok);
    EXPECT_EQ(c.length(), 0.0);
    EXPECT_EQ(c.pointAtParam(0.5), Point2d(3, 4));
    // Repeated vertices keep their index: the parameter of vertex 2 is still 2.
    ASSERT_EQ(Composite2d::fromVertices({{0, 0}, {1, 0}, {1, 0}, {1, 1}}, {}, false, c), CompositeBuild::Ok);
    EXPECT_EQ(c.pointAtParam(2.5), Point2d(1, 0.5));
    const Composite2d line = make({{-1, 0.5}, {5, 0.5}}, {}, false);
    EXPECT_EQ(intersectComposites(c, false, line, false).size(), 1u);
}

std::vector<CurveHit> bruteForce(const Composite2d& a, const Composite2d& b)
{
    std::vector<CurveHit> all;
    for (int i = 0; i < a.segmentCount(); ++i)
        for (int j = 0; j < b.segmentCount(); ++j)
            for (const MeetPoint& p : intersect(a.segments()[i], b.segments()[j]))
                all.push_back({p.point, a.paramOfSegment(i, p.uA), b.paramOfSegment(j, p.uB)});
    return all;
}

TEST(Composite, IndexedIntersectionsMatchBruteForce)
{
    for (const auto& place : kPlacements) {
        CurveGenerator gen(77, place.offset);
        for (int round = 0; round < 40; ++round) {
            const Composite2d a = randomWalk(gen, 60, round % 3 == 0, 0.3);
            const Composite2d b = randomWalk(gen, 45, round % 4 == 0, 0.3);
            const std::vector<CurveHit> fast = intersectComposites(a, false, b, false);
            const std::vector<CurveHit> slow = bruteForce(a, b);
            // Every brute-force point is found, and nothing else.
            for (const CurveHit& s : slow) {
                const bool found = std::any_of(fast.begin(), fast.end(), [&](const CurveHit& f) {
                    return distance(f.point, s.point) < 1e-6;
                });
                EXPECT_TRUE(found) << place.name << " round " << round;
            }
            for (const CurveHit& f : fast) {
                EXPECT_LE(distance(a.pointAtParam(f.paramA), f.point), 1e-6) << place.name;
                EXPECT_LE(distance(b.pointAtParam(f.paramB), f.point), 1e-6) << place.name;
            }
            for (size_t k = 1; k < fast.size(); ++k)
                EXPECT_LE(fast[k - 1].paramA, fast[k].paramA);
        }
    }
}

TEST(Composite, VertexHitsAreReportedOnce)
{
    const Composite2d zigzag = make({{0, 0}, {1, 1}, {2, 0}, {3, 1}}, {}, false);
    const Composite2d through = make({{-1, 1}, {5, 1}}, {}, false); // passes through vertices 1 and 3
    const std::vector<CurveHit> hits = intersectComposites(through, false, zigzag, false);
    ASSERT_EQ(hits.size(), 2u);
    EXPECT_EQ(hits[0].point, Point2d(1, 1));
    EXPECT_NEAR(hits[0].paramB, 1.0, 1e-12);
    EXPECT_NEAR(hits[1].paramB, 3.0, 1e-12);
    // A closed square crossed at its start vertex: once, not at both ends of its parameter range.
    const Composite2d square = make({{0, 0}, {2, 0}, {2, 2}, {0, 2}}, {}, true);
    const Composite2d diagonal = make({{-1, -1}, {3, 3}}, {}, false);
    EXPECT_EQ(intersectComposites(square, false, diagonal, false).size(), 2u);
}

TEST(Composite, ExtensionOfOpenEnds)
{
    // An L whose legs end short of a crossing line; extending reaches it, as drawn does not.
    const Composite2d ell = make({{0, 5}, {0, 0}, {5, 0}}, {}, false);
    const Composite2d post = make({{8, -3}, {8, 3}}, {}, false);
    EXPECT_TRUE(intersectComposites(ell, false, post, false).empty());
    const std::vector<CurveHit> ext = intersectComposites(ell, true, post, false);
    ASSERT_EQ(ext.size(), 1u);
    EXPECT_NEAR(ext[0].point.x, 8.0, 1e-12);
    EXPECT_NEAR(ext[0].paramA, 2.0 + 3.0 / 5.0, 1e-12); // beyond the end: above endParam
    // The other operand extended instead.
    const Composite2d shortPost = make({{8, 1}, {8, 3}}, {}, false);
    EXPECT_EQ(intersectComposites(ell, true, shortPost, false).size(), 0u);
    EXPECT_EQ(intersectComposites(ell, true, shortPost, true).size(), 1u);
    // An arc end runs on round its circle: a half circle bulge ending at (2,0) meets x = 1 at y = +1 too.
    const Composite2d cap = make({{0, 0}, {2, 0}}, {1}, false); // lower half circle centre (1,0)
    const Composite2d vertical = make({{1, -5}, {1, 5}}, {}, false);
    EXPECT_EQ(intersectComposites(cap, false, vertical, false).size(), 1u);
    EXPECT_EQ(intersectComposites(cap, true, vertical, false).size(), 2u);
    // Closed curves are never extended.
    const Composite2d square = make({{0, 0}, {2, 0}, {2, 2}, {0, 2}}, {}, true);
    const Composite2d far = make({{10, -1}, {10, 1}}, {}, false);
    EXPECT_TRUE(intersectComposites(square, true, far, false).empty());
}

TEST(Composite, RayAndLineQueriesUseTheIndex)
{
    CurveGenerator gen(3, {0, 0});
    const Composite2d walk = randomWalk(gen, 2000, false, 0.2);
    for (int i = 0; i < 50; ++i) {
        const Composite2d ray = Composite2d::fromCurve(Linear2d::ray(gen.point(), gen.direction()));
        std::vector<CurveHit> slow = bruteForce(ray, walk);
        const std::vector<CurveHit> fast = intersectComposites(ray, false, walk, false);
        for (const CurveHit& s : slow) {
            const bool found = std::any_of(fast.begin(), fast.end(), [&](const CurveHit& f) { return distance(f.point, s.point) < 1e-6; });
            EXPECT_TRUE(found) << i;
        }
        // The index visits only a fraction of the segments for a ray.
        int visited = 0;
        walk.index().query(std::get<Linear2d>(ray.segments().front()), [&](int) { ++visited; });
        EXPECT_LE(static_cast<size_t>(visited), fast.size() + walk.segments().size() / 4) << i;
    }
}


// Probes along an index's axis are answered by its band search (a bucket grid in front of a tree). Every
// segment a probe meets must be visited, once, whether the grid is used, given up for long segments
// spanning the whole height, or the index has a single segment; probes on the outermost ys included.
TEST(Composite, AxisProbesVisitEveryMetSegmentOnce)
{
    CurveGenerator gen(7, {3.5e6, 5e5});
    std::vector<Point2d> teeth; // tall zigzag: every segment spans almost the whole height
    for (int i = 0; i < 400; ++i)
        teeth.push_back(Point2d(3.5e6 + i, 5e5 + (i % 2 == 0 ? 0.0 : 100.0)));
    struct Case {
        const char* name;
        Composite2d shape;
    };
    std::vector<Point2d> round; // dense circle: the grid answers, but its flat top and bottom crowd buckets
    for (int i = 0; i < 20000; ++i) {
        const double a = kTwoPi * i / 20000;
        round.push_back(Point2d(3.5e6 + 50 * std::cos(a), 5e5 + 50 * std::sin(a)));
    }
    const std::vector<Case> cases{{"random walk", randomWalk(gen, 3000, true, 0.2)},
                                  {"dense circle", make(round, {}, true)},
                                  {"tall zigzag", make(teeth, {}, false)},
                                  {"one segment", make({{3.5e6, 5e5}, {3.5e6 + 3, 5e5 + 2}}, {}, false)}};
    for (const Case& c : cases) {
        const SegmentIndex index(c.shape.segments(), Vector2d(1.0, 0.0));
        const Extents2d& b = index.bounds();
        std::vector<Point2d> from{b.min, b.max, Point2d(b.min.x - 1, b.max.y + 1)};
        for (int i = 0; i < 60; ++i)
            from.push_back(Point2d(gen.uniform(b.min.x - 1, b.max.x + 1), gen.uniform(b.min.y, b.max.y)));
        for (int i = 0; i < 20; ++i) // the crowded top and bottom of the circle
            from.push_back(Point2d(gen.uniform(b.min.x, b.max.x),
                                   i % 2 == 0 ? b.max.y - gen.uniform(0, 0.004) : b.min.y + gen.uniform(0, 0.004)));
        for (const Point2d& p : from) {
            for (const Linear2d& probe : {Linear2d::ray(p, {1.0, 0.0}), Linear2d::ray(p, {-1.0, 0.0}),
                                          Linear2d::segment(p, p + Vector2d(5.0, 0.0))}) {
                std::vector<int> visits(c.shape.segments().size(), 0);
                index.query(probe, [&](int k) { ++visits[static_cast<size_t>(k)]; });
                for (size_t k = 0; k < visits.size(); ++k) {
                    EXPECT_LE(visits[k], 1) << c.name << " segment " << k;
                    if (intersect(probe, c.shape.segments()[k]).count > 0) {
                        EXPECT_EQ(visits[k], 1) << c.name << " segment " << k << " from " << p.x << ", " << p.y;
                    }
                }
            }
        }
    }
}

} // namespace
} // namespace host
