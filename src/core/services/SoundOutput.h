// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace qv {

// Plays the application's short sounds. Without a usable audio output it plays nothing and
// never waits for one.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;

    // volume 0 … 1; a name the output does not have is skipped.
    virtual void play(const QString& name, double volume) = 0;
    // Gives back what playing needed (decoded sounds, the audio connection's buffers); the
    // next sound prepares them again.
    virtual void release() {}
};

} // namespace qv
