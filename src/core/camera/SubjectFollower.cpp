// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/camera/SubjectFollower.h"

#include "core/verification/PoseSnapshot.h"
#include "core/verification/SubjectTracker.h"

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

const DetectedKeypoint& at(const DetectedPerson& person, BodyKeypoint which) {
    return person.keypoints[static_cast<std::size_t>(which)];
}

// Shoulders to hips, in pixels, from the midpoints of each pair; while the hips are unsure (a
// desk hides them) from the shoulders' width; none when a shoulder is unsure.
std::optional<double> torsoLength(const DetectedPerson& person, int width, int height) {
    const auto sure = [&](BodyKeypoint which) {
        return at(person, which).confidence >= SubjectTracker::candidateConfidence;
    };
    if (!sure(BodyKeypoint::leftShoulder) || !sure(BodyKeypoint::rightShoulder)) {
        return std::nullopt;
    }
    const auto x = [&](const DetectedKeypoint& k) { return k.x * width; };
    const auto y = [&](const DetectedKeypoint& k) { return k.y * height; };
    if (!sure(BodyKeypoint::leftHip) || !sure(BodyKeypoint::rightHip)) {
        const DetectedKeypoint& left = at(person, BodyKeypoint::leftShoulder);
        const DetectedKeypoint& right = at(person, BodyKeypoint::rightShoulder);
        return std::hypot(x(left) - x(right), y(left) - y(right)) / shoulderWidthPerTorso;
    }
    const auto mid = [&](BodyKeypoint a, BodyKeypoint b, auto coordinate) {
        return (coordinate(at(person, a)) + coordinate(at(person, b))) / 2;
    };
    const double dx = mid(BodyKeypoint::leftShoulder, BodyKeypoint::rightShoulder, x) -
                      mid(BodyKeypoint::leftHip, BodyKeypoint::rightHip, x);
    const double dy = mid(BodyKeypoint::leftShoulder, BodyKeypoint::rightShoulder, y) -
                      mid(BodyKeypoint::leftHip, BodyKeypoint::rightHip, y);
    return std::hypot(dx, dy);
}

} // namespace

std::optional<CropSquare> SubjectFollower::cropFor(double now) const {
    if (!crop_ || !lastSearchAt_ || now - *lastSearchAt_ >= config_.searchInterval) {
        return std::nullopt;
    }
    return crop_;
}

std::optional<double> SubjectFollower::keptCropSide() const {
    return crop_ ? std::optional(crop_->side) : std::nullopt;
}

void SubjectFollower::searched(const DetectedPerson* subject, int imageWidth, int imageHeight,
                               double now) {
    lastSearchAt_ = now;
    const auto aim = subject ? target(*subject, imageWidth, imageHeight) : std::nullopt;
    if (!aim) {
        crop_.reset();
        return;
    }
    moveTowards(*aim);
}

bool SubjectFollower::followed(const DetectedPerson* person, int imageWidth, int imageHeight) {
    const auto aim =
        person && isConvincing(*person) ? target(*person, imageWidth, imageHeight) : std::nullopt;
    if (!aim) {
        crop_.reset();
        return false;
    }
    moveTowards(*aim);
    return true;
}

bool SubjectFollower::isConvincing(const DetectedPerson& person) const {
    return person.score >= config_.leastScore;
}

void SubjectFollower::reset() {
    crop_.reset();
    lastSearchAt_.reset();
}

std::optional<CropSquare> SubjectFollower::target(const DetectedPerson& person, int imageWidth,
                                                  int imageHeight) const {
    double left = INFINITY;
    double right = -INFINITY;
    double top = INFINITY;
    double bottom = -INFINITY;
    int confident = 0;
    for (const DetectedKeypoint& k : person.keypoints) {
        if (k.confidence < SubjectTracker::candidateConfidence) {
            continue;
        }
        ++confident;
        left = std::min(left, k.x * imageWidth);
        right = std::max(right, k.x * imageWidth);
        top = std::min(top, k.y * imageHeight);
        bottom = std::max(bottom, k.y * imageHeight);
    }
    if (confident < SubjectTracker::minimumCandidatePoints || imageWidth <= 0 || imageHeight <= 0) {
        return std::nullopt;
    }
    double side = std::max(right - left, bottom - top) * config_.extentMargin;
    if (const auto torso = torsoLength(person, imageWidth, imageHeight)) {
        side = std::max(side, *torso * config_.torsoMargin);
    }
    // Larger than the picture's longer side it would only add black around the picture.
    side = std::min(side, static_cast<double>(std::max(imageWidth, imageHeight)));
    return CropSquare{(left + right) / 2, (top + bottom) / 2, side};
}

void SubjectFollower::moveTowards(const CropSquare& aim) {
    if (!crop_) {
        crop_ = aim;
        return;
    }
    const double a = config_.smoothing;
    crop_->centreX += (aim.centreX - crop_->centreX) * a;
    crop_->centreY += (aim.centreY - crop_->centreY) * a;
    // Growing at once keeps a limb that shot out inside the next crop; shrinking slowly
    // keeps a limb that is only hidden for a moment from being cut off when it returns.
    crop_->side = aim.side > crop_->side ? aim.side : crop_->side + (aim.side - crop_->side) * a;
}

} // namespace qv
