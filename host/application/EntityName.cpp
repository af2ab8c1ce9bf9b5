#include "host/application/EntityName.h"

namespace host {

ErrorStatus idFromName(const Database& database, const EntityName& name, ObjectId& id)
{
    if (name.isNull())
        return ErrorStatus::eNullObjectId;
    if (name.value[1] != database.serial() || !database.contains(ObjectId(name.value[0])))
        return ErrorStatus::eInvalidObjectId;
    id = ObjectId(name.value[0]);
    return ErrorStatus::eOk;
}

ErrorStatus nameFromId(const Database& database, ObjectId id, EntityName& name)
{
    if (id.isNull())
        return ErrorStatus::eNullObjectId;
    if (!database.contains(id))
        return ErrorStatus::eInvalidObjectId;
    name.value[0] = id.value;
    name.value[1] = database.serial();
    return ErrorStatus::eOk;
}

} // namespace host
