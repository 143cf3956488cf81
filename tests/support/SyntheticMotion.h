// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/verification/PoseStream.h"

#include <optional>
#include <vector>

namespace qv::test {

// Proportions and place of a synthetic person, in normalised image units, y up.
struct Body {
    double centerX = 0.5;
    double ankleY = 0.1;
    double shin = 0.2;
    double thigh = 0.2;
    double torso = 0.25; // hip centre to neck
    double upperArm = 0.12;
    double forearm = 0.11;
    double hipHalfWidth = 0.05;
    double shoulderHalfWidth = 0.07;
    float confidence = 0.9f;
    // How much of the knees' forward travel the camera sees: 1 from the side; 0 from the
    // front, where the thighs and shins only look shorter and the 2D knee angle stays 180°.
    double legBendInView = 1;

    // The same body scaled about its feet: a taller person or one nearer the camera.
    Body scaled(double factor) const;
};

// The posture at one instant.
struct Posture {
    double kneeBendDegrees = 0; // 0: straight legs; the knee angle is 180 minus this
    double armRaise = 0;        // 0: hanging, 0.5: sideways, 1: straight up
    double shiftX = 0;
};

// The joints of a body in a posture (all fifteen, at the body's confidence).
PoseSnapshot pose(const Body& body, const Posture& posture, double capturedAt);

// A timeline of postures, each segment moving linearly from the previous posture.
class Motion {
public:
    Motion& stand(double seconds);
    // Down to the bend, held, and back up to straight legs.
    Motion& squat(double bendDegrees, double downSeconds = 0.6, double holdSeconds = 0.3,
                  double upSeconds = 0.6);
    Motion& squats(int count, double bendDegrees = 90, double restSeconds = 0.5);
    // Arms up (sideways), held, and down again.
    Motion& raise(double upSeconds = 0.5, double holdSeconds = 0.4, double downSeconds = 0.5);
    Motion& raises(int count, double restSeconds = 0.5);
    // Moves to a posture over the given time and stays there.
    Motion& moveTo(const Posture& target, double seconds);

    double duration() const;
    Posture at(double seconds) const;

private:
    struct Key {
        double at;
        Posture posture;
    };
    std::vector<Key> keys_{{0.0, Posture{}}};
};

// Someone who crosses the picture from one side to the other while standing.
struct PasserBy {
    Body body;
    double fromX = -0.2;
    double toX = 1.2;
    double enterAt = 0;
    double leaveAt = 2;
    bool isListedFirst = true; // the detector's order
};

// How the camera and detector see the motion.
struct Camera {
    double fps = 30;
    double startAt = 100; // capture time of the first frame
    double noise = 0;     // standard deviation of the jitter of every coordinate
    unsigned seed = 1;
    std::vector<std::pair<double, double>> dropouts; // [from, to) seconds of motion: nobody seen
    std::vector<Joint> missingJoints;                // never reported
    std::vector<PasserBy> passersBy;
};

std::vector<PoseFrame> record(const Motion& motion, const Body& body, const Camera& camera = {});

} // namespace qv::test
