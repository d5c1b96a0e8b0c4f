// A small, fast, reproducible random source for generated benchmark input.
#pragma once

#include <cstdint>

namespace FermalinBench {

// xorshift64: the same seed gives the same lines on every machine.
class TZufall
{
public:
    explicit TZufall(std::uint64_t s) : m_s(s ? s : 1) {}
    std::uint64_t naechste()
    {
        m_s ^= m_s << 13;
        m_s ^= m_s >> 7;
        m_s ^= m_s << 17;
        return m_s;
    }
    int bis(int n) { return static_cast<int>(naechste() % static_cast<std::uint64_t>(n)); }
    bool je(int n) { return bis(n) == 0; }
    double bruch() { return static_cast<double>(naechste() >> 11) * 0x1p-53; }

private:
    std::uint64_t m_s;
};

} // namespace FermalinBench
