// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/media/Image.h"
#include "pose/MoveNetPoseDetector.h"

#include <QString>
#include <memory>
#include <optional>

namespace qv::test {

// The real photos of people and scenes that Debian's opencv-doc package installs.
QString photoPath(const QString& name);

// The photo as the engine's image, or nothing when the package is not installed.
std::optional<Image> loadPhoto(const QString& name);

// The real model from the configured folder, or nothing when setup has not fetched it.
std::unique_ptr<MoveNetPoseDetector> loadRealModel(int inputSize = 256, int threads = 1);

} // namespace qv::test

#define QV_REQUIRE_MODEL(detector)                                                                 \
    if (!(detector)) {                                                                             \
        GTEST_SKIP() << "the pose model is not in " << qv::defaultPoseModelDir().toStdString()     \
                     << "; run scripts/setup.sh";                                                  \
    }

#define QV_REQUIRE_PHOTO(photo, name)                                                              \
    if (!(photo)) {                                                                                \
        GTEST_SKIP() << "photo " << (name) << " not found; install opencv-doc";                    \
    }
