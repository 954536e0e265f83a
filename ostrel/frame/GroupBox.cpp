// "TVGBOXCTRL": a captioned, etched group frame whose colours follow the host's panel style.
#include "frame/LibraryState.h"

// Shared by every frame of the class: the font of the last WM_SETFONT and the one it replaced.
static HFONT g_hCurrentFont = NULL;
static HFONT g_hPreviousFont = NULL;

static int TextHeight(HDC hDC) {
  TEXTMETRICA tm;
  GetTextMetricsA(hDC, &tm);
  return tm.tmHeight;
}

// Wipes the old caption: the parent's strip behind the frame's top edge, one text line high.
static void InvalidateCaptionStrip(HWND hWnd) {
  HDC hDC = GetDC(hWnd);
  int th = TextHeight(hDC);
  ReleaseDC(hWnd, hDC);
  HWND hParent = GetParent(hWnd);
  RECT rc;
  GetWindowRect(hWnd, &rc);
  POINT corners[2] = {{rc.left, rc.top}, {rc.right, rc.top + th}};
  MapWindowPoints(NULL, hParent, corners, 2);
  RECT strip = {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
  InvalidateRect(hParent, &strip, TRUE);
}

static void PaintGroupBox(HWND hWnd) {
  PAINTSTRUCT ps;
  HDC hDC = BeginPaint(hWnd, &ps);
  HGDIOBJ hOldFont = NULL;
  if (g_hCurrentFont != NULL) {
    if (GetObjectType(g_hCurrentFont) != OBJ_FONT && g_hPreviousFont != NULL) {
      g_hCurrentFont = g_hPreviousFont;
      g_hPreviousFont = NULL;
    }
    hOldFont = SelectObject(hDC, g_hCurrentFont);
  }
  int th = TextHeight(hDC);
  char text[513];
  int len = GetWindowTextA(hWnd, text, sizeof text);
  SIZE extent = {0, 0};
  GetTextExtentPoint32A(hDC, text, len, &extent);
  int cx = extent.cx;

  RECT client;
  GetClientRect(hWnd, &client);
  RECT frame = {client.left, client.top + th / 2, client.right, client.bottom};
  RECT caption = {client.left + 5, client.top, client.left + 5 + cx, client.top + th};

  HGDIOBJ hOldBrush = SelectObject(hDC, GetStockObject(HOLLOW_BRUSH));
  int oldMode = SetBkMode(hDC, TRANSPARENT);
  DrawTextA(hDC, text, len, &caption, DT_SINGLELINE | DT_VCENTER);
  if (hOldFont != NULL) SelectObject(hDC, hOldFont);
  SetBkMode(hDC, oldMode);

  // The frame is broken where the caption stands.
  HRGN hClip = CreateRectRgnIndirect(&frame);
  HRGN hGap = CreateRectRgn(frame.left + 4, frame.top, frame.left + 7 + cx, frame.top + th);
  CombineRgn(hClip, hClip, hGap, RGN_XOR);
  SelectClipRgn(hDC, hClip);

  bool neutral = pVexPrefernPanelStyle != NULL && *pVexPrefernPanelStyle == 2;
  HPEN hLight = CreatePen(PS_SOLID, 1, neutral ? 0x00ECECEC : 0x00B0ECFF);
  HPEN hDark = CreatePen(PS_SOLID, 1, neutral ? 0x00373737 : 0x0000406F);
  HGDIOBJ hOldPen = SelectObject(hDC, hLight);
  Rectangle(hDC, frame.left + 1, frame.top + 1, frame.right, frame.bottom);
  MoveToEx(hDC, frame.left, frame.bottom - 1, NULL);
  LineTo(hDC, frame.left + 1, frame.bottom - 1);
  MoveToEx(hDC, frame.right - 1, frame.top, NULL);
  LineTo(hDC, frame.right, frame.top);
  SelectObject(hDC, hDark);
  Rectangle(hDC, frame.left, frame.top, frame.right - 1, frame.bottom - 1);

  SelectObject(hDC, hOldPen);
  SelectObject(hDC, hOldBrush);
  SelectClipRgn(hDC, NULL);
  DeleteObject(hClip);
  DeleteObject(hGap);
  DeleteObject(hLight);
  DeleteObject(hDark);
  EndPaint(hWnd, &ps);
}

static LRESULT CALLBACK GroupBoxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      // The frame never takes the mouse or the focus.
      SetWindowLongA(hWnd, GWL_STYLE, GetWindowLongA(hWnd, GWL_STYLE) | WS_DISABLED);
      break;
    case WM_SETTEXT:
      InvalidateCaptionStrip(hWnd);
      break;
    case WM_SETFONT:
      g_hPreviousFont = g_hCurrentFont;
      g_hCurrentFont = (HFONT)wParam;
      return 0;
    case WM_PAINT:
      PaintGroupBox(hWnd);
      return 0;
  }
  return DefWindowProcA(hWnd, message, wParam, lParam);
}

void RegisterGroupBoxClass() { RegisterLibraryClass("TVGBOXCTRL", GroupBoxWndProc); }
