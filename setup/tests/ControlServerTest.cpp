#include "setup/steps/ControlServer.h"
#include "setup/tests/RegistryTestKeys.h"
#include "setup/tests/fixtures/ControlFixtures.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

using namespace testing_support;


TEST(ControlServer, RegistersOnlyALoadableServerWhoseEntrySucceedsAndAlwaysFreesIt) {
    struct Case {
        const char* file;
        bool registered;
    };
    const Case cases[] = {
        {"GoodControl.ocx", true},
        {"FailingControl.ocx", false},    // its entry returns an error
        {"EntrylessControl.ocx", false},  // a library without the entry
        {"NotALibrary.ocx", false},       // a text file
        {"Missing.ocx", false},
    };
    FixedKeysLock lock;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        DeleteRegistryTree(HKEY_CURRENT_USER, ORVEX_CONTROL_FIXTURE_KEY);
        EXPECT_EQ(RegisterServer(ControlFixturePath(c.file)), c.registered);
        EXPECT_EQ(RegistryKeyExists(HKEY_CURRENT_USER, ORVEX_CONTROL_FIXTURE_KEY), c.registered);
        EXPECT_EQ(GetModuleHandleA(c.file), nullptr) << "library left loaded";
    }
    DeleteRegistryTree(HKEY_CURRENT_USER, ORVEX_CONTROL_FIXTURE_KEY);
}

}  // namespace
