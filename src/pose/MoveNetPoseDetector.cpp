// SPDX-License-Identifier: GPL-3.0-or-later
#include "pose/MoveNetPoseDetector.h"

#include "pose/GraphModel.h"
#include "pose/Letterbox.h"
#include "pose/SinglePoseDecoder.h"
#include "pose/XnnTrunk.h"

#include <QDir>
#include <algorithm>
#include <array>
#include <cmath>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace qv {

namespace {

const QString modelStem = QStringLiteral("movenet-multipose");
const QString followerStem = QStringLiteral("movenet-lightning");
const QString graphPrefix = QStringLiteral("StatefulPartitionedCall/");
// The single-person model's graph is made for this input side only.
constexpr int followerSide = 192;

// The head tensors of the graph, in the order HeadTensors wants them.
QStringList headNames() {
    return {graphPrefix + QStringLiteral("Sigmoid"),
            graphPrefix + QStringLiteral("Sigmoid_1"),
            graphPrefix + QStringLiteral("kpt_regress_0/conv2d_8/BiasAdd"),
            graphPrefix + QStringLiteral("kpt_offset_0/conv2d_9/BiasAdd"),
            graphPrefix + QStringLiteral("box_scale_0/conv2d_5/BiasAdd"),
            graphPrefix + QStringLiteral("box_offset_0/conv2d_6/BiasAdd")};
}

// The single-person model's heads, in the order SinglePoseHeads lists them.
QStringList followerHeadNames() {
    return {graphPrefix + QStringLiteral("Sigmoid_1"), graphPrefix + QStringLiteral("Sigmoid"),
            graphPrefix + QStringLiteral("kpt_regress_0/conv2d_6/BiasAdd"),
            graphPrefix + QStringLiteral("kpt_offset_0/conv2d_7/BiasAdd")};
}

// The decoders read each head as a quarter-size grid with a fixed number of channels; heads
// of any other shape would have them read past their ends.
Status checkHeads(const pose::XnnTrunk& trunk, int inputSize, const QStringList& names,
                  const std::vector<std::size_t>& channels) {
    const auto side = static_cast<std::size_t>(inputSize / 4);
    for (std::size_t i = 0; i < channels.size(); ++i) {
        const std::vector<std::size_t> wanted{1, side, side, channels[i]};
        if (trunk.output(static_cast<int>(i)).shape != wanted) {
            return Failure{QStringLiteral("The body-pose model is damaged: %1 does not have the "
                                          "shape of its output.")
                               .arg(names.at(static_cast<qsizetype>(i)))};
        }
    }
    return {};
}

Result<std::unique_ptr<pose::XnnTrunk>> buildTrunk(const QString& folder, const QString& stem,
                                                   int side, const QStringList& heads,
                                                   const std::vector<std::size_t>& channels,
                                                   int threadCount) {
    auto model = pose::GraphModel::load(folder, stem);
    if (!model) {
        return Failure{model.error()};
    }
    auto trunk = pose::XnnTrunk::build(*model, side, side, heads, threadCount);
    if (!trunk) {
        return Failure{trunk.error()};
    }
    if (const Status shapes = checkHeads(**trunk, side, heads, channels); !shapes) {
        return Failure{shapes.error()};
    }
    return trunk;
}

} // namespace

Result<std::unique_ptr<MoveNetPoseDetector>>
MoveNetPoseDetector::load(const PoseEngineSettings& settings) {
    if (settings.inputSize < 64 || settings.inputSize > 1024 || settings.inputSize % 32 != 0) {
        return Failure{QStringLiteral("The pose model's input size must be a multiple of 32 from "
                                      "64 to 1024, not %1.")
                           .arg(settings.inputSize)};
    }
    PoseEngineSettings chosen = settings;
    chosen.threadCount = std::clamp(settings.threadCount, 1, 16);
    if (chosen.modelDir.isEmpty()) {
        chosen.modelDir = defaultPoseModelDir();
    }
    if (!QDir(chosen.modelDir).exists()) {
        return Failure{QStringLiteral("The pose model folder %1 is missing; scripts/setup.sh "
                                      "fetches it.")
                           .arg(chosen.modelDir)};
    }
    auto trunk = buildTrunk(chosen.modelDir, modelStem, chosen.inputSize, headNames(),
                            {1, 17, 34, 34, 2, 2}, chosen.threadCount);
    if (!trunk) {
        return Failure{trunk.error()};
    }
    std::unique_ptr<pose::XnnTrunk> follower;
    if (chosen.canFollow) {
        auto built = buildTrunk(chosen.modelDir, followerStem, followerSide, followerHeadNames(),
                                {1, 17, 34, 34}, chosen.threadCount);
        if (!built) {
            return Failure{built.error()};
        }
        follower = std::move(*built);
    }
    return std::unique_ptr<MoveNetPoseDetector>(
        new MoveNetPoseDetector(std::move(chosen), std::move(*trunk), std::move(follower)));
}

MoveNetPoseDetector::MoveNetPoseDetector(PoseEngineSettings settings,
                                         std::unique_ptr<pose::XnnTrunk> trunk,
                                         std::unique_ptr<pose::XnnTrunk> follower)
    : settings_(std::move(settings))
    , trunk_(std::move(trunk))
    , follower_(std::move(follower)) {}

MoveNetPoseDetector::~MoveNetPoseDetector() {
    trunk_.reset();
    follower_.reset();
#ifdef __GLIBC__
    // The model's buffers are many medium-sized blocks that the allocator would otherwise keep
    // for the rest of the process; a camera run should give its memory back when it ends.
    malloc_trim(0);
#endif
}

std::vector<pose::Candidate> MoveNetPoseDetector::infer(const float* input) {
    std::copy(input, input + trunk_->inputSize(), trunk_->input());
    return runModel();
}

std::vector<pose::Candidate> MoveNetPoseDetector::runModel() {
    if (!trunk_->run()) {
        return {};
    }
    pose::HeadTensors heads;
    const auto& centre = trunk_->output(0);
    heads.height = centre.shape[1];
    heads.width = centre.shape[2];
    heads.centre = centre.data.data();
    heads.keypointHeatmap = trunk_->output(1).data.data();
    heads.keypointRegression = trunk_->output(2).data.data();
    heads.keypointOffset = trunk_->output(3).data.data();
    heads.boxScale = trunk_->output(4).data.data();
    heads.boxOffset = trunk_->output(5).data.data();
    const auto side = static_cast<std::size_t>(settings_.inputSize);
    return pose::decodeMultiPose(heads, side, side);
}

DetectedPeople MoveNetPoseDetector::detect(const Image& image) {
    if (image.isNull()) {
        return {};
    }
    const pose::Letterbox box = pose::fitLetterbox(image.width(), image.height(), inputSize());
    pose::fillLetterbox(image, box, trunk_->input());
    DetectedPeople people;
    for (const auto& candidate : runModel()) {
        const float score = candidate[pose::candidateValueCount - 1];
        if (!(score >= settings_.minimumPersonScore)) {
            continue;
        }
        DetectedPerson person;
        person.score = score;
        for (int k = 0; k < bodyKeypointCount; ++k) {
            auto& keypoint = person.keypoints[static_cast<std::size_t>(k)];
            keypoint.y = box.imageY(candidate[static_cast<std::size_t>(3 * k)]);
            keypoint.x = box.imageX(candidate[static_cast<std::size_t>(3 * k + 1)]);
            keypoint.confidence = candidate[static_cast<std::size_t>(3 * k + 2)];
            if (!std::isfinite(keypoint.x) || !std::isfinite(keypoint.y)) {
                keypoint = {}; // a damaged model's NaN is a keypoint not seen, not a place
            }
        }
        people.push_back(person);
    }
    std::stable_sort(
        people.begin(), people.end(),
        [](const DetectedPerson& a, const DetectedPerson& b) { return a.score > b.score; });
    return people;
}

int MoveNetPoseDetector::inputSide() const {
    return std::max(settings_.inputSize, follower_ ? followerSide : 0);
}

std::optional<DetectedPerson> MoveNetPoseDetector::track(const Image& image,
                                                         const CropSquare& crop) {
    if (!follower_ || image.isNull() || !(crop.side > 0)) {
        return std::nullopt;
    }
    pose::fillCrop(image, crop, followerSide, follower_->input());
    if (!follower_->run()) {
        return std::nullopt;
    }
    pose::SinglePoseHeads heads;
    heads.height = follower_->output(0).shape[1];
    heads.width = follower_->output(0).shape[2];
    heads.centre = follower_->output(0).data.data();
    heads.keypointHeatmap = follower_->output(1).data.data();
    heads.keypointRegression = follower_->output(2).data.data();
    heads.keypointOffset = follower_->output(3).data.data();
    const pose::SinglePose found = pose::decodeSinglePose(heads);

    DetectedPerson person;
    float sum = 0;
    for (std::size_t k = 0; k < static_cast<std::size_t>(bodyKeypointCount); ++k) {
        auto& keypoint = person.keypoints[k];
        // Kept inside the image, as detect() keeps them.
        keypoint.y = std::clamp(
            pose::cropToImage(found[3 * k], crop.centreY, crop.side, image.height()), 0.0, 1.0);
        keypoint.x = std::clamp(
            pose::cropToImage(found[3 * k + 1], crop.centreX, crop.side, image.width()), 0.0, 1.0);
        keypoint.confidence = found[3 * k + 2];
        if (!std::isfinite(keypoint.x) || !std::isfinite(keypoint.y) ||
            !std::isfinite(keypoint.confidence)) {
            keypoint = {};
        }
        sum += keypoint.confidence;
    }
    person.score = sum / bodyKeypointCount;
    return person;
}

} // namespace qv
