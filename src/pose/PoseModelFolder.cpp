// SPDX-License-Identifier: GPL-3.0-or-later
#include "pose/PoseModelFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace qv {

QString defaultPoseModelDir() {
    const QString fromEnvironment = qEnvironmentVariable("QV_MODEL_DIR");
    if (!fromEnvironment.isEmpty()) {
        return fromEnvironment;
    }
    // An installation carries the model in its data folder, beside bin/.
    const QString installed = QDir(QCoreApplication::applicationDirPath())
                                  .filePath(QStringLiteral("../share/quorvantel/models"));
    if (QFileInfo::exists(installed + QStringLiteral("/movenet-multipose.json"))) {
        return QDir::cleanPath(installed);
    }
    return QStringLiteral(QV_MODEL_DIR);
}

} // namespace qv
