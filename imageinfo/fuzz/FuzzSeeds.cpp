// Writes the fuzzer's starting corpus into the folder named by the only argument: one small
// well-formed file of each kind and shape the header readers know, so that fuzzing starts
// from deep inside every reader instead of having to guess signatures.
#include "TestImages.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

using namespace testimages;

namespace {

std::vector<std::pair<std::string, Bytes>> seeds()
{
    return {
        {"bmp", bmp(100, 50)},
        {"bmp-core", bmpCore(320, 200)},
        {"gif", gif(300, 2)},
        {"jfif", jfif(640, 480)},
        {"progressive", jpegFile({jfifApp0(), jpegFrame(0xC2, 800, 600)})},
        {"exif-intel", jpegFile({exifApp1(ExifByteOrder::Intel, {kImageWidthEntry, orientation(6)}), jpegFrame(0xC0, 40, 30)})},
        {"exif-motorola-thumbnail",
         jpegFile({exifApp1(ExifByteOrder::Motorola, {orientation(8)}, jfif(16, 12)), jpegFrame(0xC0, 40, 30)})},
        {"fill-and-stray", jpegFile({jfifApp0(), Bytes{0x00, 0xFF, 0xFF, 0xFF, 0xD0}, jpegFrame(0xC1, 7, 9)})},
    };
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " <corpus folder>\n";
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::filesystem::create_directories(folder);
    for (const auto &[name, bytes] : seeds()) {
        std::ofstream out(folder / name, std::ios::binary);
        out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::cerr << "cannot write " << (folder / name).string() << "\n";
            return 1;
        }
    }
    return 0;
}
