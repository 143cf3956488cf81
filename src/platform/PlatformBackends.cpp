// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PlatformBackends.h"

#include "core/breakscreen/BreakScreenHold.h"
#include "core/camera/VideoFileCamera.h"
#include "core/coordination/CameraAccess.h"
#include "core/notifications/NotificationService.h"
#include "core/scheduling/SmartPausePolicy.h"
#include "core/services/BuildInfo.h"
#include "core/services/LoginItemService.h"
#include "platform/common/NetworkUpdateFeed.h"

#include <QPointer>
#include <QWindow>
#include <QtGlobal>
#include <limits>

#if defined(Q_OS_LINUX)
#include "platform/linux/FreedesktopNotificationService.h"
#include "platform/linux/LinuxDesktopAccess.h"
#include "platform/linux/LinuxSmartPauseProbes.h"
#include "platform/linux/PulseSoundOutput.h"
#include "platform/linux/V4l2CameraBackend.h"
#include "platform/linux/VideoDeviceNodes.h"
#include "platform/linux/X11BreakHold.h"
#include "platform/linux/X11WindowFocus.h"
#include "platform/linux/XdgAutostartLoginItem.h"
#include "platform/linux/gnome/GnomeShellBreakHold.h"
#include "platform/linux/wayland/KWinBreakHold.h"

#include <QCoreApplication>
#else
#include "platform/common/MultimediaSoundOutput.h"
#endif

namespace qv::platformBackends {

namespace {

// A video file standing in for the camera, and platforms without a camera permission.
class AssumedCameraAccess final : public CameraAccess {
public:
    CameraAuthorization status() const override { return CameraAuthorization::authorized; }
    void requestAccess(std::function<void(bool)> answer) override { answer(true); }
};

// Cameras the application lists but never opens: capture runs in the camera helper process,
// and a camera opened here would bring the media framework in for the rest of the day.
class ListedOnly final : public CameraBackend {
public:
    explicit ListedOnly(QList<CameraDevice> listed = {})
        : listed_(std::move(listed)) {}

    QList<CameraDevice> devices() const override { return listed_; }
    Result<std::unique_ptr<FrameSource>> open(const QString& id) override {
        const QString sentence =
            QStringLiteral("The camera %1 is opened by the camera helper process only.").arg(id);
        qWarning("quorvantel: %s", qPrintable(sentence));
        return Failure{sentence};
    }
    bool isInUseByAnotherProcess(const QString&) const override { return false; }
    std::shared_ptr<void> watchDevices(DevicesChanged) override { return std::make_shared<int>(0); }

private:
    QList<CameraDevice> listed_;
};

// Elsewhere the break windows and Qt's keyboard grab are all there is.
class GrabbedBreakHold final : public BreakScreenHold {
public:
    BreakHoldStatus status() const override {
        return {BreakHoldGuarantee::held, BreakHoldRemedy::none};
    }
    void begin(const std::vector<QObject*>& windows) override {
        end();
        for (QObject* object : windows) {
            if (auto* window = qobject_cast<QWindow*>(object)) {
                window->setKeyboardGrabEnabled(true);
                grabbed_ = window;
                return;
            }
        }
    }
    void end() override {
        if (grabbed_) {
            grabbed_->setKeyboardGrabEnabled(false);
        }
        grabbed_.clear();
    }

private:
    QPointer<QWindow> grabbed_;
};

#if defined(Q_OS_LINUX)
bool desktopIs(const char* name) {
    const QStringList desktops =
        qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':', Qt::SkipEmptyParts);
    return desktops.contains(QLatin1String(name), Qt::CaseInsensitive);
}

std::unique_ptr<BreakScreenHold> makeWaylandBreakHold(const QString& windowTitle,
                                                      double safetySeconds) {
    if (desktopIs("KDE")) {
        return std::make_unique<KWinBreakHold>();
    }
    if (desktopIs("GNOME")) {
        // Only GNOME Shell can keep a window above others there: its extension holds the
        // break, and says when it is off or not yet known to the running shell.
        GnomeShellBreakHold::Options options;
        options.windowTitle = windowTitle;
        options.safetySeconds = safetySeconds;
        return std::make_unique<GnomeShellBreakHold>(QDBusConnection::sessionBus(), options);
    }
    // sway keeps new windows behind a full-screen one and only marks a window that asks for
    // focus as urgent; with its shortcuts inhibited nothing but its IPC can take the screen.
    if (desktopIs("sway") || qEnvironmentVariableIsSet("SWAYSOCK")) {
        return std::make_unique<WaylandBreakHold>(BreakHoldGuarantee::held);
    }
    return std::make_unique<WaylandBreakHold>(BreakHoldGuarantee::leavable);
}
#endif

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
    static QString unsupported() {
        return QCoreApplication::translate("Platform", "Not supported on this system.");
    }
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
#if defined(Q_OS_LINUX)
    return std::make_unique<PulseSoundOutput>();
#else
    return std::make_unique<MultimediaSoundOutput>();
#endif
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

// On Linux the kernel lists the cameras, by the same stable names the capture backend gives
// them. Elsewhere only a media framework could list them, and the application lists none.
Cameras makeListedCameras(const QString& videoFile) {
    if (!videoFile.isEmpty()) {
        return withPermission(std::make_unique<ListedOnly>(QList{videoFileCamera(videoFile)}),
                              videoFile);
    }
#if defined(Q_OS_LINUX)
    return withPermission(std::make_unique<V4l2CameraBackend>(std::make_unique<ListedOnly>()),
                          videoFile);
#else
    return withPermission(std::make_unique<ListedOnly>(), videoFile);
#endif
}

Cameras withPermission(std::unique_ptr<CameraBackend> backend, const QString& videoFile) {
    if (videoFile.isEmpty()) {
        return {std::move(backend), makeCameraAccess(), &cameraAuthorizationStatus};
    }
    return {std::move(backend), std::make_unique<AssumedCameraAccess>(),
            [] { return CameraAuthorization::authorized; }};
}

std::unique_ptr<ForeignWindowFocus> makeForeignWindowFocus() {
#if defined(Q_OS_LINUX)
    return X11WindowFocus::create();
#else
    return nullptr;
#endif
}

std::unique_ptr<BreakScreenHold> makeBreakScreenHold(TimeSource& time, const QString& windowTitle,
                                                     double safetySeconds) {
#if defined(Q_OS_LINUX)
    if (WaylandBreakHold::isWaylandSession()) {
        return makeWaylandBreakHold(windowTitle, safetySeconds);
    }
    if (auto x11 = X11BreakHold::create(time)) {
        return x11;
    }
#endif
    static_cast<void>(time);
    static_cast<void>(windowTitle);
    static_cast<void>(safetySeconds);
    return std::make_unique<GrabbedBreakHold>();
}

} // namespace qv::platformBackends
