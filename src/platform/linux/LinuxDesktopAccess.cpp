#include "platform/linux/LinuxDesktopAccess.h"

#include "platform/linux/VideoDeviceNodes.h"

#include <QProcess>
#include <QStandardPaths>

namespace qv {

LinuxCameraAccess::LinuxCameraAccess(QString devRoot)
    : devRoot_(std::move(devRoot)) {}

CameraAuthorization LinuxCameraAccess::status() const {
    return linuxcam::authorization(devRoot_);
}

void LinuxCameraAccess::requestAccess(std::function<void(bool granted)> answer) {
    answer(status() == CameraAuthorization::authorized);
}

void DesktopSettingsOpener::openCameraSettings() {
    struct Application {
        QString program;
        QStringList arguments;
    };
    const Application known[] = {
        {QStringLiteral("gnome-control-center"), {QStringLiteral("camera")}},
        {QStringLiteral("systemsettings"), {}},
        {QStringLiteral("systemsettings5"), {}},
    };
    for (const Application& application : known) {
        const QString path = QStandardPaths::findExecutable(application.program);
        if (!path.isEmpty() && QProcess::startDetached(path, application.arguments)) {
            return;
        }
    }
}

} // namespace qv
