#include "host/entities/EntityFrame.h"

#include "host/geometry/Bulge.h"
#include "host/geometry/Plane.h"

#include <cmath>

namespace host {

EntityFrame EntityFrame::fromNormal(const Vector3d& normal)
{
    const Plane plane(Point3d(), normal);
    return {plane.xAxis(), plane.yAxis(), plane.normal()};
}

Point3d EntityFrame::toWorld(const Point2d& p, double elevation) const
{
    return Point3d() + xAxis * p.x + yAxis * p.y + normal * elevation;
}

Point3d EntityFrame::fromWorld(const Point3d& p) const
{
    const Vector3d v = p.asVector();
    return {dot(v, xAxis), dot(v, yAxis), dot(v, normal)};
}

void addArcExtents(Extents3d& extents, const Point3d& centre, double radius, const Vector3d& xAxis,
                   const Vector3d& yAxis, double startAngle, double sweep)
{
    auto pointAt = [&](double angle) {
        return centre + xAxis * (radius * std::cos(angle)) + yAxis * (radius * std::sin(angle));
    };
    extents.addPoint(pointAt(startAngle));
    extents.addPoint(pointAt(startAngle + sweep));
    const double axisX[3] = {xAxis.x, xAxis.y, xAxis.z};
    const double axisY[3] = {yAxis.x, yAxis.y, yAxis.z};
    for (int axis = 0; axis < 3; ++axis) {
        if (axisX[axis] == 0.0 && axisY[axis] == 0.0)
            continue; // the arc's plane is square to this axis
        // The coordinate r (cos t X + sin t Y) is extreme where its derivative vanishes.
        const double extreme = std::atan2(axisY[axis], axisX[axis]);
        for (double candidate : {extreme, extreme + kPi})
            if (normalizeAngle(candidate - startAngle) <= sweep)
                extents.addPoint(pointAt(candidate));
    }
}

void addBulgePathExtents(Extents3d& extents, const std::vector<BulgeVertex>& vertices, bool closed,
                         const EntityFrame& frame, double elevation)
{
    const std::size_t n = vertices.size();
    for (std::size_t i = 0; i < n; ++i) {
        extents.addPoint(frame.toWorld(vertices[i].point, elevation));
        const bool hasNext = i + 1 < n || (closed && n > 1);
        if (!hasNext)
            continue;
        const BulgeSegment segment =
            segmentFromBulge(vertices[i].point, vertices[(i + 1) % n].point, vertices[i].bulge);
        if (segment.kind != BulgeSegmentCase::Arc)
            continue;
        const Arc2d& arc = std::get<Arc2d>(segment.curve);
        // Counter-clockwise from whichever end comes first in that sense.
        const double from = arc.sweep > 0.0 ? arc.startAngle : arc.startAngle + arc.sweep;
        addArcExtents(extents, frame.toWorld(arc.centre, elevation), arc.radius, frame.xAxis, frame.yAxis, from,
                      std::fabs(arc.sweep));
    }
}

bool transformPlanar(const Matrix3d& transform, std::vector<BulgeVertex>& vertices, double& elevation,
                     Vector3d& normal)
{
    if (transform.isSingular())
        return false;
    const EntityFrame from = EntityFrame::fromNormal(normal);
    const Vector3d newNormal = transform.transform(from.normal).normal();
    const EntityFrame to = EntityFrame::fromNormal(newNormal);
    const bool mirrored = transform.determinant() < 0.0;
    double newElevation = elevation;
    for (BulgeVertex& vertex : vertices) {
        const Point3d image = to.fromWorld(transform.transform(from.toWorld(vertex.point, elevation)));
        vertex.point = image.toPlan();
        newElevation = image.z;
        if (mirrored)
            vertex.bulge = -vertex.bulge;
    }
    if (vertices.empty())
        newElevation = to.fromWorld(transform.transform(from.toWorld(Point2d(), elevation))).z;
    elevation = newElevation;
    normal = to.normal;
    return true;
}

} // namespace host
