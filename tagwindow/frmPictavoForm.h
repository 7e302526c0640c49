#pragma once

#include "FormDescription.h"

#include <array>
#include <vector>

// The main window, frmPictavo, as data that every front-end builds its window from.
namespace frmPictavoForm {

inline constexpr form::Rgb kDarkBlue{0, 0, 153};
inline constexpr form::Rgb kGrey{153, 153, 153};

inline constexpr std::array kAboutItems{form::MenuItem{"mnuAboutThis", "This Utility"}};
inline constexpr std::array kMenus{form::Menu{"mnuAbout", "About", kAboutItems}};

inline constexpr std::array kControls{
    form::Control{.name = "lblFileName", .kind = form::ControlKind::Label, .rect = {8, 16, 345, 17},
                  .text = "I always wanted one of these, now I have one... and so do you.", .tabIndex = 5,
                  .variableText = true},
    form::Control{.name = "Label1", .kind = form::ControlKind::Label, .rect = {144, 48, 217, 33},
                  .text = "Drag and drop a GIF or a Jpeg below to get image information and an HTML tag.",
                  .tabIndex = 0, .alignment = form::Alignment::Centre},
    form::Control{.name = "lblFileSize", .kind = form::ControlKind::Label, .rect = {8, 48, 129, 17}, .text = "",
                  .tabIndex = 4, .variableText = true},
    form::Control{.name = "lblFileType", .kind = form::ControlKind::Label, .rect = {8, 80, 121, 17},
                  .text = "           Enjoy!", .tabIndex = 3, .variableText = true},
    form::Control{.name = "cmdQuit", .kind = form::ControlKind::Button, .rect = {16, 128, 81, 25}, .text = "Quit",
                  .tabIndex = 2, .defaultAndCancel = true},
    form::Control{.name = "Label2", .kind = form::ControlKind::Label, .rect = {16, 176, 97, 17},
                  .text = "Item on Clipboard:", .tabIndex = 6},
    form::Control{.name = "txtTag", .kind = form::ControlKind::TextBox, .rect = {8, 198, 353, 19},
                  .text = "The text in this area will be automatically sent to your clipboard.", .tabIndex = 1},
};

// Line2, in the system's text colour.
inline constexpr std::array kLines{form::Figure{form::Figure::Shape::Line, {144, 40}, {360, 40}}};

inline constexpr form::Window kWindow{.name = "frmPictavo",
                                      .caption = "Pictavo",
                                      .clientSize = {378, 229},
                                      .initialPosition = {107, 121},
                                      .menus = kMenus,
                                      .controls = kControls,
                                      .lines = kLines};

// What Form_Load draws: a dark-blue double rule along the top edge, three pixels short of each
// side of the client area (scaleWidth wide), and below Label1 the framed drop area with a grey
// plus in its middle.
std::vector<form::Figure> loadTimeDrawing(float scaleWidth);

} // namespace frmPictavoForm
