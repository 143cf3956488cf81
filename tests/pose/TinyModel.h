// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <cstdint>
#include <vector>

namespace qv::test {

// Writes a small TensorFlow.js graph model by hand, in the layout the converter produces, so
// that the engine's reading and compiling can be checked against known arithmetic.
class TinyModel {
public:
    void addInput(const QString& name);
    void addConstant(const QString& name, const std::vector<int>& shape,
                     const std::vector<float>& values);
    void addIntConstant(const QString& name, const std::vector<int>& shape,
                        const std::vector<std::int32_t>& values);
    void addNode(const QString& name, const QString& op, const QStringList& inputs,
                 const QJsonObject& attributes = {});

    // Writes `<folder>/<stem>.json` and `<folder>/<stem>.bin`.
    void write(const QString& folder, const QString& stem) const;

    static QJsonObject convolutionAttributes(int stride, const QString& padding,
                                             const QStringList& fusedOps);

private:
    void addWeight(const QString& name, const std::vector<int>& shape, const QString& dtype);

    QJsonArray nodes_;
    QJsonArray weights_;
    QByteArray data_;
};

} // namespace qv::test
