// A memory DC over a top-down 32-bit DIB section, for reading drawn pixels.
#pragma once
#include <windows.h>

// A logical palette of n colours (n up to 256).
HPALETTE MakePalette(const COLORREF* colours, int n);

class DibCanvas {
public:
    DibCanvas(int width, int height, COLORREF background = RGB(1, 2, 3));
    ~DibCanvas();
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    HDC dc() const { return m_dc; }
    HBITMAP bitmap() const { return m_bitmap; }
    // Pixel as a COLORREF (0x00BBGGRR).
    COLORREF At(int x, int y) const;

private:
    int m_width, m_height;
    HDC m_dc;
    HBITMAP m_bitmap, m_old;
    DWORD* m_bits;
};
