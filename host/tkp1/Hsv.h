// Hue, saturation and value in whole numbers: hue 0..359 degrees, saturation and value 0..255.
#pragma once
#include <windows.h>

struct Hsv {
  int h, s, v;
};

// A grey (no saturation) keeps the hue it is given, so a slider at grey does not jump to red.
Hsv RgbToHsv(COLORREF color, int hueIfGrey = 0);
COLORREF HsvToRgb(Hsv hsv);
