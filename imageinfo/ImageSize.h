#pragma once

#include <cstdint>

// Width and height in pixels as a header stores them; 0 stands for a dimension that could not
// be read. Signed because a BMP stores a top-down image with a negative height.
struct ImageSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};
