// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/verification/SubjectTracker.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qv {

namespace {

// Bounding box of the points added to it.
class Bounds {
public:
    void add(PosePoint point) {
        minX_ = std::min(minX_, point.x);
        maxX_ = std::max(maxX_, point.x);
        minY_ = std::min(minY_, point.y);
        maxY_ = std::max(maxY_, point.y);
        ++count_;
    }

    std::optional<SubjectTracker::Candidate> candidate() const {
        if (count_ < SubjectTracker::minimumCandidatePoints) {
            return std::nullopt;
        }
        return SubjectTracker::Candidate{{(minX_ + maxX_) * 0.5, (minY_ + maxY_) * 0.5},
                                         maxY_ - minY_};
    }

private:
    static constexpr double inf = std::numeric_limits<double>::infinity();
    double minX_ = inf;
    double maxX_ = -inf;
    double minY_ = inf;
    double maxY_ = -inf;
    int count_ = 0;
};

// Elbows and wrists stay out of the box: raising both arms would otherwise make one person look
// half again as tall and move their centre within a frame, which reads as someone else.
bool isArm(BodyKeypoint keypoint) {
    return keypoint == BodyKeypoint::leftElbow || keypoint == BodyKeypoint::rightElbow ||
           keypoint == BodyKeypoint::leftWrist || keypoint == BodyKeypoint::rightWrist;
}

bool isArm(Joint joint) {
    return joint == Joint::leftElbow || joint == Joint::rightElbow || joint == Joint::leftWrist ||
           joint == Joint::rightWrist;
}

} // namespace

std::optional<SubjectTracker::Candidate> SubjectTracker::candidate(const DetectedPerson& person) {
    Bounds bounds;
    for (int i = 0; i < bodyKeypointCount; ++i) {
        const DetectedKeypoint& keypoint = person.keypoints[static_cast<std::size_t>(i)];
        if (!isArm(static_cast<BodyKeypoint>(i)) && keypoint.confidence >= candidateConfidence) {
            bounds.add({keypoint.x, 1.0 - keypoint.y}); // the application's y grows upwards
        }
    }
    return bounds.candidate();
}

std::optional<SubjectTracker::Candidate> SubjectTracker::candidate(const PoseSnapshot& snapshot) {
    Bounds bounds;
    for (Joint joint : allJoints) {
        if (isArm(joint)) {
            continue;
        }
        if (const auto found = snapshot.confidentJoint(joint, candidateConfidence)) {
            bounds.add(found->point);
        }
    }
    return bounds.candidate();
}

std::size_t SubjectTracker::tallest(const std::vector<Candidate>& candidates) {
    std::size_t best = 0;
    for (std::size_t i = 1; i < candidates.size(); ++i) {
        if (candidates[i].height > candidates[best].height) {
            best = i;
        }
    }
    return best;
}

std::optional<std::size_t> SubjectTracker::select(const std::vector<Candidate>& candidates,
                                                  double now) {
    if (candidates.empty()) {
        return std::nullopt;
    }
    std::size_t chosen = 0;
    if (!lastCandidate_ || !lastMatchedAt_) {
        chosen = tallest(candidates);
    } else {
        double bestScore = std::numeric_limits<double>::infinity();
        for (std::size_t i = 0; i < candidates.size(); ++i) {
            const Candidate& c = candidates[i];
            const double score = std::hypot(c.center.x - lastCandidate_->center.x,
                                            c.center.y - lastCandidate_->center.y) +
                                 config_.heightWeight * std::abs(c.height - lastCandidate_->height);
            if (score < bestScore) {
                bestScore = score;
                chosen = i;
            }
        }
        if (!(bestScore <= config_.maximumJump)) {
            if (now - *lastMatchedAt_ < config_.reacquireAfter) {
                return std::nullopt;
            }
            chosen = tallest(candidates);
        }
    }
    lastCandidate_ = candidates[chosen];
    lastMatchedAt_ = now;
    return chosen;
}

template <typename Person>
std::optional<std::size_t> SubjectTracker::chooseAmong(const std::vector<Person>& people,
                                                       double now) {
    if (people.empty()) {
        return std::nullopt;
    }
    std::vector<Candidate> candidates;
    candidates.reserve(people.size());
    for (const Person& person : people) {
        const auto made = candidate(person);
        if (!made) {
            return 0;
        }
        candidates.push_back(*made);
    }
    return select(candidates, now);
}

std::optional<std::size_t> SubjectTracker::choose(const DetectedPeople& people, double now) {
    return chooseAmong(people, now);
}

std::optional<std::size_t> SubjectTracker::choose(const std::vector<PoseSnapshot>& people,
                                                  double now) {
    return chooseAmong(people, now);
}

void SubjectTracker::reset() {
    lastCandidate_.reset();
    lastMatchedAt_.reset();
}

} // namespace qv
