#pragma once
// A handle on an open database object that closes it when it goes out of scope.

#include "host/database/DbObject.h"

#include <utility>

namespace host {

class Database;

// Closes one open reference; defined by the database.
void closeOpenObject(Database& database, DbObject& object, OpenMode mode);
ErrorStatus changeOpenMode(Database& database, DbObject& object, OpenMode from, OpenMode to);

template <class T>
class ObjectPtr {
public:
    ObjectPtr() = default;
    ObjectPtr(const ObjectPtr&) = delete;
    ObjectPtr& operator=(const ObjectPtr&) = delete;
    ObjectPtr(ObjectPtr&& other) noexcept { *this = std::move(other); }
    ObjectPtr& operator=(ObjectPtr&& other) noexcept
    {
        if (this != &other) {
            close();
            object_ = std::exchange(other.object_, nullptr);
            database_ = std::exchange(other.database_, nullptr);
            mode_ = other.mode_;
        }
        return *this;
    }
    ~ObjectPtr() { close(); }

    T* get() const { return object_; }
    T* operator->() const { return object_; }
    T& operator*() const { return *object_; }
    explicit operator bool() const { return object_ != nullptr; }
    OpenMode mode() const { return mode_; }

    // Closes now; a closed or empty handle stays empty.
    void close()
    {
        if (object_ != nullptr)
            closeOpenObject(*database_, *object_, mode_);
        object_ = nullptr;
        database_ = nullptr;
    }
    // From read to write: only the sole reader may upgrade.
    ErrorStatus upgradeOpen() { return switchMode(OpenMode::Write); }
    ErrorStatus downgradeOpen() { return switchMode(OpenMode::Read); }

private:
    friend class Database;
    void attach(Database& database, T& object, OpenMode mode)
    {
        close();
        database_ = &database;
        object_ = &object;
        mode_ = mode;
    }
    ErrorStatus switchMode(OpenMode to)
    {
        if (object_ == nullptr)
            return ErrorStatus::eNotOpen;
        if (to == mode_)
            return ErrorStatus::eOk;
        const ErrorStatus status = changeOpenMode(*database_, *object_, mode_, to);
        if (status == ErrorStatus::eOk)
            mode_ = to;
        return status;
    }

    T* object_ = nullptr;
    Database* database_ = nullptr;
    OpenMode mode_ = OpenMode::Read;
};

} // namespace host
