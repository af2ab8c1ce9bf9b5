#pragma once
// Single-line text: position, alignment point, height, rotation, width factor, slant, style and the
// horizontal (0 left, 1 centre, 2 right) and vertical (0 baseline, 1 bottom, 2 middle, 3 top) modes.

#include "host/entities/Entity.h"

#include <string>

namespace host {

class Text : public Entity {
public:
    Text() = default;
    Text(const Point3d& position, const std::string& text, ObjectId styleId = ObjectId(), double height = kDefaultTextHeight,
         double rotation = 0.0);
    const char* typeName() const override { return "TEXT"; }

    const Point3d& position() const { return position_; }
    ErrorStatus setPosition(const Point3d& p) { return assign(position_, p); }
    const Point3d& alignmentPoint() const { return alignmentPoint_; }
    ErrorStatus setAlignmentPoint(const Point3d& p) { return assign(alignmentPoint_, p); }
    const std::string& textString() const { return text_; }
    ErrorStatus setTextString(const std::string& text) { return assign(text_, text); }
    double height() const { return height_; }
    ErrorStatus setHeight(double height) { return assignPositive(height_, height); }
    double rotation() const { return rotation_; }
    ErrorStatus setRotation(double angle) { return assign(rotation_, normalizeAngle(angle)); }
    double widthFactor() const { return widthFactor_; }
    ErrorStatus setWidthFactor(double factor) { return assignPositive(widthFactor_, factor); }
    double oblique() const { return oblique_; }
    ErrorStatus setOblique(double angle) { return assign(oblique_, angle); }
    ObjectId textStyle() const { return styleId_; }
    ErrorStatus setTextStyle(ObjectId styleId);
    int horizontalMode() const { return horizontalMode_; }
    ErrorStatus setHorizontalMode(int mode);
    int verticalMode() const { return verticalMode_; }
    ErrorStatus setVerticalMode(int mode);
    const Vector3d& normal() const { return normal_; }
    ErrorStatus setNormal(const Vector3d& n) { return assignNormal(normal_, n); }
    // The advance of the text along its baseline (characters by kNarrowGlyphAdvance or kWideGlyphAdvance).
    double advance() const;

    // The box of the characters' cells: from the baseline to one height above, placed by the modes.
    ErrorStatus getGeomExtents(Extents3d& extents) const override;
    ErrorStatus transformBy(const Matrix3d& transform) override;
    std::unique_ptr<Entity> clone() const override { return std::make_unique<Text>(*this); }

protected:
    // A text that names no style gets the standard one.
    void onAddedToDatabase(Database& database) override;

private:
    Point3d position_;
    Point3d alignmentPoint_;
    std::string text_;
    double height_ = kDefaultTextHeight;
    double rotation_ = 0.0;
    double widthFactor_ = 1.0;
    double oblique_ = 0.0;
    ObjectId styleId_;
    int horizontalMode_ = 0;
    int verticalMode_ = 0;
    Vector3d normal_ = Vector3d::zAxis();
};

} // namespace host
