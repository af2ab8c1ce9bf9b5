#pragma once
// Equality of points and vectors within a tolerance. One global tolerance serves every
// comparison the system describes as "within the host's global tolerance".

#include "host/geometry/Vectors.h"

namespace host {

// The default absolute distances below which two points, or two unit directions, are the same.
inline constexpr double kDefaultEqualPoint = 1e-10;  // far below any drawing unit, above rounding near the origin
inline constexpr double kDefaultEqualVector = 1e-12; // angle of ~1e-12 rad between unit directions
// Coordinates carry a rounding error proportional to their size: at x ~ 3.5e6 one unit in the last
// place is ~4.7e-10, already above kDefaultEqualPoint. Points are therefore also equal within this
// many units in the last place of their largest coordinate, so survey drawings compare like local ones.
inline constexpr double kCoordinateUlps = 64.0;

struct Tolerance {
    double equalPoint = kDefaultEqualPoint;
    double equalVector = kDefaultEqualVector;

    // The distance within which points near `magnitude` (largest absolute coordinate) are equal.
    double pointTolerance(double magnitude) const;
};

const Tolerance& globalTolerance();
// Replaces the global tolerance and gives back the previous one. Negative or non-finite
// members are refused (the previous tolerance stays and is returned).
Tolerance setGlobalTolerance(const Tolerance& tol);

double coordinateMagnitude(const Point3d& p);
double coordinateMagnitude(const Point2d& p);

bool isEqual(const Point3d& a, const Point3d& b, const Tolerance& tol = globalTolerance());
bool isEqual(const Point2d& a, const Point2d& b, const Tolerance& tol = globalTolerance());
bool isEqual(const Vector3d& a, const Vector3d& b, const Tolerance& tol = globalTolerance());
bool isEqual(const Vector2d& a, const Vector2d& b, const Tolerance& tol = globalTolerance());
// A length or scalar coordinate compared with the point tolerance at the size of the values.
bool isEqualLength(double a, double b, const Tolerance& tol = globalTolerance());
bool isZeroLength(const Vector3d& v, const Tolerance& tol = globalTolerance());
bool isZeroLength(const Vector2d& v, const Tolerance& tol = globalTolerance());
// Directions compared after normalising; zero vectors are parallel to nothing.
bool isParallel(const Vector3d& a, const Vector3d& b, const Tolerance& tol = globalTolerance());
bool isParallel(const Vector2d& a, const Vector2d& b, const Tolerance& tol = globalTolerance());
bool isCodirectional(const Vector3d& a, const Vector3d& b, const Tolerance& tol = globalTolerance());
bool isPerpendicular(const Vector3d& a, const Vector3d& b, const Tolerance& tol = globalTolerance());

} // namespace host
