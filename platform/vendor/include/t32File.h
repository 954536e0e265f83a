// t32File.dll: image files (BMP, PNG, JPEG, GIF, TIFF, ICO) read through the
// platform's codecs. Calling convention: extern "C" __cdecl, as t32Base.
//
// A file is described by a file record (TFFILEDATA) in global memory made by
// tfFileGetFileData; its lines are then delivered by tfFileRead to a callback.
// A missing, unreadable, truncated or corrupt file gives no record (NULL).
#ifndef T32FILE_H
#define T32FILE_H

#include <windows.h>

#ifdef T32FILE_BUILD
#define T32FILE_API extern "C" __declspec(dllexport)
#else
#define T32FILE_API extern "C" __declspec(dllimport)
#endif
#ifndef T32API
#define T32API __cdecl
#endif

// File format ids (record offset 0, tfFileGetFormatInfo).
#define TF_FORMAT_BMP  1
#define TF_FORMAT_PNG  2
#define TF_FORMAT_JPEG 3
#define TF_FORMAT_GIF  4
#define TF_FORMAT_TIFF 5
#define TF_FORMAT_ICO  6

// Colour types (record offset 608): one bit each.
#define TF_COLOR_BW    1   // 2 colours, 1 bit per pixel, palette
#define TF_COLOR_GRAY  2   // 256 greys, 8 bits per pixel (grey palette)
#define TF_COLOR_16    4   // 16 colours, 4 bits per pixel, palette
#define TF_COLOR_256   8   // 256 colours, 8 bits per pixel, palette
#define TF_COLOR_HIGH  16  // high colour, 16 bits per pixel
#define TF_COLOR_TRUE  32  // true colour, 24 bits per pixel (48-bit files too)
#define TF_COLOR_ALPHA 64  // true colour with a fourth channel, 32 bits per pixel (64-bit too)

// File record: 1024 bytes of global memory (GMEM_MOVEABLE); byte offsets in comments.
struct TFFILEDATA {
  int nFormat;          // 0    TF_FORMAT_*
  char szName[564];     // 4    full file name as given
  int nFileSize;        // 568  bytes (files of 2 GB and more are refused)
  int nFrames;          // 572  images in the file; the first is read
  int nReserved1[3];    // 576  zero
  int nBitsPerPixel;    // 588  bits per pixel of the image as stored: 1, 4, 8, 16, 24,
                        //      32 (2-bit images count as 8; 48 as 24; 64 as 32)
  int nWidth;           // 592
  int nHeight;          // 596
  int nXResolution;     // 600  dots per inch x 10000 (72 dpi = 720000)
  int nYResolution;     // 604
  int nColorType;       // 608  TF_COLOR_*
  DWORD hPalette;       // 612  HPALETTE of the colour table for 1, 4 and 8 bits, else 0.
                        //      Owned by the record: tfFileFreeFileData deletes it.
                        //      (GDI handles fit 32 bits; widen with LongToHandle.)
  int nPaletteEntries;  // 616  entries in that palette
  int nLineBits;        // 620  bits per pixel of the lines tfFileRead delivers
  int nReserved2[100];  // 624  zero
};

// Read record handed to tfFileRead (13 words; the last is pointer-sized).
struct DSFILEIORANGE {
  int nOrder;           // word 0: TF_ORDER_TOP_DOWN or TF_ORDER_BOTTOM_UP
  int nLeft, nTop;      // words 1..4: part of the image to read;
  int nRight, nBottom;  //   all 0 = the whole image
  int nLineFormat;      // word 5: TF_LINES_FOR_BUFFER
  int nReserved[5];     // words 6..10: 0
  int nLinesRead;       // word 11: set by tfFileRead: lines delivered
  void* pUser;          // word 12: the caller's, passed through untouched
};
#define TF_ORDER_TOP_DOWN   1
#define TF_ORDER_BOTTOM_UP  2
// Lines as a t32Base buffer stores them: 1, 4 and 8 bits as palette indices
// (leftmost pixel in the high bits), every deeper image as 24-bit R, G, B.
#define TF_LINES_FOR_BUFFER 7

// Called once per line, in order. Arguments:
//   pRange      the read record
//   nHeight     lines that will be delivered
//   nLine       image row of this line (counted from the image's top)
//   nWidth      pixels in the line
//   nLineBytes  bytes in the line: (nWidth * nBits + 7) / 8
//   ppLine      *ppLine is the line's data (valid during the call)
//   nBits       bits per pixel of the line (TFFILEDATA.nLineBits)
//   nPercent    0..100, lines done so far
//   lReserved   0
// Return nonzero to go on, 0 to stop (tfFileRead then returns 0).
typedef int(T32API* TFLINEPROC)(DSFILEIORANGE* pRange, unsigned int nHeight, unsigned int nLine, unsigned int nWidth,
                                unsigned int nLineBytes, unsigned char** ppLine, unsigned short nBits, int nPercent,
                                long lReserved);

// Record of a file; nOption must be 0. NULL on any failure.
T32FILE_API HGLOBAL T32API tfFileGetFileData(const char* pszFile, int nOption);
// Frees a record and its palette. 0 for NULL.
T32FILE_API int T32API tfFileFreeFileData(HGLOBAL hData);
// Decodes the file of the record and calls proc for each line. 1 when every
// line was delivered; 0 on bad arguments, a decoding failure or a stop.
T32FILE_API int T32API tfFileRead(HGLOBAL hData, DSFILEIORANGE* pRange, TFLINEPROC proc);

// Format information: 96 bytes of global memory (the caller frees it with
// GlobalFree), or NULL for an unknown id.
struct TFFORMATINFO {
  int nFormat;           // 0
  int nReserved;         // 4
  char szExtension[24];  // 8   usual extension without dot, lower case ("bmp")
  char szName[64];       // 32  name of the format ("Windows Bitmap")
};
T32FILE_API HGLOBAL T32API tfFileGetFormatInfo(int nFormat);

// Modal dialog listing the record. hInst is not used (the dialog belongs to
// t32File). nWhat: TF_SHOW_ALL lists every field; any other value lists name,
// format and file size. Returns IDOK when closed, 0 on bad arguments.
#define TF_SHOW_ALL 1004
T32FILE_API int T32API tfFileShowDlgFileData(HINSTANCE hInst, HWND hOwner, HGLOBAL hData, int nWhat, int nReserved1,
                                             int nReserved2);

// Control ids inside that dialog (for hosts and tests).
#define TF_DLG_LIST 100

#endif
