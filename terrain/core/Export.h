#pragma once
// The module's services are exported by name; everything else stays hidden inside the library.

#if defined(TERRAIN_BUILDING)
#define TERRAIN_API __attribute__((visibility("default")))
#else
#define TERRAIN_API
#endif
