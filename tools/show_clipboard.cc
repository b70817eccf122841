// Prints what the clipboard offers: each format, and for a file-drop list
// the files a Paste would receive, one per line in UTF-8.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

void PrintUtf8(const wchar_t* text, int length) {
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, length, &utf8[0], bytes, nullptr, nullptr);
  std::fwrite(utf8.data(), 1, utf8.size(), stdout);
}

const char* StandardFormatName(UINT format) {
  switch (format) {
    case CF_TEXT: return "CF_TEXT";
    case CF_OEMTEXT: return "CF_OEMTEXT";
    case CF_UNICODETEXT: return "CF_UNICODETEXT";
    case CF_LOCALE: return "CF_LOCALE";
    case CF_HDROP: return "CF_HDROP";
    default: return nullptr;
  }
}

}  // namespace

int main() {
  if (!OpenClipboard(nullptr)) {
    std::fputs("the clipboard cannot be opened\n", stderr);
    return 1;
  }
  std::printf("formats on the clipboard:\n");
  for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format)) {
    wchar_t name[256];
    const char* standard = StandardFormatName(format);
    if (standard != nullptr) {
      std::printf("  %u %s\n", format, standard);
    } else if (const int length = GetClipboardFormatNameW(format, name, 256); length > 0) {
      std::printf("  %u ", format);
      PrintUtf8(name, length);
      std::printf("\n");
    } else {
      std::printf("  %u\n", format);
    }
  }
  if (HANDLE data = GetClipboardData(CF_HDROP); data != nullptr) {
    HDROP drop = static_cast<HDROP>(data);
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    std::printf("CF_HDROP: %lu bytes, %u file(s):\n", static_cast<unsigned long>(GlobalSize(data)),
                count);
    for (UINT i = 0; i < count; ++i) {
      wchar_t file[32768];
      const UINT length = DragQueryFileW(drop, i, file, 32768);
      std::printf("  [%u] ", i);
      PrintUtf8(file, static_cast<int>(length));
      std::printf("\n");
    }
  }
  CloseClipboard();
  return 0;
}
