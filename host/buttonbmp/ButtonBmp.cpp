// ButtonBmp.dll holds resources only; the host loads it and hands its handle to the library.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
