// Opens and closes the clipboard and nothing else: the least any tool that
// publishes to the clipboard must do, so the floor for a run's time.
#include <windows.h>

int main() {
  if (!OpenClipboard(nullptr)) {
    return 1;
  }
  return CloseClipboard() ? 0 : 1;
}
