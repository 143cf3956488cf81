// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrivateAudioServer.h"
#include "core/services/SoundPlayer.h"
#include "core/settings/SettingsKeys.h"
#include "core/storage/MemoryKeyValueStore.h"
#include "core/time/VirtualTimeSource.h"
#include "platform/common/MultimediaSoundOutput.h"

#include <QCoreApplication>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// Started before Qt Multimedia looks for audio devices, which it does once per process.
std::unique_ptr<qv::test::PrivateAudioServer> audioServer;

int loudest(const QList<qint16>& samples) {
    int peak = 0;
    for (qint16 sample : samples) {
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
    }
    return peak;
}

class SoundOnAudioServer : public ::testing::Test {
protected:
    void SetUp() override {
        if (!audioServer) {
            GTEST_SKIP() << "no private PulseAudio server could be started here";
        }
    }
    // Plays through the real output and returns the loudest sample the sink's monitor
    // recorded within listenSeconds of audio, stopping early once the sound has arrived.
    int loudestHeard(const std::function<void()>& play, double listenSeconds) {
        constexpr int rate = qv::test::PrivateAudioServer::sampleRate;
        EXPECT_TRUE(audioServer->startRecording());
        EXPECT_TRUE(audioServer->waitForSamples(rate / 5)) << "the monitor records nothing";
        const qsizetype before = audioServer->recording().size();
        play();
        int peak = 0;
        for (qsizetype heard = rate / 4; heard <= listenSeconds * rate && peak < loud;
             heard += rate / 4) {
            EXPECT_TRUE(audioServer->waitForSamples(before + heard));
            peak = loudest(audioServer->recording().mid(before));
        }
        audioServer->stopRecording();
        return peak;
    }

    // The sounds are synthesised at 0.8 of full scale and played at 0.6.
    static constexpr int loud = 3'000;

    qv::MultimediaSoundOutput output;
    qv::MemoryKeyValueStore defaults;
    qv::VirtualTimeSource time;
    qv::SoundPlayer player{defaults, time, output};
};

TEST_F(SoundOnAudioServer, EachSoundArrivesAtTheSink) {
    ASSERT_TRUE(qv::MultimediaSoundOutput::hasAudioOutput());
    for (const QString& name : {qv::soundNames::tink, qv::soundNames::pop, qv::soundNames::glass}) {
        EXPECT_GE(loudestHeard([&] { player.playSound(name); }, 10.0), loud) << name.toStdString();
    }
}

// Released between breaks, the sounds prepare again for the next one.
TEST_F(SoundOnAudioServer, ASoundAfterAReleaseStillArrives) {
    ASSERT_GE(loudestHeard([&] { player.playSound(qv::soundNames::tink); }, 10.0), loud);
    output.release();
    EXPECT_GE(loudestHeard([&] { player.playSound(qv::soundNames::glass); }, 10.0), loud);
}

TEST_F(SoundOnAudioServer, SoundSwitchedOffStaysSilent) {
    defaults.setBoolean(qv::settingsKeys::soundEnabled, false);
    EXPECT_LT(loudestHeard([&] { player.playSound(qv::soundNames::glass); }, 2.0), 100);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    if (!GTEST_FLAG_GET(list_tests)) {
        audioServer = qv::test::PrivateAudioServer::start();
    }
    const int result = RUN_ALL_TESTS();
    audioServer.reset();
    return result;
}
