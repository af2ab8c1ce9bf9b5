#include "host/database/LinetypeTable.h"

#include <cmath>

namespace host {

double LinetypeTableRecord::patternLength() const
{
    double length = 0.0;
    for (double dash : dashes_)
        length += std::fabs(dash);
    return length;
}

} // namespace host
