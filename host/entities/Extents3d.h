#pragma once
// An axis-aligned box in world coordinates, grown point by point; empty until the first point.

#include "host/geometry/Vectors.h"

#include <algorithm>

namespace host {

struct Extents3d {
    Point3d min;
    Point3d max;
    bool valid = false;

    void addPoint(const Point3d& p)
    {
        if (!valid) {
            min = max = p;
            valid = true;
            return;
        }
        min = {std::min(min.x, p.x), std::min(min.y, p.y), std::min(min.z, p.z)};
        max = {std::max(max.x, p.x), std::max(max.y, p.y), std::max(max.z, p.z)};
    }
    void addExtents(const Extents3d& other)
    {
        if (other.valid) {
            addPoint(other.min);
            addPoint(other.max);
        }
    }
};

} // namespace host
