// CIIWnd: a window showing a list of thumbnail items (the item-list library's CIIList), each item
// with a picture and a data block. The list is kept in a file of the host's data folder
// "Tarvik.dat\" beside its executable, saved when the window object is deleted. CIIWndList is
// the list such a window owns: it owns the items' data blocks and tells the window about
// selections and drops.
#pragma once
#include <afxwin.h>
#include <afxcoll.h>
#include <Drevnic.h>
#include <set>

class CIIWnd;

class AFX_EXT_CLASS CIIWndList : public CIIList {
 public:
  // nRecordSize: bytes of the data block every item carries; 0 takes blocks of any size.
  explicit CIIWndList(CIIWnd* pWnd = NULL, int nRecordSize = 0);
  ~CIIWndList() override;  // frees the data blocks

  CIIWnd* m_pWnd;     // the window that owns the list; may be NULL
  int m_nAPDataSize;  // bytes of one data block

  // Items whose data blocks the list owns (blocks made by AllocRecordBlock's kind of memory).
  int AddItemWithBlock(_IIDATA* pData);            // AddII; the block is owned from now on, freed on failure
  BOOL ReplaceItemBlock(int nItem, void* pBlock);  // the old block is freed; the new one owned
  BOOL DeleteItemOfType(int nType, int nItem);     // out of the type, then the item and its block

  // Blocks of a foreign size met by the last Load, or met while the file had the list keep
  // copies of another size; they were not taken.
  int RefusedBlocks() const { return m_nRefused; }

  int OnIIAPDataLoadBuf(int nItem, void* pBuf) override;
  int OnIIAPDataSize(int nSize) override;
  int OnAskDrop(HWND hWnd, POINT* pt) override;
  int OnDrop(_DROPDATA* pDrop) override;
  int OnSelectChange(int nItem, unsigned long dwFlags) override;

 private:
  CIIWndList(const CIIWndList&) = delete;
  CIIWndList& operator=(const CIIWndList&) = delete;
  void FreeItemBlock(int nItem);
  const int m_nRecordSize;
  int m_nRefused;
  BOOL m_bTakeBlock;         // the block announced by OnIIAPDataSize has the record size
  std::set<void*> m_blocks;  // owned; found in one look-up when an item goes
};

class AFX_EXT_CLASS CIIWnd : public CIIListWindow {
  DECLARE_DYNCREATE(CIIWnd)
 public:
  CIIWnd();
  explicit CIIWnd(CWnd* pOwner);
  ~CIIWnd() override;  // saves the list to m_strPath, then frees it and the window

  // Made by derived classes; this one makes nothing and returns FALSE.
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  // m_strPath = the executable's folder, "Tarvik.dat\", strName.
  virtual void SetDataFile(CString strName);
  // Adds an item with a copy of the picture and the block (owned by the list from now on) to the
  // active type, selects it alone and scrolls it into view.
  virtual void AddItem(void* hBuffer, void* pData);
  // Gives the first selected item of the active type a copy of the picture and the block (owned
  // from now on); NULL parts stay as they are. Nothing selected: nothing changes.
  virtual void UpdateSelItem(void* hBuffer, void* pData);
  virtual int Save();  // the list to m_strPath; nonzero when written
  // The user selected an item with a data block.
  virtual void OnItemSelected(void* pData);
  virtual void ActivateType(int nType);  // and scrolls to its first selected item
  virtual void DeleteSelItems(int nType);
  virtual int OnListAskDrop(HWND hWnd, POINT* pt);  // 0: no drop is taken
  virtual int OnListDrop(_DROPDATA* pDrop);
  virtual int GetFirstSelItem(int nType);  // -1 when none

  // The attached list, NULL before Create.
  CIIWndList* GetList() const;

  CString m_strPath;  // full path of the list file
  CWnd* m_pOwner;     // receives selection commands; not owned
};
