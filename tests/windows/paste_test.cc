// A Paste for real: real files are put on the clipboard by dropclip.exe, and
// a consumer that does what a file manager does copies them elsewhere.
#include <gtest/gtest.h>
// The platform header first: the others build on it.
#include <windows.h>
#include <ole2.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "clipboard_reader.h"
#include "tool_process.h"

namespace {

struct TestFile {
  std::wstring name;
  std::string content;
};

std::string Pseudorandom(std::size_t size) {
  std::string bytes(size, '\0');
  std::uint32_t state = 2463534242u;
  for (char& byte : bytes) {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    byte = static_cast<char>(state & 0xFF);
  }
  return bytes;
}

const std::vector<TestFile>& Files() {
  static const std::vector<TestFile> files = {
      {L"name with spaces.txt", "spaces\r\n"},
      {L"\u00C5ngstr\u00F6m r\u00E9sum\u00E9 \u65E5\u672C.txt", "non-ASCII letters"},
      {L"smile \U0001F600.bin", "outside the Basic Multilingual Plane"},
      {L"empty", ""},
      {L"large.bin", Pseudorandom(3 * 1024 * 1024 + 17)},
  };
  return files;
}

std::wstring MakeFolder(const std::wstring& parent, const std::wstring& name) {
  const std::wstring path = parent + L"\\" + name;
  CreateDirectoryW(path.c_str(), nullptr);
  return path;
}

bool WriteWholeFile(const std::wstring& path, const std::string& content) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return false;
  }
  DWORD written = 0;
  const BOOL ok = content.empty() || WriteFile(file, content.data(),
                                               static_cast<DWORD>(content.size()), &written,
                                               nullptr);
  CloseHandle(file);
  return ok && written == content.size();
}

bool ReadWholeFile(const std::wstring& path, std::string* content) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return false;
  }
  content->clear();
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) {
    content->append(buffer, got);
  }
  CloseHandle(file);
  return true;
}

std::vector<std::wstring> FolderNames(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) {
    return names;
  }
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") {
      names.push_back(name);
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

// What a file manager's Paste does: the clipboard through OLE, the file list
// through DragQueryFileW, then a shell copy into the destination.
struct Pasted {
  bool got_data = false;
  std::vector<std::wstring> files;
  int copy_result = -1;
};

Pasted Paste(const std::wstring& destination) {
  Pasted pasted;
  IDataObject* data = nullptr;
  if (FAILED(OleGetClipboard(&data))) {
    return pasted;
  }
  FORMATETC format = {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  STGMEDIUM medium = {};
  if (SUCCEEDED(data->GetData(&format, &medium))) {
    pasted.got_data = true;
    pasted.files = DropFiles(medium.hGlobal);
    ReleaseStgMedium(&medium);
  }
  data->Release();
  if (pasted.files.empty()) {
    return pasted;
  }
  // The shell takes lists with a zero after each name and one more at the end.
  std::wstring from;
  for (const std::wstring& file : pasted.files) {
    from += file;
    from.push_back(L'\0');
  }
  from.push_back(L'\0');
  std::wstring to = destination;
  to.push_back(L'\0');
  SHFILEOPSTRUCTW copy = {};
  copy.wFunc = FO_COPY;
  copy.pFrom = from.c_str();
  copy.pTo = to.c_str();
  copy.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_NOCONFIRMMKDIR;
  pasted.copy_result = SHFileOperationW(&copy);
  return pasted;
}

class PasteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring base = temp;
    if (!base.empty() && base.back() == L'\\') {
      base.pop_back();
    }
    root = MakeFolder(base, L"dropclip-paste-" + std::to_wstring(GetCurrentProcessId()));
    source = MakeFolder(root, L"source folder");
    destination = MakeFolder(root, L"destination");
    for (const TestFile& file : Files()) {
      ASSERT_TRUE(WriteWholeFile(source + L"\\" + file.name, file.content));
    }
  }
  void TearDown() override {
    std::wstring tree = root;
    tree.push_back(L'\0');
    tree.push_back(L'\0');
    SHFILEOPSTRUCTW remove = {};
    remove.wFunc = FO_DELETE;
    remove.pFrom = tree.c_str();
    remove.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI;
    SHFileOperationW(&remove);
    OleUninitialize();
  }

  // The destination holds every file with identical bytes, and nothing else.
  void ExpectCopies() {
    std::vector<std::wstring> expected;
    for (const TestFile& file : Files()) {
      expected.push_back(file.name);
      std::string copied;
      ASSERT_TRUE(ReadWholeFile(destination + L"\\" + file.name, &copied))
          << "missing: " << ::testing::PrintToString(file.name);
      EXPECT_TRUE(copied == file.content) << ::testing::PrintToString(file.name) << ": "
                                          << copied.size() << " bytes, expected "
                                          << file.content.size();
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(FolderNames(destination), expected);
  }

  std::wstring root;
  std::wstring source;
  std::wstring destination;
};

TEST_F(PasteTest, AbsolutePathsArePastedAsTheFilesThemselves) {
  std::wstring arguments;
  std::vector<std::wstring> given;
  for (const TestFile& file : Files()) {
    given.push_back(source + L"\\" + file.name);
    arguments += L"\"" + given.back() + L"\" ";
  }
  const ToolRun run = RunTool(arguments);
  ASSERT_EQ(run.status, 0u) << run.err;

  const Pasted pasted = Paste(destination);
  ASSERT_TRUE(pasted.got_data);
  EXPECT_EQ(pasted.files, given);
  EXPECT_EQ(pasted.copy_result, 0);
  ExpectCopies();
}

TEST_F(PasteTest, RelativePathsReachTheConsumerAsGiven) {
  std::vector<std::wstring> given;
  for (const TestFile& file : Files()) {
    given.push_back(L".\\" + file.name);
  }
  given.back() = L"..\\source folder\\" + Files().back().name;
  std::wstring arguments;
  for (const std::wstring& path : given) {
    arguments += L"\"" + path + L"\" ";
  }
  const ToolRun run = RunTool(arguments, source.c_str());
  ASSERT_EQ(run.status, 0u) << run.err;

  // The tool made nothing absolute: the consumer resolves the names from its
  // own working directory, here the one the tool was started in.
  const Pasted names = [&] {
    wchar_t saved[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, saved);
    SetCurrentDirectoryW(source.c_str());
    Pasted result = Paste(destination);
    SetCurrentDirectoryW(saved);
    return result;
  }();
  ASSERT_TRUE(names.got_data);
  EXPECT_EQ(names.files, given);
  EXPECT_EQ(names.copy_result, 0);
  ExpectCopies();
}

}  // namespace
