#include "drop_files_block.h"

#include <cstring>
#include <string>

static_assert(sizeof(wchar_t) >= 2, "a wchar_t must hold a UTF-16 code unit");

namespace {

const std::uint64_t kHeaderSize = 20;
const std::uint64_t kCodeUnitSize = 2;

// Code units before the first zero code unit. Short paths are counted here;
// past that the standard library's count is the faster, being vectorised.
std::uint64_t PathLength(const wchar_t* path) {
  const std::uint64_t kCountedHere = 16;
  for (std::uint64_t i = 0; i < kCountedHere; ++i) {
    if (path[i] == 0) {
      return i;
    }
  }
  return kCountedHere + std::char_traits<wchar_t>::length(path + kCountedHere);
}

bool IsLittleEndian() {
  const std::uint16_t probe = 1;
  unsigned char low = 0;
  std::memcpy(&low, &probe, 1);
  return low == 1;
}

void WriteUint32(unsigned char* at, std::uint32_t value) {
  at[0] = static_cast<unsigned char>(value & 0xFFu);
  at[1] = static_cast<unsigned char>((value >> 8) & 0xFFu);
  at[2] = static_cast<unsigned char>((value >> 16) & 0xFFu);
  at[3] = static_cast<unsigned char>((value >> 24) & 0xFFu);
}

// Copies units code units as little-endian 16-bit values.
void WriteCodeUnits(unsigned char* destination, const wchar_t* units, std::uint64_t count,
                    bool little_endian) {
  if (sizeof(wchar_t) == kCodeUnitSize && little_endian) {
    // A 16-bit wchar_t in little-endian memory already is the block's bytes.
    std::memcpy(destination, units, static_cast<std::size_t>(count * kCodeUnitSize));
    return;
  }
  for (std::uint64_t i = 0; i < count; ++i) {
    // A code unit is 16 bits whatever the width and signedness of wchar_t;
    // the conversion keeps exactly those bits.
    // NOLINTNEXTLINE(bugprone-signed-char-misuse,cert-str34-c)
    const auto value = static_cast<std::uint16_t>(units[i]);
    destination[i * kCodeUnitSize] = static_cast<unsigned char>(value & 0xFFu);
    destination[i * kCodeUnitSize + 1] = static_cast<unsigned char>(value >> 8);
  }
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
  const bool little_endian = IsLittleEndian();
  unsigned char* cursor = destination + kHeaderSize;
  for (std::int32_t i = 0; i < count; ++i) {
    const std::uint64_t length = PathLength(paths[i]);
    if (length == 0) {
      continue;
    }
    // The terminator goes with the path.
    WriteCodeUnits(cursor, paths[i], length + 1, little_endian);
    cursor += (length + 1) * kCodeUnitSize;
  }
  // The closing zero code unit is already zero in the destination.
}
