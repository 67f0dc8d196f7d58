// A face name as the settings store it: the family, with a leading "@" when the face is the family's
// vertical-writing face.
#pragma once

#include <string>
#include <string_view>

namespace vantolex {

struct FaceName
{
    std::u16string family;
    bool vertical = false;

    // The parts of a stored name: "@IPAMincho" is the vertical face of IPAMincho.
    static FaceName parse(std::u16string_view stored)
    {
        const bool vertical = stored.starts_with(u'@');
        return { std::u16string(vertical ? stored.substr(1) : stored), vertical };
    }

    // The name as the settings store it.
    std::u16string stored() const { return vertical ? u"@" + family : family; }

    bool operator==(const FaceName&) const = default;
};

} // namespace vantolex
