#pragma once
// Entity names: the session's handle on a drawing object as interactive calls and result lists pass it.
// A name carries the id and the serial number of its drawing, so a name of another drawing is refused.

#include "host/database/Database.h"

#include <cstdint>

namespace host {

struct EntityName {
    std::uint64_t value[2] = {0, 0}; // id, drawing serial

    bool isNull() const { return value[0] == 0; }
    bool operator==(const EntityName& o) const { return value[0] == o.value[0] && value[1] == o.value[1]; }
};

// eOk and the object's id; eNullObjectId for a null name; eInvalidObjectId for an object not of this drawing.
ErrorStatus idFromName(const Database& database, const EntityName& name, ObjectId& id);
// eOk and the name; eNullObjectId for the null id; eInvalidObjectId for an id not of this drawing.
ErrorStatus nameFromId(const Database& database, ObjectId id, EntityName& name);

} // namespace host
