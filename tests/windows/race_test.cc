// Several instances at once, and a holder that lets go: whatever the timing,
// each run either succeeds silently or reports one failure, and the
// clipboard ends with one whole list, never a mix.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "clipboard_reader.h"
#include "drop_expectations.h"
#include "test_bytes.h"
#include "tool_process.h"

namespace {

const int kRounds = 40;
const int kInstances = 8;

// Under Wine, openers without a window can share the clipboard, so besides
// the refused open an instance may find it already closed by another, or
// its hand-over refused once another closed it.
const char* const kPublisherFailures[] = {"failed to open clipboard\r\n",
                                          "failed to close clipboard\r\n",
                                          "failed to set clipboard data\r\n"};

bool IsPublisherFailure(const std::string& err) {
  for (const char* message : kPublisherFailures) {
    if (err == message) {
      return true;
    }
  }
  return false;
}

TEST(Race, ConcurrentInstancesLeaveOneWholeList) {
  std::map<std::string, int> outcomes;
  const auto start = std::chrono::steady_clock::now();
  for (int round = 0; round < kRounds; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    const std::wstring marker = L"before round " + std::to_wstring(round);
    ASSERT_TRUE(PutText(marker));

    std::vector<std::vector<std::wstring>> lists(kInstances);
    std::vector<std::wstring> arguments(kInstances);
    for (int i = 0; i < kInstances; ++i) {
      for (int k = 0; k <= i; ++k) {
        lists[i].push_back(L"C:\\round " + std::to_wstring(round) + L"\\instance " +
                           std::to_wstring(i) + L"\\file" + std::to_wstring(k) + L".txt");
        arguments[i] += L"\"" + lists[i].back() + L"\" ";
      }
    }
    std::vector<RunningTool> running(kInstances);
    for (int i = 0; i < kInstances; ++i) {
      ASSERT_TRUE(StartTool(arguments[i], nullptr, &running[i]));
    }
    std::vector<bool> handed_over(kInstances, false);
    for (int i = 0; i < kInstances; ++i) {
      const ToolRun run = FinishTool(&running[i]);
      ASSERT_TRUE(run.finished);
      EXPECT_EQ(run.out, "");
      if (run.status == 0) {
        EXPECT_EQ(run.err, "");
        ++outcomes["success"];
      } else {
        EXPECT_EQ(run.status, 1u);
        EXPECT_TRUE(IsPublisherFailure(run.err)) << run.err;
        ++outcomes[run.err.substr(0, run.err.size() - 2)];
      }
      // A refused close comes after the clipboard accepted the block.
      handed_over[i] = run.status == 0 || run.err == kPublisherFailures[1];
    }

    const DropRead read = ReadDrop();
    int matches = 0;
    for (int i = 0; i < kInstances; ++i) {
      if (BlockMatches(read, ExpectedBlock(lists[i]))) {
        ++matches;
        EXPECT_TRUE(handed_over[i]) << "the list of instance " << i << ", which did not hand over";
        EXPECT_EQ(read.files, lists[i]);
      }
    }
    if (std::count(handed_over.begin(), handed_over.end(), true) > 0) {
      EXPECT_EQ(matches, 1) << "the clipboard holds no instance's whole list";
    } else {
      EXPECT_FALSE(read.present);
      EXPECT_EQ(ReadText(), marker);
    }
  }
  const auto seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%d rounds of %d instances in %.1f s:\n", kRounds, kInstances, seconds);
  for (const auto& outcome : outcomes) {
    std::printf("  %s: %d\n", outcome.first.c_str(), outcome.second);
  }
  EXPECT_GT(outcomes["success"], 0);
}

TEST(Race, RunDuringAHoldFailsAndARunAfterItSucceeds) {
  ASSERT_TRUE(PutText(L"held content"));
  HANDLE holding = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  // Another thread with a window of its own stands for the other program.
  std::thread holder([&] {
    HWND window = MakeMessageWindow();
    const bool held = window != nullptr && HoldClipboard(window);
    SetEvent(holding);
    if (held) {
      WaitForSingleObject(release, 10000);
      Sleep(300);  // still held for a while after the run
      CloseClipboard();
    }
    DestroyWindow(window);
  });
  ASSERT_EQ(WaitForSingleObject(holding, 10000), WAIT_OBJECT_0);
  const ToolRun during = RunTool(L"C:\\during.txt");
  SetEvent(release);
  holder.join();
  const ToolRun after = RunTool(L"C:\\after.txt");
  CloseHandle(holding);
  CloseHandle(release);

  EXPECT_EQ(during.status, 1u);
  EXPECT_EQ(during.err, "failed to open clipboard\r\n");
  EXPECT_EQ(during.out, "");
  EXPECT_EQ(after.status, 0u);
  EXPECT_EQ(after.err, "");
  ExpectBlock(ReadDrop(), ExpectedBlock({L"C:\\after.txt"}));
}

}  // namespace
