#pragma once
// A straight line segment between two world points.

#include "host/entities/Curve.h"

namespace host {

class Line : public Curve {
public:
    Line() = default;
    Line(const Point3d& start, const Point3d& end) : start_(start), end_(end) {}
    const char* typeName() const override { return "LINE"; }

    const Point3d& startPoint() const { return start_; }
    ErrorStatus setStartPoint(const Point3d& p) { return assign(start_, p); }
    const Point3d& endPoint() const { return end_; }
    ErrorStatus setEndPoint(const Point3d& p) { return assign(end_, p); }
    const Vector3d& normal() const { return normal_; }
    ErrorStatus setNormal(const Vector3d& n) { return assignNormal(normal_, n); }

    ErrorStatus getGeomExtents(Extents3d& extents) const override;
    ErrorStatus transformBy(const Matrix3d& transform) override;
    std::unique_ptr<Entity> clone() const override { return std::make_unique<Line>(*this); }

protected:
    std::optional<SpaceCurve> buildSpaceCurve() const override;

private:
    Point3d start_;
    Point3d end_;
    Vector3d normal_ = Vector3d::zAxis();
};

} // namespace host
