// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/verification/PoseCoding.h"

#include <cmath>

namespace qv {

void writePose(PacketWriter& writer, const PoseSnapshot& pose) {
    writer.putDouble(pose.capturedAt);
    std::uint16_t present = 0;
    for (Joint joint : allJoints) {
        if (pose.joint(joint)) {
            present |= static_cast<std::uint16_t>(1u << jointIndex(joint));
        }
    }
    writer.put16(present);
    for (Joint joint : allJoints) {
        if (const auto& value = pose.joint(joint)) {
            writer.putDouble(value->point.x);
            writer.putDouble(value->point.y);
            writer.putFloat(value->confidence);
        }
    }
}

PoseSnapshot readPose(PacketReader& reader) {
    PoseSnapshot pose(reader.getDouble());
    if (!std::isfinite(pose.capturedAt)) {
        reader.fail("a frame's time is not a number");
    }
    const std::uint16_t present = reader.get16();
    if (present >> jointCount != 0) {
        reader.fail("a frame names joints that do not exist");
    }
    for (Joint joint : allJoints) {
        if ((present & (1u << jointIndex(joint))) == 0) {
            continue;
        }
        PoseJoint value;
        value.point.x = reader.getDouble();
        value.point.y = reader.getDouble();
        value.confidence = reader.getFloat();
        // Positions may lie a little outside the picture, but never at infinity.
        if (!std::isfinite(value.point.x) || !std::isfinite(value.point.y) ||
            std::abs(value.point.x) > 1e6 || std::abs(value.point.y) > 1e6 ||
            !(value.confidence >= 0 && value.confidence <= 1)) {
            reader.fail("a joint lies outside every picture");
        }
        pose.setJoint(joint, value);
    }
    return pose;
}

} // namespace qv
