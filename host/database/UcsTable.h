#pragma once
// Named user coordinate systems: origin and x and y axes in world coordinates.

#include "host/database/SymbolTable.h"
#include "host/geometry/Vectors.h"

namespace host {

class UcsTableRecord : public SymbolTableRecord {
public:
    const char* typeName() const override { return "UCS"; }

    const Point3d& origin() const { return origin_; }
    ErrorStatus setOrigin(const Point3d& origin) { return assign(origin_, origin); }
    const Vector3d& xAxis() const { return xAxis_; }
    ErrorStatus setXAxis(const Vector3d& axis) { return assign(xAxis_, axis); }
    const Vector3d& yAxis() const { return yAxis_; }
    ErrorStatus setYAxis(const Vector3d& axis) { return assign(yAxis_, axis); }

private:
    Point3d origin_;
    Vector3d xAxis_ = Vector3d::xAxis();
    Vector3d yAxis_ = Vector3d::yAxis();
};

using UcsTable = RecordTable<UcsTableRecord>;

} // namespace host
