#include "host/entities/Arc.h"

#include "host/entities/EntityFrame.h"

#include <cmath>
#include <utility>

namespace host {

Arc::Arc(const Point3d& centre, const Vector3d& normal, double radius, double startAngle, double endAngle)
    : CircularCurve(centre, normal, radius), startAngle_(normalizeAngle(startAngle)), endAngle_(normalizeAngle(endAngle))
{
}

Point3d Arc::pointAtAngle(double angle) const
{
    const EntityFrame frame = EntityFrame::fromNormal(normal());
    return center() + frame.xAxis * (radius() * std::cos(angle)) + frame.yAxis * (radius() * std::sin(angle));
}

ErrorStatus Arc::getGeomExtents(Extents3d& extents) const
{
    const EntityFrame frame = EntityFrame::fromNormal(normal());
    extents = Extents3d();
    addArcExtents(extents, center(), radius(), frame.xAxis, frame.yAxis, startAngle_, sweep());
    return ErrorStatus::eOk;
}

ErrorStatus Arc::transformBy(const Matrix3d& transform)
{
    Point3d start = transform.transform(pointAtAngle(startAngle_));
    Point3d end = transform.transform(pointAtAngle(endAngle_));
    if (const ErrorStatus status = transformCircle(transform); status != ErrorStatus::eOk)
        return status;
    // A mirroring transform reverses the direction of travel: the images of the ends swap roles.
    if (transform.determinant() < 0.0)
        std::swap(start, end);
    const EntityFrame frame = EntityFrame::fromNormal(normal());
    auto angleOf = [&](const Point3d& p) {
        const Vector3d v = p - center();
        return normalizeAngle(std::atan2(dot(v, frame.yAxis), dot(v, frame.xAxis)));
    };
    startAngle_ = angleOf(start);
    endAngle_ = angleOf(end);
    return ErrorStatus::eOk;
}

} // namespace host
