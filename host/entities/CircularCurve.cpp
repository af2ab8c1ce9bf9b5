#include "host/entities/CircularCurve.h"

#include "host/entities/EntityFrame.h"

namespace host {

CircularCurve::CircularCurve(const Point3d& centre, const Vector3d& normal, double radius)
    : centre_(centre), radius_(radius > 0.0 ? radius : 1.0), normal_(EntityFrame::fromNormal(normal).normal)
{
}

ErrorStatus CircularCurve::transformCircle(const Matrix3d& transform)
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
