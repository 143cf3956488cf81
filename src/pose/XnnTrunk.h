// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pose/GraphModel.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <memory>
#include <vector>

struct xnn_runtime;
struct pthreadpool;

namespace qv::pose {

// The convolutional part of a graph model compiled for XNNPACK: from the image input to the
// named head tensors. The post-processing that follows the heads in the original graph is
// decoded in C++ instead (see MultiPoseDecoder), because XNNPACK has no gather or top-k.
class XnnTrunk {
public:
    struct Tensor {
        std::vector<std::size_t> shape; // NHWC
        std::vector<float> data;
    };

    // Compiles the part of `model` that computes `outputs` for an input of the given size,
    // taking the weights it uses out of `model`. Fails when the graph holds an operation
    // this engine does not translate, or XNNPACK refuses it.
    static Result<std::unique_ptr<XnnTrunk>> build(GraphModel& model, int inputHeight,
                                                   int inputWidth, const QStringList& outputs,
                                                   int threadCount);
    ~XnnTrunk();
    XnnTrunk(const XnnTrunk&) = delete;
    XnnTrunk& operator=(const XnnTrunk&) = delete;

    // [1, height, width, 3] pixel values from 0 to 255, rows top first, RGB.
    float* input() { return input_.data(); }
    std::size_t inputSize() const { return inputElements_; }
    bool run();
    const Tensor& output(int index) const { return outputs_[static_cast<std::size_t>(index)]; }

private:
    XnnTrunk() = default;
    friend class TrunkCompiler;

    std::vector<float> input_;
    std::size_t inputElements_ = 0;
    std::vector<Tensor> outputs_;
    std::deque<std::vector<float>> staticData_; // weights XNNPACK refers to while it runs
    pthreadpool* threadPool_ = nullptr;
    xnn_runtime* runtime_ = nullptr;
    bool initialized_ = false;
};

} // namespace qv::pose
