#include "platform/PlatformBackends.h"

#include "core/services/BuildInfo.h"
#include "core/services/LoginItemService.h"
#include "platform/common/MultimediaSoundOutput.h"
#include "platform/common/NetworkUpdateFeed.h"
#include "platform/common/QtCameraBackend.h"

#include <QtGlobal>

#if defined(Q_OS_LINUX)
#include "platform/linux/VideoDeviceNodes.h"
#include "platform/linux/XdgAutostartLoginItem.h"
#endif

namespace qv::platformBackends {

namespace {

#if !defined(Q_OS_LINUX)
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

} // namespace qv::platformBackends
