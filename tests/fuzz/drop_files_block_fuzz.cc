// Random path lists against the block's rules, checked by a reader of the
// format written here independently of the writer.
//
// Input: the first byte picks the count form; the rest are little-endian
// UTF-16 code units, a zero code unit ending each path (so empty paths and
// any code unit, lone surrogates included, occur).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "drop_files_block.h"

namespace {

void Check(bool condition) {
  if (!condition) {
    std::abort();
  }
}

std::uint32_t Uint32At(const std::vector<unsigned char>& block, std::size_t at) {
  return static_cast<std::uint32_t>(block[at]) | static_cast<std::uint32_t>(block[at + 1]) << 8 |
         static_cast<std::uint32_t>(block[at + 2]) << 16 |
         static_cast<std::uint32_t>(block[at + 3]) << 24;
}

// Reads the list as a consumer of CF_HDROP does: from pFiles, names up to
// the first empty one. Every name must end inside the block.
std::vector<std::wstring> ReadList(const std::vector<unsigned char>& block) {
  Check(block.size() >= 22);
  Check(Uint32At(block, 0) == 20);
  for (std::size_t i = 4; i < 16; ++i) {
    Check(block[i] == 0);
  }
  Check(Uint32At(block, 16) == 1);
  std::vector<std::wstring> names;
  std::size_t at = 20;
  for (;;) {
    std::wstring name;
    for (;;) {
      Check(at + 1 < block.size());
      const auto unit = static_cast<wchar_t>(block[at] | block[at + 1] << 8);
      at += 2;
      if (unit == 0) {
        break;
      }
      name.push_back(unit);
    }
    if (name.empty()) {
      break;
    }
    names.push_back(name);
  }
  Check(at == block.size());  // the closing zero is the block's last code unit
  return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  std::vector<std::wstring> list(1);
  for (std::size_t i = 1; i + 1 < size; i += 2) {
    const auto unit = static_cast<wchar_t>(data[i] | data[i + 1] << 8);
    if (unit == 0) {
      list.emplace_back();
    } else {
      list.back().push_back(unit);
    }
  }
  std::vector<const wchar_t*> paths;
  std::vector<std::wstring> kept;
  std::uint64_t expected_size = 22;
  for (const std::wstring& path : list) {
    paths.push_back(path.c_str());
    if (!path.empty()) {
      kept.push_back(path);
      expected_size += 2 * (path.size() + 1);
    }
  }
  auto count = static_cast<std::int32_t>(paths.size());
  if (data[0] == 0xFF) {  // a count below zero is an empty list
    count = -count;
    expected_size = 22;
    kept.clear();
  }

  const std::uint64_t block_size = DropFilesBlockSize(count, paths.data());
  Check(block_size == expected_size);
  Check(block_size % 2 == 0);
  // Exactly the size: any write past it is caught by the address sanitizer.
  std::vector<unsigned char> block(static_cast<std::size_t>(block_size), 0);
  WriteDropFilesBlock(block.data(), count, paths.data());
  Check(block[block.size() - 1] == 0 && block[block.size() - 2] == 0);
  Check(ReadList(block) == kept);
  return 0;
}
