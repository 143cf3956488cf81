// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/verification/PoseStream.h"
#include "support/FileBytes.h"
#include "support/SyntheticMotion.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

using namespace qv;

namespace {

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

ToolRun runTool(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(QV_POSE_REPLAY_TOOL), arguments);
    process.waitForFinished(30000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

void writeStream(const QString& path, const std::vector<PoseFrame>& frames) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    PoseStreamWriter writer(file);
    for (const auto& f : frames) {
        ASSERT_TRUE(writer.write(f));
    }
}

} // namespace

TEST(PoseReplayTool, ReplaysARecordedStreamAsJsonAndText) {
    test::TemporaryHome home;
    const QString path = home.filePath("raises.jsonl");
    writeStream(path, test::record(test::Motion().stand(1).raises(3), test::Body{}));

    const ToolRun json = runTool({"--exercise", "overheadRaise", "--json", path});
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    const QJsonObject result = QJsonDocument::fromJson(json.out).object();
    EXPECT_EQ(result.value(QLatin1String("repetitions")).toInt(), 3);
    EXPECT_EQ(result.value(QLatin1String("repetitionTimes")).toArray().size(), 3);
    EXPECT_EQ(result.value(QLatin1String("exercise")).toString(), "overheadRaise");
    EXPECT_FALSE(result.value(QLatin1String("feedbackChanges")).toArray().isEmpty());

    const ToolRun text = runTool({path});
    ASSERT_EQ(text.exitCode, 0);
    EXPECT_TRUE(text.out.contains("exercise: squat\n"));
    EXPECT_TRUE(text.out.contains("repetitions: 0\n"));
}

TEST(PoseReplayTool, BadInputIsReportedWithTheLineAndAnExitCode) {
    test::TemporaryHome home;
    const QString path = home.filePath("bad.jsonl");
    ASSERT_TRUE(test::writeFile(path, "{\"format\":\"quorvantel-poses\",\"version\":1}\n"
                                      "{\"t\":1,\"people\":[]}\n"
                                      "{\"t\":2,\"people\":[{\"tail\":[0.5,0.5,0.9]}]}\n"
                                      "{\"t\":3,\"people\":[]}\n"));
    const ToolRun strict = runTool({path});
    EXPECT_EQ(strict.exitCode, 1);
    EXPECT_TRUE(strict.err.contains("line 3: unknown joint \"tail\"")) << strict.err.toStdString();
    EXPECT_TRUE(strict.out.isEmpty());

    const ToolRun lenient = runTool({"--skip-bad-frames", "--json", path});
    ASSERT_EQ(lenient.exitCode, 0);
    const QJsonObject result = QJsonDocument::fromJson(lenient.out).object();
    EXPECT_EQ(result.value(QLatin1String("frames")).toInt(), 2);
    EXPECT_EQ(result.value(QLatin1String("skipped")).toArray().size(), 1);

    EXPECT_EQ(runTool({"--exercise", "jump", path}).exitCode, 2);
    EXPECT_EQ(runTool({home.filePath("absent.jsonl")}).exitCode, 1);
}
