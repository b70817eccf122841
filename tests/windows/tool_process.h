// Runs the built dropclip.exe as a child process with an exact command line
// and collects what it left: exit status and both output streams.
#ifndef DROPCLIP_TEST_TOOL_PROCESS_H
#define DROPCLIP_TEST_TOOL_PROCESS_H

#include <windows.h>

#include <string>

struct ToolRun {
  DWORD status = 0xFFFFFFFF;
  std::string out;
  std::string err;
  bool finished = false;  // ended within the time limit
};

// The full path of dropclip.exe, which the build puts beside the tests.
std::wstring ToolPath();

// The exact command line that starts the tool with these arguments.
std::wstring ToolCommandLine(const std::wstring& arguments);

// Starts the tool with ToolCommandLine(arguments) from the given working
// directory (null: ours), and waits for it.
ToolRun RunTool(const std::wstring& arguments, const wchar_t* directory = nullptr);

// Starts the process without waiting; the caller finishes it with
// FinishTool. Returns false if it could not be started.
struct RunningTool {
  PROCESS_INFORMATION process = {};
  HANDLE out = nullptr;
  HANDLE err = nullptr;
};
bool StartTool(const std::wstring& arguments, const wchar_t* directory, RunningTool* running);
ToolRun FinishTool(RunningTool* running);

#endif
