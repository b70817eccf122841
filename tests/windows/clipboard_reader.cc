#include "clipboard_reader.h"

#include <shellapi.h>

#include <cstring>

namespace {

// Another process may still be closing the clipboard; try for a while.
bool OpenForReading(HWND window) {
  for (int attempt = 0; attempt < 200; ++attempt) {
    if (OpenClipboard(window)) {
      return true;
    }
    Sleep(10);
  }
  return false;
}

}  // namespace

std::vector<std::wstring> DropFiles(HANDLE data) {
  std::vector<std::wstring> files;
  HDROP drop = static_cast<HDROP>(data);
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    const UINT length = DragQueryFileW(drop, i, nullptr, 0);
    std::wstring file(length + 1, L'\0');
    DragQueryFileW(drop, i, &file[0], length + 1);
    file.resize(length);
    files.push_back(file);
  }
  return files;
}

DropRead ReadDrop() {
  DropRead read;
  if (!OpenForReading(nullptr)) {
    return read;
  }
  HANDLE data = GetClipboardData(CF_HDROP);
  if (data != nullptr) {
    read.present = true;
    const SIZE_T size = GlobalSize(data);
    const void* bytes = GlobalLock(data);
    if (bytes != nullptr) {
      read.bytes.assign(static_cast<const unsigned char*>(bytes),
                        static_cast<const unsigned char*>(bytes) + size);
      GlobalUnlock(data);
    }
    read.files = DropFiles(data);
  }
  CloseClipboard();
  return read;
}

std::wstring ReadText() {
  std::wstring text;
  if (!OpenForReading(nullptr)) {
    return text;
  }
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (data != nullptr) {
    const auto* units = static_cast<const wchar_t*>(GlobalLock(data));
    if (units != nullptr) {
      text = units;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

bool HasFormat(UINT format) {
  if (!OpenForReading(nullptr)) {
    return false;
  }
  const bool has = IsClipboardFormatAvailable(format) != 0;
  CloseClipboard();
  return has;
}

HWND MakeMessageWindow() {
  return CreateWindowExW(0, L"STATIC", L"dropclip test", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

bool PutText(const std::wstring& text) {
  HWND window = MakeMessageWindow();
  if (window == nullptr || !OpenForReading(window)) {
    return false;
  }
  EmptyClipboard();
  const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  bool placed = false;
  if (memory != nullptr) {
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    if (!placed) {
      GlobalFree(memory);
    }
  }
  CloseClipboard();
  DestroyWindow(window);
  return placed;
}

bool HoldClipboard(HWND window) { return OpenForReading(window); }
