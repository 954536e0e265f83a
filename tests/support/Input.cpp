#include "Input.h"
#include "TestApp.h"

namespace ostrel_test {

void SendMouse(HWND hWnd, UINT message, int x, int y, WPARAM keys) {
  SendMessageA(hWnd, message, keys, MAKELPARAM(x, y));
}

void SendClick(HWND hWnd, int x, int y) {
  SendMouse(hWnd, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
  SendMouse(hWnd, WM_LBUTTONUP, x, y);
}

static INPUT MouseInput(int screenX, int screenY, DWORD flags) {
  INPUT in = {};
  in.type = INPUT_MOUSE;
  in.mi.dx = (LONG)(screenX * 65535.0 / (GetSystemMetrics(SM_CXSCREEN) - 1) + 0.5);
  in.mi.dy = (LONG)(screenY * 65535.0 / (GetSystemMetrics(SM_CYSCREEN) - 1) + 0.5);
  in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
  return in;
}

// Input sent is queued at once; it has been handled when this thread's queue holds none of it.
static void PumpInput() {
  PumpUntil([] { return HIWORD(GetQueueStatus(QS_INPUT)) == 0; }, 1000);
}

void InputMove(int screenX, int screenY) {
  INPUT in = MouseInput(screenX, screenY, MOUSEEVENTF_MOVE);
  SendInput(1, &in, sizeof in);
  PumpInput();
}

void QueueClick(int screenX, int screenY, bool right) {
  INPUT in[3] = {MouseInput(screenX, screenY, MOUSEEVENTF_MOVE),
                 MouseInput(screenX, screenY, right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN),
                 MouseInput(screenX, screenY, right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP)};
  SendInput(3, in, sizeof in[0]);
}

void InputClick(int screenX, int screenY, bool right) {
  QueueClick(screenX, screenY, right);
  PumpInput();
}

static INPUT KeyInput(WORD vk, bool up) {
  INPUT in = {};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.wScan = (WORD)MapVirtualKeyA(vk, MAPVK_VK_TO_VSC);
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return in;
}

void InputKey(WORD vk) {
  INPUT in[2] = {KeyInput(vk, false), KeyInput(vk, true)};
  SendInput(2, in, sizeof in[0]);
}

void InputText(const char* text) {
  for (const char* p = text; *p != '\0'; ++p) {
    const SHORT scan = VkKeyScanA(*p);
    if (scan == -1) continue;
    INPUT shift[2] = {KeyInput(VK_SHIFT, false), KeyInput(VK_SHIFT, true)};
    if (scan & 0x100) SendInput(1, &shift[0], sizeof shift[0]);
    InputKey(LOBYTE(scan));
    if (scan & 0x100) SendInput(1, &shift[1], sizeof shift[1]);
  }
}

}  // namespace ostrel_test
