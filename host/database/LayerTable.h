#pragma once
// Layers: colour, linetype, lineweight and the off, frozen and locked flags.

#include "host/database/SymbolTable.h"

namespace host {

class LayerTableRecord : public SymbolTableRecord {
public:
    const char* typeName() const override { return "LAYER"; }

    short colorIndex() const { return colorIndex_; }
    ErrorStatus setColorIndex(short index);
    ObjectId linetypeId() const { return linetypeId_; }
    ErrorStatus setLinetypeId(ObjectId id) { return assign(linetypeId_, id); }
    int lineweight() const { return lineweight_; }
    ErrorStatus setLineweight(int weight) { return assign(lineweight_, weight); }
    bool isOff() const { return off_; }
    ErrorStatus setIsOff(bool off) { return assign(off_, off); }
    bool isFrozen() const { return frozen_; }
    ErrorStatus setIsFrozen(bool frozen) { return assign(frozen_, frozen); }
    bool isLocked() const { return locked_; }
    ErrorStatus setIsLocked(bool locked) { return assign(locked_, locked); }

protected:
    // A layer that names no linetype gets Continuous.
    void onAddedToDatabase(Database& database) override;

private:
    short colorIndex_ = 7; // white, the colour of layer "0"
    ObjectId linetypeId_;
    int lineweight_ = -3;  // the default lineweight
    bool off_ = false;
    bool frozen_ = false;
    bool locked_ = false;
};

using LayerTable = RecordTable<LayerTableRecord>;

} // namespace host
