#include "core/verification/OverheadRaiseClassifier.h"

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

constexpr double reachFactor = 1.25;
constexpr double minimumReach = 0.04;

QString raiseArms() {
    return QStringLiteral("Raise both arms overhead");
}
QString lowerArms() {
    return QStringLiteral("Lower both arms");
}

double distance(PosePoint a, PosePoint b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

} // namespace

std::optional<OverheadRaiseClassifier::Sample>
OverheadRaiseClassifier::sample(const PoseSnapshot& snapshot) {
    const auto leftShoulder = snapshot.confidentJoint(Joint::leftShoulder);
    const auto rightShoulder = snapshot.confidentJoint(Joint::rightShoulder);
    const auto leftElbow = snapshot.confidentJoint(Joint::leftElbow);
    const auto rightElbow = snapshot.confidentJoint(Joint::rightElbow);
    const auto leftWrist = snapshot.confidentJoint(Joint::leftWrist);
    const auto rightWrist = snapshot.confidentJoint(Joint::rightWrist);
    if (!leftShoulder || !rightShoulder || !leftElbow || !rightElbow || !leftWrist || !rightWrist) {
        return std::nullopt;
    }
    const double upperArms = (distance(leftShoulder->point, leftElbow->point) +
                              distance(rightShoulder->point, rightElbow->point)) /
                             2;
    // The head joint is unreliable with raised arms around it; the arms' own reach above the
    // shoulders stands in for the top of the head.
    const double reach = std::max(reachFactor * upperArms, minimumReach);
    Sample s;
    s.leftShoulderY = leftShoulder->point.y;
    s.rightShoulderY = rightShoulder->point.y;
    s.leftWristY = leftWrist->point.y;
    s.rightWristY = rightWrist->point.y;
    s.headY = std::max(s.leftShoulderY, s.rightShoulderY) + reach;
    return s;
}

OverheadRaiseClassifier::Result OverheadRaiseClassifier::update(const PoseSnapshot& snapshot,
                                                                double now) {
    const auto made = sample(snapshot);
    if (!made) {
        if (phase_ == Phase::ready) {
            overheadSince_.reset();
            return result(raiseArms());
        }
        return result(lowerArms());
    }
    samples_.push(*made);
    if (!samples_.full()) {
        return result(lowerArms());
    }
    return result(advance(now));
}

QString OverheadRaiseClassifier::advance(double now) {
    const Sample s{*samples_.meanOf([](const Sample& x) { return x.leftShoulderY; }),
                   *samples_.meanOf([](const Sample& x) { return x.rightShoulderY; }),
                   *samples_.meanOf([](const Sample& x) { return x.leftWristY; }),
                   *samples_.meanOf([](const Sample& x) { return x.rightWristY; }),
                   *samples_.meanOf([](const Sample& x) { return x.headY; })};
    const bool armsDown = s.leftWristY < s.leftShoulderY && s.rightWristY < s.rightShoulderY;
    const bool armsUp = s.headY < s.leftWristY && s.headY < s.rightWristY;

    switch (phase_) {
    case Phase::seekingStart:
        if (armsDown) {
            phase_ = Phase::ready;
            return raiseArms();
        }
        return lowerArms();
    case Phase::ready:
        if (!armsUp) {
            overheadSince_.reset();
            return raiseArms();
        }
        if (!overheadSince_) {
            overheadSince_ = now;
        }
        if (now - *overheadSince_ >= overheadHold) {
            phase_ = Phase::overhead;
            overheadSince_.reset();
            return lowerArms();
        }
        return raiseArms();
    case Phase::overhead:
        if (!armsDown) {
            return lowerArms();
        }
        if (now - lastRepetitionAt_ >= repetitionDebounce) {
            ++repetitions_;
            lastRepetitionAt_ = now;
        }
        phase_ = Phase::ready;
        return raiseArms();
    }
    return lowerArms();
}

OverheadRaiseClassifier::Result OverheadRaiseClassifier::result(QString feedback) const {
    Result r;
    r.repetitions = repetitions_;
    r.phase = phase_;
    r.feedback = std::move(feedback);
    r.leftWristY = samples_.meanOf([](const Sample& x) { return x.leftWristY; });
    r.rightWristY = samples_.meanOf([](const Sample& x) { return x.rightWristY; });
    r.headY = samples_.meanOf([](const Sample& x) { return x.headY; });
    return r;
}

void OverheadRaiseClassifier::reset() {
    phase_ = Phase::seekingStart;
    samples_.clear();
    overheadSince_.reset();
}

} // namespace qv
