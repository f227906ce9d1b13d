#pragma once

#include <string>

#include "tesmo/Font.h"
#include "tesmo/Picture.h"
#include "tesmo/Variant.h"

namespace tesmo {

// The container's store of a control's settings: named values, each written with its
// default (the store may leave out a value equal to it) and read with one (given back when
// the name is absent). A stored value comes back as a number when the default is a number
// (of any width: only the number matters), a Boolean or a text likewise, and as it was
// stored when the default is Empty; one that cannot be read so throws tesmo::Error.
class PropertyBag {
public:
    virtual ~PropertyBag() = default;
    virtual Variant ReadProperty(const std::string& name, const Variant& defaultValue) = 0;
    virtual void WriteProperty(const std::string& name, const Variant& value, const Variant& defaultValue) = 0;
    // The empty picture is the default.
    virtual tesmo::Picture ReadPicture(const std::string& name) = 0;
    virtual void WritePicture(const std::string& name, const tesmo::Picture& picture) = 0;
    virtual tesmo::Font ReadFont(const std::string& name, const tesmo::Font& defaultFont) = 0;
    virtual void WriteFont(const std::string& name, const tesmo::Font& font, const tesmo::Font& defaultFont) = 0;
};

}  // namespace tesmo
