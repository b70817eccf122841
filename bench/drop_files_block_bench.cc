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
  std::int32_t count = 0;
  std::uint64_t block_size = 0;
};

// The list of a shape: range(0) paths of range(1) code units each.
PathList MakeList(const benchmark::State& state) {
  const auto count = static_cast<int>(state.range(0));
  const auto length = static_cast<std::size_t>(state.range(1));
  PathList list;
  for (int i = 0; i < count; ++i) {
    std::wstring path = L"C:\\Users\\someone\\Documents\\file_" + std::to_wstring(i) + L".txt";
    path.resize(length, L'x');
    list.storage.push_back(path);
  }
  for (const std::wstring& path : list.storage) {
    list.pointers.push_back(path.c_str());
  }
  list.count = static_cast<std::int32_t>(list.pointers.size());
  list.block_size = DropFilesBlockSize(list.count, list.pointers.data());
  return list;
}

void Report(benchmark::State& state, const PathList& list) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * list.block_size));
  state.counters["block_bytes"] = static_cast<double>(list.block_size);
}

// The shapes measured: {paths, code units in each path}.
void Shapes(benchmark::internal::Benchmark* benchmark) {
  benchmark->Args({1, 40})->Args({100, 40})->Args({15000, 1})->Args({1, 32000});
}

void SizeAndWrite(benchmark::State& state) {
  const PathList list = MakeList(state);
  // Zeroed once: the writer leaves the zero bytes alone, so they stay zero.
  std::vector<unsigned char> block(list.block_size, 0);
  for (auto _ : state) {
    const std::uint64_t sized = DropFilesBlockSize(list.count, list.pointers.data());
    benchmark::DoNotOptimize(sized);
    WriteDropFilesBlock(block.data(), list.count, list.pointers.data());
    benchmark::ClobberMemory();
  }
  Report(state, list);
}

void Memcpy(benchmark::State& state) {
  const PathList list = MakeList(state);
  std::vector<unsigned char> from(list.block_size, 0x5A);
  std::vector<unsigned char> to(list.block_size, 0);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), list.block_size);
    benchmark::ClobberMemory();
  }
  Report(state, list);
}

BENCHMARK(SizeAndWrite)->Apply(Shapes);
BENCHMARK(Memcpy)->Apply(Shapes);

}  // namespace

BENCHMARK_MAIN();
