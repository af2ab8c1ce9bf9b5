#include "host/entities/Text.h"

#include "host/database/Database.h"
#include "host/database/TextStyleTable.h"
#include "host/entities/EntityFrame.h"

#include <algorithm>
#include <cmath>

namespace host {
namespace {

// Bytes of the multi-byte character at i: a well-formed UTF-8 sequence, else a double-byte character of
// the ANSI code page (GBK), so texts of either encoding measure alike.
std::size_t wideCharacterLength(const std::string& text, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t utf8 = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    bool wellFormed = utf8 != 0 && i + utf8 <= text.size();
    for (std::size_t k = 1; wellFormed && k < utf8; ++k)
        wellFormed = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
    return wellFormed ? utf8 : std::min<std::size_t>(2, text.size() - i);
}

} // namespace

Text::Text(const Point3d& position, const std::string& text, ObjectId styleId, double height, double rotation)
    : position_(position), alignmentPoint_(position), text_(text), height_(height > 0.0 ? height : kDefaultTextHeight),
      rotation_(normalizeAngle(rotation)), styleId_(styleId)
{
}

ErrorStatus Text::setTextStyle(ObjectId styleId)
{
    if (database() != nullptr && !database()->isKindOf<TextStyleTableRecord>(styleId))
        return styleId.isNull() ? ErrorStatus::eNullObjectId : ErrorStatus::eWrongObjectType;
    return assign(styleId_, styleId);
}

ErrorStatus Text::setHorizontalMode(int mode)
{
    return mode < 0 || mode > 2 ? ErrorStatus::eInvalidInput : assign(horizontalMode_, mode);
}

ErrorStatus Text::setVerticalMode(int mode)
{
    return mode < 0 || mode > 3 ? ErrorStatus::eInvalidInput : assign(verticalMode_, mode);
}

double Text::advance() const
{
    double cells = 0.0;
    for (std::size_t i = 0; i < text_.size();) {
        const auto lead = static_cast<unsigned char>(text_[i]);
        if (lead < 0x80) {
            cells += kNarrowGlyphAdvance;
            ++i;
        } else {
            cells += kWideGlyphAdvance;
            i += wideCharacterLength(text_, i);
        }
    }
    return cells * height_ * widthFactor_;
}

ErrorStatus Text::getGeomExtents(Extents3d& extents) const
{
    const double width = advance();
    const bool aligned = horizontalMode_ != 0 || verticalMode_ != 0;
    const Point3d reference = aligned ? alignmentPoint_ : position_;
    const double left = horizontalMode_ == 1 ? -width / 2.0 : horizontalMode_ == 2 ? -width : 0.0;
    const double bottom = verticalMode_ == 2 ? -height_ / 2.0 : verticalMode_ == 3 ? -height_ : 0.0;
    const EntityFrame frame = EntityFrame::fromNormal(normal_);
    const Vector3d along = frame.xAxis * std::cos(rotation_) + frame.yAxis * std::sin(rotation_);
    const Vector3d up = cross(frame.normal, along);
    extents = Extents3d();
    for (double u : {left, left + width})
        for (double v : {bottom, bottom + height_})
            extents.addPoint(reference + along * u + up * v);
    return ErrorStatus::eOk;
}

ErrorStatus Text::transformBy(const Matrix3d& transform)
{
    if (const ErrorStatus status = checkWrite(); status != ErrorStatus::eOk)
        return status;
    if (const ErrorStatus status = checkUniform(transform); status != ErrorStatus::eOk)
        return status;
    const EntityFrame frame = EntityFrame::fromNormal(normal_);
    const Vector3d along = transform.transform(frame.xAxis * std::cos(rotation_) + frame.yAxis * std::sin(rotation_));
    position_ = transform.transform(position_);
    alignmentPoint_ = transform.transform(alignmentPoint_);
    normal_ = transform.transform(normal_).normal();
    height_ *= transform.scale();
    const EntityFrame image = EntityFrame::fromNormal(normal_);
    rotation_ = normalizeAngle(std::atan2(dot(along, image.yAxis), dot(along, image.xAxis)));
    return ErrorStatus::eOk;
}

void Text::onAddedToDatabase(Database& database)
{
    Entity::onAddedToDatabase(database);
    if (!database.isKindOf<TextStyleTableRecord>(styleId_))
        styleId_ = database.standardTextStyleId();
}

} // namespace host
