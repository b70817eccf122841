#include "win32_double.h"

#include <shellapi.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

Win32Double win32;

namespace {

const wchar_t kCommandLine[] = L"dropclip.exe (command line of the double)";

// Handles are small numbers, never addresses: code that dereferences one
// crashes instead of passing.
HGLOBAL BlockHandle(std::size_t index) {
  return reinterpret_cast<HGLOBAL>(static_cast<std::uintptr_t>(index + 1));
}

Win32Block* FindBlock(HGLOBAL handle) {
  const auto number = reinterpret_cast<std::uintptr_t>(handle);
  if (number == 0 || number > win32.blocks.size()) {
    return nullptr;
  }
  return &win32.blocks[number - 1];
}

std::string HandleName(HANDLE handle) {
  if (FindBlock(handle) == nullptr) {
    return "unknown handle";
  }
  return "block" + std::to_string(reinterpret_cast<std::uintptr_t>(handle));
}

std::string Hex(unsigned value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%04X", value);
  return text;
}

void ReleaseArgumentBlock() {
  delete[] reinterpret_cast<unsigned char*>(win32.argument_block);
  win32.argument_block = nullptr;
}

}  // namespace

void ResetWin32Double() {
  ReleaseArgumentBlock();
  win32 = Win32Double();
}

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes) {
  win32.calls.push_back("GlobalAlloc(" + Hex(flags) + ", " + std::to_string(bytes) + ")");
  if (win32.refuse_global_alloc) {
    return nullptr;
  }
  Win32Block block;
  block.flags = flags;
  // Without GMEM_ZEROINIT the bytes are garbage, as they may be on Windows.
  block.bytes.assign(bytes, (flags & GMEM_ZEROINIT) != 0 ? 0x00 : 0xCD);
  win32.blocks.push_back(block);
  return BlockHandle(win32.blocks.size() - 1);
}

void* GlobalLock(HGLOBAL memory) {
  win32.calls.push_back("GlobalLock(" + HandleName(memory) + ")");
  Win32Block* block = FindBlock(memory);
  if (win32.refuse_global_lock || block == nullptr || block->freed) {
    return nullptr;
  }
  ++block->locks;
  return block->bytes.data();
}

BOOL GlobalUnlock(HGLOBAL memory) {
  win32.calls.push_back("GlobalUnlock(" + HandleName(memory) + ")");
  Win32Block* block = FindBlock(memory);
  if (block != nullptr && block->locks > 0) {
    --block->locks;
  }
  return block != nullptr && block->locks > 0;
}

HGLOBAL GlobalFree(HGLOBAL memory) {
  win32.calls.push_back("GlobalFree(" + HandleName(memory) + ")");
  Win32Block* block = FindBlock(memory);
  if (block == nullptr || block->freed) {
    return memory;
  }
  block->freed = true;
  return nullptr;
}

BOOL OpenClipboard(HWND owner) {
  win32.calls.push_back(owner == nullptr ? "OpenClipboard(no window)" : "OpenClipboard(a window)");
  if (win32.refuse_open_clipboard) {
    return 0;
  }
  win32.clipboard_open = true;
  return 1;
}

BOOL EmptyClipboard() {
  win32.calls.push_back("EmptyClipboard()");
  if (!win32.clipboard_open) {
    return 0;
  }
  win32.clipboard_data.clear();
  return 1;
}

HANDLE SetClipboardData(UINT format, HANDLE data) {
  win32.calls.push_back("SetClipboardData(" + std::to_string(format) + ", " + HandleName(data) + ")");
  Win32Block* block = FindBlock(data);
  if (win32.refuse_set_clipboard_data || !win32.clipboard_open || block == nullptr ||
      block->freed) {
    return nullptr;
  }
  block->on_clipboard = true;
  win32.clipboard_data = block->bytes;
  return data;
}

BOOL CloseClipboard() {
  win32.calls.push_back("CloseClipboard()");
  if (!win32.clipboard_open) {
    return 0;
  }
  // A refused close still leaves this process without the clipboard, as
  // when another opener has closed it first.
  win32.clipboard_open = false;
  return win32.refuse_close_clipboard ? 0 : 1;
}

LPWSTR GetCommandLineW() {
  win32.calls.push_back("GetCommandLineW()");
  return const_cast<LPWSTR>(kCommandLine);
}

LPWSTR* CommandLineToArgvW(LPCWSTR command_line, int* count) {
  win32.calls.push_back(command_line == kCommandLine ? "CommandLineToArgvW(command line)"
                                                     : "CommandLineToArgvW(other text)");
  if (win32.refuse_command_line_split) {
    return nullptr;
  }
  ReleaseArgumentBlock();
  const std::size_t pointers = win32.arguments.size();
  std::size_t bytes = pointers * sizeof(wchar_t*);
  for (const std::wstring& argument : win32.arguments) {
    bytes += (argument.size() + 1) * sizeof(wchar_t);
  }
  auto* storage = new unsigned char[bytes];
  wchar_t** argument_block = reinterpret_cast<wchar_t**>(storage);
  win32.argument_block = argument_block;
  auto* text = reinterpret_cast<wchar_t*>(storage + pointers * sizeof(wchar_t*));
  for (std::size_t i = 0; i < pointers; ++i) {
    const std::wstring& argument = win32.arguments[i];
    std::memcpy(text, argument.c_str(), (argument.size() + 1) * sizeof(wchar_t));
    argument_block[i] = text;
    text += argument.size() + 1;
  }
  win32.argument_block_live = true;
  *count = static_cast<int>(pointers);
  return argument_block;
}

HLOCAL LocalFree(HLOCAL memory) {
  const bool ours = memory != nullptr && memory == win32.argument_block && win32.argument_block_live;
  win32.calls.push_back(ours ? "LocalFree(argument block)" : "LocalFree(other memory)");
  if (!ours) {
    return memory;
  }
  win32.argument_block_live = false;
  return nullptr;
}

std::string CaptureStderr(const std::function<void()>& body) {
  std::fflush(stderr);
  std::FILE* sink = std::tmpfile();
  const int saved = dup(fileno(stderr));
  dup2(fileno(sink), fileno(stderr));
  body();
  std::fflush(stderr);
  dup2(saved, fileno(stderr));
  close(saved);
  std::string written;
  std::rewind(sink);
  for (int c = std::fgetc(sink); c != EOF; c = std::fgetc(sink)) {
    written.push_back(static_cast<char>(c));
  }
  std::fclose(sink);
  return written;
}
