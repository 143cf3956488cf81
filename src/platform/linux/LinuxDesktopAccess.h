// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/coordination/CameraAccess.h"

#include <QString>

namespace qv {

// Plain Linux has no camera prompt: the device nodes' permissions decide, so the answer is
// never "not determined" and a request answers at once with what the nodes say.
class LinuxCameraAccess final : public CameraAccess {
public:
    explicit LinuxCameraAccess(QString devRoot = QStringLiteral("/dev"));
    CameraAuthorization status() const override;
    void requestAccess(std::function<void(bool granted)> answer) override;

private:
    QString devRoot_;
};

// The desktop's settings application on the page asked for, when one is installed.
class DesktopSettingsOpener final : public SystemSettingsOpener {
public:
    void openCameraSettings() override;
    void openNotificationSettings() override;
};

} // namespace qv
