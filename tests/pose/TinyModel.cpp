// SPDX-License-Identifier: GPL-3.0-or-later
#include "TinyModel.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>

namespace qv::test {

namespace {

QJsonObject stringValue(const QString& text) {
    return {{QStringLiteral("s"), QString::fromLatin1(text.toUtf8().toBase64())}};
}

} // namespace

void TinyModel::addInput(const QString& name) {
    nodes_.append(QJsonObject{{QStringLiteral("name"), name},
                              {QStringLiteral("op"), QStringLiteral("Placeholder")}});
}

void TinyModel::addConstant(const QString& name, const std::vector<int>& shape,
                            const std::vector<float>& values) {
    addWeight(name, shape, QStringLiteral("float32"));
    data_.append(reinterpret_cast<const char*>(values.data()),
                 static_cast<qsizetype>(values.size() * sizeof(float)));
}

void TinyModel::addIntConstant(const QString& name, const std::vector<int>& shape,
                               const std::vector<std::int32_t>& values) {
    addWeight(name, shape, QStringLiteral("int32"));
    data_.append(reinterpret_cast<const char*>(values.data()),
                 static_cast<qsizetype>(values.size() * sizeof(std::int32_t)));
}

void TinyModel::addWeight(const QString& name, const std::vector<int>& shape,
                          const QString& dtype) {
    nodes_.append(QJsonObject{{QStringLiteral("name"), name},
                              {QStringLiteral("op"), QStringLiteral("Const")}});
    QJsonArray dims;
    for (const int dim : shape) {
        dims.append(dim);
    }
    weights_.append(QJsonObject{{QStringLiteral("name"), name},
                                {QStringLiteral("shape"), dims},
                                {QStringLiteral("dtype"), dtype}});
}

void TinyModel::addNode(const QString& name, const QString& op, const QStringList& inputs,
                        const QJsonObject& attributes) {
    nodes_.append(QJsonObject{{QStringLiteral("name"), name},
                              {QStringLiteral("op"), op},
                              {QStringLiteral("input"), QJsonArray::fromStringList(inputs)},
                              {QStringLiteral("attr"), attributes}});
}

QJsonObject TinyModel::convolutionAttributes(int stride, const QString& padding,
                                             const QStringList& fusedOps) {
    const QString s = QString::number(stride);
    QJsonArray fused;
    for (const auto& op : fusedOps) {
        fused.append(stringValue(op).value(QStringLiteral("s")));
    }
    return {{QStringLiteral("strides"),
             QJsonObject{{QStringLiteral("list"),
                          QJsonObject{{QStringLiteral("i"), QJsonArray{"1", s, s, "1"}}}}}},
            {QStringLiteral("padding"), stringValue(padding)},
            {QStringLiteral("fused_ops"),
             QJsonObject{{QStringLiteral("list"), QJsonObject{{QStringLiteral("s"), fused}}}}}};
}

void TinyModel::write(const QString& folder, const QString& stem) const {
    const QJsonObject root{
        {QStringLiteral("format"), QStringLiteral("graph-model")},
        {QStringLiteral("modelTopology"), QJsonObject{{QStringLiteral("node"), nodes_}}},
        {QStringLiteral("weightsManifest"),
         QJsonArray{QJsonObject{{QStringLiteral("paths"), QJsonArray{stem + ".bin"}},
                                {QStringLiteral("weights"), weights_}}}}};
    QFile json(QDir(folder).filePath(stem + ".json"));
    json.open(QIODevice::WriteOnly);
    json.write(QJsonDocument(root).toJson());
    QFile bin(QDir(folder).filePath(stem + ".bin"));
    bin.open(QIODevice::WriteOnly);
    bin.write(data_);
}

} // namespace qv::test
