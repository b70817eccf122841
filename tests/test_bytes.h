// Helpers for writing expected bytes and UTF-16 paths in tests, on any host.
#ifndef DROPCLIP_TEST_BYTES_H
#define DROPCLIP_TEST_BYTES_H

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

// "14 00 0A" -> {0x14, 0x00, 0x0A}; white space between bytes is ignored.
inline std::vector<unsigned char> Bytes(const char* hex) {
  std::vector<unsigned char> bytes;
  std::string digits;
  for (const char* c = hex; *c != '\0'; ++c) {
    if (*c == ' ' || *c == '\n') {
      continue;
    }
    digits.push_back(*c);
    if (digits.size() == 2) {
      bytes.push_back(static_cast<unsigned char>(std::strtoul(digits.c_str(), nullptr, 16)));
      digits.clear();
    }
  }
  return bytes;
}

// A UTF-16 literal as a wchar_t string of the same code units, whatever the
// width of wchar_t here.
inline std::wstring Utf16(const char16_t* text) {
  std::wstring units;
  for (const char16_t* c = text; *c != 0; ++c) {
    units.push_back(static_cast<wchar_t>(*c));
  }
  return units;
}

// The file-drop block a correct writer makes for these paths, built the
// plain way: header, then each non-empty path and its terminator, then the
// closing zero.
inline std::vector<unsigned char> ExpectedBlock(const std::vector<std::wstring>& paths) {
  std::vector<unsigned char> block = {0x14, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                      0,    0, 0, 0, 0, 0, 1, 0, 0, 0};
  for (const std::wstring& path : paths) {
    if (path.empty()) {
      continue;
    }
    for (wchar_t unit : path) {
      const auto value = static_cast<std::uint32_t>(unit);
      block.push_back(static_cast<unsigned char>(value & 0xFF));
      block.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
    }
    block.push_back(0);
    block.push_back(0);
  }
  block.push_back(0);
  block.push_back(0);
  return block;
}

#endif
