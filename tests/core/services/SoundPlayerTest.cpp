// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/services/SoundPlayer.h"

#include "core/services/SoundOutput.h"
#include "core/settings/SettingsKeys.h"
#include "core/storage/MemoryKeyValueStore.h"
#include "core/time/VirtualTimeSource.h"

#include <gtest/gtest.h>

using qv::SoundPlayer;

namespace {

// Records what would be heard; the real output is tested against an audio server.
class RecordedOutput final : public qv::SoundOutput {
public:
    void play(const QString& name, double volume) override { played.append({name, volume}); }
    void release() override { ++releases; }
    QList<std::pair<QString, double>> played;
    int releases = 0;
};

class SoundPlayerTest : public ::testing::Test {
protected:
    qv::MemoryKeyValueStore defaults;
    qv::VirtualTimeSource time;
    RecordedOutput output;
    SoundPlayer player{defaults, time, output};
};

// What the sounds need is held through a break's bursts and given back once they stop.
TEST_F(SoundPlayerTest, GivesBackWhatSoundsNeedOnceTheyHaveBeenQuiet) {
    player.playSound(qv::soundNames::tink);
    time.advance(SoundPlayer::releaseAfterQuietSeconds - 1);
    player.playRepetitionSound();
    time.advance(SoundPlayer::releaseAfterQuietSeconds - 1);
    EXPECT_EQ(output.releases, 0);
    time.advance(2);
    EXPECT_EQ(output.releases, 1);
    time.advance(SoundPlayer::releaseAfterQuietSeconds * 10);
    EXPECT_EQ(output.releases, 1) << "released once, not over and over";

    defaults.setBoolean(qv::settingsKeys::soundEnabled, false);
    player.playSound(qv::soundNames::glass);
    time.advance(SoundPlayer::releaseAfterQuietSeconds * 2);
    EXPECT_EQ(output.releases, 1) << "a silenced sound prepared nothing";
}

} // namespace
