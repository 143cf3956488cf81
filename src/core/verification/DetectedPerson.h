// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <vector>

namespace qv {

// The seventeen body keypoints that pose models commonly report, in their usual order.
enum class BodyKeypoint {
    nose,
    leftEye,
    rightEye,
    leftEar,
    rightEar,
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
inline constexpr int bodyKeypointCount = 17;

// One keypoint as a pose model reports it: normalised over the oriented image (0 … 1), origin
// at the top left, y growing downwards, with the model's confidence (0 … 1).
struct DetectedKeypoint {
    double x = 0;
    double y = 0;
    float confidence = 0;
};

// One person found in one frame; "left" and "right" are the person's own sides.
struct DetectedPerson {
    std::array<DetectedKeypoint, bodyKeypointCount> keypoints{};
    float score = 0; // how sure the model is that this is a person at all
};

using DetectedPeople = std::vector<DetectedPerson>;

} // namespace qv
