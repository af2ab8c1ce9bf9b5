#pragma once
// Plan curve primitives: straight (segment, ray, infinite line), circular arc (full circle included)
// and elliptical arc. Each has a natural parameter u that starts at 0 at the start of the curve and
// grows along it: length for straight curves, the angle travelled for circular and elliptical arcs.

#include "host/geometry/Tolerance.h"
#include "host/geometry/Vectors.h"

#include <limits>
#include <variant>

namespace host {

inline constexpr double kInfinity = std::numeric_limits<double>::infinity();

// origin + u * direction for u in [uStart, uEnd]; direction is a unit vector, or zero for a
// zero-length segment (then the curve is the single point origin). Rays and lines have infinite ends.
struct Linear2d {
    Point2d origin;
    Vector2d direction;
    double uStart = 0.0;
    double uEnd = 0.0;

    static Linear2d segment(const Point2d& start, const Point2d& end);
    static Linear2d ray(const Point2d& base, const Vector2d& direction);
    static Linear2d line(const Point2d& through, const Vector2d& direction);

    bool isPoint() const { return direction.lengthSquared() == 0.0; }
    bool isBounded() const { return uStart > -kInfinity && uEnd < kInfinity; }
    Point2d pointAt(double u) const { return origin + direction * u; }
    // The same carrier, both ends infinite.
    Linear2d extended() const;
};

// A circular arc: centre + radius * (cos a, sin a) with a = startAngle + sense * u, u in [0, |sweep|],
// sense the sign of sweep (counter-clockwise positive). |sweep| == 2pi is the full circle.
struct Arc2d {
    Point2d centre;
    double radius = 0.0;
    double startAngle = 0.0;
    double sweep = kTwoPi;

    static Arc2d circle(const Point2d& centre, double radius) { return {centre, radius, 0.0, kTwoPi}; }
    // Counter-clockwise from startAngle to endAngle (endAngle <= startAngle wraps round).
    static Arc2d fromAngles(const Point2d& centre, double radius, double startAngle, double endAngle);

    bool isFullCircle() const;
    double sense() const { return sweep < 0.0 ? -1.0 : 1.0; }
    double uEnd() const;
    double angleAt(double u) const { return startAngle + sense() * u; }
    Point2d pointAt(double u) const { return centre + Vector2d::fromAngle(angleAt(u), radius); }
    // The full circle with the same start and sense.
    Arc2d extended() const { return {centre, radius, startAngle, sense() * kTwoPi}; }
};

// An elliptical arc: centre + major * cos t + minor * sin t, minor = ratio * major turned a quarter
// counter-clockwise; t = startParam + sense * u, u in [0, |sweep|]. A negative ratio mirrors the minor
// axis (an ellipse seen from below).
struct Ellipse2d {
    Point2d centre;
    Vector2d major{1.0, 0.0};
    double ratio = 1.0;
    double startParam = 0.0;
    double sweep = kTwoPi;

    Vector2d minor() const { return major.perpendicular() * ratio; }
    bool isFull() const;
    double sense() const { return sweep < 0.0 ? -1.0 : 1.0; }
    double uEnd() const;
    double paramAt(double u) const { return startParam + sense() * u; }
    Point2d pointAt(double u) const;
    Vector2d derivativeAt(double u) const;
    Ellipse2d extended() const { return {centre, major, ratio, startParam, sense() * kTwoPi}; }
    // Ellipse coordinates (unit circle) of a point, and back.
    Point2d toUnit(const Point2d& p) const;
    // False when major or minor has no length.
    bool isDegenerate() const;
};

using Curve2d = std::variant<Linear2d, Arc2d, Ellipse2d>;

// Queries on any primitive. u is the natural parameter described above.
double uEnd(const Curve2d& c);
Point2d pointAt(const Curve2d& c, double u);
Point2d startPoint(const Curve2d& c);
Point2d endPoint(const Curve2d& c);
// Unit tangent in the direction of travel at u (zero for a point).
Vector2d tangentAt(const Curve2d& c, double u);
// Length from the start to u (u clamped to the curve); infinite curves have infinite length.
double lengthTo(const Curve2d& c, double u);
double length(const Curve2d& c);
// The parameter at which the length from the start is `distance`; false outside [0, length].
bool paramAtLength(const Curve2d& c, double distance, double& u);
// Parameter of the point of the curve nearest p: within [0, uEnd] unless `extend`, in which case
// straight curves run on to infinity and arcs to their full circle / full ellipse.
double closestParam(const Curve2d& c, const Point2d& p, bool extend = false);
double distanceTo(const Curve2d& c, const Point2d& p, bool extend = false);
Curve2d extended(const Curve2d& c);
// A box around a bounded curve (exact for lines and arcs, tight for ellipses).
struct Extents2d {
    Point2d min{kInfinity, kInfinity};
    Point2d max{-kInfinity, -kInfinity};

    bool isEmpty() const { return min.x > max.x; }
    void add(const Point2d& p);
    void add(const Extents2d& e);
    bool overlaps(const Extents2d& e, double margin) const;
};
Extents2d extents(const Curve2d& c);
// Signed area between the curve and its chord, swept from the start point: positive when the curve
// runs counter-clockwise around that figure. 0 for straight curves.
double areaWithChord(const Curve2d& c);

// Size of the figure for relative tolerances: diameter or length, finite parts only.
double featureSize(const Curve2d& c);
// A point that anchors the curve's local frame (computations there keep full precision).
Point2d anchor(const Curve2d& c);
Curve2d translated(const Curve2d& c, const Vector2d& v);

} // namespace host
