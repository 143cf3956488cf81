// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/verification/DetectedPerson.h"
#include "core/verification/PoseSnapshot.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace qv {

// Keeps the count on one person when the detector sees several: remembers where the chosen
// person was and how tall they looked, and picks the nearest person on each frame. When the
// chosen person has been gone long enough, the tallest person in view is taken instead.
// Used on the capture thread only.
class SubjectTracker {
public:
    // The summary of one detected person: the bounding box of the confident keypoints of the
    // head, trunk and legs.
    struct Candidate {
        PosePoint center;
        double height = 0;
        bool operator==(const Candidate&) const = default;
    };

    struct Config {
        double maximumJump = 0.28;   // largest score that is still the same person
        double heightWeight = 0.5;   // weight of the height difference in the score
        double reacquireAfter = 1.2; // seconds unmatched before the tallest is taken
    };

    // Points below this confidence do not shape a candidate, and fewer than
    // minimumCandidatePoints confident points make none.
    static constexpr float candidateConfidence = 0.2f;
    static constexpr int minimumCandidatePoints = 4;

    SubjectTracker() = default;
    explicit SubjectTracker(Config config)
        : config_(config) {}

    static std::optional<Candidate> candidate(const DetectedPerson& person);
    static std::optional<Candidate> candidate(const PoseSnapshot& snapshot);

    // The index of the person to follow among this frame's candidates, or none when the frame
    // is to be treated as having no pose. Ties go to the earlier candidate.
    std::optional<std::size_t> select(const std::vector<Candidate>& candidates, double now);

    // The person of a frame to build the snapshot from: none for nobody; when some person
    // gives no candidate the first person is used and the tracker is left alone.
    std::optional<std::size_t> choose(const DetectedPeople& people, double now);
    std::optional<std::size_t> choose(const std::vector<PoseSnapshot>& people, double now);

    // Forgets the followed person (at the beginning of every camera start).
    void reset();

    const std::optional<Candidate>& lastCandidate() const { return lastCandidate_; }
    const std::optional<double>& lastMatchedAt() const { return lastMatchedAt_; }
    const Config& config() const { return config_; }

private:
    template <typename Person>
    std::optional<std::size_t> chooseAmong(const std::vector<Person>& people, double now);
    static std::size_t tallest(const std::vector<Candidate>& candidates);

    std::optional<Candidate> lastCandidate_;
    std::optional<double> lastMatchedAt_;
    Config config_;
};

} // namespace qv
