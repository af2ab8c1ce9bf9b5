#include "setup/tests/RegistryTestKeys.h"

#include "framework/Handles.h"

#include <gtest/gtest.h>

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

}  // namespace testing_support
