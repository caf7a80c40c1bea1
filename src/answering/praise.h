#pragma once

#include <cstdint>

namespace tildora {

// The praise sound to play after a right answer: 1 to 10, drawn from a
// generator that is never seeded, so every run hears the same sequence.
// The generator is the classic 24-bit one of BASIC's Rnd.
class PraiseDraw
{
public:
    float nextUniform();  // 0 <= r < 1
    int nextSound();      // 1 + whole part of r * 10

private:
    std::uint32_t m_state = 0x50000;
};

} // namespace tildora
