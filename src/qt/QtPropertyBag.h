#pragma once

#include <QSettings>

#include "surface/PropertyBag.h"

namespace tesmo {

// The control's settings in a QSettings store, under the settings' current group, each
// key under its own name. In an INI file every value is plain text a person can edit:
// numbers with "." as the decimal point, booleans as true / false, texts as they are; the
// picture as the Base64 text of a PNG image ("" for none) and the font as
// "Name|size|bold|italic|underline|strikeout" with only the styles it has.
class QtPropertyBag : public PropertyBag {
public:
    explicit QtPropertyBag(QSettings& settings) : settings_(settings) {}

    Variant ReadProperty(const std::string& name, const Variant& defaultValue) override;
    void WriteProperty(const std::string& name, const Variant& value, const Variant& defaultValue) override;
    tesmo::Picture ReadPicture(const std::string& name) override;
    void WritePicture(const std::string& name, const tesmo::Picture& picture) override;
    tesmo::Font ReadFont(const std::string& name, const tesmo::Font& defaultFont) override;
    void WriteFont(const std::string& name, const tesmo::Font& font, const tesmo::Font& defaultFont) override;

private:
    QSettings& settings_;
};

}  // namespace tesmo
