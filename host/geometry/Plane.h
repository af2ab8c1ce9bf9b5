#pragma once
// An infinite plane: an origin and a unit normal, with in-plane axes for 2D work in the plane.

#include "host/geometry/Matrix3d.h"
#include "host/geometry/Tolerance.h"
#include "host/geometry/Vectors.h"

namespace host {

class Plane {
public:
    // The world XY plane.
    Plane() = default;
    // A zero normal is replaced by +z, so a plane is always usable.
    Plane(const Point3d& origin, const Vector3d& normal);

    static Plane worldXY() { return {}; }

    const Point3d& origin() const { return origin_; }
    const Vector3d& normal() const { return normal_; }
    // In-plane axes by the arbitrary-axis rule of drawing files: x is world-y x normal when the normal is
    // near the world z axis (|nx|, |ny| < 1/64), else world-z x normal; y = normal x x. For the XY plane
    // they are the world axes.
    const Vector3d& xAxis() const { return xAxis_; }
    const Vector3d& yAxis() const { return yAxis_; }

    double signedDistanceTo(const Point3d& p) const { return dot(p - origin_, normal_); }
    bool isOn(const Point3d& p, const Tolerance& tol = globalTolerance()) const;
    // Orthogonal projection.
    Point3d project(const Point3d& p) const { return p - normal_ * signedDistanceTo(p); }
    // Projection along a direction; false when the direction is parallel to the plane.
    bool project(const Point3d& p, const Vector3d& direction, Point3d& result) const;

    // Coordinates in the plane's own system (origin, xAxis, yAxis) and back.
    Point2d toPlaneCoords(const Point3d& p) const;
    Point3d fromPlaneCoords(const Point2d& q) const;
    // Maps plane coordinates (x, y, height above the plane) to world.
    Matrix3d planeToWorld() const;

private:
    static Vector3d arbitraryXAxis(const Vector3d& normal);

    Point3d origin_{};
    Vector3d normal_{0.0, 0.0, 1.0};
    Vector3d xAxis_{1.0, 0.0, 0.0};
    Vector3d yAxis_{0.0, 1.0, 0.0};
};

} // namespace host
