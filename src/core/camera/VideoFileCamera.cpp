// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/camera/VideoFileCamera.h"

#include <QFileInfo>

namespace qv {

CameraDevice videoFileCamera(const QString& path) {
    const QFileInfo file(path);
    return {QStringLiteral("file:") + file.absoluteFilePath(), file.fileName(), false};
}

} // namespace qv
