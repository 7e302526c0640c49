#include "FormColours.h"

namespace form {

Rgb textColour(const Control &control, const ColourScheme &scheme)
{
    if (!scheme.highContrast)
        return control.textColour.value_or(scheme.system.windowText);
    return control.kind == ControlKind::Link ? scheme.system.hotLight : scheme.system.buttonText;
}

Rgb figureColour(const Figure &figure, const ColourScheme &scheme)
{
    if (!scheme.highContrast)
        return figure.colour.value_or(scheme.system.windowText);
    switch (figure.ink) {
    case Ink::Grey: return scheme.system.grayText;
    case Ink::Light: return scheme.system.buttonHighlight;
    case Ink::Text: break;
    }
    return scheme.system.buttonText;
}

} // namespace form
