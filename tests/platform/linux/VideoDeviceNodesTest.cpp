// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VideoDeviceNodes.h"

#include "support/FileBytes.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace qv;

namespace {

void touch(const QString& path, const QByteArray& content = {}) {
    ASSERT_TRUE(test::writeFile(path, content));
}

void link(const QString& target, const QString& at) {
    QDir().mkpath(QFileInfo(at).absolutePath());
    ASSERT_TRUE(QFile::link(target, at));
}

} // namespace

TEST(VideoDeviceNodes, StableIdsComeFromByIdThenByPathAndLeadBackToTheNode) {
    test::TemporaryHome home;
    const QString dev = home.filePath("dev");
    for (const char* node : {"video0", "video1", "video2"}) {
        touch(dev + "/" + node);
    }
    link("../../video0", dev + "/v4l/by-id/usb-Acme_HD_Webcam_1234-video-index0");
    link("../../video0", dev + "/v4l/by-path/pci-0000:00:14.0-usb-0:2:1.0-video-index0");
    link("../../video1", dev + "/v4l/by-path/pci-0000:00:14.0-usb-0:5:1.0-video-index0");

    EXPECT_EQ(linuxcam::stableId(dev + "/video0", dev),
              "by-id/usb-Acme_HD_Webcam_1234-video-index0");
    EXPECT_EQ(linuxcam::stableId(dev + "/video1", dev),
              "by-path/pci-0000:00:14.0-usb-0:5:1.0-video-index0");
    EXPECT_EQ(linuxcam::stableId(dev + "/video2", dev), dev + "/video2");

    const QString canonicalVideo0 = QFileInfo(dev + "/video0").canonicalFilePath();
    EXPECT_EQ(linuxcam::nodeFor("by-id/usb-Acme_HD_Webcam_1234-video-index0", dev),
              canonicalVideo0);
    EXPECT_EQ(linuxcam::nodeFor("by-id/usb-Gone-video-index0", dev), QString());
}

TEST(VideoDeviceNodes, ACameraOnAFixedPortIsBuiltIn) {
    test::TemporaryHome home;
    const QString sys = home.filePath("sys");
    // Laptop camera on an internal port, a webcam on an external one, and a device the
    // tree says nothing about.
    touch(sys + "/devices/usb1/1-5/removable", "fixed\n");
    QDir().mkpath(sys + "/devices/usb1/1-5/1-5:1.0");
    touch(sys + "/devices/usb1/1-2/removable", "removable\n");
    QDir().mkpath(sys + "/devices/usb1/1-2/1-2:1.0");
    QDir().mkpath(sys + "/devices/platform/vivid.0");
    link("../../../devices/usb1/1-5/1-5:1.0", sys + "/class/video4linux/video0/device");
    link("../../../devices/usb1/1-2/1-2:1.0", sys + "/class/video4linux/video2/device");
    link("../../../devices/platform/vivid.0", sys + "/class/video4linux/video4/device");

    EXPECT_TRUE(linuxcam::isBuiltIn("/dev/video0", sys));
    EXPECT_FALSE(linuxcam::isBuiltIn("/dev/video2", sys));
    EXPECT_FALSE(linuxcam::isBuiltIn("/dev/video4", sys));
    EXPECT_FALSE(linuxcam::isBuiltIn("/dev/video9", sys));
}

TEST(VideoDeviceNodes, AuthorisationFollowsWhetherTheNodesOpen) {
    test::TemporaryHome home;
    const QString dev = home.filePath("dev");
    QDir().mkpath(dev);
    EXPECT_EQ(linuxcam::authorization(dev), CameraAuthorization::authorized); // none to refuse
    touch(dev + "/video0");
    EXPECT_EQ(linuxcam::authorization(dev), CameraAuthorization::authorized);

    // A node this user may not open. Root opens anything, so the check runs as nobody.
    QFile::setPermissions(dev + "/video0", QFileDevice::Permissions());
    for (const QString& dir : {home.path(), dev}) {
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                       QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                       QFileDevice::ExeOther);
    }
    if (getuid() != 0) {
        EXPECT_EQ(linuxcam::authorization(dev), CameraAuthorization::denied);
        return;
    }
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const bool dropped = setgid(65534) == 0 && setuid(65534) == 0;
        _exit(dropped ? static_cast<int>(linuxcam::authorization(dev)) : 99);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), static_cast<int>(CameraAuthorization::denied));
}
