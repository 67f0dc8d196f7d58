#include "render/fonts/FaceLibrary.h"

#include <limits>

namespace vantolex {

std::optional<FaceId> FaceLibrary::open(const std::string& file, unsigned int index)
{
    for (std::size_t i = 0; i < m_faces.size(); ++i) {
        if (m_faces[i].face->file() == file && m_faces[i].face->index() == index) {
            return static_cast<FaceId>(i);
        }
    }
    if (m_faces.size() > std::numeric_limits<FaceId>::max()) {
        return std::nullopt;
    }
    auto face = FontFace::open(file, index);
    if (!face) {
        return std::nullopt;
    }
    m_faces.push_back({ std::move(face), {} });
    return static_cast<FaceId>(m_faces.size() - 1);
}

bool FaceLibrary::claim(FaceId face, std::uint32_t glyph, char32_t c)
{
    auto [at, inserted] = m_faces[face].use.codePoints.try_emplace(glyph, c);
    if (inserted || at->second == c) {
        return false;
    }
    if (at->second == 0) {
        at->second = c; // drawn inside clusters so far: from now on it stands for `c`
        return false;
    }
    return true;
}

} // namespace vantolex
