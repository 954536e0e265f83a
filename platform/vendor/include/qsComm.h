// qsComm.dll: the gradient renderer, message boxes, the interface font and
// character-set queries.
//
// Calling convention: every function is __cdecl (the caller removes the arguments)
// with C++ linkage, since XShowMessage comes in two overloads. Results are int:
// nonzero for success unless a function says otherwise.
#ifndef QSCOMM_H
#define QSCOMM_H

#include <stddef.h>
#include <windows.h>

#ifdef QSCOMM_BUILD
#define QSCOMM_API __declspec(dllexport)
#else
#define QSCOMM_API __declspec(dllimport)
#endif

// ---------------------------------------------------------------------------
// Progress block handed to long operations (the host's progress bar fills one
// with 1, its callback, 0, 0, 100).
//
// The callback is a plain function: nMsg 1 = begin, 2 = doing (wParam = amount
// done, 0..nRange), 4 = end. It returns nonzero to go on, 0 to stop.
typedef int(__cdecl* DSAIK32PCBPROC)(int nMsg, unsigned int wParam, long lParam, void* pData);

struct DSAIK32PCB {
  int nActive;                 // nonzero: reports go to pfnProgress; 0: no reports
  DSAIK32PCBPROC pfnProgress;  // the callback (NULL: no reports)
  long lParam;                 // handed back as lParam
  void* pData;                 // handed back as pData
  int nRange;                  // "doing" reports run from 0 to nRange (100: percent)
};

// Five 32-bit words in the 32-bit build. In the 64-bit build the two pointers are
// 8 bytes and 8-aligned, so the block is 40 bytes (offsets 0, 8, 16, 24, 32).
static_assert(sizeof(void*) == 8 ? sizeof(DSAIK32PCB) == 40 : sizeof(DSAIK32PCB) == 20, "DSAIK32PCB layout");

// Messages of the progress callback.
enum { DSAIK32_BEGIN = 1, DSAIK32_DOING = 2, DSAIK32_END = 4 };

// ---------------------------------------------------------------------------
// The gradient record: 68 bytes, seventeen little-endian 32-bit fields. It is also
// the per-preset record of the host's preset file, so the layout never changes.
//
// The renderer draws a linear blend from clrStart at ptStart to clrEnd at ptEnd:
// every pixel takes the colour of its projection onto the line, flat beyond the
// line's ends; a line of zero length gives the start colour everywhere.
//   - Points are in pixels of the frame the record is drawn into. The frame's far
//     edges (x = width, y = height) address the last column and row, so a line
//     from edge to edge puts both end colours exactly on the edge pixels.
//   - nColorShift (0..100, normally in steps of 10) reshapes the blend by a power
//     curve: 0 is the plain linear blend; larger values move the half-way point
//     from the middle of the line to 95% along it (the start colour holds on
//     longer). Both end colours stay exact. Values outside 0..100 are clamped.
//   - bSandwich nonzero mirrors the blend: start at both ends of the line, end
//     colour exactly in its middle.
// The fields marked "carried" are not read by this renderer: it always draws a
// solid two-colour linear RGB blend. The values in brackets are the ones every
// record built by the host carries (see GFillSetDefaultParams).
struct GFILL_OPTION {
  COLORREF clrStart;  //  0 colour at ptStart
  COLORREF clrEnd;    //  4 colour at ptEnd
  POINT ptStart;      //  8 start of the gradient line
  POINT ptEnd;        // 16 end of the gradient line
  int nFillType;      // 24 carried: fill type [0 = linear]
  int nFillFlags;     // 28 carried: fill flags [0]
  int nColorModel;    // 32 carried: colour model [2 = RGB]
  int nAngle;         // 36 carried: angle [0]
  int nMidPoint;      // 40 carried: blend mid point in percent [50]
  int nOpacity;       // 44 carried: opacity in percent [100]
  int nStepX;         // 48 carried: horizontal sampling step [1]
  int nStepY;         // 52 carried: vertical sampling step [1]
  BOOL bSandwich;     // 56 0 normal; nonzero start -> end -> start
  int nReserved;      // 60 carried [0]
  int nColorShift;    // 64 colour shift 0..100
};
static_assert(sizeof(GFILL_OPTION) == 68, "GFILL_OPTION is a 68-byte file record");
static_assert(offsetof(GFILL_OPTION, nFillType) == 24 && offsetof(GFILL_OPTION, bSandwich) == 56 &&
                  offsetof(GFILL_OPTION, nColorShift) == 64,
              "GFILL_OPTION field offsets");

// Sets offsets 24 to 52 and 60 to the values the host's records carry, bSandwich to 0.
inline void GFillSetDefaultParams(GFILL_OPTION* p) {
  p->nFillType = 0;
  p->nFillFlags = 0;
  p->nColorModel = 2;
  p->nAngle = 0;
  p->nMidPoint = 50;
  p->nOpacity = 100;
  p->nStepX = 1;
  p->nStepY = 1;
  p->bSandwich = 0;
  p->nReserved = 0;
}

// The renderer keeps no state between calls: fills of different buffers may run on
// different threads at the same time.

// New 24-bit t32Base buffer of rc's width and height holding the gradient (rc's
// position does not matter). NULL for a NULL record, an empty or oversized rc, or
// when the buffer cannot be made. The caller frees it with buf32Free.
QSCOMM_API void* __cdecl CreateGradientBuffer(GFILL_OPTION* pOption, RECT rc);

// Renders the gradient into the whole of an existing 24-bit buffer. pProgress may be
// NULL; otherwise it hears begin, doing (by rows) and end. Returns 1 when the buffer
// was filled; 0 for a NULL or unusable buffer (bad handle, not 24 bits, cannot be
// locked), a NULL record, or when the progress callback asked to stop (the buffer is
// then filled only partly).
QSCOMM_API int __cdecl GFillToBuf(void* hBuffer, GFILL_OPTION* pOption, DSAIK32PCB* pProgress);

// Rewrites ptStart and ptEnd for a frame of cx by cy pixels. The record's present
// frame is taken as the smallest one at (0, 0) holding both points: its width is the
// larger x, its height the larger y; an axis where neither point is above 0 keeps its
// coordinates. This is exact for every direction record the host builds. Nothing
// changes for a NULL record or a size below 1.
QSCOMM_API void __cdecl ResetGradRange(GFILL_OPTION* pOption, int cx, int cy);

// ---------------------------------------------------------------------------
// Message boxes. The text is string resource nId of hInst, or of qsComm's own
// string table when hInst is NULL (it holds 10101, "the operation failed").
// The caption is qsComm's own caption string.
// Both return the button pressed (IDOK, IDYES, ...), or 0 when the string does not
// exist or no box could be shown (then nothing is shown).

// Information box with OK and a warning icon. pszDetail, when not NULL, is shown on
// a line of its own below the text; pszCaption, when not NULL, replaces the caption.
// Without an owner the box is task-modal.
QSCOMM_API int __cdecl XShowMessage(HINSTANCE hInst, HWND hOwner, int nId, char* pszDetail, char* pszCaption);
// Box of the given MB_ style (e.g. MB_YESNO); nReserved is 0. Without an icon in
// uStyle, question-style buttons (Yes/No) get the question icon, others the warning.
QSCOMM_API int __cdecl XShowMessage(HINSTANCE hInst, int nId, HWND hOwner, int nReserved, UINT uStyle);

// Id of qsComm's own "operation failed" message.
#define QS_MSG_OPERATION_FAILED 10101

// ---------------------------------------------------------------------------
// Fonts and character sets.

// Fills *pLogFont with the host's interface font (the system message font, or the
// default GUI font when that cannot be read). 0 for NULL.
QSCOMM_API int __cdecl GetGDILogFont(LOGFONTA* pLogFont);

// 1 when the system's ANSI code page is a double-byte one (Japanese, Chinese, Korean).
QSCOMM_API int __cdecl IsSystemDBCS(void);

// 1 when the string holds a double-byte character of the ANSI code page; 0 otherwise
// and for NULL.
QSCOMM_API int __cdecl HasDoubleByteChar(const char* psz);

#endif  // QSCOMM_H
