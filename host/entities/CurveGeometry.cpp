// Each curve kind's geometry as a SpaceCurve: the one place where entity fields meet the geometry library.
#include "host/entities/Arc.h"
#include "host/entities/Circle.h"
#include "host/entities/LightweightPolyline.h"
#include "host/entities/Line.h"
#include "host/entities/Polyline2d.h"
#include "host/entities/Polyline3d.h"
#include "host/entities/Ray.h"

namespace host {

std::optional<SpaceCurve> Line::buildSpaceCurve() const { return SpaceCurve::line(start_, end_); }

std::optional<SpaceCurve> Arc::buildSpaceCurve() const
{
    return SpaceCurve::arc(center(), normal(), radius(), startAngle_, endAngle_);
}

std::optional<SpaceCurve> Circle::buildSpaceCurve() const { return SpaceCurve::circle(center(), normal(), radius()); }

std::optional<SpaceCurve> LightweightPolyline::buildSpaceCurve() const
{
    std::vector<Point2d> points;
    std::vector<double> bulges;
    points.reserve(vertices_.size());
    bulges.reserve(vertices_.size());
    for (const LwVertex& v : vertices_) {
        points.push_back(v.point);
        bulges.push_back(v.bulge);
    }
    return SpaceCurve::planarPolyline(normal_, elevation_, points, bulges, closed_);
}

std::optional<SpaceCurve> Polyline2d::buildSpaceCurve() const
{
    std::vector<Point2d> points;
    std::vector<double> bulges;
    for (const Vertex2d& v : vertexValues()) {
        points.push_back(v.position());
        bulges.push_back(v.bulge());
    }
    return SpaceCurve::planarPolyline(normal_, elevation_, points, bulges, closed_);
}

std::optional<SpaceCurve> Polyline3d::buildSpaceCurve() const
{
    return SpaceCurve::polyline3d(vertexPositions(), closed_);
}

std::optional<SpaceCurve> Ray::buildSpaceCurve() const { return SpaceCurve::ray(base_, direction_); }

std::optional<SpaceCurve> Xline::buildSpaceCurve() const { return SpaceCurve::infiniteLine(base_, direction_); }

ErrorStatus UnboundedLine::transformBy(const Matrix3d& transform)
{
    if (const ErrorStatus status = checkWrite(); status != ErrorStatus::eOk)
        return status;
    const Vector3d d = transform.transform(direction_);
    if (d.lengthSquared() == 0.0)
        return ErrorStatus::eInvalidInput;
    base_ = transform.transform(base_);
    direction_ = d.normal();
    return ErrorStatus::eOk;
}

} // namespace host
