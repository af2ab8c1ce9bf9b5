#include "host/entities/Polyline2d.h"

#include "host/entities/EntityFrame.h"

namespace host {

std::vector<Vertex2d> Polyline2d::vertexValues() const
{
    std::vector<Vertex2d> values;
    forEachVertex([&](const Vertex2d& v) { values.push_back(v); });
    return values;
}

ErrorStatus Polyline2d::setDefaultWidths(double startWidth, double endWidth)
{
    if (!isValidWidth(startWidth) || !isValidWidth(endWidth))
        return ErrorStatus::eInvalidInput;
    if (const ErrorStatus status = checkWrite(); status != ErrorStatus::eOk)
        return status;
    defaultStartWidth_ = startWidth;
    defaultEndWidth_ = endWidth;
    return ErrorStatus::eOk;
}

Point3d Polyline2d::vertexToWorld(const Vertex2d& vertex) const
{
    return EntityFrame::fromNormal(normal_).toWorld(vertex.position(), elevation_);
}

ErrorStatus Polyline2d::getGeomExtents(Extents3d& extents) const
{
    std::vector<BulgeVertex> path;
    forEachVertex([&](const Vertex2d& v) { path.push_back({v.position(), v.bulge()}); });
    extents = Extents3d();
    if (path.empty())
        return ErrorStatus::eInvalidExtents;
    addBulgePathExtents(extents, path, closed_, EntityFrame::fromNormal(normal_), elevation_);
    return ErrorStatus::eOk;
}

ErrorStatus Polyline2d::transformBy(const Matrix3d& transform)
{
    if (const ErrorStatus status = checkWrite(); status != ErrorStatus::eOk)
        return status;
    std::vector<BulgeVertex> path;
    forEachVertex([&](const Vertex2d& v) { path.push_back({v.position(), v.bulge()}); });
    double elevation = elevation_;
    Vector3d normal = normal_;
    if (!transformPlanar(transform, path, elevation, normal))
        return ErrorStatus::eInvalidInput;
    const double scale = transform.scale();
    std::size_t next = 0;
    const ErrorStatus status = updateVertices([&](Vertex2d& v) {
        const BulgeVertex& image = path[next++];
        v.setPosition(image.point);
        v.setBulge(image.bulge);
        v.setWidths(v.startWidth() * scale, v.endWidth() * scale);
    });
    if (status != ErrorStatus::eOk)
        return status;
    elevation_ = elevation;
    normal_ = normal;
    defaultStartWidth_ *= scale;
    defaultEndWidth_ *= scale;
    return ErrorStatus::eOk;
}

} // namespace host
