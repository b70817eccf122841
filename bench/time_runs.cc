// Times whole runs, interleaved in one session: dropclip.exe with one path
// and with 15,000 paths, and the floor program that only opens and closes
// the clipboard, started bare and with the same command lines (a long
// command line costs every program, in process creation and the C runtime's
// start-up). Prints the medians and their ratios to the floor.
//   time_runs.exe [rounds]
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::wstring Beside(const wchar_t* name) {
  wchar_t self[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path(self, length);
  return path.substr(0, path.find_last_of(L"\\/") + 1) + name;
}

// Wall time of one run from its start to its end, in milliseconds; negative
// if it could not be started or did not end with status 0.
double TimeRun(const std::wstring& program, const std::wstring& arguments) {
  std::wstring command_line = L"\"" + program + L"\" " + arguments;
  std::vector<wchar_t> writable(command_line.begin(), command_line.end());
  writable.push_back(L'\0');
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  LARGE_INTEGER frequency;
  LARGE_INTEGER begin;
  LARGE_INTEGER end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&begin);
  if (!CreateProcessW(program.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return -1;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  QueryPerformanceCounter(&end);
  DWORD status = 1;
  GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (status != 0) {
    return -1;
  }
  return static_cast<double>(end.QuadPart - begin.QuadPart) * 1000.0 /
         static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 60;
  const std::wstring tool = Beside(L"dropclip.exe");
  const std::wstring floor = Beside(L"clipboard_floor.exe");
  std::wstring many;
  for (int i = 0; i < 15000; ++i) {
    many += static_cast<wchar_t>(L'a' + i % 26);
    many += L' ';
  }
  const std::wstring one = L"C:\\Users\\someone\\Documents\\report.txt";
  struct Subject {
    const char* name;
    std::wstring program;
    std::wstring arguments;
    std::vector<double> times;
  };
  enum { kFloor, kFloorOne, kToolOne, kFloorMany, kToolMany };
  std::vector<Subject> subjects = {
      {"floor, no arguments", floor, L"", {}},
      {"floor, the one-path command line", floor, one, {}},
      {"dropclip.exe, one path", tool, one, {}},
      {"floor, the 15,000-path command line", floor, many, {}},
      {"dropclip.exe, 15,000 paths", tool, many, {}},
  };
  // One warm-up run each, then each round in its own shuffled order, so that
  // drift in the machine's speed and the effect of one run on the next fall
  // on every subject alike.
  for (Subject& subject : subjects) {
    TimeRun(subject.program, subject.arguments);
  }
  std::vector<std::size_t> order;
  for (std::size_t k = 0; k < subjects.size(); ++k) {
    order.push_back(k);
  }
  std::uint32_t seed = 12345;
  for (int round = 0; round < rounds; ++round) {
    for (std::size_t k = order.size() - 1; k > 0; --k) {
      seed = seed * 1664525u + 1013904223u;
      std::swap(order[k], order[(seed >> 8) % (k + 1)]);
    }
    for (std::size_t k : order) {
      Subject& subject = subjects[k];
      const double ms = TimeRun(subject.program, subject.arguments);
      if (ms < 0) {
        std::fprintf(stderr, "a run of %s failed\n", subject.name);
        return 1;
      }
      subject.times.push_back(ms);
    }
  }
  std::vector<double> medians;
  std::printf("%d shuffled rounds, medians of whole runs:\n", rounds);
  for (const Subject& subject : subjects) {
    medians.push_back(Median(subject.times));
    std::printf("  %-40s %8.2f ms\n", subject.name, medians.back());
  }
  std::printf("ratios:\n");
  std::printf("  one path to the floor with its command line      %.3f\n",
              medians[kToolOne] / medians[kFloorOne]);
  std::printf("  15,000 paths to the floor with its command line  %.3f\n",
              medians[kToolMany] / medians[kFloorMany]);
  std::printf("  one path to the bare floor                       %.3f\n",
              medians[kToolOne] / medians[kFloor]);
  std::printf("  15,000 paths to the bare floor                   %.3f\n",
              medians[kToolMany] / medians[kFloor]);
  return 0;
}
