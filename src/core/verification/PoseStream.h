// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/verification/PoseSnapshot.h"

#include <QIODevice>
#include <QString>
#include <optional>
#include <vector>

namespace qv {

// Recorded pose streams: a session's poses written as they were seen, so that counting can be
// replayed and tested away from a camera. JSON Lines, UTF-8, one object a line:
//
//   {"format":"quorvantel-poses","version":1}
//   {"t":12.5,"people":[{"leftHip":[0.41,0.52,0.93],"leftKnee":[0.42,0.31,0.88]}]}
//   {"t":12.5667,"people":[]}
//
// The first line names the format. Every further line is one analysed frame: "t" is the
// capture time in monotonic seconds, strictly increasing from frame to frame; "people" holds
// every person the detector reported, in its order, each as an object from joint names (the
// case names of Joint) to [x, y, confidence] with x and y normalised to the image, y up, and
// the confidence within 0 … 1. A joint that was not reported is absent; a frame with nobody
// has an empty list. Coordinates may stray a little outside the image (from -1 to 2), as
// detectors place joints they guess beyond the border. Other keys of a frame are ignored;
// blank lines are ignored.
//
// A bad line (broken or truncated JSON, an unknown joint, a number that is not finite or out
// of range, a time that does not increase) is an error naming the line. A reader may instead
// be told to skip bad frames: then it drops the line, remembers why, and goes on.
struct PoseFrame {
    double capturedAt = 0;
    std::vector<PoseSnapshot> people; // each with capturedAt set to the frame's time
    bool operator==(const PoseFrame&) const = default;
};

struct PoseStreamIssue {
    qint64 line = 0; // 1-based
    QString message;
    // "line 12: unknown joint "leftEar""
    QString text() const;
    bool operator==(const PoseStreamIssue&) const = default;
};

class PoseStreamReader {
public:
    static constexpr qint64 maximumLineBytes = 1 << 20;

    explicit PoseStreamReader(QIODevice& device, bool skipBadFrames = false);

    // The next frame; none at the end of the stream or after an error.
    std::optional<PoseFrame> next();
    const std::optional<PoseStreamIssue>& error() const { return error_; }
    // Frames dropped in skipping mode, with the reason.
    const std::vector<PoseStreamIssue>& skipped() const { return skipped_; }

private:
    std::optional<QByteArray> nextLine();
    bool readHeader();

    QIODevice& device_;
    bool skipBadFrames_;
    bool hasHeader_ = false;
    qint64 lineNumber_ = 0;
    std::optional<double> lastTime_;
    std::optional<PoseStreamIssue> error_;
    std::vector<PoseStreamIssue> skipped_;
};

struct PoseStreamContents {
    std::vector<PoseFrame> frames;
    std::optional<PoseStreamIssue> error;
    std::vector<PoseStreamIssue> skipped;
};

PoseStreamContents readPoseStream(QIODevice& device, bool skipBadFrames = false);
// A file that cannot be opened is an error on line 0.
PoseStreamContents readPoseStreamFile(const QString& path, bool skipBadFrames = false);

class PoseStreamWriter {
public:
    // Writes the format line at once; every frame is one line, written whole.
    explicit PoseStreamWriter(QIODevice& device);

    // False (and nothing written) for a frame the format cannot hold: a time that is not finite
    // or not later than the previous frame's, or a joint value that is not finite or out of
    // range; false also when the device refuses the line.
    bool write(const PoseFrame& frame);
    bool write(double capturedAt, const std::vector<PoseSnapshot>& people);

private:
    QIODevice& device_;
    bool isHealthy_ = true;
    std::optional<double> lastTime_;
};

} // namespace qv
