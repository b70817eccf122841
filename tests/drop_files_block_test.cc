#include "drop_files_block.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "test_bytes.h"

namespace {

struct BlockCase {
  const char* name;
  std::vector<std::wstring> paths;
  const char* bytes;  // the whole block, in hexadecimal
};

const BlockCase kBlockCases[] = {
    {"no paths", {},
     "14 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
     "01 00 00 00 00 00"},
    {"one path", {L"C:\\a.txt"},
     "14 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
     "01 00 00 00 43 00 3A 00 5C 00 61 00 2E 00 74 00"
     "78 00 74 00 00 00 00 00"},
    {"an absolute and a relative path", {L"C:\\a.txt", L"..\\b"},
     "14 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
     "01 00 00 00 43 00 3A 00 5C 00 61 00 2E 00 74 00"
     "78 00 74 00 00 00 2E 00 2E 00 5C 00 62 00 00 00"
     "00 00"},
    {"a character outside the BMP is a surrogate pair", {Utf16(u"C:\\\U0001F600.txt")},
     "14 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
     "01 00 00 00 43 00 3A 00 5C 00 3D D8 00 DE 2E 00"
     "74 00 78 00 74 00 00 00 00 00"},
    {"a BMP letter is one code unit", {Utf16(u"C:\\\u00E9.txt")},
     "14 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
     "01 00 00 00 43 00 3A 00 5C 00 E9 00 2E 00 74 00"
     "78 00 74 00 00 00 00 00"},
    {"a code unit with a high byte", {Utf16(u"\u4E2D")},
     "14 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
     "01 00 00 00 2D 4E 00 00 00 00"},
    // An empty path would close the list early; it is left out.
    {"an empty path alone", {L""},
     "14 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
     "01 00 00 00 00 00"},
    {"an empty path between two others", {L"a", L"", L"b"},
     "14 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
     "01 00 00 00 61 00 00 00 62 00 00 00 00 00"},
    {"a repeated path stays twice", {L"x", L"x"},
     "14 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
     "01 00 00 00 78 00 00 00 78 00 00 00 00 00"},
};

std::vector<const wchar_t*> Pointers(const std::vector<std::wstring>& paths) {
  std::vector<const wchar_t*> pointers;
  for (const std::wstring& path : paths) {
    pointers.push_back(path.c_str());
  }
  return pointers;
}

// Writes the block into a zeroed buffer with guard bytes on both sides and
// checks that nothing outside the block was touched.
std::vector<unsigned char> WriteBlock(std::int32_t count, const wchar_t* const* paths) {
  const std::uint64_t size = DropFilesBlockSize(count, paths);
  const std::size_t guard = 16;
  std::vector<unsigned char> buffer(guard + size + guard, 0xEE);
  std::fill(buffer.begin() + guard, buffer.begin() + guard + size, 0x00);
  WriteDropFilesBlock(buffer.data() + guard, count, paths);
  for (std::size_t i = 0; i < guard; ++i) {
    EXPECT_EQ(buffer[i], 0xEE) << "byte written before the block, at -" << guard - i;
    EXPECT_EQ(buffer[guard + size + i], 0xEE) << "byte written after the block, at +" << i;
  }
  return std::vector<unsigned char>(buffer.begin() + guard, buffer.begin() + guard + size);
}

TEST(DropFilesBlock, MatchesLiteralBytes) {
  for (const BlockCase& test : kBlockCases) {
    SCOPED_TRACE(test.name);
    const std::vector<const wchar_t*> paths = Pointers(test.paths);
    const auto count = static_cast<std::int32_t>(paths.size());
    const std::vector<unsigned char> expected = Bytes(test.bytes);
    EXPECT_EQ(DropFilesBlockSize(count, paths.data()), expected.size());
    EXPECT_EQ(WriteBlock(count, paths.data()), expected);
  }
}

TEST(DropFilesBlock, TwoPathsOfTheTypicalRun) {
  const std::vector<std::wstring> list = {L"C:\\My Files\\a.txt", L"C:\\b.txt"};
  const std::vector<const wchar_t*> paths = Pointers(list);
  ASSERT_EQ(DropFilesBlockSize(2, paths.data()), 76u);
  const std::vector<unsigned char> block = WriteBlock(2, paths.data());
  ASSERT_EQ(block.size(), 76u);
  // First path at 20-53, its terminator at 54-55; second at 56-71, its
  // terminator at 72-73; the closing zero at 74-75.
  EXPECT_EQ(block[20], 'C');
  EXPECT_EQ(block[52], 't');
  EXPECT_EQ(block[54], 0);
  EXPECT_EQ(block[55], 0);
  EXPECT_EQ(block[56], 'C');
  EXPECT_EQ(block[70], 't');
  EXPECT_EQ(block, ExpectedBlock(list));
}

TEST(DropFilesBlock, CountBelowZeroIsAnEmptyList) {
  const std::vector<unsigned char> empty = Bytes(kBlockCases[0].bytes);
  for (std::int32_t count : {-1, -2147483647 - 1}) {
    SCOPED_TRACE(count);
    // No path may be read through the array.
    EXPECT_EQ(DropFilesBlockSize(count, nullptr), 22u);
    EXPECT_EQ(WriteBlock(count, nullptr), empty);
  }
}

TEST(DropFilesBlock, SizeRuleCountsCodeUnitsNotCharacters) {
  // 22 + 2 * (length + 1) per non-empty path, for lengths around the bytes
  // where a byte count and a code unit count would part.
  for (std::size_t length : {1u, 2u, 127u, 128u, 255u, 256u, 32767u, 70000u}) {
    SCOPED_TRACE(length);
    const std::wstring path(length, static_cast<wchar_t>(0xFFFF));
    const wchar_t* paths[] = {path.c_str(), L"", path.c_str()};
    EXPECT_EQ(DropFilesBlockSize(3, paths), 22 + 2 * 2 * (length + 1));
  }
}

TEST(DropFilesBlock, ReadsOnlyUpToTheFirstZero) {
  const wchar_t text[] = {L'a', L'b', 0, L'c', L'd', 0};
  const wchar_t* paths[] = {text};
  EXPECT_EQ(WriteBlock(1, paths), ExpectedBlock({L"ab"}));
}

}  // namespace
