#include "host/geometry/Tolerance.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace host {

namespace {
Tolerance& globalToleranceStorage()
{
    static Tolerance tolerance;
    return tolerance;
}
bool isValidMember(double v) { return std::isfinite(v) && v >= 0.0; }
} // namespace

double Tolerance::pointTolerance(double magnitude) const
{
    return std::max(equalPoint, kCoordinateUlps * DBL_EPSILON * std::fabs(magnitude));
}

const Tolerance& globalTolerance() { return globalToleranceStorage(); }

Tolerance setGlobalTolerance(const Tolerance& tol)
{
    Tolerance previous = globalToleranceStorage();
    if (isValidMember(tol.equalPoint) && isValidMember(tol.equalVector))
        globalToleranceStorage() = tol;
    return previous;
}

double coordinateMagnitude(const Point3d& p)
{
    return std::max({std::fabs(p.x), std::fabs(p.y), std::fabs(p.z)});
}
double coordinateMagnitude(const Point2d& p) { return std::max(std::fabs(p.x), std::fabs(p.y)); }

bool isEqual(const Point3d& a, const Point3d& b, const Tolerance& tol)
{
    const double magnitude = std::max(coordinateMagnitude(a), coordinateMagnitude(b));
    return (b - a).length() <= tol.pointTolerance(magnitude);
}

bool isEqual(const Point2d& a, const Point2d& b, const Tolerance& tol)
{
    const double magnitude = std::max(coordinateMagnitude(a), coordinateMagnitude(b));
    return (b - a).length() <= tol.pointTolerance(magnitude);
}

bool isEqual(const Vector3d& a, const Vector3d& b, const Tolerance& tol)
{
    return (b - a).length() <= tol.equalVector;
}
bool isEqual(const Vector2d& a, const Vector2d& b, const Tolerance& tol)
{
    return (b - a).length() <= tol.equalVector;
}

bool isEqualLength(double a, double b, const Tolerance& tol)
{
    return std::fabs(a - b) <= tol.pointTolerance(std::max(std::fabs(a), std::fabs(b)));
}

bool isZeroLength(const Vector3d& v, const Tolerance& tol) { return v.length() <= tol.equalVector; }
bool isZeroLength(const Vector2d& v, const Tolerance& tol) { return v.length() <= tol.equalVector; }

bool isParallel(const Vector3d& a, const Vector3d& b, const Tolerance& tol)
{
    const Vector3d ua = a.normal(), ub = b.normal();
    if (ua.lengthSquared() == 0.0 || ub.lengthSquared() == 0.0)
        return false;
    return cross(ua, ub).length() <= tol.equalVector;
}
bool isParallel(const Vector2d& a, const Vector2d& b, const Tolerance& tol)
{
    return isParallel(Vector3d(a), Vector3d(b), tol);
}
bool isCodirectional(const Vector3d& a, const Vector3d& b, const Tolerance& tol)
{
    return isParallel(a, b, tol) && dot(a, b) > 0.0;
}
bool isPerpendicular(const Vector3d& a, const Vector3d& b, const Tolerance& tol)
{
    const Vector3d ua = a.normal(), ub = b.normal();
    if (ua.lengthSquared() == 0.0 || ub.lengthSquared() == 0.0)
        return false;
    return std::fabs(dot(ua, ub)) <= tol.equalVector;
}

} // namespace host
