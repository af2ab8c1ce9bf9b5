#include "host/entities/Vertex.h"

namespace host {

ErrorStatus Vertex2d::setWidths(double startWidth, double endWidth)
{
    if (!isValidWidth(startWidth) || !isValidWidth(endWidth))
        return ErrorStatus::eInvalidInput;
    if (const ErrorStatus status = checkWrite(); status != ErrorStatus::eOk)
        return status;
    startWidth_ = startWidth;
    endWidth_ = endWidth;
    return ErrorStatus::eOk;
}

ErrorStatus Vertex3d::getGeomExtents(Extents3d& extents) const
{
    extents = Extents3d();
    extents.addPoint(position_);
    return ErrorStatus::eOk;
}

} // namespace host
