#include "terrain/plan/PlanIntersections.h"

#include "host/entities/Line.h"
#include "host/entities/Ray.h"
#include "host/geometry/Tolerance.h"
#include "terrain/plan/CurveAccess.h"

#include "terrain/curves/Drawing.h"

namespace terrain {

using detail::meetPoints;
using detail::withCurve;

namespace {

constexpr int kAsDrawn = 0;
constexpr int kExtendFirst = 1;
constexpr int kExtendSecond = 2;
constexpr int kExtendBoth = 3;

// A line through two points must have two distinct points to have a direction.
bool isLine(const Point3& p1, const Point3& p2) { return !host::isEqual(toHost(p1), toHost(p2)); }

// The points where two entities meet; false when either cannot be opened as a curve.
bool entityMeet(host::Database& db, EntityId a, EntityId b, int mode, bool inPlan, std::vector<host::Point3d>& out)
{
    bool opened = false;
    withCurve(db, a, [&](const host::Curve& ca) {
        withCurve(db, b, [&](const host::Curve& cb) {
            opened = true;
            out = meetPoints(ca, cb, mode, inPlan);
        });
    });
    return opened;
}

int firstPoint(const std::vector<host::Point3d>& points, Point3& point)
{
    if (points.empty())
        return 0;
    point = fromHost(points.front());
    return 1;
}

// A temporary line through two points against an entity (the line is the first operand).
bool lineMeet(host::Database& db, const Point3& p1, const Point3& p2, EntityId b, int mode,
              std::vector<host::Point3d>& out)
{
    if (!isLine(p1, p2))
        return false;
    const host::Line line(toHost(p1), toHost(p2));
    return withCurve(db, b, [&](const host::Curve& cb) { out = meetPoints(line, cb, mode, true); });
}

std::vector<host::Point3d> twoLines(const Point3& p1, const Point3& p2, const Point3& p3, const Point3& p4, int mode,
                                    bool inPlan)
{
    if (!isLine(p1, p2) || !isLine(p3, p4))
        return {};
    return meetPoints(host::Line(toHost(p1), toHost(p2)), host::Line(toHost(p3), toHost(p4)), mode, inPlan);
}

int extremeHits(host::Database& db, const Point3& p1, const Point3& p2, EntityId b, Point3& first, Point3& second,
                double Point3::*axis)
{
    std::vector<host::Point3d> points;
    if (!lineMeet(db, p1, p2, b, kExtendBoth, points) || points.size() < 2)
        return 0;
    // Compared in user coordinates; ties keep the earlier point.
    size_t lo = 0, hi = 0;
    const auto userAt = [&](size_t i) { return detail::worldToUser(fromHost(points[i])).*axis; };
    for (size_t i = 1; i < points.size(); ++i) {
        if (userAt(i) < userAt(lo))
            lo = i;
        if (userAt(i) > userAt(hi))
            hi = i;
    }
    first = fromHost(points[lo]);
    second = fromHost(points[hi]);
    return 1;
}

} // namespace

int entitiesCross(EntityId a, EntityId b) { return entitiesMeetTyped(a, b, kAsDrawn); }

int entitiesMeetTyped(EntityId a, EntityId b, int mode)
{
    host::Database& db = detail::drawing();
    std::vector<host::Point3d> points;
    return entityMeet(db, a, b, mode, true, points) && !points.empty() ? 1 : 0;
}

int entitiesMeetPointTyped(EntityId a, EntityId b, int mode, Point3& point)
{
    host::Database& db = detail::drawing();
    std::vector<host::Point3d> points;
    return entityMeet(db, a, b, mode, true, points) ? firstPoint(points, point) : 0;
}

int lineEntitiesMeet(EntityId a, EntityId b, Point3& point)
{
    host::Database& db = detail::drawing();
    if (!db.isKindOf<host::Line>(a) || !db.isKindOf<host::Line>(b))
        return 0;
    return entitiesMeetPointTyped(a, b, kExtendBoth, point);
}

int openEntitiesMeetExtended(const host::Curve& a, const host::Curve& b, Point3& point)
{
    return firstPoint(meetPoints(a, b, kExtendBoth, true), point);
}

int entitiesMeetSpatial(EntityId a, EntityId b)
{
    host::Database& db = detail::drawing();
    std::vector<host::Point3d> points;
    return entityMeet(db, a, b, kAsDrawn, false, points) && !points.empty() ? 1 : 0;
}

int entitiesMeetSpatialExtended(EntityId a, EntityId b)
{
    host::Database& db = detail::drawing();
    std::vector<host::Point3d> points;
    return entityMeet(db, a, b, kExtendBoth, false, points) && !points.empty() ? 1 : 0;
}

int entityPointsTyped(EntityId a, EntityId b, int mode, PointArray& points)
{
    host::Database& db = detail::drawing();
    points.setCount(0);
    std::vector<host::Point3d> found;
    if (!entityMeet(db, a, b, mode, true, found))
        return 0;
    detail::toArray(found, points);
    return points.count() > 0 ? 1 : 0;
}

int openEntityPointsTyped(const host::Curve& a, EntityId b, int mode, PointArray& points)
{
    host::Database& db = detail::drawing();
    points.setCount(0);
    std::vector<host::Point3d> found;
    if (!withCurve(db, b, [&](const host::Curve& cb) { found = meetPoints(a, cb, mode, true); }))
        return 0;
    detail::toArray(found, points);
    return points.count() > 0 ? 1 : 0;
}

int lineEntityPoints(const Point3& p1, const Point3& p2, EntityId b, int mode, PointArray& points)
{
    host::Database& db = detail::drawing();
    points.setCount(0);
    std::vector<host::Point3d> found;
    if (!lineMeet(db, p1, p2, b, mode, found))
        return 0;
    detail::toArray(found, points);
    return 1;
}

int linesMeet(const Point3& p1, const Point3& p2, const Point3& p3, const Point3& p4, Point3& point)
{
    return firstPoint(twoLines(p1, p2, p3, p4, kExtendBoth, false), point);
}

int lineCrossesSegment(const Point3& p1, const Point3& p2, const Point3& p3, const Point3& p4)
{
    return twoLines(p1, p2, p3, p4, kExtendFirst, true).empty() ? 0 : 1;
}

int lineCrossesSegmentPoint(const Point3& p1, const Point3& p2, const Point3& p3, const Point3& p4, Point3& point)
{
    return firstPoint(twoLines(p1, p2, p3, p4, kExtendFirst, true), point);
}

int segmentsCross(const Point3& p1, const Point3& p2, const Point3& p3, const Point3& p4)
{
    return twoLines(p1, p2, p3, p4, kAsDrawn, true).empty() ? 0 : 1;
}

int segmentsCrossPoint(const Point3& p1, const Point3& p2, const Point3& p3, const Point3& p4, Point3& point)
{
    return firstPoint(twoLines(p1, p2, p3, p4, kAsDrawn, true), point);
}

int lineTouchesEntity(const Point3& p1, const Point3& p2, EntityId b)
{
    host::Database& db = detail::drawing();
    std::vector<host::Point3d> points;
    return lineMeet(db, p1, p2, b, kAsDrawn, points) && !points.empty() ? 1 : 0;
}

int lineMeetsExtendedEntity(const Point3& p1, const Point3& p2, EntityId b)
{
    host::Database& db = detail::drawing();
    std::vector<host::Point3d> points;
    return lineMeet(db, p1, p2, b, kExtendSecond, points) && !points.empty() ? 1 : 0;
}

int lineMeetsEntityPoint(const Point3& p1, const Point3& p2, EntityId b, Point3& point)
{
    host::Database& db = detail::drawing();
    std::vector<host::Point3d> points;
    return lineMeet(db, p1, p2, b, kExtendFirst, points) ? firstPoint(points, point) : 0;
}

int lineMeetsOpenEntityPoint(const Point3& p1, const Point3& p2, const host::Curve& b, Point3& point)
{
    if (!isLine(p1, p2))
        return 0;
    return firstPoint(meetPoints(host::Line(toHost(p1), toHost(p2)), b, kExtendFirst, true), point);
}

int rayHitsOnce(const Point3& p1, const Point3& p2, EntityId b, Point3& point)
{
    host::Database& db = detail::drawing();
    if (!isLine(p1, p2))
        return 0;
    const host::Ray ray(toHost(p1), toHost(p2) - toHost(p1));
    std::vector<host::Point3d> points;
    if (!withCurve(db, b, [&](const host::Curve& cb) { points = meetPoints(ray, cb, kAsDrawn, true); }))
        return 0;
    return points.size() == 1 ? firstPoint(points, point) : 0;
}

int extremeHitsAlongX(const Point3& p1, const Point3& p2, EntityId b, Point3& first, Point3& second)
{
    host::Database& db = detail::drawing();
    return extremeHits(db, p1, p2, b, first, second, &Point3::x);
}

int extremeHitsAlongY(const Point3& p1, const Point3& p2, EntityId b, Point3& first, Point3& second)
{
    host::Database& db = detail::drawing();
    return extremeHits(db, p1, p2, b, first, second, &Point3::y);
}

int closestPointOnLine(const Point3& p1, const Point3& p2, const Point3& point, Point3& foot)
{
    if (!isLine(p1, p2))
        return 0;
    const host::Line line(toHost(p1), toHost(p2));
    host::Point3d closest;
    if (line.getClosestPointTo(toHost(point), closest, true) != host::ErrorStatus::eOk)
        return 0;
    foot = fromHost(closest);
    return 1;
}

} // namespace terrain
