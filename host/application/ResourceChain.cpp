#include "host/application/ResourceChain.h"

namespace host {
namespace {

// A plain pointer with no destructor, so the chain stays valid while modules are unmapped at process exit.
ExtensionModule* chainHead = nullptr;

} // namespace

bool initExtensionModule(ExtensionModule& module, void* moduleHandle)
{
    if (moduleHandle == nullptr || module.initialized)
        return false;
    module.moduleHandle = moduleHandle;
    module.resourceHandle = moduleHandle;
    module.initialized = true;
    module.next = chainHead;
    chainHead = &module;
    return true;
}

void terminateExtensionModule(ExtensionModule& module)
{
    if (!module.initialized)
        return;
    for (ExtensionModule** link = &chainHead; *link != nullptr; link = &(*link)->next) {
        if (*link == &module) {
            *link = module.next;
            break;
        }
    }
    module = ExtensionModule();
}

const ExtensionModule* resourceChain()
{
    return chainHead;
}

const ExtensionModule* findExtensionModule(const void* moduleHandle)
{
    for (const ExtensionModule* module = chainHead; module != nullptr; module = module->next)
        if (module->moduleHandle == moduleHandle)
            return module;
    return nullptr;
}

} // namespace host
