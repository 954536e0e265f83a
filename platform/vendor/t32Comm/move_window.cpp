#include "t32Comm.h"

namespace {

// New start of a span [pos, pos + size) kept inside [lo, hi).
LONG IntoRange(LONG pos, LONG size, LONG lo, LONG hi) {
  if (size >= hi - lo || pos < lo) return lo;
  return pos + size > hi ? hi - size : pos;
}

}  // namespace

T32COMM_API int T32API t32MoveWindow(HWND hWnd, int nMonitor, int nMode) {
  if (!hWnd || !IsWindow(hWnd) || (nMonitor != T32MW_NEAREST && nMonitor != T32MW_PRIMARY) ||
      (nMode != T32MW_INTO_VIEW && nMode != T32MW_CENTER))
    return 0;
  HMONITOR mon = nMonitor == T32MW_NEAREST ? MonitorFromWindow(hWnd, MONITOR_DEFAULTTONEAREST)
                                           : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
  MONITORINFO mi = {};
  mi.cbSize = sizeof(mi);
  RECT wr;
  if (!GetMonitorInfoA(mon, &mi) || !GetWindowRect(hWnd, &wr)) return 0;
  const RECT& area = mi.rcWork;
  LONG w = wr.right - wr.left, h = wr.bottom - wr.top;
  LONG x, y;
  if (nMode == T32MW_CENTER) {
    x = area.left + ((area.right - area.left) - w) / 2;
    y = area.top + ((area.bottom - area.top) - h) / 2;
    x = x < area.left ? area.left : x;
    y = y < area.top ? area.top : y;
  } else {
    x = IntoRange(wr.left, w, area.left, area.right);
    y = IntoRange(wr.top, h, area.top, area.bottom);
  }
  if (x == wr.left && y == wr.top) return 1;
  // Child windows are placed in their parent's client coordinates.
  POINT pt = {x, y};
  HWND parent = (GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) ? GetParent(hWnd) : nullptr;
  if (parent) ScreenToClient(parent, &pt);
  return SetWindowPos(hWnd, nullptr, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE) ? 1 : 0;
}
