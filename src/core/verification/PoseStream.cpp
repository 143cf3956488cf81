// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/verification/PoseStream.h"

#include "core/verification/PoseStreamFormat.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <variant>

namespace qv {

namespace {

using FrameOrError = std::variant<PoseFrame, QString>;

bool isBlank(const QByteArray& line) {
    return line.trimmed().isEmpty();
}

std::optional<QString> parseJoint(const QString& name, const QJsonValue& value,
                                  PoseSnapshot& person) {
    const auto joint = jointFromRawText(name);
    if (!joint) {
        return QStringLiteral("unknown joint \"%1\"").arg(name);
    }
    const QJsonArray triple = value.toArray();
    if (!value.isArray() || triple.size() != 3 || !triple[0].isDouble() || !triple[1].isDouble() ||
        !triple[2].isDouble()) {
        return QStringLiteral("joint \"%1\" is not [x, y, confidence]").arg(name);
    }
    const double x = triple[0].toDouble();
    const double y = triple[1].toDouble();
    const double confidence = triple[2].toDouble();
    if (!poseformat::isCoordinateInRange(x) || !poseformat::isCoordinateInRange(y)) {
        return QStringLiteral("joint \"%1\" lies outside -1 … 2").arg(name);
    }
    if (!poseformat::isConfidenceInRange(confidence)) {
        return QStringLiteral("joint \"%1\" has a confidence outside 0 … 1").arg(name);
    }
    person.setJoint(*joint, {{x, y}, static_cast<float>(confidence)});
    return std::nullopt;
}

FrameOrError parseFrame(const QByteArray& line) {
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(line, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        return QStringLiteral("not a JSON object (%1 at character %2), perhaps truncated")
            .arg(parseError.errorString())
            .arg(parseError.offset + 1);
    }
    if (!document.isObject()) {
        return QStringLiteral("not a JSON object");
    }
    const QJsonObject object = document.object();
    const QJsonValue time = object.value(QLatin1String("t"));
    if (!time.isDouble() || !std::isfinite(time.toDouble())) {
        return QStringLiteral("no finite capture time \"t\"");
    }
    const QJsonValue people = object.value(QLatin1String("people"));
    if (!people.isArray()) {
        return QStringLiteral("no list of \"people\"");
    }
    PoseFrame frame;
    frame.capturedAt = time.toDouble();
    const QJsonArray list = people.toArray();
    frame.people.reserve(static_cast<std::size_t>(list.size()));
    for (const QJsonValue& entry : list) {
        if (!entry.isObject()) {
            return QStringLiteral("a person is not an object of joints");
        }
        PoseSnapshot person(frame.capturedAt);
        const QJsonObject joints = entry.toObject();
        for (auto it = joints.begin(); it != joints.end(); ++it) {
            if (auto problem = parseJoint(it.key(), it.value(), person)) {
                return *problem;
            }
        }
        frame.people.push_back(person);
    }
    return frame;
}

} // namespace

QString PoseStreamIssue::text() const {
    return QStringLiteral("line %1: %2").arg(line).arg(message);
}

PoseStreamReader::PoseStreamReader(QIODevice& device, bool skipBadFrames)
    : device_(device)
    , skipBadFrames_(skipBadFrames) {}

std::optional<QByteArray> PoseStreamReader::nextLine() {
    while (!device_.atEnd()) {
        QByteArray line = device_.readLine(maximumLineBytes);
        ++lineNumber_;
        // Only the last line of a stream may lack its newline; any other did not fit.
        if (!line.endsWith('\n') && !device_.atEnd()) {
            while (!device_.atEnd() && !device_.readLine(maximumLineBytes).endsWith('\n')) {
            }
            return QByteArray(); // stands for a line too long to be a frame
        }
        if (!isBlank(line)) {
            return line;
        }
    }
    return std::nullopt;
}

bool PoseStreamReader::readHeader() {
    const auto line = nextLine();
    if (!line) {
        error_ = PoseStreamIssue{lineNumber_, QStringLiteral("empty, not a pose stream")};
        return false;
    }
    const QJsonObject header = QJsonDocument::fromJson(*line).object(); // empty if too long
    if (header.value(QLatin1String("format")).toString() != poseformat::formatName) {
        error_ = PoseStreamIssue{lineNumber_, QStringLiteral("not a pose stream (no format line)")};
        return false;
    }
    if (header.value(QLatin1String("version")).toInt() != poseformat::version) {
        error_ = PoseStreamIssue{
            lineNumber_,
            QStringLiteral("unsupported version; this reader knows %1").arg(poseformat::version)};
        return false;
    }
    hasHeader_ = true;
    return true;
}

std::optional<PoseFrame> PoseStreamReader::next() {
    if (error_ || (!hasHeader_ && !readHeader())) {
        return std::nullopt;
    }
    while (const auto line = nextLine()) {
        FrameOrError parsed =
            line->isEmpty()
                ? FrameOrError(QStringLiteral("longer than %1 bytes").arg(maximumLineBytes))
                : parseFrame(*line);
        if (auto* frame = std::get_if<PoseFrame>(&parsed)) {
            if (!lastTime_ || frame->capturedAt > *lastTime_) {
                lastTime_ = frame->capturedAt;
                return std::move(*frame);
            }
            parsed = QStringLiteral("time %1 does not come after %2")
                         .arg(frame->capturedAt, 0, 'g', 17)
                         .arg(*lastTime_, 0, 'g', 17);
        }
        PoseStreamIssue issue{lineNumber_, std::get<QString>(parsed)};
        if (!skipBadFrames_) {
            error_ = issue;
            return std::nullopt;
        }
        skipped_.push_back(issue);
    }
    return std::nullopt;
}

PoseStreamContents readPoseStream(QIODevice& device, bool skipBadFrames) {
    PoseStreamReader reader(device, skipBadFrames);
    PoseStreamContents contents;
    while (auto frame = reader.next()) {
        contents.frames.push_back(std::move(*frame));
    }
    contents.error = reader.error();
    contents.skipped = reader.skipped();
    return contents;
}

PoseStreamContents readPoseStreamFile(const QString& path, bool skipBadFrames) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        PoseStreamContents contents;
        contents.error =
            PoseStreamIssue{0, QStringLiteral("cannot open %1: %2").arg(path, file.errorString())};
        return contents;
    }
    return readPoseStream(file, skipBadFrames);
}

} // namespace qv
