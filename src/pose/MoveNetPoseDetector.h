// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/base/Result.h"
#include "core/verification/PoseDetector.h"
#include "pose/MultiPoseDecoder.h"
#include "pose/PoseModelFolder.h"
#include "pose/SinglePoseDecoder.h"

#include <QString>
#include <memory>
#include <vector>

namespace qv {

namespace pose {
class XnnTrunk;
}

struct PoseEngineSettings {
    // Side of the square the frame is letterboxed into; a multiple of 32. 256 costs 1.5× as
    // much and sees people further away; someone exercising in front of the screen is large
    // either way. 160 costs a third less than 192 but loses wrists that 192 still finds (a
    // dumbbell press in the test clips goes uncounted at 15 analyses a second).
    int inputSize = 192;
    int threadCount = 2;
    // Below this person score a candidate is not reported. Frames with nobody in them score
    // under 0.1 and real people, even half hidden or far away, over 0.3; 0.2 sits between.
    float minimumPersonScore = 0.2f;
    // The folder with the model files; empty for defaultPoseModelDir().
    QString modelDir;
    // Loads the single-person model too, so that track() can follow a person in a crop.
    bool canFollow = true;
};

// Body pose from MoveNet models (TensorFlow.js graph models) run with XNNPACK: the
// multi-person model finds the people in the whole picture, the single-person lightning model
// follows one of them in a crop at less than half the cost. Loading reads and compiles both;
// keep the detector only for a camera run.
class MoveNetPoseDetector final : public PoseDetector {
public:
    // Fails when the model is missing, damaged or cannot run here.
    static Result<std::unique_ptr<MoveNetPoseDetector>> load(const PoseEngineSettings& settings);
    ~MoveNetPoseDetector() override;

    DetectedPeople detect(const Image& image) override;
    std::optional<DetectedPerson> track(const Image& image, const CropSquare& crop) override;
    int inputSide() const override;

    // The graph's own output for one model input: inputSize² × 3 whole pixel values (RGB,
    // rows top first). For comparing with a reference run of the original graph.
    std::vector<pose::Candidate> infer(const float* input);
    // The same for the single-person model: 192² × 3 pixel values of a crop. Nothing when
    // loaded without it or when it fails to run.
    std::optional<pose::SinglePose> inferFollower(const float* input);

    int inputSize() const { return settings_.inputSize; }

private:
    struct Follower; // the single-person model

    MoveNetPoseDetector(PoseEngineSettings settings, std::unique_ptr<pose::XnnTrunk> trunk,
                        std::unique_ptr<Follower> follower);
    static Result<std::unique_ptr<Follower>> loadFollower(const QString& folder, int threadCount);
    std::vector<pose::Candidate> runModel();       // on what the trunk's input holds
    std::optional<pose::SinglePose> runFollower(); // on what the follower's input holds

    PoseEngineSettings settings_;
    std::unique_ptr<pose::XnnTrunk> trunk_;
    std::unique_ptr<Follower> follower_;
};

} // namespace qv
