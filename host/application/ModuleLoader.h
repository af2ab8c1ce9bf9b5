#pragma once
// The host's dynamic linker: loads application modules (shared libraries), finds their entry point by
// name, sends them the load message with an application packet and the unload message before closing
// them. A module is locked until it unlocks itself; a locked module is not unloaded on request.

#include "host/database/Status.h"

#include <memory>
#include <string>
#include <vector>

namespace host {

// The name under which a module exports its entry point.
inline constexpr const char* kModuleEntryPointName = "hostModuleEntry";
// Messages of the entry point.
inline constexpr int kLoadMessage = 1;
inline constexpr int kUnloadMessage = 2;
// The status with which a module accepts a message.
inline constexpr int kModuleOk = 0;

// int entry(int message, void* applicationPacket)
using ModuleEntryPoint = int (*)(int, void*);

class ModuleLoader;

// What the host hands a module with its messages: it identifies the module to the dynamic linker.
struct AppPacket {
    ModuleLoader* linker = nullptr;
    const char* modulePath = nullptr;
};

class ModuleLoader {
public:
    struct ModuleRecord {
        std::string path;
        std::string name; // file name without folder
        void* library = nullptr;
        ModuleEntryPoint entry = nullptr;
        AppPacket packet;
        bool unlocked = false;
        bool severalDrawings = false;
    };

    ModuleLoader() = default;
    ModuleLoader(const ModuleLoader&) = delete;
    ModuleLoader& operator=(const ModuleLoader&) = delete;
    // Modules still loaded are sent the unload message and closed, locked or not.
    ~ModuleLoader();

    // eOk; eModuleAlreadyLoaded; eLoadFailed (lastError says why); eEntryPointNotFound; eModuleRefused when
    // the module answers the load message with a failure (it is closed again).
    ErrorStatus load(const std::string& path);
    // eOk; eModuleNotLoaded; eModuleLocked; eModuleRefused when the module refuses the unload message.
    ErrorStatus unload(const std::string& pathOrName);
    // By path or by file name.
    const ModuleRecord* find(const std::string& pathOrName) const;
    bool isLoaded(const std::string& pathOrName) const { return find(pathOrName) != nullptr; }
    std::vector<std::string> loadedModules() const;
    const std::string& lastError() const { return lastError_; }

    // Called by a module during its load message, with the packet it was given.
    ErrorStatus unlockApplication(const void* packet);
    ErrorStatus registerSeveralDrawings(const void* packet);

private:
    ModuleRecord* recordOf(const void* packet);
    void close(std::unique_ptr<ModuleRecord>& record);

    std::vector<std::unique_ptr<ModuleRecord>> modules_;
    std::string lastError_;
};

} // namespace host
