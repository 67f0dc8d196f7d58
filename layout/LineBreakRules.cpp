#include "layout/LineBreakRules.h"

namespace vantolex {

// All of them are in the Basic Multilingual Plane.
const std::u16string_view lineStartProhibited
    = u"）〕］｝〉》」』】〙〗〟’”"
      u"、。，．"
      u"・：；？！‼⁇⁈⁉"
      u"ぁぃぅぇぉっゃゅょゎゕゖァィゥェォッャュョヮヵヶㇰㇱㇲㇳㇴㇵㇶㇷㇸㇹㇺㇻㇼㇽㇾㇿ"
      u"ー"
      u"ゝゞヽヾ々〻"
      u"､｡｣ｧｨｩｪｫｬｭｮｯｰ";

const std::u16string_view lineEndProhibited = u"（〔［｛〈《「『【〘〖〝‘“｢";

namespace {

bool inClass(std::u16string_view characters, char32_t codePoint)
{
    return codePoint < 0x10000 && characters.find(static_cast<char16_t>(codePoint)) != std::u16string_view::npos;
}

} // namespace

bool mayNotStartLine(char32_t codePoint)
{
    return inClass(lineStartProhibited, codePoint);
}

bool mayNotEndLine(char32_t codePoint)
{
    return inClass(lineEndProhibited, codePoint);
}

} // namespace vantolex
