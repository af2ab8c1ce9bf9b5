#pragma once
// Whether a point lies inside a closed boundary or on a curve, a point guaranteed inside a closed
// polyline, and a point just outside it.

#include "host/database/Database.h"
#include "terrain/core/Arrays.h"
#include "terrain/core/Export.h"

namespace terrain {

// Ray parity in plan: odd crossings along the first test direction, or else along the second.
TERRAIN_API int isInsideClosedCurve(Point3 point, EntityId curve);
// 1 when the nearest point of the curve (not extended) is closer than the on-curve tolerance.
TERRAIN_API int isOnCurve(const Point3& point, EntityId curve);
// A point inside a closed polyline of any kind (x and y written; z left as the caller set it).
TERRAIN_API int interiorPoint(EntityId polyline, Point3& point);
// A point outside the polyline on the ray from its interior point (x and y written).
TERRAIN_API int outsidePointOnRay(EntityId polyline, Point3& point);

} // namespace terrain
