#include <gtest/gtest.h>

#include <set>

#include "base/Utf16.h"
#include "render/fonts/FontCatalogue.h"
#include "render/fonts/FontFamilies.h"
#include "settings/SettingsStore.h"
#include "support/PdfText.h"

namespace vantolex {
namespace {

InstalledFace installed(std::u16string name, std::vector<std::u16string> scripts, bool fixedPitch, bool eastAsian,
                        std::vector<std::u16string> familyNames = {})
{
    if (familyNames.empty()) {
        familyNames.push_back(name);
    }
    return { std::move(name), std::move(familyNames), std::move(scripts), fixedPitch, eastAsian };
}

// A small system: two fixed-pitch Japanese faces, a proportional one, a Latin monospace face and a
// proportional Latin face, in the order the inventory sorts them.
std::vector<InstalledFace> sampleFaces()
{
    return {
        installed(u"DejaVu Sans", { u"欧文", u"ギリシャ語", u"キリル" }, false, false),
        installed(u"DejaVu Sans Mono", { u"欧文", u"キリル" }, true, false),
        installed(u"IPA P明朝", { u"欧文", u"日本語" }, false, true, { u"IPAPMincho", u"IPA P明朝" }),
        installed(u"IPAゴシック", { u"欧文", u"日本語", u"キリル" }, true, true, { u"IPAGothic", u"IPAゴシック" }),
        installed(u"IPA明朝", { u"欧文", u"日本語", u"キリル" }, true, true, { u"IPAMincho", u"IPA明朝" }),
    };
}

std::vector<std::u16string> namesOf(const std::vector<FontCatalogue::FaceEntry>& faces)
{
    std::vector<std::u16string> names;
    for (const auto& face : faces) {
        names.push_back(face.first);
    }
    return names;
}

TEST(FontCatalogue, FixedPitchHorizontalFacesOnlyWhenNeitherBoxIsChecked)
{
    FontCatalogue catalogue(sampleFaces());
    catalogue.enumerateFonts(false, false);
    EXPECT_EQ(catalogue.languages(), (std::vector<std::u16string> { u"欧文", u"キリル", u"日本語" }));
    ASSERT_EQ(catalogue.fontList().size(), 8u); // Mono ×2, IPAゴシック ×3, IPA明朝 ×3
    EXPECT_EQ(catalogue.fontList()[0].faceName, u"DejaVu Sans Mono");
    EXPECT_EQ(catalogue.fontList()[0].script, u"欧文");
    EXPECT_EQ(catalogue.fontList()[0].pitch, FontPitch::Fixed);
    EXPECT_EQ(catalogue.fontList()[0].height, 0);
    EXPECT_EQ(catalogue.fontList()[0].escapement, 0);
    EXPECT_EQ(namesOf(catalogue.facesOf(u"日本語")), (std::vector<std::u16string> { u"IPAゴシック", u"IPA明朝" }));
    EXPECT_EQ(namesOf(catalogue.facesOf(u"欧文")),
              (std::vector<std::u16string> { u"DejaVu Sans Mono", u"IPAゴシック", u"IPA明朝" }));
    for (const auto& [script, face] : catalogue.facesByScript()) {
        SCOPED_TRACE(toUtf8(face.first));
        EXPECT_EQ(catalogue.fontList()[face.second].faceName, face.first);
        EXPECT_EQ(catalogue.fontList()[face.second].script, script);
    }
}

TEST(FontCatalogue, ProportionalFacesOnlyWithTheProportionalBox)
{
    FontCatalogue catalogue(sampleFaces());
    catalogue.enumerateFonts(false, true);
    EXPECT_EQ(catalogue.languages(), (std::vector<std::u16string> { u"欧文", u"ギリシャ語", u"キリル", u"日本語" }));
    EXPECT_EQ(namesOf(catalogue.facesOf(u"欧文")), (std::vector<std::u16string> { u"DejaVu Sans", u"IPA P明朝" }));
    for (const auto& description : catalogue.fontList()) {
        EXPECT_EQ(description.pitch, FontPitch::Variable);
    }
}

TEST(FontCatalogue, VerticalFacesOnlyInVerticalModeAndOnlyForEastAsianFaces)
{
    FontCatalogue catalogue(sampleFaces());
    catalogue.enumerateFonts(true, false);
    EXPECT_EQ(catalogue.languages(), (std::vector<std::u16string> { u"欧文", u"日本語", u"キリル" }));
    EXPECT_EQ(namesOf(catalogue.facesOf(u"欧文")), (std::vector<std::u16string> { u"@IPAゴシック", u"@IPA明朝" }));
    for (const auto& description : catalogue.fontList()) {
        EXPECT_EQ(description.faceName.front(), u'@');
    }
    catalogue.enumerateFonts(false, false);
    for (const auto& description : catalogue.fontList()) {
        EXPECT_NE(description.faceName.front(), u'@');
    }
    catalogue.enumerateFonts(true, true);
    EXPECT_EQ(namesOf(catalogue.facesOf(u"日本語")), (std::vector<std::u16string> { u"@IPA P明朝" }));
}

TEST(FontCatalogue, RepeatedEnumerationsNeverRepeatALanguage)
{
    FontCatalogue catalogue(sampleFaces());
    for (int round = 0; round < 3; ++round) {
        for (const bool proportional : { false, true, false }) {
            catalogue.enumerateFonts(false, proportional);
            const std::set<std::u16string> distinct(catalogue.languages().begin(), catalogue.languages().end());
            EXPECT_EQ(distinct.size(), catalogue.languages().size());
        }
    }
}

TEST(FontCatalogue, SelectFontChoosesAsTheFontPageDoes)
{
    struct Row
    {
        const char* name;
        bool proportional;
        bool vertical;
        std::u16string language;
        std::u16string face;
        std::u16string expectedLanguage;
        std::u16string expectedFace;
        bool substituted = false;
    };
    const Row rows[] = {
        { "exact", false, false, u"日本語", u"IPA明朝", u"日本語", u"IPA明朝" },
        { "prefix of language and face", false, false, u"日本", u"IPAゴ", u"日本語", u"IPAゴシック" },
        { "face prefix ignoring case", false, false, u"欧文", u"dejavu", u"欧文", u"DejaVu Sans Mono" },
        { "unknown language: the first", false, false, u"ハングル", u"IPA明朝", u"欧文", u"IPA明朝" },
        { "unknown face: the first of the language", false, false, u"日本語", u"Courier", u"日本語", u"IPAゴシック",
          true },
        { "stored name of another system", false, false, u"日本語", u"ＭＳ 明朝", u"日本語", u"IPA明朝" },
        { "its vertical form", false, true, u"日本語", u"@ＭＳ 明朝", u"日本語", u"@IPA明朝" },
        { "proportional stand-in", true, false, u"日本語", u"ＭＳ Ｐ明朝", u"日本語", u"IPA P明朝" },
        { "vertical face named without @", false, true, u"日本語", u"IPA明朝", u"日本語", u"@IPAゴシック", true },
        { "vertical face", false, true, u"日本語", u"@IPA明朝", u"日本語", u"@IPA明朝" },
        { "empty names", false, false, u"", u"", u"欧文", u"DejaVu Sans Mono" },
    };
    FontCatalogue catalogue(sampleFaces());
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto choice = catalogue.selectFont(row.proportional, row.vertical, row.language, row.face);
        EXPECT_EQ(toUtf8(choice.language), toUtf8(row.expectedLanguage));
        EXPECT_EQ(toUtf8(choice.fontName), toUtf8(row.expectedFace));
        ASSERT_TRUE(choice.description);
        EXPECT_EQ(choice.description->faceName, row.expectedFace);
        EXPECT_EQ(choice.description->script, row.expectedLanguage);
        EXPECT_EQ(choice.substituted, row.substituted);
    }
}

// The font page enumerates anew at every switch of its boxes; a face chosen before stays what it was, in the
// settings and in a preset made of them.
TEST(FontCatalogue, ChosenFaceOutlivesReenumerationAndAPresetRoundTrip)
{
    FontCatalogue catalogue(sampleFaces());
    PrintSettings settings;
    settings.fontDescriptor = catalogue.selectFont(false, false, u"日本語", u"IPA明朝").description;
    catalogue.selectFont(true, true, u"欧文", u"");
    SettingsStore store("/nonexistent/VANTOLEX.DAT", SettingsAccess::ReadOnly);
    store.addPreset(u"明朝", settings);
    store.applyPreset(static_cast<int>(store.presets().size()) - 1);
    ASSERT_TRUE(store.currentSettings.fontDescriptor);
    EXPECT_EQ(store.currentSettings.fontDescriptor->faceName, u"IPA明朝");
    EXPECT_EQ(store.currentSettings.fontDescriptor->pitch, FontPitch::Fixed);
}

TEST(FontCatalogue, SelectFontWithoutAnyFittingFaceChoosesNothing)
{
    FontCatalogue catalogue({ installed(u"DejaVu Sans", { u"欧文" }, false, false) });
    const auto choice = catalogue.selectFont(false, true, u"日本語", u"@IPA明朝");
    EXPECT_EQ(choice.language, u"");
    EXPECT_EQ(choice.fontName, u"");
    EXPECT_FALSE(choice.description);
    EXPECT_TRUE(catalogue.fontList().empty());
}

TEST(StartsWithIgnoringCase, FoldsAsciiAndFullWidthLatinOnly)
{
    EXPECT_TRUE(startsWithIgnoringCase(u"IPAMincho", u"ipam"));
    EXPECT_TRUE(startsWithIgnoringCase(u"ＭＳ 明朝", u"ｍｓ"));
    EXPECT_TRUE(startsWithIgnoringCase(u"abc", u""));
    EXPECT_FALSE(startsWithIgnoringCase(u"ab", u"abc"));
    EXPECT_FALSE(startsWithIgnoringCase(u"ＭＳ 明朝", u"MS")); // full-width and ASCII letters differ
    EXPECT_FALSE(startsWithIgnoringCase(u"あいう", u"アイ"));
}

// The installed system, with the packaged faces.
TEST(InstalledFaces, PackagedFacesAreFiledByMeasuredPitchWithJapaneseNames)
{
    SKIP_WITHOUT_FAMILY(u"IPAMincho");
    SKIP_WITHOUT_FAMILY(u"IPAPMincho");
    const auto faces = installedFaces();
    auto find = [&](std::u16string_view familyName) -> const InstalledFace* {
        for (const auto& face : faces) {
            if (std::find(face.familyNames.begin(), face.familyNames.end(), familyName) != face.familyNames.end()) {
                return &face;
            }
        }
        return nullptr;
    };
    const InstalledFace* mincho = find(u"IPAMincho");
    ASSERT_NE(mincho, nullptr);
    EXPECT_EQ(mincho->name, u"IPA明朝");
    EXPECT_TRUE(mincho->fixedPitch);
    EXPECT_TRUE(mincho->eastAsian);
    EXPECT_NE(std::find(mincho->scripts.begin(), mincho->scripts.end(), u"日本語"), mincho->scripts.end());
    EXPECT_NE(std::find(mincho->scripts.begin(), mincho->scripts.end(), u"欧文"), mincho->scripts.end());
    const InstalledFace* proportional = find(u"IPAPMincho");
    ASSERT_NE(proportional, nullptr);
    EXPECT_FALSE(proportional->fixedPitch);
    if (const InstalledFace* noto = find(u"Noto Sans Mono CJK JP")) {
        // fontconfig reports no spacing for it; its advances are fixed all the same.
        EXPECT_TRUE(noto->fixedPitch);
        EXPECT_TRUE(noto->eastAsian);
    }
    if (const InstalledFace* noto = find(u"Noto Sans CJK JP")) {
        EXPECT_FALSE(noto->fixedPitch);
    }
    // Names are unique and sorted.
    for (std::size_t i = 1; i < faces.size(); ++i) {
        EXPECT_LT(faces[i - 1].name, faces[i].name);
    }
}

TEST(InstalledFaces, FacesOfNoScriptAreLeftOut)
{
    const auto faces = installedFaces();
    for (const auto& face : faces) {
        SCOPED_TRACE(toUtf8(face.name));
        EXPECT_FALSE(face.scripts.empty());
    }
}

TEST(InstalledFaces, SystemCatalogueResolvesTheDefaultFaceToIpaMincho)
{
    SKIP_WITHOUT_FAMILY(u"IPAMincho");
    FontCatalogue catalogue;
    const auto horizontal = catalogue.selectFont(false, false, u"日本語", u"ＭＳ 明朝");
    EXPECT_EQ(horizontal.fontName, u"IPA明朝");
    ASSERT_TRUE(horizontal.description);
    EXPECT_EQ(horizontal.description->pitch, FontPitch::Fixed);
    const auto vertical = catalogue.selectFont(false, true, u"日本語", u"@ＭＳ 明朝");
    EXPECT_EQ(vertical.fontName, u"@IPA明朝");
}

TEST(MeasureFace, UnreadableFileIsNotMeasured)
{
    EXPECT_FALSE(measureFace("/nonexistent/font.ttf", 0));
    const std::string self = std::string(VANTOLEX_SOURCE_DIR) + "/CMakeLists.txt";
    EXPECT_FALSE(measureFace(self.c_str(), 0));
}

} // namespace
} // namespace vantolex
