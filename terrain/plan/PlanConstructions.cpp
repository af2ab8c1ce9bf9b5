#include "terrain/plan/PlanConstructions.h"

#include "host/geometry/Bulge.h"
#include "terrain/curves/Drawing.h"
#include "terrain/plan/PlanIntersections.h"

#include <cmath>

#include "terrain/curves/Drawing.h"

namespace terrain {

namespace {

// The bulge of an arc entity: tangent of a quarter of its sweep, negative when it turns clockwise seen
// from +z (its normal points down). Taken from the arc itself, so arcs at any elevation give their bulge.
double bulgeOf(const host::Arc& arc)
{
    const double b = std::tan(arc.sweep() / 4.0);
    return arc.normal().z < 0.0 ? -b : b;
}

// The tangent circle's centre in user coordinates: where the normals to A P at A and to B P at B meet
// in the user plan. a, b and p are user coordinates.
bool tangentCentreUser(const Point3& a, const Point3& b, const Point3& p, Point3& centre)
{
    const host::Vector2d da = host::Vector2d(p.x - a.x, p.y - a.y).perpendicular();
    const host::Vector2d db = host::Vector2d(p.x - b.x, p.y - b.y).perpendicular();
    const Point3 a0(a.x, a.y, 0.0), b0(b.x, b.y, 0.0);
    return linesMeet(a0, Point3(a.x + da.x, a.y + da.y, 0.0), b0, Point3(b.x + db.x, b.y + db.y, 0.0), centre) == 1;
}

double planDistance(const Point3& u, const Point3& v) { return std::hypot(u.x - v.x, u.y - v.y); }

// The three points converted to user coordinates, and the centre there.
struct TangentFigure {
    Point3 a, b, p, centre;
};

bool tangentFigure(const Point3& a, const Point3& b, const Point3& p, TangentFigure& f)
{
    f.a = detail::worldToUser(a);
    f.b = detail::worldToUser(b);
    f.p = detail::worldToUser(p);
    return tangentCentreUser(f.a, f.b, f.p, f.centre);
}

} // namespace

int arcBulgeOfOpen(const host::Arc& arc, PointArray& points, DoubleArray& bulges)
{
    points.setCount(0);
    bulges.setCount(0);
    host::Point3d s, e;
    arc.getStartPoint(s);
    arc.getEndPoint(e);
    points.append(fromHost(s));
    points.append(fromHost(e));
    bulges.append(bulgeOf(arc));
    return 1;
}

int arcBulge(EntityId arc, PointArray& points, DoubleArray& bulges)
{
    host::Database& db = detail::drawing();
    host::ObjectPtr<host::Arc> open;
    if (db.openObject(open, arc, host::OpenMode::Read) != host::ErrorStatus::eOk) {
        points.setCount(0);
        bulges.setCount(0);
        return 0;
    }
    return arcBulgeOfOpen(*open, points, bulges);
}

int arcBulgeValue(const host::Arc* arc, double& bulge)
{
    bulge = 0.0;
    if (arc == nullptr)
        return 0;
    bulge = bulgeOf(*arc);
    return 1;
}

int tangentCircleRadius(const Point3& a, const Point3& b, const Point3& p, double& radius)
{
    TangentFigure f;
    if (!tangentFigure(a, b, p, f))
        return 0;
    radius = planDistance(f.a, f.centre);
    return 1;
}

int tangentCircleOffset(const Point3& a, const Point3& b, const Point3& p, double& offset)
{
    TangentFigure f;
    if (!tangentFigure(a, b, p, f))
        return 0;
    offset = planDistance(f.p, f.centre) - planDistance(f.p, f.a);
    return 1;
}

int tangentCircleCenter(const Point3& a, const Point3& b, const Point3& p, Point3& centre)
{
    TangentFigure f;
    if (!tangentFigure(a, b, p, f))
        return 0;
    centre = detail::userToWorld(f.centre);
    return 1;
}

Point3 circumcenter(const Point3& p1, const Point3& p2, const Point3& p3)
{
    // The perpendicular bisectors of p1 p2 and p2 p3 meet at the centre.
    const auto bisector = [](const Point3& u, const Point3& v, Point3& from, Point3& to) {
        from = Point3(0.5 * (u.x + v.x), 0.5 * (u.y + v.y), 0.0);
        const host::Vector2d d = host::Vector2d(u.x - from.x, u.y - from.y).perpendicular();
        to = Point3(from.x + d.x, from.y + d.y, 0.0);
    };
    Point3 a1, a2, b1, b2, centre;
    bisector(p1, p2, a1, a2);
    bisector(p2, p3, b1, b2);
    if (linesMeet(a1, a2, b1, b2, centre) == 0)
        return Point3();
    centre.z = 0.0;
    return centre;
}

} // namespace terrain
