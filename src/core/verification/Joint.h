// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <optional>

namespace qv {

// The fifteen body joints the application works with. The order is fixed: it is the order of
// lookup when a detector result is converted, and the index of a joint in a snapshot.
enum class Joint : std::uint8_t {
    root,
    neck,
    nose,
    leftShoulder,
    rightShoulder,
    leftElbow,
    rightElbow,
    leftWrist,
    rightWrist,
    leftHip,
    rightHip,
    leftKnee,
    rightKnee,
    leftAnkle,
    rightAnkle,
};
inline constexpr int jointCount = 15;

inline constexpr std::array<Joint, jointCount> allJoints = {
    Joint::root,          Joint::neck,      Joint::nose,       Joint::leftShoulder,
    Joint::rightShoulder, Joint::leftElbow, Joint::rightElbow, Joint::leftWrist,
    Joint::rightWrist,    Joint::leftHip,   Joint::rightHip,   Joint::leftKnee,
    Joint::rightKnee,     Joint::leftAnkle, Joint::rightAnkle,
};

constexpr int jointIndex(Joint joint) {
    return static_cast<int>(joint);
}

// The case name, e.g. "leftShoulder".
QString rawText(Joint joint);
// Exact match of a case name; anything else is no joint.
std::optional<Joint> jointFromRawText(QStringView text);

} // namespace qv
