// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/VideoFileSource.h"

#include "support/FileBytes.h"
#include "support/TestSupport.h"

#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>
#include <vector>

using namespace std::chrono_literals;
using qv::Frame;
using qv::Status;
using qv::VideoFileOptions;
using qv::VideoFileSource;
using qv::test::readFile;
using qv::test::writeFile;

namespace {

struct Collected {
    std::mutex mutex;
    std::vector<double> timestamps;
    std::vector<QString> errors;
    qv::Result<qv::Image> first = qv::Failure{"no frame arrived"};
    std::atomic<bool> finished{false};
    std::atomic<bool> failed{false};
};

qv::FrameSourceCallbacks collectInto(Collected& out) {
    qv::FrameSourceCallbacks callbacks;
    callbacks.onFrame = [&out](Frame frame) {
        std::lock_guard lock(out.mutex);
        if (out.timestamps.empty()) {
            out.first = frame.picture();
        }
        out.timestamps.push_back(frame.capturedAt);
    };
    callbacks.onError = [&out](const QString& error) {
        std::lock_guard lock(out.mutex);
        out.errors.push_back(error);
        out.failed = true;
    };
    return callbacks;
}

// Every frame in turn as the consumer takes it, the end reported into `out`.
VideoFileOptions pacedInto(Collected& out) {
    VideoFileOptions options;
    options.pace = VideoFileOptions::Pace::asConsumed;
    options.onFinished = [&out] { out.finished = true; };
    return options;
}

// Waits for the file's end or its failure.
bool waitForEnd(const Collected& out, std::chrono::milliseconds limit = 60s) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!out.finished && !out.failed && std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(5ms);
    }
    return out.finished;
}

} // namespace

TEST(VideoFileSource, PacedByTheConsumerDeliversEveryFrameWithTheFilesTiming) {
    QV_REQUIRE_CLIP(path, "squat-side-small-1.mp4");
    Collected out;
    VideoFileOptions options = pacedInto(out);
    options.timestampOrigin = 100;
    VideoFileSource source(*path, options);
    ASSERT_EQ(source.start(collectInto(out)).error(), QString());
    ASSERT_TRUE(waitForEnd(out));
    source.stop();

    std::lock_guard lock(out.mutex);
    EXPECT_TRUE(out.errors.empty());
    // 11.4 s at 30 frames per second.
    EXPECT_NEAR(static_cast<double>(out.timestamps.size()), 342, 3);
    EXPECT_NEAR(out.timestamps.front(), 100.0, 0.05);
    EXPECT_NEAR(out.timestamps.back(), 111.4, 0.1);
    for (std::size_t i = 1; i < out.timestamps.size(); ++i) {
        EXPECT_NEAR(out.timestamps[i] - out.timestamps[i - 1], 1.0 / 30, 0.002) << i;
    }
    ASSERT_TRUE(out.first) << out.first.error().toStdString();
    EXPECT_EQ(out.first->width(), 324);
    EXPECT_EQ(out.first->height(), 422);
}

TEST(VideoFileSource, PacedSourceWaitsWhileTheConsumerHoldsAFrame) {
    QV_REQUIRE_CLIP(path, "squat-front-home-2.mp4");
    std::mutex mutex;
    std::vector<Frame> held;
    VideoFileOptions options;
    options.pace = VideoFileOptions::Pace::asConsumed;
    VideoFileSource source(*path, options);
    qv::FrameSourceCallbacks callbacks;
    callbacks.onFrame = [&](Frame frame) {
        std::lock_guard lock(mutex);
        held.push_back(std::move(frame));
    };
    ASSERT_EQ(source.start(callbacks).error(), QString());
    std::this_thread::sleep_for(300ms);
    {
        std::lock_guard lock(mutex);
        ASSERT_EQ(held.size(), 1u);
        held.clear(); // let go: the next one may come
    }
    std::this_thread::sleep_for(300ms);
    {
        std::lock_guard lock(mutex);
        EXPECT_EQ(held.size(), 1u);
    }
    source.stop(); // must not hang on the frame still held
    std::lock_guard lock(mutex);
    held.clear();
}

// A cut-short file must not pass for a whole one: the count of a truncated recording would
// look complete.
TEST(VideoFileSource, BrokenFilesFailWithAReasonAndATruncatedOneNeverPassesAsWhole) {
    QV_REQUIRE_CLIP(path, "squat-side-3.mp4");
    qv::test::TemporaryHome home;
    const QByteArray bytes = readFile(*path);
    const QString text = home.filePath("notes.mp4");
    const QString headless = home.filePath("headless.mp4");
    ASSERT_TRUE(writeFile(text, "these are not the frames you are looking for\n"));
    ASSERT_TRUE(writeFile(headless, bytes.mid(bytes.size() / 2)));
    for (const QString& name : {home.filePath("missing.mp4"), text, headless}) {
        VideoFileSource source(name, {});
        const Status started = source.start({});
        EXPECT_FALSE(started) << name.toStdString();
        EXPECT_TRUE(started.error().contains(QFileInfo(name).fileName()))
            << started.error().toStdString();
    }

    const QString truncated = home.filePath("truncated.mp4");
    ASSERT_TRUE(writeFile(truncated, bytes.left(bytes.size() * 2 / 3)));
    Collected out;
    VideoFileSource source(truncated, pacedInto(out));
    if (source.start(collectInto(out))) {
        EXPECT_FALSE(waitForEnd(out))
            << "ended as if whole after " << out.timestamps.size() << " frames";
        source.stop();
        std::lock_guard lock(out.mutex);
        ASSERT_FALSE(out.errors.empty());
        EXPECT_TRUE(out.errors.back().contains("could not be read to the end") ||
                    out.errors.back().contains("The video stopped"))
            << out.errors.back().toStdString();
    }
}

namespace {

quint32 crc32(const QByteArray& bytes) {
    quint32 crc = 0xffffffffu;
    for (const char byte : bytes) {
        crc ^= static_cast<quint8>(byte);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

QByteArray bigEndian(quint32 value) {
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray pngChunk(const QByteArray& type, const QByteArray& data) {
    return bigEndian(static_cast<quint32>(data.size())) + type + data +
           bigEndian(crc32(type + data));
}

} // namespace

// A header claiming 16000 × 16000 pixels would have the decoder allocate gigabytes.
TEST(VideoFileSource, APictureTooLargeForQtsImageLimitIsRefusedBeforeDecoding) {
    qv::test::TemporaryHome home;
    const QString name = home.filePath("huge.png");
    const QByteArray header =
        bigEndian(16000) + bigEndian(16000) + QByteArray("\x08\x02\x00\x00\x00", 5);
    const QByteArray row(1 + 16000 * 3, '\0');
    ASSERT_TRUE(writeFile(name, "\x89PNG\r\n\x1a\n" + pngChunk("IHDR", header) +
                                    pngChunk("IDAT", qCompress(row).mid(4)) +
                                    pngChunk("IEND", {})));

    VideoFileSource source(name, {});
    const QString error = source.start({}).error();
    EXPECT_TRUE(error.contains("huge.png is too large")) << error.toStdString();
    EXPECT_TRUE(error.contains("16000 × 16000")) << error.toStdString();
}

namespace {

// Runs ffmpeg quietly; false when it is missing or fails.
bool ffmpeg(const QStringList& arguments) {
    const QString program = QStandardPaths::findExecutable("ffmpeg");
    if (program.isEmpty()) {
        return false;
    }
    QProcess process;
    process.start(program, QStringList{"-loglevel", "error", "-y"} + arguments);
    return process.waitForFinished(60000) && process.exitCode() == 0;
}

// The file's first picture compared with the reference's: of the same size, and within a mean
// difference of `tolerance` per channel value.
void expectFirstPicture(const QString& path, const QImage& want, double tolerance) {
    Collected out;
    VideoFileSource source(path, pacedInto(out));
    ASSERT_EQ(source.start(collectInto(out)).error(), QString());
    waitForEnd(out);
    source.stop();
    std::lock_guard lock(out.mutex);
    const qv::Result<qv::Image>& got = out.first;
    ASSERT_TRUE(got) << got.error().toStdString();
    ASSERT_EQ(QSize(got->width(), got->height()), want.size());
    double difference = 0;
    for (int y = 0; y < want.height(); ++y) {
        const uchar* a = want.constScanLine(y);
        const std::uint8_t* b = got->row(y);
        for (int i = 0; i < want.width() * 3; ++i) {
            difference += std::abs(int(a[i]) - int(b[i]));
        }
    }
    EXPECT_LT(difference / (want.width() * want.height() * 3), tolerance);
}

} // namespace

// Decoders keep several frames; at 8000 × 8000 pixels that was over a gigabyte. A stream
// larger than a camera's is refused while it is still compressed, whatever its codec.
TEST(VideoFileSource, FramesLargerThanACamerasAreRefusedBeforeDecoding) {
    qv::test::TemporaryHome home;
    for (const char* codec : {"mjpeg", "libx264"}) {
        const QString name = home.filePath(QStringLiteral("wide-%1.mkv").arg(codec));
        if (!ffmpeg(
                {"-f", "lavfi", "-i", "color=c=gray:s=4160x2400:d=0.04", "-c:v", codec, name})) {
            GTEST_SKIP() << "ffmpeg cannot make the test video";
        }
        VideoFileSource source(name, {});
        const QString error = source.start({}).error();
        EXPECT_TRUE(error.contains("4160 × 2400 pixels, larger than any camera"))
            << codec << ": " << error.toStdString();
    }
}

// Each frame reaches the consumer in the decoder's own layout (motion JPEG still compressed)
// and is converted only when its picture is asked for; whatever the layout, the picture is
// the one in the file. The H.264 decoder hands out I420 with padded rows (the chroma width is
// odd), all planes in one piece of memory. (Raw planar video in AVI is left out: the demuxer
// assumes padded rows that ffmpeg does not write.)
TEST(VideoFileSource, CameraLayoutsGiveTheirPicturesUnconverted) {
    QV_REQUIRE_CLIP(path, "squat-side-small-1.mp4");
    QTemporaryDir dir;
    const QString scale = QStringLiteral("scale=322:182");
    const QString reference = dir.filePath("reference.png");
    if (!ffmpeg({"-i", *path, "-vf", scale, "-frames:v", "1", reference})) {
        GTEST_SKIP() << "ffmpeg is not installed";
    }
    const QImage want = QImage(reference).convertToFormat(QImage::Format_RGB888);
    ASSERT_EQ(want.size(), QSize(322, 182));
    struct Case {
        const char* what;
        QStringList encoding;
        double meanTolerance; // per channel value, over the picture
    };
    const Case cases[] = {
        {"raw YUYV", {"-c:v", "rawvideo", "-pix_fmt", "yuyv422"}, 2.5},
        {"MJPEG 4:2:2", {"-c:v", "mjpeg", "-pix_fmt", "yuvj422p", "-q:v", "2"}, 4.0},
        {"MJPEG 4:2:0", {"-c:v", "mjpeg", "-pix_fmt", "yuvj420p", "-q:v", "2"}, 4.0},
        {"H.264 4:2:0", {"-c:v", "libx264", "-pix_fmt", "yuv420p", "-crf", "12"}, 4.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString file = dir.filePath(QString::fromLatin1(c.what).replace(' ', '_') + ".avi");
        ASSERT_TRUE(ffmpeg(QStringList{"-i", *path, "-vf", scale, "-frames:v", "3", "-an"} +
                           c.encoding + QStringList{file}));
        expectFirstPicture(file, want, c.meanTolerance);
    }
}
