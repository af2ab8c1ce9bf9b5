#pragma once
// The services' view of the host: the current drawing and its user coordinate system.

#include "host/application/Application.h"
#include "terrain/core/Values.h"

namespace terrain::detail {

// The drawing the services work on: the host's current one.
inline host::Database& drawing() { return host::application().workingDatabase(); }

inline Point3 worldToUser(const Point3& p)
{
    return fromHost(host::application().coordinates().fromWorld(toHost(p), host::CoordSpace::User));
}

inline Point3 userToWorld(const Point3& p)
{
    return fromHost(host::application().coordinates().toWorld(toHost(p), host::CoordSpace::User));
}

} // namespace terrain::detail
