#include "setup/steps/RegistryStrings.h"

#include "framework/Handles.h"

#include <windows.h>

#include <cstring>

namespace {

// Opens (creating when missing) a key of the root with the classic call's default access.
UniqueRegKey OpenOrCreate(HKEY root, const std::string& key) {
    HKEY opened = nullptr;
    if (RegCreateKeyA(root, key.c_str(), &opened) != ERROR_SUCCESS) return UniqueRegKey();
    return UniqueRegKey(opened);
}

bool ReadString(HKEY root, const std::string& key, const std::string& valueName, std::string& text) {
    text.clear();
    const UniqueRegKey opened = OpenOrCreate(root, key);
    if (!opened.Valid()) return false;
    // One byte more than the data may use, so that the text is always terminated even when the
    // stored data lacks its zero.
    char buffer[kRegistryValueBufferSize + 1] = {};
    DWORD size = kRegistryValueBufferSize;
    // A value larger than the buffer answers ERROR_MORE_DATA: a failure, nothing is returned.
    if (RegQueryValueExA(opened.Get(), valueName.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(buffer),
                         &size) != ERROR_SUCCESS)
        return false;
    text.assign(buffer, strnlen(buffer, size));
    return true;
}

bool WriteString(HKEY root, const std::string& key, const std::string& valueName, const std::string& text) {
    // The terminating zero must fit too; a longer text would be cut by the buffer, so it is refused.
    if (text.size() + 1 > kRegistryValueBufferSize) return false;
    const UniqueRegKey opened = OpenOrCreate(root, key);
    if (!opened.Valid()) return false;
    char buffer[kRegistryValueBufferSize] = {};
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return RegSetValueExA(opened.Get(), valueName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(buffer),
                          static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

}  // namespace

bool ReadMachineString(const std::string& key, const std::string& valueName, std::string& text) {
    return ReadString(HKEY_LOCAL_MACHINE, key, valueName, text);
}

bool ReadUserString(const std::string& key, const std::string& valueName, std::string& text) {
    return ReadString(HKEY_CURRENT_USER, key, valueName, text);
}

bool WriteMachineString(const std::string& key, const std::string& valueName, const std::string& text) {
    return WriteString(HKEY_LOCAL_MACHINE, key, valueName, text);
}

bool WriteUserString(const std::string& key, const std::string& valueName, const std::string& text) {
    return WriteString(HKEY_CURRENT_USER, key, valueName, text);
}
