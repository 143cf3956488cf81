// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/onboarding/RehearsalStage.h"

#include <QCoreApplication>
#include <array>

namespace qv {

namespace {

using Phase = RehearsalStage::Phase;
constexpr double countdownStep = 0.65;
constexpr double lockHold = 0.9;
constexpr double downSeconds = 0.48;
constexpr double upSeconds = 0.56;
constexpr double linger = 1.6;

constexpr std::array<RehearsalStage::Beat, 11> beats{{
    {Phase::countdown, 3, 0, false, countdownStep},
    {Phase::countdown, 2, 0, false, countdownStep},
    {Phase::countdown, 1, 0, false, countdownStep},
    {Phase::lock, 0, 0, false, lockHold},
    {Phase::rep, 0, 1, true, downSeconds},
    {Phase::rep, 0, 1, false, upSeconds},
    {Phase::rep, 0, 2, true, downSeconds},
    {Phase::rep, 0, 2, false, upSeconds},
    {Phase::rep, 0, 3, true, downSeconds},
    {Phase::rep, 0, 3, false, upSeconds},
    {Phase::unlocked, 0, 3, false, linger},
}};
constexpr int restingBeat = int(beats.size()) - 1;

} // namespace

RehearsalStage::RehearsalStage(TimeSource& time, QObject* parent)
    : QObject(parent)
    , time_(time) {}

int RehearsalStage::beatCount() {
    return int(beats.size());
}

const RehearsalStage::Beat& RehearsalStage::current() const {
    return beats[std::size_t(beat_)];
}

void RehearsalStage::showBeat(int index) {
    active_ = false;
    task_.cancel();
    setBeat(std::clamp(index, 0, restingBeat));
}

void RehearsalStage::setActive(bool active) {
    if (active_ == active) {
        return;
    }
    active_ = active;
    restartOrRest();
}

void RehearsalStage::setReduceMotion(bool reduce) {
    if (reduceMotion_ == reduce) {
        return;
    }
    reduceMotion_ = reduce;
    Q_EMIT reduceMotionChanged();
    restartOrRest();
}

void RehearsalStage::restartOrRest() {
    task_.cancel();
    if (!active_) {
        return;
    }
    if (reduceMotion_) {
        setBeat(restingBeat);
        return;
    }
    // Each showing starts from the top, so the user sees the whole story.
    setBeat(0);
    schedule();
}

void RehearsalStage::schedule() {
    task_ = time_.after(current().seconds, [this] {
        setBeat(beat_ == restingBeat ? 0 : beat_ + 1);
        schedule();
    });
}

void RehearsalStage::setBeat(int index) {
    if (index == beat_) {
        return;
    }
    const Beat before = current();
    const QString timerBefore = timerText();
    const QString cueBefore = cue();
    const QString arrowBefore = arrow();
    const QString counterBefore = counterText();
    const bool downBefore = isSquatDown();
    const bool lockedBefore = isLocked();
    beat_ = index;
    if (current().phase != before.phase) {
        Q_EMIT phaseChanged();
        if (before.phase == Phase::unlocked || isUnlocked()) {
            Q_EMIT isUnlockedChanged();
        }
    }
    if (timerText() != timerBefore) {
        Q_EMIT timerTextChanged();
    }
    if (cue() != cueBefore) {
        Q_EMIT cueChanged();
    }
    if (arrow() != arrowBefore) {
        Q_EMIT arrowChanged();
    }
    if (counterText() != counterBefore) {
        Q_EMIT counterTextChanged();
    }
    if (isSquatDown() != downBefore) {
        Q_EMIT isSquatDownChanged();
    }
    if (isLocked() != lockedBefore) {
        Q_EMIT isLockedChanged();
    }
}

RehearsalStage::Phase RehearsalStage::phase() const {
    return current().phase;
}

QString RehearsalStage::timerText() const {
    switch (current().phase) {
    case Phase::countdown:
        return QStringLiteral("00:0%1").arg(current().countdownSeconds);
    case Phase::lock:
    case Phase::rep:
        return QCoreApplication::translate("Onboarding", "BREAK");
    case Phase::unlocked:
        break;
    }
    // The next cycle's length is the user's choice; the owner shows it.
    return QString();
}

QString RehearsalStage::cue() const {
    switch (current().phase) {
    case Phase::countdown:
        return QCoreApplication::translate("Onboarding", "Get ready");
    case Phase::lock:
        return QCoreApplication::translate("Onboarding", "Squat down");
    case Phase::rep:
        return current().isDown ? QCoreApplication::translate("Onboarding", "Stand tall")
                                : QCoreApplication::translate("Onboarding", "Squat down");
    case Phase::unlocked:
        break;
    }
    return QCoreApplication::translate("Onboarding", "Screen's yours.");
}

QString RehearsalStage::arrow() const {
    if (current().phase != Phase::rep) {
        return QString();
    }
    // The arrow points where to go next: after going down comes up.
    return current().isDown ? QStringLiteral("↑") : QStringLiteral("↓");
}

QString RehearsalStage::counterText() const {
    const Beat& beat = current();
    // A repetition counts when the user is back up.
    const int done =
        beat.phase == Phase::rep && beat.isDown ? beat.repetition - 1 : beat.repetition;
    return QStringLiteral("%1/%2").arg(done).arg(repetitionTarget);
}

bool RehearsalStage::isSquatDown() const {
    return current().phase == Phase::rep && current().isDown;
}

bool RehearsalStage::isLocked() const {
    return current().phase == Phase::lock || current().phase == Phase::rep;
}

} // namespace qv
