#include "host/entities/Line.h"

namespace host {

ErrorStatus Line::getGeomExtents(Extents3d& extents) const
{
    extents = Extents3d();
    extents.addPoint(start_);
    extents.addPoint(end_);
    return ErrorStatus::eOk;
}

ErrorStatus Line::transformBy(const Matrix3d& transform)
{
    if (const ErrorStatus status = checkWrite(); status != ErrorStatus::eOk)
        return status;
    if (transform.isSingular())
        return ErrorStatus::eInvalidInput;
    start_ = transform.transform(start_);
    end_ = transform.transform(end_);
    normal_ = transform.transform(normal_).normal();
    return ErrorStatus::eOk;
}

} // namespace host
