// The real dropclip.exe, started with exact command lines; the clipboard is
// read back after it has ended, as a Paste would read it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "clipboard_reader.h"
#include "drop_expectations.h"
#include "test_bytes.h"
#include "tool_process.h"

namespace {

struct RunCase {
  const char* name;
  std::wstring arguments;           // the command line after the tool's path
  std::vector<std::wstring> paths;  // what the tool must publish
};

const RunCase kRunCases[] = {
    {"two paths, one quoted for its space", L"\"C:\\My Files\\a.txt\" C:\\b.txt",
     {L"C:\\My Files\\a.txt", L"C:\\b.txt"}},
    {"no paths", L"", {}},
    {"non-ASCII letters and a surrogate pair",
     L"C:\\caf\u00E9\\\U0001F600.txt \"D:\\\u65E5\u672C\\\u30D5\u30A1\u30A4\u30EB.txt\"",
     {L"C:\\caf\u00E9\\\U0001F600.txt", L"D:\\\u65E5\u672C\\\u30D5\u30A1\u30A4\u30EB.txt"}},
    {"arguments that look like options", L"-h /? --help /c -",
     {L"-h", L"/?", L"--help", L"/c", L"-"}},
    {"wildcards stay unexpanded", L"*.txt C:\\dir\\?.log \"*\"",
     {L"*.txt", L"C:\\dir\\?.log", L"*"}},
    {"an empty argument drops out of the list", L"a \"\" b", {L"a", L"", L"b"}},
    {"only an empty argument", L"\"\"", {L""}},
    {"repeated and relative paths stay as given", L"x ..\\b x .\\c",
     {L"x", L"..\\b", L"x", L".\\c"}},
    {"paths that name no file", L"Q:\\no\\such\\file.bin", {L"Q:\\no\\such\\file.bin"}},
};

class DropclipRun : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(PutText(L"earlier content")); }
};

TEST_F(DropclipRun, PublishesExactlyTheGivenPaths) {
  for (const RunCase& test : kRunCases) {
    SCOPED_TRACE(test.name);
    ASSERT_TRUE(PutText(L"earlier content"));
    const ToolRun run = RunTool(test.arguments);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.status, 0u);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    const DropRead read = ReadDrop();
    ExpectBlock(read, ExpectedBlock(test.paths));
    // Wine's DragQueryFileW takes the lone closing zero of an empty list for
    // an empty name and reads on past the block, so its answer for an empty
    // list means nothing; the bytes above prove that block.
    if (!NonEmpty(test.paths).empty()) {
      EXPECT_EQ(read.files, NonEmpty(test.paths));
    }
    EXPECT_FALSE(HasFormat(CF_UNICODETEXT)) << "the earlier content was not replaced";
  }
}

TEST_F(DropclipRun, TypicalRunLaysOutTheSeventySixBytes) {
  const ToolRun run = RunTool(L"\"C:\\My Files\\a.txt\" C:\\b.txt");
  EXPECT_EQ(run.status, 0u);
  ExpectBlock(ReadDrop(), Bytes("14 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
                                "01 00 00 00 43 00 3A 00 5C 00 4D 00 79 00 20 00"
                                "46 00 69 00 6C 00 65 00 73 00 5C 00 61 00 2E 00"
                                "74 00 78 00 74 00 00 00 43 00 3A 00 5C 00 62 00"
                                "2E 00 74 00 78 00 74 00 00 00 00 00"));
}

TEST_F(DropclipRun, ClipboardHeldByAnotherProgramIsReportedAndKept) {
  HWND window = MakeMessageWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(HoldClipboard(window));
  const ToolRun run = RunTool(L"C:\\a.txt");
  CloseClipboard();
  DestroyWindow(window);

  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.status, 1u);
  EXPECT_EQ(run.out, "");
  // The standard error stream is in text mode: the line feed becomes CR LF.
  EXPECT_EQ(run.err, "failed to open clipboard\r\n");
  EXPECT_EQ(ReadText(), L"earlier content");
  EXPECT_FALSE(HasFormat(CF_HDROP));
}

TEST_F(DropclipRun, RunAfterTheHolderLetsGoSucceeds) {
  HWND window = MakeMessageWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(HoldClipboard(window));
  CloseClipboard();
  DestroyWindow(window);
  const ToolRun run = RunTool(L"C:\\a.txt");
  EXPECT_EQ(run.status, 0u);
  EXPECT_EQ(run.err, "");
  ExpectBlock(ReadDrop(), Bytes("14 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
                                "01 00 00 00 43 00 3A 00 5C 00 61 00 2E 00 74 00"
                                "78 00 74 00 00 00 00 00"));
}

}  // namespace
