// Host stand-in for the platform's shell header: the command-line splitter.
#ifndef DROPCLIP_TEST_SHELLAPI_H
#define DROPCLIP_TEST_SHELLAPI_H

#include "windows.h"

LPWSTR* CommandLineToArgvW(LPCWSTR command_line, int* count);

#endif
