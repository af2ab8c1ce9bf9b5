#include "setup/tests/RegistryTestKeys.h"

#include "framework/Handles.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace testing_support {

namespace {
// Every scratch key lies below this one, so that a crashed run leaves its debris in one place.
constexpr char kScratchFolder[] = "Software\\OrvexSetupTests\\";
}  // namespace

ScratchRegistryKey::ScratchRegistryKey(HKEY root) : m_root(root) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    m_path = std::string(kScratchFolder) + (info ? std::string(info->test_suite_name()) + "." + info->name()
                                                 : std::string("outside-a-test"));
    for (char& c : m_path)
        if (c == '/') c = '_';  // parameterised test names carry slashes
    DeleteRegistryTree(m_root, m_path);
}

ScratchRegistryKey::~ScratchRegistryKey() { DeleteRegistryTree(m_root, m_path); }

void DeleteRegistryTree(HKEY root, const std::string& path) { RegDeleteTreeA(root, path.c_str()); }

bool RegistryKeyExists(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

int RegistryKeyEntryCount(HKEY root, const std::string& path) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return -1;
    const UniqueRegKey key(opened);
    DWORD subkeys = 0, values = 0;
    if (RegQueryInfoKeyA(key.Get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr,
                         nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return -1;
    return static_cast<int>(subkeys + values);
}

void SetRawRegistryValue(HKEY root, const std::string& path, const std::string& name, DWORD type,
                         const std::string& bytes) {
    HKEY opened = nullptr;
    ASSERT_EQ(RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &opened, nullptr),
              ERROR_SUCCESS);
    const UniqueRegKey key(opened);
    ASSERT_EQ(RegSetValueExA(key.Get(), name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
}

std::string RawRegistryString(HKEY root, const std::string& path, const std::string& name) {
    std::vector<char> buffer(64 * 1024);
    DWORD size = static_cast<DWORD>(buffer.size());
    if (RegGetValueA(root, path.c_str(), name.empty() ? nullptr : name.c_str(), RRF_RT_REG_SZ, nullptr,
                     buffer.data(), &size) != ERROR_SUCCESS)
        return "<missing>";
    return std::string(buffer.data());
}


FixedKeysLock::FixedKeysLock() : m_mutex(CreateMutexA(nullptr, FALSE, "OrvexSetupTests.FixedKeys")) {
    // An abandoned lock (a crashed test) is taken over all the same.
    if (m_mutex) WaitForSingleObject(m_mutex, INFINITE);
}

FixedKeysLock::~FixedKeysLock() {
    if (!m_mutex) return;
    ReleaseMutex(m_mutex);
    CloseHandle(m_mutex);
}


void WriteRegistryValue(const RegistryWrite& write) {
    SetRawRegistryValue(write.root, write.key, write.name, REG_SZ, write.data + '\0');
}

void HostReleaseKeys::Clear() {
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
        for (const char* path : {"SOFTWARE\\Autodesk\\AutoCAD", "SOFTWARE\\Wow6432Node\\Autodesk\\AutoCAD"})
            DeleteRegistryTree(root, path);
}


SavedRegistryValues::SavedRegistryValues(std::vector<RegistryValueName> names) {
    for (RegistryValueName& name : names) {
        Saved saved{std::move(name), false, REG_NONE, std::string(64 * 1024, '\0')};
        DWORD size = static_cast<DWORD>(saved.bytes.size());
        saved.present = RegGetValueA(saved.name.root, saved.name.key.c_str(), saved.name.name.c_str(),
                                     RRF_RT_ANY | RRF_NOEXPAND, &saved.type, saved.bytes.data(),
                                     &size) == ERROR_SUCCESS;
        saved.bytes.resize(saved.present ? size : 0);
        m_saved.push_back(std::move(saved));
    }
}

SavedRegistryValues::~SavedRegistryValues() {
    for (const Saved& saved : m_saved) {
        if (saved.present)
            SetRawRegistryValue(saved.name.root, saved.name.key, saved.name.name, saved.type, saved.bytes);
        else
            RegDeleteKeyValueA(saved.name.root, saved.name.key.c_str(), saved.name.name.c_str());
    }
}

void SavedRegistryValues::DeleteAll() const {
    for (const Saved& saved : m_saved)
        RegDeleteKeyValueA(saved.name.root, saved.name.key.c_str(), saved.name.name.c_str());
}

void StartDesktopBeforeShellFolders() { GetDesktopWindow(); }

std::vector<RegistryValueName> ShellFolderValueNames() {
    const std::string user = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
    const std::string nt = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Explorer\\Shell Folders";
    return {{HKEY_CURRENT_USER, user, "Desktop"},           {HKEY_CURRENT_USER, user, "Programs"},
            {HKEY_CURRENT_USER, nt, "Desktop"},             {HKEY_CURRENT_USER, nt, "Programs"},
            {HKEY_LOCAL_MACHINE, nt, "Common Desktop"},     {HKEY_LOCAL_MACHINE, nt, "Common Programs"}};
}

}  // namespace testing_support
