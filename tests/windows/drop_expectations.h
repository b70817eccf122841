// Assertions on what the clipboard holds after a run of the tool.
#ifndef DROPCLIP_TEST_DROP_EXPECTATIONS_H
#define DROPCLIP_TEST_DROP_EXPECTATIONS_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clipboard_reader.h"

// The clipboard's block must start with exactly the expected bytes; the
// platform may round the allocation up, and the bytes past the block are
// zero.
inline bool BlockMatches(const DropRead& read, const std::vector<unsigned char>& expected) {
  if (!read.present || read.bytes.size() < expected.size()) {
    return false;
  }
  for (std::size_t i = 0; i < read.bytes.size(); ++i) {
    if (read.bytes[i] != (i < expected.size() ? expected[i] : 0)) {
      return false;
    }
  }
  return true;
}

inline void ExpectBlock(const DropRead& read, const std::vector<unsigned char>& expected) {
  ASSERT_TRUE(read.present) << "no CF_HDROP on the clipboard";
  ASSERT_GE(read.bytes.size(), expected.size());
  EXPECT_EQ(std::vector<unsigned char>(read.bytes.begin(), read.bytes.begin() + expected.size()),
            expected);
  EXPECT_TRUE(BlockMatches(read, expected)) << "nonzero bytes after the block";
}

inline std::vector<std::wstring> NonEmpty(const std::vector<std::wstring>& paths) {
  std::vector<std::wstring> kept;
  for (const std::wstring& path : paths) {
    if (!path.empty()) {
      kept.push_back(path);
    }
  }
  return kept;
}

#endif
