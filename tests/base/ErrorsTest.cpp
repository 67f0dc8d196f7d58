#include <gtest/gtest.h>

#include "base/Errors.h"
#include "support/ExpectThrowMessage.h"

namespace vantolex {
namespace {

// The handlers of the print run rely on the class relations: Error catches PrinterError, Exception catches
// all four text-carrying classes, and the signals are caught by nothing but their own handlers.
TEST(Errors, HandlersReceiveDerivedClasses)
{
    EXPECT_THROW_MESSAGE(throw PrinterError(u"印刷が中止されました。"), Error, u"印刷が中止されました。");
    EXPECT_THROW_MESSAGE(throw Warning(u"印刷を中止しました。"), Exception, u"印刷を中止しました。");
    EXPECT_THROW_MESSAGE(throw Error(u""), Exception, u"");

    bool caughtAsWarning = false;
    try {
        try {
            throw PrinterError(u"x");
        } catch (const Warning&) {
            caughtAsWarning = true;
        }
    } catch (const PrinterError& error) {
        EXPECT_EQ(error.message, u"x");
    }
    EXPECT_FALSE(caughtAsWarning);
}

TEST(Errors, SignalsAreNotExceptions)
{
    auto caughtAsException = [](auto signal) {
        try {
            try {
                throw signal;
            } catch (const Exception&) {
                return true;
            }
        } catch (const decltype(signal)&) {
            return false;
        }
    };
    EXPECT_FALSE(caughtAsException(NotifyEndLine {}));
    EXPECT_FALSE(caughtAsException(NotifyEndOutput {}));
}

TEST(Errors, CopyingCopiesTheText)
{
    Warning original(u"余白が大き過ぎます。");
    Warning copy = original;
    original.message.clear();
    EXPECT_EQ(copy.message, u"余白が大き過ぎます。");
}

} // namespace
} // namespace vantolex
