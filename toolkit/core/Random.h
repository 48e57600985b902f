// The program's uniform random generator.
#pragma once

#include <cstdint>

namespace toolkit::core {

// A xoshiro256** generator whose re-seeds mix a number into the current state
// instead of replacing it: re-seeding with the same number twice does not
// repeat a sequence, and re-seeding before every draw keeps the stream random.
class Random
{
public:
    Random();

    // Uniform in [0, 1), 53 random bits.
    double next()
    {
        return static_cast<double>(nextBits() >> 11) * 0x1.0p-53;
    }

    // Mixes x into the state.
    void mix(double x);
    // Mixes the clock into the state; in repeatable mode a counter stands in
    // for the clock, so a seeded run replays exactly.
    void mixClock();
    // Sets the whole state from s and switches to repeatable mode.
    void seed(std::uint64_t s);

    std::uint64_t nextBits()
    {
        const std::uint64_t result = rotl(m_s[1] * 5, 7) * 9;
        const std::uint64_t t = m_s[1] << 17;
        m_s[2] ^= m_s[0];
        m_s[3] ^= m_s[1];
        m_s[1] ^= m_s[2];
        m_s[0] ^= m_s[3];
        m_s[2] ^= t;
        m_s[3] = rotl(m_s[3], 45);
        return result;
    }

private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    void mixBits(std::uint64_t bits);

    std::uint64_t m_s[4] = {};
    std::uint64_t m_mixCount = 0;
    bool m_repeatable = false;
};

// The process-wide generator every window shares.
Random &generator();

} // namespace toolkit::core
