#include "terrain/core/ModuleEntry.h"

#include "host/application/Application.h"
#include "host/application/ModuleLoader.h"
#include "host/application/ResourceChain.h"

#include <dlfcn.h>

namespace terrain {
namespace {

void* storedModuleHandle = nullptr;
host::ExtensionModule extensionRecord;

// The library entry: the loader runs these when it maps and unmaps the shared object.
__attribute__((constructor)) void onProcessAttach()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&onProcessAttach), &info) == 0)
        return;
    storedModuleHandle = info.dli_fbase;
    host::initExtensionModule(extensionRecord, storedModuleHandle);
}

__attribute__((destructor)) void onProcessDetach()
{
    if (extensionRecord.initialized)
        host::terminateExtensionModule(extensionRecord);
}

} // namespace

void* moduleHandle()
{
    return storedModuleHandle;
}

const host::ExtensionModule& extensionModule()
{
    return extensionRecord;
}

} // namespace terrain

extern "C" int hostModuleEntry(int message, void* applicationPacket)
{
    if (message == host::kLoadMessage) {
        // The packet identifies this module to the host's dynamic linker.
        host::ModuleLoader& linker = host::dynamicLinker();
        linker.unlockApplication(applicationPacket);
        linker.registerSeveralDrawings(applicationPacket);
    }
    return host::kModuleOk;
}
