// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/verification/ExerciseKind.h"

#include <gtest/gtest.h>

using namespace qv;

TEST(ExerciseKind, DecodesOnlyTheTwoRawTexts) {
    EXPECT_EQ(exerciseKindFromRawText("squat"), ExerciseKind::squat);
    EXPECT_EQ(exerciseKindFromRawText("overheadRaise"), ExerciseKind::overheadRaise);
    EXPECT_FALSE(exerciseKindFromRawText("Squat"));
    EXPECT_FALSE(exerciseKindFromRawText(""));
    EXPECT_EQ(displayName(ExerciseKind::overheadRaise), "Overhead Raises");
}
