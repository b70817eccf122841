#include "tool_process.h"

#include <vector>

namespace {

const DWORD kTimeLimitMs = 60000;

std::string ReadAll(HANDLE pipe) {
  std::string text;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) {
    text.append(buffer, got);
  }
  return text;
}

// A pipe whose write end the child inherits and whose read end stays ours.
bool MakeOutputPipe(HANDLE* read_end, HANDLE* write_end) {
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  if (!CreatePipe(read_end, write_end, &inherit, 1 << 16)) {
    return false;
  }
  return SetHandleInformation(*read_end, HANDLE_FLAG_INHERIT, 0) != 0;
}

void CloseIfOpen(HANDLE* handle) {
  if (*handle != nullptr) {
    CloseHandle(*handle);
    *handle = nullptr;
  }
}

}  // namespace

std::wstring ToolPath() {
  wchar_t self[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path(self, length);
  return path.substr(0, path.find_last_of(L"\\/") + 1) + L"dropclip.exe";
}

std::wstring ToolCommandLine(const std::wstring& arguments) {
  return L"\"" + ToolPath() + L"\" " + arguments;
}

bool StartTool(const std::wstring& arguments, const wchar_t* directory, RunningTool* running) {
  HANDLE out_write = nullptr;
  HANDLE err_write = nullptr;
  const bool piped =
      MakeOutputPipe(&running->out, &out_write) && MakeOutputPipe(&running->err, &err_write);
  const std::wstring tool = ToolPath();
  const std::wstring command_line = ToolCommandLine(arguments);
  std::vector<wchar_t> writable(command_line.begin(), command_line.end());
  writable.push_back(L'\0');

  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = nullptr;
  startup.hStdOutput = out_write;
  startup.hStdError = err_write;
  const bool started =
      piped && CreateProcessW(tool.c_str(), writable.data(), nullptr, nullptr, TRUE,
                              CREATE_NO_WINDOW, nullptr, directory, &startup, &running->process);
  // Only the child may hold the write ends, so the reads end when it does.
  CloseIfOpen(&out_write);
  CloseIfOpen(&err_write);
  if (!started) {
    CloseIfOpen(&running->out);
    CloseIfOpen(&running->err);
  }
  return started;
}

ToolRun FinishTool(RunningTool* running) {
  ToolRun run;
  run.finished = WaitForSingleObject(running->process.hProcess, kTimeLimitMs) == WAIT_OBJECT_0;
  if (!run.finished) {
    TerminateProcess(running->process.hProcess, 99);
  }
  GetExitCodeProcess(running->process.hProcess, &run.status);
  run.out = ReadAll(running->out);
  run.err = ReadAll(running->err);
  CloseHandle(running->out);
  CloseHandle(running->err);
  CloseHandle(running->process.hThread);
  CloseHandle(running->process.hProcess);
  return run;
}

ToolRun RunTool(const std::wstring& arguments, const wchar_t* directory) {
  RunningTool running;
  if (!StartTool(arguments, directory, &running)) {
    return ToolRun();
  }
  return FinishTool(&running);
}
