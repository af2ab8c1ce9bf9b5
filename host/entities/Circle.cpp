#include "host/entities/Circle.h"

#include "host/entities/EntityFrame.h"

#include <cmath>

namespace host {

Circle::Circle(const Point3d& centre, const Vector3d& normal, double radius)
    : centre_(centre), radius_(radius > 0.0 ? radius : 1.0), normal_(EntityFrame::fromNormal(normal).normal)
{
}

ErrorStatus Circle::getGeomExtents(Extents3d& extents) const
{
    const EntityFrame frame = EntityFrame::fromNormal(normal_);
    extents = Extents3d();
    addArcExtents(extents, centre_, radius_, frame.xAxis, frame.yAxis, 0.0, kTwoPi);
    return ErrorStatus::eOk;
}

ErrorStatus Circle::transformBy(const Matrix3d& transform)
{
    if (const ErrorStatus status = checkWrite(); status != ErrorStatus::eOk)
        return status;
    if (const ErrorStatus status = checkUniform(transform); status != ErrorStatus::eOk)
        return status;
    centre_ = transform.transform(centre_);
    radius_ *= transform.scale();
    normal_ = transform.transform(normal_).normal();
    return ErrorStatus::eOk;
}

} // namespace host
