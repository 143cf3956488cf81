// SPDX-License-Identifier: GPL-3.0-or-later
#include "PoseTestSupport.h"
#include "core/camera/SubjectFollower.h"

#include <gtest/gtest.h>

using qv::BodyKeypoint;
using qv::DetectedPerson;
using qv::Image;

namespace {

const qv::DetectedKeypoint& keypoint(const DetectedPerson& person, BodyKeypoint which) {
    return person.keypoints[static_cast<std::size_t>(which)];
}

} // namespace

// Two players: the one standing in full view scores well above the threshold and his
// skeleton is upright where he stands (left third of the picture); the one half cut off at
// the right edge is found too, less surely.
TEST(MoveNetPoseDetectorTest, FindsBothPlayersAndTheStandingOnesSkeleton) {
    const auto detector = qv::test::loadRealModel();
    QV_REQUIRE_MODEL(detector);
    const auto photo = qv::test::loadPhoto("basketball1.png");
    QV_REQUIRE_PHOTO(photo, "basketball1.png");

    const auto people = detector->detect(*photo);
    ASSERT_EQ(people.size(), 2u);
    EXPECT_GT(people[0].score, 0.5f);
    EXPECT_GT(people[1].score, 0.2f);
    EXPECT_GE(people[0].score, people[1].score);

    const DetectedPerson& standing = people[0];
    for (const auto& point : standing.keypoints) {
        EXPECT_GT(point.x, 0.05);
        EXPECT_LT(point.x, 0.35);
    }
    const auto y = [&](BodyKeypoint which) { return keypoint(standing, which).y; };
    EXPECT_LT(y(BodyKeypoint::nose), y(BodyKeypoint::leftShoulder));
    EXPECT_LT(y(BodyKeypoint::leftShoulder), y(BodyKeypoint::leftHip));
    EXPECT_LT(y(BodyKeypoint::leftHip), y(BodyKeypoint::leftKnee));
    EXPECT_LT(y(BodyKeypoint::leftKnee), y(BodyKeypoint::leftAnkle));
    EXPECT_GT(y(BodyKeypoint::rightAnkle), 0.85);
    for (const auto which :
         {BodyKeypoint::leftHip, BodyKeypoint::rightKnee, BodyKeypoint::leftAnkle}) {
        EXPECT_GT(keypoint(standing, which).confidence, 0.5f);
    }
    // The player's own left side is on the right of the picture: he faces the camera.
    EXPECT_GT(keypoint(standing, BodyKeypoint::leftShoulder).x,
              keypoint(standing, BodyKeypoint::rightShoulder).x);
}

TEST(MoveNetPoseDetectorTest, ReportsNobodyWhereNobodyIs) {
    for (const int size : {qv::PoseEngineSettings{}.inputSize, 256}) {
        const auto detector = qv::test::loadRealModel(size);
        QV_REQUIRE_MODEL(detector);
        for (const char* name :
             {"building.jpg", "fruits.jpg", "home.jpg", "box.png", "left01.jpg"}) {
            const auto photo = qv::test::loadPhoto(name);
            QV_REQUIRE_PHOTO(photo, name);
            EXPECT_TRUE(detector->detect(*photo).empty()) << name << " at " << size;
        }
        EXPECT_TRUE(detector->detect(Image()).empty());
        EXPECT_TRUE(detector->detect(Image(640, 480)).empty()) << "a black frame";
    }
}

// Odd widths, tiny and extreme shapes go through the letterbox without trouble, and the
// same picture gives the same answer every time (no state leaks between frames).
TEST(MoveNetPoseDetectorTest, TakesAnyFrameShapeAndRepeatsItself) {
    const auto detector = qv::test::loadRealModel(192, 2);
    QV_REQUIRE_MODEL(detector);
    for (const auto& [w, h] : {std::pair{1, 1}, {3, 1001}, {1001, 3}, {641, 479}}) {
        EXPECT_NO_THROW(detector->detect(Image(w, h))) << w << "x" << h;
    }
    const auto photo = qv::test::loadPhoto("messi5.jpg");
    QV_REQUIRE_PHOTO(photo, "messi5.jpg");
    const auto first = detector->detect(*photo);
    const auto second = detector->detect(*photo);
    ASSERT_EQ(first.size(), 1u);
    ASSERT_EQ(second.size(), 1u);
    for (std::size_t k = 0; k < first[0].keypoints.size(); ++k) {
        EXPECT_EQ(first[0].keypoints[k].x, second[0].keypoints[k].x);
        EXPECT_EQ(first[0].keypoints[k].y, second[0].keypoints[k].y);
    }
}

// Followed in the crop the follower places around him, the standing player's skeleton lands
// where the whole-picture search put it, and the follow is convincing; a crop of the same
// size on scenes with nobody in them is not, so the follow is given up there.
TEST(MoveNetPoseDetectorTest, FollowsThePlayerInHisCropAndNobodyElsewhere) {
    const auto detector = qv::test::loadRealModel(192);
    QV_REQUIRE_MODEL(detector);
    const auto photo = qv::test::loadPhoto("basketball1.png");
    QV_REQUIRE_PHOTO(photo, "basketball1.png");
    const auto people = detector->detect(*photo);
    ASSERT_FALSE(people.empty());

    qv::SubjectFollower follower;
    follower.searched(&people[0], photo->width(), photo->height(), 0);
    const auto crop = follower.cropFor(0.1);
    ASSERT_TRUE(crop);
    const auto followed = detector->track(*photo, *crop);
    ASSERT_TRUE(followed);
    EXPECT_TRUE(follower.isConvincing(*followed)) << followed->score;
    for (const auto which : {BodyKeypoint::nose, BodyKeypoint::leftShoulder, BodyKeypoint::rightHip,
                             BodyKeypoint::leftKnee, BodyKeypoint::rightAnkle}) {
        const auto& found = keypoint(*followed, which);
        const auto& searched = keypoint(people[0], which);
        EXPECT_NEAR(found.x, searched.x, 0.03) << static_cast<int>(which);
        EXPECT_NEAR(found.y, searched.y, 0.03) << static_cast<int>(which);
    }

    for (const char* name : {"building.jpg", "fruits.jpg", "home.jpg", "box.png"}) {
        const auto scene = qv::test::loadPhoto(name);
        QV_REQUIRE_PHOTO(scene, name);
        const qv::CropSquare middle{scene->width() / 2.0, scene->height() / 2.0, crop->side};
        const auto nobody = detector->track(*scene, middle);
        ASSERT_TRUE(nobody);
        EXPECT_FALSE(follower.isConvincing(*nobody)) << name << " scored " << nobody->score;
    }
}
