#pragma once
// Where two things meet in plan (or in space): entities named by id or already open, and temporary lines
// through two points. Modes: 0 as drawn, 1 the first extended, 2 the second, 3 both (others mean 0).
// Plan services project both operands onto the world XY plane; their points lie on the first operand.
// Results: 1 on success, 0 on failure (an entity that cannot be opened as a curve, no meeting point).

#include "host/database/Database.h"
#include "host/entities/Curve.h"
#include "terrain/core/Arrays.h"
#include "terrain/core/Export.h"

namespace terrain {

TERRAIN_API int entitiesCross(EntityId a, EntityId b);
TERRAIN_API int entitiesMeetTyped(EntityId a, EntityId b, int mode);
TERRAIN_API int entitiesMeetPointTyped(EntityId a, EntityId b, int mode, Point3& point);
// Both must be lines; they are extended.
TERRAIN_API int lineEntitiesMeet(EntityId a, EntityId b, Point3& point);
TERRAIN_API int openEntitiesMeetExtended(const host::Curve& a, const host::Curve& b, Point3& point);
TERRAIN_API int entitiesMeetSpatial(EntityId a, EntityId b);
TERRAIN_API int entitiesMeetSpatialExtended(EntityId a, EntityId b);
// All points (the array emptied first); 1 when there is at least one.
TERRAIN_API int entityPointsTyped(EntityId a, EntityId b, int mode, PointArray& points);
TERRAIN_API int openEntityPointsTyped(const host::Curve& a, EntityId b, int mode,
                                      PointArray& points);
// 1 whenever the entity opened, also with no points.
TERRAIN_API int lineEntityPoints(const Point3& p1, const Point3& p2, EntityId b, int mode,
                                 PointArray& points);

// Lines through points. linesMeet meets the infinite lines in space; the others work in plan.
TERRAIN_API int linesMeet(const Point3& p1, const Point3& p2, const Point3& p3, const Point3& p4, Point3& point);
TERRAIN_API int lineCrossesSegment(const Point3& p1, const Point3& p2, const Point3& p3, const Point3& p4);
TERRAIN_API int lineCrossesSegmentPoint(const Point3& p1, const Point3& p2, const Point3& p3, const Point3& p4,
                                        Point3& point);
TERRAIN_API int segmentsCross(const Point3& p1, const Point3& p2, const Point3& p3, const Point3& p4);
TERRAIN_API int segmentsCrossPoint(const Point3& p1, const Point3& p2, const Point3& p3, const Point3& p4,
                                   Point3& point);
TERRAIN_API int lineTouchesEntity(const Point3& p1, const Point3& p2, EntityId b);
TERRAIN_API int lineMeetsExtendedEntity(const Point3& p1, const Point3& p2, EntityId b);
TERRAIN_API int lineMeetsEntityPoint(const Point3& p1, const Point3& p2, EntityId b, Point3& point);
TERRAIN_API int lineMeetsOpenEntityPoint(const Point3& p1, const Point3& p2, const host::Curve& b, Point3& point);
// The ray from p1 towards p2: 1 and the point only when it meets the entity exactly once.
TERRAIN_API int rayHitsOnce(const Point3& p1, const Point3& p2, EntityId b, Point3& point);
// The line p1 p2 (both extended): the meeting points with the smallest and largest x (y); 0 with fewer than two.
TERRAIN_API int extremeHitsAlongX(const Point3& p1, const Point3& p2, EntityId b, Point3& first,
                                  Point3& second);
TERRAIN_API int extremeHitsAlongY(const Point3& p1, const Point3& p2, EntityId b, Point3& first,
                                  Point3& second);
// The foot of the perpendicular from point onto the infinite line p1 p2 (in space); 0 when p1 = p2.
TERRAIN_API int closestPointOnLine(const Point3& p1, const Point3& p2, const Point3& point, Point3& foot);

} // namespace terrain
