#include "host/entities/LightweightPolyline.h"

#include "host/entities/EntityFrame.h"

namespace host {

ErrorStatus LightweightPolyline::addVertexAt(int index, const Point2d& point, double bulge, double startWidth,
                                             double endWidth)
{
    if (index < 0 || index > numVerts() || !isValidWidth(startWidth) || !isValidWidth(endWidth))
        return ErrorStatus::eInvalidInput;
    if (const ErrorStatus status = checkWrite(); status != ErrorStatus::eOk)
        return status;
    vertices_.insert(vertices_.begin() + index, LwVertex{point, bulge, startWidth, endWidth});
    return ErrorStatus::eOk;
}

ErrorStatus LightweightPolyline::removeVertexAt(int index)
{
    if (!validIndex(index))
        return ErrorStatus::eInvalidInput;
    if (const ErrorStatus status = checkWrite(); status != ErrorStatus::eOk)
        return status;
    vertices_.erase(vertices_.begin() + index);
    return ErrorStatus::eOk;
}

ErrorStatus LightweightPolyline::getPointAt(int index, Point2d& point) const
{
    if (!validIndex(index))
        return ErrorStatus::eInvalidInput;
    point = vertices_[static_cast<std::size_t>(index)].point;
    return ErrorStatus::eOk;
}

ErrorStatus LightweightPolyline::getPointAt(int index, Point3d& point) const
{
    Point2d plan;
    const ErrorStatus status = getPointAt(index, plan);
    if (status == ErrorStatus::eOk)
        point = EntityFrame::fromNormal(normal_).toWorld(plan, elevation_);
    return status;
}

ErrorStatus LightweightPolyline::setPointAt(int index, const Point2d& point)
{
    return changeVertex(index, [&](LwVertex& v) { v.point = point; });
}

ErrorStatus LightweightPolyline::getBulgeAt(int index, double& bulge) const
{
    if (!validIndex(index))
        return ErrorStatus::eInvalidInput;
    bulge = vertices_[static_cast<std::size_t>(index)].bulge;
    return ErrorStatus::eOk;
}

ErrorStatus LightweightPolyline::setBulgeAt(int index, double bulge)
{
    return changeVertex(index, [&](LwVertex& v) { v.bulge = bulge; });
}

ErrorStatus LightweightPolyline::getWidthsAt(int index, double& startWidth, double& endWidth) const
{
    if (!validIndex(index))
        return ErrorStatus::eInvalidInput;
    startWidth = vertices_[static_cast<std::size_t>(index)].startWidth;
    endWidth = vertices_[static_cast<std::size_t>(index)].endWidth;
    return ErrorStatus::eOk;
}

ErrorStatus LightweightPolyline::setWidthsAt(int index, double startWidth, double endWidth)
{
    if (!isValidWidth(startWidth) || !isValidWidth(endWidth))
        return ErrorStatus::eInvalidInput;
    return changeVertex(index, [&](LwVertex& v) {
        v.startWidth = startWidth;
        v.endWidth = endWidth;
    });
}

ErrorStatus LightweightPolyline::getConstantWidth(double& width) const
{
    const double first = vertices_.empty() ? 0.0 : vertices_.front().startWidth;
    for (const LwVertex& v : vertices_)
        if (v.startWidth != first || v.endWidth != first)
            return ErrorStatus::eNotApplicable;
    width = first;
    return ErrorStatus::eOk;
}

ErrorStatus LightweightPolyline::setConstantWidth(double width)
{
    if (!isValidWidth(width))
        return ErrorStatus::eInvalidInput;
    if (const ErrorStatus status = checkWrite(); status != ErrorStatus::eOk)
        return status;
    for (LwVertex& v : vertices_)
        v.startWidth = v.endWidth = width;
    return ErrorStatus::eOk;
}

ErrorStatus LightweightPolyline::getGeomExtents(Extents3d& extents) const
{
    extents = Extents3d();
    if (vertices_.empty())
        return ErrorStatus::eInvalidExtents;
    std::vector<BulgeVertex> path;
    for (const LwVertex& v : vertices_)
        path.push_back({v.point, v.bulge});
    addBulgePathExtents(extents, path, closed_, EntityFrame::fromNormal(normal_), elevation_);
    return ErrorStatus::eOk;
}

ErrorStatus LightweightPolyline::transformBy(const Matrix3d& transform)
{
    if (const ErrorStatus status = checkWrite(); status != ErrorStatus::eOk)
        return status;
    std::vector<BulgeVertex> path;
    for (const LwVertex& v : vertices_)
        path.push_back({v.point, v.bulge});
    if (!transformPlanar(transform, path, elevation_, normal_))
        return ErrorStatus::eInvalidInput;
    const double scale = transform.scale();
    for (std::size_t i = 0; i < path.size(); ++i) {
        vertices_[i].point = path[i].point;
        vertices_[i].bulge = path[i].bulge;
        vertices_[i].startWidth *= scale;
        vertices_[i].endWidth *= scale;
    }
    return ErrorStatus::eOk;
}

} // namespace host
