// SPDX-License-Identifier: GPL-3.0-or-later
#include "pose/XnnTrunk.h"

#include "TinyModel.h"
#include "pose/GraphModel.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <numeric>

using qv::pose::GraphModel;
using qv::pose::XnnTrunk;
using qv::test::TinyModel;

namespace {

// Writes the graph to a fresh folder, reads it back and compiles it for a size×size image.
qv::Result<std::unique_ptr<XnnTrunk>> compile(const TinyModel& tiny, int size,
                                              const QStringList& outputs) {
    QTemporaryDir folder;
    tiny.write(folder.path(), "tiny");
    auto model = GraphModel::load(folder.path(), "tiny");
    if (!model) {
        return qv::Failure{model.error()};
    }
    return XnnTrunk::build(*model, size, size, outputs, 1);
}

QJsonObject listAttribute(const QJsonArray& values) {
    return {{"list", QJsonObject{{"i", values}}}};
}

// input 8×8×3 → 3×3 (or filterShape) convolution with one attribute replaced.
std::function<void(TinyModel&)> convolutionWith(const QString& key, const QJsonArray& values,
                                                std::vector<int> filterShape = {3, 3, 3, 2}) {
    return [=](TinyModel& model) {
        const auto filterSize = static_cast<std::size_t>(
            std::accumulate(filterShape.begin(), filterShape.end(), 1, std::multiplies<>()));
        QJsonObject attributes = TinyModel::convolutionAttributes(1, "SAME", {"BiasAdd"});
        attributes[key] = listAttribute(values);
        model.addInput("input");
        model.addConstant("filter", filterShape, std::vector<float>(filterSize, 0.5f));
        model.addConstant("bias", {filterShape[3]}, std::vector<float>(filterShape[3], 0.0f));
        model.addNode("out", "_FusedConv2D", {"input", "filter", "bias"}, attributes);
    };
}

} // namespace

// A damaged graph must be refused with a sentence: not divide by zero, recurse until the
// stack runs out, allocate without bound, or compile into a network that finds nobody. An
// operation the engine lacks, or an output that is not there, is named.
TEST(XnnTrunkTest, RefusesGraphsItCannotTranslate) {
    struct Refused {
        const char* what;
        std::function<void(TinyModel&)> build;
        QString output;
        const char* expectedInMessage;
        bool damaged = true;
    };
    const auto softmax = [](TinyModel& m) {
        m.addInput("input");
        m.addNode("out", "Softmax", {"input"});
    };
    const std::vector<Refused> graphs{
        {"unknown op", softmax, "out", "Softmax", false},
        {"absent output", softmax, "absent", "absent", false},
        {"zero strides", convolutionWith("strides", {"1", "0", "0", "1"}), "out", "strides"},
        {"huge strides", convolutionWith("strides", {"1", "65536", "65536", "1"}), "out",
         "strides"},
        {"negative strides", convolutionWith("strides", {"1", "-2", "-2", "1"}), "out", "strides"},
        {"batch stride", convolutionWith("strides", {"2", "1", "1", "1"}), "out", "strides"},
        {"dilated", convolutionWith("dilations", {"1", "2", "2", "1"}), "out", "dilations"},
        {"short dilations", convolutionWith("dilations", {"1"}), "out", "dilations"},
        {"huge kernel", convolutionWith("strides", {"1", "1", "1", "1"}, {40, 40, 3, 1}), "out",
         "filter"},
        {"node that is its own input",
         [](TinyModel& m) {
             m.addInput("input");
             m.addNode("out", "Sigmoid", {"out"});
         },
         "out", "its own result"},
        {"cycle",
         [](TinyModel& m) {
             m.addInput("input");
             m.addNode("a", "AddV2", {"input", "b"});
             m.addNode("b", "Sigmoid", {"c"});
             m.addNode("c", "Identity", {"a"});
             m.addNode("out", "Sigmoid", {"a"});
         },
         "out", "its own result"},
    };
    for (const auto& graph : graphs) {
        SCOPED_TRACE(graph.what);
        TinyModel tiny;
        graph.build(tiny);
        const auto trunk = compile(tiny, 8, {graph.output});
        ASSERT_FALSE(trunk);
        const std::string error = trunk.error().toStdString();
        if (graph.damaged) {
            EXPECT_TRUE(trunk.error().startsWith("The body-pose model is damaged: ")) << error;
        }
        EXPECT_TRUE(trunk.error().contains(graph.expectedInMessage)) << error;
    }
}

// Far deeper than any real model, and deeper than a walk on the thread's stack could go.
TEST(XnnTrunkTest, CompilesAVeryDeepChainOfNodes) {
    TinyModel tiny;
    tiny.addInput("n0");
    constexpr int depth = 60'000;
    for (int i = 1; i <= depth; ++i) {
        tiny.addNode(QStringLiteral("n%1").arg(i), "Identity", {QStringLiteral("n%1").arg(i - 1)});
    }
    tiny.addNode("out", "Sigmoid", {QStringLiteral("n%1").arg(depth)});
    const auto built = compile(tiny, 8, {"out"});
    ASSERT_TRUE(built) << built.error().toStdString();
    XnnTrunk& trunk = **built;
    std::fill_n(trunk.input(), trunk.inputSize(), 0.0f);
    ASSERT_TRUE(trunk.run());
    EXPECT_FLOAT_EQ(trunk.output(0).data[0], 0.5f);
}
