// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/SyntheticMotion.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace qv::test {

namespace {

double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

PosePoint offset(PosePoint p, double length, double angleFromUp, double side) {
    return {p.x + side * length * std::sin(angleFromUp), p.y + length * std::cos(angleFromUp)};
}

Posture blend(const Posture& a, const Posture& b, double f) {
    auto mix = [f](double x, double y) { return x + (y - x) * f; };
    return {mix(a.kneeBendDegrees, b.kneeBendDegrees), mix(a.armRaise, b.armRaise),
            mix(a.shiftX, b.shiftX)};
}

} // namespace

Body Body::scaled(double factor) const {
    Body b = *this;
    for (double* length : {&b.shin, &b.thigh, &b.torso, &b.upperArm, &b.forearm, &b.hipHalfWidth,
                           &b.shoulderHalfWidth}) {
        *length *= factor;
    }
    return b;
}

PoseSnapshot pose(const Body& body, const Posture& posture, double capturedAt) {
    PoseSnapshot snapshot(capturedAt);
    auto put = [&](Joint joint, PosePoint p) { snapshot.setJoint(joint, {p, body.confidence}); };
    const double half = radians(posture.kneeBendDegrees) / 2;
    const double x = body.centerX + posture.shiftX;
    // Seen a little from the side: knees go forward (+x), hips back.
    PosePoint hips[2];
    const Joint legJoints[2][3] = {{Joint::leftHip, Joint::leftKnee, Joint::leftAnkle},
                                   {Joint::rightHip, Joint::rightKnee, Joint::rightAnkle}};
    for (int side = 0; side < 2; ++side) {
        const PosePoint ankle{x + (side == 0 ? -1 : 1) * body.hipHalfWidth, body.ankleY};
        const PosePoint knee = offset(ankle, body.shin, half, body.legBendInView);
        hips[side] = offset(knee, body.thigh, half, -body.legBendInView);
        put(legJoints[side][0], hips[side]);
        put(legJoints[side][1], knee);
        put(legJoints[side][2], ankle);
    }
    const PosePoint root{(hips[0].x + hips[1].x) / 2, (hips[0].y + hips[1].y) / 2};
    const PosePoint neck = offset(root, body.torso, half / 2, 1);
    put(Joint::root, root);
    put(Joint::neck, neck);
    put(Joint::nose, {neck.x, neck.y + body.torso * 0.3});
    const double arm = posture.armRaise * std::numbers::pi; // 0 hanging … π up
    const Joint armJoints[2][3] = {{Joint::leftShoulder, Joint::leftElbow, Joint::leftWrist},
                                   {Joint::rightShoulder, Joint::rightElbow, Joint::rightWrist}};
    for (int side = 0; side < 2; ++side) {
        const double outward = side == 0 ? -1 : 1;
        const PosePoint shoulder{neck.x + outward * body.shoulderHalfWidth, neck.y};
        const PosePoint elbow = offset(shoulder, body.upperArm, std::numbers::pi - arm, outward);
        const PosePoint wrist = offset(elbow, body.forearm, std::numbers::pi - arm, outward);
        put(armJoints[side][0], shoulder);
        put(armJoints[side][1], elbow);
        put(armJoints[side][2], wrist);
    }
    return snapshot;
}

Motion& Motion::moveTo(const Posture& target, double seconds) {
    keys_.push_back({duration() + std::max(seconds, 1e-6), target});
    return *this;
}

Motion& Motion::stand(double seconds) {
    return moveTo(keys_.back().posture, seconds);
}

Motion& Motion::squat(double bendDegrees, double downSeconds, double holdSeconds,
                      double upSeconds) {
    Posture down = keys_.back().posture;
    Posture up = down;
    down.kneeBendDegrees = bendDegrees;
    up.kneeBendDegrees = 0;
    return moveTo(down, downSeconds).stand(holdSeconds).moveTo(up, upSeconds);
}

Motion& Motion::squats(int count, double bendDegrees, double restSeconds) {
    for (int i = 0; i < count; ++i) {
        squat(bendDegrees).stand(restSeconds);
    }
    return *this;
}

Motion& Motion::raise(double upSeconds, double holdSeconds, double downSeconds) {
    Posture up = keys_.back().posture;
    Posture down = up;
    up.armRaise = 1;
    down.armRaise = 0;
    return moveTo(up, upSeconds).stand(holdSeconds).moveTo(down, downSeconds);
}

Motion& Motion::raises(int count, double restSeconds) {
    for (int i = 0; i < count; ++i) {
        raise().stand(restSeconds);
    }
    return *this;
}

double Motion::duration() const {
    return keys_.back().at;
}

Posture Motion::at(double seconds) const {
    auto next = std::upper_bound(keys_.begin(), keys_.end(), seconds,
                                 [](double t, const Key& k) { return t < k.at; });
    if (next == keys_.begin()) {
        return keys_.front().posture;
    }
    if (next == keys_.end()) {
        return keys_.back().posture;
    }
    const Key& previous = *(next - 1);
    return blend(previous.posture, next->posture,
                 (seconds - previous.at) / (next->at - previous.at));
}

std::vector<PoseFrame> record(const Motion& motion, const Body& body, const Camera& camera) {
    std::mt19937 random(camera.seed);
    std::normal_distribution<double> jitter(0.0, camera.noise > 0 ? camera.noise : 1.0);
    auto noisy = [&](PoseSnapshot snapshot) {
        for (Joint joint : allJoints) {
            if (auto value = snapshot.joint(joint)) {
                if (camera.noise > 0) {
                    value->point.x += jitter(random);
                    value->point.y += jitter(random);
                }
                snapshot.setJoint(joint, *value);
            }
        }
        for (Joint joint : camera.missingJoints) {
            snapshot.removeJoint(joint);
        }
        return snapshot;
    };

    std::vector<PoseFrame> frames;
    const auto count = static_cast<int>(std::floor(motion.duration() * camera.fps)) + 1;
    for (int i = 0; i < count; ++i) {
        const double t = i / camera.fps;
        PoseFrame frame;
        frame.capturedAt = camera.startAt + t;
        const bool isDropout =
            std::any_of(camera.dropouts.begin(), camera.dropouts.end(),
                        [t](const auto& d) { return t >= d.first && t < d.second; });
        if (!isDropout) {
            frame.people.push_back(noisy(pose(body, motion.at(t), frame.capturedAt)));
        }
        for (const PasserBy& passer : camera.passersBy) {
            if (t < passer.enterAt || t >= passer.leaveAt) {
                continue;
            }
            Body walking = passer.body;
            walking.centerX = passer.fromX + (passer.toX - passer.fromX) * (t - passer.enterAt) /
                                                 (passer.leaveAt - passer.enterAt);
            const PoseSnapshot other = noisy(pose(walking, {}, frame.capturedAt));
            frame.people.insert(passer.isListedFirst ? frame.people.begin() : frame.people.end(),
                                other);
        }
        frames.push_back(std::move(frame));
    }
    return frames;
}

} // namespace qv::test
