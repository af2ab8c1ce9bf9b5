#include "host/database/SymbolTable.h"

#include "host/database/Database.h"

#include <algorithm>
#include <cctype>

namespace host {

bool sameSymbolName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

ErrorStatus SymbolTableRecord::setName(const std::string& name)
{
    if (const ErrorStatus status = checkWrite(); status != ErrorStatus::eOk)
        return status;
    if (name.empty())
        return ErrorStatus::eInvalidInput;
    if (database() != nullptr) {
        const auto* table = dynamic_cast<const SymbolTable*>(database()->peek(ownerId()));
        ObjectId other;
        if (table != nullptr && table->getAt(name, other) == ErrorStatus::eOk && other != id())
            return ErrorStatus::eDuplicateRecordName;
    }
    name_ = name;
    return ErrorStatus::eOk;
}

ErrorStatus SymbolTable::getAt(const std::string& name, ObjectId& id, bool getErased) const
{
    if (database() == nullptr)
        return ErrorStatus::eKeyNotFound;
    for (ObjectId candidate : records_) {
        const auto* record = static_cast<const SymbolTableRecord*>(database()->peek(candidate));
        if ((getErased || !record->isErased()) && sameSymbolName(record->name(), name)) {
            id = candidate;
            return ErrorStatus::eOk;
        }
    }
    return ErrorStatus::eKeyNotFound;
}

bool SymbolTable::has(const std::string& name) const
{
    ObjectId id;
    return getAt(name, id) == ErrorStatus::eOk;
}

std::vector<ObjectId> SymbolTable::recordIds(bool includeErased) const
{
    std::vector<ObjectId> ids;
    if (database() == nullptr)
        return ids;
    for (ObjectId candidate : records_)
        if (includeErased || !database()->peek(candidate)->isErased())
            ids.push_back(candidate);
    return ids;
}

ErrorStatus SymbolTable::addRecord(SymbolTableRecord* record, ObjectId& id)
{
    if (record == nullptr)
        return ErrorStatus::eNullEntityPointer;
    if (database() == nullptr)
        return ErrorStatus::eNotApplicable;
    if (const ErrorStatus status = checkWrite(); status != ErrorStatus::eOk)
        return status;
    if (!accepts(*record))
        return ErrorStatus::eWrongObjectType;
    if (record->name().empty())
        return ErrorStatus::eInvalidInput;
    if (has(record->name()))
        return ErrorStatus::eDuplicateRecordName;
    std::unique_ptr<SymbolTableRecord> owned(record);
    const ErrorStatus status = database()->addObject(owned, this->id(), id);
    owned.release(); // on failure the caller keeps it
    if (status == ErrorStatus::eOk)
        records_.push_back(id);
    return status;
}

} // namespace host
