// dropclip: replaces the clipboard's content with the given paths as one
// file-drop list (CF_HDROP), so that a Paste acts on those files.
//
// The arguments come from the UTF-16 command line, never from the C
// runtime's narrow argv, so no path passes through a code page.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>

#include "clipboard_publication.h"

int main() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (arguments == nullptr) {
    static const char kMessage[] = "error: failed to parse command line arguments\n";
    (void)std::fwrite(kMessage, 1, sizeof kMessage - 1, stderr);
    return 1;
  }
  // The first argument is the program's own path; every other is a path to
  // publish as it stands. The paths live in the argument block, so it is
  // released only after the publication.
  const bool published = CopyFilesToClipboard(count - 1, arguments + 1);
  LocalFree(arguments);
  return published ? 0 : 1;
}
