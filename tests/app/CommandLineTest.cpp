// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

Result<CommandLine> parse(QStringList arguments) {
    arguments.prepend(QStringLiteral("quorvantel"));
    return parseCommandLine(arguments);
}

TEST(CommandLine, PauseDurationsReadAsMinutesOrWithUnitsWithinADay) {
    const struct {
        const char* text;
        double seconds;
    } good[] = {{"90", 5400},  {"45m", 2700},  {"2h", 7200},   {"1h30m", 5400},
                {"120s", 120}, {" 1H ", 3600}, {"24h", 86400}, {"1", 60}};
    for (const auto& c : good) {
        const auto seconds = parsePauseDuration(c.text);
        ASSERT_TRUE(seconds) << c.text << ": " << seconds.error().toStdString();
        EXPECT_DOUBLE_EQ(*seconds, c.seconds) << c.text;
    }
    // Text, signs, fractions and overflow are refused with the rule; so are lengths a
    // restarted schedule would take for damage.
    for (const char* bad : {"", "soon", "-5", "1.5h", "1e9", "h", "5d", "2h-3m", "99999999"}) {
        const auto seconds = parsePauseDuration(bad);
        EXPECT_FALSE(seconds) << bad;
        EXPECT_TRUE(seconds.error().contains("duration")) << bad;
    }
    for (const char* outOfRange : {"30s", "0", "25h", "1441"}) {
        const auto seconds = parsePauseDuration(outOfRange);
        ASSERT_FALSE(seconds) << outOfRange;
        EXPECT_TRUE(seconds.error().contains("24 hours")) << outOfRange;
    }
}

TEST(CommandLine, RefusesWhatItCannotDoWithASentence) {
    for (const char* refused :
         {"--snooze --resume", "--pause tomorrow", "--frobnicate", "stray", "--camera-video="}) {
        EXPECT_FALSE(parse(QString(refused).split(' '))) << refused;
    }
    // A running instance would act on the request while only a new one could use the video.
    const auto videoWithRequest = parse({"--pause", "90", "--camera-video", "x"});
    ASSERT_FALSE(videoWithRequest);
    EXPECT_TRUE(videoWithRequest.error().contains("--camera-video"));

    const auto pause = parse({"--pause", "1h"});
    ASSERT_TRUE(pause);
    EXPECT_EQ(pause->request, CommandLine::Request::pause);
    EXPECT_DOUBLE_EQ(pause->pauseSeconds, 3600);

    const auto video = parse({"--camera-video", "/tmp/squats.mp4"});
    ASSERT_TRUE(video);
    EXPECT_EQ(video->cameraVideo, "/tmp/squats.mp4");
    EXPECT_EQ(video->request, CommandLine::Request::none);
}

} // namespace
} // namespace qv
