#include "drop_files_block.h"

static_assert(sizeof(wchar_t) >= 2, "a wchar_t must hold a UTF-16 code unit");

namespace {

const std::uint64_t kHeaderSize = 20;
const std::uint64_t kCodeUnitSize = 2;

// Code units before the first zero code unit.
std::uint64_t PathLength(const wchar_t* path) {
  std::uint64_t length = 0;
  while (path[length] != 0) {
    ++length;
  }
  return length;
}

void WriteUint32(unsigned char* at, std::uint32_t value) {
  at[0] = static_cast<unsigned char>(value & 0xFFu);
  at[1] = static_cast<unsigned char>((value >> 8) & 0xFFu);
  at[2] = static_cast<unsigned char>((value >> 16) & 0xFFu);
  at[3] = static_cast<unsigned char>((value >> 24) & 0xFFu);
}

}  // namespace

std::uint64_t DropFilesBlockSize(std::int32_t count, const wchar_t* const* paths) {
  std::uint64_t size = kHeaderSize + kCodeUnitSize;  // header and closing zero
  for (std::int32_t i = 0; i < count; ++i) {
    const std::uint64_t length = PathLength(paths[i]);
    if (length != 0) {
      size += (length + 1) * kCodeUnitSize;
    }
  }
  return size;
}

void WriteDropFilesBlock(unsigned char* destination, std::int32_t count,
                         const wchar_t* const* paths) {
  WriteUint32(destination + 0, static_cast<std::uint32_t>(kHeaderSize));  // pFiles
  WriteUint32(destination + 16, 1);                                       // fWide
  unsigned char* cursor = destination + kHeaderSize;
  for (std::int32_t i = 0; i < count; ++i) {
    const std::uint64_t length = PathLength(paths[i]);
    if (length == 0) {
      continue;
    }
    // The code units and the terminator, low byte first.
    for (std::uint64_t unit = 0; unit <= length; ++unit) {
      // A code unit is 16 bits whatever the width and signedness of wchar_t;
      // the conversion keeps exactly those bits.
      // NOLINTNEXTLINE(bugprone-signed-char-misuse,cert-str34-c)
      const auto value = static_cast<std::uint16_t>(paths[i][unit]);
      cursor[0] = static_cast<unsigned char>(value & 0xFFu);
      cursor[1] = static_cast<unsigned char>(value >> 8);
      cursor += kCodeUnitSize;
    }
  }
  // The closing zero code unit is already zero in the destination.
}
