#include "host/entities/Entity.h"

#include "host/database/Database.h"
#include "host/database/LayerTable.h"
#include "host/database/LinetypeTable.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace host {
namespace {

// The standard lineweights, in hundredths of a millimetre.
constexpr int kStandardLineweights[] = {0,  5,  9,  13, 15,  18,  20,  25,  30,  35,  40,  50,
                                        53, 60, 70, 80, 90, 100, 106, 120, 140, 158, 200, 211};

// In a database, an id must name a live object of kind T there; in memory anything goes until appended.
template <class T>
ErrorStatus checkReference(const Database* database, ObjectId id)
{
    if (database == nullptr)
        return ErrorStatus::eOk;
    if (id.isNull())
        return ErrorStatus::eNullObjectId;
    return database->isKindOf<T>(id) ? ErrorStatus::eOk : ErrorStatus::eWrongObjectType;
}

} // namespace

ErrorStatus Entity::setLayer(ObjectId layerId)
{
    const ErrorStatus status = checkReference<LayerTableRecord>(database(), layerId);
    return status == ErrorStatus::eOk ? setProperty(&Entity::layerId_, layerId) : status;
}

ErrorStatus Entity::setColorIndex(short index)
{
    if (index < kColorByBlock || index > kColorByLayer)
        return ErrorStatus::eInvalidInput;
    return setProperty(&Entity::color_, Color::fromIndex(index));
}

ErrorStatus Entity::setColor(const Color& color)
{
    if (!color.isTrueColor && (color.index < kColorByBlock || color.index > kColorByLayer))
        return ErrorStatus::eInvalidInput;
    return setProperty(&Entity::color_, color);
}

ErrorStatus Entity::setLinetype(ObjectId linetypeId)
{
    const ErrorStatus status = checkReference<LinetypeTableRecord>(database(), linetypeId);
    return status == ErrorStatus::eOk ? setProperty(&Entity::linetypeId_, linetypeId) : status;
}

ErrorStatus Entity::setLinetypeScale(double scale)
{
    if (!(scale > 0.0) || !std::isfinite(scale))
        return ErrorStatus::eInvalidInput;
    return setProperty(&Entity::linetypeScale_, scale);
}

ErrorStatus Entity::setLineweight(int weight)
{
    const bool standard = std::find(std::begin(kStandardLineweights), std::end(kStandardLineweights), weight) !=
                          std::end(kStandardLineweights);
    if (!standard && weight != kLineweightByLayer && weight != kLineweightByBlock && weight != kLineweightDefault)
        return ErrorStatus::eInvalidInput;
    return setProperty(&Entity::lineweight_, weight);
}

ErrorStatus Entity::setPropertiesFrom(const Entity& source)
{
    if (const ErrorStatus status = checkWrite(); status != ErrorStatus::eOk)
        return status;
    if (source.database() != database() && database() != nullptr && source.database() != nullptr)
        return ErrorStatus::eInvalidInput; // ids of another drawing mean nothing here
    auto copy = [&source](Entity& target) {
        target.layerId_ = source.layerId_;
        target.color_ = source.color_;
        target.linetypeId_ = source.linetypeId_;
        target.linetypeScale_ = source.linetypeScale_;
        target.lineweight_ = source.lineweight_;
        target.visible_ = source.visible_;
    };
    copy(*this);
    return forEachSubEntity(copy);
}

ErrorStatus Entity::getTransformedCopy(const Matrix3d& transform, std::unique_ptr<Entity>& copy) const
{
    std::unique_ptr<Entity> made = clone();
    if (const ErrorStatus status = made->transformBy(transform); status != ErrorStatus::eOk)
        return status;
    copy = std::move(made);
    return ErrorStatus::eOk;
}

void Entity::onAddedToDatabase(Database& database)
{
    if (layerId_.isNull() || !database.isKindOf<LayerTableRecord>(layerId_))
        layerId_ = database.currentLayerId();
    if (linetypeId_.isNull() || !database.isKindOf<LinetypeTableRecord>(linetypeId_))
        linetypeId_ = database.byLayerLinetypeId();
}

ErrorStatus Entity::checkUniform(const Matrix3d& transform)
{
    if (transform.isSingular())
        return ErrorStatus::eInvalidInput;
    const Vector3d axes[3] = {transform.transform(Vector3d::xAxis()), transform.transform(Vector3d::yAxis()),
                              transform.transform(Vector3d::zAxis())};
    const double scale = axes[0].length();
    for (const Vector3d& axis : axes)
        if (std::fabs(axis.length() - scale) > kUniformScaleTolerance * scale)
            return ErrorStatus::eCannotScaleNonUniformly;
    for (int i = 0; i < 3; ++i)
        if (std::fabs(dot(axes[i], axes[(i + 1) % 3])) > kUniformScaleTolerance * scale * scale)
            return ErrorStatus::eCannotScaleNonUniformly;
    return ErrorStatus::eOk;
}

} // namespace host
