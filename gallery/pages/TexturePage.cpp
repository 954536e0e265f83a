// Texture boxes over the sample file "Tarvik.dat\Sordune.smp". Each box opens the Texture Library;
// the texture last chosen is tiled at full size beside them, from the record the host's texture
// module painted, and every 0x131 the boxes send is logged.
#include "../GalleryPage.h"
#include "TexturePage.h"
#include <Ostrel.h>
#include <t32Base.h>
#include <functional>
#include <vector>
#include "Txtur3.h"

namespace {

const int kBoxCount = IDC_TEXTURE_BOX_LAST - IDC_TEXTURE_BOX_FIRST + 1;
const int kStartTextures[kBoxCount] = {0, 3, 18};
const int kShotTextures[kBoxCount] = {1, 4, 15};

// The module's picture and name of a record; NULL / "" when there is none.
HANDLE RecordPicture(void* pRecord) {
  TXTUR_PICTURE picture = NULL;
  if (pRecord == NULL || _VexLoadLibrary3 == NULL ||
      !_VexLoadLibrary3(_hTxturDllInst3, TXTUR_ENTRY_SET, NULL, (void**)&picture, NULL, NULL, NULL))
    return NULL;
  return picture(pRecord);
}

CString RecordName(void* pRecord) {
  TXTUR_NAME name = NULL;
  char szName[64] = "";
  if (pRecord != NULL && _VexLoadLibrary3 != NULL &&
      _VexLoadLibrary3(_hTxturDllInst3, TXTUR_ENTRY_SET, NULL, NULL, NULL, (void**)&name, NULL))
    name(pRecord, szName, sizeof szName);
  return CString(szName);
}

// A brush that tiles a 24-bit picture; NULL when it cannot be made. The caller deletes it.
HBRUSH MakeTileBrush(HANDLE hPicture) {
  BUF32INFO info = {};
  if (hPicture == NULL || !buf32GetInfo(hPicture, &info) || info.nBitsPerPixel != 24) return NULL;
  std::vector<BYTE> rgb((size_t)info.nTotalBytes);
  if (!buf32GetMem(hPicture, 0, 0, info.nWidth, info.nHeight, rgb.data())) return NULL;
  std::vector<DWORD> pixels((size_t)info.nWidth * info.nHeight);  // 0x00RRGGBB, as a 32-bit bitmap wants
  for (size_t i = 0; i < pixels.size(); i++) pixels[i] = RGB(rgb[3 * i + 2], rgb[3 * i + 1], rgb[3 * i]);
  HBITMAP hBitmap = ::CreateBitmap(info.nWidth, info.nHeight, 1, 32, pixels.data());
  HBRUSH hBrush = hBitmap != NULL ? ::CreatePatternBrush(hBitmap) : NULL;
  if (hBitmap != NULL) ::DeleteObject(hBitmap);  // the brush keeps its own copy
  return hBrush;
}

// The sample file of the installation, which the boxes read.
bool SampleFileExists() {
  char szPath[MAX_PATH] = "";
  ::GetModuleFileNameA(NULL, szPath, MAX_PATH);
  CString path(szPath);
  path = path.Left(path.ReverseFind('\\') + 1) + "Tarvik.dat\\Sordune.smp";
  return ::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

class CTexturePage : public CGalleryPage {
 public:
  CTexturePage() : CGalleryPage(IDD_TEXTURE_PAGE, IDS_TEXTURE_PAGE, "texture") {}

  void PrepareShot() override {
    for (int i = 0; i < kBoxCount && m_bBoxes; i++) {
      m_boxes[i].SetTextureOpt(kShotTextures[i]);
      ShowLabel(i);
    }
    Show(m_bBoxes ? m_boxes[0].GetTextureOpt().pItem : NULL);
  }

  const char* ModalShotSlug() const override { return m_bBoxes ? "texture_dialog" : NULL; }

  // The second box's click opens the dialog; Cancel leaves the box's texture as it was.
  void RunModalShot(const std::function<void()>& capture) override {
    ShootDialog("Texture Library", CPoint(40, 20), IDCANCEL, capture,
                [this] { m_boxes[1].SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4)); });
  }

  void OnIdleUpdate() override {
    for (int i = 0; i < kBoxCount && m_bBoxes; i++) m_boxes[i].OnUpdateUI(NULL);
  }

 protected:
  BOOL OnInitDialog() override {
    CGalleryPage::OnInitDialog();
    // Without the sample file a box would stop the gallery with its message box.
    m_bBoxes = SampleFileExists();
    if (!m_bBoxes) {
      SetDlgItemText(IDC_TEXTURE_HINT,
                     "The sample file Tarvik.dat\\Sordune.smp is missing: build the texture_sample target.");
      return TRUE;
    }
    for (int i = 0; i < kBoxCount; i++) {
      CRect rc;
      GetDlgItem(IDC_TEXTURE_BOX_FIRST + i)->GetWindowRect(&rc);
      ScreenToClient(&rc);
      m_bBoxes = m_bBoxes && m_boxes[i].Create(IDC_TEXTURE_BOX_FIRST + i, rc, this, kStartTextures[i]);
      ShowLabel(i);
    }
    Show(m_bBoxes ? m_boxes[0].GetTextureOpt().pItem : NULL);
    return TRUE;
  }

  void ShowLabel(int i) {
    const SIMPLE_TXTUR t = m_boxes[i].GetTextureOpt();
    SetDlgItemText(IDC_TEXTURE_LABEL_FIRST + i, RecordName(t.pItem ? t.pItem->m_hData : NULL));
  }

  // Tiles the item's picture in the swatch and names it.
  void Show(CTextureItem* pItem) {
    m_pShown = pItem;
    CString text;
    BUF32INFO info = {};
    HANDLE hPicture = RecordPicture(pItem ? pItem->m_hData : NULL);
    if (hPicture != NULL && buf32GetInfo(hPicture, &info))
      text.Format("%s, a %d x %d tile", (const char*)RecordName(pItem->m_hData), info.nWidth, info.nHeight);
    SetDlgItemText(IDC_TEXTURE_SWATCH_TEXT, text);
    GetDlgItem(IDC_TEXTURE_SWATCH)->Invalidate(FALSE);
  }

  afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT pDraw) {
    if (nIDCtl != IDC_TEXTURE_SWATCH) return;
    HBRUSH hBrush = MakeTileBrush(RecordPicture(m_pShown ? m_pShown->m_hData : NULL));
    ::FillRect(pDraw->hDC, &pDraw->rcItem, hBrush ? hBrush : ::GetSysColorBrush(COLOR_BTNFACE));
    if (hBrush) ::DeleteObject(hBrush);
  }

  afx_msg LRESULT OnTextureChange(WPARAM wParam, LPARAM lParam) {
    const SIMPLE_TXTUR* pTexture = (const SIMPLE_TXTUR*)lParam;
    void* pRecord = pTexture->pItem ? pTexture->pItem->m_hData : NULL;
    Log("0x131 from box %u: texture %d \"%s\", palette %p", (unsigned)wParam, pTexture->nTexture,
        (const char*)RecordName(pRecord), (void*)pTexture->hPalette);
    ShowLabel((int)wParam - IDC_TEXTURE_BOX_FIRST);
    Show(pTexture->pItem);
    return 0;
  }

  // Steps the first box on by one texture, as a program would: no 0x131 follows.
  afx_msg void OnNext() {
    if (!m_bBoxes) return;
    const int nCount = m_boxes[0].m_list.TypeGetCount(1);
    const int nNext = nCount > 0 ? (m_boxes[0].GetTextureOpt().nTexture + 1) % nCount : 0;
    m_boxes[0].SetTextureOpt(nNext);
    ShowLabel(0);
    Show(m_boxes[0].GetTextureOpt().pItem);
    Log("box %d set by the program to texture %d (no notification)", IDC_TEXTURE_BOX_FIRST, nNext);
  }

  DECLARE_MESSAGE_MAP()

 private:
  CTextureBoxes m_boxes[kBoxCount];
  BOOL m_bBoxes = FALSE;  // every box was made and loaded
  CTextureItem* m_pShown = NULL;
};

BEGIN_MESSAGE_MAP(CTexturePage, CGalleryPage)
ON_WM_DRAWITEM()
ON_MESSAGE(TXTBOX_TEXTURECHANGE, OnTextureChange)
ON_BN_CLICKED(IDC_TEXTURE_NEXT, OnNext)
END_MESSAGE_MAP()

GALLERY_PAGE(CTexturePage, 45);
