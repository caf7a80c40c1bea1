#pragma once

#include <QPoint>
#include <QSize>

namespace tildora {

// Where a window of the given outer size stands centred on a screen: each
// difference halved with the remainder dropped toward zero, so a screen
// smaller than the window gives a negative place and nothing is clamped.
inline int centredOffset(int screenLength, int windowLength) { return (screenLength - windowLength) / 2; }

inline QPoint centredWindowPosition(QSize screen, QSize window)
{
    return {centredOffset(screen.width(), window.width()), centredOffset(screen.height(), window.height())};
}

} // namespace tildora
