// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/services/SoundPlayer.h"
#include "core/storage/MemoryKeyValueStore.h"
#include "core/time/VirtualTimeSource.h"
#include "platform/linux/PulseSoundOutput.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QStringList logged;

void keepMessage(QtMsgType, const QMessageLogContext&, const QString& message) {
    logged.append(message);
}

class SoundWithoutAudio : public ::testing::Test {
protected:
    void SetUp() override {
        logged.clear();
        qInstallMessageHandler(keepMessage);
    }
    void TearDown() override { qInstallMessageHandler(nullptr); }
};

TEST_F(SoundWithoutAudio, PlaysNothingAndNeverWaits) {
    qv::PulseSoundOutput output;
    qv::MemoryKeyValueStore defaults;
    qv::VirtualTimeSource time;
    qv::SoundPlayer player(defaults, time, output);

    QElapsedTimer elapsed;
    elapsed.start();
    for (int i = 0; i < 20; ++i) {
        player.playSound(qv::soundNames::tink);
        player.playSound(qv::soundNames::glass);
        time.advance(0.3);
        player.playRepetitionSound();
        QCoreApplication::processEvents();
    }
    output.play(QStringLiteral("NoSuchSound"), 0.6);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !output.isPlaying(); }, 10'000));
    // Not a speed target: a hang here would be the audio library waiting for a server.
    EXPECT_LT(elapsed.elapsed(), 10'000);
    EXPECT_EQ(logged.size(), 1) << logged.join('\n').toStdString();
}

// A server that accepts the connection and then never answers.
TEST_F(SoundWithoutAudio, AHungServerIsLeftBehind) {
    QTemporaryDir folder;
    QLocalServer hung;
    ASSERT_TRUE(hung.listen(folder.filePath("native")));
    const QByteArray address = "unix:" + folder.filePath("native").toLocal8Bit();
    {
        // Given up at its own time, on its own thread.
        qv::PulseSoundOutput output(QStringLiteral(":/sounds"), address);
        output.play(qv::soundNames::glass, 0.6);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !output.isPlaying(); }, 30'000));
        EXPECT_TRUE(logged.join('\n').contains("no answer in time"))
            << logged.join('\n').toStdString();
    }
    logged.clear();
    {
        // Or abandoned at once when the program quits meanwhile.
        qv::PulseSoundOutput output(QStringLiteral(":/sounds"), address);
        output.play(qv::soundNames::glass, 0.6);
        QTest::qWait(100);
        ASSERT_TRUE(output.isPlaying());
    }
    EXPECT_TRUE(logged.isEmpty()) << logged.join('\n').toStdString();
}

TEST_F(SoundWithoutAudio, ADamagedFileIsReportedNotPlayed) {
    QTemporaryDir folder;
    QFile damaged(folder.filePath(qv::soundNames::pop + ".wav"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("RIFF\xff\xff\xff\x7fWAVEfmt ");
    damaged.close();
    qv::PulseSoundOutput output(folder.path());
    output.play(qv::soundNames::pop, 0.6);
    output.play(qv::soundNames::pop, 0.6);
    EXPECT_FALSE(output.isPlaying());
    ASSERT_EQ(logged.size(), 1);
    EXPECT_TRUE(logged.front().contains(qv::soundNames::pop));
}

} // namespace

int main(int argc, char** argv) {
    // No audio server: an address where none listens, and no server started on demand.
    QTemporaryDir runtime;
    const QByteArray config = runtime.filePath("client.conf").toLocal8Bit();
    QFile file(QString::fromLocal8Bit(config));
    if (file.open(QIODevice::WriteOnly)) {
        file.write("autospawn = no\n");
        file.close();
    }
    qputenv("PULSE_CLIENTCONFIG", config);
    qputenv("PULSE_SERVER", "unix:" + runtime.filePath("no-server").toLocal8Bit());
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
