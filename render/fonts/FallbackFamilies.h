// The family that draws what a face lacks, as the font list of the command-line tool shows it.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace vantolex {

class FaceLibrary;

class FallbackFamilies
{
public:
    FallbackFamilies();
    ~FallbackFamilies();
    FallbackFamilies(const FallbackFamilies&) = delete;
    FallbackFamilies& operator=(const FallbackFamilies&) = delete;

    // The family that draws what the face named `faceName` lacks (a leading "@" ignored, a stored name of
    // another system resolved through its alias); empty when there is none. Each face is looked up once.
    const std::u16string& of(std::u16string_view faceName);

private:
    std::unique_ptr<FaceLibrary> m_library;
    std::map<std::u16string, std::u16string, std::less<>> m_families; // by face name without "@"
};

} // namespace vantolex
