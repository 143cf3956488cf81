// SPDX-License-Identifier: GPL-3.0-or-later
#include "PoseTestSupport.h"

#include "tools/pose/PictureConversion.h"

#include <QDir>
#include <QImage>

namespace qv::test {

QString photoPath(const QString& name) {
    return QDir(QStringLiteral("/usr/share/doc/opencv-doc/examples/data")).filePath(name);
}

std::optional<Image> loadPhoto(const QString& name) {
    const QImage picture(photoPath(name));
    if (picture.isNull()) {
        return std::nullopt;
    }
    return tools::toImage(picture);
}

std::unique_ptr<MoveNetPoseDetector> loadRealModel(int inputSize, int threads) {
    PoseEngineSettings settings;
    settings.inputSize = inputSize;
    settings.threadCount = threads;
    auto detector = MoveNetPoseDetector::load(settings);
    return detector ? std::move(*detector) : nullptr;
}

} // namespace qv::test
