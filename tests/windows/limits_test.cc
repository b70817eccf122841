// The platform's limits, and command lines whose split is the platform's
// business: the tool must publish exactly what CommandLineToArgvW returns.
#include <gtest/gtest.h>
// The platform header first: the others build on it.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "clipboard_reader.h"
#include "drop_expectations.h"
#include "test_bytes.h"
#include "tool_process.h"

namespace {

// CreateProcessW takes at most 32,767 characters with the terminating zero.
const std::size_t kLongestCommandLine = 32766;

std::size_t RoomForArguments() { return kLongestCommandLine - ToolCommandLine(L"").size(); }

// The paths the platform's split gives for the tool's own command line.
std::vector<std::wstring> SplitPaths(const std::wstring& arguments) {
  int count = 0;
  LPWSTR* split = CommandLineToArgvW(ToolCommandLine(arguments).c_str(), &count);
  std::vector<std::wstring> paths;
  for (int i = 1; split != nullptr && i < count; ++i) {
    paths.emplace_back(split[i]);
  }
  LocalFree(split);
  return paths;
}

void ExpectPublished(const std::wstring& arguments, const std::vector<std::wstring>& paths) {
  const ToolRun run = RunTool(arguments);
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.status, 0u);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");
  const DropRead read = ReadDrop();
  ExpectBlock(read, ExpectedBlock(paths));
  EXPECT_EQ(read.files.size(), NonEmpty(paths).size());
  EXPECT_TRUE(read.files == NonEmpty(paths));
}

TEST(Limits, AsManyOneLetterPathsAsTheCommandLineCarries) {
  std::wstring arguments;
  std::vector<std::wstring> paths;
  while (arguments.size() + 2 <= RoomForArguments()) {
    paths.emplace_back(1, static_cast<wchar_t>(L'a' + paths.size() % 26));
    arguments += paths.back();
    arguments += L' ';
  }
  arguments.pop_back();
  ASSERT_GE(paths.size(), 15000u);
  RecordProperty("paths", static_cast<int>(paths.size()));
  std::printf("one-letter paths: %zu, command line: %zu units\n", paths.size(),
              ToolCommandLine(arguments).size());
  ExpectPublished(arguments, paths);
}

TEST(Limits, OnePathThatFillsTheCommandLine) {
  std::wstring path = L"C:\\";
  path.append(RoomForArguments() - path.size(), L'x');
  ASSERT_GE(path.size(), 32000u);
  std::printf("longest path: %zu units\n", path.size());
  ExpectPublished(path, {path});
}

struct SplitCase {
  const char* name;
  std::wstring arguments;
};

const SplitCase kSplitCases[] = {
    {"a lone high surrogate", L"C:\\lone\xD800.txt"},
    {"a lone low surrogate", L"\xDC00"},
    {"surrogates in the wrong order", L"C:\\\xDE00\xD83D"},
    {"long-path prefix", L"\\\\?\\C:\\very\\long\\path.txt"},
    {"UNC path", L"\\\\server\\share\\folder\\file.txt \"\\\\server\\share\\with space\""},
    {"backslashes before a quote", L"\"C:\\dir\\\\\" b\\\\\\\"c \"d\\\\\\\\\"e"},
    {"doubled quotes inside quotes", L"\"a\"\"b\" \"\"\"\" c\"\"d"},
    {"quote opened mid-argument", L"ab\"c d\"e f"},
    {"tabs and runs of spaces", L"a\t\tb    c \t \"d\te\""},
    {"unterminated quote", L"x \"C:\\open ended"},
    {"trailing backslashes", L"C:\\ \"C:\\dir\\\\\" D:\\\\"},
};

TEST(Split, PublishesWhatThePlatformSplitReturns) {
  for (const SplitCase& test : kSplitCases) {
    SCOPED_TRACE(test.name);
    const std::vector<std::wstring> paths = SplitPaths(test.arguments);
    ASSERT_FALSE(paths.empty());
    ExpectPublished(test.arguments, paths);
  }
}

}  // namespace
