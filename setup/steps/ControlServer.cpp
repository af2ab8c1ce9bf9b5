#include "setup/steps/ControlServer.h"

#include "framework/Handles.h"

#include <windows.h>

namespace {
// The self-registration entry every control file exports.
constexpr char kRegisterEntry[] = "DllRegisterServer";
using RegisterEntry = HRESULT(STDAPICALLTYPE*)();
}  // namespace

bool RegisterServer(const std::string& filePath) {
    const UniqueLibrary library(LoadLibraryA(filePath.c_str()));
    if (!library.Valid()) return false;
    const auto entry = reinterpret_cast<RegisterEntry>(
        reinterpret_cast<void*>(GetProcAddress(library.Get(), kRegisterEntry)));
    if (!entry) return false;
    return entry() == S_OK;
}
