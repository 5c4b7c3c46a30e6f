// The DLL's own entry point, in place of a C runtime's: the loader's attach and detach
// notifications are answered with success, and nothing is done on them.

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

extern "C" BOOL WINAPI RegionFlagsDllEntry(HINSTANCE, DWORD, LPVOID) { return TRUE; }
