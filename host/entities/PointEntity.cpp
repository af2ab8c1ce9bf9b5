#include "host/entities/PointEntity.h"

namespace host {

ErrorStatus PointEntity::getGeomExtents(Extents3d& extents) const
{
    extents = Extents3d();
    extents.addPoint(position_);
    return ErrorStatus::eOk;
}

ErrorStatus PointEntity::transformBy(const Matrix3d& transform)
{
    return assign(position_, transform.transform(position_));
}

} // namespace host
