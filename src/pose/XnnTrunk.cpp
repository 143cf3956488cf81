// SPDX-License-Identifier: GPL-3.0-or-later
#include "pose/XnnTrunk.h"

#include "pose/TrunkCompiler.h"

#include <pthreadpool.h>
#include <xnnpack.h>

namespace qv::pose {

Result<std::unique_ptr<XnnTrunk>> XnnTrunk::build(GraphModel& model, int inputHeight,
                                                  int inputWidth, const QStringList& outputs,
                                                  int threadCount) {
    std::unique_ptr<XnnTrunk> trunk(new XnnTrunk);
    if (xnn_initialize(nullptr) != xnn_status_success) {
        return Failure{QStringLiteral("XNNPACK does not run on this processor.")};
    }
    trunk->initialized_ = true;

    xnn_subgraph_t subgraph = nullptr;
    const auto externalCount = static_cast<std::uint32_t>(outputs.size() + 1);
    if (xnn_create_subgraph(externalCount, 0, &subgraph) != xnn_status_success) {
        return Failure{QStringLiteral("XNNPACK could not create a graph.")};
    }
    const std::unique_ptr<xnn_subgraph, decltype(&xnn_delete_subgraph)> subgraphGuard(
        subgraph, &xnn_delete_subgraph);
    const Status compiled =
        compileTrunk(model, *trunk, subgraph, static_cast<std::size_t>(inputHeight),
                     static_cast<std::size_t>(inputWidth), outputs);
    if (!compiled) {
        return Failure{QStringLiteral("The body-pose model is damaged: %1.").arg(compiled.error())};
    }

    if (threadCount > 1) {
        trunk->threadPool_ = pthreadpool_create(static_cast<std::size_t>(threadCount));
    }
    // Between frames (a camera run analyses at most 15 a second) the workers should sleep,
    // not spin on a core the rest of the desktop could use.
    if (xnn_create_runtime_v2(subgraph, trunk->threadPool_, XNN_FLAG_YIELD_WORKERS,
                              &trunk->runtime_) != xnn_status_success) {
        return Failure{QStringLiteral("XNNPACK could not prepare the pose model.")};
    }
    trunk->inputElements_ = static_cast<std::size_t>(inputHeight) * inputWidth * 3;
    trunk->input_.assign(trunk->inputElements_ + XNN_EXTRA_BYTES / sizeof(float), 0.0f);
    std::vector<xnn_external_value> externals{{0, trunk->input_.data()}};
    for (std::size_t i = 0; i < trunk->outputs_.size(); ++i) {
        externals.push_back({static_cast<std::uint32_t>(i + 1), trunk->outputs_[i].data.data()});
    }
    if (xnn_setup_runtime(trunk->runtime_, externals.size(), externals.data()) !=
        xnn_status_success) {
        return Failure{QStringLiteral("XNNPACK could not set up the pose model.")};
    }
    return trunk;
}

XnnTrunk::~XnnTrunk() {
    if (runtime_ != nullptr) {
        xnn_delete_runtime(runtime_);
    }
    if (threadPool_ != nullptr) {
        pthreadpool_destroy(threadPool_);
    }
    if (initialized_) {
        xnn_deinitialize();
    }
}

bool XnnTrunk::run() {
    return xnn_invoke_runtime(runtime_) == xnn_status_success;
}

} // namespace qv::pose
