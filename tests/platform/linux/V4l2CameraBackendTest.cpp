// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/V4l2CameraBackend.h"

#include "platform/PlatformBackends.h"
#include "platform/linux/V4l2CaptureDevices.h"
#include "support/FakeCamera.h"
#include "support/FileBytes.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace qv;

namespace {

void touch(const QString& path) {
    ASSERT_TRUE(test::writeFile(path, {}));
}

v4l2_capability capabilities(std::uint32_t device, std::uint32_t node) {
    v4l2_capability capability{};
    capability.capabilities = device;
    capability.device_caps = node;
    return capability;
}

} // namespace

TEST(V4l2CaptureDevices, ListsOnlyVideoNodesInNumberOrderAndOnlyRealDevices) {
    test::TemporaryHome root;
    const QString sys = root.filePath("sys");
    const QString dev = root.filePath("dev");
    for (const char* name : {"video10", "video2", "video0", "v4l-subdev0", "vbi0", "radio0",
                             "swradio0", "v4l-touch0"}) {
        QDir().mkpath(sys + "/devices/pci0000:00/usb1/" + name);
        QDir().mkpath(sys + "/class/video4linux");
        ASSERT_TRUE(QFile::link(sys + "/devices/pci0000:00/usb1/" + name,
                                sys + "/class/video4linux/" + name));
        touch(dev + "/" + name);
    }
    EXPECT_EQ(linuxcam::videoDeviceNames(sys), (QStringList{"video0", "video2", "video10"}));
    EXPECT_TRUE(linuxcam::videoDeviceNames(root.filePath("nothing")).isEmpty());
    // Plain files answer no capability query: nothing that is not a device is listed.
    EXPECT_TRUE(linuxcam::captureCameras(sys, dev).isEmpty());
}

TEST(V4l2CaptureDevices, OnlyNodesThatCaptureVideoCount) {
    const std::uint32_t uvc =
        V4L2_CAP_VIDEO_CAPTURE | V4L2_CAP_META_CAPTURE | V4L2_CAP_STREAMING | V4L2_CAP_DEVICE_CAPS;
    // A webcam's picture node and the metadata node beside it share the device's capabilities.
    EXPECT_TRUE(
        linuxcam::capturesVideo(capabilities(uvc, V4L2_CAP_VIDEO_CAPTURE | V4L2_CAP_STREAMING)));
    EXPECT_FALSE(
        linuxcam::capturesVideo(capabilities(uvc, V4L2_CAP_META_CAPTURE | V4L2_CAP_STREAMING)));
    // Drivers too old to describe each node.
    EXPECT_TRUE(
        linuxcam::capturesVideo(capabilities(V4L2_CAP_VIDEO_CAPTURE | V4L2_CAP_READWRITE, 0)));
    EXPECT_TRUE(linuxcam::capturesVideo(capabilities(
        V4L2_CAP_DEVICE_CAPS | V4L2_CAP_VIDEO_CAPTURE_MPLANE, V4L2_CAP_VIDEO_CAPTURE_MPLANE)));
    // Codecs and outputs.
    for (const std::uint32_t node :
         {V4L2_CAP_VIDEO_M2M_MPLANE, V4L2_CAP_VIDEO_OUTPUT,
          V4L2_CAP_VIDEO_CAPTURE_MPLANE | V4L2_CAP_VIDEO_OUTPUT_MPLANE}) {
        EXPECT_FALSE(linuxcam::capturesVideo(capabilities(V4L2_CAP_DEVICE_CAPS | node, node)));
    }
}

TEST(V4l2CameraBackend, TellsWhenVideoNodesOrTheirNamesChangeNotOtherDevices) {
    test::TemporaryHome root;
    const QString dev = root.filePath("dev");
    QDir().mkpath(dev);
    V4l2CameraBackend backend(nullptr, {root.filePath("sys"), dev});
    int told = 0;
    int toldAfterLetGo = 0;
    auto watch = backend.watchDevices([&] { ++told; });
    auto laterWatch = backend.watchDevices([&] { ++toldAfterLetGo; });

    touch(dev + "/tty5");
    touch(dev + "/video0");
    ASSERT_TRUE(test::waitUntil([&] { return told == 1; }));
    // The stable name arrives last, in folders that did not exist before.
    QDir().mkpath(dev + "/v4l/by-id");
    ASSERT_TRUE(QFile::link("../../video0", dev + "/v4l/by-id/usb-Acme_Cam-video-index0"));
    ASSERT_TRUE(test::waitUntil([&] { return told == 2; }));

    watch.reset();
    ASSERT_TRUE(QFile::remove(dev + "/video0"));
    ASSERT_TRUE(test::waitUntil([&] { return toldAfterLetGo == 3; }));
    EXPECT_EQ(told, 2);
    EXPECT_TRUE(backend.devices().isEmpty());
}

// The settings' list of cameras must not bring the media framework into the application, and
// a camera the application is asked to open is refused, not captured from.
TEST(V4l2CameraBackend, TheApplicationsCamerasNeitherLoadAMediaPluginNorOpen) {
    auto backend = platformBackends::makeListedCameras().backend;
    EXPECT_TRUE(backend->devices().isEmpty()); // this machine has no camera
    auto watch = backend->watchDevices([] {});
    backend->prepare();
    const auto opened = backend->open("by-id/usb-Acme_Cam-video-index0");
    ASSERT_FALSE(opened);
    EXPECT_FALSE(opened.error().isEmpty());
    QFile maps("/proc/self/maps");
    ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
    const QByteArray mapped = maps.readAll();
    EXPECT_FALSE(mapped.contains("/gstreamer-1.0/"));
    EXPECT_FALSE(mapped.contains("/plugins/multimedia/"));
}
