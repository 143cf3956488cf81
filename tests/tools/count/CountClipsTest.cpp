// SPDX-License-Identifier: GPL-3.0-or-later
// Real clips through the counter: the video file as the camera, the capture service, the real
// pose model and the camera engine of a break, framing gate included.

#include "pose/MoveNetPoseDetector.h"
#include "support/FileBytes.h"
#include "support/TestSupport.h"
#include "tools/count/CountRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace qv;
using test::readFile;
using test::writeFile;

namespace {

struct Clip {
    const char* file;
    ExerciseKind exercise;
    int counted; // what the engine counts; the people's count is in clips.json
};

void PrintTo(const Clip& clip, std::ostream* os) {
    *os << clip.file;
}

std::optional<QString> missingModel() {
    const auto detector = MoveNetPoseDetector::load(PoseEngineSettings{});
    return detector ? std::nullopt : std::optional(detector.error());
}

#define REQUIRE_CLIP_AND_MODEL(path, file)                                                         \
    QV_REQUIRE_CLIP(path, QLatin1String(file))                                                     \
    if (const auto problem = missingModel()) {                                                     \
        GTEST_SKIP() << "no pose model: " << problem->toStdString();                               \
    }

class CountClips : public testing::TestWithParam<Clip> {};

} // namespace

TEST_P(CountClips, CountsTheClipAsABreakWould) {
    const Clip clip = GetParam();
    REQUIRE_CLIP_AND_MODEL(path, clip.file);
    CountOptions options;
    options.videoPath = *path;
    options.exercise = clip.exercise;
    const CountResult result = runCount(options, {});
    ASSERT_FALSE(result.failure.has_value()) << result.failure->toStdString();
    EXPECT_EQ(result.repetitions, clip.counted);
    EXPECT_EQ(result.repetitionTimes.size(), static_cast<std::size_t>(clip.counted));
    EXPECT_FALSE(result.isCompleted);
    EXPECT_GT(result.analysedFrames, 0);
}

// Every clip of the test data, pinned at what the engine counts. It is the people's count
// except in jacks-studio-11: a three-second close-up cut into it takes the head out of the
// picture for one jack and drops the person in the middle of another (11 by the people).
INSTANTIATE_TEST_SUITE_P(
    Squats, CountClips,
    testing::Values(Clip{"squat-side-3.mp4", ExerciseKind::squat, 3},
                    Clip{"squat-side-gym-2.mp4", ExerciseKind::squat, 2},
                    Clip{"squat-side-1.mp4", ExerciseKind::squat, 1},
                    Clip{"squat-front-home-2.mp4", ExerciseKind::squat, 2},
                    Clip{"squat-side-small-1.mp4", ExerciseKind::squat, 1},
                    Clip{"squat-front-home-6.mp4", ExerciseKind::squat, 6},
                    Clip{"squat-side-home-3.mp4", ExerciseKind::squat, 3},
                    Clip{"neg-walking-front-outdoor-0.mp4", ExerciseKind::squat, 0},
                    Clip{"neg-highknees-side-home-0.mp4", ExerciseKind::squat, 0}));

INSTANTIATE_TEST_SUITE_P(
    Raises, CountClips,
    testing::Values(Clip{"one-arm-stretch-0.mp4", ExerciseKind::overheadRaise, 0},
                    Clip{"jacks-studio-11.mp4", ExerciseKind::overheadRaise, 9},
                    Clip{"jacks-outdoor-15.mp4", ExerciseKind::overheadRaise, 15},
                    Clip{"jacks-front-4.mp4", ExerciseKind::overheadRaise, 4},
                    Clip{"press-dumbbell-2.mp4", ExerciseKind::overheadRaise, 2},
                    Clip{"raise-seated-front-7.mp4", ExerciseKind::overheadRaise, 7},
                    Clip{"squat-side-home-3.mp4", ExerciseKind::overheadRaise, 0},
                    Clip{"neg-latraise-front-gym-0.mp4", ExerciseKind::overheadRaise, 0},
                    Clip{"neg-frontraise-side-gym-0.mp4", ExerciseKind::overheadRaise, 0},
                    Clip{"neg-walking-front-outdoor-0.mp4", ExerciseKind::overheadRaise, 0},
                    Clip{"jacks-front-armsup-outdoor-4.mp4", ExerciseKind::overheadRaise, 4},
                    Clip{"neg-chestexpand-front-studio-0.mp4", ExerciseKind::overheadRaise, 0}));

// Two ways a camera differs from the clips, made from them at run time and never kept: a
// picture that ends below the knees (here, a quarter of it cut off at the bottom) and brisk
// jumping jacks from a 60 frames-per-second camera (played 1.6 times as fast).
TEST(CountClips, APictureEndingAboveTheFeetAndBriskJacksAtSixtyFramesCountAsTheClips) {
    struct Variant {
        const char* file;
        ExerciseKind exercise;
        const char* filter;
        int counted;
    };
    const Variant variants[] = {
        {"squat-side-3.mp4", ExerciseKind::squat, "crop=iw:trunc(ih*0.76/2)*2:0:0", 3},
        {"jacks-front-4.mp4", ExerciseKind::overheadRaise, "setpts=PTS/1.6,fps=60", 4},
    };
    const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    if (ffmpeg.isEmpty()) {
        GTEST_SKIP() << "ffmpeg is not installed";
    }
    test::TemporaryHome home;
    for (const Variant& v : variants) {
        REQUIRE_CLIP_AND_MODEL(path, v.file);
        const QString made = home.filePath(QLatin1String(v.file));
        QProcess process;
        process.start(ffmpeg, {"-loglevel", "error", "-y", "-i", *path, "-vf", v.filter, "-an",
                               "-c:v", "libx264", "-preset", "veryfast", "-crf", "16", made});
        ASSERT_TRUE(process.waitForFinished(60000) && process.exitCode() == 0)
            << process.readAllStandardError().toStdString();
        CountOptions options;
        options.videoPath = made;
        options.exercise = v.exercise;
        const CountResult result = runCount(options, {});
        ASSERT_FALSE(result.failure.has_value()) << result.failure->toStdString();
        EXPECT_EQ(result.repetitions, v.counted) << v.file;
    }
}

TEST(CountClips, AClipListIsCountedSideBySideAndComparedWithThePeoplesCount) {
    REQUIRE_CLIP_AND_MODEL(squats, "squat-front-home-2.mp4");
    REQUIRE_CLIP_AND_MODEL(stretch, "one-arm-stretch-0.mp4");
    test::TemporaryHome home;
    const QString list = home.filePath("clips.json");
    // True counts as a list may hold them, one of them wrong on purpose; paths relative to it.
    const QDir listDir(home.path());
    const QString listed =
        QStringLiteral(R"({"clips": [{"file": "%1", "exercise": "squat", "reps": 2},
        {"file": "%2", "exercise": "overheadRaise", "reps": 1}]})");
    ASSERT_TRUE(writeFile(
        list, listed.arg(listDir.relativeFilePath(*squats), listDir.relativeFilePath(*stretch))
                  .toUtf8()));

    QProcess tool;
    tool.start(QStringLiteral(QV_COUNT_TOOL), {"--clips", list, "--json", "--poses", home.path()});
    ASSERT_TRUE(tool.waitForFinished(300000));
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    const QJsonObject table = QJsonDocument::fromJson(tool.readAllStandardOutput()).object();
    EXPECT_EQ(table["exact"].toInt(), 1);
    EXPECT_EQ(table["missed"].toInt(), 1);
    EXPECT_EQ(table["overCounted"].toInt(), 0);
    const QJsonArray clips = table["clips"].toArray();
    ASSERT_EQ(clips.size(), 2);
    EXPECT_EQ(clips[0]["counted"].toInt(), 2); // in the list's order
    EXPECT_EQ(clips[0]["repetitionTimes"].toArray().size(), 2);
    EXPECT_EQ(clips[1]["counted"].toInt(), 0);
    EXPECT_TRUE(QFile::exists(home.filePath("squat-front-home-2.mp4.squat.jsonl")));
}

TEST(CountClips, ReachingTheTargetEndsTheRunEarlyAsABreakDoes) {
    REQUIRE_CLIP_AND_MODEL(path, "squat-side-3.mp4");
    CountOptions options;
    options.videoPath = *path;
    options.target = 2;
    const CountResult result = runCount(options, {});
    EXPECT_TRUE(result.isCompleted);
    EXPECT_EQ(result.repetitions, 2);
    EXPECT_LT(result.videoSeconds, 8.0); // the third squat was never looked at
    EXPECT_EQ(result.events.back()["event"].toString(), "completed");
}

TEST(CountClips, AVideoThatCannotBePlayedFailsTheRunWithAReason) {
    REQUIRE_CLIP_AND_MODEL(path, "squat-side-3.mp4");
    test::TemporaryHome home;
    const QString broken = home.filePath("broken.mp4");
    ASSERT_TRUE(writeFile(broken, readFile(*path).left(2000))); // the header and hardly a frame
    CountOptions options;
    options.videoPath = broken;
    const CountResult result = runCount(options, {});
    if (result.failure) {
        EXPECT_TRUE(result.failure->startsWith("Camera could not start: ") ||
                    result.failure->contains("video"))
            << result.failure->toStdString();
    } else {
        EXPECT_EQ(result.analysedFrames, 0);
    }
    EXPECT_EQ(result.repetitions, 0);
}

TEST(CountClips, ADamagedPoseModelFailsTheRunWithASentenceForTheUser) {
    REQUIRE_CLIP_AND_MODEL(path, "squat-side-1.mp4");
    test::TemporaryHome home;
    const QString modelDir = defaultPoseModelDir();
    for (const char* name : {"movenet-multipose.json", "movenet-multipose.bin"}) {
        const QByteArray whole = readFile(modelDir + '/' + QLatin1String(name));
        ASSERT_FALSE(whole.isEmpty()) << name;
        ASSERT_TRUE(writeFile(home.filePath(QLatin1String(name)), whole.left(100000)));
    } // the weights cut short
    const QByteArray previous = qgetenv("QV_MODEL_DIR");
    qputenv("QV_MODEL_DIR", home.path().toLocal8Bit());
    CountOptions options;
    options.videoPath = *path;
    const CountResult result = runCount(options, {});
    qputenv("QV_MODEL_DIR", previous);
    if (previous.isEmpty()) {
        qunsetenv("QV_MODEL_DIR");
    }
    ASSERT_TRUE(result.failure.has_value());
    EXPECT_TRUE(result.failure->endsWith(" Continuing with the honor timer."))
        << result.failure->toStdString();
    EXPECT_EQ(result.analysedFrames, 0);
}
