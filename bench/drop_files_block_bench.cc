// Throughput of sizing and writing the file-drop block, beside a plain
// memcpy of the same number of bytes in the same run.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "drop_files_block.h"

namespace {

struct PathList {
  std::vector<std::wstring> storage;
  std::vector<const wchar_t*> pointers;
};

PathList MakeList(int count, std::size_t length) {
  PathList list;
  for (int i = 0; i < count; ++i) {
    std::wstring path = L"C:\\Users\\someone\\Documents\\file_" + std::to_wstring(i) + L".txt";
    path.resize(length, L'x');
    list.storage.push_back(path);
  }
  for (const std::wstring& path : list.storage) {
    list.pointers.push_back(path.c_str());
  }
  return list;
}

// The shapes measured: {paths, code units in each path}.
void Shapes(benchmark::internal::Benchmark* benchmark) {
  benchmark->Args({1, 40})->Args({100, 40})->Args({15000, 1})->Args({1, 32000});
}

void SizeAndWrite(benchmark::State& state) {
  const PathList list = MakeList(static_cast<int>(state.range(0)),
                                 static_cast<std::size_t>(state.range(1)));
  const auto count = static_cast<std::int32_t>(list.pointers.size());
  const std::uint64_t size = DropFilesBlockSize(count, list.pointers.data());
  // Zeroed once: the writer leaves the zero bytes alone, so they stay zero.
  std::vector<unsigned char> block(size, 0);
  for (auto _ : state) {
    const std::uint64_t sized = DropFilesBlockSize(count, list.pointers.data());
    benchmark::DoNotOptimize(sized);
    WriteDropFilesBlock(block.data(), count, list.pointers.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
  state.counters["block_bytes"] = static_cast<double>(size);
}

void Memcpy(benchmark::State& state) {
  const PathList list = MakeList(static_cast<int>(state.range(0)),
                                 static_cast<std::size_t>(state.range(1)));
  const auto count = static_cast<std::int32_t>(list.pointers.size());
  const std::uint64_t size = DropFilesBlockSize(count, list.pointers.data());
  std::vector<unsigned char> from(size, 0x5A);
  std::vector<unsigned char> to(size, 0);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), size);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
  state.counters["block_bytes"] = static_cast<double>(size);
}

BENCHMARK(SizeAndWrite)->Apply(Shapes);
BENCHMARK(Memcpy)->Apply(Shapes);

}  // namespace

BENCHMARK_MAIN();
