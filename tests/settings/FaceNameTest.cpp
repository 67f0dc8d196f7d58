#include <gtest/gtest.h>

#include "settings/FaceName.h"

namespace vantolex {
namespace {

TEST(FaceName, StoredNameParsesIntoFamilyAndDirectionAndBack)
{
    struct Row
    {
        std::u16string_view stored;
        FaceName parsed;
    };
    const Row rows[] = {
        { u"IPAMincho", { u"IPAMincho", false } },
        { u"@IPAMincho", { u"IPAMincho", true } },
        { u"@ＭＳ 明朝", { u"ＭＳ 明朝", true } },
        { u"", { u"", false } },
        { u"@", { u"", true } },
        { u"@@odd", { u"@odd", true } }, // only the first "@" marks the direction
        { u"a@b", { u"a@b", false } },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.stored.begin(), row.stored.end()));
        EXPECT_EQ(FaceName::parse(row.stored), row.parsed);
        EXPECT_EQ(row.parsed.stored(), row.stored);
    }
}

} // namespace
} // namespace vantolex
