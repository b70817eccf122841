#include "clipboard_publication.h"

#include <windows.h>

#include <cstddef>
#include <cstdio>

#include "drop_files_block.h"

// The block's size is worked out in 64 bits; a narrower allocation size
// would silently allocate less than the writer fills.
static_assert(sizeof(SIZE_T) >= sizeof(std::uint64_t), "a 64-bit target is required");

namespace {

// One write of exactly the text's bytes, without the terminating zero. A
// failed write has nowhere to be reported, so its result is not examined.
template <std::size_t N>
void Report(const char (&text)[N]) {
  (void)std::fwrite(text, 1, N - 1, stderr);
}

}  // namespace

bool CopyFilesToClipboard(std::int32_t count, const wchar_t* const* paths) {
  // The block is sized, allocated and written before the clipboard is opened,
  // so the clipboard is held open only for the three calls that need it.
  const std::uint64_t size = DropFilesBlockSize(count, paths);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, static_cast<SIZE_T>(size));
  if (memory == nullptr) {
    Report("failed to allocate global memory\n");
    return false;
  }
  void* bytes = GlobalLock(memory);
  if (bytes == nullptr) {
    Report("failed to lock global memory\n");
    GlobalFree(memory);
    return false;
  }
  // GMEM_ZEROINIT supplies the zero bytes that the writer leaves alone.
  WriteDropFilesBlock(static_cast<unsigned char*>(bytes), count, paths);
  GlobalUnlock(memory);

  // One attempt, no retry: another program holding the clipboard is reported.
  if (!OpenClipboard(nullptr)) {
    Report("failed to open clipboard\n");
    GlobalFree(memory);
    return false;
  }
  EmptyClipboard();
  if (SetClipboardData(CF_HDROP, memory) == nullptr) {
    // Refused: the block is still ours to release.
    Report("failed to set clipboard data\n");
    GlobalFree(memory);
    CloseClipboard();
    return false;
  }
  // From here the block belongs to the system, even if the close fails.
  if (!CloseClipboard()) {
    Report("failed to close clipboard\n");
    return false;
  }
  return true;
}
