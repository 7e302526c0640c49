#pragma once

#include "FormDescription.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The About window, frmAbout, as data that every front-end builds its window from.
namespace frmAboutForm {

// Short enough for their labels in the dialog font: the window's layout is fixed.
inline constexpr const char *kHomePageAddress = "pictavo.example";
inline constexpr const char *kEmailAddress = "mail@pictavo.example";
inline constexpr const char *kCopyrightLine = "\u00A9 2026 Pictavo authors";

inline constexpr form::Rgb kBlack{0, 0, 0};
inline constexpr form::Rgb kWhite{255, 255, 255};
inline constexpr form::Rgb kLinkBlue{0, 0, 255};
inline constexpr form::Font kCaptionFont{.face = form::Face::MsSansSerif, .points = 9.75, .bold = true};
inline constexpr form::Font kLinkFont{.face = form::Face::MsSansSerif, .points = 8.25, .underline = true};

inline constexpr std::array kControls{
    form::Control{.name = "picIcon", .kind = form::ControlKind::PictureBox, .rect = {8, 16, 41, 39},
                  .text = "Pictavo icon", .tabIndex = 1},
    form::Control{.name = "lblTitle", .kind = form::ControlKind::Label, .rect = {72, 16, 259, 24},
                  .text = "Application Title", .tabIndex = 5, .textColour = kBlack},
    form::Control{.name = "lblVersion", .kind = form::ControlKind::Label, .rect = {70, 40, 259, 15}, .text = "Version",
                  .tabIndex = 6},
    form::Control{.name = "lblDescription", .kind = form::ControlKind::Label, .rect = {70, 64, 259, 46},
                  .text = "Description: A little bit of OLE and a Class File and away we go. With its compact size, "
                          "it is first on my list to go on my coming text editor.",
                  .tabIndex = 3, .textColour = kBlack},
    form::Control{.name = "lblHPage", .kind = form::ControlKind::Label, .rect = {72, 120, 89, 17}, .text = "HOMEPAGE:",
                  .tabIndex = 10, .alignment = form::Alignment::Right, .font = kCaptionFont,
                  .textColour = form::Rgb{0, 64, 0}},
    form::Control{.name = "lblLinks", .kind = form::ControlKind::Link, .rect = {176, 120, 103, 13},
                  .text = kHomePageAddress, .tabIndex = 8, .font = kLinkFont, .textColour = kLinkBlue, .index = 0},
    form::Control{.name = "lblEMail", .kind = form::ControlKind::Label, .rect = {64, 152, 113, 25},
                  .text = "Email Address:", .tabIndex = 11, .alignment = form::Alignment::Right, .font = kCaptionFont,
                  .textColour = form::Rgb{0, 64, 64}},
    form::Control{.name = "lblLinks", .kind = form::ControlKind::Link, .rect = {184, 152, 129, 21},
                  .text = kEmailAddress, .tabIndex = 9, .font = kLinkFont, .textColour = kLinkBlue, .index = 1},
    form::Control{.name = "Label1", .kind = form::ControlKind::Label, .rect = {192, 184, 129, 17},
                  .text = kCopyrightLine, .tabIndex = 7, .alignment = form::Alignment::Right},
    form::Control{.name = "lblDisclaimer", .kind = form::ControlKind::Label, .rect = {17, 215, 258, 55},
                  .text = "Disclaimer: This software is distributed as freeware, without any warranties or "
                          "liabilities. You may redistribute as you wish, so long as the original file remains "
                          "intact... hope it comes in handy.",
                  .tabIndex = 4, .textColour = kBlack},
    form::Control{.name = "cmdOK", .kind = form::ControlKind::Button, .rect = {283, 215, 84, 23}, .text = "OK",
                  .tabIndex = 0, .defaultAndCancel = true},
    form::Control{.name = "cmdSysInfo", .kind = form::ControlKind::Button, .rect = {284, 245, 83, 23},
                  .text = "&System Info...", .tabIndex = 2},
};

// Line1, the engraved separator between the copyright line and the disclaimer: a grey line and
// one pixel lower a white one two pixels wide, both ending at 5654 twips.
inline constexpr double kSeparatorEnd = 5654.0 / 15.0;
inline constexpr std::array kLines{
    form::Figure{form::Figure::Shape::Line, {6, 203}, {kSeparatorEnd, 203}, form::Rgb{128, 128, 128}, 1,
                 form::Ink::Grey},
    form::Figure{form::Figure::Shape::Line, {7, 204}, {kSeparatorEnd, 204}, kWhite, 2, form::Ink::Light},
};

inline constexpr form::Window kWindow{.name = "frmAbout",
                                      .caption = "About Pictavo",
                                      .clientSize = {382, 278},
                                      .initialPosition = {156, 129},
                                      .menus = {},
                                      .controls = kControls,
                                      .lines = kLines};

// What the program says of itself, read each time the window loads.
struct ApplicationIdentity {
    std::string title;
    std::uint16_t major = 0;
    std::uint16_t minor = 0;
    std::uint16_t revision = 0;
};

// The texts and figure that Form_Load sets: the caption "About " and the title, the version as
// "Version major.minor.revision" in plain digits, and a white rule along the top edge of the
// client area, scaleWidth wide.
struct LoadedTexts {
    std::string caption;
    std::string title;
    std::string version;
};
LoadedTexts loadTimeTexts(const ApplicationIdentity &application);
std::vector<form::Figure> loadTimeDrawing(float scaleWidth);

} // namespace frmAboutForm
