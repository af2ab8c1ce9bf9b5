#include "DrawingFixture.h"

#include "host/database/LayerTable.h"
#include "host/entities/PointEntity.h"
#include "terrain/curves/PolylineData.h"

#include <cmath>

namespace terrain {
namespace {

using testing::doubles;
using testing::Drawing;
using testing::values;

TEST(PolylineData, ReadersOfTheThreeKinds)
{
    Drawing d;
    const EntityId lw = d.lw({{0, 0}, {2, 0}, {2, 2}}, {0.5, -1.0}, false, 3.0);
    const EntityId p2 = d.poly2d({{0, 0}, {2, 0}, {2, 2}}, {0.5, -1.0});
    const EntityId p3 = d.poly3d({{0, 0, 1}, {2, 0, 2}, {2, 2, 3}});
    const EntityId circle = d.circle({0, 0, 0}, 1.0);

    PointArray v;
    DoubleArray b, s, e;
    EXPECT_EQ(d.closed(polylineVertices(lw, v)), 1);
    ASSERT_EQ(v.count(), 3);
    EXPECT_EQ(v[1], Point3(2, 0, 3)); // the host's 3D point: elevation included
    EXPECT_EQ(d.closed(polylineVertices(p3, v)), 1);
    EXPECT_EQ(v[2], Point3(2, 2, 3));
    EXPECT_EQ(d.closed(polylineVertices(p2, v)), 1);
    EXPECT_EQ(v.count(), 3);

    for (EntityId id : {lw, p2}) {
        EXPECT_EQ(d.closed(polylineVerticesAndBulges(id, v, b)), 1);
        EXPECT_EQ(values(b), (std::vector<double>{0.5, -1.0, 0.0}));
    }
    // Kinds without bulges or not polylines at all: 0 and empty lists.
    EXPECT_EQ(d.closed(polylineVerticesAndBulges(p3, v, b)), 0);
    EXPECT_EQ(d.closed(polylineVerticesAndBulges(circle, v, b)), 0);
    EXPECT_EQ(v.count(), 0);
    EXPECT_EQ(b.count(), 0);
    EXPECT_EQ(d.closed(polylineVertices(circle, v)), 0);
    EXPECT_EQ(d.closed(polylineVertices(EntityId(), v)), 0);

    // One vertex: result 0, but the vertex is in the list.
    const EntityId single = d.lw({{5, 6}});
    EXPECT_EQ(d.closed(polylineVertices(single, v)), 0);
    ASSERT_EQ(v.count(), 1);
    EXPECT_EQ(v[0], Point3(5, 6, 0));
    // Widths: the lightweight form answers 1 whenever it opened, the 2D form with two vertices or more.
    EXPECT_EQ(d.closed(polylineWidths(single, s, e)), 1);
    EXPECT_EQ(d.closed(polylineWidthLists(p2, s, e)), 1);
    EXPECT_EQ(s.count(), 3);
    EXPECT_EQ(d.closed(polylineWidths(p3, s, e)), 0);

    Point3 lo, hi;
    EXPECT_EQ(d.closed(polylineBoundingBox(p3, lo, hi)), 1);
    EXPECT_EQ(lo, Point3(0, 0, 0));
    EXPECT_EQ(hi, Point3(2, 2, 0));
    EXPECT_EQ(d.closed(polylineBoundingBox(single, lo, hi)), 0);
}

TEST(PolylineData, WidthsFromAList)
{
    struct Case {
        const char* name;
        int vertices;
        std::vector<double> widths;
        std::vector<double> starts, ends;
    };
    const Case cases[] = {
        {"two widths on four vertices", 4, {1, 2}, {1, 2, 2, 2}, {2, 0, 0, 0}},
        {"three widths on three vertices", 3, {1, 2, 3}, {1, 2, 3}, {2, 3, 0}},
        {"one width", 3, {4}, {4, 4, 4}, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        Drawing d;
        std::vector<host::Point2d> pts;
        for (int i = 0; i < c.vertices; ++i)
            pts.push_back({double(i), double(i % 2)});
        for (EntityId id : {d.lw(pts), d.poly2d(pts)}) {
            DoubleArray w;
            for (double x : c.widths)
                w.append(x);
            EXPECT_EQ(d.closed(setWidthsFromList(id, w)), 1) << c.name;
            DoubleArray s, e;
            EXPECT_EQ(d.closed(polylineWidths(id, s, e)), 1);
            EXPECT_EQ(values(s), c.starts) << c.name;
            EXPECT_EQ(values(e), c.ends) << c.name;
        }
    }
}

TEST(PolylineData, WritersKeepTheirRules)
{
    Drawing d;
    const EntityId lw = d.lw({{0, 0}, {1, 0}, {2, 0}});
    // Index outside the vertices: nothing changes, still 1.
    EXPECT_EQ(d.closed(setVertexBulge(lw, 5, 0.7)), 1);
    PointArray v;
    DoubleArray b, s, e;
    polylineVerticesAndBulges(lw, v, b);
    EXPECT_EQ(values(b), (std::vector<double>{0, 0, 0}));
    EXPECT_EQ(d.closed(setVertexBulge(lw, 1, 0.7)), 1);
    polylineVerticesAndBulges(lw, v, b);
    EXPECT_EQ(values(b), (std::vector<double>{0, 0.7, 0}));
    // A bulge that is not finite is refused.
    EXPECT_EQ(d.closed(setVertexBulge(lw, 1, NAN)), 0);

    // Lightweight: widths set only where both lists have an entry.
    EXPECT_EQ(d.closed(setPolylineWidths(lw, doubles({3, 3, 3}), DoubleArray())), 1);
    polylineWidths(lw, s, e);
    EXPECT_EQ(values(s), (std::vector<double>{0, 0, 0}));
    EXPECT_EQ(d.closed(setPolylineWidths(lw, doubles({3, 4}), doubles({5, 6, 7}))), 1);
    polylineWidths(lw, s, e);
    EXPECT_EQ(values(s), (std::vector<double>{3, 4, 0}));
    EXPECT_EQ(values(e), (std::vector<double>{5, 6, 0}));
    // 2D: each width set where its own list has an entry.
    const EntityId p2 = d.poly2d({{0, 0}, {1, 0}, {2, 0}});
    EXPECT_EQ(d.closed(setPolylineWidths(p2, doubles({3, 4}), doubles({5}))), 1);
    polylineWidths(p2, s, e);
    EXPECT_EQ(values(s), (std::vector<double>{3, 4, 0}));
    EXPECT_EQ(values(e), (std::vector<double>{5, 0, 0}));

    EXPECT_EQ(d.closed(setAllWidths(p2, 0.25)), 1);
    polylineWidths(p2, s, e);
    EXPECT_EQ(values(e), (std::vector<double>{0.25, 0.25, 0.25}));
    EXPECT_EQ(d.closed(setConstantWidth(lw, 0.5)), 1);
    polylineWidths(lw, s, e);
    EXPECT_EQ(values(s), (std::vector<double>{0.5, 0.5, 0.5}));

    const EntityId p3 = d.poly3d({{0, 0, 0}, {1, 0, 0}});
    EXPECT_EQ(d.closed(setVertexPosition(p3, 1, Point3(7, 8, 9))), 1);
    EXPECT_EQ(d.closed(setVertexPosition(lw, 2, Point3(7, 8, 9))), 1);
    EXPECT_EQ(d.closed(setVertexPosition(p2, 0, Point3(-1, -2, 0))), 1);
    const auto expectMovedVertices = [&] {
        polylineVertices(p3, v);
        EXPECT_EQ(v[1], Point3(7, 8, 9));
        polylineVertices(lw, v);
        EXPECT_EQ(v[2], Point3(7, 8, 0));
        polylineVertices(p2, v);
        EXPECT_EQ(v[0], Point3(-1, -2, 0));
    };
    expectMovedVertices();
    // Positions and widths that are not finite are refused and change nothing.
    EXPECT_EQ(d.closed(setVertexPosition(p3, 1, Point3(7, 8, NAN))), 0);
    EXPECT_EQ(d.closed(setVertexPosition(lw, 2, Point3(INFINITY, 8, 0))), 0);
    EXPECT_EQ(d.closed(setVertexPosition(p2, 0, Point3(-1, NAN, 0))), 0);
    expectMovedVertices();
    EXPECT_EQ(d.closed(setAllWidths(p2, NAN)), 0);
    EXPECT_EQ(d.closed(setConstantWidth(lw, INFINITY)), 0);
    polylineWidths(p2, s, e);
    EXPECT_EQ(values(e), (std::vector<double>{0.25, 0.25, 0.25}));
    polylineWidths(lw, s, e);
    EXPECT_EQ(values(s), (std::vector<double>{0.5, 0.5, 0.5}));

    // A polyline someone else holds open cannot be written: 0, and nothing changes.
    {
        host::ObjectPtr<host::LightweightPolyline> held;
        ASSERT_EQ(d.db.openObject(held, lw, host::OpenMode::Read), host::ErrorStatus::eOk);
        EXPECT_EQ(setAllWidths(lw, 9.0), 0);
    }
    EXPECT_EQ(d.closed(setAllWidths(d.circle({0, 0, 0}, 1), 1.0)), 0);
}

TEST(PolylineData, Constructors)
{
    Drawing d;
    PointArray pts;
    pts.append(Point3(0, 0, 5));
    pts.append(Point3(1, 0, 5));
    pts.append(Point3(1, 1, 5));
    const EntityId open = makePolyline(pts, doubles({0.5}));
    d.closed(1);
    ASSERT_FALSE(open.isNull());
    PointArray v;
    DoubleArray b;
    polylineVerticesAndBulges(open, v, b);
    EXPECT_EQ(values(b), (std::vector<double>{0.5, 0, 0})); // missing bulges count as 0
    EXPECT_EQ(v[0].z, 0.0);                                  // x and y used
    const EntityId closedId = makeClosedPolyline(pts, DoubleArray());
    {
        host::ObjectPtr<host::LightweightPolyline> pl;
        ASSERT_EQ(d.db.openObject(pl, closedId, host::OpenMode::Read), host::ErrorStatus::eOk);
        EXPECT_TRUE(pl->isClosed());
        EXPECT_EQ(pl->linetypeId(), d.db.byLayerLinetypeId());
    }

    Point2Array plan;
    plan.append(Point2(0, 0));
    plan.append(Point2(4, 0));
    EntityId id;
    EXPECT_EQ(d.closed(makeLayerPolyline(plan, DoubleArray(), 0.3, "0", true, id)), 1);
    DoubleArray s, e;
    polylineWidths(id, s, e);
    EXPECT_EQ(values(s), (std::vector<double>{0.3, 0.3}));
    // A width that is not finite draws as none, like a negative one, and every vertex is kept.
    for (const double unusable : {-2.0, std::nan(""), HUGE_VAL}) {
        EXPECT_EQ(d.closed(makeLayerPolyline(plan, DoubleArray(), unusable, "0", false, id)), 1) << unusable;
        EXPECT_EQ(polylineWidths(id, s, e), 1) << unusable;
        EXPECT_EQ(values(s), (std::vector<double>{0.0, 0.0})) << unusable;
        EXPECT_EQ(values(e), (std::vector<double>{0.0, 0.0})) << unusable;
    }
    EXPECT_EQ(d.closed(makeStyledPolylineClosed(plan, DoubleArray(), 1, 0.0, "Continuous", "0", false, id)), 1);
    {
        host::ObjectPtr<host::LightweightPolyline> pl;
        ASSERT_EQ(d.db.openObject(pl, id, host::OpenMode::Read), host::ErrorStatus::eOk);
        EXPECT_EQ(pl->colorIndex(), 1);
        EXPECT_EQ(pl->linetypeId(), d.db.continuousLinetypeId());
        EXPECT_EQ(pl->layerId(), d.db.layerZeroId());
    }
    EXPECT_EQ(d.closed(makeUniformPolyline(plan, 1.0, 0.0, "no such layer", false, id)), 1);
    polylineVerticesAndBulges(id, v, b);
    EXPECT_EQ(values(b), (std::vector<double>{1.0, 1.0}));

    const EntityId marker = makePointMarker(Point3(1, 2, 3));
    d.closed(1);
    host::ObjectPtr<host::PointEntity> point;
    ASSERT_EQ(d.db.openObject(point, marker, host::OpenMode::Read), host::ErrorStatus::eOk);
    EXPECT_EQ(point->colorIndex(), 3);
}

} // namespace
} // namespace terrain
