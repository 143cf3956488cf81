// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds a damaged body-pose model to the loader, the trunk compiler, the head check and the
// decoder, as a corrupted download or a hand-edited graph would. An input is the graph's JSON,
// a NUL byte and the weights file; without the NUL the weights file is empty.
#include "core/media/Image.h"
#include "pose/MoveNetPoseDetector.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir folder;
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype split = input.indexOf('\0');
    writeFile(folder.filePath(QStringLiteral("movenet-multipose.json")),
              split < 0 ? input : input.left(split));
    writeFile(folder.filePath(QStringLiteral("movenet-multipose.bin")),
              split < 0 ? QByteArray() : input.mid(split + 1));

    qv::PoseEngineSettings settings;
    settings.modelDir = folder.path();
    settings.inputSize = 64;
    settings.threadCount = 1;
    settings.canFollow = false;
    const auto detector = qv::MoveNetPoseDetector::load(settings);
    if (!detector) {
        if (detector.error().isEmpty()) {
            std::abort(); // a refusal always says why
        }
        return 0;
    }
    (void)(*detector)->detect(qv::Image(64, 48));
    return 0;
}
