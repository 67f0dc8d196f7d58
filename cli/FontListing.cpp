#include "cli/FontListing.h"

#include <ostream>

#include "base/Utf16.h"
#include "cli/CliMessages.h"
#include "render/fonts/FallbackFamilies.h"
#include "render/fonts/FontCatalogue.h"

namespace vantolex {

void listFonts(std::ostream& out)
{
    FontCatalogue catalogue;
    FallbackFamilies fallbacks;
    for (const bool vertical : { false, true }) {
        for (const bool proportional : { false, true }) {
            catalogue.enumerateFonts(vertical, proportional);
            for (const auto& language : catalogue.languages()) {
                for (const auto& [face, index] : catalogue.facesOf(language)) {
                    out << toUtf8(language) << '\t' << toUtf8(face) << '\t'
                        << toUtf8(proportional ? cliText::proportionalPitch : cliText::fixedPitch) << '\t'
                        << toUtf8(vertical ? cliText::verticalWriting : cliText::horizontalWriting) << '\t'
                        << toUtf8(fallbacks.of(face)) << '\n';
                }
            }
        }
    }
}

} // namespace vantolex
