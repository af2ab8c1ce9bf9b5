#include "host/entities/Circle.h"

#include "host/entities/EntityFrame.h"

namespace host {

ErrorStatus Circle::getGeomExtents(Extents3d& extents) const
{
    const EntityFrame frame = EntityFrame::fromNormal(normal());
    extents = Extents3d();
    addArcExtents(extents, center(), radius(), frame.xAxis, frame.yAxis, 0.0, kTwoPi);
    return ErrorStatus::eOk;
}

} // namespace host
