// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/media/Image.h"
#include "core/verification/PoseSnapshot.h"

#include <QColor>
#include <QImage>

namespace qv {

// Copies the preview into `target` (RGB32, reallocated only when the size changes) and draws
// the pose's bones and joints over it. Returns true when the buffer had to be made anew.
bool composePreview(const Image& preview, const PoseSnapshot* pose, QImage& target,
                    const QColor& boneColor, const QColor& jointColor);

// The skeleton's thirteen bones, joint to joint.
inline constexpr std::array<std::pair<Joint, Joint>, 13> skeletonBones = {{
    {Joint::neck, Joint::leftShoulder},
    {Joint::neck, Joint::rightShoulder},
    {Joint::leftShoulder, Joint::leftElbow},
    {Joint::leftElbow, Joint::leftWrist},
    {Joint::rightShoulder, Joint::rightElbow},
    {Joint::rightElbow, Joint::rightWrist},
    {Joint::root, Joint::leftHip},
    {Joint::root, Joint::rightHip},
    {Joint::leftHip, Joint::leftKnee},
    {Joint::leftKnee, Joint::leftAnkle},
    {Joint::rightHip, Joint::rightKnee},
    {Joint::rightKnee, Joint::rightAnkle},
    {Joint::neck, Joint::root},
}};

} // namespace qv
