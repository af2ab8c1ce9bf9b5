#include "terrain/plan/CurveAccess.h"

namespace terrain::detail {

std::vector<host::Point3d> meetPoints(const host::Curve& a, const host::Curve& b, int mode, bool inPlan)
{
    const host::Plane worldXY;
    std::vector<host::Point3d> points;
    a.intersectWith(b, mode, points, inPlan ? &worldXY : nullptr);
    return points;
}

void toArray(const std::vector<host::Point3d>& points, PointArray& out)
{
    out.setCount(0);
    for (const host::Point3d& p : points)
        out.append(fromHost(p));
}

} // namespace terrain::detail
