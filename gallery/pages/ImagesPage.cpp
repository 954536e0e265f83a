// Images: the photograph Tarvik.dat\Lakeside.png opened into an image buffer and drawn as an
// image object over a painted background, with a soft one-colour shadow merged cell by cell; its
// information dialog; a masked bitmap drawn transparently in three mapping modes; the processor.
#include "../GalleryPage.h"
#include "ImagesPage.h"
#include <Ostrel.h>
#include <t32Base.h>
#include <t32File.h>
#include <algorithm>
#include <functional>
#include <vector>

namespace {

const COLORREF kShadowColours[] = {RGB(40, 40, 60), RGB(40, 70, 150), RGB(150, 40, 60), RGB(30, 110, 60)};
const int kPhotoLeft = 24, kPhotoTop = 20;
const int kShadowBorder = 6, kShadowOffset = 4;  // the shadow falls 10 pixels right and down
const COLORREF kKey = RGB(255, 0, 255);

CString DataFile(const char* pszName) {
  char szPath[MAX_PATH] = "";
  ::GetModuleFileNameA(NULL, szPath, MAX_PATH);
  CString path(szPath);
  return path.Left(path.ReverseFind('\\') + 1) + "Tarvik.dat\\" + pszName;
}

// A 24-bit buffer of paper with a faint diagonal grid, to show the shadow over something.
HANDLE PaintBackground(int w, int h) {
  HANDLE hBuf = NULL;
  if (!buf32Alloc(&hBuf, 24, w, h, BUF32_ALLOC_ZERO, NULL)) return NULL;
  std::vector<BYTE> row((size_t)w * 3);
  for (int y = 0; y < h; y++) {
    for (int x = 0; x < w; x++) {
      const bool bLine = (x + y) % 16 == 0 || (x - y + 1600) % 16 == 0;
      const int v = 236 - y * 20 / h;
      row[3 * x] = (BYTE)(bLine ? v - 30 : v);
      row[3 * x + 1] = (BYTE)(bLine ? v - 24 : v - 4);
      row[3 * x + 2] = (BYTE)(bLine ? v - 10 : v - 14);
    }
    buf32Line(hBuf, y, BUF32_LINE_PACKED, row.data());
  }
  return hBuf;
}

// The shadow's 8-bit mask over the frame (w + 2b) x (h + 2b): dense in the middle, fading out
// over the border.
HANDLE SoftMask(int w, int h, int b) {
  HANDLE hMask = NULL;
  const int fw = w + 2 * b, fh = h + 2 * b;
  if (!buf32Alloc(&hMask, 8, fw, fh, BUF32_ALLOC_ZERO, NULL)) return NULL;
  std::vector<BYTE> row((size_t)fw);
  for (int y = 0; y < fh; y++) {
    for (int x = 0; x < fw; x++) {
      const int d = std::min(std::min(x, fw - 1 - x), std::min(y, fh - 1 - y));  // distance from the frame's edge
      row[x] = (BYTE)(d >= 2 * b ? 150 : 150 * d / (2 * b));
    }
    buf32Line(hMask, y, BUF32_LINE_PACKED, row.data());
  }
  return hMask;
}

}  // namespace

class CImagesPage : public CGalleryPage {
 public:
  CImagesPage() : CGalleryPage(IDD_IMAGES_PAGE, IDS_IMAGES_PAGE, "images") {}

  const char* ModalShotSlug() const override { return m_hRecord != NULL ? "images_dialog" : NULL; }

  void RunModalShot(const std::function<void()>& capture) override {
    ShootDialog("Image Information", CPoint(60, 20), IDOK, capture, [this] { OnInfo(); });
  }

 protected:
  BOOL OnInitDialog() override {
    CGalleryPage::OnInitDialog();
    CRect rcScene;
    GetDlgItem(IDC_IMAGES_SCENE)->GetClientRect(&rcScene);
    m_background.CreateFromBuf(PaintBackground(rcScene.Width(), rcScene.Height()));
    if (m_back.CreateFromIBuf(&m_background)) m_back.MergeObject(rcScene);

    CString path = DataFile("Lakeside.png");
    m_hRecord = m_photoBuf.CreateFromFile(path.GetBuffer(0), NULL);
    path.ReleaseBuffer();
    if (m_hRecord != NULL && m_photo.CreateFromIBuf(&m_photoBuf)) {
      m_photo.m_nLeft = kPhotoLeft;
      m_photo.m_nTop = kPhotoTop;
      CString facts;
      facts.Format("Lakeside.png: %d x %d pixels, %d bits per pixel", m_photoBuf.m_pInfo->nWidth,
                   m_photoBuf.m_pInfo->nHeight, m_photoBuf.m_pInfo->nBitsPerPixel);
      SetDlgItemText(IDC_IMAGES_FACTS, facts);
      MakeShadow();
    } else {
      SetDlgItemText(IDC_IMAGES_FACTS, "Tarvik.dat\\Lakeside.png is missing or unreadable.");
      GetDlgItem(IDC_IMAGES_INFO)->EnableWindow(FALSE);
      GetDlgItem(IDC_IMAGES_COLOUR)->EnableWindow(FALSE);
    }
    MakeStamp();
    ShowProcessor();
    return TRUE;
  }

  void MakeShadow() {
    m_shadow.Destroy();
    m_shadow = CUImage();
    m_shadow.m_crColor = kShadowColours[m_nColour];
    CRect rcPhoto(kPhotoLeft, kPhotoTop, kPhotoLeft + m_photo.m_nWidth, kPhotoTop + m_photo.m_nHeight);
    if (!m_shadow.CreateOneColorFromUImage(m_back, rcPhoto)) return;
    m_shadow.m_nBorder = kShadowBorder;
    m_shadow.m_nOffsetX = m_shadow.m_nOffsetY = kShadowOffset;
    m_shadow.m_hMaskBuf = SoftMask(m_photo.m_nWidth, m_photo.m_nHeight, kShadowBorder);
  }

  // 32 x 32: a sun with a dark rim on the key colour.
  void MakeStamp() {
    CClientDC dc(this);
    CDC memDC;
    if (!memDC.CreateCompatibleDC(&dc) || !m_stamp.CreateCompatibleBitmap(&dc, 32, 32)) return;
    CBitmap* pOld = memDC.SelectObject(&m_stamp);
    memDC.FillSolidRect(0, 0, 32, 32, kKey);
    CBrush face(RGB(250, 200, 40));
    CPen rim(PS_SOLID, 2, RGB(150, 70, 20));
    CBrush* pOldBrush = memDC.SelectObject(&face);
    CPen* pOldPen = memDC.SelectObject(&rim);
    memDC.Ellipse(4, 4, 28, 28);
    memDC.SelectObject(pOldBrush);
    memDC.SelectObject(pOldPen);
    memDC.SelectObject(pOld);
  }

  void ShowProcessor() {
    DWORD dwSpeed = 0, dwType = 0, dwMMX = 0;
    GetCpuInfo(&dwSpeed, &dwType, &dwMMX);
    const DWORD dwVendor = HIWORD(dwType);
    CString speed("no speed measured for this vendor"), text;
    if (dwSpeed != 0) speed.Format("%u MHz", (unsigned)dwSpeed);
    text.Format("Processor (GetCpuInfo): family %u, %s, %s, %s", (unsigned)(LOWORD(dwType) & 0x7FFF),
                dwVendor == 0   ? "GenuineIntel"
                : dwVendor == 1 ? "another vendor"
                                : "no CPUID",
                (const char*)speed, dwMMX ? "MMX" : "no MMX");
    SetDlgItemText(IDC_IMAGES_CPU, text);
  }

  afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT pDraw) {
    if (nIDCtl == IDC_IMAGES_SCENE)
      DrawScene(pDraw->hDC, pDraw->rcItem);
    else if (nIDCtl == IDC_IMAGES_MASKED)
      DrawStamps(CDC::FromHandle(pDraw->hDC), pDraw->rcItem);
  }

  // Background, shadow, photograph: each through its own image object.
  void DrawScene(HDC hdc, RECT rc) {
    ::FillRect(hdc, &rc, ::GetSysColorBrush(COLOR_BTNFACE));
    m_back.Draw(hdc, rc);
    m_shadow.Draw(hdc, rc);
    m_photo.DrawImage(hdc, rc);
  }

  // Stripes behind, then the stamp in MM_TEXT, MM_ANISOTROPIC (2 pixels a unit) and MM_LOMETRIC.
  void DrawStamps(CDC* pDC, RECT rc) {
    for (int x = rc.left; x < rc.right; x += 8)
      pDC->FillSolidRect(x, rc.top, 4, rc.bottom - rc.top, x % 16 ? RGB(190, 210, 230) : RGB(120, 150, 190));
    if (m_stamp.m_hObject == NULL) return;
    const int nSaved = pDC->SaveDC();
    m_stamp.DrawTransparent(pDC, 12, 12);
    pDC->SetMapMode(MM_ANISOTROPIC);
    pDC->SetWindowExt(1, 1);
    pDC->SetViewportExt(2, 2);
    m_stamp.DrawTransparent(pDC, 40, 6);
    pDC->SetMapMode(MM_LOMETRIC);
    CPoint at(160, 12);
    pDC->DPtoLP(&at);
    m_stamp.DrawTransparent(pDC, at.x, at.y);
    pDC->RestoreDC(nSaved);
    pDC->SetBkMode(TRANSPARENT);
    pDC->TextOut(2, 50, "MM_TEXT");
    pDC->TextOut(64, 50, "scaled x 2");
    pDC->TextOut(132, 50, "MM_LOMETRIC");
  }

  afx_msg void OnInfo() {
    if (m_hRecord == NULL) return;
    CImageInfoDlg dlg(m_hRecord, this);
    Log("image information dialog: %s", dlg.DoModal() == IDOK ? "closed with OK" : "closed");
  }

  afx_msg void OnNextColour() {
    m_nColour = (m_nColour + 1) % (int)(sizeof kShadowColours / sizeof kShadowColours[0]);
    MakeShadow();
    GetDlgItem(IDC_IMAGES_SCENE)->Invalidate(FALSE);
    const COLORREF c = kShadowColours[m_nColour];
    Log("shadow colour RGB(%d, %d, %d)", GetRValue(c), GetGValue(c), GetBValue(c));
  }

  afx_msg void OnDestroy() {
    m_shadow.Destroy();
    m_photo.Destroy();
    m_back.Destroy();
    if (m_hRecord != NULL) tfFileFreeFileData((HGLOBAL)m_hRecord);
    m_hRecord = NULL;
    CGalleryPage::OnDestroy();
  }

  DECLARE_MESSAGE_MAP()

 private:
  t32Base::IBuf m_background, m_photoBuf;
  CUImage m_back, m_photo, m_shadow;
  void* m_hRecord = NULL;
  int m_nColour = 1;
  CMaskedBitmap m_stamp;
};

BEGIN_MESSAGE_MAP(CImagesPage, CGalleryPage)
ON_WM_DRAWITEM()
ON_WM_DESTROY()
ON_BN_CLICKED(IDC_IMAGES_INFO, OnInfo)
ON_BN_CLICKED(IDC_IMAGES_COLOUR, OnNextColour)
END_MESSAGE_MAP()

GALLERY_PAGE(CImagesPage, 55);
