#include "host/database/BlockTable.h"

#include "host/database/Database.h"
#include "host/entities/Entity.h"

namespace host {

BlockTableRecord::BlockTableRecord() = default;
BlockTableRecord::~BlockTableRecord() = default;

bool BlockTableRecord::isLayout() const
{
    return sameSymbolName(name(), kModelSpaceName) || sameSymbolName(name(), kPaperSpaceName);
}

ErrorStatus BlockTableRecord::appendEntity(std::unique_ptr<Entity>& entity, ObjectId& id)
{
    if (entity == nullptr)
        return ErrorStatus::eNullEntityPointer;
    if (const ErrorStatus status = checkWrite(); status != ErrorStatus::eOk)
        return status;
    if (entity->database() != nullptr)
        return ErrorStatus::eAlreadyInDb;
    if (database() == nullptr) {
        pending_.push_back(std::move(entity));
        id = ObjectId();
        return ErrorStatus::eOk;
    }
    const ErrorStatus status = database()->addObject(entity, this->id(), id);
    if (status == ErrorStatus::eOk)
        entities_.push_back(id);
    return status;
}

std::vector<ObjectId> BlockTableRecord::entityIds(bool includeErased) const
{
    std::vector<ObjectId> ids;
    if (database() == nullptr)
        return ids; // entities appended in memory have no ids yet
    for (ObjectId id : entities_)
        if (includeErased || !database()->peek(id)->isErased())
            ids.push_back(id);
    return ids;
}

void BlockTableRecord::onAddedToDatabase(Database& database)
{
    for (std::unique_ptr<Entity>& entity : pending_) {
        ObjectId id;
        if (database.addObject(entity, this->id(), id) == ErrorStatus::eOk)
            entities_.push_back(id);
    }
    pending_.clear();
}

} // namespace host
