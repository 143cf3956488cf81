// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/base/Result.h"
#include "pose/GraphModel.h"

#include <QString>
#include <cstddef>
#include <vector>

namespace qv::pose {

// The last two layers of a keypoint head, two 1×1 convolutions with a Relu between them,
// evaluated one cell at a time. The decoder reads such a head at a handful of cells, while
// XNNPACK would compute it over the whole grid.
class PointwiseHead {
public:
    // Where the head sits in the graph: `hidden` reads `input` and `output` reads `hidden`.
    struct Nodes {
        QString input;
        QString hidden;
        QString output;
    };

    // Takes the two layers' weights out of `model`, for cells of `inputChannels` values giving
    // `outputChannels`. Fails, naming the node, when the graph does not hold them in this form.
    static Result<PointwiseHead> take(GraphModel& model, const Nodes& nodes,
                                      std::size_t inputChannels, std::size_t outputChannels);

    // out = W2·relu(W1·cell + b1) + b2, with inputChannels values in and outputChannels out.
    void evaluate(const float* cell, float* out);

private:
    struct Layer {
        std::size_t inputs = 0;
        std::size_t outputs = 0;
        std::vector<float> weights; // [inputs][outputs], as the graph stores a 1×1 filter
        std::vector<float> bias;

        void apply(const float* in, float* out) const;
    };

    static Result<std::size_t> checkLayer(const GraphModel& model, const QString& name,
                                          const QString& input, std::size_t inputs, bool hasRelu);
    static Layer takeLayer(GraphModel& model, const QString& name); // once checked

    PointwiseHead(Layer hidden, Layer output);

    Layer hidden_;
    Layer output_;
    std::vector<float> between_; // the hidden layer's values for the cell being evaluated
};

} // namespace qv::pose
