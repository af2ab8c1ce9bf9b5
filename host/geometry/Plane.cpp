#include "host/geometry/Plane.h"

#include <cmath>

namespace host {

namespace {
// Threshold of the arbitrary-axis rule of drawing files: 1/64.
constexpr double kArbitraryAxisLimit = 1.0 / 64.0;
// Below this |cos| a projection direction counts as lying in the plane.
constexpr double kParallelProjection = 1e-12;
} // namespace

Plane::Plane(const Point3d& origin, const Vector3d& normal) : origin_(origin), normal_(normal.normal())
{
    if (normal_.lengthSquared() == 0.0 || !std::isfinite(normal_.x + normal_.y + normal_.z))
        normal_ = Vector3d::zAxis();
    xAxis_ = arbitraryXAxis(normal_);
    yAxis_ = cross(normal_, xAxis_);
}

Vector3d Plane::arbitraryXAxis(const Vector3d& n)
{
    const Vector3d x = (std::fabs(n.x) < kArbitraryAxisLimit && std::fabs(n.y) < kArbitraryAxisLimit)
                           ? cross(Vector3d::yAxis(), n)
                           : cross(Vector3d::zAxis(), n);
    return x.normal();
}

bool Plane::isOn(const Point3d& p, const Tolerance& tol) const
{
    return isEqual(p, project(p), tol);
}

bool Plane::project(const Point3d& p, const Vector3d& direction, Point3d& result) const
{
    const Vector3d d = direction.normal();
    const double cosine = dot(d, normal_);
    if (std::fabs(cosine) <= kParallelProjection)
        return false;
    result = p - d * (signedDistanceTo(p) / cosine);
    return true;
}

Point2d Plane::toPlaneCoords(const Point3d& p) const
{
    const Vector3d v = p - origin_;
    return {dot(v, xAxis()), dot(v, yAxis())};
}

Point3d Plane::fromPlaneCoords(const Point2d& q) const
{
    return origin_ + xAxis() * q.x + yAxis() * q.y;
}

Matrix3d Plane::planeToWorld() const
{
    return Matrix3d::coordSysToWorld(origin_, xAxis(), yAxis(), normal_);
}

} // namespace host
