#pragma once
// Constructions from arcs and points: bulge factors, the circle tangent to two lines at given points,
// and the circle through three points.

#include "host/database/Database.h"
#include "host/entities/Arc.h"
#include "terrain/core/Arrays.h"
#include "terrain/core/Export.h"

namespace terrain {

// The arrays receive the arc's start and end point and its bulge (positive counter-clockwise seen from +z).
TERRAIN_API int arcBulge(EntityId arc, PointArray& points, DoubleArray& bulges);
TERRAIN_API int arcBulgeOfOpen(const host::Arc& arc, PointArray& points, DoubleArray& bulges);
// The bulge alone; with no arc, 0 and result 0.
TERRAIN_API int arcBulgeValue(const host::Arc* arc, double& bulge);

// The circle tangent at A to the line A P and at B to the line B P (a curve between two tangents meeting at P).
TERRAIN_API int tangentCircleRadius(const Point3& a, const Point3& b, const Point3& p, double& radius);
// distance(P, centre) - distance(P, A).
TERRAIN_API int tangentCircleOffset(const Point3& a, const Point3& b, const Point3& p, double& offset);
TERRAIN_API int tangentCircleCenter(const Point3& a, const Point3& b, const Point3& p, Point3& centre);
// The centre of the circle through three points (plan, z 0); (0, 0, 0) when they are collinear.
TERRAIN_API Point3 circumcenter(const Point3& p1, const Point3& p2, const Point3& p3);

} // namespace terrain
