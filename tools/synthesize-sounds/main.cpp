// SPDX-License-Identifier: GPL-3.0-or-later
// Synthesises the three short sounds of a break as 16-bit mono WAV files:
//   qv_synthesize_sounds <output folder>
// Tink: a bright ping when counting begins. Pop: a short falling blip per repetition.
// Glass: a bell-like chime when the break is done.
#include <cmath>
#include <cstdint>
#include <fstream>
#include <functional>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int sampleRate = 44'100;
constexpr double peak = 0.8;

struct Partial {
    double frequency;
    double amplitude;
    double decaySeconds;
};

// Partials with exponential decay, a short attack against clicks and a faded tail.
std::vector<double> ring(double seconds, const std::vector<Partial>& partials,
                         const std::function<double(double)>& pitchBend = {}) {
    const auto count = static_cast<std::size_t>(seconds * sampleRate);
    std::vector<double> samples(count);
    std::vector<double> phases(partials.size(), 0.0);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double bend = pitchBend ? pitchBend(t) : 1.0;
        double value = 0.0;
        for (std::size_t p = 0; p < partials.size(); ++p) {
            phases[p] += 2.0 * std::numbers::pi * partials[p].frequency * bend / sampleRate;
            value += partials[p].amplitude * std::exp(-t / partials[p].decaySeconds) *
                     std::sin(phases[p]);
        }
        const double attack = std::min(1.0, t / 0.002);
        const double release = std::min(1.0, (seconds - t) / 0.01);
        samples[i] = value * attack * release;
    }
    return samples;
}

void putLittleEndian(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.put(static_cast<char>((value >> (8 * i)) & 0xffU));
    }
}

// Qt's sound effects on PulseAudio can drop a sound shorter than the output's buffer, so
// every file lasts at least this long; the tail is silence.
constexpr double shortestSeconds = 0.3;

bool writeWav(const std::string& path, std::vector<double> samples) {
    samples.resize(
        std::max(samples.size(), static_cast<std::size_t>(shortestSeconds * sampleRate)));
    double loudest = 1e-9;
    for (double s : samples) {
        loudest = std::max(loudest, std::abs(s));
    }
    std::ofstream out(path, std::ios::binary);
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    putLittleEndian(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    putLittleEndian(out, 16, 4);             // format chunk size
    putLittleEndian(out, 1, 2);              // PCM
    putLittleEndian(out, 1, 2);              // mono
    putLittleEndian(out, sampleRate, 4);     // frames per second
    putLittleEndian(out, sampleRate * 2, 4); // bytes per second
    putLittleEndian(out, 2, 2);              // bytes per frame
    putLittleEndian(out, 16, 2);             // bits per sample
    out.write("data", 4);
    putLittleEndian(out, dataBytes, 4);
    for (double s : samples) {
        const auto value = static_cast<std::int16_t>(std::lround(s / loudest * peak * 32767.0));
        putLittleEndian(out, static_cast<std::uint16_t>(value), 2);
    }
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: qv_synthesize_sounds <output folder>\n";
        return 2;
    }
    const std::string folder = argv[1];
    const bool written =
        writeWav(folder + "/Tink.wav", ring(0.18, {{2637.0, 1.0, 0.04}, {5274.0, 0.3, 0.02}})) &&
        writeWav(folder + "/Pop.wav", ring(0.07, {{880.0, 1.0, 0.02}, {1760.0, 0.2, 0.01}},
                                           [](double t) { return std::exp(-t / 0.05); })) &&
        writeWav(folder + "/Glass.wav", ring(0.9, {{1568.0, 1.0, 0.3},
                                                   {1568.0 * 2.76, 0.45, 0.15},
                                                   {1568.0 * 5.40, 0.25, 0.08},
                                                   {2093.0, 0.5, 0.25}}));
    if (!written) {
        std::cerr << "qv_synthesize_sounds: could not write into " << folder << "\n";
        return 1;
    }
    return 0;
}
