#pragma once

#include <QColor>
#include <QRect>

#include <cmath>
#include <cstdint>

namespace tildora {

// Design lengths are in twips; the usual screen has 15 twips per pixel.
inline constexpr int TwipsPerPixel = 15;

inline int twipsToPixels(double twips) { return int(std::lround(twips / TwipsPerPixel)); }
inline constexpr int pixelsToTwips(int pixels) { return pixels * TwipsPerPixel; }
inline QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

// Colours are kept as the design gives them: blue-green-red words.
inline QColor colorFromBgr(std::uint32_t bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

namespace bgr {
inline constexpr std::uint32_t Blue = 0xFF0000;
inline constexpr std::uint32_t Green = 0x00FF00;
inline constexpr std::uint32_t Red = 0x0000FF;
inline constexpr std::uint32_t White = 0xFFFFFF;
inline constexpr std::uint32_t Yellow = 0x00FFFF;
inline constexpr std::uint32_t Pink = 0xFFC0FF;
inline constexpr std::uint32_t PaleYellow = 0xC0FFFF;
} // namespace bgr

} // namespace tildora
