// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/base/Result.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace qv::pose {

// A constant tensor of the model, widened to 32 bits (the weights file stores floats as
// 16-bit halves to save space).
struct ConstTensor {
    // Room kept past the end of `floats`: the inference library may read a few bytes beyond a
    // buffer, and a tensor with the room already there is handed over without another copy.
    static constexpr std::size_t spareFloats = 16;

    std::vector<std::size_t> shape;
    bool isFloat = true;
    std::vector<float> floats;
    std::vector<std::int32_t> ints;

    std::size_t elementCount() const;
};

// One operation of the graph as the converter wrote it: a TensorFlow op name, its inputs
// ("node" or "node:1" for a second output) and its attributes in TensorFlow's JSON form.
struct GraphNode {
    QString name;
    QString op;
    QStringList inputs;
    QJsonObject attributes;

    std::int64_t intAttribute(const QString& key) const; // 0 when absent
    std::vector<std::int64_t> intListAttribute(const QString& key) const;
    QString stringAttribute(const QString& key) const; // decoded from base64
    QStringList stringListAttribute(const QString& key) const;
    bool boolAttribute(const QString& key) const;
};

// A TensorFlow.js graph model: the graph definition (model.json) and its weights (.bin).
class GraphModel {
public:
    // Reads `<folder>/<stem>.json` and the weight files it names. A failure names the file
    // and what is wrong with it.
    static Result<GraphModel> load(const QString& folder, const QString& stem);

    const GraphNode* node(const QString& name) const;
    const ConstTensor* constant(const QString& name) const;
    // Hands the tensor's values over to the caller, leaving the constant empty: compiling
    // then needs no second copy of the weights.
    std::vector<float> takeFloats(const QString& name);
    const std::vector<GraphNode>& nodes() const { return nodes_; }

    // Splits "node:1" into ("node", 1); a plain name is output 0.
    static std::pair<QString, int> splitInput(const QString& input);

private:
    std::vector<GraphNode> nodes_;
    std::map<QString, std::size_t> nodeIndex_;
    std::map<QString, ConstTensor> constants_;
};

} // namespace qv::pose
