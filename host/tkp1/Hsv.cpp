#include "Hsv.h"
#include <algorithm>

Hsv RgbToHsv(COLORREF color, int hueIfGrey) {
  const int r = GetRValue(color), g = GetGValue(color), b = GetBValue(color);
  const int mx = std::max({r, g, b}), mn = std::min({r, g, b}), delta = mx - mn;
  Hsv hsv = {hueIfGrey, mx ? (delta * 255 + mx / 2) / mx : 0, mx};
  if (delta == 0) return hsv;
  int base, num;  // hue = base + 60 * num / delta, rounded to whole degrees
  if (mx == r)
    base = 0, num = g - b;
  else if (mx == g)
    base = 120, num = b - r;
  else
    base = 240, num = r - g;
  const int h = base + (120 * num + (num >= 0 ? delta : -delta)) / (2 * delta);
  hsv.h = (h + 360) % 360;
  return hsv;
}

COLORREF HsvToRgb(Hsv hsv) {
  const int h = ((hsv.h % 360) + 360) % 360, s = hsv.s, v = hsv.v;
  const int region = h / 60, x = h % 60;  // position inside the sixth, 0..59
  const int full = 255 * 60;
  const int p = (v * (255 - s) + 127) / 255;
  const int q = (v * (full - s * x) + full / 2) / full;
  const int t = (v * (full - s * (60 - x)) + full / 2) / full;
  switch (region) {
    case 0:
      return RGB(v, t, p);
    case 1:
      return RGB(q, v, p);
    case 2:
      return RGB(p, v, t);
    case 3:
      return RGB(p, q, v);
    case 4:
      return RGB(t, p, v);
    default:
      return RGB(v, p, q);
  }
}
