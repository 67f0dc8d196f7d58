#include <gtest/gtest.h>

#include "settings/PageSetupExchange.h"

namespace vantolex {
namespace {

TEST(PageSetupExchange, MarginsGoOutInHundredthsOnlyWhenUsed)
{
    PrintSettings settings;
    settings.marginLeft = 1;
    settings.marginTop = 2;
    settings.marginRight = 3;
    settings.marginBottom = 50;
    EXPECT_EQ(preparePageSetup(settings), (PageSetupMargins { false, 0, 0, 0, 0, 0 }));
    settings.useMargins = true;
    EXPECT_EQ(preparePageSetup(settings), (PageSetupMargins { true, 100, 200, 300, 5000, 0 }));
}

TEST(PageSetupExchange, MarginsComeBackTruncatedOnlyWhenUsed)
{
    const PageSetupMargins returned { true, 1299, 5, 7000, 100, 0 };
    PrintSettings unused;
    takePageSetupMargins(unused, returned);
    EXPECT_EQ(unused.marginLeft, 20);
    EXPECT_EQ(unused.marginTop, 20);

    PrintSettings used;
    used.useMargins = true;
    takePageSetupMargins(used, returned);
    EXPECT_EQ(used.marginLeft, 12);
    EXPECT_EQ(used.marginTop, 0);
    EXPECT_EQ(used.marginRight, 70); // above the limit: stored as returned
    EXPECT_EQ(used.marginBottom, 1);
}

} // namespace
} // namespace vantolex
