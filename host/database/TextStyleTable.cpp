#include "host/database/TextStyleTable.h"

namespace host {

ErrorStatus TextStyleTableRecord::setFont(const std::string& typeface, bool bold, bool italic, int charset,
                                          int pitchAndFamily)
{
    if (const ErrorStatus status = checkWrite(); status != ErrorStatus::eOk)
        return status;
    typeface_ = typeface;
    bold_ = bold;
    italic_ = italic;
    charset_ = charset;
    pitchAndFamily_ = pitchAndFamily;
    return ErrorStatus::eOk;
}

} // namespace host
