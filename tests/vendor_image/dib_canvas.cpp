#include "dib_canvas.h"
#include <vector>

HPALETTE MakePalette(const COLORREF* colours, int n)
{
    std::vector<BYTE> mem(sizeof(LOGPALETTE) + 256 * sizeof(PALETTEENTRY));
    LOGPALETTE* lp = reinterpret_cast<LOGPALETTE*>(mem.data());
    lp->palVersion = 0x300;
    lp->palNumEntries = WORD(n);
    PALETTEENTRY* e = lp->palPalEntry;
    for (int i = 0; i < n; ++i)
        e[i] = {GetRValue(colours[i]), GetGValue(colours[i]), GetBValue(colours[i]), 0};
    return CreatePalette(lp);
}

DibCanvas::DibCanvas(int width, int height, COLORREF background)
    : m_width(width), m_height(height), m_dc(CreateCompatibleDC(nullptr)), m_bits(nullptr)
{
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    m_bitmap = CreateDIBSection(m_dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_bits = static_cast<DWORD*>(bits);
    m_old = (HBITMAP)SelectObject(m_dc, m_bitmap);
    DWORD px = GetBValue(background) | GetGValue(background) << 8 | GetRValue(background) << 16;
    for (int i = 0; i < width * height; ++i)
        m_bits[i] = px;
}

DibCanvas::~DibCanvas()
{
    SelectObject(m_dc, m_old);
    DeleteObject(m_bitmap);
    DeleteDC(m_dc);
}

COLORREF DibCanvas::At(int x, int y) const
{
    GdiFlush();
    DWORD px = m_bits[y * m_width + x];
    return RGB((px >> 16) & 255, (px >> 8) & 255, px & 255);
}
