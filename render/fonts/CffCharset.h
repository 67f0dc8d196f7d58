// What the PDF writer needs of a CFF font program (the 'CFF ' table of an OpenType face): whether it is
// CID-keyed, and then the CID of each glyph, by which a PDF names its glyphs.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace vantolex {

struct CffCharset
{
    bool cidKeyed = false; // the top dictionary has a ROS: glyphs are named by CIDs through the charset
    // For a CID-keyed font whose CIDs are not its glyph ids: the CID of each glyph. Empty when every glyph's
    // CID is its id (as in Noto CJK), or for a font that is not CID-keyed.
    std::vector<std::uint16_t> cids;
};

// The charset of `table`; nothing when the table cannot be read.
std::optional<CffCharset> readCffCharset(std::string_view table);

} // namespace vantolex
