// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/verification/Joint.h"

namespace qv {

namespace {

constexpr std::array<const char*, jointCount> jointNames = {
    "root",      "neck",       "nose",      "leftShoulder", "rightShoulder",
    "leftElbow", "rightElbow", "leftWrist", "rightWrist",   "leftHip",
    "rightHip",  "leftKnee",   "rightKnee", "leftAnkle",    "rightAnkle",
};

} // namespace

QString rawText(Joint joint) {
    return QString::fromLatin1(jointNames[static_cast<std::size_t>(jointIndex(joint))]);
}

std::optional<Joint> jointFromRawText(QStringView text) {
    for (Joint joint : allJoints) {
        if (text == QLatin1String(jointNames[static_cast<std::size_t>(jointIndex(joint))])) {
            return joint;
        }
    }
    return std::nullopt;
}

} // namespace qv
