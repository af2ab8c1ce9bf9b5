#pragma once
// Simple measurements of curves and point lists.

#include "host/database/Database.h"
#include "terrain/core/Arrays.h"
#include "terrain/core/Export.h"

namespace terrain {

TERRAIN_API int curveEnds(EntityId curve, Point3& start, Point3& end);
// The point at half the curve's length.
TERRAIN_API int curveMidpoint(EntityId curve, Point3& point);
TERRAIN_API int closestPointOnCurve(EntityId curve, const Point3& given, Point3& point);
// Points at step, 2 step, ... along the curve (the array emptied first); 0 for a step below the minimum,
// for more points than the module allows, or when no step fits the curve.
TERRAIN_API int measureCurve(EntityId curve, double step, PointArray& points);
// The area the host reports (area is set to 0 first).
TERRAIN_API int entityArea(EntityId entity, double& area);
// Plan corners of the points' extents; an empty list gives 0 and both corners (0, 0, 0).
TERRAIN_API int pointsExtents(const PointArray& points, Point3& lower, Point3& upper);

} // namespace terrain
