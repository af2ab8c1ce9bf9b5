#pragma once
// Named views: what a view shows and how (centre in display coordinates, size, target, direction, clipping).

#include "host/database/SymbolTable.h"
#include "host/geometry/Vectors.h"

namespace host {

// The settings of a view, shared by named view records and the application's current view.
struct ViewSettings {
    Point2d centre;                 // display coordinates
    double height = 1.0;
    double width = 1.0;
    Point3d target;                 // world
    Vector3d direction{0, 0, 1};    // world, from target towards the viewer
    double twist = 0.0;             // radians
    double lensLength = 50.0;
    double frontClip = 0.0;
    double backClip = 0.0;
    bool perspective = false;
    bool frontClipOn = false;
    bool backClipOn = false;
    bool frontClipAtEye = true;
};

class ViewTableRecord : public SymbolTableRecord {
public:
    const char* typeName() const override { return "VIEW"; }

    const ViewSettings& settings() const { return settings_; }
    ErrorStatus setSettings(const ViewSettings& settings) { return assign(settings_, settings); }

private:
    ViewSettings settings_;
};

using ViewTable = RecordTable<ViewTableRecord>;

} // namespace host
