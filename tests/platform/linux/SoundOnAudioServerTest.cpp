// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrivateAudioServer.h"
#include "core/services/SoundPlayer.h"
#include "core/storage/MemoryKeyValueStore.h"
#include "core/time/VirtualTimeSource.h"
#include "platform/linux/PulseSoundOutput.h"

#include <QCoreApplication>
#include <QDir>
#include <QTest>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace {

std::unique_ptr<qv::test::PrivateAudioServer> audioServer;
constexpr int rate = qv::test::PrivateAudioServer::sampleRate;

int loudest(const QList<qint16>& samples) {
    int peak = 0;
    for (qint16 sample : samples) {
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
    }
    return peak;
}

int entriesOf(const QString& folder) {
    return static_cast<int>(
        QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System).size());
}

class SoundOnAudioServer : public ::testing::Test {
protected:
    void SetUp() override {
        if (!audioServer) {
            GTEST_SKIP() << "no private PulseAudio server could be started here";
        }
    }
    // What the sink's monitor recorded from asking for the sounds until they were heard out.
    QList<qint16> heard(const std::function<void()>& play) {
        EXPECT_TRUE(audioServer->startRecording());
        EXPECT_TRUE(audioServer->waitForSamples(rate / 5)) << "the monitor records nothing";
        const qsizetype before = audioServer->recording().size();
        play();
        // The output is done once the server has played everything; the monitor lags a little.
        EXPECT_TRUE(QTest::qWaitFor([&] { return !output.isPlaying(); }, 30'000));
        EXPECT_TRUE(audioServer->waitForSamples(audioServer->recording().size() + rate / 2));
        return audioServer->stopRecording().mid(before);
    }

    // The sounds are synthesised at 0.8 of full scale and played at 0.6, which peaks at
    // 15728; a sound that lost its first tens of milliseconds peaks at half that or less.
    static constexpr int whole = 13'000;
    static constexpr int loud = 3'000;

    qv::PulseSoundOutput output;
    qv::MemoryKeyValueStore defaults;
    qv::VirtualTimeSource time;
    qv::SoundPlayer player{defaults, time, output};
};

TEST_F(SoundOnAudioServer, EachSoundArrivesAtTheSink) {
    for (const QString& name : {qv::soundNames::tink, qv::soundNames::pop, qv::soundNames::glass}) {
        EXPECT_GE(loudest(heard([&] { player.playSound(name); })), whole) << name.toStdString();
    }
}

// Between breaks the program holds no thread or connection for sounds; the next break's
// sounds connect again, and after a release decode again.
TEST_F(SoundOnAudioServer, NothingOfTheServerStaysBetweenBursts) {
    const int threads = entriesOf(QStringLiteral("/proc/self/task"));
    const int files = entriesOf(QStringLiteral("/proc/self/fd"));
    ASSERT_GE(loudest(heard([&] { player.playSound(qv::soundNames::tink); })), loud);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return entriesOf(QStringLiteral("/proc/self/task")) == threads &&
                   entriesOf(QStringLiteral("/proc/self/fd")) == files;
        },
        5'000))
        << "threads " << threads << " → " << entriesOf(QStringLiteral("/proc/self/task"))
        << ", files " << files << " → " << entriesOf(QStringLiteral("/proc/self/fd"));
    output.release();
    EXPECT_GE(loudest(heard([&] { player.playSound(qv::soundNames::glass); })), loud);
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
