#pragma once
// Registry helpers of the Setup step tests: scratch keys unique to a test, raw reads and writes that
// bypass the operations under test, the host's release keys, remembered values put back at the end,
// and a lock for the keys whose paths the product fixes.
#include <windows.h>

#include <string>
#include <vector>

namespace testing_support {

// A key path unique to the running test under a test-only folder, removed with everything below it
// when made and when the owner goes out of scope.
class ScratchRegistryKey {
public:
    // root: HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE.
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
// Writes raw data of any type.
void SetRawRegistryValue(HKEY root, const std::string& path, const std::string& name, DWORD type,
                         const std::string& bytes);
// Reads a REG_SZ value ("" names the default value); "<missing>" when absent.
std::string RawRegistryString(HKEY root, const std::string& path, const std::string& name);

struct RegistryWrite {
    HKEY root;
    std::string key;
    std::string name;
    std::string data;  // written as REG_SZ
};
void WriteRegistryValue(const RegistryWrite& write);

// Held by every test that writes keys whose paths are fixed by the product (host releases, shell
// folders, the product key, the control fixture's key), so that tests running in parallel against the
// one prefix take turns.
class FixedKeysLock {
public:
    FixedKeysLock();
    ~FixedKeysLock();
    FixedKeysLock(const FixedKeysLock&) = delete;
    FixedKeysLock& operator=(const FixedKeysLock&) = delete;

private:
    HANDLE m_mutex;
};

// The host's release keys (both roots, both views) are removed when made, on Clear and when destroyed:
// the test prefix has no real host installed, so they hold only what tests put there.
class HostReleaseKeys {
public:
    HostReleaseKeys() { Clear(); }
    ~HostReleaseKeys() { Clear(); }
    HostReleaseKeys(const HostReleaseKeys&) = delete;
    HostReleaseKeys& operator=(const HostReleaseKeys&) = delete;
    void Clear();
};

struct RegistryValueName {
    HKEY root;
    std::string key;
    std::string name;
};

// Remembers values (or their absence) that a test overwrites and puts them back when destroyed.
class SavedRegistryValues {
public:
    explicit SavedRegistryValues(std::vector<RegistryValueName> names);
    ~SavedRegistryValues();
    SavedRegistryValues(const SavedRegistryValues&) = delete;
    SavedRegistryValues& operator=(const SavedRegistryValues&) = delete;
    // Removes every remembered value (the keys stay).
    void DeleteAll() const;

private:
    struct Saved {
        RegistryValueName name;
        bool present;
        DWORD type;
        std::string bytes;
    };
    std::vector<Saved> m_saved;
};

// The shell-folder values of the three sources Setup reads, in source order: per-user "Desktop" and
// "Programs" of the two per-user keys, then the all-users pair.
// Starts this session's desktop (Wine's explorer) now, if not yet running. Starting it rewrites the
// user's "Shell Folders" values with the system's own folders, so a test must call this before it
// writes them; the desktop then lives as long as the test's process.
void StartDesktopBeforeShellFolders();
std::vector<RegistryValueName> ShellFolderValueNames();

}  // namespace testing_support
