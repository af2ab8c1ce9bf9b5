#include "host/database/DbObject.h"

#include <cstdio>

namespace host {

std::string DbObject::handleText() const
{
    if (database_ == nullptr)
        return {};
    char text[24];
    std::snprintf(text, sizeof text, "%llX", static_cast<unsigned long long>(handle_));
    return text;
}

ErrorStatus DbObject::erase(bool erasing)
{
    if (const ErrorStatus status = checkWrite(); status != ErrorStatus::eOk)
        return status;
    if (erased_ == erasing)
        return erasing ? ErrorStatus::eWasErased : ErrorStatus::eOk;
    if (const ErrorStatus status = canChangeErased(erasing); status != ErrorStatus::eOk)
        return status;
    erased_ = erasing;
    onErasedChanged(erasing);
    return ErrorStatus::eOk;
}

} // namespace host
