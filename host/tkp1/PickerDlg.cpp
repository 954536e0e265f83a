#include "PickerDlg.h"
#include <vector>
#include "Hsv.h"
#include "Tkp1Res.h"

namespace {

const int kFieldIds[6] = {IDC_TKP1_RED, IDC_TKP1_GREEN, IDC_TKP1_BLUE, IDC_TKP1_HUE, IDC_TKP1_SAT, IDC_TKP1_VAL};
const int kFieldMax[6] = {255, 255, 255, 359, 255, 255};

enum Drag { kNoDrag, kDragArea, kDragStrip };

struct Picker {
  COLORREF oldColor, color;
  Hsv hsv;
  RECT rcArea, rcStrip, rcOld, rcNew;  // client coordinates of the placeholders
  Drag drag;
  bool settingFields;  // fields being written by the dialog itself
};

int Span(int length) { return length > 1 ? length - 1 : 1; }

int Clamp(int v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : v; }

RECT ItemRect(HWND hDlg, int id) {
  RECT rc = {0, 0, 0, 0};
  HWND hItem = GetDlgItem(hDlg, id);
  if (hItem != NULL) {
    GetWindowRect(hItem, &rc);
    MapWindowPoints(NULL, hDlg, (POINT*)&rc, 2);
  }
  return rc;
}

// Pixels of a w x h picture, one colour per point, drawn 1:1 at rc.
template <class ColorAt>
void PaintPixels(HDC hdc, const RECT& rc, ColorAt colorAt) {
  const int w = rc.right - rc.left, h = rc.bottom - rc.top;
  if (w <= 0 || h <= 0) return;
  std::vector<DWORD> bits((size_t)w * h);
  for (int y = 0; y < h; y++)
    for (int x = 0; x < w; x++) {
      COLORREF c = colorAt(x, y, w, h);
      bits[(size_t)y * w + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
  BITMAPINFO bmi = {};
  bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
  bmi.bmiHeader.biWidth = w;
  bmi.bmiHeader.biHeight = -h;
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 32;
  SetDIBitsToDevice(hdc, rc.left, rc.top, w, h, 0, 0, 0, h, bits.data(), &bmi, DIB_RGB_COLORS);
}

void FillColor(HDC hdc, const RECT& rc, COLORREF color) {
  HBRUSH hBrush = CreateSolidBrush(color);
  FillRect(hdc, &rc, hBrush);
  DeleteObject(hBrush);
  FrameRect(hdc, &rc, (HBRUSH)GetStockObject(BLACK_BRUSH));
}

// A small ring, black outside and white inside, visible on any colour.
void Ring(HDC hdc, int x, int y) {
  HGDIOBJ oldBrush = SelectObject(hdc, GetStockObject(NULL_BRUSH));
  HGDIOBJ oldPen = SelectObject(hdc, GetStockObject(BLACK_PEN));
  Ellipse(hdc, x - 5, y - 5, x + 6, y + 6);
  SelectObject(hdc, GetStockObject(WHITE_PEN));
  Ellipse(hdc, x - 4, y - 4, x + 5, y + 5);
  SelectObject(hdc, oldPen);
  SelectObject(hdc, oldBrush);
}

void Paint(HWND hDlg, Picker& pk) {
  PAINTSTRUCT ps;
  HDC hdc = BeginPaint(hDlg, &ps);
  const Hsv cur = pk.hsv;
  PaintPixels(hdc, pk.rcArea, [&](int x, int y, int w, int h) {
    return HsvToRgb({x * 359 / Span(w), 255 - y * 255 / Span(h), cur.v});
  });
  PaintPixels(hdc, pk.rcStrip, [&](int, int y, int, int h) {
    return HsvToRgb({cur.h, cur.s, 255 - y * 255 / Span(h)});
  });
  const int aw = pk.rcArea.right - pk.rcArea.left, ah = pk.rcArea.bottom - pk.rcArea.top;
  HRGN hClip = CreateRectRgnIndirect(&pk.rcArea);
  SelectClipRgn(hdc, hClip);
  Ring(hdc, pk.rcArea.left + cur.h * Span(aw) / 359, pk.rcArea.top + (255 - cur.s) * Span(ah) / 255);
  SelectClipRgn(hdc, NULL);
  DeleteObject(hClip);
  // The value marker: a black line with white lines either side across the strip.
  const int sy = pk.rcStrip.top + (255 - cur.v) * Span(pk.rcStrip.bottom - pk.rcStrip.top) / 255;
  RECT line = {pk.rcStrip.left, sy - 1, pk.rcStrip.right, sy + 2};
  FillRect(hdc, &line, (HBRUSH)GetStockObject(WHITE_BRUSH));
  line = {pk.rcStrip.left, sy, pk.rcStrip.right, sy + 1};
  FillRect(hdc, &line, (HBRUSH)GetStockObject(BLACK_BRUSH));
  FillColor(hdc, pk.rcOld, pk.oldColor);
  FillColor(hdc, pk.rcNew, pk.color);
  EndPaint(hDlg, &ps);
}

void Redraw(HWND hDlg, const Picker& pk) {
  for (const RECT* rc : {&pk.rcArea, &pk.rcStrip, &pk.rcNew}) InvalidateRect(hDlg, rc, FALSE);
}

void WriteFields(HWND hDlg, Picker& pk, bool rgb, bool hsv) {
  const int values[6] = {GetRValue(pk.color), GetGValue(pk.color), GetBValue(pk.color), pk.hsv.h, pk.hsv.s, pk.hsv.v};
  pk.settingFields = true;
  for (int i = 0; i < 6; i++)
    if (i < 3 ? rgb : hsv) SetDlgItemInt(hDlg, kFieldIds[i], values[i], FALSE);
  pk.settingFields = false;
}

void SetHsv(HWND hDlg, Picker& pk, Hsv hsv) {
  pk.hsv = hsv;
  pk.color = HsvToRgb(hsv);
  WriteFields(hDlg, pk, true, true);
  Redraw(hDlg, pk);
}

// A number typed into a field: red, green, blue set the colour exactly; hue, saturation, value
// go through the conversion.
void OnFieldChange(HWND hDlg, Picker& pk, int field) {
  BOOL ok = FALSE;
  const int v = Clamp((int)GetDlgItemInt(hDlg, kFieldIds[field], &ok, FALSE), 0, kFieldMax[field]);
  if (!ok) return;
  if (field < 3) {
    BYTE c[3] = {GetRValue(pk.color), GetGValue(pk.color), GetBValue(pk.color)};
    c[field] = (BYTE)v;
    pk.color = RGB(c[0], c[1], c[2]);
    pk.hsv = RgbToHsv(pk.color, pk.hsv.h);
    WriteFields(hDlg, pk, false, true);
  } else {
    int* parts[3] = {&pk.hsv.h, &pk.hsv.s, &pk.hsv.v};
    *parts[field - 3] = v;
    pk.color = HsvToRgb(pk.hsv);
    WriteFields(hDlg, pk, true, false);
  }
  Redraw(hDlg, pk);
}

void Track(HWND hDlg, Picker& pk, POINT pt) {
  const RECT& a = pk.rcArea;
  const RECT& s = pk.rcStrip;
  if (pk.drag == kDragArea) {
    const int x = Clamp(pt.x - a.left, 0, Span(a.right - a.left)), y = Clamp(pt.y - a.top, 0, Span(a.bottom - a.top));
    SetHsv(hDlg, pk, {x * 359 / Span(a.right - a.left), 255 - y * 255 / Span(a.bottom - a.top), pk.hsv.v});
  } else if (pk.drag == kDragStrip) {
    const int y = Clamp(pt.y - s.top, 0, Span(s.bottom - s.top));
    SetHsv(hDlg, pk, {pk.hsv.h, pk.hsv.s, 255 - y * 255 / Span(s.bottom - s.top)});
  }
}

INT_PTR CALLBACK PickerProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam) {
  Picker* pk = (Picker*)GetWindowLongPtrA(hDlg, DWLP_USER);
  switch (msg) {
    case WM_INITDIALOG:
      pk = (Picker*)lParam;
      SetWindowLongPtrA(hDlg, DWLP_USER, (LONG_PTR)pk);
      pk->rcArea = ItemRect(hDlg, IDC_TKP1_AREA);
      pk->rcStrip = ItemRect(hDlg, IDC_TKP1_STRIP);
      pk->rcOld = ItemRect(hDlg, IDC_TKP1_OLD);
      pk->rcNew = ItemRect(hDlg, IDC_TKP1_NEW);
      for (int id : kFieldIds) SendDlgItemMessageA(hDlg, id, EM_LIMITTEXT, 3, 0);
      WriteFields(hDlg, *pk, true, true);
      return TRUE;
    case WM_PAINT:
      if (pk == NULL) break;
      Paint(hDlg, *pk);
      return TRUE;
    case WM_LBUTTONDOWN: {
      if (pk == NULL) break;
      POINT pt = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
      pk->drag = PtInRect(&pk->rcArea, pt) ? kDragArea : PtInRect(&pk->rcStrip, pt) ? kDragStrip : kNoDrag;
      if (pk->drag != kNoDrag) {
        SetCapture(hDlg);
        Track(hDlg, *pk, pt);
      }
      return TRUE;
    }
    case WM_MOUSEMOVE:
      if (pk == NULL || pk->drag == kNoDrag) break;
      Track(hDlg, *pk, {(short)LOWORD(lParam), (short)HIWORD(lParam)});
      return TRUE;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      if (pk == NULL || pk->drag == kNoDrag) break;
      pk->drag = kNoDrag;
      if (GetCapture() == hDlg) ReleaseCapture();
      return TRUE;
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      if (id == IDOK || id == IDCANCEL) {
        EndDialog(hDlg, id);
        return TRUE;
      }
      if (pk != NULL && HIWORD(wParam) == EN_CHANGE && !pk->settingFields)
        for (int i = 0; i < 6; i++)
          if (id == kFieldIds[i]) OnFieldChange(hDlg, *pk, i);
      return TRUE;
    }
  }
  return FALSE;
}

}  // namespace

INT_PTR RunPickerDialog(HINSTANCE hInst, HWND hOwner, COLORREF start, COLORREF* pChosen) {
  Picker pk = {};
  pk.oldColor = pk.color = start;
  pk.hsv = RgbToHsv(start);
  const INT_PTR result = DialogBoxParamA(hInst, MAKEINTRESOURCEA(IDD_TKP1_PICKER), hOwner, PickerProc, (LPARAM)&pk);
  if (result == IDOK && pChosen != NULL) *pChosen = pk.color;
  return result;
}
