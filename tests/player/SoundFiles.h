// Sound files built by the tests from their formats: PCM wave files and
// Standard MIDI files, plus a wait on the real clock for the sound output,
// which plays in real time on its own threads.
#pragma once

#include <chrono>
#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace soundtest {

inline void PutLE(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>(value >> (8 * i) & 0xFF);
    }
}

// A RIFF WAVE file of 16-bit samples (channels interleaved).
inline std::string Wave16(int rate, int channels, const std::vector<int16_t>& samples) {
    const auto dataSize = static_cast<uint32_t>(samples.size() * 2);
    std::string out = "RIFF";
    PutLE(out, 36 + dataSize, 4);
    out += "WAVEfmt ";
    PutLE(out, 16, 4);
    PutLE(out, 1, 2); // PCM
    PutLE(out, static_cast<uint32_t>(channels), 2);
    PutLE(out, static_cast<uint32_t>(rate), 4);
    PutLE(out, static_cast<uint32_t>(rate * channels * 2), 4);
    PutLE(out, static_cast<uint32_t>(channels * 2), 2);
    PutLE(out, 16, 2);
    out += "data";
    PutLE(out, dataSize, 4);
    for (const int16_t sample : samples) {
        PutLE(out, static_cast<uint16_t>(sample), 2);
    }
    return out;
}

// A mono 8-bit wave of `seconds` of a quiet square wave at 8000 Hz: a long
// piece in a small file.
inline std::string LongWave8(int seconds) {
    const uint32_t frames = 8000u * static_cast<uint32_t>(seconds);
    std::string out = "RIFF";
    PutLE(out, 36 + frames, 4);
    out += "WAVEfmt ";
    PutLE(out, 16, 4);
    PutLE(out, 1, 2);
    PutLE(out, 1, 2);
    PutLE(out, 8000, 4);
    PutLE(out, 8000, 4);
    PutLE(out, 1, 2);
    PutLE(out, 8, 2);
    out += "data";
    PutLE(out, frames, 4);
    for (uint32_t i = 0; i < frames; ++i) {
        out += static_cast<char>(i / 20 % 2 ? 0x88 : 0x78);
    }
    return out;
}

// A format-0 Standard MIDI file: piano notes of a quarter note each (480
// ticks at 120 beats a minute: half a second), one after another.
inline std::string Midi(const std::vector<int>& notes) {
    std::string track;
    track += std::string("\x00\xC0\x00", 3); // program change: piano
    for (const int note : notes) {
        track += std::string("\x00\x90", 2) + static_cast<char>(note) + '\x60';
        // delta 480 = 0x83 0x60 as a variable-length quantity
        track += std::string("\x83\x60\x80", 3) + static_cast<char>(note) + '\x00';
    }
    track += std::string("\x00\xFF\x2F\x00", 4);
    std::string out = "MThd";
    out += std::string("\x00\x00\x00\x06\x00\x00\x00\x01\x01\xE0", 10);
    out += "MTrk";
    for (int i = 3; i >= 0; --i) {
        out += static_cast<char>(track.size() >> (8 * i) & 0xFF);
    }
    return out + track;
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Polls `condition` on the real clock until it holds or `limit` has passed.
inline bool WaitFor(const std::function<bool()>& condition,
                    std::chrono::milliseconds limit = std::chrono::seconds(20)) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

// Sets an environment variable for one test and restores it afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
            hadOld_ = true;
        }
        setenv(name, value, 1);
    }
    ~ScopedEnv() {
        if (hadOld_) {
            setenv(name_.c_str(), old_.c_str(), 1);
        } else {
            unsetenv(name_.c_str());
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name_;
    std::string old_;
    bool hadOld_ = false;
};

} // namespace soundtest
