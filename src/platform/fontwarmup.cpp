#include "platform/fontwarmup.h"

#include <QFontDatabase>
#include <QStringList>

namespace tildora {

// The font database serialises its users, so the main thread simply waits
// for this read when it needs a font before it is done.
FontWarmUp::FontWarmUp() : m_thread([] { QFontDatabase::families(); }) {}

FontWarmUp::~FontWarmUp() { m_thread.join(); }

} // namespace tildora
