#pragma once
// The base of every object of a drawing database: id, handle, owner, erased flag and open state.
// An object made in memory belongs to its maker and may be changed freely; once a database holds it,
// it is changed only while open for write.

#include "host/database/ObjectId.h"
#include "host/database/Status.h"

#include <cstdint>
#include <string>

namespace host {

class Database;

enum class OpenMode { Read, Write };

class DbObject {
public:
    virtual ~DbObject() = default;
    DbObject& operator=(const DbObject&) = delete;

    // The host's type name of the object, as drawing files name it ("LINE", "LAYER", ...).
    virtual const char* typeName() const = 0;

    ObjectId id() const { return id_; }
    ObjectId ownerId() const { return ownerId_; }
    Database* database() const { return database_; }
    std::uint64_t handle() const { return handle_; }
    // The handle as upper-case hexadecimal text, empty while the object is not in a database.
    std::string handleText() const;

    bool isErased() const { return erased_; }
    bool isWriteEnabled() const { return database_ == nullptr || writer_; }
    bool isOpenForRead() const { return readers_ > 0; }
    bool isOpenForWrite() const { return writer_; }

    // Erases (or with false, unerases) the object; it must be open for write.
    ErrorStatus erase(bool erasing = true);

protected:
    DbObject() = default;
    // A copy is a new object: no id, no database, not erased, not open.
    DbObject(const DbObject&) {}

    // eOk when the object may be changed now.
    ErrorStatus checkWrite() const { return isWriteEnabled() ? ErrorStatus::eOk : ErrorStatus::eNotOpenForWrite; }
    // The setters' one line: change a field only when writing is allowed.
    template <class T, class V>
    ErrorStatus assign(T& field, const V& value)
    {
        const ErrorStatus status = checkWrite();
        if (status == ErrorStatus::eOk)
            field = value;
        return status;
    }

    // Called once the database holds the object and gave it an id; owners add their sub-objects here.
    virtual void onAddedToDatabase(Database&) {}
    // Asked before the object is erased or unerased; an owner whose sub-objects cannot follow refuses, so
    // that nothing changes.
    virtual ErrorStatus canChangeErased(bool) { return ErrorStatus::eOk; }
    // Called after the erased flag changed; owners pass the change on to their sub-objects.
    virtual void onErasedChanged(bool) {}
    // Called when the object is opened for write (also by upgrading a read): what it derived from its
    // state (cached geometry) may be stale from now on.
    virtual void onOpenedForWrite() {}

private:
    friend class Database;
    friend void closeOpenObject(Database&, DbObject&, OpenMode);
    friend ErrorStatus changeOpenMode(Database&, DbObject&, OpenMode, OpenMode);

    Database* database_ = nullptr;
    ObjectId id_;
    ObjectId ownerId_;
    std::uint64_t handle_ = 0;
    bool erased_ = false;
    int readers_ = 0;
    bool writer_ = false;
};

} // namespace host
