#pragma once
// Registered applications: names under which extended data may be attached.

#include "host/database/SymbolTable.h"

namespace host {

class RegAppTableRecord : public SymbolTableRecord {
public:
    const char* typeName() const override { return "APPID"; }
};

using RegAppTable = RecordTable<RegAppTableRecord>;

} // namespace host
