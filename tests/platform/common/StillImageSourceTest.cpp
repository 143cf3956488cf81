// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/StillImageSource.h"

#include "TestPicture.h"
#include "support/FakeCamera.h"
#include "support/FileBytes.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <mutex>
#include <vector>

using namespace qv;
using qv::test::testPicture;

TEST(StillImageSource, FilmsThePictureOverAndOverAndRefusesUnreadableFiles) {
    test::TemporaryHome home;
    const QString path = home.filePath("person.png");
    ASSERT_TRUE(testPicture().save(path));
    std::mutex mutex;
    std::vector<Frame> frames;
    StillImageSource source(path, 50, [] { return 7.0; });
    FrameSourceCallbacks callbacks;
    callbacks.onFrame = [&](Frame frame) {
        std::lock_guard lock(mutex);
        frames.push_back(std::move(frame));
    };
    ASSERT_EQ(source.start(callbacks).error(), QString());
    ASSERT_TRUE(test::waitUntil([&] {
        std::lock_guard lock(mutex);
        return frames.size() >= 3;
    }));
    source.stop();
    const Result<Image> picture = frames[0].picture();
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width(), 6);
    EXPECT_EQ(picture->row(3)[0], 0);
    EXPECT_EQ(picture->row(3)[1], 180);
    EXPECT_EQ(frames[2].capturedAt, 7.0);

    const QString broken = home.filePath("broken.png");
    ASSERT_TRUE(test::writeFile(broken, "not a picture"));
    StillImageSource bad(broken, 30, [] { return 0.0; });
    EXPECT_TRUE(bad.start({}).error().contains("broken.png"));
}
