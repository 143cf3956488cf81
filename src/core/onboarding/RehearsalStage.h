// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/time/TimeSource.h"

#include <QObject>
#include <QString>

namespace qv {

// The second act's animated rehearsal of one break: a countdown, the lock, three squats and
// the screen coming back. It steps through fixed beats on the injected time source while
// shown; with reduced motion it rests on the last beat, which says everything at once.
class RehearsalStage final : public QObject {
    Q_OBJECT
    Q_PROPERTY(Phase phase READ phase NOTIFY phaseChanged)
    Q_PROPERTY(QString timerText READ timerText NOTIFY timerTextChanged)
    Q_PROPERTY(QString cue READ cue NOTIFY cueChanged)
    Q_PROPERTY(QString arrow READ arrow NOTIFY arrowChanged)
    Q_PROPERTY(QString counterText READ counterText NOTIFY counterTextChanged)
    Q_PROPERTY(bool isSquatDown READ isSquatDown NOTIFY isSquatDownChanged)
    Q_PROPERTY(bool isLocked READ isLocked NOTIFY isLockedChanged)
    Q_PROPERTY(bool isUnlocked READ isUnlocked NOTIFY isUnlockedChanged)
    Q_PROPERTY(bool reduceMotion READ reduceMotion WRITE setReduceMotion NOTIFY reduceMotionChanged)

public:
    enum class Phase { countdown, lock, rep, unlocked };
    Q_ENUM(Phase)

    struct Beat {
        Phase phase;
        int countdownSeconds; // countdown only
        int repetition;       // 1 … 3 in rep, 3 once unlocked
        bool isDown;          // rep only
        double seconds;       // how long the beat is held
    };
    static constexpr int repetitionTarget = 3;

    explicit RehearsalStage(TimeSource& time, QObject* parent = nullptr);

    static int beatCount();
    int beatIndex() const { return beat_; }
    // Shows one beat and holds it (galleries, tests); setActive(true) resumes the loop.
    void showBeat(int index);
    // Runs the loop while the act is on screen and motion is welcome.
    void setActive(bool active);
    bool isActive() const { return active_; }
    bool isAnimating() const { return task_.isActive(); }

    Phase phase() const;
    QString timerText() const;
    QString cue() const;
    QString arrow() const;
    QString counterText() const;
    bool isSquatDown() const;
    bool isLocked() const;
    bool isUnlocked() const { return phase() == Phase::unlocked; }
    bool reduceMotion() const { return reduceMotion_; }
    void setReduceMotion(bool reduce);

Q_SIGNALS:
    void phaseChanged();
    void timerTextChanged();
    void cueChanged();
    void arrowChanged();
    void counterTextChanged();
    void isSquatDownChanged();
    void isLockedChanged();
    void isUnlockedChanged();
    void reduceMotionChanged();

private:
    const Beat& current() const;
    void setBeat(int index);
    void schedule();
    void restartOrRest();

    TimeSource& time_;
    int beat_ = 0;
    bool active_ = false;
    bool reduceMotion_ = false;
    ScheduledTask task_;
};

} // namespace qv
