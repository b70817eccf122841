// Host stand-in for the platform header: only the types, values and calls
// that dropclip uses, served by the recording double in win32_double.cc.
#ifndef DROPCLIP_TEST_WINDOWS_H
#define DROPCLIP_TEST_WINDOWS_H

#include <cstddef>

typedef int BOOL;
typedef unsigned int UINT;
typedef std::size_t SIZE_T;
typedef void* HANDLE;
typedef HANDLE HGLOBAL;
typedef HANDLE HLOCAL;
typedef struct HWND__* HWND;
typedef wchar_t* LPWSTR;
typedef const wchar_t* LPCWSTR;

const UINT GMEM_MOVEABLE = 0x0002;
const UINT GMEM_ZEROINIT = 0x0040;
const UINT CF_HDROP = 15;

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);
void* GlobalLock(HGLOBAL memory);
BOOL GlobalUnlock(HGLOBAL memory);
HGLOBAL GlobalFree(HGLOBAL memory);
BOOL OpenClipboard(HWND owner);
BOOL EmptyClipboard();
HANDLE SetClipboardData(UINT format, HANDLE data);
BOOL CloseClipboard();
LPWSTR GetCommandLineW();
HLOCAL LocalFree(HLOCAL memory);

#endif
