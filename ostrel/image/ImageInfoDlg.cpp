// The image information dialog: every text from "Fennor.dll", the record from the file library.
#include <Ostrel/ImageInfoDlg.h>
#include <t32Comm.h>
#include <t32File.h>
#include <stddef.h>
#include <string.h>

namespace {

enum {
  IDC_COLOUR_PICTURE = 1906,
  IDC_COLOUR_TEXT = 2391,
  IDC_UNIT = 2351,
  IDC_WIDTH = 2392,
  IDC_HEIGHT = 2393,
  IDC_RESOLUTION = 2394,
  IDC_MEMORY = 2395,
  IDC_FILE_FIRST = 2396,
  IDC_FILE_NAME = 2398,
  IDC_FILE_FORMAT = 2400,
  IDC_FILE_SIZE = 2402,
  IDC_FILE_LAST = 2402,
  IDC_ADVANCED = 2368,
  IDC_HELP_BUTTON = 1336,
};

enum {
  IDS_INCHES = 10005,
  IDS_CENTIMETRES = 10006,
  IDS_PIXELS = 10007,
  IDS_DPI = 10009,
  IDS_KB = 10038,
  IDS_BYTES = 10039
};

// Colour type to Fennor's picture (0: none) and text.
struct ColourType {
  int nType;
  UINT nBitmap;
  UINT nString;
};
const ColourType kColourTypes[] = {{1, 970, 19100},    {2, 972, 19018},    {4, 971, 19020},    {8, 970, 19021},
                                   {16, 973, 19019},   {32, 969, 19022},   {64, 968, 19023},   {512, 972, 19103},
                                   {2048, 974, 19068}, {4096, 969, 19082}, {8192, 972, 19081}, {16384, 970, 19101}};
const ColourType kUnknownType = {0, 0, 19102};

const ColourType& ColourTypeOf(int nType) {
  for (const ColourType& t : kColourTypes)
    if (t.nType == nType) return t;
  return kUnknownType;
}

CString LoadText(HINSTANCE hInst, UINT nID) {
  char sz[256] = "";
  ::LoadStringA(hInst, nID, sz, sizeof sz);
  return sz;
}

// The fields of the record that the dialog reads (byte offsets of the file library's record).
const size_t kRecordSize = offsetof(TFFILEDATA, nColorType) + sizeof(int);

}  // namespace

BEGIN_MESSAGE_MAP(CImageInfoDlg, CDialog)
ON_CBN_SELCHANGE(IDC_UNIT, OnChangeUnitType)
ON_COMMAND(IDC_HELP_BUTTON, OnHelp)
ON_COMMAND(IDC_ADVANCED, OnAdvanced)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CImageInfoDlg::CImageInfoDlg(void* hFileData, CWnd* pParent)
    : CDialog(IDD, pParent),
      m_nXRes(0),
      m_nYRes(0),
      m_nWidth(0),
      m_nHeight(0),
      m_nUnit(-1),
      m_bPrjNewDoc(FALSE),
      m_hFileData((HGLOBAL)hFileData) {}

CImageInfoDlg::~CImageInfoDlg() {}

void CImageInfoDlg::IsPrjNewDoc(int bNewDoc) { m_bPrjNewDoc = bNewDoc; }

void CImageInfoDlg::FormatThousand(int n, CString& out) {
  unsigned int nLeft = (unsigned int)n;
  out.Format("%u", nLeft % 1000);
  while (nLeft / 1000 != 0) {
    if (nLeft % 1000 < 100) out = (nLeft % 1000 < 10 ? "00" : "0") + out;
    nLeft /= 1000;
    CString rest(out);
    out.Format("%u%s%s", nLeft % 1000, ",", (const char*)rest);
  }
}

BOOL CImageInfoDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  const TFFILEDATA* pRecord = NULL;
  if (m_hFileData != NULL && ::GlobalSize(m_hFileData) >= kRecordSize)
    pRecord = (const TFFILEDATA*)::GlobalLock(m_hFileData);
  if (pRecord == NULL) return FALSE;
  HINSTANCE hFennor = ::LoadLibraryA("Fennor.dll");
  if (hFennor == NULL) {
    ::GlobalUnlock(m_hFileData);
    return FALSE;
  }

  const ColourType& type = ColourTypeOf(pRecord->nColorType);
  SetDlgItemText(IDC_COLOUR_TEXT, LoadText(hFennor, type.nString));
  if (HBITMAP hBitmap = type.nBitmap != 0 ? ::LoadBitmapA(hFennor, MAKEINTRESOURCEA(type.nBitmap)) : NULL) {
    HGDIOBJ hOld = (HGDIOBJ)SendDlgItemMessage(IDC_COLOUR_PICTURE, STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)hBitmap);
    if (hOld != NULL && hOld != hBitmap) ::DeleteObject(hOld);
  }

  // Pixels are offered unless this is a new project document without a file, or a .tpx file.
  char szName[sizeof pRecord->szName + 1] = "";
  memcpy(szName, pRecord->szName, sizeof pRecord->szName);
  const char* pszDot = strchr(szName, '.');
  const char* pszExt = pszDot != NULL ? pszDot + 1 : szName;
  const bool bPixels = !((szName[0] == '\0' && m_bPrjNewDoc) || _stricmp(pszExt, "tpx") == 0);
  SendDlgItemMessage(IDC_UNIT, CB_INSERTSTRING, 0, (LPARAM)(const char*)LoadText(hFennor, IDS_INCHES));
  SendDlgItemMessage(IDC_UNIT, CB_INSERTSTRING, 1, (LPARAM)(const char*)LoadText(hFennor, IDS_CENTIMETRES));
  if (bPixels) SendDlgItemMessage(IDC_UNIT, CB_INSERTSTRING, 2, (LPARAM)(const char*)LoadText(hFennor, IDS_PIXELS));
  SendDlgItemMessage(IDC_UNIT, CB_SETCURSEL, bPixels ? 2 : 0, 0);
  if (szName[0] == '\0') GetDlgItem(IDC_ADVANCED)->EnableWindow(FALSE);

  m_nWidth = pRecord->nWidth;
  m_nHeight = pRecord->nHeight;
  m_nXRes = (pRecord->nXResolution + 5000) / 10000;
  m_nYRes = (pRecord->nYResolution + 5000) / 10000;
  OnChangeUnitType();

  CString text;
  text.Format("%d %s", m_nXRes, (const char*)LoadText(hFennor, IDS_DPI));
  SetDlgItemText(IDC_RESOLUTION, text);

  // A size from 100 KB on is shown in kilobytes, below in bytes.
  auto showSize = [&](UINT nID, double dBytes) {
    const bool bKilobytes = dBytes >= 102400;
    CString number, unit = LoadText(hFennor, bKilobytes ? IDS_KB : IDS_BYTES), sized;
    FormatThousand((int)(bKilobytes ? dBytes / 1024 : dBytes), number);
    sized.Format(unit, (const char*)number);
    SetDlgItemText(nID, sized);
  };
  showSize(IDC_MEMORY,
           (double)((long long)pRecord->nWidth * ((pRecord->nBitsPerPixel + 7) / 8) * (long long)pRecord->nHeight));

  if (szName[0] != '\0') {
    CString name(szName);
    name.MakeLower();
    SetDlgItemText(IDC_FILE_NAME, name);
    showSize(IDC_FILE_SIZE, (double)(unsigned int)pRecord->nFileSize);
    ::FreeLibrary(hFennor);
    if (HGLOBAL hFormat = tfFileGetFormatInfo(pRecord->nFormat)) {
      if (const TFFORMATINFO* pFormat = (const TFFORMATINFO*)::GlobalLock(hFormat)) {
        SetDlgItemText(IDC_FILE_FORMAT, pFormat->szName);
        ::GlobalUnlock(hFormat);
      }
      ::GlobalFree(hFormat);
    }
    ::GlobalUnlock(m_hFileData);
    t32MoveWindow(m_hWnd, T32MW_NEAREST, T32MW_INTO_VIEW);
  } else {
    for (int nID = IDC_FILE_FIRST; nID <= IDC_FILE_LAST; nID++)
      if (CWnd* pItem = GetDlgItem(nID)) pItem->EnableWindow(FALSE);
    ::FreeLibrary(hFennor);
    ::GlobalUnlock(m_hFileData);
  }
  return TRUE;
}

void CImageInfoDlg::OnChangeUnitType() {
  m_nUnit = (int)SendDlgItemMessage(IDC_UNIT, CB_GETCURSEL, 0, 0);
  CString width, height;
  if (m_nUnit == 2) {
    width.Format("%d", m_nWidth);
    height.Format("%d", m_nHeight);
  } else if (m_nUnit == 0 || m_nUnit == 1) {
    // Without a resolution there is no physical size to show.
    const double dScale = m_nUnit == 1 ? 2.54f : 1.0;
    if (m_nXRes > 0) width.Format("%0.2f", m_nWidth * dScale / m_nXRes);
    if (m_nYRes > 0) height.Format("%0.2f", m_nHeight * dScale / m_nYRes);
  }
  SetDlgItemText(IDC_WIDTH, width);
  SetDlgItemText(IDC_HEIGHT, height);
}

void CImageInfoDlg::OnHelp() {
  if (CWinApp* pApp = AfxGetApp()) pApp->WinHelp(IDD, HELP_CONTEXT);
}

void CImageInfoDlg::OnAdvanced() {
  tfFileShowDlgFileData(AfxGetInstanceHandle(), m_hWnd, m_hFileData, TF_SHOW_ALL, 0, 0);
}

void CImageInfoDlg::OnDestroy() {
  HGDIOBJ hBitmap = (HGDIOBJ)SendDlgItemMessage(IDC_COLOUR_PICTURE, STM_GETIMAGE, IMAGE_BITMAP, 0);
  if (hBitmap != NULL) ::DeleteObject(hBitmap);
  CDialog::OnDestroy();
}
