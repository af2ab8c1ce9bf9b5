#pragma once
// Appending a new entity to the drawing's model space.

#include "host/database/Database.h"

#include <memory>

namespace host {

class Entity;

// Opens the block table and the model-space record for write, appends, closes both. eOk and the new id
// with `entity` emptied; otherwise the entity stays with the caller and the status says why (eNullObjectId
// when the append gave no id, the open status when model space is held open by someone else).
ErrorStatus appendToModelSpace(Database& database, std::unique_ptr<Entity>& entity, ObjectId& id);

// Convenience for callers holding a concrete kind.
template <class T>
ErrorStatus appendToModelSpace(Database& database, std::unique_ptr<T>& entity, ObjectId& id)
{
    std::unique_ptr<Entity> base(entity.release());
    const ErrorStatus status = appendToModelSpace(database, base, id);
    entity.reset(static_cast<T*>(base.release()));
    return status;
}

} // namespace host
