// Writes the files the benchmarks read into the folder given as the only argument:
//   mixed/   300 files of every kind, padded to sizes between their own and 256 KiB
//   drop/    1,000 files of the kinds the main window accepts, for one drop
//   growth/  one file of every kind at 1 KiB, 1 MiB and 1 GiB (sparse past the header)
// The sizes and dimensions come from a fixed seed, so every run reads the same files.
#include "BenchImages.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

namespace fs = std::filesystem;
using benchimages::Bytes;
using benchimages::Kind;

constexpr int kMixedFilesPerKind = 300;
constexpr int kDropFiles = 1000;
constexpr std::uintmax_t kKiB = 1024;
constexpr std::uintmax_t kLargestMixedFile = 256 * kKiB;

class FileWriter {
public:
    explicit FileWriter(fs::path folder) : folder_(std::move(folder)) { fs::create_directories(folder_); }

    // Pads the file to the size with bytes like its own body (text for text, noise for
    // compressed image data) and writes it; true when all of it was written.
    bool write(const std::string &name, Bytes bytes, Kind kind, std::uintmax_t size)
    {
        pad(bytes, kind, size);
        return store(name, bytes);
    }

    // Writes the header and extends the file to the size without storing the rest: a hole that
    // reads as zeros, so a gigabyte costs nothing on disk.
    bool writeSparse(const std::string &name, const Bytes &bytes, std::uintmax_t size)
    {
        if (!store(name, bytes))
            return false;
        std::error_code error;
        fs::resize_file(folder_ / name, size, error);
        return !error;
    }

    std::mt19937 &random() { return random_; }

private:
    bool store(const std::string &name, const Bytes &bytes) const
    {
        std::ofstream out(folder_ / name, std::ios::binary);
        out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return static_cast<bool>(out);
    }

    void pad(Bytes &bytes, Kind kind, std::uintmax_t size)
    {
        static constexpr char kLine[] = "<p>Another paragraph of the gallery page.</p>\n";
        std::uniform_int_distribution<int> noise(0, 255);
        for (std::size_t i = 0; bytes.size() < size; ++i) {
            const int value = kind == Kind::Text ? kLine[i % (sizeof kLine - 1)] : noise(random_);
            bytes.push_back(static_cast<std::uint8_t>(value));
        }
    }

    fs::path folder_;
    std::mt19937 random_{20240601};
};

std::string numbered(int index, Kind kind)
{
    char number[16];
    std::snprintf(number, sizeof number, "%05d-", index);
    return number + std::string(benchimages::kindName(kind)) + std::string(benchimages::extension(kind));
}

std::uint16_t randomDimension(FileWriter &writer, int largest)
{
    return static_cast<std::uint16_t>(std::uniform_int_distribution<int>(16, largest)(writer.random()));
}

// A size spread evenly on a log scale, as on a web site: many small files and a few big ones.
std::uintmax_t randomSize(FileWriter &writer, std::uintmax_t smallest)
{
    std::uniform_real_distribution<double> logSize(std::log(static_cast<double>(smallest)),
                                                   std::log(static_cast<double>(kLargestMixedFile)));
    return static_cast<std::uintmax_t>(std::exp(logSize(writer.random())));
}

// A bitmap stores every pixel, so its height follows from the size drawn for it.
bool writeRandomBitmap(FileWriter &writer, const std::string &name)
{
    const std::uint16_t width = randomDimension(writer, 512);
    const std::uint32_t headers = benchimages::bmpFileSize(width, 0);
    const std::uint32_t row = benchimages::bmpFileSize(width, 1) - headers;
    const auto rows = std::clamp<std::uintmax_t>((randomSize(writer, headers + row) - headers) / row, 1, 65535);
    const auto height = static_cast<std::uint16_t>(rows);
    return writer.write(name, benchimages::file(Kind::Bmp, width, height), Kind::Bmp,
                        benchimages::bmpFileSize(width, height));
}

bool writeRandomFile(FileWriter &writer, const std::string &name, Kind kind)
{
    if (kind == Kind::Bmp)
        return writeRandomBitmap(writer, name);
    const Bytes bytes = benchimages::file(kind, randomDimension(writer, 4000), randomDimension(writer, 4000));
    return writer.write(name, bytes, kind, randomSize(writer, bytes.size()));
}

bool writeMixedSet(const fs::path &folder)
{
    FileWriter writer(folder);
    int index = 0;
    for (int round = 0; round < kMixedFilesPerKind; ++round) {
        for (const Kind kind : benchimages::kAllKinds) {
            if (!writeRandomFile(writer, numbered(index++, kind), kind))
                return false;
        }
    }
    return true;
}

bool writeDropSet(const fs::path &folder)
{
    FileWriter writer(folder);
    for (int index = 0; index < kDropFiles; ++index) {
        const Kind kind = benchimages::kAcceptedKinds[static_cast<std::size_t>(index) % benchimages::kAcceptedKinds.size()];
        if (!writeRandomFile(writer, numbered(index, kind), kind))
            return false;
    }
    return true;
}

// The smallest file of a kind is 1 KiB, or the file itself where its headers alone are bigger.
bool writeGrowthSet(const fs::path &folder)
{
    FileWriter writer(folder);
    for (const Kind kind : benchimages::kAllKinds) {
        const Bytes bytes = benchimages::file(kind, 640, 480);
        const std::string name(benchimages::kindName(kind));
        if (!writer.write(name + "-1KiB", bytes, kind, kKiB) || !writer.write(name + "-1MiB", bytes, kind, kKiB * kKiB)
            || !writer.writeSparse(name + "-1GiB", bytes, kKiB * kKiB * kKiB))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const fs::path folder(argv[1]);
    if (!writeMixedSet(folder / "mixed") || !writeDropSet(folder / "drop") || !writeGrowthSet(folder / "growth")) {
        std::fprintf(stderr, "could not write the benchmark files under %s\n", argv[1]);
        return 1;
    }
    return 0;
}
