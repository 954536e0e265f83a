// Fennor.dll holds resources only; the image information dialog loads it while it initialises.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
