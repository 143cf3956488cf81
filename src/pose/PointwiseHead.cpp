// SPDX-License-Identifier: GPL-3.0-or-later
#include "pose/PointwiseHead.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace qv::pose {

namespace {

// As many channels as the trunk compiler lets a convolution have: a graph beyond it is
// damaged, and its sizes could overflow when multiplied.
constexpr std::size_t mostChannels = 4096;

Failure damaged(const QString& node) {
    return Failure{QStringLiteral("The body-pose model is damaged: %1 is not the 1×1 "
                                  "convolution its keypoint head needs.")
                       .arg(node)};
}

bool isFloatTensor(const ConstTensor* tensor, const std::vector<std::size_t>& shape) {
    return tensor != nullptr && tensor->isFloat && tensor->shape == shape &&
           tensor->floats.size() == tensor->elementCount();
}

// Each layer takes its weights out of the model, so the second of two that name the same
// constant would find it empty.
bool sharesAWeight(const GraphModel& model, const PointwiseHead::Nodes& nodes) {
    std::set<QString> names;
    for (const GraphNode* node : {model.node(nodes.hidden), model.node(nodes.output)}) {
        for (const qsizetype i : {1, 2}) {
            names.insert(GraphModel::splitInput(node->inputs[i]).first);
        }
    }
    return names.size() != 4;
}

// out += in · weights, in the order and rounding of XNNPACK's matrix kernels: each output
// starts at its bias and takes the products in input order, each product fused with its sum
// where the processor can fuse them (XNNPACK then picks kernels that do). The follower then
// sees the very numbers a whole-grid head gives; a difference in the last bit moves a
// keypoint, the next frame's crop with it, and in the end a repetition counted.
#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("fma"))) void multiplyAddFused(const float* in, std::size_t inputs,
                                                     const float* weights, std::size_t outputs,
                                                     float* out) {
    for (std::size_t i = 0; i < inputs; ++i) {
        for (std::size_t o = 0; o < outputs; ++o) {
            out[o] = __builtin_fmaf(in[i], weights[i * outputs + o], out[o]);
        }
    }
}

void multiplyAddRounded(const float* in, std::size_t inputs, const float* weights,
                        std::size_t outputs, float* out) {
    for (std::size_t i = 0; i < inputs; ++i) {
        for (std::size_t o = 0; o < outputs; ++o) {
            out[o] += in[i] * weights[i * outputs + o];
        }
    }
}

void multiplyAdd(const float* in, std::size_t inputs, const float* weights, std::size_t outputs,
                 float* out) {
    static const bool canFuse = __builtin_cpu_supports("fma");
    (canFuse ? multiplyAddFused : multiplyAddRounded)(in, inputs, weights, outputs, out);
}
#else
void multiplyAdd(const float* in, std::size_t inputs, const float* weights, std::size_t outputs,
                 float* out) {
    for (std::size_t i = 0; i < inputs; ++i) {
        for (std::size_t o = 0; o < outputs; ++o) {
            out[o] = std::fma(in[i], weights[i * outputs + o], out[o]);
        }
    }
}
#endif

} // namespace

Result<PointwiseHead> PointwiseHead::take(GraphModel& model, const Nodes& nodes,
                                          std::size_t inputChannels, std::size_t outputChannels) {
    // Both layers are checked before either gives up its weights, so that a refusal leaves
    // the model as it was.
    const auto hidden = checkLayer(model, nodes.hidden, nodes.input, inputChannels, true);
    if (!hidden) {
        return Failure{hidden.error()};
    }
    const auto output = checkLayer(model, nodes.output, nodes.hidden, *hidden, false);
    if (!output) {
        return Failure{output.error()};
    }
    if (*output != outputChannels || sharesAWeight(model, nodes)) {
        return damaged(nodes.output);
    }
    return PointwiseHead(takeLayer(model, nodes.hidden), takeLayer(model, nodes.output));
}

// A _FusedConv2D node with a 1×1 filter and stride 1 is a matrix product at every cell;
// padding does not matter for it. Gives the layer's output channels.
Result<std::size_t> PointwiseHead::checkLayer(const GraphModel& model, const QString& name,
                                              const QString& input, std::size_t inputs,
                                              bool hasRelu) {
    const GraphNode* node = model.node(name);
    if (node == nullptr || node->op != QLatin1String("_FusedConv2D") || node->inputs.size() != 3 ||
        GraphModel::splitInput(node->inputs[0]) != std::pair{input, 0} ||
        node->intListAttribute(QStringLiteral("strides")) != std::vector<std::int64_t>(4, 1)) {
        return damaged(name);
    }
    QStringList fused{QStringLiteral("BiasAdd")};
    if (hasRelu) {
        fused.append(QStringLiteral("Relu"));
    }
    if (node->stringListAttribute(QStringLiteral("fused_ops")) != fused) {
        return damaged(name);
    }
    const ConstTensor* filter = model.constant(GraphModel::splitInput(node->inputs[1]).first);
    if (filter == nullptr || filter->shape.size() != 4) {
        return damaged(name);
    }
    const std::size_t outputs = filter->shape[3];
    if (outputs == 0 || outputs > mostChannels || !isFloatTensor(filter, {1, 1, inputs, outputs}) ||
        !isFloatTensor(model.constant(GraphModel::splitInput(node->inputs[2]).first), {outputs})) {
        return damaged(name);
    }
    return outputs;
}

PointwiseHead::Layer PointwiseHead::takeLayer(GraphModel& model, const QString& name) {
    const GraphNode& node = *model.node(name);
    Layer layer;
    layer.bias = model.takeFloats(GraphModel::splitInput(node.inputs[2]).first);
    layer.outputs = layer.bias.size();
    layer.weights = model.takeFloats(GraphModel::splitInput(node.inputs[1]).first);
    layer.inputs = layer.weights.size() / layer.outputs;
    return layer;
}

PointwiseHead::PointwiseHead(Layer hidden, Layer output)
    : hidden_(std::move(hidden))
    , output_(std::move(output))
    , between_(hidden_.outputs) {}

void PointwiseHead::Layer::apply(const float* in, float* out) const {
    std::copy(bias.begin(), bias.end(), out);
    multiplyAdd(in, inputs, weights.data(), outputs, out);
}

void PointwiseHead::evaluate(const float* cell, float* out) {
    hidden_.apply(cell, between_.data());
    for (float& value : between_) {
        value = std::max(value, 0.0f);
    }
    output_.apply(between_.data(), out);
}

} // namespace qv::pose
