// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/QtCameraBackend.h"

#include "core/camera/CameraCaptureService.h"
#include "platform/PlatformBackends.h"
#include "support/FakeCamera.h"

#include <QFile>
#include <gtest/gtest.h>
#include <vector>

using namespace qv;

TEST(QtCameraBackend, WithoutCamerasTheCaptureServiceSaysNoneWasFound) {
    auto backend = platformBackends::makeCameraBackend([] { return 0.0; });
    EXPECT_TRUE(backend->devices().isEmpty()); // this machine has no camera
    EXPECT_FALSE(backend->open("by-id/usb-Acme-video-index0"));

    CameraCaptureService service(*backend, [] { return PoseDetectorLoad{Failure{}}; });
    std::vector<QString> errors;
    CameraCaptureService::Handlers handlers;
    handlers.error = [&](const QString& text) { errors.push_back(text); };
    service.setHandlers(handlers);
    service.start(std::nullopt);
    ASSERT_TRUE(test::waitUntil([&] { return !errors.empty(); }));
    EXPECT_EQ(errors, std::vector<QString>{"No camera was found."});
}

#if defined(Q_OS_LINUX)
// Qt watches the devices of every GStreamer device provider; Vulkan's would load every Vulkan
// driver and LLVM, half the memory of a program that idles in the tray all day.
TEST(QtCameraBackend, ListingCamerasLoadsNoVulkanDriver) {
    auto backend = platformBackends::makeCameraBackend([] { return 0.0; });
    (void)backend->devices();
    QFile maps(QStringLiteral("/proc/self/maps"));
    ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
    EXPECT_FALSE(maps.readAll().contains("libvulkan"));
}
#endif
