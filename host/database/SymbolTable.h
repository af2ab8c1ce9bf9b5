#pragma once
// Symbol tables: ordered, named records with case-insensitive names, each record a database object
// owned by its table.

#include "host/database/DbObject.h"

#include <memory>
#include <string>
#include <vector>

namespace host {

class SymbolTableRecord : public DbObject {
public:
    const std::string& name() const { return name_; }
    // A name already used by another record of the same table is refused.
    ErrorStatus setName(const std::string& name);

private:
    std::string name_;
};

class SymbolTable : public DbObject {
public:
    const char* typeName() const override { return "TABLE"; }

    // eOk and the id of the record with that name (ignoring case), else eKeyNotFound.
    ErrorStatus getAt(const std::string& name, ObjectId& id, bool getErased = false) const;
    bool has(const std::string& name) const;
    // The records in table order.
    std::vector<ObjectId> recordIds(bool includeErased = false) const;

    // Adds a record (the table open for write); on success `record` is emptied and `id` set.
    template <class R>
    ErrorStatus add(std::unique_ptr<R>& record, ObjectId& id)
    {
        const ErrorStatus status = addRecord(record.get(), id);
        if (status == ErrorStatus::eOk)
            record.release();
        return status;
    }

protected:
    virtual bool accepts(const SymbolTableRecord& record) const = 0;

private:
    ErrorStatus addRecord(SymbolTableRecord* record, ObjectId& id);
    std::vector<ObjectId> records_;
};

// A table that holds only records of kind Record.
template <class Record>
class RecordTable : public SymbolTable {
protected:
    bool accepts(const SymbolTableRecord& record) const override
    {
        return dynamic_cast<const Record*>(&record) != nullptr;
    }
};

// Names compare without regard to ASCII letter case, as symbol names do.
bool sameSymbolName(const std::string& a, const std::string& b);

} // namespace host
