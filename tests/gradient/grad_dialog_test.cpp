// The "Gradient Fill" dialog: Cancel puts back the preset file byte for byte and the record, OK
// keeps both; the preset buttons and their messages; opening on a record (direction button, shift);
// a selected preset applied; the colour menu; no GDI object left after an edit.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include "GdiTracker.h"
#include "ModalDriver.h"
#include "RecordingParent.h"
#include "TestApp.h"
#include "gradient_host.h"

using namespace ostrel_test;
using namespace gradient_test;

namespace {

const int kAdd = 1074, kUpdate = 1075, kDelete = 1076;

// The dialog with its inside in reach.
class CProbeGradDlg : public CGradDLg {
 public:
  explicit CProbeGradDlg(CWnd* pParent, GFILL_OPTION* pRecord) : CGradDLg(pParent) { m_pGFillOption = pRecord; }
  CGradientWnd* Strip() const { return m_pPresetWnd; }
  int PresetCount() const { return m_pPresetWnd->GetList()->TypeGetCount(0); }
  int PresetAt(int nPos) const { return m_pPresetWnd->GetList()->TypeGetII(0, nPos); }
  int PreviewWidth() const { return m_rcPreview.Width(); }
  int PreviewHeight() const { return m_rcPreview.Height(); }
  COLORREF StartColour() const { return m_clrStart; }
  const char* BackupFile() const { return m_szBackupFile; }
  void ShowColourMenu() { OnPickColor(m_rcColor1); }
};

bool Checked(HWND hDlg, int nID) { return SendDlgItemMessageA(hDlg, nID, BM_GETCHECK, 0, 0) == BST_CHECKED; }
int ShiftPosition(HWND hDlg) { return (int)SendDlgItemMessageA(hDlg, 1071, TBM_GETPOS, 0, 0); }

class GradDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(m_buttons.Loaded()); }
  // Runs the dialog on m_record.
  INT_PTR Run(CProbeGradDlg& dlg, const std::function<void(HWND)>& script) {
    INT_PTR result = -2;
    DriveDialog([&] { result = dlg.DoModal(); }, script);
    return result;
  }
  std::vector<std::string> StoredRecords() {
    CGradientWnd strip(&m_parent);
    strip.Create(0, CRect(0, 0, 100, 52), &m_parent, 1072);
    std::vector<std::string> records;
    for (int i = 0; i < strip.GetList()->TypeGetCount(0); i++)
      records.push_back(Bytes(*(GFILL_OPTION*)strip.GetList()->GetAPIIData(strip.GetList()->TypeGetII(0, i))));
    return records;
  }

  HostFolder m_host;
  IconButtonModule m_buttons;
  CRecordingParent m_parent{0, 0, 400, 300};
  // As a gradient box hands it over: a vertical line in the 10 x 10 frame.
  GFILL_OPTION m_record = MakeGradOption(RGB(200, 0, 0), RGB(0, 0, 200), 20, GRADDIR_VERTICAL, GRADLINE_BOX, 0, 0);
  const GFILL_OPTION m_presetA = Record(RGB(0, 128, 0), RGB(255, 255, 0), GRADDIR_HORIZONTAL, 30);
  const GFILL_OPTION m_presetB = Record(RGB(9, 9, 9), RGB(99, 99, 99), GRADDIR_DIAGONAL_UP, 100);
};

TEST_F(GradDialogTest, CancelPutsBackThePresetFileAndTheRecordAfterAddAndDelete) {
  WritePresets(&m_parent, {m_presetA, m_presetB});
  const std::string file = m_host.ReadPresets();
  const GFILL_OPTION original = m_record;
  CProbeGradDlg dlg(&m_parent, &m_record);
  INT_PTR result = Run(dlg, [&](HWND h) {
    PressButton(h, 1063);
    SendMessageA(h, WM_COMMAND, 1073, 0);  // sandwich
    PressButton(h, kAdd);
    EXPECT_EQ(3, dlg.PresetCount());
    dlg.Strip()->SelectItem(dlg.PresetAt(0));
    EXPECT_EQ("Are you sure you want to delete the template?", AnswerBox([&] { PressButton(h, kDelete); }, IDYES));
    EXPECT_EQ(2, dlg.PresetCount());
    EXPECT_NE(Bytes(original), Bytes(m_record));
    PressButton(h, IDCANCEL);
  });
  EXPECT_EQ(IDCANCEL, result);
  EXPECT_EQ(file, m_host.ReadPresets());
  EXPECT_EQ(Bytes(original), Bytes(m_record));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(dlg.BackupFile()));

  // An unreadable file comes back byte for byte; with no file at the start, Cancel leaves none.
  const std::string unreadable = file.substr(0, file.size() - 9);
  m_host.Temp().Write("Tarvik.dat\\Gradient.qs4", unreadable);
  CProbeGradDlg again(&m_parent, &m_record);
  Run(again, [&](HWND h) {
    EXPECT_EQ(0, again.PresetCount());
    PressButton(h, kAdd);
    PressButton(h, IDCANCEL);
  });
  EXPECT_EQ(unreadable, m_host.ReadPresets());
  DeleteFileA(m_host.PresetFile().c_str());
  CProbeGradDlg third(&m_parent, &m_record);
  Run(third, [&](HWND h) {
    PressButton(h, kAdd);
    PressButton(h, IDCANCEL);
  });
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(m_host.PresetFile().c_str()));
}

TEST_F(GradDialogTest, OkKeepsTheRecordAndThePresetsAndLeavesNoGdiObjects) {
  WritePresets(&m_parent, {m_presetA});
  // The sweep closes the dialog unchanged; here it adds a preset and takes a colour from the menu.
  GdiTracker tracker({"Ostrel.dll", "afx.dll", "IconBtn.dll", "Drevnic.dll", "t32Base.dll"});
  ASSERT_TRUE(tracker.Patched());
  CProbeGradDlg dlg(&m_parent, &m_record);
  int w = 0, h = 0;
  INT_PTR result = Run(dlg, [&](HWND hDlg) {
    w = dlg.PreviewWidth();
    h = dlg.PreviewHeight();
    PressButton(hDlg, 1062);
    EXPECT_TRUE(Checked(hDlg, 1062));
    EXPECT_FALSE(Checked(hDlg, 1061));
    HWND hShift = GetDlgItem(hDlg, 1071);
    SendMessageA(hShift, TBM_SETPOS, TRUE, 7);
    SendMessageA(hDlg, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 7), (LPARAM)hShift);
    PressButton(hDlg, kAdd);
    // A colour from the menu reaches the start colour.
    ModalDriver menu(
        ModalDriver::ClassIs("#32768"),
        [](HWND hMenu) {
          PostMessageA(hMenu, WM_KEYDOWN, VK_DOWN, 0);
          PostMessageA(hMenu, WM_KEYDOWN, VK_RETURN, 0);
        },
        5000);
    dlg.ShowColourMenu();
    EXPECT_TRUE(PumpUntil([&] { return dlg.StartColour() == 0x000073; }));
    RedrawWindow(hDlg, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PressButton(hDlg, IDOK);
  });
  EXPECT_EQ(IDOK, result);
  EXPECT_EQ(0x000073u, m_record.clrStart);
  EXPECT_EQ(70, m_record.nColorShift);
  EXPECT_GT(w, 0);
  EXPECT_EQ(CPoint(0, 0), CPoint(m_record.ptStart));
  EXPECT_EQ(CPoint(w, 0), CPoint(m_record.ptEnd));
  PumpMessages();
  EXPECT_EQ(0, tracker.Outstanding());
  EXPECT_EQ(0, tracker.DCsHeld());

  std::vector<std::string> stored = StoredRecords();
  ASSERT_EQ(2u, stored.size());
  const GFILL_OPTION* pAdded = (const GFILL_OPTION*)stored[1].data();
  EXPECT_EQ(70, pAdded->nColorShift);
  EXPECT_EQ(0, pAdded->ptEnd.y);  // horizontal, in the thumbnail's frame
  EXPECT_GT(pAdded->ptEnd.x, 0);
}

TEST_F(GradDialogTest, PresetButtonsSayWhatIsMissing) {
  WritePresets(&m_parent, {m_presetA, m_presetB});
  CProbeGradDlg dlg(&m_parent, &m_record);
  Run(dlg, [&](HWND h) {
    EXPECT_EQ("Please select a template first.", AnswerBox([&] { PressButton(h, kUpdate); }, IDOK));
    EXPECT_EQ("Select a template first.", AnswerBox([&] { PressButton(h, kDelete); }, IDOK));
    EXPECT_EQ(2, dlg.PresetCount());

    dlg.Strip()->SelectItem(dlg.PresetAt(1));
    EXPECT_EQ("Are you sure you want to delete the template?", AnswerBox([&] { PressButton(h, kDelete); }, IDNO));
    EXPECT_EQ(2, dlg.PresetCount());
    EXPECT_EQ("", AnswerBox([&] { PressButton(h, kUpdate); }, IDOK));  // the selected one takes the record
    AnswerBox([&] { PressButton(h, kDelete); }, IDYES);
    EXPECT_EQ(1, dlg.PresetCount());
    EXPECT_EQ("Cannot delete the last template.", AnswerBox([&] { PressButton(h, kDelete); }, IDOK));
    PressButton(h, IDOK);
  });
  std::vector<std::string> stored = StoredRecords();
  ASSERT_EQ(1u, stored.size());
  EXPECT_EQ(Bytes(m_presetA), stored[0]);
}

TEST_F(GradDialogTest, OpensOnTheRecordAndAppliesASelectedPreset) {
  WritePresets(&m_parent, {m_presetA});
  m_record.nColorShift = 55;
  CProbeGradDlg dlg(&m_parent, &m_record);
  Run(dlg, [&](HWND h) {
    EXPECT_EQ(5, ShiftPosition(h));
    EXPECT_TRUE(Checked(h, 1061));
    EXPECT_EQ(CPoint(0, dlg.PreviewHeight()), CPoint(m_record.ptEnd));  // the line in the preview's frame
    PressButton(h, 1118);
    EXPECT_EQ(370u, AfxGetApp()->m_dwLastHelpContext);
    EXPECT_EQ(370, SendMessageA(h, 0x0366, 0, MAKELPARAM(5, 5)));

    // A click on the preset: its colours, shift and direction, the line in the preview's frame.
    HWND hStrip = dlg.Strip()->m_hWnd;
    SendMessageA(hStrip, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 8));
    SendMessageA(hStrip, WM_LBUTTONUP, 0, MAKELPARAM(8, 8));
    EXPECT_TRUE(PumpUntil([&] { return m_record.clrStart == m_presetA.clrStart; }));
    EXPECT_EQ(3, ShiftPosition(h));
    EXPECT_TRUE(Checked(h, 1062));
    EXPECT_FALSE(Checked(h, 1061));
    EXPECT_EQ(CPoint(dlg.PreviewWidth(), 0), CPoint(m_record.ptEnd));
    PressButton(h, IDOK);
  });
  EXPECT_EQ(m_presetA.clrEnd, m_record.clrEnd);
}

}  // namespace
