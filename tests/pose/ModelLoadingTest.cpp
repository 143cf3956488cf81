#include "TinyModel.h"
#include "pose/MoveNetPoseDetector.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>

using qv::MoveNetPoseDetector;
using qv::PoseEngineSettings;
using qv::test::TinyModel;

namespace {

const QString stem = QStringLiteral("movenet-multipose");

void writeValidTinyModel(const QString& folder) {
    TinyModel model;
    model.addInput("input");
    model.addConstant("filter", {1, 1, 3, 2}, {1, 2, 3, 4, 5, 6});
    model.addConstant("bias", {2}, {0.5f, -0.5f});
    model.addNode("conv", "_FusedConv2D", {"input", "filter", "bias"},
                  TinyModel::convolutionAttributes(1, "SAME", {"BiasAdd"}));
    model.write(folder, stem);
}

void rewrite(const QString& path, const std::function<QByteArray(QByteArray)>& change) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray changed = change(file.readAll());
    file.close();
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(changed);
}

struct Damage {
    const char* what;
    std::function<void(const QDir&)> apply;
    const char* expectedInMessage;
};

} // namespace

// Every way the model files can be wrong gives a sentence naming the problem, never a crash.
TEST(ModelLoadingTest, ReportsEachBrokenModelClearly) {
    const QString bin = stem + ".bin";
    const QString json = stem + ".json";
    const std::vector<Damage> damages{
        {"no folder", [](const QDir& dir) { QDir(dir).removeRecursively(); }, "folder"},
        {"no graph file", [&](const QDir& dir) { QFile::remove(dir.filePath(json)); }, "missing"},
        {"no weights file", [&](const QDir& dir) { QFile::remove(dir.filePath(bin)); }, "missing"},
        {"graph not JSON",
         [&](const QDir& dir) {
             rewrite(dir.filePath(json), [](QByteArray b) { return b.left(100); });
         },
         "damaged"},
        {"empty graph file",
         [&](const QDir& dir) {
             rewrite(dir.filePath(json), [](QByteArray) { return QByteArray(); });
         },
         "damaged"},
        {"truncated weights",
         [&](const QDir& dir) {
             rewrite(dir.filePath(bin), [](QByteArray b) { return b.left(b.size() - 3); });
         },
         "truncated"},
        {"extra bytes in the weights",
         [&](const QDir& dir) {
             rewrite(dir.filePath(bin), [](QByteArray b) { return b + "xx"; });
         },
         "does not match"},
        {"weights that are not numbers",
         [&](const QDir& dir) {
             rewrite(dir.filePath(bin), [](QByteArray b) {
                 const float nan = NAN;
                 std::memcpy(b.data(), &nan, sizeof nan);
                 return b;
             });
         },
         "not a number"},
        {"weights path leaving the folder",
         [&](const QDir& dir) {
             rewrite(dir.filePath(json),
                     [&](QByteArray b) { return b.replace(bin.toUtf8(), "../elsewhere.bin"); });
         },
         "outside"},
        {"a weight shape too large for any file",
         [&](const QDir& dir) {
             rewrite(dir.filePath(json), [](QByteArray b) {
                 return b.replace("\"shape\": [\n                        1,",
                                  "\"shape\": [\n                        4294967296, 4294967296,");
             });
         },
         "form this engine does not read"},
        {"a graph of another model", [](const QDir&) {}, "StatefulPartitionedCall/Sigmoid"},
    };
    for (const auto& damage : damages) {
        QTemporaryDir root;
        const QDir dir(root.filePath("model"));
        QDir().mkpath(dir.path());
        writeValidTinyModel(dir.path());
        damage.apply(dir);

        PoseEngineSettings settings;
        settings.modelDir = dir.path();
        const auto detector = MoveNetPoseDetector::load(settings);
        EXPECT_FALSE(detector) << damage.what;
        EXPECT_TRUE(detector.error().contains(damage.expectedInMessage))
            << damage.what << ": " << detector.error().toStdString();
    }
}

TEST(ModelLoadingTest, RefusesInputSizesTheModelCannotTake) {
    for (const int size : {0, -32, 100, 32, 2048}) {
        PoseEngineSettings settings;
        settings.inputSize = size;
        const auto detector = MoveNetPoseDetector::load(settings);
        EXPECT_FALSE(detector) << size;
        EXPECT_TRUE(detector.error().contains("multiple of 32")) << detector.error().toStdString();
    }
}
