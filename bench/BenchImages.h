#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

// The kinds of file a web author may drop, each as a complete file that every image tool in the
// comparison accepts (or, for text, rejects as it would a real one).
namespace benchimages {

using Bytes = std::vector<std::uint8_t>;

enum class Kind { Gif, Jfif, ExifJpeg, ProgressiveJpeg, JpegBehindMetadata, Bmp, Png, Text };

inline constexpr std::array kAllKinds{Kind::Gif, Kind::Jfif, Kind::ExifJpeg, Kind::ProgressiveJpeg,
                               Kind::JpegBehindMetadata, Kind::Bmp, Kind::Png, Kind::Text};

// Kinds the main window accepts: a drop of these is never refused.
inline constexpr std::array kAcceptedKinds{Kind::Gif, Kind::Jfif, Kind::ExifJpeg, Kind::ProgressiveJpeg,
                                    Kind::JpegBehindMetadata};

// A short name for file names and reports, and the extension a user's file of that kind has.
std::string_view kindName(Kind kind);
std::string_view extension(Kind kind);

// The size of an uncompressed 24-bit bitmap of these dimensions: headers and rows of whole words.
std::uint32_t bmpFileSize(std::uint16_t width, std::uint16_t height);

// The smallest complete file of the kind with the given dimensions: headers and a token of
// pixel data (a bitmap's header states the size its pixels need: bmpFileSize). Callers pad it to
// the size they want; no header reader looks past the headers.
Bytes file(Kind kind, std::uint16_t width, std::uint16_t height);

} // namespace benchimages
