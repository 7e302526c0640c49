#pragma once

#include "FormDescription.h"

// The colours a window's texts and figures are drawn in: those of its description, unless a
// high-contrast theme is on. Then the theme's own colours replace them, so that every text and
// line keeps the contrast the user chose with the background, the theme's face colour: the
// described ones (black text, a dark-blue frame, pure-blue links) may vanish against it.
namespace form {

// The desktop's colours that the choice draws on.
struct SystemColours {
    Rgb windowText;      // what a text or figure without a colour of its own is drawn in
    Rgb buttonText;      // texts and lines on the face colour
    Rgb grayText;        // grey lines
    Rgb buttonHighlight; // white lines, the light edge of an engraving
    Rgb hotLight;        // links
};

struct ColourScheme {
    bool highContrast = false;
    SystemColours system;
};

Rgb textColour(const Control &control, const ColourScheme &scheme);
Rgb figureColour(const Figure &figure, const ColourScheme &scheme);

} // namespace form
