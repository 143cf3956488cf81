// SPDX-License-Identifier: GPL-3.0-or-later
#include "pose/XnnTrunk.h"

#include "TinyModel.h"
#include "pose/GraphModel.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <numeric>
#include <random>

using qv::pose::GraphModel;
using qv::pose::XnnTrunk;
using qv::test::TinyModel;

namespace {

struct Tensor {
    int h = 0, w = 0, c = 0;
    std::vector<float> v;
    float& at(int y, int x, int ch) { return v[static_cast<std::size_t>((y * w + x) * c + ch)]; }
    float at(int y, int x, int ch) const {
        return v[static_cast<std::size_t>((y * w + x) * c + ch)];
    }
};

std::vector<float> randomValues(std::size_t count, float low, float high, unsigned seed) {
    std::mt19937 generator(seed);
    std::uniform_real_distribution<float> distribution(low, high);
    std::vector<float> values(count);
    for (auto& value : values) {
        value = distribution(generator);
    }
    return values;
}

// TensorFlow's convolution, written plainly: filters [kh, kw, in, out] (or [kh, kw, in, 1]
// for depthwise), SAME padding with the odd pixel after.
Tensor convolve(const Tensor& in, const std::vector<float>& filter, const std::vector<float>& bias,
                int k, int stride, bool same, bool depthwise, int outChannels, float low,
                float high) {
    Tensor out;
    out.h = same ? (in.h + stride - 1) / stride : (in.h - k) / stride + 1;
    out.w = same ? (in.w + stride - 1) / stride : (in.w - k) / stride + 1;
    out.c = outChannels;
    out.v.assign(static_cast<std::size_t>(out.h * out.w * out.c), 0.0f);
    const int padTop = same ? std::max((out.h - 1) * stride + k - in.h, 0) / 2 : 0;
    const int padLeft = same ? std::max((out.w - 1) * stride + k - in.w, 0) / 2 : 0;
    for (int y = 0; y < out.h; ++y)
        for (int x = 0; x < out.w; ++x)
            for (int o = 0; o < out.c; ++o) {
                double sum = bias.empty() ? 0.0 : bias[static_cast<std::size_t>(o)];
                for (int ky = 0; ky < k; ++ky)
                    for (int kx = 0; kx < k; ++kx) {
                        const int sy = y * stride + ky - padTop;
                        const int sx = x * stride + kx - padLeft;
                        if (sy < 0 || sy >= in.h || sx < 0 || sx >= in.w) {
                            continue;
                        }
                        if (depthwise) {
                            sum += in.at(sy, sx, o) *
                                   filter[static_cast<std::size_t>((ky * k + kx) * in.c + o)];
                        } else {
                            for (int i = 0; i < in.c; ++i) {
                                sum += in.at(sy, sx, i) *
                                       filter[static_cast<std::size_t>(
                                           ((ky * k + kx) * in.c + i) * outChannels + o)];
                            }
                        }
                    }
                out.at(y, x, o) = std::clamp(static_cast<float>(sum), low, high);
            }
    return out;
}

constexpr float inf = INFINITY;

// input 6×6×3 → (x − mean) × scale − 1 → 3×3 conv, stride 2, SAME, Relu6 → { depthwise 3×3
// SAME → sigmoid ; 1×1 VALID conv }
struct SmallNetwork {
    std::vector<float> mean{10, 20, 30}, scale{0.01f, 0.02f, 0.03f}, one{1};
    std::vector<float> convFilter = randomValues(3 * 3 * 3 * 4, -1, 1, 1);
    std::vector<float> convBias = randomValues(4, -0.5f, 0.5f, 2);
    std::vector<float> depthFilter = randomValues(3 * 3 * 4, -1, 1, 3);
    std::vector<float> depthBias = randomValues(4, -0.5f, 0.5f, 4);
    std::vector<float> headFilter = randomValues(4 * 2, -1, 1, 5);
    std::vector<float> headBias{0.25f, -0.25f};

    void write(TinyModel& model) const {
        model.addInput("input");
        model.addConstant("mean", {1, 1, 1, 3}, mean);
        model.addConstant("scale", {1, 1, 1, 3}, scale);
        model.addConstant("one", {}, one);
        model.addConstant("convFilter", {3, 3, 3, 4}, convFilter);
        model.addConstant("convBias", {4}, convBias);
        model.addConstant("depthFilter", {3, 3, 4, 1}, depthFilter);
        model.addConstant("depthBias", {4}, depthBias);
        model.addConstant("headFilter", {1, 1, 4, 2}, headFilter);
        model.addConstant("headBias", {2}, headBias);
        model.addNode("cast", "Cast", {"input"});
        model.addNode("centred", "Sub", {"cast", "mean"});
        model.addNode("scaled", "Mul", {"centred", "scale"});
        model.addNode("normalised", "Sub", {"scaled", "one"});
        model.addNode("conv", "_FusedConv2D", {"normalised", "convFilter", "convBias"},
                      TinyModel::convolutionAttributes(2, "SAME", {"BiasAdd", "Relu6"}));
        model.addNode("depth", "FusedDepthwiseConv2dNative", {"conv", "depthFilter", "depthBias"},
                      TinyModel::convolutionAttributes(1, "SAME", {"BiasAdd"}));
        model.addNode("out", "Sigmoid", {"depth"});
        model.addNode("head", "_FusedConv2D", {"conv", "headFilter", "headBias"},
                      TinyModel::convolutionAttributes(1, "VALID", {"BiasAdd"}));
    }

    std::pair<Tensor, Tensor> expected(const Tensor& input) const {
        Tensor normalised = input;
        for (std::size_t i = 0; i < normalised.v.size(); ++i) {
            normalised.v[i] = (input.v[i] - mean[i % 3]) * scale[i % 3] - 1.0f;
        }
        const Tensor conv =
            convolve(normalised, convFilter, convBias, 3, 2, true, false, 4, 0.0f, 6.0f);
        Tensor out = convolve(conv, depthFilter, depthBias, 3, 1, true, true, 4, -inf, inf);
        for (auto& value : out.v) {
            value = 1.0f / (1.0f + std::exp(-value));
        }
        return {out, convolve(conv, headFilter, headBias, 1, 1, false, false, 2, -inf, inf)};
    }
};

// Writes the graph to a fresh folder, reads it back and compiles it for a size×size image.
qv::Result<std::unique_ptr<XnnTrunk>> compile(const TinyModel& tiny, int size,
                                              const QStringList& outputs, int threads = 1) {
    QTemporaryDir folder;
    tiny.write(folder.path(), "tiny");
    auto model = GraphModel::load(folder.path(), "tiny");
    if (!model) {
        return qv::Failure{model.error()};
    }
    return XnnTrunk::build(*model, size, size, outputs, threads);
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

// An even input with stride 2 needs one pixel of padding after and none before: the place
// where a symmetric padding would shift every output.
TEST(XnnTrunkTest, ComputesWhatTensorFlowWouldForConvolutionsAndElementwiseOps) {
    TinyModel tiny;
    const SmallNetwork network;
    network.write(tiny);
    Tensor input{6, 6, 3, randomValues(6 * 6 * 3, 0, 255, 6)};
    for (auto& value : input.v) {
        value = std::round(value);
    }
    const auto [out, head] = network.expected(input);
    const auto compare = [](const XnnTrunk::Tensor& actual, const Tensor& wanted) {
        ASSERT_EQ(actual.shape, (std::vector<std::size_t>{1, static_cast<std::size_t>(wanted.h),
                                                          static_cast<std::size_t>(wanted.w),
                                                          static_cast<std::size_t>(wanted.c)}));
        for (std::size_t i = 0; i < wanted.v.size(); ++i) {
            EXPECT_NEAR(actual.data[i], wanted.v[i], 1e-4) << "element " << i;
        }
    };
    for (const int threads : {1, 2}) {
        SCOPED_TRACE(threads);
        const auto trunk = compile(tiny, 6, {"out", "head"}, threads);
        ASSERT_TRUE(trunk) << trunk.error().toStdString();
        std::copy(input.v.begin(), input.v.end(), (*trunk)->input());
        ASSERT_TRUE((*trunk)->run());
        compare((*trunk)->output(0), out);
        compare((*trunk)->output(1), head);
    }
}

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

// A weight with a zero dimension holds nothing; reading it must not copy into no storage.
TEST(XnnTrunkTest, LoadsAWeightWithNoElements) {
    TinyModel tiny;
    tiny.addInput("input");
    tiny.addConstant("empty", {0, 3}, {});
    tiny.addConstant("one", {1}, {1.0f});
    tiny.addNode("out", "Mul", {"input", "one"});
    const auto trunk = compile(tiny, 8, {"out"});
    EXPECT_TRUE(trunk) << trunk.error().toStdString();
}

namespace {

// input → `prelude` (a chain of batch-axis ops) → 1×1 convolution doubling every channel.
qv::Result<std::unique_ptr<XnnTrunk>> buildWithPrelude(const std::vector<QString>& prelude,
                                                       int expandDim = 0) {
    TinyModel model;
    model.addInput("input");
    model.addIntConstant("dim", {}, {expandDim});
    QString last = "input";
    for (std::size_t i = 0; i < prelude.size(); ++i) {
        const QString name = QStringLiteral("step%1").arg(i);
        if (prelude[i] == "Unpack") {
            model.addNode(name, "Unpack", {last},
                          {{"axis", QJsonObject{{"i", "0"}}}, {"num", QJsonObject{{"i", "1"}}}});
        } else if (prelude[i] == "Squeeze") {
            model.addNode(name, "Squeeze", {last}, {{"squeeze_dims", listAttribute({"0"})}});
        } else {
            model.addNode(name, "ExpandDims", {last, "dim"});
        }
        last = name;
    }
    std::vector<float> filter(9, 0.0f);
    filter[0] = filter[4] = filter[8] = 2.0f;
    model.addConstant("filter", {1, 1, 3, 3}, filter);
    model.addConstant("bias", {3}, std::vector<float>(3, 0.0f));
    model.addNode("out", "_FusedConv2D", {last, "filter", "bias"},
                  TinyModel::convolutionAttributes(1, "SAME", {"BiasAdd"}));
    return compile(model, 4, {"out"});
}

} // namespace

// The single-person graph takes the batch axis off its image and puts it back before the
// trunk: with a batch of one that is no computation at all. Using the image while the axis is
// off, or adding an axis anywhere else, is refused.
TEST(XnnTrunkTest, PassesTheBatchAxisOfOneThroughAndNothingElse) {
    auto trunk = buildWithPrelude({"Unpack", "ExpandDims", "Squeeze", "ExpandDims"});
    ASSERT_TRUE(trunk) << trunk.error().toStdString();
    for (std::size_t i = 0; i < (*trunk)->inputSize(); ++i) {
        (*trunk)->input()[i] = static_cast<float>(i);
    }
    ASSERT_TRUE((*trunk)->run());
    for (std::size_t i = 0; i < (*trunk)->inputSize(); ++i) {
        EXPECT_FLOAT_EQ((*trunk)->output(0).data[i], 2.0f * static_cast<float>(i));
    }

    const auto unbatched = buildWithPrelude({"Unpack"});
    ASSERT_FALSE(unbatched);
    EXPECT_TRUE(unbatched.error().contains("without its batch axis"))
        << unbatched.error().toStdString();
    for (const auto& [prelude, dim] : {std::pair{std::vector<QString>{"ExpandDims"}, 0},
                                       std::pair{std::vector<QString>{"Unpack", "ExpandDims"}, 1},
                                       std::pair{std::vector<QString>{"Unpack", "Squeeze"}, 0}}) {
        const auto refused = buildWithPrelude(prelude, dim);
        ASSERT_FALSE(refused);
        EXPECT_TRUE(refused.error().contains("reshapes")) << refused.error().toStdString();
    }
}
