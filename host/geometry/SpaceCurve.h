#pragma once
// The geometry of a curve entity in space, with the entity's own parameter, curve queries and
// intersections in space or projected onto a plane. Planar curves (arcs, circles, ellipses, 2D and
// lightweight polylines) are kept as a plan form in their own plane; straight curves (lines, rays,
// infinite lines, 3D polylines) as a chain of 3D vertices.

#include "host/geometry/Composite2d.h"
#include "host/geometry/Plane.h"

#include <optional>
#include <vector>

namespace host {

struct Box3d {
    Point3d min{kInfinity, kInfinity, kInfinity};
    Point3d max{-kInfinity, -kInfinity, -kInfinity};

    bool isEmpty() const { return min.x > max.x; }
    void add(const Point3d& p);
};

// Intersection modes of intersectWith.
enum class ExtendMode { None = 0, ExtendThis = 1, ExtendOther = 2, ExtendBoth = 3 };

class SpaceCurve {
public:
    enum class Form { Planar, Straight };

    // Entity conventions: a line's parameter is the length from its start; a ray's and an infinite
    // line's the length from the base point; arcs and circles go by angle from the x axis of their plane
    // (arbitrary-axis rule), ellipses by their ellipse parameter, polylines by vertex index plus fraction.
    static SpaceCurve line(const Point3d& start, const Point3d& end);
    static SpaceCurve ray(const Point3d& base, const Vector3d& direction);
    static SpaceCurve infiniteLine(const Point3d& base, const Vector3d& direction);
    static SpaceCurve arc(const Point3d& centre, const Vector3d& normal, double radius, double startAngle,
                          double endAngle);
    static SpaceCurve circle(const Point3d& centre, const Vector3d& normal, double radius);
    // majorAxis is the vector from centre to the end of the major axis; ratio = minor / major length.
    static SpaceCurve ellipse(const Point3d& centre, const Vector3d& normal, const Vector3d& majorAxis, double ratio,
                              double startParam, double endParam);
    // Vertices in the plane's coordinates (object coordinates of a normal and elevation).
    static std::optional<SpaceCurve> planarPolyline(const Vector3d& normal, double elevation,
                                                    const std::vector<Point2d>& vertices,
                                                    const std::vector<double>& bulges, bool closed);
    static std::optional<SpaceCurve> polyline3d(const std::vector<Point3d>& vertices, bool closed);

    Form form() const { return form_; }
    const Plane& plane() const { return plane_; }
    const Composite2d& planForm() const { return plan_; }
    bool isClosed() const;
    bool isBounded() const { return unbounded_ == Unbounded::No; }

    double startParam() const;
    double endParam() const;
    Point3d startPoint() const;
    Point3d endPoint() const;
    // Parameters outside [startParam, endParam] are clamped (bounded curves).
    Point3d pointAtParam(double param) const;
    double distanceAtParam(double param) const;
    // False when the distance lies outside [0, length].
    bool paramAtDistance(double distance, double& param) const;
    double length() const;
    // The parameter of a point on the curve (its nearest point when off the curve).
    double paramAtPoint(const Point3d& p) const;
    Point3d closestPoint(const Point3d& p, bool extend = false) const;
    // Area of the closed curve, or of the figure closed by the chord from end to start; never negative.
    double area() const;
    // Seen from the tip of the plane's normal (straight curves: from +z).
    bool isClockwise() const;
    // Computed once and kept: the curve does not change after it is made.
    const Box3d& extents() const;

    // The curve's plan form projected onto plane p (coordinates in p's own axes), with the same
    // composite parameters as the curve's own plan form.
    Composite2d projectedOnto(const Plane& p) const;

private:
    enum class Unbounded { No, End, Both };

    double ownParam(double compositeParam) const { return paramOffset_ + paramScale_ * compositeParam; }
    double compositeParam(double own) const;
    Point3d lift(const Point2d& q) const { return plane_.fromPlaneCoords(q); }
    // The chain's point at a composite parameter; the first and last segments run on beyond the ends.
    Point3d chainPoint(double compositeParam) const;
    Box3d computeExtents() const;

    Form form_ = Form::Straight;
    Plane plane_;
    Composite2d plan_;              // planar: in plane coordinates
    std::vector<Point3d> vertices_; // straight: the chain (a ray or line: base and base + direction)
    bool closed_ = false;
    Unbounded unbounded_ = Unbounded::No;
    double paramOffset_ = 0.0;
    double paramScale_ = 1.0;
    mutable std::optional<Box3d> extents_;

    friend struct SpaceCurveAccess;
};

// Points where a and b meet, lying on a, ordered by a's parameter, coincident points once. With a
// projection plane both are projected onto it first (they meet "as seen along its normal").
// Extending makes a straight piece infinite, an arc its full circle, an ellipse the full ellipse,
// and an open polyline's first and last segments run on beyond its ends; closed curves are not extended.
std::vector<Point3d> intersectWith(const SpaceCurve& a, const SpaceCurve& b, ExtendMode mode,
                                   const Plane* projection = nullptr);

// How many distinct points the ray from base along direction meets the curve in, both seen in the world
// XY plane: the same count as intersectWith(ray, curve, None, XY) gives, without making the points
// (inside tests ask this by the hundred thousand).
int planRayHitCount(const SpaceCurve& curve, const Point3d& base, const Vector3d& direction);

} // namespace host
