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
};

} // namespace qv
