// The preset strip and its file: records and thumbnails survive a save and a load in order; the
// thumbnail size follows the strip's height; deleting selects a neighbour and hands its record to
// the owner; unreadable files give an empty strip and are kept; a failed save keeps the old file.
#include <gtest/gtest.h>
#include <t32Base.h>
#include "RecordingParent.h"
#include "TestApp.h"
#include "gradient_host.h"

using namespace ostrel_test;
using namespace gradient_test;

namespace {

const UINT kStripId = 1072;

class PresetStoreTest : public ::testing::Test {
 protected:
  // A strip of the given height made by m_parent, which also receives its commands.
  void Make(CGradientWnd& strip, int nHeight) {
    ASSERT_TRUE(strip.Create(0, CRect(10, 10, 310, 10 + nHeight), &m_parent, kStripId));
  }
  CIIWndList* List(CGradientWnd& strip) { return strip.GetList(); }
  int ItemAt(CGradientWnd& strip, int nPos) { return List(strip)->TypeGetII(0, nPos); }
  std::string RecordAt(CGradientWnd& strip, int nPos) {
    const GFILL_OPTION* p = (const GFILL_OPTION*)List(strip)->GetAPIIData(ItemAt(strip, nPos));
    return p != NULL ? Bytes(*p) : std::string();
  }

  HostFolder m_host;
  CRecordingParent m_parent{0, 0, 400, 200};
  const std::vector<GFILL_OPTION> m_records = {
      Record(RGB(255, 0, 0), RGB(0, 0, 255), GRADDIR_VERTICAL, 0),
      Record(RGB(0, 128, 0), RGB(255, 255, 0), GRADDIR_HORIZONTAL, 30),
      Record(RGB(10, 20, 30), RGB(200, 210, 220), GRADDIR_DIAGONAL_UP, 100),
  };
};

TEST_F(PresetStoreTest, RecordsAndThumbnailsComeBackInOrderAndTheSizeFollowsTheHeight) {
  std::vector<std::vector<unsigned char>> thumbnails;
  {
    CGradientWnd strip(&m_parent);
    Make(strip, 52);
    int w = 0, h = 0;
    List(strip)->RetrieveIIWH(w, h);
    EXPECT_EQ(34, w);
    EXPECT_EQ(34, h);
    for (const GFILL_OPTION& record : m_records) AddPreset(strip, record);
    // The preset added last is the one selected.
    EXPECT_EQ(ItemAt(strip, 2), strip.GetFirstSelItem(0));
    for (int i = 0; i < 3; i++) thumbnails.push_back(BufferPixels(List(strip)->GetIIBuffer(ItemAt(strip, i))));
  }  // saved here
  ASSERT_FALSE(m_host.ReadPresets().empty());

  CGradientWnd strip(&m_parent);
  Make(strip, 10);
  int w = 0, h = 0;
  List(strip)->RetrieveIIWH(w, h);
  EXPECT_EQ(8, w);  // |10 - 18|
  ASSERT_EQ(3, List(strip)->TypeGetCount(0));
  for (int i = 0; i < 3; i++) {
    EXPECT_EQ(Bytes(m_records[i]), RecordAt(strip, i)) << i;
    EXPECT_EQ(thumbnails[i], BufferPixels(List(strip)->GetIIBuffer(ItemAt(strip, i)))) << i;
  }
  EXPECT_EQ(-1, strip.GetFirstSelItem(0));  // a strip opens with nothing selected
}

TEST_F(PresetStoreTest, DeletingSelectsTheNeighbourBeforeAndPostsItsRecord) {
  WritePresets(&m_parent, {m_records[0], m_records[1], m_records[2], m_records[0]});
  CGradientWnd strip(&m_parent);
  Make(strip, 52);
  const int second = ItemAt(strip, 1), third = ItemAt(strip, 2);

  // The first one: the new first is selected.
  strip.SelectItem(ItemAt(strip, 0));
  strip.DeleteSelAndReselect();
  EXPECT_EQ(3, List(strip)->TypeGetCount(0));
  EXPECT_EQ(second, strip.GetFirstSelItem(0));
  ASSERT_TRUE(PumpUntil([&] { return m_parent.Commands(0).size() == 1; }));
  EXPECT_EQ((WPARAM)kStripId, m_parent.Commands(0)[0].wParam);
  EXPECT_EQ((LPARAM)List(strip)->GetAPIIData(second), m_parent.Commands(0)[0].lParam);

  // A later one: the one before it.
  strip.SelectItem(ItemAt(strip, 2));
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
  const std::string foreign = m_host.Temp().File("foreign.lst");
  ASSERT_TRUE(other.Save(foreign.c_str()));

  const std::string cases[] = {whole.substr(0, whole.size() / 2), std::string(300, '\x5A'), TempDir::Read(foreign)};
  for (const std::string& bytes : cases) {
    DeleteFileA((m_host.PresetFile() + ".unreadable").c_str());
    m_host.Temp().Write("Tarvik.dat\\Gradient.qs4", bytes);
    {
      CGradientWnd strip(&m_parent);
      Make(strip, 52);
      EXPECT_EQ(0, List(strip)->TypeGetCount(0));
      AddPreset(strip, m_records[2]);
    }
    EXPECT_EQ(bytes, TempDir::Read(m_host.PresetFile() + ".unreadable"));
    CGradientWnd strip(&m_parent);
    Make(strip, 52);
    EXPECT_EQ(1, List(strip)->TypeGetCount(0));  // the new file holds what was added
  }
  // Other unreadable bytes do not replace the kept ones; the same bytes again are kept once only.
  for (int nTimes = 0; nTimes < 2; nTimes++) {
    m_host.Temp().Write("Tarvik.dat\\Gradient.qs4", cases[1]);
    CGradientWnd strip(&m_parent);
    Make(strip, 52);
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
    CGradientWnd strip(&m_parent);
    Make(strip, 52);
    AddPreset(strip, m_records[1]);
    EXPECT_EQ(0, strip.Save());
  }
  EXPECT_EQ(before, m_host.ReadPresets());
  RemoveDirectoryA((m_host.PresetFile() + ".new").c_str());
}

}  // namespace
