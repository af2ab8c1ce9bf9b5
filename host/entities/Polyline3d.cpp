#include "host/entities/Polyline3d.h"

namespace host {

Polyline3d::Polyline3d(const Polyline3d& other)
    : Curve(other), vertices_(other.vertices_, other.database()), closed_(other.closed_)
{
}

ErrorStatus Polyline3d::appendVertex(std::unique_ptr<Vertex3d>& vertex, ObjectId& id)
{
    if (const ErrorStatus status = checkWrite(); status != ErrorStatus::eOk)
        return status;
    return vertices_.append(*this, vertex, id);
}

std::vector<Point3d> Polyline3d::vertexPositions() const
{
    std::vector<Point3d> positions;
    vertices_.forEach(database(), [&](const Vertex3d& v) { positions.push_back(v.position()); });
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
    return vertices_.update(database(), [&](Vertex3d& v) { v.setPosition(transform.transform(v.position())); });
}

void Polyline3d::onAddedToDatabase(Database& database)
{
    Curve::onAddedToDatabase(database);
    vertices_.adopt(database, id());
}

} // namespace host
