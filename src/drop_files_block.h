// The file-drop block: the bytes that go on the clipboard under CF_HDROP.
//
// Layout (all values little-endian):
//   bytes 0-3    pFiles = 20, offset of the path list
//   bytes 4-11   pt     = 0, 0 (drop point)
//   bytes 12-15  fNC    = 0
//   bytes 16-19  fWide  = 1, the paths are UTF-16
//   bytes 20-    each non-empty path with its zero terminator, then one
//                more zero code unit that closes the list
//
// Pure logic: no platform call, no allocation, so it builds and runs anywhere.
#ifndef DROPCLIP_DROP_FILES_BLOCK_H
#define DROPCLIP_DROP_FILES_BLOCK_H

#include <cstdint>

// A path list: count pointers to zero-terminated strings of UTF-16 code
// units, one code unit per wchar_t element (wchar_t is 16 bits on Windows;
// a wider host wchar_t carries the same code unit values). A count of zero
// or below is an empty list.
//
// The format has no count of its own: a reader stops at the first zero code
// unit where a path would begin. A zero-length path would end the list there
// and hide every path after it, so both operations leave zero-length paths
// out.

// Returns the byte size of the block for the list: 22 plus 2 * (length + 1)
// for each non-empty path. Always even and at least 22.
std::uint64_t DropFilesBlockSize(std::int32_t count, const wchar_t* const* paths);

// Writes the block for the list into destination, which must be exactly
// DropFilesBlockSize(count, paths) bytes, all zero. Writes only pFiles,
// fWide and the paths with their terminators; the other bytes keep the zero
// they came with.
void WriteDropFilesBlock(unsigned char* destination, std::int32_t count,
                         const wchar_t* const* paths);

#endif
