#pragma once
// The coordinate system of a planar entity: its normal and the in-plane axes of the arbitrary-axis rule.
// Planar entities keep plan coordinates in it, with an elevation along the normal.

#include "host/entities/Extents3d.h"
#include "host/geometry/Matrix3d.h"
#include "host/geometry/Vectors.h"

#include <vector>

namespace host {

struct EntityFrame {
    Vector3d xAxis;
    Vector3d yAxis;
    Vector3d normal;

    // A zero normal counts as +z.
    static EntityFrame fromNormal(const Vector3d& normal);

    Point3d toWorld(const Point2d& p, double elevation) const;
    Point3d toWorld(const Point3d& ecs) const { return toWorld(Point2d(ecs.x, ecs.y), ecs.z); }
    // Coordinates in this frame: x, y in the plane and z the elevation.
    Point3d fromWorld(const Point3d& p) const;
};

// A plan vertex with the bulge of the segment that starts at it.
struct BulgeVertex {
    Point2d point;
    double bulge = 0.0;
};

// Adds the circular arc (centre, radius, in-plane axes, start angle and counter-clockwise sweep) with its
// extreme points along each world axis.
void addArcExtents(Extents3d& extents, const Point3d& centre, double radius, const Vector3d& xAxis,
                   const Vector3d& yAxis, double startAngle, double sweep);
// Adds the vertices and every bulge arc of a planar polyline path.
void addBulgePathExtents(Extents3d& extents, const std::vector<BulgeVertex>& vertices, bool closed,
                         const EntityFrame& frame, double elevation);

// Transforms the plan vertices of a planar entity: vertices, elevation and normal are replaced by their
// images; a mirroring transform reverses the bulges' sense. Gives false for a singular transform.
bool transformPlanar(const Matrix3d& transform, std::vector<BulgeVertex>& vertices, double& elevation,
                     Vector3d& normal);

} // namespace host
