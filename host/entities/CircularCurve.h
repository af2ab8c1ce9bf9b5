#pragma once
// What arcs and circles share: a centre, a radius and the normal of their plane.

#include "host/entities/Curve.h"

namespace host {

class CircularCurve : public Curve {
public:
    const Point3d& center() const { return centre_; }
    ErrorStatus setCenter(const Point3d& c) { return assign(centre_, c); }
    double radius() const { return radius_; }
    // A radius must be positive.
    ErrorStatus setRadius(double radius) { return assignPositive(radius_, radius); }
    const Vector3d& normal() const { return normal_; }
    ErrorStatus setNormal(const Vector3d& n) { return assignNormal(normal_, n); }

protected:
    CircularCurve() = default;
    // A radius that is not positive becomes 1; a zero normal +z.
    CircularCurve(const Point3d& centre, const Vector3d& normal, double radius);
    CircularCurve(const CircularCurve&) = default;
    // Moves centre, radius and normal by a uniform transform; statuses as transformBy.
    ErrorStatus transformCircle(const Matrix3d& transform);

private:
    Point3d centre_;
    double radius_ = 1.0;
    Vector3d normal_ = Vector3d::zAxis();
};

} // namespace host
