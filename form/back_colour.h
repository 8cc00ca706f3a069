#pragma once

#include <cstdint>

// Back colours as the layout writes them: 0xRRGGBB for a fixed colour, or
// 0x80000000 plus an index for one of the desktop's system colours, which
// follow the user's colour scheme instead of being fixed.
namespace stereona::form {

using BackColour = std::uint32_t;

inline constexpr BackColour kSystemColourFlag = 0x80000000;
inline constexpr BackColour kWindowBackground = 0x80000005;  // an input of a known quantity
inline constexpr BackColour kInactiveBorder = 0x8000000B;    // the input of the unknown

constexpr bool IsSystemColour(BackColour colour) { return (colour & kSystemColourFlag) != 0; }

// No toolkit has an inactive-border role any more; this is the light grey
// that the classic desktop scheme gives it, so the unknown's input reads as
// "not for typing" against the window background of the others.
inline constexpr BackColour kInactiveBorderRgb = 0xD4D0C8;

// The fixed colours of the window, each named once.
inline constexpr BackColour kFormBack = 0xC0C0FF;    // the window and its frames
inline constexpr BackColour kOptionBack = 0x8080FF;  // option buttons, the pi label
inline constexpr BackColour kBoxBack = 0xE0E0E0;     // the output boxes and the range list
inline constexpr BackColour kTitleBack = 0xFFC080;   // the title and the range caption
inline constexpr BackColour kCalculateBack = 0x80FF80;
inline constexpr BackColour kClearBack = 0xFF0000;

}  // namespace stereona::form
