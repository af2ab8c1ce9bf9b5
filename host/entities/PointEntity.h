#pragma once
// A point entity: one world position.

#include "host/entities/Entity.h"

namespace host {

class PointEntity : public Entity {
public:
    PointEntity() = default;
    explicit PointEntity(const Point3d& position) : position_(position) {}
    const char* typeName() const override { return "POINT"; }

    const Point3d& position() const { return position_; }
    ErrorStatus setPosition(const Point3d& p) { return assign(position_, p); }

    ErrorStatus getGeomExtents(Extents3d& extents) const override;
    ErrorStatus transformBy(const Matrix3d& transform) override;
    std::unique_ptr<Entity> clone() const override { return std::make_unique<PointEntity>(*this); }

private:
    Point3d position_;
};

} // namespace host
