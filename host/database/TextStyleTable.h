#pragma once
// Text styles: font files or a typeface, fixed height, width factor and slant.

#include "host/database/SymbolTable.h"

namespace host {

class TextStyleTableRecord : public SymbolTableRecord {
public:
    const char* typeName() const override { return "STYLE"; }

    const std::string& fileName() const { return fileName_; }
    ErrorStatus setFileName(const std::string& name) { return assign(fileName_, name); }
    const std::string& bigFontFileName() const { return bigFontFileName_; }
    ErrorStatus setBigFontFileName(const std::string& name) { return assign(bigFontFileName_, name); }
    const std::string& typeface() const { return typeface_; }
    bool isBold() const { return bold_; }
    bool isItalic() const { return italic_; }
    int charset() const { return charset_; }
    int pitchAndFamily() const { return pitchAndFamily_; }
    ErrorStatus setFont(const std::string& typeface, bool bold, bool italic, int charset, int pitchAndFamily);
    // 0: the height is given per text.
    double textSize() const { return textSize_; }
    ErrorStatus setTextSize(double size) { return size < 0.0 ? ErrorStatus::eInvalidInput : assign(textSize_, size); }
    double xScale() const { return xScale_; }
    ErrorStatus setXScale(double scale) { return scale <= 0.0 ? ErrorStatus::eInvalidInput : assign(xScale_, scale); }
    double obliquingAngle() const { return obliquingAngle_; }
    ErrorStatus setObliquingAngle(double angle) { return assign(obliquingAngle_, angle); }
    double priorSize() const { return priorSize_; }
    ErrorStatus setPriorSize(double size) { return size <= 0.0 ? ErrorStatus::eInvalidInput : assign(priorSize_, size); }

private:
    std::string fileName_ = "txt";
    std::string bigFontFileName_;
    std::string typeface_;
    bool bold_ = false;
    bool italic_ = false;
    int charset_ = 0;
    int pitchAndFamily_ = 0;
    double textSize_ = 0.0;
    double xScale_ = 1.0;
    double obliquingAngle_ = 0.0;
    double priorSize_ = 2.5; // the height last used with the style
};

using TextStyleTable = RecordTable<TextStyleTableRecord>;

} // namespace host
