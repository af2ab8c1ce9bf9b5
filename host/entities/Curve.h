#pragma once
// The base of the curve entities (line, arc, circle, ellipse, the three polylines, and the in-memory ray
// and infinite line). Each kind describes its geometry once as a SpaceCurve; the curve queries and
// intersections are answered from that, in the entity's own parameter.

#include "host/entities/Entity.h"
#include "host/geometry/SpaceCurve.h"

#include <memory>
#include <optional>
#include <vector>

namespace host {

class Curve : public Entity {
public:
    // Parameters: lines, rays and infinite lines by length from the start (base) point, arcs and circles
    // by angle, ellipses by their ellipse parameter, polylines by vertex index plus fraction.
    ErrorStatus getStartParam(double& param) const;
    ErrorStatus getEndParam(double& param) const;
    ErrorStatus getStartPoint(Point3d& point) const;
    ErrorStatus getEndPoint(Point3d& point) const;
    // eInvalidInput outside [start, end] parameter (distance) of the curve.
    ErrorStatus getPointAtParam(double param, Point3d& point) const;
    ErrorStatus getParamAtPoint(const Point3d& point, double& param) const;
    ErrorStatus getDistAtParam(double param, double& dist) const;
    ErrorStatus getParamAtDist(double dist, double& param) const;
    ErrorStatus getDistAtPoint(const Point3d& point, double& dist) const;
    ErrorStatus getPointAtDist(double dist, Point3d& point) const;
    // The nearest point of the curve; with extend, of the curve run on beyond its ends (closed curves
    // are never extended).
    ErrorStatus getClosestPointTo(const Point3d& given, Point3d& closest, bool extend = false) const;
    // The area of a closed curve, or of the figure closed by the chord from end to start.
    ErrorStatus getArea(double& area) const;
    virtual bool isClosed() const;
    // Seen from the tip of the curve's normal (3D polylines: from +z).
    bool isClockwise() const;

    // Points where this curve meets `other`: mode 0 both as drawn, 1 this extended, 2 the other extended,
    // 3 both (other values count as 0). With a projection plane both are projected onto it and the points
    // lie on this curve. Points come ordered along this curve; coincident points are reported once.
    // `points` is emptied first.
    ErrorStatus intersectWith(const Curve& other, int mode, std::vector<Point3d>& points,
                              const Plane* projection = nullptr) const;

    // How many distinct points the ray from base along direction meets this curve in, seen in the world
    // XY plane (the count intersectWith would give, without making the points).
    ErrorStatus countPlanRayHits(const Point3d& base, const Vector3d& direction, int& count) const;

    // The geometry in the entity's own parameter. Kept while the curve is unchanged (until it is next
    // opened for write) for kinds that hold their whole geometry, so repeated queries reuse its index.
    ErrorStatus getSpaceCurve(std::shared_ptr<const SpaceCurve>& curve) const;

protected:
    Curve() = default;
    // A copy is a new object: it shares no cached geometry.
    Curve(const Curve& other) : Entity(other) {}

    // The geometry of this kind now; nothing when it cannot form a curve (no vertices, a bad bulge).
    virtual std::optional<SpaceCurve> buildSpaceCurve() const = 0;
    // Kinds whose geometry lives partly in other objects (vertex objects) must not keep a copy.
    virtual bool keepsSpaceCurve() const { return true; }
    void onOpenedForWrite() override { cached_.reset(); }

private:
    mutable std::shared_ptr<const SpaceCurve> cached_;
};

} // namespace host
