#pragma once

#include <QColor>

#include "form/back_colour.h"

class QWidget;

namespace stereona::window {

using form::BackColour;

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
