#include <gtest/gtest.h>

#include "FaceDescription.h"
#include "PdfText.h"
#include "base/Utf16.h"
#include "layout/device/CairoFont.h"
#include "layout/device/CairoImageDevice.h"
#include "layout/device/FontAliases.h"
#include "layout/device/FontFamilies.h"

namespace vantolex {
namespace {

using testing::face;

TEST(CairoFont, RefusesWhatNoDeviceCanMake)
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

TEST(CairoFont, NegativeHeightIsTheEmAndPositiveHeightTheCell)
{
    SKIP_WITHOUT_FAMILY(u"Noto Sans Mono CJK JP");
    CairoImageDevice device(10, 10, { 10, 10, 96, 96 });
    auto em = device.createFont(face(u"Noto Sans Mono CJK JP", -100));
    auto cell = device.createFont(face(u"Noto Sans Mono CJK JP", 100));
    ASSERT_NE(em, nullptr);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(static_cast<const CairoFont&>(*em).emPixels(), 100.0);
    // Noto CJK's cell is taller than its em, so a cell of 100 pixels holds a smaller em.
    EXPECT_LT(static_cast<const CairoFont&>(*cell).emPixels(), 80.0);
    EXPECT_EQ(device.textExtent(*em, u"あ"), 100);
}

TEST(CairoFont, VerticalFlowOnlyForVerticalFaceWithEscapement2700)
{
    SKIP_WITHOUT_FAMILY(u"IPAMincho");
    CairoImageDevice device(10, 10, { 10, 10, 96, 96 });
    struct Row
    {
        const char* name;
        FontDescription description;
        TextFlow flow;
        CairoFont::Direction direction;
    };
    const Row rows[] = {
        { "horizontal face", face(u"IPAMincho", -40), TextFlow::Horizontal, CairoFont::Direction::Across },
        { "vertical face turned", face(u"@IPAMincho", -40, 2700), TextFlow::Vertical, CairoFont::Direction::Down },
        { "horizontal face turned", face(u"IPAMincho", -40, 2700), TextFlow::Horizontal, CairoFont::Direction::Down },
        { "vertical face not turned", face(u"@IPAMincho", -40), TextFlow::Horizontal, CairoFont::Direction::Across },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto font = device.createFont(row.description);
        ASSERT_NE(font, nullptr);
        const auto& cairoFont = static_cast<const CairoFont&>(*font);
        EXPECT_EQ(cairoFont.flow(), row.flow);
        EXPECT_EQ(cairoFont.direction(), row.direction);
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
