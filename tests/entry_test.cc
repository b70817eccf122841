// The entry, compiled with its main renamed, against the Win32 double and a
// recording stand-in for the publication.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clipboard_publication.h"
#include "test_bytes.h"
#include "win32_double.h"

int RunDropclipMain();

namespace {

struct Received {
  std::int32_t count = -99;
  const wchar_t* const* paths = nullptr;
  std::vector<std::wstring> texts;
};

Received received;
bool publication_succeeds = true;

}  // namespace

bool CopyFilesToClipboard(std::int32_t count, const wchar_t* const* paths) {
  win32.calls.push_back("CopyFilesToClipboard(" + std::to_string(count) + ")");
  received.count = count;
  received.paths = paths;
  for (std::int32_t i = 0; i < count; ++i) {
    received.texts.emplace_back(paths[i]);
  }
  return publication_succeeds;
}

namespace {

class Entry : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetWin32Double();
    received = Received();
    publication_succeeds = true;
  }
  void TearDown() override { ResetWin32Double(); }

  void Run() {
    message = CaptureStderr([&] { status = RunDropclipMain(); });
  }

  int status = -1;
  std::string message;
};

TEST_F(Entry, SplitFailureWritesItsMessageAndDoesNothingElse) {
  win32.refuse_command_line_split = true;
  Run();
  EXPECT_EQ(status, 1);
  EXPECT_EQ(message, "error: failed to parse command line arguments\n");
  EXPECT_EQ(message.size(), 46u);
  EXPECT_EQ(win32.calls,
            (std::vector<std::string>{"GetCommandLineW()", "CommandLineToArgvW(command line)"}));
}

TEST_F(Entry, PassesEveryArgumentAfterTheFirstUnchangedAndInOrder) {
  win32.arguments = {L"C:\\tools\\dropclip.exe", L"-h",  L"/?",         L"*.txt",
                     L"",                          L"a",   L"a",          L"..\\rel",
                     Utf16(u"\U0001F600\u00E9"),   L"--", L"C:\\My Files\\x"};
  Run();
  EXPECT_EQ(status, 0);
  EXPECT_EQ(message, "");
  EXPECT_EQ(received.count, 10);
  EXPECT_EQ(received.texts,
            std::vector<std::wstring>(win32.arguments.begin() + 1, win32.arguments.end()));
  // A view into the argument block, not a copy.
  EXPECT_EQ(received.paths, win32.argument_block + 1);
}

TEST_F(Entry, ReleasesTheArgumentBlockOnceAfterThePublication) {
  win32.arguments = {L"dropclip.exe", L"a.txt"};
  Run();
  EXPECT_EQ(status, 0);
  EXPECT_EQ(win32.calls,
            (std::vector<std::string>{"GetCommandLineW()", "CommandLineToArgvW(command line)",
                                      "CopyFilesToClipboard(1)", "LocalFree(argument block)"}));
  EXPECT_FALSE(win32.argument_block_live);
}

TEST_F(Entry, NoPathsPublishAnEmptyList) {
  Run();
  EXPECT_EQ(status, 0);
  EXPECT_EQ(message, "");
  EXPECT_EQ(received.count, 0);
  EXPECT_EQ(received.paths, win32.argument_block + 1);
  EXPECT_FALSE(win32.argument_block_live);
}

TEST_F(Entry, FailedPublicationEndsWithStatusOne) {
  win32.arguments = {L"dropclip.exe", L"a.txt"};
  publication_succeeds = false;
  Run();
  EXPECT_EQ(status, 1);
  EXPECT_EQ(message, "") << "the publisher writes its own message";
  EXPECT_EQ(win32.calls.back(), "LocalFree(argument block)");
}

}  // namespace
