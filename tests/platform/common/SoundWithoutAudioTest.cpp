// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/services/SoundPlayer.h"
#include "core/storage/MemoryKeyValueStore.h"
#include "core/time/VirtualTimeSource.h"
#include "platform/common/MultimediaSoundOutput.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(SoundWithoutAudio, PlaysNothingAndNeverWaits) {
    qv::MultimediaSoundOutput output;
    qv::MemoryKeyValueStore defaults;
    qv::VirtualTimeSource time;
    qv::SoundPlayer player(defaults, time, output);

    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_FALSE(qv::MultimediaSoundOutput::hasAudioOutput());
    for (int i = 0; i < 20; ++i) {
        player.playSound(qv::soundNames::tink);
        player.playSound(qv::soundNames::glass);
        time.advance(0.3);
        player.playRepetitionSound();
        QCoreApplication::processEvents();
    }
    output.play(QStringLiteral("NoSuchSound"), 0.6);
    QTest::qWait(200);
    // Not a speed target: a hang here would be the audio library waiting for a server.
    EXPECT_LT(elapsed.elapsed(), 10'000);
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
