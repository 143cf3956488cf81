// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/SettingsStore.h"

#include "core/settings/SettingsKeys.h"
#include "core/storage/MemoryKeyValueStore.h"

#include <gtest/gtest.h>

namespace keys = qv::settingsKeys;
using qv::ExerciseKind;
using qv::MemoryKeyValueStore;
using qv::SettingsStore;

TEST(SettingsStore, OutOfRangeIntegersAreClampedAndSomeWrittenBack) {
    struct Case {
        QString key;
        qint64 stored, loaded;
        bool writtenBack;
    };
    const Case cases[] = {
        {keys::workIntervalMinutes, 5, 20, true},
        {keys::activeHoursEndMinute, 2000, 1439, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key.toStdString() + "=" + std::to_string(c.stored));
        MemoryKeyValueStore defaults;
        defaults.setInteger(c.key, c.stored);
        SettingsStore settings(defaults);
        EXPECT_EQ(settings.property(c.key.mid(9).toLatin1()).toLongLong(), c.loaded);
        EXPECT_EQ(defaults.integer(c.key), c.writtenBack ? c.loaded : c.stored);
    }
}

TEST(SettingsStore, UnknownOrGarbageStoredValuesFallBackToDefaults) {
    for (const QString stored : {"Squat", "overheadraise", "jumping"}) {
        MemoryKeyValueStore defaults;
        defaults.setText(keys::exerciseKind, stored);
        EXPECT_EQ(SettingsStore(defaults).exerciseKind(), ExerciseKind::squat);
        EXPECT_EQ(defaults.text(keys::exerciseKind), "squat") << "not written back";
    }
    MemoryKeyValueStore defaults;
    defaults.setText(keys::exerciseKind, "overheadRaise");
    defaults.setText(keys::workIntervalMinutes, "fifty");
    defaults.setText(keys::soundEnabled, "loud");
    defaults.setData(keys::selectedCameraID, "\x01");
    SettingsStore settings(defaults);
    EXPECT_EQ(settings.exerciseKind(), ExerciseKind::overheadRaise);
    EXPECT_EQ(settings.workIntervalMinutes(), 50);
    EXPECT_TRUE(settings.soundEnabled());
    EXPECT_FALSE(settings.selectedCameraID());
}
