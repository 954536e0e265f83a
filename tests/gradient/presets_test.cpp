// The preset strip and its file, and the "Gradient Fill" dialog over it.
#include <windows.h>
#include <commctrl.h>
#include "GdiTracker.h"
#include "RecordingParent.h"
#include "TestApp.h"
#include "gradient/RecordBlock.h"
#include "gradient_host.h"

using namespace ostrel_test;
using namespace gradient_test;

namespace {

const UINT kStripId = 1072;
const int kAdd = 1074, kUpdate = 1075, kDelete = 1076;

// Adds one preset to a strip: a copy of the record and its thumbnail.
void AddPreset(CGradientWnd& strip, const GFILL_OPTION& record) {
  int w = 0, h = 0;
  strip.GetList()->RetrieveIIWH(w, h);
  GFILL_OPTION* pBlock = (GFILL_OPTION*)AllocRecordBlock(sizeof record);
  *pBlock = record;
  void* hThumbnail = CreateGradientBuffer(pBlock, CRect(0, 0, w, h));
  strip.AddItem(hThumbnail, pBlock);
  buf32Free(hThumbnail);
}

// Writes a preset file of the records through a strip, as the dialog would.
void WritePresets(CWnd* pParent, const std::vector<GFILL_OPTION>& records) {
  CGradientWnd strip(pParent);
  strip.Create(0, CRect(0, 0, 200, 52), pParent, kStripId);
  for (const GFILL_OPTION& record : records) AddPreset(strip, record);
}

struct Strip : CGradientWnd {
  explicit Strip(CWnd* pParent, int nHeight = 52) : CGradientWnd(pParent) {
    EXPECT_TRUE(Create(0, CRect(10, 10, 310, 10 + nHeight), pParent, kStripId));
  }
  int Count() { return GetList()->TypeGetCount(0); }
  int ItemAt(int nPos) { return GetList()->TypeGetII(0, nPos); }
  std::string RecordAt(int nPos) {
    const GFILL_OPTION* p = (const GFILL_OPTION*)GetList()->GetAPIIData(ItemAt(nPos));
    return p != NULL ? Bytes(*p) : std::string();
  }
};

class PresetStoreTest : public ::testing::Test {
 protected:
  std::vector<std::string> StoredRecords() {
    Strip strip(&m_parent);
    std::vector<std::string> records;
    for (int i = 0; i < strip.Count(); i++) records.push_back(strip.RecordAt(i));
    return records;
  }

  HostFolder m_host;
  CRecordingParent m_parent{0, 0, 400, 300};
  const std::vector<GFILL_OPTION> m_records = {
      MakeGradOption(RGB(255, 0, 0), RGB(0, 0, 255), 0, GRADDIR_VERTICAL, GRADLINE_PREVIEW, 40, 40),
      MakeGradOption(RGB(0, 128, 0), RGB(255, 255, 0), 30, GRADDIR_HORIZONTAL, GRADLINE_PREVIEW, 40, 40),
      MakeGradOption(RGB(10, 20, 30), RGB(200, 210, 220), 100, GRADDIR_DIAGONAL_UP, GRADLINE_PREVIEW, 40, 40),
  };
};

TEST_F(PresetStoreTest, RecordsAndThumbnailsComeBackInOrderAndTheSizeFollowsTheHeight) {
  std::vector<std::vector<unsigned char>> thumbnails;
  {
    Strip strip(&m_parent);
    int w = 0, h = 0;
    strip.GetList()->RetrieveIIWH(w, h);
    EXPECT_EQ(34, w);
    EXPECT_EQ(34, h);
    for (const GFILL_OPTION& record : m_records) AddPreset(strip, record);
    // The preset added last is the one selected.
    EXPECT_EQ(strip.ItemAt(2), strip.GetFirstSelItem(0));
    for (int i = 0; i < 3; i++) thumbnails.push_back(BufferPixels(strip.GetList()->GetIIBuffer(strip.ItemAt(i))));
  }  // saved here
  ASSERT_FALSE(m_host.ReadPresets().empty());

  Strip strip(&m_parent, 10);
  int w = 0, h = 0;
  strip.GetList()->RetrieveIIWH(w, h);
  EXPECT_EQ(8, w);  // |10 - 18|
  ASSERT_EQ(3, strip.Count());
  for (int i = 0; i < 3; i++) {
    EXPECT_EQ(Bytes(m_records[i]), strip.RecordAt(i)) << i;
    EXPECT_EQ(thumbnails[i], BufferPixels(strip.GetList()->GetIIBuffer(strip.ItemAt(i)))) << i;
  }
  EXPECT_EQ(-1, strip.GetFirstSelItem(0));  // a strip opens with nothing selected
}

TEST_F(PresetStoreTest, DeletingSelectsTheNeighbourBeforeAndPostsItsRecord) {
  WritePresets(&m_parent, {m_records[0], m_records[1], m_records[2], m_records[0]});
  Strip strip(&m_parent);
  const int second = strip.ItemAt(1), third = strip.ItemAt(2);

  // The first one: the new first is selected.
  strip.SelectItem(strip.ItemAt(0));
  strip.DeleteSelAndReselect();
  EXPECT_EQ(3, strip.Count());
  EXPECT_EQ(second, strip.GetFirstSelItem(0));
  ASSERT_TRUE(PumpUntil([&] { return m_parent.Commands(0).size() == 1; }));
  EXPECT_EQ((WPARAM)kStripId, m_parent.Commands(0)[0].wParam);
  EXPECT_EQ((LPARAM)strip.GetList()->GetAPIIData(second), m_parent.Commands(0)[0].lParam);

  // A later one: the one before it.
  strip.SelectItem(strip.ItemAt(2));
  strip.DeleteSelAndReselect();
  EXPECT_EQ(third, strip.GetFirstSelItem(0));
  ASSERT_TRUE(PumpUntil([&] { return m_parent.Commands(0).size() == 2; }));
  ASSERT_NE(0, m_parent.Commands(0)[1].lParam);
  EXPECT_EQ(Bytes(m_records[2]), Bytes(*(GFILL_OPTION*)m_parent.Commands(0)[1].lParam));
}

TEST_F(PresetStoreTest, UnreadableFilesGiveAnEmptyStripAndAreKeptBesideIt) {
  WritePresets(&m_parent, {m_records[0], m_records[1]});
  const std::string whole = m_host.ReadPresets();
  // A list of some other kind: its data blocks are not 68-byte records.
  CIIList other;
  other.SetFixedAPIIData(16);
  _IIDATA item = {};
  item.nMode = IIBUF_COPY;
  char block[16] = "not a gradient";
  item.pAPData = block;
  other.TypeAddII(0, other.AddII(&item));
  const std::string foreign = m_host.temp.File("foreign.lst");
  ASSERT_TRUE(other.Save(foreign.c_str()));

  const std::string cases[] = {whole.substr(0, whole.size() / 2), std::string(300, '\x5A'), TempDir::Read(foreign)};
  for (const std::string& bytes : cases) {
    DeleteFileA((m_host.PresetFile() + ".unreadable").c_str());
    m_host.temp.Write("Tarvik.dat\\Gradient.qs4", bytes);
    {
      Strip strip(&m_parent);
      EXPECT_EQ(0, strip.Count());
      AddPreset(strip, m_records[2]);
    }
    EXPECT_EQ(bytes, TempDir::Read(m_host.PresetFile() + ".unreadable"));
    Strip strip(&m_parent);
    EXPECT_EQ(1, strip.Count());  // the new file holds what was added
  }
  // Other unreadable bytes do not replace the kept ones; the same bytes again are kept once only.
  for (int nTimes = 0; nTimes < 2; nTimes++) {
    m_host.temp.Write("Tarvik.dat\\Gradient.qs4", cases[1]);
    Strip strip(&m_parent);
  }
  EXPECT_EQ(cases[2], TempDir::Read(m_host.PresetFile() + ".unreadable"));
  EXPECT_EQ(cases[1], TempDir::Read(m_host.PresetFile() + ".unreadable2"));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((m_host.PresetFile() + ".unreadable3").c_str()));
}

TEST_F(PresetStoreTest, ASaveThatFailsLeavesThePreviousFile) {
  WritePresets(&m_parent, {m_records[0]});
  const std::string before = m_host.ReadPresets();
  // The new file cannot be written: its temporary name is taken by a folder.
  ASSERT_TRUE(CreateDirectoryA((m_host.PresetFile() + ".new").c_str(), NULL));
  {
    Strip strip(&m_parent);
    AddPreset(strip, m_records[1]);
    EXPECT_EQ(0, strip.Save());
  }
  EXPECT_EQ(before, m_host.ReadPresets());
  RemoveDirectoryA((m_host.PresetFile() + ".new").c_str());
}

class CProbeGradDlg : public CGradDLg {
 public:
  explicit CProbeGradDlg(CWnd* pParent, GFILL_OPTION* pRecord) : CGradDLg(pParent) { m_pGFillOption = pRecord; }
  using CGradDLg::m_clrStart;
  using CGradDLg::m_pPresetWnd;
  using CGradDLg::m_rcPreview;
  using CGradDLg::m_szBackupFile;
  int PresetCount() const { return m_pPresetWnd->GetList()->TypeGetCount(0); }
  void SelectPreset(int nPos) { m_pPresetWnd->SelectItem(m_pPresetWnd->GetList()->TypeGetII(0, nPos)); }
  void ShowColourMenu() { OnPickColor(m_rcColor1); }
};

bool Checked(HWND hDlg, int nID) { return SendDlgItemMessageA(hDlg, nID, BM_GETCHECK, 0, 0) == BST_CHECKED; }
int ShiftPosition(HWND hDlg) { return (int)SendDlgItemMessageA(hDlg, 1071, TBM_GETPOS, 0, 0); }

class GradDialogTest : public PresetStoreTest {
 protected:
  void SetUp() override { ASSERT_TRUE(IconButtonsLoaded()); }
  static INT_PTR Run(CProbeGradDlg& dlg, const std::function<void(HWND)>& script) {
    INT_PTR result = -2;
    DriveDialog([&] { result = dlg.DoModal(); }, script);
    return result;
  }
  // As a gradient box hands it over: a vertical line in the 10 x 10 frame.
  GFILL_OPTION m_record = MakeGradOption(RGB(200, 0, 0), RGB(0, 0, 200), 20, GRADDIR_VERTICAL, GRADLINE_BOX, 0, 0);
};

TEST_F(GradDialogTest, CancelPutsBackThePresetFileAndTheRecordAfterAddAndDelete) {
  WritePresets(&m_parent, {m_records[1], m_records[2]});
  const std::string file = m_host.ReadPresets();
  const GFILL_OPTION original = m_record;
  CProbeGradDlg dlg(&m_parent, &m_record);
  INT_PTR result = Run(dlg, [&](HWND h) {
    PressButton(h, 1063);
    SendMessageA(h, WM_COMMAND, 1073, 0);  // sandwich
    PressButton(h, kAdd);
    EXPECT_EQ(3, dlg.PresetCount());
    dlg.SelectPreset(0);
    EXPECT_EQ("Are you sure you want to delete the template?", AnswerBox([&] { PressButton(h, kDelete); }, IDYES));
    EXPECT_EQ(2, dlg.PresetCount());
    EXPECT_NE(Bytes(original), Bytes(m_record));
    PressButton(h, IDCANCEL);
  });
  EXPECT_EQ(IDCANCEL, result);
  EXPECT_EQ(file, m_host.ReadPresets());
  EXPECT_EQ(Bytes(original), Bytes(m_record));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(dlg.m_szBackupFile));

  // An unreadable file comes back byte for byte; with no file at the start, Cancel leaves none.
  for (const std::string& before : {file.substr(0, file.size() - 9), std::string()}) {
    if (before.empty())
      DeleteFileA(m_host.PresetFile().c_str());
    else
      m_host.temp.Write("Tarvik.dat\\Gradient.qs4", before);
    CProbeGradDlg again(&m_parent, &m_record);
    Run(again, [&](HWND h) {
      EXPECT_EQ(0, again.PresetCount());
      PressButton(h, kAdd);
      PressButton(h, IDCANCEL);
    });
    EXPECT_EQ(before, m_host.ReadPresets());
    EXPECT_EQ(before.empty(), GetFileAttributesA(m_host.PresetFile().c_str()) == INVALID_FILE_ATTRIBUTES);
  }
}

TEST_F(GradDialogTest, OkKeepsTheRecordAndThePresetsAndLeavesNoGdiObjects) {
  WritePresets(&m_parent, {m_records[1]});
  // The sweep closes the dialog unchanged; here it adds a preset and takes a colour from the menu.
  GdiTracker tracker({"Ostrel.dll", "afx.dll", "IconBtn.dll", "Drevnic.dll", "t32Base.dll"});
  ASSERT_TRUE(tracker.Patched());
  CProbeGradDlg dlg(&m_parent, &m_record);
  INT_PTR result = Run(dlg, [&](HWND hDlg) {
    PressButton(hDlg, 1062);
    EXPECT_TRUE(Checked(hDlg, 1062));
    EXPECT_FALSE(Checked(hDlg, 1061));
    HWND hShift = GetDlgItem(hDlg, 1071);
    SendMessageA(hShift, TBM_SETPOS, TRUE, 7);
    SendMessageA(hDlg, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 7), (LPARAM)hShift);
    PressButton(hDlg, kAdd);
    // A colour from the menu reaches the start colour. The menu's driver ends with the menu: left
    // running, its deadline would close the dialog too.
    {
      ModalDriver menu(ModalDriver::ClassIs("#32768"), [](HWND hMenu) {
        PostMessageA(hMenu, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageA(hMenu, WM_KEYDOWN, VK_RETURN, 0);
      });
      dlg.ShowColourMenu();
      EXPECT_TRUE(menu.Acted());
    }
    EXPECT_TRUE(PumpUntil([&] { return dlg.m_clrStart == 0x000073; }));
    RedrawWindow(hDlg, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PressButton(hDlg, IDOK);
  });
  EXPECT_EQ(IDOK, result);
  EXPECT_EQ(0x000073u, m_record.clrStart);
  EXPECT_EQ(70, m_record.nColorShift);
  EXPECT_GT(dlg.m_rcPreview.Width(), 0);
  EXPECT_EQ(CPoint(0, 0), CPoint(m_record.ptStart));
  EXPECT_EQ(CPoint(dlg.m_rcPreview.Width(), 0), CPoint(m_record.ptEnd));
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

TEST_F(GradDialogTest, OpensOnTheRecordAppliesAClickedPresetAndThePresetButtonsSayWhatIsMissing) {
  WritePresets(&m_parent, {m_records[1], m_records[2]});
  m_record.nColorShift = 55;
  CProbeGradDlg dlg(&m_parent, &m_record);
  Run(dlg, [&](HWND h) {
    EXPECT_EQ(5, ShiftPosition(h));
    EXPECT_TRUE(Checked(h, 1061));
    EXPECT_EQ(CPoint(0, dlg.m_rcPreview.Height()), CPoint(m_record.ptEnd));  // the line in the preview's frame
    PressButton(h, 1118);
    EXPECT_EQ(370u, AfxGetApp()->m_dwLastHelpContext);
    EXPECT_EQ(370, SendMessageA(h, 0x0366, 0, MAKELPARAM(5, 5)));
    EXPECT_EQ("Please select a template first.", AnswerBox([&] { PressButton(h, kUpdate); }, IDOK));
    EXPECT_EQ("Select a template first.", AnswerBox([&] { PressButton(h, kDelete); }, IDOK));

    // A click on the first preset: its colours, shift and direction, the line in the preview's frame.
    HWND hStrip = dlg.m_pPresetWnd->m_hWnd;
    SendMessageA(hStrip, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 8));
    SendMessageA(hStrip, WM_LBUTTONUP, 0, MAKELPARAM(8, 8));
    EXPECT_TRUE(PumpUntil([&] { return m_record.clrStart == m_records[1].clrStart; }));
    EXPECT_EQ(3, ShiftPosition(h));
    EXPECT_TRUE(Checked(h, 1062));
    EXPECT_FALSE(Checked(h, 1061));
    EXPECT_EQ(CPoint(dlg.m_rcPreview.Width(), 0), CPoint(m_record.ptEnd));

    dlg.SelectPreset(1);
    EXPECT_EQ("Are you sure you want to delete the template?", AnswerBox([&] { PressButton(h, kDelete); }, IDNO));
    EXPECT_EQ(2, dlg.PresetCount());
    EXPECT_EQ("", AnswerBox([&] { PressButton(h, kUpdate); }, IDOK));  // the selected one takes the record
    AnswerBox([&] { PressButton(h, kDelete); }, IDYES);
    EXPECT_EQ(1, dlg.PresetCount());
    EXPECT_EQ("Cannot delete the last template.", AnswerBox([&] { PressButton(h, kDelete); }, IDOK));
    PressButton(h, IDOK);
  });
  EXPECT_EQ(m_records[1].clrEnd, m_record.clrEnd);
  EXPECT_EQ((std::vector<std::string>{Bytes(m_records[1])}), StoredRecords());
}

}  // namespace
