// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>

struct pa_mainloop;

namespace qv {

// One sound ready for the sound server: 16-bit little-endian samples, channels interleaved.
struct PlaybackClip {
    QString name;
    int sampleRate = 0;
    int channels = 0;
    QByteArray samples;
};

// Plays clips on the sound server from a thread of its own. The thread starts with the first
// clip of a burst, connects, plays every clip asked meanwhile side by side on the server's
// default sink, and disconnects and ends once all have finished: between bursts nothing of
// the sound server is left in the process. A server that is missing, refuses or stops
// answering costs the clips of that burst (each logged), never a wait on the caller's thread.
class PulsePlayback {
public:
    // server: the sound server's address; empty for the one the environment names.
    explicit PulsePlayback(QByteArray server = {});
    // Abandons what still plays and returns promptly, whatever the server does.
    ~PulsePlayback();
    PulsePlayback(const PulsePlayback&) = delete;
    PulsePlayback& operator=(const PulsePlayback&) = delete;

    void play(PlaybackClip clip);
    // True while a burst's thread is connecting or playing.
    bool isPlaying() const;

    // How long a server may take to accept the connection, and to finish a clip past its
    // own length, before it counts as hung.
    static constexpr int connectTimeoutMs = 3'000;
    static constexpr int finishSlackMs = 3'000;

private:
    void run(pa_mainloop* loop);
    // Takes the clips asked since the last call; nothing when the thread is to stop.
    std::optional<std::deque<PlaybackClip>> takeAsked();
    // Ends the burst unless clips came meanwhile; dropping gives those up as well.
    bool finishBurst(bool dropping);
    void reportUnavailable(const QString& reason);

    const QByteArray server_;
    mutable std::mutex mutex_;
    std::deque<PlaybackClip> asked_;
    // The running thread's loop, to wake it; set only while running_.
    pa_mainloop* loop_ = nullptr;
    bool running_ = false;
    bool stopping_ = false;
    std::thread thread_;
    // Only the burst's thread uses it, and one burst's thread ends before the next starts.
    bool unavailabilityReported_ = false;
};

} // namespace qv
