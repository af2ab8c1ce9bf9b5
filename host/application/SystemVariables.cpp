#include "host/application/SystemVariables.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace host {
namespace {

std::string upperCase(std::string name)
{
    std::transform(name.begin(), name.end(), name.begin(),
                   [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
    return name;
}

int resultKind(VariableKind kind)
{
    switch (kind) {
    case VariableKind::Real: return kind::kReal;
    case VariableKind::Point2: return kind::kPoint;
    case VariableKind::Point3: return kind::kPoint3;
    case VariableKind::Short: return kind::kShort;
    case VariableKind::Text: return kind::kText;
    }
    return kind::kNone;
}

// The value of a result-list element as a value of the variable's kind; false when the kinds do not fit
// or a number is not finite (no variable can hold one: angles, spacings and points would all turn NaN).
bool convert(const ResultBuffer& element, VariableKind kind, VariableValue& value)
{
    value.kind = kind;
    switch (kind) {
    case VariableKind::Real:
        if (element.kind == kind::kReal && std::isfinite(element.value.real))
            value.real = element.value.real;
        else if (element.kind == kind::kShort)
            value.real = element.value.shortValue;
        else
            return false;
        return true;
    case VariableKind::Point2:
    case VariableKind::Point3:
        if (element.kind != kind::kPoint && element.kind != kind::kPoint3)
            return false;
        value.point = {element.value.point[0], element.value.point[1],
                       kind == VariableKind::Point3 && element.kind == kind::kPoint3 ? element.value.point[2] : 0.0};
        return std::isfinite(value.point.x) && std::isfinite(value.point.y) && std::isfinite(value.point.z);
    case VariableKind::Short:
        if (element.kind != kind::kShort)
            return false;
        value.shortValue = element.value.shortValue;
        return true;
    case VariableKind::Text:
        if (element.kind != kind::kText)
            return false;
        value.text = element.value.text;
        return true;
    }
    return false;
}

} // namespace

SystemVariables::SystemVariables()
{
    // Drawing aids.
    define("SNAPANG", VariableValue::ofReal(0.0));              // snap and ortho run along the x axis
    define("SNAPBASE", VariableValue::ofPoint2(0.0, 0.0));      // snap grid anchored at the origin
    define("SNAPUNIT", VariableValue::ofPoint2(10.0, 10.0));    // metric drawings' snap spacing
    define("SNAPMODE", VariableValue::ofShort(0));              // snap off
    define("SNAPSTYL", VariableValue::ofShort(0));              // rectangular snap
    define("SNAPTYPE", VariableValue::ofShort(0));              // grid snap, not polar
    define("ORTHOMODE", VariableValue::ofShort(0));             // ortho off
    define("GRIDMODE", VariableValue::ofShort(0));              // grid off
    define("GRIDUNIT", VariableValue::ofPoint2(10.0, 10.0));    // grid spacing like the snap
    define("OSMODE", VariableValue::ofShort(4133));             // endpoint, centre, intersection, extension
    define("AUTOSNAP", VariableValue::ofShort(63));             // every autosnap aid on
    define("POLARMODE", VariableValue::ofShort(0));             // polar tracking off
    define("LASTPOINT", VariableValue::ofPoint3({0.0, 0.0, 0.0})); // nothing picked yet
    // Commands and display order.
    define("CMDECHO", VariableValue::ofShort(1));               // commands echo their prompts
    define("DRAWORDERCTL", VariableValue::ofShort(3));          // draw order kept and inherited
    define("HIGHLIGHT", VariableValue::ofShort(1));             // selected objects highlighted
    define("PICKBOX", VariableValue::ofShort(3));               // pick aperture in pixels
    define("FILEDIA", VariableValue::ofShort(1));               // file dialogs shown
    // New objects.
    define("CLAYER", VariableValue::ofText("0"));               // bound to the drawing's current layer
    define("CELTYPE", VariableValue::ofText("ByLayer"));        // new objects take their layer's linetype
    define("CECOLOR", VariableValue::ofText("BYLAYER"));        // and their layer's colour
    define("CELTSCALE", VariableValue::ofReal(1.0));            // no extra linetype scale
    define("LTSCALE", VariableValue::ofReal(1.0));              // global linetype scale 1
    define("TEXTSTYLE", VariableValue::ofText("Standard"));     // the drawing's standard style
    define("TEXTSIZE", VariableValue::ofReal(2.5));             // metric default text height
    define("PDMODE", VariableValue::ofShort(0));                // points drawn as dots
    define("PDSIZE", VariableValue::ofReal(0.0));               // point size relative to the screen
    define("PLINEWID", VariableValue::ofReal(0.0));             // new polylines have no width
    // Units.
    define("LUNITS", VariableValue::ofShort(2));                // decimal lengths
    define("LUPREC", VariableValue::ofShort(4));                // four decimal places
    define("AUNITS", VariableValue::ofShort(0));                // decimal degrees
    define("AUPREC", VariableValue::ofShort(0));                // whole degrees
    define("ANGBASE", VariableValue::ofReal(0.0));              // angles from east
    define("ANGDIR", VariableValue::ofShort(0));                // counter-clockwise
    define("INSUNITS", VariableValue::ofShort(6));              // metres, as survey drawings are
    // Coordinate system and view; bound to the application's state, read-only as in CAD hosts.
    define("UCSORG", VariableValue::ofPoint3({0, 0, 0}), true);
    define("UCSXDIR", VariableValue::ofPoint3({1, 0, 0}), true);
    define("UCSYDIR", VariableValue::ofPoint3({0, 1, 0}), true);
    define("UCSNAME", VariableValue::ofText(""), true);
    define("WORLDUCS", VariableValue::ofShort(1), true);
    define("VIEWCTR", VariableValue::ofPoint3({0, 0, 0}), true);
    define("VIEWSIZE", VariableValue::ofReal(1.0), true);
    define("VIEWDIR", VariableValue::ofPoint3({0, 0, 1}), true);
    define("VIEWTWIST", VariableValue::ofReal(0.0), true);
    define("VIEWMODE", VariableValue::ofShort(0), true);
    define("TARGET", VariableValue::ofPoint3({0, 0, 0}), true);
    define("LENSLENGTH", VariableValue::ofReal(50.0), true);
    define("FRONTZ", VariableValue::ofReal(0.0), true);
    define("BACKZ", VariableValue::ofReal(0.0), true);
    define("SCREENSIZE", VariableValue::ofPoint2(1600.0, 900.0), true); // drawing window in pixels
    define("TILEMODE", VariableValue::ofShort(1));              // model space tab current
    define("CVPORT", VariableValue::ofShort(2));                // the single model viewport
    define("WORLDVIEW", VariableValue::ofShort(1));             // view direction given in world coordinates
    define("DWGNAME", VariableValue::ofText("Drawing1.dwg"), true); // an unsaved drawing's name
}

void SystemVariables::define(const std::string& name, const VariableValue& value, bool readOnly)
{
    Entry entry;
    entry.value = entry.defaultValue = value;
    entry.readOnly = readOnly;
    entries_[upperCase(name)] = entry;
}

const SystemVariables::Entry* SystemVariables::find(const std::string& name) const
{
    const auto found = entries_.find(upperCase(name));
    return found == entries_.end() ? nullptr : &found->second;
}

SystemVariables::Entry* SystemVariables::find(const std::string& name)
{
    const auto found = entries_.find(upperCase(name));
    return found == entries_.end() ? nullptr : &found->second;
}

bool SystemVariables::has(const std::string& name) const
{
    return find(name) != nullptr;
}

bool SystemVariables::get(const std::string& name, VariableValue& value) const
{
    const Entry* entry = find(name);
    if (entry == nullptr)
        return false;
    value = entry->reader ? entry->reader() : entry->value;
    value.kind = entry->defaultValue.kind;
    return true;
}

int SystemVariables::getVariable(const std::string& name, ResultBuffer*& result) const
{
    result = nullptr;
    VariableValue value;
    if (!get(name, value))
        return rt::kError;
    result = newResult(resultKind(value.kind));
    switch (value.kind) {
    case VariableKind::Real: result->value.real = value.real; break;
    case VariableKind::Point2:
    case VariableKind::Point3:
        result->value.point[0] = value.point.x;
        result->value.point[1] = value.point.y;
        result->value.point[2] = value.kind == VariableKind::Point3 ? value.point.z : 0.0;
        break;
    case VariableKind::Short: result->value.shortValue = value.shortValue; break;
    case VariableKind::Text: setResultText(*result, value.text.c_str()); break;
    }
    return rt::kNormal;
}

int SystemVariables::setVariable(const std::string& name, const ResultBuffer* element)
{
    Entry* entry = find(name);
    if (entry == nullptr || element == nullptr)
        return rt::kError;
    if (entry->readOnly && !entry->writer)
        return rt::kError;
    VariableValue value;
    if (!convert(*element, entry->defaultValue.kind, value))
        return rt::kError;
    if (entry->writer)
        return entry->writer(value) ? rt::kNormal : rt::kError;
    entry->value = value;
    return rt::kNormal;
}

bool SystemVariables::setInternal(const std::string& name, const VariableValue& value)
{
    Entry* entry = find(name);
    if (entry == nullptr || value.kind != entry->defaultValue.kind)
        return false;
    entry->value = value;
    return true;
}

void SystemVariables::bind(const std::string& name, Reader reader, Writer writer)
{
    if (Entry* entry = find(name)) {
        entry->reader = std::move(reader);
        entry->writer = std::move(writer);
    }
}

void SystemVariables::resetToDefaults()
{
    for (auto& [name, entry] : entries_)
        entry.value = entry.defaultValue;
}

} // namespace host
