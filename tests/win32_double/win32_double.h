// A recording double of the Win32 calls that dropclip makes. Tests set the
// switches, run the code, then read the call log and the memory it touched.
#ifndef DROPCLIP_TEST_WIN32_DOUBLE_H
#define DROPCLIP_TEST_WIN32_DOUBLE_H

#include <functional>
#include <string>
#include <vector>

#include "windows.h"

struct Win32Block {
  UINT flags = 0;
  std::vector<unsigned char> bytes;
  int locks = 0;
  bool freed = false;
  bool on_clipboard = false;
};

struct Win32Double {
  // Switches: each makes one call refuse.
  bool refuse_global_alloc = false;
  bool refuse_global_lock = false;
  bool refuse_open_clipboard = false;
  bool refuse_set_clipboard_data = false;
  bool refuse_close_clipboard = false;
  bool refuse_command_line_split = false;
  // What a successful split returns, the program's own path first.
  std::vector<std::wstring> arguments = {L"dropclip.exe"};

  // Every call in order, as "Name(arguments)"; handles appear by name
  // ("block1", "argument block") so a test can see the same one pass along.
  std::vector<std::string> calls;
  std::vector<Win32Block> blocks;  // block N is blocks[N - 1]
  bool clipboard_open = false;
  std::vector<unsigned char> clipboard_data;  // bytes of the accepted block
  // The split's result as the platform lays it out: one allocation holding
  // the pointer array, then the strings. Live until LocalFree.
  wchar_t** argument_block = nullptr;
  bool argument_block_live = false;
};

extern Win32Double win32;

// Puts the double back to its initial state, releasing what it holds.
void ResetWin32Double();

// Runs body and returns every byte it wrote to the standard error stream.
std::string CaptureStderr(const std::function<void()>& body);

#endif
