// SPDX-License-Identifier: GPL-3.0-or-later
#include "TinyModel.h"
#include "pose/GraphModel.h"
#include "pose/MoveNetPoseDetector.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>

using qv::MoveNetPoseDetector;
using qv::PoseEngineSettings;
using qv::test::TinyModel;

namespace {

const QString stem = QStringLiteral("movenet-multipose");

void writeValidTinyModel(const QString& folder) {
    TinyModel model;
    model.addInput("input");
    model.addConstant("filter", {1, 1, 3, 2}, {1, 2, 3, 4, 5, 6});
    model.addConstant("bias", {2}, {0.5f, -0.5f});
    model.addNode("conv", "_FusedConv2D", {"input", "filter", "bias"},
                  TinyModel::convolutionAttributes(1, "SAME", {"BiasAdd"}));
    model.write(folder, stem);
}

using Change = std::function<QByteArray(QByteArray)>;
const QString bin = stem + ".bin";
const QString json = stem + ".json";

struct Damage {
    const char* what;
    std::function<void(const QDir&)> apply;
    const char* expectedInMessage;
};

std::function<void(const QDir&)> removing(const QString& name) {
    return [=](const QDir& dir) { QFile::remove(dir.filePath(name)); };
}

std::function<void(const QDir&)> changing(const QString& name, const Change& change) {
    return [=](const QDir& dir) {
        const QString path = dir.filePath(name);
        ASSERT_TRUE(qv::test::writeFile(path, change(qv::test::readFile(path))));
    };
}

} // namespace

// Every way the model files can be wrong gives a sentence naming the problem, never a crash.
TEST(ModelLoadingTest, ReportsEachBrokenModelClearly) {
    const Change notANumber = [](QByteArray b) {
        const float nan = NAN;
        std::memcpy(b.data(), &nan, sizeof nan);
        return b;
    };
    const Change hugeShape = [](QByteArray b) {
        return b.replace("\"shape\": [\n                        1,",
                         "\"shape\": [\n                        4294967296, 4294967296,");
    };
    const std::vector<Damage> damages{
        {"no folder", [](const QDir& dir) { QDir(dir).removeRecursively(); }, "folder"},
        {"no graph file", removing(json), "missing"},
        {"no weights file", removing(bin), "missing"},
        {"graph not JSON", changing(json, [](QByteArray b) { return b.left(100); }), "damaged"},
        {"empty graph file", changing(json, [](QByteArray) { return QByteArray(); }), "damaged"},
        {"truncated weights", changing(bin, [](QByteArray b) { return b.left(b.size() - 3); }),
         "truncated"},
        {"extra bytes in the weights", changing(bin, [](QByteArray b) { return b + "xx"; }),
         "does not match"},
        {"weights that are not numbers", changing(bin, notANumber), "not a number"},
        {"weights path leaving the folder",
         changing(json, [](QByteArray b) { return b.replace(bin.toUtf8(), "../elsewhere.bin"); }),
         "outside"},
        {"a weight shape too large for any file", changing(json, hugeShape),
         "form this engine does not read"},
        {"a graph of another model", [](const QDir&) {}, "StatefulPartitionedCall/Sigmoid"},
    };
    for (const auto& damage : damages) {
        QTemporaryDir root;
        const QDir dir(root.filePath("model"));
        QDir().mkpath(dir.path());
        writeValidTinyModel(dir.path());
        damage.apply(dir);

        PoseEngineSettings settings;
        settings.modelDir = dir.path();
        const auto detector = MoveNetPoseDetector::load(settings);
        EXPECT_FALSE(detector) << damage.what;
        EXPECT_TRUE(detector.error().contains(damage.expectedInMessage))
            << damage.what << ": " << detector.error().toStdString();
    }
}

namespace {

// A graph with the six heads the decoder reads, each a strided 1×1 convolution of the input;
// `keypointChannels` is 17 in the real model.
void writeSixHeadModel(const QString& folder, int keypointChannels) {
    const QString prefix = "StatefulPartitionedCall/";
    const std::vector<std::pair<QString, int>> heads{{"centre", 1},
                                                     {"keypoints", keypointChannels},
                                                     {"kpt_regress_0/conv2d_8/BiasAdd", 34},
                                                     {"kpt_offset_0/conv2d_9/BiasAdd", 34},
                                                     {"box_scale_0/conv2d_5/BiasAdd", 2},
                                                     {"box_offset_0/conv2d_6/BiasAdd", 2}};
    TinyModel model;
    model.addInput("input");
    for (const auto& [name, channels] : heads) {
        const auto count = static_cast<std::size_t>(channels);
        model.addConstant(name + "Filter", {1, 1, 3, channels}, std::vector<float>(3 * count));
        model.addConstant(name + "Bias", {channels}, std::vector<float>(count));
        model.addNode(prefix + name, "_FusedConv2D", {"input", name + "Filter", name + "Bias"},
                      TinyModel::convolutionAttributes(4, "SAME", {"BiasAdd"}));
    }
    model.addNode(prefix + "Sigmoid", "Sigmoid", {prefix + "centre"});
    model.addNode(prefix + "Sigmoid_1", "Sigmoid", {prefix + "keypoints"});
    model.write(folder, stem);
}

} // namespace

// Heads of another shape would have the decoder read past their ends on the first frame.
TEST(ModelLoadingTest, RefusesAGraphWhoseHeadsHaveAnotherShape) {
    for (const int keypointChannels : {17, 1, 18}) {
        QTemporaryDir folder;
        writeSixHeadModel(folder.path(), keypointChannels);
        PoseEngineSettings settings;
        settings.modelDir = folder.path();
        settings.inputSize = 64;
        settings.canFollow = false;
        const auto detector = MoveNetPoseDetector::load(settings);
        if (keypointChannels == 17) {
            ASSERT_TRUE(detector) << detector.error().toStdString();
            EXPECT_TRUE((*detector)->detect(qv::Image(64, 48)).empty());
            continue;
        }
        EXPECT_FALSE(detector) << keypointChannels;
        EXPECT_TRUE(detector.error().contains("is damaged: StatefulPartitionedCall/Sigmoid_1"))
            << detector.error().toStdString();
    }
}

// The converter may split a group's weights over several files, cut anywhere, even inside a
// value; they read as one. A shard that is missing is named like any missing file.
TEST(ModelLoadingTest, ReadsWeightsSplitOverSeveralFiles) {
    QTemporaryDir folder;
    TinyModel model;
    model.addConstant("a", {2, 3}, {1, 2, 3, 4, 5, 6});
    model.addConstant("b", {3}, {-1, 0.5f, 7});
    model.write(folder.path(), stem);
    const QDir dir(folder.path());
    const QByteArray whole = qv::test::readFile(dir.filePath(bin));
    ASSERT_TRUE(qv::test::writeFile(dir.filePath("shard1"), whole.left(0)));
    ASSERT_TRUE(qv::test::writeFile(dir.filePath("shard2"), whole.mid(0, 10)));
    ASSERT_TRUE(qv::test::writeFile(dir.filePath("shard3"), whole.mid(10)));
    const QByteArray graph = qv::test::readFile(dir.filePath(json));
    const auto withPaths = [&](const char* paths) {
        QByteArray changed = graph;
        changed.replace("\"" + bin.toUtf8() + "\"", paths);
        ASSERT_TRUE(qv::test::writeFile(dir.filePath(json), changed));
    };

    withPaths("\"shard2\", \"shard1\", \"shard3\"");
    const auto split = qv::pose::GraphModel::load(folder.path(), stem);
    ASSERT_TRUE(split) << split.error().toStdString();
    EXPECT_EQ(split->constant("a")->floats, (std::vector<float>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(split->constant("b")->floats, (std::vector<float>{-1, 0.5f, 7}));

    withPaths("\"shard2\", \"shard4\"");
    const auto missing = qv::pose::GraphModel::load(folder.path(), stem);
    ASSERT_FALSE(missing);
    EXPECT_TRUE(missing.error().contains("shard4 is missing")) << missing.error().toStdString();
}
