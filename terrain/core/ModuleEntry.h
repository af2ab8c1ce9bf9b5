#pragma once
// The module's two ways in from the host: the library entry (mapping and unmapping of the shared object)
// and the host's application entry point (load and unload messages).

#include "terrain/core/Export.h"

namespace host {
struct ExtensionModule;
}

extern "C" {
// Message 1 (load): unlock the application, then register it as working with several drawings; 0.
// Message 2 (unload) and every other message: 0.
TERRAIN_API int hostModuleEntry(int message, void* applicationPacket);
}

namespace terrain {

// The module's handle (its base address), stored when the library was mapped.
TERRAIN_API void* moduleHandle();
// The module's record in the host's resource chain.
TERRAIN_API const host::ExtensionModule& extensionModule();

} // namespace terrain
