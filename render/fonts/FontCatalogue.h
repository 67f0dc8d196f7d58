// The fonts offered for printing: what the font page lists, and the same choice without a window.
//
// An enumeration reports every installed outline face once for each script it supports, and every face
// that covers Chinese, Japanese or Korean once more per script as a vertical-writing face, its name with a
// leading "@". enumerateFonts keeps the results that fit the two check boxes of the font page (vertical
// writing, proportional fonts) and files them by script.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "render/fonts/InstalledFace.h"
#include "settings/FontDescription.h"

namespace vantolex {

class FontCatalogue
{
public:
    // A face of one script: its full name and the index of its description in fontList().
    using FaceEntry = std::pair<std::u16string, std::size_t>;

    // Over the faces installed on this system (read once, here).
    FontCatalogue();
    // Over the given faces, in their order (for tests).
    explicit FontCatalogue(std::vector<InstalledFace> faces);

    // Rebuilds the three collections from the results that pass: a fixed-pitch face exactly when
    // `proportional` is false, a name starting with "@" exactly when `vertical` is true.
    void enumerateFonts(bool vertical, bool proportional);

    // One description per accepted result, in enumeration order; height, width and escapement 0.
    const std::vector<FontDescription>& fontList() const { return m_fontList; }
    // Script name → (full name, index into fontList()); equal keys keep insertion order.
    const std::multimap<std::u16string, FaceEntry>& facesByScript() const { return m_facesByScript; }
    // Each script name once, in the order the enumeration first reported it.
    const std::vector<std::u16string>& languages() const { return m_languages; }

    // The face list for one script as the font page shows it: sorted by name.
    std::vector<FaceEntry> facesOf(std::u16string_view script) const;

    // The font page's choice: after enumerateFonts(vertical, proportional), the first script that begins
    // with `language` (ignoring case), else the first script; in its sorted face list the first face that
    // begins with `face` (ignoring case), else the face standing in for a stored name of another system
    // (see FontAliases.h), else the first face. `description` is a copy of the chosen face's entry of
    // fontList(), empty when no face passes the filter; it stays valid through later enumerations.
    struct Choice
    {
        std::u16string language;
        std::u16string fontName;
        std::optional<FontDescription> description;
        // Neither the face asked for nor its stand-in is installed: the first face was taken instead.
        bool substituted = false;
    };
    Choice selectFont(bool proportional, bool vertical, std::u16string_view language, std::u16string_view face);

private:
    std::vector<InstalledFace> m_faces;
    std::vector<FontDescription> m_fontList;
    std::multimap<std::u16string, FaceEntry> m_facesByScript;
    std::vector<std::u16string> m_languages;
};

// True when `text` begins with `prefix`, ASCII and full-width Latin letters compared without case.
bool startsWithIgnoringCase(std::u16string_view text, std::u16string_view prefix);

} // namespace vantolex
