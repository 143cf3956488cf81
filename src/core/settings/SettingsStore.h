// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/SettingRange.h"
#include "core/verification/ExerciseKind.h"

#include <QObject>
#include <QString>
#include <optional>

namespace qv {

class KeyValueStore;

struct ActiveHoursWindow {
    bool enabled = true;
    int startMinute = 480;
    int endMinute = 1200;
    bool weekdaysOnly = false;
};

// Every user setting as an observable property, written to the key-value store the moment it
// changes. Values are kept inside their allowed ranges. The views see the numbers as ints,
// QML's own, the code as qint64.
class SettingsStore final : public QObject {
    Q_OBJECT
    Q_PROPERTY(int workIntervalMinutes READ workIntervalMinutes WRITE setWorkIntervalMinutes NOTIFY
                   workIntervalMinutesChanged)
    Q_PROPERTY(int honorDurationSeconds READ honorDurationSeconds WRITE setHonorDurationSeconds
                   NOTIFY honorDurationSecondsChanged)
    Q_PROPERTY(int squatRepetitions READ squatRepetitions WRITE setSquatRepetitions NOTIFY
                   squatRepetitionsChanged)
    Q_PROPERTY(QString exerciseKindText READ exerciseKindText WRITE setExerciseKindText NOTIFY
                   exerciseKindChanged)
    Q_PROPERTY(bool smartPauseEnabled READ smartPauseEnabled WRITE setSmartPauseEnabled NOTIFY
                   smartPauseEnabledChanged)
    Q_PROPERTY(int emergencyEscapeLimit READ emergencyEscapeLimit WRITE setEmergencyEscapeLimit
                   NOTIFY emergencyEscapeLimitChanged)
    Q_PROPERTY(bool cameraVerificationEnabled READ cameraVerificationEnabled WRITE
                   setCameraVerificationEnabled NOTIFY cameraVerificationEnabledChanged)
    Q_PROPERTY(bool soundEnabled READ soundEnabled WRITE setSoundEnabled NOTIFY soundEnabledChanged)
    Q_PROPERTY(QString selectedCameraIDText READ selectedCameraIDText WRITE setSelectedCameraIDText
                   NOTIFY selectedCameraIDChanged)
    Q_PROPERTY(bool activeHoursEnabled READ activeHoursEnabled WRITE setActiveHoursEnabled NOTIFY
                   activeHoursEnabledChanged)
    Q_PROPERTY(int activeHoursStartMinute READ activeHoursStartMinute WRITE
                   setActiveHoursStartMinute NOTIFY activeHoursStartMinuteChanged)
    Q_PROPERTY(int activeHoursEndMinute READ activeHoursEndMinute WRITE setActiveHoursEndMinute
                   NOTIFY activeHoursEndMinuteChanged)
    Q_PROPERTY(bool activeHoursWeekdaysOnly READ activeHoursWeekdaysOnly WRITE
                   setActiveHoursWeekdaysOnly NOTIFY activeHoursWeekdaysOnlyChanged)
    Q_PROPERTY(bool hasCompletedOnboarding READ hasCompletedOnboarding WRITE
                   setHasCompletedOnboarding NOTIFY hasCompletedOnboardingChanged)
    Q_PROPERTY(qv::SettingRange workIntervalRange READ workIntervalRangeForView CONSTANT)
    Q_PROPERTY(qv::SettingRange honorDurationRange READ honorDurationRangeForView CONSTANT)
    Q_PROPERTY(qv::SettingRange repetitionsRange READ repetitionsRangeForView CONSTANT)
    Q_PROPERTY(qv::SettingRange escapeLimitRange READ escapeLimitRangeForView CONSTANT)
    Q_PROPERTY(qv::SettingRange minuteOfDayRange READ minuteOfDayRangeForView CONSTANT)

public:
    using Range = SettingRange;
    static constexpr Range workIntervalRange{20, 90};
    static constexpr Range honorDurationRange{10, 300};
    static constexpr Range repetitionsRange{5, 20};
    static constexpr Range escapeLimitRange{1, 3};
    static constexpr Range minuteOfDayRange{0, 1439};

    explicit SettingsStore(KeyValueStore& defaults, QObject* parent = nullptr);

    KeyValueStore& defaults() const { return defaults_; }

    // The ranges above, for the views to bind their controls' ends to.
    SettingRange workIntervalRangeForView() const { return workIntervalRange; }
    SettingRange honorDurationRangeForView() const { return honorDurationRange; }
    SettingRange repetitionsRangeForView() const { return repetitionsRange; }
    SettingRange escapeLimitRangeForView() const { return escapeLimitRange; }
    SettingRange minuteOfDayRangeForView() const { return minuteOfDayRange; }

    qint64 workIntervalMinutes() const { return workIntervalMinutes_; }
    qint64 honorDurationSeconds() const { return honorDurationSeconds_; }
    qint64 squatRepetitions() const { return squatRepetitions_; }
    ExerciseKind exerciseKind() const { return exerciseKind_; }
    QString exerciseKindText() const { return rawText(exerciseKind_); }
    bool smartPauseEnabled() const { return smartPauseEnabled_; }
    qint64 emergencyEscapeLimit() const { return emergencyEscapeLimit_; }
    bool cameraVerificationEnabled() const { return cameraVerificationEnabled_; }
    bool soundEnabled() const { return soundEnabled_; }
    std::optional<QString> selectedCameraID() const { return selectedCameraID_; }
    QString selectedCameraIDText() const { return selectedCameraID_.value_or(QString()); }
    bool activeHoursEnabled() const { return activeHoursEnabled_; }
    qint64 activeHoursStartMinute() const { return activeHoursStartMinute_; }
    qint64 activeHoursEndMinute() const { return activeHoursEndMinute_; }
    bool activeHoursWeekdaysOnly() const { return activeHoursWeekdaysOnly_; }
    bool hasCompletedOnboarding() const { return hasCompletedOnboarding_; }
    ActiveHoursWindow activeHoursWindow() const;

    void setWorkIntervalMinutes(qint64 minutes);
    void setHonorDurationSeconds(qint64 seconds);
    void setSquatRepetitions(qint64 repetitions);
    void setExerciseKind(ExerciseKind kind);
    // For views: an unknown text is ignored.
    void setExerciseKindText(const QString& text);
    void setSmartPauseEnabled(bool enabled);
    void setEmergencyEscapeLimit(qint64 limit);
    void setCameraVerificationEnabled(bool enabled);
    void setSoundEnabled(bool enabled);
    void setSelectedCameraID(const std::optional<QString>& cameraID);
    // For views: empty text means the default camera.
    void setSelectedCameraIDText(const QString& cameraID);
    void setActiveHoursEnabled(bool enabled);
    void setActiveHoursStartMinute(qint64 minute);
    void setActiveHoursEndMinute(qint64 minute);
    void setActiveHoursWeekdaysOnly(bool weekdaysOnly);
    void setHasCompletedOnboarding(bool completed);

Q_SIGNALS:
    void workIntervalMinutesChanged();
    void honorDurationSecondsChanged();
    void squatRepetitionsChanged();
    void exerciseKindChanged();
    void smartPauseEnabledChanged();
    void emergencyEscapeLimitChanged();
    void cameraVerificationEnabledChanged();
    void soundEnabledChanged();
    void selectedCameraIDChanged();
    void activeHoursEnabledChanged();
    void activeHoursStartMinuteChanged();
    void activeHoursEndMinuteChanged();
    void activeHoursWeekdaysOnlyChanged();
    void hasCompletedOnboardingChanged();

private:
    void registerDefaults();
    void load();
    void writeBackAtStart();
    void assignInteger(qint64& field, qint64 value, Range range, const QString& key,
                       void (SettingsStore::*changed)());
    void assignBoolean(bool& field, bool value, const QString& key,
                       void (SettingsStore::*changed)());

    KeyValueStore& defaults_;
    qint64 workIntervalMinutes_ = 50;
    qint64 honorDurationSeconds_ = 30;
    qint64 squatRepetitions_ = 10;
    ExerciseKind exerciseKind_ = ExerciseKind::squat;
    bool smartPauseEnabled_ = true;
    qint64 emergencyEscapeLimit_ = 3;
    bool cameraVerificationEnabled_ = true;
    bool soundEnabled_ = true;
    std::optional<QString> selectedCameraID_;
    bool activeHoursEnabled_ = true;
    qint64 activeHoursStartMinute_ = 480;
    qint64 activeHoursEndMinute_ = 1200;
    bool activeHoursWeekdaysOnly_ = false;
    bool hasCompletedOnboarding_ = false;
};

} // namespace qv
