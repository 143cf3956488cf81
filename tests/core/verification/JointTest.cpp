// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/verification/Joint.h"

#include <gtest/gtest.h>

using namespace qv;

TEST(Joint, RawTextsRoundTripInDeclaredOrderAndUnknownTextsFail) {
    const char* expected[] = {"root",          "neck",      "nose",       "leftShoulder",
                              "rightShoulder", "leftElbow", "rightElbow", "leftWrist",
                              "rightWrist",    "leftHip",   "rightHip",   "leftKnee",
                              "rightKnee",     "leftAnkle", "rightAnkle"};
    for (int i = 0; i < jointCount; ++i) {
        EXPECT_EQ(rawText(allJoints[static_cast<std::size_t>(i)]), QLatin1String(expected[i]));
        EXPECT_EQ(jointFromRawText(QString::fromLatin1(expected[i])),
                  allJoints[static_cast<std::size_t>(i)]);
    }
    for (const char* bad : {"", "LeftHip", "leftEye", "root "}) {
        EXPECT_FALSE(jointFromRawText(QString::fromLatin1(bad))) << bad;
    }
}
