// Off, the described colours; on, the theme's colour for what each text and figure is.
#include "FormColours.h"

#include <gtest/gtest.h>

namespace {

TEST(FormColours, HighContrastGivesEachTextAndFigureTheThemesColourForIt)
{
    const form::SystemColours system{{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}, {5, 5, 5}};
    const form::Rgb blue{0, 0, 255};
    form::Control control{.name = "", .kind = form::ControlKind::Label, .rect = {}, .text = "", .tabIndex = 0};
    EXPECT_EQ(form::textColour(control, {false, system}), system.windowText);
    EXPECT_EQ(form::textColour(control, {true, system}), system.buttonText);
    control.kind = form::ControlKind::Link;
    control.textColour = blue;
    EXPECT_EQ(form::textColour(control, {false, system}), blue);
    EXPECT_EQ(form::textColour(control, {true, system}), system.hotLight);
    using enum form::Ink;
    for (const auto &[colour, ink, highContrast, expected] : {std::tuple{std::optional(blue), Light, false, blue},
             {std::nullopt, Grey, false, system.windowText}, {blue, Text, true, system.buttonText},
             {blue, Grey, true, system.grayText}, {blue, Light, true, system.buttonHighlight}}) {
        const form::Figure figure{form::Figure::Shape::Line, {}, {}, colour, 1, ink};
        EXPECT_EQ(form::figureColour(figure, {highContrast, system}), expected) << static_cast<int>(ink);
    }
}

} // namespace
