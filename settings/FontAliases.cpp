#include "settings/FontAliases.h"

#include <array>
#include <utility>

namespace vantolex {

namespace {

// Stored face name, then the fontconfig family drawn instead. Both the full-width and the ASCII spellings
// of the names occur in stored settings.
constexpr std::array<std::pair<std::u16string_view, std::u16string_view>, 8> aliases { {
    { u"ＭＳ 明朝", u"IPAMincho" },
    { u"MS Mincho", u"IPAMincho" },
    { u"ＭＳ ゴシック", u"IPAGothic" },
    { u"MS Gothic", u"IPAGothic" },
    { u"ＭＳ Ｐ明朝", u"IPAPMincho" },
    { u"MS PMincho", u"IPAPMincho" },
    { u"ＭＳ Ｐゴシック", u"IPAPGothic" },
    { u"MS PGothic", u"IPAPGothic" },
} };

} // namespace

std::optional<std::u16string> aliasFamily(std::u16string_view faceName)
{
    for (const auto& [stored, family] : aliases) {
        if (stored == faceName) {
            return std::u16string(family);
        }
    }
    return std::nullopt;
}

} // namespace vantolex
