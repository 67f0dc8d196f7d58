#include "render/fonts/FontFamilies.h"

#include "base/Utf16.h"
#include "render/fonts/FontHandles.h"
#include "settings/FaceName.h"
#include "settings/FontAliases.h"

namespace vantolex {

bool isFamilyInstalled(std::u16string_view family)
{
    if (family.empty()) {
        return false;
    }
    const std::string utf8 = toUtf8(family);
    handles::FcPatternPtr pattern(FcPatternCreate());
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(utf8.c_str()));
    FcPatternAddBool(pattern.get(), FC_OUTLINE, FcTrue);
    handles::FcObjectSetPtr objects(FcObjectSetBuild(FC_FAMILY, nullptr));
    handles::FcFontSetPtr fonts(FcFontList(nullptr, pattern.get(), objects.get()));
    return fonts && fonts->nfont > 0;
}

std::u16string resolveFamily(std::u16string_view faceName)
{
    std::u16string family = FaceName::parse(faceName).family;
    if (isFamilyInstalled(family)) {
        return family;
    }
    if (auto alias = aliasFamily(family); alias && isFamilyInstalled(*alias)) {
        return *alias;
    }
    return family;
}

} // namespace vantolex
