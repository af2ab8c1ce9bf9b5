#include "terrain/plan/InsideTests.h"

#include "host/entities/Ray.h"
#include "terrain/curves/PolylineData.h"
#include "terrain/plan/CurveAccess.h"
#include "terrain/plan/PlanConstants.h"

#include "terrain/curves/Drawing.h"

namespace terrain {

namespace {

constexpr int kAsDrawn = 0;

// Crossings of the ray from `from` along `direction` with the curve, in plan.
std::vector<host::Point3d> rayCrossings(const host::Curve& curve, const Point3& from, const Vector2& direction)
{
    const host::Ray ray({from.x, from.y, 0.0}, {direction.x, direction.y, 0.0});
    return detail::meetPoints(ray, curve, kAsDrawn, true);
}

// Odd when the ray from the point meets the curve an odd number of times (in plan).
bool oddHits(const host::Curve& curve, const Point3& from, const Vector2& direction)
{
    int count = 0;
    return curve.countPlanRayHits({from.x, from.y, 0.0}, {direction.x, direction.y, 0.0}, count) ==
               host::ErrorStatus::eOk &&
           count % 2 == 1;
}

bool insideOpen(const host::Curve& curve, const Point3& point)
{
    return oddHits(curve, point, kInsideTestDirection1) || oddHits(curve, point, kInsideTestDirection2);
}

} // namespace

int isInsideClosedCurve(Point3 point, EntityId curve)
{
    host::Database& db = detail::drawing();
    point.z = 0.0;
    bool inside = false;
    detail::withCurve(db, curve, [&](const host::Curve& c) { inside = insideOpen(c, point); });
    return inside ? 1 : 0;
}

int isOnCurve(const Point3& point, EntityId curve)
{
    host::Database& db = detail::drawing();
    bool on = false;
    detail::withCurve(db, curve, [&](const host::Curve& c) {
        host::Point3d closest;
        on = c.getClosestPointTo(toHost(point), closest) == host::ErrorStatus::eOk &&
             host::distance(closest, toHost(point)) < kOnCurveTolerance;
    });
    return on ? 1 : 0;
}

int interiorPoint(EntityId polyline, Point3& point)
{
    host::Database& db = detail::drawing();
    PointArray v;
    polylineVertices(polyline, v);
    const int n = v.count();
    if (n < 3)
        return 0;
    if (n == 3) {
        const double mx = 0.5 * (v[0].x + v[1].x), my = 0.5 * (v[0].y + v[1].y);
        point.x = 0.5 * (mx + v[2].x);
        point.y = 0.5 * (my + v[2].y);
        return 1;
    }
    // Midpoints of chords between non-neighbouring vertices, the first vertex's chords first. The
    // polyline stays open for read throughout so each test reuses its geometry.
    bool found = false;
    detail::withCurve(db, polyline, [&](const host::Curve& c) {
        for (int i = 0; i < n && !found; ++i)
            for (int j = 0; j < n && !found; ++j) {
                if (std::abs(i - j) <= 1)
                    continue;
                const Point3 mid(0.5 * (v[i].x + v[j].x), 0.5 * (v[i].y + v[j].y), 0.0);
                if (insideOpen(c, mid)) {
                    point.x = mid.x;
                    point.y = mid.y;
                    found = true;
                }
            }
    });
    return found ? 1 : 0;
}

int outsidePointOnRay(EntityId polyline, Point3& point)
{
    host::Database& db = detail::drawing();
    Point3 centre = point;
    if (interiorPoint(polyline, centre) == 0)
        return 0;
    bool found = false;
    detail::withCurve(db, polyline, [&](const host::Curve& c) {
        for (const host::Point3d& p : rayCrossings(c, centre, kOutsideRayDirection)) {
            // Just beyond the crossing, along the ray: k past it, whatever the size of the figure.
            const host::Vector2d d = host::Vector2d(p.x - centre.x, p.y - centre.y);
            const double len = d.length();
            if (len == 0.0)
                continue;
            const Point3 q(p.x + d.x / len * kOutwardOffset, p.y + d.y / len * kOutwardOffset, point.z);
            if (!insideOpen(c, q)) {
                point.x = q.x;
                point.y = q.y;
                found = true;
                return;
            }
        }
    });
    return found ? 1 : 0;
}

} // namespace terrain
