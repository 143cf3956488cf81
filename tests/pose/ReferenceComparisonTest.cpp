// SPDX-License-Identifier: GPL-3.0-or-later
#include "PoseTestSupport.h"
#include "core/camera/SubjectFollower.h"
#include "pose/GraphModel.h"
#include "pose/Letterbox.h"
#include "pose/SinglePoseDecoder.h"
#include "pose/XnnTrunk.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <iostream>

using qv::pose::GraphModel;
using qv::pose::XnnTrunk;

// The expected outputs in data/ come from run_graph.py, which interprets every node of the
// original graph (post-processing included) with numpy; make_fixtures.sh regenerates them.
// The engine compiles only the trunk and decodes the rest in C++, so agreement here checks
// the translation of every convolution, padding and resize as well as the decoding.
TEST(ReferenceComparisonTest, MatchesAReferenceRunOfTheWholeGraph) {
    const QDir fixtures(QStringLiteral(QV_POSE_FIXTURE_DIR));
    const QStringList names = fixtures.entryList({QStringLiteral("*.json")}, QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    // Measured differences stay below 3e-6; a mistranslated op moves values by 1e-2 or more.
    constexpr double tolerance = 1e-4;

    for (const QString& name : names) {
        QFile file(fixtures.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QJsonObject fixture = QJsonDocument::fromJson(file.readAll()).object();
        const QString photoName = fixture.value(QStringLiteral("photo")).toString();
        const int inputSize = fixture.value(QStringLiteral("inputSize")).toInt();
        const QJsonArray expected = fixture.value(QStringLiteral("output")).toArray();

        const auto detector = qv::test::loadRealModel(inputSize, 2);
        QV_REQUIRE_MODEL(detector);
        const auto photo = qv::test::loadPhoto(photoName);
        QV_REQUIRE_PHOTO(photo, photoName.toStdString());

        const auto box = qv::pose::fitLetterbox(photo->width(), photo->height(), inputSize);
        std::vector<float> input(static_cast<std::size_t>(inputSize) * inputSize * 3);
        qv::pose::fillLetterbox(*photo, box, input.data());
        const auto candidates = detector->infer(input.data());

        ASSERT_EQ(candidates.size(), static_cast<std::size_t>(expected.size()))
            << name.toStdString();
        double largest = 0;
        for (std::size_t p = 0; p < candidates.size(); ++p) {
            const QJsonArray row = expected[static_cast<qsizetype>(p)].toArray();
            ASSERT_EQ(row.size(), qv::pose::candidateValueCount);
            for (std::size_t i = 0; i < candidates[p].size(); ++i) {
                const double wanted = row[static_cast<qsizetype>(i)].toDouble();
                const double difference = std::fabs(candidates[p][i] - wanted);
                largest = std::max(largest, difference);
                EXPECT_NEAR(candidates[p][i], wanted, tolerance)
                    << name.toStdString() << " candidate " << p << " value " << i;
            }
        }
        std::cout << name.toStdString() << ": largest difference " << largest << "\n";
    }
}

// The follower evaluates the keypoint regression and offset heads' last layers itself, only
// at the cells it reads; the same model with those heads computed whole by XNNPACK must give
// the same pose for the people the follower would follow. To the last bit, not within a
// tolerance: a pose off by 1e-7 places the next frame's crop elsewhere, and over a clip that
// is enough to count a repetition differently.
TEST(ReferenceComparisonTest, FollowerMatchesTheGraphWithItsWholeHeads) {
    constexpr int side = 192;
    const auto detector = qv::test::loadRealModel(side, 1);
    QV_REQUIRE_MODEL(detector);
    auto model = GraphModel::load(qv::defaultPoseModelDir(), "movenet-lightning");
    ASSERT_TRUE(model) << model.error().toStdString();
    const QString prefix = "StatefulPartitionedCall/";
    auto whole = XnnTrunk::build(*model, side, side,
                                 {prefix + "Sigmoid_1", prefix + "Sigmoid",
                                  prefix + "kpt_regress_0/conv2d_6/BiasAdd",
                                  prefix + "kpt_offset_0/conv2d_7/BiasAdd"},
                                 1);
    ASSERT_TRUE(whole) << whole.error().toStdString();
    const auto cells = [&](int output) {
        return [data = (*whole)->output(output).data.data()](std::size_t cell, float* values) {
            std::copy_n(data + cell * 34, 34, values);
        };
    };

    for (const char* name : {"basketball1.png", "messi5.jpg"}) {
        const auto photo = qv::test::loadPhoto(name);
        QV_REQUIRE_PHOTO(photo, name);
        const auto people = detector->detect(*photo);
        ASSERT_FALSE(people.empty()) << name;
        qv::SubjectFollower follower;
        follower.searched(&people[0], photo->width(), photo->height(), 0);
        const auto crop = follower.cropFor(0.1);
        ASSERT_TRUE(crop) << name;
        qv::pose::fillCrop(*photo, *crop, side, (*whole)->input());

        const auto pruned = detector->inferFollower((*whole)->input());
        ASSERT_TRUE(pruned) << name;
        ASSERT_TRUE((*whole)->run());
        qv::pose::SinglePoseHeads heads;
        heads.height = heads.width = side / 4;
        heads.centre = (*whole)->output(0).data.data();
        heads.keypointHeatmap = (*whole)->output(1).data.data();
        heads.keypointRegression = cells(2);
        heads.keypointOffset = cells(3);
        const qv::pose::SinglePose expected = decodeSinglePose(heads);
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ((*pruned)[i], expected[i]) << name << " value " << i;
        }
    }
}
