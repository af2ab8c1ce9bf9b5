#include "host/database/Database.h"
#include "host/database/ModelSpace.h"
#include "host/entities/Arc.h"
#include "host/entities/Circle.h"
#include "host/entities/Ellipse.h"
#include "host/entities/LightweightPolyline.h"
#include "host/entities/Line.h"
#include "host/entities/Polyline2d.h"
#include "host/entities/Polyline3d.h"
#include "host/entities/Ray.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace host {
namespace {

using S = ErrorStatus;

std::unique_ptr<LightweightPolyline> lw(const std::vector<Point2d>& points, const std::vector<double>& bulges,
                                        bool closed)
{
    auto p = std::make_unique<LightweightPolyline>();
    for (size_t i = 0; i < points.size(); ++i)
        p->addVertexAt(static_cast<int>(i), points[i], i < bulges.size() ? bulges[i] : 0.0);
    p->setClosed(closed);
    return p;
}

std::unique_ptr<Polyline2d> poly2d(const std::vector<Point2d>& points, const std::vector<double>& bulges)
{
    auto p = std::make_unique<Polyline2d>();
    for (size_t i = 0; i < points.size(); ++i) {
        auto v = std::make_unique<Vertex2d>(points[i], i < bulges.size() ? bulges[i] : 0.0);
        ObjectId id;
        p->appendVertex(v, id);
    }
    return p;
}

std::unique_ptr<Polyline3d> poly3d(const std::vector<Point3d>& points)
{
    auto p = std::make_unique<Polyline3d>();
    for (const Point3d& pt : points) {
        auto v = std::make_unique<Vertex3d>(pt);
        ObjectId id;
        p->appendVertex(v, id);
    }
    return p;
}

struct QueryCase {
    const char* name;
    std::function<std::unique_ptr<Curve>()> make;
    double startParam, endParam, length;
    Point3d start, end, atHalfLength;
    bool closed;
};

TEST(CurveQueries, EveryKindAnswersInItsOwnParameter)
{
    const std::vector<QueryCase> cases = {
        {"line", [] { return std::make_unique<Line>(Point3d(1, 1, 0), Point3d(4, 5, 0)); }, 0, 5, 5, {1, 1, 0}, {4, 5, 0}, {2.5, 3, 0}, false},
        {"arc", [] { return std::make_unique<Arc>(Point3d(0, 0, 0), Vector3d::zAxis(), 2.0, 0.0, kPi); }, 0, kPi, 2 * kPi,
         {2, 0, 0}, {-2, 0, 0}, {0, 2, 0}, false},
        {"circle", [] { return std::make_unique<Circle>(Point3d(1, 0, 0), Vector3d::zAxis(), 1.0); }, 0, kTwoPi, kTwoPi,
         {2, 0, 0}, {2, 0, 0}, {0, 0, 0}, true},
        {"half ellipse", [] { return std::make_unique<Ellipse>(Point3d(0, 0, 0), Vector3d::zAxis(), Vector3d(2, 0, 0), 1.0, 0.0, kPi); },
         0, kPi, 2 * kPi, {2, 0, 0}, {-2, 0, 0}, {0, 2, 0}, false},
        {"lightweight with a half circle", [] { return lw({{0, 0}, {2, 0}, {2, 2}}, {0, -1}, false); }, 0, 2, 2 + kPi,
         {0, 0, 0}, {2, 2, 0}, {2 - std::cos(1.0), 1 - std::sin(1.0), 0}, false}, // clockwise arc, left of its chord
        {"2D polyline", [] { return poly2d({{0, 0}, {3, 0}, {3, 4}}, {}); }, 0, 2, 7, {0, 0, 0}, {3, 4, 0}, {3, 0.5, 0}, false},
        {"3D polyline", [] { return poly3d({{0, 0, 0}, {0, 0, 2}, {2, 0, 2}}); }, 0, 2, 4, {0, 0, 0}, {2, 0, 2}, {0, 0, 2}, false},
        {"closed square", [] { return lw({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, {}, true); }, 0, 4, 4, {0, 0, 0}, {0, 0, 0}, {1, 1, 0}, true},
    };
    for (const QueryCase& c : cases) {
        const std::unique_ptr<Curve> curve = c.make();
        double v = 0.0;
        Point3d p;
        ASSERT_EQ(curve->getStartParam(v), S::eOk) << c.name;
        EXPECT_NEAR(v, c.startParam, 1e-12) << c.name;
        ASSERT_EQ(curve->getEndParam(v), S::eOk) << c.name;
        EXPECT_NEAR(v, c.endParam, 1e-12) << c.name;
        ASSERT_EQ(curve->getDistAtParam(c.endParam, v), S::eOk) << c.name;
        EXPECT_NEAR(v, c.length, 1e-9) << c.name;
        ASSERT_EQ(curve->getStartPoint(p), S::eOk);
        EXPECT_LE(distance(p, c.start), 1e-12) << c.name;
        ASSERT_EQ(curve->getEndPoint(p), S::eOk);
        EXPECT_LE(distance(p, c.end), 1e-12) << c.name;
        ASSERT_EQ(curve->getPointAtDist(c.length / 2, p), S::eOk) << c.name;
        EXPECT_LE(distance(p, c.atHalfLength), 1e-9) << c.name;
        EXPECT_EQ(curve->isClosed(), c.closed) << c.name;
        // Out of range asks are refused, not clamped silently.
        EXPECT_EQ(curve->getPointAtDist(c.length * 1.5, p), S::eInvalidInput) << c.name;
        EXPECT_EQ(curve->getPointAtParam(c.endParam + 1.0, p), S::eInvalidInput) << c.name;
    }
}

TEST(CurveQueries, AreaClockwiseAndClosestPoint)
{
    auto square = lw({{0, 0}, {0, 2}, {2, 2}, {2, 0}}, {}, true); // clockwise
    double area = 0.0;
    ASSERT_EQ(square->getArea(area), S::eOk);
    EXPECT_NEAR(area, 4.0, 1e-12);
    EXPECT_TRUE(square->isClockwise());
    Point3d closest;
    ASSERT_EQ(square->getClosestPointTo({5, 1, 0}, closest), S::eOk);
    EXPECT_LE(distance(closest, Point3d(2, 1, 0)), 1e-12);
    Line line({0, 0, 0}, {1, 0, 0});
    ASSERT_EQ(line.getClosestPointTo({5, 1, 0}, closest, true), S::eOk);
    EXPECT_LE(distance(closest, Point3d(5, 0, 0)), 1e-12);
    Ray ray({0, 0, 0}, {1, 0, 0});
    EXPECT_EQ(ray.getArea(area), S::eNotApplicable);
    // A polyline that cannot form a curve says so.
    auto empty = std::make_unique<LightweightPolyline>();
    EXPECT_EQ(empty->getEndParam(area), S::eInvalidInput);
    auto badBulge = lw({{0, 0}, {1, 0}}, {NAN}, false);
    EXPECT_EQ(badBulge->getArea(area), S::eInvalidInput);
}

TEST(CurveIntersections, ModesProjectionAndOrder)
{
    const Plane xy;
    std::vector<Point3d> pts;
    Line a({0, 0, 0}, {1, 0, 0});
    Line b({3, 1, 7}, {3, 2, 7});
    for (int mode : {0, 1, 2, -4, 17}) {
        ASSERT_EQ(a.intersectWith(b, mode, pts, &xy), S::eOk);
        EXPECT_TRUE(pts.empty()) << mode;
    }
    ASSERT_EQ(a.intersectWith(b, 3, pts, &xy), S::eOk);
    ASSERT_EQ(pts.size(), 1u);
    EXPECT_LE(distance(pts[0], Point3d(3, 0, 0)), 1e-12); // on the first operand
    ASSERT_EQ(a.intersectWith(b, 3, pts, nullptr), S::eOk);
    EXPECT_TRUE(pts.empty()); // in space the lines pass each other
    ASSERT_EQ(b.intersectWith(a, 3, pts, &xy), S::eOk);
    ASSERT_EQ(pts.size(), 1u);
    EXPECT_NEAR(pts[0].z, 7.0, 1e-12);

    Ellipse e({0, 0, 0}, Vector3d::zAxis(), {4, 0, 0}, 0.5);
    Circle c({0, 0, 0}, Vector3d::zAxis(), 3.0);
    ASSERT_EQ(e.intersectWith(c, 0, pts, &xy), S::eOk);
    EXPECT_EQ(pts.size(), 4u);
    // A 2D polyline through which a line passes at a vertex: once.
    auto zig = poly2d({{0, 0}, {1, 1}, {2, 0}}, {});
    Line through({-1, 1, 0}, {3, 1, 0});
    ASSERT_EQ(through.intersectWith(*zig, 0, pts, &xy), S::eOk);
    ASSERT_EQ(pts.size(), 1u);
    EXPECT_LE(distance(pts[0], Point3d(1, 1, 0)), 1e-12);
}

TEST(CurveIntersections, CachedGeometryFollowsChanges)
{
    Database db;
    std::unique_ptr<LightweightPolyline> pl = lw({{0, 0}, {10, 0}}, {}, false);
    ObjectId id;
    ASSERT_EQ(appendToModelSpace(db, pl, id), S::eOk);
    Line probe({5, -1, 0}, {5, 1, 0});
    std::vector<Point3d> pts;
    {
        ObjectPtr<LightweightPolyline> r;
        ASSERT_EQ(db.openObject(r, id, OpenMode::Read), S::eOk);
        ASSERT_EQ(r->intersectWith(probe, 0, pts), S::eOk);
        EXPECT_EQ(pts.size(), 1u);
    }
    {
        ObjectPtr<LightweightPolyline> w;
        ASSERT_EQ(db.openObject(w, id, OpenMode::Write), S::eOk);
        ASSERT_EQ(w->setPointAt(1, {4, 0}), S::eOk); // now short of the probe
    }
    {
        ObjectPtr<LightweightPolyline> r;
        ASSERT_EQ(db.openObject(r, id, OpenMode::Read), S::eOk);
        ASSERT_EQ(r->intersectWith(probe, 0, pts), S::eOk);
        EXPECT_TRUE(pts.empty()) << "geometry kept from before the change";
        ASSERT_EQ(r.upgradeOpen(), S::eOk);
        ASSERT_EQ(r->setPointAt(1, {6, 0}), S::eOk);
        ASSERT_EQ(r.downgradeOpen(), S::eOk);
        ASSERT_EQ(r->intersectWith(probe, 0, pts), S::eOk);
        EXPECT_EQ(pts.size(), 1u) << "geometry kept across an upgrade";
    }
    EXPECT_EQ(db.openObjectCount(), 0);
}

TEST(Ellipse, ValuesTransformAndExtents)
{
    Ellipse e;
    EXPECT_EQ(e.set({0, 0, 0}, Vector3d::zAxis(), {0, 0, 3}, 0.5), S::eInvalidInput); // axis along the normal
    EXPECT_EQ(e.set({0, 0, 0}, Vector3d::zAxis(), {2, 0, 0}, 1.5), S::eInvalidInput);
    ASSERT_EQ(e.set({1, 1, 0}, Vector3d::zAxis(), {2, 0, 0}, 0.5), S::eOk);
    Extents3d box;
    ASSERT_EQ(e.getGeomExtents(box), S::eOk);
    EXPECT_NEAR(box.min.x, -1.0, 1e-12);
    EXPECT_NEAR(box.max.y, 2.0, 1e-12);
    Point3d before, after;
    e.getPointAtParam(1.0, before);
    const Matrix3d mirror = Matrix3d::mirroring({0, 0, 0}, Vector3d::xAxis());
    ASSERT_EQ(e.transformBy(mirror), S::eOk);
    ASSERT_EQ(e.getPointAtParam(1.0, after), S::eOk);
    EXPECT_LE(distance(after, mirror.transform(before)), 1e-12); // parameters keep their points
    EXPECT_EQ(e.transformBy(Matrix3d::scaling(1.0) * Matrix3d()), S::eOk);
}

} // namespace
} // namespace host
