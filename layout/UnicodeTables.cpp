#include "layout/UnicodeTables.h"

namespace vantolex {

namespace {

bool testBit(const std::uint8_t (&set)[8192], char16_t unit)
{
    return (set[unit / 8] >> (unit % 8) & 1) != 0;
}

} // namespace

bool isPrintable(char16_t unit)
{
    return testBit(PrintableSet, unit);
}

bool isDoubleWidth(char16_t unit)
{
    return testBit(DoubleWidthSet, unit);
}

} // namespace vantolex
