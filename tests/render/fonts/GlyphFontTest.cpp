#include <gtest/gtest.h>

#include "base/Utf16.h"
#include "render/cairo/CairoImageDevice.h"
#include "render/fonts/FontFamilies.h"
#include "render/fonts/GlyphFont.h"
#include "render/fonts/LinePlacement.h"
#include "settings/FontAliases.h"
#include "support/FaceDescription.h"
#include "support/PdfText.h"

namespace vantolex {
namespace {

using testing::face;

TEST(GlyphFont, RefusesWhatNoDeviceCanMake)
{
    CairoImageDevice device(10, 10, { 10, 10, 96, 96 });
    struct Row
    {
        const char* name;
        FontDescription description;
    };
    const Row rows[] = {
        { "height 0", face(u"IPAMincho", 0) },
        { "escapement 900", face(u"IPAMincho", -40, 900) },
        { "escapement 1800", face(u"IPAMincho", -40, 1800) },
        { "empty face name", face(u"", -40) },
        { "only the vertical mark", face(u"@", -40, 2700) },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(device.createFont(row.description), nullptr);
    }
}

TEST(GlyphFont, NegativeHeightIsTheEmAndPositiveHeightTheCell)
{
    SKIP_WITHOUT_FAMILY(u"Noto Sans Mono CJK JP");
    // Pixels twice as tall as wide: the em along a horizontal line is half as many pixels as across it.
    CairoImageDevice device(10, 10, { 10, 10, 96, 192 });
    auto em = device.createFont(face(u"Noto Sans Mono CJK JP", -100));
    auto cell = device.createFont(face(u"Noto Sans Mono CJK JP", 100));
    ASSERT_NE(em, nullptr);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(static_cast<const GlyphFont&>(*em).metrics().emAcross, 100.0);
    EXPECT_EQ(static_cast<const GlyphFont&>(*em).metrics().emAlong, 50.0);
    // Noto CJK's cell is taller than its em, so a cell of 100 pixels holds a smaller em.
    EXPECT_LT(static_cast<const GlyphFont&>(*cell).metrics().emAcross, 80.0);
    EXPECT_EQ(device.textExtent(*em, u"あ"), 50);
}

TEST(GlyphFont, VerticalFormsOnlyForVerticalFaceWithEscapement2700)
{
    SKIP_WITHOUT_FAMILY(u"IPAMincho");
    CairoImageDevice device(10, 10, { 10, 10, 96, 96 });
    struct Row
    {
        const char* name;
        FontDescription description;
        GlyphFont::Direction direction;
        GlyphOrientation kanji; // how 漢 is drawn
        GlyphOrientation letter; // how A is drawn
    };
    const Row rows[] = {
        { "horizontal face", face(u"IPAMincho", -40), GlyphFont::Direction::Across, GlyphOrientation::Horizontal,
          GlyphOrientation::Horizontal },
        { "vertical face turned", face(u"@IPAMincho", -40, 2700), GlyphFont::Direction::Down, GlyphOrientation::Upright,
          GlyphOrientation::Sideways },
        { "horizontal face turned", face(u"IPAMincho", -40, 2700), GlyphFont::Direction::Down,
          GlyphOrientation::Sideways, GlyphOrientation::Sideways },
        { "vertical face not turned", face(u"@IPAMincho", -40), GlyphFont::Direction::Across,
          GlyphOrientation::Horizontal, GlyphOrientation::Horizontal },
    };
    std::vector<PlacedGlyph> glyphs;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto font = device.createFont(row.description);
        ASSERT_NE(font, nullptr);
        const auto& glyphFont = static_cast<const GlyphFont&>(*font);
        EXPECT_EQ(glyphFont.metrics().direction, row.direction);
        placeLine(glyphFont, u"漢A", glyphs);
        ASSERT_EQ(glyphs.size(), 2u);
        EXPECT_EQ(glyphs[0].orientation, row.kanji);
        EXPECT_EQ(glyphs[1].orientation, row.letter);
    }
}

TEST(GlyphCache, OnAVerticalLineWideCharactersStandAndNarrowOnesAndLettersLie)
{
    struct Row
    {
        char32_t c;
        bool upright;
    };
    const Row rows[] = {
        { U'あ', true }, { U'漢', true }, { U'ー', true }, { U'「', true }, { U'Ａ', true },
        { U'한', true }, { U'€', true },  { U'∑', true },  { U'½', true },  { U'○', true },
        { U'A', false }, { U'1', false }, { U'ｱ', false }, { U'¥', false }, { U'é', false },
        { U'ß', false }, { U'α', false }, { U'Я', false }, { U'𠮷', true },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(static_cast<unsigned>(row.c));
        EXPECT_EQ(standsUpright(row.c), row.upright);
    }
}

TEST(FontAliases, MapsTheStoredFaceNamesOfOtherSystems)
{
    struct Row
    {
        std::u16string_view stored;
        std::optional<std::u16string> family;
    };
    const Row rows[] = {
        { u"ＭＳ 明朝", u"IPAMincho" },    { u"MS Mincho", u"IPAMincho" },        { u"ＭＳ ゴシック", u"IPAGothic" },
        { u"ＭＳ Ｐ明朝", u"IPAPMincho" }, { u"ＭＳ Ｐゴシック", u"IPAPGothic" }, { u"ＭＳ明朝", std::nullopt },
        { u"@ＭＳ 明朝", std::nullopt },   { u"IPAMincho", std::nullopt },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(toUtf8(row.stored));
        EXPECT_EQ(aliasFamily(row.stored), row.family);
    }
}

TEST(FontFamilies, ResolvesUninstalledStoredNamesThroughTheAliases)
{
    SKIP_WITHOUT_FAMILY(u"IPAMincho");
    EXPECT_EQ(resolveFamily(u"ＭＳ 明朝"), u"IPAMincho");
    EXPECT_EQ(resolveFamily(u"@ＭＳ 明朝"), u"IPAMincho");
    EXPECT_EQ(resolveFamily(u"IPA明朝"), u"IPA明朝"); // the Japanese family name is installed as such
    EXPECT_EQ(resolveFamily(u"@IPAGothic"), u"IPAGothic");
    EXPECT_EQ(resolveFamily(u"No Such Face"), u"No Such Face");
    EXPECT_TRUE(isFamilyInstalled(u"IPA明朝"));
    EXPECT_FALSE(isFamilyInstalled(u"No Such Face"));
    EXPECT_FALSE(isFamilyInstalled(u""));
}

} // namespace
} // namespace vantolex
