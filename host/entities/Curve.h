#pragma once
// The base of the curve entities (line, arc, circle and the three polylines). Curve queries and
// intersections live with each curve kind.

#include "host/entities/Entity.h"

namespace host {

class Curve : public Entity {
protected:
    Curve() = default;
    Curve(const Curve&) = default;
};

} // namespace host
