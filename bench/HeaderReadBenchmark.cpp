// The drop logic's per-file inspection (setFilename, FileType, Height, Width) over the generated
// file sets, next to a floor that only opens each file, reads 64 bytes and closes it. Takes the
// folder that bench_files wrote; every other argument is Google Benchmark's.
#include "BenchFolder.h"
#include "clsImageInfo.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// The calls the drop logic makes for each dropped file, in its order.
void inspect(clsImageInfo &info, const fs::path &path)
{
    info.setFilename(path);
    benchmark::DoNotOptimize(info.FileType());
    benchmark::DoNotOptimize(info.Height());
    benchmark::DoNotOptimize(info.Width());
}

class Descriptor {
public:
    explicit Descriptor(const fs::path &path) : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    int fd() const { return fd_; }

private:
    const int fd_;
};

// The least that any reader of a header must do: open the file, read its first bytes, close it.
void openReadClose(const fs::path &path)
{
    const Descriptor file(path);
    std::array<char, 64> buffer{};
    benchmark::DoNotOptimize(::pread(file.fd(), buffer.data(), buffer.size(), 0));
}

struct BytesRead {
    std::uint64_t median = 0;
    std::uint64_t maximum = 0;
};

// Counted by the image information object through the byte source its readers use.
BytesRead bytesReadPerFile(const std::vector<fs::path> &files)
{
    clsImageInfo info;
    std::vector<std::uint64_t> perFile;
    for (const auto &path : files) {
        const std::uint64_t before = info.bytesRead();
        inspect(info, path);
        perFile.push_back(info.bytesRead() - before);
    }
    std::ranges::sort(perFile);
    return {perFile[perFile.size() / 2], perFile.back()};
}

void reportBytesRead(benchmark::State &state, const std::vector<fs::path> &files)
{
    const BytesRead bytes = bytesReadPerFile(files);
    state.counters["bytes_read_median"] = static_cast<double>(bytes.median);
    state.counters["bytes_read_max"] = static_cast<double>(bytes.maximum);
}

void registerInspection(const std::vector<fs::path> &files)
{
    benchmark::RegisterBenchmark("inspection/pictavo", [files](benchmark::State &state) {
        clsImageInfo info;
        for (auto _ : state) {
            for (const auto &path : files)
                inspect(info, path);
        }
        state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(files.size()));
        reportBytesRead(state, files);
    })->Unit(benchmark::kMillisecond)->UseRealTime();

    benchmark::RegisterBenchmark("inspection/floor_open_read64_close", [files](benchmark::State &state) {
        for (auto _ : state) {
            for (const auto &path : files)
                openReadClose(path);
        }
        state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(files.size()));
    })->Unit(benchmark::kMillisecond)->UseRealTime();
}

// One benchmark per file of the growth set, named after the file (kind and size).
void registerGrowth(const std::vector<fs::path> &files)
{
    for (const auto &path : files) {
        const std::string name = "growth/" + path.filename().string();
        benchmark::RegisterBenchmark(name.c_str(), [path](benchmark::State &state) {
            clsImageInfo info;
            for (auto _ : state)
                inspect(info, path);
            reportBytesRead(state, {path});
        })->Unit(benchmark::kMicrosecond)->MinTime(0.05)->UseRealTime();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    benchmark::Initialize(&argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s [benchmark options] FOLDER\n", argv[0]);
        return 2;
    }
    const fs::path folder(argv[1]);
    registerInspection(sortedFilesIn(folder / "mixed"));
    registerGrowth(sortedFilesIn(folder / "growth"));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
