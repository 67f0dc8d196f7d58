#include "render/fonts/FallbackFamilies.h"

#include "render/fonts/FaceLibrary.h"
#include "render/fonts/FallbackFaces.h"
#include "render/fonts/FontFamilies.h"
#include "settings/FaceName.h"

namespace vantolex {

FallbackFamilies::FallbackFamilies()
    : m_library(std::make_unique<FaceLibrary>())
{
}

FallbackFamilies::~FallbackFamilies() = default;

const std::u16string& FallbackFamilies::of(std::u16string_view faceName)
{
    std::u16string name = FaceName::parse(faceName).family;
    auto at = m_families.find(name);
    if (at == m_families.end()) {
        std::u16string family
            = FallbackFaces(*m_library, resolveFamily(name), 400).fallbackFamily().value_or(std::u16string());
        at = m_families.emplace(std::move(name), std::move(family)).first;
    }
    return at->second;
}

} // namespace vantolex
