#include "host/database/ModelSpace.h"

#include "host/database/BlockTable.h"
#include "host/entities/Entity.h"

namespace host {

ErrorStatus appendToModelSpace(Database& database, std::unique_ptr<Entity>& entity, ObjectId& id)
{
    id = ObjectId();
    if (entity == nullptr)
        return ErrorStatus::eNullEntityPointer;
    ObjectPtr<BlockTable> table;
    if (const ErrorStatus status = database.openObject(table, database.blockTableId(), OpenMode::Write);
        status != ErrorStatus::eOk)
        return status;
    ObjectId modelSpaceId;
    if (const ErrorStatus status = table->getAt(kModelSpaceName, modelSpaceId); status != ErrorStatus::eOk)
        return status;
    ObjectPtr<BlockTableRecord> modelSpace;
    if (const ErrorStatus status = database.openObject(modelSpace, modelSpaceId, OpenMode::Write);
        status != ErrorStatus::eOk)
        return status;
    if (const ErrorStatus status = modelSpace->appendEntity(entity, id); status != ErrorStatus::eOk)
        return status;
    return id.isNull() ? ErrorStatus::eNullObjectId : ErrorStatus::eOk;
}

} // namespace host
