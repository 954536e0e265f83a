// CUImage: an image object drawn onto a device context in cells of 128 x 128 pixels, either as
// itself or, as a one-colour copy over another object, as a shadow merged through 8-bit masks.
// The library never makes one; the host does, and calls Destroy when done (the destructor frees
// nothing). Works on buffers of 8, 24 and 32 bits per pixel.
#pragma once
#include <afxwin.h>
#include <Ostrel/IBuf.h>

class AFX_EXT_CLASS CUImage {
 public:
  enum { CELL = 128, CELL_PIXELS = CELL * CELL };

  CUImage();
  ~CUImage();
  CUImage& operator=(const CUImage& other);  // every member, as it is

  // Takes the buffer of p over, with its facts, at (0, 0) and builds the white back buffer.
  // 0 for NULL, an empty object, a depth other than 8, 24 or 32, or when this object already
  // holds an image.
  int CreateFromIBuf(t32Base::IBuf* p);
  // Makes this a one-colour (m_crColor) image of the size and position of rc over src, which
  // must have its back buffer. 0 when it cannot be made.
  int CreateOneColorFromUImage(CUImage& src, RECT& rc);
  // DrawShadow2 for a one-colour image, DrawIBuf otherwise.
  void Draw(HDC hdc, RECT& rc);
  // Shows the back buffer's part under the object at the object's place.
  void DrawIBuf(HDC hdc, RECT& rc);
  // Merges the colour over the back buffer of m_pBackImage cell by cell through the masks, and
  // shows the result.
  void DrawShadow2(HDC hdc, RECT& rc);
  // Merges the image into the back buffer at its place through m_hMaskBuf (opaque without one).
  int MergeObject(RECT rc);
  // Draws the image at (m_nLeft, m_nTop), cell by cell, clipped to rc.
  void DrawImage(HDC hdc, RECT& rc);
  // Earlier forms: the back buffer shown cell by cell; the image copied into it cell by cell.
  void OldDrawIBuf(HDC hdc, RECT& rc);
  int OldMergeObject(RECT rc);
  int CreateBackBuf();
  int CellAlloc();
  void CellFree();
  // The 128 x 128 block at (x, y) of the image into p.
  int CellGetMem(int x, int y, unsigned char* p);
  // A w x h part of the cell p, from (x, y) of it, into the background cell at (dx, dy).
  void CellGetMem1(int x, int y, int dx, int dy, int w, int h, unsigned char* p);
  // The background cell from every cell of hBuf under the rectangle; nonzero when some was copied.
  int CellGetBackImage(int left, int top, int right, int bottom, void* hBuf);
  // Merge mask of the object's cell (col, row): 0 over the object, elsewhere cell 0 of m_hMaskBuf
  // repeated every 128 pixels from the offsets less 12.
  void InitCellMask(unsigned char* mask, int col, int row);
  // Merge mask of one shadow cell: the shadow mask (m_hMaskBuf, frame-sized; full without one),
  // 0 where the object's own mask (m_hMaskBuf2, object-sized; its rectangle without one) covers,
  // and 0 outside the cell's rectangle.
  void InitCellMask(unsigned char* mask, int left, int top, int right, int bottom);
  void DoMerge(unsigned char* pDst, unsigned char* pBack, unsigned char* pMask, unsigned char* pObject);
  void DoShowData(unsigned char* p, int x, int y, int rows);
  // Frees the working cells and every buffer the object holds (image, back, both masks).
  void Destroy();

  // Members in this order: 24 words in a 32-bit build (96 bytes). In a 64-bit build the pointers
  // and handles are 8 bytes and aligned to 8, and the object is 152 bytes.
  int m_nFormat;  // the file's colour type (4 and 8: palette formats)
  int m_nBorder;  // margin of the shadow frame around the object
  unsigned char* m_pCellBuf;
  unsigned char* m_pCellMask;
  int m_nReserved;
  unsigned char* m_pBackCell;
  HANDLE m_hMaskBuf;   // 8-bit shadow mask (host-supplied; freed by Destroy)
  HANDLE m_hBackBuf;   // back buffer, white until merged into
  HANDLE m_hMaskBuf2;  // 8-bit mask of the object itself (host-supplied; freed by Destroy)
  int m_nMergeLevel;
  CUImage* m_pBackImage;
  int m_bOneColor;
  int m_nOffsetX;
  int m_nOffsetY;
  COLORREF m_crColor;
  int m_nTop;
  int m_nLeft;
  int m_nBitsPerPixel;
  int m_nHeight;
  int m_nWidth;
  HPALETTE m_hPalette;
  int m_nResult;
  HANDLE m_hImageBuf;
  HANDLE m_hDisplay;

 private:
  int getBackImageWidth();
  int BytesPerPixel() const { return m_nBitsPerPixel / 8; }
  DWORD White() const;
};
