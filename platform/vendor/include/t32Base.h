// t32Base.dll: image buffers held in 128 x 128 cells, pixel blocks, blending,
// resampling, the colour bar and the display pass.
//
// Calling convention: every export is extern "C" __cdecl (T32API).
// Results: int, nonzero = success, 0 = failure (bad handle, NULL pointer,
// out-of-range value, out of memory). Nothing is changed on failure.
//
// Pixel layout (buffers, caller memory blocks, display data):
//   1 bit   palette index, 8 pixels a byte, leftmost pixel in the high bit
//   4 bits  palette index, 2 pixels a byte, leftmost pixel in the high nibble
//   8 bits  palette index, 1 byte
//   24 bits bytes R, G, B (red first; this is NOT the DIB order B, G, R)
//   32 bits bytes R, G, B, A (A is carried along; the display ignores it)
// A memory block of w x h pixels is h rows, top row first, each row exactly
// (w * bits + 7) / 8 bytes long (no padding to 4 bytes).
//
// Cells: a buffer is cut into cells of 128 x 128 pixels, left to right then
// top to bottom (cell k is at column k % columns, row k / columns). Cells at
// the right and bottom edges are stored at their real size, so a small buffer
// costs no more than its pixels. buf32CellLock hands every cell out whole
// (128 rows of 128 * bits / 8 bytes), an edge cell with the part beyond the
// image at the fill value; what is written into a locked edge cell reaches the
// buffer when its last lock is released.
//
// Colour values (fill and border values): for 24 and 32 bits a COLORREF
// 0x00BBGGRR (32 bits: the high byte is A); for 1, 4 and 8 bits a palette index.
#ifndef T32BASE_H
#define T32BASE_H

#include <windows.h>

#ifdef T32BASE_BUILD
#define T32BASE_API extern "C" __declspec(dllexport)
#else
#define T32BASE_API extern "C" __declspec(dllimport)
#endif
#ifndef T32API
#define T32API __cdecl
#endif

#define T32_CELL_SIZE 128

// Buffer information record filled by buf32GetInfo: 20 32-bit words.
struct BUF32INFO {
  int nWidth;          // 0x00 width in pixels
  int nHeight;         // 0x04 height in pixels
  int nBitsPerPixel;   // 0x08 1, 4, 8, 24 or 32  (third word)
  int nBytesPerPixel;  // 0x0C (bits + 7) / 8: 1, 1, 1, 3, 4  (fourth word)
  int nRowBytes;       // 0x10 bytes in one packed image row: (width * bits + 7) / 8
  int nCellCount;      // 0x14 columns x rows
  int nLockCount;      // 0x18 how many buf32Lock calls are outstanding
  int nTotalBytes;     // 0x1C packed pixel bytes of the whole image: rowbytes x height  (eighth word)
  int nCellBytes;      // 0x20 bytes of one locked cell: 128 * 128 * bits / 8
  int nCellRowBytes;   // 0x24 bytes of one cell row: 128 * bits / 8
  int nLockMode;       // 0x28 mode of the last buf32Lock (0 when not locked)
  int nReserved[3];    // 0x2C..0x34 zero
  int nCellColumns;    // 0x38
  int nCellRows;       // 0x3C
  int nCellWidth;      // 0x40 always 128
  int nCellHeight;     // 0x44 always 128
  int nLastColWidth;   // 0x48 width of the last cell column (1..128)
  int nLastRowHeight;  // 0x4C height of the last cell row (1..128)
};

// buf32Alloc options (fifth argument).
#define BUF32_ALLOC_ZERO 0  // pixels set to 0; sixth argument ignored
#define BUF32_ALLOC_FILL 1  // sixth argument points to a DWORD colour value

// buf32Lock modes.
#define BUF32_LOCK_READ  1  // pixels will be read
#define BUF32_LOCK_WRITE 2  // pixels will be filled (buf32Line)
#define BUF32_LOCK_RW    3  // both

// buf32Line format (third argument): the only one is a packed row of the
// buffer's own depth and layout, width pixels long.
#define BUF32_LINE_PACKED 2

// New buffer of the given depth (1, 4, 8, 24, 32) and size (1..32768 each).
T32BASE_API int T32API buf32Alloc(HANDLE* phBuf, int nBitsPerPixel, int nWidth, int nHeight, int nOption,
                                  const void* pOptionData);
T32BASE_API int T32API buf32Free(HANDLE hBuf);

// Locks count up and down; *ppMem (may be NULL) receives cell 0's stored
// pixels (rows of its real width when the image is narrower than a cell).
// Locks do not block the other calls; they record intent and are checked for
// balance by buf32Unlock (0 when the buffer is not locked).
T32BASE_API int T32API buf32Lock(HANDLE hBuf, int nMode, void** ppMem);
T32BASE_API int T32API buf32Unlock(HANDLE hBuf);

// Stores one packed row at image row nLine.
T32BASE_API int T32API buf32Line(HANDLE hBuf, int nLine, int nFormat, const void* pLine);

T32BASE_API int T32API buf32GetInfo(HANDLE hBuf, BUF32INFO* pInfo);

// Width, height and unit (bytes per pixel, as in BUF32INFO); pUnit may be NULL.
T32BASE_API int T32API buf32GetWHU(HANDLE hBuf, int* pWidth, int* pHeight, int* pUnit);

// Copies the w x h block at (x, y) into pMem (packed rows). Pixels of the
// block outside the image are left untouched in pMem; 0 when the block lies
// wholly outside or the arguments are bad.
T32BASE_API int T32API buf32GetMem(HANDLE hBuf, int x, int y, int w, int h, void* pMem);

// Same, but pixels outside the image are set to dwBorder.
T32BASE_API int T32API buf32GetMemWithBC(HANDLE hBuf, int x, int y, int w, int h, void* pMem, DWORD dwBorder);

// Writes the w x h block pMem into the image at (x, y); the part outside the
// image is dropped.
T32BASE_API int T32API buf32MergeMem(HANDLE hBuf, int x, int y, int w, int h, const void* pMem);

// Direct access to one stored cell (see Cells above); *ppCell receives its
// pixels. Every lock must be released with buf32CellUnlock of the same cell.
T32BASE_API int T32API buf32CellLock(HANDLE hBuf, int nCell, void** ppCell);
T32BASE_API int T32API buf32CellUnlock(HANDLE hBuf, int nCell);

// Mask blend of nPixels pixels: for every pixel and every byte c of it,
//   w   = mask (0..255), scaled by the level when nLevel is 1..255:
//         w = mask * (255 - nLevel) / 255   (nLevel 0: w = mask)
//   dst = (a * (255 - w) + b * w + 127) / 255
// so mask 0 gives plane A and mask 255 plane B. nBytesPerPixel is 1, 3 or 4;
// with 1 the bytes are palette indices and are not mixed: dst = b where
// w >= 128, else a. nMode must be I32MERGE_MASK. dst may be the same memory as a.
#define I32MERGE_MASK 1
T32BASE_API int T32API i32Merge(void* pDst, const void* pA, const BYTE* pMask, const void* pB, int nBytesPerPixel,
                                int nPixels, int nMode, int nLevel);

// *phOut = new buffer of nWidth x nHeight holding the resampled source.
// 24 and 32 bits: area average when shrinking, bilinear when enlarging.
// 1, 4, 8 bits (palette indices): nearest pixel. nOption must be 0.
T32BASE_API int T32API t32BufferResample(int nWidth, int nHeight, HANDLE hSrc, HANDLE* phOut, int nOption);

// Fills *prc of hdc with a bar from crFrom at the top edge to crTo at the
// bottom edge. Row t (0 = top) of a bar H rows high has, per channel,
//   c = (from * (H - t) + to * t) / H    (integer division)
// nDirection 0 = top to bottom (1 = left to right, t counts columns). nReserved 0.
T32BASE_API int T32API t32RectDrawColorBar(HDC hdc, const RECT* prc, COLORREF crFrom, COLORREF crTo, int nDirection,
                                           int nReserved);

// Display pass: rows of packed pixels drawn into a rectangle of a DC.
//   hPalette  colours for depths 1, 4, 8; NULL gives a default table:
//             1 bit black/white, 4 bits the 16 standard VGA colours,
//             8 bits a grey ramp (index i = grey i)
//   nFit      DISP32_FIT_NONE: rows are drawn 1:1 from the rectangle's
//             top-left corner, clipped to the rectangle;
//             DISP32_FIT_STRETCH: the rows given in each disp32ShowData call
//             are the whole picture and are stretched over the rectangle
//             (averaged when shrinking; x and y are ignored)
//   nReserved 0
// disp32ShowInitEx takes two more reserved words (0) for later use.
#define DISP32_FIT_NONE    0
#define DISP32_FIT_STRETCH 1
T32BASE_API int T32API disp32ShowInit(HANDLE* phDisp, HDC hdc, int nBitsPerPixel, RECT rc, HPALETTE hPalette, int nFit,
                                      int nReserved);
T32BASE_API int T32API disp32ShowInitEx(HANDLE* phDisp, HDC hdc, int nBitsPerPixel, RECT rc, HPALETTE hPalette,
                                        int nFit, int nReserved, int nReserved2, int nReserved3);
// Draws nRows rows of pData (each nRowBytes long) at offset (x, y) inside the
// rectangle; rows run top to bottom.
T32BASE_API int T32API disp32ShowData(HANDLE hDisp, const void* pData, int x, int y, int nRows, int nRowBytes);
T32BASE_API int T32API disp32ShowEnd(HANDLE hDisp);

#endif
