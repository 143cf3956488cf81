// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/verification/DetectedPerson.h"
#include "core/verification/PoseDetector.h"

#include <optional>

namespace qv {

// Decides, frame by frame, whether the whole picture is searched for people or only a crop
// around the person followed is looked at, and keeps that crop. Searching finds everyone, so
// the person chooser sees newcomers and can change its mind; following costs less than half
// as much. The whole picture is searched at the start, every searchInterval while following,
// and as soon as the follow is lost. Used on the capture thread only.
class SubjectFollower {
public:
    struct Config {
        // Seconds between whole-picture searches while following: often enough that someone
        // who walks in is seen within the chooser's patience (SubjectTracker reacquires after
        // 1.2 s), rarely enough that following does most of the work.
        double searchInterval = 1.0;
        // Below this mean keypoint confidence the followed person is taken to be lost. A
        // person in view scores about 0.5 or more; a crop with nobody in it about 0.25.
        float leastScore = 0.32f;
        // The crop's side over the larger extent of the confident keypoints. A hand thrown up
        // from the hip or a knee bent outwards moves a keypoint by up to a third of the body
        // between two frames, and the crop must already hold it.
        double extentMargin = 1.6;
        // The crop's side, at least, over the torso (shoulders to hips): a body is about
        // three torsos tall, four with the arms raised, whatever it is doing now.
        double torsoMargin = 4.2;
        // How far the crop moves towards where the keypoints put it on each frame; less than
        // 1 so that the crop does not jitter with the keypoints.
        double smoothing = 0.5;
    };

    SubjectFollower() = default;
    explicit SubjectFollower(Config config)
        : config_(config) {}

    // The crop to look for the followed person in, on a frame taken at `now`; none when the
    // whole picture must be searched.
    std::optional<CropSquare> cropFor(double now) const;

    // The side of the crop kept around the subject, in the frame's pixels, even on a frame
    // that searches the whole picture; none while nobody is followed.
    std::optional<double> keptCropSide() const;

    // After a whole-picture search: the chosen subject (none: nobody was chosen).
    void searched(const DetectedPerson* subject, int imageWidth, int imageHeight, double now);
    // After a frame that followed the crop: the person found there if they still are the
    // subject (none: lost, search next). Returns whether the follow goes on.
    bool followed(const DetectedPerson* person, int imageWidth, int imageHeight);

    // Whether a person found in the crop is good enough to be the subject at all.
    bool isConvincing(const DetectedPerson& person) const;

    void reset();

    const Config& config() const { return config_; }

private:
    // Where the keypoints put the crop; none when too few are confident.
    std::optional<CropSquare> target(const DetectedPerson& person, int imageWidth,
                                     int imageHeight) const;
    void moveTowards(const CropSquare& aim);

    Config config_;
    std::optional<CropSquare> crop_;
    std::optional<double> lastSearchAt_;
};

} // namespace qv
