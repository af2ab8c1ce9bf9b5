#pragma once
// The base of drawing entities: the common properties (layer, colour, linetype and its scale, lineweight,
// visibility), geometric extents, transformation and copying.

#include "host/database/DbObject.h"
#include "host/entities/Color.h"
#include "host/entities/EntityDefaults.h"
#include "host/entities/Extents3d.h"
#include "host/geometry/Matrix3d.h"

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

namespace host {

class Entity : public DbObject {
public:
    ObjectId layerId() const { return layerId_; }
    // In a database only a live layer of that database is accepted.
    ErrorStatus setLayer(ObjectId layerId);
    const Color& color() const { return color_; }
    short colorIndex() const { return color_.index; }
    // 0 (ByBlock) to 256 (ByLayer); a full colour is replaced by the index.
    ErrorStatus setColorIndex(short index);
    ErrorStatus setColor(const Color& color);
    ObjectId linetypeId() const { return linetypeId_; }
    ErrorStatus setLinetype(ObjectId linetypeId);
    double linetypeScale() const { return linetypeScale_; }
    ErrorStatus setLinetypeScale(double scale);
    int lineweight() const { return lineweight_; }
    // One of the standard lineweights (hundredths of a millimetre) or ByLayer, ByBlock, Default.
    ErrorStatus setLineweight(int weight);
    bool isVisible() const { return visible_; }
    ErrorStatus setVisibility(bool visible) { return setProperty(&Entity::visible_, visible); }
    // Every property setter also sets the entity's sub-entities (a polyline's vertices).
    // Takes layer, colour, linetype, linetype scale, lineweight and visibility from another entity.
    ErrorStatus setPropertiesFrom(const Entity& source);

    // The world box around the geometry; eInvalidExtents when there is none.
    virtual ErrorStatus getGeomExtents(Extents3d& extents) const = 0;
    virtual ErrorStatus transformBy(const Matrix3d& transform) = 0;
    // A new in-memory entity with the same geometry and properties.
    virtual std::unique_ptr<Entity> clone() const = 0;
    ErrorStatus getTransformedCopy(const Matrix3d& transform, std::unique_ptr<Entity>& copy) const;

protected:
    Entity() = default;
    Entity(const Entity&) = default;
    // An entity that names no layer or linetype gets the current layer and ByLayer.
    void onAddedToDatabase(Database& database) override;
    // Runs a change on each sub-entity (each opened for write while it runs); none by default.
    virtual ErrorStatus forEachSubEntity(const std::function<void(Entity&)>&) { return ErrorStatus::eOk; }
    // A common property set here and on every sub-entity.
    template <class V>
    ErrorStatus setProperty(V Entity::*field, const V& value)
    {
        if (const ErrorStatus status = assign(this->*field, value); status != ErrorStatus::eOk)
            return status;
        return forEachSubEntity([&](Entity& sub) { sub.*field = value; });
    }
    // A unit normal from any non-zero vector.
    ErrorStatus assignNormal(Vector3d& field, const Vector3d& normal)
    {
        return normal.lengthSquared() == 0.0 ? ErrorStatus::eInvalidInput : assign(field, normal.normal());
    }
    // A positive finite length (radius, height).
    ErrorStatus assignPositive(double& field, double value)
    {
        return value > 0.0 && value < HUGE_VAL ? assign(field, value) : ErrorStatus::eInvalidInput;
    }
    // A segment width: finite and not negative (NaN fails every comparison, so it is refused too).
    static bool isValidWidth(double width) { return width >= 0.0 && width < HUGE_VAL; }
    // The status of a change that a transform cannot make without distorting the entity.
    static ErrorStatus checkUniform(const Matrix3d& transform);

private:
    ObjectId layerId_;
    Color color_;
    ObjectId linetypeId_;
    double linetypeScale_ = 1.0;
    int lineweight_ = kLineweightByLayer;
    bool visible_ = true;
};

} // namespace host
