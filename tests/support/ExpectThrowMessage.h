// EXPECT_THROW_MESSAGE(statement, ExceptionType, u"text"): the statement throws ExceptionType (or a
// class derived from it) whose message is exactly the text.
#pragma once

#include <gtest/gtest.h>

#include "base/Errors.h"
#include "base/Utf16.h"

#define EXPECT_THROW_MESSAGE(statement, ExceptionType, expectedText)                                                   \
    do {                                                                                                               \
        bool thrownAsExpected_ = false;                                                                                \
        try {                                                                                                          \
            statement;                                                                                                 \
        } catch (const ExceptionType& caught_) {                                                                       \
            thrownAsExpected_ = true;                                                                                  \
            EXPECT_EQ(vantolex::toUtf8(caught_.message), vantolex::toUtf8(expectedText));                              \
        }                                                                                                              \
        EXPECT_TRUE(thrownAsExpected_) << #statement " did not throw " #ExceptionType;                                 \
    } while (false)
