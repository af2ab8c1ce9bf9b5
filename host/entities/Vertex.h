#pragma once
// The vertex objects of 2D and 3D polylines. They are entities owned by their polyline; a 2D vertex's
// position is in its polyline's plane coordinates, a 3D vertex's in world coordinates.

#include "host/entities/Entity.h"

namespace host {

class Vertex2d : public Entity {
public:
    Vertex2d() = default;
    explicit Vertex2d(const Point2d& position, double bulge = 0.0, double startWidth = 0.0, double endWidth = 0.0)
        : position_(position), bulge_(bulge), startWidth_(startWidth), endWidth_(endWidth)
    {
    }
    const char* typeName() const override { return "VERTEX"; }

    const Point2d& position() const { return position_; }
    ErrorStatus setPosition(const Point2d& p) { return assign(position_, p); }
    double bulge() const { return bulge_; }
    ErrorStatus setBulge(double bulge) { return assign(bulge_, bulge); }
    double startWidth() const { return startWidth_; }
    double endWidth() const { return endWidth_; }
    ErrorStatus setWidths(double startWidth, double endWidth);

    // A vertex alone has no plane: its polyline reports extents and transforms it.
    ErrorStatus getGeomExtents(Extents3d&) const override { return ErrorStatus::eNotApplicable; }
    ErrorStatus transformBy(const Matrix3d&) override { return ErrorStatus::eNotApplicable; }
    std::unique_ptr<Entity> clone() const override { return std::make_unique<Vertex2d>(*this); }

private:
    Point2d position_;
    double bulge_ = 0.0;
    double startWidth_ = 0.0;
    double endWidth_ = 0.0;
};

class Vertex3d : public Entity {
public:
    Vertex3d() = default;
    explicit Vertex3d(const Point3d& position) : position_(position) {}
    const char* typeName() const override { return "VERTEX"; }

    const Point3d& position() const { return position_; }
    ErrorStatus setPosition(const Point3d& p) { return assign(position_, p); }

    ErrorStatus getGeomExtents(Extents3d& extents) const override;
    ErrorStatus transformBy(const Matrix3d& transform) override { return assign(position_, transform.transform(position_)); }
    std::unique_ptr<Entity> clone() const override { return std::make_unique<Vertex3d>(*this); }

private:
    Point3d position_;
};

} // namespace host
