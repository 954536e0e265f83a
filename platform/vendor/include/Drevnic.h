// Drevnic.dll: lists of thumbnail items (CIIList) and the window that shows one (CIIListWindow).
//
// Items
//   An item has an int id (0 and up, never reused while the list lives; a new item gets one more
//   than the highest id in use), an optional picture (a t32Base buffer the list owns), an optional
//   application data block, an optional palette (owned by the list) and a name.
//   Items belong to numbered types 0 .. max-1; a type keeps its items in order (a "position" is an
//   item's place in it) and its own selection. The window shows the active type.
//
// Application data blocks
//   By default (SetFixedAPIIData(0)) the list only keeps the caller's pointer and never frees it.
//   With SetFixedAPIIData(n), n > 0, the list keeps its own copy of n bytes per item, frees it
//   itself, and its default callbacks save and load those bytes.
//
// Callback protocol
//   Save: for every item in id order, OnIIAPDataSaveBuf(item, NULL) gives the block size; when
//         it is above 0, OnIIAPDataSaveBuf(item, buf) fills a zeroed buffer of that size (its
//         result is not used). A size above IIFILE_MAX_BLOCK fails the save.
//   Load: the whole file is checked first; then every item, type and setting is in place, and for
//         every item with a stored block, in id order: OnIIAPDataSize(size), then
//         OnIIAPDataLoadBuf(item, buf) (buf valid during the call only; results not used).
//   Selection: the window reports each change the user makes, deselections first (flags
//         IISEL_OFF), then new selections (flags IISEL_ON = 0), and (-1, IISEL_ON) when nothing is
//         left selected. Calls made by the program (TypeSetSelect...) report nothing.
//
// File format (all numbers little-endian 32-bit; version 1)
//   header  "DRVNIIL\x1A", version, settings (the 24 words of _IIOData), item count, type count
//   item    id, flags (1 picture, 2 palette, 4 data), name length + bytes,
//           picture: bits per pixel, width, height, then height packed rows of the t32Base layout,
//           palette: entry count (1..256), then PALETTEENTRY values,
//           data:    size, then the bytes
//   type    type number, item count, item ids in order, selected count, selected ids
//   trailer CRC-32 (IEEE) of every byte before it
//   Loading checks everything (magic, version, CRC, each length against the bytes left, limits,
//   duplicate or unknown ids) before it changes the list; a bad file leaves the list empty and the
//   file untouched. Saving writes "<path>.new" and then replaces <path>, so a failed save never
//   leaves a half-written file.
//
// 32- and 64-bit builds
//   _IIOData holds only 32-bit fields and is the same in both. _IIDATA and _ORDER hold pointers,
//   which are 8 bytes and 8-byte aligned in the 64-bit build; the offsets of both builds are
//   listed at each record and checked at compile time.
#ifndef DREVNIC_H
#define DREVNIC_H

#include <afxwin.h>

#ifdef DREVNIC_BUILD
#define DREVNIC_API __declspec(dllexport)
#else
#define DREVNIC_API __declspec(dllimport)
#endif

// Window class registered by the library at load; dialog templates may name it.
#define T32IIO_CLASSNAME "T32IIO_CLASS"

// _IIDATA::nMode and the mode of SetIIBuffer
#define IIBUF_COPY          1  // the list copies the picture; the caller keeps its buffer
#define IIBUF_ADOPT         2  // the list takes the buffer and frees it later
// mode of SetAPIIData
#define IIDATA_SET          1
// flags of OnSelectChange
#define IISEL_ON            0
#define IISEL_OFF           1
// SetFitStyle: how a picture sits in its cell
#define IIFIT_NONE          0  // own size, top-left, clipped
#define IIFIT_STRETCH       1  // stretched over the cell
#define IIFIT_ASPECT        2  // as large as fits, aspect kept, centred
// SetFrameType bits
#define IIFRAME_EDGE        0x010                      // a sunken edge around each thumbnail
#define IIFRAME_SELWIDTH(f) ((int)(((f) >> 8) & 0xF))  // selection frame width (0: 2 pixels)
// SetIdentType
#define IIIDENT_NONE        0
#define IIIDENT_NAME        1  // the name (or the id) under each thumbnail
// SetMulSelectNum: n > 0 at most n selected; IIMULSEL_ANY any number; IIMULSEL_KEEPONE one,
// which the user cannot clear
#define IIMULSEL_ANY        (-1)
#define IIMULSEL_KEEPONE    (-2)
// SetDrag
#define IIDRAG_NONE         0
#define IIDRAG_OUT          2  // selected items may be dragged to other windows (OnAskDrop / OnDrop)

#define IIFILE_MAX_BLOCK (64 * 1024 * 1024)
#define IILIST_MAX_TYPES 256
#define IILIST_MAX_WH    1024

// Item record for AddII. Offsets 32-bit / 64-bit.
struct _IIDATA {
  char szName[260];   //   0 /   0  item name, zero-terminated
  int nMode;          // 260 / 260  IIBUF_COPY or IIBUF_ADOPT
  HANDLE hBuffer;     // 264 / 264  picture (t32Base buffer) or NULL
  void* pAPData;      // 268 / 272  application data block or NULL
  HPALETTE hPalette;  // 272 / 280  palette or NULL; the list takes it
  int nReserved[2];   // 276 / 288  zero
};                    // 284 / 296 bytes

// List settings (GetIIListData / SetIIListData / Create). 96 bytes in both builds.
struct _IIOData {
  int nVersion;               //  0  1
  int nFitStyle;              //  4  IIFIT_*
  int nFitX;                  //  8  columns, -1 as many as needed
  int nFitY;                  // 12  rows, -1 as many as needed
  unsigned long dwFrameType;  // 16  IIFRAME_*
  unsigned long dwDrag;       // 20  IIDRAG_*
  int nMaxTypeNum;            // 24  1 .. IILIST_MAX_TYPES
  int nMulSelectNum;          // 28  see SetMulSelectNum
  int nActiveType;            // 32
  int nFixedAPIIData;         // 36  bytes of a list-owned data block, 0 none
  unsigned long dwIdentType;  // 40  IIIDENT_*
  int nScrollPos;             // 44  first visible line of the window
  int nReserved48;            // 48
  int bCommonPalette;         // 52  1: paletted pictures use the display's default colours
  int nReserved56[2];         // 56
  int nIIWidth;               // 64  thumbnail size, 1 .. IILIST_MAX_WH
  int nIIHeight;              // 68
  int nReserved72[6];         // 72
};

// An item list for TypeGetOrder / TypeSetSelect. Offsets 32-bit / 64-bit: 0 / 0 and 4 / 8.
struct _ORDER {
  int nCount;  // TypeGetOrder: capacity in, items written out
  int* pItems;
};

// Handed to OnDrop.
struct _DROPDATA {
  HWND hWndTarget;  // window under the pointer
  POINT ptScreen;   // pointer position, screen coordinates
  int nType;        // type the items come from
  int nCount;
  const int* pItems;  // valid during the call
};

// Handed to OnDrawII for one visible cell.
struct _IIPAINT {
  HDC hDC;
  RECT rcCell;
  int nItem;
  int nPosition;
  int bSelected;
  int bFocused;
};

struct IIListState;
class CIIListWindow;

class DREVNIC_API CIIList {
 public:
  CIIList();
  CIIList(const CIIList& other);  // copies settings and items (pictures too)
  CIIList& operator=(const CIIList& other);
  virtual ~CIIList();

  // Life: nonzero on success.
  int Destroy();                   // removes every item; settings stay
  int Create(_IIOData* pData);     // empty list; NULL keeps the defaults
  int Load(const char* lpszPath);  // failure: the list is empty
  int Save(const char* lpszPath);

  // Set-up: 0 for a value out of range (nothing changes).
  int SetDrag(unsigned long dwDrag);
  int SetFixedAPIIData(int nBytes);
  int SetFitStyle(int nStyle);
  int SetFrameType(unsigned long dwFrame);
  int SetIdentType(unsigned long dwIdent);
  int UseCommonPalette(int bUse);
  int SetMaxTypeNum(int nTypes);  // memberships of dropped types go
  int SetIIWH(int nWidth, int nHeight);
  int SetMulSelectNum(int nNum);  // trims current selections to fit
  int SetFitXY(int nX, int nY);
  int GetIIListData(_IIOData* pData);
  int SetIIListData(const _IIOData* pData);
  int RetrieveIIWH(int& nWidth, int& nHeight);

  // Items: ids, or -1 / NULL when there is none.
  int AddII(_IIDATA* pData);
  int DeleteII(int nItem, int nMode);  // mode 0; the item leaves every type too
  int SetIIBuffer(int nItem, int nMode, HANDLE hBuffer);
  int SetAPIIData(int nItem, int nMode, void* pData);
  HANDLE GetIIBuffer(int nItem);
  void* GetAPIIData(int nItem);
  HPALETTE GetIIPalette(int nItem);
  int GetIICount();
  int IsIIValid(int nItem);

  // Types
  int TypeSetActivate(int nType);
  int TypeGetActivate();
  int TypeAddII(int nType, int nItem);  // appended at the end
  int TypeDeleteII(int nType, int nItem);
  int TypeGetIndex(int nType, int nItem);  // position, -1
  int TypeGetII(int nType, int nPos);      // item, -1
  int TypeGetCount(int nType);             // -1 for a bad type
  int TypeGetOrder(int nType, _ORDER* pOrder);
  int TypeSetSelect(int nType, _ORDER* pOrder);
  int TypeSetSelectII(int nType, int nItem, BOOL bSelect);
  int TypeIsSelectII(int nType, int nItem);
  int TypeGetSelectCount(int nType);
  int ScrollTo(int nPos);  // makes a position of the active type visible in the window

  // Visits a type's selected items in position order; a snapshot taken by First().
  class DREVNIC_API iteratorTypeSelect {
   public:
    iteratorTypeSelect(CIIList* pList, int nType);
    virtual void First();
    virtual int IsDone();
    virtual int* CurrentItem();  // NULL when done
    virtual void Next();
    virtual ~iteratorTypeSelect();

   private:
    iteratorTypeSelect(const iteratorTypeSelect&) = delete;
    iteratorTypeSelect& operator=(const iteratorTypeSelect&) = delete;
    CIIList* m_pList;
    int m_nType;
    int* m_pItems;
    int m_nCount;
    int m_nIndex;
  };

  // Callbacks; the defaults handle list-owned (fixed) data blocks and refuse drops.
  virtual int OnIIAPDataSaveBuf(int nItem, void* pBuf);
  virtual int OnIIAPDataSize(int nSize);
  virtual int OnIIAPDataLoadBuf(int nItem, void* pBuf);
  virtual int OnSelectChange(int nItem, unsigned long dwFlags);
  virtual int OnAskDrop(HWND hWnd, POINT* pt);
  virtual int OnDrop(_DROPDATA* pDrop);
  virtual int OnLButtonDblClk(int nItem, POINT* pt);
  virtual int OnDrawII(_IIPAINT* pPaint);  // draws the thumbnail; 1 when drawn

 private:
  IIListState* m_pState;
  friend class CIIListWindow;
  friend struct IIListAccess;
};

// A window of class T32IIO_CLASS showing an attached list (not owned). Made by Create with
// T32IIO_CLASSNAME, or attached to a dialog's control by SubclassDlgItem/SubclassWindow/Attach.
class DREVNIC_API CIIListWindow : public CWnd {
  DECLARE_DYNCREATE(CIIListWindow)
 public:
  CIIListWindow();
  ~CIIListWindow() override;

  BOOL AttachIIList(CIIList* pList);
  CIIList* DetachIIList();

 protected:
  CIIList* m_pIIList;

  void PreSubclassWindow() override;
  afx_msg void OnDestroy();
  afx_msg void OnPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg UINT OnGetDlgCode();
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg void OnCaptureChanged(CWnd* pWnd);
  afx_msg LRESULT OnListChanged(WPARAM, LPARAM);
  DECLARE_MESSAGE_MAP()

 private:
  void Scroll(int nSBCode, int nThumb);
  void SelectByUser(int nPos, BOOL bToggle);
  void FinishDrag(CPoint point);
};

#endif
