#include "toolkit/core/Random.h"

#include <chrono>
#include <cstring>

namespace toolkit::core {

namespace {

std::uint64_t splitmix(std::uint64_t &x)
{
    std::uint64_t z = (x += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

std::uint64_t clockBits()
{
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())
        ^ static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

} // namespace

Random::Random()
{
    std::uint64_t x = clockBits();
    for (auto &s : m_s)
        s = splitmix(x);
}

void Random::seed(std::uint64_t s)
{
    for (auto &word : m_s)
        word = splitmix(s);
    m_mixCount = 0;
    m_repeatable = true;
}

void Random::mixBits(std::uint64_t bits)
{
    // The count makes two mixes of the same number differ.
    std::uint64_t x = bits ^ (++m_mixCount * 0xd1b54a32d192ed03ULL);
    m_s[0] ^= splitmix(x);
    m_s[2] ^= splitmix(x);
    if ((m_s[0] | m_s[1] | m_s[2] | m_s[3]) == 0)
        m_s[0] = 1;
}

void Random::mix(double value)
{
    std::uint64_t bits = 0;
    static_assert(sizeof bits == sizeof value);
    std::memcpy(&bits, &value, sizeof bits);
    mixBits(bits);
}

void Random::mixClock()
{
    mixBits(m_repeatable ? 0x5eedULL : clockBits());
}

Random &generator()
{
    static Random instance;
    return instance;
}

} // namespace toolkit::core
