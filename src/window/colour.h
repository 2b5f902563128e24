// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace ravelin {

// Colours are 24-bit values written 0x00BBGGRR (blue in the high byte).
// 0 stands for a control's standard colour.
using Colour = std::uint32_t;

constexpr Colour rgb(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }
constexpr unsigned redOf(Colour c) { return c & 0xFFu; }
constexpr unsigned greenOf(Colour c) { return (c >> 8) & 0xFFu; }
constexpr unsigned blueOf(Colour c) { return (c >> 16) & 0xFFu; }

namespace colour {
inline constexpr Colour standard = 0;
// The desktop's window background, as the grids' own cells show it.
inline constexpr Colour windowBackground = 0x80000005u;
inline constexpr Colour startRed = rgb(255, 0, 0);
inline constexpr Colour startGreen = rgb(0, 192, 0);
inline constexpr Colour candidateBlue = rgb(0, 0, 192);
inline constexpr Colour lightGreen = rgb(192, 255, 192);  // marks and display boxes
inline constexpr Colour brightGreen = rgb(128, 255, 128); // the number box
inline constexpr Colour lightGrey = rgb(224, 224, 224);   // window, disabled halt box
inline constexpr Colour white = rgb(255, 255, 255);
inline constexpr Colour blueText = rgb(0, 0, 192); // headings, options, the right column's frame
inline constexpr Colour blackText = rgb(0, 0, 0); // the value of standard, for a text that is black
inline constexpr Colour darkGreyText = rgb(64, 64, 64);
inline constexpr Colour midGreyText = rgb(128, 128, 128);
inline constexpr Colour lightOrange = rgb(255, 224, 192); // info viewer
// The program's icon: a wheel's rim and its pockets.
inline constexpr Colour wheelRim = rgb(120, 72, 24);
inline constexpr Colour zeroPocket = rgb(0, 160, 0);
inline constexpr Colour redPocket = rgb(200, 0, 0);
inline constexpr Colour blackPocket = rgb(20, 20, 20);
} // namespace colour

} // namespace ravelin
