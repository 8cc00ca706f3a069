#pragma once

#include <QColor>
#include <cstdint>

class QWidget;

// Back colours as the layout writes them: 0xRRGGBB for a fixed colour, or
// 0x80000000 plus an index for one of the desktop's system colours, which
// follow the user's colour scheme instead of being fixed.
namespace stereona::window {

using BackColour = std::uint32_t;

inline constexpr BackColour kWindowBackground = 0x80000005;
inline constexpr BackColour kInactiveBorder = 0x8000000B;

// The name of the dynamic property that keeps the value a control was given,
// so that the colour can be read back as a value rather than as pixels.
inline constexpr char kBackColourProperty[] = "BackColor";

QColor ToQColor(BackColour colour);

// Paints the role the widget fills its background with (the text area of an
// input, the face of a button, the body of anything else) in every colour
// group, so that a disabled input still shows its colour.
void SetBackColour(QWidget& widget, BackColour colour);
BackColour BackColourOf(const QWidget& widget);

}  // namespace stereona::window
