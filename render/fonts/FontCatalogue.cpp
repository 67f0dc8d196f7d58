#include "render/fonts/FontCatalogue.h"

#include <algorithm>

#include "settings/FaceName.h"
#include "settings/FontAliases.h"

namespace vantolex {

namespace {

char16_t foldCase(char16_t c)
{
    if (c >= u'A' && c <= u'Z') {
        return static_cast<char16_t>(c - u'A' + u'a');
    }
    if (c >= u'Ａ' && c <= u'Ｚ') {
        return static_cast<char16_t>(c - u'Ａ' + u'ａ');
    }
    return c;
}

} // namespace

bool startsWithIgnoringCase(std::u16string_view text, std::u16string_view prefix)
{
    if (prefix.size() > text.size()) {
        return false;
    }
    return std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char16_t a, char16_t b) { return foldCase(a) == foldCase(b); });
}

FontCatalogue::FontCatalogue()
    : m_faces(installedFaces())
{
}

FontCatalogue::FontCatalogue(std::vector<InstalledFace> faces)
    : m_faces(std::move(faces))
{
}

void FontCatalogue::enumerateFonts(bool vertical, bool proportional)
{
    m_fontList.clear();
    m_facesByScript.clear();
    m_languages.clear();
    for (const InstalledFace& face : m_faces) {
        // Every face is offered for horizontal writing; vertically, only those that cover Chinese, Japanese or
        // Korean, named as their vertical-writing faces.
        if (face.fixedPitch == proportional || (vertical && !face.eastAsian)) {
            continue;
        }
        const std::u16string fullName = FaceName { face.name, vertical }.stored();
        for (const std::u16string& script : face.scripts) {
            FontDescription description;
            description.faceName = fullName;
            description.script = script;
            description.pitch = face.fixedPitch ? FontPitch::Fixed : FontPitch::Variable;
            m_fontList.push_back(std::move(description));
            if (m_facesByScript.find(script) == m_facesByScript.end()) {
                m_languages.push_back(script);
            }
            m_facesByScript.emplace(script, FaceEntry { fullName, m_fontList.size() - 1 });
        }
    }
}

std::vector<FontCatalogue::FaceEntry> FontCatalogue::facesOf(std::u16string_view script) const
{
    std::vector<FaceEntry> faces;
    const auto [first, last] = m_facesByScript.equal_range(std::u16string(script));
    for (auto it = first; it != last; ++it) {
        faces.push_back(it->second);
    }
    std::stable_sort(faces.begin(), faces.end(),
                     [](const FaceEntry& a, const FaceEntry& b) { return a.first < b.first; });
    return faces;
}

FontCatalogue::Choice FontCatalogue::selectFont(bool proportional, bool vertical, std::u16string_view language,
                                                std::u16string_view face)
{
    enumerateFonts(vertical, proportional);
    Choice choice;
    if (m_languages.empty()) {
        return choice;
    }
    const auto chosenLanguage = std::find_if(m_languages.begin(), m_languages.end(), [&](const std::u16string& item) {
        return startsWithIgnoringCase(item, language);
    });
    choice.language = chosenLanguage != m_languages.end() ? *chosenLanguage : m_languages.front();

    const std::vector<FaceEntry> faces = facesOf(choice.language);
    if (faces.empty()) {
        return choice;
    }
    auto chosen = std::find_if(faces.begin(), faces.end(),
                               [&](const FaceEntry& entry) { return startsWithIgnoringCase(entry.first, face); });
    if (chosen == faces.end()) {
        // A stored name of another system: the installed face that stands in for it.
        const auto alias = aliasFamily(FaceName::parse(face).family);
        if (alias) {
            chosen = std::find_if(faces.begin(), faces.end(), [&](const FaceEntry& entry) {
                const std::u16string name = FaceName::parse(entry.first).family;
                const auto installed = std::find_if(m_faces.begin(), m_faces.end(),
                                                    [&](const InstalledFace& f) { return f.name == name; });
                return installed != m_faces.end()
                    && std::find(installed->familyNames.begin(), installed->familyNames.end(), *alias)
                    != installed->familyNames.end();
            });
        }
    }
    if (chosen == faces.end()) {
        chosen = faces.begin();
        choice.substituted = true;
    }
    choice.fontName = chosen->first;
    choice.description = m_fontList[chosen->second];
    return choice;
}

} // namespace vantolex
