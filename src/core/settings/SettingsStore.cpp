// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/SettingsStore.h"

#include "core/settings/SettingsKeys.h"
#include "core/storage/KeyValueStore.h"

namespace qv {

namespace keys = settingsKeys;

SettingsStore::SettingsStore(KeyValueStore& defaults, QObject* parent)
    : QObject(parent)
    , defaults_(defaults) {
    registerDefaults();
    load();
    writeBackAtStart();
}

void SettingsStore::registerDefaults() {
    // The camera choice and the onboarding flag have no default: absent is their meaning.
    defaults_.registerDefaults({
        {keys::workIntervalMinutes, 50},
        {keys::honorDurationSeconds, 30},
        {keys::squatRepetitions, 10},
        {keys::exerciseKind, rawText(ExerciseKind::squat)},
        {keys::smartPauseEnabled, true},
        {keys::emergencyEscapeLimit, 3},
        {keys::cameraVerificationEnabled, true},
        {keys::soundEnabled, true},
        {keys::activeHoursEnabled, true},
        {keys::activeHoursStartMinute, 480},
        {keys::activeHoursEndMinute, 1200},
        {keys::activeHoursWeekdaysOnly, false},
    });
}

void SettingsStore::load() {
    auto integer = [this](const QString& key, Range range) {
        return range.clamp(defaults_.integer(key).value_or(0));
    };
    auto boolean = [this](const QString& key) { return defaults_.boolean(key).value_or(false); };

    workIntervalMinutes_ = integer(keys::workIntervalMinutes, workIntervalRange);
    honorDurationSeconds_ = integer(keys::honorDurationSeconds, honorDurationRange);
    squatRepetitions_ = integer(keys::squatRepetitions, repetitionsRange);
    exerciseKind_ = exerciseKindFromRawText(defaults_.text(keys::exerciseKind).value_or(QString()))
                        .value_or(ExerciseKind::squat);
    smartPauseEnabled_ = boolean(keys::smartPauseEnabled);
    emergencyEscapeLimit_ = integer(keys::emergencyEscapeLimit, escapeLimitRange);
    cameraVerificationEnabled_ = boolean(keys::cameraVerificationEnabled);
    soundEnabled_ = boolean(keys::soundEnabled);
    selectedCameraID_ = defaults_.text(keys::selectedCameraID);
    activeHoursEnabled_ = boolean(keys::activeHoursEnabled);
    activeHoursStartMinute_ = integer(keys::activeHoursStartMinute, minuteOfDayRange);
    activeHoursEndMinute_ = integer(keys::activeHoursEndMinute, minuteOfDayRange);
    activeHoursWeekdaysOnly_ = boolean(keys::activeHoursWeekdaysOnly);
    hasCompletedOnboarding_ = boolean(keys::hasCompletedOnboarding);
}

void SettingsStore::writeBackAtStart() {
    defaults_.setInteger(keys::workIntervalMinutes, workIntervalMinutes_);
    defaults_.setInteger(keys::honorDurationSeconds, honorDurationSeconds_);
    defaults_.setInteger(keys::squatRepetitions, squatRepetitions_);
    defaults_.setText(keys::exerciseKind, rawText(exerciseKind_));
    defaults_.setBoolean(keys::smartPauseEnabled, smartPauseEnabled_);
    defaults_.setBoolean(keys::soundEnabled, soundEnabled_);
    defaults_.setInteger(keys::emergencyEscapeLimit, emergencyEscapeLimit_);
}

ActiveHoursWindow SettingsStore::activeHoursWindow() const {
    return {activeHoursEnabled_, static_cast<int>(minuteOfDayRange.clamp(activeHoursStartMinute_)),
            static_cast<int>(minuteOfDayRange.clamp(activeHoursEndMinute_)),
            activeHoursWeekdaysOnly_};
}

void SettingsStore::assignInteger(qint64& field, qint64 value, Range range, const QString& key,
                                  void (SettingsStore::*changed)()) {
    // Observers only ever see the in-range value.
    field = range.clamp(value);
    defaults_.setInteger(key, field);
    Q_EMIT(this->*changed)();
}

void SettingsStore::assignBoolean(bool& field, bool value, const QString& key,
                                  void (SettingsStore::*changed)()) {
    field = value;
    defaults_.setBoolean(key, field);
    Q_EMIT(this->*changed)();
}

void SettingsStore::setWorkIntervalMinutes(qint64 minutes) {
    assignInteger(workIntervalMinutes_, minutes, workIntervalRange, keys::workIntervalMinutes,
                  &SettingsStore::workIntervalMinutesChanged);
}

void SettingsStore::setHonorDurationSeconds(qint64 seconds) {
    assignInteger(honorDurationSeconds_, seconds, honorDurationRange, keys::honorDurationSeconds,
                  &SettingsStore::honorDurationSecondsChanged);
}

void SettingsStore::setSquatRepetitions(qint64 repetitions) {
    assignInteger(squatRepetitions_, repetitions, repetitionsRange, keys::squatRepetitions,
                  &SettingsStore::squatRepetitionsChanged);
}

void SettingsStore::setExerciseKind(ExerciseKind kind) {
    exerciseKind_ = kind;
    defaults_.setText(keys::exerciseKind, rawText(kind));
    Q_EMIT exerciseKindChanged();
}

void SettingsStore::setExerciseKindText(const QString& text) {
    if (const auto kind = exerciseKindFromRawText(text)) {
        setExerciseKind(*kind);
    }
}

void SettingsStore::setSmartPauseEnabled(bool enabled) {
    assignBoolean(smartPauseEnabled_, enabled, keys::smartPauseEnabled,
                  &SettingsStore::smartPauseEnabledChanged);
}

void SettingsStore::setEmergencyEscapeLimit(qint64 limit) {
    assignInteger(emergencyEscapeLimit_, limit, escapeLimitRange, keys::emergencyEscapeLimit,
                  &SettingsStore::emergencyEscapeLimitChanged);
}

void SettingsStore::setCameraVerificationEnabled(bool enabled) {
    assignBoolean(cameraVerificationEnabled_, enabled, keys::cameraVerificationEnabled,
                  &SettingsStore::cameraVerificationEnabledChanged);
}

void SettingsStore::setSoundEnabled(bool enabled) {
    assignBoolean(soundEnabled_, enabled, keys::soundEnabled, &SettingsStore::soundEnabledChanged);
}

void SettingsStore::setSelectedCameraID(const std::optional<QString>& cameraID) {
    selectedCameraID_ = cameraID;
    if (cameraID) {
        defaults_.setText(keys::selectedCameraID, *cameraID);
    } else {
        defaults_.remove(keys::selectedCameraID);
    }
    Q_EMIT selectedCameraIDChanged();
}

void SettingsStore::setSelectedCameraIDText(const QString& cameraID) {
    setSelectedCameraID(cameraID.isEmpty() ? std::nullopt : std::optional<QString>(cameraID));
}

void SettingsStore::setActiveHoursEnabled(bool enabled) {
    assignBoolean(activeHoursEnabled_, enabled, keys::activeHoursEnabled,
                  &SettingsStore::activeHoursEnabledChanged);
}

void SettingsStore::setActiveHoursStartMinute(qint64 minute) {
    assignInteger(activeHoursStartMinute_, minute, minuteOfDayRange, keys::activeHoursStartMinute,
                  &SettingsStore::activeHoursStartMinuteChanged);
}

void SettingsStore::setActiveHoursEndMinute(qint64 minute) {
    assignInteger(activeHoursEndMinute_, minute, minuteOfDayRange, keys::activeHoursEndMinute,
                  &SettingsStore::activeHoursEndMinuteChanged);
}

void SettingsStore::setActiveHoursWeekdaysOnly(bool weekdaysOnly) {
    assignBoolean(activeHoursWeekdaysOnly_, weekdaysOnly, keys::activeHoursWeekdaysOnly,
                  &SettingsStore::activeHoursWeekdaysOnlyChanged);
}

void SettingsStore::setHasCompletedOnboarding(bool completed) {
    assignBoolean(hasCompletedOnboarding_, completed, keys::hasCompletedOnboarding,
                  &SettingsStore::hasCompletedOnboardingChanged);
}

} // namespace qv
