// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/QtCameraBackend.h"

#include "core/camera/CameraCaptureService.h"
#include "platform/MediaBackends.h"
#include "support/FakeCamera.h"

#include <gtest/gtest.h>
#include <vector>

using namespace qv;

TEST(QtCameraBackend, WithoutCamerasTheCaptureServiceSaysNoneWasFound) {
    auto backend = mediaBackends::makeCaptureBackend([] { return 0.0; });
    EXPECT_TRUE(backend->devices().isEmpty()); // this machine has no camera
    EXPECT_FALSE(backend->open("by-id/usb-Acme-video-index0"));

    CameraCaptureService service(*backend, [] { return PoseDetectorLoad{Failure{}}; });
    std::vector<QString> errors;
    CameraCaptureService::Handlers handlers;
    handlers.error = [&](const QString& text) { errors.push_back(text); };
    service.setHandlers(handlers);
    service.start(std::nullopt, qv::ExerciseKind::squat);
    ASSERT_TRUE(test::waitUntil([&] { return !errors.empty(); }));
    EXPECT_EQ(errors, std::vector<QString>{"No camera was found."});
}
