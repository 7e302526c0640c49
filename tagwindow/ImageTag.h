#pragma once

#include <string>
#include <string_view>

// Escapes the characters that would end or break a double-quoted HTML attribute value:
// & " < > become entities; every other character, spaces included, stays as it is.
std::string EscapeHtmlAttribute(std::string_view text);

// <img src="NAME" width="W" height="H" border="0">, the name escaped, the dimensions written as
// plain decimal digits. Both dimensions are whole numbers of pixels from 0 to 65535.
std::string ComposeImageTag(std::string_view bareName, float width, float height);
