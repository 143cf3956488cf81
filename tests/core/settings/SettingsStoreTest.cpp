// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/SettingsStore.h"

#include "core/settings/SettingsKeys.h"
#include "core/storage/MemoryKeyValueStore.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace keys = qv::settingsKeys;
using qv::ExerciseKind;
using qv::SettingsStore;

TEST(SettingsStore, FreshStoreHasTheDocumentedDefaults) {
    qv::MemoryKeyValueStore defaults;
    SettingsStore settings(defaults);
    EXPECT_EQ(settings.workIntervalMinutes(), 50);
    EXPECT_EQ(settings.honorDurationSeconds(), 30);
    EXPECT_EQ(settings.squatRepetitions(), 10);
    EXPECT_EQ(settings.exerciseKind(), ExerciseKind::squat);
    EXPECT_TRUE(settings.smartPauseEnabled());
    EXPECT_EQ(settings.emergencyEscapeLimit(), 3);
    EXPECT_TRUE(settings.cameraVerificationEnabled());
    EXPECT_TRUE(settings.soundEnabled());
    EXPECT_FALSE(settings.selectedCameraID());
    const qv::ActiveHoursWindow window = settings.activeHoursWindow();
    EXPECT_TRUE(window.enabled);
    EXPECT_EQ(window.startMinute, 480);
    EXPECT_EQ(window.endMinute, 1200);
    EXPECT_FALSE(window.weekdaysOnly);
    EXPECT_FALSE(settings.hasCompletedOnboarding());
    // Only seven settings are written at start; the rest stay served by their defaults.
    QStringList written = defaults.keys();
    written.sort();
    EXPECT_EQ(written,
              (QStringList{keys::emergencyEscapeLimit, keys::exerciseKind,
                           keys::honorDurationSeconds, keys::smartPauseEnabled, keys::soundEnabled,
                           keys::squatRepetitions, keys::workIntervalMinutes}));
}

struct StoredInteger {
    QString key;
    qint64 stored;
    qint64 loaded;
    bool writtenBack;
    friend void PrintTo(const StoredInteger& c, std::ostream* os) {
        *os << c.key.toStdString() << "=" << c.stored;
    }
};

class SettingsStoreLoading : public ::testing::TestWithParam<StoredInteger> {};

TEST_P(SettingsStoreLoading, OutOfRangeIntegersAreClampedAndSomeWrittenBack) {
    const StoredInteger c = GetParam();
    qv::MemoryKeyValueStore defaults;
    defaults.setInteger(c.key, c.stored);
    SettingsStore settings(defaults);
    EXPECT_EQ(settings.property(c.key.mid(9).toLatin1()).toLongLong(), c.loaded);
    EXPECT_EQ(defaults.integer(c.key), c.writtenBack ? c.loaded : c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsStoreLoading,
    ::testing::Values(StoredInteger{keys::workIntervalMinutes, 5, 20, true},
                      StoredInteger{keys::workIntervalMinutes, 500, 90, true},
                      StoredInteger{keys::honorDurationSeconds, 301, 300, true},
                      StoredInteger{keys::honorDurationSeconds, 9, 10, true},
                      StoredInteger{keys::squatRepetitions, 25, 20, true},
                      StoredInteger{keys::squatRepetitions, 0, 5, true},
                      StoredInteger{keys::emergencyEscapeLimit, 0, 1, true},
                      StoredInteger{keys::emergencyEscapeLimit, 7, 3, true},
                      StoredInteger{keys::activeHoursStartMinute, -5, 0, false},
                      StoredInteger{keys::activeHoursEndMinute, 2000, 1439, false}));

TEST(SettingsStore, UnknownExerciseTextsLoadAsSquatAndAreWrittenBack) {
    for (const QString stored : {"Squat", "overheadraise", "jumping"}) {
        qv::MemoryKeyValueStore defaults;
        defaults.setText(keys::exerciseKind, stored);
        SettingsStore settings(defaults);
        EXPECT_EQ(settings.exerciseKind(), ExerciseKind::squat) << stored.toStdString();
        EXPECT_EQ(defaults.text(keys::exerciseKind), "squat");
    }
    qv::MemoryKeyValueStore defaults;
    defaults.setText(keys::exerciseKind, "overheadRaise");
    EXPECT_EQ(SettingsStore(defaults).exerciseKind(), ExerciseKind::overheadRaise);
}

TEST(SettingsStore, GarbageStoredValuesFallBackToDefaults) {
    qv::MemoryKeyValueStore defaults;
    defaults.setText(keys::workIntervalMinutes, "fifty");
    defaults.setText(keys::soundEnabled, "loud");
    defaults.setData(keys::selectedCameraID, "\x01");
    SettingsStore settings(defaults);
    EXPECT_EQ(settings.workIntervalMinutes(), 50);
    EXPECT_TRUE(settings.soundEnabled());
    EXPECT_FALSE(settings.selectedCameraID());
}

TEST(SettingsStore, AssignmentsClampNotifyAndWriteAtOnce) {
    qv::MemoryKeyValueStore defaults;
    SettingsStore settings(defaults);
    QSignalSpy intervalChanged(&settings, &SettingsStore::workIntervalMinutesChanged);
    settings.setWorkIntervalMinutes(95);
    EXPECT_EQ(settings.workIntervalMinutes(), 90);
    EXPECT_EQ(defaults.integer(keys::workIntervalMinutes), 90);
    EXPECT_EQ(intervalChanged.count(), 1);

    settings.setActiveHoursStartMinute(1500);
    EXPECT_EQ(defaults.integer(keys::activeHoursStartMinute), 1439);
    settings.setActiveHoursEndMinute(1439);
    EXPECT_EQ(settings.activeHoursWindow().startMinute, settings.activeHoursWindow().endMinute);

    settings.setExerciseKind(ExerciseKind::overheadRaise);
    EXPECT_EQ(defaults.text(keys::exerciseKind), "overheadRaise");
    settings.setHasCompletedOnboarding(true);
    EXPECT_EQ(defaults.boolean(keys::hasCompletedOnboarding), true);
}

TEST(SettingsStore, ChoosingNoCameraRemovesTheKey) {
    qv::MemoryKeyValueStore defaults;
    SettingsStore settings(defaults);
    QSignalSpy changed(&settings, &SettingsStore::selectedCameraIDChanged);
    settings.setSelectedCameraID(QString("usb-Logi_C920"));
    EXPECT_EQ(defaults.text(keys::selectedCameraID), "usb-Logi_C920");
    settings.setSelectedCameraIDText(QString());
    EXPECT_FALSE(defaults.contains(keys::selectedCameraID));
    EXPECT_FALSE(settings.selectedCameraID());
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(SettingsStore(defaults).selectedCameraID(), std::nullopt);
}
