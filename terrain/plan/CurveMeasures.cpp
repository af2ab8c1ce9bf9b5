#include "terrain/plan/CurveMeasures.h"

#include "terrain/curves/PlanExtents.h"
#include "terrain/plan/CurveAccess.h"
#include "terrain/plan/PlanConstants.h"

#include <cmath>

#include "terrain/curves/Drawing.h"

namespace terrain {

using host::ErrorStatus;

int curveEnds(EntityId curve, Point3& start, Point3& end)
{
    host::Database& db = detail::drawing();
    bool ok = false;
    detail::withCurve(db, curve, [&](const host::Curve& c) {
        host::Point3d s, e;
        ok = c.getStartPoint(s) == ErrorStatus::eOk && c.getEndPoint(e) == ErrorStatus::eOk;
        if (ok) {
            start = fromHost(s);
            end = fromHost(e);
        }
    });
    return ok ? 1 : 0;
}

int curveMidpoint(EntityId curve, Point3& point)
{
    host::Database& db = detail::drawing();
    bool ok = false;
    detail::withCurve(db, curve, [&](const host::Curve& c) {
        double endParam = 0.0, length = 0.0;
        host::Point3d p;
        ok = c.getEndParam(endParam) == ErrorStatus::eOk && c.getDistAtParam(endParam, length) == ErrorStatus::eOk &&
             c.getPointAtDist(length / 2.0, p) == ErrorStatus::eOk;
        if (ok)
            point = fromHost(p);
    });
    return ok ? 1 : 0;
}

int closestPointOnCurve(EntityId curve, const Point3& given, Point3& point)
{
    host::Database& db = detail::drawing();
    bool ok = false;
    detail::withCurve(db, curve, [&](const host::Curve& c) {
        host::Point3d p;
        ok = c.getClosestPointTo(toHost(given), p) == ErrorStatus::eOk;
        if (ok)
            point = fromHost(p);
    });
    return ok ? 1 : 0;
}

int measureCurve(EntityId curve, double step, PointArray& points)
{
    host::Database& db = detail::drawing();
    points.setCount(0);
    if (!(step >= kMinimumMeasureStep))
        return 0;
    bool tried = false;
    detail::withCurve(db, curve, [&](const host::Curve& c) {
        double length = 0.0;
        host::Point3d end;
        if (c.getEndPoint(end) == ErrorStatus::eOk)
            c.getDistAtPoint(end, length);
        if (length < kMeasureLengthTolerance) {
            double endParam = 0.0;
            if (c.getEndParam(endParam) != ErrorStatus::eOk || c.getDistAtParam(endParam, length) != ErrorStatus::eOk)
                return;
        }
        if (!std::isfinite(length) || length / step > kMaximumMeasurePoints)
            return;
        for (int k = 1; length > step * k; ++k) {
            tried = true;
            host::Point3d p;
            if (c.getPointAtDist(step * k, p) == ErrorStatus::eOk)
                points.append(fromHost(p));
        }
    });
    return tried ? 1 : 0;
}

int entityArea(EntityId entity, double& area)
{
    host::Database& db = detail::drawing();
    area = 0.0;
    bool ok = false;
    detail::withCurve(db, entity, [&](const host::Curve& c) { ok = c.getArea(area) == ErrorStatus::eOk; });
    return ok ? 1 : 0;
}

int pointsExtents(const PointArray& points, Point3& lower, Point3& upper)
{
    lower = upper = Point3();
    return detail::userPlanExtents(points, lower, upper) ? 1 : 0;
}

} // namespace terrain
