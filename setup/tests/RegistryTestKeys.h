#pragma once
// Registry keys owned by one test: a key path unique to the running test under a test-only folder,
// removed with everything below it when the owner goes out of scope.
#include <windows.h>

#include <string>

namespace testing_support {

class ScratchRegistryKey {
public:
    // root: HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE. The path is unique to the running test.
    explicit ScratchRegistryKey(HKEY root);
    ~ScratchRegistryKey();
    ScratchRegistryKey(const ScratchRegistryKey&) = delete;
    ScratchRegistryKey& operator=(const ScratchRegistryKey&) = delete;
    const std::string& Path() const { return m_path; }

private:
    HKEY m_root;
    std::string m_path;
};

// Removes a key with all its subkeys and values; missing keys are fine.
void DeleteRegistryTree(HKEY root, const std::string& path);
bool RegistryKeyExists(HKEY root, const std::string& path);
// Number of values and subkeys of a key; -1 when the key does not exist.
int RegistryKeyEntryCount(HKEY root, const std::string& path);
// Writes raw data of any type, bypassing the operations under test.
void SetRawRegistryValue(HKEY root, const std::string& path, const std::string& name, DWORD type,
                         const std::string& bytes);
// Reads a REG_SZ value without the operations under test; "<missing>" when absent.
std::string RawRegistryString(HKEY root, const std::string& path, const std::string& name);

}  // namespace testing_support
