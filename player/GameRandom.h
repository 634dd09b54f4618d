// The pseudo-random generator behind the RAND operand of parameter events:
// state := state * 214013 + 2531011 (mod 2^32); each draw is bits 16 to 30 of
// the new state, 0 to 32767. Games rely on this exact sequence.
#pragma once

#include <cstdint>

class GameRandom {
public:
    static constexpr int32_t kMax = 32767;

    explicit GameRandom(uint32_t seed = 1) : state_(seed) {}

    void Seed(uint32_t seed) { state_ = seed; }
    int32_t Next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int32_t>((state_ >> 16) & 0x7FFF);
    }

private:
    uint32_t state_;
};
