#pragma once

#include <cstdint>
#include <optional>
#include <span>

// A window described as data: its frame, menu, controls and line figures, in the units it was
// designed in, client-area pixels at 96 dpi with the origin at the client area's top-left corner.
// Each toolkit's front-end builds its real window from the same description, so the front-ends
// cannot drift apart and a caption or a position is one edit.
namespace form {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend constexpr bool operator==(Rgb, Rgb) = default;
};

struct Point {
    double x = 0;
    double y = 0;
};

struct Size {
    int width = 0;
    int height = 0;
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Labels show plain text (never markup, never an access key) and wrap it at word boundaries;
// links are labels that open their caption when clicked and show the link pointer.
enum class ControlKind { Label, Link, TextBox, Button, PictureBox };
enum class Alignment { Left, Centre, Right };

// The typeface a control's text is shown in: the system's dialog typeface, or MS Sans Serif,
// which the toolkits stand in for where they lack it.
enum class Face { Dialog, MsSansSerif };

// A typeface at a size in points at 96 dpi.
struct Font {
    Face face = Face::Dialog;
    double points = 8.25;
    bool bold = false;
    bool underline = false;

    friend constexpr bool operator==(Font, Font) = default;
};

struct Control {
    const char *name;
    ControlKind kind;
    Rect rect;
    // UTF-8. A button's "&" marks its access key; in every other kind it is an ordinary character.
    // A picture box shows no text: its text names it for a screen reader.
    const char *text;
    int tabIndex;
    Alignment alignment = Alignment::Left;
    Font font{};
    // Empty: the system's text colour.
    std::optional<Rgb> textColour{};
    // Enter and Escape press this button.
    bool defaultAndCancel = false;
    // The position in a control array, whose members share one name; empty for a single control.
    std::optional<std::int16_t> index{};
    // Its text is set from what the user does (a dropped file's path, size and type), so it is
    // shown as it comes; every other text is made to fit its control.
    bool variableText = false;
};

// How a variable text too long for its one-line label is shortened: a file's path loses folders
// from its middle and keeps the file's own name; any other text loses its end.
enum class Elision { End, Path };

// Labels never take the keyboard focus; the text box, buttons, picture boxes and links do, links so
// that they can be opened from the keyboard (their tab indices come after the others').
constexpr bool takesFocus(ControlKind kind)
{
    return kind != ControlKind::Label;
}

// What a figure is drawn in where a high-contrast theme replaces the described colours: the
// theme's text colour, its colour for grey (disabled) text, or its light 3-D edge.
enum class Ink { Text, Grey, Light };

// A solid line or rectangle outline. Both end points are inked; a line wider than one pixel grows
// downwards (or to the right, when it runs down), as the classic line control draws it.
struct Figure {
    enum class Shape { Line, Rectangle };

    Shape shape;
    Point from;
    Point to;
    // Empty: the system's text colour.
    std::optional<Rgb> colour{};
    int width = 1;
    Ink ink = Ink::Text;
};

struct MenuItem {
    const char *name;
    const char *caption;
};

struct Menu {
    const char *name;
    const char *caption;
    std::span<const MenuItem> items;
};

struct Window {
    const char *name;
    const char *caption;
    Size clientSize;
    // Where the client area's top-left corner first appears on the screen.
    Point initialPosition;
    std::span<const Menu> menus;
    std::span<const Control> controls;
    // The line controls: figures that are part of the window's look from the start.
    std::span<const Figure> lines;
};

} // namespace form
