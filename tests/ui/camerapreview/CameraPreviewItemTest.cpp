// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/camerapreview/CameraPreviewItem.h"

#include "core/breakscreen/BreakOverlayModel.h"
#include "ui/camerapreview/SkeletonPainter.h"

#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace qv {
namespace {

constexpr QRgb bone = 0xff00ff00;
constexpr QRgb joint = 0xffff0000;

Image grey(int width, int height) {
    return Image(width, height, QByteArray(width * height * 3, char(0x40)));
}

PoseSnapshot armPose(float elbowConfidence) {
    PoseSnapshot pose;
    pose.setJoint(Joint::leftShoulder, {{0.25, 0.75}, 0.9f});
    pose.setJoint(Joint::leftElbow, {{0.75, 0.75}, elbowConfidence});
    return pose;
}

// Pose points grow upwards, pictures downwards: a point in the upper quarter of the pose
// must land in the upper quarter of the picture.
TEST(SkeletonPainter, DrawsConfidentBonesAndJointsWherePosePointsAre) {
    QImage target;
    EXPECT_TRUE(composePreview(grey(400, 200), nullptr, target, bone, joint));
    EXPECT_EQ(target.pixel(100, 50), qRgb(0x40, 0x40, 0x40));

    const PoseSnapshot pose = armPose(0.9f);
    EXPECT_FALSE(composePreview(grey(400, 200), &pose, target, bone, joint));
    EXPECT_EQ(target.pixel(200, 50), bone);  // the middle of the bone
    EXPECT_EQ(target.pixel(100, 50), joint); // the shoulder
    EXPECT_EQ(target.pixel(200, 150), qRgb(0x40, 0x40, 0x40));

    // A joint below the confidence floor gets neither its dot nor its bone.
    const PoseSnapshot unsure = armPose(0.2f);
    composePreview(grey(400, 200), &unsure, target, bone, joint);
    EXPECT_EQ(target.pixel(200, 50), qRgb(0x40, 0x40, 0x40));
    EXPECT_EQ(target.pixel(300, 50), qRgb(0x40, 0x40, 0x40));
    EXPECT_EQ(target.pixel(100, 50), joint);
}

// The camera makes pictures only as large as they are drawn, so the item must say how large
// that is whenever it changes, and that it draws none once hidden or gone.
TEST(CameraPreviewItem, TellsTheModelHowLargeItDrawsThePicture) {
    BreakOverlayModel model(BreakOverlayModel::Initial{}, nullptr);
    QQuickWindow view;
    auto* item = new CameraPreviewItem(view.contentItem());
    item->setSize(QSizeF(320, 240));
    item->setModel(&model);
    const int scale = qRound(view.effectiveDevicePixelRatio());
    EXPECT_EQ(model.previewSide(), 320 * scale);
    item->setHeight(400);
    EXPECT_EQ(model.previewSide(), 400 * scale);
    item->setVisible(false);
    EXPECT_EQ(model.previewSide(), 0);
    item->setVisible(true);
    EXPECT_EQ(model.previewSide(), 400 * scale);
    delete item;
    EXPECT_EQ(model.previewSide(), 0);
}

TEST(CameraPreviewItem, TakesEveryFrameIntoOneBuffer) {
    BreakOverlayModel::Initial initial;
    initial.targetRepetitions = 10;
    BreakOverlayModel model(initial, nullptr);
    QQuickWindow view;
    auto* item = new CameraPreviewItem(view.contentItem());
    item->setSize(QSizeF(320, 240));
    item->setModel(&model);
    view.resize(320, 240);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));

    QSignalSpy pictured(item, &CameraPreviewItem::hasPictureChanged);
    const PoseSnapshot pose = armPose(0.9f);
    for (int frame = 1; frame <= 20; ++frame) {
        model.apply(progress::Exercise{pose, grey(640, 360), frame / 4, 10});
        QSignalSpy swapped(&view, &QQuickWindow::frameSwapped);
        ASSERT_TRUE(swapped.wait(2000));
    }
    EXPECT_TRUE(item->hasPicture());
    EXPECT_EQ(item->framesDrawn(), 20);
    EXPECT_EQ(item->buffersAllocated(), 1);

    model.switchExercise(ExerciseKind::squat); // no preview any more
    QSignalSpy swapped(&view, &QQuickWindow::frameSwapped);
    swapped.wait(2000);
    QTest::qWait(50);
    EXPECT_FALSE(item->hasPicture());
}

} // namespace
} // namespace qv
