// SPDX-License-Identifier: GPL-3.0-or-later
#include "pose/MoveNetPoseDetector.h"

#include "pose/GraphModel.h"
#include "pose/Letterbox.h"
#include "pose/PointwiseHead.h"
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

// The keypoint regression and offset heads of the single-person model end in two 1×1
// convolutions; the trunk stops before them, at the depthwise convolution each head starts
// with, and PointwiseHead evaluates them at the few cells the decoder reads.
pose::PointwiseHead::Nodes followerRegressionNodes() {
    return {graphPrefix + QStringLiteral("kpt_regress_0/separable_conv2d_5/separable_conv2d/"
                                         "depthwise"),
            graphPrefix + QStringLiteral("kpt_regress_0/re_lu_5/Relu"),
            graphPrefix + QStringLiteral("kpt_regress_0/conv2d_6/BiasAdd")};
}

pose::PointwiseHead::Nodes followerOffsetNodes() {
    return {graphPrefix + QStringLiteral("kpt_offset_0/separable_conv2d_6/separable_conv2d/"
                                         "depthwise"),
            graphPrefix + QStringLiteral("kpt_offset_0/re_lu_6/Relu"),
            graphPrefix + QStringLiteral("kpt_offset_0/conv2d_7/BiasAdd")};
}

// The feature map's channels, which the two depthwise convolutions keep.
constexpr std::size_t followerFeatureChannels = 24;
constexpr std::size_t keypointVectorChannels = 34; // (dy, dx) for each of 17 keypoints

// The single-person trunk's outputs: the centre and heat-map heads, then what the regression
// and offset heads' 1×1 layers read.
QStringList followerHeadNames() {
    return {graphPrefix + QStringLiteral("Sigmoid_1"), graphPrefix + QStringLiteral("Sigmoid"),
            followerRegressionNodes().input, followerOffsetNodes().input};
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

Result<std::unique_ptr<pose::XnnTrunk>> buildTrunk(pose::GraphModel& model, int side,
                                                   const QStringList& heads,
                                                   const std::vector<std::size_t>& channels,
                                                   int threadCount) {
    auto trunk = pose::XnnTrunk::build(model, side, side, heads, threadCount);
    if (!trunk) {
        return Failure{trunk.error()};
    }
    if (const Status shapes = checkHeads(**trunk, side, heads, channels); !shapes) {
        return Failure{shapes.error()};
    }
    return trunk;
}

} // namespace

struct MoveNetPoseDetector::Follower {
    std::unique_ptr<pose::XnnTrunk> trunk;
    pose::PointwiseHead regression;
    pose::PointwiseHead offset;
};

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
    auto model = pose::GraphModel::load(chosen.modelDir, modelStem);
    if (!model) {
        return Failure{model.error()};
    }
    auto trunk = buildTrunk(*model, chosen.inputSize, headNames(), {1, 17, 34, 34, 2, 2},
                            chosen.threadCount);
    if (!trunk) {
        return Failure{trunk.error()};
    }
    std::unique_ptr<Follower> follower;
    if (chosen.canFollow) {
        auto loaded = loadFollower(chosen.modelDir, chosen.threadCount);
        if (!loaded) {
            return Failure{loaded.error()};
        }
        follower = std::move(*loaded);
    }
    return std::unique_ptr<MoveNetPoseDetector>(
        new MoveNetPoseDetector(std::move(chosen), std::move(*trunk), std::move(follower)));
}

Result<std::unique_ptr<MoveNetPoseDetector::Follower>>
MoveNetPoseDetector::loadFollower(const QString& folder, int threadCount) {
    auto model = pose::GraphModel::load(folder, followerStem);
    if (!model) {
        return Failure{model.error()};
    }
    auto trunk = buildTrunk(*model, followerSide, followerHeadNames(),
                            {1, 17, followerFeatureChannels, followerFeatureChannels}, threadCount);
    if (!trunk) {
        return Failure{trunk.error()};
    }
    // The trunk left these weights in the model: it stops before the layers that use them.
    auto regression = pose::PointwiseHead::take(*model, followerRegressionNodes(),
                                                followerFeatureChannels, keypointVectorChannels);
    if (!regression) {
        return Failure{regression.error()};
    }
    auto offset = pose::PointwiseHead::take(*model, followerOffsetNodes(), followerFeatureChannels,
                                            keypointVectorChannels);
    if (!offset) {
        return Failure{offset.error()};
    }
    return std::make_unique<Follower>(
        Follower{std::move(*trunk), std::move(*regression), std::move(*offset)});
}

MoveNetPoseDetector::MoveNetPoseDetector(PoseEngineSettings settings,
                                         std::unique_ptr<pose::XnnTrunk> trunk,
                                         std::unique_ptr<Follower> follower)
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

std::optional<pose::SinglePose> MoveNetPoseDetector::inferFollower(const float* input) {
    if (!follower_) {
        return std::nullopt;
    }
    std::copy(input, input + follower_->trunk->inputSize(), follower_->trunk->input());
    return runFollower();
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

std::optional<pose::SinglePose> MoveNetPoseDetector::runFollower() {
    pose::XnnTrunk& trunk = *follower_->trunk;
    if (!trunk.run()) {
        return std::nullopt;
    }
    pose::SinglePoseHeads heads;
    heads.height = trunk.output(0).shape[1];
    heads.width = trunk.output(0).shape[2];
    heads.centre = trunk.output(0).data.data();
    heads.keypointHeatmap = trunk.output(1).data.data();
    const float* regression = trunk.output(2).data.data();
    const float* offset = trunk.output(3).data.data();
    heads.keypointRegression = [&](std::size_t cell, float* values) {
        follower_->regression.evaluate(regression + cell * followerFeatureChannels, values);
    };
    heads.keypointOffset = [&](std::size_t cell, float* values) {
        follower_->offset.evaluate(offset + cell * followerFeatureChannels, values);
    };
    return pose::decodeSinglePose(heads);
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
    pose::fillCrop(image, crop, followerSide, follower_->trunk->input());
    const auto decoded = runFollower();
    if (!decoded) {
        return std::nullopt;
    }
    const pose::SinglePose& found = *decoded;

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
