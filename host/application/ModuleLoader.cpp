#include "host/application/ModuleLoader.h"

#include <dlfcn.h>

#include <algorithm>

namespace host {
namespace {

std::string fileNameOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

ModuleLoader::~ModuleLoader()
{
    while (!modules_.empty()) {
        modules_.back()->entry(kUnloadMessage, &modules_.back()->packet);
        close(modules_.back());
        modules_.pop_back();
    }
}

ErrorStatus ModuleLoader::load(const std::string& path)
{
    lastError_.clear();
    if (path.empty()) {
        // dlopen takes an empty name for the host program itself, which is no module.
        lastError_ = "no module path given";
        return ErrorStatus::eLoadFailed;
    }
    if (isLoaded(path))
        return ErrorStatus::eModuleAlreadyLoaded;
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        const char* reason = dlerror();
        lastError_ = reason != nullptr ? reason : "cannot open " + path;
        return ErrorStatus::eLoadFailed;
    }
    auto record = std::make_unique<ModuleRecord>();
    record->path = path;
    record->name = fileNameOf(path);
    record->library = library;
    record->entry = reinterpret_cast<ModuleEntryPoint>(dlsym(library, kModuleEntryPointName));
    if (record->entry == nullptr) {
        lastError_ = path + " has no entry point " + kModuleEntryPointName;
        close(record);
        return ErrorStatus::eEntryPointNotFound;
    }
    record->packet.linker = this;
    record->packet.modulePath = record->path.c_str();
    modules_.push_back(std::move(record));
    ModuleRecord& loaded = *modules_.back();
    if (loaded.entry(kLoadMessage, &loaded.packet) != kModuleOk) {
        lastError_ = path + " refused to load";
        close(modules_.back());
        modules_.pop_back();
        return ErrorStatus::eModuleRefused;
    }
    return ErrorStatus::eOk;
}

ErrorStatus ModuleLoader::unload(const std::string& pathOrName)
{
    lastError_.clear();
    const auto found = std::find_if(modules_.begin(), modules_.end(), [&](const auto& record) {
        return record->path == pathOrName || record->name == pathOrName;
    });
    if (found == modules_.end())
        return ErrorStatus::eModuleNotLoaded;
    ModuleRecord& record = **found;
    if (!record.unlocked) {
        lastError_ = record.name + " is locked";
        return ErrorStatus::eModuleLocked;
    }
    if (record.entry(kUnloadMessage, &record.packet) != kModuleOk) {
        lastError_ = record.name + " refused to unload";
        return ErrorStatus::eModuleRefused;
    }
    close(*found);
    modules_.erase(found);
    return ErrorStatus::eOk;
}

const ModuleLoader::ModuleRecord* ModuleLoader::find(const std::string& pathOrName) const
{
    for (const auto& record : modules_)
        if (record->path == pathOrName || record->name == pathOrName)
            return record.get();
    return nullptr;
}

std::vector<std::string> ModuleLoader::loadedModules() const
{
    std::vector<std::string> names;
    for (const auto& record : modules_)
        names.push_back(record->name);
    return names;
}

ModuleLoader::ModuleRecord* ModuleLoader::recordOf(const void* packet)
{
    for (const auto& record : modules_)
        if (&record->packet == packet)
            return record.get();
    return nullptr;
}

ErrorStatus ModuleLoader::unlockApplication(const void* packet)
{
    ModuleRecord* record = recordOf(packet);
    if (record == nullptr)
        return ErrorStatus::eModuleNotLoaded;
    record->unlocked = true;
    return ErrorStatus::eOk;
}

ErrorStatus ModuleLoader::registerSeveralDrawings(const void* packet)
{
    ModuleRecord* record = recordOf(packet);
    if (record == nullptr)
        return ErrorStatus::eModuleNotLoaded;
    record->severalDrawings = true;
    return ErrorStatus::eOk;
}

void ModuleLoader::close(std::unique_ptr<ModuleRecord>& record)
{
    if (record->library != nullptr)
        dlclose(record->library);
    record->library = nullptr;
}

} // namespace host
