#include "PrivateAudioServer.h"
#include "app/SoundPlayer.h"
#include "common/MultimediaSoundOutput.h"
#include "settings/SettingsKeys.h"
#include "storage/MemoryKeyValueStore.h"
#include "time/VirtualTimeSource.h"

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
    // Plays through the real output while the sink's monitor is recorded.
    QList<qint16> heard(const std::function<void()>& play) {
        constexpr int rate = qv::test::PrivateAudioServer::sampleRate;
        EXPECT_TRUE(audioServer->startRecording());
        EXPECT_TRUE(audioServer->waitForSamples(rate / 5)) << "the monitor records nothing";
        const qsizetype before = audioServer->recording().size();
        play();
        // The longest sound lasts 0.9 s; a second and a half covers it and its latency.
        EXPECT_TRUE(audioServer->waitForSamples(before + rate * 3 / 2));
        return audioServer->stopRecording().mid(before);
    }

    qv::MultimediaSoundOutput output;
    qv::MemoryKeyValueStore defaults;
    qv::VirtualTimeSource time;
    qv::SoundPlayer player{defaults, time, output};
};

TEST_F(SoundOnAudioServer, EachSoundArrivesAtTheSink) {
    ASSERT_TRUE(qv::MultimediaSoundOutput::hasAudioOutput());
    for (const QString& name : {qv::soundNames::tink, qv::soundNames::pop, qv::soundNames::glass}) {
        const QList<qint16> samples = heard([&] { player.playSound(name); });
        // Synthesised at 0.8 of full scale and played at 0.6: well above silence.
        EXPECT_GT(loudest(samples), 3'000) << name.toStdString();
    }
}

TEST_F(SoundOnAudioServer, SoundSwitchedOffStaysSilent) {
    defaults.setBoolean(qv::settingsKeys::soundEnabled, false);
    const QList<qint16> samples = heard([&] { player.playSound(qv::soundNames::glass); });
    EXPECT_LT(loudest(samples), 100);
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
