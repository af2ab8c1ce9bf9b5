#include "terrain/core/ModuleEntry.h"

#include "host/application/Application.h"
#include "host/application/ResourceChain.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

namespace terrain {
namespace {

TEST(ModuleEntry, MappingEntersTheModuleIntoTheResourceChain)
{
    Dl_info info{};
    ASSERT_NE(dladdr(reinterpret_cast<void*>(&hostModuleEntry), &info), 0);
    EXPECT_EQ(moduleHandle(), info.dli_fbase);
    const host::ExtensionModule& record = extensionModule();
    EXPECT_TRUE(record.initialized);
    EXPECT_EQ(record.moduleHandle, moduleHandle());
    EXPECT_EQ(host::findExtensionModule(moduleHandle()), &record);
}

TEST(ModuleEntry, HostLoadsTheRealModuleWhichUnlocksItselfAndWorksWithSeveralDrawings)
{
    host::ModuleLoader& linker = host::dynamicLinker();
    ASSERT_EQ(linker.load(TERRAIN_MODULE_PATH), host::ErrorStatus::eOk) << linker.lastError();
    const host::ModuleLoader::ModuleRecord* record = linker.find(TERRAIN_MODULE_PATH);
    ASSERT_NE(record, nullptr);
    EXPECT_TRUE(record->unlocked);
    EXPECT_TRUE(record->severalDrawings);
    EXPECT_TRUE(linker.isLoaded("libterrain.so"));
    EXPECT_EQ(linker.load(TERRAIN_MODULE_PATH), host::ErrorStatus::eModuleAlreadyLoaded);

    // Unlocked, so the host may unload it on request.
    EXPECT_EQ(linker.unload("libterrain.so"), host::ErrorStatus::eOk);
    EXPECT_FALSE(linker.isLoaded(TERRAIN_MODULE_PATH));
    EXPECT_EQ(linker.unload("libterrain.so"), host::ErrorStatus::eModuleNotLoaded);
}

TEST(ModuleEntry, EntryPointIsExportedByItsPlainName)
{
    void* library = dlopen(TERRAIN_MODULE_PATH, RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(dlsym(library, host::kModuleEntryPointName), reinterpret_cast<void*>(&hostModuleEntry));
    dlclose(library);
}

TEST(ModuleEntry, OtherMessagesAreAnsweredWithZero)
{
    for (int message : {host::kUnloadMessage, 0, 3, 99})
        EXPECT_EQ(hostModuleEntry(message, nullptr), 0) << message;
}

} // namespace
} // namespace terrain
