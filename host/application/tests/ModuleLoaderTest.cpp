#include "host/application/ModuleLoader.h"
#include "host/application/ResourceChain.h"

#include <gtest/gtest.h>

namespace host {
namespace {

TEST(ModuleLoader, LibrariesThatCannotServeAsModulesAreRefusedClearly)
{
    ModuleLoader loader;
    EXPECT_EQ(loader.load("/nonexistent/libnothing.so"), ErrorStatus::eLoadFailed);
    EXPECT_NE(loader.lastError().find("libnothing.so"), std::string::npos) << loader.lastError();
    EXPECT_EQ(loader.load(""), ErrorStatus::eLoadFailed); // not the host program itself
    EXPECT_TRUE(loader.loadedModules().empty());

    // A real shared library without the entry point.
    EXPECT_EQ(loader.load("libm.so.6"), ErrorStatus::eEntryPointNotFound);
    EXPECT_NE(loader.lastError().find(kModuleEntryPointName), std::string::npos);
    EXPECT_FALSE(loader.isLoaded("libm.so.6"));
    EXPECT_TRUE(loader.loadedModules().empty());
    EXPECT_EQ(loader.unload("libm.so.6"), ErrorStatus::eModuleNotLoaded);

    int foreignPacket = 0;
    EXPECT_EQ(loader.unlockApplication(&foreignPacket), ErrorStatus::eModuleNotLoaded);
    EXPECT_EQ(loader.registerSeveralDrawings(nullptr), ErrorStatus::eModuleNotLoaded);
}

TEST(ModuleLoader, ALockedModuleStaysAndARefusingOneIsClosed)
{
    ModuleLoader loader;
    ASSERT_EQ(loader.load(LOCKED_MODULE_PATH), ErrorStatus::eOk) << loader.lastError();
    const ModuleLoader::ModuleRecord* record = loader.find(LOCKED_MODULE_PATH);
    ASSERT_NE(record, nullptr);
    EXPECT_FALSE(record->unlocked);
    EXPECT_FALSE(record->severalDrawings);
    EXPECT_EQ(loader.unload(LOCKED_MODULE_PATH), ErrorStatus::eModuleLocked);
    EXPECT_TRUE(loader.isLoaded(LOCKED_MODULE_PATH)); // closed by the loader's end instead

    EXPECT_EQ(loader.load(REFUSING_MODULE_PATH), ErrorStatus::eModuleRefused);
    EXPECT_FALSE(loader.isLoaded(REFUSING_MODULE_PATH));
    EXPECT_EQ(loader.loadedModules().size(), 1u);
}

TEST(ResourceChain, RecordsEnterAtTheHeadAndLeaveFromAnywhere)
{
    ExtensionModule first, second, third;
    int a = 0, b = 0, c = 0;
    ASSERT_TRUE(initExtensionModule(first, &a));
    ASSERT_TRUE(initExtensionModule(second, &b));
    ASSERT_TRUE(initExtensionModule(third, &c));
    EXPECT_FALSE(initExtensionModule(second, &b)); // already in
    ExtensionModule unmapped;
    EXPECT_FALSE(initExtensionModule(unmapped, nullptr));
    EXPECT_EQ(resourceChain(), &third);
    EXPECT_EQ(third.next, &second);

    terminateExtensionModule(second);
    EXPECT_FALSE(second.initialized);
    EXPECT_EQ(second.moduleHandle, nullptr);
    EXPECT_EQ(third.next, &first);
    EXPECT_EQ(findExtensionModule(&b), nullptr);
    EXPECT_EQ(findExtensionModule(&a), &first);
    terminateExtensionModule(second); // not in the chain: nothing
    terminateExtensionModule(third);
    terminateExtensionModule(first);
    EXPECT_EQ(findExtensionModule(&a), nullptr);
}

} // namespace
} // namespace host
