#include "host/entities/Polyline3d.h"

namespace host {

std::vector<Point3d> Polyline3d::vertexPositions() const
{
    std::vector<Point3d> positions;
    forEachVertex([&](const Vertex3d& v) { positions.push_back(v.position()); });
    return positions;
}

ErrorStatus Polyline3d::getGeomExtents(Extents3d& extents) const
{
    extents = Extents3d();
    for (const Point3d& p : vertexPositions())
        extents.addPoint(p);
    return extents.valid ? ErrorStatus::eOk : ErrorStatus::eInvalidExtents;
}

ErrorStatus Polyline3d::transformBy(const Matrix3d& transform)
{
    if (const ErrorStatus status = checkWrite(); status != ErrorStatus::eOk)
        return status;
    if (transform.isSingular())
        return ErrorStatus::eInvalidInput;
    return updateVertices([&](Vertex3d& v) { v.setPosition(transform.transform(v.position())); });
}

} // namespace host
