// The module's whole life in a process that is not linked against it: mapped and entered into the
// resource chain, loaded and unloaded by the host's loader, unmapped and taken out of the chain.

#include "host/application/Application.h"
#include "host/application/ResourceChain.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

namespace {

// The base address of the mapped module, found through its entry point.
void* baseOfMappedModule()
{
    void* library = dlopen(TERRAIN_MODULE_PATH, RTLD_NOW | RTLD_NOLOAD);
    if (library == nullptr)
        return nullptr;
    Dl_info info{};
    void* entry = dlsym(library, host::kModuleEntryPointName);
    const bool found = entry != nullptr && dladdr(entry, &info) != 0;
    dlclose(library);
    return found ? info.dli_fbase : nullptr;
}

TEST(ModuleMapping, AttachLoadUnloadDetach)
{
    ASSERT_EQ(baseOfMappedModule(), nullptr) << "the module must not be mapped before the test";
    host::ModuleLoader& linker = host::dynamicLinker();

    for (int round = 0; round < 2; ++round) { // loading may repeat
        ASSERT_EQ(linker.load(TERRAIN_MODULE_PATH), host::ErrorStatus::eOk) << linker.lastError();
        void* base = baseOfMappedModule();
        ASSERT_NE(base, nullptr);
        const host::ExtensionModule* record = host::findExtensionModule(base);
        ASSERT_NE(record, nullptr);
        EXPECT_TRUE(record->initialized);
        EXPECT_EQ(host::resourceChain(), record); // the newest module is searched first

        const host::ModuleLoader::ModuleRecord* loaded = linker.find(TERRAIN_MODULE_PATH);
        ASSERT_NE(loaded, nullptr);
        EXPECT_TRUE(loaded->unlocked);
        EXPECT_TRUE(loaded->severalDrawings);

        ASSERT_EQ(linker.unload(TERRAIN_MODULE_PATH), host::ErrorStatus::eOk) << linker.lastError();
        EXPECT_EQ(baseOfMappedModule(), nullptr) << "unloading closes the library";
        EXPECT_EQ(host::findExtensionModule(base), nullptr) << "detaching takes the record out of the chain";
        EXPECT_EQ(host::resourceChain(), nullptr);
    }
}

} // namespace
