// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PlatformBackends.h"

#include "core/breakscreen/BreakScreenHold.h"
#include "core/coordination/CameraAccess.h"
#include "core/notifications/NotificationService.h"
#include "core/scheduling/SmartPausePolicy.h"
#include "core/services/BuildInfo.h"
#include "core/services/LoginItemService.h"
#include "platform/common/MultimediaSoundOutput.h"
#include "platform/common/NetworkUpdateFeed.h"
#include "platform/common/QtCameraBackend.h"
#include "platform/common/VideoFileCameraBackend.h"

#include <QtGlobal>
#include <limits>

#if defined(Q_OS_LINUX)
#include "platform/linux/FreedesktopNotificationService.h"
#include "platform/linux/LinuxDesktopAccess.h"
#include "platform/linux/LinuxSmartPauseProbes.h"
#include "platform/linux/VideoDeviceNodes.h"
#include "platform/linux/X11WindowFocus.h"
#include "platform/linux/XdgAutostartLoginItem.h"
#include "platform/linux/gnome/GnomeShellBreakHold.h"

#include <QGuiApplication>
#endif

namespace qv::platformBackends {

namespace {

// A video file standing in for the camera, and platforms without a camera permission.
class AssumedCameraAccess final : public CameraAccess {
public:
    CameraAuthorization status() const override { return CameraAuthorization::authorized; }
    void requestAccess(std::function<void(bool)> answer) override { answer(true); }
};

#if !defined(Q_OS_LINUX)
// Until this platform has adapters of its own: no notifications, no smart-pause readings,
// the camera's own answer at start, and no settings pages.
class NoNotifications final : public NotificationService {
public:
    void post(const NotificationContent&) override {}
    void withdraw() override {}
    void refreshAvailability() override {}
    NotificationAvailability availability() const override {
        return NotificationAvailability::unavailable;
    }
};
class NoSmartPauseReadings final : public SmartPauseProbing {
public:
    bool isMicrophoneInUse() override { return false; }
    bool isCameraInUse() override { return false; }
    double secondsSinceLastInput() override { return std::numeric_limits<double>::quiet_NaN(); }
};
class NoSettingsPages final : public SystemSettingsOpener {
public:
    void openCameraSettings() override {}
    void openNotificationSettings() override {}
};

class UnavailableLoginItem final : public LoginItemService {
public:
    LoginItemStatus status() const override { return LoginItemStatus::unavailable; }
    std::optional<QString> registerItem() override { return unsupported(); }
    std::optional<QString> unregisterItem() override { return unsupported(); }

private:
    static QString unsupported() { return QStringLiteral("Not supported on this system."); }
};
#endif

} // namespace

std::unique_ptr<LoginItemService> makeLoginItemService() {
#if defined(Q_OS_LINUX)
    return std::make_unique<XdgAutostartLoginItem>(
        XdgAutostartLoginItem::defaultAutostartFolder(),
        XdgAutostartLoginItem::installedExecutablePath());
#else
    return std::make_unique<UnavailableLoginItem>();
#endif
}

std::unique_ptr<UpdateFeed> makeUpdateFeed() {
    return std::make_unique<NetworkUpdateFeed>(QUrl(buildInfo::updateFeedUrl));
}

std::unique_ptr<SoundOutput> makeSoundOutput() {
    return std::make_unique<MultimediaSoundOutput>();
}

// Qt's GStreamer backend names a camera by its device node; the node's by-id name is what
// stays the same from run to run.
std::unique_ptr<CameraBackend> makeCameraBackend(std::function<double()> clock) {
#if defined(Q_OS_LINUX)
    auto identify = [](const QCameraDevice& device) {
        const QString node = QString::fromUtf8(device.id());
        return QtCameraBackend::Identity{linuxcam::stableId(node), linuxcam::isBuiltIn(node)};
    };
    auto isInUse = [](const QCameraDevice& device) {
        return linuxcam::isHeldByAnotherProcess(QString::fromUtf8(device.id()));
    };
#else
    auto identify = [](const QCameraDevice& device) {
        return QtCameraBackend::Identity{QString::fromUtf8(device.id()),
                                         device.position() == QCameraDevice::FrontFace};
    };
    auto isInUse = [](const QCameraDevice&) { return false; };
#endif
    return std::make_unique<QtCameraBackend>(identify, isInUse, std::move(clock));
}

CameraAuthorization cameraAuthorizationStatus() {
#if defined(Q_OS_LINUX)
    return linuxcam::authorization();
#else
    return CameraAuthorization::authorized;
#endif
}

std::unique_ptr<NotificationService> makeNotificationService() {
#if defined(Q_OS_LINUX)
    return std::make_unique<FreedesktopNotificationService>();
#else
    return std::make_unique<NoNotifications>();
#endif
}

std::unique_ptr<SmartPauseProbing> makeSmartPauseProbes() {
#if defined(Q_OS_LINUX)
    return std::make_unique<LinuxSmartPauseProbes>();
#else
    return std::make_unique<NoSmartPauseReadings>();
#endif
}

std::unique_ptr<CameraAccess> makeCameraAccess() {
#if defined(Q_OS_LINUX)
    return std::make_unique<LinuxCameraAccess>();
#else
    return std::make_unique<AssumedCameraAccess>();
#endif
}

std::unique_ptr<SystemSettingsOpener> makeSettingsOpener() {
#if defined(Q_OS_LINUX)
    return std::make_unique<DesktopSettingsOpener>();
#else
    return std::make_unique<NoSettingsPages>();
#endif
}

Cameras makeCameras(std::function<double()> clock, const QString& videoFile) {
    if (videoFile.isEmpty()) {
        return {makeCameraBackend(std::move(clock)), makeCameraAccess(),
                &cameraAuthorizationStatus};
    }
    VideoFileOptions options;
    options.pace = VideoFileOptions::Pace::realTime;
    options.clock = std::move(clock);
    return {std::make_unique<VideoFileCameraBackend>(videoFile, std::move(options)),
            std::make_unique<AssumedCameraAccess>(),
            [] { return CameraAuthorization::authorized; }};
}

std::unique_ptr<ForeignWindowFocus> makeForeignWindowFocus() {
#if defined(Q_OS_LINUX)
    return X11WindowFocus::create();
#else
    return nullptr;
#endif
}

std::unique_ptr<BreakScreenHold> makeBreakScreenHold(const QString& windowTitle,
                                                     double safetySeconds) {
#if defined(Q_OS_LINUX)
    const bool wayland = QGuiApplication::platformName() == QStringLiteral("wayland");
    const bool gnome = qEnvironmentVariable("XDG_CURRENT_DESKTOP")
                           .split(u':')
                           .contains(QStringLiteral("GNOME"), Qt::CaseInsensitive);
    if (wayland && gnome) {
        GnomeShellBreakHold::Options options;
        options.windowTitle = windowTitle;
        options.safetySeconds = safetySeconds;
        return std::make_unique<GnomeShellBreakHold>(QDBusConnection::sessionBus(), options);
    }
#endif
    static_cast<void>(windowTitle);
    static_cast<void>(safetySeconds);
    return nullptr;
}

} // namespace qv::platformBackends
