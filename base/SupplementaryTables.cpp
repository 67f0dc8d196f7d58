#include <algorithm>

#include "base/UnicodeTables.h"

namespace vantolex {

namespace {

bool inRanges(const CodePointRange* ranges, int count, char32_t codePoint)
{
    const CodePointRange* end = ranges + count;
    const CodePointRange* at = std::upper_bound(
        ranges, end, codePoint, [](char32_t value, const CodePointRange& range) { return value < range.first; });
    return at != ranges && codePoint <= (at - 1)->last;
}

} // namespace

bool isPrintableSupplementary(char32_t codePoint)
{
    return inRanges(SupplementaryPrintable, SupplementaryPrintableCount, codePoint);
}

bool isWideSupplementary(char32_t codePoint)
{
    return inRanges(SupplementaryWide, SupplementaryWideCount, codePoint);
}

} // namespace vantolex
