#pragma once
// The plan box of a point list, shared by the services that report extents.

#include "terrain/core/Arrays.h"
#include "terrain/curves/Drawing.h"

#include <algorithm>

namespace terrain::detail {

// Corners (min x, min y, 0) and (max x, max y, 0); false for an empty list.
inline bool planExtents(const PointArray& points, Point3& lower, Point3& upper)
{
    if (points.count() == 0)
        return false;
    double xmin = points[0].x, xmax = xmin, ymin = points[0].y, ymax = ymin;
    for (int i = 1; i < points.count(); ++i) {
        xmin = std::min(xmin, points[i].x);
        xmax = std::max(xmax, points[i].x);
        ymin = std::min(ymin, points[i].y);
        ymax = std::max(ymax, points[i].y);
    }
    lower = Point3(xmin, ymin, 0.0);
    upper = Point3(xmax, ymax, 0.0);
    return true;
}

// The same box taken in the current user coordinate system, its corners given back in world coordinates.
inline bool userPlanExtents(const PointArray& worldPoints, Point3& lower, Point3& upper)
{
    PointArray user;
    for (int i = 0; i < worldPoints.count(); ++i)
        user.append(worldToUser(worldPoints[i]));
    if (!planExtents(user, lower, upper))
        return false;
    lower = userToWorld(lower);
    upper = userToWorld(upper);
    return true;
}

} // namespace terrain::detail
