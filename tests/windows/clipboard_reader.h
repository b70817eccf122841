// What a reader of the clipboard sees, read the way a file manager's Paste
// would, plus the means to hold the clipboard and to leave content on it.
#ifndef DROPCLIP_TEST_CLIPBOARD_READER_H
#define DROPCLIP_TEST_CLIPBOARD_READER_H

#include <windows.h>

#include <string>
#include <vector>

struct DropRead {
  bool present = false;             // CF_HDROP is on the clipboard
  std::vector<unsigned char> bytes;  // the whole block, GlobalSize bytes
  std::vector<std::wstring> files;   // as DragQueryFileW gives them
};

DropRead ReadDrop();

// The names in a file-drop list, as DragQueryFileW gives them.
std::vector<std::wstring> DropFiles(HANDLE drop);

// CF_UNICODETEXT, or an empty string when there is none.
std::wstring ReadText();
bool HasFormat(UINT format);

// Replaces the clipboard's content with text, opened by a window of ours.
bool PutText(const std::wstring& text);

// A message-only window: an opener with a real window holds the clipboard
// against openers without one (two window-less openers may share it).
HWND MakeMessageWindow();

// Opens the clipboard for the window and keeps it open until CloseClipboard.
bool HoldClipboard(HWND window);

#endif
