// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/QtCameraSource.h"

#include <QCameraDevice>
#include <QCoreApplication>
#include <atomic>
#include <gtest/gtest.h>
#include <memory>

using namespace qv;

// A QCamera for a device that is not there (this machine has none) is refused at start with
// Qt's reason, and the source can be stopped and dropped without frames or callbacks.
TEST(QtCameraSource, ACameraThatIsNotThereFailsToStartWithQtsReason) {
    std::atomic<int> calls{0};
    // Every copy of the callbacks holds the token: once only the test's own remains, nothing
    // can call back any more.
    const auto token = std::make_shared<int>(0);
    FrameSourceCallbacks callbacks;
    callbacks.onFrame = [&, token](Frame) { ++calls; };
    callbacks.onError = [&, token](const QString&) { ++calls; };
    {
        QtCameraSource source(QCameraDevice(), [] { return 0.0; });
        const Status started = source.start(callbacks);
        EXPECT_FALSE(started);
        EXPECT_FALSE(started.error().isEmpty());
        source.stop();
    }
    callbacks = {};
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(token.use_count(), 1);
    EXPECT_EQ(calls, 0);
}
