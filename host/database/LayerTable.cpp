#include "host/database/LayerTable.h"

#include "host/database/Database.h"

namespace host {

ErrorStatus LayerTableRecord::setColorIndex(short index)
{
    // A layer has a real colour: 1 to 255 (ByBlock 0 and ByLayer 256 are for entities).
    if (index < 1 || index > 255)
        return ErrorStatus::eInvalidInput;
    return assign(colorIndex_, index);
}

void LayerTableRecord::onAddedToDatabase(Database& database)
{
    if (linetypeId_.isNull())
        linetypeId_ = database.continuousLinetypeId();
}

} // namespace host
