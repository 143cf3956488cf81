// SPDX-License-Identifier: GPL-3.0-or-later
#include "pose/TrunkCompiler.h"

#include "pose/XnnTrunk.h"

#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <set>
#include <stdexcept>
#include <xnnpack.h>

namespace qv::pose {

namespace {

constexpr float noLimit = std::numeric_limits<float>::infinity();

// What a body-pose network of this kind holds; a graph beyond these is damaged, and letting it
// through would divide by zero, allocate without bound or run and find nobody.
constexpr std::int64_t largestStride = 4;
constexpr std::size_t largestKernel = 16;
constexpr std::size_t mostChannels = 4096;
constexpr std::int64_t largestSide = 4096;
constexpr std::size_t mostTensorElements = std::size_t{1} << 26;
// The floats XNNPACK may read past the end of a static buffer.
constexpr std::size_t extraFloats = (XNN_EXTRA_BYTES + sizeof(float) - 1) / sizeof(float);
static_assert(ConstTensor::spareFloats >= extraFloats);

// TensorFlow's [h, w, in, out] filter as XNNPACK's [out, h, w, in]: at each kernel place an
// in × out matrix transposed. In tiles, so that a 1 × 1 filter of a thousand channels a side
// is not read or written a whole row apart on every value.
void reorderFilter(const float* from, float* to, std::size_t places, std::size_t in,
                   std::size_t out) {
    constexpr std::size_t tile = 16;
    for (std::size_t place = 0; place < places; ++place) {
        const float* matrix = from + place * in * out;
        for (std::size_t i0 = 0; i0 < in; i0 += tile) {
            for (std::size_t o0 = 0; o0 < out; o0 += tile) {
                for (std::size_t o = o0; o < std::min(o0 + tile, out); ++o) {
                    float* row = to + (o * places + place) * in;
                    for (std::size_t i = i0; i < std::min(i0 + tile, in); ++i) {
                        row[i] = matrix[i * out + o];
                    }
                }
            }
        }
    }
}

// Thrown while compiling; turned into the caller's error message at the top.
struct CompileError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const QString& message) {
    throw CompileError(message.toStdString());
}

void check(xnn_status status, const GraphNode& node) {
    if (status != xnn_status_success) {
        fail(QStringLiteral("XNNPACK refused %1 (%2), status %3")
                 .arg(node.name, node.op)
                 .arg(static_cast<int>(status)));
    }
}

struct Padding {
    std::uint32_t before = 0;
    std::uint32_t after = 0;
    std::size_t output = 0;
};

// TensorFlow's SAME padding puts the odd pixel after, not before; XNNPACK takes it explicit.
Padding padding(const QString& mode, std::size_t input, std::size_t kernel, std::size_t stride) {
    Padding result;
    if (mode == QLatin1String("VALID")) {
        if (input < kernel) {
            fail(QStringLiteral("input too small for a %1-wide kernel").arg(kernel));
        }
        result.output = (input - kernel) / stride + 1;
        return result;
    }
    if (mode != QLatin1String("SAME")) {
        fail(QStringLiteral("padding %1 is not supported").arg(mode));
    }
    result.output = (input + stride - 1) / stride;
    const std::size_t needed = (result.output - 1) * stride + kernel;
    const std::size_t total = needed > input ? needed - input : 0;
    result.before = static_cast<std::uint32_t>(total / 2);
    result.after = static_cast<std::uint32_t>(total - total / 2);
    return result;
}

std::pair<float, float> activationRange(const GraphNode& node) {
    const QStringList fused = node.stringListAttribute(QStringLiteral("fused_ops"));
    if (fused.size() > 2 || (!fused.isEmpty() && fused.first() != QLatin1String("BiasAdd"))) {
        fail(QStringLiteral("fused operations %1 are not supported").arg(fused.join(u',')));
    }
    if (fused.size() < 2) {
        return {-noLimit, noLimit};
    }
    if (fused[1] == QLatin1String("Relu6")) {
        return {0.0f, 6.0f};
    }
    if (fused[1] == QLatin1String("Relu")) {
        return {0.0f, noLimit};
    }
    fail(QStringLiteral("activation %1 is not supported").arg(fused[1]));
}

} // namespace

// Walks the graph backwards from the wanted outputs and defines one XNNPACK node per
// TensorFlow node on the way. Small integer tensors (shapes and sizes) are evaluated here.
class TrunkCompiler {
public:
    TrunkCompiler(GraphModel& model, XnnTrunk& trunk, xnn_subgraph_t subgraph)
        : model_(model)
        , trunk_(trunk)
        , subgraph_(subgraph) {}

    void defineInput(std::size_t height, std::size_t width) {
        const QString name = placeholderName();
        Value value;
        value.shape = {1, height, width, 3};
        value.id = defineTensor(value.shape, nullptr, 0, XNN_VALUE_FLAG_EXTERNAL_INPUT);
        values_[name] = value;
    }

    void defineOutput(const QString& name, std::uint32_t externalId) {
        if (values_.count(GraphModel::splitInput(name).first) != 0) {
            fail(QStringLiteral("%1 feeds another output and cannot be one itself").arg(name));
        }
        outputIds_[name] = externalId;
        const Value& value = resolve(name);
        if (value.isInteger) {
            fail(QStringLiteral("%1 is not a tensor").arg(name));
        }
        trunk_.outputs_.push_back({value.shape, std::vector<float>(elements(value.shape))});
    }

private:
    struct Value {
        bool isInteger = false;
        std::vector<std::int64_t> integers; // for shapes and sizes
        std::uint32_t id = XNN_INVALID_VALUE_ID;
        std::vector<std::size_t> shape;
        // The batch axis of one was taken off (Unpack, Squeeze) and not yet put back
        // (ExpandDims). The memory is the same; only those ops may read such a value.
        bool isUnbatched = false;
    };

    static std::size_t elements(const std::vector<std::size_t>& shape) {
        std::size_t count = 1;
        for (const auto dim : shape) {
            count *= dim;
        }
        return count;
    }

    QString placeholderName() const {
        for (const auto& node : model_.nodes()) {
            if (node.op == QLatin1String("Placeholder")) {
                return node.name;
            }
        }
        fail(QStringLiteral("the graph has no input"));
    }

    std::uint32_t defineTensor(const std::vector<std::size_t>& shape, const float* data,
                               std::uint32_t externalId, std::uint32_t flags) {
        std::uint32_t id = XNN_INVALID_VALUE_ID;
        const auto status =
            xnn_define_tensor_value(subgraph_, xnn_datatype_fp32, shape.size(), shape.data(), data,
                                    flags != 0 ? externalId : XNN_INVALID_VALUE_ID, flags, &id);
        if (status != xnn_status_success) {
            fail(QStringLiteral("XNNPACK refused a tensor, status %1")
                     .arg(static_cast<int>(status)));
        }
        return id;
    }

    std::uint32_t defineStatic(std::vector<float> data, const std::vector<std::size_t>& shape) {
        trunk_.staticData_.push_back(std::move(data));
        // XNNPACK may read a few bytes past the end of a buffer. Weights from the model come
        // with that room, so this copies only the odd small constant.
        trunk_.staticData_.back().reserve(trunk_.staticData_.back().size() + extraFloats);
        return defineTensor(shape, trunk_.staticData_.back().data(), 0, 0);
    }

    Value newTensor(const QString& name, std::vector<std::size_t> shape) {
        std::size_t count = 1;
        for (const auto dim : shape) {
            if (dim == 0 || dim > mostTensorElements / count) {
                fail(QStringLiteral("%1 would be a tensor no such model has").arg(name));
            }
            count *= dim;
        }
        Value value;
        value.shape = std::move(shape);
        const auto output = outputIds_.find(name);
        value.id = output == outputIds_.end() ? defineTensor(value.shape, nullptr, 0, 0)
                                              : defineTensor(value.shape, nullptr, output->second,
                                                             XNN_VALUE_FLAG_EXTERNAL_OUTPUT);
        return value;
    }

    const ConstTensor& constantInput(const GraphNode& node, int index) {
        const auto [name, port] = GraphModel::splitInput(node.inputs.value(index));
        const ConstTensor* tensor = model_.constant(name);
        if (tensor == nullptr || port != 0) {
            fail(QStringLiteral("%1 expects a constant as input %2").arg(node.name).arg(index));
        }
        return *tensor;
    }

    // The constant's values, moved out of the model: each filter and bias feeds one node.
    std::vector<float> takeConstant(const GraphNode& node, int index, std::size_t expected) {
        const ConstTensor& tensor = constantInput(node, index);
        if (!tensor.isFloat || tensor.floats.size() != expected) {
            fail(QStringLiteral("%1 has a weight of the wrong size or one used twice")
                     .arg(node.name));
        }
        return model_.takeFloats(GraphModel::splitInput(node.inputs.value(index)).first);
    }

    const Value& resolve(const QString& input) {
        const auto [name, port] = GraphModel::splitInput(input);
        if (port != 0) {
            fail(QStringLiteral("%1 has several outputs").arg(name));
        }
        if (values_.count(name) == 0) {
            translateWithInputs(name);
        }
        return values_.at(name);
    }

    // The inputs a node reads as values; the others (filters, biases) are read as constants.
    static std::vector<int> valueInputs(const GraphNode& node) {
        const QString& op = node.op;
        if (op == QLatin1String("AddV2") || op == QLatin1String("Sub") ||
            op == QLatin1String("Mul") || op == QLatin1String("ResizeBilinear")) {
            return {0, 1};
        }
        if (op == QLatin1String("StridedSlice")) {
            return {0, 1, 2, 3};
        }
        if (op == QLatin1String("Const") || op == QLatin1String("Placeholder")) {
            return {};
        }
        return {0};
    }

    // Translates `root` after everything it depends on, walking the graph with a stack of its
    // own: a model is deep enough, and a damaged one can loop, to exhaust the thread's stack.
    void translateWithInputs(const QString& root) {
        struct Visit {
            QString name;
            bool inputsQueued = false;
        };
        std::vector<Visit> pending{{root}};
        std::set<QString> onPath; // queued their inputs but not translated yet
        while (!pending.empty()) {
            Visit& visit = pending.back();
            if (values_.count(visit.name) != 0) {
                pending.pop_back();
                continue;
            }
            const GraphNode* node = model_.node(visit.name);
            if (node == nullptr) {
                fail(QStringLiteral("the graph has no node %1").arg(visit.name));
            }
            if (visit.inputsQueued) {
                onPath.erase(visit.name);
                pending.pop_back();
                values_[node->name] = translate(*node);
                continue;
            }
            visit.inputsQueued = true;
            onPath.insert(visit.name);
            for (const int index : valueInputs(*node)) {
                const auto [input, port] = GraphModel::splitInput(node->inputs.value(index));
                if (onPath.count(input) != 0) {
                    fail(QStringLiteral("%1 depends on its own result").arg(node->name));
                }
                if (port == 0 && values_.count(input) == 0) {
                    pending.push_back({input}); // invalidates `visit`
                }
            }
        }
    }

    Value translate(const GraphNode& node) {
        const QString& op = node.op;
        if (op == QLatin1String("Const")) {
            const ConstTensor* tensor = model_.constant(node.name);
            if (tensor == nullptr) {
                fail(QStringLiteral("constant %1 has no value").arg(node.name));
            }
            Value value;
            value.shape = tensor->shape;
            if (!tensor->isFloat) {
                value.isInteger = true;
                value.integers.assign(tensor->ints.begin(), tensor->ints.end());
            } else {
                // A scalar becomes a one-element tensor so that it broadcasts.
                value.id =
                    defineStatic(tensor->floats, tensor->shape.empty() ? std::vector<std::size_t>{1}
                                                                       : tensor->shape);
            }
            return value;
        }
        if (op == QLatin1String("Unpack") || op == QLatin1String("Squeeze") ||
            op == QLatin1String("ExpandDims")) {
            return batchAxis(node);
        }
        refuseUnbatchedInputs(node);
        if (op == QLatin1String("Cast") || op == QLatin1String("Identity")) {
            return resolve(node.inputs.value(0)); // the input is fed as floats already
        }
        if (op == QLatin1String("_FusedConv2D")) {
            return convolution(node, false);
        }
        if (op == QLatin1String("FusedDepthwiseConv2dNative") ||
            op == QLatin1String("DepthwiseConv2dNative")) {
            return convolution(node, true);
        }
        if (op == QLatin1String("AddV2") || op == QLatin1String("Sub") ||
            op == QLatin1String("Mul")) {
            return binary(node);
        }
        if (op == QLatin1String("Sigmoid")) {
            const Value input = resolve(node.inputs.value(0));
            Value output = newTensor(node.name, input.shape);
            check(xnn_define_sigmoid(subgraph_, input.id, output.id, 0), node);
            return output;
        }
        if (op == QLatin1String("ResizeBilinear")) {
            return resize(node);
        }
        if (op == QLatin1String("Shape")) {
            Value value;
            value.isInteger = true;
            for (const auto dim : resolve(node.inputs.value(0)).shape) {
                value.integers.push_back(static_cast<std::int64_t>(dim));
            }
            value.shape = {value.integers.size()};
            return value;
        }
        if (op == QLatin1String("StridedSlice")) {
            return slice(node);
        }
        fail(QStringLiteral("operation %1 (%2) is not supported").arg(op, node.name));
    }

    // The single-person graphs take the batch axis off the image and put it back before the
    // trunk. With a batch of one that moves no memory, so the value passes through, marked
    // while the axis is off; any other use of it is refused.
    Value batchAxis(const GraphNode& node) {
        Value value = resolve(node.inputs.value(0));
        const bool isExpand = node.op == QLatin1String("ExpandDims");
        bool isBatchAxis = false;
        if (isExpand) {
            const ConstTensor& dim = constantInput(node, 1);
            isBatchAxis = !dim.isFloat && dim.ints.size() == 1 && dim.ints[0] == 0;
        } else if (node.op == QLatin1String("Squeeze")) {
            isBatchAxis = node.intListAttribute(QStringLiteral("squeeze_dims")) ==
                          std::vector<std::int64_t>{0};
        } else {
            isBatchAxis = node.intAttribute(QStringLiteral("axis")) == 0 &&
                          node.intAttribute(QStringLiteral("num")) == 1;
        }
        if (!isBatchAxis || value.isInteger || value.shape.empty() || value.shape[0] != 1 ||
            value.isUnbatched != isExpand) {
            fail(QStringLiteral("%1 reshapes in a way no such model does").arg(node.name));
        }
        value.isUnbatched = !isExpand;
        return value;
    }

    void refuseUnbatchedInputs(const GraphNode& node) {
        for (const int index : valueInputs(node)) {
            const auto found = values_.find(GraphModel::splitInput(node.inputs.value(index)).first);
            if (found != values_.end() && found->second.isUnbatched) {
                fail(QStringLiteral("%1 reads a tensor without its batch axis").arg(node.name));
            }
        }
    }

    Value convolution(const GraphNode& node, bool depthwise) {
        const Value input = resolve(node.inputs.value(0));
        const std::vector<std::size_t> filterShape = constantInput(node, 1).shape;
        const auto strides = node.intListAttribute(QStringLiteral("strides"));
        const auto dilations = node.intListAttribute(QStringLiteral("dilations"));
        const auto within = [](auto value, auto low, auto high) {
            return low <= value && value <= high;
        };
        if (input.shape.size() != 4 || filterShape.size() != 4 || strides.size() != 4 ||
            strides[0] != 1 || strides[3] != 1 || !within(strides[1], 1, largestStride) ||
            !within(strides[2], 1, largestStride) ||
            (!dilations.empty() && dilations != std::vector<std::int64_t>(4, 1))) {
            fail(QStringLiteral("convolution %1 has strides or dilations no such model has")
                     .arg(node.name));
        }
        const std::size_t kernelH = filterShape[0];
        const std::size_t kernelW = filterShape[1];
        const std::size_t inChannels = filterShape[2];
        const std::size_t perInput = filterShape[3];
        if (!within(kernelH, std::size_t{1}, largestKernel) ||
            !within(kernelW, std::size_t{1}, largestKernel) ||
            !within(inChannels, std::size_t{1}, mostChannels) ||
            !within(perInput, std::size_t{1}, mostChannels) ||
            (depthwise && inChannels * perInput > mostChannels)) {
            fail(QStringLiteral("convolution %1 has a filter no such model has").arg(node.name));
        }
        const std::size_t outChannels = depthwise ? inChannels * perInput : perInput;
        if (input.shape[3] != inChannels) {
            fail(QStringLiteral("convolution %1 expects %2 channels")
                     .arg(node.name)
                     .arg(inChannels));
        }
        const QString mode = node.stringAttribute(QStringLiteral("padding"));
        const auto strideH = static_cast<std::size_t>(strides[1]);
        const auto strideW = static_cast<std::size_t>(strides[2]);
        const Padding padH = padding(mode, input.shape[1], kernelH, strideH);
        const Padding padW = padding(mode, input.shape[2], kernelW, strideW);

        std::uint32_t biasId = XNN_INVALID_VALUE_ID;
        auto range = std::pair{-noLimit, noLimit};
        if (node.op != QLatin1String("DepthwiseConv2dNative")) {
            biasId = defineStatic(takeConstant(node, 2, outChannels), {outChannels});
            range = activationRange(node);
        }
        // TensorFlow keeps filters as [h, w, in, out]; XNNPACK wants [out, h, w, in], and for
        // depthwise [1, h, w, in * multiplier], which is the same memory order.
        std::uint32_t filterId = 0;
        const std::size_t filterSize = kernelH * kernelW * inChannels * perInput;
        if (depthwise) {
            filterId =
                defineStatic(takeConstant(node, 1, filterSize), {1, kernelH, kernelW, outChannels});
        } else {
            // Reordered in place through one scratch buffer kept for the whole model: a
            // fresh buffer per filter costs the memory's first touch again on every layer.
            std::vector<float> filter = takeConstant(node, 1, filterSize);
            reorderScratch_.assign(filter.begin(), filter.end());
            reorderFilter(reorderScratch_.data(), filter.data(), kernelH * kernelW, inChannels,
                          outChannels);
            filterId = defineStatic(std::move(filter), {outChannels, kernelH, kernelW, inChannels});
        }
        Value output = newTensor(node.name, {1, padH.output, padW.output, outChannels});
        const auto status =
            depthwise
                ? xnn_define_depthwise_convolution_2d(
                      subgraph_, padH.before, padW.after, padH.after, padW.before,
                      static_cast<std::uint32_t>(kernelH), static_cast<std::uint32_t>(kernelW),
                      static_cast<std::uint32_t>(strideH), static_cast<std::uint32_t>(strideW), 1,
                      1, static_cast<std::uint32_t>(perInput), inChannels, range.first,
                      range.second, input.id, filterId, biasId, output.id, 0)
                : xnn_define_convolution_2d(
                      subgraph_, padH.before, padW.after, padH.after, padW.before,
                      static_cast<std::uint32_t>(kernelH), static_cast<std::uint32_t>(kernelW),
                      static_cast<std::uint32_t>(strideH), static_cast<std::uint32_t>(strideW), 1,
                      1, 1, inChannels, outChannels, range.first, range.second, input.id, filterId,
                      biasId, output.id, 0);
        check(status, node);
        return output;
    }

    Value binary(const GraphNode& node) {
        const Value a = resolve(node.inputs.value(0));
        const Value b = resolve(node.inputs.value(1));
        if (a.isInteger && b.isInteger) {
            return integerArithmetic(node, a, b);
        }
        if (a.isInteger || b.isInteger) {
            fail(QStringLiteral("%1 mixes sizes and tensors").arg(node.name));
        }
        // numpy broadcasting, aligned at the last dimension
        const std::size_t rank = std::max(a.shape.size(), b.shape.size());
        std::vector<std::size_t> shape(rank, 1);
        for (std::size_t i = 0; i < rank; ++i) {
            const std::size_t da =
                i < rank - a.shape.size() ? 1 : a.shape[i - (rank - a.shape.size())];
            const std::size_t db =
                i < rank - b.shape.size() ? 1 : b.shape[i - (rank - b.shape.size())];
            if (da != db && da != 1 && db != 1) {
                fail(QStringLiteral("%1 has operands that do not broadcast").arg(node.name));
            }
            shape[i] = std::max(da, db);
        }
        Value output = newTensor(node.name, shape);
        xnn_status status = xnn_status_success;
        if (node.op == QLatin1String("AddV2")) {
            status = xnn_define_add2(subgraph_, -noLimit, noLimit, a.id, b.id, output.id, 0);
        } else if (node.op == QLatin1String("Sub")) {
            status = xnn_define_subtract(subgraph_, -noLimit, noLimit, a.id, b.id, output.id, 0);
        } else {
            status = xnn_define_multiply2(subgraph_, -noLimit, noLimit, a.id, b.id, output.id, 0);
        }
        check(status, node);
        return output;
    }

    Value integerArithmetic(const GraphNode& node, const Value& a, const Value& b) {
        if (node.op != QLatin1String("Mul") ||
            (a.integers.size() != b.integers.size() && b.integers.size() != 1)) {
            fail(QStringLiteral("%1 is size arithmetic this engine does not do").arg(node.name));
        }
        Value value = a;
        for (std::size_t i = 0; i < value.integers.size(); ++i) {
            const std::int64_t factor = b.integers[b.integers.size() == 1 ? 0 : i];
            // Sizes only: anything past a picture's side is damage, not arithmetic to wrap.
            const auto isSide = [](std::int64_t n) {
                return -largestSide <= n && n <= largestSide;
            };
            if (!isSide(value.integers[i]) || !isSide(factor)) {
                fail(QStringLiteral("%1 computes a size no such model has").arg(node.name));
            }
            value.integers[i] *= factor;
        }
        return value;
    }

    // Only the one-dimensional slices that pick dimensions out of a shape.
    Value slice(const GraphNode& node) {
        const Value input = resolve(node.inputs.value(0));
        const Value begin = resolve(node.inputs.value(1));
        const Value end = resolve(node.inputs.value(2));
        const Value stride = resolve(node.inputs.value(3));
        bool plain = true;
        for (const char* mask :
             {"begin_mask", "end_mask", "ellipsis_mask", "new_axis_mask", "shrink_axis_mask"}) {
            plain = plain && node.intAttribute(QLatin1String(mask)) == 0;
        }
        if (!input.isInteger || begin.integers.size() != 1 || end.integers.size() != 1 ||
            stride.integers != std::vector<std::int64_t>{1} || !plain) {
            fail(QStringLiteral("slice %1 has an unsupported form").arg(node.name));
        }
        const auto size = static_cast<std::int64_t>(input.integers.size());
        const std::int64_t from = std::clamp<std::int64_t>(begin.integers[0], 0, size);
        const std::int64_t to = std::clamp<std::int64_t>(end.integers[0], from, size);
        Value value;
        value.isInteger = true;
        value.integers.assign(input.integers.begin() + from, input.integers.begin() + to);
        value.shape = {value.integers.size()};
        return value;
    }

    Value resize(const GraphNode& node) {
        const Value input = resolve(node.inputs.value(0));
        const Value size = resolve(node.inputs.value(1));
        if (!size.isInteger || size.integers.size() != 2 || input.shape.size() != 4 ||
            size.integers[0] <= 0 || size.integers[1] <= 0 || size.integers[0] > largestSide ||
            size.integers[1] > largestSide) {
            fail(QStringLiteral("resize %1 has an unsupported form").arg(node.name));
        }
        const bool alignCorners = node.boolAttribute(QStringLiteral("align_corners"));
        const bool halfPixel = node.boolAttribute(QStringLiteral("half_pixel_centers"));
        const std::uint32_t flags = alignCorners ? XNN_FLAG_ALIGN_CORNERS
                                    : halfPixel  ? 0
                                                 : XNN_FLAG_TENSORFLOW_LEGACY_MODE;
        const auto height = static_cast<std::size_t>(size.integers[0]);
        const auto width = static_cast<std::size_t>(size.integers[1]);
        Value output = newTensor(node.name, {input.shape[0], height, width, input.shape[3]});
        check(xnn_define_static_resize_bilinear_2d(subgraph_, height, width, input.id, output.id,
                                                   flags),
              node);
        return output;
    }

    GraphModel& model_;
    XnnTrunk& trunk_;
    xnn_subgraph_t subgraph_;
    std::map<QString, Value> values_;
    std::map<QString, std::uint32_t> outputIds_;
    std::vector<float> reorderScratch_;
};

Status compileTrunk(GraphModel& model, XnnTrunk& trunk, xnn_subgraph* subgraph,
                    std::size_t inputHeight, std::size_t inputWidth, const QStringList& outputs) {
    try {
        TrunkCompiler compiler(model, trunk, subgraph);
        compiler.defineInput(inputHeight, inputWidth);
        for (int i = 0; i < outputs.size(); ++i) {
            compiler.defineOutput(outputs[i], static_cast<std::uint32_t>(i + 1));
        }
    } catch (const CompileError& failure) {
        return Failure{QString::fromStdString(failure.what())};
    }
    return {};
}

} // namespace qv::pose
