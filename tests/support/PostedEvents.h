// Waiting on the event loop without a fixed pause, for tests that show that something did not happen.
#pragma once

#include <QCoreApplication>
#include <QMetaObject>
#include <QTest>

#include <memory>

namespace vantolex::testing {

// Runs the event loop until everything posted before this call (queued signals and calls, zero-time timers) has
// been delivered: a marker posted behind them has run. False when it has not run within `timeoutMs`.
inline bool deliverPostedEvents(int timeoutMs = 5000)
{
    const auto delivered = std::make_shared<bool>(false);
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [delivered] { *delivered = true; }, Qt::QueuedConnection);
    return QTest::qWaitFor([&] { return *delivered; }, timeoutMs);
}

} // namespace vantolex::testing
