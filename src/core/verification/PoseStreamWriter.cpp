// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/verification/PoseStream.h"
#include "core/verification/PoseStreamFormat.h"

#include <charconv>
#include <cmath>

namespace qv {

namespace {

// Shortest text that reads back to the same value, so a stream round-trips exactly.
template <typename Number> void appendNumber(QByteArray& out, Number value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, static_cast<qsizetype>(result.ptr - buffer));
}

bool appendPerson(QByteArray& out, const PoseSnapshot& person) {
    out.append('{');
    bool first = true;
    for (Joint joint : allJoints) {
        const auto& value = person.joint(joint);
        if (!value) {
            continue;
        }
        if (!poseformat::isCoordinateInRange(value->point.x) ||
            !poseformat::isCoordinateInRange(value->point.y) ||
            !poseformat::isConfidenceInRange(value->confidence)) {
            return false;
        }
        if (!first) {
            out.append(',');
        }
        first = false;
        out.append('"').append(rawText(joint).toLatin1()).append("\":[");
        appendNumber(out, value->point.x);
        out.append(',');
        appendNumber(out, value->point.y);
        out.append(',');
        appendNumber(out, value->confidence);
        out.append(']');
    }
    out.append('}');
    return true;
}

} // namespace

PoseStreamWriter::PoseStreamWriter(QIODevice& device)
    : device_(device) {
    const QByteArray header = QByteArray("{\"format\":\"") + poseformat::formatName.data() +
                              "\",\"version\":" + QByteArray::number(poseformat::version) + "}\n";
    isHealthy_ = device_.write(header) == header.size();
}

bool PoseStreamWriter::write(const PoseFrame& frame) {
    return write(frame.capturedAt, frame.people);
}

bool PoseStreamWriter::write(double capturedAt, const std::vector<PoseSnapshot>& people) {
    if (!isHealthy_ || !std::isfinite(capturedAt) || (lastTime_ && capturedAt <= *lastTime_)) {
        return false;
    }
    QByteArray line;
    line.reserve(64 + 600 * static_cast<qsizetype>(people.size()));
    line.append("{\"t\":");
    appendNumber(line, capturedAt);
    line.append(",\"people\":[");
    for (std::size_t i = 0; i < people.size(); ++i) {
        if (i > 0) {
            line.append(',');
        }
        if (!appendPerson(line, people[i])) {
            return false;
        }
    }
    line.append("]}\n");
    if (device_.write(line) != line.size()) {
        // A partial line would make the rest of the stream unreadable: stop writing.
        isHealthy_ = false;
        return false;
    }
    lastTime_ = capturedAt;
    return true;
}

} // namespace qv
