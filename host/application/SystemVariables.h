#pragma once
// System variables: a typed table with defaults, read and set by name (ignoring case) through result lists.
// Some variables are bound to live state of the application (current layer, coordinate system, view).

#include "host/application/ResultList.h"
#include "host/geometry/Vectors.h"

#include <functional>
#include <map>
#include <string>

namespace host {

enum class VariableKind { Real, Point2, Point3, Short, Text };

struct VariableValue {
    VariableKind kind = VariableKind::Short;
    double real = 0.0;
    Point3d point;
    short shortValue = 0;
    std::string text;

    static VariableValue ofReal(double v) { VariableValue x; x.kind = VariableKind::Real; x.real = v; return x; }
    static VariableValue ofPoint2(double px, double py) { VariableValue x; x.kind = VariableKind::Point2; x.point = {px, py, 0}; return x; }
    static VariableValue ofPoint3(const Point3d& p) { VariableValue x; x.kind = VariableKind::Point3; x.point = p; return x; }
    static VariableValue ofShort(short v) { VariableValue x; x.kind = VariableKind::Short; x.shortValue = v; return x; }
    static VariableValue ofText(const std::string& v) { VariableValue x; x.kind = VariableKind::Text; x.text = v; return x; }
};

class SystemVariables {
public:
    using Reader = std::function<VariableValue()>;
    // Gives false to refuse the value.
    using Writer = std::function<bool(const VariableValue&)>;

    // The table of variables with their defaults.
    SystemVariables();

    // rt::kNormal and a one-element list the caller frees; rt::kError for an unknown name.
    int getVariable(const std::string& name, ResultBuffer*& value) const;
    // rt::kNormal when accepted; rt::kError for an unknown name, a read-only variable, a null value or a
    // value of the wrong kind (a real variable also takes a short, a point variable either point kind).
    int setVariable(const std::string& name, const ResultBuffer* value);

    bool has(const std::string& name) const;
    // The value for the host's own use; false for an unknown name.
    bool get(const std::string& name, VariableValue& value) const;
    // Sets a value of the variable's kind, read-only ones included (the host keeping them up to date).
    bool setInternal(const std::string& name, const VariableValue& value);
    // Makes the variable read and write live state instead of its stored value; no writer means read-only.
    void bind(const std::string& name, Reader reader, Writer writer = nullptr);
    // Every stored value back to its default.
    void resetToDefaults();

private:
    struct Entry {
        VariableValue value;
        VariableValue defaultValue;
        bool readOnly = false;
        Reader reader;
        Writer writer;
    };
    const Entry* find(const std::string& name) const;
    Entry* find(const std::string& name);
    void define(const std::string& name, const VariableValue& value, bool readOnly = false);

    std::map<std::string, Entry> entries_; // by upper-case name
};

} // namespace host
