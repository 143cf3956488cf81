// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/common/ToolOptions.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <unistd.h>

using qv::tools::numberOption;
using qv::tools::wholeNumberOption;

TEST(ToolOptions, WholeNumbersAreReadStrictlyAndTheErrorStatesTheRange) {
    const struct {
        const char* text;
        std::optional<int> expected;
    } cases[] = {
        {"4", 4},     {" 16 ", 16}, {"1", 1},    {"64", 64},  {"0", std::nullopt},
        {"-2", {}},   {"65", {}},   {"abc", {}}, {"", {}},    {"4abc", {}},
        {"4.5", {}},  {"nan", {}},  {"inf", {}}, {"1e3", {}}, {"99999999999999999999", {}},
        {"0x10", {}},
    };
    for (const auto& c : cases) {
        const auto value = wholeNumberOption("--threads", c.text, 1, 64);
        if (c.expected) {
            ASSERT_TRUE(value) << c.text << ": " << value.error().toStdString();
            EXPECT_EQ(*value, *c.expected) << c.text;
        } else {
            ASSERT_FALSE(value) << c.text;
            EXPECT_TRUE(value.error().contains("from 1 to 64")) << value.error().toStdString();
            EXPECT_TRUE(value.error().endsWith(QStringLiteral("\"%1\"").arg(c.text)));
        }
    }
}

TEST(ToolOptions, NumbersRefuseNaNInfinitiesAndValuesOutsideTheRange) {
    const struct {
        const char* text;
        std::optional<double> expected;
    } cases[] = {
        {"0.2", 0.2},  {"0", 0.0},   {"1", 1.0},  {"1e-1", 0.1}, {"-0.1", std::nullopt},
        {"1.01", {}},  {"nan", {}},  {"NaN", {}}, {"inf", {}},   {"-inf", {}},
        {"1e400", {}}, {"0.5x", {}}, {"", {}},    {"half", {}},
    };
    for (const auto& c : cases) {
        const auto value = numberOption("--min-score", c.text, 0, 1);
        if (c.expected) {
            ASSERT_TRUE(value) << c.text << ": " << value.error().toStdString();
            EXPECT_DOUBLE_EQ(*value, *c.expected) << c.text;
        } else {
            ASSERT_FALSE(value) << c.text;
            EXPECT_TRUE(value.error().startsWith("--min-score must be a number from 0 to 1"))
                << value.error().toStdString();
        }
    }
}

TEST(ToolOptions, AnOutputThatIsTheInputIsRefusedUnderAnyOfItsNames) {
    qv::test::TemporaryHome home;
    const QString video = home.filePath("clip.mp4");
    QFile file(video);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ASSERT_TRUE(QFile::link(video, home.filePath("link.mp4")));
    ASSERT_EQ(::link(QFile::encodeName(video).constData(),
                     QFile::encodeName(home.filePath("hard.mp4")).constData()),
              0);
    for (const QString& same :
         {video, home.filePath("./clip.mp4"), home.filePath("sub/../clip.mp4"),
          home.filePath("link.mp4"), home.filePath("hard.mp4")}) {
        QDir().mkpath(home.filePath("sub"));
        const auto status = qv::tools::differentFromInput("--poses", same, video);
        EXPECT_FALSE(status) << same.toStdString();
        EXPECT_TRUE(status.error().contains("names the input")) << status.error().toStdString();
    }
    EXPECT_TRUE(qv::tools::differentFromInput("--poses", home.filePath("poses.jsonl"), video));
    EXPECT_TRUE(qv::tools::differentFromInput("--poses", home.filePath("clip.mp4.jsonl"), video));
}
