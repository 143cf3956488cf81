// SPDX-License-Identifier: GPL-3.0-or-later
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

namespace {

struct SettingsApplication {
    QString program;
    QStringList arguments;
};

// The first of the desktops' settings applications that is installed and starts.
void openFirst(std::initializer_list<SettingsApplication> known) {
    for (const SettingsApplication& application : known) {
        const QString path = QStandardPaths::findExecutable(application.program);
        if (!path.isEmpty() && QProcess::startDetached(path, application.arguments)) {
            return;
        }
    }
}

} // namespace

void DesktopSettingsOpener::openCameraSettings() {
    openFirst({
        {QStringLiteral("gnome-control-center"), {QStringLiteral("camera")}},
        {QStringLiteral("systemsettings"), {}},
        {QStringLiteral("systemsettings5"), {}},
    });
}

void DesktopSettingsOpener::openNotificationSettings() {
    openFirst({
        {QStringLiteral("gnome-control-center"), {QStringLiteral("notifications")}},
        {QStringLiteral("systemsettings"), {QStringLiteral("kcm_notifications")}},
        {QStringLiteral("systemsettings5"), {QStringLiteral("kcm_notifications")}},
    });
}

} // namespace qv
