#include "ImageTag.h"

#include <cstdint>

namespace {

std::string decimalText(float pixels)
{
    return std::to_string(static_cast<std::int64_t>(pixels));
}

std::string quoted(std::string_view attribute, std::string_view value)
{
    std::string piece;
    piece.reserve(attribute.size() + value.size() + 4);
    piece.append(" ").append(attribute).append("=\"").append(value).append("\"");
    return piece;
}

} // namespace

std::string EscapeHtmlAttribute(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '"': escaped += "&quot;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        default: escaped += c; break;
        }
    }
    return escaped;
}

std::string ComposeImageTag(std::string_view bareName, float width, float height)
{
    return "<img" + quoted("src", EscapeHtmlAttribute(bareName)) + quoted("width", decimalText(width))
         + quoted("height", decimalText(height)) + quoted("border", "0") + ">";
}
