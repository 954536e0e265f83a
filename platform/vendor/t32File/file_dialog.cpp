// tfFileShowDlgFileData: a small modal dialog listing a file record.
#include "t32File.h"
#include <cstdio>
#include <string>
#include <vector>

namespace {

const char* ColorTypeName(int type) {
  switch (type) {
    case TF_COLOR_BW:
      return "Black and white";
    case TF_COLOR_GRAY:
      return "256 greys";
    case TF_COLOR_16:
      return "16 colours";
    case TF_COLOR_256:
      return "256 colours";
    case TF_COLOR_HIGH:
      return "High colour (16 bits)";
    case TF_COLOR_TRUE:
      return "True colour (24 bits)";
    case TF_COLOR_ALPHA:
      return "True colour with alpha (32 bits)";
    default:
      return "Unknown";
  }
}

std::string FormatName(int format) {
  std::string name = "Unknown";
  HGLOBAL h = tfFileGetFormatInfo(format);
  if (h) {
    name = static_cast<TFFORMATINFO*>(GlobalLock(h))->szName;
    GlobalUnlock(h);
    GlobalFree(h);
  }
  return name;
}

template <class... Args>
std::string Line(const char* fmt, Args... args) {
  char text[700];
  snprintf(text, sizeof(text), fmt, args...);
  return text;
}

std::vector<std::string> RecordLines(const TFFILEDATA& r, bool all) {
  std::vector<std::string> lines = {
      Line("Name: %s", r.szName),
      Line("Format: %s", FormatName(r.nFormat).c_str()),
      Line("File size: %d bytes", r.nFileSize),
  };
  if (!all) return lines;
  lines.push_back(Line("Width: %d pixels", r.nWidth));
  lines.push_back(Line("Height: %d pixels", r.nHeight));
  lines.push_back(Line("Bits per pixel: %d", r.nBitsPerPixel));
  lines.push_back(Line("Resolution: %d x %d dpi", (r.nXResolution + 5000) / 10000, (r.nYResolution + 5000) / 10000));
  lines.push_back(Line("Colour type: %s", ColorTypeName(r.nColorType)));
  lines.push_back(Line("Palette entries: %d", r.nPaletteEntries));
  lines.push_back(Line("Images in the file: %d", r.nFrames));
  return lines;
}

// Builds a dialog template in memory, DWORD-aligned item by item.
class TemplateWriter {
 public:
  void Word(WORD w) { m_words.push_back(w); }
  void Dword(DWORD d) {
    Word(LOWORD(d));
    Word(HIWORD(d));
  }
  void Text(const char* s) {
    for (; *s; ++s) Word(WORD((unsigned char)*s));
    Word(0);
  }
  void Align() {
    if (m_words.size() % 2) Word(0);
  }
  void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD atom, const char* text) {
    Align();
    Dword(style | WS_CHILD | WS_VISIBLE);
    Dword(0);
    for (short v : {x, y, cx, cy}) Word(WORD(v));
    Word(id);
    Word(0xFFFF);
    Word(atom);
    Text(text);
    Word(0);
  }
  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }

 private:
  std::vector<WORD> m_words;
};

INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_INITDIALOG) {
    for (const std::string& s : *reinterpret_cast<std::vector<std::string>*>(lp))
      SendDlgItemMessageA(hwnd, TF_DLG_LIST, LB_ADDSTRING, 0, (LPARAM)s.c_str());
    return TRUE;
  }
  if (msg == WM_COMMAND && (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL)) {
    EndDialog(hwnd, IDOK);
    return TRUE;
  }
  return FALSE;
}

}  // namespace

T32FILE_API int T32API tfFileShowDlgFileData(HINSTANCE hInst, HWND hOwner, HGLOBAL hData, int nWhat, int nReserved1,
                                             int nReserved2) {
  (void)hInst;
  (void)nReserved1;
  (void)nReserved2;
  if (!hData || GlobalSize(hData) < sizeof(TFFILEDATA)) return 0;
  TFFILEDATA* rec = static_cast<TFFILEDATA*>(GlobalLock(hData));
  if (!rec) return 0;
  TFFILEDATA copy = *rec;
  GlobalUnlock(hData);
  copy.szName[sizeof(copy.szName) - 1] = 0;
  std::vector<std::string> lines = RecordLines(copy, nWhat == TF_SHOW_ALL);

  TemplateWriter t;
  t.Dword(DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU);
  t.Dword(0);
  t.Word(2);  // items
  for (short v : {0, 0, 240, 150}) t.Word(WORD(v));
  t.Word(0);  // no menu
  t.Word(0);  // standard class
  t.Text("File Information");
  t.Word(8);
  t.Text("MS Shell Dlg");
  t.Item(WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOINTEGRALHEIGHT, 7, 7, 226, 116, TF_DLG_LIST, 0x0083, "");
  t.Item(BS_DEFPUSHBUTTON | WS_TABSTOP, 183, 129, 50, 14, IDOK, 0x0080, "OK");

  HMODULE self = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&DialogProc), &self);
  INT_PTR r = DialogBoxIndirectParamA(self, t.Get(), hOwner, DialogProc, (LPARAM)&lines);
  return r == IDOK ? IDOK : 0;
}
