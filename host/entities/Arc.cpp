#include "host/entities/Arc.h"

#include "host/entities/EntityFrame.h"

#include <cmath>

namespace host {

Arc::Arc(const Point3d& centre, const Vector3d& normal, double radius, double startAngle, double endAngle)
    : centre_(centre), radius_(radius > 0.0 ? radius : 1.0), normal_(EntityFrame::fromNormal(normal).normal),
      startAngle_(normalizeAngle(startAngle)), endAngle_(normalizeAngle(endAngle))
{
}

Point3d Arc::pointAtAngle(double angle) const
{
    const EntityFrame frame = EntityFrame::fromNormal(normal_);
    return centre_ + frame.xAxis * (radius_ * std::cos(angle)) + frame.yAxis * (radius_ * std::sin(angle));
}

ErrorStatus Arc::getGeomExtents(Extents3d& extents) const
{
    const EntityFrame frame = EntityFrame::fromNormal(normal_);
    extents = Extents3d();
    addArcExtents(extents, centre_, radius_, frame.xAxis, frame.yAxis, startAngle_, sweep());
    return ErrorStatus::eOk;
}

ErrorStatus Arc::transformBy(const Matrix3d& transform)
{
    if (const ErrorStatus status = checkWrite(); status != ErrorStatus::eOk)
        return status;
    if (const ErrorStatus status = checkUniform(transform); status != ErrorStatus::eOk)
        return status;
    Point3d start = transform.transform(pointAtAngle(startAngle_));
    Point3d end = transform.transform(pointAtAngle(endAngle_));
    // A mirroring transform reverses the direction of travel: the images of the ends swap roles.
    if (transform.determinant() < 0.0)
        std::swap(start, end);
    centre_ = transform.transform(centre_);
    radius_ *= transform.scale();
    normal_ = transform.transform(normal_).normal();
    const EntityFrame frame = EntityFrame::fromNormal(normal_);
    auto angleOf = [&](const Point3d& p) {
        const Vector3d v = p - centre_;
        return normalizeAngle(std::atan2(dot(v, frame.yAxis), dot(v, frame.xAxis)));
    };
    startAngle_ = angleOf(start);
    endAngle_ = angleOf(end);
    return ErrorStatus::eOk;
}

} // namespace host
