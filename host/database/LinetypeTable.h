#pragma once
// Linetypes: a description and a dash pattern (positive dash, negative gap, 0 dot).

#include "host/database/SymbolTable.h"

#include <vector>

namespace host {

class LinetypeTableRecord : public SymbolTableRecord {
public:
    const char* typeName() const override { return "LTYPE"; }

    const std::string& description() const { return description_; }
    ErrorStatus setDescription(const std::string& text) { return assign(description_, text); }
    const std::vector<double>& dashes() const { return dashes_; }
    ErrorStatus setDashes(const std::vector<double>& dashes) { return assign(dashes_, dashes); }
    // Sum of the absolute dash lengths.
    double patternLength() const;

private:
    std::string description_;
    std::vector<double> dashes_;
};

using LinetypeTable = RecordTable<LinetypeTableRecord>;

} // namespace host
