// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/FileBytes.h"
#include "support/TestSupport.h"

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

} // namespace

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
