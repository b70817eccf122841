#include "clipboard_publication.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_bytes.h"
#include "win32_double.h"

namespace {

using Calls = std::vector<std::string>;

class Publication : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetWin32Double();
    win32.clipboard_data = {0xAB, 0xCD};  // what another program left there
  }
  void TearDown() override { ResetWin32Double(); }

  // Publishes the list, keeping the result and what went to standard error.
  void Publish(const std::vector<std::wstring>& list) {
    std::vector<const wchar_t*> paths;
    for (const std::wstring& path : list) {
      paths.push_back(path.c_str());
    }
    message = CaptureStderr([&] {
      result = CopyFilesToClipboard(static_cast<std::int32_t>(paths.size()), paths.data());
    });
  }

  bool result = false;
  std::string message;
};

const Calls kAllCalls = {
    "GlobalAlloc(0x0042, 76)", "GlobalLock(block1)",   "GlobalUnlock(block1)",
    "OpenClipboard(no window)", "EmptyClipboard()", "SetClipboardData(15, block1)",
    "CloseClipboard()"};

const std::vector<std::wstring> kTwoPaths = {L"C:\\My Files\\a.txt", L"C:\\b.txt"};

TEST_F(Publication, HandsTheBlockToTheClipboard) {
  Publish(kTwoPaths);
  EXPECT_TRUE(result);
  EXPECT_EQ(message, "");
  EXPECT_EQ(win32.calls, kAllCalls);
  EXPECT_EQ(win32.clipboard_data, ExpectedBlock(kTwoPaths));
  ASSERT_EQ(win32.blocks.size(), 1u);
  EXPECT_EQ(win32.blocks[0].flags, 0x0042u);
  EXPECT_EQ(win32.blocks[0].locks, 0) << "handed over while still locked";
  EXPECT_TRUE(win32.blocks[0].on_clipboard);
  EXPECT_FALSE(win32.blocks[0].freed) << "the clipboard owns the block now";
  EXPECT_FALSE(win32.clipboard_open);
}

TEST_F(Publication, NoPathsPublishAnEmptyList) {
  Publish({});
  EXPECT_TRUE(result);
  EXPECT_EQ(message, "");
  EXPECT_EQ(win32.calls[0], "GlobalAlloc(0x0042, 22)");
  EXPECT_EQ(win32.calls.size(), kAllCalls.size());
  EXPECT_EQ(win32.clipboard_data, ExpectedBlock({}));
}

struct Refusal {
  const char* call;
  bool Win32Double::*refuse;
  const char* message;
  Calls calls;             // everything called, in order
  bool block_freed;        // released by the publisher
  bool clipboard_changed;  // emptied and given the new block
};

const Refusal kRefusals[] = {
    {"GlobalAlloc", &Win32Double::refuse_global_alloc, "failed to allocate global memory\n",
     {"GlobalAlloc(0x0042, 76)"}, false, false},
    {"GlobalLock", &Win32Double::refuse_global_lock, "failed to lock global memory\n",
     {"GlobalAlloc(0x0042, 76)", "GlobalLock(block1)", "GlobalFree(block1)"}, true, false},
    {"OpenClipboard", &Win32Double::refuse_open_clipboard, "failed to open clipboard\n",
     {"GlobalAlloc(0x0042, 76)", "GlobalLock(block1)", "GlobalUnlock(block1)",
      "OpenClipboard(no window)", "GlobalFree(block1)"},
     true, false},
    {"SetClipboardData", &Win32Double::refuse_set_clipboard_data,
     "failed to set clipboard data\n",
     {"GlobalAlloc(0x0042, 76)", "GlobalLock(block1)", "GlobalUnlock(block1)",
      "OpenClipboard(no window)", "EmptyClipboard()", "SetClipboardData(15, block1)",
      "GlobalFree(block1)", "CloseClipboard()"},
     true, true},
    {"CloseClipboard", &Win32Double::refuse_close_clipboard, "failed to close clipboard\n",
     kAllCalls, false, true},
};

TEST_F(Publication, EachRefusalIsReportedOnceAndEndsThePublication) {
  for (const Refusal& refusal : kRefusals) {
    SCOPED_TRACE(refusal.call);
    SetUp();
    win32.*refusal.refuse = true;
    Publish(kTwoPaths);
    EXPECT_FALSE(result);
    EXPECT_EQ(message, refusal.message);
    EXPECT_EQ(win32.calls, refusal.calls);
    if (!win32.blocks.empty()) {
      EXPECT_EQ(win32.blocks[0].freed, refusal.block_freed);
      EXPECT_EQ(win32.blocks[0].locks, 0);
    }
    EXPECT_FALSE(win32.clipboard_open) << "the clipboard was left open";
    if (!refusal.clipboard_changed) {
      EXPECT_EQ(win32.clipboard_data, Bytes("AB CD"));
    }
  }
}

TEST_F(Publication, RefusedCloseLeavesTheNewBlockOnTheClipboard) {
  win32.refuse_close_clipboard = true;
  Publish(kTwoPaths);
  EXPECT_EQ(win32.clipboard_data, ExpectedBlock(kTwoPaths));
  EXPECT_TRUE(win32.blocks[0].on_clipboard);
}

TEST_F(Publication, MessagesAreExactBytesWithNoTerminatingZero) {
  // Sizes as the callers of the tool see them.
  const std::pair<bool Win32Double::*, std::size_t> sizes[] = {
      {&Win32Double::refuse_global_alloc, 33}, {&Win32Double::refuse_global_lock, 29},
      {&Win32Double::refuse_open_clipboard, 25}, {&Win32Double::refuse_set_clipboard_data, 29},
      {&Win32Double::refuse_close_clipboard, 26}};
  for (const auto& size : sizes) {
    SetUp();
    win32.*size.first = true;
    Publish({L"a"});
    EXPECT_EQ(message.size(), size.second) << message;
    EXPECT_EQ(message.find('\0'), std::string::npos);
  }
}

}  // namespace
