// TabSkin.dll holds resources only; the host loads it and hands its handle to the controls.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
