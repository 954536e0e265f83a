// The "Texture Library" dialog (template 225) and the texture list it shows. The list belongs to a
// texture box: while it loads, it turns each item's stored data block into a texture record of
// the host's texture module; the dialog borrows it and reports the texture the user picks.
#pragma once
#include <afxwin.h>
#include <Drevnic.h>

class CMTextureLibraryDlg;

// One loaded texture: the record the texture module made and the list item it was made for.
class CTextureItem : public CObject {
 public:
  CTextureItem(void* hData, int nItem) : m_hData(hData), m_nItem(nItem) {}
  void* m_hData;  // texture record, released through the module by the texture box; may be NULL
  int m_nItem;
};

class AFX_EXT_CLASS CMtextureIIList : public CIIList {
 public:
  CMtextureIIList();
  CMtextureIIList(const CMtextureIIList& other);
  CMtextureIIList& operator=(const CMtextureIIList& other);
  virtual ~CMtextureIIList();

  // Looks up item nItem among type nType's items and reads its data block; 0 only when memory
  // runs out.
  int InitIIAPData(int nType, int nItem);

  int OnIIAPDataSaveBuf(int nItem, void* pBuf) override;  // nothing is saved
  int OnIIAPDataSize(int nSize) override;
  int OnIIAPDataLoadBuf(int nItem, void* pBuf) override;  // adds a CTextureItem to m_pItems
  int OnLButtonDblClk(int nItem, POINT* pt) override;     // nothing
  int OnSelectChange(int nItem, unsigned long dwFlags) override;

  CMTextureLibraryDlg* m_pDlg;  // the dialog showing the list, or NULL
  CObArray* m_pItems;           // CTextureItem*, owned by the texture box

 protected:
  // Makes a texture record from a stored block: *ppRecord and 1, or 0 when the module is missing,
  // the block is malformed or the module refuses its texture data.
  int GetTextureDataFromIIO(void* pBlock, void** ppRecord);
  // Payload length of a stored block; copies the payload into pOut when that is not NULL. 0 for a
  // block that cannot hold what it announces.
  int GetMPOptionData(void* pBlock, void* pOut);

 private:
  int m_nBlockSize;  // size of the block being loaded, as the list told it; -1 when not told
};

class AFX_EXT_CLASS CMTextureLibraryDlg : public CDialog {
 public:
  enum { IDD = 225 };

  explicit CMTextureLibraryDlg(CWnd* pParent = NULL);
  virtual ~CMTextureLibraryDlg();

  static int GetSel() { return m_nSel; }
  void OnTextureOption() {}

  HPALETTE m_hPalette;      // palette of the item selected last; 0 until one is
  CIIList* m_pIIList;       // the list to show, not owned; set before DoModal
  CIIListWindow m_wndList;  // attached to control 3169 while the dialog lives
  static int m_nSel;        // item id of the chosen texture

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  void DoDataExchange(CDataExchange* pDX) override;
  afx_msg void OnDestroy();
  afx_msg void OnTextureHelp();
  DECLARE_MESSAGE_MAP()
};
