// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/verification/SubjectTracker.h"

#include <gtest/gtest.h>

using qv::DetectedPeople;
using qv::DetectedPerson;
using qv::SubjectTracker;
using Candidate = SubjectTracker::Candidate;

namespace {

Candidate at(double x, double y, double height) {
    return Candidate{{x, y}, height};
}

// A person whose first `confident` keypoints lie on a vertical line (image y down).
DetectedPerson person(double x, double top, double bottom, int confident = 17) {
    DetectedPerson p;
    for (int i = 0; i < qv::bodyKeypointCount; ++i) {
        const double y = top + (bottom - top) * i / (qv::bodyKeypointCount - 1);
        p.keypoints[static_cast<std::size_t>(i)] = {x, y, i < confident ? 0.2f : 0.19f};
    }
    return p;
}

} // namespace

TEST(SubjectTracker, RaisingBothArmsIsStillTheSamePerson) {
    // Seated at a desk, only the upper body in view: the arms going up would double the box.
    DetectedPerson down = person(0.5, 0.3, 0.6, 11);
    DetectedPerson up = down;
    for (auto arm : {qv::BodyKeypoint::leftElbow, qv::BodyKeypoint::rightElbow,
                     qv::BodyKeypoint::leftWrist, qv::BodyKeypoint::rightWrist}) {
        up.keypoints[static_cast<std::size_t>(arm)].y = 0.02;
    }
    EXPECT_EQ(SubjectTracker::candidate(down), SubjectTracker::candidate(up));
    SubjectTracker tracker;
    EXPECT_EQ(tracker.choose(DetectedPeople{down}, 0.0), 0u);
    EXPECT_EQ(tracker.choose(DetectedPeople{up}, 0.067), 0u);
}

TEST(SubjectTracker, FollowsTheNearestAndATallerNewcomerDoesNotTakeOver) {
    SubjectTracker tracker;
    ASSERT_EQ(tracker.select({at(0.3, 0.5, 0.5)}, 0.0), 0u);
    // A much taller person enters first in the detector's order; the tracked one stays.
    EXPECT_EQ(tracker.select({at(0.7, 0.5, 0.8), at(0.32, 0.5, 0.5)}, 0.1), 1u);
    // Height counts at half weight: a nearer position with a very different height loses.
    EXPECT_EQ(tracker.select({at(0.32, 0.5, 0.9), at(0.40, 0.5, 0.5)}, 0.2), 1u);
}

TEST(SubjectTracker, AJumpIsIgnoredUntilTheReacquireTimeThenTheTallestIsTaken) {
    SubjectTracker tracker;
    ASSERT_EQ(tracker.select({at(0.2, 0.5, 0.5)}, 10.0), 0u);
    const std::vector<Candidate> moved = {at(0.6, 0.5, 0.4), at(0.9, 0.5, 0.45)};
    EXPECT_FALSE(tracker.select(moved, 10.5));
    EXPECT_FALSE(tracker.select(moved, 11.125));
    EXPECT_EQ(tracker.lastCandidate(), at(0.2, 0.5, 0.5)); // unchanged while waiting
    EXPECT_EQ(tracker.lastMatchedAt(), 10.0);
    EXPECT_EQ(tracker.select(moved, 11.25), 1u);
    EXPECT_EQ(tracker.lastMatchedAt(), 11.25);

    // A score of exactly the maximum jump is still the same person.
    SubjectTracker::Config config;
    config.maximumJump = 0.25;
    SubjectTracker edgeTracker(config);
    edgeTracker.select({at(0.5, 0.5, 0.5)}, 0.0);
    EXPECT_EQ(edgeTracker.select({at(0.5, 0.5, 1.0)}, 0.125), 0u);
    // The memory follows the match: the next frame is scored against the new height.
    EXPECT_FALSE(edgeTracker.select({at(0.5, 0.5, 1.5625)}, 0.25));
}
