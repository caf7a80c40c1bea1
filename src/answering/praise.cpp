#include "answering/praise.h"

namespace tildora {

float PraiseDraw::nextUniform()
{
    m_state = (m_state * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
    return float(m_state) / 16777216.0f;
}

int PraiseDraw::nextSound()
{
    // In double, so that r just below 1 can never round up to 10.
    return 1 + int(double(nextUniform()) * 10.0);
}

} // namespace tildora
