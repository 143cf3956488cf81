// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pose/GraphModel.h"

#include <QString>
#include <QStringList>

struct xnn_subgraph;

namespace qv::pose {

class XnnTrunk;

// Defines, in `subgraph`, one XNNPACK node per graph node on the way from the input
// ([1, height, width, 3]) to `outputs`, which become external values 1, 2, …; the input is
// external value 0. Weights move from `model` into `trunk`, which keeps them while XNNPACK
// runs. A failure says what stood in the way.
Status compileTrunk(GraphModel& model, XnnTrunk& trunk, xnn_subgraph* subgraph,
                    std::size_t inputHeight, std::size_t inputWidth, const QStringList& outputs);

} // namespace qv::pose
