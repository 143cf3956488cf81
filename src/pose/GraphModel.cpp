// SPDX-License-Identifier: GPL-3.0-or-later
#include "pose/GraphModel.h"

#include "pose/Float16.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

namespace qv::pose {

namespace {

// The model files hold at most a few tens of megabytes; anything far larger is not ours.
constexpr qint64 maximumFileBytes = 512LL * 1024 * 1024;

// Opens a model file after the checks every model file gets: there, not too large, readable.
Result<std::unique_ptr<QFile>> openModelFile(const QString& path) {
    auto file = std::make_unique<QFile>(path);
    if (!QFileInfo::exists(path)) {
        return Failure{QStringLiteral("The pose model file %1 is missing.").arg(path)};
    }
    if (file->size() > maximumFileBytes) {
        return Failure{
            QStringLiteral("The pose model file %1 is too large to be a model.").arg(path)};
    }
    if (!file->open(QIODevice::ReadOnly)) {
        return Failure{QStringLiteral("The pose model file %1 cannot be read: %2.")
                           .arg(path, file->errorString())};
    }
    return file;
}

Result<QByteArray> readWholeFile(const QString& path) {
    auto file = openModelFile(path);
    if (!file) {
        return Failure{file.error()};
    }
    return (*file)->readAll();
}

// The bytes of one weights group. A group of one file, which is every group the models have,
// is mapped rather than read: each weight is then copied once, into its decoded form, and a
// break starts without first faulting in a private copy of the whole file.
class WeightBytes {
public:
    Status append(const QString& path) {
        auto file = openModelFile(path);
        if (!file) {
            return Failure{file.error()};
        }
        if (files_.empty() && (*file)->size() > 0) {
            mapped_ = reinterpret_cast<const char*>((*file)->map(0, (*file)->size()));
            size_ = mapped_ != nullptr ? (*file)->size() : 0;
        }
        if (mapped_ == nullptr || !files_.empty()) {
            joinMapped();
            joined_ += (*file)->readAll();
        }
        files_.push_back(std::move(*file));
        return {};
    }
    const char* data() const { return mapped_ != nullptr ? mapped_ : joined_.constData(); }
    std::size_t size() const {
        return mapped_ != nullptr ? static_cast<std::size_t>(size_)
                                  : static_cast<std::size_t>(joined_.size());
    }

private:
    // A second file follows the first: both go into one buffer.
    void joinMapped() {
        if (mapped_ != nullptr) {
            joined_ = QByteArray(mapped_, size_);
            mapped_ = nullptr;
        }
    }

    std::vector<std::unique_ptr<QFile>> files_; // open while mapped
    const char* mapped_ = nullptr;
    qint64 size_ = 0;
    QByteArray joined_;
};

struct WeightSpec {
    QString name;
    std::vector<std::size_t> shape;
    QString dtype;
    QString storedAs; // the quantised dtype, or empty when stored as dtype
};

// A shape whose element count would not fit a model file is refused before anything is
// allocated or multiplied past the size type.
std::optional<std::vector<std::size_t>> parseShape(const QJsonArray& dims) {
    constexpr qint64 maximumElements = maximumFileBytes / 2;
    std::vector<std::size_t> shape;
    qint64 count = 1;
    for (const auto& dim : dims) {
        const qint64 value = dim.isString() ? dim.toString().toLongLong() : dim.toInteger(-1);
        if (value < 0 || value > maximumElements ||
            (value > 0 && count > maximumElements / value)) {
            return std::nullopt;
        }
        count *= value;
        shape.push_back(static_cast<std::size_t>(value));
    }
    return shape;
}

std::size_t elementsOf(const std::vector<std::size_t>& shape) {
    std::size_t count = 1;
    for (const auto dim : shape) {
        count *= dim;
    }
    return count;
}

std::optional<std::size_t> bytesPerElement(const WeightSpec& spec) {
    const QString stored = spec.storedAs.isEmpty() ? spec.dtype : spec.storedAs;
    if (spec.dtype == QLatin1String("float32") && stored == QLatin1String("float16")) {
        return 2;
    }
    if ((spec.dtype == QLatin1String("float32") || spec.dtype == QLatin1String("int32")) &&
        stored == spec.dtype) {
        return 4;
    }
    return std::nullopt;
}

ConstTensor decodeWeight(const WeightSpec& spec, const char* data) {
    ConstTensor tensor;
    tensor.shape = spec.shape;
    const std::size_t count = elementsOf(spec.shape);
    tensor.isFloat = spec.dtype != QLatin1String("int32");
    if (count == 0) {
        return tensor; // nothing to copy, and an empty vector has no storage to copy into
    }
    if (!tensor.isFloat) {
        tensor.ints.resize(count);
        std::memcpy(tensor.ints.data(), data, count * 4);
        return tensor;
    }
    tensor.floats.reserve(count + ConstTensor::spareFloats);
    if (spec.storedAs == QLatin1String("float16")) {
        for (std::size_t i = 0; i < count; ++i) {
            std::uint16_t half = 0;
            std::memcpy(&half, data + 2 * i, 2);
            tensor.floats.push_back(halfToFloat(half));
        }
    } else {
        tensor.floats.resize(count);
        std::memcpy(tensor.floats.data(), data, count * 4);
    }
    return tensor;
}

} // namespace

std::size_t ConstTensor::elementCount() const {
    return elementsOf(shape);
}

std::int64_t GraphNode::intAttribute(const QString& key) const {
    const auto value = attributes.value(key).toObject().value(QLatin1String("i"));
    return value.isString() ? value.toString().toLongLong() : value.toInteger();
}

std::vector<std::int64_t> GraphNode::intListAttribute(const QString& key) const {
    std::vector<std::int64_t> values;
    const auto list = attributes.value(key).toObject().value(QLatin1String("list")).toObject();
    for (const auto& value : list.value(QLatin1String("i")).toArray()) {
        values.push_back(value.isString() ? value.toString().toLongLong() : value.toInteger());
    }
    return values;
}

QString GraphNode::stringAttribute(const QString& key) const {
    const auto encoded = attributes.value(key).toObject().value(QLatin1String("s")).toString();
    return QString::fromUtf8(QByteArray::fromBase64(encoded.toLatin1()));
}

QStringList GraphNode::stringListAttribute(const QString& key) const {
    QStringList values;
    const auto list = attributes.value(key).toObject().value(QLatin1String("list")).toObject();
    for (const auto& value : list.value(QLatin1String("s")).toArray()) {
        values << QString::fromUtf8(QByteArray::fromBase64(value.toString().toLatin1()));
    }
    return values;
}

bool GraphNode::boolAttribute(const QString& key) const {
    return attributes.value(key).toObject().value(QLatin1String("b")).toBool();
}

std::pair<QString, int> GraphModel::splitInput(const QString& input) {
    const auto colon = input.lastIndexOf(QLatin1Char(':'));
    if (colon < 0) {
        return {input, 0};
    }
    return {input.left(colon), input.mid(colon + 1).toInt()};
}

const GraphNode* GraphModel::node(const QString& name) const {
    const auto found = nodeIndex_.find(name);
    return found == nodeIndex_.end() ? nullptr : &nodes_[found->second];
}

const ConstTensor* GraphModel::constant(const QString& name) const {
    const auto found = constants_.find(name);
    return found == constants_.end() ? nullptr : &found->second;
}

std::vector<float> GraphModel::takeFloats(const QString& name) {
    const auto found = constants_.find(name);
    return found == constants_.end() ? std::vector<float>{} : std::move(found->second.floats);
}

Result<GraphModel> GraphModel::load(const QString& folder, const QString& stem) {
    const QString jsonPath = QDir(folder).filePath(stem + QStringLiteral(".json"));
    const auto json = readWholeFile(jsonPath);
    if (!json) {
        return Failure{json.error()};
    }
    QJsonParseError parseError;
    const auto document = QJsonDocument::fromJson(*json, &parseError);
    const auto corrupt = [&](const QString& what) {
        return Failure{
            QStringLiteral("The pose model file %1 is damaged (%2).").arg(jsonPath, what)};
    };
    if (document.isNull()) {
        return corrupt(parseError.errorString());
    }
    const auto root = document.object();
    const auto graphNodes =
        root.value(QLatin1String("modelTopology")).toObject().value(QLatin1String("node"));
    if (!graphNodes.isArray() || graphNodes.toArray().isEmpty()) {
        return corrupt(QStringLiteral("no graph"));
    }

    GraphModel model;
    for (const auto& value : graphNodes.toArray()) {
        const auto object = value.toObject();
        GraphNode node;
        node.name = object.value(QLatin1String("name")).toString();
        node.op = object.value(QLatin1String("op")).toString();
        for (const auto& input : object.value(QLatin1String("input")).toArray()) {
            node.inputs << input.toString();
        }
        node.attributes = object.value(QLatin1String("attr")).toObject();
        if (node.name.isEmpty() || node.op.isEmpty()) {
            return corrupt(QStringLiteral("a graph node without a name or operation"));
        }
        model.nodeIndex_[node.name] = model.nodes_.size();
        model.nodes_.push_back(std::move(node));
    }

    for (const auto& groupValue : root.value(QLatin1String("weightsManifest")).toArray()) {
        const auto group = groupValue.toObject();
        WeightBytes weights;
        QString weightsPath;
        for (const auto& path : group.value(QLatin1String("paths")).toArray()) {
            // Weight files sit beside the graph; a path that leaves the folder is refused.
            const QString name = path.toString();
            if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.startsWith(u'.')) {
                return corrupt(QStringLiteral("a weights path outside the model folder"));
            }
            weightsPath = QDir(folder).filePath(name);
            if (const Status read = weights.append(weightsPath); !read) {
                return Failure{read.error()};
            }
        }
        std::size_t offset = 0;
        for (const auto& specValue : group.value(QLatin1String("weights")).toArray()) {
            const auto object = specValue.toObject();
            WeightSpec spec;
            spec.name = object.value(QLatin1String("name")).toString();
            spec.dtype = object.value(QLatin1String("dtype")).toString();
            spec.storedAs = object.value(QLatin1String("quantization"))
                                .toObject()
                                .value(QLatin1String("dtype"))
                                .toString();
            const auto shape = parseShape(object.value(QLatin1String("shape")).toArray());
            const auto elementBytes = bytesPerElement(spec);
            if (!shape || !elementBytes) {
                return corrupt(QStringLiteral("weight %1 has a form this engine does not read")
                                   .arg(spec.name));
            }
            spec.shape = *shape;
            const std::size_t bytes = elementsOf(spec.shape) * *elementBytes;
            if (offset + bytes > weights.size()) {
                return Failure{QStringLiteral("The pose model file %1 is truncated (%2 of at "
                                              "least %3 bytes).")
                                   .arg(weightsPath)
                                   .arg(weights.size())
                                   .arg(offset + bytes)};
            }
            ConstTensor tensor = decodeWeight(spec, weights.data() + offset);
            if (!std::all_of(tensor.floats.begin(), tensor.floats.end(),
                             [](float value) { return std::isfinite(value); })) {
                return Failure{QStringLiteral("The pose model file %1 is damaged (weight %2 is "
                                              "not a number).")
                                   .arg(weightsPath, spec.name)};
            }
            model.constants_[spec.name] = std::move(tensor);
            offset += bytes;
        }
        if (offset != weights.size()) {
            return Failure{QStringLiteral("The pose model file %1 does not match its description "
                                          "(%2 bytes instead of %3).")
                               .arg(weightsPath)
                               .arg(weights.size())
                               .arg(offset)};
        }
    }
    return model;
}

} // namespace qv::pose
