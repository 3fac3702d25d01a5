// Throughput of the buffered file's typed reads and writes over a 64 MB file, beside a plain
// read() of the same bytes in 1 MiB blocks. Each run reports MB/s ("bytes_per_second").
#include "io/QnBufferedFile.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>
#include <string>
#include <vector>

namespace {

constexpr uint32_t kFileSize = 64u << 20;

// The shared 64 MB input file, made once per run in the temporary folder.
const std::string& InputFile() {
    static const std::string path = [] {
        std::string p = std::string(getenv("TMPDIR") ? getenv("TMPDIR") : "/tmp") + "/orvanta-bench-io.bin";
        std::vector<uint8_t> block(1 << 20);
        for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<uint8_t>(i * 31);
        int fd = ::open(p.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        for (uint32_t done = 0; done < kFileSize; done += block.size())
            if (::write(fd, block.data(), block.size()) < 0) break;
        ::close(fd);
        return p;
    }();
    return path;
}

template <typename Reader>
void TypedRead(benchmark::State& state, int mode, Reader read, uint32_t width) {
    const std::string& path = InputFile();
    for (auto _ : state) {
        QnBufferedFile file(path.c_str());
        file.SetByteSwapMethod(PLATFORM_PALM);
        file.Open(mode);
        uint32_t sum = 0;
        for (uint32_t i = 0; i < kFileSize / width; ++i) sum += read(file);
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(int64_t{state.iterations()} * kFileSize);
}

void BM_ReadU8(benchmark::State& state) {
    TypedRead(
        state, static_cast<int>(state.range(0)), [](QnBufferedFile& f) { return uint32_t{f.ReadU8()}; }, 1);
}
void BM_ReadU16(benchmark::State& state) {
    TypedRead(
        state, static_cast<int>(state.range(0)), [](QnBufferedFile& f) { return uint32_t{f.ReadU16()}; }, 2);
}
void BM_ReadU32(benchmark::State& state) {
    TypedRead(
        state, static_cast<int>(state.range(0)), [](QnBufferedFile& f) { return f.ReadU32(); }, 4);
}

void BM_WriteU32(benchmark::State& state) {
    std::string path = InputFile() + ".out";
    for (auto _ : state) {
        state.PauseTiming();
        ::close(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644));
        state.ResumeTiming();
        QnBufferedFile file(path.c_str());
        file.SetByteSwapMethod(PLATFORM_PALM);
        file.Open(static_cast<int>(state.range(0)));
        for (uint32_t i = 0; i < kFileSize / 4; ++i) file.WriteU32(i);
        file.Close();
    }
    ::unlink(path.c_str());
    state.SetBytesProcessed(int64_t{state.iterations()} * kFileSize);
}

// The floor: the same bytes through read() in 1 MiB blocks, no typed access at all.
void BM_PlainRead1MiB(benchmark::State& state) {
    const std::string& path = InputFile();
    std::vector<uint8_t> block(1 << 20);
    for (auto _ : state) {
        int fd = ::open(path.c_str(), O_RDONLY);
        while (::read(fd, block.data(), block.size()) > 0) benchmark::ClobberMemory();
        ::close(fd);
    }
    state.SetBytesProcessed(int64_t{state.iterations()} * kFileSize);
}

}  // namespace

BENCHMARK(BM_PlainRead1MiB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadU8)->ArgName("mode")->Arg(0)->Arg(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadU16)->ArgName("mode")->Arg(0)->Arg(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadU32)->ArgName("mode")->Arg(0)->Arg(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteU32)->ArgName("mode")->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);
