// SPDX-License-Identifier: GPL-3.0-or-later
#include "LandmarkCsv.h"

#include <QList>
#include <algorithm>
#include <cmath>
#include <utility>

namespace qv {

namespace {

constexpr int landmarkCount = 33;
constexpr int columnsPerLandmark = 4;
constexpr int columnCount = 1 + landmarkCount * columnsPerLandmark;

constexpr std::pair<Joint, int> landmarkOfJoint[] = {
    {Joint::nose, 0},        {Joint::leftShoulder, 11}, {Joint::rightShoulder, 12},
    {Joint::leftElbow, 13},  {Joint::rightElbow, 14},   {Joint::leftWrist, 15},
    {Joint::rightWrist, 16}, {Joint::leftHip, 23},      {Joint::rightHip, 24},
    {Joint::leftKnee, 25},   {Joint::rightKnee, 26},    {Joint::leftAnkle, 27},
    {Joint::rightAnkle, 28},
};

struct Landmark {
    double x = 0;
    double y = 0; // up
    double visibility = 0;
};

bool isInsideImage(const Landmark& l) {
    return l.x >= 0 && l.x <= 1 && l.y >= 0 && l.y <= 1;
}

void putMidpoint(PoseSnapshot& snapshot, Joint joint, const Landmark& a, const Landmark& b) {
    if (isInsideImage(a) && isInsideImage(b)) {
        snapshot.setJoint(joint, {{(a.x + b.x) / 2, (a.y + b.y) / 2},
                                  static_cast<float>(std::min(a.visibility, b.visibility))});
    }
}

// The row's frame number and landmarks, or why it cannot be read.
std::optional<QString> parseRow(const QByteArray& row, int& frameNumber,
                                std::array<Landmark, landmarkCount>& landmarks) {
    const QList<QByteArray> cells = row.trimmed().split(',');
    if (cells.size() != columnCount) {
        return QStringLiteral("%1 columns instead of %2").arg(cells.size()).arg(columnCount);
    }
    bool ok = false;
    frameNumber = cells[0].toInt(&ok);
    if (!ok || frameNumber < 0) {
        return QStringLiteral("no frame number");
    }
    for (int i = 0; i < landmarkCount; ++i) {
        double values[3];
        const int columns[3] = {0, 1, 3}; // x, y, visibility; z is not used
        for (int k = 0; k < 3; ++k) {
            values[k] = cells[1 + i * columnsPerLandmark + columns[k]].toDouble(&ok);
            if (!ok || !std::isfinite(values[k])) {
                return QStringLiteral("landmark %1 is not a finite number").arg(i);
            }
        }
        if (values[2] < 0 || values[2] > 1) {
            return QStringLiteral("landmark %1 has a visibility outside 0 … 1").arg(i);
        }
        landmarks[static_cast<std::size_t>(i)] = {values[0], 1.0 - values[1], values[2]};
    }
    return std::nullopt;
}

const QByteArray& headerRow() {
    static const QByteArray header = [] {
        QByteArray row("frame");
        for (int i = 0; i < landmarkCount; ++i) {
            const QByteArray n = QByteArray::number(i);
            row += ",x_" + n + ",y_" + n + ",z_" + n + ",visibility_" + n;
        }
        return row;
    }();
    return header;
}

PoseSnapshot snapshotOf(const std::array<Landmark, landmarkCount>& landmarks, double at) {
    PoseSnapshot snapshot(at);
    auto landmark = [&](int i) { return landmarks[static_cast<std::size_t>(i)]; };
    putMidpoint(snapshot, Joint::root, landmark(23), landmark(24));
    putMidpoint(snapshot, Joint::neck, landmark(11), landmark(12));
    for (const auto& [joint, index] : landmarkOfJoint) {
        const Landmark l = landmark(index);
        if (isInsideImage(l)) {
            snapshot.setJoint(joint, {{l.x, l.y}, static_cast<float>(l.visibility)});
        }
    }
    return snapshot;
}

} // namespace

PoseStreamContents readLandmarks33Csv(QIODevice& device, double fps, double startAt) {
    PoseStreamContents contents;
    qint64 lineNumber = 0;
    std::optional<int> lastFrame;
    while (!device.atEnd()) {
        const QByteArray row = device.readLine();
        ++lineNumber;
        if (lineNumber == 1) {
            if (row.trimmed() != headerRow()) {
                contents.error = PoseStreamIssue{
                    1, QStringLiteral("not a 33-point landmark table: the first line is not "
                                      "\"frame,x_0,y_0,z_0,visibility_0,…,visibility_32\"")};
                return contents;
            }
            continue;
        }
        if (row.trimmed().isEmpty()) {
            continue;
        }
        int frameNumber = 0;
        std::array<Landmark, landmarkCount> landmarks{};
        auto problem = parseRow(row, frameNumber, landmarks);
        if (!problem && lastFrame && frameNumber <= *lastFrame) {
            problem =
                QStringLiteral("frame %1 does not come after %2").arg(frameNumber).arg(*lastFrame);
        }
        if (problem) {
            contents.error = PoseStreamIssue{lineNumber, *problem};
            return contents;
        }
        lastFrame = frameNumber;
        const double at = startAt + frameNumber / fps;
        contents.frames.push_back({at, {snapshotOf(landmarks, at)}});
    }
    if (lineNumber == 0) {
        contents.error = PoseStreamIssue{0, QStringLiteral("empty, not a landmark table")};
    }
    return contents;
}

} // namespace qv
