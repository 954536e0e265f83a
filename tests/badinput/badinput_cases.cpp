// The bad-input table. A case gives true when the call came back with its documented result and
// left things as they were; a crash or a hang fails its group in the parent.
#include <Ostrel.h>
#include <Drevnic.h>
#include <t32Base.h>
#include <t32File.h>
#include "BadInput.h"
#include "ButtonBmpHost.h"
#include "TestApp.h"

namespace {

using ostrel_test::MainWnd;
const CRect kRect(10, 10, 110, 40);
const UINT kId = 301;

// Destroying twice: the second time there is no window left to destroy, and nothing breaks.
template <class T>
bool DestroyedTwice(T& control) {
  return control.DestroyWindow() && !control.DestroyWindow() && control.m_hWnd == NULL;
}

SGRADOPTION Grad() { return {0x000080FF, 0x00FF8000, 30, GRADDIR_HORIZONTAL}; }

int T32API NoLines(DSFILEIORANGE*, unsigned int, unsigned int, unsigned int, unsigned int, unsigned char**,
                   unsigned short, int, long) {
  return 1;
}

bool AllocRefused(int nBits, int w, int h) {
  HANDLE hBuf = NULL;
  return !buf32Alloc(&hBuf, nBits, w, h, BUF32_ALLOC_ZERO, NULL) && hBuf == NULL;
}

}  // namespace

const std::vector<BadInputCase>& BadInputCases() {
  static const std::vector<BadInputCase> cases = {
      // Progress bar: one bar per process; the model refuses everything while there is none.
      {"progress", "model calls with no bar",
       [] {
         CProgress unmade;
         double halves[2] = {0.5, 0.5};
         return CProgress::SimplePCB(1, 0, 0, NULL) == 0 && unmade.NestedBegin(2, halves) == 0 &&
                unmade.NestedEnd() == 0;
       }},
      {"progress", "Create with no parent", [] { return CProgress().Create(kId, kRect, NULL) == 0; }},
      {"progress", "Create twice, a second bar, NestedEnd at idle and running with no level open",
       [] {
         ostrel_test::InstallButtonBitmaps();  // the Cancel button's pictures
         CProgress bar, other;
         const bool bOk = bar.Create(kId, kRect, MainWnd()) == 1 && bar.Create(kId, kRect, MainWnd()) == 0 &&
                          other.Create(kId + 1, kRect, MainWnd()) == 0 && ::IsWindow(bar.m_hWnd) &&
                          bar.NestedEnd() == 1 && CProgress::SimplePCB(1, 0, 0, NULL) == 1 && bar.IsBarRunning() &&
                          bar.NestedEnd() == 0 && !bar.IsBarRunning();
         return bOk && DestroyedTwice(bar);
       }},
      {"colour", "Create with no parent; palette calls on a simple box, before and after Create",
       [] {
         CClrBoxes box;
         if (box.Create(kId, kRect, NULL, 0, NULL, 0, 0) != 0) return false;
         unsigned long colours[4] = {};
         const bool bBefore = box.SetPalette(colours) == 0 && box.GetPalette(colours) == 0 && box.SetUseWH(8, 8) == 0;
         return bBefore && box.Create(kId, kRect, MainWnd(), 0, NULL, 0, 0) && box.SetPalette(colours) == 0 &&
                box.GetPalette(colours) == 0 && box.SetUseWH(8, 8) == 0 && DestroyedTwice(box);
       }},
      // Angle dial: angles outside 0..359 are refused and the angle stays.
      {"dial", "out-of-range angles",
       [] {
         HWND hDial = ::CreateWindowExA(0, CIRCLECTRL_CLASS, "", WS_CHILD | WS_VISIBLE, 10, 10, 84, 84,
                                        MainWnd()->m_hWnd, NULL, NULL, NULL);
         ::SendMessageA(hDial, CCM_SETANGLE, 45, 0);
         bool bOk = hDial != NULL;
         for (int nAngle : {360, -1, 100000, INT_MIN})
           bOk = bOk && ::SendMessageA(hDial, CCM_SETANGLE, nAngle, 1) == -1;
         bOk = bOk && ::SendMessageA(hDial, CCM_GETANGLE, 0, 0) == 45;
         return bOk && ::DestroyWindow(hDial) && !::DestroyWindow(hDial);
       }},
      {"gradient", "Create with no parent; SetGradOpt(NULL), before and after Create",
       [] {
         CGradBoxes box;
         SGRADOPTION grad = Grad();
         return box.Create(kId, kRect, NULL, &grad) == 0 && box.SetGradOpt(NULL) == 0 &&
                box.Create(kId, kRect, MainWnd(), &grad) && box.SetGradOpt(NULL) == 0 && DestroyedTwice(box);
       }},
      {"gradient", "Create twice keeps the first window and record",
       [] {
         CGradBoxes box;
         SGRADOPTION grad = Grad(), other = {0, 0x00FFFFFF, 90, GRADDIR_VERTICAL};
         if (!box.Create(kId, kRect, MainWnd(), &grad)) return false;
         const HWND hFirst = box.m_hWnd;
         const bool bOk = box.Create(kId + 1, kRect, MainWnd(), &other) == 0 && box.m_hWnd == hFirst &&
                          box.GetDlgCtrlID() == (int)kId && box.GetGradOpt().nColorShift == grad.nColorShift;
         return bOk && DestroyedTwice(box);
       }},
      {"texture", "SetTextureOpt before loading and with a negative id",
       [] { return CTextureBoxes().SetTextureOpt(0) == 0 && CTextureBoxes().SetTextureOpt(-1) == 0; }},
      {"tips", "CTipUIEx Create with a null parent or target",
       [] {
         CTipUIEx tip1, tip2, tip3;
         CRect rc(kRect);
         return tip1.Create(NULL, rc) == 0 && tip2.Create(NULL, MainWnd()) == 0 &&
                tip3.Create(MainWnd(), (CWnd*)NULL) == 0 && tip1.m_hWnd == NULL;
       }},
      {"tips", "balloon text of nothing, or with no device context or font",
       [] {
         CString empty;
         const CSize size = GetTipRect(MainWnd(), empty, CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
         CClientDC dc(MainWnd());
         DrawTipText(NULL, "text", CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)), 0);
         DrawTipText(&dc, "text", NULL, 0);
         DrawTipText(&dc, "", CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)), 0);
         return size == CSize(0, 0);
       }},
      {"tips", "mark-up of empty and bar-only texts",
       [] {
         CString empty, bars("|||");
         return Parse(empty) == 1 && empty.IsEmpty() && Parse(bars) == 1 && bars == "||";
       }},
      {"buttons", "owner-drawn button with no parent or no item",
       [] {
         COkButton button1, button2;
         return !button1.Create(NULL, kId, COkButton::BITMAP_PUSH_ALT1, 0, NULL) &&
                !button2.Create(MainWnd(), 0xFFFF, COkButton::BITMAP_PUSH_ALT1, 0, NULL) && button2.m_hWnd == NULL;
       }},
      // The maker's libraries under the controls.
      {"vendor", "image buffers of no, negative or huge size, or an unknown depth",
       [] {
         return AllocRefused(24, 0, 5) && AllocRefused(24, -1, 5) && AllocRefused(24, 5, 40000) &&
                AllocRefused(24, INT_MAX, INT_MAX) && AllocRefused(7, 5, 5) && buf32Free(NULL) == 0;
       }},
      {"vendor", "image files: no name, an option, no record, an unknown format",
       [] {
         DSFILEIORANGE range = {};
         return tfFileGetFileData(NULL, 0) == NULL && tfFileGetFileData("", 0) == NULL &&
                tfFileGetFileData("missing.bmp", 0) == NULL && tfFileGetFileData("missing.bmp", 1) == NULL &&
                tfFileFreeFileData(NULL) == 0 && tfFileRead(NULL, &range, NoLines) == 0 &&
                tfFileGetFormatInfo(0) == NULL && tfFileGetFormatInfo(-5) == NULL;
       }},
      {"vendor", "gradient rendering with no record, an empty or a huge frame",
       [] {
         GFILL_OPTION record = {};
         return CreateGradientBuffer(NULL, CRect(0, 0, 8, 8)) == NULL &&
                CreateGradientBuffer(&record, CRect(0, 0, 0, 8)) == NULL &&
                CreateGradientBuffer(&record, CRect(8, 8, 0, 0)) == NULL &&
                CreateGradientBuffer(&record, CRect(0, 0, INT_MAX, INT_MAX)) == NULL &&
                GFillToBuf(NULL, &record, NULL) == 0;
       }},
      {"vendor", "item lists: no path, unknown types and positions",
       [] {
         CIIList list;
         return list.Load(NULL) == 0 && list.Save(NULL) == 0 && list.Load("") == 0 && list.TypeGetCount(-1) == -1 &&
                list.TypeGetCount(IILIST_MAX_TYPES) == -1 && list.TypeGetII(0, 0) == -1 &&
                list.TypeGetII(0, -1) == -1 && list.TypeAddII(0, 12345) == 0 && list.GetAPIIData(-1) == NULL &&
                list.IsIIValid(INT_MAX) == 0;
       }},
  };
  return cases;
}
